// Generic bodies of the distribution interface and the quantile search of
// continuous distributions.
#include "distrib/distribution.h"

#include <cmath>

#include "distrib/checked_arithmetic.h"

namespace distrib {

bool tDistribution::Set_parameters(Extended p1, Extended p2, Extended p3)
{
    parameters[0].value = p1;
    parameters[1].value = p2;
    parameters[2].value = p3;
    for (int i = 1; i <= parameter_count; ++i) {
        const Distribution_parameter& record = parameter(i);
        // Lower bound, upper bound, whole number: 1297 + 4i, 1299 + 4i, 1300 + 4i.
        Check_argument(1297 + 4 * i, record.value, record.lower_bound);
        Check_argument(1299 + 4 * i, record.value, record.upper_bound);
        if (record.whole_only) Raise_if(!Is_whole_number(record.value), 1300 + 4 * i);
    }
    support_lower = -Big_limit;
    support_upper = Big_limit;
    return true;
}

bool tDistribution::In_support(Extended x) const
{
    return support_lower <= x && x <= support_upper;
}

Extended tDistribution::Density(Extended) const { return 0; }

Extended tDistribution::Point_probability(Extended) const { return 0; }

Extended tDistribution::Cumulative(Extended x) const
{
    if (x < support_lower) return 0;
    if (x >= support_upper) return 1;
    return Interval_probability(support_lower, x);
}

Extended tDistribution::Interval_probability(Extended from, Extended to) const
{
    if (from < support_lower) from = support_lower;
    if (to > support_upper) to = support_upper;
    Extended r;
    if (to >= Big_limit)
        r = 1 - Cumulative(from) + Point_probability(from);
    else if (from <= -Big_limit)
        r = Cumulative(to);
    else
        r = Cumulative(to) - Cumulative(from) + Point_probability(from);
    if (r < 0) return 0;
    if (r > 1) return 1;
    return r;
}

bool tDistribution::Has_mean() const { return true; }

bool tDistribution::Has_variance() const { return true; }

Extended tDistribution::Std_deviation() const
{
    Raise_if(!Has_variance(), 1363);
    return Checked_sqrt(Variance());
}

// Inversion: one uniform per variate.
Extended tDistribution::Random_value() const
{
    const Extended u = Uniform_random();
    return Quantile(u);
}

Extended tContinuous_distribution::Quantile(const Extended& p) const
{
    Check_argument(1302, p, 0);
    if (Nearly_equal(p, 0)) return support_lower;
    Check_argument(1315, p, 1);
    if (Nearly_equal(p, 1)) return support_upper;

    Extended lo = support_lower;
    Extended hi = support_upper;
    Extended x = Has_mean() ? Mean() : (lo + hi) / 2;
    const Extended s = Has_variance() ? 2 * Std_deviation() : 8;
    if (hi > x + s) hi = x + s;
    if (lo < x - s) lo = x - s;

    // A probability that the support cannot hold (a heavy tail beyond
    // Big_limit) stops the expansion at the bound instead of looping there.
    while (Cumulative(hi) < p && hi < support_upper) {
        lo = hi;
        hi = x + 8 * (hi - x);
        if (hi > support_upper) hi = support_upper;
    }
    // Downward only while the bracket is still the untouched 2s around x.
    if (Nearly_equal(hi - lo, 2 * s)) {
        while (Cumulative(lo) > p && lo > support_lower) {
            hi = lo;
            lo = x + 8 * (lo - x);
            if (lo < support_lower) lo = support_lower;
        }
    }

    // Tangent steps on the cumulative probability, bisection whenever the
    // step would leave the bracket.
    x = (lo + hi) / 2;
    Extended x_old;
    do {
        const Extended d = Cumulative(x) - p;
        const Extended f = Density(x);
        x_old = x;
        if (d <= 0) lo = x;
        if (d >= 0) hi = x;
        if ((hi - lo) * f > std::fabs(2 * d))
            x = x - d / f;
        else
            x = (lo + hi) / 2;
    } while (!(std::fabs(x - x_old) < 5e-12L));
    return x;
}

}  // namespace distrib
