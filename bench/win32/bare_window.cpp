// The floor for the Windows program's start-up: the least a Win32 program does to show a
// window with one label.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(0, L"BareWindow", L"Геометрия", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 480, 380, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Геометрия", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, hwnd,
                    nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
