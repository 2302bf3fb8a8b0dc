// One whole Monte Carlo run of the difference engine per iteration, on the
// worksheet n 25, means 100 and 50, SDs 15 and 10, r 0.6, case 70 and 45;
// and the 2 x 2 matrix work of one sample.
#include <benchmark/benchmark.h>

#include "engines/bayes_engines.h"
#include "engines/matrix_handling.h"

namespace {

using engines::DifferenceStatistic;

void WholeRun(benchmark::State& state, DifferenceStatistic statistic)
{
    for (auto _ : state) {
        const engines::BayesDifferenceResult result =
            engines::BayesDifferenceEngine(25, 100, 15, 50, 10, 0.6L, 70, 45, statistic, 0);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(WholeRun, Standardized, DifferenceStatistic::Standardized)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);
BENCHMARK_CAPTURE(WholeRun, Unstandardized, DifferenceStatistic::Unstandardized)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);

template <int Capacity>
engines::SquareMatrix<Capacity> Covariance()
{
    engines::SquareMatrix<Capacity> m;
    engines::ZeroMatrix(m);
    m(1, 1) = 225;
    m(1, 2) = m(2, 1) = 90;
    m(2, 2) = 100;
    return m;
}

// Product, inverse and triangular factor on 2 x 2 storage (as in the Monte
// Carlo loop) and on 20 x 20 storage used at order 2.
template <int Capacity>
void MatrixWork(benchmark::State& state)
{
    engines::SquareMatrix<Capacity> a = Covariance<Capacity>(), product, inverse, factor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        engines::MultiplyMatrix(a, a, 2, product);
        engines::InvertMatrix(product, 2, inverse);
        engines::Cholesky2x2(inverse, factor);
        benchmark::DoNotOptimize(factor);
    }
}
BENCHMARK_TEMPLATE(MatrixWork, 2);
BENCHMARK_TEMPLATE(MatrixWork, 20);

}  // namespace
