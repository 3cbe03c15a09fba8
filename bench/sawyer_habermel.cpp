// The Sawyer decliner and the Habermel altitude dials: building the
// construction (every time mode, the finest hour lines and most date lines)
// and writing the plot file in memory.
#include <benchmark/benchmark.h>

#include "config/dial_parameters.h"
#include "dials/habermel/habermel_geometry.h"
#include "dials/habermel/habermel_renderer.h"
#include "dials/sawyer/sawyer_geometry.h"
#include "dials/sawyer/sawyer_renderer.h"
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

config::DialParameters Sawyer(int mode) {
  config::DialParameters p;
  p.kind = 'w';
  p.otherHourInterval = 4;  // 10 minutes
  p.dateLineMode = 2;       // three dates a month
  config::SetSawyerTimeMode(p, mode);
  return p;
}

void BM_SawyerBuild(benchmark::State& state) {
  Quiet quiet;
  const auto p = Sawyer(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(dials::sawyer::BuildSawyerDial(shell::SiteSettings{}, p, 1.0, quiet));
  }
}
BENCHMARK(BM_SawyerBuild)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_SawyerPlotFile(benchmark::State& state) {
  Quiet quiet;
  const auto d = dials::sawyer::BuildSawyerDial(shell::SiteSettings{},
                                                Sawyer(static_cast<int>(state.range(0))), 1.0, quiet);
  for (auto _ : state) {
    output::HpglWriter w;
    dials::sawyer::PlotSawyerDial(w, d, {});
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_SawyerPlotFile)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_HabermelBuildAndPlot(benchmark::State& state) {
  config::DialParameters p;
  p.kind = 'q';
  p.altitudeVariant = static_cast<int>(state.range(0));
  p.otherHourInterval = 4;
  p.dateLineMode = 2;
  for (auto _ : state) {
    const auto d = dials::habermel::BuildHabermelDial(shell::SiteSettings{}, p);
    output::HpglWriter w;
    dials::habermel::PlotHabermelDial(w, d, {});
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_HabermelBuildAndPlot)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
