#include "engines/deficit_test.h"

#include <cmath>

#include "engines/effect_size_limits.h"
#include "engines/noncentrality_for_quantile.h"
#include "engines/student_t_cumulative.h"

namespace engines {

DeficitTestResult DeficitTest(long double mean, long double sd, int n, long double caseScore, int level)
{
    DeficitTestResult result;
    const long double size = n;
    result.zcc = (caseScore - mean) / sd;
    result.t = (caseScore - mean) / (sd * std::sqrt((size + 1) / size));
    result.df = n - 1;

    const long double cumulative = StudentTCumulative(result.df, static_cast<double>(std::fabs(result.t)));
    result.pOneTailed = 1 - cumulative;
    result.percentBelow = result.t >= 0 ? 100 * cumulative : 100 * (1 - cumulative);

    // The limits come from the noncentral t on sqrt(n) Z-CC, without the
    // inflation of the test statistic.
    const long double rootN = std::sqrt(size);
    const long double t0 = rootN * result.zcc;
    const long double outside = (1 - level / 100.0L) / 2;
    const auto deltaLower = NoncentralityForQuantile(level / 100.0L + outside, t0, n - 1);
    const auto deltaUpper = NoncentralityForQuantile(outside, t0, n - 1);
    result.zccLower = EffectSizeLimit(deltaLower, rootN);
    result.zccUpper = EffectSizeLimit(deltaUpper, rootN);
    result.percentBelowLower = PercentBelowLimit(result.zccLower);
    result.percentBelowUpper = PercentBelowLimit(result.zccUpper);
    return result;
}

}  // namespace engines
