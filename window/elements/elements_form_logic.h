#pragma once

// How a calculation flows in the window of any two elements: "Изчисли" reads the two
// filled fields of the twelve, the solver turns them into the whole triangle (or a refusal
// that says why there is none), the two given texts are written back in the user's region
// with at least three decimals and never fewer than typed, the other ten are filled and
// become computed, and the drawing and steps beside show the calculation. Fewer or more than
// two filled fields are named in a message and change nothing; a refusal is explained in a
// message box and puts the focus on the field to correct. Editing a given field empties the
// ten at once: the window never shows values that do not belong together.

#include "solver/element/element_solver.h"
#include "window/solution/solution_page.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace triangle {

class ElementsControls;

// The element a column of the main window's grid holds: a, c, P or S.
Element ColumnElement(int column);

// Two given elements with their texts as typed: what the window opens with from a row of
// the main window.
struct GivenPair {
    Element first;
    std::string firstText;
    Element second;
    std::string secondText;
};

class ElementsFormLogic {
public:
    explicit ElementsFormLogic(ElementsControls& controls) : m_controls(controls) {}
    ElementsFormLogic(const ElementsFormLogic&) = delete;
    ElementsFormLogic& operator=(const ElementsFormLogic&) = delete;

    // Every field empty and open for typing; the steps say what to do.
    void Form_Load();
    // "Изчисли", or Enter in a field.
    void Calculate();
    // "Изчисти": every field empty and open for typing.
    void Clear();
    // The user changed the text of a field: typing, pasting, undo or cut. The program's own
    // writes do not come here.
    void FieldChange(Element field);
    // Opened from a row of the main window: empty, with the row's two given texts typed in
    // and the focus in the first field, a.
    void OpenWith(Element first, const std::string& firstText, Element second,
                  const std::string& secondText);
    // Opened otherwise: it keeps what it shows, with the focus in the first field, a.
    void Open();
    // With a row's pair, as OpenWith; without one, as Open.
    void Open(const std::optional<GivenPair>& given);

    // The two given elements of the triangle shown, in the order of the fields.
    std::optional<std::pair<Element, Element>> Given() const { return m_given; }
    // What Ctrl+C copies: every filled field, one a line ("c = 10,000"), then the steps.
    std::string CopyText() const;

private:
    void showTriangle(Element first, Element second, const TriangleDetails& triangle,
                      const std::string& firstText, const std::string& secondText,
                      const NumberFormat& region);
    void showGiven(Element element, const std::string& text, const TypedNumber& value,
                   const NumberFormat& region);
    void refuse(Element first, Element second, const ElementRefusal& refusal,
                const std::string& firstText, const std::string& secondText,
                const NumberFormat& region);
    void emptyComputed();
    void showHint();
    void setPage(SolutionPage page, const NumberFormat& region);
    std::vector<Element> filledFields() const;

    ElementsControls& m_controls;
    std::optional<std::pair<Element, Element>> m_given;
    SolutionPage m_page;
};

} // namespace triangle
