#include <cfloat>
#include <cmath>
#include <vector>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <gtest/gtest.h>

#include "engines/normal_cumulative.h"
#include "engines/student_t_cumulative.h"

namespace engines {
namespace {

double ReferenceNormal(double x)
{
    return static_cast<double>(boost::math::cdf(boost::math::normal_distribution<long double>(), x));
}

double ReferenceStudent(int df, double t)
{
    return static_cast<double>(boost::math::cdf(boost::math::students_t_distribution<long double>(df), t));
}

// The floor of the odd-df upper tail set by the nine-decimal 2/pi.
const double OddFloor = (1.0 - 0.636619772 * M_PI / 2) / 2;

TEST(StudentTCumulative, ReferenceValues)
{
    EXPECT_NEAR(StudentTCumulative(2, 1.0), 0.78867513459481287, 1e-12);
    EXPECT_NEAR(StudentTCumulative(5, 2.0), 0.94903026058507, 1e-9);
    EXPECT_NEAR(StudentTCumulative(1, 1.0), 0.75, 1e-9);
    EXPECT_DOUBLE_EQ(StudentTCumulative(7, 0.0), 0.5);
    EXPECT_DOUBLE_EQ(StudentTCumulative(8, 0.0), 0.5);
}

TEST(StudentTCumulative, TwoDegreesOfFreedomIsHalfOnePlusSine)
{
    for (double t : {-30.0, -4.3, -1.0, -0.2, 0.0, 0.5, 1.7, 9.0, 250.0}) {
        const double theta = std::atan(t / std::sqrt(2.0));
        EXPECT_NEAR(StudentTCumulative(2, t), (1 + std::sin(theta)) / 2, 1e-15) << "t = " << t;
    }
}

TEST(StudentTCumulative, AgreesWithTheStudentDistribution)
{
    // The nine-decimal 2/pi of odd df shifts the result by up to about 3e-10.
    for (int df : {1, 2, 3, 4, 5, 9, 10, 24, 25, 99, 100, 999, 1000, 4001}) {
        for (double t : {-12.0, -3.1, -1.96, -0.7, 0.0, 0.05, 1.0, 2.5, 6.0, 40.0}) {
            EXPECT_NEAR(StudentTCumulative(df, t), ReferenceStudent(df, t), 1e-9) << df << ", " << t;
        }
    }
}

TEST(StudentTCumulative, UpperTailBottomsOutForOddDfAndReachesZeroForEven)
{
    for (int df : {1, 3, 5, 25, 999}) {
        for (double t : {1e12, 1e15, 1e300}) {
            EXPECT_NEAR(1 - StudentTCumulative(df, t), OddFloor, 1e-12) << df << ", " << t;
            EXPECT_NEAR(StudentTCumulative(df, -t), OddFloor, 1e-12) << df << ", " << -t;
        }
    }
    EXPECT_NEAR(OddFloor, 2.9e-10, 0.05e-10);
    for (int df : {2, 4, 24, 1000}) {
        EXPECT_EQ(1 - StudentTCumulative(df, 1e15), 0.0) << df;
        EXPECT_EQ(StudentTCumulative(df, -1e15), 0.0) << df;
    }
}

TEST(StudentTCumulative, MirrorsAboutZero)
{
    for (int df : {2, 3, 10, 57}) {
        for (double t : {0.3, 1.5, 4.0, 17.0}) {
            EXPECT_NEAR(StudentTCumulative(df, -t), 1 - StudentTCumulative(df, t), 1e-15);
        }
    }
}

TEST(NormalDensity, UsesTheEightDecimalConstant)
{
    EXPECT_DOUBLE_EQ(NormalDensity(0.0), 0.39894228);
    EXPECT_DOUBLE_EQ(NormalDensity(1.0), std::exp(-0.5) * 0.39894228);
    EXPECT_DOUBLE_EQ(NormalDensity(-2.5), NormalDensity(2.5));
    EXPECT_EQ(NormalDensity(1e200), 0.0);
}

TEST(SimpsonIntegral, IntegratesTheDensity)
{
    struct Interval {
        double a, b;
    };
    const Interval intervals[] = {{-1.96, 1.96}, {0.0, 1.0}, {1.0, 0.0}, {-3.0, -1.0}, {2.0, 6.0}, {-0.1, 7.5}};
    for (const Interval& i : intervals) {
        int warnings = 0;
        EXPECT_NEAR(SimpsonIntegral(i.a, i.b, &warnings), ReferenceNormal(i.b) - ReferenceNormal(i.a), 1e-7)
            << i.a << ", " << i.b;
        EXPECT_EQ(warnings, 0);
    }
}

TEST(SimpsonIntegral, EmptyIntervalGivesZeroWithoutWarning)
{
    int warnings = 0;
    EXPECT_EQ(SimpsonIntegral(0.0, 0.0, &warnings), 0.0);
    EXPECT_EQ(SimpsonIntegral(-3.5, -3.5, &warnings), 0.0);
    EXPECT_EQ(warnings, 0);
}

TEST(SimpsonIntegral, CountsIntegralsThatRunOutOfStages)
{
    int warnings = 0;
    SimpsonIntegral(0.0, 1e5, &warnings);
    EXPECT_EQ(warnings, 1);
    SimpsonIntegral(0.0, -1e300, &warnings);
    EXPECT_EQ(warnings, 2);
    SimpsonIntegral(0.0, 2.0, &warnings);
    EXPECT_EQ(warnings, 2);
    SimpsonIntegral(0.0, 1e5);  // without a counter
}

TEST(SimpsonIntegral, FirstTrapezoidNearOneDoesNotStopTheStages)
{
    // Over [0, b] the first trapezoid is 0.5 b (f(0) + f(b)); find b where it
    // is 1, the value the estimate is first compared with.
    double b = 5.0;
    for (int i = 0; i < 50; ++i)
        b = 2.0 / (NormalDensity(0.0) + NormalDensity(b));
    ASSERT_NEAR(0.5 * b * (NormalDensity(0.0) + NormalDensity(b)), 1.0, 1e-12);
    EXPECT_NEAR(SimpsonIntegral(0.0, b), ReferenceNormal(b) - 0.5, 1e-7);
}

std::vector<double> NormalGrid()
{
    std::vector<double> grid;
    for (double x = -60.0; x <= 60.0; x += 0.0025)
        grid.push_back(x);
    // Where successive Simpson estimates agree early by chance.
    for (double x : {1.5196, 1.5198, 1.52, 1.686, 1.69, 1.6944, 52.78893, 52.7889})
        grid.insert(grid.end(), {x, -x});
    for (double x = 60.0; x < 1e7; x *= 1.25)
        grid.insert(grid.end(), {x, -x});
    for (double x : {1e8, 1e12, 1e100, 1e300, DBL_MAX, DBL_MIN, 4.9e-324})
        grid.insert(grid.end(), {x, -x});
    return grid;
}

TEST(NormalCumulative, AgreesWithTheNormalDistributionEverywhere)
{
    for (double x : NormalGrid())
        ASSERT_NEAR(NormalCumulative(x), ReferenceNormal(x), 1e-7) << "x = " << x;
}

TEST(NormalCumulative, KeepsTheSimpsonValueWhereItIsAccurate)
{
    int kept = 0;
    int replaced = 0;
    for (double x : NormalGrid()) {
        const double simpson = SimpsonIntegral(0.0, x) + 0.5;
        const double error = std::fabs(simpson - ReferenceNormal(x));
        if (error < 4e-8) {
            ASSERT_EQ(NormalCumulative(x), simpson) << "x = " << x;
            ++kept;
        } else if (error > 1e-7) {
            ++replaced;
        }
    }
    // Both kinds occur: the grid covers the early stops and the far tails.
    EXPECT_GT(kept, 40000);
    EXPECT_GE(replaced, 20);
}

}  // namespace
}  // namespace engines
