#pragma once

// How a formula writes itself: with the quantities' names, with their values to three
// decimals in the user's region, or with their exact values.

#include "solver/exact/exact_text.h"
#include "solver/formula/steps.h"
#include "solver/number/field_number.h"

#include <optional>
#include <string>

namespace triangle::formula {

// How tightly a term binds, for deciding where the written text needs parentheses.
enum class Binding { Sum = 1, Product = 2, Primary = 3 };

// Where a quantity stands in a formula, for deciding whether its exact value needs
// brackets: alone (or first in a sum), after a sign of a sum, in a product, a divisor,
// squared.
enum class Place { Alone, Sum, Product, Divisor, Power };

// Writes terms with names, or, given a region, with their values to three decimals, or,
// given the steps that hold them too, with their exact values.
struct Writer {
    const NumberFormat* region = nullptr;
    std::string text;
    const Steps* exact = nullptr;
    bool missing = false; // a quantity had no exact value: the text is not one
    Place place = Place::Alone;
    // With the values to three decimals, the steps whose exact values say which of them are
    // whole or short decimals, written as the book writes them: "2·sin 65°", not
    // "2,000·sin 65,000°".
    const Steps* known = nullptr;

    void number(const char* name, double value, const char* unit = "")
    {
        if (!region) {
            text += name;
            return;
        }
        if (exact) {
            exactNumber(exact->exactOf(name), unit);
            return;
        }
        // A negative number in a formula is bracketed, as on paper: 2·(−1,500).
        if (value < 0.0)
            text += '(';
        text += shortDecimal(name).value_or(FormatFieldNumber(value, *region));
        text += unit;
        if (value < 0.0)
            text += ')';
    }

    std::optional<std::string> shortDecimal(const char* name) const
    {
        if (!known)
            return std::nullopt;
        const ExactNumber value = known->exactOf(name);
        if (!FitsThreeDecimals(value))
            return std::nullopt;
        return WriteExact(value, *region);
    }

    void exactNumber(const ExactNumber& value, const char* unit)
    {
        const std::optional<std::string> written = WriteExact(value, *region);
        if (!written) {
            missing = true;
            return;
        }
        // As WriteExact writes it: "2 + √3", "−3", "10/3" and "5√3/2" but "7,5", "√3",
        // "(1 + √3)/2".
        const bool sum = value.isSum();
        const bool fraction = value.isQuotient() && !FitsThreeDecimals(value);
        // "(−1 − √3)/2" begins with its bracket.
        const bool negative = value.hasOnlyNegativeTerms() && !(sum && fraction);
        const bool plain = !sum && !negative && !fraction && !value.hasRoot();
        const bool bareRoot = value.isSqrtOfInteger();
        // "(√6 − √2)/4" is one fraction: a sum need not bracket it again.
        const bool oneFraction = sum && fraction;
        // A product is read left to right, so a fraction right after "·" reads as the value
        // it is: c·p/q is (c·p)/q, which equals c·(p/q) ("26·5/13"). Anywhere else in a
        // product, first or as a divisor, it keeps its brackets ("a / (5/13)").
        const bool factor = place == Place::Product && text.ends_with("·");
        const bool bracket =
            (place == Place::Sum && ((sum && !oneFraction) || negative)) ||
            (place == Place::Product && (sum || negative || (fraction && !factor))) ||
            (place == Place::Divisor && !plain && !bareRoot) || (place == Place::Power && !plain);
        text += bracket ? "(" + *written + ")" : *written;
        text += unit;
    }
};

} // namespace triangle::formula
