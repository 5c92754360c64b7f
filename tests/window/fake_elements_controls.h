#pragma once

#include "window/elements/elements_controls.h"
#include "window/elements/elements_form_logic.h"
#include "window/solution/solution_page.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// Stands in for the toolkit in the window of any two elements: keeps the field texts, which
// fields are computed and what was said and shown.
class FakeElementsControls : public triangle::ElementsControls {
public:
    using Element = triangle::Element;

    triangle::ElementsFormLogic logic{*this};
    triangle::NumberFormat region;
    std::array<std::string, triangle::ElementCount> texts;
    std::array<bool, triangle::ElementCount> computed{};
    std::array<std::string, triangle::ElementCount> tips;
    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<std::string> announcements;
    int focused = -1;
    triangle::SolutionPage page;
    int writes = 0;
    std::array<std::string, 2> relations;
    int focusedRelation = -1;
    // What the choice between two triangles shows: how many, and which is chosen.
    int choiceCount = 0;
    int choiceShown = 0;

    static std::size_t at(Element field) { return static_cast<std::size_t>(field); }

    std::string text(Element field) const override { return texts.at(at(field)); }
    void setText(Element field, const std::string& text) override
    {
        texts.at(at(field)) = text;
        ++writes;
    }
    void setComputed(Element field, bool value) override { computed.at(at(field)) = value; }
    void setTip(Element field, const std::string& tip) override { tips.at(at(field)) = tip; }
    void showMessage(const std::string& title, const std::string& text) override
    {
        messages.emplace_back(title, text);
    }
    void focusField(Element field) override
    {
        focused = static_cast<int>(field);
        focusedRelation = -1;
    }
    void announce(const std::string& text) override { announcements.push_back(text); }
    void showPage(const triangle::SolutionPage& shown, const triangle::NumberFormat&) override
    {
        page = shown;
    }
    triangle::NumberFormat numberFormat() const override { return region; }
    std::string relationText(int field) const override
    {
        return relations.at(static_cast<std::size_t>(field));
    }
    void setRelationText(int field, const std::string& text) override
    {
        relations.at(static_cast<std::size_t>(field)) = text;
    }
    void focusRelation(int field) override
    {
        focusedRelation = field;
        focused = -1;
    }
    void showChoice(int count, int shown) override
    {
        choiceCount = count;
        choiceShown = shown;
    }

    // The user's typing: only into a field open for it, and the logic hears of it.
    bool type(Element field, const std::string& text)
    {
        if (computed.at(at(field)))
            return false;
        texts.at(at(field)) = text;
        logic.FieldChange(field);
        return true;
    }
    void typeRelation(int field, const std::string& text)
    {
        relations.at(static_cast<std::size_t>(field)) = text;
        logic.RelationChange(field);
    }
};
