#include "distrib/t_distribution.h"

#include <cmath>
#include <numbers>

#include "distrib/checked_arithmetic.h"

namespace distrib {

namespace {

// Above this many degrees of freedom the cumulative probability is taken
// from the normal distribution.
constexpr Extended Normal_approximation_df = 1000;

}  // namespace

tT_distribution::tT_distribution(Extended df_value)
{
    parameter_count = 1;
    parameter(1) = {df_value, false, 0, Big_limit};
    unit_normal = std::make_unique<tNormal_distribution>(0, 1);
    gamma_half_df = std::make_unique<tGamma_distribution>(df_value / 2, 1);
    Set_parameters(df_value, 0, 0);
}

bool tT_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool accepted = tContinuous_distribution::Set_parameters(p1, p2, p3);
    df = p1;
    log_norm = Ln_gamma((df + 1) / 2) - Ln_gamma(df / 2) - std::log(df * std::numbers::pi_v<Extended>) / 2;
    if (df >= 1) {
        // sqrt(2 df) (df - 1)^((df - 1) / 4) / (df + 1)^((df + 1) / 4), with
        // the powers taken as one ratio: apart they overflow from a few
        // thousand degrees of freedom on.
        ratio_bound = std::sqrt(2 * df) * Real_power((df - 1) / (df + 1), (df - 1) / 4)
                      / std::sqrt(df + 1);
    } else {
        ratio_bound = std::sqrt(df / 2);
        gamma_half_df->Set_parameters(df / 2, 1, 0);
    }
    return accepted;
}

Extended tT_distribution::Density(Extended x) const
{
    if (!In_support(x)) {
        return 0;
    }
    return Checked_exp(log_norm + ((df + 1) / 2) * std::log(df / (x * x + df)));
}

Extended tT_distribution::Cumulative(Extended x) const
{
    if (!In_support(x)) {
        return tContinuous_distribution::Cumulative(x);
    }
    if (df > Normal_approximation_df) {
        return Unit_normal_cumulative(x * x / 2, x >= 0);
    }
    const Extended w = Beta_i(df / (df + x * x), df / 2, 0.5L);
    return x >= 0 ? 1 - w / 2 : w / 2;
}

bool tT_distribution::Has_mean() const
{
    return df > 1;
}

bool tT_distribution::Has_variance() const
{
    return df > 2;
}

Extended tT_distribution::Mean() const
{
    Raise_if(!Has_mean(), 1362);
    return 0;
}

Extended tT_distribution::Variance() const
{
    Raise_if(!Has_variance(), 1363);
    return df / (df - 2);
}

Extended tT_distribution::Random_value() const
{
    if (df == 1 || df == 3) {
        // Polar pair: a uniform point in the unit disc.
        Extended u;
        Extended v;
        do {
            u = 2 * Uniform_random() - 1;
            v = 2 * Uniform_random() - 1;
        } while (u * u + v * v > 1);
        return df == 1 ? v / u : std::sqrt(3.0L) * v / (u + 1);
    }
    if (df > 1) {
        // Ratio of uniforms under the t density.
        const Extended exponent = -4 / (df + 1);
        Extended x;
        Extended u;
        do {
            u = Uniform_random();
            const Extended v = (2 * Uniform_random() - 1) * ratio_bound;
            x = v / u;
        } while (x * x > df * (Real_power(u, exponent) - 1));
        return x;
    }
    // A standard normal over the root of a chi-square with df degrees of
    // freedom per degree: 2g is chi-square when g is gamma(df / 2, 1).
    const Extended z = unit_normal->Random_value();
    const Extended g = gamma_half_df->Random_value();
    return Checked_divide(z * ratio_bound, std::sqrt(g));
}

}  // namespace distrib
