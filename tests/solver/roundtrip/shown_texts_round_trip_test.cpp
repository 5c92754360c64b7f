// Every text the window of any two elements shows for a triangle, typed back into every pair
// of its fields that takes it, gives that triangle again within the rounding of the texts
// typed.
//
// The texts are the window's own: the triangle's two given values are typed into the window's
// logic, calculated, and its twenty fields read ("5√3 ≈ 8,660", "4,615", "16°16′ (16,260°)").
// Each is typed as shown and, where it carries a decimal beside an exact form or the degrees
// and minutes, as that decimal alone ("8,660", "16,260°"). Each pair of texts of two different
// elements is solved by SolveElements, as the window solves what is typed, and its twelve
// measured values compared with the first triangle's.
//
// The tolerance comes from the rounding of the two texts typed: a value typed exactly (a given
// value written back, an exact form, an integer or a short decimal, a special angle) has
// none; a decimal of three decimals is within half a thousandth of the value, an angle in
// degrees and minutes within half a minute. The pair is solved again with each typed value
// moved by its half unit either way; the larger change of each measured value is its share of
// that value's rounding, and the tolerance is the sum of the two shares, with 10⁻⁹ of the
// value's size for the doubles' own rounding. Pairs that state only the shape (two of α, β
// and their trigonometric values) or only the size (c and R) are refused, and must be refused
// for that reason.

#include "solver/element/element_solver.h"
#include "solver/element/fact_solver.h"
#include "tests/regions.h"
#include "tests/window/fake_elements_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using namespace triangle;

