// The deterministic part of one Monte Carlo sample: from the five variates
// drawn for it to the case's sampled difference statistic. It reads no random
// source, so samples whose variates are already drawn may be worked out on
// any thread, in any order.
#pragma once

#include "engines/bayes_engines.h"
#include "engines/matrix_handling.h"

namespace engines {

using Matrix2x2 = SquareMatrix<2>;

// The variates of one sample, in the order they are drawn.
struct PosteriorDraws {
    long double chiSquareN;           // chi-square with n degrees of freedom
    long double chiSquareNMinus1;     // chi-square with n - 1 degrees of freedom
    long double offDiagonal;          // standard normal, the triangular factor's (1,2) entry
    long double meanDeviate1;         // standard normals for the sampled means
    long double meanDeviate2;
};

// What every sample of a run shares.
struct PosteriorSampleSetup {
    Matrix2x2 scaleFactor;            // lower triangular factor of the inverse sums of products
    Matrix2x2 scaleFactorTransposed;
    long double rootN;
    long double meanX, meanY;
    long double caseX, caseY;
    DifferenceStatistic statistic;
};

PosteriorSampleSetup MakePosteriorSampleSetup(int n, long double meanX, long double sdX,
                                              long double meanY, long double sdY, long double r,
                                              long double caseX, long double caseY,
                                              DifferenceStatistic statistic);

// Draws a precision matrix from its posterior (the scale factor times the
// product of a random upper-triangular factor with its transpose), inverts
// it into a covariance matrix, draws means given that covariance, and
// returns the case's difference statistic in that sampled population.
inline long double SampledDifferenceStatistic(const PosteriorSampleSetup& setup,
                                              const PosteriorDraws& draws)
{
    Matrix2x2 m;
    m(1, 1) = distrib::Checked_sqrt(draws.chiSquareN);
    m(1, 2) = draws.offDiagonal;
    m(2, 1) = 0;
    m(2, 2) = distrib::Checked_sqrt(draws.chiSquareNMinus1);
    Matrix2x2 mTransposed, covariance, covarianceFactor;
    TransposeMatrix(m, 2, mTransposed);
    const Matrix2x2 precision = MultiplyMatrix2x2(
        MultiplyMatrix2x2(setup.scaleFactor, MultiplyMatrix2x2(mTransposed, m)),
        setup.scaleFactorTransposed);
    InvertMatrix2x2(precision, covariance);
    Cholesky2x2(covariance, covarianceFactor);

    const long double muX =
        setup.meanX + covarianceFactor(1, 1) * draws.meanDeviate1 / setup.rootN;
    const long double muY =
        setup.meanY + (covarianceFactor(2, 1) * draws.meanDeviate1 +
                       covarianceFactor(2, 2) * draws.meanDeviate2) / setup.rootN;

    using distrib::Checked_divide;
    using distrib::Checked_sqrt;
    if (setup.statistic == DifferenceStatistic::Standardized) {
        const long double zX = Checked_divide(setup.caseX - muX, Checked_sqrt(covariance(1, 1)));
        const long double zY = Checked_divide(setup.caseY - muY, Checked_sqrt(covariance(2, 2)));
        const long double rho =
            Checked_divide(covariance(1, 2), Checked_sqrt(covariance(1, 1) * covariance(2, 2)));
        return Checked_divide(zX - zY, Checked_sqrt(2 - 2 * rho));
    }
    return Checked_divide((setup.caseX - muX) - (setup.caseY - muY),
                          Checked_sqrt(covariance(1, 1) + covariance(2, 2) - 2 * covariance(1, 2)));
}

}  // namespace engines
