// Hot paths of the platform base that the model leans on.
#include <benchmark/benchmark.h>

#include "platform/msgformat.h"
#include "platform/random.h"
#include "platform/stringtable.h"

static void BM_Rand(benchmark::State& state) {
    platform::SeedRandom(1);
    for (auto _ : state) benchmark::DoNotOptimize(platform::Rand());
}
BENCHMARK(BM_Rand);

static void BM_FormatMessage(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            platform::FormatMessage("%1!s! (%2!s!) has been out for %3!d! weeks.", {"J. Smith", "Rovers", 3}));
}
BENCHMARK(BM_FormatMessage);

static void BM_LoadString(benchmark::State& state) {
    platform::StringTable();
    for (auto _ : state) benchmark::DoNotOptimize(platform::LoadString(60000));
}
BENCHMARK(BM_LoadString);
