#include "engines/posterior_sample.h"

#include <cmath>

namespace engines {

PosteriorSampleSetup MakePosteriorSampleSetup(int n, long double meanX, long double sdX,
                                              long double meanY, long double sdY, long double r,
                                              long double caseX, long double caseY,
                                              DifferenceStatistic statistic)
{
    // Sums of squares and cross-products of the controls.
    Matrix2x2 sums;
    sums(1, 1) = sdX * sdX * (n - 1);
    sums(1, 2) = sdX * sdY * r * (n - 1);
    sums(2, 1) = sums(1, 2);
    sums(2, 2) = sdY * sdY * (n - 1);

    PosteriorSampleSetup setup;
    Matrix2x2 inverse;
    InvertMatrix(sums, 2, inverse);
    Cholesky2x2(inverse, setup.scaleFactor);
    TransposeMatrix(setup.scaleFactor, 2, setup.scaleFactorTransposed);
    setup.rootN = std::sqrt(static_cast<long double>(n));
    setup.meanX = meanX;
    setup.meanY = meanY;
    setup.caseX = caseX;
    setup.caseY = caseY;
    setup.statistic = statistic;
    return setup;
}

}  // namespace engines
