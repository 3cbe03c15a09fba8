// `kelvra draw --set kind=r`, run in-process: every option into every
// format without a NaN, the plot file as the family's writer makes it, the
// DXF at true size, the title in both languages, and the refusals (temporal
// hours above 65 degrees, a ring too big for the drawing: status 1, no file).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
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
#include "dials/ring/ring_geometry.h"
#include "dials/ring/ring_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class RingCommandTest : public DrawCommandFixture {};

struct Case {
  const char* name;
  std::vector<std::string> set;  // --set values
  const char* latitude;
};
const Case kCases[] = {
    {"default", {}, "47.25"},
    {"oneband", {"wholeYear=true", "ringNoonHorizontal=false", "italianHours=true",
                 "babylonianHours=true", "ringItalianPart=2"}, "-33.9"},
    {"deflected", {"wholeYear=true", "ringLightDeflection=2", "ringHoleOffset=8",
                   "otherHourInterval=4"}, "62"},
    {"temporal", {"altitudeTemporal=true", "ringLocalTime=false", "otherTemporalFrom=0",
                  "otherTemporalTo=12", "ringLightDeflection=1"}, "-50"},
    {"tropics", {"ringDiameter=40", "ringWidth=4.5", "ringHoleAngle=90"}, "5"},
};

std::vector<std::string> Args(const std::string& out, const Case& c, const char* lang) {
  std::vector<std::string> a = {"draw", "-o", out, "--set", "kind=r", "--lat", c.latitude,
                                "--lang", lang};
  for (const std::string& s : c.set) {
    a.push_back("--set");
    a.push_back(s);
  }
  return a;
}

TEST_F(RingCommandTest, EveryOptionIntoEveryFormat) {
  for (const Case& c : kCases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string(c.name) + ext);
      const Result r = Kelvra(Args(out, c, "en"));
      ASSERT_EQ(r.status, 0) << c.name << ext << ": " << r.err;
      EXPECT_GT(fs::file_size(out), 1000u) << c.name << ext;
    }
    for (const char* ext : {".plt", ".dxf", ".svg"}) {
      const std::string text = ReadAll(File(std::string(c.name) + ext));
      EXPECT_EQ(text.find("nan"), std::string::npos) << c.name << ext;
      EXPECT_EQ(text.find("inf"), std::string::npos) << c.name << ext;
    }
    const QImage png(QString::fromStdString(File(std::string(c.name) + ".png")));
    EXPECT_EQ(png.width(), 1400) << c.name;
  }
}

TEST_F(RingCommandTest, ThePlotFileIsTheWritersText) {
  const Result r = Kelvra(Args(File("r.plt"), kCases[1], "de"));
  ASSERT_EQ(r.status, 0) << r.err;
  config::DialParameters p;
  p.kind = 'r';
  p.wholeYear = true;
  p.ringNoonHorizontal = false;
  p.italianHours = p.babylonianHours = true;
  p.ringItalianPart = 2;
  shell::SiteSettings site;
  site.latitude = -33.9;
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(true);
  const dials::ring::RingDial d = dials::ring::BuildRingDial(site, p, messages);
  output::HpglWriter w;
  dials::ring::PlotRingDial(w, d);
  EXPECT_EQ(ReadAll(File("r.plt")), w.Text());
}

TEST_F(RingCommandTest, TheTitleIsInTheChosenLanguage) {
  for (const auto& [lang, title] : {std::pair{"de", "Ring-Sonnenuhr (Bauernring):"},
                                    std::pair{"en", "Ring Dial (Farmers\xB4 Ring):"}}) {
    const Result r = Kelvra({"draw", "-o", File("t.plt"), "--set", "kind=r", "--lang", lang});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadAll(File("t.plt")).find(title), std::string::npos) << lang;
  }
}

// The DXF is at true size in millimetres: the band's outline is half the
// ring's inner circumference long and the ring's width wide.
TEST_F(RingCommandTest, TheDxfIsAtTrueSize) {
  for (const char* diameter : {"60", "150"}) {
    const Result r = Kelvra({"draw", "-o", File("r.dxf"), "--set", "kind=r", "--set",
                             std::string("ringDiameter=") + diameter, "--set", "ringWidth=30"});
    ASSERT_EQ(r.status, 0) << r.err;
    const double length = std::numbers::pi * std::atof(diameter) / 2;
    const testing::DxfDrawing d = testing::ReadDxfDrawing(ReadAll(File("r.dxf")));
    int along = 0, across = 0;
    for (const testing::DxfSegment& s : d.segments) {
      const double dx = std::abs(s.x2 - s.x1), dy = std::abs(s.y2 - s.y1);
      if (std::abs(dx - length) < 0.05 && dy < 0.05) ++along;
      if (std::abs(dy - 30) < 0.05 && dx < 0.05) ++across;
    }
    EXPECT_GE(along, 4) << diameter;   // two bands, upper and lower edges
    EXPECT_GE(across, 4) << diameter;  // their ends
  }
}

