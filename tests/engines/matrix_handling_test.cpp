#include "engines/matrix_handling.h"

#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "distrib/kernels.h"

namespace engines {
namespace {

using Entries2 = long double[2][2];

// A matrix whose every entry is marked, so that writes outside the block show.
SmallMatrix Marked(long double mark)
{
    SmallMatrix m;
    for (auto& row : m.entries)
        for (auto& entry : row) entry = mark;
    return m;
}

void SetBlock(SmallMatrix& m, const Entries2& values)
{
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) m(i, j) = values[i - 1][j - 1];
}

SmallMatrix Block2(const Entries2& values)
{
    SmallMatrix m = Marked(99);
    SetBlock(m, values);
    return m;
}

bool SameEntries(const SmallMatrix& a, const SmallMatrix& b)
{
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j)
            if (a(i, j) != b(i, j)) return false;
    return true;
}

bool OutsideBlockIs(const SmallMatrix& m, int n, long double mark)
{
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j)
            if ((i > n || j > n) && m(i, j) != mark) return false;
    return true;
}

// The 2 x 2 block holds exactly `expected`.
void ExpectBlock(const SmallMatrix& m, const Entries2& expected)
{
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(m(i, j), expected[i - 1][j - 1]) << i << "," << j;
}

TEST(ZeroMatrix, ClearsAllEntries)
{
    SmallMatrix m = Marked(7);
    ZeroMatrix(m);
    EXPECT_TRUE(OutsideBlockIs(m, 0, 0));
}

TEST(MultiplyMatrix, ProductOnBlockLeavesTheRest)
{
    const SmallMatrix a = Block2({{1, 2}, {3, 4}});
    const SmallMatrix b = Block2({{5, 6}, {7, 8}});
    SmallMatrix c = Marked(-1);
    MultiplyMatrix(a, b, 2, c);
    ExpectBlock(c, {{19, 22}, {43, 50}});
    EXPECT_TRUE(OutsideBlockIs(c, 2, -1));
}

TEST(MultiplyMatrix, ThreeByThreeSumsInIncreasingK)
{
    SmallMatrix a = Marked(0), b = Marked(0), c = Marked(-1);
    // Row of a times column of b: 1e20 + 1 - 1e20 is 0 when summed in order
    // k = 1, 2, 3 in extended precision (1 is lost against 1e20).
    a(1, 1) = 1e20L;
    a(1, 2) = 1;
    a(1, 3) = -1e20L;
    b(1, 1) = 1;
    b(2, 1) = 1;
    b(3, 1) = 1;
    MultiplyMatrix(a, b, 3, c);
    EXPECT_EQ(c(1, 1), 0);
    EXPECT_TRUE(OutsideBlockIs(c, 3, -1));
}

TEST(MultiplyMatrix, NothingHappensForNonPositiveOrder)
{
    const SmallMatrix a = Block2({{1, 2}, {3, 4}});
    for (int n : {0, -3}) {
        SmallMatrix c = Marked(-1);
        MultiplyMatrix(a, a, n, c);
        EXPECT_TRUE(OutsideBlockIs(c, 0, -1)) << n;
    }
}

TEST(MultiplyMatrix, OutputMayBeEitherInput)
{
    const SmallMatrix a = Block2({{1.5L, -2}, {0.25L, 3}});
    const SmallMatrix b = Block2({{-4, 0.5L}, {2, 1.125L}});
    SmallMatrix separate = Marked(99);
    MultiplyMatrix(a, b, 2, separate);

    SmallMatrix intoA = a;
    MultiplyMatrix(intoA, b, 2, intoA);
    EXPECT_TRUE(SameEntries(intoA, separate));

    SmallMatrix intoB = b;
    MultiplyMatrix(a, intoB, 2, intoB);
    EXPECT_TRUE(SameEntries(intoB, separate));

    SmallMatrix square = a, squareSeparate = Marked(99);
    MultiplyMatrix(a, a, 2, squareSeparate);
    MultiplyMatrix(square, square, 2, square);
    EXPECT_TRUE(SameEntries(square, squareSeparate));
}

