#pragma once

#include <functional>
#include <optional>

namespace engines {

// A bracket [lo, hi] on the noncentrality, handed to the bisection.
struct NoncentralityBracket {
    long double lo;
    long double hi;
};

// Where the observed t lies against the p-quantile of the noncentral t at
// noncentrality delta (p and df fixed): positive above it, negative below
// it, zero on it. The quantile grows with delta.
using QuantileSide = std::function<int(long double delta)>;

// Widens [-1, 1] by doubling, upward while t lies above the quantile at hi,
// otherwise downward while t lies below the quantile at lo. Empty when the
// bracket would need a noncentrality of magnitude `limit` or more.
std::optional<NoncentralityBracket> BracketNoncentrality(const QuantileSide& side, long double limit);

// Bisects the bracket down to a width below 1e-6; returns the last midpoint.
long double BisectNoncentrality(const QuantileSide& side, NoncentralityBracket bracket);

// The noncentrality delta for which the p-quantile of the noncentral t with
// df degrees of freedom equals t. Empty ("not computable") when delta lies
// beyond the range the noncentral t series supports (|delta| < 65536) or t
// is not finite.
std::optional<long double> NoncentralityForQuantile(long double p, long double t, int df);

}  // namespace engines
