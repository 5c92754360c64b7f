// The Win32 form as a user meets it: the real window, sent the messages a user's actions
// produce, and checked through the same API any program would use.

#include "solver/variant/variant_solver.h"
#include "tests/win32/main_window_test.h"
#include "tests/win32/modal_reader.h"
#include "window/main_form/form_layout.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"
#include "window/win32/solver_form.h"
#include "window/win32/wide_text.h"

#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace ids = triangle::win32::ids;
namespace layout = triangle::layout;
using triangle::win32::Widen;

std::wstring textOf(HWND hwnd)
{
    return triangle::win32::WindowText(hwnd);
}

triangle::NumberFormat english()
{
    return {};
}

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat format;
    format.decimalSeparator = ",";
    format.groupSeparator = "\u00A0";
    return format;
}

triangle::NumberFormat indian()
{
    triangle::NumberFormat format;
    format.groupSizes = {3, 2};
    return format;
}

class Win32SolverForm : public MainWindowTest {
protected:
    HWND window() const { return m_form->Window(); }
    HWND field(int i) const { return GetDlgItem(window(), ids::Text2 + i); }
    HWND option(int k) const { return GetDlgItem(window(), ids::Option1 + k); }
    HWND button(int i) const { return GetDlgItem(window(), ids::Command1 + i); }

    static void pumpMessages() { PumpMessages(); }

    // The characters a keyboard sends into the field that has the focus.
    void type(int i, const std::wstring& text)
    {
        for (const wchar_t c : text)
            SendMessageW(field(i), WM_CHAR, c, 1);
    }

    bool acceptsTyping(int i) const
    {
        return IsWindowEnabled(field(i)) && !(GetWindowLongW(field(i), GWL_STYLE) & ES_READONLY);
    }

    void calculate() { SendMessageW(button(0), BM_CLICK, 0, 0); }
};

TEST_F(Win32SolverForm, AfterLoadingVariant1IsChosenAndOnlyItsGivenFieldsAcceptTyping)
{
    EXPECT_EQ(Button_GetCheck(option(0)), BST_CHECKED);
    for (int k = 1; k < 6; ++k)
        EXPECT_EQ(Button_GetCheck(option(k)), BST_UNCHECKED) << "Option1(" << k << ")";
    for (int i = 0; i < triangle::FieldCount; ++i) {
        EXPECT_EQ(textOf(field(i)), L"") << "Text2(" << i << ")";
        EXPECT_EQ(acceptsTyping(i), i == 0 || i == 1) << "Text2(" << i << ")";
    }
    EXPECT_EQ(m_form->logic().SelectedVariant(), 0);
}

TEST_F(Win32SolverForm, ResultFieldsAreDisabledAndGivenFieldsEnabled)
{
    const int resultFields[] = {2, 3, 5, 6, 8, 10, 12, 15, 16, 17, 21, 23};
    for (int i = 0; i < triangle::FieldCount; ++i) {
        const bool result = std::find(std::begin(resultFields), std::end(resultFields), i) !=
                            std::end(resultFields);
        EXPECT_EQ(IsWindowEnabled(field(i)) == FALSE, result) << "Text2(" << i << ")";
    }
}

TEST_F(Win32SolverForm, TypedTextIsReadBackAndALockedFieldKeepsItsText)
{
    type(0, L"3.5");
    type(4, L"7");
    EXPECT_EQ(textOf(field(0)), L"3.5");
    EXPECT_EQ(textOf(field(4)), L"") << "Text2(4) is locked while variant 1 is chosen";
}

TEST_F(Win32SolverForm, ChoosingAVariantEmptiesEveryFieldAndOpensItsRow)
{
    type(0, L"3");
    type(1, L"5");
    calculate();
    SendMessageW(option(2), BM_CLICK, 0, 0);

    EXPECT_EQ(m_form->logic().SelectedVariant(), 2);
    EXPECT_EQ(Button_GetCheck(option(0)), BST_UNCHECKED);
    for (int i = 0; i < triangle::FieldCount; ++i) {
        EXPECT_EQ(textOf(field(i)), L"") << "Text2(" << i << ")";
        EXPECT_EQ(acceptsTyping(i), i == 9 || i == 11) << "Text2(" << i << ")";
    }
}

TEST_F(Win32SolverForm, AClickOnAVariantPutsTheFocusIntoItsFirstGivenField)
{
    SendMessageW(option(2), BM_CLICK, 0, 0);
    EXPECT_EQ(GetFocus(), field(9)) << "variant 3 gives c first";
}

