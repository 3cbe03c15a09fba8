// Drawing and plotting the map: polylines, breaks, the page window and the
// projection's horizon, and the projection itself checked by the physics it
// stands for: a place lands where the nodus's shadow falls while the sun
// stands in that place's zenith (an independent vector model of the face,
// face_model.h).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "dials/worldmap/gnomonic.h"
#include "dials/worldmap/map_drawing.h"
#include "face_model.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::dials::worldmap {
namespace {

using output::OpType;
using output::RecordingPlotSink;
using output::SinkKind;
using testing::FaceModel;
using testing::Vec;

// The map's own polylines as drawn: the recorded ops after the red cross
// (four ops), as runs of points, one run per MoveTo.
std::vector<std::vector<output::Point>> DrawnRuns(const RecordingPlotSink& sink) {
  std::vector<std::vector<output::Point>> runs;
  const auto& ops = sink.Ops();
  for (std::size_t i = 4; i < ops.size(); ++i) {
    const output::Point p{ops[i].args[0], ops[i].args[1]};
    if (ops[i].type == OpType::MoveTo) {
      runs.push_back({p});
    } else if (ops[i].type == OpType::LineTo) {
      if (runs.empty()) runs.push_back({ops[i].from});
      runs.back().push_back(p);
    }
  }
  return runs;
}

// A plain-grid request on a 1000 x 1000 page: place (lon east, lat) lands at
// (500 + 10 lon, 500 - 10 lat).
MapRequest PlainRequest() {
  MapRequest r;
  r.projected = false;
  r.originX = 500;
  r.originY = 500;
  r.scale = 10;
  r.pageWidth = 1000;
  r.pageHeight = 1000;
  r.colour = 8421504;
  return r;
}

TEST(DrawMap, BreakLinesStartNewPolylines) {
  testing::RecordingMessageSink messages;
  const WorldMap map(std::string(
      "> -b\n"
      "1.00\t2.00\n3.00\t4.00\n"
      "> -b\n"
      "5.00\t6.00\n7.00\t8.00\n"
      "# a comment line ends a polyline too\n"
      "9.00\t10.00\n11.00\t12.00\n"
      "<a line starting with < as well>\n"
      "13.00\t14.00\n15.00\t16.00\n"));
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, PlainRequest(), map, messages);
  using Run = std::vector<output::Point>;
  const std::vector<Run> expected = {{{510, 480}, {530, 460}},
                                     {{550, 440}, {570, 420}},
                                     {{590, 400}, {610, 380}},
                                     {{630, 360}, {650, 340}}};
  EXPECT_EQ(DrawnRuns(sink), expected);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(DrawMap, MarksTheOriginWithARedCrossAndDrawsInTheRequestsColour) {
  testing::RecordingMessageSink messages;
  const WorldMap map(std::string("> -b\n1.00\t2.00\n3.00\t4.00\n"));
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, PlainRequest(), map, messages);
  const auto lines = sink.OpsOf(OpType::LineTo);
  ASSERT_EQ(lines.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(lines[static_cast<std::size_t>(i)].pen.color, output::kRed);
    const auto& l = lines[static_cast<std::size_t>(i)];
    EXPECT_EQ(std::abs(l.args[0] - l.from.x) + std::abs(l.args[1] - l.from.y), 16);
    EXPECT_EQ((l.args[0] + l.from.x) / 2, 500);
    EXPECT_EQ((l.args[1] + l.from.y) / 2, 500);
  }
  EXPECT_EQ(lines[2].pen.color, 8421504u);
}

TEST(DrawMap, OnlyTheRequestedPartIsDrawn) {
  testing::RecordingMessageSink messages;
  const WorldMap map(std::string("> -b\n1.00\t2.00\n3.00\t4.00\nGrenze\n> -b\n20.00\t-5.00\n"
                                 "22.00\t-5.00\n"));
  using Run = std::vector<output::Point>;
  MapRequest r = PlainRequest();
  for (MapPart part : {MapPart::Coastlines, MapPart::Borders}) {
    r.part = part;
    RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
    DrawMap(sink, r, map, messages);
    const std::vector<Run> expected =
        part == MapPart::Coastlines ? std::vector<Run>{{{510, 480}, {530, 460}}}
                                    : std::vector<Run>{{{700, 550}, {720, 550}}};
    EXPECT_EQ(DrawnRuns(sink), expected);
  }
}

