// The mean-time dial with a cone and the biazimuthal map dial: building the
// construction (10-minute hour lines, three date lines a month) and writing
// the plot file in memory (the mean-time dial also its cone file, the map
// dial with and without the coastlines).
#include <benchmark/benchmark.h>

#include "config/dial_parameters.h"
#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "dials/biazimuthal/biazimuthal_renderer.h"
#include "dials/meantime/meantime_geometry.h"
#include "dials/meantime/meantime_renderer.h"
#include "output/hpgl_writer.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

class Quiet final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view, shell::MessageButtons) override {
    return shell::MessageAnswer::Ok;
  }
};

// Plane 0 horizontal, 1 vertical, 2 inclining.
config::DialParameters MeanTime(int plane) {
  config::DialParameters p;
  p.kind = 'm';
  p.dialPlane = plane;
  p.inclination = 20;  // facing south; steeper faces would put the default cone behind them
  p.otherHourInterval = 4;  // 10 minutes
  p.dateLineMode = 2;       // three dates a month
  return p;
}

void BM_MeanTimeBuild(benchmark::State& state) {
  Quiet quiet;
  const auto p = MeanTime(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(dials::meantime::BuildMeanTimeDial(shell::SiteSettings{}, p, 1.0, quiet));
  }
}
BENCHMARK(BM_MeanTimeBuild)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_MeanTimePlotAndConeFile(benchmark::State& state) {
  Quiet quiet;
  const auto d = dials::meantime::BuildMeanTimeDial(shell::SiteSettings{},
                                                    MeanTime(static_cast<int>(state.range(0))), 1.0, quiet);
  for (auto _ : state) {
    output::HpglWriter w;
    dials::meantime::PlotMeanTimeDial(w, d, {});
    output::HpglWriter cone;
    dials::meantime::PlotCone(cone, d);
    benchmark::DoNotOptimize(w.Text().size() + cone.Text().size());
  }
}
BENCHMARK(BM_MeanTimePlotAndConeFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Position B Madrid; range(0) 1: mean time (the hour lines are whole-year loops).
config::DialParameters Map(bool meanTime) {
  config::DialParameters p;
  p.kind = 'c';
  p.secondLatitude = 40.42;
  p.secondLongitude = 3.7;
  p.altitudeWithEot = meanTime;
  p.otherHourInterval = 4;
  p.dateLineMode = 2;
  return p;
}

void BM_BiazimuthalBuild(benchmark::State& state) {
  Quiet quiet;
  const auto p = Map(state.range(0) != 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        dials::biazimuthal::BuildBiazimuthalDial(shell::SiteSettings{}, p, 1.0, quiet));
  }
}
BENCHMARK(BM_BiazimuthalBuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// range(0) 1: with the coastlines.
void BM_BiazimuthalPlotFile(benchmark::State& state) {
  Quiet quiet;
  const auto d = dials::biazimuthal::BuildBiazimuthalDial(shell::SiteSettings{}, Map(false), 1.0, quiet);
  const dials::biazimuthal::MapChoice map{state.range(0) != 0, false};
  for (auto _ : state) {
    output::HpglWriter w;
    dials::biazimuthal::PlotBiazimuthalDial(w, d, {}, map);
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_BiazimuthalPlotFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
