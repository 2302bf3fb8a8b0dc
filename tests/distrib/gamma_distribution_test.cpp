// Gamma and chi-square distributions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "distrib/chi_square_distribution.h"
#include "distrib/distrib_test_support.h"
#include "distrib/gamma_distribution.h"

namespace distrib {
namespace {

struct Variate_case {
    Extended df;
    Extended first[3];
};

class ChiSquareVariates : public testing::TestWithParam<Variate_case> {};

TEST_P(ChiSquareVariates, FirstThreeFromTheStartUpSeeds)
{
    const Variate_case& c = GetParam();
    Reset_seeds();
    const tChi_square_distribution chi_square(c.df);
    for (const Extended expected : c.first) EXPECT_NEAR(chi_square.Random_value(), expected, 5e-10L);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceStreams, ChiSquareVariates,
    testing::Values(Variate_case{2, {1.3006233177L, 3.4828050590L, 4.3136580999L}},
                    Variate_case{1, {0.7635467766L, 0.0375224570L, 0.3794075962L}},
                    Variate_case{3, {0.7170780084L, 0.7838371726L, 1.2178485707L}},
                    Variate_case{10, {5.1588068978L, 5.4747964015L, 5.7598911244L}},
                    Variate_case{20, {13.0644451807L, 13.2234073660L, 13.7247612763L}}));

TEST(ChiSquareDistribution, TwoDegreesOfFreedomUseOneUniformPerVariate)
{
    Reset_seeds();
    const tChi_square_distribution chi_square(2);
    const Extended first = chi_square.Random_value();
    Reset_seeds();
    // The compiler may fold this logarithm, correctly rounded, while the
    // library's may differ in the last bit.
    EXPECT_NEAR(first, -2 * std::log(Uniform_random()), 1e-18L);
    const std::int32_t after_one = Seed_1;
    Reset_seeds();
    chi_square.Random_value();
    EXPECT_EQ(Seed_1, after_one);
}

TEST(GammaDistribution, GeneratorConstants)
{
    struct Case { Extended shape; Extended aux_1; Extended aux_2; };
    const Case cases[] = {
        {1.5L, -0.3279304947L, 1.1218213831L},
        {5, -1.3591409142L, 2.1653645318L},
        {0.5L, 1.1839397206L, 2},
    };
    for (const Case& c : cases) {
        const tGamma_distribution gamma(c.shape, 1);
        EXPECT_NEAR(gamma.Generator_constant_1(), c.aux_1, 5e-11L) << c.shape;
        EXPECT_NEAR(gamma.Generator_constant_2(), c.aux_2, 5e-11L) << c.shape;
        // The chi-square with twice the shape has the same constants.
        const tChi_square_distribution chi_square(2 * c.shape);
        EXPECT_EQ(chi_square.Generator_constant_1(), gamma.Generator_constant_1());
        EXPECT_EQ(chi_square.Generator_constant_2(), gamma.Generator_constant_2());
    }
    EXPECT_EQ(tGamma_distribution(0.5L, 1).Generator_constant_1(),
              1 + 0.5L / std::numbers::e_v<Extended>);
}

TEST(GammaDistribution, ShapeJustAboveOneStillHasAGenerator)
{
    // Near shape 1 the distance from the mode to the lower end of the
    // ratio-of-uniforms region cancels; it must not become a fault.
    for (const Extended shape : {1.0L + 1e-15L, 1.0L + 1e-12L, 1.000001L}) {
        const tGamma_distribution gamma(shape, 1);
        EXPECT_LE(gamma.Generator_constant_1(), 0) << shape;
        EXPECT_GT(gamma.Generator_constant_2(), 0) << shape;
        Reset_seeds();
        for (int i = 0; i < 1000; ++i) ASSERT_GE(gamma.Random_value(), 0);
    }
}

TEST(GammaDistribution, ShapeThreeRateTwo)
{
    const tGamma_distribution gamma(3, 2);
    EXPECT_NEAR(gamma.Cumulative(1), 0.3233235838L, 5e-11L);
    EXPECT_NEAR(gamma.Density(1), 0.5413411330L, 5e-11L);
    EXPECT_EQ(gamma.Mean(), 1.5L);
    EXPECT_EQ(gamma.Variance(), 0.75L);
    EXPECT_EQ(gamma.support_lower_bound(), 0);
    EXPECT_EQ(gamma.support_upper_bound(), Big_limit);
}

TEST(GammaDistribution, AtZero)
{
    struct Case { Extended shape; Extended rate; bool in_support; Extended density; };
    const Case cases[] = {
        {1, 2.5L, true, 2.5L},  // the exponential density at 0 is the rate
        {0.5L, 1, false, 0},
        {3, 1, true, 0},
    };
    for (const Case& c : cases) {
        const tGamma_distribution gamma(c.shape, c.rate);
        EXPECT_EQ(gamma.In_support(0), c.in_support) << c.shape;
        EXPECT_EQ(gamma.Density(0), c.density) << c.shape;
        EXPECT_EQ(gamma.Density(-1), 0) << c.shape;
    }
}

TEST(GammaDistribution, CumulativeAtAndBelowZero)
{
    for (const Extended shape : {0.1L, 0.5L, 1.0L, 2.0L, 7.5L, 500.0L}) {
        const tGamma_distribution gamma(shape, 1.5L);
        EXPECT_EQ(gamma.Cumulative(-1), 0) << shape;
        EXPECT_EQ(gamma.Cumulative(0), 0) << shape;
        EXPECT_EQ(gamma.Cumulative(3e9L), 1) << shape;
    }
}

TEST(GammaDistribution, CubeRootApproximationAboveShape500)
{
    const tGamma_distribution gamma(600, 1);
    EXPECT_NEAR(gamma.Cumulative(550), 0.018439L, 5e-7L);
    EXPECT_NEAR(gamma.Cumulative(600), 0.505429L, 5e-7L);
    EXPECT_NEAR(gamma.Cumulative(650), 0.977284L, 5e-7L);
    EXPECT_NEAR(Gamma_p(550, 600), 0.018437L, 5e-7L);
    // Shape 500 still takes the incomplete gamma function.
    const tGamma_distribution at_switch(500, 2);
    EXPECT_EQ(at_switch.Cumulative(240), Gamma_p(480, 500));
}

TEST(GammaDistribution, QuantilesInvertTheCumulative)
{
    struct Case { Extended shape; Extended rate; };
    const Case cases[] = {{0.3L, 1}, {1, 2}, {1.5L, 0.5L}, {3.9L, 1}, {4, 1}, {50, 3}, {600, 1}};
    for (const Case& c : cases) {
        const tGamma_distribution gamma(c.shape, c.rate);
        // The search stops on an absolute step in x of 5e-12.
        for (const Extended p : {0.001L, 0.025L, 0.5L, 0.975L, 0.999L}) {
            const Extended x = gamma.Quantile(p);
            EXPECT_LE(gamma.Cumulative(x - 1e-11L), p) << c.shape << " " << p;
            EXPECT_GE(gamma.Cumulative(x + 1e-11L), p) << c.shape << " " << p;
        }
        EXPECT_EQ(gamma.Quantile(0), 0);
        EXPECT_EQ(gamma.Quantile(1), Big_limit);
    }
}

TEST(ChiSquareDistribution, IsTheGammaWithHalfRate)
{
    for (const Extended df : {0.5L, 1.0L, 2.0L, 3.0L, 19.0L, 20.0L, 1000.0L}) {
        const tChi_square_distribution chi_square(df);
        const tGamma_distribution gamma(df / 2, 0.5L);
        EXPECT_EQ(chi_square.Degrees_of_freedom(), df);
        EXPECT_EQ(chi_square.Mean(), df);
        EXPECT_EQ(chi_square.Variance(), 2 * df);
        for (const Extended x : {0.0L, 0.5L, 1.0L, df, 3 * df}) {
            EXPECT_EQ(chi_square.Cumulative(x), gamma.Cumulative(x)) << df << " " << x;
            EXPECT_EQ(chi_square.Density(x), gamma.Density(x)) << df << " " << x;
        }
    }
}

TEST(ChiSquareDistribution, ResetReadsOnlyTheDegreesOfFreedom)
{
    tChi_square_distribution chi_square(4);
    EXPECT_TRUE(chi_square.Set_parameters(10, 123, 456));
    EXPECT_EQ(chi_square.Degrees_of_freedom(), 10);
    EXPECT_EQ(chi_square.Mean(), 10);
    EXPECT_EQ(chi_square.Variance(), 20);
}

TEST(GammaAndChiSquare, ParameterErrors)
{
    EXPECT_EQ(Argument_error_message([] { tChi_square_distribution(0); }),
              Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { tChi_square_distribution(-3); }),
              Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { tChi_square_distribution(4294967294.0L); }),
              Argument_message_text(1303) + "2147483647");
    EXPECT_EQ(Argument_error_message([] { tGamma_distribution(2, 0); }),
              Argument_message_text(1305) + "0");
    EXPECT_EQ(Argument_error_message([] { tGamma_distribution(0, 1); }),
              Argument_message_text(1301) + "0");
    EXPECT_EQ(Argument_error_message([] { tGamma_distribution(2, 3e9L); }),
              Argument_message_text(1307) + "2147483647");
    // x * rate beyond the incomplete gamma function's range.
    const tGamma_distribution gamma(2, 2);
    EXPECT_EQ(Argument_error_message([&] { gamma.Cumulative(2e9L); }), Argument_message_text(1361));
}

