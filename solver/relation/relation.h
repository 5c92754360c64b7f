#pragma once

// A relation between two elements as a textbook states it, typed in a field of its own:
// "a : b = 5 : 12", "a + b = 23", "c − a = 1", "c = 2a", "b = a√3", "α : β = 1 : 5",
// "α − β = 40°". Both elements are lengths (the perimeter among them) or both are the acute
// angles.

#include "solver/element/element_solver.h"
#include "solver/number/typed_number.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace triangle {

enum class RelationKind : std::uint8_t {
    Ratio,      // left : right = first : second
    Sum,        // left + right = first
    Difference, // left − right = first
    Multiple,   // left = first·right ("c = 2a", "b = a√3")
};

struct Relation {
    RelationKind kind = RelationKind::Ratio;
    Element left = Element::a;
    Element right = Element::b;
    TypedNumber first;  // the ratio's first term, the sum, the difference or the factor
    TypedNumber second; // the ratio's second term; unused by the other kinds
};

enum class RelationTextProblem : std::uint8_t {
    Empty,          // nothing but blanks
    NotARelation,   // none of the forms above
    UnknownElement, // a name that is no element: "x + b = 3"
    NumberText,     // a number that does not read: see `number`
    MixedKinds,     // a length with an angle, or an element no relation takes (S, sin α)
    SameElement,    // "a : a = 1 : 2"
    NotPositive, // a number that reads but is zero or negative: "a : b = 0 : 1", "c − a = −1"
};

struct RelationTextFault {
    RelationTextProblem problem = RelationTextProblem::Empty;
    FieldTextProblem number = FieldTextProblem::Empty; // with NumberText
};

// Reads a relation typed with a keyboard's letters and signs in either layout: "a:b=5:12",
// "a1:b1=2:3", "c-a=1", "c=2a", Cyrillic а, б, с, Р for a, b, c, P; the numbers in any form
// ReadTypedNumber (or for an angle ReadTypedAngle) reads.
Calculated<Relation, RelationTextFault> ReadRelation(std::string_view text,
                                                     const NumberFormat& region = {});

// The relation as the book writes it: "a : b = 5 : 12", "c − a = 1", "c = 2a", "b = a√3",
// "α − β = 40°"; the numbers in the region's form, exact ones as typed exactly.
std::string WriteRelation(const Relation& relation, const NumberFormat& region = {});

// One of a relation's numbers as it was typed: a fraction or a root as the book writes it
// ("3/5", "2√3"), a decimal in the region's form ("7,5").
std::string WriteTypedNumber(const TypedNumber& number, const NumberFormat& region = {});

} // namespace triangle
