#include "window/text/refusal_message.h"

#include "solver/number/field_number.h"
#include "solver/relation/relation.h"
#include "solver/variant/variant_solver.h"
#include "window/text/ui_texts.h"

#include <charconv>
#include <cmath>

namespace triangle {

namespace {

// A field's text quoted in a message: cut short with an ellipsis, at a character's
// boundary, where a whole pasted column would make the message unreadable.
std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 40; // characters
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && ++characters > longest)
            return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

std::string superscript(int exponent)
{
    static constexpr const char* digits[10] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    const std::string plain = std::to_string(exponent < 0 ? -exponent : exponent);
    for (char digit : plain)
        text += digits[digit - '0'];
    return text;
}

// "катет a = 5,000"
std::string quantityValue(std::int16_t column, std::optional<double> value,
                          const NumberFormat& region)
{
    std::string text = texts::QuantityValue;
    Fill(text, "quantity", texts::QuantityNames[column]);
    Fill(text, "value", value ? MessageNumber(*value, region) : std::string());
    return text;
}

std::string givens(const Refusal& refusal, const NumberFormat& region)
{
    const GivenColumns columns = GivenColumnsOf(refusal.variant);
    std::string text = texts::GivensJoined;
    Fill(text, "first", quantityValue(columns.first, refusal.first, region));
    Fill(text, "second", quantityValue(columns.second, refusal.second, region));
    return text;
}

const char* textProblemMessage(FieldTextProblem problem)
{
    switch (problem) {
    case FieldTextProblem::Empty:
        return texts::FieldEmpty;
    case FieldTextProblem::NoNumber:
        return texts::FieldNoNumber;
    case FieldTextProblem::DecimalSeparator:
        return texts::FieldDecimalSeparator;
    case FieldTextProblem::BlankInside:
        return texts::FieldBlankInside;
    case FieldTextProblem::NotOneNumber:
        return texts::FieldNotOneNumber;
    case FieldTextProblem::BeyondRange:
        return texts::FieldBeyondRange;
    }
    return texts::FieldNotOneNumber;
}

const char* checkMessage(RefusalReason reason)
{
    switch (reason) {
    case RefusalReason::FieldText:
    case RefusalReason::NotPositive:
        break;
    case RefusalReason::LegNotShorterThanHypotenuse:
        return texts::LegNotShorterThanHypotenuse;
    case RefusalReason::AreaTooLargeForHypotenuse:
        return texts::AreaTooLargeForHypotenuse;
    case RefusalReason::PerimeterTooShortForHypotenuse:
        return texts::PerimeterTooShortForHypotenuse;
    case RefusalReason::PerimeterTooLongForHypotenuse:
        return texts::PerimeterTooLongForHypotenuse;
    case RefusalReason::AreaTooLargeForPerimeter:
        return texts::AreaTooLargeForPerimeter;
    case RefusalReason::PerimeterTooShortForLeg:
        return texts::PerimeterTooShortForLeg;
    case RefusalReason::ResultBeyondRange:
        return texts::ResultBeyondRange;
    case RefusalReason::NoTriangle:
        break;
    }
    return texts::NoTriangle;
}

// The text the user could have typed: the decimal sign put right where that was all that
// was wrong, otherwise twelve and a half.
std::string example(const Refusal& refusal, std::string_view typed, const NumberFormat& region)
{
    if (refusal.textProblem == FieldTextProblem::DecimalSeparator) {
        for (char separator : {',', '.'}) {
            const std::size_t at = typed.find(separator);
            if (at != std::string_view::npos &&
                region.decimalSeparator != std::string(1, separator))
                return std::string(typed.substr(0, at)) + region.decimalSeparator +
                       std::string(typed.substr(at + 1));
        }
    }
    return "12" + region.decimalSeparator + "5";
}

} // namespace

void Fill(std::string& text, std::string_view name, std::string_view value)
{
    const std::string placeholder = "{" + std::string(name) + "}";
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

std::string Filled(std::string_view text, std::initializer_list<Place> places)
{
    std::string filled;
    std::size_t i = 0;
    while (i < text.size()) {
        const Place* found = nullptr;
        if (text[i] == '{') {
            for (const Place& place : places) {
                const std::string_view rest = text.substr(i + 1);
                if (rest.starts_with(place.name) && rest.substr(place.name.size()).starts_with('}'))
                    found = &place;
            }
        }
        if (found) {
            filled += found->value;
            i += found->name.size() + 2;
        } else {
            filled += text[i++];
        }
    }
    return filled;
}

std::string MessageNumber(double value, const NumberFormat& region)
{
    const double size = std::fabs(value);
    if (value == 0.0 || (size >= 0.0005 && size < 1e15) || !std::isfinite(value))
        return FormatFieldNumber(value, region);
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::scientific, 3);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    std::string text = value < 0.0 ? region.negativeSign : std::string();
    text += scientific.substr(0, 1);
    text += region.decimalSeparator;
    text += scientific.substr(2, 3);
    return text + "·10" + superscript(exponent);
}

