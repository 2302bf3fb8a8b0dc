// Regularized incomplete beta function by its continued fraction.
#include <cmath>

#include "distrib/checked_arithmetic.h"

namespace distrib {

// One even and one odd step of the fraction per round, renormalised by
// the newest denominator.
Extended Beta_fraction(Extended x, Extended a, Extended b)
{
    Extended am = 1, bm = 1, az = 1;
    const Extended qab = a + b;
    const Extended qap = a + 1;
    const Extended qam = a - 1;
    Extended bz = 1 - Checked_divide(qab * x, qap);
    Extended aold;
    Extended m = 1;
    do {
        const Extended tem = m + m;
        Extended d = Checked_divide(m * (b - m) * x, (qam + tem) * (a + tem));
        const Extended ap = az + d * am;
        const Extended bp = bz + d * bm;
        d = Checked_divide(-(a + m) * (qab + m) * x, (a + tem) * (qap + tem));
        const Extended app = ap + d * az;
        const Extended bpp = bp + d * bz;
        aold = az;
        am = Checked_divide(ap, bpp);
        bm = Checked_divide(bp, bpp);
        az = Checked_divide(app, bpp);
        bz = 1;
        m = m + 1;
    } while (!(std::fabs(az - aold) < 5e-12L * std::fabs(az)));
    return az;
}

Extended Beta_i(Extended x, Extended a, Extended b)
{
    // Any fault inside, arithmetic or other, makes the result 1.
    try {
        if (x <= 0) return 0;
        if (x >= 1) return 1;
        const Extended bt = Checked_exp(Ln_gamma(a + b) + a * Checked_ln(x)
                                        + b * Checked_ln(1 - x) - Ln_gamma(a) - Ln_gamma(b));
        if (x < Checked_divide(a + 1, a + b + 2))
            return Checked_divide(bt * Beta_fraction(x, a, b), a);
        return 1 - Checked_divide(bt * Beta_fraction(1 - x, b, a), b);
    } catch (...) {
        return 1;
    }
}

}  // namespace distrib
