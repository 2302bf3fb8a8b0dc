// Sorts the Monte Carlo samples with the quicksort of matrix_handling, the
// calling thread and, when asked, a helper thread sharing the work. The top
// partitions are made first and the pieces then sorted independently, so the
// result is the array that QuickSortDoubles(1, count) alone leaves.
#pragma once

#include "engines/matrix_handling.h"

namespace engines {

void SortSamples(SampleArray& samples, int count, bool withHelperThread);

}  // namespace engines
