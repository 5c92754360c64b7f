#include "window/menu/command_target.h"
#include "window/menu/help_text.h"
#include "window/menu/menu_bar.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace triangle::menu {
namespace {

struct Expected {
    const char* name;
    Window window;
    int menu;         // its place on the bar
    const char* text; // as the menu shows it, without "&"
    const char* mnemonic;
    std::vector<std::string> keys; // as the menu shows them
};

// The menus as a user should find them, typed from the list the program's menus were
// designed by: every entry with keys, and the menus' own names.
const Expected Entries[] = {
    {"MainPrint", Window::Main, 0, "Печат…", "П", {"Ctrl+P"}},
    {"MainSavePdf", Window::Main, 0, "Запази като PDF…", "З", {"Ctrl+S"}},
    {"MainSavePicture", Window::Main, 0, "Запази чертежа като картина…", "ч", {}},
    {"MainExit", Window::Main, 0, "Изход", "И", {"Ctrl+Q"}},
    {"MainElements", Window::Main, 1, "Триъгълник по два елемента…", "е", {"Ctrl+2"}},
    {"MainSolution", Window::Main, 1, "Решение", "Р", {"Ctrl+R"}},
    {"MainWholeTriangle", Window::Main, 1, "Целият триъгълник", "Ц", {"Shift+F1"}},
    {"MainCopyRow", Window::Main, 1, "Копирай реда на избрания вариант", "К", {"Ctrl+Shift+C"}},
    {"MainHelp", Window::Main, 2, "Помощ", "П", {"F1"}},
    {"MainAbout", Window::Main, 2, "За програмата", "З", {}},
    {"SolutionPrint", Window::Solution, 0, "Печат…", "П", {"Ctrl+P"}},
    {"SolutionClose", Window::Solution, 0, "Затвори", "т", {"Esc"}},
    {"SolutionElements", Window::Solution, 1, "Триъгълник по два елемента…", "е", {"Ctrl+2"}},
    {"SolutionCopyDrawing",
     Window::Solution,
     1,
     "Копирай чертежа като картина",
     "к",
     {"Ctrl+Shift+C"}},
    {"SolutionZoomIn",
     Window::Solution,
     2,
     "Увеличи",
     "У",
     {"Ctrl++", "Ctrl+=", "Ctrl++ (цифровата клавиатура)"}},
    {"SolutionZoomOut",
     Window::Solution,
     2,
     "Намали",
     "Н",
     {"Ctrl+−", "Ctrl+− (цифровата клавиатура)"}},
    {"SolutionZoomReset", Window::Solution, 2, "Нормален размер", "о", {"Ctrl+0"}},
    {"SolutionHelp", Window::Solution, 3, "Помощ", "П", {"F1"}},
    {"ElementsSavePdf", Window::Elements, 0, "Запази като PDF…", "З", {"Ctrl+S"}},
    {"ElementsClose", Window::Elements, 0, "Затвори", "т", {"Esc"}},
    {"ElementsZoomIn",
     Window::Elements,
     2,
     "Увеличи",
     "У",
     {"Ctrl++", "Ctrl+=", "Ctrl++ (цифровата клавиатура)"}},
    {"ElementsZoomReset", Window::Elements, 2, "Нормален размер", "о", {"Ctrl+0"}},
    {"ElementsAbout", Window::Elements, 3, "За програмата", "З", {}},
};

const Entry* find(Window window, int menu, const std::string& text)
{
    const auto bar = MenuBar(window);
    if (menu >= static_cast<int>(bar.size()))
        return nullptr;
    for (const Entry& entry : bar[static_cast<std::size_t>(menu)].entries)
        if (entry.text && PlainText(entry.text) == text)
            return &entry;
    return nullptr;
}

class MenuEntry : public testing::TestWithParam<Expected> {};

TEST_P(MenuEntry, HasItsTextMnemonicAndKeys)
{
    const Expected& expected = GetParam();
    const Entry* entry = find(expected.window, expected.menu, expected.text);
    ASSERT_NE(entry, nullptr) << expected.text;
    EXPECT_EQ(Mnemonic(entry->text), expected.mnemonic);
    std::vector<std::string> keys;
    for (const Key& key : entry->keys)
        if (key.key)
            keys.push_back(KeyText(key));
    EXPECT_EQ(keys, expected.keys);
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuEntry, testing::ValuesIn(Entries),
                         [](const auto& info) { return std::string(info.param.name); });

const Window Windows[] = {Window::Main, Window::Elements, Window::Solution};

TEST(MenuBar, NamesItsMenusAsTheUserLooksForThem)
{
    const std::vector<std::string> second = {"&Файл", "&Триъгълник", "&Изглед", "&Помощ"};
    std::vector<std::string> titles;
    for (const Menu& menu : MenuBar(Window::Main))
        titles.emplace_back(menu.title);
    // No zoom in the main window, whose look is fixed.
    EXPECT_EQ(titles, (std::vector<std::string>{"&Файл", "&Триъгълник", "&Помощ"}));
    for (const Window window : {Window::Elements, Window::Solution}) {
        titles.clear();
        for (const Menu& menu : MenuBar(window))
            titles.emplace_back(menu.title);
        EXPECT_EQ(titles, second);
    }
}

// A mnemonic, upper and lower case alike, picks one menu of a bar and one entry of a menu.
std::string folded(std::string mnemonic)
{
    static const std::map<std::string, std::string> upper = {
        {"а", "А"}, {"е", "Е"}, {"ч", "Ч"}, {"т", "Т"}, {"к", "К"}, {"о", "О"}, {"р", "Р"}};
    const auto found = upper.find(mnemonic);
    return found == upper.end() ? mnemonic : found->second;
}

TEST(MenuBar, GivesEveryMenuAndEntryAMnemonicOfItsOwn)
{
    for (const Window window : Windows) {
        std::set<std::string> titles;
        for (const Menu& menu : MenuBar(window)) {
            EXPECT_TRUE(titles.insert(folded(Mnemonic(menu.title))).second) << menu.title;
            std::set<std::string> entries;
            for (const Entry& entry : menu.entries) {
                if (!entry.text)
                    continue;
                const std::string mnemonic = folded(Mnemonic(entry.text));
                EXPECT_FALSE(mnemonic.empty()) << entry.text;
                EXPECT_TRUE(entries.insert(mnemonic).second) << entry.text;
            }
        }
    }
}

TEST(MenuBar, BindsNoKeyTwiceInAWindowAndLeavesAltSToTheFields)
{
    for (const Window window : Windows) {
        std::set<std::string> keys;
        for (const Menu& menu : MenuBar(window))
            for (const Entry& entry : menu.entries)
                for (const Key& key : entry.keys)
                    if (key.key) {
                        EXPECT_TRUE(keys.insert(KeyText(key)).second) << KeyText(key);
                        EXPECT_NE(KeyText(key), "Alt+S");
                    }
    }
}

// Writes down which action each command reached.
class RecordingTarget : public CommandTarget {
public:
    std::string reached;

