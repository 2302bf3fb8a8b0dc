#include "distrib/non_central_t_distribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distrib/distrib_test_support.h"
#include "distrib/t_distribution.h"

namespace distrib {
namespace {

// Half a unit in the tenth decimal: the reference values carry ten.
constexpr Extended Ten_digits = 5e-11L;

enum class Operation { Cumulative, Density, Quantile };

struct Reference_case {
    const char* name;
    Extended df;
    Extended delta;
    Operation operation;
    Extended argument;
    Extended expected;
};

void PrintTo(const Reference_case& c, std::ostream* out)
{
    *out << c.name;
}

class NoncentralTReference : public testing::TestWithParam<Reference_case> {};

TEST_P(NoncentralTReference, MatchesToTenDigits)
{
    const Reference_case c = GetParam();
    tNon_central_t_distribution t(c.df, c.delta);
    Extended value = 0;
    switch (c.operation) {
    case Operation::Cumulative: value = t.Cumulative(c.argument); break;
    case Operation::Density: value = t.Density(c.argument); break;
    case Operation::Quantile: value = t.Quantile(c.argument); break;
    }
    EXPECT_NEAR(value, c.expected, Ten_digits);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceValues, NoncentralTReference,
    testing::Values(
        // Mode index 0: no backward terms.
        Reference_case{"df10_delta1_F_1.5", 10, 1, Operation::Cumulative, 1.5L, 0.6695168482L},
        Reference_case{"df10_delta1_F_-0.5", 10, 1, Operation::Cumulative, -0.5L, 0.0696016837L},
        Reference_case{"df10_delta1_f_1.5", 10, 1, Operation::Density, 1.5L, 0.3247437677L},
        // At t = 0 the cumulative is Phi(-delta) after one forward term.
        Reference_case{"df9_delta0.3_F_0", 9, 0.3L, Operation::Cumulative, 0, 0.3820885778L},
        Reference_case{"df9_delta0.3_f_0", 9, 0.3L, Operation::Density, 0, 0.3709603957L},
        // Negative noncentrality through the reflection 1 - F(-t; -delta).
        Reference_case{"df20_delta-1.5_F_-1", 20, -1.5L, Operation::Cumulative, -1, 0.6936714013L},
        // lambda = 24.5 starts at index 24 (ties to even), 24 backward terms.
        Reference_case{"df15_delta7_F_6", 15, 7, Operation::Cumulative, 6, 0.2267317241L},
        Reference_case{"df10_delta2_q_0.975", 10, 2, Operation::Quantile, 0.975L, 4.9578356257L},
        Reference_case{"df10_delta2_q_0.025", 10, 2, Operation::Quantile, 0.025L, 0.0409656555L},
        // Mean exists, variance does not: centred at the mean, step 8.
        Reference_case{"df1.5_delta1_q_0.9", 1.5L, 1, Operation::Quantile, 0.9L, 5.1510410512L}),
    [](const testing::TestParamInfo<Reference_case>& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST(NoncentralT, MomentsWithTenDegreesAndDeltaTwo)
{
    tNon_central_t_distribution t(10, 2);
    EXPECT_TRUE(t.Has_mean());
    EXPECT_TRUE(t.Has_variance());
    EXPECT_NEAR(t.Mean(), 2.1674446159L, Ten_digits);
    EXPECT_NEAR(t.Variance(), 1.5521838371L, Ten_digits);
}

TEST(NoncentralT, DensityAtZeroIsTheDampedCentralDensity)
{
    tNon_central_t_distribution t(9, 0.3L);
    tT_distribution central(9);
    // The series takes the central density at 0 from the six-term log-gamma
    // (off by about 4e-12 at 1/2), the t from its own normalising factor.
    EXPECT_NEAR(t.Density(0), std::exp(-0.045L) * central.Density(0), 1e-11L);
}

TEST(NoncentralT, NegativeNoncentralityReflects)
{
    tNon_central_t_distribution negative(20, -1.5L);
    tNon_central_t_distribution positive(20, 1.5L);
    for (Extended t : {-3.0L, -1.0L, 0.0L, 0.4L, 2.5L}) {
        EXPECT_EQ(negative.Cumulative(t), 1 - positive.Cumulative(-t)) << static_cast<double>(t);
        EXPECT_EQ(negative.Density(t), positive.Density(-t)) << static_cast<double>(t);
    }
}

TEST(NoncentralT, NearlyZeroNoncentralityIsTheCentralT)
{
    tNon_central_t_distribution t(7, 1e-13L);
    tT_distribution central(7);
    for (Extended x : {-2.0L, 0.0L, 0.6L, 3.0L}) {
        EXPECT_EQ(t.Cumulative(x), central.Cumulative(x));
        EXPECT_EQ(t.Density(x), central.Density(x));
    }
    EXPECT_EQ(t.Quantile(0.975L), central.Quantile(0.975L));
}

TEST(NoncentralT, DensityIsTheSlopeOfTheCumulative)
{
    struct Point {
        Extended df, delta, t;
    };
    for (const Point p : {Point{10, 1, 1.5L}, Point{15, 7, 6}, Point{4, -2, -1}, Point{30, 3, -0.2L},
                          Point{2.5L, 12, 20}}) {
        tNon_central_t_distribution t(p.df, p.delta);
        const Extended h = 1e-4L;
        const Extended slope = (t.Cumulative(p.t + h) - t.Cumulative(p.t - h)) / (2 * h);
        EXPECT_NEAR(slope, t.Density(p.t), 1e-7L)
            << "df " << static_cast<double>(p.df) << " delta " << static_cast<double>(p.delta);
    }
}

TEST(NoncentralT, SetParametersReparameterisesEverything)
{
    tNon_central_t_distribution reused(10, 1);
    EXPECT_TRUE(reused.Set_parameters(24, 2, 0));
    tNon_central_t_distribution fresh(24, 2);
    EXPECT_EQ(reused.Cumulative(1.7L), fresh.Cumulative(1.7L));
    EXPECT_EQ(reused.Density(1.7L), fresh.Density(1.7L));
    EXPECT_EQ(reused.Mean(), fresh.Mean());
    EXPECT_EQ(reused.Quantile(0.975L), fresh.Quantile(0.975L));
    // Back to the central case: the owned t follows the new df.
    reused.Set_parameters(3, 0, 0);
    EXPECT_EQ(reused.Cumulative(1.7L), tT_distribution(3).Cumulative(1.7L));
}

TEST(NoncentralT, QuantileGrowsWithTheNoncentrality)
{
    tNon_central_t_distribution t(12, -8);
    Extended previous = -Big_limit;
    for (Extended delta = -8; delta <= 8; delta += 0.5L) {
        t.Set_parameters(12, delta, 0);
        const Extended q = t.Quantile(0.975L);
        EXPECT_GT(q, previous) << "delta " << static_cast<double>(delta);
        previous = q;
    }
}

TEST(NoncentralT, MissingMoments)
{
    tNon_central_t_distribution one(1, 2);
    tNon_central_t_distribution two(2, 2);
    EXPECT_FALSE(one.Has_mean());
    EXPECT_FALSE(one.Has_variance());
    EXPECT_TRUE(two.Has_mean());
    EXPECT_FALSE(two.Has_variance());
    EXPECT_EQ(Argument_error_message([&] { two.Std_deviation(); }), Argument_message_text(1363));
}

TEST(NoncentralT, ParametersOutOfRangeRaise)
{
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(0, 1); }), Checked_message(1301, 0));
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(3e9L, 1); }), Checked_message(1303, Big_limit));
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(5, 3e9L); }), Checked_message(1307, Big_limit));
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(5, -3e9L); }),
              Checked_message(1305, -Big_limit));
    tNon_central_t_distribution t(5, 1);
    EXPECT_EQ(Argument_error_message([&] { t.Set_parameters(-2, 1, 0); }), Checked_message(1301, 0));
    EXPECT_EQ(Argument_error_message([&] { t.Set_parameters(5, Big_limit, 0); }), Checked_message(1307, Big_limit));
}

