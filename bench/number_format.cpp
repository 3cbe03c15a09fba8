// Formatting and reading numbers: listings and plot files call these in loops.
#include <benchmark/benchmark.h>

#include "shell/number_format.h"

namespace {

void BM_FormatReal(benchmark::State& state) {
  double x = 47.251315;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvra::shell::FormatReal(10, 6, x));
    x += 0.001;
  }
}
BENCHMARK(BM_FormatReal);

void BM_FormatRealTie(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::shell::FormatReal(5, 2, -0.125));
}
BENCHMARK(BM_FormatRealTie);

void BM_ParseReal(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::shell::ParseReal(" -9,590825"));
}
BENCHMARK(BM_ParseReal);

}  // namespace
