// The window of any two elements on Windows, as a user meets it: opened from the main
// window, typed into with the messages a keyboard sends, read back through the Windows API.

#include "tests/given_pair.h"
#include "tests/win32/main_window_test.h"
#include "tests/win32/modal_reader.h"
#include "window/elements/elements_layout.h"
#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"
#include "window/win32/elements_window.h"
#include "window/win32/solver_form.h"
#include "window/win32/wide_text.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace ids = triangle::win32::ids;
using triangle::Element;

std::wstring textOf(HWND hwnd)
{
    return triangle::win32::WindowText(hwnd);
}

class Win32Elements : public MainWindowTest {
protected:
    static void pump() { PumpMessages(); }
    triangle::win32::ElementsWindow& elements() { return m_form->elements(); }
    HWND field(Element element) { return elements().field(element); }
    void open() { pressKey(GetDlgItem(m_form->Window(), ids::Text2), '2', true); }
    // The characters a keyboard sends into a field.
    void type(Element element, const std::wstring& text)
    {
        SetFocus(field(element));
        for (const wchar_t c : text)
            SendMessageW(field(element), WM_CHAR, c, 1);
    }
    void solve(Element first, const std::wstring& firstText, Element second,
               const std::wstring& secondText)
    {
        type(first, firstText);
        type(second, secondText);
        pressKey(field(second), VK_RETURN);
    }
    bool readOnly(Element element)
    {
        return (GetWindowLongW(field(element), GWL_STYLE) & ES_READONLY) != 0;
    }
};

// Reads the entries of the popup menu that opens on the test's thread, then chooses its last
// entry from the keyboard: Up from no selection goes to the last, Enter chooses it.
class LastEntryChooser : public ModalReader<std::wstring, LastEntryChooser> {
public:
    static void Read()
    {
        HWND popup = FindWindowW(L"#32768", nullptr);
        const std::vector<MenuEntry> entries = OpenMenuEntries();
        if (entries.empty() || !seen().empty())
            return;
        for (const MenuEntry& entry : entries)
            seen().push_back(entry.text + (entry.enabled ? L"" : L" (greyed)"));
        PostMessageW(popup, WM_KEYDOWN, VK_UP, 0);
        PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    }
};

TEST_F(Win32Elements, ALengthFieldTakesTheRootSignFromAltSAndItsMenu)
{
    // Alt+S comes as the key's virtual code in any layout, then the layout's character, which
    // must not reach a menu as a mnemonic.
    open();
    type(Element::a, L"2");
    SendMessageW(field(Element::a), WM_SYSKEYDOWN, 'S', 1 | (1 << 29));
    SendMessageW(field(Element::a), WM_SYSCHAR, L'я', 1 | (1 << 29));
    EXPECT_EQ(textOf(field(Element::a)), L"2√");
    type(Element::a, L"3");
    LastEntryChooser::seen().clear();
    {
        const LastEntryChooser chooser;
        RECT place{};
        GetWindowRect(field(Element::b), &place);
        SendMessageW(field(Element::b), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(field(Element::b)),
                     MAKELPARAM(place.left + 5, place.top + 5));
    }
    ASSERT_FALSE(LastEntryChooser::seen().empty());
    EXPECT_EQ(LastEntryChooser::seen().back(), L"Вмъкни √\tAlt+S");
    type(Element::b, L"2");
    pressKey(field(Element::b), VK_RETURN);
    // a = 2√3 and b = √2: c = √14.
    EXPECT_EQ(textOf(field(Element::a)), L"2√3");
    EXPECT_EQ(textOf(field(Element::c)), L"√14 ≈ 3.742");
}

