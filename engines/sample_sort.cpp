#include "engines/sample_sort.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "engines/chunk_helper.h"

namespace engines {

namespace {

struct Range {
    int lo;
    int hi;
    int Size() const { return hi - lo + 1; }
};

// Enough pieces for two threads to even out their shares.
constexpr int PieceCount = 8;

// The radix sort: unsigned keys in the order of the doubles (the sign bit
// set for positives, every bit flipped for negatives), a byte at a time from
// the lowest, passes whose byte is the same in every key skipped.
constexpr int DigitBits = 8;
constexpr int DigitCount = 64 / DigitBits;
constexpr int BucketCount = 1 << DigitBits;
constexpr std::uint64_t SignBit = std::uint64_t{1} << 63;

std::uint64_t OrderedKey(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return (bits & SignBit) ? ~bits : bits | SignBit;
}

double KeyValue(std::uint64_t key)
{
    return std::bit_cast<double>((key & SignBit) ? key & ~SignBit : ~key);
}

int Digit(std::uint64_t key, int d) { return static_cast<int>(key >> (d * DigitBits)) & (BucketCount - 1); }

// Whether equal values could be told apart by their bits.
bool HasAmbiguousEqualValues(const SampleArray& samples, int count)
{
    bool positiveZero = false;
    bool negativeZero = false;
    for (int i = 1; i <= count; ++i) {
        const double value = samples(i);
        if (std::isnan(value)) return true;
        if (value == 0) (std::signbit(value) ? negativeZero : positiveZero) = true;
    }
    return positiveZero && negativeZero;
}

void RadixSort(SampleArray& samples, int count)
{
    const std::unique_ptr<std::uint64_t[]> keys(new std::uint64_t[count]);
    const std::unique_ptr<std::uint64_t[]> spare(new std::uint64_t[count]);
    std::array<std::array<int, BucketCount>, DigitCount> histograms{};
    for (int i = 0; i < count; ++i) {
        const std::uint64_t key = OrderedKey(samples(i + 1));
        keys[i] = key;
        for (int d = 0; d < DigitCount; ++d) ++histograms[d][Digit(key, d)];
    }
    std::uint64_t* from = keys.get();
    std::uint64_t* to = spare.get();
    for (int d = 0; d < DigitCount; ++d) {
        std::array<int, BucketCount>& next = histograms[d];
        if (next[Digit(from[0], d)] == count) continue;
        int start = 0;
        for (int& bucket : next) start += std::exchange(bucket, start);
        for (int i = 0; i < count; ++i) to[next[Digit(from[i], d)]++] = from[i];
        std::swap(from, to);
    }
    for (int i = 0; i < count; ++i) samples(i + 1) = KeyValue(from[i]);
}

void ParallelQuickSort(SampleArray& samples, int count, bool withHelperThread)
{
    std::array<Range, PieceCount> pieces;
    int pieceCount = 0;
    pieces[pieceCount++] = {1, count};
    // Split the largest piece until there are enough; empty sides are dropped
    // and single values are already in place.
    while (pieceCount > 0 && pieceCount + 1 <= PieceCount) {
        int largest = 0;
        for (int p = 1; p < pieceCount; ++p)
            if (pieces[p].Size() > pieces[largest].Size()) largest = p;
        const Range range = pieces[largest];
        const int middle = PartitionDoubles(range.lo, range.hi, samples);
        pieces[largest] = pieces[--pieceCount];
        for (Range side : {Range{range.lo, middle - 1}, Range{middle + 1, range.hi}})
            if (side.Size() > 1) pieces[pieceCount++] = side;
    }

    auto sortPiece = [&](int p) { QuickSortDoubles(pieces[p].lo, pieces[p].hi, samples); };
    ChunkHelper helper(sortPiece, withHelperThread);
    helper.Publish(pieceCount);
    helper.FinishChunksBelow(pieceCount);
}

}  // namespace

void SortSamples(SampleArray& samples, int count, bool withHelperThread)
{
    if (count < 2) return;
    if (HasAmbiguousEqualValues(samples, count))
        ParallelQuickSort(samples, count, withHelperThread);
    else
        RadixSort(samples, count);
}

}  // namespace engines
