// `kelvra draw --set kind=q`, run in-process: every date scale and option
// into every format, the plot file as the family's writer makes it, the DXF
// at true size, the titles in both languages, and the refusal of temporal
// hours above 65 degrees (status 1, the message on stderr, no file).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/quadrant/quadrant_geometry.h"
#include "dials/quadrant/quadrant_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class QuadrantCommandTest : public DrawCommandFixture {};

struct Case {
  const char* name;
  std::vector<std::string> set;  // --set values
  const char* latitude;
};
const Case kCases[] = {
    {"calendar", {"quadrantDateScale=0"}, "47.25"},
    {"year", {"quadrantDateScale=0", "wholeYear=true", "altitudeWithEot=true"}, "47.25"},
    {"zodiac", {"quadrantDateScale=1", "juneOutside=true", "quadrantAzimuthLines=true"}, "-33.9"},
    {"gunter", {"quadrantDateScale=2", "quadrantMirrored=true"}, "52.5"},
    {"temporal", {"altitudeTemporal=true", "otherTemporalFrom=1", "otherTemporalTo=11"}, "62"},
    {"zone", {"zoneTime=true", "otherHoursFrom=6", "otherHoursTo=18", "otherHourInterval=4"},
     "47.25"},
};

std::vector<std::string> Args(const std::string& out, const Case& c, const char* lang) {
  std::vector<std::string> a = {"draw", "-o", out, "--set", "kind=q", "--lat", c.latitude,
                                "--lang", lang};
  for (const std::string& s : c.set) {
    a.push_back("--set");
    a.push_back(s);
  }
  return a;
}

TEST_F(QuadrantCommandTest, EveryScaleAndOptionIntoEveryFormat) {
  for (const Case& c : kCases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string(c.name) + ext);
      const Result r = Kelvra(Args(out, c, "en"));
      ASSERT_EQ(r.status, 0) << c.name << ext << ": " << r.err;
      EXPECT_GT(fs::file_size(out), 1000u) << c.name << ext;
    }
    const std::string dxf = ReadAll(File(std::string(c.name) + ".dxf"));
    EXPECT_EQ(dxf.find("nan"), std::string::npos) << c.name;
    EXPECT_EQ(dxf.find("inf"), std::string::npos) << c.name;
    const QImage png(QString::fromStdString(File(std::string(c.name) + ".png")));
    EXPECT_EQ(png.width(), 1400) << c.name;
  }
}

TEST_F(QuadrantCommandTest, ThePlotFileIsTheWritersText) {
  for (int scale : {0, 2}) {
    const Result r = Kelvra({"draw", "-o", File("q.plt"), "--set", "kind=q", "--set",
                             "quadrantDateScale=" + std::to_string(scale), "--lat", "-33.9",
                             "--lang", "de"});
    ASSERT_EQ(r.status, 0) << r.err;
    config::DialParameters p;
    p.kind = 'q';
    p.quadrantDateScale = scale;
    shell::SiteSettings site;
    site.latitude = -33.9;
    testing::RecordingMessageSink messages;
    shell::SelectLanguage(true);
    const dials::quadrant::Quadrant q = dials::quadrant::BuildQuadrant(site, p, messages);
    output::HpglWriter w;
    dials::quadrant::PlotQuadrant(w, q);
    EXPECT_EQ(ReadAll(File("q.plt")), w.Text()) << scale;
  }
}

// The titles and the time line come from the chosen language.
TEST_F(QuadrantCommandTest, TheTitleIsInTheChosenLanguage) {
  struct Title {
    const char* scale;
    const char* lang;
    const char* text;
  };
  const Title titles[] = {
      {"0", "de", "QUADRANT - SONNENUHR"},
      {"0", "en", "QUADRANT SUNDIAL"},
      {"2", "en", "Gunter - Quadrant"},
  };
  for (const Title& t : titles) {
    const Result r = Kelvra({"draw", "-o", File("t.plt"), "--set", "kind=q", "--set",
                             std::string("quadrantDateScale=") + t.scale, "--lang", t.lang});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadAll(File("t.plt")).find(t.text), std::string::npos) << t.lang << " " << t.text;
  }
}

// The DXF is at true size in millimetres: the quadrant's two straight edges
// are each its radius long, in both quadrants of the file, and nothing lies
// off the A3 sheet (404 x 276 mm), whose border would cut it. Two quadrants
// of 200 mm do not fit side by side.
TEST_F(QuadrantCommandTest, TheDxfIsAtTrueSizeAndOnTheSheet) {
  for (const char* size : {"80", "120", "150", "170", "200"}) {
    for (const char* mirrored : {"false", "true"}) {
      const std::string name = std::string(size) + " mm, mirrored " + mirrored;
      const Result r = Kelvra({"draw", "-o", File("q.dxf"), "--set", "kind=q", "--set",
                               std::string("quadrantSize=") + size, "--set",
                               std::string("quadrantMirrored=") + mirrored});
      ASSERT_EQ(r.status, 0) << r.err;
      const double radius = std::atof(size);
      const testing::DxfDrawing d = testing::ReadDxfDrawing(ReadAll(File("q.dxf")));
      int horizontal = 0, vertical = 0, offSheet = 0;
      for (const testing::DxfSegment& s : d.segments) {
        const double dx = std::abs(s.x2 - s.x1), dy = std::abs(s.y2 - s.y1);
        if (std::abs(dx - radius) < 0.05 && dy < 0.05) ++horizontal;
        if (std::abs(dy - radius) < 0.05 && dx < 0.05) ++vertical;
        for (double x : {s.x1, s.x2}) offSheet += x < -0.01 || x > 404.0;
        for (double y : {s.y1, s.y2}) offSheet += y < -0.01 || y > 276.0;
      }
      EXPECT_EQ(horizontal, 2) << name;
      EXPECT_EQ(vertical, 2) << name;
      EXPECT_EQ(offSheet, 0) << name;
    }
  }
}

TEST_F(QuadrantCommandTest, TemporalHoursRefusedAbove65Degrees) {
  for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
    const std::string out = File(std::string("refused") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=q", "--set",
                             "altitudeTemporal=true", "--lat", "65.5", "--lang", "en"});
    EXPECT_EQ(r.status, 1) << ext;
    EXPECT_NE(r.err.find("Temporal hours are not possible in this latitude!"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("no file was written"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << ext;
  }
  // Ordinary hours at the same latitude are drawn.
  EXPECT_EQ(Kelvra({"draw", "-o", File("ok.plt"), "--set", "kind=q", "--lat", "65.5"}).status, 0);
}

TEST_F(QuadrantCommandTest, OutOfRangeFieldsAreRefusedWithTheirRange) {
  const Result size = Kelvra({"draw", "-o", File("s.plt"), "--set", "kind=q", "--set",
                              "quadrantSize=79"});
  EXPECT_EQ(size.status, 2);
  EXPECT_NE(size.err.find("quadrantSize=79: out of range; allowed: 80 .. 200"), std::string::npos)
      << size.err;
  const Result scale = Kelvra({"draw", "-o", File("d.plt"), "--set", "kind=q", "--set",
                               "quadrantDateScale=3"});
  EXPECT_EQ(scale.status, 2);
  EXPECT_NE(scale.err.find("quadrantDateScale=3: out of range; allowed: 0 .. 2"), std::string::npos)
      << scale.err;
  EXPECT_FALSE(fs::exists(File("s.plt")));
  EXPECT_FALSE(fs::exists(File("d.plt")));
}

}  // namespace
}  // namespace kelvra::cli
