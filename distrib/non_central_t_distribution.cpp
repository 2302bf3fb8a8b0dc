#include "distrib/non_central_t_distribution.h"

#include <cmath>
#include <numbers>

#include "distrib/checked_arithmetic.h"

namespace distrib {

namespace {

// The cumulative series stops on a tighter tolerance than the library's
// common one: its result is a sum of many terms taken in two directions.
constexpr Extended Cumulative_tolerance = 2.5e-12L;
constexpr Extended Half_ln_2 = std::numbers::ln2_v<Extended> / 2;
constexpr Extended Half = 0.5L;

// The Poisson weights e^-lambda lambda^j / j! of the series, lambda =
// d^2 / 2: the summation starts at the index nearest the mode and goes no
// lower than eight standard deviations under it.
struct Poisson_window {
    Extended lambda;
    Extended lowest;
    Extended start;
};

Poisson_window Window_for(Extended d)
{
    const Extended lambda = d * d / 2;
    Extended lowest = Floor_int(lambda - 8 * std::sqrt(lambda));
    if (lowest < 0) {
        lowest = 0;
    }
    // Ties go to the even index (24.5 gives 24).
    Extended start = std::nearbyint(lambda);
    if (start < lowest) {
        start = lowest;
    }
    return {lambda, lowest, start};
}

// exp(log_coefficient) * y^a * (1 - y)^c, joined as logarithms: for large
// indices and many degrees of freedom the gamma-function coefficient alone
// overflows while the powers vanish. Needs 0 < y and 0 < one_minus_y.
Extended Beta_kernel(Extended log_coefficient, Extended y, Extended a,
                     Extended one_minus_y, Extended c)
{
    return Checked_exp(log_coefficient + a * std::log(y) + c * std::log(one_minus_y));
}

// I_y(a, b) of the series. Above y = 1/2 it comes from the complement
// 1 - I_(1-y)(b, a), whose argument 1 - y = nu / (t^2 + nu) keeps its digits
// for large |t|: y itself then rounds towards 1, and with few degrees of
// freedom (b well below 1) the lost digits carry most of the probability.
Extended Series_beta(Extended y, Extended one_minus_y, Extended a, Extended b)
{
    return y > Half ? 1 - Beta_i(one_minus_y, b, a) : Beta_i(y, a, b);
}

// Beyond the mode the Poisson factors of both term families shrink by at
// least lambda / (j + 1) per step and the beta factors stay within [0, 1],
// so the terms after index j add at most (P + Q) r / (1 - r). Rounding in
// the running Poisson remainder cannot keep the summation alive past this.
bool Forward_tail_negligible(Extended p_and_q, Extended lambda, Extended j)
{
    const Extended gap = j + 1 - lambda;
    return gap > 0 && p_and_q * lambda / gap < Cumulative_tolerance;
}

// Terms of the density series: Poisson factors P and Q and the halved
// t-derivatives A, B of the incomplete beta values of the cumulative series.
struct Density_terms {
    Extended P, Q, A, B;
};

// Whether the density terms after index j can be left out. A stop on one
// small term alone is not enough: with many degrees of freedom the beta
// factors grow over the first forward steps, so a tiny first term can be
// followed by the bulk of the density. Two bounds on the rest:
// - the step ratios of both term families fall with j, so once both are
//   below 1 the rest is at most a geometric tail of the current terms;
// - A and B never exceed b / |t| (a beta kernel y^a (1 - y)^b / B(a, b) is at
//   most ab / (a + b)), so past the mode the rest is at most b / |t| times
//   the Poisson tail, which ends the summation for every t.
bool Density_tail_negligible(const Density_terms& c, Extended lambda, Extended y,
                             Extended b, Extended t, Extended j)
{
    const Extended ratio_pa = lambda * y * (j + Half + b) / ((j + 1) * (j + Half));
    const Extended ratio_qb = lambda * y * (j + 1 + b) / ((j + 1.5L) * (j + 1));
    if (ratio_pa < 1 && ratio_qb < 1) {
        const Extended rest = std::fabs(c.P * c.A) * ratio_pa / (1 - ratio_pa)
                              + std::fabs(c.Q * c.B) * ratio_qb / (1 - ratio_qb);
        if (rest < Equal_tolerance) {
            return true;
        }
    }
    const Extended gap = j + 1 - lambda;
    return t != 0 && gap > 0 && b / std::fabs(t) * (c.P + c.Q) * lambda / gap < Equal_tolerance;
}

}  // namespace

tNon_central_t_distribution::tNon_central_t_distribution(Extended df_value,
                                                         Extended delta_value)
{
    parameter_count = 2;
    parameter(1) = {df_value, false, 0, Big_limit};
    parameter(2) = {delta_value, false, -Big_limit, Big_limit};
    central_t = std::make_unique<tT_distribution>(df_value);
    Set_parameters(df_value, delta_value, 0);
}

bool tNon_central_t_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool accepted = tContinuous_distribution::Set_parameters(p1, p2, p3);
    Check_argument(1305, p2, -Noncentrality_limit);
    Check_argument(1307, p2, Noncentrality_limit);
    df = p1;
    delta = p2;
    central_t->Set_parameters(p1, 0, 0);
    return accepted;
}