TEST_F(Win32SolverForm, ArrowsMoveThroughTheVariantsAndEnterChoosesOne)
{
    SetFocus(option(0));
    pressKey(option(0), VK_DOWN);
    EXPECT_EQ(m_form->logic().SelectedVariant(), 1);
    EXPECT_EQ(GetFocus(), option(1)) << "the arrows only move through the group";

    pressKey(option(1), VK_RETURN);
    EXPECT_EQ(GetFocus(), field(4)) << "variant 2 gives a first";
}

TEST_F(Win32SolverForm, ClearEmptiesEveryFieldAndKeepsTheVariant)
{
    type(0, L"3");
    type(1, L"5");
    calculate();
    SendMessageW(button(1), BM_CLICK, 0, 0);

    for (int i = 0; i < triangle::FieldCount; ++i)
        EXPECT_EQ(textOf(field(i)), L"") << "Text2(" << i << ")";
    EXPECT_TRUE(acceptsTyping(0));
    EXPECT_TRUE(acceptsTyping(1));
    EXPECT_EQ(Button_GetCheck(option(0)), BST_CHECKED);
}

struct RegionCase {
    const char* name;
    triangle::NumberFormat (*region)();
    const wchar_t* a;
    const wchar_t* c;
    const wchar_t* row[4]; // a, c, P, S as shown
};

// a = 3000 and c = 5000 make the 3-4-5 triangle scaled by 1000: b = 4000,
// P = 3000 + 4000 + 5000 = 12000, S = 3000 · 4000 / 2 = 6 000 000.
const RegionCase regionCases[] = {
    {"English", english, L"3", L"5", {L"3.000", L"5.000", L"12.000", L"6.000"}},
    {"EnglishThousands",
     english,
     L"3000",
     L"5000",
     {L"3,000.000", L"5,000.000", L"12,000.000", L"6,000,000.000"}},
    {"BulgarianThousands",
     bulgarian,
     L"3000",
     L"5000",
     {L"3\u00A0000,000", L"5\u00A0000,000", L"12\u00A0000,000", L"6\u00A0000\u00A0000,000"}},
    {"IndianThousands",
     indian,
     L"3000",
     L"5000",
     {L"3,000.000", L"5,000.000", L"12,000.000", L"60,00,000.000"}},
};

class Win32SolverFormRegions : public Win32SolverForm,
                               public ::testing::WithParamInterface<RegionCase> {};

TEST_P(Win32SolverFormRegions, CalculatingWritesTheRowInTheRegionsFormat)
{
    const RegionCase& row = GetParam();
    m_form->setNumberFormatOverride(row.region());
    type(0, row.a);
    type(1, row.c);
    calculate();

    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(textOf(field(j)), row.row[j]) << "Text2(" << j << ")";
    EXPECT_TRUE(MessageBoxCloser::seen().empty());
}

