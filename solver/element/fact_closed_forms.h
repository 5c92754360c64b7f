#pragma once

// The textbook's closed forms for a relation: a ratio of two of a, b, c is a trigonometric
// value (a : b = tg α, c : a = 1 / sin α), a₁ : b₁ = tg²α, a relation of the acute angles
// gives α, c − a with b gives a by b² = (c − a)(c + a), a + b with c gives the legs by the
// quadratic.

#include "solver/element/element_solver.h"
#include "solver/formula/steps.h"
#include "solver/relation/relation.h"

#include <optional>

namespace triangle::facts {

// Each closed form writes into `steps`, where there are steps to keep, how it reads its
// relation: "α = 90°·1 / (1 + 5) = 15°", "tg α = a / b = 5 / 12 = 5/12", "c + a = b² /
// (c − a) = 7² / 1 = 49".

// α from "α : β = 1 : 5", "α − β = 40°", "α = 2β"; none for a sum or lengths.
std::optional<GivenElement> AngleOf(const Relation& relation, Steps* steps = nullptr);

// tg α, sin α or cos α from a ratio or multiple of two of a, b, c, or tg α from one of a₁
// and b₁; none for any other relation.
std::optional<GivenElement> TrigonometricOf(const Relation& relation, Steps* steps = nullptr);

// The two legs a closed form gives, as given elements with their exact values; `solved`
// false where the relation's values are beyond its bounds, `refusal` then set.
struct Legs {
    GivenElement first{Element::a, 0.0, {}};
    GivenElement second{Element::b, 0.0, {}};
    bool solved = false;
};

// c − a = d with b (c − b with a): none where the facts are of no such pair.
std::optional<Legs> LegsFromDifference(const Relation& relation, const GivenElement& leg,
                                       ElementRefusal& refusal, Steps* steps = nullptr);
// a + b = s with c: none where the facts are of no such pair.
std::optional<Legs> LegsFromSum(const Relation& relation, const GivenElement& hypotenuse,
                                ElementRefusal& refusal, Steps* steps = nullptr);

} // namespace triangle::facts
