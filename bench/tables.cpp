// Building the tables of the tables window (target: well under 10 ms each):
// a yearly table is 366 solar days; the one-month table 31 days of sun,
// twilight and moon; the half-year table 186 days of sunrise and sunset.
#include <benchmark/benchmark.h>

#include "calc/tables/rise_set_table.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/table_export.h"
#include "calc/tables/yearly_table.h"

namespace {

using namespace kelvra;

shell::SiteSettings Site() {
  shell::SiteSettings s;
  s.year = 2024;
  return s;
}

void BM_YearlyTable(benchmark::State& state) {
  const auto kind = static_cast<calc::YearTableKind>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(calc::BuildYearlyTable(Site(), kind, 1));
}
BENCHMARK(BM_YearlyTable)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_MonthTable(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::BuildMonthTable(Site(), 7, astro::TwilightKind::Civil, 1));
  }
}
BENCHMARK(BM_MonthTable)->Unit(benchmark::kMillisecond);

void BM_HalfYearTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calc::BuildHalfYearTable(Site(), 1, 1));
}
BENCHMARK(BM_HalfYearTable)->Unit(benchmark::kMillisecond);

void BM_SymmetricTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calc::BuildSymmetricTable(288, 2024, '/', 1));
}
BENCHMARK(BM_SymmetricTable)->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State& state) {
  const calc::Table table = calc::BuildHalfYearTable(Site(), 1, 1);
  for (auto _ : state) benchmark::DoNotOptimize(calc::ExportTableBytes(table, {true, ';'}));
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

}  // namespace