bool tNon_central_t_distribution::Has_mean() const
{
    return df > 1;
}

bool tNon_central_t_distribution::Has_variance() const
{
    return df > 2;
}

Extended tNon_central_t_distribution::Mean() const
{
    return Checked_exp(Ln_gamma((df - 1) / 2) - Ln_gamma(df / 2)) * std::sqrt(df / 2) * delta;
}

Extended tNon_central_t_distribution::Variance() const
{
    const Extended mean = Mean();
    return (1 + delta * delta) * df / (df - 2) - mean * mean;
}

Extended tNon_central_t_distribution::Cumulative(Extended t) const
{
    if (Nearly_equal(0, delta)) {
        return central_t->Cumulative(t);
    }
    if (!In_support(t)) {
        return tContinuous_distribution::Cumulative(t);
    }
    // F(t; delta) = 1 - F(-t; -delta).
    const bool reflected = delta < 0;
    const Extended d = reflected ? -delta : delta;
    if (reflected) {
        t = -t;
    }
    const Extended nu = df;
    const Extended b = nu / 2;
    const Poisson_window window = Window_for(d);
    const Extended lambda = window.lambda;
    const Extended k = window.start;
    const Extended log_lambda = std::log(lambda);
    const Extended s = t >= 0 ? 1 : -1;
    const Extended y = t * t / (t * t + nu);
    const Extended one_minus_y = nu / (t * t + nu);
    const Extended ln_gamma_b = Ln_gamma(b);

    // Poisson factors P (half weight) and Q, the incomplete beta values Bp,
    // Bq at the current index and their steps Gp, Gq to the next index.
    struct Terms {
        Extended P, Q, Bp, Bq, Gp, Gq;
    };
    Terms at_start;
    at_start.P = Half * Checked_exp(k * log_lambda - lambda - Ln_gamma(k + 1));
    at_start.Q = d / 2 * Checked_exp(k * log_lambda - lambda - Half_ln_2 - Ln_gamma(k + 1.5L));
    at_start.Bp = Series_beta(y, one_minus_y, k + Half, b);
    at_start.Bq = Series_beta(y, one_minus_y, k + 1, b);
    at_start.Gp = 0;
    at_start.Gq = 0;
    if (y > 0) {
        at_start.Gp = Beta_kernel(Ln_gamma(k + Half + b) - Ln_gamma(k + 1.5L) - ln_gamma_b,
                                  y, k + Half, one_minus_y, b);
        at_start.Gq = Beta_kernel(Ln_gamma(k + 1 + b) - Ln_gamma(k + 2) - ln_gamma_b,
                                  y, k + 1, one_minus_y, b);
    }

    // rem: half the Poisson mass not yet summed; the first term is Phi(-d).
    Extended rem = Half - at_start.P;
    Extended sum = Unit_normal_cumulative(lambda, false) + s * at_start.P * at_start.Bp
                   + at_start.Q * at_start.Bq;

    Terms c = at_start;
    for (Extended j = k - 1; j >= window.lowest; j -= 1) {
        c.P = c.P * (j + 1) / lambda;
        c.Q = c.Q * (j + 1.5L) / lambda;
        rem -= c.P;
        if (y > 0) {
            c.Gp = c.Gp * (j + 1.5L) / ((j + Half + b) * y);
            c.Gq = c.Gq * (j + 2) / ((j + 1 + b) * y);
        }
        c.Bp += c.Gp;
        c.Bq += c.Gq;
        sum += s * c.P * c.Bp + c.Q * c.Bq;
    }

    c = at_start;
    for (Extended j = k + 1;; j += 1) {
        c.P = c.P * lambda / j;
        c.Q = c.Q * lambda / (j + Half);
        rem -= c.P;
        c.Bp -= c.Gp;
        c.Bq -= c.Gq;
        sum += s * c.P * c.Bp + c.Q * c.Bq;
        c.Gp = c.Gp * y * (j - Half + b) / (j + Half);
        c.Gq = c.Gq * y * (j + b) / (j + 1);
        if (rem * (c.Bp - c.Gp) < Cumulative_tolerance
            || Forward_tail_negligible(c.P + c.Q, lambda, j)) {
            break;
        }
    }
    return reflected ? 1 - sum : sum;
}