    void writeSolution(Command command) override { reached = "write " + name(command); }
    void closeWindow() override { reached = "close"; }
    void showHelp(Command command) override { reached = "help " + name(command); }
    void openElements() override { reached = "elements"; }
    void openSolution() override { reached = "solution"; }
    void showWholeTriangle() override { reached = "whole"; }
    void copy(Command command) override { reached = "copy " + name(command); }
    void zoomIn() override { reached = "in"; }
    void zoomOut() override { reached = "out"; }
    void zoomReset() override { reached = "reset"; }

private:
    static std::string name(Command command) { return CommandName(command); }
};

TEST(RunCommand, GivesEveryEntryOfEveryWindowToItsAction)
{
    const std::map<Command, std::string> actions = {
        {Command::Print, "write Print"},
        {Command::SavePdf, "write SavePdf"},
        {Command::SavePicture, "write SavePicture"},
        {Command::Exit, "close"},
        {Command::Close, "close"},
        {Command::OpenElements, "elements"},
        {Command::OpenSolution, "solution"},
        {Command::WholeTriangle, "whole"},
        {Command::CopyRow, "copy CopyRow"},
        {Command::CopyElements, "copy CopyElements"},
        {Command::CopySteps, "copy CopySteps"},
        {Command::CopyDrawing, "copy CopyDrawing"},
        {Command::ZoomIn, "in"},
        {Command::ZoomOut, "out"},
        {Command::ZoomReset, "reset"},
        {Command::ShowHelp, "help ShowHelp"},
        {Command::About, "help About"},
    };
    for (const Window window : {Window::Main, Window::Elements, Window::Solution})
        for (const Menu& menu : MenuBar(window))
            for (const Entry& entry : menu.entries) {
                if (entry.command == Command::Separator)
                    continue;
                RecordingTarget target;
                RunCommand(target, entry.command);
                EXPECT_EQ(target.reached, actions.at(entry.command)) << PlainText(entry.text);
            }
}

TEST(HelpText, ListsTheMenusKeysAndWhatTheFieldsTake)
{
    const std::string help = HelpText();
    for (const char* line :
         {"Ctrl+2 — Триъгълник по два елемента…\n", "F1 — Помощ\n", "Ctrl+Q — Изход\n",
          "Ctrl+0 — Нормален размер\n", "Esc — Затвори\n", "„3/5“", "„2√3“", "„sqrt(3)“",
          "„36°52′“", "Alt+S", "„12,5“", "„a : b = 5 : 12“", "m_a", "„Две решения“", "300 %"})
        EXPECT_NE(help.find(line), std::string::npos) << line;
}

// The window of any two elements takes twenty-five of them and the relations; a number's
// digit groups are apart by a no-break space, as the region writes them, so that no line
// ends inside the number.
TEST(HelpText, NamesTheTwentyFiveElementsAndTheRelationsAndKeepsNumbersWhole)
{
    const std::string help = HelpText();
    for (const char* part : {"двадесет и петте му елемента", "ъглополовящите l_a, l_b и l_c",
                             "„a : b = 5 : 12“", "„Две решения“", "„1\u00A0234,5“"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_EQ(help.find("дванадесетте"), std::string::npos);
    EXPECT_EQ(help.find("„1 234,5“"), std::string::npos) << "a plain space ends a line there";
}

TEST(AboutText, NamesTheProgramItsVersionLicenceAndNotices)
{
    const std::string about = AboutText("1.00", "winpthreads notice");
    for (const char* part : {"Правоъгълен триъгълник\nВерсия 1.00\n", "MIT", "winpthreads notice"})
        EXPECT_NE(about.find(part), std::string::npos) << part;
    EXPECT_EQ(AboutText("1.00", nullptr).find("winpthreads"), std::string::npos);
}

} // namespace
} // namespace triangle::menu
