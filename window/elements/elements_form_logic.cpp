#include "window/elements/elements_form_logic.h"

#include "solver/element/element_value_texts.h"
#include "solver/exact/exact_text.h"
#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"
#include "window/elements/element_fields.h"
#include "window/elements/elements_controls.h"
#include "window/elements/fact_count_message.h"
#include "window/elements/fact_page.h"
#include "window/elements/given_text.h"
#include "window/solution/solution_steps.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/relation_message.h"
#include "window/text/ui_texts.h"

#include <algorithm>
#include <array>

namespace triangle {

namespace {

// The relation fields beside the elements'.
constexpr int RelationFields = 2;

const char* nameOf(Element element)
{
    return texts::ElementFieldNames[static_cast<int>(element)];
}

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

} // namespace

Element ColumnElement(int column)
{
    constexpr Element columns[4] = {Element::a, Element::c, Element::P, Element::S};
    return columns[std::clamp(column, 0, 3)];
}

void ElementsFormLogic::Open()
{
    m_controls.focusField(Element::a);
}

void ElementsFormLogic::Open(const std::optional<GivenPair>& given)
{
    if (given)
        OpenWith(given->first, given->firstText, given->second, given->secondText);
    else
        Open();
}

void ElementsFormLogic::Form_Load()
{
    Clear();
}

void ElementsFormLogic::Clear()
{
    for (Element element : AllElements) {
        m_controls.setText(element, {});
        m_controls.setComputed(element, false);
        m_controls.setTip(element, FieldHint(element));
    }
    for (int i = 0; i < RelationFields; ++i)
        m_controls.setRelationText(i, {});
    m_facts.clear();
    m_count = 0;
    m_shown = 0;
    m_controls.showChoice(0, 0);
    showHint();
}

void ElementsFormLogic::OpenWith(Element first, const std::string& firstText, Element second,
                                 const std::string& secondText)
{
    Clear();
    m_controls.setText(first, firstText);
    m_controls.setText(second, secondText);
    m_controls.focusField(Element::a);
}

std::optional<std::pair<Element, Element>> ElementsFormLogic::Given() const
{
    if (m_facts.size() != 2 || !m_facts[0].element || !m_facts[1].element)
        return std::nullopt;
    return std::pair{*m_facts[0].element, *m_facts[1].element};
}

bool ElementsFormLogic::isFact(Element element) const
{
    return std::any_of(m_facts.begin(), m_facts.end(),
                       [element](const FactField& fact) { return fact.element == element; });
}

void ElementsFormLogic::FieldChange(Element field)
{
    if (!m_facts.empty() && !isFact(field))
        return;
    // The computed values belonged to the facts before the edit; a refusal's explanation
    // to the texts before it.
    if (!m_facts.empty())
        emptyComputed();
    showHint();
}

void ElementsFormLogic::RelationChange(int)
{
    // A relation field is always open: any edit there changes the facts.
    if (!m_facts.empty())
        emptyComputed();
    showHint();
}

void ElementsFormLogic::ShowSolution(int which)
{
    if (m_count < 2 || which == m_shown || which < 0 || which >= m_count)
        return;
    calculate(which);
}

void ElementsFormLogic::Calculate()
{
    calculate(m_facts.empty() ? 0 : m_shown);
}

std::string ElementsFormLogic::textOf(const FactField& field) const
{
    return field.element ? m_controls.text(*field.element)
                         : m_controls.relationText(field.relation);
}

void ElementsFormLogic::calculate(int which)
{
    const NumberFormat region = m_controls.numberFormat();
    const std::vector<FactField> filled = m_facts.empty() ? filledFacts() : m_facts;
    if (filled.size() != 2) {
        std::vector<const char*> names;
        for (const FactField& field : filled)
            names.push_back(
                field.element
                    ? nameOf(*field.element)
                    : texts::RelationFieldNames[static_cast<std::size_t>(field.relation)]);
        m_controls.showMessage(texts::ElementsCountTitle, FactCountMessage(names));
        return;
    }
    // Each fact as read; the first that does not read is refused, its field to correct.
    std::vector<ReadFact> facts;
    for (const FactField& field : filled) {
        ReadFact fact{field, textOf(field), {}, {}};
        if (!field.element) {
            const auto relation = ReadRelation(fact.text, region);
            if (!relation.ok()) {
                if (!m_facts.empty())
                    emptyComputed();
                const std::string message =
                    RelationTextMessage(relation.fault(), fact.text, region);
                SolutionPage page;
                page.steps = message;
                page.empty = message;
                setPage(std::move(page), region);
                m_controls.showMessage(texts::RefusalTitle, message);
                m_controls.focusRelation(field.relation);
                return;
            }
            fact.fact = relation.value();
        } else {
            const Element element = *field.element;
            const auto value = ReadGivenElement(element, fact.text, region);
            if (!value.ok()) {
                ElementRefusal refusal;
                refusal.field = element;
                refusal.textProblem = value.fault();
                if (filled[0].element && filled[1].element) {
                    // Two values: worded and drawn as SolveElements refuses them.
                    refusal.first = *filled[0].element;
                    refusal.second = *filled[1].element;
                    if (!facts.empty())
                        refusal.firstValue = facts[0].typed.value;
                    facts.push_back(fact);
                    facts.resize(2, fact);
                    refuse(facts[0], facts[1], refusal, region);
                } else {
                    // With a relation: the value's text alone is at fault.
                    refusal.first = element;
                    refusal.second = element;
                    refuse(fact, fact, refusal, region);
                }
                return;
            }
            fact.typed = value.value();
            fact.fact = GivenElement{element, fact.typed.value, fact.typed.exact};
        }
        facts.push_back(std::move(fact));
    }
    const FactSolution solved = SolveFacts(facts[0].fact, facts[1].fact, which);
    if (solved.ok())
        showTriangle(facts[0], facts[1], solved.value(), which, region);
    else
        refuse(facts[0], facts[1], solved.fault(), region);
}

void ElementsFormLogic::showHint()
{
    SolutionPage page;
    page.steps = texts::ElementsHint;
    page.empty = texts::ElementsHint;
    setPage(std::move(page), m_controls.numberFormat());
}

void ElementsFormLogic::setPage(SolutionPage page, const NumberFormat& region)
{
    m_page = std::move(page);
    m_controls.showPage(m_page, region);
}

std::vector<ElementsFormLogic::FactField> ElementsFormLogic::filledFacts() const
{
    std::vector<FactField> filled;
    for (Element element : AllElements)
        if (!isBlank(m_controls.text(element)))
            filled.push_back({element, 0});
    for (int i = 0; i < RelationFields; ++i)
        if (!isBlank(m_controls.relationText(i)))
            filled.push_back({std::nullopt, i});
    return filled;
}

std::string ElementsFormLogic::CopyText() const
{
    std::string text;
    if (m_count > 1)
        text = Filled(texts::SolutionShown, {{"shown", std::to_string(m_shown + 1)},
                                             {"count", std::to_string(m_count)}}) +
               "\n";
    for (int i = 0; i < RelationFields; ++i) {
        const std::string relation = m_controls.relationText(i);
        if (!isBlank(relation))
            text += relation + '\n';
    }
    for (Element element : AllElements) {
        const std::string shown = m_controls.text(element);
        if (!isBlank(shown))
            text += Filled(texts::AnnouncedValue,
                           {{"quantity", ElementSymbol(element)}, {"value", shown}}) +
                    '\n';
    }
    if (!text.empty())
        text += '\n';
    return text + m_page.steps;
}

} // namespace triangle
