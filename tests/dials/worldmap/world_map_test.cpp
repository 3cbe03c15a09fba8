// Reading the map text: point lines, breaks, the two parts, and the map data
// the program carries (built in and the plot writers' files).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dials/worldmap/world_map.h"
#include "shell/catalog.h"
#include "shell/resources.h"

namespace kelvra::dials::worldmap {
namespace {

struct LineCase {
  const char* name;
  const char* line;
  MapLine::Kind kind;
  double longitudeWest;  // expected, when a point
  double latitude;
  bool unreadable;
};

TEST(MapLines, PointsBreaksAndUnreadableNumbers) {
  using K = MapLine::Kind;
  const LineCase cases[] = {
      // The data-file example: two blanks, 8.5, three blanks, 47.3 is 8.5° east.
      {"leading blanks, east longitude", "  8.5   47.3", K::Point, -8.5, 47.3, false},
      {"tab separated", "-122.42\t37.77", K::Point, 122.42, 37.77, false},
      {"explicit plus signs", "+10.00\t+5.25", K::Point, -10.0, 5.25, false},
      {"CR of a Windows line end", "11.00\t78.53\r", K::Point, -11.0, 78.53, false},
      {"any separator", "12.25 ; -3.50", K::Point, -12.25, -3.5, false},
      {"polyline separator", "> -b", K::Break, 0, 0, false},
      {"shorter than 8 characters", "1.5\t2.5", K::Break, 0, 0, false},
      {"blank line", "", K::Break, 0, 0, false},
      {"only blanks before a short text", "          1.5 2.5", K::Break, 0, 0, false},
      {"comment of a data file", "# GSHHG 2.3.7 coastlines", K::Break, 0, 0, false},
      {"long header line", "> Shore Bin # 0, Level 1", K::Break, 0, 0, false},
      {"line starting with <", "<Polyline 17 of the map>", K::Break, 0, 0, false},
      {"part separator", "Grenze", K::Break, 0, 0, false},
      // A number text that reads only in part: the message is due, the point
      // is taken as far as it reads.
      {"second decimal point", "12.5.3\t47.25", K::Point, -12.5, 47.25, true},
      {"sign inside the number", "12.5\t47-25", K::Point, -12.5, 47.0, true},
      // Nothing readable: no point is made up.
      {"no number at all", "abcdefgh ijk", K::Break, 0, 0, true},
      {"only one number", "12345678", K::Break, 0, 0, true},
      {"double sign", "--12.50\t4.00", K::Break, 0, 0, true},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MapLine m = ReadMapLine(c.line);
    EXPECT_EQ(m.kind, c.kind);
    EXPECT_EQ(m.unreadable, c.unreadable);
    if (c.kind == K::Point) {
      EXPECT_DOUBLE_EQ(m.longitude, c.longitudeWest);
      EXPECT_DOUBLE_EQ(m.latitude, c.latitude);
    }
  }
}

TEST(MapLines, UnreadableLineMessageNamesBothTexts) {
  shell::SelectLanguage(true);
  EXPECT_EQ(UnreadableLineMessage("  12.5.3\t47.25"), "12.5.3 / 47.25 : Das ist keine reelle Zahl.");
  shell::SelectLanguage(false);
  EXPECT_EQ(UnreadableLineMessage("abc\t1"), " / 1 : This is not a real number !");
  shell::SelectLanguage(true);
}

TEST(WorldMapParts, TheGrenzeLineSeparatesCoastlinesFromBorders) {
  struct Case {
    const char* name;
    const char* text;
    std::size_t coastBegin, coastEnd, borderBegin, borderEnd;
  };
  const Case cases[] = {
      {"both parts", "> -b\n1.00\t2.00\n3.00\t4.00\nGrenze\n> -b\n5.00\t6.00\n", 0, 3, 4, 6},
      {"CR LF lines", "> -b\r\n1.00\t2.00\r\nGrenze\r\n5.00\t6.00\r\n", 0, 2, 3, 4},
      {"no Grenze line: all coastlines", "> -b\n1.00\t2.00\n3.00\t4.00", 0, 3, 3, 3},
      {"Grenze as the last line", "1.00\t2.00\nGrenze", 0, 1, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WorldMap map{std::string(c.text)};
    EXPECT_EQ(map.PartBegin(MapPart::Coastlines), c.coastBegin);
    EXPECT_EQ(map.PartEnd(MapPart::Coastlines), c.coastEnd);
    EXPECT_EQ(map.PartBegin(MapPart::Borders), c.borderBegin);
    EXPECT_EQ(map.PartEnd(MapPart::Borders), c.borderEnd);
  }
}

// What every map the program carries must satisfy: no unreadable line, every
// point on the globe, polylines of at least one segment, and (checked by the
// caller) where its parts begin.
struct MapSummary {
  std::size_t points = 0;
  std::size_t polylines = 0;
  std::size_t unreadable = 0;
  std::size_t outside = 0;
};

MapSummary Summarize(const WorldMap& map, std::size_t begin, std::size_t end) {
  MapSummary s;
  bool inPolyline = false;
  for (std::size_t i = begin; i < end; ++i) {
    const MapLine& m = map.Read(i);
    if (m.unreadable) ++s.unreadable;
    if (m.kind != MapLine::Kind::Point) {
      inPolyline = false;
      continue;
    }
    ++s.points;
    if (!inPolyline) ++s.polylines;
    inPolyline = true;
    if (std::fabs(m.latitude) > 90 || std::fabs(m.longitude) > 180) ++s.outside;
  }
  return s;
}

TEST(WorldMapData, TheBuiltInMapHasBothPartsAndReadsCleanly) {
  const WorldMap& map = LoadWorldMap();
  ASSERT_GT(map.LineCount(), 1000u);
  // It starts with a break line, so its first point starts a polyline.
  EXPECT_EQ(map.Line(0), "> -b");
  ASSERT_LT(map.BorderMark(), map.LineCount());
  EXPECT_EQ(map.Line(map.BorderMark()), "Grenze");
  for (MapPart part : {MapPart::Coastlines, MapPart::Borders}) {
    SCOPED_TRACE(part == MapPart::Coastlines ? "coastlines" : "borders");
    const MapSummary s = Summarize(map, map.PartBegin(part), map.PartEnd(part));
    EXPECT_GT(s.polylines, 100u);
    EXPECT_GT(s.points, 2 * s.polylines);
    EXPECT_EQ(s.unreadable, 0u);
    EXPECT_EQ(s.outside, 0u);
  }
}

TEST(WorldMapData, ThePlotWritersFilesLieInTheDataFolderAndReadCleanly) {
  for (const auto name : {kCoastlineFile, kBordersFile}) {
    SCOPED_TRACE(std::string(name));
    const std::filesystem::path file = std::filesystem::path(shell::DataFolder()) / std::string(name);
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Windows text lines, and the source named in "#" lines at the top.
    EXPECT_NE(text.find("GSHHG"), std::string::npos);
    EXPECT_EQ(text.rfind("\r\n"), text.size() - 2);
    const WorldMap map(std::move(text));
    EXPECT_EQ(map.BorderMark(), map.LineCount()) << "a data file holds one part";
    const MapSummary s = Summarize(map, 0, map.LineCount());
    EXPECT_GT(s.polylines, 100u);
    EXPECT_EQ(s.unreadable, 0u);
    EXPECT_EQ(s.outside, 0u);
  }
}

}  // namespace
}  // namespace kelvra::dials::worldmap
