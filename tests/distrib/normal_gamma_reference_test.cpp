// Cross-check of the normal, gamma and chi-square distributions against an
// independent implementation over grids of parameters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>

#include "distrib/chi_square_distribution.h"
#include "distrib/gamma_distribution.h"
#include "distrib/normal_distribution.h"

namespace distrib {
namespace {

constexpr Extended Probability_tolerance = 1e-9L;
constexpr Extended Density_tolerance = 1e-9L;
constexpr Extended Quantile_relative_tolerance = 1e-8L;
// The quantile search stops on an absolute step of 5e-12 in x, so quantiles
// close to 0 are compared absolutely.
constexpr Extended Quantile_absolute_tolerance = 1e-11L;

// Largest differences seen in one region of parameters.
struct Worst_differences {
    std::string region;
    Extended probability = 0;
    Extended density = 0;
    Extended quantile = 0;
    // Points outside the incomplete gamma function's accurate range.
    Extended below_tolerance = 0;
    Extended capped_series = 0;

    void Record(Extended& worst, Extended difference) { worst = std::max(worst, difference); }

    ~Worst_differences()
    {
        std::cout << "[worst] " << region << ": cumulative " << static_cast<double>(probability)
                  << ", density " << static_cast<double>(density) << ", quantile (relative) "
                  << static_cast<double>(quantile);
        if (below_tolerance > 0)
            std::cout << "; below 5e-12 (result 0): cumulative " << static_cast<double>(below_tolerance);
        if (capped_series > 0)
            std::cout << "; capped series: cumulative or quantile (relative) "
                      << static_cast<double>(capped_series);
        std::cout << "\n";
        testing::Test::RecordProperty(region + " cumulative", std::to_string(static_cast<double>(probability)));
        testing::Test::RecordProperty(region + " density", std::to_string(static_cast<double>(density)));
        testing::Test::RecordProperty(region + " quantile", std::to_string(static_cast<double>(quantile)));
    }
};

// Densities above 1 are compared relative to their size.
Extended Density_difference(Extended mine, Extended reference)
{
    return std::fabs(mine - reference) / std::max<Extended>(1, std::fabs(reference));
}

// Quantiles are compared relatively, or absolutely below 1e-3 where the
// absolute stopping step dominates.
Extended Quantile_difference(Extended mine, Extended reference)
{
    const Extended difference = std::fabs(mine - reference);
    if (std::fabs(reference) < 1e-3L)
        return difference / Quantile_absolute_tolerance * Quantile_relative_tolerance;
    return difference / std::fabs(reference);
}

const std::vector<Extended> Probabilities = {1e-9L, 1e-6L, 1e-4L, 0.001L, 0.01L, 0.025L, 0.05L,
                                             0.1L,  0.2L,  0.3L,  0.4L,   0.5L,  0.6L,   0.7L,
                                             0.8L,  0.9L,  0.95L, 0.975L, 0.99L, 0.999L, 0.9999L,
                                             1 - 1e-6L};

// The incomplete gamma function returns 0 for x below the common tolerance,
// whatever the shape; for shapes below 1 the true probability there is not
// small.
bool Below_tolerance(Extended x_times_rate) { return x_times_rate < Equal_tolerance; }

// The series stops after 100 added terms; near the mode of a large shape
// that is too few, and the partial sum is used as it is.
bool Series_capped(Extended x, Extended a)
{
    if (!(x < a + 1)) return false;
    Extended hundredth_term_times_a = 1;
    for (int k = 1; k <= 100; ++k) hundredth_term_times_a *= x / (a + k);
    return hundredth_term_times_a > Equal_tolerance;
}

// Bound of the capped series' shortfall seen up to shape 500.
constexpr Extended Capped_series_tolerance = 1e-5L;

// Shape and rate of the incomplete gamma function behind a distribution;
// the normal uses shape 1/2 on z^2 / 2 and never reaches the cap.
struct Incomplete_gamma_use {
    Extended shape = 0.5L;
    Extended rate = 0;  // 0: not a gamma distribution
};

// Compares one distribution with its reference at the reference's
// quantiles of the probability grid and at extra points.
template <typename Reference>
void Compare(const tContinuous_distribution& mine, const Reference& reference,
             const std::vector<Extended>& extra_points, Worst_differences& worst, const std::string& label,
             Incomplete_gamma_use gamma = {})
{
    const auto below_tolerance = [&](Extended x) { return gamma.rate > 0 && Below_tolerance(x * gamma.rate); };
    const auto capped = [&](Extended x) { return gamma.rate > 0 && Series_capped(x * gamma.rate, gamma.shape); };
    std::vector<Extended> points = extra_points;
    for (const Extended p : Probabilities) {
        const Extended expected = boost::math::quantile(reference, p);
        const Extended quantile = mine.Quantile(p);
        const Extended difference = Quantile_difference(quantile, expected);
        points.push_back(expected);
        if (below_tolerance(expected) || below_tolerance(quantile)) continue;
        if (capped(expected)) {
            worst.Record(worst.capped_series, difference);
            EXPECT_LE(difference, Capped_series_tolerance) << label << " quantile p = " << p;
            continue;
        }
        worst.Record(worst.quantile, difference);
        EXPECT_LE(difference, Quantile_relative_tolerance) << label << " quantile p = " << p;
    }
    for (const Extended x : points) {
        if (!mine.In_support(x)) continue;
        const Extended cumulative = mine.Cumulative(x);
        const Extended cumulative_difference = std::fabs(cumulative - boost::math::cdf(reference, x));
        const Extended density_difference = Density_difference(mine.Density(x), boost::math::pdf(reference, x));
        worst.Record(worst.density, density_difference);
        EXPECT_LE(density_difference, Density_tolerance) << label << " density x = " << x;
        if (below_tolerance(x)) {
            worst.Record(worst.below_tolerance, cumulative_difference);
            EXPECT_EQ(cumulative, 0) << label << " cumulative x = " << x;
        } else if (capped(x)) {
            worst.Record(worst.capped_series, cumulative_difference);
            EXPECT_LE(cumulative_difference, Capped_series_tolerance) << label << " cumulative x = " << x;
        } else {
            worst.Record(worst.probability, cumulative_difference);
            EXPECT_LE(cumulative_difference, Probability_tolerance) << label << " cumulative x = " << x;
        }
    }
}

TEST(ReferenceCrossCheck, Normal)
{
    Worst_differences worst{"normal"};
    for (const Extended mean : {-3.0L, 0.0L, 2.5L, 100.0L}) {
        for (const Extended variance : {0.01L, 1.0L, 4.0L, 1e4L}) {
            const tNormal_distribution mine(mean, variance);
            const boost::math::normal_distribution<Extended> reference(mean, std::sqrt(variance));
            std::vector<Extended> points;
            for (int i = -80; i <= 80; ++i) points.push_back(mean + std::sqrt(variance) * i / 10);
            Compare(mine, reference, points, worst,
                    "mean " + std::to_string(static_cast<double>(mean)) + " variance "
                        + std::to_string(static_cast<double>(variance)));
        }
    }
}

// Gamma distributions in bands of shape; the incomplete gamma function
// serves every shape up to 500.
void Check_gamma_band(const std::string& region, const std::vector<Extended>& shapes)
{
    Worst_differences worst{region};
    for (const Extended shape : shapes) {
        for (const Extended rate : {0.5L, 1.0L, 3.0L}) {
            const tGamma_distribution mine(shape, rate);
            const boost::math::gamma_distribution<Extended> reference(shape, 1 / rate);
            const Extended mean = shape / rate;
            const Extended sd = std::sqrt(shape) / rate;
            std::vector<Extended> points;
            for (int i = -12; i <= 24; ++i)
                if (mean + sd * i / 2 > 0) points.push_back(mean + sd * i / 2);
            Compare(mine, reference, points, worst,
                    "shape " + std::to_string(static_cast<double>(shape)) + " rate "
                        + std::to_string(static_cast<double>(rate)),
                    {shape, rate});
        }
    }
}

TEST(ReferenceCrossCheck, GammaSmallShapes)
{
    Check_gamma_band("gamma shape <= 1", {0.05L, 0.1L, 0.3L, 0.5L, 0.75L, 0.9L, 1.0L});
}

TEST(ReferenceCrossCheck, GammaMediumShapes)
{
    Check_gamma_band("gamma 1 < shape <= 50", {1.1L, 1.5L, 2.0L, 3.7L, 5.0L, 10.0L, 20.0L, 35.5L, 50.0L});
}

TEST(ReferenceCrossCheck, GammaLargeShapes)
{
    Check_gamma_band("gamma 50 < shape <= 500", {75.0L, 100.0L, 150.0L, 200.0L, 250.0L, 300.0L, 400.0L, 500.0L});
}

TEST(ReferenceCrossCheck, ChiSquare)
{
    Worst_differences worst{"chi-square df <= 1000"};
    for (const Extended df : {0.5L, 1.0L, 2.0L, 3.0L, 5.0L, 10.0L, 19.0L, 20.0L, 50.0L, 100.0L, 200.0L, 500.0L, 1000.0L}) {
        const tChi_square_distribution mine(df);
        const boost::math::chi_squared_distribution<Extended> reference(df);
        std::vector<Extended> points;
        for (int i = 1; i <= 40; ++i) points.push_back(df * i / 10);
        Compare(mine, reference, points, worst, "df " + std::to_string(static_cast<double>(df)),
                {df / 2, 0.5L});
    }
}

// Within 5e-12 of the mean in z the incomplete gamma function gives 0, so
// the cumulative probability is exactly one half there.
TEST(ReferenceCrossCheck, NormalNextToTheMean)
{
    const tNormal_distribution mine(0, 1);
    const boost::math::normal_distribution<Extended> reference(0, 1);
    Extended worst = 0;
    for (const Extended z : {1e-9L, 1e-7L, 1e-6L, 3e-6L, -3e-6L}) {
        EXPECT_EQ(mine.Cumulative(z), 0.5L) << z;
        worst = std::max(worst, std::fabs(mine.Cumulative(z) - boost::math::cdf(reference, z)));
    }
    EXPECT_NEAR(mine.Cumulative(4e-6L), boost::math::cdf(reference, 4e-6L), Probability_tolerance);
    std::cout << "[worst] normal with |z| < 3.2e-6 (result 0.5): cumulative " << static_cast<double>(worst)
              << "\n";
    RecordProperty("normal next to the mean cumulative", std::to_string(static_cast<double>(worst)));
}

// Above shape 500 the cube-root normal approximation takes over; its own
// error is recorded, the figures it must give are checked with the gamma
// distribution's tests.
TEST(ReferenceCrossCheck, GammaCubeRootApproximation)
{
    Extended worst = 0;
    for (const Extended shape : {500.5L, 600.0L, 1000.0L, 5000.0L, 1e5L}) {
        const tGamma_distribution mine(shape, 1);
        const boost::math::gamma_distribution<Extended> reference(shape, 1);
        for (const Extended p : Probabilities) {
            if (p < 1e-6L || p > 1 - 1e-6L) continue;
            const Extended x = boost::math::quantile(reference, p);
            worst = std::max(worst, std::fabs(mine.Cumulative(x) - p));
        }
    }
    EXPECT_LT(worst, 1e-4L);
    std::cout << "[worst] gamma shape > 500 (cube-root approximation): cumulative "
              << static_cast<double>(worst) << "\n";
    RecordProperty("gamma cube-root approximation cumulative", std::to_string(static_cast<double>(worst)));
}

}  // namespace
}  // namespace distrib
