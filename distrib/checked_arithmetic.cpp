#include "distrib/checked_arithmetic.h"

namespace distrib {

EArithmeticError::EArithmeticError(Kind kind, const std::string& what)
    : std::runtime_error(what), kind_(kind)
{
}

void Raise_arithmetic_fault(EArithmeticError::Kind kind)
{
    switch (kind) {
    case EArithmeticError::Kind::InvalidOperation:
        throw EArithmeticError(kind, "Invalid floating point operation");
    case EArithmeticError::Kind::DivisionByZero:
        throw EArithmeticError(kind, "Floating point division by zero");
    case EArithmeticError::Kind::Overflow:
        break;
    }
    throw EArithmeticError(EArithmeticError::Kind::Overflow, "Floating point overflow");
}

void Raise_division_fault(Extended numerator, Extended denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator) || (numerator == 0 && denominator == 0)
        || (std::isinf(numerator) && std::isinf(denominator)))
        Raise_arithmetic_fault(EArithmeticError::Kind::InvalidOperation);
    if (denominator == 0) Raise_arithmetic_fault(EArithmeticError::Kind::DivisionByZero);
    Raise_arithmetic_fault(EArithmeticError::Kind::Overflow);
}

}  // namespace distrib