TEST_F(RingCommandTest, RefusalsWriteNoFile) {
  struct Refusal {
    std::vector<std::string> set;
    const char* latitude;
    const char* message;  // on stderr, empty when only the summary line
  };
  const Refusal refusals[] = {
      {{"altitudeTemporal=true"}, "65.5", "Temporal hours are not possible in this latitude!"},
      {{"ringDiameter=250"}, "47", ""},
  };
  for (const Refusal& f : refusals) {
    for (const char* ext : {".plt", ".png"}) {
      const std::string out = File(std::string("refused") + ext);
      std::vector<std::string> args = {"draw", "-o", out, "--set", "kind=r", "--lat", f.latitude,
                                       "--lang", "en"};
      for (const std::string& s : f.set) {
        args.push_back("--set");
        args.push_back(s);
      }
      const Result r = Kelvra(args);
      EXPECT_EQ(r.status, 1) << ext;
      EXPECT_NE(r.err.find(f.message), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("no file was written"), std::string::npos) << r.err;
      EXPECT_FALSE(fs::exists(out)) << ext;
    }
  }
}

}  // namespace
}  // namespace kelvra::cli

namespace kelvra::cli {
namespace {

// The correction table: drawn into a picture or page, and its table file
// written into the working folder in Windows-1252 with CR LF, one row per sun
// altitude where the relative offset reaches 1, the third column labelled
// with what it holds (J).
TEST_F(RingCommandTest, TheCorrectionTableAndItsFile) {
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  for (const char* ext : {".svg", ".pdf", ".png"}) {
    fs::remove(dir_ / dials::ring::kOffsetTableFile);
    const std::string out = File(std::string("table") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=r", "--correction-table",
                             "--lang", "en"});
    ASSERT_EQ(r.status, 0) << ext << ": " << r.err;
    EXPECT_GT(fs::file_size(out), 1000u) << ext;
    ASSERT_TRUE(fs::exists(dir_ / dials::ring::kOffsetTableFile)) << ext;
  }
  const std::string svg = ReadAll(File("table.svg"));
  EXPECT_NE(svg.find("Data in file"), std::string::npos);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  const std::string table = ReadAll(dir_ / dials::ring::kOffsetTableFile);
  fs::current_path(before);
  EXPECT_EQ(table.rfind("Ring Dial - Offset Correction\r\n  (alpha=30.0deg)\r\n", 0), 0u) << table;
  EXPECT_EQ(table.find("yd="), std::string::npos);
  // The first row: the sun on the horizon, where the spot's height over the
  // radius J is the cosine of the hole angle (cos 30 degrees = 0.866025).
  EXPECT_NE(table.find("   hsun= 0.0\xB0   J= 0.866025   beta= 0.0000\r\n"), std::string::npos)
      << table;
  int rows = 0;
  for (std::size_t at = table.find("rel. offset="); at != std::string::npos;
       at = table.find("rel. offset=", at + 1)) {
    ++rows;
  }
  EXPECT_GE(rows, 20);  // up to about 60 degrees the spot reaches the relative offset 1
}

TEST_F(RingCommandTest, TheCorrectionTableOptionIsRefusedWhereItHasNoPlace) {
  const Result plot = Kelvra({"draw", "-o", File("t.plt"), "--set", "kind=r", "--correction-table"});
  EXPECT_EQ(plot.status, 2);
  EXPECT_NE(plot.err.find("--correction-table: the correction table is drawn into .png"),
            std::string::npos) << plot.err;
  const Result quadrant = Kelvra({"draw", "-o", File("t.svg"), "--set", "kind=q", "--correction-table"});
  EXPECT_EQ(quadrant.status, 2);
  EXPECT_NE(quadrant.err.find("only the ring dial (kind=r) has a correction table"),
            std::string::npos) << quadrant.err;
  EXPECT_FALSE(fs::exists(File("t.plt")));
  EXPECT_FALSE(fs::exists(File("t.svg")));
}

}  // namespace
}  // namespace kelvra::cli
