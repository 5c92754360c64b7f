#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

namespace triangle {

// A single-line field that never shows a number cut by its edge. Whenever its text is wider
// than the text area, it draws the text in the largest smaller size of the same face and
// weight that shows it whole, down to MinimumPointSize; a text too wide even for that is
// drawn with an ellipsis where it is cut. Its tooltip always carries the whole text.
class FittingField : public QLineEdit {
    Q_OBJECT

public:
    static constexpr qreal MinimumPointSize = 6.0;

    FittingField(const QFont& normalFont, QWidget* parent);

    // The field's plain tooltip ("Катет a"), to which its text is added.
    void setDescription(const QString& description);
    // The whole triangle of a calculated row, below the plain tooltip; empty for none.
    void setDetails(const QString& details);
    // Said under the description while there are no details.
    void setHint(const QString& hint);
    bool hasDetails() const { return !m_details.isEmpty(); }
    // The tooltip in words, as a screen reader gets it, both as the field's description and
    // when the tooltip shows: "катет b равно на 5 корен квадратен от 3, приблизително 8,660".
    QString spokenToolTip() const { return m_spokenTip; }
    // Shows the tooltip with the whole triangle beside the field, as hovering does; Shift+F1
    // does the same from the keyboard, and Escape hides it again.
    void showDetails();

    // Width in pixels the text can take without scrolling.
    int textAreaWidth() const;
    // True when the text does not fit even at the smallest size.
    bool isElided() const { return m_elided; }
    // The ends at which such a text is cut, each marked by an ellipsis: the right end, or,
    // while the user edits it, the ends the line has scrolled past.
    Qt::Edges cutEdges() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitText();
    void updateToolTip();
    QRect lineRect() const;

    QFont m_normalFont;
    QString m_description;
    QString m_details;
    QString m_hint;
    QString m_spokenTip;
    bool m_elided = false;
};

} // namespace triangle
