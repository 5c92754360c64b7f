#include "window/win32/solver_form.h"

#include "solver/variant/variant_solver.h"
#include "window/main_form/form_layout.h"
#include "window/main_form/row_outcome.h"
#include "window/solution/solution_steps.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/coloured_button.h"
#include "window/win32/colours.h"
#include "window/win32/control_ids.h"
#include "window/win32/edit_menu.h"
#include "window/win32/layout_controls.h"
#include "window/win32/menu_bar.h"
#include "window/win32/wide_text.h"
#include "window/win32/windows_number_format.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolverForm";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;
bool inArray(int id, int base, int count)
{
    return id >= base && id < base + count;
}

} // namespace

SolverForm::SolverForm() = default;

SolverForm::~SolverForm()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
}

bool SolverForm::Create(HINSTANCE instance)
{
    // A disabled field gets no mouse messages: a double click on it comes to the window.
    if (!RegisterProgramClass(instance, ClassName, WindowProc, CS_DBLCLKS, true))
        return false;

    // The menu bar's keys; the menus are made with the window, which destroys them.
    m_accelerators = CreateMenuAccelerators(menu::Window::Main);

    // Made at a size of nothing: WM_CREATE lays it out at the DPI of its screen.
    const std::wstring caption = Widen(texts::Caption);
    return CreateWindowExW(WindowExStyle, ClassName, caption.c_str(), WindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, 0, 0, nullptr, CreateMenuBar(menu::Window::Main),
                           instance, this) != nullptr;
}

LRESULT SolverForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        TRIANGLE_HANDLE_MSG(WM_CREATE, OnCreate);
        TRIANGLE_HANDLE_MSG(WM_COMMAND, OnCommand);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORSTATIC, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLOREDIT, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORBTN, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_DRAWITEM, OnDrawItem);
        TRIANGLE_HANDLE_MSG(WM_CONTEXTMENU, OnContextMenu);
        TRIANGLE_HANDLE_MSG(WM_INITMENUPOPUP, OnInitMenuPopup);
        TRIANGLE_HANDLE_MSG(WM_ERASEBKGND, OnEraseBkgnd);
        TRIANGLE_HANDLE_MSG(WM_PRINTCLIENT, OnPrintClient);
        TRIANGLE_HANDLE_MSG(WM_PRINT, OnPrint);
        TRIANGLE_HANDLE_MSG(WM_NEXTDLGCTL, OnNextDlgCtl);
        TRIANGLE_HANDLE_MSG(WM_DPICHANGED, OnDpiChanged);
        TRIANGLE_HANDLE_MSG(WM_LBUTTONDBLCLK, OnLButtonDown);
        TRIANGLE_HANDLE_MSG(WM_DESTROY, OnDestroy);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

BOOL SolverForm::OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    m_fonts = FontSet(static_cast<int>(GetDpiForWindow(hwnd)));
    m_windowBrush.reset(CreateSolidBrush(ColourRef(layout::WindowColour)));
    m_labelBrush.reset(CreateSolidBrush(ColourRef(*layout::ControlOf("Label1", 0).background)));
    m_optionBrush.reset(CreateSolidBrush(ColourRef(*layout::ControlOf("Option1", 0).background)));
    m_resultBrush.reset(CreateSolidBrush(ColourRef(layout::ResultColour)));
    createControls();
    layOut();
    // Made at a size of nothing: the frame around the layout's client at its screen's DPI, and
    // the menu bar above the client.
    const int dpi = m_fonts.dpi();
    RECT frame{0, 0, layout::Pixels(layout::ClientWidth, dpi),
               layout::Pixels(layout::ClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, WindowStyle, TRUE, WindowExStyle, static_cast<UINT>(dpi));
    SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes more than the one line counted above.
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int missing = layout::Pixels(layout::ClientHeight, dpi) - client.bottom;
    if (missing > 0)
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void SolverForm::createControls()
{
    const HINSTANCE instance = GetWindowInstance(m_hwnd);
    // Created in the order of their tab places, which is the order IsDialogMessage follows.
    for (const LayoutChild& child : ChildrenInTabOrder()) {
        if (child.control)
            CreateLayoutControl(m_hwnd, *child.control);
        else
            m_Text2.createField(m_hwnd, child.field, m_fonts, m_resultBrush.get());
    }

    // Tells a screen reader what the logic announces, without showing anything.
    m_announcer = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0,
                                  0, m_hwnd, nullptr, instance, nullptr);
    // Without the annotation service (Wine has none) it stays a plain static, read on focus.
    m_accessibility.makeLiveRegion(m_announcer);

    m_Text2.createTips(m_hwnd);
    const auto addTip = [this](int id, const char* tip) {
        m_Text2.tips().addTip(GetDlgItem(m_hwnd, id), tip);
    };
    for (std::int16_t k = 0; k < VariantCount; ++k)
        addTip(ids::Of(ids::Option1, k), texts::VariantGivens[k]);
    addTip(ids::Of(ids::Command1, 0), texts::CalculateDescription);
    addTip(ids::Of(ids::Command1, 1), texts::ClearDescription);

    SetFocus(GetDlgItem(m_hwnd, ids::Of(ids::Text1, 0)));
}

