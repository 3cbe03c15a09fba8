// The coastline and border overlay of the default vertical dial: the screen
// overlay from the built-in map (on the drawing window's 1400 x 990 picture,
// and counted without a raster to show the projection's own share), and the
// plot file's map part from the low-resolution data files.
#include <benchmark/benchmark.h>

#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "canvas/qt_plot_sink.h"
#include "config/dial_parameters.h"
#include "dials/worldmap/map_overlay.h"
#include "dials/worldmap/world_map.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "shell/messages.h"
#include "shell/resources.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

// The default vertical dial (wall declination −11.7° at the default site,
// gnomon 35 mm) with both parts of the map.
dials::worldmap::MapOverlay DefaultDialOverlay() {
  const config::DialParameters p;
  const shell::SiteSettings site;
  dials::worldmap::MapOverlay o;
  o.coastlines = o.borders = true;
  o.projection = dials::worldmap::PlaneProjection(site.latitude, site.longitude, 90, p.wallDeclination);
  o.gnomonMm = p.gnomonHeight;
  return o;
}

constexpr int kWidth = 1400, kHeight = 990;
// The drawing window's default origin of kind v: ((W + 1) / 2, rnd((W + 1) / 32)).
constexpr output::Point kOrigin{700, 44};

// The overlay drawn on the screen picture (Qt raster), as the drawing window
// adds it after the dial.
void BM_ScreenOverlayDefaultVerticalDial(benchmark::State& state) {
  if (!canvas::EnsureGuiApplication()) {
    state.SkipWithError("no graphics");
    return;
  }
  const auto overlay = DefaultDialOverlay();
  const double ppm = output::PixelsPerMm(output::SinkKind::Screen, kWidth, true);
  const shell::ColorSet colors;
  dials::worldmap::LoadWorldMap();  // read once at start, as the program does
  // One picture, drawn over again: the overlay's own cost.
  canvas::ImagePlotSink sink(kWidth, kHeight);
  for (auto _ : state) {
    dials::worldmap::DrawMapOverlay(sink, overlay, kOrigin, ppm, colors, shell::CurrentMessageSink());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ScreenOverlayDefaultVerticalDial)->Unit(benchmark::kMillisecond);

// The picture alone (made, cleared, copied out), to set the overlay's share
// apart from what every drawing of the window costs anyway.
void BM_EmptyPicture(benchmark::State& state) {
  if (!canvas::EnsureGuiApplication()) {
    state.SkipWithError("no graphics");
    return;
  }
  for (auto _ : state) {
    QImage image = canvas::DrawPicture(kWidth, kHeight, [](output::PlotSink&) {});
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_EmptyPicture)->Unit(benchmark::kMillisecond);

// The same without a raster: reading the parts and projecting every point.
void BM_OverlayProjectionOnly(benchmark::State& state) {
  const auto overlay = DefaultDialOverlay();
  const double ppm = output::PixelsPerMm(output::SinkKind::Screen, kWidth, true);
  const shell::ColorSet colors;
  dials::worldmap::LoadWorldMap();
  std::size_t ops = 0;
  for (auto _ : state) {
    output::RecordingPlotSink sink(output::SinkKind::Screen, kWidth, kHeight);
    dials::worldmap::DrawMapOverlay(sink, overlay, kOrigin, ppm, colors, shell::CurrentMessageSink());
    ops = sink.Ops().size();
  }
  state.counters["drawOps"] = static_cast<double>(ops);
}
BENCHMARK(BM_OverlayProjectionOnly)->Unit(benchmark::kMillisecond);

// Reading the built-in map (once per run of the program).
void BM_LoadBuiltInMap(benchmark::State& state) {
  const auto text = shell::FindResource("worldmap/world_crude.txt");
  for (auto _ : state) {
    dials::worldmap::WorldMap map{std::string(*text)};
    benchmark::DoNotOptimize(map.LineCount());
  }
}
BENCHMARK(BM_LoadBuiltInMap)->Unit(benchmark::kMillisecond);

// The plot file's map part: both data files read, projected and written.
void BM_PlotFileMapPart(benchmark::State& state) {
  const auto overlay = DefaultDialOverlay();
  shell::StderrMessageSink messages;
  std::size_t bytes = 0;
  for (auto _ : state) {
    output::HpglWriter w;  // in memory
    // The planar writer's default origin of kind v: (8200, 11000) plot units.
    dials::worldmap::PlotMapOverlay(w, overlay, 8200, 11000, shell::DataFolder(), messages);
    bytes = w.Text().size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PlotFileMapPart)->Unit(benchmark::kMillisecond);

}  // namespace
