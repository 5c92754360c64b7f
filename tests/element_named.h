#pragma once

// The element a table names by its symbol, as the program writes it ("a₁", "m_a", "sin α").

#include "solver/element/element_solver.h"

#include <gtest/gtest.h>

#include <string>

namespace tests {

inline triangle::Element ElementNamed(const std::string& symbol)
{
    for (int i = 0; i < triangle::ElementCount; ++i)
        if (symbol == triangle::ElementSymbol(static_cast<triangle::Element>(i)))
            return static_cast<triangle::Element>(i);
    ADD_FAILURE() << "no element " << symbol;
    return triangle::Element::a;
}

} // namespace tests
