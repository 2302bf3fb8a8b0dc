// Whole million-sample runs against recorded results, exact to the last bit.
// The transcription test shares the distribution code with the engine, so
// only fixed reference values catch a change of rounding inside it (the
// variate generators, the incomplete gamma function, the uniform source).
#include "engines/bayes_engines.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "engines/bayes_difference_run.h"
#include "tests/engines/bayes_difference_transcription.h"

namespace engines {
namespace {

struct GoldenRun {
    const char* name;
    BayesDifferenceInputs inputs;
    BayesDifferenceResult expected;
};

void PrintTo(const GoldenRun& run, std::ostream* out) { *out << run.name; }

// Reference values, written as hexadecimal literals so that every bit of the
// extended significand is fixed. Fields in the order of BayesDifferenceResult.
const GoldenRun GoldenRuns[] = {
    {"BenchmarkStandardized",
     {25, 100, 15, 50, 10, 0.6L, 70, 45, DifferenceStatistic::Standardized, 0},
     {0xe.9726e4f374fb1f7p-8L, 0xe.9726e4f374fb1f7p-7L, 0xb.661662de3364309p-1L,
      0xa.d3d15d0f68108a4p-4L, 0x8.7bfa30785ec30ep+1L, 0xf.655b41c65530bc4p-4L,
      0xe.43a5781fae416f9p+0L, -0xd.6a99b4b1f77dd11p-3L, -0x9.e0a86f2347dep-2L,
      -0xf.4959cf0a8439p-4L, -0x9.5cee4d57d9d78p-2L, -0x8.8c558a89eb88p-3L}},
    {"BenchmarkUnstandardizedOffsetOne",
     {25, 100, 15, 50, 10, 0.6L, 70, 45, DifferenceStatistic::Unstandardized, 1},
     {0xd.8c2173c36afc131p-9L, 0xd.8c2173c36afc131p-8L, 0xa.957a2270ab94eeep-2L,
      0x8.ed51fff449395p-5L, 0x8.9655c99df3eabc8p+0L, 0xc.c556794876ee2b8p-5L,
      0xe.0fdc1b418978ac5p-1L, -0xd.6a99b4b1f77dd11p-3L, -0xb.160b508cd3ed8p-2L,
      -0xa.eed5a7c029f78p-3L, -0xa.9c81f46bcdbcp-2L, -0xb.c9b406b4a17f8p-3L}},
    // Three controls, negative correlation, a case far above on X: the
    // percentage is complemented.
    {"ThreeControlsStandardizedOffsetOne",
     {3, 50, 8, 40, 12, -0.3L, 70, 35, DifferenceStatistic::Standardized, 1},
     {0xd.d40919f338b3b8fp-7L, 0xd.d40919f338b3b8fp-6L, 0xa.cda71c46044c688p+0L,
      0x8.8e263ce6cbcp-14L, 0xd.c686121e51c519dp+2L, 0x8.8b55c4e3b33p-11L,
      0xb.299d6665d7be425p+2L, 0xe.78810aeeae37a5dp-3L, -0x8.350963af83a58p-6L,
      0x8.d0c8d5c117e18p-1L, 0x8.9bb388975c6ep-6L, 0xf.bcb89d199caa8p-2L}},
    {"ThreeControlsUnstandardized",
     {3, 50, 8, 40, 12, -0.3L, 70, 35, DifferenceStatistic::Unstandardized, 0},
     {0xa.19ff96ac269f424p-6L, 0xa.19ff96ac269f424p-5L, 0xf.c89f5b6cfc58d78p+0L,
      0xd.239954900b448p-8L, 0xf.72d20f910ac1d54p+2L, 0xa.344c4cf1d055ep-6L,
      0xd.1d49454bfcd6088p+2L, 0xe.78810aeeae37a5dp-3L, -0x9.9a3aa72eaadf8p-5L,
      0xd.21f5c50b7e148p-2L, -0xf.c7c26ef80dc28p-8L, 0xb.cbb250000375p-2L}},
};

class GoldenRunTest : public testing::TestWithParam<GoldenRun> {};

#define EXPECT_FIELD_BITS(field)                                                         \
    EXPECT_TRUE(transcription::BitIdentical(actual.field, expected.field))              \
        << #field << ": " << std::hexfloat << actual.field << " instead of " << expected.field

TEST_P(GoldenRunTest, EveryFieldToTheLastBit)
{
    const BayesDifferenceInputs& in = GetParam().inputs;
    const BayesDifferenceResult actual =
        BayesDifferenceEngine(in.n, in.meanX, in.sdX, in.meanY, in.sdY, in.r, in.caseX, in.caseY,
                              in.statistic, in.upperIndexOffset);
    const BayesDifferenceResult& expected = GetParam().expected;
    EXPECT_FIELD_BITS(pOneTailed);
    EXPECT_FIELD_BITS(pTwoTailed);
    EXPECT_FIELD_BITS(percentMoreExtreme);
    EXPECT_FIELD_BITS(percentLower);
    EXPECT_FIELD_BITS(percentUpper);
    EXPECT_FIELD_BITS(percentOneSidedLower);
    EXPECT_FIELD_BITS(percentOneSidedUpper);
    EXPECT_FIELD_BITS(zdcc);
    EXPECT_FIELD_BITS(zdccLower);
    EXPECT_FIELD_BITS(zdccUpper);
    EXPECT_FIELD_BITS(zdccOneSidedLower);
    EXPECT_FIELD_BITS(zdccOneSidedUpper);
}

INSTANTIATE_TEST_SUITE_P(Worksheets, GoldenRunTest, testing::ValuesIn(GoldenRuns),
                         [](const testing::TestParamInfo<GoldenRun>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace engines
