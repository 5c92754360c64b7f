#pragma once

#include <string>

namespace triangle {

// A field's tooltip, as shown and as a screen reader says it.
struct FieldTip {
    std::string shown;
    std::string spoken;
};

// What the field holds (`description`), its text where it has one, then the whole triangle of
// its row where there is one, otherwise `hint`. Only the whole triangle has formulas to put in
// words; the hint's brackets are prose. Lines end in '\n'.
FieldTip FieldTipOf(const std::string& description, const std::string& text,
                    const std::string& details, const std::string& hint);

} // namespace triangle
