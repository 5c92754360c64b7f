#include "message_box_closer.h"
#include "tests/triangle_from_legs.h"
#include "tests/win32/keys_and_clipboard.h"
#include "window/solution/solution_steps.h"
#include "window/win32/refusal_box.h"
#include "window/win32/solution_window.h"
#include "window/win32/standard_accessible.h"
#include "window/win32/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// What a screen reader gets of the steps and of a refusal's message box, read back through
// MSAA as one reads it: AccessibleObjectFromWindow, then each child's name, role and state.
namespace {

using triangle::win32::ChildId;
using triangle::win32::SolutionWindow;

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat region;
    region.decimalSeparator = ",";
    region.groupSeparator = "\u00A0";
    return region;
}

// A control's accessible object, as a screen reader asks for it.
class Accessible {
public:
    explicit Accessible(HWND control)
    {
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&m_object));
    }
    ~Accessible()
    {
        if (m_object)
            m_object->Release();
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    bool exists() const { return m_object != nullptr; }
    long childCount() const
    {
        long count = -1;
        m_object->get_accChildCount(&count);
        return count;
    }
    std::wstring name(long id) const
    {
        BSTR name = nullptr;
        std::wstring result = m_object->get_accName(ChildId(id), &name) == S_OK && name
                                  ? std::wstring(name)
                                  : L"(none)";
        SysFreeString(name);
        return result;
    }
    long role(long id) const { return number(&IAccessible::get_accRole, id); }
    long state(long id) const { return number(&IAccessible::get_accState, id); }
    long focus() const
    {
        VARIANT focus;
        VariantInit(&focus);
        m_object->get_accFocus(&focus);
        return focus.vt == VT_I4 ? focus.lVal : -1;
    }
    RECT location(long id) const
    {
        long left = 0, top = 0, width = 0, height = 0;
        m_object->accLocation(&left, &top, &width, &height, ChildId(id));
        return {left, top, left + width, top + height};
    }
    long hitTest(POINT at) const
    {
        VARIANT hit;
        VariantInit(&hit);
        m_object->accHitTest(at.x, at.y, &hit);
        return hit.vt == VT_I4 ? hit.lVal : -1;
    }
    // The selected children's ids, however MSAA hands them out.
    std::vector<long> selection() const
    {
        VARIANT selected;
        VariantInit(&selected);
        m_object->get_accSelection(&selected);
        if (selected.vt == VT_I4)
            return {selected.lVal};
        std::vector<long> ids;
        IEnumVARIANT* items = nullptr;
        if (selected.vt == VT_UNKNOWN &&
            SUCCEEDED(selected.punkVal->QueryInterface(__uuidof(IEnumVARIANT),
                                                       reinterpret_cast<void**>(&items)))) {
            VARIANT item;
            VariantInit(&item);
            while (items->Next(1, &item, nullptr) == S_OK)
                ids.push_back(item.lVal);
            items->Release();
        }
        VariantClear(&selected);
        return ids;
    }
    long next(long id) const
    {
        VARIANT end;
        VariantInit(&end);
        m_object->accNavigate(NAVDIR_NEXT, ChildId(id), &end);
        return end.vt == VT_I4 ? end.lVal : -1;
    }

private:
    long number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long id) const
    {
        VARIANT value;
        VariantInit(&value);
        (m_object->*get)(ChildId(id), &value);
        return value.vt == VT_I4 ? value.lVal : -1;
    }

    IAccessible* m_object = nullptr;
};

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring itemText(HWND list, int i)
{
    std::wstring text(static_cast<std::size_t>(ListBox_GetTextLen(list, i)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(ListBox_GetText(list, i, text.data())));
    return text;
}

class SpokenWin32 : public testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        MessageBoxCloser::seen().clear();
        ASSERT_TRUE(m_window.Create(GetModuleHandleW(nullptr), nullptr));
        SetWindowPos(m_window.Window(), nullptr, 0, 0, 720, 720, SWP_NOZORDER);
        m_window.openBeside();
        pump();
    }
    void TearDown() override { CoUninitialize(); }

    SolutionWindow m_window;
    MessageBoxCloser m_closer;
};

