#pragma once

#include <optional>

namespace engines {

// Result of the revised standardized (RSDT) or the unstandardized (USDT)
// difference test. The interval on percentMoreExtreme belongs to the USDT
// only; a limit is also empty ("not computable") when its noncentrality lies
// beyond the range the noncentral t series supports.
struct DifferenceTestResult {
    long double t = 0;  // RSDT: psi, never negative; USDT: signed
    int df = 0;
    long double pTwoTailed = 0;
    long double pOneTailed = 0;
    long double percentMoreExtreme = 0;
    std::optional<long double> percentLower;
    std::optional<long double> percentUpper;
};

// Control means, SDs (> 0), correlation (-1 < r < 1), sample size n (whole,
// at least 3) and the case's two scores.
DifferenceTestResult RunRSDT(long double meanX, long double sdX, long double meanY, long double sdY,
                             long double r, int n, long double caseX, long double caseY);
DifferenceTestResult RunUSDT(long double meanX, long double sdX, long double meanY, long double sdY,
                             long double r, int n, long double caseX, long double caseY);

}  // namespace engines
