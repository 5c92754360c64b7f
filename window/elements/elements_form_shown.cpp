// The fields after a calculation: the triangle found, the given values as typed, or a refusal
// with the computed fields emptied.
#include "window/elements/elements_form_logic.h"

#include "solver/element/element_value_texts.h"
#include "solver/exact/exact_text.h"
#include "window/elements/element_fields.h"
#include "window/elements/elements_controls.h"
#include "window/elements/fact_page.h"
#include "window/elements/given_text.h"
#include "window/solution/solution_steps.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/relation_message.h"
#include "window/text/ui_texts.h"

namespace triangle {

namespace {

// What a screen reader hears after a calculation: short enough to listen to.
constexpr Element Announced[] = {Element::a,    Element::b, Element::c, Element::alpha,
                                 Element::beta, Element::S, Element::P};

} // namespace

void ElementsFormLogic::showTriangle(const ReadFact& first, const ReadFact& second,
                                     const FactTriangle& solved, int which,
                                     const NumberFormat& region)
{
    const TriangleDetails& triangle = solved.triangle;
    ExactElements exact;
    SolutionPage page = FactSolutionPageOf(first.fact, second.fact, which, region, &exact);
    const std::array<std::string, ElementCount> numbers =
        FactNumberTexts(first.fact, second.fact, which, triangle, region);
    const auto shownValue = [&](Element element) {
        const std::size_t i = static_cast<std::size_t>(element);
        return ComputedFieldText(element, ElementOf(triangle, element), numbers[i], exact[i],
                                 region);
    };
    m_facts = {first.field, second.field};
    m_count = solved.count;
    m_shown = solved.count > 1 ? which : 0;
    for (Element element : AllElements) {
        const ReadFact* given = first.field.element == element    ? &first
                                : second.field.element == element ? &second
                                                                  : nullptr;
        if (given)
            showGiven(element, GivenFieldText(given->text, given->typed, element, region),
                      given->typed, region);
        else {
            m_controls.setText(element, shownValue(element));
            m_controls.setTip(element, {});
        }
        m_controls.setComputed(element, !given);
    }
    // A relation as the book writes it.
    for (const ReadFact* fact : {&first, &second}) {
        if (const auto* relation = std::get_if<Relation>(&fact->fact)) {
            const std::string written = WriteRelation(*relation, region);
            if (!written.empty())
                m_controls.setRelationText(fact->field.relation, written);
        }
    }
    std::string shown;
    if (m_count > 1) {
        shown = Filled(texts::SolutionShown, {{"shown", std::to_string(m_shown + 1)},
                                              {"count", std::to_string(m_count)}});
        page.steps = Filled(texts::TwoSolutionsShown, {{"shown", std::to_string(m_shown + 1)}}) +
                     '\n' + page.steps;
    }
    m_controls.showChoice(m_count, m_shown);
    setPage(std::move(page), region);

    std::string values;
    for (Element element : Announced) {
        if (isFact(element))
            continue;
        if (!values.empty())
            values += ", ";
        values += Filled(texts::AnnouncedValue,
                         {{"quantity", ElementSymbol(element)}, {"value", shownValue(element)}});
    }
    const std::string calculated = Filled(texts::ElementsCalculated, {{"values", values}});
    m_controls.announce(shown.empty()
                            ? calculated
                            : std::string(texts::TwoSolutions) + ". " + shown + ". " + calculated);
}

void ElementsFormLogic::showGiven(Element element, const std::string& text,
                                  const TypedNumber& value, const NumberFormat& region)
{
    m_controls.setText(element, text);
    // A fraction or a root has its decimal in the tip.
    if (value.form && !IsAngle(element) && !FitsThreeDecimals(value.exact))
        m_controls.setTip(
            element,
            std::string(FieldHint(element)) + "\n" +
                Filled(texts::GivenDecimalTip,
                       {{"form", text}, {"decimal", FormatFieldNumber(value.value, region)}}));
}

void ElementsFormLogic::refuse(const ReadFact& first, const ReadFact& second,
                               const ElementRefusal& refusal, const NumberFormat& region)
{
    const std::string message = ElementRefusalMessage(refusal, first.text, second.text, region);
    if (!m_facts.empty())
        emptyComputed();
    SolutionPage page;
    if (first.field.element && second.field.element && refusal.firstValue && refusal.secondValue)
        page = ElementSolutionPageOf(*first.field.element, *refusal.firstValue,
                                     *second.field.element, *refusal.secondValue, message, region);
    else
        page.steps = message;
    // Without a triangle the drawing says why, as the steps do.
    page.empty = message;
    setPage(std::move(page), region);
    m_controls.showMessage(texts::RefusalTitle, message);
    // The field to correct: the element's where it was typed, otherwise the relation's.
    for (const ReadFact* fact : {&first, &second}) {
        if (fact->field.element == refusal.field) {
            m_controls.focusField(refusal.field);
            return;
        }
    }
    for (const ReadFact* fact : {&first, &second}) {
        if (!fact->field.element) {
            m_controls.focusRelation(fact->field.relation);
            return;
        }
    }
    m_controls.focusField(refusal.field);
}

void ElementsFormLogic::emptyComputed()
{
    for (Element element : AllElements) {
        if (!isFact(element))
            m_controls.setText(element, {});
    }
    for (Element element : AllElements) {
        m_controls.setComputed(element, false);
        m_controls.setTip(element, FieldHint(element));
    }
    m_facts.clear();
    m_count = 0;
    m_shown = 0;
    m_controls.showChoice(0, 0);
}

} // namespace triangle
