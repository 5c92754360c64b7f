#pragma once

// The triangle of a solved row drawn to scale, as a small display list in pixels that each
// toolkit only paints: the hypotenuse AB lies level with C above it, inside the
// circumscribed circle whose centre is the hypotenuse's midpoint.

#include "solver/number/field_number.h"
#include "window/main_form/form_layout.h"
#include "window/solution/solution_page.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace triangle {

struct TriangleDetails;

namespace drawing {

using layout::Colour;

// Pixels from the target's top-left corner, y downwards.
struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Box {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    Point centre() const { return {left + width / 2.0, top + height / 2.0}; }
};

// What a stroke or a label stands for.
enum class Part {
    VertexA,
    VertexB,
    VertexC,
    SideA, // BC
    SideB, // CA
    SideC, // AB, the hypotenuse
    RightAngle,
    AngleAlpha, // at A
    AngleBeta,  // at B
    Height,     // from C to its foot H on the hypotenuse
    Inscribed,
    Circumscribed,
    Foot,        // H, the foot of the height, where it is drawn
    ProjectionA, // a₁ = HB, the projection of a on the hypotenuse
    ProjectionB, // b₁ = AH
    MedianA,     // m_a, from A to the midpoint of BC
    MedianB,     // m_b, from B to the midpoint of CA
    BisectorA,   // l_a, from A to BC, halving α
    BisectorB,   // l_b, from B to CA, halving β
    BisectorC,   // l_c, from C to the hypotenuse, halving the right angle
};

struct Line {
    Point from;
    Point to;
    Colour colour;
    double width;
    bool dashed;
    Part part;
    bool leader; // joins a label that stands away from what it names
    // Dashes and dots, long and short: a median or a bisector, apart from the dashed height.
    bool dashDot = false;
};

// Angles in degrees, counter-clockwise as seen on the screen from the direction of 3 o'clock;
// a whole circle sweeps 360.
struct Arc {
    Point centre;
    double radius;
    double startDegrees;
    double sweepDegrees;
    Colour colour;
    double width;
    Part part;
};

struct Dot {
    Point centre;
    double radius;
    Colour colour;
    Part part;
};

// A text drawn centred in its box; anchor is the point of the drawing it names.
struct Label {
    std::string text; // UTF-8
    Point anchor;
    Box box;
    Colour colour;
    bool bold;
    Part part;
    // An entry of the list in a free corner that gives the values where the drawing has no
    // room for them beside what they name, which then carries its symbol alone ("a = 7,000"
    // there, "a" beside the side).
    bool legend = false;
};

struct TextSize {
    double width;
    double height;
};

// The size of a text in a sans-serif face of the given pixel size, as the painting toolkit
// lays it out, so that the boxes hold exactly what is drawn.
using MeasureText = std::function<TextSize(std::string_view text, double pixelSize, bool bold)>;

// A measure from the count of characters, for when no toolkit is at hand; generous rather
// than tight.
TextSize EstimateText(std::string_view text, double pixelSize, bool bold);

struct DisplayList {
    double width = 0.0;
    double height = 0.0;
    Colour background{255, 255, 255};
    double fontPixels = 0.0; // the labels' text size
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<Dot> dots;
    std::vector<Label> labels;
};

// Lays the triangle out to fill a target of width × height pixels. scale is the target's
// pixels per logical pixel (2 on a display at 200 %), so that text and strokes keep their
// size as seen. Labels overlap neither each other nor any stroke but their own leader.
// With projections, the foot H of the height is marked and named, and the projections
// b₁ = AH and a₁ = HB are measured off under the hypotenuse with their values. With
// angleMinutes, the angles are named in degrees and minutes, "α ≈ 16°16′" (a special angle
// "α = 30°"), instead of "α = 16,260°". zoom (0.5 to 3, the window's zoom) sets the text's
// least size to 14 × scale × zoom pixels, and below 1 shrinks any text by it; the strokes'
// widths follow the text, and the triangle makes room for its labels; where even the least
// triangle leaves values no room beside what they name, those values go to a list in a free
// stretch at the right or the bottom and the drawing names their elements by symbol alone
// ("a"), as long as the list leaves the triangle room to read. Each of `cevians` is
// drawn from its vertex to its foot, dashed and dotted, and named by its symbol ("m_a").
DisplayList DrawSolution(const TriangleDetails& details, double width, double height, double scale,
                         const NumberFormat& region, const MeasureText& measure = EstimateText,
                         bool projections = false, bool angleMinutes = false, double zoom = 1.0,
                         const std::vector<Cevian>& cevians = {},
                         const ExactElements* exact = nullptr);

// What the drawing shows, in words, for a screen reader.
// A length and an angle are written as the drawing's labels write them.
std::string DescribeDrawing(const TriangleDetails& details, const NumberFormat& region,
                            const ExactElements* exact = nullptr, bool angleMinutes = false);
// What the drawing adds with its projections, in words.
std::string DescribeProjections(const TriangleDetails& details, const NumberFormat& region,
                                const ExactElements* exact = nullptr);

} // namespace drawing
} // namespace triangle
