// The Monte Carlo run behind BayesDifferenceEngine, with the settings that
// the engine fixes open for tests and measurements: the number of samples and
// whether a second thread shares the deterministic work. Neither changes what
// a sample or the sum of probabilities comes to.
#pragma once

#include <functional>

#include "engines/bayes_engines.h"

namespace engines {

struct BayesDifferenceInputs {
    int n = 0;
    long double meanX = 0, sdX = 0;
    long double meanY = 0, sdY = 0;
    long double r = 0;
    long double caseX = 0, caseY = 0;
    DifferenceStatistic statistic = DifferenceStatistic::Standardized;
    int upperIndexOffset = 0;
};

struct BayesDifferenceRunOptions {
    // From 40 (so that every order statistic exists) to MonteCarloSampleCount.
    int sampleCount = MonteCarloSampleCount;
    bool withHelperThread = true;
    std::function<void()> onSamplingDone;
};

// Position of the order statistic for quantile q among count sorted values:
// the integer nearest to count * q, ties to even.
int OrderStatisticPosition(int count, long double q);

BayesDifferenceResult RunBayesDifference(const BayesDifferenceInputs& inputs,
                                         const BayesDifferenceRunOptions& options);

}  // namespace engines
