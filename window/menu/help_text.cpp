#include "window/menu/help_text.h"

#include "window/menu/menu_bar.h"
#include "window/text/help_texts.h"
#include "window/text/main_window_texts.h"
#include "window/text/menu_texts.h"

namespace triangle::menu {

namespace {

// "Ctrl+P, Ctrl+= — Печат…" for every entry with keys, one a line.
std::string keysOf(Window window)
{
    std::string lines;
    for (const Menu& menu : MenuBar(window)) {
        for (const Entry& entry : menu.entries) {
            if (!entry.text || !entry.keys[0].key)
                continue;
            std::string keys;
            for (const Key& key : entry.keys)
                if (key.key)
                    keys.append(keys.empty() ? "" : ", ").append(KeyText(key));
            lines.append(keys).append(" — ").append(PlainText(entry.text)).append("\n");
        }
    }
    return lines;
}

} // namespace

std::string HelpText()
{
    std::string text;
    text.append(texts::HelpWindows).append("\n\n");
    text.append(texts::HelpFields).append("\n\n");
    text.append(texts::HelpKeysHeading).append("\n\n");
    text.append(texts::HelpMainKeys).append("\n").append(keysOf(Window::Main)).append("\n");
    text.append(texts::HelpSolutionKeys).append("\n").append(keysOf(Window::Solution));
    text.append("\n");
    text.append(texts::HelpElementsKeys).append("\n").append(keysOf(Window::Elements));
    text.append("\n");
    text.append(texts::HelpOtherKeys).append("\n\n");
    text.append(texts::HelpScreenReader).append("\n");
    return text;
}

std::string AboutText(const char* version, const char* notices)
{
    std::string versionLine = texts::AboutVersion;
    versionLine.replace(versionLine.find("{version}"), 9, version);
    std::string text;
    text.append(texts::ApplicationName).append("\n").append(versionLine).append("\n\n");
    text.append(texts::AboutCopyright).append("\n").append(texts::AboutLicence).append("\n");
    if (notices && *notices)
        text.append("\n").append(texts::AboutNoticesHeading).append("\n\n").append(notices);
    return text;
}

} // namespace triangle::menu
