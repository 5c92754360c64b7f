#pragma once

#include <string_view>

namespace triangle::print {

// A face of the printed page: its size in the page's dots and its weight.
struct PrintFont {
    double pixels = 0.0;
    bool bold = false;
};

// How a toolkit lays out a line of text on the page it prints on, in that page's dots, so
// that the pages are composed without a toolkit and each form measures as it draws.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The distance from one line's top to the next's.
    virtual double lineHeight(const PrintFont& font) const = 0;
    // The advance of a UTF-8 text on one line.
    virtual double textWidth(std::string_view text, const PrintFont& font) const = 0;
};

} // namespace triangle::print
