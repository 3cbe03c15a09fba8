// The plot writer and the canvas renderer over the traced chains.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "dials/planar/planar_canvas_renderer.h"
#include "dials/planar/planar_plot_writer.h"
#include "dials/planar/segment_rule.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::dials::planar {
namespace {

shell::SiteSettings Site(double lat = 47.251315) {
  shell::SiteSettings s;
  s.latitude = lat;
  return s;
}

std::string Plot(const config::DialParameters& p, int scale = 1, int strength = 1,
                 std::vector<std::string>* listing = nullptr, double lat = 47.251315) {
  const auto dial = BuildPlanarDial(Site(lat), p, {});
  output::HpglWriter w;
  w.SetPlotScale(scale);
  w.SetLineStrength(strength);
  const auto ps = PoleStyleListing(MakePlanarFrame(Site(lat), p), 2020, false);
  WritePlanarPlot(w, dial, PlotPlacement{}, ps, listing, "kel.plt");
  return w.Text();
}

TEST(PlanarPlot, OriginForAWallDecliningSixtyDegrees) {
  config::DialParameters p;
  p.kind = 'v';
  p.wallDeclination = 60;
  const auto dial = BuildPlanarDial(Site(), p, {});
  const auto o = PlanarPlotOrigin(dial, PlotPlacement{}, 1);
  EXPECT_DOUBLE_EQ(o.x, 8200 + 2400);
  EXPECT_DOUBLE_EQ(o.y, 11000);
  p.wallDeclination = -60;
  EXPECT_DOUBLE_EQ(PlanarPlotOrigin(BuildPlanarDial(Site(), p, {}), PlotPlacement{}, 25).x,
                   (8200 - 2400) * 25.0);
  p.kind = 'h';
  EXPECT_DOUBLE_EQ(PlanarPlotOrigin(BuildPlanarDial(Site(), p, {}), PlotPlacement{}, 1).y, 4000);
  EXPECT_DOUBLE_EQ(PlanarPlotOrigin(BuildPlanarDial(Site(-47), p, {}), PlotPlacement{}, 1).y,
                   11000 - 4000);
}

TEST(PlanarPlot, LineStrengthOneWritesNoPenWidth) {
  config::DialParameters p;
  p.hoursWithEot = true;
  const std::string thin = Plot(p, 1, 1);
  EXPECT_EQ(thin.find("PW"), std::string::npos);
  const std::string thick = Plot(p, 1, 3);
  EXPECT_NE(thick.find(";PW 0;"), std::string::npos);
  EXPECT_NE(thick.find(";PW 2;"), std::string::npos);
}

TEST(PlanarPlot, OneLineStartingWithTheStandardHeader) {
  config::DialParameters p;
  const std::string text = Plot(p);
  EXPECT_EQ(text.rfind("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;", 0), 0u);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_NE(text.find(";SP 1;PU "), std::string::npos);  // date lines
  EXPECT_NE(text.find(";SP 3;PU "), std::string::npos);  // hour lines

}

TEST(PlanarPlot, EveryInputWindowIsItsOwnCommand) {
  // IW after the date lines once followed ";PU x y" without a semicolon.
  for (char kind : {'h', 'v', 'i'}) {
    config::DialParameters p;
    p.kind = kind;
    if (kind == 'v') p.inclination = 90;
    const std::string text = Plot(p);
    std::size_t pos = 0;
    int windows = 0;
    while ((pos = text.find("IW", pos)) != std::string::npos) {
      ASSERT_GT(pos, 0u);
      EXPECT_EQ(text[pos - 1], ';') << kind << " at " << pos;
      ++windows;
      pos += 2;
    }
    EXPECT_GE(windows, 2) << kind;
  }
}

// The numbers of the input window written after the date lines.
std::vector<long> DialWindow(const std::string& text) {
  const auto start = text.find(";SP 1;");
  const auto pos = text.find(";IW ", start);
  std::vector<long> v;
  std::string rest = text.substr(pos + 4, text.find(';', pos + 1) - pos - 4);
  std::size_t i = 0;
  while (i < rest.size()) {
    std::size_t used;
    v.push_back(std::stol(rest.substr(i), &used));
    i += used;
  }
  return v;
}

TEST(PlanarPlot, DialWindowScalesWithThePlotAndListsLowerLeftFirst) {
  config::DialParameters p;
  p.kind = 'i';
  p.inclination = 60;
  const auto w1 = DialWindow(Plot(p, 1));
  const auto w25 = DialWindow(Plot(p, 25));
  ASSERT_EQ(w1.size(), 4u);
  ASSERT_EQ(w25.size(), 4u);
  EXPECT_NEAR(static_cast<double>(w25[3]), 25.0 * w1[3], 25.0);
  p.kind = 'v';
  p.inclination = 90;
  const auto v = DialWindow(Plot(p, 1));
  ASSERT_EQ(v.size(), 4u);
  EXPECT_LE(v[0], v[2]);
  EXPECT_LE(v[1], v[3]);
  EXPECT_EQ(v[3], 11000 + 10);
}

TEST(PlanarPlot, CoordinateListingGivesMillimetresFromTheOrigin) {
  shell::SelectLanguage(true);
  config::DialParameters p;
  p.kind = 'h';
  p.hoursApparent = true;
  p.hoursFrom = 12;
  p.hoursTo = 12;
  p.hourInterval = 0;
  p.markAnalemma = false;
  p.dateLineMode = 3;
  std::vector<std::string> listing;
  Plot(p, 1, 1, &listing);
  ASSERT_FALSE(listing.empty());
  EXPECT_EQ(listing[0], "Horizontale SONNENUHR");
  bool heading = false;
  int points = 0;
  for (const auto& l : listing) {
    if (l == "12 Uhr:") heading = true;
    // The noon line of local time runs along the y-axis: x = 0.
    std::smatch m;
    std::string s = l;
    const std::regex pt(R"(\s*(-?\d+\.\d{3})/\s*(-?\d+\.\d{3});)");
    while (std::regex_search(s, m, pt)) {
      EXPECT_NEAR(std::stod(m[1]), 0.0, 0.0251) << l;
      ++points;
      s = m.suffix();
    }
  }
  EXPECT_TRUE(heading);
  EXPECT_GT(points, 10);
}

TEST(SegmentRule, CutsAtTheEdgeAndBreaksAtUnlitPoints) {
  TargetFrame t;
  t.originX = 0;
  t.originY = 0;
  t.unitsPerMm = 1;
  t.yDown = false;
  t.minX = 0;
  t.maxX = 100;
  t.minY = 0;
  t.maxY = 100;
  struct Rec {
    std::vector<std::pair<char, DevicePoint>> ops;
    void Move(DevicePoint p, int) { ops.push_back({'M', p}); }
    void Draw(DevicePoint p, int) { ops.push_back({'D', p}); }
  };
  const ChainPoint chain[] = {{10, 10, true}, {50, 50, true}, {150, 50, true},
                              {50, 60, true}, {40, 60, false}, {30, 60, true}};
  Rec r;
  WalkChain(t, chain, chain + 6, r);
  ASSERT_GE(r.ops.size(), 7u);
  EXPECT_EQ(r.ops[0].first, 'M');
  EXPECT_EQ(r.ops[1].first, 'D');                       // both visible
  EXPECT_EQ(r.ops[2].first, 'D');                       // cut where it leaves
  EXPECT_NEAR(r.ops[2].second.x, 100, 1e-5);
  EXPECT_NEAR(r.ops[2].second.y, 50, 1e-9);
  EXPECT_EQ(r.ops[3].first, 'M');                       // outside
  EXPECT_EQ(r.ops[4].first, 'M');                       // entering: cut point
  EXPECT_NEAR(r.ops[4].second.x, 100, 1e-5);
  EXPECT_EQ(r.ops[5].first, 'D');
  EXPECT_EQ(r.ops[6].first, 'M');                       // unlit: the line breaks
  EXPECT_EQ(r.ops[7].first, 'M');                       // and does not join again
}

TEST(PlanarCanvas, DrawsEveryFamilyInsideThePicture) {
  testing::RecordingMessageSink messages;
  config::DialParameters p;
  p.hoursWithEot = true;
  p.temporalHours = true;
  p.babylonianHours = true;
  p.italianHours = true;
  p.altitudeLines = true;
  p.sunshineDurationLines = true;
  p.polarTriangle = true;
  const auto dial = BuildPlanarDial(Site(), p, {});
  output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
  CanvasPlacement pl;
  DefaultPlanarPlacement('v', 47.25, 1400, 990, pl.origin, pl.legend);
  pl.pixelsPerMm = 1400 / 280.0;
  RenderPlanarDial(sink, dial, pl, shell::ColorSet{}, "Sonne auf Zifferblatt: 5:00 - 19:00");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_GT(sink.Ops().size(), 1000u);
}

}  // namespace
}  // namespace kelvra::dials::planar

