#include "window/solution/solution_page.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/elements_window.h"
#include "window/win32/given_field.h"
#include "window/win32/refusal_box.h"
#include "window/win32/wide_text.h"
#include "window/win32/windows_number_format.h"

#include <windowsx.h>

// What the logic of the window of any two elements asks of its controls.

namespace triangle::win32 {

std::string ElementsWindow::text(Element field) const
{
    return Narrow(WindowText(this->field(field)));
}

void ElementsWindow::setText(Element field, const std::string& text)
{
    m_settingText = true;
    SetEditText(this->field(field), Widen(text));
    m_settingText = false;
}

void ElementsWindow::setComputed(Element field, bool computed)
{
    HWND edit = this->field(field);
    Edit_SetReadOnly(edit, computed);
    const std::size_t i = static_cast<std::size_t>(field);
    m_accessibility.setDescription(edit, computed ? Widen(texts::ElementComputed) : m_tips[i]);
    InvalidateRect(edit, nullptr, TRUE);
}

void ElementsWindow::setTip(Element field, const std::string& tip)
{
    const std::size_t i = static_cast<std::size_t>(field);
    m_tips[i] = Widen(tip);
    SetFieldTip(this->field(field), m_fieldTips, m_tips[i]);
    if (!(GetWindowStyle(this->field(field)) & ES_READONLY))
        m_accessibility.setDescription(this->field(field), m_tips[i]);
}

void ElementsWindow::showMessage(const std::string& title, const std::string& text)
{
    ShowRefusal(m_hwnd, title, text);
}

void ElementsWindow::focusField(Element field)
{
    m_panel.scrollIntoView(this->field(field));
    FocusEdit(this->field(field));
}

void ElementsWindow::announce(const std::string& text)
{
    SetWindowTextW(m_announcer, Widen(text).c_str());
    Accessibility::liveRegionChanged(m_announcer);
}

void ElementsWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_page = page;
    m_region = region;
    m_steps.setSteps(page.steps);
    m_drawing.setPage(page, region);
}

NumberFormat ElementsWindow::numberFormat() const
{
    if (m_numberFormatOverride)
        return *m_numberFormatOverride;
    return NumberFormatOf(UserLocaleNumberSettings());
}

std::string ElementsWindow::relationText(int field) const
{
    return Narrow(WindowText(relation(field)));
}

void ElementsWindow::setRelationText(int field, const std::string& text)
{
    m_settingText = true;
    SetEditText(relation(field), Widen(text));
    m_settingText = false;
}

void ElementsWindow::focusRelation(int field)
{
    m_panel.scrollIntoView(relation(field));
    FocusEdit(relation(field));
}

void ElementsWindow::showChoice(int count, int shown)
{
    const bool two = count > 1;
    // The focus leaves a choice about to hide for "Изчисли".
    const HWND focus = GetFocus();
    if (!two && (focus == m_choices[0] || focus == m_choices[1]))
        SetFocus(m_buttons[0]);
    ShowWindow(m_choiceLabel, two ? SW_SHOWNA : SW_HIDE);
    for (int i = 0; i < 2; ++i) {
        HWND choice = m_choices[static_cast<std::size_t>(i)];
        Button_SetCheck(choice, two && i == shown ? BST_CHECKED : BST_UNCHECKED);
        ShowWindow(choice, two ? SW_SHOWNA : SW_HIDE);
    }
}

} // namespace triangle::win32