void SolverForm::layOut()
{
    const int dpi = m_fonts.dpi();
    for (const layout::Control& control : layout::Controls()) {
        const RECT place = PixelRect(ClientPlace(control), dpi);
        HWND child = GetDlgItem(m_hwnd, IdOf(control));
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(child, m_fonts.windowFont(), TRUE);
    }
    m_Text2.layOut(dpi);
}

FontSet SolverForm::UseDpi(int dpi)
{
    FontSet old = std::move(m_fonts);
    m_fonts = FontSet(dpi);
    return old;
}

HWND SolverForm::OnNextDlgCtl(HWND, HWND target, BOOL isControl)
{
    // A multi-line edit in a dialog asks for the next control this way on Tab.
    GoToNextControl(m_hwnd, reinterpret_cast<WPARAM>(target), isControl);
    return nullptr;
}

void SolverForm::OnLButtonDown(HWND, BOOL doubleClick, int x, int y, UINT)
{
    // Only double clicks come: a disabled field gets no mouse messages, so its window does.
    if (doubleClick)
        OnFieldDoubleClick(GetDlgCtrlID(ChildWindowFromPointEx(m_hwnd, {x, y}, CWP_SKIPINVISIBLE)));
}

void SolverForm::OnCommand(HWND, int id, HWND control, UINT code)
{
    if (const std::optional<menu::Command> command = MenuCommandOf(id)) {
        RunCommand(*this, *command);
        return;
    }
    if (inArray(id, ids::Text2, FieldCount)) {
        const auto field = static_cast<std::int16_t>(id - ids::Text2);
        if (code == ids::FieldDoubleClicked)
            OnFieldDoubleClick(id);
        if (code == EN_KILLFOCUS) {
            m_Text2.tips().hideDetails();
            return;
        }
        if (code != EN_CHANGE)
            return;
        if (m_Text2.changed(field)) {
            // The shown triangle was of the values before the edit.
            m_Text2.tips().hideDetails();
            m_logic.Text2_Change(field);
        }
    } else if (inArray(id, ids::Option1, VariantCount)) {
        const auto k = static_cast<std::int16_t>(id - ids::Option1);
        if (code != BN_CLICKED || Button_GetCheck(control) != BST_CHECKED)
            return;
        // BN_CLICKED comes also for a click on the button already chosen.
        if (k != m_selectedOption) {
            m_selectedOption = k;
            m_logic.Option1_Click(k);
        }
        // A click or the space bar chooses the variant; the arrows only move through the group.
        if (!m_movingInGroup)
            m_logic.Option1_Chosen(k);
    } else if (inArray(id, ids::Command1, 2)) {
        if (code == BN_CLICKED)
            m_logic.Command1_Click(static_cast<std::int16_t>(id - ids::Command1));
    } else if (id == IDOK) {
        // Enter, as IsDialogMessage reports it: calculates from a field open for typing,
        // presses a push button that has the focus and chooses the variant in the group.
        const int focusId = GetDlgCtrlID(GetFocus());
        if (inArray(focusId, ids::Command1, 2))
            m_logic.Command1_Click(static_cast<std::int16_t>(focusId - ids::Command1));
        else if (inArray(focusId, ids::Option1, VariantCount))
            m_logic.Option1_Chosen(static_cast<std::int16_t>(focusId - ids::Option1));
        else if (inArray(focusId, ids::Text2, FieldCount))
            m_logic.Text2_KeyEnter(static_cast<std::int16_t>(focusId - ids::Text2));
    } else if (id == IDCANCEL) {
        m_Text2.tips().hideDetails();
    } else if (id == ids::CopyRow) {
        copySelectedRow();
    } else if (id == ids::ShowDetails) {
        const int focus = GetDlgCtrlID(GetFocus());
        if (inArray(focus, ids::Text2, FieldCount))
            m_Text2.tips().showDetails(static_cast<std::int16_t>(focus - ids::Text2));
    } else if (id == ids::OpenSolution) {
        openSolution();
    } else if (id == ids::OpenElements) {
        openElements();
    }
}

