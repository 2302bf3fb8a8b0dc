#include "distrib/normal_distribution.h"

#include <numbers>

#include "distrib/checked_arithmetic.h"

namespace distrib {

tNormal_distribution::tNormal_distribution(Extended mean_value, Extended variance_value)
{
    parameter_count = 2;
    parameter(1) = {mean_value, false, -Big_limit, Big_limit};
    parameter(2) = {variance_value, false, 0, Big_limit};
    Set_parameters(mean_value, variance_value, 0);
}

bool tNormal_distribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    const bool valid = tContinuous_distribution::Set_parameters(p1, p2, p3);
    mean = p1;
    variance = p2;
    std_dev = Checked_sqrt(p2);
    log_norm = -(Checked_ln(2 * std::numbers::pi_v<Extended>) + Checked_ln(p2)) / 2;
    ratio_bound = Checked_sqrt(2 / std::numbers::e_v<Extended>);
    return valid;
}

Extended tNormal_distribution::Density(Extended x) const
{
    if (!In_support(x)) return 0;
    const Extended deviation = x - mean;
    return Checked_exp(log_norm - deviation * deviation / (2 * variance));
}

Extended tNormal_distribution::Cumulative(Extended x) const
{
    const Extended z = (x - mean) / std_dev;
    if (!In_support(x)) return tContinuous_distribution::Cumulative(x);
    return Unit_normal_cumulative(z * z / 2, z >= 0);
}

Extended tNormal_distribution::Mean() const { return mean; }

Extended tNormal_distribution::Variance() const { return variance; }

// Ratio of uniforms with quick bounds around the exact test q <= -4 ln u;
// two uniforms per candidate, u first.
Extended tNormal_distribution::Random_value() const
{
    while (true) {
        const Extended u = Uniform_random();
        const Extended v = (2 * Uniform_random() - 1) * ratio_bound;
        const Extended x = v / u;
        const Extended q = x * x;
        if (q <= 2 * u * u - 8 * u + 6 || (q < 2 / u - 2 * u && q <= -4 * Checked_ln(u)))
            return x * std_dev + mean;
    }
}

}  // namespace distrib