namespace kelvra::dials::planar {
namespace {

TEST(PlanarPlot, LegendUmlautsAreWindows1252) {
  shell::SelectLanguage(true);
  config::DialParameters p;
  const std::string text = Plot(p);
  // "Geogr. Länge": ä is the single byte 0xE4.
  EXPECT_NE(text.find("Geogr. L\xE4nge"), std::string::npos);
  EXPECT_EQ(text.find("\xC3\xA4"), std::string::npos);
}

}  // namespace
}  // namespace kelvra::dials::planar

namespace kelvra::dials::planar {
namespace {

// Every pen-down point and every label anchor of a plot, in plot units.
struct PlotMarks {
  std::vector<std::pair<double, double>> drawn;
  std::vector<std::pair<double, double>> labels;
};

PlotMarks MarksOf(const std::string& text) {
  PlotMarks marks;
  double x = 0, y = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(';', pos);
    if (end == std::string::npos) end = text.size();
    std::string cmd = text.substr(pos, end - pos);
    while (!cmd.empty() && cmd.front() == ' ') cmd.erase(0, 1);
    if (cmd.rfind("LB", 0) == 0) {
      marks.labels.emplace_back(x, y);
      // A label runs to its end mark (ETX), which may hide a ';'.
      const std::size_t etx = text.find('\x03', pos);
      end = etx == std::string::npos ? text.size() : etx;
    } else if (cmd.rfind("PU", 0) == 0 || cmd.rfind("PD", 0) == 0) {
      std::istringstream in(cmd.substr(2));
      double a = 0, b = 0;
      while (in >> a >> b) {
        x = a;
        y = b;
        if (cmd[1] == 'D') marks.drawn.emplace_back(x, y);
      }
    }
    pos = end + 1;
  }
  return marks;
}

TEST(PlanarPlot, LegendStaysOnTheSheet) {
  // The legend block runs downwards from its title; its key lines once lay
  // below y = 0 (up to 10 mm for the umbrella dial), off the plotter's sheet.
  struct Case {
    const char* name;
    char kind;
    bool umbrella;
    bool legendPicked;
    double legendY;  // plot units, when picked
  };
  const Case cases[] = {
      {"horizontal", 'h', false, false, 0},      {"vertical", 'v', false, false, 0},
      {"inclining", 'i', false, false, 0},       {"umbrella inclined", 'i', true, false, 0},
      {"umbrella vertical", 'v', true, false, 0}, {"vertical, legend picked low", 'v', false, true, 50},
      {"vertical, legend picked high", 'v', false, true, 20000},
  };
  for (const Case& c : cases) {
    config::DialParameters p;
    p.kind = c.kind;
    p.umbrella = c.umbrella;
    p.inclination = c.kind == 'i' ? 30 : 0;
    p.axisInclination = 20;
    PlotPlacement placement;
    placement.legendSetByUser = c.legendPicked;
    placement.legendX = 3000;
    placement.legendY = c.legendY;
    for (int scale : {1, 25}) {
      const auto dial = BuildPlanarDial(Site(), p, {});
      output::HpglWriter w;
      w.SetPlotScale(scale);
      const auto ps = PoleStyleListing(MakePlanarFrame(Site(), p), 2020, false);
      WritePlanarPlot(w, dial, placement, ps, nullptr, "kel.plt");
      const PlotMarks marks = MarksOf(w.Text());
      ASSERT_FALSE(marks.labels.empty()) << c.name;
      // The sheet is 16157 x 11038 units at scale 1; a label needs room for
      // its descenders below the anchor (a 2.4 mm character: under 1 mm).
      for (const auto& [x, y] : marks.labels) {
        EXPECT_GE(y, 50.0 * scale) << c.name << " scale " << scale << ": label at " << x;
        EXPECT_LE(y, 11038.0 * scale) << c.name << " scale " << scale;
      }
      for (const auto& [x, y] : marks.drawn) {
        EXPECT_GE(y, 0.0) << c.name << " scale " << scale << ": line to " << x;
      }
    }
  }
}

TEST(PlanarCanvas, PrintedTextsStayInsideTheFrame) {
  // The sunlit period once sat under the frame, 3 mm from the paper's edge,
  // where printers cut. On the printed page (0.1 mm units, A4 landscape
  // printable area) the frame is 5 mm inside the area.
  kelvra::testing::RecordingMessageSink messages;
  for (char kind : {'h', 'v'}) {
    config::DialParameters p;
    p.kind = kind;
    const auto dial = BuildPlanarDial(Site(), p, {});
    const int W = 2970, H = 2100, m = 50;
    output::RecordingPlotSink sink(output::SinkKind::Printer, W, H);
    CanvasPlacement pl;
    DefaultPlanarPlacement(kind, 47.25, W, H, pl.origin, pl.legend);
    pl.pixelsPerMm = 10;
    const std::string sunlit = "Sonne auf Zifferblatt: 5:00 - 19:00";
    RenderPlanarDial(sink, dial, pl, shell::ColorSet{}, sunlit);
    bool found = false;
    for (const auto& op : sink.OpsOf(output::OpType::TextOut)) {
      if (op.text != sunlit) continue;
      found = true;
      const int top = op.args[1];
      const int bottom = top + static_cast<int>(std::lround(1.15 * sink.FontPixelHeight(op.font)));
      EXPECT_GE(top, m) << kind;
      EXPECT_LE(bottom, H - m) << kind;
    }
    EXPECT_TRUE(found) << kind;
  }
}

}  // namespace
}  // namespace kelvra::dials::planar
