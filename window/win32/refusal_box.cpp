#include "window/win32/refusal_box.h"

#include "window/text/spoken_text.h"
#include "window/win32/standard_accessible.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>

namespace triangle::win32 {

namespace {

LRESULT CALLBACK speakText(HWND text, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data)
{
    const auto* spoken = reinterpret_cast<const std::wstring*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
        return StandardAccessible::Answer(new (std::nothrow) NamedAccessible(text, *spoken), text,
                                          wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(text, &speakText, 0);
        delete spoken;
    }
    return DefSubclassProc(text, message, wParam, lParam);
}

// The words for the box this thread is about to show; a message box gives no other way in
// to its text control than a hook that sees the box before it shows.
thread_local const std::wstring* t_spoken = nullptr;

LRESULT CALLBACK watchForTheBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_spoken) {
        HWND text = GetDlgItem(reinterpret_cast<HWND>(wParam), MessageBoxTextId);
        if (text)
            SetWindowSubclass(text, &speakText, 0,
                              reinterpret_cast<DWORD_PTR>(new std::wstring(*t_spoken)));
        t_spoken = nullptr; // the box only, not what it opens
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void ShowRefusal(HWND owner, const std::string& title, const std::string& text)
{
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    const std::wstring spoken = Widen(SpokenText(text));
    t_spoken = &spoken;
    HHOOK hook = SetWindowsHookExW(WH_CBT, &watchForTheBox, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(), MB_OK | MB_ICONWARNING);
    if (hook)
        UnhookWindowsHookEx(hook);
    t_spoken = nullptr;
}

} // namespace triangle::win32
