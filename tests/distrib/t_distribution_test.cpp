#include "distrib/t_distribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distrib/distrib_test_support.h"
#include "distrib/gamma_distribution.h"
#include "distrib/normal_distribution.h"

namespace distrib {
namespace {

// Half a unit in the tenth decimal: the reference values carry ten.
constexpr Extended Ten_digits = 5e-11L;

struct Probability_case {
    Extended df;
    Extended x;
    Extended cumulative;
};

class TCumulativeReference : public testing::TestWithParam<Probability_case> {};

TEST_P(TCumulativeReference, MatchesToTenDigits)
{
    const Probability_case c = GetParam();
    tT_distribution t(c.df);
    EXPECT_NEAR(t.Cumulative(c.x), c.cumulative, Ten_digits);
}

INSTANTIATE_TEST_SUITE_P(ReferenceValues, TCumulativeReference,
                         testing::Values(Probability_case{10, -1, 0.1704465662L},
                                         Probability_case{10, 2.228138851986L, 0.975L},
                                         Probability_case{2000, 1.96L, 0.9750021049L},
                                         Probability_case{10, 0, 0.5L},
                                         Probability_case{2000, 0, 0.5L}));

TEST(TDistribution, DensityAtZeroWithTenDegrees)
{
    tT_distribution t(10);
    EXPECT_NEAR(t.Density(0), 0.3891083840L, Ten_digits);
}

TEST(TDistribution, CumulativeAtZeroIsExactlyOneHalfInBothBranches)
{
    EXPECT_EQ(tT_distribution(10).Cumulative(0), 0.5L);
    EXPECT_EQ(tT_distribution(2000).Cumulative(0), 0.5L);
}

TEST(TDistribution, ManyDegreesOfFreedomUseTheNormalCumulative)
{
    tT_distribution t(2000);
    tNormal_distribution normal(0, 1);
    for (Extended x : {-3.0L, -1.96L, -0.1L, 0.7L, 1.96L, 4.0L}) {
        EXPECT_NEAR(t.Cumulative(x), normal.Cumulative(x), 1e-18L) << "x = " << static_cast<double>(x);
    }
}

struct Quantile_case {
    Extended df;
    Extended p;
    Extended quantile;
};

class TQuantileReference : public testing::TestWithParam<Quantile_case> {};

TEST_P(TQuantileReference, MatchesToTenDigits)
{
    const Quantile_case c = GetParam();
    tT_distribution t(c.df);
    EXPECT_NEAR(t.Quantile(c.p), c.quantile, Ten_digits);
}

// With one degree of freedom neither mean nor variance exists: the search
// is centred at 0 with step 8 and expands upward once.
INSTANTIATE_TEST_SUITE_P(ReferenceValues, TQuantileReference,
                         testing::Values(Quantile_case{10, 0.975L, 2.2281388520L},
                                         Quantile_case{10, 0.025L, -2.2281388520L},
                                         Quantile_case{1, 0.975L, 12.7062047362L}));

// One degree of freedom leaves about 1.5e-10 of its mass beyond each end of
// the support: a probability out there ends at the bound, it does not hang.
TEST(TDistribution, QuantileBeyondTheSupportStopsAtItsBound)
{
    const tT_distribution cauchy(1);
    EXPECT_NEAR(cauchy.Quantile(1e-10L), -Big_limit, 1e-3L);
    EXPECT_NEAR(cauchy.Quantile(1 - 1e-10L), Big_limit, 1e-3L);
}

TEST(TDistribution, MomentsWhereTheyExist)
{
    tT_distribution t(10);
    EXPECT_TRUE(t.Has_mean());
    EXPECT_TRUE(t.Has_variance());
    EXPECT_EQ(t.Mean(), 0);
    EXPECT_EQ(t.Variance(), 1.25L);
    EXPECT_EQ(t.Std_deviation(), std::sqrt(1.25L));
}

TEST(TDistribution, MissingMomentsRaise)
{
    tT_distribution cauchy(1);
    tT_distribution two(2);
    EXPECT_FALSE(cauchy.Has_mean());
    EXPECT_TRUE(two.Has_mean());
    EXPECT_FALSE(two.Has_variance());
    EXPECT_EQ(Argument_error_message([&] { cauchy.Mean(); }), Argument_message_text(1362));
    EXPECT_EQ(Argument_error_message([&] { two.Variance(); }), Argument_message_text(1363));
    EXPECT_EQ(Argument_error_message([&] { two.Std_deviation(); }), Argument_message_text(1363));
    EXPECT_EQ(two.Mean(), 0);
}

TEST(TDistribution, DegreesOfFreedomOutOfRangeRaise)
{
    EXPECT_EQ(Argument_error_message([] { tT_distribution t(0); }), Checked_message(1301, 0));
    EXPECT_EQ(Argument_error_message([] { tT_distribution t(-1); }), Checked_message(1301, 0));
    EXPECT_EQ(Argument_error_message([] { tT_distribution t(3e9L); }), Checked_message(1303, Big_limit));
    tT_distribution t(5);
    EXPECT_EQ(Argument_error_message([&] { t.Set_parameters(0, 0, 0); }), Checked_message(1301, 0));
    EXPECT_EQ(Argument_error_message([&] { t.Set_parameters(Big_limit, 0, 0); }), Checked_message(1303, Big_limit));
}

TEST(TDistribution, SetParametersReplacesTheDegreesOfFreedom)
{
    tT_distribution t(1);
    EXPECT_TRUE(t.Set_parameters(10, 7, 7));
    EXPECT_EQ(t.Density(0.3L), tT_distribution(10).Density(0.3L));
    EXPECT_EQ(t.Cumulative(-1), tT_distribution(10).Cumulative(-1));
    EXPECT_EQ(t.Variance(), 1.25L);
}

TEST(TDistribution, OutsideTheSupport)
{
    tT_distribution t(4);
    EXPECT_EQ(t.Density(-3e9L), 0);
    EXPECT_EQ(t.Density(3e9L), 0);
    EXPECT_EQ(t.Cumulative(-3e9L), 0);
    EXPECT_EQ(t.Cumulative(3e9L), 1);
    EXPECT_EQ(t.Quantile(0), -Big_limit);
    EXPECT_EQ(t.Quantile(1), Big_limit);
}

TEST(TDistribution, DensityIsSymmetricAndIntegratesToTheCumulative)
{
    tT_distribution t(3.5L);
    EXPECT_EQ(t.Density(1.7L), t.Density(-1.7L));
    // Centred difference of the cumulative against the density.
    for (Extended x : {-4.0L, -0.5L, 0.25L, 2.0L}) {
        const Extended h = 1e-4L;
        const Extended slope = (t.Cumulative(x + h) - t.Cumulative(x - h)) / (2 * h);
        EXPECT_NEAR(slope, t.Density(x), 1e-8L) << "x = " << static_cast<double>(x);
    }
}

TEST(TDistribution, ManyDegreesOfFreedomConstructAndDraw)
{
    // The ratio-of-uniforms bound tends to sqrt(2 / e) as df grows; its two
    // powers taken apart would overflow.
    for (Extended df : {6000.0L, 1e6L, 2e9L}) {
        tT_distribution t(df);
        Reset_seeds();
        const Extended x = t.Random_value();
        EXPECT_TRUE(std::isfinite(x));
        EXPECT_LT(std::fabs(x), 10);
    }
}

struct Variate_case {
    Extended df;
    Extended first, second, third;
};

class TVariatesFromStartSeeds : public testing::TestWithParam<Variate_case> {};

TEST_P(TVariatesFromStartSeeds, MatchReferenceStream)
{
    const Variate_case c = GetParam();
    Reset_seeds();
    tT_distribution t(c.df);
    const Extended first = t.Random_value();
    const Extended second = t.Random_value();
    const Extended third = t.Random_value();
    EXPECT_NEAR(first, c.first, Ten_digits);
    EXPECT_NEAR(second, c.second, Ten_digits);
    EXPECT_NEAR(third, c.third, Ten_digits);
}

// df 1 and 3: polar pairs; df 5: ratio of uniforms.
INSTANTIATE_TEST_SUITE_P(ReferenceValues, TVariatesFromStartSeeds,
                         testing::Values(Variate_case{1, -14.8391028162L, 0.7348971919L, 1.8631984759L},
                                         Variate_case{3, -1.0777149798L, -4.2283047662L, -1.1589738641L},
                                         Variate_case{5, -1.0710417578L, -1.1517974863L, -1.0411969767L}));

TEST(TDistribution, PolarPairUsesTwoUniformsPerCandidate)
{
    // The first candidate from the start seeds lies in the unit disc.
    Reset_seeds();
    const Extended u = 2 * Uniform_random() - 1;
    const Extended v = 2 * Uniform_random() - 1;
    ASSERT_LE(u * u + v * v, 1);
    const std::int32_t seed_1_after = Seed_1;
    const std::int32_t seed_2_after = Seed_2;

    Reset_seeds();
    tT_distribution cauchy(1);
    EXPECT_EQ(cauchy.Random_value(), v / u);
    EXPECT_EQ(Seed_1, seed_1_after);
    EXPECT_EQ(Seed_2, seed_2_after);
}

TEST(TDistribution, FewerThanOneDegreeDrawsNormalThenGamma)
{
    for (Extended df : {0.3L, 0.75L}) {
        Reset_seeds();
        tNormal_distribution normal(0, 1);
        tGamma_distribution gamma(df / 2, 1);
        const Extended z = normal.Random_value();
        const Extended g = gamma.Random_value();
        const Extended expected = z * std::sqrt(df / 2) / std::sqrt(g);
        const std::int32_t seed_1_after = Seed_1;
        const std::int32_t seed_2_after = Seed_2;

        Reset_seeds();
        tT_distribution t(df);
        EXPECT_EQ(t.Random_value(), expected) << "df = " << static_cast<double>(df);
        EXPECT_EQ(Seed_1, seed_1_after);
        EXPECT_EQ(Seed_2, seed_2_after);
    }
}

TEST(TDistribution, FewerThanOneDegreeAfterSetParametersUsesTheNewShape)
{
    Reset_seeds();
    tNormal_distribution normal(0, 1);
    tGamma_distribution gamma(0.25L, 1);
    const Extended z = normal.Random_value();
    const Extended g = gamma.Random_value();

    Reset_seeds();
    tT_distribution t(4);
    t.Set_parameters(0.5L, 0, 0);
    EXPECT_EQ(t.Random_value(), z * std::sqrt(0.25L) / std::sqrt(g));
}

}  // namespace
}  // namespace distrib
