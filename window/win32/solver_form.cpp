#include "window/win32/solver_form.h"

#include "solver/variant_solver.h"
#include "window/form_layout.h"
#include "window/row_outcome.h"
#include "window/solution_steps.h"
#include "window/ui_texts.h"
#include "window/win32/clipboard.h"
#include "window/win32/control_ids.h"
#include "window/win32/resource.h"
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
// Wide enough for the longest line of a row's whole triangle, at 96 DPI.
constexpr int ToolTipWidth = 420;

COLORREF colourRef(layout::Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

RECT pixelRect(const layout::Place& place, int dpi)
{
    const int left = layout::Pixels(place.left, dpi);
    const int top = layout::Pixels(place.top, dpi);
    return {left, top, left + layout::Pixels(place.width, dpi),
            top + layout::Pixels(place.height, dpi)};
}

// The option buttons are placed from their frame's corner; Windows has them, like every
// control, on the client area.
layout::Place clientPlace(const layout::Control& control)
{
    if (control.kind != layout::Kind::OptionButton)
        return control.place;
    const layout::Place frame = layout::ControlOf("Frame1", 0).place;
    return {frame.left + control.place.left, frame.top + control.place.top, control.place.width,
            control.place.height};
}

int idOf(const layout::Control& control)
{
    switch (control.kind) {
    case layout::Kind::Label:
        return ids::Of(ids::Label1, control.index);
    case layout::Kind::Frame:
        return ids::Frame1;
    case layout::Kind::OptionButton:
        return ids::Of(ids::Option1, control.index);
    case layout::Kind::PushButton:
        return ids::Of(ids::Command1, control.index);
    case layout::Kind::LongText:
        return ids::Of(ids::Text1, control.index);
    }
    return 0;
}

bool inArray(int id, int base, int count)
{
    return id >= base && id < base + count;
}

// A child of the layout, field or other, in the order of the tab places.
struct Child {
    int tabPlace;
    const layout::Control* control; // null for a field
    std::int16_t field;
};

std::vector<Child> childrenInTabOrder()
{
    std::vector<Child> children;
    for (const layout::Control& control : layout::Controls())
        children.push_back({control.tabPlace, &control, -1});
    for (std::int16_t i = 0; i < FieldCount; ++i)
        children.push_back({layout::FieldOf(i).tabPlace, nullptr, i});
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& x, const Child& y) { return x.tabPlace < y.tabPlace; });
    return children;
}

std::wstring windowText(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
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
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(IDI_TRIANGLE_SOLVER), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_TRIANGLE_SOLVER), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = ClassName;
    // A disabled field gets no mouse messages: a double click on it comes to the window.
    windowClass.style = CS_DBLCLKS;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;

    ACCEL keys[] = {{FCONTROL | FSHIFT | FVIRTKEY, 'C', ids::CopyRow},
                    {FSHIFT | FVIRTKEY, VK_F1, ids::ShowDetails},
                    {FCONTROL | FVIRTKEY, 'R', ids::OpenSolution}};
    m_accelerators = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));

    // Made at a size of nothing: WM_CREATE lays it out at the DPI of its screen.
    const std::wstring caption = Widen(texts::Caption);
    return CreateWindowExW(WindowExStyle, ClassName, caption.c_str(), WindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT SolverForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The crackers of windowsx.h unpack each message into its handler's own arguments.
#define TRIANGLE_HANDLE(message, handler)                                                          \
    case message:                                                                                  \
        return HANDLE_##message(m_hwnd, wParam, lParam,                                            \
                                [this](auto... arguments) { return handler(arguments...); })
    switch (message) {
        TRIANGLE_HANDLE(WM_CREATE, OnCreate);
        TRIANGLE_HANDLE(WM_COMMAND, OnCommand);
        TRIANGLE_HANDLE(WM_CTLCOLORSTATIC, OnCtlColor);
        TRIANGLE_HANDLE(WM_CTLCOLOREDIT, OnCtlColor);
        TRIANGLE_HANDLE(WM_CTLCOLORBTN, OnCtlColor);
        TRIANGLE_HANDLE(WM_DRAWITEM, OnDrawItem);
        TRIANGLE_HANDLE(WM_CONTEXTMENU, OnContextMenu);
        TRIANGLE_HANDLE(WM_DESTROY, OnDestroy);
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_windowBrush.get());
        return 1;
    }
    case WM_PRINT:
        // The children are printed here, in their places, on every system alike (Wine's
        // default handling leaves them out).
        DefWindowProcW(m_hwnd, message, wParam, lParam & ~PRF_CHILDREN);
        if (lParam & PRF_CHILDREN)
            printChildren(reinterpret_cast<HDC>(wParam), lParam);
        return 0;
    case WM_NEXTDLGCTL:
        // A multi-line edit in a dialog asks for the next control this way on Tab.
        OnNextDialogControl(wParam, lParam);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_LBUTTONDBLCLK: {
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        OnFieldDoubleClick(GetDlgCtrlID(ChildWindowFromPointEx(m_hwnd, at, CWP_SKIPINVISIBLE)));
        return 0;
    }
    default:
        break;
    }
