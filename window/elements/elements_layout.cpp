#include "window/elements/elements_layout.h"

#include "window/text/ui_texts.h"

#include <array>

namespace triangle::elements_layout {

namespace {

constexpr int Margin = 12;
constexpr int TitleHeight = 26; // the group box's caption above its first row
constexpr int RowHeight = 34;
constexpr int FieldHeight = 28;
constexpr int LabelWidth = 380;
constexpr int FieldWidth = 140;
constexpr int GroupGap = 8;
constexpr int GroupWidth = Margin + LabelWidth + 8 + FieldWidth + Margin;
constexpr int ButtonWidth = 150;
constexpr int ButtonHeight = 34;

constexpr std::array<Group, 5> groups = [] {
    const Element firsts[5] = {Element::a, Element::alpha, Element::h, Element::S, Element::r};
    const int counts[5] = {3, 2, 3, 2, 2};
    std::array<Group, 5> all{};
    int top = Margin;
    for (int i = 0; i < 5; ++i) {
        const int height = TitleHeight + counts[i] * RowHeight + 6;
        all[static_cast<std::size_t>(i)] = {
            texts::ElementGroups[i], firsts[i], counts[i], {Margin, top, GroupWidth, height}};
        top += height + GroupGap;
    }
    return all;
}();

const Group& groupOf(Element element)
{
    for (const Group& group : groups) {
        const int i = static_cast<int>(element) - static_cast<int>(group.first);
        if (i >= 0 && i < group.count)
            return group;
    }
    return groups[0];
}

int rowTop(Element element)
{
    const Group& group = groupOf(element);
    const int row = static_cast<int>(element) - static_cast<int>(group.first);
    return group.place.top + TitleHeight + row * RowHeight;
}

} // namespace

std::span<const Group> Groups()
{
    return groups;
}

Rect LabelPlace(Element element)
{
    return {2 * Margin, rowTop(element), LabelWidth, FieldHeight};
}

Rect FieldPlace(Element element)
{
    return {2 * Margin + LabelWidth + 8, rowTop(element), FieldWidth, FieldHeight};
}

Rect ButtonPlace(int button)
{
    const Group& last = groups.back();
    const int top = last.place.top + last.place.height + 2 * GroupGap;
    return {Margin + button * (ButtonWidth + 2 * Margin), top, ButtonWidth, ButtonHeight};
}

layout::Colour ButtonColour(int button)
{
    return *layout::ControlOf("Command1", static_cast<std::int16_t>(button)).background;
}

} // namespace triangle::elements_layout
