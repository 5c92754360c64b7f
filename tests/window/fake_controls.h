#pragma once

#include "solver/number/field_number.h"
#include "solver/variant/variant_solver.h"
#include "window/main_form/solver_controls.h"
#include "window/main_form/solver_form_logic.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// Stands in for the toolkit: keeps the field texts, locks and the selected option, and
// delivers Option1_Click as a nested event when the selection changes, as Qt does.
class FakeControls : public triangle::SolverControls {
public:
    // The given fields; the others are disabled for good.
    static constexpr std::array<bool, triangle::FieldCount> enabled = {
        true,  true, false, false, true,  false, false, true, false, true,  false, true,
        false, true, true,  false, false, false, true,  true, true,  false, true,  false};

    triangle::SolverFormLogic logic{*this};
    triangle::NumberFormat region;
    std::array<std::string, triangle::FieldCount> texts;
    std::array<bool, triangle::FieldCount> locked{};
    int selected = -1;
    std::vector<std::int16_t> writes; // fields whose text the program set, in order
    std::vector<std::pair<std::string, std::string>> messages;
    std::array<std::string, triangle::VariantCount> rowDetails;
    int focused = -1;                  // the field the program last moved the focus into
    std::vector<int> focusedAtMessage; // `focused` while each message was shown
    std::vector<std::string> announcements;
    int rowChanges = 0; // how often the logic said the selected row's outcome changed

    std::string text(std::int16_t field) const override { return texts.at(field); }
    void setText(std::int16_t field, const std::string& text) override
    {
        texts.at(field) = text;
        writes.push_back(field);
    }
    void setLocked(std::int16_t field, bool value) override { locked.at(field) = value; }
    void selectOption(std::int16_t k) override
    {
        if (selected == k)
            return;
        selected = k;
        logic.Option1_Click(k);
    }
    void showMessage(const std::string& title, const std::string& text) override
    {
        messages.emplace_back(title, text);
        focusedAtMessage.push_back(focused);
    }
    void setRowDetails(std::int16_t row, const std::string& details) override
    {
        rowDetails.at(row) = details;
    }
    void focusField(std::int16_t field) override { focused = field; }
    void announce(const std::string& text) override { announcements.push_back(text); }
    void rowChanged() override { ++rowChanges; }
    triangle::NumberFormat numberFormat() const override { return region; }

    bool acceptsTyping(int field) const { return enabled.at(field) && !locked.at(field); }
    // The user's typing, pasting, undo or cut: replaces the text only where the field
    // accepts it, and tells the logic, as the toolkit does for the user's edits only.
    bool type(int field, const std::string& text)
    {
        if (!acceptsTyping(field))
            return false;
        texts.at(field) = text;
        logic.Text2_Change(static_cast<std::int16_t>(field));
        return true;
    }
    // The user clicking an option button.
    void choose(std::int16_t k) { selectOption(k); }
};
