#pragma once

// The plane geometry the drawing is laid out with: points and boxes in the target's pixels.

#include "window/drawing/solution_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace triangle::drawing {

inline constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

inline Point operator+(Point p, Point q)
{
    return {p.x + q.x, p.y + q.y};
}
inline Point operator-(Point p, Point q)
{
    return {p.x - q.x, p.y - q.y};
}
inline Point operator*(Point p, double k)
{
    return {p.x * k, p.y * k};
}
inline double Length(Point p)
{
    return std::hypot(p.x, p.y);
}
inline Point UnitOf(Point p)
{
    const double l = Length(p);
    return l > 0.0 ? p * (1.0 / l) : Point{1.0, 0.0};
}
inline Point Rotated(Point p, double degrees)
{
    const double t = degrees / DegreesPerRadian;
    return {p.x * std::cos(t) - p.y * std::sin(t), p.x * std::sin(t) + p.y * std::cos(t)};
}
// The direction of a screen angle counted counter-clockwise as seen, y pointing down.
inline Point Direction(double degrees)
{
    const double t = degrees / DegreesPerRadian;
    return {std::cos(t), -std::sin(t)};
}
inline Box Grown(const Box& box, double margin)
{
    return {box.left - margin, box.top - margin, box.width + 2.0 * margin,
            box.height + 2.0 * margin};
}
inline bool Overlap(const Box& p, const Box& q)
{
    return p.left < q.right() && q.left < p.right() && p.top < q.bottom() && q.top < p.bottom();
}

// Whether the segment from p to q passes through the box (Liang–Barsky clipping).
inline bool Crosses(Point p, Point q, const Box& box)
{
    double enter = 0.0;
    double leave = 1.0;
    const double d[2] = {q.x - p.x, q.y - p.y};
    const double lo[2] = {box.left - p.x, box.top - p.y};
    const double hi[2] = {box.right() - p.x, box.bottom() - p.y};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0.0) {
            if (lo[axis] > 0.0 || hi[axis] < 0.0)
                return false;
            continue;
        }
        double t0 = lo[axis] / d[axis];
        double t1 = hi[axis] / d[axis];
        if (t0 > t1)
            std::swap(t0, t1);
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
        if (enter > leave)
            return false;
    }
    return true;
}

inline Point NearestOnBox(Point p, const Box& box)
{
    return {std::clamp(p.x, box.left, box.right()), std::clamp(p.y, box.top, box.bottom())};
}

} // namespace triangle::drawing