Extended tNon_central_t_distribution::Density(Extended t) const
{
    if (Nearly_equal(0, delta)) {
        return central_t->Density(t);
    }
    if (!In_support(t)) {
        return 0;
    }
    // f(t; delta) = f(-t; -delta).
    const Extended d = delta < 0 ? -delta : delta;
    if (delta < 0) {
        t = -t;
    }
    const Extended nu = df;
    const Extended b = nu / 2;
    const Poisson_window window = Window_for(d);
    const Extended lambda = window.lambda;
    const Extended k = t == 0 ? 0 : window.start;
    const Extended log_lambda = std::log(lambda);
    const Extended s = t >= 0 ? 1 : -1;
    const Extended t2 = t * t;
    const Extended y = t2 / (t2 + nu);

    Density_terms at_start;
    at_start.P = Checked_exp(k * log_lambda - lambda - Ln_gamma(k + 1));
    at_start.Q = d * Checked_exp(k * log_lambda - lambda - Half_ln_2 - Ln_gamma(k + 1.5L));
    if (t == 0) {
        // The central t density at 0.
        at_start.A = Checked_exp(Ln_gamma(b + Half) - Ln_gamma(Half) - Ln_gamma(b) - std::log(nu) / 2);
        at_start.B = 0;
    } else {
        const Extended one_minus_y = nu / (t2 + nu);
        const Extended slope = nu * t / ((t2 + nu) * (t2 + nu));
        const Extended ln_gamma_b = Ln_gamma(b);
        at_start.A = Beta_kernel(Ln_gamma(k + Half + b) - Ln_gamma(k + Half) - ln_gamma_b,
                                 y, k - Half, one_minus_y, b - 1) * slope;
        at_start.B = Beta_kernel(Ln_gamma(k + 1 + b) - Ln_gamma(k + 1) - ln_gamma_b,
                                 y, k, one_minus_y, b - 1) * slope;
    }

    Extended sum = s * at_start.P * at_start.A + at_start.Q * at_start.B;

    Density_terms c = at_start;
    if (t != 0) {
        const Extended inverse_y = (t2 + nu) / t2;
        for (Extended j = k - 1; j >= window.lowest; j -= 1) {
            c.P = c.P * (j + 1) / lambda;
            c.Q = c.Q * (j + 1.5L) / lambda;
            c.A = c.A * inverse_y * (j + Half) / (j + Half + b);
            c.B = c.B * inverse_y * (j + 1) / (j + 1 + b);
            sum += s * c.P * c.A + c.Q * c.B;
        }
    }

    c = at_start;
    for (Extended j = k + 1;; j += 1) {
        c.P = c.P * lambda / j;
        c.Q = c.Q * lambda / (j + Half);
        c.A = c.A * y * (j - Half + b) / (j - Half);
        c.B = c.B * y * (j + b) / j;
        sum += s * c.P * c.A + c.Q * c.B;
        if (std::fabs(c.Q * c.B) < Equal_tolerance
            && Density_tail_negligible(c, lambda, y, b, t, j)) {
            break;
        }
    }
    return sum;
}

}  // namespace distrib
