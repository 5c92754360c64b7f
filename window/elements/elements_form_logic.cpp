#include "window/elements/elements_form_logic.h"

#include "solver/element/element_value_texts.h"
#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"
#include "window/elements/elements_controls.h"
#include "window/elements/given_text.h"
#include "window/solution/solution_steps.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <algorithm>

namespace triangle {

namespace {

constexpr Element AllElements[ElementCount] = {
    Element::a,  Element::b,  Element::c, Element::alpha, Element::beta, Element::h,
    Element::a1, Element::b1, Element::S, Element::P,     Element::r,    Element::R};

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

// `numbers`: the texts of the lengths and the area (ElementNumberTexts).
std::string shownValue(Element element, const TriangleDetails& triangle,
                       const std::array<std::string, ElementCount>& numbers,
                       const NumberFormat& region)
{
    return IsAngle(element) ? AngleFieldText(ElementOf(triangle, element), region)
                            : numbers[static_cast<std::size_t>(element)];
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

// The value as read, as the solver reads it; unset where the text is no number.
std::optional<double> readValue(Element element, const std::string& text,
                                const NumberFormat& region)
{
    const auto read =
        IsAngle(element) ? ReadAngleStrictly(text, region) : ReadFieldNumberStrictly(text, region);
    return read.ok() ? std::optional<double>(read.value()) : std::nullopt;
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
    const double firstValue = readValue(first, firstText, region).value_or(0.0);
    const double secondValue = readValue(second, secondText, region).value_or(0.0);
    const std::array<std::string, ElementCount> numbers =
        ElementNumberTexts(first, firstValue, second, secondValue, triangle, region);
    for (Element element : AllElements) {
        const bool given = element == first || element == second;
        if (element == first)
            m_controls.setText(element,
                               GivenFieldText(firstText, firstValue, IsAngle(element), region));
        else if (element == second)
            m_controls.setText(element,
                               GivenFieldText(secondText, secondValue, IsAngle(element), region));
        else
            m_controls.setText(element, shownValue(element, triangle, numbers, region));
        m_controls.setComputed(element, !given);
    }
    m_given = {first, second};
    setPage(ElementSolutionPageOf(first, firstValue, second, secondValue, {}, region), region);

    std::string values;
    for (Element element : Announced) {
        if (element == first || element == second)
            continue;
        if (!values.empty())
            values += ", ";
        values += Filled(texts::AnnouncedValue,
                         {{"quantity", ElementSymbol(element)},
                          {"value", shownValue(element, triangle, numbers, region)}});
    }
    m_controls.announce(Filled(texts::ElementsCalculated, {{"values", values}}));
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
    for (Element element : AllElements)
        m_controls.setComputed(element, false);
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
