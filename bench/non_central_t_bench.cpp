// Cost of the noncentral t operations that the noncentrality search of the
// deficit test repeats: one Quantile (a bracket and a few dozen Cumulative
// and Density calls), and single Cumulative and Density calls, from a small
// noncentrality up to the largest the series accepts.
#include <benchmark/benchmark.h>

#include "distrib/non_central_t_distribution.h"

namespace {

using distrib::Extended;
using distrib::tNon_central_t_distribution;

void Quantile(benchmark::State& state, Extended df, Extended delta, Extended p)
{
    // Re-parameterised on a live object, as the search does.
    tNon_central_t_distribution t(df, 1);
    for (auto _ : state) {
        t.Set_parameters(df, delta, 0);
        benchmark::DoNotOptimize(t.Quantile(p));
    }
}

void Cumulative(benchmark::State& state, Extended df, Extended delta, Extended x)
{
    const tNon_central_t_distribution t(df, delta);
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Cumulative(x));
    }
}

void Density(benchmark::State& state, Extended df, Extended delta, Extended x)
{
    const tNon_central_t_distribution t(df, delta);
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Density(x));
    }
}

BENCHMARK_CAPTURE(Quantile, df24_delta2_p975, 24, 2, 0.975L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Quantile, df24_delta2_p025, 24, 2, 0.025L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Quantile, df24_delta40_p975, 24, 40, 0.975L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Quantile, df999_delta40_p975, 999, 40, 0.975L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Quantile, df24_delta1000_p975, 24, 1000, 0.975L)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Quantile, df24_delta60000_p975, 24, 60000, 0.975L)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Cumulative, df24_delta2, 24, 2, 2.5L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cumulative, df24_delta40, 24, 40, 42)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Cumulative, df24_delta60000, 24, 60000, 60000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Cumulative, df24_delta65535_far, 24, 65535, 1e9L)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Density, df24_delta2, 24, 2, 2.5L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Density, df24_delta40, 24, 40, 42)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Density, df24_delta60000, 24, 60000, 60000)->Unit(benchmark::kMillisecond);

}  // namespace
