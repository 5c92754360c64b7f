#pragma once

#include "solver/number/field_number.h"
#include "solver/variant/triangle_details.h"
#include "window/drawing/solution_drawing.h"
#include "window/solution/solution_page.h"

#include <QWidget>

#include <optional>
#include <vector>

class QImage;
class QPainter;

namespace triangle {

// Lays out and paints the display list of a triangle with QPainter, filling the widget;
// without a triangle it says what to do to get one.
class SolutionDrawingView : public QWidget {
    Q_OBJECT

public:
    explicit SolutionDrawingView(QWidget* parent = nullptr);

    // The page's triangle, with the height's foot, the projections and the medians and
    // bisectors where the page asks for them; without a triangle the view says what the page says
    // instead.
    void setPage(const SolutionPage& page, const NumberFormat& region);
    // The display list as last painted, in the widget's logical pixels.
    const drawing::DisplayList& displayList() const { return m_list; }
    // The drawing at twice the widget's size, for the clipboard.
    QImage image() const;
    // The labels and strokes at the window's zoom (0.5 to 3).
    void setZoom(double factor);

signals:
    // Ctrl and the wheel over the drawing: delta as QWheelEvent gives it, 120 a notch.
    void zoomWheel(int delta);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    std::optional<TriangleDetails> m_triangle;
    bool m_projections = false;
    bool m_angleMinutes = false;
    std::vector<Cevian> m_cevians;
    ExactElements m_exact{};
    double m_zoom = 1.0;
    QString m_empty;
    NumberFormat m_region;
    drawing::DisplayList m_list;
};

// The font the labels are drawn in, and the measure that lays them out with it.
QFont LabelFont(double pixelSize, bool bold);
drawing::TextSize MeasureLabel(std::string_view text, double pixelSize, bool bold);
void PaintDisplayList(QPainter& painter, const drawing::DisplayList& list);

} // namespace triangle
