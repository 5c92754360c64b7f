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

// Either a value or the reason there is none.
template <typename T, typename Failure = CalculationFault> class Calculated {
public:
    Calculated(T value) : m_value(std::move(value)) {}
    Calculated(Failure fault) : m_fault(std::move(fault)) {}

    bool ok() const { return !m_fault.has_value(); }
    const T& value() const { return *m_value; }
    const Failure& fault() const { return *m_fault; }

private:
    std::optional<T> m_value;
    std::optional<Failure> m_fault;
};

} // namespace triangle
