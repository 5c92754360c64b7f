#include "window/menu/menu_bar.h"

#include "window/text/menu_texts.h"

#include <cstring>
#include <iterator>

namespace triangle::menu {

namespace {

constexpr Key Ctrl(const char* key)
{
    return {true, false, false, key};
}
constexpr Key CtrlShift(const char* key)
{
    return {true, true, false, key};
}
constexpr Key Plain(const char* key)
{
    return {false, false, false, key};
}
constexpr Key Shift(const char* key)
{
    return {false, true, false, key};
}

constexpr Entry Separator{Command::Separator};

constexpr Entry MainFile[] = {
    {Command::Print, texts::MenuPrint, {Ctrl("P")}},
    {Command::SavePdf, texts::MenuSavePdf, {Ctrl("S")}},
    {Command::SavePicture, texts::MenuSavePicture},
    Separator,
    {Command::Exit, texts::MenuExit, {Ctrl("Q")}},
};
constexpr Entry SecondFile[] = {
    {Command::Print, texts::MenuPrint, {Ctrl("P")}},
    {Command::SavePdf, texts::MenuSavePdf, {Ctrl("S")}},
    {Command::SavePicture, texts::MenuSavePicture},
    Separator,
    {Command::Close, texts::MenuClose, {Plain("Escape")}},
};
// Ctrl+2, "two elements": not Ctrl+E, which the fields keep for the end of the line.
constexpr Entry MainTriangle[] = {
    {Command::OpenElements, texts::MenuOpenElements, {Ctrl("2")}},
    {Command::OpenSolution, texts::MenuOpenSolution, {Ctrl("R")}},
    {Command::WholeTriangle, texts::MenuWholeTriangle, {Shift("F1")}},
    {Command::CopyRow, texts::MenuCopyRow, {CtrlShift("C")}},
};
// Ctrl+C copies there only where nothing is selected, which the window decides itself.
constexpr Entry ElementsTriangle[] = {
    {Command::CopyElements, texts::MenuCopyElements},
};
constexpr Entry SolutionTriangle[] = {
    {Command::OpenElements, texts::MenuOpenElements, {Ctrl("2")}},
    Separator,
    {Command::CopySteps, texts::MenuCopySteps},
    {Command::CopyDrawing, texts::MenuCopyDrawing, {CtrlShift("C")}},
};
constexpr Entry View[] = {
    {Command::ZoomIn, texts::MenuZoomIn, {Ctrl("Plus"), Ctrl("Equals"), Ctrl("Add")}},
    {Command::ZoomOut, texts::MenuZoomOut, {Ctrl("Minus"), Ctrl("Subtract")}},
    {Command::ZoomReset, texts::MenuZoomReset, {Ctrl("0")}},
};
constexpr Entry Help[] = {
    {Command::ShowHelp, texts::MenuShowHelp, {Plain("F1")}},
    {Command::About, texts::MenuAbout},
};

constexpr Menu MainBar[] = {
    {texts::MenuFile, MainFile},
    {texts::MenuTriangle, MainTriangle},
    {texts::MenuHelp, Help},
};
constexpr Menu ElementsBar[] = {
    {texts::MenuFile, SecondFile},
    {texts::MenuTriangle, ElementsTriangle},
    {texts::MenuView, View},
    {texts::MenuHelp, Help},
};
constexpr Menu SolutionBar[] = {
    {texts::MenuFile, SecondFile},
    {texts::MenuTriangle, SolutionTriangle},
    {texts::MenuView, View},
    {texts::MenuHelp, Help},
};

const char* keyName(const char* key)
{
    struct Named {
        const char* name;
        const char* text;
    };
    static constexpr Named named[] = {
        {"Escape", texts::KeyEscape}, {"Plus", texts::KeyPlus}, {"Minus", texts::KeyMinus},
        {"Equals", texts::KeyEquals}, {"Add", texts::KeyAdd},   {"Subtract", texts::KeySubtract},
    };
    for (const Named& n : named)
        if (std::strcmp(n.name, key) == 0)
            return n.text;
    return key;
}

} // namespace

std::span<const Menu> MenuBar(Window window)
{
    switch (window) {
    case Window::Elements:
        return ElementsBar;
    case Window::Solution:
        return SolutionBar;
    case Window::Main:
        break;
    }
    return MainBar;
}

const char* CommandName(Command command)
{
    static constexpr const char* names[] = {
        "Separator",    "Print",        "SavePdf",       "SavePicture", "Exit",         "Close",
        "OpenElements", "OpenSolution", "WholeTriangle", "CopyRow",     "CopyElements", "CopySteps",
        "CopyDrawing",  "ZoomIn",       "ZoomOut",       "ZoomReset",   "ShowHelp",     "About"};
    static_assert(std::size(names) == static_cast<std::size_t>(Command::About) + 1);
    return names[static_cast<std::size_t>(command)];
}

std::string KeyText(const Key& key)
{
    std::string text;
    if (key.ctrl)
        text.append(texts::KeyCtrl).append("+");
    if (key.shift)
        text.append(texts::KeyShift).append("+");
    if (key.alt)
        text.append(texts::KeyAlt).append("+");
    return text.append(keyName(key.key));
}

std::string Mnemonic(const char* text)
{
    const char* amp = std::strchr(text, '&');
    if (!amp || amp[1] == '\0')
        return {};
    // One UTF-8 character: its lead byte, then the continuation bytes 10xxxxxx.
    std::size_t length = 1;
    while (amp[1 + length] != '\0' && (static_cast<unsigned char>(amp[1 + length]) & 0xC0) == 0x80)
        ++length;
    return std::string(amp + 1, length);
}

std::string PlainText(const char* text)
{
    std::string plain(text);
    const std::size_t amp = plain.find('&');
    if (amp != std::string::npos)
        plain.erase(amp, 1);
    return plain;
}

} // namespace triangle::menu
