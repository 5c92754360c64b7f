#include "window/win32/standard_accessible.h"
#include "window/win32/steps_pane.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <climits>
#include <string>
#include <vector>

// What the accessible object of a list of steps answers for each child id a screen reader
// may pass: 0 and VT_EMPTY the list itself, as Windows' own objects take them, 1 to the
// number of lines a line, anything else E_INVALIDARG; read through the object the list hands
// out on WM_GETOBJECT, as a screen reader gets it.
namespace {

using triangle::win32::ChildId;

// One question of IAccessible about a child, its answer freed.
struct Question {
    const char* name;
    HRESULT (*ask)(IAccessible& object, VARIANT child);
};

// The questions whose answer is a text, and those whose answer is a VARIANT.
template <HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)>
HRESULT askText(IAccessible& object, VARIANT child)
{
    BSTR text = nullptr;
    const HRESULT result = (object.*get)(child, &text);
    SysFreeString(text);
    return result;
}

template <HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)>
HRESULT askValue(IAccessible& object, VARIANT child)
{
    VARIANT answer;
    VariantInit(&answer);
    const HRESULT result = (object.*get)(child, &answer);
    VariantClear(&answer);
    return result;
}

template <long direction> HRESULT navigate(IAccessible& object, VARIANT child)
{
    VARIANT end;
    VariantInit(&end);
    const HRESULT result = object.accNavigate(direction, child, &end);
    VariantClear(&end);
    return result;
}

const Question name{"get_accName", &askText<&IAccessible::get_accName>};
const Question value{"get_accValue", &askText<&IAccessible::get_accValue>};
const Question description{"get_accDescription", &askText<&IAccessible::get_accDescription>};
const Question help{"get_accHelp", &askText<&IAccessible::get_accHelp>};
const Question shortcut{"get_accKeyboardShortcut", &askText<&IAccessible::get_accKeyboardShortcut>};
const Question action{"get_accDefaultAction", &askText<&IAccessible::get_accDefaultAction>};
const Question role{"get_accRole", &askValue<&IAccessible::get_accRole>};
const Question state{"get_accState", &askValue<&IAccessible::get_accState>};
const Question next{"accNavigate(NAVDIR_NEXT)", &navigate<NAVDIR_NEXT>};
const Question firstChild{"accNavigate(NAVDIR_FIRSTCHILD)", &navigate<NAVDIR_FIRSTCHILD>};
const Question child{"get_accChild", [](IAccessible& o, VARIANT c) {
                         IDispatch* d = nullptr;
                         const HRESULT result = o.get_accChild(c, &d);
                         if (d)
                             d->Release();
                         return result;
                     }};
const Question location{"accLocation", [](IAccessible& o, VARIANT c) {
                            long left = 0, top = 0, width = 0, height = 0;
                            return o.accLocation(&left, &top, &width, &height, c);
                        }};
const Question select{"accSelect(SELFLAG_TAKESELECTION)", [](IAccessible& o, VARIANT c) {
                          return o.accSelect(SELFLAG_TAKESELECTION, c);
                      }};
const Question doAction{"accDoDefaultAction",
                        [](IAccessible& o, VARIANT c) { return o.accDoDefaultAction(c); }};

const Question* const everyQuestion[] = {&name,   &value,      &description, &help,    &shortcut,
                                         &action, &role,       &state,       &child,   &location,
                                         &next,   &firstChild, &select,      &doAction};

VARIANT empty()
{
    VARIANT result;
    VariantInit(&result);
    return result;
}

// The list has three lines: child ids 1 to 3.
constexpr long Lines = 3;

struct Row {
    const Question* question;
    const char* childName;
    VARIANT child;
    HRESULT expected;
};

