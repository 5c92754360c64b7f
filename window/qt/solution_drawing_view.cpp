#include "window/qt/solution_drawing_view.h"

#include "window/text/ui_texts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace triangle {

namespace {

QColor qColour(drawing::Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

QFont LabelFont(double pixelSize, bool bold)
{
    QFont font;
    // Sans faces with Greek letters for α and β, metric-compatible with Windows' Arial.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

drawing::TextSize MeasureLabel(std::string_view text, double pixelSize, bool bold)
{
    const QFontMetricsF metrics(LabelFont(pixelSize, bold));
    return {metrics.horizontalAdvance(qs(text)), metrics.height()};
}

void PaintDisplayList(QPainter& painter, const drawing::DisplayList& list)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, list.width, list.height), qColour(list.background));
    for (const drawing::Arc& arc : list.arcs) {
        painter.setPen(QPen(qColour(arc.colour), arc.width));
        painter.setBrush(Qt::NoBrush);
        const QRectF bounds(arc.centre.x - arc.radius, arc.centre.y - arc.radius, 2 * arc.radius,
                            2 * arc.radius);
        // Qt counts in sixteenths of a degree, counter-clockwise as seen: as the list does.
        painter.drawArc(bounds, static_cast<int>(std::lround(arc.startDegrees * 16)),
                        static_cast<int>(std::lround(arc.sweepDegrees * 16)));
    }
    for (const drawing::Line& line : list.lines) {
        QPen pen(qColour(line.colour), line.width, Qt::SolidLine, Qt::RoundCap);
        if (line.dashed)
            pen.setDashPattern({4.0, 3.0});
        // In widths of the pen: a long dash, a gap, a dot, a gap.
        if (line.dashDot)
            pen.setDashPattern({6.0, 2.5, 0.5, 2.5});
        painter.setPen(pen);
        painter.drawLine(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y));
    }
    painter.setPen(Qt::NoPen);
    for (const drawing::Dot& dot : list.dots) {
        painter.setBrush(qColour(dot.colour));
        painter.drawEllipse(QPointF(dot.centre.x, dot.centre.y), dot.radius, dot.radius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const drawing::Label& label : list.labels) {
        painter.setFont(LabelFont(list.fontPixels, label.bold));
        painter.setPen(qColour(label.colour));
        painter.drawText(QRectF(label.box.left, label.box.top, label.box.width, label.box.height),
                         Qt::AlignCenter, qs(label.text));
    }
}

SolutionDrawingView::SolutionDrawingView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SolutionDrawing"));
    setAccessibleName(QString::fromUtf8(texts::DrawingName));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 180);
}

void SolutionDrawingView::setPage(const SolutionPage& page, const NumberFormat& region)
{
    m_triangle = page.triangle;
    m_region = region;
    m_projections = page.projections;
    m_angleMinutes = page.angleMinutes;
    m_cevians = page.cevians;
    m_exact = page.exact;
    m_empty = QString::fromStdString(page.empty);
    setAccessibleDescription(m_triangle ? QString::fromStdString(page.description) : m_empty);
    layOut();
    update();
}

QImage SolutionDrawingView::image() const
{
    QImage picture(width() * 2, height() * 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (m_triangle) {
        QPainter painter(&picture);
        PaintDisplayList(painter,
                         drawing::DrawSolution(*m_triangle, picture.width(), picture.height(), 2.0,
                                               m_region, MeasureLabel, m_projections,
                                               m_angleMinutes, m_zoom, m_cevians, &m_exact));
    }
    return picture;
}

void SolutionDrawingView::setZoom(double factor)
{
    m_zoom = factor;
    layOut();
    update();
}

void SolutionDrawingView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        emit zoomWheel(event->angleDelta().y());
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}

void SolutionDrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_triangle) {
        PaintDisplayList(painter, m_list);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(LabelFont(std::max(14.0, std::min(width(), height()) / 32.0) * m_zoom, false));
    painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                     m_empty.isEmpty() ? QString::fromUtf8(texts::NoDrawing) : m_empty);
}

void SolutionDrawingView::resizeEvent(QResizeEvent*)
{
    layOut();
}

void SolutionDrawingView::layOut()
{
    if (m_triangle)
        m_list = drawing::DrawSolution(*m_triangle, width(), height(), 1.0, m_region, MeasureLabel,
                                       m_projections, m_angleMinutes, m_zoom, m_cevians, &m_exact);
    else
        m_list = {};
}

} // namespace triangle
