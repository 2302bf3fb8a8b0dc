// Floor of an extended real as a 32-bit integer.
#include "distrib/checked_arithmetic.h"

namespace distrib {

std::int32_t Floor_int(Extended x)
{
    // Outside this range the floor has no 32-bit value.
    if (!(x >= -2147483648.0L && x < 2147483648.0L)) [[unlikely]]
        Raise_arithmetic_fault(EArithmeticError::Kind::InvalidOperation);
    const auto truncated = static_cast<std::int32_t>(x);
    return x - truncated < 0 ? truncated - 1 : truncated;
}

}  // namespace distrib
