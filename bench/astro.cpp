// The astronomy inner loops: the ephemeris, one sun position, and a year of
// rise, set, twilight and moon times as the tables compute them.
#include <benchmark/benchmark.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"

namespace {

using namespace kelvra::astro;

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

void BM_ComputeSolarDay(benchmark::State& state) {
  double D = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeSolarDay(2020, D));
    D += 0.37;
    if (D > 366) D = 1.0;
  }
}
BENCHMARK(BM_ComputeSolarDay);

void BM_SunPositionNoonEphemeris(benchmark::State& state) {
  double t = 4.0;
  int n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunPositionNoonEphemeris(2020, n, t, kLat, kLon, kZone, true));
    t += 0.25;
    if (t > 20) {
      t = 4.0;
      n = n % 366 + 1;
    }
  }
}
BENCHMARK(BM_SunPositionNoonEphemeris);

void BM_SunPositionAtClockTime(benchmark::State& state) {
  double t = 4.0;
  int n = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunPositionAtClockTime(2020, n, t, kLat, kLon, kZone, true));
    t += 0.25;
    if (t > 20) {
      t = 4.0;
      n = n % 366 + 1;
    }
  }
}
BENCHMARK(BM_SunPositionAtClockTime);

void BM_HorizontalFromHourAngle(benchmark::State& state) {
  double H = -120;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HorizontalFromHourAngle(kLat, 12.5, H));
    H += 0.5;
    if (H > 120) H = -120;
  }
}
BENCHMARK(BM_HorizontalFromHourAngle);

// One year of the daily list: sun, twilight and moon for every day.
void BM_RiseSetYearThreeKinds(benchmark::State& state) {
  const double sinLat = std::sin(kLat * M_PI / 180), cosLat = std::cos(kLat * M_PI / 180);
  for (auto _ : state) {
    double sum = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(2020, m); ++d) {
        const double mjd0 = LocalMidnightMjd(d, m, 2020, kZone);
        for (RiseSetKind k : {RiseSetKind::Sun, RiseSetKind::Twilight, RiseSetKind::Moon}) {
          const RiseSetResult r = RiseSetForDay(k, mjd0, sinLat, cosLat, kLon);
          sum += r.rise.value_or(0) + r.set.value_or(0);
        }
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 366 * 3);
}
BENCHMARK(BM_RiseSetYearThreeKinds)->Unit(benchmark::kMillisecond);

// The same year through the entry point that shares the sun's samples.
void BM_RiseSetAllForDayYear(benchmark::State& state) {
  const double sinLat = std::sin(kLat * M_PI / 180), cosLat = std::cos(kLat * M_PI / 180);
  for (auto _ : state) {
    double sum = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(2020, m); ++d) {
        const DayRiseSet r = RiseSetAllForDay(LocalMidnightMjd(d, m, 2020, kZone), sinLat, cosLat, kLon);
        sum += r.sun.rise.value_or(0) + r.twilight.set.value_or(0) + r.moon.rise.value_or(0);
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 366 * 3);
}
BENCHMARK(BM_RiseSetAllForDayYear)->Unit(benchmark::kMillisecond);

}  // namespace
