#include "solver/relation/relation.h"

#include "solver/relation/relation_names.h"

#include <optional>
#include <string>
#include <vector>

namespace triangle {

namespace {

using Read = Calculated<Relation, RelationTextFault>;

// Blanks between the parts: a keyboard's and the no-break ones a pasted text may hold.
std::size_t blankLength(std::string_view text)
{
    for (std::string_view blank : {" ", "\t", "\r", "\n", "\u00A0", "\u202F", "\u2009"})
        if (text.starts_with(blank))
            return blank.size();
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    while (std::size_t n = blankLength(text))
        text.remove_prefix(n);
    while (!text.empty()) {
        std::size_t n = 0;
        for (std::size_t back = 1; back <= 3 && back <= text.size() && n == 0; ++back)
            if (blankLength(text.substr(text.size() - back)) == back)
                n = back;
        if (n == 0)
            break;
        text.remove_suffix(n);
    }
    return text;
}

// A name, as it stands in the text.
struct Word {
    std::size_t start;
    std::size_t end;
};

std::size_t wordEnd(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (std::size_t n = NameCharacterLength(text.substr(end), end == at))
        end += n;
    return end;
}

// The names in a text, "sqrt" left to the number it is part of, and a function's name
// joined to its angle's across blanks ("sin α").
std::vector<Word> wordsOf(std::string_view text)
{
    std::vector<Word> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = wordEnd(text, at);
        if (end == at) {
            ++at;
            continue;
        }
        if (text.substr(at, end - at) == "sqrt") {
            at = end;
            continue;
        }
        if (!words.empty() &&
            !RelationElement(text.substr(words.back().start, at - words.back().start)) &&
            trimmed(text.substr(words.back().end, at - words.back().end)).empty() &&
            RelationElement(text.substr(words.back().start, end - words.back().start))) {
            words.back().end = end;
        } else {
            words.push_back({at, end});
        }
        at = end;
    }
    return words;
}

constexpr std::string_view factorSigns[] = {"·", "*", "×", "⋅"};

std::string_view withoutLeadingSign(std::string_view text)
{
    text = trimmed(text);
    for (std::string_view sign : factorSigns)
        if (text.starts_with(sign))
            return trimmed(text.substr(sign.size()));
    return text;
}

std::string_view withoutTrailingSign(std::string_view text)
{
    text = trimmed(text);
    for (std::string_view sign : factorSigns)
        if (text.ends_with(sign))
            return trimmed(text.substr(0, text.size() - sign.size()));
    return text;
}

bool isLength(Element element)
{
    return !IsAngle(element) && !IsTrigonometric(element) && element != Element::S;
}

// The left side: one name (a multiple) or two with a sign between.
struct LeftSide {
    RelationKind kind = RelationKind::Multiple;
    std::string_view left;
    std::string_view right;
};

std::optional<LeftSide> leftSide(std::string_view text)
{
    const std::vector<Word> words = wordsOf(text);
    if (words.empty() || words.size() > 2 || !trimmed(text.substr(0, words[0].start)).empty() ||
        !trimmed(text.substr(words.back().end)).empty())
        return std::nullopt;
    LeftSide side;
    side.left = text.substr(words[0].start, words[0].end - words[0].start);
    if (words.size() == 1)
        return side;
    const std::string_view sign = trimmed(text.substr(words[0].end, words[1].start - words[0].end));
    side.right = text.substr(words[1].start, words[1].end - words[1].start);
    if (sign == ":")
        side.kind = RelationKind::Ratio;
    else if (sign == "+")
        side.kind = RelationKind::Sum;
    else if (sign == "-" || sign == "−" || sign == "–")
        side.kind = RelationKind::Difference;
    else
        return std::nullopt;
    return side;
}

std::optional<RelationTextFault> kindFault(Element left, Element right)
{
    const bool lengths = isLength(left) && isLength(right);
    const bool angles = IsAngle(left) && IsAngle(right);
    if (!lengths && !angles)
        return RelationTextFault{RelationTextProblem::MixedKinds};
    if (left == right)
        return RelationTextFault{RelationTextProblem::SameElement};
    return std::nullopt;
}

// A number of the relation: an angle's sum or difference in degrees, any other a plain number.
Calculated<TypedNumber, RelationTextFault> number(std::string_view text, bool angle,
                                                  const NumberFormat& region)
{
    if (trimmed(text).empty())
        return RelationTextFault{RelationTextProblem::NotARelation};
    const auto read = angle ? ReadTypedAngle(text, region) : ReadTypedNumber(text, region);
    if (!read.ok())
        return RelationTextFault{RelationTextProblem::NumberText, read.fault()};
    if (!(read.value().value > 0.0))
        return RelationTextFault{RelationTextProblem::NotPositive};
    return read.value();
}

// The factor of "c = 2a", "b = a√3", "b = 2a√3", "c = 2,5·a": the number before the name
// times the one after it, 1 where there is none.
Read multiple(Relation relation, std::string_view right, const NumberFormat& region)
{
    const std::vector<Word> words = wordsOf(right);
    if (words.size() != 1)
        return RelationTextFault{RelationTextProblem::NotARelation};
    const Word word = words[0];
    const std::optional<Element> name =
        RelationElement(right.substr(word.start, word.end - word.start));
    if (!name)
        return RelationTextFault{RelationTextProblem::UnknownElement};
    if (const auto fault = kindFault(relation.left, *name))
        return *fault;
    relation.right = *name;
    const std::string_view before = withoutTrailingSign(right.substr(0, word.start));
    const std::string_view after = withoutLeadingSign(right.substr(word.end));
    if (before.empty() && after.empty()) {
        relation.first = TypedNumber{1.0, TypedExactly(1.0), false};
        return relation;
    }
    const std::string factor = before.empty()  ? std::string(after)
                               : after.empty() ? std::string(before)
                                               : std::string(before) + "*" + std::string(after);
    const auto read = number(factor, false, region);
    if (!read.ok())
        return read.fault();
    relation.first = read.value();
    return relation;
}

} // namespace