TEST(DrawMap, PointsOutsideTheLatitudeLongitudeWindowBreakThePolyline) {
  testing::RecordingMessageSink messages;
  const WorldMap map(std::string("> -b\n1.00\t2.00\n3.00\t4.00\n5.00\t6.00\n7.00\t8.00\n"));
  MapRequest r = PlainRequest();
  r.maxLatitude = 5;  // the point at 6° north is left out
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, r, map, messages);
  using Run = std::vector<output::Point>;
  EXPECT_EQ(DrawnRuns(sink), (std::vector<Run>{{{510, 480}, {530, 460}}}));
}

// A line that leaves the page window and comes back elsewhere is drawn to
// the window's edge and taken up where it re-enters: no chord across the page.
TEST(DrawMap, LinesLeavingThePageWindowAreClippedNotJoined) {
  testing::RecordingMessageSink messages;
  // Page 1000 x 1000: the window reaches from -100 to 1100 in x and y.
  // (0, 0) -> (70E, 0) leaves at the right; round the lower right corner
  // outside through (70E, 70S) to (0, 70S); (0, 70S) -> (0, 5S) comes in at
  // the bottom.
  const WorldMap map(std::string(
      "> -b\n0.00\t0.00\n70.00\t0.00\n70.00\t-70.00\n0.00\t-70.00\n0.00\t-5.00\n"));
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, PlainRequest(), map, messages);
  using Run = std::vector<output::Point>;
  EXPECT_EQ(DrawnRuns(sink),
            (std::vector<Run>{{{500, 500}, {1100, 500}}, {{500, 1100}, {500, 550}}}));
}

TEST(DrawMap, AnUnreadableLineIsReportedOnceAndTheRestIsDrawn) {
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(true);
  const WorldMap map(std::string("> -b\n1.00\t2.00\n3.0.0\t4.00\nabcdefghij\n5.00\t6.00\n"));
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, PlainRequest(), map, messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Problem);
  EXPECT_EQ(messages.shown[0].text, "3.0.0 / 4.00 : Das ist keine reelle Zahl.");
  using Run = std::vector<output::Point>;
  // "3.0.0" reads as 3.0; the line without numbers breaks the polyline.
  EXPECT_EQ(DrawnRuns(sink), (std::vector<Run>{{{510, 480}, {530, 460}}, {{550, 440}}}));
}

// ---- the projection ----------------------------------------------------------

// A dial at the pole: the equator lies on the projection's horizon (u = 0)
// and nothing beyond it is drawn; a line that dips below the horizon breaks.
TEST(DrawMap, PointsOnOrBeyondTheProjectionsHorizonAreNotDrawn) {
  testing::RecordingMessageSink messages;
  MapRequest r;
  r.projected = true;
  r.projection = PlaneProjection(90, 0, 0, 0);
  r.originX = 500;
  r.originY = 500;
  r.scale = 50;
  r.pageWidth = 1000;
  r.pageHeight = 1000;
  // 30°N, 0°N (the horizon), 30°S, 30°N again on other meridians.
  const WorldMap map(std::string("> -b\n0.00\t30.00\n10.00\t0.00\n20.00\t-30.00\n30.00\t30.00\n"
                                 "> -b\n40.00\t0.00\n50.00\t0.00\n"));
  RecordingPlotSink sink(SinkKind::Screen, 1000, 1000);
  DrawMap(sink, r, map, messages);
  const auto runs = DrawnRuns(sink);
  // Only the two 30°N points are drawn, each alone (no line joins them).
  ASSERT_EQ(runs.size(), 2u);
  for (const auto& run : runs) {
    ASSERT_EQ(run.size(), 1u);
    // 60° from the centre: 50 × tan 60° = 86.6 from the origin.
    EXPECT_NEAR(std::hypot(run[0].x - 500, run[0].y - 500), 50 * std::tan(60 * testing::kDeg), 1.0);
  }
}

struct PlaneCase {
  const char* name;
  double latitude, longitudeWest;  // the site
  double declination, inclination;
};

