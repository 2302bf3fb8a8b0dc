// Regularized incomplete gamma function: the series for the lower part, the
// continued fraction for the upper part, the checked entry points, and the
// standard normal probability that rests on it at shape 1/2.
#include <cmath>

#include "distrib/checked_arithmetic.h"

namespace distrib {

namespace {

// x^a e^(-x) / Gamma(a), the common factor of series and fraction.
Extended Gamma_prefactor(Extended x, Extended a, Extended ln_gamma_a)
{
    return Checked_exp(a * Checked_ln(x) - x - ln_gamma_a);
}

// Sum of the lower series without its factor; capped at 100 added terms,
// the partial sum then being used as it is.
Extended Series_sum(Extended x, Extended a)
{
    Extended ap = a;
    Extended term = Checked_divide(1, a);
    Extended sum = term;
    int count = 1;
    do {
        ap = ap + 1;
        term = Checked_divide(term * x, ap);
        sum = sum + term;
        ++count;
    } while (!(std::fabs(sum) * 5e-12L > std::fabs(term)) && count <= 100);
    return sum;
}

// Value of the upper continued fraction without its factor.
Extended Fraction_value(Extended x, Extended a)
{
    Extended g = 0;
    Extended gold = 1;
    Extended a0 = 1, a1 = x, b0 = 0, b1 = 1;
    Extended fac = 1;
    Extended n = 1;
    do {
        const Extended ana = n - a;
        a0 = (a1 + a0 * ana) * fac;
        b0 = (b1 + b0 * ana) * fac;
        const Extended anf = n * fac;
        a1 = x * a0 + anf * a1;
        b1 = x * b0 + anf * b1;
        // Renormalising by a1 keeps the recurrence inside the range.
        if (a1 != 0) {
            gold = g;
            fac = Checked_divide(1, a1);
            g = b1 * fac;
        }
        n = n + 1;
    } while (!(std::fabs(Checked_divide(g - gold, g)) < 5e-12L));
    return g;
}

void Check_gamma_p_arguments(Extended x, Extended a)
{
    Check_argument(1302, x, 0);
    Raise_if(x > Big_limit, 1361);
    Check_argument(1301, a, 0);
    Raise_if(a > Big_limit, 1361);
}

// The normal probability runs once per Monte Carlo sample; its shape never
// changes.
const Extended Ln_gamma_half = Ln_gamma(0.5L);

}  // namespace

Extended Gamma_series(Extended x, Extended a)
{
    if (Nearly_equal(0, x)) return 0;
    const Extended sum = Series_sum(x, a);
    return sum * Gamma_prefactor(x, a, Ln_gamma(a));
}

Extended Gamma_fraction(Extended x, Extended a)
{
    const Extended g = Fraction_value(x, a);
    return g * Gamma_prefactor(x, a, Ln_gamma(a));
}

Extended Gamma_p(Extended x, Extended a)
{
    Check_gamma_p_arguments(x, a);
    if (x < a + 1) return Gamma_series(x, a);
    return 1 - Gamma_fraction(x, a);
}

Extended Gamma_p(Extended x, Extended a, Extended ln_gamma_a)
{
    Check_gamma_p_arguments(x, a);
    if (x < a + 1) {
        if (Nearly_equal(0, x)) return 0;
        return Series_sum(x, a) * Gamma_prefactor(x, a, ln_gamma_a);
    }
    return 1 - Fraction_value(x, a) * Gamma_prefactor(x, a, ln_gamma_a);
}

Extended Unit_normal_cumulative(Extended half_square, bool nonnegative)
{
    const Extended g = Gamma_p(half_square, 0.5L, Ln_gamma_half);
    return nonnegative ? (1 + g) / 2 : (1 - g) / 2;
}

}  // namespace distrib
