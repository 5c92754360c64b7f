#include "window/fitting_field.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace triangle {

namespace {

// Qt keeps this many pixels free on each side of a line edit's text.
constexpr int horizontalMargin = 2;
constexpr qreal pointStep = 0.5;

} // namespace

FittingField::FittingField(const QFont& normalFont, QWidget* parent)
    : QLineEdit(parent), m_normalFont(normalFont)
{
    setFont(m_normalFont);
    connect(this, &QLineEdit::textChanged, this, [this] {
        fitText();
        updateToolTip();
    });
}

void FittingField::setDescription(const QString& description)
{
    m_description = description;
    updateToolTip();
}

void FittingField::setDetails(const QString& details)
{
    if (details == m_details)
        return;
    m_details = details;
    updateToolTip();
}

QRect FittingField::lineRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(horizontalMargin, 0, -horizontalMargin, 0);
}

int FittingField::textAreaWidth() const
{
    // The line edit scrolls once the text, one pixel and the cursor no longer fit.
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return lineRect().width() - 1 - cursorWidth;
}

void FittingField::fitText()
{
    const QString shown = text();
    const int available = textAreaWidth();
    QFont font = m_normalFont;
    bool fits = true;
    for (qreal size = m_normalFont.pointSizeF();; size -= pointStep) {
        font.setPointSizeF(size);
        fits = std::ceil(QFontMetricsF(font).horizontalAdvance(shown)) <= available;
        if (fits || size - pointStep < MinimumPointSize)
            break;
    }
    m_elided = !fits;
    if (font != this->font())
        setFont(font);
    update();
}

void FittingField::updateToolTip()
{
    QString tip = m_description;
    if (!text().isEmpty())
        tip += QStringLiteral(": ") + text();
    if (!m_details.isEmpty())
        tip += QStringLiteral("\n\n") + m_details;
    setToolTip(tip);
    setAccessibleDescription(tip);
}

void FittingField::paintEvent(QPaintEvent* event)
{
    // While the user edits a text this long, the caret shows where they are and the line
    // scrolls with it; otherwise the cut is marked by an ellipsis.
    if (!m_elided || hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = lineRect();
    const QString elided = QFontMetrics(font()).elidedText(text(), Qt::ElideRight, textAreaWidth());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(area, Qt::AlignCenter, elided);
}

} // namespace triangle
