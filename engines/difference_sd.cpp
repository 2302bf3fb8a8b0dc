#include "engines/difference_sd.h"

#include <cmath>

namespace engines {

long double DifferenceSD(long double sd1, long double sd2, long double r)
{
    return std::sqrt(sd1 * sd1 + sd2 * sd2 - 2 * sd1 * sd2 * r);
}

}  // namespace engines
