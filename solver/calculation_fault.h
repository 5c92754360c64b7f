#pragma once

#include <optional>
#include <utility>

namespace triangle {

// The ways a calculation can fail. The solver hands them back as values; it is the
// window that decides what the user is told.
enum class CalculationFault {
    Overflow,          // a number or a result beyond the range of a double
    DivisionByZero,    // also zero divided by zero
    InvalidSquareRoot, // square root of a negative number
};

// Either a value or the fault that stopped the calculation.
template <typename T> class Calculated {
public:
    Calculated(T value) : m_value(std::move(value)) {}
    Calculated(CalculationFault fault) : m_fault(fault) {}

    bool ok() const { return !m_fault.has_value(); }
    const T& value() const { return *m_value; }
    CalculationFault fault() const { return *m_fault; }

private:
    std::optional<T> m_value;
    std::optional<CalculationFault> m_fault;
};

} // namespace triangle
