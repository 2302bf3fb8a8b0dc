#include <cmath>

#include <gtest/gtest.h>

#include "engines/deficit_test.h"

namespace engines {
namespace {

TEST(DeficitTest, TypicalWorksheet)
{
    const DeficitTestResult r = DeficitTest(100, 15, 25, 70, 95);
    EXPECT_NEAR(r.t, -1.9611613514, 1e-9);
    EXPECT_EQ(r.df, 24);
    EXPECT_NEAR(r.pOneTailed, 0.0307814189, 1e-9);
    EXPECT_NEAR(r.percentBelow, 3.0781418931, 1e-8);
    EXPECT_NEAR(r.zcc, -2.0, 1e-15);
    ASSERT_TRUE(r.zccLower && r.zccUpper && r.percentBelowLower && r.percentBelowUpper);
    EXPECT_NEAR(*r.zccLower, -2.678394, 1e-6);
    EXPECT_NEAR(*r.zccUpper, -1.307389, 1e-6);
    EXPECT_NEAR(*r.percentBelowLower, 0.36988, 1e-5);
    EXPECT_NEAR(*r.percentBelowUpper, 9.55403, 1e-5);
}

TEST(DeficitTest, CaseAtTheMean)
{
    for (int n : {3, 4, 25, 1000}) {
        const DeficitTestResult r = DeficitTest(42.5, 3.25, n, 42.5, 95);
        EXPECT_EQ(r.t, 0);
        EXPECT_EQ(r.zcc, 0);
        EXPECT_EQ(r.pOneTailed, 0.5);
        EXPECT_EQ(r.percentBelow, 50);
        ASSERT_TRUE(r.zccLower && r.zccUpper && r.percentBelowLower && r.percentBelowUpper);
        EXPECT_LT(*r.zccLower, 0);
        EXPECT_NEAR(*r.zccLower + *r.zccUpper, 0, 1e-6) << n;
        EXPECT_NEAR(*r.percentBelowLower + *r.percentBelowUpper, 100, 1e-4) << n;
    }
}

TEST(DeficitTest, ThreeControlsGiveTwoDegreesOfFreedom)
{
    const DeficitTestResult r = DeficitTest(50, 10, 3, 35, 95);
    EXPECT_EQ(r.df, 2);
    const double theta = std::atan(std::fabs(static_cast<double>(r.t)) / std::sqrt(2.0));
    EXPECT_NEAR(r.pOneTailed, 1 - (1 + std::sin(theta)) / 2, 1e-15);
    EXPECT_NEAR(r.t, -1.5 / std::sqrt(4.0 / 3.0), 1e-15);
}

TEST(DeficitTest, MirrorCasesDifferOnlyInDirection)
{
    struct Case {
        long double mean, sd;
        int n;
        long double offset;
    };
    const Case cases[] = {{100, 15, 25, 30}, {50, 10, 3, 15}, {0, 1, 10, 4.2L}, {20, 2, 120, 0.5L}};
    for (const Case& c : cases) {
        const DeficitTestResult below = DeficitTest(c.mean, c.sd, c.n, c.mean - c.offset, 95);
        const DeficitTestResult above = DeficitTest(c.mean, c.sd, c.n, c.mean + c.offset, 95);
        EXPECT_LT(below.t, 0);
        EXPECT_EQ(above.t, -below.t);
        EXPECT_EQ(above.pOneTailed, below.pOneTailed);
        EXPECT_LT(below.percentBelow, 50);
        EXPECT_GT(above.percentBelow, 50);
        EXPECT_NEAR(above.percentBelow, 100 - below.percentBelow, 1e-12);
        ASSERT_TRUE(below.zccLower && below.zccUpper && above.zccLower && above.zccUpper);
        EXPECT_NEAR(*above.zccLower, -*below.zccUpper, 1e-6);
        EXPECT_NEAR(*above.zccUpper, -*below.zccLower, 1e-6);
    }
}

TEST(DeficitTest, OneTailedProbabilityFloorsForOddDfOnly)
{
    // df 3: the tail bottoms out near 2.9e-10; df 2: it reaches 0.
    EXPECT_NEAR(DeficitTest(0, 1, 4, -1e5, 95).pOneTailed, 2.9e-10, 0.05e-10);
    EXPECT_NEAR(DeficitTest(0, 0.00001L, 4, 999999, 95).pOneTailed, 2.9e-10, 0.05e-10);
    EXPECT_EQ(DeficitTest(0, 0.00001L, 3, 999999, 95).pOneTailed, 0);
}

// Worksheets at the edge of the valid inputs; a limit whose noncentrality
// lies beyond the range of the noncentral t series is not computable.
struct ExtremeCase {
    long double mean, sd;
    int n;
    long double caseScore;
    bool lowerComputable, upperComputable;
};

class ExtremeWorksheet : public testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeWorksheet, LimitsAreNumbersOrNotComputable)
{
    const ExtremeCase c = GetParam();
    const DeficitTestResult r = DeficitTest(c.mean, c.sd, c.n, c.caseScore, 95);
    EXPECT_TRUE(std::isfinite(r.t));
    EXPECT_TRUE(std::isfinite(r.pOneTailed));
    EXPECT_EQ(r.zccLower.has_value(), c.lowerComputable);
    EXPECT_EQ(r.percentBelowLower.has_value(), c.lowerComputable);
    EXPECT_EQ(r.zccUpper.has_value(), c.upperComputable);
    EXPECT_EQ(r.percentBelowUpper.has_value(), c.upperComputable);
    if (r.zccLower && r.zccUpper) {
        EXPECT_LT(*r.zccLower, *r.zccUpper);
    }
    for (const auto& limit : {r.zccLower, r.zccUpper, r.percentBelowLower, r.percentBelowUpper}) {
        if (limit) {
            EXPECT_TRUE(std::isfinite(*limit));
        }
    }
    for (const auto& percent : {r.percentBelowLower, r.percentBelowUpper}) {
        if (percent) {
            EXPECT_GE(*percent, 0);
            EXPECT_LE(*percent, 100);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeOfValidInputs, ExtremeWorksheet,
    testing::Values(ExtremeCase{0, 0.00001L, 999999, 999999, false, false},
                    ExtremeCase{0, 0.00001L, 3, 999999, false, false},
                    ExtremeCase{999999, 0.00001L, 999999, -99999, false, false},
                    ExtremeCase{0, 1, 25, 20000, false, false},
                    ExtremeCase{0, 1, 999999, 70, false, false},
                    // One limit inside the range, the other beyond it.
                    ExtremeCase{0, 1, 3, -99999, false, true}, ExtremeCase{0, 1, 3, 20000, true, false},
                    // Far out, yet inside the range.
                    ExtremeCase{0, 1, 25, 5000, true, true}, ExtremeCase{0, 1, 999999, 30, true, true},
                    // Noncentralities in the second half of the range.
                    ExtremeCase{0, 1, 25, 10000, true, true}, ExtremeCase{0, 1, 999999, 60, true, true},
                    ExtremeCase{-99999, 999999, 999999, 999999, true, true}));

}  // namespace
}  // namespace engines
