// Floating-point faults as errors. An invalid operation, a division by zero
// or an overflow aborts the computation with EArithmeticError; underflow
// gives zero or a denormal silently. The checks are explicit branches so
// that the normal path costs one comparison and no exception machinery.
#pragma once

#include <cmath>

#include "distrib/kernels.h"

namespace distrib {

[[noreturn]] void Raise_arithmetic_fault(EArithmeticError::Kind kind);
// Names the fault of a quotient that came out infinite or not a number.
[[noreturn]] void Raise_division_fault(Extended numerator, Extended denominator);

// Natural logarithm: ln 0 is a division by zero, ln of a negative number
// (or of a NaN) an invalid operation.
inline Extended Checked_ln(Extended x)
{
    if (!(x > 0)) [[unlikely]]
        Raise_arithmetic_fault(x == 0 ? EArithmeticError::Kind::DivisionByZero
                                      : EArithmeticError::Kind::InvalidOperation);
    return std::log(x);
}

inline Extended Checked_sqrt(Extended x)
{
    if (!(x >= 0)) [[unlikely]]
        Raise_arithmetic_fault(EArithmeticError::Kind::InvalidOperation);
    return std::sqrt(x);
}

inline Extended Checked_exp(Extended x)
{
    const Extended result = std::exp(x);
    if (!std::isfinite(result)) [[unlikely]]
        Raise_arithmetic_fault(std::isnan(result) ? EArithmeticError::Kind::InvalidOperation
                                                  : EArithmeticError::Kind::Overflow);
    return result;
}

inline Extended Checked_divide(Extended numerator, Extended denominator)
{
    const Extended result = numerator / denominator;
    if (!std::isfinite(result)) [[unlikely]]
        Raise_division_fault(numerator, denominator);
    return result;
}

// A result that left the finite range: overflow, or an invalid operation
// when it is not a number.
inline Extended Checked_finite(Extended x)
{
    if (!std::isfinite(x)) [[unlikely]]
        Raise_arithmetic_fault(std::isnan(x) ? EArithmeticError::Kind::InvalidOperation
                                             : EArithmeticError::Kind::Overflow);
    return x;
}

}  // namespace distrib
