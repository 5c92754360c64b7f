#pragma once

// What the window of any two elements' logic knows of its element fields as a whole.

#include "solver/element/element_solver.h"
#include "window/text/ui_texts.h"

#include <array>

namespace triangle {

// Every element, in the fields' order.
inline constexpr std::array<Element, ElementCount> AllElements = [] {
    std::array<Element, ElementCount> all{};
    for (int i = 0; i < ElementCount; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<Element>(i);
    return all;
}();

// What may be typed in the element's field: its tooltip where it is not given.
inline const char* FieldHint(Element element)
{
    if (IsTrigonometric(element))
        return texts::TrigonometricFieldHint;
    return IsAngle(element) ? texts::AngleFieldHint : texts::LengthFieldHint;
}

} // namespace triangle
