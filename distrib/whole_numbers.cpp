// Whether an extended real is a whole number.
#include <cmath>

#include "distrib/kernels.h"

namespace distrib {

bool Is_whole_number(Extended x)
{
    if (std::fabs(x) >= Big_limit) return false;
    // nearbyint rounds to nearest with ties to even in the default mode.
    return Nearly_equal(x, std::nearbyint(x));
}

}  // namespace distrib
