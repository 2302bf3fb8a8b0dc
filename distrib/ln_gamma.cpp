// Logarithm of the gamma function by the six-term log-gamma series.
#include "distrib/checked_arithmetic.h"

namespace distrib {

Extended Ln_gamma(Extended xx)
{
    static constexpr Extended coefficients[6] = {
        76.18009172947146L,     -86.50532032941677L,    24.01409824083091L,
        -1.231739572450155L,    0.1208650973866179e-2L, -0.5395239384953e-5L,
    };
    Extended x = xx - 1;
    Extended tmp = x + 5.5L;
    tmp = (x + 0.5L) * Checked_ln(tmp) - tmp;
    // The series starts at exactly one, with no separate constant term.
    Extended ser = 1.0L;
    for (const Extended c : coefficients) {
        x = x + 1;
        ser = ser + Checked_divide(c, x);
    }
    return tmp + Checked_ln(2.5066282746310005L * ser);
}

}  // namespace distrib
