#include "window/text/spoken_text.h"

#include "solver/number/digit_groups.h"
#include "window/text/ui_texts.h"

#include <cstddef>
#include <vector>

namespace triangle {

namespace {

// The signs and their words, longest first where one begins another.
struct Word {
    std::string_view sign;
    std::string_view words;
};

class Speaker {
public:
    Speaker(std::string_view text, Speech speech) : m_text(text), m_speech(speech) {}

    std::string speak()
    {
        while (m_at < m_text.size())
            next();
        return std::move(m_out);
    }

private:
    void next()
    {
        const std::string_view rest = m_text.substr(m_at);
        // A no-break space or a thin space between digits groups them: one number.
        for (std::string_view group : {std::string_view("\u00A0"), std::string_view("\u202F")}) {
            if (rest.starts_with(group) && !m_out.empty() && IsDigit(m_out.back()) &&
                rest.size() > group.size() && IsDigit(rest[group.size()])) {
                m_at += group.size();
                return;
            }
        }
        // "⇒ α = 30°": a new sentence, whose first "=" is "е равно на" again.
        if (take(" ⇒ ")) {
            m_out += texts::SpokenTherefore;
            m_equalled = false;
            return;
        }
        if (take(" = ") || take("\u00A0=\u00A0")) {
            m_out +=
                m_speech == Speech::Step && !m_equalled ? texts::SpokenIs : texts::SpokenEquals;
            m_equalled = true;
            return;
        }
        // A root or an arc tangent brackets its argument itself: the brackets are not said.
        for (const auto& [sign, words] :
             {Word{"√(", texts::SpokenRootOf}, Word{"arctg(", texts::SpokenArcTangentOf}}) {
            if (take(sign)) {
                m_out += words;
                m_brackets.push_back(Bracket::Silent);
                return;
            }
        }
        if (take("(")) {
            // A sum over a denominator, "(√6 − √2)/4", reads "…, цялото върху 4".
            m_brackets.push_back(overFollows() ? Bracket::Whole : Bracket::Said);
            if (m_brackets.back() == Bracket::Said)
                m_out += texts::SpokenOpenBracket;
            return;
        }
        if (take(")")) {
            const Bracket bracket = m_brackets.empty() ? Bracket::Said : m_brackets.back();
            if (!m_brackets.empty())
                m_brackets.pop_back();
            if (bracket == Bracket::Whole && (take(" / ") || take("/")))
                m_out += texts::SpokenWholeOver;
            else if (bracket == Bracket::Said)
                m_out += texts::SpokenCloseBracket;
            return;
        }
        for (const auto& [sign, words] : signs) {
            if (take(sign)) {
                // "5√3" is "5 корен квадратен от 3".
                if (!m_out.empty() && IsDigit(m_out.back()) && sign == "√")
                    m_out += ' ';
                m_out += words;
                return;
            }
        }
        if (take("\u00A0")) {
            m_out += ' ';
            return;
        }
        m_out += m_text[m_at++];
    }

    // Whether the bracket just opened closes right before a division sign.
    bool overFollows() const
    {
        int depth = 1;
        for (std::size_t i = m_at; i < m_text.size(); ++i) {
            if (m_text[i] == '(')
                ++depth;
            else if (m_text[i] == ')' && --depth == 0)
                return m_text.substr(i + 1).starts_with("/") ||
                       m_text.substr(i + 1).starts_with(" / ");
        }
        return false;
    }

    bool take(std::string_view sign)
    {
        if (!m_text.substr(m_at).starts_with(sign))
            return false;
        m_at += sign.size();
        return true;
    }

    enum class Bracket { Said, Silent, Whole };

    static constexpr Word signs[] = {
        {" ≈ ", texts::SpokenApproximately},
        {" + ", texts::SpokenPlus},
        {" − ", texts::SpokenMinus},
        {"\u00A0−\u00A0", texts::SpokenMinus},
        {"−", texts::SpokenNegative},
        {"·", texts::SpokenTimes},
        {" / ", texts::SpokenOver},
        {"/", texts::SpokenOver},
        {"²", texts::SpokenSquared},
        {"√", texts::SpokenRootOf},
        {"₁", texts::SpokenIndexOne},
        {"°", texts::SpokenDegrees},
        {"α", texts::SpokenAlpha},
        {"β", texts::SpokenBeta},
        {"sin ", texts::SpokenSine},
        {"cos ", texts::SpokenCosine},
        {"tg ", texts::SpokenTangent},
        {"\u00A0≤\u00A0", texts::SpokenAtMost},
        {" ≤ ", texts::SpokenAtMost},
        {"\u00A0≥\u00A0", texts::SpokenAtLeast},
        {" ≥ ", texts::SpokenAtLeast},
        {"\u00A0<\u00A0", texts::SpokenBelow},
        {" < ", texts::SpokenBelow},
        {" > ", texts::SpokenAbove},
        {"\u00A0>\u00A0", texts::SpokenAbove},
    };

    std::string_view m_text;
    Speech m_speech;
    std::size_t m_at = 0;
    std::string m_out;
    bool m_equalled = false;
    std::vector<Bracket> m_brackets;
};

} // namespace

std::string SpokenText(std::string_view text, Speech speech)
{
    return Speaker(text, speech).speak();
}

std::string SpokenLine(std::string_view line)
{
    // A step names one quantity before its first "=": "b", "a₁", or a function of one,
    // "tg α", not of a number, "sin 30°".
    const std::size_t equals = line.find(" = ");
    std::string_view name = line.substr(0, equals);
    for (std::string_view function : {"sin ", "cos ", "tg ", "cotg "})
        if (name.starts_with(function))
            name.remove_prefix(function.size());
    const bool step = equals != std::string_view::npos &&
                      name.find(' ') == std::string_view::npos &&
                      !(name.size() != line.substr(0, equals).size() && IsDigit(name.front()));
    return SpokenText(line, step ? Speech::Step : Speech::Sentence);
}

} // namespace triangle
