#pragma once

#include <optional>

namespace engines {

// Interval limits that follow from a noncentrality limit; a limit that is
// not computable (empty) stays so.

// The effect size delta / sqrt(n), with rootN = sqrt(n).
std::optional<long double> EffectSizeLimit(std::optional<long double> delta, long double rootN);

// The percentage of the population below the effect size z: 100 NormalCumulative(z).
std::optional<long double> PercentBelowLimit(std::optional<long double> z);

}  // namespace engines
