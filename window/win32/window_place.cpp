#include "window/win32/window_place.h"

#include "window/window_placement.h"

#include <optional>

namespace triangle::win32 {

namespace {

placement::Rect frameOf(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

placement::Rect workAreaOf(HWND window)
{
    MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& free = info.rcWork;
    return {free.left, free.top, free.right - free.left, free.bottom - free.top};
}

} // namespace

void PlaceBeside(HWND window, HWND main, HWND solution, SIZE wanted)
{
    std::optional<placement::Rect> beside;
    if (solution && IsWindowVisible(solution))
        beside = frameOf(solution);
    const placement::Rect place =
        placement::OpenPlace(frameOf(main), beside, {wanted.cx, wanted.cy}, workAreaOf(main));
    SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepLeastClient(HWND window, MINMAXINFO& limits, SIZE leastClient)
{
    RECT frame{0, 0, leastClient.cx, leastClient.cy};
    AdjustWindowRectExForDpi(
        &frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
        static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), GetDpiForWindow(window));
    const placement::Size least = placement::FittedMinimum(
        {frame.right - frame.left, frame.bottom - frame.top}, workAreaOf(window));
    limits.ptMinTrackSize = {least.width, least.height};
}

} // namespace triangle::win32
