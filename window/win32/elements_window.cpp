#include "window/win32/elements_window.h"

#include "window/elements/elements_layout.h"
#include "window/solution/solution_page.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/coloured_button.h"
#include "window/win32/colours.h"
#include "window/win32/control_ids.h"
#include "window/win32/given_field.h"
#include "window/win32/menu_bar.h"
#include "window/win32/refusal_box.h"
#include "window/win32/wide_text.h"
#include "window/win32/window_place.h"
#include "window/win32/windows_number_format.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleElements";

bool inArray(int id, int base, int count)
{
    return id >= base && id < base + count;
}

} // namespace

ElementsWindow::~ElementsWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
}

bool ElementsWindow::Create(HINSTANCE instance, HWND owner)
{
    m_owner = owner;
    if (!RegisterProgramClass(instance, ClassName, WindowProc, 0, true))
        return false;
    const std::wstring title = Widen(texts::ElementsTitle);
    m_accelerators = CreateMenuAccelerators(menu::Window::Elements);
    CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, elements_layout::OpeningWidth,
                    elements_layout::OpeningHeight, owner, CreateMenuBar(menu::Window::Elements),
                    instance, this);
    if (m_hwnd)
        m_logic.Form_Load();
    return m_hwnd != nullptr;
}

LRESULT ElementsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        TRIANGLE_HANDLE_MSG(WM_CREATE, OnCreate);
        TRIANGLE_HANDLE_MSG(WM_MOUSEWHEEL, OnMouseWheel);
        TRIANGLE_HANDLE_MSG(WM_SIZE, OnSize);
        TRIANGLE_HANDLE_MSG(WM_GETMINMAXINFO, OnGetMinMaxInfo);
        TRIANGLE_HANDLE_MSG(WM_DPICHANGED, OnDpiChanged);
        TRIANGLE_HANDLE_MSG(WM_COMMAND, OnCommand);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORSTATIC, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORLISTBOX, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORBTN, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_MEASUREITEM, OnMeasureItem);
        TRIANGLE_HANDLE_MSG(WM_DRAWITEM, OnDrawItem);
        TRIANGLE_HANDLE_MSG(WM_ERASEBKGND, OnEraseBkgnd);
        TRIANGLE_HANDLE_MSG(WM_PRINTCLIENT, OnPrintClient);
        TRIANGLE_HANDLE_MSG(WM_PRINT, OnPrint);
        TRIANGLE_HANDLE_MSG(WM_CLOSE, OnClose);
        TRIANGLE_HANDLE_MSG(WM_DESTROY, OnDestroy);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

BOOL ElementsWindow::OnCreate(HWND, LPCREATESTRUCT)
{
    m_dpi = static_cast<int>(GetDpiForWindow(m_hwnd));
    m_windowBrush.reset(CreateSolidBrush(ColourRef(layout::WindowColour)));
    m_resultBrush.reset(CreateSolidBrush(ColourRef(layout::ResultColour)));
    if (!m_panel.create(m_hwnd, m_windowBrush.get()))
        return FALSE;
    createControls();
    UseDpi(m_dpi);
    return TRUE;
}

void ElementsWindow::OnGetMinMaxInfo(HWND, MINMAXINFO* limits)
{
    // Every field and button whole beside a narrow strip of the drawing and the steps.
    KeepLeastClient(
        m_hwnd, *limits,
        {scaled(elements_layout::PanelWidth) + scaled(elements_layout::LeastDrawingWidth),
         scaled(elements_layout::PanelHeight)});
}

void ElementsWindow::OnMeasureItem(HWND, MEASUREITEMSTRUCT* item)
{
    m_steps.measure(*item);
}

void ElementsWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT* item)
{
    if (m_steps.draw(*item))
        return;
    const int button = static_cast<int>(item->CtlID) - ids::ElementsCalculate;
    if (button == 0 || button == 1)
        DrawColouredButton(*item, ColourRef(elements_layout::ButtonColour(button)),
                           m_fonts.windowFont(), m_dpi);
}

void ElementsWindow::OnClose(HWND)
{
    HideForOwner(m_hwnd, m_owner);
}

void ElementsWindow::OnDestroy(HWND)
{
    for (HWND field : m_fields)
        m_accessibility.clear(field);
    for (HWND field : m_relations)
        m_accessibility.clear(field);
    m_accessibility.clear(m_announcer);
}

