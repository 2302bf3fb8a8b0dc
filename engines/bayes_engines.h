// Bayesian inference on the difference between a case's scores on two tasks,
// by Monte Carlo sampling from the posterior of the control population's
// means and covariance matrix given the control sample's summary statistics.
#pragma once

#include <functional>

namespace engines {

enum class DifferenceStatistic {
    Standardized,    // the sampled population's Z-DCC of the case
    Unstandardized,  // the raw difference over the sampled SD of differences
};

inline constexpr int MonteCarloSampleCount = 1000000;

struct BayesDifferenceResult {
    long double pOneTailed = 0;
    long double pTwoTailed = 0;
    // Percentage of controls with a more extreme difference in the case's
    // direction (0 to 50), with two-sided and one-sided 95% limits.
    long double percentMoreExtreme = 0;
    long double percentLower = 0;
    long double percentUpper = 0;
    long double percentOneSidedLower = 0;
    long double percentOneSidedUpper = 0;
    // Z-DCC from the sample statistics, and 95% credible limits on the
    // sampled statistic (never reflected).
    long double zdcc = 0;
    long double zdccLower = 0;
    long double zdccUpper = 0;
    long double zdccOneSidedLower = 0;
    long double zdccOneSidedUpper = 0;
};

// One whole run of MonteCarloSampleCount samples from the fixed seeds.
// upperIndexOffset moves the two-sided upper limit that many order
// statistics up. onSamplingDone, when given, is called on the calling thread
// as soon as the last sample is drawn, before the sort and the limits.
BayesDifferenceResult BayesDifferenceEngine(int n, long double meanX, long double sdX,
                                            long double meanY, long double sdY, long double r,
                                            long double caseX, long double caseY,
                                            DifferenceStatistic statistic, int upperIndexOffset,
                                            const std::function<void()>& onSamplingDone = {});

}  // namespace engines
