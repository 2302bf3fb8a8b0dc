#pragma once

namespace engines {

// Probability that a Student t variable with df >= 1 (whole) degrees of
// freedom is at most t, by the exact finite series in the angle
// arctan(t / sqrt(df)).
double StudentTCumulative(int df, double t);

}  // namespace engines
