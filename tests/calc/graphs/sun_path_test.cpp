// The sun-path diagrams: which lines they draw, and where. Points of the
// drawn lines are taken back to altitude and azimuth through the diagram's
// projection and checked by spherical astronomy computed here (the
// declination and hour angle a direction implies) and against the sun's
// position for the date and hour of the line.
#include "calc/graphs/sun_path_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <cmath>
#include <numbers>

#include <unistd.h>

#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "calc/graphs/graph_export.h"
#include "output/plot_export.h"
#include "output/recording_plot_sink.h"
#include "plot_parse.h"

namespace kelvra::calc::graphs {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

GraphInputs Site(double latitude, double longitude = -9.59, double zoneMeridian = -15) {
  GraphInputs in;
  in.site.latitude = latitude;
  in.site.longitude = longitude;
  in.site.zoneMeridian = zoneMeridian;
  in.site.year = 2020;
  // Colours that tell the lines apart.
  for (int n = 1; n <= 12; ++n) in.colors.colors[static_cast<std::size_t>(n - 1)] = 0x010101u * (n * 20);
  return in;
}

// Spherical astronomy of a direction (altitude a, azimuth A from south, west
// positive) at latitude p: the declination and the hour angle (west positive)
// of the point of the sky there.
double DeclinationOf(double a, double A, double p) {
  return std::asin(std::sin(p * kDeg) * std::sin(a * kDeg) -
                   std::cos(p * kDeg) * std::cos(a * kDeg) * std::cos(A * kDeg)) / kDeg;
}
double HourAngleOf(double a, double A, double p) {
  return std::atan2(std::sin(A * kDeg),
                    std::cos(A * kDeg) * std::sin(p * kDeg) + std::tan(a * kDeg) * std::cos(p * kDeg)) /
         kDeg;
}

struct SkyDirection {
  double altitude, azimuth;
};

SkyDirection FromPolar(const PolarFrame& f, int x, int y) {
  const double dx = f.cx - x;
  const double dy = y - f.cy;
  const double rho = std::hypot(dx, dy);
  return {90.0 * (1 - rho / f.r0), std::atan2(dx, dy) / kDeg};
}

SkyDirection FromCartesian(const CartesianFrame& f, int x, int y) {
  return {(f.axis - y) / f.ky, (x - f.left) / f.kx - 180.0};
}

// End points of the lines drawn in colour `colour`.
std::vector<std::pair<int, int>> PointsInColour(const output::RecordingPlotSink& sink,
                                                output::Color colour) {
  std::vector<std::pair<int, int>> points;
  for (const auto& op : sink.OpsOf(output::OpType::LineTo)) {
    if (op.pen.color == colour) points.emplace_back(op.args[0], op.args[1]);
  }
  return points;
}

TEST(SunPath, DateLineChoicesFollowTheLinesPerMonth) {
  struct Case {
    int perMonth;
    std::size_t lines;
    std::size_t main;
  };
  for (const Case c : {Case{1, 7, 7}, Case{2, 13, 7}, Case{3, 19, 7}, Case{4, 3, 3}}) {
    const auto lines = DateLineDeclinations(2020, c.perMonth);
    EXPECT_EQ(lines.size(), c.lines) << c.perMonth;
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(),
                                                     [](const auto& l) { return l.main; })),
              c.main);
    // From the summer solstice to the winter solstice.
    EXPECT_NEAR(lines.front().declination, 23.44, 0.01);
    EXPECT_NEAR(lines.back().declination, -23.44, 0.01);
  }
  // Solstices and equinox only: three lines in each diagram.
  GraphInputs in = Site(47.25);
  in.zodiacLinesPerMonth = 4;
  EXPECT_EQ(PolarSunPath(in).dateLines.size(), 3u);
  EXPECT_EQ(CartesianSunPath(in).dateLines.size(), 3u);
  EXPECT_NEAR(DateLineDeclinations(2020, 4)[1].declination, 0, 1e-9);
}

TEST(SunPath, QuarterHourLinesRunFromThreeToTwentyOne) {
  const std::vector<double> hours = HourValues(3);
  ASSERT_EQ(hours.size(), 18u * 4 + 1);
  EXPECT_DOUBLE_EQ(hours.front(), 3.0);
  EXPECT_DOUBLE_EQ(hours.back(), 21.0);
  EXPECT_EQ(HourValues(0).size(), 19u);
  GraphInputs in = Site(47.25);
  in.otherHourInterval = 3;
  EXPECT_DOUBLE_EQ(PolarSunPath(in).hourLines.back().hour, 21.0);
}

