// Sorts the Monte Carlo samples into the array that QuickSortDoubles(1, count)
// alone leaves. Values that compare equal are the same double except for
// zeros of both signs (and NaNs, which no sample is), so any correct sort
// gives that array unless both zeros or a NaN are present: then the
// quicksort of matrix_handling runs itself, the calling thread and, when
// asked, a helper thread sharing the work. Otherwise a radix sort on the
// bit patterns does it in a few linear passes.
#pragma once

#include "engines/matrix_handling.h"

namespace engines {

void SortSamples(SampleArray& samples, int count, bool withHelperThread);

}  // namespace engines
