#include "window/qt/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace triangle {

void OpenBeside(QWidget& window, const QWidget& beside)
{
    if (!window.isVisible()) {
        QPoint place = beside.frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = beside.screen()) {
            const QRect free = screen->availableGeometry();
            // The frame is known once the window has been shown; until then, the style's
            // title bar stands for it.
            int frame = window.frameGeometry().height() - window.height();
            if (frame <= 0)
                frame = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
            window.resize(std::min(window.width(), free.width()),
                          std::min(window.height(), free.height() - frame));
            place.setX(std::min(place.x(), std::max(free.left(), free.right() - window.width())));
            place.setY(
                std::max(free.top(), std::min(place.y(), free.bottom() - window.height() - frame)));
        }
        window.move(place);
        window.show();
    }
    window.raise();
    window.activateWindow();
}

} // namespace triangle
