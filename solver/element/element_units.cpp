// Each element of a right triangle per unit of its hypotenuse, as a function of the shape α:
// what the scheme's facts are made of.
#include "solver/element/cevians.h"
#include "solver/element/element_pairs.h"
#include "solver/element/element_scheme.h"

#include <cmath>
#include <numbers>

namespace triangle::elements {

namespace {

using E = Element;

constexpr double degree = std::numbers::pi / 180.0;

} // namespace

int DegreeOf(Element element)
{
    if (IsAngle(element) || IsTrigonometric(element))
        return 0;
    return element == E::S ? 2 : 1;
}

int DegreeOf(const SchemeFact& fact)
{
    return fact.form == SchemeFact::Form::Ratio ? 0 : DegreeOf(fact.left);
}

double UnitElement(Element element, double alpha)
{
    const double a = std::sin(alpha * degree);
    const double b = std::cos(alpha * degree);
    switch (element) {
    case E::a:
        return a;
    case E::b:
        return b;
    case E::c:
        return 1.0;
    case E::alpha:
        return alpha;
    case E::beta:
        return 90.0 - alpha;
    case E::h:
        return a * b;
    case E::a1:
        return a * a;
    case E::b1:
        return b * b;
    case E::S:
        return a * b / 2.0;
    case E::P:
        return a + b + 1.0;
    case E::r:
        return a * b / (a + b + 1.0);
    case E::R:
        return 0.5;
    case E::sinAlpha:
    case E::cosBeta:
        return a;
    case E::cosAlpha:
    case E::sinBeta:
        return b;
    case E::tgAlpha:
    case E::cotgBeta:
        return a / b;
    case E::cotgAlpha:
    case E::tgBeta:
        return b / a;
    default:
        return UnitCevianOf(a, b, element);
    }
}

double UnitFact(const SchemeFact& fact, double alpha)
{
    const double left = UnitElement(fact.left, alpha);
    switch (fact.form) {
    case SchemeFact::Form::Value:
        return left;
    case SchemeFact::Form::Ratio:
        return left / UnitElement(fact.right, alpha);
    case SchemeFact::Form::Sum:
        return left + UnitElement(fact.right, alpha);
    case SchemeFact::Form::Difference:
        break;
    }
    return left - UnitElement(fact.right, alpha);
}

bool IsSymmetric(const SchemeFact& fact)
{
    const bool left = MirrorOf(fact.left) == fact.left;
    const bool right = MirrorOf(fact.right) == fact.right;
    switch (fact.form) {
    case SchemeFact::Form::Value:
        return left;
    case SchemeFact::Form::Sum:
        return (left && right) || MirrorOf(fact.left) == fact.right;
    case SchemeFact::Form::Ratio:
    case SchemeFact::Form::Difference:
        break;
    }
    return left && right;
}

double HypotenuseFrom(const SchemeFact& fact, double alpha)
{
    const double unit = UnitFact(fact, alpha);
    const double ratio = fact.value / unit;
    return DegreeOf(fact) == 2 ? std::sqrt(ratio) : ratio;
}

} // namespace triangle::elements