TEST_F(Win32Elements, AnAngleFieldsMenuInsertsTheDegreeSign)
{
    // State: "36" typed into α; action: "Вмъкни °" from its menu, then "52'" and c = 10.
    open();
    type(Element::alpha, L"36");
    LastEntryChooser::seen().clear();
    {
        const LastEntryChooser chooser;
        RECT place{};
        GetWindowRect(field(Element::alpha), &place);
        SendMessageW(field(Element::alpha), WM_CONTEXTMENU,
                     reinterpret_cast<WPARAM>(field(Element::alpha)),
                     MAKELPARAM(place.left + 5, place.top + 5));
    }
    ASSERT_FALSE(LastEntryChooser::seen().empty());
    EXPECT_EQ(LastEntryChooser::seen().back(), L"Вмъкни °");
    EXPECT_EQ(textOf(field(Element::alpha)), L"36°");
    type(Element::alpha, L"52'");
    type(Element::c, L"10");
    pressKey(field(Element::c), VK_RETURN);
    // 36°52′ lies 0,0000564 rad below atan(3/4): a = 6 − 8·0,0000564 = 5,99955.
    EXPECT_EQ(textOf(field(Element::a)), L"6.000");
    EXPECT_EQ(textOf(field(Element::alpha)), L"36°52'");
}

TEST_F(Win32Elements, CtrlTwoFromAFieldOpensItWithTheFocusInA)
{
    EXPECT_EQ(elements().Window(), nullptr) << "made only when first opened";
    open();
    ASSERT_TRUE(elements().isOpen());
    EXPECT_EQ(textOf(elements().Window()), L"Правоъгълен триъгълник по два елемента");
    EXPECT_EQ(GetFocus(), field(Element::a));
}

struct Problem : GivenPair<const wchar_t*> {
    const wchar_t* expected[4]; // c, α, S, P, worked by hand
};

TEST_F(Win32Elements, TextbookProblemsGiveTheirAnswers)
{
    // Legs 6 and 8: c = 10, tg α = 3/4; c = 10 and α = 30°: a = 5, b = 5√3; projections 9
    // and 16: c = 25, a = 15, b = 20; a = 6 and h = 4.8 and r = 2 with c = 10: legs 6 and 8.
    const Problem problems[] = {
        {"TwoLegs", Element::a, L"6", Element::b, L"8", {L"10", L"36°52′ (36.870°)", L"24", L"24"}},
        {"HypotenuseAndAngle",
         Element::c,
         L"10",
         Element::alpha,
         L"30",
         {L"10", L"30°", L"25√3/2 ≈ 21.651", L"15 + 5√3 ≈ 23.660"}},
        {"Projections",
         Element::a1,
         L"9",
         Element::b1,
         L"16",
         {L"25", L"36°52′ (36.870°)", L"150", L"60"}},
        {"LegAndHeight",
         Element::a,
         L"6",
         Element::h,
         L"4.8",
         {L"10", L"36°52′ (36.870°)", L"24", L"24"}},
        {"InradiusAndHypotenuse",
         Element::c,
         L"10",
         Element::r,
         L"2",
         {L"10", L"36°52′ (36.870°)", L"24", L"24"}},
    };
    open();
    for (const Problem& p : problems) {
        SendMessageW(elements().button(1), BM_CLICK, 0, 0);
        pump();
        solve(p.first, p.firstText, p.second, p.secondText);
        const Element shown[4] = {Element::c, Element::alpha, Element::S, Element::P};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(textOf(field(shown[i])), p.expected[i]) << p.name << " " << i;
        EXPECT_TRUE(readOnly(Element::beta)) << p.name;
        EXPECT_FALSE(readOnly(p.first)) << p.name;
    }
    EXPECT_TRUE(MessageBoxCloser::seen().empty());
}

TEST_F(Win32Elements, AHeightAboveHalfTheHypotenuseIsRefused)
{
    open();
    solve(Element::c, L"10", Element::h, L"6");
    ASSERT_EQ(MessageBoxCloser::seen().size(), 1u);
    // h ≤ c/2 = 5
    EXPECT_NE(MessageBoxCloser::seen()[0].text.find(L"c/2\u00A0=\u00A05.000"), std::wstring::npos);
    // A screen reader hears the bound in words.
    EXPECT_NE(MessageBoxCloser::seen()[0].spoken.find(L"c върху 2, равно на 5.000"),
              std::wstring::npos);
    EXPECT_EQ(GetFocus(), field(Element::h));
    EXPECT_EQ(textOf(field(Element::a)), L"");
    // The drawing says why there is no triangle, as the message box did, not how to ask for one.
    const std::wstring drawing = textOf(elements().drawing());
    EXPECT_NE(drawing.find(MessageBoxCloser::seen()[0].text), std::wstring::npos)
        << triangle::win32::Narrow(drawing);
    EXPECT_EQ(drawing.find(L"Попълнете"), std::wstring::npos) << triangle::win32::Narrow(drawing);
}

