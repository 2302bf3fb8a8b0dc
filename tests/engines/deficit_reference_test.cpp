#include <algorithm>
#include <cmath>
#include <cstdint>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/roots.hpp>
#include <gtest/gtest.h>

#include "engines/deficit_test.h"
#include "engines/difference_sd.h"
#include "engines/difference_tests.h"

namespace engines {
namespace {

double NormalCdf(double x)
{
    return boost::math::cdf(boost::math::normal_distribution<double>(), x);
}

// The search leaves the noncentrality within 1e-6 of its root, which for a
// few controls moves a percentage limit by more than 1e-5.
double PercentTolerance(double z, int n)
{
    const double density = boost::math::pdf(boost::math::normal_distribution<double>(), z);
    return std::max(1e-5, 100 * density * 1e-6 / std::sqrt(static_cast<double>(n)));
}

// The noncentrality at which the p-quantile of the noncentral t with df
// degrees of freedom is t0, from an independent noncentral t.
double ReferenceNoncentrality(double p, double t0, int df)
{
    const auto gap = [&](double delta) {
        return boost::math::quantile(boost::math::non_central_t_distribution<double>(df, delta), p) - t0;
    };
    const double reach = 4 * std::fabs(t0) + 20;
    std::uintmax_t iterations = 200;
    const auto root = boost::math::tools::toms748_solve(gap, -reach, reach, boost::math::tools::eps_tolerance<double>(45),
                                                        iterations);
    return (root.first + root.second) / 2;
}

struct Worksheet {
    double mean, sd;
    int n;
    double caseScore;
};

class DeficitReference : public testing::TestWithParam<Worksheet> {};

TEST_P(DeficitReference, AgreesWithIndependentDistributions)
{
    const Worksheet w = GetParam();
    const DeficitTestResult r = DeficitTest(w.mean, w.sd, w.n, w.caseScore, 95);

    const double zcc = (w.caseScore - w.mean) / w.sd;
    const double t = (w.caseScore - w.mean) / (w.sd * std::sqrt((w.n + 1.0) / w.n));
    const double below = boost::math::cdf(boost::math::students_t_distribution<double>(w.n - 1), t);
    const double rootN = std::sqrt(static_cast<double>(w.n));
    const double zccLower = ReferenceNoncentrality(0.975, rootN * zcc, w.n - 1) / rootN;
    const double zccUpper = ReferenceNoncentrality(0.025, rootN * zcc, w.n - 1) / rootN;

    EXPECT_NEAR(r.t, t, 1e-12);
    EXPECT_EQ(r.df, w.n - 1);
    EXPECT_NEAR(r.zcc, zcc, 1e-12);
    // The nine-decimal 2/pi of odd df moves the probability by up to 3e-10.
    EXPECT_NEAR(r.pOneTailed, t < 0 ? below : 1 - below, 1e-9);
    EXPECT_NEAR(r.percentBelow, 100 * below, 1e-5);
    ASSERT_TRUE(r.zccLower && r.zccUpper && r.percentBelowLower && r.percentBelowUpper);
    EXPECT_NEAR(*r.zccLower, zccLower, 1e-6);
    EXPECT_NEAR(*r.zccUpper, zccUpper, 1e-6);
    EXPECT_NEAR(*r.percentBelowLower, 100 * NormalCdf(zccLower), PercentTolerance(zccLower, w.n));
    EXPECT_NEAR(*r.percentBelowUpper, 100 * NormalCdf(zccUpper), PercentTolerance(zccUpper, w.n));
}

INSTANTIATE_TEST_SUITE_P(Worksheets, DeficitReference,
                         testing::Values(Worksheet{100, 15, 25, 70}, Worksheet{100, 15, 25, 130},
                                         Worksheet{100, 15, 25, 100}, Worksheet{100, 15, 25, 99.5},
                                         Worksheet{50, 10, 3, 35}, Worksheet{50, 10, 3, 80},
                                         Worksheet{50, 10, 4, 62}, Worksheet{20, 4, 10, 5},
                                         Worksheet{0, 1, 50, -3.5}, Worksheet{100, 15, 1000, 55},
                                         Worksheet{10, 2, 7, 10.5}, Worksheet{0.5, 0.125, 16, 0.01},
                                         Worksheet{25, 5, 150, 55}, Worksheet{-40, 12, 5, -77}));

// The USDT interval: the noncentrality on the plain effect size, mirrored to
// the lower tail.
struct DifferenceWorksheet {
    double meanX, sdX, meanY, sdY, r;
    int n;
    double caseX, caseY;
};

class UsdtReference : public testing::TestWithParam<DifferenceWorksheet> {};

TEST_P(UsdtReference, AgreesWithIndependentDistributions)
{
    const DifferenceWorksheet w = GetParam();
    const DifferenceTestResult r = RunUSDT(w.meanX, w.sdX, w.meanY, w.sdY, w.r, w.n, w.caseX, w.caseY);

    const double d = (w.caseX - w.meanX) - (w.caseY - w.meanY);
    const double variance = w.sdX * w.sdX + w.sdY * w.sdY - 2 * w.sdX * w.sdY * w.r;
    const double t = d / std::sqrt(variance * (w.n + 1.0) / w.n);
    const double pOneTailed = 1 - boost::math::cdf(boost::math::students_t_distribution<double>(w.n - 1), std::fabs(t));
    const double rootN = std::sqrt(static_cast<double>(w.n));
    const double t0 = -rootN * std::fabs(d) / std::sqrt(variance);
    const double zLower = ReferenceNoncentrality(0.975, t0, w.n - 1) / rootN;
    const double zUpper = ReferenceNoncentrality(0.025, t0, w.n - 1) / rootN;

    EXPECT_NEAR(r.t, t, 1e-12);
    EXPECT_NEAR(r.pOneTailed, pOneTailed, 1e-9);
    EXPECT_NEAR(r.pTwoTailed, 2 * pOneTailed, 2e-9);
    EXPECT_NEAR(r.percentMoreExtreme, 100 * pOneTailed, 1e-7);
    ASSERT_TRUE(r.percentLower && r.percentUpper);
    EXPECT_NEAR(*r.percentLower, 100 * NormalCdf(zLower), PercentTolerance(zLower, w.n));
    EXPECT_NEAR(*r.percentUpper, 100 * NormalCdf(zUpper), PercentTolerance(zUpper, w.n));
}

INSTANTIATE_TEST_SUITE_P(Worksheets, UsdtReference,
                         testing::Values(DifferenceWorksheet{100, 15, 50, 10, 0.6, 25, 70, 45},
                                         DifferenceWorksheet{100, 15, 50, 10, 0.6, 25, 100, 50},
                                         DifferenceWorksheet{10, 2, 12, 3, -0.3, 3, 4, 15},
                                         DifferenceWorksheet{0, 1, 0, 1, 0.9, 60, -2.5, 0.5},
                                         DifferenceWorksheet{30, 6, 20, 4, 0.2, 9, 31, 8}));

}  // namespace
}  // namespace engines
