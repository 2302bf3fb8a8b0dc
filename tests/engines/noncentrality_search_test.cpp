#include <cmath>
#include <limits>
#include <optional>

#include <boost/math/distributions/non_central_t.hpp>
#include <gtest/gtest.h>

#include "engines/noncentrality_for_quantile.h"

namespace engines {
namespace {

// A stand-in quantile that grows with delta: q(delta) = 2 delta + 0.5.
// Counts its calls.
struct LinearQuantile {
    long double t;
    int* calls;
    int operator()(long double delta) const
    {
        ++*calls;
        const long double q = 2 * delta + 0.5L;
        return (t > q) - (t < q);
    }
};

struct BracketCase {
    long double t;
    long double lo, hi;
};

class BracketShape : public testing::TestWithParam<BracketCase> {};

TEST_P(BracketShape, FollowsTheDoublings)
{
    const BracketCase c = GetParam();
    int calls = 0;
    const auto bracket = BracketNoncentrality(LinearQuantile{c.t, &calls}, 65536);
    ASSERT_TRUE(bracket.has_value());
    EXPECT_EQ(bracket->lo, c.lo);
    EXPECT_EQ(bracket->hi, c.hi);
}

INSTANTIATE_TEST_SUITE_P(
    BothDirections, BracketShape,
    testing::Values(
        // Neither expansion: q(1) >= t >= q(-1).
        BracketCase{0.0L, -1, 1}, BracketCase{2.5L, -1, 1}, BracketCase{-1.5L, -1, 1},
        // k upward doublings give [2^(k-1), 2^k].
        BracketCase{2.6L, 1, 2}, BracketCase{9.0L, 4, 8}, BracketCase{1000.0L, 256, 512},
        BracketCase{60000.0L, 16384, 32768},
        // k downward doublings give [-2^k, -2^(k-1)].
        BracketCase{-1.6L, -2, -1}, BracketCase{-9.0L, -8, -4}, BracketCase{-1000.0L, -512, -256},
        BracketCase{-60000.0L, -32768, -16384}));

TEST(BracketNoncentrality, StopsAtTheLimitOfTheSeries)
{
    for (long double t : {131100.0L, 1e6L, 1e14L, -131100.0L, -1e14L, -1e300L, 1e4000L}) {
        int calls = 0;
        EXPECT_FALSE(BracketNoncentrality(LinearQuantile{t, &calls}, 65536).has_value()) << t;
        // Sixteen doublings and the step to the largest noncentrality reach
        // the limit from 1 (the downward search starts with one more test).
        EXPECT_LE(calls, 18) << t;
    }
}

TEST(BisectNoncentrality, NarrowsToTheRoot)
{
    for (long double t : {-3000.0L, -2.2L, 0.0L, 0.5L, 1.75L, 77.0L}) {
        int calls = 0;
        const LinearQuantile side{t, &calls};
        const auto bracket = BracketNoncentrality(side, 65536);
        ASSERT_TRUE(bracket.has_value());
        const long double root = (t - 0.5L) / 2;
        EXPECT_NEAR(BisectNoncentrality(side, *bracket), root, 1e-6) << t;
    }
}

TEST(BisectNoncentrality, EqualityMovesTheUpperEnd)
{
    // With t on the quantile at the first midpoint the search goes down.
    int calls = 0;
    const long double mid = BisectNoncentrality(LinearQuantile{0.5L, &calls}, {-1, 1});
    EXPECT_LT(mid, 0);
    EXPECT_GT(mid, -1e-6);
}

TEST(NoncentralityForQuantile, PutsTheQuantileOnTheObservedValue)
{
    struct Case {
        long double p, t;
        int df;
    };
    const Case cases[] = {{0.975L, -10.0L, 24}, {0.025L, -10.0L, 24}, {0.975L, 0.0L, 9},  {0.025L, 3.3L, 2},
                          {0.975L, 3.3L, 2},    {0.5L, 1.0L, 40},     {0.025L, 150.0L, 99}, {0.975L, -2000.0L, 999}};
    for (const Case& c : cases) {
        const auto delta = NoncentralityForQuantile(c.p, c.t, c.df);
        ASSERT_TRUE(delta.has_value());
        const boost::math::non_central_t_distribution<double> reference(c.df, static_cast<double>(*delta));
        // The quantile moves by about one unit per unit of delta, so 1e-6 in
        // delta is about 1e-6 in the quantile, relative at large values.
        const double tolerance = 2e-6 * std::max(1.0L, std::fabs(c.t));
        EXPECT_NEAR(boost::math::quantile(reference, static_cast<double>(c.p)), static_cast<double>(c.t), tolerance)
            << c.p << ", " << c.t << ", " << c.df;
    }
}

TEST(NoncentralityForQuantile, NotComputableBeyondTheSeriesOrForNonFiniteValues)
{
    const long double infinity = std::numeric_limits<long double>::infinity();
    for (long double t : {1e14L, -1e14L, infinity, -infinity, std::numeric_limits<long double>::quiet_NaN()}) {
        for (int df : {2, 24, 999998}) {
            EXPECT_FALSE(NoncentralityForQuantile(0.975L, t, df).has_value()) << t << ", " << df;
            EXPECT_FALSE(NoncentralityForQuantile(0.025L, t, df).has_value()) << t << ", " << df;
        }
    }
}

}  // namespace
}  // namespace engines