// Faces of every kind with the overlay: horizontal, vertical south and
// declining, inclined; both hemispheres.
const PlaneCase kPlanes[] = {
    {"horizontal at the default site", 47.251315, -9.590825, 0, 0},
    {"horizontal, southern hemisphere", -34, -18.4, 0, 0},
    {"vertical south wall", 47.25, -9.59, 0, 90},
    {"vertical wall declining 35 west", 47.25, -9.59, 35, 90},
    {"vertical wall declining 60 east", 52.5, 13.4, -60, 90},
    {"vertical north wall in the south", -33.9, -18.4, 170, 90},
    {"inclined 40, declining 20", 47.25, -9.59, 20, 40},
    {"reclining 125 (face tilted back past vertical)", 40, 75, -30, 125},
};

// Places around the world (longitude east, latitude).
const double kPlaces[][2] = {{0, 0},    {9.59, 47.25}, {-20, 30},  {30, -20}, {60, 10},
                             {-60, -40}, {120, 35},    {-75, 40},  {15, 60},  {-150, -10},
                             {100, -5},  {-40, 70},    {18.4, -33.9}};

// The shadow of the nodus on the face (x right, y up, mm) for a sun in the
// zenith of the place; false when that sun does not light the face.
bool ShadowForZenithSun(const FaceModel& face, const PlaneCase& c, double lonEast, double lat,
                        double& x, double& y) {
  // The sun above the place: declination = the place's latitude, hour angle
  // at the site = how far west of the site the place lies.
  const double hourAngle = (-lonEast) - c.longitudeWest;
  const Vec sun = face.Sun(lat, hourAngle);
  const double sn = testing::Dot(sun, face.normal);
  if (sn <= 1e-3) return false;
  const Vec shadow = face.gnomon * face.normal - (face.gnomon / sn) * sun;
  x = testing::Dot(shadow, face.ex);
  y = testing::Dot(shadow, face.ey);
  return true;
}

TEST(MapProjection, APlaceLandsWhereTheShadowFallsWithTheSunInItsZenith) {
  testing::RecordingMessageSink messages;
  const double g = 40, ppm = 10;  // 40 mm gnomon, 10 device units per mm
  for (const PlaneCase& c : kPlanes) {
    SCOPED_TRACE(c.name);
    const FaceModel face(c.latitude, c.declination, c.inclination, g);
    MapRequest r;
    r.projected = true;
    r.projection = PlaneProjection(c.latitude, c.longitudeWest, c.inclination, c.declination);
    r.originX = 5000;
    r.originY = 5000;
    r.scale = g * ppm;
    r.pageWidth = 10000;
    r.pageHeight = 10000;
    int checked = 0;
    for (const auto& place : kPlaces) {
      double x, y;
      const bool lit = ShadowForZenithSun(face, c, place[0], place[1], x, y);
      // One polyline per place: the place twice.
      char text[96];
      std::snprintf(text, sizeof text, "> -b\n%.4f\t%.4f\n%.4f\t%.4f\n", place[0], place[1],
                    place[0], place[1]);
      const WorldMap map{std::string(text)};
      RecordingPlotSink sink(SinkKind::Screen, 10000, 10000);
      DrawMap(sink, r, map, messages);
      const auto runs = DrawnRuns(sink);
      const bool onPage = lit && std::fabs(x * ppm) < 0.6 * 10000 - 1 &&
                          std::fabs(y * ppm) < 0.6 * 10000 - 1;
      SCOPED_TRACE("place " + std::to_string(place[0]) + " " + std::to_string(place[1]));
      if (!lit) {
        EXPECT_TRUE(runs.empty()) << "a sun behind the face throws no shadow on it";
        continue;
      }
      if (!onPage) continue;
      ASSERT_EQ(runs.size(), 1u);
      // Device units: y down.
      EXPECT_NEAR(runs[0][0].x, 5000 + x * ppm, 1.0);
      EXPECT_NEAR(runs[0][0].y, 5000 - y * ppm, 1.0);
      ++checked;
    }
    EXPECT_GE(checked, 3);
  }
}

TEST(MapProjection, TheSiteOfAHorizontalDialLandsOnTheGnomonFoot) {
  const struct {
    double latitude, longitudeWest;
  } sites[] = {{47.251315, -9.590825}, {-34, -18.4}, {0.5, 120}, {65, 150}};
  for (const auto& s : sites) {
    const MapProjection p = PlaneProjection(s.latitude, s.longitudeWest, 0, 0);
    const GnomonicXY xy = GnomonicPoint(p.centreLatitude, -p.centreLongitude, 40, p.rotation,
                                        s.latitude, -s.longitudeWest);
    EXPECT_NEAR(xy.x, 0, 1e-9);
    EXPECT_NEAR(xy.y, 0, 1e-9);
    EXPECT_FALSE(xy.beyondHorizon);
  }
}

