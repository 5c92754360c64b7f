#include "window/elements/elements_form_logic.h"

#include "solver/element/element_value_texts.h"
#include "solver/exact/exact_text.h"
#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"
#include "window/elements/elements_controls.h"
#include "window/elements/given_text.h"
#include "window/solution/solution_steps.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <algorithm>
#include <array>

namespace triangle {

namespace {

constexpr std::array<Element, ElementCount> AllElements = [] {
    std::array<Element, ElementCount> all{};
    for (int i = 0; i < ElementCount; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<Element>(i);
    return all;
}();

// What a screen reader hears after a calculation: short enough to listen to.
constexpr Element Announced[] = {Element::a,    Element::b, Element::c, Element::alpha,
                                 Element::beta, Element::S, Element::P};

const char* nameOf(Element element)
{
    return texts::ElementFieldNames[static_cast<int>(element)];
}

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

// "„катет a“, „катет b“ и „хипотенуза c“"
std::string quotedNames(const std::vector<Element>& elements)
{
    std::string names;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i > 0)
            names += i + 1 == elements.size() ? texts::LastNameJoined : ", ";
        names += Filled(texts::QuotedName, {{"name", nameOf(elements[i])}});
    }
    return names;
}

// The value as read, as the solver reads it; nothing where the text is no number.
TypedNumber readValue(Element element, const std::string& text, const NumberFormat& region)
{
    const auto read = ReadGivenElement(element, text, region);
    return read.ok() ? read.value() : TypedNumber{};
}

// What may be typed in the field.
const char* hintOf(Element element)
{
    if (IsTrigonometric(element))
        return texts::TrigonometricFieldHint;
    return IsAngle(element) ? texts::AngleFieldHint : texts::LengthFieldHint;
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
        m_controls.setTip(element, hintOf(element));
    }
    m_given.reset();
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

void ElementsFormLogic::FieldChange(Element field)
{
    if (m_given && field != m_given->first && field != m_given->second)
        return;
    // The ten values belonged to the given ones before the edit; a refusal's explanation
    // to the texts before it.
    if (m_given)
        emptyComputed();
    showHint();
}

void ElementsFormLogic::Calculate()
{
    const NumberFormat region = m_controls.numberFormat();
    const std::vector<Element> filled =
        m_given ? std::vector<Element>{m_given->first, m_given->second} : filledFields();
    if (filled.size() != 2) {
        const char* text = filled.empty()       ? texts::ElementsNoneFilled
                           : filled.size() == 1 ? texts::ElementsOneFilled
                                                : texts::ElementsManyFilled;
        m_controls.showMessage(texts::ElementsCountTitle,
                               Filled(text, {{"names", quotedNames(filled)},
                                             {"count", std::to_string(filled.size())}}));
        return;
    }
    const Element first = filled[0];
    const Element second = filled[1];
    const std::string firstText = m_controls.text(first);
    const std::string secondText = m_controls.text(second);
    const ElementSolution solved = SolveElements(first, firstText, second, secondText, region);
    if (solved.ok())
        showTriangle(first, second, solved.value(), firstText, secondText, region);
    else
        refuse(first, second, solved.fault(), firstText, secondText, region);
}

void ElementsFormLogic::showTriangle(Element first, Element second, const TriangleDetails& triangle,
                                     const std::string& firstText, const std::string& secondText,
                                     const NumberFormat& region)
{
    const TypedNumber firstValue = readValue(first, firstText, region);
    const TypedNumber secondValue = readValue(second, secondText, region);
    ExactElements exact;
    SolutionPage page =
        ElementSolutionPageOf({first, firstValue.value, firstValue.exact},
                              {second, secondValue.value, secondValue.exact}, {}, region, &exact);
    const std::array<std::string, ElementCount> numbers =
        ElementNumberTexts(first, firstValue.value, second, secondValue.value, triangle, region);
    const auto shownValue = [&](Element element) {
        const std::size_t i = static_cast<std::size_t>(element);
        return ComputedFieldText(element, ElementOf(triangle, element), numbers[i], exact[i],
                                 region);
    };
    for (Element element : AllElements) {
        const bool given = element == first || element == second;
        if (element == first)
            showGiven(element, GivenFieldText(firstText, firstValue, element, region), firstValue,
                      region);
        else if (element == second)
            showGiven(element, GivenFieldText(secondText, secondValue, element, region),
                      secondValue, region);
        else
            m_controls.setText(element, shownValue(element));
        if (!given)
            m_controls.setTip(element, {});
        m_controls.setComputed(element, !given);
    }
    m_given = {first, second};
    setPage(std::move(page), region);

    std::string values;
    for (Element element : Announced) {
        if (element == first || element == second)
            continue;
        if (!values.empty())
            values += ", ";
        values += Filled(texts::AnnouncedValue,
                         {{"quantity", ElementSymbol(element)}, {"value", shownValue(element)}});
    }
    m_controls.announce(Filled(texts::ElementsCalculated, {{"values", values}}));
}

void ElementsFormLogic::showGiven(Element element, const std::string& text,
                                  const TypedNumber& value, const NumberFormat& region)
{
    m_controls.setText(element, text);
    // A fraction or a root has its decimal in the tip.
    if (value.form && !IsAngle(element) && !FitsThreeDecimals(value.exact))
        m_controls.setTip(
            element,
            std::string(hintOf(element)) + "\n" +
                Filled(texts::GivenDecimalTip,
                       {{"form", text}, {"decimal", FormatFieldNumber(value.value, region)}}));
}

void ElementsFormLogic::refuse(Element first, Element second, const ElementRefusal& refusal,
                               const std::string& firstText, const std::string& secondText,
                               const NumberFormat& region)
{
    const std::string message = ElementRefusalMessage(refusal, firstText, secondText, region);
    if (m_given)
        emptyComputed();
    SolutionPage page;
    if (refusal.firstValue && refusal.secondValue)
        page = ElementSolutionPageOf(first, *refusal.firstValue, second, *refusal.secondValue,
                                     message, region);
    else
        page.steps = message;
    // Without a triangle the drawing says why, as the steps do.
    page.empty = message;
    setPage(std::move(page), region);
    m_controls.showMessage(texts::RefusalTitle, message);
    m_controls.focusField(refusal.field);
}

void ElementsFormLogic::emptyComputed()
{
    for (Element element : AllElements) {
        if (element != m_given->first && element != m_given->second)
            m_controls.setText(element, {});
    }
    for (Element element : AllElements) {
        m_controls.setComputed(element, false);
        m_controls.setTip(element, hintOf(element));
    }
    m_given.reset();
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

std::vector<Element> ElementsFormLogic::filledFields() const
{
    std::vector<Element> filled;
    for (Element element : AllElements)
        if (!isBlank(m_controls.text(element)))
            filled.push_back(element);
    return filled;
}

std::string ElementsFormLogic::CopyText() const
{
    std::string text;
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
