#include "engines/difference_tests.h"

#include <cmath>

#include "engines/difference_sd.h"
#include "engines/effect_size_limits.h"
#include "engines/noncentrality_for_quantile.h"
#include "engines/student_t_cumulative.h"

namespace engines {

namespace {

// Probabilities of a statistic that is judged by its magnitude only.
void SetProbabilities(DifferenceTestResult& result)
{
    result.pOneTailed = 1 - StudentTCumulative(result.df, static_cast<double>(std::fabs(result.t)));
    result.pTwoTailed = 2 * result.pOneTailed;
    result.percentMoreExtreme = 100 * result.pOneTailed;
}

}  // namespace

DifferenceTestResult RunRSDT(long double meanX, long double sdX, long double meanY, long double sdY,
                             long double r, int n, long double caseX, long double caseY)
{
    const long double size = n;
    const long double zX = (caseX - meanX) / sdX;
    const long double zY = (caseY - meanY) / sdY;
    // psi^2 is the non-negative root of a x^2 + b x + c = 0 (a, b > 0,
    // c <= 0), taken as -2c / (b + sqrt(b^2 - 4ac)): the textbook form
    // (sqrt(b^2 - 4ac) - b) / 2a cancels away when 4ac is small against b^2,
    // (r = -.9999, n = 999999 and zX - zY = -8 give 3.45 instead of 4.00).
    const long double a = (1 - r * r) * (1 + r);
    const long double b = (1 - r) * (4 * (size - 1) * (size - 1) + 4 * (1 + r) * (size - 1) + (1 + r) * (5 + r));
    const long double c = -2 * (zX - zY) * (zX - zY) * size * (size - 1) * (size - 1) / (size + 1);

    DifferenceTestResult result;
    result.t = std::sqrt(-2 * c / (b + std::sqrt(b * b - 4 * a * c)));
    result.df = n - 1;
    SetProbabilities(result);
    return result;
}

DifferenceTestResult RunUSDT(long double meanX, long double sdX, long double meanY, long double sdY,
                             long double r, int n, long double caseX, long double caseY)
{
    const long double size = n;
    const long double d = (caseX - meanX) - (caseY - meanY);
    const long double se = std::sqrt((sdX * sdX + sdY * sdY - 2 * sdX * sdY * r) * (size + 1) / size);

    DifferenceTestResult result;
    result.t = d / se;
    result.df = n - 1;
    SetProbabilities(result);

    // The interval uses the plain effect size, mirrored to the lower tail.
    const long double rootN = std::sqrt(size);
    const long double t0 = -rootN * (std::fabs(d) / DifferenceSD(sdX, sdY, r));
    result.percentLower = PercentBelowLimit(EffectSizeLimit(NoncentralityForQuantile(0.975L, t0, n - 1), rootN));
    result.percentUpper = PercentBelowLimit(EffectSizeLimit(NoncentralityForQuantile(0.025L, t0, n - 1), rootN));
    return result;
}

}  // namespace engines
