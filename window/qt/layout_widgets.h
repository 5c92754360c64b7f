#pragma once

#include "window/main_form/form_layout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace triangle {

// The layout's places, colours and font as Qt's, for the program's windows.

// A place of the layout, in twips, in logical pixels: 15 twips make one.
QRect PixelRect(const layout::Place& place);
QColor QColour(layout::Colour colour);
QString Qs(const char* utf8);
// The window font, bold or not.
QFont WindowFont(bool bold = false);
// Fills a widget's background, and a button's, with exactly the colour.
void FillBackground(QWidget* widget, const QColor& colour);
// A computed field's look: dark text on the results' colour, never the faded disabled grey.
void SetResultColours(QWidget* field, const QColor& colour);

} // namespace triangle
