// Integer and real powers.
#include <cmath>

#include "distrib/checked_arithmetic.h"

namespace distrib {

// Binary exponentiation over the bits of |n|, lowest first.
Extended Int_power(Extended base, std::int32_t n)
{
    std::uint32_t m = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    if (m == 0) return 1;
    Extended result = 1;
    Extended p = base;
    while (true) {
        const bool bit = (m & 1u) != 0;
        m >>= 1;
        if (bit) {
            result = result * p;
            if (m == 0) break;
        }
        p = p * p;
    }
    Checked_finite(result);
    return n < 0 ? Checked_divide(1, result) : result;
}

Extended Real_power(Extended base, Extended exponent)
{
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= Big_limit)
        return Int_power(base, static_cast<std::int32_t>(exponent));
    return Checked_exp(exponent * Checked_ln(base));
}

}  // namespace distrib
