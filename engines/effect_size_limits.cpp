#include "engines/effect_size_limits.h"

#include "engines/normal_cumulative.h"

namespace engines {

std::optional<long double> EffectSizeLimit(std::optional<long double> delta, long double rootN)
{
    if (!delta)
        return std::nullopt;
    return *delta / rootN;
}

std::optional<long double> PercentBelowLimit(std::optional<long double> z)
{
    if (!z)
        return std::nullopt;
    return 100.0L * NormalCumulative(static_cast<double>(*z));
}

}  // namespace engines
