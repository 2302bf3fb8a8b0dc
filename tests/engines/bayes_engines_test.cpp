#include "engines/bayes_engines.h"

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "distrib/kernels.h"
#include "distrib/normal_distribution.h"
#include "engines/bayes_difference_run.h"
#include "tests/engines/bayes_difference_transcription.h"
#include "tests/engines/bayes_result_checks.h"

namespace engines {
namespace {

using transcription::TranscribeRun;

// Three blocks of the engine's pipeline, the last one partial.
constexpr int ReducedCount = 20000;

constexpr DifferenceStatistic Standardized = DifferenceStatistic::Standardized;
constexpr DifferenceStatistic Unstandardized = DifferenceStatistic::Unstandardized;

BayesDifferenceInputs Worksheet(int n, long double meanX, long double sdX, long double meanY,
                                long double sdY, long double r, long double caseX,
                                long double caseY, DifferenceStatistic statistic = Standardized,
                                int upperIndexOffset = 0)
{
    return {n, meanX, sdX, meanY, sdY, r, caseX, caseY, statistic, upperIndexOffset};
}

BayesDifferenceResult RunEngine(const BayesDifferenceInputs& in, int count = ReducedCount,
                          bool withHelperThread = true)
{
    BayesDifferenceRunOptions options;
    options.sampleCount = count;
    options.withHelperThread = withHelperThread;
    return RunBayesDifference(in, options);
}

struct NamedWorksheet {
    const char* name;
    BayesDifferenceInputs inputs;
};

void PrintTo(const NamedWorksheet& w, std::ostream* os) { *os << w.name; }

const NamedWorksheet Worksheets[] = {
    {"Benchmark", Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45)},
    {"BenchmarkUnstandardized", Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45, Unstandardized)},
    {"SmallestSample", Worksheet(3, 10, 2, 12, 3, 0.3L, 4, 11)},
    {"SmallestSampleUnstandardized", Worksheet(3, 10, 2, 12, 3, 0.3L, 4, 11, Unstandardized)},
    {"ComplementedUpperOffset", Worksheet(12, 50, 8, 60, 9, -0.4L, 70, 40, Standardized, 1)},
    {"EqualZScores", Worksheet(30, 20, 4, 40, 8, 0.5L, 16, 32)},
    {"HighCorrelation", Worksheet(8, 0.5L, 0.1L, 1.5L, 0.2L, 0.95L, 0.2L, 1.4L)},
    // Large units on X: the sampled precision matrices' (1,1) entries fall
    // below the absolute pivot threshold while their (2,1) entries do not,
    // so rows are exchanged. Large units on both: whole columns fall below
    // it. Small units on Y: the sums of products are tiny.
    {"LargeUnitsOnX", Worksheet(20, 1e6L, 1.5e5L, 50, 10, 0.6L, 7e5L, 45)},
    {"LargeUnitsOnBoth", Worksheet(20, 1e6L, 1.5e5L, 5e5L, 1e5L, 0.6L, 7e5L, 4.5e5L)},
    {"SmallUnitsOnY", Worksheet(20, 100, 15, 0.005L, 0.001L, 0.6L, 70, 0.0045L, Unstandardized)},
};

class EngineAgreesWithTranscription : public ::testing::TestWithParam<NamedWorksheet> {};