HBRUSH SolverForm::OnCtlColor(HWND, HDC dc, HWND control, int)
{
    const int id = GetDlgCtrlID(control);
    HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);
    COLORREF background = GetSysColor(COLOR_WINDOW);
    if (inArray(id, ids::Label1, 5)) {
        brush = m_labelBrush.get();
        background = ColourRef(*layout::ControlOf("Label1", 0).background);
    } else if (inArray(id, ids::Option1, VariantCount)) {
        brush = m_optionBrush.get();
        background = ColourRef(*layout::ControlOf("Option1", 0).background);
    } else if (id == ids::Frame1 || inArray(id, ids::Command1, 2) || control == m_announcer) {
        brush = m_windowBrush.get();
        background = ColourRef(layout::WindowColour);
    } else if (inArray(id, ids::Text2, FieldCount) &&
               layout::FieldOf(static_cast<std::int16_t>(id - ids::Text2)).result) {
        brush = m_resultBrush.get();
        background = ColourRef(layout::ResultColour);
    }
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, background);
    return brush;
}

void SolverForm::OnDrawItem(HWND, const DRAWITEMSTRUCT* item)
{
    const int id = static_cast<int>(item->CtlID);
    if (!inArray(id, ids::Command1, 2))
        return;
    const layout::Control& place =
        layout::ControlOf("Command1", static_cast<std::int16_t>(id - ids::Command1));
    DrawColouredButton(*item, ColourRef(*place.background), m_fonts.windowFont(), m_fonts.dpi());
}

void SolverForm::OnDestroy(HWND)
{
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        m_accessibility.clear(child);
    m_Text2.tips().forget();
    PostQuitMessage(0);
}

void SolverForm::OnFieldDoubleClick(int id)
{
    if (inArray(id, ids::Text2, FieldCount) &&
        m_logic.DoubleClickOpensSolution(static_cast<std::int16_t>(id - ids::Text2)))
        openSolution();
}

bool SolverForm::TranslateKeyboard(MSG& message)
{
    if (m_solution.TranslateKeyboard(message) || m_elements.TranslateKeyboard(message) ||
        m_help.TranslateKeyboard(message) || m_about.TranslateKeyboard(message))
        return true;
    // The menu bar's keys, for this window's own messages only.
    if (m_hwnd && (message.hwnd == m_hwnd || IsChild(m_hwnd, message.hwnd)) &&
        TranslateAcceleratorW(m_hwnd, m_accelerators, &message))
        return true;
    if (!m_hwnd)
        return false;
    // An arrow key in the variants' group selects the next button as it moves the focus.
    const bool arrow =
        message.message == WM_KEYDOWN && (message.wParam == VK_UP || message.wParam == VK_DOWN ||
                                          message.wParam == VK_LEFT || message.wParam == VK_RIGHT);
    m_movingInGroup = arrow;
    const bool handled = IsDialogMessageW(m_hwnd, &message);
    m_movingInGroup = false;
    return handled;
}

void SolverForm::setNumberFormatOverride(std::optional<NumberFormat> region)
{
    m_numberFormatOverride = std::move(region);
}

void SolverForm::copySelectedRow()
{
    // A row without a whole triangle leaves the clipboard as it was.
    const std::wstring row = Widen(m_logic.SelectedRowText());
    if (!row.empty())
        PutTextOnClipboard(m_hwnd, row);
}

void SolverForm::OnContextMenu(HWND, HWND target, UINT x, UINT y)
{
    POINT at{};
    const int id = GetDlgCtrlID(ContextMenuTarget(m_hwnd, target, x, y, at));
    if (!inArray(id, ids::Text2, FieldCount))
        return;
    showFieldMenu(static_cast<std::int16_t>(id - ids::Text2), at);
}

void SolverForm::showFieldMenu(std::int16_t field, POINT at)
{
    HWND edit = m_Text2.window(field);
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> menu(
        CreatePopupMenu(), &DestroyMenu);
    AppendEditEntries(menu.get(), edit);
    const FieldMenuState state = m_logic.FieldMenu(field);
    AppendMenuEntry(menu.get(), ids::ShowDetails, texts::WholeTriangle, L"Shift+F1",
                    state.wholeTriangle);
    AppendMenuEntry(menu.get(), ids::OpenSolution, texts::SolutionTitle, L"Ctrl+R", state.solution);
    AppendMenuEntry(menu.get(), ids::OpenElements, texts::ElementsOpen, L"Ctrl+2", true);
    AppendMenuEntry(menu.get(), ids::CopyRow, texts::CopyRow, L"Ctrl+Shift+C", state.copyRow);

    const auto chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hwnd, nullptr));
    if (RunEditEntry(chosen, edit))
        return;
    switch (chosen) {
    case ids::ShowDetails:
        m_Text2.tips().showDetails(field);
        break;
    case ids::OpenSolution:
        openSolution();
        break;
    case ids::OpenElements:
        openElements();
        break;
    case ids::CopyRow:
        copySelectedRow();
        break;
    default:
        break;
    }
}

} // namespace triangle::win32
