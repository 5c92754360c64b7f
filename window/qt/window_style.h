#pragma once

#include <QProxyStyle>

namespace triangle {

// Fusion, drawn the classic way where the window needs it: push buttons filled with exactly
// their background colour under a raised edge, and the group box caption standing on the
// frame's top line. Everything else is Fusion's own.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    // The menu bar's extension arrow is read from its file only when it is shown.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace triangle
