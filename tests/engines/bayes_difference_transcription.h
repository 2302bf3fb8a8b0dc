// A plain transcription of the Monte Carlo run: one thread, the 20 x 20
// toolkit matrices, every operation in the order the algorithm states it.
// The engine's results must agree with it to the last bit.
#pragma once

#include <cmath>
#include <cstring>
#include <memory>

#include "distrib/chi_square_distribution.h"
#include "distrib/kernels.h"
#include "distrib/normal_distribution.h"
#include "engines/bayes_difference_run.h"
#include "engines/matrix_handling.h"

namespace engines::transcription {

struct TranscribedRun {
    BayesDifferenceResult result;
    std::unique_ptr<SampleArray> sorted = std::make_unique<SampleArray>();
};

inline TranscribedRun TranscribeRun(const BayesDifferenceInputs& in, int count)
{
    using distrib::tChi_square_distribution;
    using distrib::tNormal_distribution;
    TranscribedRun run;

    distrib::Seed_1 = 897183450;
    distrib::Seed_2 = 1841323562;
    const auto chiN = std::make_unique<tChi_square_distribution>(in.n);
    const auto chiNMinus1 = std::make_unique<tChi_square_distribution>(in.n - 1);
    const auto normal = std::make_unique<tNormal_distribution>(0, 1);

    SmallMatrix a, b, l, lt;
    for (SmallMatrix* m : {&a, &b, &l, &lt}) ZeroMatrix(*m);
    a(1, 1) = in.sdX * in.sdX * (in.n - 1);
    a(1, 2) = in.sdX * in.sdY * in.r * (in.n - 1);
    a(2, 1) = in.sdX * in.sdY * in.r * (in.n - 1);
    a(2, 2) = in.sdY * in.sdY * (in.n - 1);
    InvertMatrix(a, 2, b);
    Cholesky2x2(b, l);
    TransposeMatrix(l, 2, lt);
    const long double rootN = std::sqrt(static_cast<long double>(in.n));

    SmallMatrix m, mt, p, q, w, sigma, t;
    for (SmallMatrix* x : {&m, &mt, &p, &q, &w, &sigma, &t}) ZeroMatrix(*x);
    long double sum = 0;
    SampleArray& samples = *run.sorted;
    for (int i = 1; i <= count; ++i) {
        const long double u1 = chiN->Random_value();
        const long double u2 = chiNMinus1->Random_value();
        const long double v = normal->Random_value();
        m(1, 1) = std::sqrt(u1);
        m(1, 2) = v;
        m(2, 1) = 0;
        m(2, 2) = std::sqrt(u2);
        TransposeMatrix(m, 2, mt);
        MultiplyMatrix(mt, m, 2, p);
        MultiplyMatrix(l, p, 2, q);
        MultiplyMatrix(q, lt, 2, w);
        InvertMatrix(w, 2, sigma);
        Cholesky2x2(sigma, t);
        const long double z1 = normal->Random_value();
        const long double z2 = normal->Random_value();
        const long double muX = in.meanX + t(1, 1) * z1 / rootN;
        const long double muY = in.meanY + (t(2, 1) * z1 + t(2, 2) * z2) / rootN;
        long double z;
        if (in.statistic == DifferenceStatistic::Standardized) {
            const long double zX = (in.caseX - muX) / std::sqrt(sigma(1, 1));
            const long double zY = (in.caseY - muY) / std::sqrt(sigma(2, 2));
            const long double rho = sigma(1, 2) / std::sqrt(sigma(1, 1) * sigma(2, 2));
            z = (zX - zY) / std::sqrt(2 - 2 * rho);
        } else {
            z = ((in.caseX - muX) - (in.caseY - muY)) /
                std::sqrt(sigma(1, 1) + sigma(2, 2) - 2 * sigma(1, 2));
        }
        sum += normal->Cumulative(z);
        samples(i) = static_cast<double>(z);
    }

    BayesDifferenceResult& result = run.result;
    long double percent = 100 * sum / count;
    const bool complemented = percent > 50;
    if (complemented) percent = 100 - percent;
    result.percentMoreExtreme = percent;
    result.pOneTailed = percent / 100;
    result.pTwoTailed = percent / 50;

    QuickSortDoubles(1, count, samples);
    auto at = [&](long double quantile) { return static_cast<int>(std::nearbyint(count * quantile)); };
    result.zdccLower = samples(at(0.025L));
    result.zdccUpper = samples(at(0.975L) + in.upperIndexOffset);
    result.zdccOneSidedLower = samples(at(0.05L));
    result.zdccOneSidedUpper = samples(at(0.95L));
    result.percentLower = 100 * normal->Cumulative(result.zdccLower);
    result.percentUpper = 100 * normal->Cumulative(result.zdccUpper);
    result.percentOneSidedLower = 100 * normal->Cumulative(result.zdccOneSidedLower);
    result.percentOneSidedUpper = 100 * normal->Cumulative(result.zdccOneSidedUpper);
    if (complemented) {
        const long double lower = result.percentLower;
        const long double oneSidedLower = result.percentOneSidedLower;
        result.percentLower = 100 - result.percentUpper;
        result.percentUpper = 100 - lower;
        result.percentOneSidedLower = 100 - result.percentOneSidedUpper;
        result.percentOneSidedUpper = 100 - oneSidedLower;
    }
    const long double zX = (in.caseX - in.meanX) / in.sdX;
    const long double zY = (in.caseY - in.meanY) / in.sdY;
    result.zdcc = (zX - zY) / std::sqrt(2 - 2 * in.r);
    return run;
}

// Field-by-field identity, NaN and signed zero included.
inline bool BitIdentical(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

}  // namespace engines::transcription
