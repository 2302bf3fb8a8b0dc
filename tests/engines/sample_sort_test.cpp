#include "engines/sample_sort.h"

#include <cstring>
#include <random>

#include <gtest/gtest.h>

namespace engines {
namespace {

struct SortCase {
    const char* name;
    int count;
    bool ordered;  // ascending input instead of random
    int distinct;  // values drawn from this many, or 0 for continuous
    bool negativeZerosOnly = false;  // every zero drawn with its sign bit set
};

void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }

class SortSamplesLikeQuickSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortSamplesLikeQuickSort, SameArrayWithAndWithoutHelper)
{
    const SortCase& c = GetParam();
    std::mt19937_64 generator(42);
    std::normal_distribution<double> normal;
    SampleArray plain, shared, sequential;
    for (int i = 1; i <= c.count; ++i) {
        double value = c.ordered ? i * 0.25 : normal(generator);
        if (c.distinct > 0) value = (generator() % c.distinct == 0) ? -0.0 : static_cast<double>(generator() % c.distinct) - 1;
        if (c.negativeZerosOnly && value == 0) value = -0.0;
        plain(i) = shared(i) = sequential(i) = value;
    }
    QuickSortDoubles(1, c.count, plain);
    SortSamples(shared, c.count, true);
    SortSamples(sequential, c.count, false);
    EXPECT_EQ(std::memcmp(&plain(1), &shared(1), sizeof(double) * c.count), 0);
    EXPECT_EQ(std::memcmp(&plain(1), &sequential(1), sizeof(double) * c.count), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortSamplesLikeQuickSort,
    ::testing::Values(SortCase{"Million", 1000000, false, 0}, SortCase{"Small", 5, false, 0},
                      SortCase{"Two", 2, false, 0}, SortCase{"One", 1, false, 0},
                      SortCase{"Ordered", 3000, true, 0},
                      SortCase{"SignedZerosAndOne", 100000, false, 3},
                      SortCase{"NegativeZerosAndOne", 100000, false, 3, true},
                      SortCase{"FewDistinct", 100000, false, 7, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engines
