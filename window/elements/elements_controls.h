#pragma once

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"

#include <string>

namespace triangle {

struct SolutionPage;

// What the logic of the window of any two elements needs from the toolkit, and no more.
// Texts are UTF-8; a field is named by its element.
class ElementsControls {
public:
    virtual ~ElementsControls() = default;

    virtual std::string text(Element field) const = 0;
    // The program's own write; it does not come back as the user's edit.
    virtual void setText(Element field, const std::string& text) = 0;
    // A computed field: read-only, on the results' colour, described as "изчислено" to a
    // screen reader. Otherwise open for typing, as it looks.
    virtual void setComputed(Element field, bool computed) = 0;
    // A modal message; returns when the user has dismissed it.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // A field's tooltip, also its description to a screen reader.
    virtual void setTip(Element field, const std::string& tip) = 0;
    // Moves the keyboard focus into a field and selects its whole text.
    virtual void focusField(Element field) = 0;
    // Says a text to a screen reader without moving the focus; nothing changes on screen.
    virtual void announce(const std::string& text) = 0;
    // The drawing and the steps beside the fields, in the region's format.
    virtual void showPage(const SolutionPage& page, const NumberFormat& region) = 0;
    // The user's regional number settings as they are now.
    virtual NumberFormat numberFormat() const = 0;

    // The two fields of a relation between two elements, 0 and 1 ("a : b = 5 : 12"): always
    // open for typing, written and focused as the element fields are.
    virtual std::string relationText(int field) const = 0;
    virtual void setRelationText(int field, const std::string& text) = 0;
    virtual void focusRelation(int field) = 0;
    // The choice between the two triangles that fit the facts, with "Две решения": hidden
    // where `count` is below 2, otherwise shown with triangle `shown` (0 or 1) chosen.
    virtual void showChoice(int count, int shown) = 0;
};

} // namespace triangle