// Lines of the steps as the solver writes them, and what a screen reader is to hear.
const std::vector<std::pair<std::string, std::wstring>> spokenLines = {
    {"b = √(c² − a²) = √(10² − 5²) = √75 = 5√3 ≈ 8,660",
     L"b е равно на корен квадратен от c на квадрат минус a на квадрат, равно на корен "
     L"квадратен от 10 на квадрат минус 5 на квадрат, равно на корен квадратен от 75, равно на "
     L"5 корен квадратен от 3, приблизително 8,660"},
    {"S = a·b / 2 = 5·5√3 / 2 = 25√3/2 ≈ 21,651",
     L"S е равно на a по b върху 2, равно на 5 по 5 корен квадратен от 3 върху 2, равно на 25 "
     L"корен квадратен от 3 върху 2, приблизително 21,651"},
    {"r = a·b / (a + b + c) = 5·5√3 / (5 + 5√3 + 10) = (5√3 − 5)/2 ≈ 1,830",
     L"r е равно на a по b върху скоба a плюс b плюс c, край на скобата, равно на 5 по 5 корен "
     L"квадратен от 3 върху скоба 5 плюс 5 корен квадратен от 3 плюс 10, край на скобата, равно "
     L"на 5 корен квадратен от 3 минус 5, цялото върху 2, приблизително 1,830"},
    {"a₁ = a² / c = 5² / 10 = 2,5",
     L"a едно е равно на a на квадрат върху c, равно на 5 на квадрат върху 10, равно на 2,5"},
    {"Останалите елементи на триъгълника:", L"Останалите елементи на триъгълника:"},
};

TEST_F(SpokenWin32, EachStepIsAListItemShownWithItsSymbolsAndNamedInWords)
{
    std::string steps;
    for (const auto& [shown, spoken] : spokenLines)
        steps += (steps.empty() ? "" : "\n") + shown;
    m_window.showPage({fromLegs(5, 8.660254037844386), steps, "", ""}, bulgarian());
    const Accessible list(m_window.steps());
    ASSERT_TRUE(list.exists());
    EXPECT_EQ(list.role(CHILDID_SELF), ROLE_SYSTEM_LIST);
    ASSERT_EQ(list.childCount(), static_cast<long>(spokenLines.size()));
    for (std::size_t i = 0; i < spokenLines.size(); ++i) {
        const long id = static_cast<long>(i) + 1;
        SCOPED_TRACE(spokenLines[i].first);
        EXPECT_EQ(itemText(m_window.steps(), static_cast<int>(i)),
                  triangle::win32::Widen(spokenLines[i].first));
        EXPECT_EQ(list.name(id), spokenLines[i].second);
        EXPECT_EQ(list.role(id), ROLE_SYSTEM_LISTITEM);
    }
    EXPECT_EQ(list.name(static_cast<long>(spokenLines.size()) + 1), L"(none)");
}

TEST_F(SpokenWin32, TheStepsOfAnyTwoElementsAreNamedInWords)
{
    // c = 10, α = 30°: the given angle's sine, cosine and tangent, then sin α = a / c ⇒
    // a = c·sin α.
    const triangle::SolutionPage page = triangle::ElementSolutionPageOf(
        triangle::Element::c, 10, triangle::Element::alpha, 30, "", bulgarian());
    m_window.showPage(page, bulgarian());
    const Accessible list(m_window.steps());
    ASSERT_GE(list.childCount(), 3);
    EXPECT_EQ(itemText(m_window.steps(), 1), L"sin 30° = 1/2, cos 30° = √3/2, tg 30° = √3/3");
    EXPECT_EQ(list.name(2), L"синус 30 градуса, равно на 1 върху 2, косинус 30 градуса, равно на "
                            L"корен квадратен от 3 върху 2, тангенс 30 градуса, равно на корен "
                            L"квадратен от 3 върху 3");
    EXPECT_EQ(list.name(3), L"синус алфа е равно на a върху c, следователно a е равно на c по "
                            L"синус алфа, равно на 10 по синус 30 градуса, равно на 5");
}

