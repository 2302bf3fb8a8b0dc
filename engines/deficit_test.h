#pragma once

#include <optional>

namespace engines {

// Modified t test of one case against a control sample known by its mean,
// SD and size, with intervals on the effect size Z-CC and on the percentage
// of controls below the case. An interval limit is empty ("not computable")
// when its noncentrality lies beyond the range the noncentral t series
// supports; the percentage limit then goes with it.
struct DeficitTestResult {
    long double t = 0;  // negative when the case scores below the control mean
    int df = 0;
    long double pOneTailed = 0;
    long double percentBelow = 0;
    std::optional<long double> percentBelowLower;
    std::optional<long double> percentBelowUpper;
    long double zcc = 0;
    std::optional<long double> zccLower;
    std::optional<long double> zccUpper;
};

// n is whole and at least 3, sd > 0; level is the interval's confidence in
// percent (95).
DeficitTestResult DeficitTest(long double mean, long double sd, int n, long double caseScore, int level);

}  // namespace engines
