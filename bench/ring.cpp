// The ring dial: tracing the bands and writing the plot file (in memory), the
// default two bands, one band every 10 minutes, and the lateral deflection
// (both lines drawn); and the correction table's curves.
#include <benchmark/benchmark.h>

#include "config/dial_parameters.h"
#include "dials/ring/ring_geometry.h"
#include "dials/ring/ring_renderer.h"
#include "output/hpgl_writer.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

class Quiet final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view, shell::MessageButtons) override {
    return shell::MessageAnswer::Yes;
  }
};

// 0: default; 1: one band, 10-minute lines from 4 to 20; 2: as 1 with both
// deflected and plain lines and a hole offset.
config::DialParameters Ring(int variant) {
  config::DialParameters p;
  p.kind = 'r';
  if (variant >= 1) {
    p.wholeYear = true;
    p.otherHoursFrom = 4;
    p.otherHoursTo = 20;
    p.otherHourInterval = 4;
  }
  if (variant == 2) {
    p.ringLightDeflection = 2;
    p.ringHoleOffset = 8;
  }
  return p;
}

void BM_RingChains(benchmark::State& state) {
  Quiet quiet;
  const auto p = Ring(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(dials::ring::BuildRingDial(shell::SiteSettings{}, p, quiet));
  }
}
BENCHMARK(BM_RingChains)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RingPlotFile(benchmark::State& state) {
  Quiet quiet;
  const auto d = dials::ring::BuildRingDial(shell::SiteSettings{}, Ring(static_cast<int>(state.range(0))), quiet);
  for (auto _ : state) {
    output::HpglWriter w;
    dials::ring::PlotRingDial(w, d);
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_RingPlotFile)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_RingCorrectionTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(dials::ring::BuildOffsetTable(30, 150));
}
BENCHMARK(BM_RingCorrectionTable)->Unit(benchmark::kMillisecond);

}  // namespace
