#include "solver/element/element_pairs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

namespace triangle::elements {

namespace {

using formula::one;
using formula::two;
using E = Element;

// The square of a trigonometric value, written "sin²α" with names as a book writes it, and
// "(5/13)²" or "0,385²" with values.
class SquareOf {
public:
    static constexpr formula::Binding binding = formula::Binding::Primary;

    explicit SquareOf(const Quantity& x) : m_x(x), m_value(x.value() * x.value()) {}
    Checked value() const { return m_value; }
    ExactNumber exact(const Steps& steps) const
    {
        const ExactNumber x = m_x.exact(steps);
        return x * x;
    }
    void write(formula::Writer& out) const
    {
        if (!out.region) {
            const std::string_view name = m_x.name();
            const std::size_t space = std::min(name.find(' '), name.size());
            out.text += name.substr(0, space);
            out.text += "²";
            out.text += name.substr(std::min(space + 1, name.size()));
            return;
        }
        formula::writeBracketed(m_x, out, false, formula::Place::Power);
        out.text += "²";
    }

private:
    Quantity m_x;
    Checked m_value;
};

// sin α and cos α, whichever of them was not given, from the given value of α.
void findSineAndCosine(Work& work, Element given)
{
    const Quantity x = work[given];
    switch (given) {
    case E::sinAlpha:
        work.find(E::cosAlpha, sqrt(one - SquareOf(x)));
        return;
    case E::cosAlpha:
        work.find(E::sinAlpha, sqrt(one - SquareOf(x)));
        return;
    case E::tgAlpha: {
        // 1 + tg²α = 1/cos²α
        const Quantity& cosine = work.find(E::cosAlpha, one / sqrt(one + SquareOf(x)));
        work.find(E::sinAlpha, x * cosine);
        return;
    }
    case E::cotgAlpha: {
        // 1 + cotg²α = 1/sin²α
        const Quantity& sine = work.find(E::sinAlpha, one / sqrt(one + SquareOf(x)));
        work.find(E::cosAlpha, x * sine);
        return;
    }
    default:
        return;
    }
}

// α in degrees as a given value of α, β or one of their trigonometric values says it; a sine
// or cosine beyond 1 taken as 1.
double alphaOf(Element element, double value)
{
    constexpr double degrees = 180.0 / std::numbers::pi;
    const double bounded = std::min(value, 1.0);
    switch (element) {
    case E::alpha:
        return value;
    case E::beta:
        return 90.0 - value;
    case E::sinAlpha:
    case E::cosBeta:
        return std::asin(bounded) * degrees;
    case E::cosAlpha:
    case E::sinBeta:
        return std::acos(bounded) * degrees;
    case E::tgAlpha:
    case E::cotgBeta:
        return std::atan(value) * degrees;
    default: // cotg α, tg β
        return std::atan2(1.0, value) * degrees;
    }
}

// The angles α that a value stands for within its typing: half a thousandth either way, an
// angle half a minute, as the window shows it to the minute ("16°16′") and it is typed back
// so. A minute is coarser than what a thousandth of a trigonometric value leaves of the angle
// (cotg α = 3,429 says α to ±0,002°), so an angle so typed still says the same angle.
std::pair<double, double> alphaWithinTyping(Element element, double value)
{
    const double rounding = IsAngle(element) ? 1.0 / 120.0 : halfThousandth;
    return std::minmax(alphaOf(element, std::max(value - rounding, 0.0)),
                       alphaOf(element, value + rounding));
}

bool isShape(Element element)
{
    return IsAngle(element) || IsTrigonometric(element);
}

} // namespace

std::optional<ElementRefusalReason> ShapeTwice(Element first, double firstValue, Element second,
                                               double secondValue)
{
    if (!isShape(first) || !isShape(second))
        return std::nullopt;
    const auto [low1, high1] = alphaWithinTyping(first, firstValue);
    const auto [low2, high2] = alphaWithinTyping(second, secondValue);
    if (high1 < low2 || high2 < low1)
        return ElementRefusalReason::ShapeContradicts;
    return ElementRefusalReason::OnlyTheShape;
}

Outcome SolveTrigonometricPair(Work& work, Element trigonometric, Element other)
{
    findSineAndCosine(work, trigonometric);
    const Quantity sine = work[E::sinAlpha];
    const Quantity cosine = work[E::cosAlpha];
    const Quantity x = work[other];
    switch (other) {
    case E::a: {
        // sin α = a / c
        const Quantity& c = work.find(E::c, x / sine);
        work.find(E::b, c * cosine);
        return std::nullopt;
    }
    case E::b: {
        // cos α = b / c
        const Quantity& c = work.find(E::c, x / cosine);
        work.find(E::a, c * sine);
        return std::nullopt;
    }
    case E::c:
        break;
    case E::h: // h = a·b / c = c·sin α·cos α
        work.find(E::c, x / (sine * cosine));
        break;
    case E::a1: // a₁ = a² / c = c·sin²α
        work.find(E::c, x / SquareOf(sine));
        break;
    case E::b1:
        work.find(E::c, x / SquareOf(cosine));
        break;
    case E::S: // S = a·b / 2 = c²·sin α·cos α / 2
        work.find(E::c, sqrt((two * x) / (sine * cosine)));
        break;
    case E::P: // P = c + c·sin α + c·cos α
        work.find(E::c, x / ((one + sine) + cosine));
        break;
    case E::r: // 2r = a + b − c = c·(sin α + cos α − 1)
        work.find(E::c, (two * x) / ((sine + cosine) - one));
        break;
    case E::R:
        work.find(E::c, two * x);
        break;
    default: // an angle or a trigonometric value: refused before
        return work.refuse(ElementRefusalReason::NoTriangle);
    }
    const Quantity c = work[E::c];
    work.find(E::a, c * sine);
    work.find(E::b, c * cosine);
    return std::nullopt;
}

} // namespace triangle::elements
