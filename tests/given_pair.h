#pragma once

#include "solver/element/element_solver.h"

// A table row's two given elements and their texts as typed, first the row's name; a case
// adds what it expects after them: {"two legs", Element::a, "6", Element::b, "8", expected}.
template <class Text> struct GivenPair {
    const char* name;
    triangle::Element first;
    Text firstText;
    triangle::Element second;
    Text secondText;
};
