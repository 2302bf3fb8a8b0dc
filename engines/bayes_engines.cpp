#include "engines/bayes_engines.h"

#include <thread>

#include "engines/bayes_difference_run.h"

namespace engines {

BayesDifferenceResult BayesDifferenceEngine(int n, long double meanX, long double sdX,
                                            long double meanY, long double sdY, long double r,
                                            long double caseX, long double caseY,
                                            DifferenceStatistic statistic, int upperIndexOffset,
                                            const std::function<void()>& onSamplingDone)
{
    BayesDifferenceRunOptions options;
    options.withHelperThread = std::thread::hardware_concurrency() != 1;
    options.onSamplingDone = onSamplingDone;
    return RunBayesDifference(
        {n, meanX, sdX, meanY, sdY, r, caseX, caseY, statistic, upperIndexOffset}, options);
}

}  // namespace engines
