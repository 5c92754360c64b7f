#pragma once

// Stand-in until the relation reader's texts land: the label and tooltip of the relation
// fields. The merge keeps the reader's file of the same name in place of this one.

namespace triangle::texts {

inline constexpr const char* RelationFieldLabel = "Връзка между два елемента";
inline constexpr const char* RelationFieldTip =
    "Връзка между два елемента, както е в задачата: a : b = 5 : 12, a + b = 23, c − a = 1, "
    "c = 2a, b = a√3, α − β = 40°; с букви от клавиатурата: a:b=5:12, c-a=1, alpha-beta=40.";

} // namespace triangle::texts
