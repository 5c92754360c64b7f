#include "window/elements/elements_layout.h"
#include "window/text/relation_texts.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"
#include "window/win32/elements_window.h"
#include "window/win32/given_field.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

// The relation fields of the window of any two elements and the choice between two
// triangles.

namespace triangle::win32 {

namespace {

HWND makeChild(HINSTANCE instance, HWND parent, const wchar_t* windowClass,
               const std::wstring& text, DWORD style, int id, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// "първа" → "Първа", on the wide text: the Cyrillic capitals lie 32 below the small letters.
std::wstring capitalised(const char* utf8)
{
    std::wstring text = Widen(utf8);
    if (!text.empty() && text[0] >= L'\u0430' && text[0] <= L'\u044F')
        text[0] = static_cast<wchar_t>(text[0] - 0x20);
    return text;
}

} // namespace

void ElementsWindow::createRelations(HINSTANCE instance)
{
    HWND panel = m_panel.Window();
    m_relationGroup = makeChild(instance, panel, WC_BUTTONW, Widen(texts::RelationFieldLabel),
                                WS_VISIBLE | BS_GROUPBOX, 0);
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_relationLabels[at] =
            makeChild(instance, panel, WC_STATICW, Widen(texts::RelationFieldLabels[at]),
                      WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0);
        HWND edit =
            makeChild(instance, panel, WC_EDITW, L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                      ids::RelationField + i, WS_EX_CLIENTEDGE);
        m_accessibility.setName(edit, capitalised(texts::RelationFieldNames[at]));
        // "Вмъкни √" and Alt+S as in a length's field; the tip says what may be typed.
        MakeGivenField(edit, m_fieldTips, false);
        SetFieldTip(edit, m_fieldTips, Widen(texts::RelationFieldTip));
        m_accessibility.setDescription(edit, Widen(texts::RelationFieldTip));
        m_relations[at] = edit;
    }
}

void ElementsWindow::createChoice(HINSTANCE instance)
{
    HWND panel = m_panel.Window();
    m_choiceLabel = makeChild(instance, panel, WC_STATICW, Widen(texts::TwoSolutions),
                              SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0);
    for (int i = 0; i < 2; ++i) {
        // One group, one tab stop: the arrows move between the two.
        const DWORD first = i == 0 ? WS_GROUP | WS_TABSTOP : 0;
        m_choices[static_cast<std::size_t>(i)] =
            makeChild(instance, panel, WC_BUTTONW, Widen(texts::SolutionChoices[i]),
                      BS_AUTORADIOBUTTON | first, ids::SolutionChoice + i);
    }
}

void ElementsWindow::setFactFonts()
{
    SetWindowFont(m_relationGroup, m_fonts.windowFont(true), TRUE);
    SetWindowFont(m_choiceLabel, m_fonts.windowFont(true), TRUE);
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        SetWindowFont(m_relationLabels[at], m_labelFont.get(), TRUE);
        SetWindowFont(m_relations[at], m_fonts.windowFont(), TRUE);
        SetWindowFont(m_choices[at], m_fonts.windowFont(), TRUE);
    }
}

void ElementsWindow::placeFacts(
    const std::function<void(HWND, const elements_layout::Rect&)>& place)
{
    place(m_relationGroup, elements_layout::RelationGroupPlace());
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        place(m_relationLabels[at], elements_layout::RelationLabelPlace(i));
        place(m_relations[at], elements_layout::RelationFieldPlace(i));
        place(m_choices[at], elements_layout::ChoicePlace(i));
    }
    place(m_choiceLabel, elements_layout::ChoiceLabelPlace());
}

} // namespace triangle::win32
