#include <cmath>

#include <gtest/gtest.h>

#include "engines/difference_tests.h"
#include "engines/student_t_cumulative.h"

namespace engines {
namespace {

struct Worksheet {
    long double meanX, sdX, meanY, sdY, r;
    int n;
    long double caseX, caseY;
};

const Worksheet Worksheets[] = {
    {100, 15, 50, 10, 0.6L, 25, 70, 45},  {100, 15, 50, 10, 0.6L, 25, 130, 45}, {10, 2, 12, 3, -0.3L, 3, 4, 15},
    {0, 1, 0, 1, 0.9L, 60, -2.5L, 0.5L},  {30, 6, 20, 4, 0.2L, 9, 31, 8},       {5, 1, 5, 1, -0.95L, 999999, 1, 9},
    {0, 0.00001L, 0, 1, 0.99L, 4, 99, -3}, {50, 10, 50, 10, 0, 12, 50.1L, 49.9L},
    // 4ac is tiny against b^2 in the quadratic for psi^2.
    {5, 1, 5, 1, -0.9999L, 999999, 1, 9},
};

class RsdtWorksheet : public testing::TestWithParam<Worksheet> {};

TEST_P(RsdtWorksheet, PsiSolvesItsDefiningEquation)
{
    const Worksheet w = GetParam();
    const DifferenceTestResult result = RunRSDT(w.meanX, w.sdX, w.meanY, w.sdY, w.r, w.n, w.caseX, w.caseY);
    const long double psi = result.t;
    const long double n = w.n;
    const long double r = w.r;
    const long double zX = (w.caseX - w.meanX) / w.sdX;
    const long double zY = (w.caseY - w.meanY) / w.sdY;
    const long double m = 2 * (n - 1) * (n - 1);
    const long double d = (2 - 2 * r) + 2 * (1 - r * r) / (n - 1) + (5 + psi * psi) * (1 - r * r) / m +
                          r * (1 + psi * psi) * (1 - r * r) / m;
    EXPECT_GE(psi, 0);
    EXPECT_NEAR(psi, std::fabs(zX - zY) / std::sqrt((n + 1) / n * d), 1e-15 * std::max(1.0L, psi));
    EXPECT_EQ(result.df, w.n - 1);
    EXPECT_EQ(result.pOneTailed, 1 - StudentTCumulative(result.df, static_cast<double>(psi)));
    EXPECT_EQ(result.pTwoTailed, 2 * result.pOneTailed);
    EXPECT_EQ(result.percentMoreExtreme, 100 * result.pOneTailed);
    EXPECT_FALSE(result.percentLower.has_value());
    EXPECT_FALSE(result.percentUpper.has_value());
}

TEST_P(RsdtWorksheet, SwappingTheTasksChangesNothing)
{
    const Worksheet w = GetParam();
    const DifferenceTestResult xy = RunRSDT(w.meanX, w.sdX, w.meanY, w.sdY, w.r, w.n, w.caseX, w.caseY);
    const DifferenceTestResult yx = RunRSDT(w.meanY, w.sdY, w.meanX, w.sdX, w.r, w.n, w.caseY, w.caseX);
    EXPECT_EQ(yx.t, xy.t);
    EXPECT_EQ(yx.pOneTailed, xy.pOneTailed);
    EXPECT_EQ(yx.pTwoTailed, xy.pTwoTailed);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, RsdtWorksheet, testing::ValuesIn(Worksheets));

TEST(RunRSDT, EqualStandardizedScoresGiveZero)
{
    for (long double r : {-0.5L, 0.0L, 0.3L, 0.95L}) {
        // zX = zY = -1.5
        const DifferenceTestResult result = RunRSDT(100, 10, 40, 4, r, 20, 85, 34);
        EXPECT_EQ(result.t, 0);
        EXPECT_FALSE(std::signbit(result.t));
        EXPECT_EQ(result.pOneTailed, 0.5);
        EXPECT_EQ(result.pTwoTailed, 1);
        EXPECT_EQ(result.percentMoreExtreme, 50);
    }
}

TEST(RunUSDT, TypicalWorksheet)
{
    const DifferenceTestResult result = RunUSDT(100, 15, 50, 10, 0.6L, 25, 70, 45);
    // d = -30 - (-5) = -25; se^2 = (225 + 100 - 180) 26/25 = 150.8.
    EXPECT_NEAR(result.t, -25 / std::sqrt(150.8L), 1e-15);
    EXPECT_EQ(result.df, 24);
    EXPECT_EQ(result.pOneTailed, 1 - StudentTCumulative(24, static_cast<double>(std::fabs(result.t))));
    EXPECT_EQ(result.pTwoTailed, 2 * result.pOneTailed);
    EXPECT_EQ(result.percentMoreExtreme, 100 * result.pOneTailed);
    ASSERT_TRUE(result.percentLower && result.percentUpper);
    EXPECT_LT(*result.percentLower, result.percentMoreExtreme);
    EXPECT_GT(*result.percentUpper, result.percentMoreExtreme);
}

TEST(RunUSDT, SignFollowsTheRawDifferenceAndProbabilitiesItsSize)
{
    for (const Worksheet& w : Worksheets) {
        const DifferenceTestResult forward = RunUSDT(w.meanX, w.sdX, w.meanY, w.sdY, w.r, w.n, w.caseX, w.caseY);
        // The mirror-image case: the same deviations with the opposite sign.
        const DifferenceTestResult mirror =
            RunUSDT(w.meanX, w.sdX, w.meanY, w.sdY, w.r, w.n, 2 * w.meanX - w.caseX, 2 * w.meanY - w.caseY);
        const long double d = (w.caseX - w.meanX) - (w.caseY - w.meanY);
        EXPECT_EQ(forward.t < 0, d < 0);
        EXPECT_NEAR(mirror.t, -forward.t, 1e-9 * std::fabs(forward.t));
        EXPECT_EQ(forward.pOneTailed, 1 - StudentTCumulative(forward.df, static_cast<double>(std::fabs(forward.t))));
        EXPECT_NEAR(mirror.pOneTailed, forward.pOneTailed, 1e-12);
        if (forward.percentLower && mirror.percentLower) {
            EXPECT_NEAR(*mirror.percentLower, *forward.percentLower, 1e-9);
        }
    }
}

TEST(RunUSDT, NoDifferenceGivesAnIntervalSymmetricAboutFifty)
{
    for (int n : {3, 10, 25, 400}) {
        const DifferenceTestResult result = RunUSDT(100, 15, 50, 10, 0.6L, n, 90, 40);
        EXPECT_EQ(result.t, 0);
        EXPECT_EQ(result.pOneTailed, 0.5);
        EXPECT_EQ(result.percentMoreExtreme, 50);
        ASSERT_TRUE(result.percentLower && result.percentUpper);
        EXPECT_NEAR(*result.percentLower + *result.percentUpper, 100, 1e-4) << n;
        EXPECT_LT(*result.percentLower, 50);
    }
}

TEST(RunUSDT, IntervalNotComputableForAnExtremeWorksheet)
{
    const DifferenceTestResult result = RunUSDT(0, 0.00001L, 0, 0.00001L, 0.5L, 999999, 999999, -99999);
    EXPECT_GT(result.t, 0);
    EXPECT_TRUE(std::isfinite(result.pOneTailed));
    EXPECT_FALSE(result.percentLower.has_value());
    EXPECT_FALSE(result.percentUpper.has_value());
}

}  // namespace
}  // namespace engines
