#include "solver/relation/relation_names.h"

#include <array>
#include <initializer_list>
#include <string>

namespace triangle {

namespace {

struct NameRow {
    Element element;
    std::initializer_list<std::string_view> spellings;
};

// One row an element, each spelling as typed; they are compared after `normalized`.
const std::array<NameRow, 17> names = {{
    {Element::a, {"a"}},
    {Element::b, {"b"}},
    {Element::c, {"c"}},
    {Element::h, {"h"}},
    {Element::a1, {"a₁", "a1", "a_1"}},
    {Element::b1, {"b₁", "b1", "b_1"}},
    {Element::P, {"P"}},
    {Element::r, {"r"}},
    {Element::R, {"R"}},
    {Element::S, {"S"}},
    {Element::alpha, {"α", "alpha", "алфа"}},
    {Element::beta, {"β", "beta", "бета"}},
    {Element::mA, {"m_a", "ma"}},
    {Element::mB, {"m_b", "mb"}},
    {Element::lA, {"l_a", "la"}},
    {Element::lB, {"l_b", "lb"}},
    {Element::lC, {"l_c", "lc"}},
}};

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// The Cyrillic letters of the same look (а, б for its sound, с, Р), С and Ѕ for S, м and л
// for the medians' and bisectors' m and l, and the subscripts as the digit or letter they
// lower.
constexpr Replacement replacements[] = {
    {"а", "a"}, {"б", "b"}, {"с", "c"}, {"Р", "P"}, {"С", "S"}, {"Ѕ", "S"},
    {"м", "m"}, {"л", "l"}, {"₁", "1"}, {"ₐ", "a"}, {" ", ""},  {"\t", ""},
};

std::string normalized(std::string_view name)
{
    std::string text;
    for (std::size_t at = 0; at < name.size();) {
        bool replaced = false;
        for (const Replacement& r : replacements)
            if (name.substr(at).starts_with(r.from)) {
                text += r.to;
                at += r.from.size();
                replaced = true;
                break;
            }
        if (!replaced)
            text += name[at++];
    }
    return text;
}

std::optional<Element> plainElement(const std::string& name)
{
    for (const NameRow& row : names)
        for (std::string_view spelling : row.spellings)
            if (normalized(spelling) == name)
                return row.element;
    return std::nullopt;
}

struct Function {
    std::string_view name;
    Element ofAlpha;
    Element ofBeta;
};

constexpr Function functions[] = {
    {"sin", Element::sinAlpha, Element::sinBeta},    {"cos", Element::cosAlpha, Element::cosBeta},
    {"tg", Element::tgAlpha, Element::tgBeta},       {"tan", Element::tgAlpha, Element::tgBeta},
    {"cotg", Element::cotgAlpha, Element::cotgBeta}, {"cot", Element::cotgAlpha, Element::cotgBeta},
    {"ctg", Element::cotgAlpha, Element::cotgBeta},
};

} // namespace

std::optional<Element> RelationElement(std::string_view name)
{
    const std::string plain = normalized(name);
    if (const std::optional<Element> element = plainElement(plain))
        return element;
    for (const Function& f : functions) {
        if (!plain.starts_with(f.name))
            continue;
        const std::optional<Element> angle = plainElement(plain.substr(f.name.size()));
        if (angle == Element::alpha)
            return f.ofAlpha;
        if (angle == Element::beta)
            return f.ofBeta;
    }
    return std::nullopt;
}

std::size_t NameCharacterLength(std::string_view text, bool first)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned char lead = byte(0);
    if ((lead >= 'a' && lead <= 'z') || (lead >= 'A' && lead <= 'Z') || lead == '_')
        return 1;
    if (lead >= '0' && lead <= '9')
        return first ? 0 : 1;
    // Greek U+0370 to U+03FF and Cyrillic U+0400 to U+04FF.
    if (lead >= 0xCD && lead <= 0xD3 && (byte(1) & 0xC0) == 0x80 &&
        !(lead == 0xCD && byte(1) < 0xB0))
        return 2;
    // The subscripts U+2080 to U+209C.
    if (lead == 0xE2 && byte(1) == 0x82 && byte(2) >= 0x80 && byte(2) <= 0x9C)
        return 3;
    return 0;
}

} // namespace triangle
