#pragma once

#include "window/win32/base_window.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace triangle::win32 {

std::wstring WindowText(HWND hwnd);

// A second window's WM_CLOSE: it is only hidden, and its owner, the main window, is active
// again; both objects live on, and it opens again as it was.
void HideForOwner(HWND window, HWND owner);

// Answers WM_NEXTDLGCTL, which a multi-line edit in a dialog sends on Tab: the focus moves to
// the control asked for, its text selected where it has one.
void GoToNextControl(HWND dialog, WPARAM wParam, LPARAM lParam);

// Whether some of an edit control's text is selected.
bool HasSelection(HWND edit);

// Sets an edit's text with the caret after it, as after typing it.
void SetEditText(HWND edit, const std::wstring& text);
// Moves the focus into an edit and selects its whole text.
void FocusEdit(HWND edit);

// The control a WM_CONTEXTMENU of `window` is for, and where to open its menu: the child
// under the pointer when the window itself got the message (a disabled child gets no mouse
// messages), and below the control when the menu was asked for from the keyboard.
HWND ContextMenuTarget(HWND window, HWND target, UINT x, UINT y, POINT& at);

// Registers a window class of the program, with its icon where `icon` is set.
bool RegisterProgramClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                          bool icon, HBRUSH background = nullptr);

// The first of the faces whose font, as Windows realizes it, has a glyph for every character
// of `text`, else the first face: GDI draws a missing glyph as a box, it takes no other font
// for it. Asked once per list of faces.
const wchar_t* FaceWithGlyphs(std::initializer_list<const wchar_t*> faces, std::wstring_view text);

// Windows paints overlapping siblings first in their z-order, so that a later one lies whole
// over an earlier one; a window without WS_CLIPSIBLINGS that paints again covers them. After
// `hwnd` painted `painted` (screen coordinates), the later siblings paint their frames and
// clients again where they lie on it, and the look stays the first one.
void RepaintLaterSiblingsOn(HWND hwnd, const RECT& painted);

} // namespace triangle::win32