namespace {

std::size_t indexOf(Element element)
{
    return static_cast<std::size_t>(element);
}

// "ъгъл α = 30,000°"
std::string elementValue(Element element, std::optional<double> value, const NumberFormat& region)
{
    std::string shown = value ? MessageNumber(*value, region) : std::string();
    if (value && IsAngle(element))
        shown += texts::Degree;
    return Filled(texts::QuantityValue,
                  {{"quantity", texts::ElementNames[indexOf(element)]}, {"value", shown}});
}

std::string elementGivens(const ElementRefusal& refusal, const NumberFormat& region)
{
    // A relation given as a fact is named as it was written: "a + b = 25".
    const auto fact = [&](const std::shared_ptr<const Relation>& relation, Element element,
                          std::optional<double> value) {
        return relation ? WriteRelation(*relation, region) : elementValue(element, value, region);
    };
    return Filled(texts::GivensJoined,
                  {{"first", fact(refusal.firstRelation, refusal.first, refusal.firstValue)},
                   {"second", fact(refusal.secondRelation, refusal.second, refusal.secondValue)}});
}

// "по-голяма от 5,000 и по-малка от 10,000": the range of a median or bisector in words.
std::string cevianRange(const ElementRange& range, const NumberFormat& region)
{
    const auto end = [&](double value, bool reached, double at, const char* open,
                         const char* closed) {
        std::string where;
        if (reached)
            where = std::fabs(at - 45.0) < 1e-6
                        ? texts::CevianRangeIsosceles
                        : Filled(texts::CevianRangeAngle,
                                 {{"angle", MessageNumber(at, region) + texts::Degree}});
        return Filled(reached ? closed : open,
                      {{"value", MessageNumber(value, region)}, {"where", where}});
    };
    const std::string low = range.low ? end(*range.low, range.lowReached, range.lowAt,
                                            texts::CevianRangeLowOpen, texts::CevianRangeLowReached)
                                      : std::string();
    const std::string high = range.high
                                 ? end(*range.high, range.highReached, range.highAt,
                                       texts::CevianRangeHighOpen, texts::CevianRangeHighReached)
                                 : std::string();
    if (low.empty() || high.empty())
        return low + high;
    return Filled(texts::CevianRangeBoth, {{"low", low}, {"high", high}});
}

std::string boundReason(const ElementRefusal& refusal, const NumberFormat& region)
{
    if (refusal.bound == ElementBound::CevianBetween) {
        const bool firstLimited = refusal.field == refusal.first;
        const Element other = firstLimited ? refusal.second : refusal.first;
        const auto value = firstLimited ? refusal.secondValue : refusal.firstValue;
        const auto cevian = static_cast<std::size_t>(refusal.field) - indexOf(Element::mA);
        return Filled(texts::ElementBoundReasons[static_cast<std::size_t>(refusal.bound)],
                      {{"other", elementValue(other, value, region)},
                       {"limited", texts::CevianNames[cevian]},
                       {"range", cevianRange(refusal.range, region)}});
    }
    std::string bound;
    if (refusal.boundValue) {
        std::string value = MessageNumber(*refusal.boundValue, region);
        if (refusal.bound == ElementBound::AngleBelowRightAngle)
            value += texts::Degree;
        bound = Filled(texts::BoundValue, {{"value", value}});
    }
    const bool b = refusal.otherLeg;
    return Filled(texts::ElementBoundReasons[static_cast<std::size_t>(refusal.bound)],
                  {{"leg", b ? "b" : "a"},
                   {"other", b ? "a" : "b"},
                   {"projection", b ? "b₁" : "a₁"},
                   {"angle", b ? "β" : "α"},
                   {"bound", bound}});
}

// The first letter of a text made a capital, for the elements that open a sentence.
std::string capitalised(const std::string& text)
{
    // Every name begins with a Cyrillic lower-case letter of two bytes, а to п (D0 B0–BF)
    // or р to я (D1 80–8F), whose capitals are А to Я (D0 90–AF).
    if (text.size() < 2)
        return text;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto next = static_cast<unsigned char>(text[1]);
    std::string capital = text;
    if (lead == 0xD0 && next >= 0xB0 && next <= 0xBF) {
        capital[1] = static_cast<char>(next - 0x20);
    } else if (lead == 0xD1 && next >= 0x80 && next <= 0x8F) {
        capital[0] = static_cast<char>(0xD0);
        capital[1] = static_cast<char>(next + 0x20);
    }
    return capital;
}

} // namespace