// What MSAA's reference says each answers: S_FALSE where a line has no such property or no
// next sibling, and for get_accChild of a simple element; DISP_E_MEMBERNOTFOUND for an
// action it does not support.
std::vector<Row> answeredRows()
{
    return {
        {&role, "0, the list", ChildId(CHILDID_SELF), S_OK},
        {&role, "VT_EMPTY, the list", empty(), S_OK},
        {&state, "0, the list", ChildId(CHILDID_SELF), S_OK},
        {&state, "VT_EMPTY, the list", empty(), S_OK},
        {&location, "0, the list", ChildId(CHILDID_SELF), S_OK},
        {&location, "VT_EMPTY, the list", empty(), S_OK},
        {&firstChild, "0, the list", ChildId(CHILDID_SELF), S_OK},
        {&firstChild, "VT_EMPTY, the list", empty(), S_OK},
        {&name, "1, the first line", ChildId(1), S_OK},
        {&name, "3, the last line", ChildId(Lines), S_OK},
        {&value, "1, the first line", ChildId(1), S_FALSE},
        {&description, "1, the first line", ChildId(1), S_FALSE},
        {&help, "1, the first line", ChildId(1), S_FALSE},
        {&shortcut, "1, the first line", ChildId(1), S_FALSE},
        {&action, "1, the first line", ChildId(1), S_FALSE},
        {&role, "1, the first line", ChildId(1), S_OK},
        {&state, "3, the last line", ChildId(Lines), S_OK},
        {&child, "1, the first line", ChildId(1), S_FALSE},
        {&location, "1, the first line", ChildId(1), S_OK},
        {&next, "1, the first line", ChildId(1), S_OK},
        {&next, "3, the last line", ChildId(Lines), S_FALSE},
        {&select, "2, a line between", ChildId(2), S_OK},
        {&doAction, "1, the first line", ChildId(1), DISP_E_MEMBERNOTFOUND},
    };
}

LRESULT CALLBACK plainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

class AccessibleChild : public testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &plainWindow;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"AccessibleChildTest";
        RegisterClassW(&windowClass);
        m_parent =
            CreateWindowExW(0, L"AccessibleChildTest", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            600, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        m_pane.create(m_parent, "Стъпки");
        m_pane.setSteps("b = 4\nP = 12\nS = 6");
        m_pane.place(0, 0, 580, 360);
        AccessibleObjectFromWindow(m_pane.window(), static_cast<DWORD>(OBJID_CLIENT),
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&m_object));
        ASSERT_NE(m_object, nullptr);
    }
    void TearDown() override
    {
        if (m_object)
            m_object->Release();
        if (m_parent)
            DestroyWindow(m_parent);
        CoUninitialize();
    }

    HWND m_parent = nullptr;
    triangle::win32::StepsPane m_pane;
    IAccessible* m_object = nullptr;
};

TEST_F(AccessibleChild, EachQuestionAnswersEachChildIdAsMsaaSays)
{
    std::vector<Row> rows = answeredRows();
    // No child: E_INVALIDARG, whatever the question.
    BSTR text = SysAllocString(L"1");
    VARIANT byName = empty();
    byName.vt = VT_BSTR;
    byName.bstrVal = text;
    const std::pair<const char*, VARIANT> noChild[] = {
        {"-1", ChildId(-1)},
        {"LONG_MAX", ChildId(LONG_MAX)},
        {"VT_BSTR \"1\"", byName},
        {"4, past the last line", ChildId(Lines + 1)}};
    for (const Question* question : everyQuestion)
        for (const auto& [childName, id] : noChild)
            rows.push_back({question, childName, id, E_INVALIDARG});

    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.question->name) + " of child " + row.childName);
        EXPECT_EQ(row.question->ask(*m_object, row.child), row.expected);
    }
    SysFreeString(text);
}

TEST_F(AccessibleChild, VtEmptyIsTheListItselfForEveryQuestion)
{
    for (const Question* question : everyQuestion) {
        SCOPED_TRACE(question->name);
        EXPECT_EQ(question->ask(*m_object, empty()),
                  question->ask(*m_object, ChildId(CHILDID_SELF)));
    }
}

TEST_F(AccessibleChild, OnceItsListIsGoneTheObjectHasNoLineToName)
{
    // A screen reader may hold the object longer than the list lives.
    DestroyWindow(m_parent);
    m_parent = nullptr;
    BSTR spoken = nullptr;
    EXPECT_EQ(m_object->get_accName(ChildId(1), &spoken), E_INVALIDARG) << "no line left";
    SysFreeString(spoken);
}

} // namespace
