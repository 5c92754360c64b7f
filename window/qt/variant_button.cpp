#include "window/qt/variant_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace triangle {

void VariantButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clicks =
        event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint());
    QRadioButton::mouseReleaseEvent(event);
    if (clicks)
        emit chosen();
}

void VariantButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit chosen();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

} // namespace triangle
