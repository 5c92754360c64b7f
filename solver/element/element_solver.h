#pragma once

// The right triangle from any two of its twenty-five elements, as a textbook sets the problem:
// two legs, a side and an angle, the projections of the legs, the height or a radius, the
// sine, cosine, tangent or cotangent of an acute angle, a median to a leg or a bisector.

#include "solver/formula/calculation_fault.h"
#include "solver/number/field_text_check.h"
#include "solver/number/typed_number.h"
#include "solver/variant/triangle_details.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace triangle {

// a and b the legs, c the hypotenuse, α and β the acute angles opposite a and b in degrees,
// h the height to the hypotenuse, a₁ and b₁ the projections of a and b on the hypotenuse,
// S the area, P the perimeter, r and R the radii of the inscribed and the circumscribed
// circle; then sin α, cos α, tg α, cotg α and the same of β, plain numbers; then the medians
// to the legs m_a and m_b (from the midpoint of a, of b, to the opposite vertex), the
// bisectors l_a and l_b of α and β (to the sides a and b) and l_c of the right angle (to the
// hypotenuse; the median to the hypotenuse is R). The order is the
// order of the window's fields and of every list of them.
enum class Element : std::uint8_t {
    a,
    b,
    c,
    alpha,
    beta,
    h,
    a1,
    b1,
    S,
    P,
    r,
    R,
    sinAlpha,
    cosAlpha,
    tgAlpha,
    cotgAlpha,
    sinBeta,
    cosBeta,
    tgBeta,
    cotgBeta,
    mA,
    mB,
    lA,
    lB,
    lC
};
inline constexpr int ElementCount = 25;
// The first twelve, the lengths, angles, area and perimeter a TriangleDetails holds.
inline constexpr int MeasuredElementCount = 12;

// "a", "α", "a₁", "sin α", …: the symbol a formula writes.
const char* ElementSymbol(Element element);
bool IsAngle(Element element);
// sin α to cotg β.
bool IsTrigonometric(Element element);
// m_a, m_b, l_a, l_b, l_c.
bool IsCevian(Element element);

// The value of one element of a whole triangle: a trigonometric value from the legs and the
// hypotenuse (sin α = a / c, tg α = a / b).
double ElementOf(const TriangleDetails& triangle, Element element);
// The place of one of the first twelve (MeasuredElementCount) in a whole triangle; named
// apart from ElementOf so that a triangle that is not const never reaches it by overloading.
double& ElementPlace(TriangleDetails& triangle, Element element);

// A condition some pairs of elements must meet. Each is a bound on one element, `limited`,
// set by the other. Those marked "flat" are reached only as the triangle flattens or grows
// without end, and a value on them is refused; the others are reached only by the isosceles
// triangle, and values within typing of them give that triangle.
enum class ElementBound {
    LegBelowHypotenuse,                // a < c (flat)
    ProjectionBelowHypotenuse,         // a₁ < c (flat)
    ProjectionBelowLeg,                // a₁ < a (flat)
    HeightBelowLeg,                    // h < a (flat)
    LegBelowDiameter,                  // a < 2R (flat)
    ProjectionBelowDiameter,           // a₁ < 2R (flat)
    InradiusBelowHalfLeg,              // r < a/2 (flat)
    InradiusBelowHalfHeight,           // r < h/2 (flat)
    PerimeterAboveTwiceLeg,            // P > 2a (flat)
    PerimeterAboveTwiceProjection,     // P > 2a₁ (flat)
    PerimeterAboveTwiceHypotenuse,     // P > 2c (flat)
    PerimeterAboveFourCircumradii,     // P > 4R (flat)
    AngleBelowRightAngle,              // α < 90° (flat)
    SineBelowOne,                      // sin α < 1 (flat)
    CosineBelowOne,                    // cos α < 1 (flat)
    AreaAtMostQuarterHypotenuseSquare, // S ≤ c²/4
    PerimeterAtMostHypotenuseShare,    // P ≤ (1 + √2)·c
    AreaAtMostPerimeterShare,          // S ≤ (3 − 2√2)·P²/4
    HeightAtMostHalfHypotenuse,        // h ≤ c/2
    InradiusAtMostHypotenuseShare,     // r ≤ (√2 − 1)·c/2
    AreaAtLeastHeightSquare,           // S ≥ h²
    HeightAtMostPerimeterShare,        // h ≤ (√2 − 1)·P/2
    InradiusAtLeastHeightShare,        // r ≥ (√2 − 1)·h
    HeightAtMostCircumradius,          // h ≤ R
    AreaAtLeastInradiusShare,          // S ≥ (3 + 2√2)·r²
    AreaAtMostCircumradiusSquare,      // S ≤ R²
    InradiusAtMostPerimeterShare,      // r ≤ (3 − 2√2)·P/2
    PerimeterAtMostCircumradiusShare,  // P ≤ 2(1 + √2)·R
    InradiusAtMostCircumradiusShare,   // r ≤ (√2 − 1)·R
    MedianAboveOtherLeg,               // m_a > b (flat)
    SumOfLegsAboveHypotenuse,          // a + b > c (flat)
    SumOfLegsAtMostHypotenuseShare,    // a + b ≤ c·√2
    HypotenuseLongest,                 // c > a (flat): a ratio or difference of c and a leg
    DifferenceBelowOtherLeg,           // c − a < b (flat)
    BisectorAtMostHalfHypotenuse,      // l_c ≤ c/2
    BisectorAtMostCircumradius,        // l_c ≤ R
    BisectorBelowLegShare,             // l_c < a·√2 (flat)
    CevianBetween, // a median or bisector within the range the other element leaves it
};