TEST(TransposeMatrix, SeparateAndInPlace)
{
    const SmallMatrix a = Block2({{1, 2}, {3, 4}});
    SmallMatrix t = Marked(-1);
    TransposeMatrix(a, 2, t);
    ExpectBlock(t, {{1, 3}, {2, 4}});
    EXPECT_TRUE(OutsideBlockIs(t, 2, -1));

    SmallMatrix inPlace = a;
    TransposeMatrix(inPlace, 2, inPlace);
    EXPECT_TRUE(SameEntries(inPlace, Block2({{1, 3}, {2, 4}})));
}

struct InversionCase {
    const char* name;
    Entries2 a;
    Entries2 expected;
};

void PrintTo(const InversionCase& c, std::ostream* os) { *os << c.name; }

class InvertMatrix2x2 : public ::testing::TestWithParam<InversionCase> {};

TEST_P(InvertMatrix2x2, InverseOnBlockAndZerosElsewhere)
{
    const InversionCase& c = GetParam();
    SmallMatrix r = Marked(5);
    InvertMatrix(Block2(c.a), 2, r);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) {
            const long double expected = c.expected[i - 1][j - 1];
            EXPECT_NEAR(r(i, j), expected, 1e-15L * std::max(1.0L, std::fabs(expected)))
                << i << "," << j;
        }
    EXPECT_TRUE(OutsideBlockIs(r, 2, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvertMatrix2x2,
    ::testing::Values(
        InversionCase{"Diagonal", {{2, 0}, {0, 4}}, {{0.5L, 0}, {0, 0.25L}}},
        InversionCase{"General", {{4, 7}, {2, 6}}, {{0.6L, -0.7L}, {-0.2L, 0.4L}}},
        InversionCase{"ZeroCornerSwapsRows", {{0, 1}, {1, 0}}, {{0, 1}, {1, 0}}},
        InversionCase{"TinyCornerSwapsRows", {{1e-12L, 2}, {4, 3}},
                      {{-3 / (8 - 3e-12L), 2 / (8 - 3e-12L)},
                       {4 / (8 - 3e-12L), -1e-12L / (8 - 3e-12L)}}},
        // Data in very large units: every entry lies below the absolute
        // threshold, and the inversion still succeeds.
        InversionCase{"AllEntriesBelowThreshold", {{4e-12L, 1e-12L}, {1e-12L, 2e-12L}},
                      {{2e12L / 7, -1e12L / 7}, {-1e12L / 7, 4e12L / 7}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A corner below the threshold with a qualifying entry under it takes the
// row swap, which rounds differently from eliminating without one.
TEST(InvertMatrix, TinyCornerTakesTheRowBelowAsPivot)
{
    const long double corner = 3e-11L;
    SmallMatrix r;
    InvertMatrix(Block2({{corner, 1}, {1, 1}}), 2, r);

    // The same elimination written out with rows 1 and 2 exchanged.
    long double w[2][2] = {{1, 1}, {corner, 1}};
    long double e[2][2] = {{0, 1}, {1, 0}};
    long double f = 1 / w[0][0];
    for (int c = 0; c < 2; ++c) w[0][c] *= f, e[0][c] *= f;
    long double g = -w[1][0];
    for (int c = 0; c < 2; ++c) w[1][c] += g * w[0][c], e[1][c] += g * e[0][c];
    f = 1 / w[1][1];
    for (int c = 0; c < 2; ++c) w[1][c] *= f, e[1][c] *= f;
    g = -w[0][1];
    for (int c = 0; c < 2; ++c) w[0][c] += g * w[1][c], e[0][c] += g * e[1][c];

    ExpectBlock(r, e);
}

TEST(InvertMatrix, ZeroColumnStopsWithPartlyReducedResult)
{
    // Column 2 becomes zero below the diagonal after the first step.
    SmallMatrix r = Marked(5);
    InvertMatrix(Block2({{2, 4}, {1, 2}}), 2, r);
    // After column 1: row 1 scaled by 1/2, then row 2 minus row 1.
    ExpectBlock(r, {{0.5L, 0}, {-0.5L, 1}});
    EXPECT_TRUE(OutsideBlockIs(r, 2, 0));

    SmallMatrix first = Marked(5);
    InvertMatrix(Block2({{0, 1}, {0, 3}}), 2, first);
    ExpectBlock(first, {{1, 0}, {0, 1}});
    EXPECT_TRUE(OutsideBlockIs(first, 2, 0));
}

TEST(InvertMatrix, ThreeByThreeAndAliasedOutput)
{
    SmallMatrix a = Marked(0);
    const long double values[3][3] = {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) a(i, j) = values[i - 1][j - 1];
    SmallMatrix separate;
    InvertMatrix(a, 3, separate);
    const long double expected[3][3] = {{0.75L, 0.5L, 0.25L}, {0.5L, 1, 0.5L}, {0.25L, 0.5L, 0.75L}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_NEAR(separate(i, j), expected[i - 1][j - 1], 1e-18L) << i << "," << j;

    SmallMatrix inPlace = a;
    InvertMatrix(inPlace, 3, inPlace);
    EXPECT_TRUE(SameEntries(inPlace, separate));
}

TEST(InvertMatrix, ResultDoesNotDependOnUnits)
{
    // The same covariance in other units: the inverse scales by the inverse
    // factor squared, also where pivots fall below the absolute threshold.
    const Entries2 base = {{225, 90}, {90, 100}};
    SmallMatrix reference;
    InvertMatrix(Block2(base), 2, reference);
    for (long double factor : {1e-6L, 1e-9L, 1e6L}) {
        const long double f2 = factor * factor;
        SmallMatrix r;
        InvertMatrix(Block2({{base[0][0] * f2, base[0][1] * f2}, {base[1][0] * f2, base[1][1] * f2}}),
                     2, r);
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j)
                EXPECT_NEAR(r(i, j) * f2 / reference(i, j), 1, 1e-15L) << factor;
    }
}

TEST(Cholesky2x2, FactorReproducesMatrixAndWritesOnlyTheBlock)
{
    const SmallMatrix a = Block2({{4, 2}, {2, 10}});
    SmallMatrix l = Marked(-1);
    Cholesky2x2(a, l);
    ExpectBlock(l, {{2, 0}, {1, 3}});
    EXPECT_TRUE(OutsideBlockIs(l, 2, -1));

    // Only A(1,1), A(2,1) and A(2,2) are read.
    SmallMatrix odd = a;
    odd(1, 2) = 1e30L;
    SmallMatrix fromOdd;
    Cholesky2x2(odd, fromOdd);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(fromOdd(i, j), l(i, j));

    SmallMatrix inPlace = a;
    Cholesky2x2(inPlace, inPlace);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(inPlace(i, j), l(i, j));
}

TEST(Cholesky2x2, NotPositiveDefiniteIsAnInvalidOperation)
{
    SmallMatrix l;
    EXPECT_THROW(Cholesky2x2(Block2({{1, 2}, {2, 1}}), l), distrib::EArithmeticError);
    EXPECT_THROW(Cholesky2x2(Block2({{-1, 0}, {0, 1}}), l), distrib::EArithmeticError);
}

struct SortCase {
    const char* name;
    std::vector<double> values;
};

void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }

class QuickSortSmall : public ::testing::TestWithParam<SortCase> {};

TEST_P(QuickSortSmall, SortsAscendingWithinRangeOnly)
{
    const std::vector<double>& values = GetParam().values;
    SampleArray array;
    const int lo = 5;
    const int hi = lo + static_cast<int>(values.size()) - 1;
    // Guards below lo are smaller than everything, so a scan that went
    // below lo would move them into the range.
    array(lo - 1) = -1e300;
    array(lo - 2) = -1e300;
    array(hi + 1) = 1e300;
    for (std::size_t i = 0; i < values.size(); ++i) array(lo + static_cast<int>(i)) = values[i];
    QuickSortDoubles(lo, hi, array);

    std::vector<double> expected = values;
    std::sort(expected.begin(), expected.end());
    std::vector<double> sorted;
    for (int i = lo; i <= hi; ++i) sorted.push_back(array(i));
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(array(lo - 1), -1e300);
    EXPECT_EQ(array(lo - 2), -1e300);
    EXPECT_EQ(array(hi + 1), 1e300);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuickSortSmall,
    ::testing::Values(SortCase{"One", {3}}, SortCase{"TwoInOrder", {1, 2}},
                      SortCase{"TwoReversed", {2, 1}}, SortCase{"TwoEqual", {4, 4}},
                      SortCase{"ThreeReversed", {3, 2, 1}}, SortCase{"ThreeMixed", {2, 3, 1}},
                      SortCase{"PivotSmallest", {5, 6, 7, 0}},
                      SortCase{"Sorted", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                      SortCase{"Reversed", {9, 8, 7, 6, 5, 4, 3, 2, 1}},
                      SortCase{"AllEqual", {2, 2, 2, 2, 2, 2, 2}},
                      SortCase{"NegativesAndDuplicates", {0.5, -3, 2, -3, 0.5, 7, -0.25, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickSortDoubles, NothingHappensWhenLoNotBelowHi)
{
    SampleArray array;
    array(1) = 3;
    array(2) = 1;
    QuickSortDoubles(2, 1, array);
    QuickSortDoubles(1, 1, array);
    EXPECT_EQ(array(1), 3);
    EXPECT_EQ(array(2), 1);
}

TEST(QuickSortDoubles, PartitionSplitsRunsOfEqualValuesNearTheirMiddle)
{
    SampleArray array;
    for (int i = 1; i <= 9; ++i) array(i) = 1;
    EXPECT_EQ(PartitionDoubles(1, 9, array), 5);
}

enum class Shape { Random, Sorted, Reversed, Equal, FewDistinct, OrganPipe };

std::vector<double> ValuesOfShape(Shape shape, int count)
{
    std::mt19937_64 generator(20261211);
    std::normal_distribution<double> normal;
    std::vector<double> values(count);
    for (int i = 0; i < count; ++i) {
        switch (shape) {
        case Shape::Random: values[i] = normal(generator); break;
        case Shape::Sorted: values[i] = i * 0.5; break;
        case Shape::Reversed: values[i] = -i * 0.5; break;
        case Shape::Equal: values[i] = 1.25; break;
        case Shape::FewDistinct: values[i] = static_cast<double>(generator() % 3); break;
        case Shape::OrganPipe: values[i] = std::min(i, count - i); break;
        }
    }
    return values;
}

void ExpectSortedLikeStandardSort(Shape shape, int count)
{
    std::vector<double> values = ValuesOfShape(shape, count);
    SampleArray array;
    for (int i = 0; i < count; ++i) array(i + 1) = values[i];
    QuickSortDoubles(1, count, array);
    std::sort(values.begin(), values.end());
    for (int i = 0; i < count; ++i) ASSERT_EQ(array(i + 1), values[i]) << i + 1;
}

class QuickSortMillion : public ::testing::TestWithParam<Shape> {};

TEST_P(QuickSortMillion, SameAsStandardSort)
{
    ExpectSortedLikeStandardSort(GetParam(), SampleArrayCapacity);
}

INSTANTIATE_TEST_SUITE_P(Shapes, QuickSortMillion,
                         ::testing::Values(Shape::Random, Shape::Equal, Shape::FewDistinct));

// Runs work on a thread with a 64 KiB stack: a recursion as deep as the
// count would overflow it.
void OnSmallStack(void (*work)(Shape), Shape shape)
{
    struct Job {
        void (*work)(Shape);
        Shape shape;
    } job{work, shape};
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 64 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* argument) -> void* {
                      const Job& j = *static_cast<Job*>(argument);
                      j.work(j.shape);
                      return nullptr;
                  },
                  &job),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

// Ordered inputs make the last-element pivot split off one value per step;
// they are kept short because the time is quadratic, but long enough that a
// recursion on both sides would overflow the small stack.
class QuickSortOrderedInput : public ::testing::TestWithParam<Shape> {};

TEST_P(QuickSortOrderedInput, ShallowRecursion)
{
    OnSmallStack([](Shape shape) { ExpectSortedLikeStandardSort(shape, 20000); }, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Shapes, QuickSortOrderedInput,
                         ::testing::Values(Shape::Sorted, Shape::Reversed, Shape::OrganPipe));

}  // namespace
}  // namespace engines
