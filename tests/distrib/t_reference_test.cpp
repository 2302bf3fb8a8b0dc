// Cross-check of the Student t and noncentral t distributions against an
// independent implementation (Boost.Math, evaluated in long double) over a
// grid of parameters. The worst difference of each region is printed.
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "distrib/non_central_t_distribution.h"
#include "distrib/normal_distribution.h"
#include "distrib/t_distribution.h"

namespace distrib {
namespace {

constexpr Extended Probability_tolerance = 1e-9L;
constexpr Extended Quantile_relative_tolerance = 1e-8L;
// Quantiles are searched to an absolute 5e-12 in x; near x = 0 a relative
// tolerance would ask for more than that, so it applies to max(|x|, 1e-3).
constexpr Extended Quantile_scale_floor = 1e-3L;

// Worst difference seen in one region of the grid, printed at the end.
class Worst_difference {
public:
    explicit Worst_difference(std::string region) : region_(std::move(region)) {}
    ~Worst_difference()
    {
        std::printf("  worst %-52s %.3Le  (%s)\n", region_.c_str(), worst_, where_.c_str());
    }
    void Record(Extended difference, const std::string& where)
    {
        if (difference > worst_) {
            worst_ = difference;
            where_ = where;
        }
    }

private:
    std::string region_;
    Extended worst_ = 0;
    std::string where_ = "-";
};

std::string Point(Extended df, Extended delta, const char* what, Extended at)
{
    char text[160];
    std::snprintf(text, sizeof text, "df %Lg delta %Lg %s %.12Lg", df, delta, what, at);
    return text;
}

Extended Quantile_difference(Extended ours, Extended reference)
{
    return std::fabs(ours - reference) / std::max(std::fabs(reference), Quantile_scale_floor);
}

const Extended Central_dfs[] = {1, 1.5L, 2, 3, 4.5L, 7, 10, 24, 60, 150, 400, 1000};
const Extended Central_xs[] = {-1e4L, -250, -40, -7, -2.5L, -1, -0.3L, 0, 0.05L, 0.8L, 1.96L, 3.5L, 12, 90, 5e3L};
const Extended Tail_probabilities[] = {1e-10L, 1e-7L, 1e-4L};
const Extended Body_probabilities[] = {0.001L, 0.025L, 0.2L, 0.5L, 0.77L, 0.975L, 0.999L};

TEST(TAgainstReference, CumulativeAndDensity)
{
    Worst_difference cumulative("t cumulative (df 1..1000)");
    Worst_difference density("t density (df 1..1000)");
    for (Extended df : Central_dfs) {
        const boost::math::students_t_distribution<Extended> reference(df);
        const tT_distribution t(df);
        for (Extended x : Central_xs) {
            const Extended dc = std::fabs(t.Cumulative(x) - boost::math::cdf(reference, x));
            const Extended dd = std::fabs(t.Density(x) - boost::math::pdf(reference, x));
            cumulative.Record(dc, Point(df, 0, "x", x));
            density.Record(dd, Point(df, 0, "x", x));
            EXPECT_LT(dc, Probability_tolerance) << Point(df, 0, "cumulative at", x);
            EXPECT_LT(dd, Probability_tolerance) << Point(df, 0, "density at", x);
        }
    }
}

void Check_t_quantiles(const char* region, const Extended (&probabilities)[3])
{
    Worst_difference worst(region);
    for (Extended df : Central_dfs) {
        const boost::math::students_t_distribution<Extended> reference(df);
        const tT_distribution t(df);
        for (Extended tail : probabilities) {
            for (Extended p : {tail, 1 - tail}) {
                const Extended x = boost::math::quantile(reference, p);
                // With one degree of freedom the 1e-10 quantile lies beyond
                // the support, which ends at -2147483647.
                if (std::fabs(x) >= Big_limit) {
                    continue;
                }
                const Extended d = Quantile_difference(t.Quantile(p), x);
                worst.Record(d, Point(df, 0, "p", p));
                EXPECT_LT(d, Quantile_relative_tolerance) << Point(df, 0, "quantile of", p);
            }
        }
    }
}

TEST(TAgainstReference, QuantilesInTheTails)
{
    Check_t_quantiles("t quantile, p or 1-p in 1e-10..1e-4 (relative)", Tail_probabilities);
}

TEST(TAgainstReference, QuantilesInTheBody)
{
    Worst_difference worst("t quantile, p in 0.001..0.999 (relative)");
    for (Extended df : Central_dfs) {
        const boost::math::students_t_distribution<Extended> reference(df);
        const tT_distribution t(df);
        for (Extended p : Body_probabilities) {
            const Extended d = Quantile_difference(t.Quantile(p), boost::math::quantile(reference, p));
            worst.Record(d, Point(df, 0, "p", p));
            EXPECT_LT(d, Quantile_relative_tolerance) << Point(df, 0, "quantile of", p);
        }
    }
}

// Above 1000 degrees of freedom the t cumulative is the normal one; these
// are reference values of that approximation, not of the t itself.
TEST(TAgainstReference, ManyDegreesOfFreedomFollowTheNormal)
{
    const tNormal_distribution normal(0, 1);
    for (Extended df : {1000.5L, 2000.0L, 1e5L, 1e9L}) {
        const tT_distribution t(df);
        EXPECT_NEAR(t.Cumulative(1.96L), 0.9750021049L, 5e-11L);
        EXPECT_EQ(t.Cumulative(0), 0.5L);
        for (Extended x : {-4.0L, -1.0L, 0.5L, 2.5L}) {
            EXPECT_NEAR(t.Cumulative(x), normal.Cumulative(x), 1e-18L);
        }
    }
}

const Extended Noncentral_dfs[] = {2, 3, 5, 10, 24, 100, 1000};
const Extended Deltas[] = {-40, -12, -3, -0.7L, 0.25L, 1, 2, 5, 9, 20, 40};
const Extended Noncentral_probabilities[] = {1e-10L, 1e-7L, 1e-4L, 0.025L, 0.3L, 0.5L, 0.8L, 0.975L,
                                             1 - 1e-4L, 1 - 1e-7L, 1 - 1e-10L};

bool In_tails(Extended p)
{
    return p < 0.001L || p > 0.999L;
}

// The reference density. Near t = 0 with a noncentrality of a few units the
// reference library's density comes out symmetric in t and plainly wrong
// (for df 24, delta 5 it gives 2.263e-6 at t = -0.2 where the density is
// 5.304e-7, as its own cumulative and direct integration agree). There the
// exact relation f(t; n, d) = (n / t) (F(t sqrt(1 + 2 / n); n + 2, d) -
// F(t; n, d)) to its cumulative serves instead.
Extended Reference_density(Extended df, Extended delta, Extended x, int& replaced)
{
    const boost::math::non_central_t_distribution<Extended> reference(df, delta);
    const Extended density = boost::math::pdf(reference, x);
    if (x == 0) {
        return density;
    }
    const boost::math::non_central_t_distribution<Extended> two_more(df + 2, delta);
    const Extended from_cumulative =
        df / x * (boost::math::cdf(two_more, x * std::sqrt(1 + 2 / df)) - boost::math::cdf(reference, x));
    if (std::fabs(from_cumulative - density) > 1e-12L) {
        ++replaced;
        return from_cumulative;
    }
    return density;
}

TEST(NoncentralTAgainstReference, CumulativeDensityAndQuantile)
{
    Worst_difference cumulative("noncentral cumulative (p 1e-10..1-1e-10)");
    Worst_difference density("noncentral density");
    Worst_difference body_quantile("noncentral quantile, p in 0.025..0.975 (relative)");
    Worst_difference tail_quantile_4("noncentral quantile, p or 1-p = 1e-4 (relative)");
    Worst_difference tail_quantile_7("noncentral quantile, p or 1-p = 1e-7 (relative)");
    Worst_difference tail_quantile_10("noncentral quantile, p or 1-p = 1e-10 (relative)");
    Worst_difference tail_round_trip("noncentral |F_ref(our quantile) - p|, tails");
    int replaced_densities = 0;
    for (Extended df : Noncentral_dfs) {
        for (Extended delta : Deltas) {
            const boost::math::non_central_t_distribution<Extended> reference(df, delta);
            const tNon_central_t_distribution t(df, delta);
            for (Extended p : Noncentral_probabilities) {
                const Extended x = boost::math::quantile(reference, p);
                const Extended dc = std::fabs(t.Cumulative(x) - boost::math::cdf(reference, x));
                const Extended dd = std::fabs(t.Density(x) - Reference_density(df, delta, x, replaced_densities));
                const Extended q = t.Quantile(p);
                const Extended dq = Quantile_difference(q, x);
                cumulative.Record(dc, Point(df, delta, "t", x));
                density.Record(dd, Point(df, delta, "t", x));
                EXPECT_LT(dc, Probability_tolerance) << Point(df, delta, "cumulative at", x);
                EXPECT_LT(dd, Probability_tolerance) << Point(df, delta, "density at", x);
                if (In_tails(p)) {
                    // In the far tails the quantile is only as good as the
                    // absolute accuracy of the cumulative (about 1e-11):
                    // there it is checked in probability.
                    const Extended round_trip = std::fabs(boost::math::cdf(reference, q) - p);
                    const Extended tail = std::min(p, 1 - p);
                    Worst_difference& tail_quantile =
                        tail > 1e-5L ? tail_quantile_4 : tail > 1e-8L ? tail_quantile_7 : tail_quantile_10;
                    tail_quantile.Record(dq, Point(df, delta, "p", p));
                    tail_round_trip.Record(round_trip, Point(df, delta, "p", p));
                    EXPECT_LT(round_trip, Probability_tolerance) << Point(df, delta, "quantile of", p);
                } else {
                    body_quantile.Record(dq, Point(df, delta, "p", p));
                    EXPECT_LT(dq, Quantile_relative_tolerance) << Point(df, delta, "quantile of", p);
                }
            }
        }
    }
    std::printf("  reference density taken from the reference cumulative at %d points\n", replaced_densities);
}

// A dense walk over t through the body and the upper tail, where a series
// that stops on its first small term loses the density.
TEST(NoncentralTAgainstReference, DensityAlongT)
{
    Worst_difference worst("noncentral density, walk over t");
    int replaced_densities = 0;
    for (Extended df : {3.0L, 24.0L, 100.0L, 1000.0L}) {
        for (Extended delta : {-10.0L, 2.0L, 10.0L, 40.0L}) {
            const tNon_central_t_distribution t(df, delta);
            const Extended centre = delta;
            for (Extended x = centre - 6; x <= 1.6L * std::fabs(centre) + 12; x += 0.35L) {
                const Extended d = std::fabs(t.Density(x) - Reference_density(df, delta, x, replaced_densities));
                worst.Record(d, Point(df, delta, "t", x));
                EXPECT_LT(d, Probability_tolerance) << Point(df, delta, "density at", x);
            }
        }
    }
    std::printf("  reference density taken from the reference cumulative at %d points\n", replaced_densities);
}

}  // namespace
}  // namespace distrib
