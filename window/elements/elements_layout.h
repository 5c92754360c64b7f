#pragma once

// The window of any two elements as data: the fields in their groups, the two buttons, and
// the panel they fill at the window's left, in logical pixels (96 DPI); the drawing above
// the steps takes the rest of the window, whatever its size.

#include "solver/element/element_solver.h"
#include "window/main_form/form_layout.h"

#include <array>
#include <span>

namespace triangle::elements_layout {

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// A group box of fields that belong together in the textbook: sides, angles, height and
// projections, area and perimeter, radii, in two columns; then the trigonometric values as a
// table across the panel, a row an angle. Its fields are `count` elements from `first` in
// Element's order, `columns` a row, which is also the order of Tab.
struct Group {
    const char* title;
    Element first;
    int count;
    int columns;
    Rect place;
};
inline constexpr int GroupCount = 7;
std::span<const Group, GroupCount> Groups();
// The fields in the order of Tab, as the groups are read: a group in the left column, the
// one beside it, the next row of groups, the table last.
std::array<Element, ElementCount> TabOrder();

Rect LabelPlace(Element element);
Rect FieldPlace(Element element);
// 0 calculates, 1 clears.
Rect ButtonPlace(int button);
// The group of the two relation fields, 0 and 1, side by side under the table, each with its
// label before it.
Rect RelationGroupPlace();
Rect RelationLabelPlace(int field);
Rect RelationFieldPlace(int field);
// Beside the buttons, shown only where two triangles fit the facts: "Две решения" and the
// choice of "Решение 1" or "Решение 2".
Rect ChoiceLabelPlace();
Rect ChoicePlace(int solution);
layout::Colour ButtonColour(int button);

// Wide rather than tall: every field, the relations and the choice of two triangles whole on
// work areas of 1024 × 768 and 1280 × 720 with the window's title and menu bars.
inline constexpr int PanelWidth = 740;
inline constexpr int PanelHeight = 594;
// The size the window opens with, before the screen's limits.
inline constexpr int OpeningWidth = 1280;
inline constexpr int OpeningHeight = 720;
// The least width the drawing and steps keep beside the panel, where the screen has room.
inline constexpr int LeastDrawingWidth = 240;
// The drawing's share of the height to the right of the panel, in fifths; the steps the rest.
inline constexpr int DrawingFifths = 3;

} // namespace triangle::elements_layout