TEST_P(EngineAgreesWithTranscription, ToTheLastBitWithAndWithoutHelperThread)
{
    const BayesDifferenceInputs& in = GetParam().inputs;
    const BayesDifferenceResult expected = TranscribeRun(in, ReducedCount).result;
    for (bool withHelperThread : {true, false}) {
        SCOPED_TRACE(withHelperThread ? "helper thread" : "calling thread only");
        ExpectBitIdentical(RunEngine(in, ReducedCount, withHelperThread), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Worksheets, EngineAgreesWithTranscription, ::testing::ValuesIn(Worksheets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EngineAgreesWithTranscription, OddCountsAndSingleBlock)
{
    const BayesDifferenceInputs in = Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45);
    for (int count : {40, 41, 8192, 8193, 12345})
        ExpectBitIdentical(RunEngine(in, count), TranscribeRun(in, count).result);
}

TEST(OrderStatisticPosition, NearestIntegerTiesToEven)
{
    EXPECT_EQ(OrderStatisticPosition(1000000, 0.025L), 25000);
    EXPECT_EQ(OrderStatisticPosition(1000000, 0.975L), 975000);
    EXPECT_EQ(OrderStatisticPosition(1000000, 0.05L), 50000);
    EXPECT_EQ(OrderStatisticPosition(1000000, 0.95L), 950000);
    EXPECT_EQ(OrderStatisticPosition(40, 0.0625L), 2);   // 2.5
    EXPECT_EQ(OrderStatisticPosition(40, 0.0875L), 4);   // 3.5
    EXPECT_EQ(OrderStatisticPosition(40, 0.975L), 39);
}

TEST(BayesDifference, RepeatedRunsAreIdentical)
{
    const BayesDifferenceInputs in = Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45);
    const BayesDifferenceResult first = RunEngine(in);
    distrib::Uniform_random();  // the state left behind must not matter
    ExpectBitIdentical(RunEngine(in), first);
}

TEST(BayesDifference, CaseFarAboveOnXIsComplementedWithReflectedPercentages)
{
    const BayesDifferenceInputs in = Worksheet(20, 100, 15, 50, 10, 0.5L, 140, 45);
    const BayesDifferenceResult result = RunEngine(in);
    EXPECT_GT(result.zdcc, 2);
    EXPECT_LT(result.percentMoreExtreme, 50);
    EXPECT_EQ(result.pOneTailed, result.percentMoreExtreme / 100);
    EXPECT_EQ(result.pTwoTailed, result.percentMoreExtreme / 50);
    // Z-DCC limits keep their natural order and sign.
    EXPECT_GT(result.zdccLower, 0);
    EXPECT_LT(result.zdccLower, result.zdccUpper);
    // Percentages: the upper tail of the sampled statistics, lower limit
    // from the upper Z-DCC limit.
    const distrib::tNormal_distribution normal(0, 1);
    EXPECT_EQ(result.percentLower, 100 - 100 * normal.Cumulative(result.zdccUpper));
    EXPECT_EQ(result.percentUpper, 100 - 100 * normal.Cumulative(result.zdccLower));
    EXPECT_EQ(result.percentOneSidedLower, 100 - 100 * normal.Cumulative(result.zdccOneSidedUpper));
    EXPECT_EQ(result.percentOneSidedUpper, 100 - 100 * normal.Cumulative(result.zdccOneSidedLower));
    EXPECT_LT(result.percentLower, result.percentMoreExtreme);
    EXPECT_GT(result.percentUpper, result.percentMoreExtreme);
}

TEST(BayesDifference, CaseBelowOnXIsNotComplemented)
{
    const BayesDifferenceResult result = RunEngine(Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45));
    const distrib::tNormal_distribution normal(0, 1);
    EXPECT_LT(result.zdccUpper, 0);
    EXPECT_EQ(result.percentLower, 100 * normal.Cumulative(result.zdccLower));
    EXPECT_EQ(result.percentUpper, 100 * normal.Cumulative(result.zdccUpper));
}

class LimitsAreOrdered : public ::testing::TestWithParam<NamedWorksheet> {};

TEST_P(LimitsAreOrdered, OneSidedInsideTwoSided)
{
    const BayesDifferenceResult result = RunEngine(GetParam().inputs);
    EXPECT_LE(result.zdccLower, result.zdccOneSidedLower);
    EXPECT_LE(result.zdccOneSidedLower, result.zdccOneSidedUpper);
    EXPECT_LE(result.zdccOneSidedUpper, result.zdccUpper);
    EXPECT_LE(result.percentLower, result.percentOneSidedLower);
    EXPECT_LE(result.percentOneSidedLower, result.percentOneSidedUpper);
    EXPECT_LE(result.percentOneSidedUpper, result.percentUpper);
    EXPECT_GE(result.percentMoreExtreme, 0);
    EXPECT_LE(result.percentMoreExtreme, 50);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, LimitsAreOrdered, ::testing::ValuesIn(Worksheets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BayesDifference, EqualZScoresGiveNoDifference)
{
    // zX = zY = -1 exactly.
    const BayesDifferenceResult result = RunEngine(Worksheet(30, 20, 4, 40, 8, 0.5L, 16, 32));
    EXPECT_EQ(result.zdcc, 0);
    EXPECT_NEAR(result.percentMoreExtreme, 50, 1);
    EXPECT_NEAR(result.pTwoTailed, 1, 0.02);
    EXPECT_NEAR(result.zdccLower, -result.zdccUpper, 0.05);
    EXPECT_LT(result.zdccLower, 0);
}

TEST(BayesDifference, SmallestSampleDrawsFromThreeAndTwoDegreesOfFreedom)
{
    const BayesDifferenceInputs in = Worksheet(3, 10, 2, 12, 3, 0.3L, 4, 11);
    const BayesDifferenceResult result = RunEngine(in);
    for (const ResultField& field : ResultFields) EXPECT_TRUE(std::isfinite(result.*field.member)) << field.name;
    // With three controls the credible interval is far wider than with 25.
    const BayesDifferenceResult larger = RunEngine(Worksheet(25, 10, 2, 12, 3, 0.3L, 4, 11));
    EXPECT_GT(result.zdccUpper - result.zdccLower, 2 * (larger.zdccUpper - larger.zdccLower));
    EXPECT_EQ(result.zdcc, larger.zdcc);
}

TEST(BayesDifference, StatisticChangesSamplesButNotPointEstimate)
{
    const BayesDifferenceResult standardized =
        RunEngine(Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45, Standardized));
    const BayesDifferenceResult unstandardized =
        RunEngine(Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45, Unstandardized));
    EXPECT_EQ(standardized.zdcc, unstandardized.zdcc);
    EXPECT_NE(standardized.percentMoreExtreme, unstandardized.percentMoreExtreme);
    EXPECT_NE(standardized.zdccLower, unstandardized.zdccLower);
    EXPECT_NE(standardized.zdccUpper, unstandardized.zdccUpper);
}

