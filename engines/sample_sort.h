// Sorts the Monte Carlo samples with the quicksort of matrix_handling, the
// calling thread and a ChunkHelper sharing the work. The top partitions are
// made first and the pieces then sorted independently, so the result is the
// array that QuickSortDoubles(1, count) alone leaves.
#pragma once

#include "engines/chunk_helper.h"
#include "engines/matrix_handling.h"

namespace engines {

void SortSamples(SampleArray& samples, int count, ChunkHelper& helper);

}  // namespace engines
