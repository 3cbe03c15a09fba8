// The sun-path diagrams with 15-minute hour lines and the equation of time,
// polar and rectangular, into the screen picture and into a plot file (in
// memory), and the equation-of-time graph. Target: under 20 ms each.
#include <benchmark/benchmark.h>

#include "calc/graphs/eot_graph.h"
#include "calc/graphs/graph_export.h"
#include "calc/graphs/graph_inputs.h"
#include "canvas/headless_gui.h"
#include "canvas/qt_plot_sink.h"
#include "output/hpgl_writer.h"

namespace {

using namespace kelvra;
using calc::graphs::GraphKind;

calc::graphs::GraphInputs Inputs() {
  calc::graphs::GraphInputs in;
  in.otherHourInterval = 3;  // 15 minutes
  in.settings.graphHoursWithEot = true;
  in.zodiacLinesPerMonth = 1;
  return in;
}

void Picture(benchmark::State& state, GraphKind kind) {
  canvas::EnsureGuiApplication();
  canvas::ImagePlotSink sink(1200, 800);
  const auto in = Inputs();
  for (auto _ : state) {
    sink.Clear();
    calc::graphs::DrawGraph(sink, kind, in);
  }
}

void Plot(benchmark::State& state, GraphKind kind) {
  const auto in = Inputs();
  for (auto _ : state) {
    output::HpglWriter w;
    calc::graphs::WriteGraphPlot(w, kind, in, {});
    benchmark::DoNotOptimize(w.Text().size());
  }
}

void BM_PolarPicture(benchmark::State& s) { Picture(s, GraphKind::PolarSunPath); }
void BM_CartesianPicture(benchmark::State& s) { Picture(s, GraphKind::CartesianSunPath); }
void BM_EotPicture(benchmark::State& s) { Picture(s, GraphKind::Eot); }
void BM_PolarPlot(benchmark::State& s) { Plot(s, GraphKind::PolarSunPath); }
void BM_CartesianPlot(benchmark::State& s) { Plot(s, GraphKind::CartesianSunPath); }
void BM_EotPlot(benchmark::State& s) { Plot(s, GraphKind::Eot); }

BENCHMARK(BM_PolarPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CartesianPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EotPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolarPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CartesianPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EotPlot)->Unit(benchmark::kMillisecond);

}  // namespace
