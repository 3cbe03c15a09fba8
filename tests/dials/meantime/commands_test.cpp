// `kelvra draw --set kind=m`, run in-process: every plane and both
// hemispheres in every format with the cone file beside the plot and DXF
// files, the plot files as the writers make them, the cone at true size in
// the DXF, and the refusal of a cone that reaches behind the face.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/meantime/meantime_geometry.h"
#include "dials/meantime/meantime_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class MeanTimeCommandTest : public DrawCommandFixture {};


TEST_F(MeanTimeCommandTest, EveryPlaneAndHemisphereIntoEveryFormat) {
  struct Case {
    const char* name;
    const char* latitude;
    const char* plane;
    const char* axis;
    const char* lang;
  };
  const Case cases[] = {
      {"north_h", "47.25", "0", "47.25", "en"},
      {"north_v", "47.25", "1", "47.25", "de"},
      {"north_i", "52", "2", "52", "en"},
      {"south_h", "-33.9", "0", "146.1", "de"},
      {"polar", "75", "0", "75", "en"},
  };
  for (const Case& c : cases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string(c.name) + ext);
      const Result r = Kelvra({"draw", "-o", out, "--set", "kind=m", "--set",
                               std::string("dialPlane=") + c.plane, "--set",
                               std::string("axisInclination=") + c.axis, "--set",
                               "inclination=30", "--lat", c.latitude, "--lang", c.lang});
      ASSERT_EQ(r.status, 0) << c.name << ext << ": " << r.err;
      EXPECT_GT(fs::file_size(out), 1000u) << c.name << ext;
    }
    for (const char* ext : {".plt", ".dxf", ".svg"}) {
      const std::string text = ReadAll(File(std::string(c.name) + ext));
      EXPECT_EQ(text.find("nan"), std::string::npos) << c.name << ext;
      EXPECT_EQ(text.find("inf"), std::string::npos) << c.name << ext;
    }
    // The cone file beside the plot file and the DXF file.
    EXPECT_TRUE(fs::exists(File(std::string(c.name) + "Cone.plt"))) << c.name;
    EXPECT_TRUE(fs::exists(File(std::string(c.name) + "Cone.dxf"))) << c.name;
  }
}

TEST_F(MeanTimeCommandTest, ThePlotFileAndTheConeFileAreTheWritersText) {
  const Result r = Kelvra({"draw", "-o", File("m.plt"), "--set", "kind=m", "--set",
                           "coneHalfAngle=20", "--lat", "-40", "--set", "axisInclination=140",
                           "--lang", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Cone cross section and unfolded cone in file \"mCone.plt\" !!!"),
            std::string::npos)
      << r.err;
  config::DialParameters p;
  p.kind = 'm';
  p.coneHalfAngle = 20;
  p.axisInclination = 140;
  shell::SiteSettings site;
  site.latitude = -40;
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(false);
  const dials::meantime::MeanTimeDial dial =
      dials::meantime::BuildMeanTimeDial(site, p, 1.0, messages);
  output::HpglWriter w;
  dials::meantime::PlotMeanTimeDial(w, dial, {});
  EXPECT_EQ(ReadAll(File("m.plt")), w.Text());
  EXPECT_TRUE(w.Text().starts_with(output::StandardHeaderText(1)));
  EXPECT_TRUE(w.Text().ends_with(";IW;IN;"));
  output::HpglWriter cone;
  dials::meantime::PlotCone(cone, dial);
  EXPECT_EQ(ReadAll(File("mCone.plt")), cone.Text());
}

// The cone file at true size in the DXF: the cross-section's legs are the
// slant length L / cos(alpha), its base the rim's diameter 2 L tan(alpha).
TEST_F(MeanTimeCommandTest, TheConeFileIsAtTrueSizeInTheDxf) {
  const double L = 60, alpha = 15;
  const Result r = Kelvra({"draw", "-o", File("m.dxf"), "--set", "kind=m", "--set",
                           "gnomonHeight=60", "--set", "coneHalfAngle=15"});
  ASSERT_EQ(r.status, 0) << r.err;
  const double a = alpha * std::numbers::pi / 180;
  const testing::DxfDrawing d = testing::ReadDxfDrawing(ReadAll(File("mCone.dxf")));
  for (double expected : {L / std::cos(a), 2 * L * std::tan(a)}) {
    int found = 0;
    for (const testing::DxfSegment& s : d.segments) {
      if (std::abs(std::hypot(s.x2 - s.x1, s.y2 - s.y1) - expected) < 0.01) ++found;
    }
    EXPECT_GE(found, 1) << "a piece " << expected << " mm long";
  }
}

TEST_F(MeanTimeCommandTest, AConeBehindTheFaceWritesNoFile) {
  for (const char* ext : {".plt", ".dxf", ".png"}) {
    const std::string out = File(std::string("behind") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=m", "--set", "axisInclination=5",
                             "--lang", "en"});
    EXPECT_EQ(r.status, 1) << ext;
    EXPECT_NE(r.err.find("The cone reaches behind the dial face"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << ext;
  }
}

}  // namespace
}  // namespace kelvra::cli