// Date lines of the picture lie on their declination; hour-line points are the
// sun's position at that hour on the days the line runs through.
TEST(SunPath, PolarPointsRecoverTheSunsDirection) {
  for (double latitude : {47.25, -33.9}) {
    SCOPED_TRACE(latitude);
    GraphInputs in = Site(latitude);
    in.zodiacLinesPerMonth = 2;  // intermediate date lines in colour 7
    in.otherHourInterval = 1;    // half hours in colour 2
    const int W = 3000, H = 2100;
    output::RecordingPlotSink sink(output::SinkKind::Screen, W, H);
    DrawPolarSunPath(sink, in, W, H);
    const PolarFrame f = PolarFrameFor(in, true, W, H);
    const double tolerance = 1.5 * 90.0 / f.r0;  // 1.5 pixels in degrees

    std::vector<double> declinations;
    for (const auto& c : DateLineDeclinations(2020, 2)) {
      if (!c.main) declinations.push_back(c.declination);
    }
    const auto datePoints = PointsInColour(sink, in.colors.Color(7));
    ASSERT_GT(datePoints.size(), 100u);
    for (auto [x, y] : datePoints) {
      const SkyDirection s = FromPolar(f, x, y);
      if (s.altitude > 85) continue;  // near the zenith the azimuth is not defined
      const double d = DeclinationOf(s.altitude, s.azimuth, latitude);
      double nearest = 90;
      for (double dl : declinations) nearest = std::min(nearest, std::abs(d - dl));
      EXPECT_LT(nearest, tolerance) << x << "," << y;
    }

    // The 9:30 line passes the sun of every odd day at 9:30 local time.
    const auto hourPoints = PointsInColour(sink, in.colors.Color(2));
    ASSERT_GT(hourPoints.size(), 100u);
    for (int day : {1, 21}) {
      const int n = astro::DayOfYear(2020, 6, day);
      const astro::SunPosition sun = astro::SunPositionAtClockTime(
          2020, n, 9.5, latitude, in.site.zoneMeridian, in.site.zoneMeridian, false);
      if (sun.altitude <= 0) continue;
      double best = 1e9;
      for (auto [x, y] : hourPoints) {
        const SkyDirection s = FromPolar(f, x, y);
        best = std::min(best, std::hypot(s.altitude - sun.altitude,
                                         (s.azimuth - sun.azimuth) * std::cos(s.altitude * kDeg)));
      }
      EXPECT_LT(best, tolerance) << "June " << day;
    }
    // Every hour-line point is the sun at a half hour of local apparent time.
    for (auto [x, y] : hourPoints) {
      const SkyDirection s = FromPolar(f, x, y);
      if (s.altitude < 3 || s.altitude > 80) continue;
      const double t = 12 + HourAngleOf(s.altitude, s.azimuth, latitude) / 15;
      EXPECT_NEAR(std::abs(t - std::floor(t) - 0.5), 0, 0.05) << x << "," << y;
    }
  }
}

TEST(SunPath, CartesianPointsRecoverTheSunsDirection) {
  for (double latitude : {47.25, -33.9}) {
    SCOPED_TRACE(latitude);
    GraphInputs in = Site(latitude);
    in.zoneTime = true;
    const int W = 3000, H = 2000;
    output::RecordingPlotSink sink(output::SinkKind::Screen, W, H);
    DrawCartesianSunPath(sink, in, 0, 0, H, W);
    const CartesianFrame f = CartesianFrameFor(true, 0, 0, H, W);
    const double tolerance = 1.5 / f.ky;

    // Main date lines (colour 1, width 2; the whole hours share the colour):
    // every point of colour 1 lies on a main declination or on a whole hour.
    std::vector<double> declinations;
    for (const auto& c : DateLineDeclinations(2020, 1)) declinations.push_back(c.declination);
    int onDateLines = 0;
    for (auto [x, y] : PointsInColour(sink, in.colors.Color(1))) {
      const SkyDirection s = FromCartesian(f, x, y);
      if (s.altitude > 85) continue;
      const double d = DeclinationOf(s.altitude, s.azimuth, latitude);
      double nearest = 90;
      for (double dl : declinations) nearest = std::min(nearest, std::abs(d - dl));
      const double hourAngle = HourAngleOf(s.altitude, s.azimuth, latitude);
      // Zone time: the hour angle of a whole hour is 15 (t - 12) - (lon - zone).
      const double t = 12 + (hourAngle + (in.site.longitude - in.site.zoneMeridian)) / 15;
      const double offHour = std::abs(t - std::round(t)) * 15;
      EXPECT_TRUE(nearest < 2 * tolerance || offHour < 0.5) << x << "," << y;
      onDateLines += nearest < 2 * tolerance;
    }
    EXPECT_GT(onDateLines, 300);

    // The 10:00 line at 21 June: the sun at 10:00 zone time on that day.
    const astro::SunPosition sun = astro::SunPositionAtClockTime(
        2020, astro::DayOfYear(2020, 6, 21), 10.0, latitude, in.site.longitude,
        in.site.zoneMeridian, false);
    double best = 1e9;
    for (auto [x, y] : PointsInColour(sink, in.colors.Color(1))) {
      const SkyDirection s = FromCartesian(f, x, y);
      best = std::min(best, std::hypot(s.altitude - sun.altitude,
                                       (s.azimuth - sun.azimuth) * std::cos(s.altitude * kDeg)));
    }
    EXPECT_LT(best, 0.1);
  }
}

