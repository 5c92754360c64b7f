#include "window/application.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace triangle {

namespace {

// Fusion, with the frame of a group box drawn as a plain etched line. Fusion draws that
// frame from an image file, and reading it makes Qt load every image-format plug-in
// before the window's first frame can be painted.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Below the title, where Fusion puts its own frame.
        const int titleHeight = std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                         option->fontMetrics.height());
        const QRect frame = option->rect.adjusted(0, titleHeight + 3, -1, -1);
        painter->save();
        painter->setPen(option->palette.color(QPalette::Window).darker(140));
        painter->drawRect(frame.adjusted(0, 0, -1, -1));
        painter->setPen(option->palette.color(QPalette::Window).lighter(120));
        painter->drawRect(frame.adjusted(1, 1, 0, 0));
        painter->restore();
    }
};

} // namespace

void SetUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("triangle-solver"));
    QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.TriangleSolver"));
    application.setStyle(new WindowStyle);
}

} // namespace triangle
