// Cost of the random source and of the distribution operations that sit in
// the Monte Carlo loop.
#include <benchmark/benchmark.h>

#include "distrib/chi_square_distribution.h"
#include "distrib/normal_distribution.h"

namespace {

using namespace distrib;

void Restart_stream()
{
    Seed_1 = Start_seed_1;
    Seed_2 = Start_seed_2;
}

void BM_Uniform_random(benchmark::State& state)
{
    Restart_stream();
    for (auto _ : state) benchmark::DoNotOptimize(Uniform_random());
}
BENCHMARK(BM_Uniform_random);

void BM_Normal_random_value(benchmark::State& state)
{
    Restart_stream();
    const tNormal_distribution normal(0, 1);
    for (auto _ : state) benchmark::DoNotOptimize(normal.Random_value());
}
BENCHMARK(BM_Normal_random_value);

// Standard normal variates as arguments, the way the Monte Carlo loop
// meets them; drawn beforehand so that only the cumulative is timed.
void BM_Normal_cumulative(benchmark::State& state)
{
    Restart_stream();
    const tNormal_distribution normal(0, 1);
    constexpr int count = 4096;
    static Extended arguments[count];
    for (Extended& z : arguments) z = normal.Random_value();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(normal.Cumulative(arguments[i]));
        i = (i + 1) & (count - 1);
    }
}
BENCHMARK(BM_Normal_cumulative);

void BM_Chi_square_random_value(benchmark::State& state)
{
    Restart_stream();
    const tChi_square_distribution chi_square(static_cast<Extended>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(chi_square.Random_value());
}
BENCHMARK(BM_Chi_square_random_value)->Arg(19)->Arg(20);

}  // namespace
