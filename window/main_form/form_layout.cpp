#include "window/main_form/form_layout.h"

#include "solver/variant/variant_solver.h"
#include "window/text/ui_texts.h"

#include <cstring>

namespace triangle::layout {

namespace {

constexpr Colour LabelColour{255, 192, 128};
constexpr Colour OptionColour{128, 128, 255};
constexpr Colour CalculateColour{128, 255, 128};
constexpr Colour ClearColour{255, 0, 0};

constexpr Control controls[] = {
    {Kind::Label, "Label1", 0, {720, 0, 5655, 375}, texts::Heading, LabelColour, 2, true},
    {Kind::Label, "Label1", 1, {1920, 480, 975, 375}, texts::ColumnHeads[0], LabelColour, 3, true},
    {Kind::Label, "Label1", 2, {2880, 480, 975, 375}, texts::ColumnHeads[1], LabelColour, 4, true},
    {Kind::Label, "Label1", 3, {3840, 480, 975, 375}, texts::ColumnHeads[2], LabelColour, 5, true},
    {Kind::Label, "Label1", 4, {4800, 480, 975, 375}, texts::ColumnHeads[3], LabelColour, 6, true},
    {Kind::Frame,
     "Frame1",
     0,
     {120, 480, 1695, 2655},
     texts::VariantsFrame,
     WindowColour,
     33,
     true},
    {Kind::OptionButton,
     "Option1",
     0,
     {120, 360, 1455, 375},
     texts::Variants[0],
     OptionColour,
     34,
     true},
    {Kind::OptionButton,
     "Option1",
     1,
     {120, 720, 1455, 375},
     texts::Variants[1],
     OptionColour,
     35,
     true},
    {Kind::OptionButton,
     "Option1",
     2,
     {120, 1080, 1455, 375},
     texts::Variants[2],
     OptionColour,
     36,
     true},
    {Kind::OptionButton,
     "Option1",
     3,
     {120, 1440, 1455, 375},
     texts::Variants[3],
     OptionColour,
     37,
     true},
    {Kind::OptionButton,
     "Option1",
     4,
     {120, 1800, 1455, 375},
     texts::Variants[4],
     OptionColour,
     38,
     true},
    {Kind::OptionButton,
     "Option1",
     5,
     {120, 2160, 1455, 375},
     texts::Variants[5],
     OptionColour,
     39,
     true},
    {Kind::PushButton,
     "Command1",
     0,
     {5880, 840, 1095, 375},
     texts::Calculate,
     CalculateColour,
     23,
     true},
    {Kind::PushButton, "Command1", 1, {5880, 2640, 1095, 375}, texts::Clear, ClearColour, 24, true},
    {Kind::LongText,
     "Text1",
     0,
     {120, 3360, 6735, 1815},
     texts::TaskStatement,
     std::nullopt,
     0,
     true},
    {Kind::LongText, "Text1", 1, {600, 3480, 6735, 1815}, texts::Aphorism, std::nullopt, 1, false},
};

// Not the same set as the result fields: field 6 is regular and field 7 bold.
constexpr bool boldField[24] = {0, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0,
                                1, 0, 0, 1, 1, 1, 0, 0, 0, 1, 0, 1};

} // namespace

std::span<const Control> Controls()
{
    return controls;
}

const Control& ControlOf(const char* array, std::int16_t index)
{
    for (const Control& control : controls) {
        if (std::strcmp(control.array, array) == 0 && control.index == index)
            return control;
    }
    return controls[0];
}

Field FieldOf(std::int16_t field)
{
    if (field < 0 || field >= 24)
        field = 0;
    const int row = field / ColumnCount;
    const int column = field % ColumnCount;
    const GivenColumns given = GivenColumnsOf(static_cast<std::int16_t>(row));
    // The two push buttons take tab places 23 and 24, between field 15 and field 16.
    return {{1920 + 960 * column, 840 + 360 * row, 975, 405},
            column != given.first && column != given.second,
            boldField[field],
            field < 16 ? 7 + field : 9 + field};
}

} // namespace triangle::layout
