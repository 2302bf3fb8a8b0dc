#pragma once

#include <functional>
#include <optional>

namespace engines {

// A bracket [lo, hi] on the noncentrality, handed to the bisection.
struct NoncentralityBracket {
    long double lo;
    long double hi;
};

// The p-quantile of the noncentral t at noncentrality delta (p and df fixed);
// it grows with delta.
using NoncentralQuantile = std::function<long double(long double delta)>;

// Widens [-1, 1] by doubling, upward while t lies above q(hi), otherwise
// downward while t lies below q(lo). Empty when the bracket would need a
// noncentrality of magnitude `limit` or more, or when t is not finite.
std::optional<NoncentralityBracket> BracketNoncentrality(long double t, const NoncentralQuantile& q,
                                                         long double limit);

// Bisects the bracket down to a width below 1e-6; returns the last midpoint.
long double BisectNoncentrality(long double t, const NoncentralQuantile& q, NoncentralityBracket bracket);

// The noncentrality delta for which the p-quantile of the noncentral t with
// df degrees of freedom equals t. Empty ("not computable") when delta lies
// beyond the range the noncentral t series supports (|delta| < 65536) or t
// is not finite.
std::optional<long double> NoncentralityForQuantile(long double p, long double t, int df);

}  // namespace engines
