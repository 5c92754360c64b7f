#pragma once

// How a calculation flows in the window of any two elements: "Изчисли" reads the two
// facts, each a filled element field or a relation field ("a : b = 5 : 12"), the solver turns them
// into the whole triangle (or a refusal that says why there is none), the two given texts are
// written back in the user's region with at least three decimals and never fewer than typed, the
// other ten are filled and become computed, and the drawing and steps beside show the calculation.
// Fewer or more than two filled fields are named in a message and change nothing; a refusal is
// explained in a message box and puts the focus on the field to correct. Editing a given field
// empties the ten at once: the window never shows values that do not belong together. Where two
// triangles fit the facts, the window says so and shows the one with the shorter a, with a
// choice of the other.

#include "solver/element/element_solver.h"
#include "solver/element/fact_solver.h"
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
    // The user changed the text of relation field 0 or 1.
    void RelationChange(int field);
    // The user chose triangle `which` (0 or 1) of two that fit the facts.
    void ShowSolution(int which);
    // How many triangles fit the facts shown (0 where none is shown), and which is shown.
    int SolutionCount() const { return m_count; }
    int ShownSolution() const { return m_shown; }

    // The two given elements of the triangle shown, in the order of the fields; none where a
    // relation is one of its facts.
    std::optional<std::pair<Element, Element>> Given() const;
    // What Ctrl+C copies: every filled field, one a line ("c = 10,000"), then the steps.
    std::string CopyText() const;

private:
    // Where a fact was typed: an element's field, or relation field `relation`.
    struct FactField {
        std::optional<Element> element;
        int relation = 0;
    };
    // A fact as read from its field, with its text as typed.
    struct ReadFact {
        FactField field;
        std::string text;
        Fact fact;
        TypedNumber typed; // an element's value as read
    };

    void calculate(int which);
    std::vector<FactField> filledFacts() const;
    std::string textOf(const FactField& field) const;
    bool isFact(Element element) const;
    void showTriangle(const ReadFact& first, const ReadFact& second, const FactTriangle& solved,
                      int which, const NumberFormat& region);
    void showGiven(Element element, const std::string& text, const TypedNumber& value,
                   const NumberFormat& region);
    void refuse(const ReadFact& first, const ReadFact& second, const ElementRefusal& refusal,
                const NumberFormat& region);
    void emptyComputed();
    void showHint();
    void setPage(SolutionPage page, const NumberFormat& region);

    ElementsControls& m_controls;
    // The two facts of the triangle shown; empty where none is shown.
    std::vector<FactField> m_facts;
    int m_count = 0;
    int m_shown = 0;
    SolutionPage m_page;
};

} // namespace triangle