TEST(BayesDifference, UpperOffsetTakesTheNeighbouringOrderStatistic)
{
    BayesDifferenceInputs in = Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45);
    const transcription::TranscribedRun transcribed = TranscribeRun(in, ReducedCount);
    const BayesDifferenceResult offset0 = RunEngine(in);
    in.upperIndexOffset = 1;
    const BayesDifferenceResult offset1 = RunEngine(in);
    const int upper = OrderStatisticPosition(ReducedCount, 0.975L);
    EXPECT_EQ(offset0.zdccUpper, (*transcribed.sorted)(upper));
    EXPECT_EQ(offset1.zdccUpper, (*transcribed.sorted)(upper + 1));
    EXPECT_LE(offset0.zdccUpper, offset1.zdccUpper);
    EXPECT_EQ(offset0.zdccLower, offset1.zdccLower);
    EXPECT_EQ(offset0.zdccOneSidedUpper, offset1.zdccOneSidedUpper);
    EXPECT_EQ(offset0.percentMoreExtreme, offset1.percentMoreExtreme);
}

TEST(BayesDifference, LargeControlSampleApproachesNormalTheory)
{
    // With 5000 controls the posterior is narrow: the probability is close
    // to that of the standardized difference itself.
    const distrib::tNormal_distribution normal(0, 1);
    for (long double caseY : {45.0L, 60.0L, 40.0L}) {
        const BayesDifferenceInputs in = Worksheet(5000, 100, 15, 50, 10, 0.6L, 70, caseY);
        const BayesDifferenceResult result = RunEngine(in, 50000);
        const long double expected = 100 * normal.Cumulative(-std::fabs(result.zdcc));
        EXPECT_NEAR(result.percentMoreExtreme, expected, 0.05L + 0.01L * expected) << caseY;
        EXPECT_NEAR(result.zdccLower, result.zdcc, 0.1L);
        EXPECT_NEAR(result.zdccUpper, result.zdcc, 0.1L);
    }
}

TEST(BayesDifference, ResultsDoNotDependOnUnitsOfEitherTask)
{
    const BayesDifferenceInputs bases[] = {
        Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45),
        Worksheet(3, 10, 2, 12, 3, 0.3L, 4, 11),
        Worksheet(12, 50, 8, 60, 9, -0.4L, 70, 40),
        Worksheet(40, 0.5L, 0.1L, 1.5L, 0.2L, 0.9L, 0.2L, 1.6L),
    };
    for (const BayesDifferenceInputs& base : bases) {
        const BayesDifferenceResult reference = RunEngine(base);
        for (long double factor : {1e-4L, 1e4L})
            for (bool onX : {true, false}) {
                BayesDifferenceInputs scaled = base;
                long double& mean = onX ? scaled.meanX : scaled.meanY;
                long double& sd = onX ? scaled.sdX : scaled.sdY;
                long double& score = onX ? scaled.caseX : scaled.caseY;
                mean *= factor;
                sd *= factor;
                score *= factor;
                const BayesDifferenceResult result = RunEngine(scaled);
                for (const ResultField& field : ResultFields) {
                    const long double expected = reference.*field.member;
                    EXPECT_NEAR(result.*field.member, expected, 1e-9L * std::fabs(expected))
                        << field.name << " n " << base.n << " factor " << static_cast<double>(factor)
                        << (onX ? " on X" : " on Y");
                }
            }
    }
}

TEST(BayesDifference, SamplingDoneIsSignalledOnceOnTheCallingThread)
{
    BayesDifferenceRunOptions options;
    options.sampleCount = ReducedCount;
    int calls = 0;
    std::thread::id caller;
    options.onSamplingDone = [&] {
        ++calls;
        caller = std::this_thread::get_id();
    };
    RunBayesDifference(Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45), options);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(caller, std::this_thread::get_id());
}

TEST(BayesDifference, ErrorOfAnySampleReachesTheCaller)
{
    // A case so far out that a sampled statistic exceeds the range of the
    // normal cumulative probability.
    const BayesDifferenceInputs in = Worksheet(25, 100, 1, 50, 1, 0.6L, 2e6L, 50);
    for (bool withHelperThread : {true, false})
        EXPECT_THROW(RunEngine(in, ReducedCount, withHelperThread), distrib::EArgumentError);
    // The engine is usable afterwards.
    const BayesDifferenceInputs fine = Worksheet(25, 100, 15, 50, 10, 0.6L, 70, 45);
    ExpectBitIdentical(RunEngine(fine), TranscribeRun(fine, ReducedCount).result);
}

}  // namespace
}  // namespace engines
