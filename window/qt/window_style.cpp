#include "window/qt/window_style.h"

#include "window/qt/deferred_icon.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace triangle {

namespace {

bool isPushButton(const QWidget* widget)
{
    return qobject_cast<const QPushButton*>(widget) != nullptr;
}

// Two one-pixel lines along the top and left edges of a rectangle in one colour and along
// the bottom and right in another: the classic three-dimensional edge.
void drawEdge(QPainter* painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight)
{
    painter->setPen(topLeft);
    painter->drawLine(rect.topLeft(), rect.topRight() - QPoint(1, 0));
    painter->drawLine(rect.topLeft(), rect.bottomLeft() - QPoint(0, 1));
    painter->setPen(bottomRight);
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
}

// The face filled with exactly the button's colour, a raised edge, or a sunken one while
// pressed, and a dotted focus mark inside.
void drawButtonPanel(const QStyleOption* option, QPainter* painter)
{
    const QRect outer = option->rect;
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const QColor face = option->palette.color(QPalette::Button);
    const bool pressed = option->state & (QStyle::State_Sunken | QStyle::State_On);
    painter->save();
    painter->fillRect(outer, face);
    if (pressed) {
        drawEdge(painter, outer, Qt::black, Qt::white);
        drawEdge(painter, inner, face.darker(160), face);
    } else {
        drawEdge(painter, outer, Qt::white, Qt::black);
        drawEdge(painter, inner, face.lighter(130), face.darker(160));
    }
    if (option->state & QStyle::State_HasFocus) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter->setPen(dotted);
        painter->drawRect(outer.adjusted(3, 3, -4, -4));
    }
    painter->restore();
}

// A classic group box: the caption on the frame's top line at its left, the etched line
// broken behind it. Fusion's own frame comes from an image file, whose reading would make
// Qt load every image-format plug-in before the first frame is painted.
void drawGroupBox(const QStyleOptionGroupBox* box, QPainter* painter, const QStyle* style)
{
    const QFontMetrics metrics = box->fontMetrics;
    const int captionLeft = 6;
    const QRect caption(box->rect.left() + captionLeft, box->rect.top(),
                        metrics.horizontalAdvance(box->text) + 4, metrics.height());
    const int lineTop = caption.center().y();
    const QRect frame(box->rect.left(), lineTop, box->rect.width() - 1,
                      box->rect.height() - lineTop - 1);

    painter->save();
    painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    const QColor window = box->palette.color(QPalette::Window);
    painter->setPen(window.darker(140));
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    painter->setPen(window.lighter(120));
    painter->drawRect(frame.adjusted(1, 1, 0, 0));
    painter->restore();

    style->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                        box->state & QStyle::State_Enabled, box->text, QPalette::WindowText);
}

} // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelButtonCommand && isPushButton(widget)) {
        drawButtonPanel(option, painter);
        return;
    }
    // The panel draws its own focus mark.
    if (element == PE_FrameFocusRect && isPushButton(widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const
{
    if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        control == CC_GroupBox && box && !(box->subControls & SC_GroupBoxCheckBox)) {
        drawGroupBox(box, painter, this);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QIcon WindowStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return DeferredStandardIcon(baseStyle(), which);
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace triangle