// The values a median or bisector can take when the other given element is fixed: each end
// unset where there is none that way, `reached` where a triangle has it, at the angle α `at`
// (45° for the isosceles triangle).
struct ElementRange {
    std::optional<double> low;
    std::optional<double> high;
    bool lowReached = false;
    bool highReached = false;
    double lowAt = 0.0;
    double highAt = 0.0;
};

// The bound as a formula, "h ≤ c/2", for b's leg, projection and angle where `otherLeg`.
const char* ElementBoundFormula(ElementBound bound, bool otherLeg);

enum class ElementRefusalReason {
    FieldText,         // a field does not hold one number (or angle): see textProblem
    NotPositive,       // a given element is zero or negative
    SameElement,       // the same element given twice
    OnlyTheShape,      // α and β, or two of α, β and their trigonometric values that agree:
                       // they say only the shape
    ShapeContradicts,  // two of α, β and their trigonometric values that say different angles
    OnlyTheSize,       // c and R: R = c/2 says only the size
    Bound,             // the pair fails `bound`
    ResultBeyondRange, // a result lies beyond the range of a double
    ResultTooSmall,    // a value comes out below the smallest normal double, or zero
    NoTriangle,        // a last guard: a root or divisor the checks let through
};

struct Relation;

// Why two elements gave no triangle, as a value the window words for the user.
struct ElementRefusal {
    ElementRefusalReason reason = ElementRefusalReason::FieldText;
    Element first = Element::a; // the pair as given
    Element second = Element::b;
    Element field = Element::a;                             // the element to correct
    FieldTextProblem textProblem = FieldTextProblem::Empty; // with FieldText
    std::optional<double> firstValue; // as read; unset where a text was no number
    std::optional<double> secondValue;
    ElementBound bound = ElementBound::LegBelowHypotenuse; // with Bound
    // Where the bound is written with a leg, a projection or an angle, whether it is b's
    // (b < c, b₁ < b, sin β < 1) rather than a's.
    bool otherLeg = false;
    // The bound's value from the other given element; unset where it is beyond the range of
    // a double.
    std::optional<double> boundValue;
    // With CevianBetween: the range of `field`, the median or bisector; boundValue is the end
    // it passed.
    ElementRange range;
    // Where a fact was a relation ("a + b = 25"), the relation: first and second then name
    // its left element; and which fact to correct, 0 the first, 1 the second.
    std::shared_ptr<const Relation> firstRelation;
    std::shared_ptr<const Relation> secondRelation;
    std::optional<int> factToCorrect;
};

using ElementSolution = Calculated<TriangleDetails, ElementRefusal>;

// Solves the right triangle with element `first` given by `firstText` and `second` by
// `secondText`, each read in the region by ReadGivenElement: a length as "12,5", "3/5" or
// "2√3", an angle also as "30°", "36°52′" or "36°52'". Where the pair fixes the triangle only up to
// swapping the legs (any two of c, h, S, P, r, R), a is the shorter leg.
ElementSolution SolveElements(Element first, std::string_view firstText, Element second,
                              std::string_view secondText, const NumberFormat& region = {});

class Steps;

// A given element with its value as read, and its exact value where it was typed as a
// fraction or with a root ("2√3"); none for a decimal, which is exactly itself.
struct GivenElement {
    Element element;
    double value;
    ExactNumber exact;
};

// Solves the triangle from two given values as read, as SolveElements does once it has
// read them; with steps, each formula evaluated is also written there, in order, as it
// ran: the pair's own formulas in `steps`, those of the rest of the triangle in `rest`.
ElementSolution SolveElementValues(Element first, double firstValue, Element second,
                                   double secondValue, Steps* steps = nullptr,
                                   Steps* rest = nullptr);

// The same, with the exact values the steps work with where they were typed as fractions or
// roots ("2√3").
ElementSolution SolveGivenElements(const GivenElement& first, const GivenElement& second,
                                   Steps* steps = nullptr, Steps* rest = nullptr);

// Reads a given element's text: an angle by ReadTypedAngle, any other (a trigonometric value
// too: "5/13", "√3/2", "0,6") by ReadTypedNumber.
Calculated<TypedNumber, FieldTextProblem> ReadGivenElement(Element element, std::string_view text,
                                                           const NumberFormat& region = {});

// Reads an angle in degrees: a number as ReadFieldNumberStrictly reads it, followed or not
// by "°", or whole degrees and minutes, "36°52′" (or with "'"), or without the degree sign
// "36 52′" (the minute sign then required: "36 52" is a number with a digit group). The
// form the window writes, "16°16′ (16,260°)", is read by its degrees and minutes; the
// decimal in parentheses must agree with them to their rounding.
Calculated<double, FieldTextProblem> ReadAngleStrictly(std::string_view text,
                                                       const NumberFormat& region = {});

} // namespace triangle
