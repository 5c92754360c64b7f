#pragma once

#include "window/win32/base_window.h"
#include "window/win32/fitting_field.h"
#include "window/win32/gdi_object.h"

#include <windows.h>

#include <string>

namespace triangle::win32 {

// A window that shows one long text in a read-only edit, which a screen reader reads line by
// line, under the program's icon and name where asked: "Помощ" and "За програмата". Owned
// by the main window, made when first shown; closing (Escape) only hides it.
class TextWindow : public BaseWindow<TextWindow> {
public:
    TextWindow() = default;
    ~TextWindow();

    // Shows the window with its focus on the text, making it on first use.
    void Show(HWND owner, const char* title, const std::string& text, bool withIcon);
    bool isOpen() const { return m_hwnd && IsWindowVisible(m_hwnd); }
    HWND text() const { return m_text; }
    // Escape and Tab while the focus is in this window; true when handled.
    bool TranslateKeyboard(MSG& message);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<TextWindow>;

    BOOL OnCreate(HWND hwnd, LPCREATESTRUCT create);
    void OnSize(HWND, UINT, int, int) { layOut(); }
    void OnClose(HWND hwnd);
    void OnSetFocus(HWND, HWND) { SetFocus(m_text); }
    HBRUSH Background() const { return GetSysColorBrush(COLOR_BTNFACE); }
    void layOut();

    HWND m_owner = nullptr;
    HWND m_text = nullptr;
    HWND m_icon = nullptr; // with the name beside it, in "За програмата"
    HWND m_name = nullptr;
    FontSet m_fonts;
    Font m_textFont; // a face with every sign of the text: a₁, √, °, ′, α
};

} // namespace triangle::win32