TEST_F(Win32Elements, TabGoesThroughTheFieldsInReadingOrderThenTheButtonsAndTheSteps)
{
    open();
    std::vector<int> seen;
    for (int i = 0; i < triangle::ElementCount + 4; ++i) {
        pressKey(GetFocus(), VK_TAB);
        seen.push_back(GetFocus() == elements().steps() ? -1 : GetDlgCtrlID(GetFocus()));
    }
    // Group by group as they are read: the sides and the angles beside them, the height and
    // the area and perimeter, the radii and the medians and bisectors, then the table.
    using E = Element;
    std::vector<int> expected;
    for (const E element :
         {E::b,       E::c,         E::alpha,   E::beta,    E::h,        E::a1,
          E::b1,      E::S,         E::P,       E::r,       E::R,        E::mA,
          E::mB,      E::lA,        E::lB,      E::lC,      E::sinAlpha, E::cosAlpha,
          E::tgAlpha, E::cotgAlpha, E::sinBeta, E::cosBeta, E::tgBeta,   E::cotgBeta})
        expected.push_back(ids::ElementField + static_cast<int>(element));
    expected.insert(expected.end(), {ids::RelationField, ids::RelationField + 1,
                                     ids::ElementsCalculate, ids::ElementsClear, -1});
    EXPECT_EQ(seen, expected);
}

TEST_F(Win32Elements, TheRelationFieldsAndTheChoiceExistAndTheWindowFits1024x768)
{
    // State: the window open, nothing typed.
    open();
    // Every group of fields has its frame and title where the layout puts it, the table of the
    // trigonometric values, the last of them, too.
    for (const triangle::elements_layout::Group& group : triangle::elements_layout::Groups()) {
        HWND box = FindWindowExW(elements().panel(), nullptr, WC_BUTTONW,
                                 triangle::win32::Widen(group.title).c_str());
        ASSERT_TRUE(box) << group.title;
        RECT shown{};
        GetClientRect(box, &shown);
        EXPECT_GT(shown.right, 0) << group.title;
        EXPECT_GT(shown.bottom, 0) << group.title;
    }
    // The relations: named for a screen reader, reached by Tab from the table's last field,
    // and Alt+S puts the root sign there as in an element's field.
    SetFocus(field(Element::cotgBeta));
    pressKey(GetFocus(), VK_TAB);
    ASSERT_EQ(GetFocus(), elements().relation(0));
    pressKey(GetFocus(), VK_TAB);
    ASSERT_EQ(GetFocus(), elements().relation(1));
    for (const wchar_t c : std::wstring(L"b=a"))
        SendMessageW(elements().relation(1), WM_CHAR, c, 1);
    SendMessageW(elements().relation(1), WM_SYSKEYDOWN, 'S', 1 | (1 << 29));
    SendMessageW(elements().relation(1), WM_SYSCHAR, L'я', 1 | (1 << 29));
    EXPECT_EQ(textOf(elements().relation(1)), L"b=a√");
    // The choice of two triangles: hidden where one triangle or none is shown; its mnemonics
    // are 1 and 2.
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(IsWindowVisible(elements().choice(i)));
        EXPECT_EQ(textOf(elements().choice(i)), i == 0 ? L"Решение &1" : L"Решение &2");
    }
    // The least window that shows the panel whole beside the least drawing, with its title
    // and menu bars, inside a work area of 1024 × 768 less a taskbar of 40 at 96 DPI.
    RECT least{0, 0,
               triangle::elements_layout::PanelWidth + triangle::elements_layout::LeastDrawingWidth,
               triangle::elements_layout::PanelHeight};
    ASSERT_TRUE(AdjustWindowRectExForDpi(&least, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CONTROLPARENT,
                                         USER_DEFAULT_SCREEN_DPI));
    EXPECT_LE(least.right - least.left, 1024);
    EXPECT_LE(least.bottom - least.top, 768 - 40);
}

