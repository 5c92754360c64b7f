#pragma once

#include <QRadioButton>

namespace triangle {

// A variant's option button that tells apart the user choosing it, with a click or Enter,
// from the arrow keys moving the selection through the group, which select the next button
// by clicking it too.
class VariantButton : public QRadioButton {
    Q_OBJECT

public:
    VariantButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

signals:
    // A click released on the button, or Enter while it has the focus; it is selected then.
    void chosen();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace triangle
