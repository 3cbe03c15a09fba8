// `kelvra draw --set kind=q --set altitudeVariant=1|2`, run in-process: both
// variants into every format in both languages, north and south, with no NaN
// in any file; the DXF at true size (the plate's outline).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dxf_segments.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class HabermelCommandTest : public DrawCommandFixture {};

TEST_F(HabermelCommandTest, BothVariantsIntoEveryFormat) {
  struct Case {
    const char* name;
    const char* latitude;
    const char* lang;
  };
  const Case cases[] = {{"north", "47.25", "de"}, {"south", "-33.9", "en"}, {"tropic", "10", "en"}};
  for (const Case& c : cases) {
    for (const char* variant : {"1", "2"}) {
      const std::string stem = std::string(c.name) + variant;
      for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
        const std::string out = File(stem + ext);
        const Result r = Kelvra({"draw", "-o", out, "--set", "kind=q", "--set",
                                 std::string("altitudeVariant=") + variant, "--lat", c.latitude,
                                 "--lang", c.lang});
        ASSERT_EQ(r.status, 0) << stem << ext << ": " << r.err;
        EXPECT_GT(fs::file_size(out), 1000u) << stem << ext;
      }
      for (const char* ext : {".plt", ".dxf", ".svg"}) {
        const std::string text = ReadAll(File(stem + ext));
        EXPECT_EQ(text.find("nan"), std::string::npos) << stem << ext;
        EXPECT_EQ(text.find("inf"), std::string::npos) << stem << ext;
      }
      const QImage png(QString::fromStdString(File(stem + ".png")));
      EXPECT_EQ(png.width(), 1400) << stem;
    }
  }
}

// The disc's rim is a circle of half the diameter, the tablet a square of
// the diameter's side: measured in the DXF in millimetres.
TEST_F(HabermelCommandTest, TheDxfHasThePlateAtTrueSize) {
  ASSERT_EQ(Kelvra({"draw", "-o", File("disc.dxf"), "--set", "kind=q", "--set",
                    "altitudeVariant=2", "--set", "dialDiameter=150"})
                .status,
            0);
  const testing::DxfDrawing disc = testing::ReadDxfDrawing(ReadAll(File("disc.dxf")));
  bool rim = false;
  for (const testing::DxfArc& a : disc.arcs) rim = rim || std::abs(a.radius - 75) < 0.01;
  EXPECT_TRUE(rim);

  ASSERT_EQ(Kelvra({"draw", "-o", File("tablet.dxf"), "--set", "kind=q", "--set",
                    "altitudeVariant=1", "--set", "dialDiameter=150"})
                .status,
            0);
  const testing::DxfDrawing tablet = testing::ReadDxfDrawing(ReadAll(File("tablet.dxf")));
  int sides = 0;
  for (const testing::DxfSegment& s : tablet.segments) {
    if (std::abs(std::hypot(s.x2 - s.x1, s.y2 - s.y1) - 150) < 0.01) ++sides;
  }
  EXPECT_GE(sides, 4);
}

}  // namespace
}  // namespace kelvra::cli