INSTANTIATE_TEST_SUITE_P(Regions, Win32SolverFormRegions, ::testing::ValuesIn(regionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32SolverForm, TypingAfterACalculationEmptiesTheResultsButTheProgramsWritesDoNot)
{
    type(0, L"3");
    type(1, L"5");
    calculate();
    ASSERT_EQ(textOf(field(2)), L"12.000") << "the program's own writes keep the results";

    type(1, L"1"); // the user's edit, after the written text: "5.0001"
    EXPECT_EQ(textOf(field(1)), L"5.0001");
    EXPECT_EQ(textOf(field(2)), L"");
    EXPECT_EQ(textOf(field(3)), L"");
}

TEST_F(Win32SolverForm, CalculatingTwiceReadsBackWhatTheFirstCalculationWrote)
{
    m_form->setNumberFormatOverride(bulgarian());
    type(0, L"3000");
    type(1, L"5000");
    calculate();
    calculate();
    EXPECT_EQ(textOf(field(3)), L"6\u00A0000\u00A0000,000");
}

TEST_F(Win32SolverForm, ARefusalIsShownInAMessageBoxAndTheWindowLivesOn)
{
    // Variant 3 gives c and S: with c = 1 no right triangle has the area 1 (at most 1/4).
    SendMessageW(option(2), BM_CLICK, 0, 0);
    type(9, L"1");
    type(11, L"1");
    calculate();

    ASSERT_EQ(MessageBoxCloser::seen().size(), 1u);
    EXPECT_EQ(MessageBoxCloser::seen()[0].title, Widen(triangle::texts::RefusalTitle));
    EXPECT_FALSE(MessageBoxCloser::seen()[0].text.empty());
    EXPECT_NE(MessageBoxCloser::seen()[0].spoken.find(L"c на квадрат върху 4, равно на 0.250"),
              std::wstring::npos)
        << "the bound c²/4 in words for a screen reader";
    EXPECT_TRUE(IsWindow(window()));
    EXPECT_EQ(textOf(field(9)), L"1") << "the user's numbers stay for correcting";
    const int focus = GetDlgCtrlID(GetFocus());
    EXPECT_TRUE(focus == ids::Text2 + 9 || focus == ids::Text2 + 11) << "focus on " << focus;
    EXPECT_TRUE(acceptsTyping(9));
    type(9, L"2");
    EXPECT_EQ(textOf(field(9)), L"12");
}

TEST_F(Win32SolverForm, EnterInAnOpenFieldCalculates)
{
    type(0, L"3");
    type(1, L"5");
    SetFocus(field(4)); // locked: another variant's row
    pressKey(field(4), VK_RETURN);
    EXPECT_EQ(textOf(field(2)), L"");
    SetFocus(field(1));
    pressKey(field(1), VK_RETURN);
    EXPECT_EQ(textOf(field(2)), L"12.000");
    EXPECT_EQ(textOf(field(3)), L"6.000");
}

TEST_F(Win32SolverForm, TabMovesInTheLayoutsOrderSkippingDisabledControls)
{
    // Tab places: Text1(0) 0, the enabled fields of rows 0 to 3 (7 + i), the push buttons
    // 23 and 24, the enabled fields of rows 4 and 5 (9 + i), the chosen variant button 34.
    const int expected[] = {ids::Text2 + 0,  ids::Text2 + 1,    ids::Text2 + 4,  ids::Text2 + 7,
                            ids::Text2 + 9,  ids::Text2 + 11,   ids::Text2 + 13, ids::Text2 + 14,
                            ids::Command1,   ids::Command1 + 1, ids::Text2 + 18, ids::Text2 + 19,
                            ids::Text2 + 20, ids::Text2 + 22,   ids::Option1,    ids::Text1};
    SetFocus(GetDlgItem(window(), ids::Text1));
    for (const int id : expected) {
        pressKey(GetFocus(), VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id);
    }
}

TEST_F(Win32SolverForm, CtrlShiftCCopiesTheChosenRowAsUnicodeText)
{
    ASSERT_TRUE(OpenClipboard(window()));
    EmptyClipboard();
    CloseClipboard();
    type(0, L"3");
    type(1, L"5");
    calculate();

    SetFocus(field(0));
    EXPECT_TRUE(pressKey(field(0), 'C', true, true));

    ASSERT_TRUE(OpenClipboard(window()));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(copied, L"3.000\t5.000\t12.000\t6.000");
}

TEST_F(Win32SolverForm, TheToolTipOfARowsFieldDescribesTheWholeTriangle)
{
    type(0, L"3");
    type(1, L"5");
    calculate();

    for (const int i : {0, 3}) {
        wchar_t tip[2048] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = window();
        tool.uId =
            i == 0 ? reinterpret_cast<UINT_PTR>(field(0)) : static_cast<UINT_PTR>(ids::Text2 + i);
        tool.lpszText = tip;
        SendMessageW(m_form->toolTips(), TTM_GETTEXTW, 2048, reinterpret_cast<LPARAM>(&tool));
        const std::wstring text = tip;
        const std::wstring own = i == 0 ? L"Катет a: 3.000" : L"Лице S: 6.000";
        EXPECT_EQ(text.rfind(own, 0), 0u)
            << "Text2(" << i << "): " << triangle::win32::Narrow(text);
        EXPECT_NE(text.find(Widen(triangle::texts::DetailsHeading)), std::wstring::npos);
        EXPECT_NE(text.find(L"катет b = 4.000"), std::wstring::npos);
        EXPECT_NE(text.find(L"\r\n"), std::wstring::npos) << "several lines";
    }
}

TEST_F(Win32SolverForm, ShiftF1ShowsTheWholeTriangleBesideTheFieldAndEscapeHidesIt)
{
    SetFocus(field(0));
    pressKey(field(0), VK_F1, false, true);
    EXPECT_FALSE(IsWindowVisible(m_form->toolTips())) << "nothing to show before a calculation";

    type(0, L"3");
    type(1, L"5");
    calculate();
    SetFocus(field(1));
    EXPECT_TRUE(pressKey(field(1), VK_F1, false, true));
    ASSERT_TRUE(IsWindowVisible(m_form->toolTips()));
    wchar_t tip[2048] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window();
    tool.uId = ids::ShowDetails;
    tool.lpszText = tip;
    SendMessageW(m_form->toolTips(), TTM_GETTEXTW, 2048, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(tip).rfind(L"Хипотенуза c: 5.000", 0), 0u);
    EXPECT_NE(std::wstring(tip).find(L"катет b = 4.000"), std::wstring::npos);
    // A screen reader hears the tip in words: α is "алфа", 36.870° "36.870 градуса".
    const std::wstring spoken = AccessibleName(m_form->toolTips());
    EXPECT_EQ(spoken.rfind(L"Хипотенуза c: 5.000", 0), 0u) << spoken;
    EXPECT_NE(spoken.find(L"ъгъл алфа срещу катета a, равно на 36.870 градуса"), std::wstring::npos)
        << spoken;
    RECT tipPlace{};
    RECT fieldPlace{};
    GetWindowRect(m_form->toolTips(), &tipPlace);
    GetWindowRect(field(1), &fieldPlace);
    EXPECT_GE(tipPlace.left, fieldPlace.right - 1) << "beside the field, not over the row";

    pressKey(field(1), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(m_form->toolTips()));
}

// The tip that Shift+F1 shows describes the row as it is when shown; whatever changes the
// row takes it away, rather than leave it describing a triangle no longer there.
TEST_F(Win32SolverForm, TheWholeTriangleShownByShiftF1GoesWhenTheRowChanges)
{
    const auto showFor = [this](int i) {
        SetFocus(field(i));
        pressKey(field(i), VK_F1, false, true);
        return IsWindowVisible(m_form->toolTips()) != FALSE;
    };
    type(0, L"3");
    type(1, L"5");
    calculate();

    ASSERT_TRUE(showFor(1));
    type(1, L"0"); // c = 50
    EXPECT_FALSE(IsWindowVisible(m_form->toolTips())) << "the user's edit emptied the results";

    calculate();
    ASSERT_TRUE(showFor(0));
    calculate();
    EXPECT_FALSE(IsWindowVisible(m_form->toolTips())) << "a new calculation";

    ASSERT_TRUE(showFor(0));
    SendMessageW(button(1), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(m_form->toolTips())) << "cleared";
}

// Reads the entries of the popup menu that opens on the test's thread, then closes it.
class MenuReader : public ModalReader<MenuEntry, MenuReader> {
public:
    static void Read()
    {
        const std::vector<MenuEntry> entries = OpenMenuEntries();
        if (entries.empty())
            return;
        seen().insert(seen().end(), entries.begin(), entries.end());
        EndMenu();
    }
};

TEST_F(Win32SolverForm, AResultFieldsMenuOffersTheRowsOwnEntries)
{
    type(0, L"3");
    type(1, L"5");
    calculate();
    MenuReader::seen().clear();
    const MenuReader reader;
    RECT place{};
    GetWindowRect(field(3), &place); // disabled: the click reaches the window
    SendMessageW(window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window()),
                 MAKELPARAM(place.left + 5, place.top + 5));

    const auto entry = [](const std::wstring& start) -> const MenuEntry* {
        for (const MenuEntry& e : MenuReader::seen())
            if (e.text.rfind(start, 0) == 0)
                return &e;
        return nullptr;
    };
    const MenuEntry* whole = entry(Widen(triangle::texts::WholeTriangle));
    const MenuEntry* copyRow = entry(Widen(triangle::texts::CopyRow));
    const MenuEntry* cut = entry(Widen(triangle::texts::EditCut));
    ASSERT_TRUE(whole && copyRow && cut) << MenuReader::seen().size() << " entries";
    EXPECT_TRUE(whole->enabled);
    EXPECT_NE(whole->text.find(L"\tShift+F1"), std::wstring::npos);
    EXPECT_TRUE(copyRow->enabled);
    EXPECT_FALSE(cut->enabled) << "nothing is typed into a result field";
}

