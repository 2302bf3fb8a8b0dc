#include <benchmark/benchmark.h>

#include "engines/deficit_test.h"
#include "engines/difference_tests.h"

namespace {

void DeficitTestTypicalWorksheet(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(engines::DeficitTest(100, 15, 25, 70, 95));
}
BENCHMARK(DeficitTestTypicalWorksheet)->Unit(benchmark::kMillisecond);

void RunUSDTTypicalWorksheet(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(engines::RunUSDT(100, 15, 50, 10, 0.6L, 25, 70, 45));
}
BENCHMARK(RunUSDTTypicalWorksheet)->Unit(benchmark::kMillisecond);

// The slowest valid worksheets found: both noncentralities just inside the
// last bracket the search allows, where each series evaluation is longest.
void DeficitTestWorstCase(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const long double caseScore = state.range(1) / 100.0L;
    for (auto _ : state)
        benchmark::DoNotOptimize(engines::DeficitTest(0, 1, n, caseScore, 95));
}
BENCHMARK(DeficitTestWorstCase)
    ->Args({30000, -37700})
    ->Args({999999, 6540})
    ->Args({100, -570000})
    ->Unit(benchmark::kMillisecond);

// A case far beyond the range of the series: the limits are not computable.
void DeficitTestBeyondTheSeries(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(engines::DeficitTest(0, 0.00001L, 999999, 999999, 95));
}
BENCHMARK(DeficitTestBeyondTheSeries)->Unit(benchmark::kMillisecond);

}  // namespace