std::string ElementRefusalMessage(const ElementRefusal& refusal, std::string_view firstText,
                                  std::string_view secondText, const NumberFormat& region)
{
    const std::string limit = "1" + region.decimalSeparator + "8·10" + superscript(308);
    const std::size_t field = indexOf(refusal.field);
    switch (refusal.reason) {
    case ElementRefusalReason::FieldText: {
        const std::string_view typed = refusal.field == refusal.first ? firstText : secondText;
        Refusal asRow;
        asRow.textProblem = refusal.textProblem;
        std::string examples = example(asRow, typed, region);
        if (refusal.textProblem != FieldTextProblem::DecimalSeparator)
            examples = IsAngle(refusal.field)
                           ? texts::AngleFieldExamples
                           : Filled(texts::ElementFieldExamples, {{"example", examples}});
        return Filled(textProblemMessage(refusal.textProblem),
                      {{"field", texts::ElementNames[field]},
                       {"text", quoted(typed)},
                       {"decimal", region.decimalSeparator},
                       {"example", examples},
                       {"limit", limit}});
    }
    case ElementRefusalReason::NotPositive: {
        const auto value =
            refusal.field == refusal.first ? refusal.firstValue : refusal.secondValue;
        return Filled(texts::NotPositive,
                      {{"subject", texts::ElementSubjects[field]},
                       {"value", value ? MessageNumber(*value, region) : std::string()}});
    }
    case ElementRefusalReason::SameElement:
        return Filled(texts::ElementSameTwice, {{"field", texts::ElementSubjects[field]}});
    case ElementRefusalReason::OnlyTheShape:
        return Filled(IsTrigonometric(refusal.first) || IsTrigonometric(refusal.second)
                          ? texts::ElementOnlyTheShapeTrigonometric
                          : texts::ElementOnlyTheShape,
                      {{"givens", capitalised(elementGivens(refusal, region))}});
    case ElementRefusalReason::ShapeContradicts:
        return Filled(texts::ElementShapeContradicts, {{"givens", elementGivens(refusal, region)}});
    case ElementRefusalReason::OnlyTheSize:
        return Filled(texts::ElementOnlyTheSize,
                      {{"givens", capitalised(elementGivens(refusal, region))}});
    case ElementRefusalReason::Bound:
        return Filled(texts::ElementRefused, {{"givens", elementGivens(refusal, region)},
                                              {"reason", boundReason(refusal, region)}});
    case ElementRefusalReason::ResultBeyondRange:
        return Filled(texts::ResultBeyondRange,
                      {{"givens", elementGivens(refusal, region)}, {"limit", limit}});
    case ElementRefusalReason::ResultTooSmall:
        return Filled(texts::ResultTooSmall,
                      {{"givens", elementGivens(refusal, region)},
                       {"smallest", "2" + region.decimalSeparator + "2·10" + superscript(-308)}});
    case ElementRefusalReason::NoTriangle:
        break;
    }
    return Filled(texts::NoTriangle, {{"givens", elementGivens(refusal, region)}});
}

std::string RefusalMessage(const Refusal& refusal, std::string_view firstText,
                           std::string_view secondText, const NumberFormat& region)
{
    const GivenColumns columns = GivenColumnsOf(refusal.variant);
    const std::string limit = "1" + region.decimalSeparator + "8·10" + superscript(308);
    std::string text;
    if (refusal.reason == RefusalReason::FieldText) {
        const std::string_view typed = refusal.column == columns.first ? firstText : secondText;
        return Filled(textProblemMessage(refusal.textProblem),
                      {{"field", texts::QuantityNames[refusal.column]},
                       {"text", quoted(typed)},
                       {"decimal", region.decimalSeparator},
                       {"example", example(refusal, typed, region)},
                       {"limit", limit}});
    }
    if (refusal.reason == RefusalReason::NotPositive) {
        const auto value = refusal.column == columns.first ? refusal.first : refusal.second;
        text = texts::NotPositive;
        Fill(text, "subject", texts::QuantitySubjects[refusal.column]);
        Fill(text, "value", value ? MessageNumber(*value, region) : std::string());
        return text;
    }
    text = checkMessage(refusal.reason);
    Fill(text, "givens", givens(refusal, region));
    std::string bound;
    if (refusal.bound) {
        bound = texts::BoundValue;
        Fill(bound, "value", MessageNumber(*refusal.bound, region));
    }
    Fill(text, "bound", bound);
    Fill(text, "limit", limit);
    return text;
}

} // namespace triangle
