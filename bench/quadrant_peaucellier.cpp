// The quadrant and the Peaucellier dial: tracing the construction and writing
// the plot file (in memory), default settings and the finest hour lines.
#include <benchmark/benchmark.h>

#include "config/dial_parameters.h"
#include "dials/peaucellier/peaucellier_geometry.h"
#include "dials/peaucellier/peaucellier_renderer.h"
#include "dials/quadrant/quadrant_geometry.h"
#include "dials/quadrant/quadrant_renderer.h"
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

config::DialParameters Quadrant(int scale, int interval) {
  config::DialParameters p;
  p.kind = 'q';
  p.quadrantDateScale = scale;
  p.otherHoursFrom = 4;
  p.otherHoursTo = 20;
  p.otherHourInterval = interval;
  return p;
}

void BM_QuadrantChains(benchmark::State& state) {
  Quiet quiet;
  const auto p = Quadrant(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(dials::quadrant::BuildQuadrant(shell::SiteSettings{}, p, quiet));
  }
}
BENCHMARK(BM_QuadrantChains)->Args({0, 0})->Args({0, 4})->Args({2, 4})->Unit(benchmark::kMillisecond);

void BM_QuadrantPlotFile(benchmark::State& state) {
  Quiet quiet;
  const auto q = dials::quadrant::BuildQuadrant(shell::SiteSettings{}, Quadrant(0, 4), quiet);
  for (auto _ : state) {
    output::HpglWriter w;
    dials::quadrant::PlotQuadrant(w, q);
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_QuadrantPlotFile)->Unit(benchmark::kMillisecond);

void BM_PeaucellierChainsAndPlot(benchmark::State& state) {
  Quiet quiet;
  config::DialParameters p;
  p.kind = 'p';
  p.otherHourInterval = 4;
  for (auto _ : state) {
    const auto d = dials::peaucellier::BuildPeaucellierDial(shell::SiteSettings{}, p, 1.0, quiet);
    output::HpglWriter w;
    dials::peaucellier::PlotPeaucellierDial(w, d, dials::PlotPlacement{});
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_PeaucellierChainsAndPlot)->Unit(benchmark::kMillisecond);

}  // namespace