#undef TRIANGLE_HANDLE
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

BOOL SolverForm::OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    m_fonts = FontSet(static_cast<int>(GetDpiForWindow(hwnd)));
    m_windowBrush.reset(CreateSolidBrush(colourRef(layout::WindowColour)));
    m_labelBrush.reset(CreateSolidBrush(colourRef(*layout::ControlOf("Label1", 0).background)));
    m_optionBrush.reset(CreateSolidBrush(colourRef(*layout::ControlOf("Option1", 0).background)));
    m_resultBrush.reset(CreateSolidBrush(colourRef(layout::ResultColour)));
    createControls();
    layOut();
    return TRUE;
}

void SolverForm::createControls()
{
    const HINSTANCE instance = GetWindowInstance(m_hwnd);
    // Created in the order of their tab places, which is the order IsDialogMessage follows.
    for (const Child& child : childrenInTabOrder()) {
        if (!child.control) {
            const layout::Field field = layout::FieldOf(child.field);
            const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_CENTER |
                                ES_AUTOHSCROLL | (field.result ? WS_DISABLED : 0);
            HWND edit = CreateWindowExW(
                WS_EX_CLIENTEDGE, WC_EDITW, L"", style, 0, 0, 0, 0, m_hwnd,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Of(ids::Text2, child.field))),
                instance, nullptr);
            m_Text2[static_cast<std::size_t>(child.field)].attach(
                edit, m_fonts, field.bold, field.result ? m_resultBrush.get() : nullptr);
            // No label stands before a field, so a screen reader is told its name.
            m_accessibility.setName(edit,
                                    Widen(texts::Variants[child.field / ColumnCount]) + L", " +
                                        Widen(texts::QuantityNames[child.field % ColumnCount]));
            continue;
        }
        const layout::Control& control = *child.control;
        const wchar_t* windowClass = WC_BUTTONW;
        DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        switch (control.kind) {
        case layout::Kind::Label:
            windowClass = WC_STATICW;
            style |= SS_CENTER | SS_NOPREFIX;
            break;
        case layout::Kind::Frame:
            style |= BS_GROUPBOX | WS_GROUP;
            break;
        case layout::Kind::OptionButton:
            // The six make one group: Tab enters at the chosen one, the arrows move in it.
            style |= BS_AUTORADIOBUTTON | WS_TABSTOP | (control.index == 0 ? WS_GROUP : 0);
            break;
        case layout::Kind::PushButton:
            style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP;
            break;
        case layout::Kind::LongText:
            windowClass = WC_EDITW;
            style |=
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        }
        const std::wstring text = Widen(control.text);
        CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, m_hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(control))), instance,
                        nullptr);
    }

    // Tells a screen reader what the logic announces, without showing anything.
    m_announcer = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0,
                                  0, m_hwnd, nullptr, instance, nullptr);
    // Without the annotation service (Wine has none) it stays a plain static, read on focus.
    m_accessibility.makeLiveRegion(m_announcer);

    m_toolTips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, instance, nullptr);
    // A disabled field gets no mouse messages, its window does: its tip is a place on the
    // window; an enabled control's tip is the control itself.
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_hwnd;
        tool.lpszText = const_cast<wchar_t*>(L"");
        if (layout::FieldOf(i).result) {
            tool.uFlags = TTF_SUBCLASS;
            tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, i));
        } else {
            tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
            tool.uId = reinterpret_cast<UINT_PTR>(m_Text2[static_cast<std::size_t>(i)].window());
        }
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        updateToolTip(i);
    }
    // Shift+F1 shows a field's whole tip beside it, where the keyboard's user is.
    TTTOOLINFOW details{};
    details.cbSize = sizeof(details);
    details.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    details.hwnd = m_hwnd;
    details.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    details.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&details));

    const auto addTip = [this](int id, const char* tip) {
        const std::wstring text = Widen(tip);
        m_accessibility.setDescription(GetDlgItem(m_hwnd, id), text);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
        tool.hwnd = m_hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(m_hwnd, id));
        tool.lpszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
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
        const RECT place = pixelRect(clientPlace(control), dpi);
        HWND child = GetDlgItem(m_hwnd, idOf(control));
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowFont(child, m_fonts.windowFont(), TRUE);
    }
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        const RECT place = pixelRect(layout::FieldOf(i).place, dpi);
        FittingField& field = m_Text2[static_cast<std::size_t>(i)];
        SetWindowPos(field.window(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        field.fit();
        if (layout::FieldOf(i).result) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = m_hwnd;
            tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, i));
            tool.rect = place;
            SendMessageW(m_toolTips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, MulDiv(ToolTipWidth, dpi, 96));

    RECT frame{0, 0, layout::Pixels(layout::ClientWidth, dpi),
               layout::Pixels(layout::ClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, WindowStyle, FALSE, WindowExStyle, static_cast<UINT>(dpi));
    SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SolverForm::OnNextDialogControl(WPARAM wParam, LPARAM lParam)
{
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(m_hwnd, GetFocus(), wParam != 0);
    if (!next)
        return;
    SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        Edit_SetSel(next, 0, -1);
}

void SolverForm::printChildren(HDC dc, LPARAM flags)
{
    // From the bottom of the z-order up, so that what lies on top is drawn last. Each child
    // draws on a copy of what lies under it, in a bitmap of its own size.
    for (HWND child = GetWindow(GetWindow(m_hwnd, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        if (!IsWindowVisible(child) || width <= 0 || height <= 0)
            continue;
        HDC memory = CreateCompatibleDC(dc);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
        {
            SelectedObject selected(memory, bitmap.get());
            BitBlt(memory, 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
            SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                         (flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND) & ~PRF_CHECKVISIBLE);
            BitBlt(dc, place.left, place.top, width, height, memory, 0, 0, SRCCOPY);
        }
        DeleteDC(memory);
    }
}

void SolverForm::OnDpiChanged(int dpi, const RECT& suggested)
{
    // The old fonts stay alive until every control has been given its new one.
    FontSet old = std::move(m_fonts);
    m_fonts = FontSet(dpi);
    layOut();
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SolverForm::OnCommand(HWND, int id, HWND control, UINT code)
{
    if (inArray(id, ids::Text2, FieldCount)) {
        const auto field = static_cast<std::int16_t>(id - ids::Text2);
        if (code == ids::FieldDoubleClicked)
            OnFieldDoubleClick(id);
        if (code == EN_KILLFOCUS) {
            hideDetails();
            return;
        }
        if (code != EN_CHANGE)
            return;
        m_Text2[static_cast<std::size_t>(field)].fit();
        updateToolTip(field);
        if (!m_settingText) {
            // The shown triangle was of the values before the edit.
            hideDetails();
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
        hideDetails();
    } else if (id == ids::CopyRow) {
        copySelectedRow();
    } else if (id == ids::ShowDetails) {
        const int focus = GetDlgCtrlID(GetFocus());
        if (inArray(focus, ids::Text2, FieldCount))
            showDetails(static_cast<std::int16_t>(focus - ids::Text2));
    } else if (id == ids::OpenSolution) {
        openSolution();
    }
}

HBRUSH SolverForm::OnCtlColor(HWND, HDC dc, HWND control, int)
{
    const int id = GetDlgCtrlID(control);
    HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);
    COLORREF background = GetSysColor(COLOR_WINDOW);
    if (inArray(id, ids::Label1, 5)) {
        brush = m_labelBrush.get();
        background = colourRef(*layout::ControlOf("Label1", 0).background);
    } else if (inArray(id, ids::Option1, VariantCount)) {
        brush = m_optionBrush.get();
        background = colourRef(*layout::ControlOf("Option1", 0).background);
    } else if (id == ids::Frame1 || inArray(id, ids::Command1, 2) || control == m_announcer) {
        brush = m_windowBrush.get();
        background = colourRef(layout::WindowColour);
    } else if (inArray(id, ids::Text2, FieldCount) &&
               layout::FieldOf(static_cast<std::int16_t>(id - ids::Text2)).result) {
        brush = m_resultBrush.get();
        background = colourRef(layout::ResultColour);
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
    HDC dc = item->hDC;
    RECT area = item->rcItem;
    const Brush fill(CreateSolidBrush(colourRef(*place.background)));
    FillRect(dc, &area, fill.get());
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring caption = windowText(item->hwndItem);
    SelectedObject font(dc, m_fonts.windowFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc,
                 GetSysColor((item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text = area;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item->itemState & ODS_FOCUS) && !(item->itemState & ODS_NOFOCUSRECT)) {
        RECT focus = area;
        const int inset = MulDiv(4, m_fonts.dpi(), USER_DEFAULT_SCREEN_DPI);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

void SolverForm::OnDestroy(HWND)
{
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        m_accessibility.clear(child);
    m_toolTips = nullptr;
    PostQuitMessage(0);
}

void SolverForm::OnFieldDoubleClick(int id)
{
    if (inArray(id, ids::Text2, FieldCount) &&
        m_logic.DoubleClickOpensSolution(static_cast<std::int16_t>(id - ids::Text2)))
        openSolution();
}

void SolverForm::openSolution()
{
    if (!m_solution.Window() &&
        !m_solution.Create(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)),
                           m_hwnd))
        return;
    const NumberFormat region = numberFormat();
    m_solution.showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
    m_solution.openBeside();
}

void SolverForm::rowChanged()
{
    // An open solution follows the row at once, so that it never shows a triangle the row
    // does not; a closed one is brought up to date when it opens.
    if (m_solution.isOpen()) {
        const NumberFormat region = numberFormat();
        m_solution.showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
    }
}

bool SolverForm::TranslateKeyboard(MSG& message)
{
    if (m_solution.TranslateKeyboard(message))
        return true;
    if (m_hwnd && TranslateAcceleratorW(m_hwnd, m_accelerators, &message))
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

std::wstring SolverForm::toolTipText(std::int16_t field) const
{
    std::wstring tip = Widen(texts::QuantityTips[field % ColumnCount]);
    const std::wstring shown = m_Text2[static_cast<std::size_t>(field)].text();
    if (!shown.empty())
        tip += L": " + shown;
    const std::wstring& details = m_rowDetails[static_cast<std::size_t>(field / ColumnCount)];
    if (!details.empty())
        tip += L"\r\n\r\n" + details;
    return tip;
}

void SolverForm::updateToolTip(std::int16_t field)
{
    if (!m_toolTips)
        return;
    HWND edit = m_Text2[static_cast<std::size_t>(field)].window();
    std::wstring tip = toolTipText(field);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hwnd;
    if (layout::FieldOf(field).result)
        tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, field));
    else
        tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = tip.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    m_accessibility.setDescription(edit, tip);
}

void SolverForm::showDetails(std::int16_t field)
{
    if (m_rowDetails[static_cast<std::size_t>(field / ColumnCount)].empty())
        return;
    std::wstring tip = toolTipText(field);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hwnd;
    tool.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    tool.lpszText = tip.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // Beside the field's right edge, where it covers none of the row.
    RECT place{};
    GetWindowRect(m_Text2[static_cast<std::size_t>(field)].window(), &place);
    SendMessageW(m_toolTips, TTM_TRACKPOSITION, 0, MAKELPARAM(place.right, place.top));
    SendMessageW(m_toolTips, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void SolverForm::OnContextMenu(HWND, HWND target, UINT x, UINT y)
{
    // From the keyboard (the menu key, Shift+F10) the place is (-1, -1).
    POINT at{static_cast<short>(x), static_cast<short>(y)};
    const bool fromKeyboard = at.x == -1 && at.y == -1;
    if (target == m_hwnd && !fromKeyboard) {
        // A disabled field gets no mouse messages: its window finds it under the pointer.
        POINT client = at;
        ScreenToClient(m_hwnd, &client);
        target = ChildWindowFromPointEx(m_hwnd, client, CWP_SKIPINVISIBLE);
    }
    const int id = GetDlgCtrlID(target);
    if (!inArray(id, ids::Text2, FieldCount))
        return;
    if (fromKeyboard) {
        RECT place{};
        GetWindowRect(target, &place);
        at = {place.left, place.bottom};
    }
    showFieldMenu(static_cast<std::int16_t>(id - ids::Text2), at);
}

void SolverForm::showFieldMenu(std::int16_t field, POINT at)
{
    enum : UINT { Undo = 1, Cut, Copy, Paste, Delete, SelectAll };
    HWND edit = m_Text2[static_cast<std::size_t>(field)].window();
    const bool editable = IsWindowEnabled(edit) && !(GetWindowStyle(edit) & ES_READONLY);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = start != end;

    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> menu(
        CreatePopupMenu(), &DestroyMenu);
    const auto add = [&menu](UINT command, const char* text, const wchar_t* keys, bool enabled) {
        std::wstring label = Widen(text);
        if (keys)
            label += std::wstring(L"\t") + keys;
        AppendMenuW(menu.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command,
                    label.c_str());
    };
    add(Undo, texts::EditUndo, L"Ctrl+Z", editable && Edit_CanUndo(edit));
    add(Cut, texts::EditCut, L"Ctrl+X", editable && selected);
    add(Copy, texts::EditCopy, L"Ctrl+C", selected);
    add(Paste, texts::EditPaste, L"Ctrl+V", editable && IsClipboardFormatAvailable(CF_UNICODETEXT));
    add(Delete, texts::EditDelete, L"Del", editable && selected);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(SelectAll, texts::EditSelectAll, nullptr, GetWindowTextLengthW(edit) > 0);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    const FieldMenuState state = m_logic.FieldMenu(field);
    add(ids::ShowDetails, texts::WholeTriangle, L"Shift+F1", state.wholeTriangle);
    add(ids::OpenSolution, texts::SolutionTitle, L"Ctrl+R", state.solution);
    add(ids::CopyRow, texts::CopyRow, L"Ctrl+Shift+C", state.copyRow);

    const auto chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hwnd, nullptr));
    switch (chosen) {
    case Undo:
        SendMessageW(edit, WM_UNDO, 0, 0);
        break;
    case Cut:
        SendMessageW(edit, WM_CUT, 0, 0);
        break;
    case Copy:
        SendMessageW(edit, WM_COPY, 0, 0);
        break;
    case Paste:
        SendMessageW(edit, WM_PASTE, 0, 0);
        break;
    case Delete:
        SendMessageW(edit, WM_CLEAR, 0, 0);
        break;
    case SelectAll:
        SetFocus(edit);
        Edit_SetSel(edit, 0, -1);
        break;
    case ids::ShowDetails:
        showDetails(field);
        break;
    case ids::OpenSolution:
        openSolution();
        break;
    case ids::CopyRow:
        copySelectedRow();
        break;
    default:
        break;
    }
}

void SolverForm::hideDetails()
{
    if (!m_toolTips)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hwnd;
    tool.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    SendMessageW(m_toolTips, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

std::string SolverForm::text(std::int16_t field) const
{
    return Narrow(m_Text2.at(static_cast<std::size_t>(field)).text());
}

void SolverForm::setText(std::int16_t field, const std::string& text)
{
    const std::wstring wide = Widen(text);
    HWND edit = m_Text2.at(static_cast<std::size_t>(field)).window();
    m_settingText = true;
    SetWindowTextW(edit, wide.c_str());
    m_settingText = false;
    // The caret after the new text, as after typing it, rather than before its first digit.
    const int end = static_cast<int>(wide.size());
    Edit_SetSel(edit, end, end);
}

void SolverForm::setLocked(std::int16_t field, bool locked)
{
    HWND edit = m_Text2.at(static_cast<std::size_t>(field)).window();
    Edit_SetReadOnly(edit, locked);
    InvalidateRect(edit, nullptr, TRUE);
}

void SolverForm::selectOption(std::int16_t k)
{
    if (k == m_selectedOption)
        return;
    CheckRadioButton(m_hwnd, ids::Option1, ids::Option1 + VariantCount - 1,
                     ids::Of(ids::Option1, k));
    m_selectedOption = k;
    m_logic.Option1_Click(k);
}

void SolverForm::showMessage(const std::string& title, const std::string& text)
{
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    // A refusal asks the user to correct a value: a warning, not an error of the program.
    MessageBoxW(m_hwnd, wideText.c_str(), wideTitle.c_str(), MB_OK | MB_ICONWARNING);
}

void SolverForm::setRowDetails(std::int16_t row, const std::string& details)
{
    std::wstring wide;
    // The tooltip breaks lines at CR LF.
    for (const wchar_t c : Widen(details)) {
        if (c == L'\n')
            wide += L'\r';
        wide += c;
    }
    m_rowDetails.at(static_cast<std::size_t>(row)) = std::move(wide);
    // A tip shown by Shift+F1 would go on describing the triangle the row no longer shows.
    hideDetails();
    for (std::int16_t j = 0; j < ColumnCount; ++j)
        updateToolTip(static_cast<std::int16_t>(row * ColumnCount + j));
}

void SolverForm::focusField(std::int16_t field)
{
    HWND edit = m_Text2.at(static_cast<std::size_t>(field)).window();
    SetFocus(edit);
    Edit_SetSel(edit, 0, -1);
}

void SolverForm::announce(const std::string& text)
{
    const std::wstring wide = Widen(text);
    SetWindowTextW(m_announcer, wide.c_str());
    Accessibility::liveRegionChanged(m_announcer);
}

NumberFormat SolverForm::numberFormat() const
{
    if (m_numberFormatOverride)
        return *m_numberFormatOverride;
    return NumberFormatOf(UserLocaleNumberSettings());
}

} // namespace triangle::win32
