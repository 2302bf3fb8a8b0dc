#include "engines/sample_sort.h"

#include <array>

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

}  // namespace

void SortSamples(SampleArray& samples, int count, bool withHelperThread)
{
    std::array<Range, PieceCount> pieces;
    int pieceCount = 0;
    if (count > 1) pieces[pieceCount++] = {1, count};
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

}  // namespace engines
