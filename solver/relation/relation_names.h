#pragma once

// The names a relation's elements may be typed with: the symbols ("a₁", "α"), what a keyboard
// types for them ("a1", "alpha", "алфа", "ma", "l_c"), and the Cyrillic letters that look like
// the Latin ones (а, б, с, Р) or stand for them on the phonetic layout's key (С for S, м, л).

#include "solver/element/element_solver.h"

#include <optional>
#include <string_view>

namespace triangle {

// The element a typed name stands for; none for a name that is no element. The trigonometric
// values are named with their angle, with or without a blank between: "sin α", "sinalpha".
std::optional<Element> RelationElement(std::string_view name);

// Whether the byte at the start of `text` begins a character a name is made of: a Latin,
// Greek or Cyrillic letter, "_" or a subscript ("₁", "ₐ"); digits only after the first.
std::size_t NameCharacterLength(std::string_view text, bool first);

} // namespace triangle
