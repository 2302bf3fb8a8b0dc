#include "distrib/gamma_distribution.h"

#include <numbers>

#include "distrib/checked_arithmetic.h"

namespace distrib {

namespace {

// Above this shape the cumulative probability comes from the cube-root
// normal approximation.
constexpr Extended Largest_exact_shape = 500;

}  // namespace

tGamma_distribution::tGamma_distribution(Extended shape_value, Extended rate_value)
{
    parameter_count = 2;
    parameter(1) = {shape_value, false, 0, Big_limit};
    parameter(2) = {rate_value, false, 0, Big_limit};
    tGamma_distribution::Set_parameters(shape_value, rate_value, 0);
}

bool tGamma_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool valid = tContinuous_distribution::Set_parameters(p1, p2, p3);
    shape = p1;
    rate = p2;
    log_norm = p1 * Checked_ln(p2) - Ln_gamma(p1);
    support_lower = 0;
    support_upper = Big_limit;
    const Extended a = p1;
    if (a > 1) {
        const Extended s = Checked_sqrt(2 * a - 1);
        // a - s = (a - 1)^2 / (a + s) > 0; just above a = 1 the direct
        // difference cancels to nothing, and then the exact form is used.
        Extended below_mode = a - s;
        if (!(below_mode > 0)) below_mode = (a - 1) * (a - 1) / (a + s);
        const Extended ln_mode = Checked_ln(a - 1);
        aux_1 = (1 - s)
                * Checked_sqrt(Checked_exp((a - 1) * (Checked_ln(below_mode) - ln_mode) + s - 1));
        aux_2 = (1 + s) * Checked_sqrt(Checked_exp((a - 1) * (Checked_ln(a + s) - ln_mode) - s - 1));
    } else if (a < 1) {
        aux_1 = (std::numbers::e_v<Extended> + a) / std::numbers::e_v<Extended>;
        aux_2 = Checked_divide(1, a);
    }
    return valid;
}

bool tGamma_distribution::In_support(Extended x) const
{
    // Below shape 1 the density is unbounded at 0, which is left out.
    if (shape < 1 && !(x > 0)) return false;
    return tContinuous_distribution::In_support(x);
}

Extended tGamma_distribution::Density(Extended x) const
{
    if (In_support(x) && x > 0)
        return Checked_exp((shape - 1) * Checked_ln(x) + log_norm - rate * x);
    if (Nearly_equal(shape, 1) && x == 0) return rate;
    return 0;
}

Extended tGamma_distribution::Cumulative(Extended x) const
{
    // Outside the support, including 0 for shapes below 1.
    if (!In_support(x)) return x > support_upper ? 1 : 0;
    if (shape <= Largest_exact_shape) return Gamma_p(x * rate, shape);
    const Extended w = Real_power(rate * x / shape, 1.0L / 3);
    const Extended c = w - 1 + 1 / (9 * shape);
    // Phi(3 c sqrt(a)).
    return Unit_normal_cumulative(4.5L * shape * (c * c), c >= 0);
}

Extended tGamma_distribution::Mean() const { return shape / rate; }

Extended tGamma_distribution::Variance() const { return shape / (rate * rate); }

Extended tGamma_distribution::Random_value() const
{
    Extended y;
    if (shape == 1)
        y = Exponential_variate();
    else if (shape > 1)
        y = Large_shape_variate();
    else
        y = Small_shape_variate();
    return y / rate;
}

Extended tGamma_distribution::Exponential_variate() const
{
    return -Checked_ln(Uniform_random());
}

// Ratio of uniforms centred at the mode a - 1, with quick acceptance and
// rejection bounds that spare most logarithms; two uniforms per candidate.
Extended tGamma_distribution::Large_shape_variate() const
{
    const Extended a_minus_1 = shape - 1;
    const Extended v_width = aux_2 - aux_1;
    while (true) {
        const Extended u = Uniform_random();
        const Extended v = aux_1 + Uniform_random() * v_width;
        const Extended x = v / u;
        const Extended y = x + a_minus_1;
        const Extended q = x * x;
        const Extended accept_bound = -2 * u * u + 8 * u - 6;
        const Extended reject_bound = 2 * u * u - 2;
        bool quick_accept;
        bool quick_reject;
        if (x >= 0) {
            quick_accept = -q * (x + y) >= accept_bound * (y * y);
            quick_reject = -u * q <= reject_bound * y;
        } else {
            quick_accept = -q >= accept_bound * y;
            quick_reject = -u * q <= reject_bound * a_minus_1;
        }
        if (quick_accept) return y;
        if (quick_reject || y <= 0) continue;
        if (2 * Checked_ln(u) + x <= a_minus_1 * Checked_ln(1 + x / a_minus_1)) return y;
    }
}

// Acceptance-rejection for shapes below 1 from a power-law part on [0, 1]
// and an exponential tail beyond; both uniforms are drawn before any test.
Extended tGamma_distribution::Small_shape_variate() const
{
    const Extended b = aux_1;
    while (true) {
        const Extended p = b * Uniform_random();
        const Extended u2 = Uniform_random();
        if (p <= 1) {
            const Extended x = Real_power(p, aux_2);
            if (Checked_ln(u2) <= -x) return x;
        } else {
            const Extended x = -Checked_ln((b - p) * aux_2);
            if (u2 <= Real_power(x, shape - 1)) return x;
        }
    }
}

}  // namespace distrib
