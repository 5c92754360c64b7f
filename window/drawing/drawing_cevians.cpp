#include "window/drawing/drawing_cevians.h"

#include "solver/element/element_solver.h"
#include "window/drawing/drawing_geometry.h"

namespace triangle::drawing {

namespace {

// A dark teal, apart from the height's red and the circles' green and blue.
constexpr Colour CevianInk{0, 110, 130};

struct CevianRow {
    Cevian cevian;
    Part part;
    Element element; // whose symbol names it, as the fields and the steps write it
};

constexpr CevianRow rows[] = {
    {Cevian::MedianA, Part::MedianA, Element::mA},
    {Cevian::MedianB, Part::MedianB, Element::mB},
    {Cevian::BisectorA, Part::BisectorA, Element::lA},
    {Cevian::BisectorB, Part::BisectorB, Element::lB},
    {Cevian::BisectorC, Part::BisectorC, Element::lC},
};

const CevianRow& rowOf(Cevian cevian)
{
    for (const CevianRow& row : rows)
        if (row.cevian == cevian)
            return row;
    return rows[0];
}

// The point `share` of the way from p to q.
Point between(Point p, Point q, double share)
{
    return p + (q - p) * share;
}

} // namespace

CevianStroke CevianEnds(Cevian cevian, const Vertices& v)
{
    switch (cevian) {
    case Cevian::MedianA:
        return {v.A, between(v.B, v.C, 0.5)};
    case Cevian::MedianB:
        return {v.B, between(v.C, v.A, 0.5)};
    case Cevian::BisectorA:
        return {v.A, between(v.C, v.B, v.b / (v.b + v.c))};
    case Cevian::BisectorB:
        return {v.B, between(v.C, v.A, v.a / (v.a + v.c))};
    case Cevian::BisectorC:
        return {v.C, between(v.A, v.B, v.b / (v.a + v.b))};
    }
    return {v.A, v.A};
}

Part CevianPart(Cevian cevian)
{
    return rowOf(cevian).part;
}

std::vector<LabelRequest> DrawCevians(StrokeComposer& draw, const std::vector<Cevian>& cevians,
                                      const Vertices& v)
{
    std::vector<LabelRequest> labels;
    for (const Cevian cevian : cevians) {
        const CevianRow& row = rowOf(cevian);
        const CevianStroke ends = CevianEnds(cevian, v);
        draw.dashDotLine(ends.from, ends.to, CevianInk, 2.0, row.part);
        draw.dot(ends.to, 2.5, CevianInk, row.part);
        const Point along = UnitOf(ends.to - ends.from);
        // Beside the stroke's far half, away from the crowd at its vertex.
        labels.push_back({ElementSymbol(row.element),
                          between(ends.from, ends.to, 0.6),
                          {along.y, -along.x},
                          CevianInk,
                          false,
                          row.part,
                          along,
                          Length(ends.to - ends.from),
                          false,
                          {ends.from, ends.to}});
    }
    return labels;
}

} // namespace triangle::drawing