TEST(SunPath, SouthernPolarDiagramHasSouthBelowAndHourLabelsAtDecember) {
  GraphInputs in = Site(-33.9, -18.4, -30);
  const int W = 1400, H = 990;
  output::RecordingPlotSink sink(output::SinkKind::Screen, W, H);
  const SunPathDiagram d = DrawPolarSunPath(sink, in, W, H);
  const PolarFrame f = PolarFrameFor(in, true, W, H);
  bool south = false;
  for (const auto& op : sink.OpsOf(output::OpType::TextOut)) {
    EXPECT_NE(op.text, "Nord");
    if (op.text == "Süd") {
      south = true;
      EXPECT_GT(op.args[1], f.cy);
    }
  }
  EXPECT_TRUE(south);
  // The label of noon stands by the sun of 21 December, whose noon altitude
  // there is 90 - 33.9 + 23.4.
  for (const SkyLine& line : d.hourLines) {
    if (line.hour != 12) continue;
    ASSERT_TRUE(line.labelAt.has_value());
    EXPECT_NEAR(line.labelAt->altitude, 90 - (33.9 - 23.44), 1.0);
  }
}

TEST(SunPath, SpanChoosesTheHalfOfTheYear) {
  GraphInputs in = Site(47.25);
  in.settings.graphHoursWithEot = true;
  // Whole year: each hour line of the rectangular diagram is drawn in two
  // halves (21 Dec - 21 Jun, 21 Jun - 21 Dec); one half otherwise.
  in.settings.sunPathSpan = 0;
  const std::size_t whole = CartesianSunPath(in).hourLines.size();
  in.settings.sunPathSpan = 1;
  const SunPathDiagram secondHalf = CartesianSunPath(in);
  EXPECT_EQ(secondHalf.hourLines.size() * 2, whole);
  EXPECT_EQ(secondHalf.hourLines.front().colour, 6);
  in.settings.sunPathSpan = 2;
  EXPECT_EQ(CartesianSunPath(in).hourLines.front().colour, 1);
  // Polar: the points of 21 June to 22 December (97 odd days of the months).
  in.settings.sunPathSpan = 1;
  const SunPathDiagram polar = PolarSunPath(in);
  in.settings.sunPathSpan = 0;
  const SunPathDiagram polarWhole = PolarSunPath(in);
  EXPECT_LT(polar.hourLines.front().points.size(), polarWhole.hourLines.front().points.size());
  EXPECT_GT(polar.hourLines.front().points.size(), 80u);
}

TEST(SunPath, PlotFilesDrawTheMainDateLinesWithARealPen) {
  for (bool polar : {true, false}) {
    GraphInputs in = Site(47.25);
    in.settings.diagramPolar = polar;
    output::HpglWriter w;
    WriteGraphPlot(w, SunPathKind(in), in, {});
    const std::string text = w.Text();
    EXPECT_EQ(text.rfind(polar ? ";IN;SS;SI 0.16, 0.24;SP 4" : ";IN;SS;SI 0.14, 0.21;SP 4", 0), 0u);
    // The pen is put away only by the trailer.
    EXPECT_EQ(text.find(";SP 0"), text.size() - std::string(";SP 0;IN;").size());
    EXPECT_NE(text.find(";SP 1"), std::string::npos);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    if (!polar) {
      EXPECT_NE(text.find(";LBAzi\x03"), std::string::npos);
    }
  }
}