// ---- the plot file -----------------------------------------------------------

class PlotMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kelvra_plotmap_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path Write(const std::string& name, const std::string& text) {
    const auto p = dir_ / name;
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
  std::filesystem::path dir_;
};

TEST_F(PlotMapTest, PolylinesBecomePenDownRuns) {
  testing::RecordingMessageSink messages;
  const auto file = Write("coast.dat",
                          "# a map file\r\n> -b\r\n  8.5   47.3\r\n10.00\t47.30\r\n> -b\r\n"
                          "0.00\t0.00\r\n-1.00\t-1.00\r\n");
  output::HpglWriter writer;
  MapRequest r = PlainRequest();
  r.originX = 8000;
  r.originY = 5000;
  r.scale = 100;
  r.pageWidth = 16157;
  r.pageHeight = 11038;
  ASSERT_TRUE(PlotMap(writer, file, 11, r, messages));
  // Plot units, y up: x = 8000 + 100 lon, y = 5000 + 100 lat.
  EXPECT_EQ(writer.Text(),
            ";SP 11;PU 0 0;SI  0.22, 0.32;SP 11"
            ";PU 8850 9730;PD     9000     9730 "
            ";PU 8000 5000;PD     7900     4900 ;");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PlotMapTest, AMissingFileIsReportedAndLeavesOnlyThePenSelection) {
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(false);
  output::HpglWriter writer;
  writer.SetPlotScale(25);
  const auto file = dir_ / "GrenzenKel.dat";
  EXPECT_FALSE(PlotMap(writer, file, 12, PlainRequest(), messages));
  EXPECT_EQ(writer.Text(), ";SP 12;PU 0 0;SI  5.50, 8.00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Information);
  EXPECT_EQ(messages.shown[0].text, "File " + file.string() + " is deactivated!");
  shell::SelectLanguage(true);
}

// The plot file puts the places where the canvas does, in plot units (y up).
TEST_F(PlotMapTest, PlottedPlacesLieWhereTheShadowFalls) {
  testing::RecordingMessageSink messages;
  const PlaneCase c = kPlanes[3];  // the declining vertical wall
  const double g = 40;
  const FaceModel face(c.latitude, c.declination, c.inclination, g);
  std::string text = "# places\n";
  std::vector<std::pair<double, double>> expected;
  for (const auto& place : kPlaces) {
    double x, y;
    if (!ShadowForZenithSun(face, c, place[0], place[1], x, y)) continue;
    if (std::fabs(x) > 150 || std::fabs(y) > 100) continue;  // well inside the page
    char line[96];
    std::snprintf(line, sizeof line, "> -b\n%.4f\t%.4f\n", place[0], place[1]);
    text += line;
    expected.emplace_back(8200 + x * 40, 6000 + y * 40);
  }
  ASSERT_GE(expected.size(), 3u);
  const auto file = Write("places.dat", text);
  output::HpglWriter writer;
  MapRequest r;
  r.projection = PlaneProjection(c.latitude, c.longitudeWest, c.inclination, c.declination);
  r.originX = 8200;
  r.originY = 6000;
  r.scale = g * 40;
  r.pageWidth = 16157;
  r.pageHeight = 11038;
  ASSERT_TRUE(PlotMap(writer, file, 11, r, messages));
  // Each place is one ";PU x y;PD " run after the second pen selection.
  std::vector<std::pair<double, double>> plotted;
  const std::string& t = writer.Text();
  const std::size_t points = t.find(";SP 11", 1);
  ASSERT_NE(points, std::string::npos);
  for (std::size_t pos = t.find(";PU ", points); pos != std::string::npos;
       pos = t.find(";PU ", pos + 1)) {
    double x, y;
    ASSERT_EQ(std::sscanf(t.c_str() + pos, ";PU %lf %lf", &x, &y), 2);
    plotted.emplace_back(x, y);
  }
  ASSERT_EQ(plotted.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(plotted[i].first, expected[i].first, 0.6);
    EXPECT_NEAR(plotted[i].second, expected[i].second, 0.6);
  }
}

}  // namespace
}  // namespace kelvra::dials::worldmap
