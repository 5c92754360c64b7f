#pragma once

class QSize;
class QWidget;

namespace triangle {

// Shows a second window beside "Решение" when `solution` is given and visible, otherwise
// beside `main`, placed and sized by the one rule both forms keep, on the screen `main` is on;
// a window already shown is only raised and activated, where the user left it.
// How much wider and taller the window's frame is than its client; the style's title bar
// where the window has no frame yet.
QSize FrameExtent(const QWidget& window);

void OpenBeside(QWidget& window, const QWidget& main, const QWidget* solution = nullptr);

} // namespace triangle