void ElementsWindow::createControls()
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE));
    const auto child = [&](HWND parent, const wchar_t* windowClass, const std::wstring& text,
                           DWORD style, int id, DWORD exStyle = 0) {
        return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                               0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instance, nullptr);
    };
    HWND panel = m_panel.Window();
    std::size_t g = 0;
    for (const elements_layout::Group& group : elements_layout::Groups())
        m_groups[g++] = child(panel, WC_BUTTONW, Widen(group.title), BS_GROUPBOX, 0);
    // Each label just before its field in the order of the children names it; Tab follows
    // the same order, the fields in reading order.
    for (const Element element : elements_layout::TabOrder()) {
        const int i = static_cast<int>(element);
        const std::wstring name = Widen(texts::ElementFieldNames[i]);
        m_labels[static_cast<std::size_t>(i)] =
            child(panel, WC_STATICW, Widen(texts::ElementLabels[i]),
                  SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0);
        HWND edit = child(panel, WC_EDITW, L"", WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL,
                          ids::ElementField + i, WS_EX_CLIENTEDGE);
        m_accessibility.setName(edit, name);
        m_fields[static_cast<std::size_t>(i)] = edit;
    }
    // What may be typed, in each field's tip and description.
    m_fieldTips = CreatePlainTips(m_hwnd);
    for (int i = 0; i < ElementCount; ++i)
        MakeGivenField(m_fields[static_cast<std::size_t>(i)], m_fieldTips,
                       IsAngle(static_cast<Element>(i)));
    createRelations(instance);
    const char* names[2] = {texts::Calculate, texts::Clear};
    for (int i = 0; i < 2; ++i)
        m_buttons[static_cast<std::size_t>(i)] =
            child(panel, WC_BUTTONW, Widen(names[i]), BS_OWNERDRAW | WS_TABSTOP,
                  ids::ElementsCalculate + i);
    createChoice(instance);
    m_accessibility.setDescription(m_buttons[0], Widen(texts::ElementsCalculateDescription));
    m_accessibility.setDescription(m_buttons[1], Widen(texts::ElementsClearDescription));
    m_steps.create(m_hwnd, texts::StepsName);
    m_drawing.create(m_hwnd);
    m_drawing.copySteps = [this] { copyAll(); };
    // Tells a screen reader what the logic announces, without showing anything.
    m_announcer = child(m_hwnd, WC_STATICW, L"", SS_NOPREFIX, 0);
    m_accessibility.makeLiveRegion(m_announcer);
}

ElementsWindow::Replaced ElementsWindow::UseDpi(int dpi)
{
    Replaced old{std::move(m_fonts), std::move(m_labelFont)};
    m_dpi = dpi;
    m_fonts = FontSet(dpi);
    // Times New Roman, as the main window, where it has a₁ and b₁.
    static const wchar_t* labelFace =
        FaceWithGlyphs({L"Times New Roman", L"Cambria", L"DejaVu Serif Condensed", L"DejaVu Serif"},
                       L"a\u2081b\u2081\u03B1");
    m_labelFont.reset(CreateFontW(-MulDiv(layout::FontPointSize, dpi, 72), 0, 0, 0, FW_NORMAL,
                                  FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                                  labelFace));
    for (HWND group : m_groups)
        SetWindowFont(group, m_fonts.windowFont(true), TRUE);
    for (HWND label : m_labels)
        SetWindowFont(label, m_labelFont.get(), TRUE);
    for (HWND field : m_fields)
        SetWindowFont(field, m_fonts.windowFont(), TRUE);
    setFactFonts();
    m_steps.setDpi(dpi);
    m_drawing.setDpi(dpi);
    return old;
}

int ElementsWindow::scaled(int pixels) const
{
    return MulDiv(pixels, m_dpi, USER_DEFAULT_SCREEN_DPI);
}