TEST(GammaVariates, MomentsForEachGenerator)
{
    struct Case { Extended shape; Extended rate; };
    const Case cases[] = {{0.3L, 1}, {0.5L, 2}, {1, 1}, {1.5L, 1}, {9.5L, 0.5L}, {50, 2}};
    constexpr int count = 100000;
    for (const Case& c : cases) {
        const tGamma_distribution gamma(c.shape, c.rate);
        Reset_seeds();
        Extended sum = 0, sum_of_squares = 0;
        for (int i = 0; i < count; ++i) {
            const Extended x = gamma.Random_value();
            ASSERT_GE(x, 0);
            sum += x;
            sum_of_squares += x * x;
        }
        const Extended mean = sum / count;
        const Extended variance = sum_of_squares / count - mean * mean;
        const Extended sd_of_mean = std::sqrt(gamma.Variance() / count);
        EXPECT_NEAR(mean, gamma.Mean(), 5 * sd_of_mean) << c.shape;
        EXPECT_NEAR(variance / gamma.Variance(), 1, 0.05L) << c.shape;
    }
}

TEST(GammaVariates, MedianSplitsTheStream)
{
    // Half the variates fall below the median for every generator.
    for (const Extended shape : {0.3L, 1.0L, 1.5L, 9.5L, 10.0L}) {
        const tGamma_distribution gamma(shape, 1);
        const Extended median = gamma.Quantile(0.5L);
        Reset_seeds();
        int below = 0;
        constexpr int count = 100000;
        for (int i = 0; i < count; ++i)
            if (gamma.Random_value() < median) ++below;
        EXPECT_NEAR(static_cast<Extended>(below) / count, 0.5L, 0.006L) << shape;
    }
}

}  // namespace
}  // namespace distrib
