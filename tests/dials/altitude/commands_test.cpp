// `kelvra draw` for the altitude and cylinder dials: every dial in every
// format, the refusal of temporal hours above 65 degrees (status 1, the
// message on stderr, no file), and the plot file at true size: the sheet of
// the shepherd's dial is the month scale wide, the hat dial's sheet goes once
// round the cylinder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "output/hpgl_writer.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class AltitudeCommandsTest : public DrawCommandFixture {};

struct Dial {
  const char* name;
  std::vector<std::string> set;
  bool plotFile;
};
const Dial kDials[] = {
    {"k", {"--set", "kind=k"}, true},
    {"b", {"--set", "kind=b"}, false},
    {"z0", {"--set", "kind=z", "--set", "cylinderVariant=0"}, true},
    {"z1", {"--set", "kind=z", "--set", "cylinderVariant=1"}, true},
    {"z2", {"--set", "kind=z", "--set", "cylinderVariant=2"}, true},
};

std::vector<std::string> Args(const std::string& out, const Dial& d, std::vector<std::string> more = {}) {
  std::vector<std::string> a{"draw", "-o", out};
  a.insert(a.end(), d.set.begin(), d.set.end());
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

TEST_F(AltitudeCommandsTest, EveryDialIsWrittenInEveryFormat) {
  for (const Dial& d : kDials) {
    for (const char* ext : {".png", ".svg", ".pdf", ".plt", ".dxf"}) {
      const std::string file = File(std::string(d.name) + ext);
      const auto r = Kelvra(Args(file, d, {"--lang", "en"}));
      const bool plot = std::string(ext) == ".plt" || std::string(ext) == ".dxf";
      if (plot && !d.plotFile) {
        // Kind b has no plot writer.
        EXPECT_EQ(r.status, 1) << d.name << ext;
        EXPECT_NE(r.err.find("has no plot file"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(file));
        continue;
      }
      ASSERT_EQ(r.status, 0) << d.name << ext << ": " << r.err;
      ASSERT_TRUE(fs::exists(file)) << d.name << ext;
      EXPECT_GT(fs::file_size(file), 1000u) << d.name << ext;
      if (std::string(ext) == ".plt") {
        const std::string text = ReadAll(file);
        EXPECT_EQ(text.rfind(output::StandardHeaderText(1), 0), 0u) << d.name;
        EXPECT_EQ(text.substr(text.size() - 7), ";IW;IN;") << d.name;
        EXPECT_EQ(text.find('\n'), std::string::npos) << d.name;
      }
      if (std::string(ext) == ".png") {
        const QImage image(QString::fromStdString(file));
        EXPECT_EQ(image.width(), 1400) << d.name;
        // Something besides the white page and the frame.
        int inked = 0;
        for (int y = 0; y < image.height(); y += 4) {
          for (int x = 4; x < image.width() - 4; x += 4) inked += image.pixel(x, y) != qRgb(255, 255, 255);
        }
        EXPECT_GT(inked, 500) << d.name;
      }
    }
  }
}

TEST_F(AltitudeCommandsTest, TemporalHoursAbove65DegreesWriteNoFile) {
  for (const Dial& d : kDials) {
    const std::string temporal = d.name[0] == 'z' ? "temporalHours=true" : "altitudeTemporal=true";
    for (const char* ext : {".png", ".pdf", ".plt"}) {
      if (std::string(ext) == ".plt" && !d.plotFile) continue;
      const std::string file = File(std::string("refused_") + d.name + ext);
      const auto r = Kelvra(Args(file, d, {"--set", temporal, "--lat", "66", "--lang", "en"}));
      EXPECT_EQ(r.status, 1) << d.name << ext;
      EXPECT_NE(r.err.find("Temporal hours are not possible in this latitude!"), std::string::npos)
          << d.name << ext << ": " << r.err;
      EXPECT_FALSE(fs::exists(file)) << d.name << ext;
    }
    // At 65 degrees they are drawn.
    const auto ok = Kelvra(Args(File(std::string("at65_") + d.name + ".png"), d, {"--set", temporal, "--lat", "65"}));
    EXPECT_EQ(ok.status, 0) << d.name << ": " << ok.err;
  }
}

// The rectangles (closed PD polylines of four corners) of a plot file, as
// width x height in plot units.
std::vector<std::pair<long, long>> Rectangles(const std::string& plot) {
  std::vector<std::pair<long, long>> out;
  const std::regex re("PU (-?\\d+) (-?\\d+);PD (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+);");
  for (auto it = std::sregex_iterator(plot.begin(), plot.end(), re); it != std::sregex_iterator(); ++it) {
    long v[10];
    for (int i = 0; i < 10; ++i) v[i] = std::stol((*it)[i + 1]);
    if (v[0] != v[8] || v[1] != v[9]) continue;
    out.emplace_back(std::labs(v[2] - v[0]), std::labs(v[5] - v[1]));
  }
  return out;
}

bool HasWidth(const std::vector<std::pair<long, long>>& rects, long width) {
  for (const auto& r : rects) {
    if (std::labs(r.first - width) <= 1) return true;
  }
  return false;
}

TEST_F(AltitudeCommandsTest, PlotFileIsAtTrueSize) {
  // 40 plot units per millimetre.
  struct Row {
    const char* what;
    std::vector<std::string> set;
    long width;  // plot units
  } rows[] = {
      {"shepherd's month scale 200 mm", {"--set", "kind=z", "--set", "cylinderVariant=0", "--set", "monthScaleLength=200"}, 8000},
      {"shepherd's month scale 120 mm", {"--set", "kind=z", "--set", "cylinderVariant=0", "--set", "monthScaleLength=120"}, 4800},
      {"hat dial round a cylinder of 240 mm", {"--set", "kind=z", "--set", "cylinderVariant=1", "--set", "monthScaleLength=240"}, 9600},
      {"altitude dial plate 150 mm", {"--set", "kind=k", "--set", "hidokeiScaleLength=150"}, 6000},
  };
  for (const Row& r : rows) {
    std::vector<std::string> a{"draw", "-o", File("size.plt")};
    a.insert(a.end(), r.set.begin(), r.set.end());
    const auto res = Kelvra(a);
    ASSERT_EQ(res.status, 0) << r.what << ": " << res.err;
    EXPECT_TRUE(HasWidth(Rectangles(ReadAll(File("size.plt"))), r.width)) << r.what;
  }
}

TEST_F(AltitudeCommandsTest, ShepherdPlotPutsMorningAndAfternoonOnTwoStrips) {
  // A strip narrower than 183 mm: a second one at x = 8350.
  auto r = Kelvra({"draw", "-o", File("two.plt"), "--set", "kind=z", "--set", "monthScaleLength=150",
                   "--set", "zoneTime=true"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string two = ReadAll(File("two.plt"));
  EXPECT_NE(two.find("PU 8350 "), std::string::npos);
  // A wide strip holds both halves; with mean time across noon that is worth
  // the hint to print it in two parts.
  r = Kelvra({"draw", "-o", File("one.plt"), "--set", "kind=z", "--set", "monthScaleLength=220", "--set",
              "constructWithEot=true", "--set", "otherHoursFrom=9", "--set", "otherHoursTo=15"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadAll(File("one.plt")).find("PU 8350 "), std::string::npos);
  EXPECT_NE(r.err.find("in 2 Teilen"), std::string::npos) << r.err;
}

TEST_F(AltitudeCommandsTest, TextsFollowTheLanguage) {
  struct Row {
    const char* lang;
    const char* title;
  } rows[] = {{"de", "Hirtensonnenuhr"}, {"en", "Shepherds"}};
  for (const Row& row : rows) {
    const auto r = Kelvra({"draw", "-o", File("lang.plt"), "--set", "kind=z", "--lang", row.lang});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadAll(File("lang.plt")).find(row.title), std::string::npos) << row.lang;
  }
}

}  // namespace
}  // namespace kelvra::cli
