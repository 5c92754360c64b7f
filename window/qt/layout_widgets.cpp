#include "window/qt/layout_widgets.h"

#include <QPalette>
#include <QWidget>

namespace triangle {

QRect PixelRect(const layout::Place& place)
{
    return QRect(layout::Pixels(place.left), layout::Pixels(place.top), layout::Pixels(place.width),
                 layout::Pixels(place.height));
}

QColor QColour(layout::Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QString Qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QFont WindowFont(bool bold)
{
    // Where Times New Roman is missing, fontconfig puts a metric-compatible serif face with
    // the Cyrillic letters in its place (Liberation Serif on Debian).
    return QFont(Qs(layout::FontFace), layout::FontPointSize, bold ? QFont::Bold : QFont::Normal);
}

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour); // the background role of buttons
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetResultColours(QWidget* field, const QColor& colour)
{
    QPalette palette = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
}

} // namespace triangle
