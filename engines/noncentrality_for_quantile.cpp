#include "engines/noncentrality_for_quantile.h"

#include <algorithm>
#include <cmath>

#include "distrib/non_central_t_distribution.h"

namespace engines {

namespace {

constexpr long double BisectionWidth = 1e-6L;

// From this noncentrality on, t is placed against the quantile through the
// cumulative probability at t, which needs one series evaluation where the
// quantile needs a few dozen: the series grows with |delta| and a search
// through quantiles took up to a minute near the end of the range. Below
// it both ways decide alike; measured, a whole deficit test whose limits
// lie just under this bound takes about 0.3 s with quantiles, 0.03 s
// with cumulative probabilities.
constexpr long double QuantileSearchBound = 1024.0L;

int Sign(long double x)
{
    return (x > 0) - (x < 0);
}

}  // namespace

std::optional<NoncentralityBracket> BracketNoncentrality(const QuantileSide& side, long double limit)
{
    // The last doubling stops at the largest whole noncentrality the series
    // takes, so that limits between half the range and its end are found.
    const long double largest = limit - 1;
    long double lo = -1.0L;
    long double hi = 1.0L;
    while (side(hi) > 0) {
        if (hi >= largest)
            return std::nullopt;
        lo = hi;
        hi = std::min(2 * hi, largest);
    }
    if (lo < 0) {
        while (side(lo) < 0) {
            if (lo <= -largest)
                return std::nullopt;
            hi = lo;
            lo = std::max(2 * lo, -largest);
        }
    }
    return NoncentralityBracket{lo, hi};
}

long double BisectNoncentrality(const QuantileSide& side, NoncentralityBracket bracket)
{
    long double mid;
    do {
        mid = (bracket.lo + bracket.hi) / 2;
        if (side(mid) > 0)
            bracket.lo = mid;
        else
            bracket.hi = mid;
    } while (!(bracket.hi - bracket.lo < BisectionWidth));
    return mid;
}

std::optional<long double> NoncentralityForQuantile(long double p, long double t, int df)
{
    if (!std::isfinite(t))
        return std::nullopt;
    distrib::tNon_central_t_distribution noncentral_t(df, 1.0L);
    const QuantileSide side = [&](long double delta) {
        noncentral_t.Set_parameters(df, delta, 0);
        if (std::fabs(delta) < QuantileSearchBound)
            return Sign(t - noncentral_t.Quantile(p));
        // t lies above the p-quantile exactly when more than p lies below t.
        return Sign(noncentral_t.Cumulative(t) - p);
    };
    const auto bracket = BracketNoncentrality(side, distrib::tNon_central_t_distribution::Noncentrality_limit);
    if (!bracket)
        return std::nullopt;
    return BisectNoncentrality(side, *bracket);
}

}  // namespace engines
