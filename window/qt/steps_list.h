#pragma once

#include <QListWidget>
#include <QString>

#include <string>

namespace triangle {

// The calculation step by step, one line an item, black on white in a large face. The arrow
// keys go through it line by line, and a screen reader hears each line in words (its
// spoken form, "b е равно на корен квадратен от 75…") while the line shows its symbols.
// Ctrl+C copies the selected lines, or every line when none is selected; the copy is the
// text as shown.
class StepsList : public QListWidget {
    Q_OBJECT

public:
    explicit StepsList(QWidget* parent = nullptr);

    // The steps, one a line, separated by "\n".
    void setSteps(const std::string& steps);
    // Every line as shown, separated by "\n".
    QString stepsText() const;
    // The selected lines as shown, in their order, separated by "\n"; empty for none.
    QString selectedText() const;
    void copy() const;
    // The face at the window's zoom (1 is 18 pixels).
    void setZoom(double factor);

signals:
    // Ctrl and the wheel over the list: delta as QWheelEvent gives it, 120 a notch.
    void zoomWheel(int delta);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace triangle