TEST_F(SpokenWin32, TheArrowMovesTheFocusAndTheSelectionToTheNextItem)
{
    m_window.showPage({fromLegs(3, 4), "b = 4\nP = 12\nS = 6", "", ""}, bulgarian());
    HWND steps = m_window.steps();
    SetFocus(steps);
    ListBox_SetCaretIndex(steps, 0);
    SendMessageW(steps, WM_KEYDOWN, VK_DOWN, 0);
    pump();
    const Accessible list(steps);
    EXPECT_EQ(list.focus(), 2);
    EXPECT_TRUE(list.state(2) & STATE_SYSTEM_FOCUSED);
    EXPECT_TRUE(list.state(2) & STATE_SYSTEM_SELECTED);
    EXPECT_FALSE(list.state(1) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED));
    EXPECT_EQ(list.selection(), std::vector<long>{2});
    EXPECT_EQ(list.next(2), 3);
    EXPECT_EQ(list.next(3), -1);
    // The item is where it is drawn: a point in it hits it.
    const RECT place = list.location(2);
    RECT item{};
    ListBox_GetItemRect(steps, 1, &item);
    MapWindowPoints(steps, nullptr, reinterpret_cast<POINT*>(&item), 2);
    EXPECT_TRUE(EqualRect(&place, &item));
    EXPECT_EQ(list.hitTest({(place.left + place.right) / 2, (place.top + place.bottom) / 2}), 2);
}

TEST_F(SpokenWin32, CtrlCCopiesTheSelectedLinesOrEveryLine)
{
    m_window.showPage({fromLegs(3, 4), "b = 4\nP = 12\nS = 6", "", ""}, bulgarian());
    HWND steps = m_window.steps();
    const auto controlC = [&] {
        const HeldKeys keys(true);
        MSG message{steps, WM_KEYDOWN, 'C', 1, 0, {}};
        EXPECT_TRUE(m_window.TranslateKeyboard(message));
        return ClipboardText();
    };
    EXPECT_EQ(controlC(), L"b = 4\r\nP = 12\r\nS = 6") << "nothing selected: every line";
    ListBox_SetSel(steps, TRUE, 2);
    ListBox_SetSel(steps, TRUE, 1);
    EXPECT_EQ(controlC(), L"P = 12\r\nS = 6") << "two lines selected, in their order";
    EXPECT_EQ(Accessible(steps).selection(), (std::vector<long>{2, 3}));
}

TEST_F(SpokenWin32, ALongLineWrapsAtTheListsWidthInsteadOfScrolling)
{
    const std::string explanation =
        "Няма правоъгълен триъгълник с хипотенуза c = 10,000 и лице S = 26,000: при тази "
        "хипотенуза лицето е най-много c²/4 = 25,000.";
    m_window.showPage({std::nullopt, "Вариант 3.\n" + explanation, "", ""}, bulgarian());
    HWND steps = m_window.steps();
    EXPECT_FALSE(GetWindowLongPtrW(steps, GWL_STYLE) & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongPtrW(steps, GWL_STYLE) & LBS_OWNERDRAWVARIABLE);
    const int oneLine = ListBox_GetItemHeight(steps, 0);
    EXPECT_GE(ListBox_GetItemHeight(steps, 1), 2 * oneLine - 4) << "at least two lines";
    // Narrower, it wraps onto more lines.
    const int wide = ListBox_GetItemHeight(steps, 1);
    SetWindowPos(m_window.Window(), nullptr, 0, 0, 360, 720, SWP_NOZORDER | SWP_NOMOVE);
    pump();
    EXPECT_GT(ListBox_GetItemHeight(steps, 1), wide);
    EXPECT_EQ(ListBox_GetItemHeight(steps, 0), oneLine);
}

TEST_F(SpokenWin32, ARefusalsBoxShowsItsSymbolsAndNamesItsTextInWords)
{
    triangle::win32::ShowRefusal(m_window.Window(), "Триъгълникът не може да се изчисли",
                                 "При тази хипотенуза лицето е най-много c²/4\u00A0=\u00A025,000.");
    ASSERT_EQ(MessageBoxCloser::seen().size(), 1u);
    const Message& box = MessageBoxCloser::seen()[0];
    EXPECT_EQ(box.text, L"При тази хипотенуза лицето е най-много c²/4\u00A0=\u00A025,000.");
    EXPECT_EQ(box.spoken,
              L"При тази хипотенуза лицето е най-много c на квадрат върху 4, равно на 25,000.");
}

} // namespace
