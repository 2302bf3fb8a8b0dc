#include "engines/matrix_handling.h"

#include <utility>

namespace engines {

int PartitionDoubles(int lo, int hi, SampleArray& array)
{
    const double pivot = array(hi);
    int i = lo - 1;
    int j = hi;
    do {
        // array(hi) is the pivot itself, so the upward scan stops by hi.
        do ++i;
        while (array(i) < pivot);
        do --j;
        while (j > lo && array(j) > pivot);
        if (i < j) std::swap(array(i), array(j));
    } while (i < j);
    std::swap(array(i), array(hi));
    return i;
}

void QuickSortDoubles(int lo, int hi, SampleArray& array)
{
    while (lo < hi) {
        const int middle = PartitionDoubles(lo, hi, array);
        if (middle - lo < hi - middle) {
            QuickSortDoubles(lo, middle - 1, array);
            lo = middle + 1;
        } else {
            QuickSortDoubles(middle + 1, hi, array);
            hi = middle - 1;
        }
    }
}

}  // namespace engines
