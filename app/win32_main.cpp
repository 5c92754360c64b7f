#include "window/win32/solver_form.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    // For the annotations a screen reader reads.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    int exitCode = 1;
    {
        // The form and its COM objects end here, before COM ends on this thread.
        triangle::win32::SolverForm form;
        if (form.Create(instance)) {
            form.Form_Load();
            ShowWindow(form.Window(), show);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (form.TranslateKeyboard(message))
                    continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }
    CoUninitialize();
    return exitCode;
}
