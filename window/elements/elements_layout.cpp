#include "window/elements/elements_layout.h"

#include "window/text/ui_texts.h"

#include <algorithm>
#include <array>

namespace triangle::elements_layout {

namespace {

constexpr int Margin = 12;
constexpr int TitleHeight = 22; // the group box's caption above its first row
constexpr int RowHeight = 30;
constexpr int FieldHeight = 26;
constexpr int GroupGap = 6;
constexpr int ButtonWidth = 150;
constexpr int ButtonHeight = 34;

// A group of one column: a label and a field a row.
constexpr int LabelWidth = 176;
constexpr int FieldWidth = 144;
constexpr int GroupWidth = Margin + LabelWidth + 8 + FieldWidth + Margin;
// The table of the trigonometric values: four labels and fields a row, one row an angle.
constexpr int TableColumns = 4;
constexpr int TableLabelWidth = 56;
constexpr int TableFieldWidth = 110;
constexpr int TableGap = 4;
constexpr int TableWidth = 2 * GroupWidth + Margin;
static_assert(Margin + TableColumns * (TableLabelWidth + TableGap + TableFieldWidth) +
                  (TableColumns - 1) * TableGap + Margin ==
              TableWidth);

static_assert(std::size(texts::ElementGroups) == GroupCount);

// Two columns of groups, each group under the one before it in its column, in Element's
// order; then the table of the trigonometric values alone across the panel.
constexpr std::array<Group, GroupCount> groups = [] {
    const Element firsts[GroupCount] = {Element::a, Element::alpha, Element::h,       Element::S,
                                        Element::r, Element::mA,    Element::sinAlpha};
    const int counts[GroupCount] = {3, 2, 3, 2, 2, 5, 8};
    const int columns[GroupCount] = {1, 1, 1, 1, 1, 1, TableColumns};
    // 0 the left column, 1 the right, 2 across both.
    const int places[GroupCount] = {0, 1, 0, 1, 0, 1, 2};
    std::array<Group, GroupCount> all{};
    int tops[2] = {Margin, Margin};
    for (int i = 0; i < GroupCount; ++i) {
        const int rows = (counts[i] + columns[i] - 1) / columns[i];
        const int height = TitleHeight + rows * RowHeight + 6;
        const int place = places[i];
        const int top = place < 2 ? tops[place] : std::max(tops[0], tops[1]);
        const int left = place == 1 ? 2 * Margin + GroupWidth : Margin;
        const int width = place == 2 ? TableWidth : GroupWidth;
        all[static_cast<std::size_t>(i)] = {
            texts::ElementGroups[i], firsts[i], counts[i], columns[i], {left, top, width, height}};
        if (place < 2)
            tops[place] = top + height + GroupGap;
        else
            tops[0] = tops[1] = top + height + GroupGap;
    }
    return all;
}();

// The two relation fields side by side in a group of their own under the table.
constexpr Rect relationGroup = {Margin,
                                groups.back().place.top + groups.back().place.height + GroupGap,
                                TableWidth, TitleHeight + RowHeight + 6};
constexpr int RelationLabelWidth = 48;
constexpr int RelationFieldWidth =
    (TableWidth - 2 * Margin - 2 * (RelationLabelWidth + 4) - 12) / 2;

static_assert(PanelWidth == 3 * Margin + 2 * GroupWidth);
static_assert(PanelHeight ==
              relationGroup.top + relationGroup.height + 2 * GroupGap + ButtonHeight + Margin);

const Group& groupOf(Element element)
{
    for (const Group& group : groups) {
        const int i = static_cast<int>(element) - static_cast<int>(group.first);
        if (i >= 0 && i < group.count)
            return group;
    }
    return groups[0];
}

// The element's row and column in its group.
struct Cell {
    const Group& group;
    int row;
    int column;
};

Cell cellOf(Element element)
{
    const Group& group = groupOf(element);
    const int i = static_cast<int>(element) - static_cast<int>(group.first);
    return {group, i / group.columns, i % group.columns};
}

int rowTop(const Cell& cell)
{
    return cell.group.place.top + TitleHeight + cell.row * RowHeight;
}

int cellLeft(const Cell& cell)
{
    return cell.group.place.left + Margin +
           cell.column * (TableLabelWidth + TableGap + TableFieldWidth + TableGap);
}

} // namespace

std::span<const Group, GroupCount> Groups()
{
    return groups;
}

static_assert([] {
    int count = 0;
    for (const Group& group : groups)
        count += group.count;
    return count == ElementCount;
}());

std::array<Element, ElementCount> TabOrder()
{
    std::array<Element, ElementCount> order{};
    std::size_t next = 0;
    for (const Group& group : groups)
        for (int i = 0; i < group.count; ++i)
            order[next++] = static_cast<Element>(static_cast<int>(group.first) + i);
    return order;
}

Rect LabelPlace(Element element)
{
    const Cell cell = cellOf(element);
    const int width = cell.group.columns > 1 ? TableLabelWidth : LabelWidth;
    return {cellLeft(cell), rowTop(cell), width, FieldHeight};
}

Rect FieldPlace(Element element)
{
    const Cell cell = cellOf(element);
    if (cell.group.columns > 1)
        return {cellLeft(cell) + TableLabelWidth + TableGap, rowTop(cell), TableFieldWidth,
                FieldHeight};
    return {cellLeft(cell) + LabelWidth + 8, rowTop(cell), FieldWidth, FieldHeight};
}

Rect ButtonPlace(int button)
{
    const int top = relationGroup.top + relationGroup.height + 2 * GroupGap;
    return {Margin + button * (ButtonWidth + 2 * Margin), top, ButtonWidth, ButtonHeight};
}

Rect RelationGroupPlace()
{
    return relationGroup;
}

Rect RelationLabelPlace(int field)
{
    return {relationGroup.left + Margin +
                field * (RelationLabelWidth + 4 + RelationFieldWidth + 12),
            relationGroup.top + TitleHeight, RelationLabelWidth, FieldHeight};
}

Rect RelationFieldPlace(int field)
{
    const Rect label = RelationLabelPlace(field);
    return {label.left + RelationLabelWidth + 4, label.top, RelationFieldWidth, FieldHeight};
}

Rect ChoiceLabelPlace()
{
    const Rect clear = ButtonPlace(1);
    return {clear.left + clear.width + 2 * Margin, clear.top, 110, ButtonHeight};
}

Rect ChoicePlace(int solution)
{
    const Rect label = ChoiceLabelPlace();
    return {label.left + label.width + solution * 120, label.top, 116, ButtonHeight};
}

layout::Colour ButtonColour(int button)
{
    return *layout::ControlOf("Command1", static_cast<std::int16_t>(button)).background;
}

} // namespace triangle::elements_layout