TEST_F(Win32SolverForm, ALongValueTakesTheLargestFontThatShowsItWhole)
{
    // At 12 pt a digit of Times New Roman is half an em wide: eleven characters need about
    // 85 pixels, where the field has 55.
    type(0, L"1234567.890");
    HWND edit = field(0);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    LOGFONTW chosen{};
    GetObjectW(font, sizeof(chosen), &chosen);
    const int dpi = static_cast<int>(GetDpiForWindow(edit));
    const int twelvePoints = MulDiv(12, dpi, 72);
    EXPECT_LT(-chosen.lfHeight, twelvePoints) << "a smaller size than the window font";

    RECT area{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = textOf(edit);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    // A pixel taller would no longer fit.
    LOGFONTW larger = chosen;
    larger.lfHeight = chosen.lfHeight - 1;
    HFONT largerFont = CreateFontIndirectW(&larger);
    SelectObject(dc, largerFont);
    SIZE largerExtent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &largerExtent);
    SelectObject(dc, old);
    DeleteObject(largerFont);
    ReleaseDC(edit, dc);
    EXPECT_LE(extent.cx, area.right - area.left);
    EXPECT_GT(largerExtent.cx, area.right - area.left - 2); // the caret's room
}

TEST_F(Win32SolverForm, AValueTooLongForTheSmallestSizeTakesSixPoints)
{
    type(0, L"1234567890123456789012345678901234567890");
    LOGFONTW chosen{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(field(0), WM_GETFONT, 0, 0)), sizeof(chosen),
               &chosen);
    const int dpi = static_cast<int>(GetDpiForWindow(field(0)));
    EXPECT_EQ(-chosen.lfHeight, MulDiv(12, dpi, 2 * 72)); // 6 pt
}

