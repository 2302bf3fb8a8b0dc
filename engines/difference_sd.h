#pragma once

namespace engines {

// SD of a difference between two correlated scores:
// sqrt(sd1^2 + sd2^2 - 2 sd1 sd2 r).
long double DifferenceSD(long double sd1, long double sd2, long double r);

}  // namespace engines
