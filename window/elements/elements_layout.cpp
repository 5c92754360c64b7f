#include "window/elements/elements_layout.h"

#include "window/text/ui_texts.h"

#include <algorithm>
#include <array>

namespace triangle::elements_layout {

namespace {

constexpr int Margin = 12;
constexpr int TitleHeight = 26; // the group box's caption above its first row
constexpr int RowHeight = 34;
constexpr int FieldHeight = 28;
constexpr int GroupGap = 8;
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

constexpr int GroupCount = 7;

// Two groups a line, in reading order, the table of the trigonometric values alone across
// the last line.
constexpr std::array<Group, GroupCount> groups = [] {
    const Element firsts[GroupCount] = {Element::a, Element::alpha, Element::h,       Element::S,
                                        Element::r, Element::mA,    Element::sinAlpha};
    const int counts[GroupCount] = {3, 2, 3, 2, 2, 5, 8};
    const int columns[GroupCount] = {1, 1, 1, 1, 1, 1, TableColumns};
    const int lines[GroupCount] = {0, 0, 1, 1, 2, 2, 3};
    const int lineRows[4] = {3, 3, 5, 2};
    std::array<Group, GroupCount> all{};
    int top = Margin;
    for (int line = 0, i = 0; line < 4; ++line) {
        const int height = TitleHeight + lineRows[line] * RowHeight + 6;
        for (int left = Margin; i < GroupCount && lines[i] == line; ++i) {
            const int width = columns[i] > 1 ? TableWidth : GroupWidth;
            all[static_cast<std::size_t>(i)] = {texts::ElementGroups[i],
                                                firsts[i],
                                                counts[i],
                                                columns[i],
                                                {left, top, width, height}};
            left += width + Margin;
        }
        top += height + GroupGap;
    }
    return all;
}();

static_assert(PanelWidth == 3 * Margin + 2 * GroupWidth);
static_assert(PanelHeight == groups.back().place.top + groups.back().place.height + 2 * GroupGap +
                                 ButtonHeight + Margin);

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

std::span<const Group> Groups()
{
    return groups;
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
    const Group& last = groups.back();
    const int top = last.place.top + last.place.height + 2 * GroupGap;
    return {Margin + button * (ButtonWidth + 2 * Margin), top, ButtonWidth, ButtonHeight};
}

layout::Colour ButtonColour(int button)
{
    return *layout::ControlOf("Command1", static_cast<std::int16_t>(button)).background;
}

} // namespace triangle::elements_layout
