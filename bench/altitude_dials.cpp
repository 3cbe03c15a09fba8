// The altitude and cylinder dials: building the chains and writing the plot
// file, per dial, with the default parameters and with every line system
// they offer. Target: under 10 ms each.
#include <benchmark/benchmark.h>

#include "config/dial_parameters.h"
#include "dials/altitude/altitude_geometry.h"
#include "dials/altitude/altitude_layout.h"
#include "dials/altitude/altitude_page.h"
#include "output/hpgl_writer.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;
using dials::altitude::Variant;

class SilentSink final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view, shell::MessageButtons) override {
    return shell::MessageAnswer::Ok;
  }
};

// Ordinary hours every 15 minutes from 4 to 20 h, temporal, Babylonian and
// Italian hours, mean-time lines and the whole year where the dial has them.
config::DialParameters EveryLineSystem(Variant v) {
  config::DialParameters p;
  p.kind = v == Variant::HorizontalAltitude ? 'k' : 'z';
  p.cylinderVariant = v == Variant::Hat ? 1 : v == Variant::PolarStyle ? 2 : 0;
  p.otherHoursFrom = 4;
  p.otherHoursTo = 20;
  p.otherHourInterval = 3;
  p.hoursTo = 24;
  p.monthScaleDouble = true;
  p.constructWithEot = true;
  p.zoneTime = true;
  p.temporalHours = v != Variant::HorizontalAltitude;
  p.otherTemporalFrom = 0;
  p.otherTemporalTo = 12;
  p.otherTemporalInterval = 1;
  p.babylonianHours = p.italianHours = v != Variant::HorizontalAltitude;
  p.altitudeLines = true;
  p.cylinderRadius = 80;
  p.polarCylinderGnomon = 40;
  return p;
}

// The dial as the dial type dialog leaves it: the record's defaults.
config::DialParameters Defaults(Variant v) {
  config::DialParameters p;
  p.kind = v == Variant::HorizontalAltitude ? 'k' : 'z';
  p.cylinderVariant = v == Variant::Hat ? 1 : v == Variant::PolarStyle ? 2 : 0;
  return p;
}

void Run(benchmark::State& state, const config::DialParameters& p) {
  const auto v = static_cast<Variant>(state.range(0));
  const shell::SiteSettings site;
  SilentSink messages;
  std::size_t points = 0, bytes = 0;
  for (auto _ : state) {
    const dials::altitude::Dial dial = dials::altitude::BuildDial(v, site, p, shell::ColorSet{}, 1.0, messages);
    output::HpglWriter w;  // the plot file text in memory
    w.PutStandardHeader();
    dials::altitude::PlotPage page(w);
    dials::altitude::DrawCylinderFamily(page, dial, dials::altitude::PlotFrame(1));
    w.Put(output::kTrailerWindow);
    points = 0;
    for (const auto& c : dial.curves) {
      for (const auto& r : c.runs) points += r.size();
    }
    bytes = w.Text().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["points"] = static_cast<double>(points);
  state.counters["plotBytes"] = static_cast<double>(bytes);
}
void BM_DefaultDial(benchmark::State& state) {
  Run(state, Defaults(static_cast<Variant>(state.range(0))));
}
void BM_EveryLineSystem(benchmark::State& state) {
  Run(state, EveryLineSystem(static_cast<Variant>(state.range(0))));
}
// variant: 0 horizontal altitude dial, 1 shepherd's dial, 2 hat dial, 3 polar style.
BENCHMARK(BM_DefaultDial)->ArgName("variant")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryLineSystem)->ArgName("variant")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
