// The bifilar canvas renderer and plot writer: what they draw is read back
// (device points, plot coordinates), turned into plate millimetres by the
// target's own orientation and scale, and the sun the point implies (the
// independent thread model) must be the sun of an hour line.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <cmath>
#include <string>
#include <vector>

#include "dials/bifilar/bifilar_geometry.h"
#include "dials/bifilar/bifilar_renderer.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "plot_polylines.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "thread_model.h"

namespace kelvra::dials::bifilar {
namespace {

using testing::Line;
using testing::Vec;

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  return s;
}

config::DialParameters Dial() {
  config::DialParameters p;
  p.kind = 'f';
  p.bifilarThreads = {{{0, 50, 25}, {0, -50, 25}, {40, 30, 12}, {-70, -20, 12}}};
  p.hoursFrom = 6;
  p.hoursTo = 18;
  p.hourInterval = 0;
  p.planarLocalTime = true;
  return p;
}

// The hour angle the thread model implies for a plate point (mm).
double ImpliedHourAngle(const BifilarDial& dial, double x, double y) {
  const Line t1{{0, 0, dial.threads.h1}, {0, 1, 0}};
  const Vec a{dial.threads.p3.x, dial.threads.p3.y, dial.threads.p3.z};
  const Vec b{dial.threads.p4.x, dial.threads.p4.y, dial.threads.p4.z};
  const Line t2{a, b - a};
  const Vec s = testing::DirectionThroughBoth({x, y, 0}, t1, t2);
  return testing::EquatorialOf(dial.site.latitude, s).hourAngle;
}

// Distance (degrees) from `H` to the nearest full hour angle 15 (h - 12).
double OffFullHour(double H) {
  const double r = std::remainder(H, 15.0);
  return std::fabs(r);
}

struct Target {
  const char* name;
  double latitude;
  output::SinkKind kind;
  int width, height;
  double pixelsPerMm;
};

TEST(BifilarRenderer, CanvasHourLinesAreTheSunOfFullHours) {
  testing::RecordingMessageSink messages;
  const Target targets[] = {
      {"screen north", 47.25, output::SinkKind::Screen, 1400, 990, 5.0},
      {"printer north", 47.25, output::SinkKind::Printer, 2800, 2000, 10.0},
      {"printer south", -33.9, output::SinkKind::Printer, 2800, 2000, 10.0},
  };
  for (const Target& t : targets) {
    const BifilarDial dial = BuildBifilarDial(Site(t.latitude), Dial(), {}, 1.0, messages);
    output::RecordingPlotSink sink(t.kind, t.width, t.height);
    CanvasPlacement pl;
    pl.pixelsPerMm = t.pixelsPerMm;
    pl.origin = {t.width / 2 + 37, t.height / 2 - 21};
    pl.originSetByUser = true;
    DrawBifilarDial(sink, dial, pl, shell::ColorSet{});
    const output::Color hourColour = shell::ColorSet{}.Color(2);
    int checked = 0;
    for (const auto& op : sink.OpsOf(output::OpType::LineTo)) {
      if (op.pen.color != hourColour) continue;
      // Device y runs down, the plate's y (north) up.
      const double x = (op.args[0] - pl.origin.x) / t.pixelsPerMm;
      const double y = (pl.origin.y - op.args[1]) / t.pixelsPerMm;
      if (std::hypot(x, y) < 20) continue;  // near the threads rounding weighs more
      // Half a device unit of rounding moves the implied sun by well under 1 degree.
      EXPECT_LT(OffFullHour(ImpliedHourAngle(dial, x, y)), 1.0) << t.name << " at " << x << ", " << y;
      ++checked;
    }
    EXPECT_GT(checked, 200) << t.name;
    // The pole mark: a red square about the pole point.
    bool pole = false;
    for (const auto& op : sink.OpsOf(output::OpType::Rectangle)) {
      if (op.pen.color != output::kRed) continue;
      const double cx = (op.args[0] + op.args[2]) / 2.0, cy = (op.args[1] + op.args[3]) / 2.0;
      EXPECT_NEAR(cx, pl.origin.x + dial.pole->x * t.pixelsPerMm, 1) << t.name;
      EXPECT_NEAR(cy, pl.origin.y - dial.pole->y * t.pixelsPerMm, 1) << t.name;
      pole = true;
    }
    EXPECT_TRUE(pole) << t.name;
  }
}

TEST(BifilarRenderer, AnOriginOffThePictureMovesToTheCentre) {
  struct Case {
    output::Point picked;
    bool setByUser;
    output::Point want;
  };
  const Case cases[] = {
      {{700, 400}, true, {700, 400}},
      {{700, 400}, false, {700, 495}},
      {{0, 400}, true, {700, 495}},
      {{1401, 400}, true, {700, 495}},
      {{1400, 990}, true, {1400, 990}},
      {{300, -5}, true, {700, 495}},
  };
  for (const Case& c : cases) {
    CanvasPlacement pl;
    pl.origin = c.picked;
    pl.originSetByUser = c.setByUser;
    EXPECT_EQ(CanvasOrigin(pl, 1400, 990), c.want) << c.picked.x << "," << c.picked.y;
  }
}

TEST(BifilarRenderer, LegendInBothLanguages) {
  testing::RecordingMessageSink messages;
  const BifilarDial dial = BuildBifilarDial(Site(47.25), Dial(), {}, 1.0, messages);
  for (bool german : {true, false}) {
    shell::SelectLanguage(german);
    output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
    DrawBifilarDial(sink, dial, CanvasPlacement{}, shell::ColorSet{});
    const std::vector<std::string> texts = sink.Texts();
    auto has = [&](const std::string& t) {
      return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_TRUE(has(german ? "    Michnik's Bifilare Sonnenuhr" : "    Michnik's Bifilar Sundial"));
    EXPECT_TRUE(has(german ? "Geogr. Breite =  47.250 Grad, Geogr. Länge = -9.590 Grad"
                           : "Latitude =  47.250 deg , Longitude = -9.590 deg "));
    EXPECT_TRUE(has("   Line1"));
    EXPECT_TRUE(has("P3 (  40.0,  30.0,  12.0)"));
    EXPECT_TRUE(has(german ? "Faden 1, Höhe =25.00" : "Thread 1, height =25.00"));
    // Even hours carry their number.
    EXPECT_TRUE(has("12"));
    EXPECT_FALSE(has("13"));
  }
  shell::SelectLanguage(true);
}

TEST(BifilarRenderer, ParallelThreadsDrawOnlyTheFrame) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = Dial();
  p.bifilarThreads[2] = {30, 60, 15};
  p.bifilarThreads[3] = {30, -60, 15};
  const BifilarDial dial = BuildBifilarDial(Site(47.25), p, {}, 1.0, messages);
  output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
  DrawBifilarDial(sink, dial, CanvasPlacement{}, shell::ColorSet{});
  EXPECT_EQ(sink.Count(output::OpType::LineTo), 1);  // the green edge line
  EXPECT_EQ(sink.Count(output::OpType::Rectangle), 1);
  EXPECT_TRUE(sink.Texts().empty());
}

// ---- the plot file ------------------------------------------------------------

TEST(BifilarPlot, HourLinesAreTheSunOfFullHoursAtFortyUnitsPerMm) {
  testing::RecordingMessageSink messages;
  for (double latitude : {47.25, -33.9, 65.5}) {
    const BifilarDial dial = BuildBifilarDial(Site(latitude), Dial(), {}, 1.0, messages);
    for (auto origin : {std::optional<output::Point>{}, std::optional<output::Point>{{5000, 7000}}}) {
      PlotPlacement pl;
      pl.origin = origin;
      output::HpglWriter w;
      PlotBifilarDial(w, dial, pl);
      const output::Point o = origin.value_or(kDefaultPlotOrigin);
      const testing::PlotDrawing d = testing::ReadPlotDrawing(w.Text());
      int checked = 0;
      for (const auto& line : d.lines) {
        if (line.pen != 2) continue;
        for (const auto& p : line.points) {
          const double x = (p.x - o.x) / 40.0, y = (p.y - o.y) / 40.0;  // y up
          if (std::hypot(x, y) < 10) continue;
          EXPECT_LT(OffFullHour(ImpliedHourAngle(dial, x, y)), 0.2) << latitude;
          ++checked;
        }
      }
      EXPECT_GT(checked, 200) << latitude;
    }
  }
}

TEST(BifilarPlot, HeaderOriginGridAndTrailer) {
  testing::RecordingMessageSink messages;
  const BifilarDial dial = BuildBifilarDial(Site(47.25), Dial(), {}, 1.0, messages);
  output::HpglWriter w;
  PlotBifilarDial(w, dial, PlotPlacement{});
  const std::string& t = w.Text();
  // The standard header once, the text size, the origin circle of 1 mm.
  EXPECT_EQ(t.rfind(output::StandardHeaderText(1) + "SI  0.18, 0.27;PU 8078 5240;CI 40 ,0.2;", 0),
            0u)
      << t.substr(0, 120);
  EXPECT_EQ(t.find(";SP 4;PU 0 0;", output::StandardHeaderText(1).size()), std::string::npos);
  EXPECT_EQ(t.substr(t.size() - 7), ";IW;IN;");
  EXPECT_EQ(t.find('\n'), std::string::npos);

  // At plot scale 25 (the DXF file of a scaled export) everything grows 25 times.
  output::HpglWriter big;
  big.SetPlotScale(25);
  PlotPlacement grid;
  grid.gridMm = 10;
  PlotBifilarDial(big, dial, grid);
  EXPECT_EQ(big.Text().rfind(output::StandardHeaderText(25) +
                                 "SI  4.50, 6.75;PU 201950 131000;CI 1000 ,0.2;IW 0 0 403750 275750;SP 9;PU 201950 131000;CI 80;",
                             0),
            0u)
      << big.Text().substr(0, 200);

  // Pens: 1 and 10 for the date lines, 2 and 8 for hour lines, labels in pen 2.
  config::DialParameters p = Dial();
  p.hourInterval = 1;
  const BifilarDial halves = BuildBifilarDial(Site(47.25), p, {}, 1.0, messages);
  output::HpglWriter hw;
  PlotBifilarDial(hw, halves, PlotPlacement{});
  const testing::PlotDrawing d = testing::ReadPlotDrawing(hw.Text());
  std::set<int> pens;
  for (const auto& l : d.lines) pens.insert(l.pen);
  EXPECT_EQ(pens, (std::set<int>{1, 2, 5, 8, 10}));
  int hourLabels = 0;
  for (const auto& l : d.labels) hourLabels += l.pen == 2;
  EXPECT_EQ(hourLabels, 7);  // 6, 8, ..., 18
}

}  // namespace
}  // namespace kelvra::dials::bifilar
