#pragma once

#include "solver/number/field_number.h"

#include <cstdint>
#include <string>

namespace triangle {

constexpr std::int16_t FieldCount = 24; // Text2(0) to Text2(23): six rows of a, c, P, S

// What the window logic needs from the toolkit, and no more. Texts are UTF-8.
class SolverControls {
public:
    virtual ~SolverControls() = default;

    virtual std::string text(std::int16_t field) const = 0;
    virtual void setText(std::int16_t field, const std::string& text) = 0;
    // A locked field keeps its text against the user's typing; the program can still set it.
    virtual void setLocked(std::int16_t field, bool locked) = 0;
    // When this changes the selection, the toolkit delivers Option1_Click(k) before it
    // returns, as a nested event.
    virtual void selectOption(std::int16_t k) = 0;
    // A modal message; returns when the user has dismissed it.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Describes the whole triangle behind row k on each of its fields (their tooltip and
    // accessible description); the empty text puts back their plain descriptions.
    virtual void setRowDetails(std::int16_t row, const std::string& details) = 0;
    // Moves the keyboard focus into a field and selects its whole text.
    virtual void focusField(std::int16_t field) = 0;
    // Says a text to a screen reader without moving the focus; nothing changes on screen.
    virtual void announce(const std::string& text) = 0;
    // The selected row's outcome (SolverFormLogic::SelectedRowOutcome) has changed: a
    // calculation, a refusal, an edit that emptied the results, a variant chosen, a clear.
    virtual void rowChanged() = 0;
    // The user's regional number settings as they are now.
    virtual NumberFormat numberFormat() const = 0;
};

} // namespace triangle
