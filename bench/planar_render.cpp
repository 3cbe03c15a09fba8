// The default vertical dial with every line system switched on: tracing the
// chains and writing the plot file (directly and through the family seam),
// and drawing the 2800 x 2000 picture.
#include <benchmark/benchmark.h>

#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "config/dial_parameters.h"
#include "dials/dial_job.h"
#include "dials/planar/planar_canvas_renderer.h"
#include "dials/planar/planar_chains.h"
#include "dials/planar/planar_plot_writer.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

config::DialParameters EveryLineSystem() {
  config::DialParameters p;  // the default vertical dial
  p.hoursWithEot = true;
  p.markAnalemma = true;
  p.temporalHours = true;
  p.babylonianHours = true;
  p.italianHours = true;
  p.altitudeLines = true;
  p.sunshineDurationLines = true;
  p.polarTriangle = true;
  p.linesToFoot = true;
  return p;
}

const std::vector<std::string> kOwnDates = shell::DefaultOwnDateLines();

void WritePlot(const dials::planar::PlanarDial& dial, const dials::planar::PoleStyleText& ps) {
  output::HpglWriter w;  // collects the plot file text in memory
  dials::planar::WritePlanarPlot(w, dial, {}, ps);
  benchmark::DoNotOptimize(w.Text().size());
}

// A fresh dial each time: the year's ephemeris table is computed too.
void BM_ChainsAndPlotFile(benchmark::State& state) {
  const auto p = EveryLineSystem();
  const shell::SiteSettings site;
  const auto ps = dials::planar::PoleStyleListing(dials::planar::MakePlanarFrame(site, p), 2020, true);
  std::size_t points = 0;
  for (auto _ : state) {
    dials::planar::PlanarDial dial;
    dials::planar::BuildPlanarDial(dial, site, p, kOwnDates);
    WritePlot(dial, ps);
    points = dial.points.size();
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_ChainsAndPlotFile)->Unit(benchmark::kMillisecond);

// Drawing again (the drawing window's zoom, redraw): the dial object keeps
// its ephemeris table and its buffers.
void BM_ChainsAndPlotFileRedraw(benchmark::State& state) {
  const auto p = EveryLineSystem();
  const shell::SiteSettings site;
  const auto ps = dials::planar::PoleStyleListing(dials::planar::MakePlanarFrame(site, p), 2020, true);
  dials::planar::PlanarDial dial;
  for (auto _ : state) {
    dials::planar::BuildPlanarDial(dial, site, p, kOwnDates);
    WritePlot(dial, ps);
  }
}
BENCHMARK(BM_ChainsAndPlotFileRedraw)->Unit(benchmark::kMillisecond);

// The same through the family seam, as the drawing window and kelvra draw
// run it: a fresh construction (chains, pole style, hour-line table), then
// the plot file.
void BM_SeamJobAndPlotFile(benchmark::State& state) {
  dials::DialInputs in;
  in.dial = EveryLineSystem();
  in.ownDateLines = kOwnDates;
  const output::DrawingView view = dials::DefaultView(config::KindRow(in.dial), 1400, 990, 47.25);
  for (auto _ : state) {
    const dials::DialJob job(in, shell::CurrentMessageSink());
    output::HpglWriter w;
    job.WritePlot(w, view, std::nullopt, nullptr, "kel.plt");
    benchmark::DoNotOptimize(w.Text().size());
  }
}
BENCHMARK(BM_SeamJobAndPlotFile)->Unit(benchmark::kMillisecond);

// The 2800 x 2000 screen picture from the traced chains.
void BM_Picture2800x2000(benchmark::State& state) {
  if (!canvas::EnsureGuiApplication()) {
    state.SkipWithError("no graphics");
    return;
  }
  const auto p = EveryLineSystem();
  const shell::SiteSettings site;
  dials::planar::PlanarDial dial;
  dials::planar::BuildPlanarDial(dial, site, p, kOwnDates);
  dials::planar::CanvasPlacement pl;
  dials::planar::DefaultPlanarPlacement('v', site.latitude, 2800, 2000, pl.origin, pl.legend);
  pl.pixelsPerMm = output::PixelsPerMm(output::SinkKind::Screen, 2800, true);
  const shell::ColorSet colors;
  for (auto _ : state) {
    QImage image = canvas::DrawPicture(2800, 2000, [&](output::PlotSink& sink) {
      dials::planar::RenderPlanarDial(sink, dial, pl, colors, "Sonne auf Zifferblatt: 5:25 - 17:25");
    });
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_Picture2800x2000)->Unit(benchmark::kMillisecond);

}  // namespace