TEST(NoncentralT, NoncentralityBeyondTheSeriesRangeRaises)
{
    // lambda = delta^2 / 2 must stay below 2^31 for the series index.
    const Extended limit = tNon_central_t_distribution::Noncentrality_limit;
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(5, 65536); }), Checked_message(1307, 65536));
    EXPECT_EQ(Argument_error_message([] { tNon_central_t_distribution t(5, -70000); }), Checked_message(1305, -65536));
    tNon_central_t_distribution t(5, 1);
    EXPECT_EQ(Argument_error_message([&] { t.Set_parameters(5, 1e6L, 0); }), Checked_message(1307, limit));
    EXPECT_NO_THROW(t.Set_parameters(5, 65535.99L, 0));
    EXPECT_NO_THROW(t.Set_parameters(5, -65535.99L, 0));
}

// A point far out in a tail, with its reference value and tolerance.
struct Tail_case {
    Extended df, delta, t;
    Extended expected, tolerance;
};

class NoncentralTFarOut : public testing::TestWithParam<Tail_case> {};

// The series must end for large noncentralities and for t far in either
// tail, where rounding in the running Poisson remainder could otherwise keep
// it summing. Reference values from direct integration over the chi-square
// law. Near lambda = 2^31 the Poisson weights carry a relative error of about
// 1e-9 (their logarithms are differences of numbers near 4e10).
TEST_P(NoncentralTFarOut, SeriesEnds)
{
    const Tail_case c = GetParam();
    tNon_central_t_distribution t(c.df, c.delta);
    EXPECT_NEAR(t.Cumulative(c.t), c.expected, c.tolerance);
    const Extended density = t.Density(c.t);
    EXPECT_GE(density, 0);
    EXPECT_TRUE(std::isfinite(density));
}

