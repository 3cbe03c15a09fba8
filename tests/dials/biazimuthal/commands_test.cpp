// `kelvra draw --set kind=c`, run in-process: every plane and both
// hemispheres in every format without a NaN, and the refusal of antipodal
// positions.
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
#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "dials/biazimuthal/biazimuthal_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class BiazimuthalCommandTest : public DrawCommandFixture {};



TEST_F(BiazimuthalCommandTest, EveryPlaneAndHemisphereIntoEveryFormat) {
  struct Case {
    const char* name;
    const char* latitude;
    const char* plane;
    const char* secondLatitude;
    const char* lang;
  };
  const Case cases[] = {
      {"north_h", "47.25", "0", "52.5", "en"},
      {"north_v", "47.25", "1", "40", "de"},
      {"north_i", "52", "2", "47.25", "en"},
      {"south_h", "-33.9", "0", "-37.8", "de"},
  };
  for (const Case& c : cases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string(c.name) + ext);
      const Result r = Kelvra({"draw", "-o", out, "--set", "kind=c", "--set",
                               std::string("dialPlane=") + c.plane, "--set",
                               std::string("secondLatitude=") + c.secondLatitude, "--set",
                               "inclination=30", "--lat", c.latitude, "--lang", c.lang});
      ASSERT_EQ(r.status, 0) << c.name << ext << ": " << r.err;
      EXPECT_GT(fs::file_size(out), 1000u) << c.name << ext;
    }
    for (const char* ext : {".plt", ".dxf", ".svg"}) {
      const std::string text = ReadAll(File(std::string(c.name) + ext));
      EXPECT_EQ(text.find("nan"), std::string::npos) << c.name << ext;
      EXPECT_EQ(text.find("inf"), std::string::npos) << c.name << ext;
    }
  }
}

TEST_F(BiazimuthalCommandTest, AntipodalPositionsWriteNoFile) {
  const Result r = Kelvra({"draw", "-o", File("x.plt"), "--set", "kind=c", "--lat", "30", "--lon",
                           "10", "--set", "secondLatitude=-30", "--set", "secondLongitude=-170",
                           "--lang", "en"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Calculation aborted!"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(File("x.plt")));
}

}  // namespace
}  // namespace kelvra::cli
