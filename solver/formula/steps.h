#pragma once

// The steps of a calculation as the program evaluated it, for the window "Решение": each
// formula with its names, with its numbers put in, and its result; where the result follows
// exactly from the given values, also its exact form ("√75 = 5√3").

#include "solver/exact/exact_number.h"
#include "solver/number/number_format.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace triangle {

// What the window says about a step besides its formula.
enum class StepNote {
    None,
    SumOfLegs,              // the step's quantity is a + b
    LegsDifferenceAMinusB,  // a − b, a the longer leg
    LegsDifferenceBMinusA,  // b − a, b the longer leg
    SquareOfBAsProduct,     // the step's quantity is c + a, from b² = (c − a)(c + a)
    SquareOfAAsProduct,     // the step's quantity is c + b, from a² = (c − b)(c + b)
    LegsDifferenceFromSum,  // the step's quantity is b − a, from (b − a)² = 2c² − (a + b)²
    RadicandWithinRounding, // no formula: the radicand `formula` is below zero only as far as
                            // typing the given values to three decimals can take it, so the
                            // triangle is the isosceles one, whose formulas follow
    BoundWithinRounding,    // no formula: the given values are beyond the bound `formula`, of
                            // value `result`, only as far as typing them to three decimals
                            // can take them, so the triangle is the isosceles one
    SolvedNumerically,      // the quantity is the root of the equation `formula` = `result`
                            // of the step, found numerically to the last bit of a double
};

// One formula as the program evaluated it: "b = √(c² − a²)", the same with the numbers put
// in, "√(5,000² − 3,000²)", and the result.
struct Step {
    Step() = default;
    Step(std::string name, std::string formula, std::string substituted, double result,
         std::string unit = {}, StepNote note = StepNote::None)
        : name(std::move(name)), formula(std::move(formula)), substituted(std::move(substituted)),
          result(result), unit(std::move(unit)), note(note)
    {}

    std::string name;
    std::string formula;
    std::string substituted;
    double result = 0.0;
    std::string unit; // written after the result: "°" for an angle in degrees
    StepNote note = StepNote::None;
    // Where the result follows from the given values by the four operations, square roots
    // and the special angles: the formula with the exact values put in ("√(10² − 5²)"), a
    // root's radicand worked out where the formula is a root ("√75"), and the result in its
    // canonical form ("5√3"); empty where there is none or it would be too long.
    std::string exactSubstituted;
    std::string exactRadicand;
    std::string exactResult;
    bool exactIsShort = false; // a rational of at most three decimals: no decimal after it
    // Worked out with exact values, the result has none of at most three decimals: its
    // decimal is rounded ("2·sin 65° ≈ 1,813").
    bool rounded = false;
    // An angle found from its tangent, as a textbook of the eighth grade writes it: "tg α =
    // a / b = 7/24 ⇒ α ≈ 16°16′". The ratio's names, its numbers put in, its exact value
    // where the steps show one ("7/24", "√3/3"), and its value.
    bool fromTangent = false;
    std::string tangentFormula;
    std::string tangentSubstituted;
    std::string tangentExact;
    double tangent = 0.0;
    // The exact value of the result, where the steps work exact values out; none otherwise.
    // A decimal on a half thousandth is rounded half up from it (FormatRoundedByHand).
    ExactNumber exactValue;
};

// The steps of one calculation, in the order they ran, with numbers in the user's region.
class Steps {
public:
    // `exact`: whether the steps also work out the exact values.
    explicit Steps(NumberFormat region = {}, bool exact = true)
        : m_region(std::move(region)), m_exact(exact)
    {}

    const NumberFormat& region() const { return m_region; }
    const std::vector<Step>& list() const { return m_list; }
    void add(Step step) { m_list.push_back(std::move(step)); }
    // Leaves out the lines from the `from`th on that work out `name` again, a value that was
    // given; its exact value stays.
    void omitFrom(std::size_t from, std::string_view name);

    bool exact() const { return m_exact; }
    // Whether the steps write the exact forms they work out: not where a value was typed as a
    // decimal of three or more decimals (3,464), which stands for a rounded one (2√3) and
    // would only give forms that no book writes (866√3/375). The exact values are still
    // worked out, to round a result on a half thousandth as by hand.
    bool showsExact() const { return m_exact && m_shown; }
    // The exact value of a quantity by its name, given or worked out in an earlier step;
    // none where it has none.
    ExactNumber exactOf(std::string_view name) const;
    void setExact(std::string_view name, const ExactNumber& value);
    // A given value typed as a decimal: exactly that decimal; one of three or more decimals
    // turns the showing of exact forms off (showsExact).
    void given(std::string_view name, double value);
    // A given value typed exactly, "2√3"; none where it has no exact value.
    void given(std::string_view name, const ExactNumber& value);
    // From here on no exact values: the values were taken as a triangle that none exactly
    // has (the isosceles one within their rounding).
    void dropExact();
    // The exact values of an earlier calculation, to go on from its results.
    void continueFrom(const Steps& earlier);

private:
    NumberFormat m_region;
    std::vector<Step> m_list;
    bool m_exact;
    bool m_shown = true;
    std::vector<std::pair<std::string, ExactNumber>> m_values;
};

} // namespace triangle