TEST_F(Win32Elements, EscapeOnlyHidesIt)
{
    open();
    pressKey(field(Element::a), VK_ESCAPE);
    EXPECT_FALSE(elements().isOpen());
    EXPECT_TRUE(IsWindowVisible(m_form->Window()));
}

TEST_F(Win32Elements, TheStepsAreAListAndCtrlCCopiesTheTwentyThenTheSteps)
{
    open();
    solve(Element::a, L"6", Element::b, L"8");
    HWND steps = elements().steps();
    ASSERT_GT(ListBox_GetCount(steps), 8);
    wchar_t first[256] = {};
    ListBox_GetText(steps, 0, first);
    EXPECT_EQ(std::wstring(first), L"Дадени: a = 6 и b = 8.");
    SetFocus(steps);
    EXPECT_TRUE(pressKey(steps, 'C', true));
    const std::wstring copied = ClipboardText();
    EXPECT_EQ(copied.rfind(L"a = 6\r\nb = 8\r\nc = 10\r\nα = 36°52′ (36.870°)\r\n", 0), 0u)
        << triangle::win32::Narrow(copied);
    EXPECT_NE(copied.find(L"R = 5\r\nsin α = 0.6\r\n"), std::wstring::npos);
    // m_a = √(8² + 6²/4) = √73 and l_c = 6·8·√2/(6 + 8) = 24√2/7, the last of the elements.
    EXPECT_NE(copied.find(L"cotg β = 0.75\r\nm_a = √73 ≈ 8.544\r\n"), std::wstring::npos);
    EXPECT_NE(copied.find(L"l_c = 24√2/7 ≈ 4.849\r\n\r\nДадени: a = 6 и b = 8."),
              std::wstring::npos);
}

TEST_F(Win32Elements, TheDrawingShowsTheGivenMedianAndTheExactLengths)
{
    // a = 6 with m_a = 5: b = √(5² − 3²) = 4, c = √52 = 2√13 ≈ 7.211, R = √13 ≈ 3.606.
    open();
    solve(Element::a, L"6", Element::mA, L"5");
    std::vector<std::string> labels;
    for (const triangle::drawing::Label& label : elements().displayList().labels)
        labels.push_back(label.text);
    for (const char* expected : {"a = 6", "b = 4", "c = 7.211", "m_a"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
}

TEST_F(Win32Elements, TheResultsAreAnnouncedAndTheComputedDescribed)
{
    open();
    solve(Element::a, L"6", Element::b, L"8");
    EXPECT_EQ(textOf(elements().announcer()),
              L"Изчислено: c = 10, α = 36°52′ (36.870°), β = 53°8′ (53.130°), S = 24, P = 24");
}

TEST_F(Win32Elements, TheSolutionsButtonOpensItWithTheRowsGivenValues)
{
    HWND main = m_form->Window();
    SetFocus(GetDlgItem(main, ids::Text2));
    for (const wchar_t c : std::wstring(L"3"))
        SendMessageW(GetDlgItem(main, ids::Text2), WM_CHAR, c, 1);
    for (const wchar_t c : std::wstring(L"5"))
        SendMessageW(GetDlgItem(main, ids::Text2 + 1), WM_CHAR, c, 1);
    SendMessageW(GetDlgItem(main, ids::Command1), BM_CLICK, 0, 0);
    m_form->openSolution();
    pump();
    HWND button = m_form->solution().elementsButton();
    ASSERT_TRUE(IsWindowVisible(button));
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
    ASSERT_TRUE(elements().isOpen());
    EXPECT_EQ(textOf(field(Element::a)), L"3.000");
    EXPECT_EQ(textOf(field(Element::c)), L"5.000");
    EXPECT_EQ(textOf(field(Element::b)), L"");
}

} // namespace