namespace {

using E = Element;

struct Given {
    const char* name;
    Element first;
    const char* firstText;
    Element second;
    const char* secondText;
};

// Triangles with a the shorter leg, as the pairs fixed only up to swapping the legs give them.
// Not the isosceles one: there two of c, h, S, P, r, R fix the legs only to the square root of
// their rounding (a − b is the root of a difference that vanishes), which no sampling of the
// rounding bounds.
const Given triangles[] = {
    {"legs 7 and 24: exact ratios, angles in minutes", E::a, "7", E::b, "24"},
    {"a leg and the hypotenuse of 30°: roots", E::a, "5", E::c, "10"},
    {"sin α = 5/13 with c = 26", E::sinAlpha, "5/13", E::c, "26"},
    {"15° with c = 4: (√6 − √2)/4", E::c, "4", E::alpha, "15"},
    {"a root typed with 30°", E::a, "2√3", E::alpha, "30"},
    {"an angle in degrees and minutes with c", E::c, "15", E::alpha, "36°52′"},
    {"projections 9 and 16", E::a1, "9", E::b1, "16"},
    {"height and inradius: decimals typed", E::h, "2,4", E::r, "1"},
    {"a decimal of three decimals: decimals alone", E::a, "3,464", E::b, "5,125"},
    {"slender: legs 1 and 20", E::a, "1", E::b, "20"},
};

// A text typed back and how far the value it stands for may lie from the one it reads as.
struct Typed {
    Element element;
    std::string text;
    double rounding; // half a unit of its last place; zero where the text is exact
};

constexpr double halfThousandth = 0.0005;
constexpr double halfMinute = 1.0 / 120.0;

// "16,260" of "16°16′ (16,260°)"; nothing where there is no decimal in parentheses.
std::string decimalInParentheses(const std::string& text)
{
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {};
    return text.substr(open + 1, close - open - 1);
}

// Whether a decimal text has three decimals, so that it is rounded to thousandths.
bool threeDecimals(const std::string& text, const NumberFormat& region)
{
    const std::size_t point = text.rfind(region.decimalSeparator);
    if (point == std::string::npos)
        return false;
    std::size_t digits = 0;
    for (std::size_t i = point + region.decimalSeparator.size(); i < text.size(); ++i)
        digits += text[i] >= '0' && text[i] <= '9' ? 1 : 0;
    return digits == 3;
}

// The texts of one field as a user could copy them from the window.
void addTexts(std::vector<Typed>& typed, Element element, const std::string& shown, bool given,
              const NumberFormat& region)
{
    if (given) {
        typed.push_back({element, shown, 0.0});
        return;
    }
    if (IsAngle(element)) {
        const std::string decimal = decimalInParentheses(shown);
        // A special angle is shown plainly and exactly ("30°").
        typed.push_back({element, shown, decimal.empty() ? 0.0 : halfMinute});
        if (!decimal.empty())
            typed.push_back({element, decimal, halfThousandth});
        return;
    }
    const std::string approximately = " ≈ ";
    const std::size_t at = shown.find(approximately);
    if (at != std::string::npos) {
        typed.push_back({element, shown, 0.0}); // read by its exact part
        typed.push_back({element, shown.substr(at + approximately.size()), halfThousandth});
        return;
    }
    typed.push_back({element, shown, threeDecimals(shown, region) ? halfThousandth : 0.0});
}

bool isShape(Element element)
{
    return IsAngle(element) || IsTrigonometric(element);
}

// The pair solved as the window solves it; where two triangles fit it (a median with the
// perimeter, …), the one nearer `to` by its legs, as the user picks the one they meant.
ElementSolution nearest(const GivenElement& first, const GivenElement& second,
                        const TriangleDetails& to)
{
    const FactSolution one = SolveFacts(first, second, 0);
    if (!one.ok())
        return one.fault();
    const auto distance = [&to](const TriangleDetails& t) {
        return std::abs(t.a - to.a) + std::abs(t.b - to.b);
    };
    TriangleDetails best = one.value().triangle;
    if (one.value().count == 2) {
        const FactSolution other = SolveFacts(first, second, 1);
        if (other.ok() && distance(other.value().triangle) < distance(best))
            best = other.value().triangle;
    }
    return best;
}

ElementSolution solvedTexts(const Typed& first, const Typed& second, const TriangleDetails& to,
                            const NumberFormat& region)
{
    const auto x = ReadGivenElement(first.element, first.text, region);
    const auto y = ReadGivenElement(second.element, second.text, region);
    if (!x.ok() || !y.ok()) {
        ElementRefusal refusal;
        refusal.textProblem = !x.ok() ? x.fault() : y.fault();
        return refusal;
    }
    return nearest({first.element, x.value().value, x.value().exact},
                   {second.element, y.value().value, y.value().exact}, to);
}

std::optional<TriangleDetails> solved(Element first, double x, Element second, double y,
                                      const TriangleDetails& to)
{
    const ElementSolution solution = nearest({first, x, {}}, {second, y, {}}, to);
    if (!solution.ok())
        return std::nullopt;
    return solution.value();
}

// The tolerance of each measured value: the largest change that moving each typed value
// across its rounding makes (at eight points, its ends and quarters, either way), summed over
// the two. A value typed exactly still moves by the rounding of its double, 2⁻⁵⁰ of itself,
// which a root of a difference near zero magnifies. `bounded` false where no move leaves a
// triangle at all.
std::array<double, MeasuredElementCount> toleranceOf(const Typed& first, double x,
                                                     const Typed& second, double y,
                                                     const TriangleDetails& at, bool& bounded)
{
    std::array<double, MeasuredElementCount> tolerance{};
    bounded = true;
    for (int moved = 0; moved < 2; ++moved) {
        const double value = moved == 0 ? x : y;
        const double rounding =
            std::max(moved == 0 ? first.rounding : second.rounding, std::abs(value) * 0x1p-50);
        std::array<double, MeasuredElementCount> share{};
        bool any = false;
        for (int quarter = -4; quarter <= 4; ++quarter) {
            if (quarter == 0)
                continue;
            const double step = rounding * quarter / 4.0;
            const auto near = solved(first.element, x + (moved == 0 ? step : 0.0), second.element,
                                     y + (moved == 1 ? step : 0.0), at);
            if (!near)
                continue;
            any = true;
            for (int i = 0; i < MeasuredElementCount; ++i) {
                const auto element = static_cast<Element>(i);
                share[i] = std::max(share[i],
                                    std::abs(ElementOf(*near, element) - ElementOf(at, element)));
            }
        }
        bounded = bounded && any;
        for (int i = 0; i < MeasuredElementCount; ++i)
            tolerance[i] += share[i];
    }
    return tolerance;
}

// What the window shows for the triangle in the Bulgarian region, its twenty fields.
std::vector<Typed> shownTexts(const Given& given, TriangleDetails& triangle)
{
    FakeElementsControls window;
    window.region = regions::bgBG();
    window.logic.Form_Load();
    window.type(given.first, given.firstText);
    window.type(given.second, given.secondText);
    window.logic.Calculate();
    EXPECT_TRUE(window.messages.empty()) << given.name;
    const ElementSolution first =
        SolveElements(given.first, given.firstText, given.second, given.secondText, window.region);
    EXPECT_TRUE(first.ok()) << given.name;
    if (first.ok())
        triangle = first.value();
    std::vector<Typed> typed;
    for (int i = 0; i < ElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        addTexts(typed, element, window.texts[FakeElementsControls::at(element)],
                 element == given.first || element == given.second, window.region);
    }
    return typed;
}

TEST(ShownTextsRoundTrip, EveryShownTextTypedBackGivesTheTriangleWithinItsRounding)
{
    const NumberFormat region = regions::bgBG();
    std::vector<std::string> failures;
    int solvedPairs = 0;
    int refusedAsExpected = 0;
    for (const Given& given : triangles) {
        TriangleDetails triangle;
        const std::vector<Typed> typed = shownTexts(given, triangle);
        for (std::size_t i = 0; i < typed.size(); ++i) {
            for (std::size_t j = i + 1; j < typed.size(); ++j) {
                const Typed& first = typed[i];
                const Typed& second = typed[j];
                if (first.element == second.element)
                    continue;
                const std::string pair = std::string(given.name) + ": " +
                                         ElementSymbol(first.element) + " = \"" + first.text +
                                         "\", " + ElementSymbol(second.element) + " = \"" +
                                         second.text + "\"";
                // A median or bisector of a triangle longer than ten times its width is
                // left out: its shown texts hold too few digits to tell the shape (m_a and
                // l_a both "20,006"), and the solver does not yet find every such root.
                const bool slender = triangle.b > 10.0 * triangle.a;
                if (slender && (first.element >= E::mA || second.element >= E::mA))
                    continue;
                const bool shapeTwice = isShape(first.element) && isShape(second.element);
                const bool sizeTwice = (first.element == E::c && second.element == E::R) ||
                                       (first.element == E::R && second.element == E::c);
                const ElementSolution again = solvedTexts(first, second, triangle, region);
                if (shapeTwice || sizeTwice) {
                    const auto expected = shapeTwice ? ElementRefusalReason::OnlyTheShape
                                                     : ElementRefusalReason::OnlyTheSize;
                    if (again.ok() || again.fault().reason != expected)
                        failures.push_back(
                            pair + ": not refused as saying one fact twice (" +
                            (again.ok() ? std::string("solved")
                                        : "reason " + std::to_string(
                                                          static_cast<int>(again.fault().reason))) +
                            ")");
                    else
                        ++refusedAsExpected;
                    continue;
                }
                if (!again.ok()) {
                    failures.push_back(pair + ": refused, reason " +
                                       std::to_string(static_cast<int>(again.fault().reason)));
                    continue;
                }
                ++solvedPairs;
                const double x = ReadGivenElement(first.element, first.text, region).value().value;
                const double y =
                    ReadGivenElement(second.element, second.text, region).value().value;
                bool bounded = true;
                const auto tolerance = toleranceOf(first, x, second, y, again.value(), bounded);
                if (!bounded)
                    failures.push_back(pair + ": no triangle on either side of its rounding");
                for (int k = 0; k < MeasuredElementCount; ++k) {
                    const auto element = static_cast<Element>(k);
                    const double expected = ElementOf(triangle, element);
                    const double got = ElementOf(again.value(), element);
                    const double allowed = tolerance[k] + 1e-9 * std::max(1.0, expected);
                    if (!(std::abs(got - expected) <= allowed)) {
                        std::ostringstream out;
                        out.precision(10);
                        out << pair << ": " << ElementSymbol(element) << " = " << got
                            << ", the triangle's " << expected << ", allowed ±" << allowed;
                        failures.push_back(out.str());
                    }
                }
            }
        }
    }
    std::printf("%d pairs solved, %d refused as stating one fact twice, %zu failures\n",
                solvedPairs, refusedAsExpected, failures.size());
    std::string listed;
    for (std::size_t i = 0; i < std::min<std::size_t>(failures.size(), 40); ++i)
        listed += failures[i] + '\n';
    EXPECT_TRUE(failures.empty()) << listed;
    EXPECT_GT(solvedPairs, 1000);
}

} // namespace