INSTANTIATE_TEST_SUITE_P(
    LargeNoncentralityAndFarTails, NoncentralTFarOut,
    testing::Values(Tail_case{24, 2, 1e9L, 1, 5e-11L},
                    Tail_case{1, 2, 2e9L, 0.99999999919872813893L, 5e-11L},
                    Tail_case{0.5L, 30, 1e4L, 0.95727678132575567011L, 1e-11L},
                    Tail_case{1.5L, 30, 1e5L, 0.99999544158654057073L, 1e-11L},
                    Tail_case{3, 40, 1e6L, 0.99999999999991138766L, 1e-11L},
                    Tail_case{1e6L, 1000, 1000, 0.49990951805759243189L, 1e-11L},
                    Tail_case{24, 60000, 60000, 0.46159733344484458075L, 1e-9L},
                    Tail_case{24, 65535.5L, 65535.5L, 0.46159733338316333761L, 2e-9L},
                    Tail_case{24, 60000, 1e9L, 1, 1e-9L},
                    Tail_case{24, -60000, -1e9L, 0, 1e-9L},
                    Tail_case{24, 60000, -10, 0, 1e-12L},
                    // Few degrees of freedom, t near the end of the support:
                    // y = t^2 / (t^2 + df) rounds towards 1 and the
                    // probability sits in its lost digits.
                    Tail_case{0.5L, 30, 2e9L, 0.99990446793574193209L, 1e-10L},
                    Tail_case{0.01L, 40, 2.1e9L, 0.1824084168599004181L, 1e-10L},
                    Tail_case{0.01L, -1000, -2.1e9L, 0.844339592741318L, 1e-10L}));

class NoncentralTDensityInTheUpperTail : public testing::TestWithParam<Tail_case> {};

// With many degrees of freedom the first forward terms of the density series
// are tiny and then grow: the summation must not stop on the first small
// term. Reference values from direct integration over the chi-square law;
// the series stops once what is left is below 5e-12.
TEST_P(NoncentralTDensityInTheUpperTail, SumsPastTheGrowingTerms)
{
    const Tail_case c = GetParam();
    tNon_central_t_distribution t(c.df, c.delta);
    EXPECT_NEAR(t.Density(c.t), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceValues, NoncentralTDensityInTheUpperTail,
    testing::Values(Tail_case{100, 10, 19.85L, 4.20262218472074e-9L, 1e-11L},
                    Tail_case{1000, 10, 15.6L, 3.08008257397023e-7L, 1e-11L},
                    Tail_case{10000, 40, 45.1L, 2.81533219241203e-6L, 1e-11L},
                    Tail_case{24, 60000, 60000, 4.57471658987975e-5L, 1e-10L}));

TEST(NoncentralT, ManyDegreesOfFreedomConstruct)
{
    // The t's generator constant must not overflow on the way.
    tNon_central_t_distribution t(2e9L, 3);
    EXPECT_NEAR(t.Cumulative(3), 0.5L, 1e-6L);
}

TEST(NoncentralT, RandomValueInvertsOneUniform)
{
    Reset_seeds();
    const Extended u = Uniform_random();
    tNon_central_t_distribution t(10, 2);
    const Extended expected = t.Quantile(u);
    Reset_seeds();
    EXPECT_EQ(t.Random_value(), expected);
}

}  // namespace
}  // namespace distrib
