// Whole runs of a million samples through the public entry point.
#include "engines/bayes_engines.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engines/bayes_difference_run.h"
#include "tests/engines/bayes_difference_transcription.h"
#include "tests/engines/bayes_result_checks.h"

namespace engines {
namespace {

BayesDifferenceInputs BenchmarkWorksheet(DifferenceStatistic statistic, int upperIndexOffset)
{
    return {25, 100, 15, 50, 10, 0.6L, 70, 45, statistic, upperIndexOffset};
}

BayesDifferenceResult RunEngine(const BayesDifferenceInputs& in)
{
    return BayesDifferenceEngine(in.n, in.meanX, in.sdX, in.meanY, in.sdY, in.r, in.caseX,
                                 in.caseY, in.statistic, in.upperIndexOffset);
}

// The transcribed run and the engine's run of the benchmark worksheet cost
// about a second each: made once, on first use.
const transcription::TranscribedRun& Transcribed()
{
    static const transcription::TranscribedRun run = transcription::TranscribeRun(
        BenchmarkWorksheet(DifferenceStatistic::Standardized, 0), MonteCarloSampleCount);
    return run;
}

const BayesDifferenceResult& Standardized()
{
    static const BayesDifferenceResult result =
        RunEngine(BenchmarkWorksheet(DifferenceStatistic::Standardized, 0));
    return result;
}

TEST(FullRun, AgreesWithTranscriptionToTheLastBit)
{
    ExpectBitIdentical(Standardized(), Transcribed().result);
}

TEST(FullRun, OrderStatisticsAtTheirPositions)
{
    const SampleArray& sorted = *Transcribed().sorted;
    const BayesDifferenceResult& standardized = Standardized();
    EXPECT_EQ(standardized.zdccLower, sorted(25000));
    EXPECT_EQ(standardized.zdccUpper, sorted(975000));
    EXPECT_EQ(standardized.zdccOneSidedLower, sorted(50000));
    EXPECT_EQ(standardized.zdccOneSidedUpper, sorted(950000));
}

TEST(FullRun, SecondRunIsIdentical)
{
    ExpectBitIdentical(RunEngine(BenchmarkWorksheet(DifferenceStatistic::Standardized, 0)),
                       Standardized());
}

TEST(FullRun, UpperOffsetOneTakesPosition975001)
{
    const BayesDifferenceResult offset1 =
        RunEngine(BenchmarkWorksheet(DifferenceStatistic::Standardized, 1));
    EXPECT_EQ(offset1.zdccUpper, (*Transcribed().sorted)(975001));
    EXPECT_EQ(offset1.zdccLower, Standardized().zdccLower);
    EXPECT_EQ(offset1.percentMoreExtreme, Standardized().percentMoreExtreme);
}

TEST(FullRun, CloseToReferenceValuesWithinMonteCarloError)
{
    // Reference values for this worksheet from an independent run with
    // another random stream; the tolerances are several Monte Carlo
    // standard errors.
    const BayesDifferenceResult& r = Standardized();
    EXPECT_NEAR(r.zdcc, -1.6770509831248424L, 1e-15L);
    EXPECT_NEAR(r.percentMoreExtreme, 5.6973, 0.02);
    EXPECT_NEAR(r.pOneTailed, 0.056973, 0.0002);
    EXPECT_NEAR(r.pTwoTailed, 0.113947, 0.0004);
    EXPECT_NEAR(r.zdccLower, -2.4703, 0.006);
    EXPECT_NEAR(r.zdccUpper, -0.9553, 0.006);
    EXPECT_NEAR(r.percentLower, 0.6749, 0.01);
    EXPECT_NEAR(r.percentUpper, 16.972, 0.15);
}

TEST(FullRunUnstandardized, RunsWithSamePointEstimate)
{
    const BayesDifferenceResult r =
        RunEngine(BenchmarkWorksheet(DifferenceStatistic::Unstandardized, 0));
    EXPECT_NEAR(r.zdcc, -1.6770509831248424L, 1e-15L);
    EXPECT_GT(r.percentMoreExtreme, 0);
    EXPECT_LT(r.percentMoreExtreme, 50);
    EXPECT_LT(r.zdccLower, r.zdccUpper);
}

}  // namespace
}  // namespace engines