void ElementsWindow::layOut()
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // The panel keeps its size; where the client is shorter, it scrolls, and the drawing and
    // the steps take what width is left.
    const int panelHeight = scaled(elements_layout::PanelHeight);
    const int bar =
        client.bottom < panelHeight ? GetSystemMetricsForDpi(SM_CXVSCROLL, UINT(m_dpi)) : 0;
    const int panel = scaled(elements_layout::PanelWidth) + bar;
    m_panel.place(0, 0, panel, client.bottom, panelHeight);
    const int up = m_panel.offset();
    const auto place = [&](HWND control, const elements_layout::Rect& r) {
        SetWindowPos(control, nullptr, scaled(r.left), scaled(r.top) - up,
                     scaled(r.left + r.width) - scaled(r.left),
                     scaled(r.top + r.height) - scaled(r.top), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    std::size_t g = 0;
    for (const elements_layout::Group& group : elements_layout::Groups())
        place(m_groups[g++], group.place);
    for (int i = 0; i < ElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        place(m_labels[static_cast<std::size_t>(i)], elements_layout::LabelPlace(element));
        place(m_fields[static_cast<std::size_t>(i)], elements_layout::FieldPlace(element));
    }
    for (int i = 0; i < 2; ++i)
        place(m_buttons[static_cast<std::size_t>(i)], elements_layout::ButtonPlace(i));
    placeFacts(place);
    const int width = std::max(1, static_cast<int>(client.right) - panel);
    const int drawingHeight = client.bottom * elements_layout::DrawingFifths / 5;
    MoveWindow(m_drawing.window(), panel, 0, width, drawingHeight, TRUE);
    m_steps.place(panel, drawingHeight, width, client.bottom - drawingHeight);
}

void ElementsWindow::OnCommand(HWND, int id, HWND, UINT code)
{
    if (const std::optional<menu::Command> command = MenuCommandOf(id)) {
        RunCommand(*this, *command);
    } else if (inArray(id, ids::ElementField, ElementCount)) {
        if (code == EN_CHANGE && !m_settingText)
            m_logic.FieldChange(static_cast<Element>(id - ids::ElementField));
    } else if (inArray(id, ids::RelationField, 2)) {
        if (code == EN_CHANGE && !m_settingText)
            m_logic.RelationChange(id - ids::RelationField);
    } else if (inArray(id, ids::SolutionChoice, 2)) {
        if (code == BN_CLICKED)
            m_logic.ShowSolution(id - ids::SolutionChoice);
    } else if (id == ids::ElementsCalculate || id == ids::ElementsClear) {
        if (id == ids::ElementsCalculate)
            m_logic.Calculate();
        else
            m_logic.Clear();
    } else if (id == IDOK) {
        // Enter, as IsDialogMessage reports it: calculates from a field, presses a button.
        const int focus = GetDlgCtrlID(GetFocus());
        if (focus == ids::ElementsClear)
            m_logic.Clear();
        else if (focus == ids::ElementsCalculate ||
                 inArray(focus, ids::ElementField, ElementCount) ||
                 inArray(focus, ids::RelationField, 2))
            m_logic.Calculate();
    } else if (id == IDCANCEL) {
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
    }
}

HBRUSH ElementsWindow::OnCtlColor(HWND, HDC dc, HWND control, int)
{
    if (HBRUSH brush = m_steps.colour(control, dc))
        return brush;
    const auto field = std::find(m_fields.begin(), m_fields.end(), control);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (field != m_fields.end()) {
        // A computed field, read-only: dark text on the results' colour, not the grey of
        // a disabled control.
        SetBkColor(dc, ColourRef(layout::ResultColour));
        return m_resultBrush.get();
    }
    SetBkColor(dc, ColourRef(layout::WindowColour));
    return m_windowBrush.get();
}

void ElementsWindow::openBeside(HWND solution)
{
    if (!IsWindowVisible(m_hwnd) && m_owner)
        PlaceBeside(
            m_hwnd, m_owner, solution,
            {scaled(elements_layout::OpeningWidth), scaled(elements_layout::OpeningHeight)});
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
}

bool ElementsWindow::TranslateKeyboard(MSG& message)
{
    if (!isOpen() || (message.hwnd != m_hwnd && !IsChild(m_hwnd, message.hwnd)))
        return false;
    // Escape and the rest of the menu bar's keys.
    if (TranslateAcceleratorW(m_hwnd, m_accelerators, &message))
        return true;
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_SHIFT) >= 0) {
        const bool inField =
            std::find(m_fields.begin(), m_fields.end(), message.hwnd) != m_fields.end() ||
            std::find(m_relations.begin(), m_relations.end(), message.hwnd) != m_relations.end();
        if (inField && HasSelection(message.hwnd))
            return false; // the edit copies its selection
        if (message.hwnd == m_steps.window() && ListBox_GetSelCount(message.hwnd) > 0)
            PutTextOnClipboard(m_hwnd, m_steps.copiedText());
        else
            copyAll();
        return true;
    }
    const bool handled = IsDialogMessageW(m_hwnd, &message) != FALSE;
    // Tab may have gone to a control scrolled out of the panel's view.
    if (handled && IsChild(m_panel.Window(), GetFocus()))
        m_panel.scrollIntoView(GetFocus());
    return handled;
}

void ElementsWindow::copyAll() const
{
    std::wstring text;
    for (const wchar_t c : Widen(m_logic.CopyText())) {
        if (c == L'\n')
            text += L'\r';
        text += c;
    }
    PutTextOnClipboard(m_hwnd, text);
}

void ElementsWindow::setNumberFormatOverride(std::optional<NumberFormat> region)
{
    m_numberFormatOverride = std::move(region);
}

} // namespace triangle::win32