TEST(SunPath, HorizonProfileGreysThePathBehindIt) {
  GraphInputs in = Site(47.25);
  auto profile = std::make_shared<HorizonProfile>();
  for (HorizonPoint& p : profile->points) p.altitude = 20;  // a wall of hills
  in.horizon = profile;
  in.showHorizon = true;
  const SunPathDiagram d = CartesianSunPath(in);
  for (const SkyLine& line : d.dateLines) {
    for (const SkyPoint& p : line.points) {
      EXPECT_EQ(SegmentColour(line, p, in), p.altitude < 20 ? kHiddenColour : line.colour);
    }
  }
  in.showHorizon = false;
  EXPECT_EQ(SegmentColour(d.dateLines[0], {5, 0}, in), d.dateLines[0].colour);
}

TEST(SunPath, PlaneSunshineMarksTheSunBehindThePlane) {
  GraphInputs in = Site(47.25);
  in.settings.planeSunshine = true;
  in.wallDeclination = 0;  // a south wall
  in.inclination = 90;
  const SunPathDiagram d = CartesianSunPath(in);
  EXPECT_FALSE(d.planeLightText.empty());
  // The boundary of a vertical south wall: east and west points.
  int boundaries = 0;
  for (const SkyLine& line : d.outlines) {
    if (line.kind != SkyLineKind::PlaneBoundary) continue;
    ++boundaries;
    EXPECT_NEAR(std::abs(line.points.front().azimuth), 90, 1e-9);
  }
  EXPECT_EQ(boundaries, 2);
  // A summer morning sun in the north-east does not light the south wall.
  const SkyLine& summer = d.dateLines.front();
  EXPECT_EQ(SegmentColour(summer, {5, -120}, in), kPlaneColour);
  EXPECT_EQ(SegmentColour(summer, {30, -30}, in), summer.colour);
}


// The DXF of a graph is at true size: the polar diagram's horizon circle of
// 800 (0.1 mm) on the printed page is a circle of 80 mm in the drawing.
TEST(SunPath, DxfOfAGraphIsAtTrueSize) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("kelvra-graph-dxf-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  GraphInputs in = Site(47.25);
  in.settings.diagramPolar = true;
  const fs::path dxf = folder / "polar.dxf";
  const auto result = output::ExportDxf(dxf, kGraphDxfScale, 1, [&](output::HpglWriter& w) {
    WriteGraphPlot(w, GraphKind::PolarSunPath, in, {});
  });
  ASSERT_TRUE(result.ok());
  EXPECT_FALSE(fs::exists(folder / output::kDxfIntermediateName));
  std::ifstream file(dxf, std::ios::binary);
  std::string code, value;
  bool inCircle = false;
  std::vector<double> radii;
  while (std::getline(file, code) && std::getline(file, value)) {
    if (!code.empty() && code.back() == '\r') code.pop_back();
    if (!value.empty() && value.back() == '\r') value.pop_back();
    const int group = std::stoi(code);
    if (group == 0) inCircle = value == "CIRCLE";
    if (inCircle && group == 40) radii.push_back(std::stod(value));
  }
  fs::remove_all(folder);
  // The altitude circles: 80 mm (horizon), 80 * 8 / 9, ... and the scale circles.
  EXPECT_NE(std::find_if(radii.begin(), radii.end(), [](double r) { return std::abs(r - 80) < 0.05; }),
            radii.end());
  EXPECT_NE(std::find_if(radii.begin(), radii.end(),
                         [](double r) { return std::abs(r - 80.0 * 8 / 9) < 0.05; }),
            radii.end());
  EXPECT_LT(*std::max_element(radii.begin(), radii.end()), 90.0);  // R0 + 2 font heights + 3
}

// The rectangular diagram's title stays inside its frame on pictures of
// every width the window gives it; a wide picture keeps the full size.
TEST(SunPath, CartesianTitleFitsItsFrame) {
  const GraphInputs in = Site(47.2513);
  for (const int W : {700, 960, 1400, 2400}) {
    const int H = 2 * W / 3;
    output::RecordingPlotSink sink(output::SinkKind::Screen, W, H);
    DrawCartesianSunPath(sink, in, 0, 0, H, W);
    bool found = false;
    for (const auto& op : sink.OpsOf(output::OpType::TextOut)) {
      if (op.text.rfind("Sonnenhoehe und Azimut fuer", 0) != 0) continue;
      found = true;
      output::RecordingPlotSink measure(output::SinkKind::Screen, W, H);
      measure.SetFont(op.font);
      EXPECT_LE(op.args[0] + measure.TextWidth(op.text), W) << W;
      if (W == 2400) {
        EXPECT_EQ(op.font.height, 16);
      }
    }
    EXPECT_TRUE(found) << W;
  }
}

}  // namespace
}  // namespace kelvra::calc::graphs