// The colour of a client-area pixel: in a capture by PrintWindow, which paints the window
// afresh, or as the screen shows it.
class Capture {
public:
    enum class Source { Print, Screen };

    explicit Capture(HWND hwnd, Source source = Source::Print)
    {
        RECT client{};
        GetClientRect(hwnd, &client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        m_bits = static_cast<const std::uint32_t*>(bits);
        if (source == Source::Print) {
            PrintWindow(hwnd, m_dc, PW_CLIENTONLY);
        } else {
            HDC shown = GetDC(hwnd);
            BitBlt(m_dc, 0, 0, m_width, m_height, shown, 0, 0, SRCCOPY);
            ReleaseDC(hwnd, shown);
        }
        GdiFlush();
    }
    ~Capture()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    COLORREF at(int x, int y) const
    {
        const std::uint32_t pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const std::uint32_t* m_bits = nullptr;
};

struct ColourCase {
    const char* name;
    int left; // twips
    int top;
    COLORREF colour;
};

// Points a few pixels inside each control, clear of its border and its text.
const ColourCase colourCases[] = {
    {"WindowBackground", 6600, 150, RGB(192, 192, 255)},
    {"HeadingLabel", 780, 60, RGB(255, 192, 128)},
    {"ColumnHeadLabel", 1980, 540, RGB(255, 192, 128)},
    {"VariantButton", 1620, 1260, RGB(128, 128, 255)},
    {"ResultField", 3960, 1140, RGB(255, 192, 192)},
    {"GivenField", 2040, 1140, RGB(255, 255, 255)},
    {"CalculateButton", 5970, 930, RGB(128, 255, 128)},
    {"ClearButton", 5970, 2730, RGB(255, 0, 0)},
    {"FrameInside", 1700, 3000, RGB(192, 192, 255)},
};

class Win32SolverFormColours : public Win32SolverForm,
                               public ::testing::WithParamInterface<ColourCase> {};

TEST_P(Win32SolverFormColours, ControlsShowTheirLayoutColours)
{
    const ColourCase& row = GetParam();
    const Capture capture(window());
    const int dpi = static_cast<int>(GetDpiForWindow(window()));
    const COLORREF seen = capture.at(layout::Pixels(row.left, dpi), layout::Pixels(row.top, dpi));
    EXPECT_EQ(seen, row.colour) << std::hex << "seen 0x" << seen;
}

INSTANTIATE_TEST_SUITE_P(Places, Win32SolverFormColours, ::testing::ValuesIn(colourCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct GridLineCase {
    const char* name;
    int dpi;
};

const GridLineCase gridLineCases[] = {{"At96Dpi", 96}, {"At144Dpi", 144}};

class Win32SolverFormGridLines : public Win32SolverForm,
                                 public ::testing::WithParamInterface<GridLineCase> {
protected:
    // The window moved to a screen of `dpi`, with the frame Windows would suggest.
    void moveToDpi(int dpi)
    {
        RECT suggested{0, 0, layout::Pixels(layout::ClientWidth, dpi),
                       layout::Pixels(layout::ClientHeight, dpi)};
        AdjustWindowRectExForDpi(&suggested, GetWindowStyle(window()), GetMenu(window()) != nullptr,
                                 GetWindowExStyle(window()), GetDpiForWindow(window()));
        OffsetRect(&suggested, -suggested.left, -suggested.top);
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RedrawWindow(window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pumpMessages();
    }
    // The outer top and left line of a field's sunken edge: the visual style's border where
    // one draws the edit's frame, else COLOR_BTNSHADOW, as DrawEdge draws EDGE_SUNKEN.
    static COLORREF edgeColour(HWND edit)
    {
        COLORREF colour = GetSysColor(COLOR_BTNSHADOW);
        if (HTHEME theme = OpenThemeData(edit, L"Edit")) {
            GetThemeColor(theme, EP_EDITTEXT, ETS_NORMAL, TMT_BORDERCOLOR, &colour);
            CloseThemeData(theme);
        }
        return colour;
    }
    // A field's window in the main window's client coordinates.
    RECT placeOf(int i) const
    {
        RECT place{};
        GetWindowRect(field(i), &place);
        MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
};

TEST_P(Win32SolverFormGridLines, TheLinesBetweenTheFieldsStayWhenAVariantIsChosen)
{
    // State: variant 1 chosen, the window painted at the row's DPI.
    moveToDpi(GetParam().dpi);
    // Action: variant 3 chosen by a click, and the window painted as its loop would.
    SendMessageW(option(2), BM_CLICK, 0, 0);
    UpdateWindow(window());
    pumpMessages();
    // Expected: where the fields of the rows that changed (variants 1 and 3) meet their neighbours,
    // the neighbour's sunken edge (WS_EX_CLIENTEDGE) shows its outer line, which DrawEdge
    // draws in COLOR_BTNSHADOW on the top and left, not the fill of the field beside it.
    const Capture screen(window(), Capture::Source::Screen);
    const COLORREF line = edgeColour(field(0));
    for (const int row : {0, 2}) {
        for (int column = 0; column < triangle::ColumnCount; ++column) {
            const int i = row * triangle::ColumnCount + column;
            const RECT below = placeOf(i + triangle::ColumnCount);
            EXPECT_EQ(screen.at((below.left + below.right) / 2, below.top), line)
                << "top line under field " << i;
            if (column + 1 < triangle::ColumnCount) {
                const RECT right = placeOf(i + 1);
                EXPECT_EQ(screen.at(right.left, (right.top + right.bottom) / 2), line)
                    << "left line beside field " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpis, Win32SolverFormGridLines, ::testing::ValuesIn(gridLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32SolverForm, TheClientAreaIsTheLayoutsSizeAtTheWindowsDpi)
{
    RECT client{};
    GetClientRect(window(), &client);
    const int dpi = static_cast<int>(GetDpiForWindow(window()));
    EXPECT_EQ(client.right, layout::Pixels(layout::ClientWidth, dpi));
    EXPECT_EQ(client.bottom, layout::Pixels(layout::ClientHeight, dpi));
}

TEST_F(Win32SolverForm, AtAHigherDpiEverythingIsLaidOutAgain)
{
    // The window's new frame as Windows would suggest it for a move to a 144 DPI screen: the
    // same client area at 144 DPI inside a frame, with the menu bar, of the screen the window
    // really is on.
    RECT suggested{0, 0, 706, 520};
    AdjustWindowRectExForDpi(&suggested, static_cast<DWORD>(GetWindowLongW(window(), GWL_STYLE)),
                             GetMenu(window()) != nullptr,
                             static_cast<DWORD>(GetWindowLongW(window(), GWL_EXSTYLE)),
                             GetDpiForWindow(window()));
    SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));

    RECT client{};
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right, 706);
    EXPECT_EQ(client.bottom, 520);
    RECT place{};
    GetWindowRect(field(23), &place);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 480); // 4800 twips at 144 DPI
    EXPECT_EQ(place.top, 264);  // 2640 twips
    EXPECT_EQ(place.right - place.left, 97);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(field(0), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    EXPECT_EQ(-font.lfHeight, 24); // 12 pt at 144 DPI
}

} // namespace
