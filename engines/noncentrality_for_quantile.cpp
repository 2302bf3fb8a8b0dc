#include "engines/noncentrality_for_quantile.h"

#include <cmath>

#include "distrib/non_central_t_distribution.h"

namespace engines {

namespace {
constexpr long double BisectionWidth = 1e-6L;
}  // namespace

std::optional<NoncentralityBracket> BracketNoncentrality(long double t, const NoncentralQuantile& q,
                                                         long double limit)
{
    if (!std::isfinite(t))
        return std::nullopt;
    long double lo = -1.0L;
    long double hi = 1.0L;
    while (t > q(hi)) {
        lo = hi;
        hi = 2 * hi;
        if (hi >= limit)
            return std::nullopt;
    }
    if (lo < 0) {
        while (t < q(lo)) {
            hi = lo;
            lo = 2 * lo;
            if (lo <= -limit)
                return std::nullopt;
        }
    }
    return NoncentralityBracket{lo, hi};
}

long double BisectNoncentrality(long double t, const NoncentralQuantile& q, NoncentralityBracket bracket)
{
    long double mid;
    do {
        mid = (bracket.lo + bracket.hi) / 2;
        if (t > q(mid))
            bracket.lo = mid;
        else
            bracket.hi = mid;
    } while (!(bracket.hi - bracket.lo < BisectionWidth));
    return mid;
}

std::optional<long double> NoncentralityForQuantile(long double p, long double t, int df)
{
    distrib::tNon_central_t_distribution noncentral_t(df, 1.0L);
    const NoncentralQuantile q = [&](long double delta) {
        noncentral_t.Set_parameters(df, delta, 0);
        return noncentral_t.Quantile(p);
    };
    const auto bracket =
        BracketNoncentrality(t, q, distrib::tNon_central_t_distribution::Noncentrality_limit);
    if (!bracket)
        return std::nullopt;
    return BisectNoncentrality(t, q, *bracket);
}

}  // namespace engines
