// The bifilar dial with hour lines every 5 minutes and 13 date lines (every
// point a crossing of two shadow lines), and the azimuthal dials with their
// day rings and every hour system: tracing the chains and writing the plot
// file, and drawing the 1400 x 990 screen picture.
#include <benchmark/benchmark.h>

#include "calc/horizon/horizon_profile.h"
#include "canvas/headless_gui.h"
#include "canvas/page_output.h"
#include "config/dial_parameters.h"
#include "dials/azimuthal/azimuthal_geometry.h"
#include "dials/azimuthal/azimuthal_renderer.h"
#include "dials/bifilar/bifilar_geometry.h"
#include "dials/bifilar/bifilar_renderer.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

// Hours 4 to 20, every 5 minutes (12 lines per hour), 13 date lines.
config::DialParameters Bifilar() {
  config::DialParameters p;
  p.kind = 'f';
  p.hoursFrom = 4;
  p.hoursTo = 20;
  p.dateLineMode = 1;
  p.linesToFoot = true;
  return p;
}
constexpr int kEveryFiveMinutes = 12;

void BM_BifilarFiveMinutesChainsAndPlotFile(benchmark::State& state) {
  const config::DialParameters p = Bifilar();
  const shell::SiteSettings site;
  std::size_t points = 0;
  for (auto _ : state) {
    const dials::bifilar::BifilarDial dial = dials::bifilar::BuildBifilarDial(
        site, p, {}, 1.0, shell::CurrentMessageSink(), kEveryFiveMinutes);
    output::HpglWriter w;
    dials::bifilar::PlotBifilarDial(w, dial, dials::PlotPlacement{});
    benchmark::DoNotOptimize(w.Text().size());
    points = dial.points.size();
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_BifilarFiveMinutesChainsAndPlotFile)->Unit(benchmark::kMillisecond);

void BM_BifilarFiveMinutesPicture(benchmark::State& state) {
  if (!canvas::EnsureGuiApplication()) {
    state.SkipWithError("no graphics");
    return;
  }
  const dials::bifilar::BifilarDial dial = dials::bifilar::BuildBifilarDial(
      shell::SiteSettings{}, Bifilar(), {}, 1.0, shell::CurrentMessageSink(), kEveryFiveMinutes);
  dials::CanvasPlacement pl;
  pl.pixelsPerMm = output::PixelsPerMm(output::SinkKind::Screen, 1400, true);
  const shell::ColorSet colors;
  for (auto _ : state) {
    QImage image = canvas::DrawPicture(1400, 990, [&](output::PlotSink& sink) {
      dials::bifilar::DrawBifilarDial(sink, dial, pl, colors);
    });
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BifilarFiveMinutesPicture)->Unit(benchmark::kMillisecond);

// Every hour system every 10 minutes (temporal hours every quarter).
config::DialParameters Azimuthal(int mode, int spacing) {
  config::DialParameters p;
  p.kind = 'a';
  p.azimuthCircleMode = mode;
  p.altitudeCircleSpacing = spacing;
  p.azimuthZodiacScale = false;  // a ring per day of the year
  p.altitudeWithEot = true;
  p.otherHoursFrom = 4;
  p.otherHoursTo = 20;
  p.otherHourInterval = 4;
  p.temporalHours = true;
  p.temporalFrom = 0;
  p.temporalTo = 12;
  p.temporalInterval = 3;
  p.babylonianHours = true;
  p.babylonianInterval = 4;
  p.italianHours = true;
  p.italianInterval = 4;
  p.horizonProfile = true;
  p.zodiacLinesPerMonth = 3;
  return p;
}

const calc::HorizonProfile& Ridges() {
  static const calc::HorizonProfile profile = [] {
    calc::HorizonProfile h;
    for (auto& point : h.points) point.altitude = point.azimuth > 20 && point.azimuth < 90 ? 15 : 2;
    return h;
  }();
  return profile;
}

void BM_AzimuthalChainsAndPlotFile(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  const config::DialParameters p = Azimuthal(mode, 2);
  const shell::SiteSettings site;
  std::size_t points = 0;
  for (auto _ : state) {
    const dials::azimuthal::AzimuthalDial dial =
        dials::azimuthal::BuildAzimuthalDial(site, p, &Ridges(), shell::CurrentMessageSink());
    output::HpglWriter w;
    if (mode == 0) {
      dials::azimuthal::PlotAzimuthalDial(w, dial);
    } else {
      dials::azimuthal::PlotAltitudeCircleDial(w, dial);
    }
    benchmark::DoNotOptimize(w.Text().size());
    points = dial.points.size();
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_AzimuthalChainsAndPlotFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AzimuthalPicture(benchmark::State& state) {
  if (!canvas::EnsureGuiApplication()) {
    state.SkipWithError("no graphics");
    return;
  }
  const int mode = static_cast<int>(state.range(0));
  const dials::azimuthal::AzimuthalDial dial = dials::azimuthal::BuildAzimuthalDial(
      shell::SiteSettings{}, Azimuthal(mode, 2), &Ridges(), shell::CurrentMessageSink());
  const shell::ColorSet colors;
  for (auto _ : state) {
    QImage image = canvas::DrawPicture(1400, 990, [&](output::PlotSink& sink) {
      if (mode == 0) {
        dials::azimuthal::DrawAzimuthalDial(sink, dial, colors);
      } else {
        dials::azimuthal::DrawAltitudeCircleDial(sink, dial, colors);
      }
    });
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_AzimuthalPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