Read ReadRelation(std::string_view text, const NumberFormat& region)
{
    if (trimmed(text).empty())
        return RelationTextFault{RelationTextProblem::Empty};
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || text.find('=', equals + 1) != std::string_view::npos)
        return RelationTextFault{RelationTextProblem::NotARelation};
    const std::optional<LeftSide> side = leftSide(text.substr(0, equals));
    if (!side)
        return RelationTextFault{RelationTextProblem::NotARelation};
    const std::string_view right = text.substr(equals + 1);
    Relation relation;
    relation.kind = side->kind;
    if (side->kind == RelationKind::Multiple) {
        const std::optional<Element> left = RelationElement(side->left);
        if (!left)
            return RelationTextFault{RelationTextProblem::UnknownElement};
        relation.left = *left;
        return multiple(relation, right, region);
    }
    const std::optional<Element> left = RelationElement(side->left);
    const std::optional<Element> other = RelationElement(side->right);
    if (!left || !other)
        return RelationTextFault{RelationTextProblem::UnknownElement};
    if (const auto fault = kindFault(*left, *other))
        return *fault;
    relation.left = *left;
    relation.right = *other;
    const std::size_t colon = right.find(':');
    if ((colon != std::string_view::npos) != (side->kind == RelationKind::Ratio) ||
        (colon != std::string_view::npos && right.find(':', colon + 1) != std::string_view::npos))
        return RelationTextFault{RelationTextProblem::NotARelation};
    // A sum or a difference of the angles is itself an angle; a ratio's terms are numbers.
    const bool angle = IsAngle(relation.left) && side->kind != RelationKind::Ratio;
    const auto first = number(right.substr(0, colon), angle, region);
    if (!first.ok())
        return first.fault();
    relation.first = first.value();
    if (side->kind == RelationKind::Ratio) {
        const auto second = number(right.substr(colon + 1), false, region);
        if (!second.ok())
            return second.fault();
        relation.second = second.value();
    }
    return relation;
}

} // namespace triangle
