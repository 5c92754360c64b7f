#pragma once

// The window's fixed layout as data: every control's place in twips, its colours, weight,
// tab place and text. Each toolkit's form only turns these rows into its own controls.

#include <cstdint>
#include <optional>
#include <span>

namespace triangle::layout {

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// In twips: 1/1440 inch, so 15 twips make one pixel at 96 dots per inch.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Twips to pixels at the given dots per inch, rounded down as at 96 DPI (twips / 15).
constexpr int Pixels(int twips, int dpi = 96)
{
    return twips * dpi / 1440;
}

inline constexpr int ClientWidth = 7065;
inline constexpr int ClientHeight = 5205;
inline constexpr Colour WindowColour{192, 192, 255};
inline constexpr Colour ResultColour{255, 192, 192}; // the disabled result fields
// The window font, used by every control that names none of its own; bold where a row says.
inline constexpr const char* FontFace = "Times New Roman";
inline constexpr int FontPointSize = 12;

enum class Kind { Label, Frame, OptionButton, PushButton, LongText };

// One control other than the 24 fields.
struct Control {
    Kind kind;
    const char* array; // the control array's name: "Label1", "Option1", "Command1", ...
    std::int16_t index;
    Place place;      // from the client area's corner; an option button's from its frame's
    const char* text; // UTF-8
    std::optional<Colour> background; // none: the toolkit's usual field colour
    int tabPlace;                     // labels and the frame take no focus
    bool visible;
};

// Labels, frame, option buttons, push buttons and the two long texts, as the table lists them.
std::span<const Control> Controls();
// The control of an array by its index, such as Control("Command1", 0).
const Control& ControlOf(const char* array, std::int16_t index);

// One of the fields Text2(0) to Text2(23).
struct Field {
    Place place;
    bool result; // computed, never typed: disabled and drawn on ResultColour
    bool bold;
    int tabPlace;
};
Field FieldOf(std::int16_t field);

} // namespace triangle::layout
