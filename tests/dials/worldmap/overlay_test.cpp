// The coastline and border overlay of the planar dials through the family
// seam: when it is drawn, in which colours, and where. Every drawn map vertex
// must be the shadow the nodus throws while the sun stands in the zenith of a
// place of the map: the test turns each vertex back into that place with an
// independent vector model of the face (face_model.h) and looks for it among
// the map's points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "dials/dial_job.h"
#include "dials/worldmap/map_overlay.h"
#include "dials/worldmap/world_map.h"
#include "face_model.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/resources.h"

namespace kelvra::dials {
namespace {

using output::OpType;
using output::RecordingPlotSink;
using testing::FaceModel;

constexpr output::Color kCoastColour = output::RgbColor(10, 20, 30);
constexpr output::Color kBorderColour = output::RgbColor(40, 50, 60);

DialInputs Inputs(char kind, double declination = 0, double inclination = 90) {
  DialInputs in;
  in.dial.kind = kind;
  in.dial.wallDeclination = declination;
  in.dial.inclination = inclination;
  in.ownDateLines = shell::DefaultOwnDateLines();
  in.colors.colors[10] = kCoastColour;
  in.colors.colors[11] = kBorderColour;
  return in;
}

struct Vertex {
  int x, y;
};

std::vector<Vertex> VerticesIn(const RecordingPlotSink& sink, output::Color colour) {
  std::vector<Vertex> v;
  for (const auto& op : sink.Ops()) {
    if ((op.type == OpType::MoveTo || op.type == OpType::LineTo) && op.pen.color == colour) {
      v.push_back({op.args[0], op.args[1]});
    }
  }
  return v;
}

TEST(MapOverlay, DrawnOnPlanarDialsWhenChosen) {
  struct Case {
    const char* name;
    char kind;
    bool umbrella, mapsEnabled, coastlines, borders;
    bool expectCoastlines, expectBorders;
  };
  const Case cases[] = {
      {"vertical, both parts", 'v', false, true, true, true, true, true},
      {"horizontal, coastlines only", 'h', false, true, true, false, true, false},
      {"inclining, borders only", 'i', false, true, false, true, false, true},
      {"maps switched off", 'v', false, false, true, true, false, false},
      {"neither part chosen", 'h', false, true, false, false, false, false},
      {"never on the umbrella dial", 'v', true, true, true, true, false, false},
  };
  testing::RecordingMessageSink messages;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DialInputs in = Inputs(c.kind, 10, 50);
    in.dial.umbrella = c.umbrella;
    in.mapsEnabled = c.mapsEnabled;
    in.drawCoastline = c.coastlines;
    in.drawBorders = c.borders;
    const DialJob job(in, messages);
    RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
    const output::DrawingView view = DefaultView(job.Kind(), 1400, 990, in.site.latitude);
    job.Draw(sink, view, false, output::PrintArea{});
    EXPECT_EQ(VerticesIn(sink, kCoastColour).size() > 100, c.expectCoastlines);
    EXPECT_EQ(VerticesIn(sink, kBorderColour).size() > 100, c.expectBorders);
    // The red cross of ±8 units marks the gnomon foot whenever a map is drawn.
    int crossArms = 0;
    for (const auto& op : sink.OpsOf(OpType::LineTo)) {
      if (op.pen.color != output::kRed) continue;
      if ((op.from.x + op.args[0]) / 2 == view.origin.x &&
          (op.from.y + op.args[1]) / 2 == view.origin.y &&
          std::abs(op.args[0] - op.from.x) + std::abs(op.args[1] - op.from.y) == 16) {
        ++crossArms;
      }
    }
    EXPECT_EQ(crossArms > 0, c.expectCoastlines || c.expectBorders);

    output::HpglWriter plot;
    job.WritePlot(plot, view, std::nullopt, nullptr, "kel.plt");
    const std::string dialHeader = output::StandardHeaderText(1);
    const bool mapFirst = plot.Text().rfind(output::MapHeaderText(1, c.expectCoastlines ? 11 : 12), 0) == 0;
    EXPECT_EQ(mapFirst, c.expectCoastlines || c.expectBorders);
    // The dial follows the map, or stands alone.
    const std::size_t dial = plot.Text().find(dialHeader);
    ASSERT_NE(dial, std::string::npos);
    const std::string mapPart = plot.Text().substr(0, dial);
    EXPECT_EQ(mapPart.find(";SP 11;PU 0 0;SI") != std::string::npos, c.expectCoastlines);
    EXPECT_EQ(mapPart.find(";SP 12;PU 0 0;SI") != std::string::npos, c.expectBorders);
  }
  EXPECT_TRUE(messages.shown.empty());
}

// ---- where the map lands ----------------------------------------------------

struct Place {
  double lat, lonEast;
};

std::vector<Place> PlacesOf(const worldmap::WorldMap& map, std::size_t begin, std::size_t end) {
  std::vector<Place> places;
  for (std::size_t i = begin; i < end; ++i) {
    const auto& m = map.Read(i);
    if (m.kind == worldmap::MapLine::Kind::Point) places.push_back({m.latitude, -m.longitude});
  }
  return places;
}

// Angular distance in degrees to the nearest of `places`.
double NearestPlace(const std::vector<Place>& places, double lat, double lonEast) {
  const double k = testing::kDeg;
  const double cl = std::cos(lat * k), sl = std::sin(lat * k);
  double best = -2;
  for (const Place& p : places) {
    const double c = sl * std::sin(p.lat * k) + cl * std::cos(p.lat * k) * std::cos((lonEast - p.lonEast) * k);
    if (c > best) best = c;
  }
  return std::acos(std::min(1.0, best)) / k;
}

// The place whose zenith sun throws the nodus's shadow on face point (x, y) mm.
Place PlaceOfShadow(const FaceModel& face, double siteLongitudeWest, double x, double y) {
  double delta, H;
  face.SunFromShadow(x, y, delta, H);
  double lonWest = siteLongitudeWest + H;
  lonWest = std::remainder(lonWest, 360.0);
  return {delta, -lonWest};
}

struct Plane {
  const char* name;
  char kind;
  double latitude, longitudeWest, declination, inclination;
};

const Plane kPlanes[] = {
    {"vertical south wall declining 11.7 east (the default dial)", 'v', 47.251315, -9.590825, -11.7, 90},
    {"horizontal, southern hemisphere", 'h', -34, -18.4, 0, 0},
    {"vertical wall declining 50 west", 'v', 52.5, -13.4, 50, 90},
    {"inclining 35, declining 20", 'i', 40, 75, 20, 35},
};

TEST(MapOverlay, EveryDrawnVertexIsTheShadowOfAMapPlace) {
  testing::RecordingMessageSink messages;
  const worldmap::WorldMap& map = worldmap::LoadWorldMap();
  const auto coast = PlacesOf(map, map.PartBegin(worldmap::MapPart::Coastlines),
                              map.PartEnd(worldmap::MapPart::Coastlines));
  const auto borders = PlacesOf(map, map.PartBegin(worldmap::MapPart::Borders),
                                map.PartEnd(worldmap::MapPart::Borders));
  for (const Plane& p : kPlanes) {
    SCOPED_TRACE(p.name);
    DialInputs in = Inputs(p.kind, p.declination, p.inclination);
    in.site.latitude = p.latitude;
    in.site.longitude = p.longitudeWest;
    in.zoom = 3;  // a 105 mm gnomon: a device unit is a few hundredths of a degree
    const DialJob job(in, messages);
    // The printed page (0.1 mm units, 10 per mm), foot in its middle.
    RecordingPlotSink sink(output::SinkKind::Printer, 4000, 3000);
    output::DrawingView view = DefaultView(job.Kind(), 4000, 3000, p.latitude);
    view.origin = {2000, 1500};
    job.Draw(sink, view, false, output::PrintArea{});
    const double g = 105, ppm = 10;
    const FaceModel face(p.latitude, p.declination, p.kind == 'v' ? 90 : p.inclination, g);
    for (const auto& [colour, places] : {std::pair{kCoastColour, &coast}, std::pair{kBorderColour, &borders}}) {
      int checked = 0, matched = 0;
      for (const Vertex& v : VerticesIn(sink, colour)) {
        if (v.x <= 0 || v.x >= 4000 || v.y <= 0 || v.y >= 3000) continue;  // clip points
        if (++checked % 7 != 0) continue;  // a sample is enough
        const Place q = PlaceOfShadow(face, p.longitudeWest, (v.x - 2000) / ppm, (1500 - v.y) / ppm);
        if (NearestPlace(*places, q.lat, q.lonEast) < 0.1) ++matched;
      }
      EXPECT_GT(checked, 300);
      EXPECT_GE(matched, (checked / 7) * 99 / 100) << "of " << checked / 7;
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

// The plot file's map part, from the low-resolution data file, at the
// writer's default origin (kind v: 8200, 11000 plot units; 40 units per mm).
TEST(MapOverlay, PlottedVerticesAreShadowsOfPlacesOfTheDataFile) {
  testing::RecordingMessageSink messages;
  std::ifstream in(std::filesystem::path(shell::DataFolder()) / std::string(worldmap::kCoastlineFile),
                   std::ios::binary);
  ASSERT_TRUE(in);
  const worldmap::WorldMap file{std::string(std::istreambuf_iterator<char>(in), {})};
  const auto coast = PlacesOf(file, 0, file.LineCount());
  const Plane& p = kPlanes[0];
  DialInputs inputs = Inputs('v', p.declination);
  inputs.drawBorders = false;
  const DialJob job(inputs, messages);
  output::HpglWriter plot;
  job.WritePlot(plot, DefaultView(job.Kind(), 1400, 990, p.latitude), std::nullopt, nullptr,
                "kel.plt");
  const std::string& t = plot.Text();
  const std::size_t begin = t.find(";SP 11;PU ", 10), end = t.find(output::StandardHeaderText(1));
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  // Every number pair after ";PU " or ";PD " up to the next ";".
  std::vector<std::pair<double, double>> vertices;
  for (std::size_t i = begin + 6; i < end;) {
    if (t.compare(i, 4, ";PU ") == 0 || t.compare(i, 4, ";PD ") == 0) {
      i += 4;
      double x, y;
      int used;
      while (i < end && t[i] != ';' && std::sscanf(t.c_str() + i, "%lf %lf %n", &x, &y, &used) == 2) {
        vertices.emplace_back(x, y);
        i += static_cast<std::size_t>(used);
      }
    } else {
      ++i;
    }
  }
  const FaceModel face(p.latitude, p.declination, 90, 35);
  int checked = 0, matched = 0;
  for (std::size_t k = 0; k < vertices.size(); k += 23) {
    const auto [x, y] = vertices[k];
    if (x <= 0 || x >= 16157 || y <= 0 || y >= 11038) continue;
    ++checked;
    const Place q = PlaceOfShadow(face, p.longitudeWest, (x - 8200) / 40, (y - 11000) / 40);
    if (NearestPlace(coast, q.lat, q.lonEast) < 0.1) ++matched;
  }
  EXPECT_GT(checked, 200);
  EXPECT_GE(matched, checked * 99 / 100);
}

// ---- missing data files -------------------------------------------------------

class MissingMapFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("kelvra_maps_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_ / "maps");
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Put(std::string_view name) {
    std::ofstream(dir_ / std::string(name), std::ios::binary) << "> -b\r\n8.50\t47.30\r\n9.50\t47.30\r\n";
  }
  std::string Folder() const { return dir_.string() + "/"; }
  std::filesystem::path dir_;
};

TEST_F(MissingMapFiles, TheMissingPartIsReportedAndLeftOut) {
  struct Case {
    const char* name;
    bool coastFile, borderFile;
    const char* expectedStart;  // the plot text begins with
    std::vector<std::string> messages;
  };
  shell::SelectLanguage(true);
  const std::string deactivated = "Datei " + (dir_ / "maps/GrenzenKel.dat").string() + " wurde deaktiviert!";
  const std::string coastMissing =
      "Die Datei coastKel.dat fehlt. Küstenlinien können nicht angezeigt werden";
  const Case cases[] = {
      {"both files there", true, true, "IN;VS 1;PA;IW 0 0 16157 11038;SP 11;", {}},
      {"no coastline file", false, true, "IN;VS 1;PA;IW 0 0 16157 11038;SP 12;", {coastMissing}},
      {"no border file", true, false, "IN;VS 1;PA;IW 0 0 16157 11038;SP 11;", {deactivated}},
      {"neither file", false, false, "IN;VS 1;PA;IW 0 0 16157 11038;SP 12;", {coastMissing, deactivated}},
  };
  worldmap::MapOverlay overlay;
  overlay.coastlines = overlay.borders = true;
  overlay.projection = worldmap::PlaneProjection(47.25, -9.59, 0, 0);
  overlay.gnomonMm = 35;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir_ / "maps");
    std::filesystem::create_directories(dir_ / "maps");
    if (c.coastFile) Put(worldmap::kCoastlineFile);
    if (c.borderFile) Put(worldmap::kBordersFile);
    testing::RecordingMessageSink messages;
    output::HpglWriter plot;
    worldmap::PlotMapOverlay(plot, overlay, 8200, 4000, Folder(), messages);
    EXPECT_EQ(plot.Text().rfind(c.expectedStart, 0), 0u) << plot.Text();
    ASSERT_EQ(messages.shown.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_EQ(messages.shown[i].text, c.messages[i]);
      EXPECT_EQ(messages.shown[i].kind, shell::MessageKind::Information);
    }
    EXPECT_EQ(plot.Text().find(";SP 11;PU 0 0;SI") != std::string::npos, c.coastFile);
  }
}

}  // namespace
}  // namespace kelvra::dials
