#include "window/qt/window_placement.h"

#include "window/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace triangle {

QSize FrameExtent(const QWidget& window)
{
    const QSize frame = window.frameGeometry().size() - window.size();
    if (frame.height() > 0)
        return frame;
    return QSize(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
}

namespace {

placement::Rect frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

} // namespace

void OpenBeside(QWidget& window, const QWidget& main, const QWidget* solution)
{
    if (!window.isVisible()) {
        if (const QScreen* screen = main.screen()) {
            const QRect free = screen->availableGeometry();
            // The frame is known once the window has been shown; until then, the main
            // window's, which the same window manager draws, stands for it.
            const QSize frame =
                FrameExtent(window.frameGeometry() != window.geometry() ? window : main);
            std::optional<placement::Rect> beside;
            if (solution && solution->isVisible())
                beside = frameOf(*solution);
            const placement::Rect place = placement::OpenPlace(
                frameOf(main), beside,
                {window.width() + frame.width(), window.height() + frame.height()},
                {free.x(), free.y(), free.width(), free.height()});
            window.resize(place.width - frame.width(), place.height - frame.height());
            window.move(place.left, place.top);
        }
        window.show();
    }
    window.raise();
    window.activateWindow();
}

} // namespace triangle
