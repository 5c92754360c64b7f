#include "window/qt/fitting_field.h"

#include "window/qt/spoken_tool_tip.h"
#include "window/text/field_tip.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

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
    SpeakFieldToolTipsInWords();
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

void FittingField::setHint(const QString& hint)
{
    m_hint = hint;
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
    const FieldTip tip = FieldTipOf(m_description.toStdString(), text().toStdString(),
                                    m_details.toStdString(), m_hint.toStdString());
    setToolTip(QString::fromStdString(tip.shown));
    m_spokenTip = QString::fromStdString(tip.spoken);
    setAccessibleDescription(m_spokenTip);
}

void FittingField::showDetails()
{
    if (!hasDetails())
        return;
    // Beside the field's right edge, where a hovering pointer would leave it readable.
    QToolTip::showText(mapToGlobal(QPoint(width(), 0)), toolTip(), this, rect());
    // The toolkit tells assistive technologies when a tooltip hides but not when it shows
    // (a screen reader on Windows would read it twice); Orca reads a tooltip that shows
    // after F1, so it is told here.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible()) {
            QAccessibleEvent shown(window, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }
}

void FittingField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && (event->modifiers() & Qt::ShiftModifier)) {
        showDetails();
        event->accept();
        return;
    }
    // On Linux a tooltip stays until the pointer or the focus moves, or its time runs out.
    if (event->key() == Qt::Key_Escape && QToolTip::isVisible()) {
        QToolTip::hideText();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

Qt::Edges FittingField::cutEdges() const
{
    if (!m_elided)
        return {};
    if (!hasFocus())
        return Qt::RightEdge;
    // While editing, the line scrolls with the caret: where the text starts follows from
    // where the caret stands.
    const QFontMetricsF metrics(font());
    const QRect area = lineRect();
    const QRect caret = cursorRect(); // centred on the caret's position
    const qreal start =
        caret.x() + caret.width() / 2 - metrics.horizontalAdvance(text().left(cursorPosition()));
    const qreal end = start + metrics.horizontalAdvance(text());
    Qt::Edges edges;
    if (start < area.left() - 0.5)
        edges |= Qt::LeftEdge;
    if (end > area.right() + 1.5)
        edges |= Qt::RightEdge;
    return edges;
}

void FittingField::paintEvent(QPaintEvent* event)
{
    const QRect area = lineRect();
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    if (!m_elided || hasFocus()) {
        // While the user edits a text this long, the caret shows where they are and the
        // line scrolls with it; an ellipsis over each cut end says that more is there.
        QLineEdit::paintEvent(event);
        const Qt::Edges cut = cutEdges();
        if (!cut)
            return;
        QPainter painter(this);
        const QString ellipsis(QChar(0x2026));
        const int width = fontMetrics().horizontalAdvance(ellipsis) + 2;
        painter.setPen(ink);
        for (Qt::Edge edge : {Qt::LeftEdge, Qt::RightEdge}) {
            if (!(cut & edge))
                continue;
            const QRect mark(edge == Qt::LeftEdge ? area.left() : area.right() + 1 - width,
                             area.top(), width, area.height());
            painter.fillRect(mark, palette().color(QPalette::Base));
            painter.drawText(mark, Qt::AlignCenter, ellipsis);
        }
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QString elided = QFontMetrics(font()).elidedText(text(), Qt::ElideRight, textAreaWidth());
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter, elided);
}

} // namespace triangle
