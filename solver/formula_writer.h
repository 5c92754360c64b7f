#pragma once

// How a formula writes itself: with the quantities' names, with their values to three
// decimals in the user's region, or with their exact values.

#include "solver/exact_text.h"
#include "solver/field_number.h"
#include "solver/steps.h"

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
        text += FormatFieldNumber(value, *region);
        text += unit;
        if (value < 0.0)
            text += ')';
    }

    void exactNumber(const ExactNumber& value, const char* unit)
    {
        const std::optional<std::string> written = WriteExact(value, *region);
        if (!written) {
            missing = true;
            return;
        }
        const bool sum = value.terms().size() > 1;
        const bool negative = written->starts_with("−");
        const bool fraction = written->find('/') != std::string::npos;
        const bool plain =
            !sum && !negative && !fraction && written->find("√") == std::string::npos;
        const bool bareRoot = !sum && !fraction && written->starts_with("√");
        // "(√6 − √2)/4" is one fraction: a sum need not bracket it again.
        const bool oneFraction = written->starts_with("(");
        const bool bracket = (place == Place::Sum && ((sum && !oneFraction) || negative)) ||
                             (place == Place::Product && (sum || negative || fraction)) ||
                             (place == Place::Divisor && !plain && !bareRoot) ||
                             (place == Place::Power && !plain);
        text += bracket ? "(" + *written + ")" : *written;
        text += unit;
    }
};

} // namespace triangle::formula
