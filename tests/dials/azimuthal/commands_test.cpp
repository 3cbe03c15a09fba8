// `kelvra draw` for the azimuthal dials, run in-process: every variant and
// projection into every format, the plot file as the family's writer makes
// it, the refusal, and a horizon profile given with --horizon.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "calc/horizon/horizon_file.h"
#include "calc/horizon/horizon_profile.h"
#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/azimuthal/azimuthal_geometry.h"
#include "dials/azimuthal/azimuthal_renderer.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class AzimuthalCommandTest : public DrawCommandFixture {};

TEST_F(AzimuthalCommandTest, EveryVariantIntoEveryFormat) {
  struct Case {
    const char* name;
    std::vector<std::string> set;
  };
  const std::vector<Case> cases = {
      {"dates", {"azimuthCircleMode=0", "azimuthZodiacScale=false"}},
      {"zodiac", {"azimuthCircleMode=0", "juneOutside=true"}},
      {"equal", {"azimuthCircleMode=1", "altitudeCircleSpacing=0"}},
      {"tonne", {"azimuthCircleMode=1", "altitudeCircleSpacing=1"}},
      {"stereo", {"azimuthCircleMode=1", "altitudeCircleSpacing=2", "zodiacLinesPerMonth=4"}},
      {"ortho", {"azimuthCircleMode=1", "altitudeCircleSpacing=3", "temporalHours=true"}},
  };
  for (const Case& c : cases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      std::vector<std::string> args = {"draw", "-o", File(std::string(c.name) + ext), "--set",
                                       "kind=a", "--lang", "en"};
      for (const std::string& s : c.set) {
        args.push_back("--set");
        args.push_back(s);
      }
      const Result r = Kelvra(args);
      ASSERT_EQ(r.status, 0) << c.name << ext << ": " << r.err;
      EXPECT_GT(fs::file_size(File(std::string(c.name) + ext)), 1000u) << c.name << ext;
    }
    // The DXF is at true size in millimetres: plot scale 1, 40 units per mm.
    const std::string dxf = ReadAll(File(std::string(c.name) + ".dxf"));
    EXPECT_NE(dxf.find("$EXTMAX\r\n 10\r\n  411.00\r\n 20\r\n  287.50"), std::string::npos) << c.name;
    if (std::string(c.name) == "dates" || std::string(c.name) == "zodiac") {
      EXPECT_NE(dxf.find("ARC\r\n"), std::string::npos) << c.name;  // the rings
    }
    const QImage png(QString::fromStdString(File(std::string(c.name) + ".png")));
    EXPECT_EQ(png.width(), 1400);
  }
}

TEST_F(AzimuthalCommandTest, ThePlotFileIsTheWritersText) {
  for (int mode : {0, 1}) {
    const Result r = Kelvra({"draw", "-o", File("a.plt"), "--set", "kind=a", "--set",
                             "azimuthCircleMode=" + std::to_string(mode), "--lat", "-33.9",
                             "--lang", "de"});
    ASSERT_EQ(r.status, 0) << r.err;
    config::DialParameters p;
    p.kind = 'a';
    p.azimuthCircleMode = mode;
    shell::SiteSettings site;
    site.latitude = -33.9;
    testing::RecordingMessageSink messages;
    shell::SelectLanguage(true);
    const dials::azimuthal::AzimuthalDial dial =
        dials::azimuthal::BuildAzimuthalDial(site, p, nullptr, messages);
    output::HpglWriter w;
    if (mode == 0) {
      dials::azimuthal::PlotAzimuthalDial(w, dial);
    } else {
      dials::azimuthal::PlotAltitudeCircleDial(w, dial);
    }
    EXPECT_EQ(ReadAll(File("a.plt")), w.Text()) << mode;
  }
}

TEST_F(AzimuthalCommandTest, TemporalHoursRefusedAboveTheArcticCircle) {
  for (const char* ext : {".plt", ".png", ".pdf"}) {
    const std::string out = File(std::string("refused") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=a", "--set", "azimuthCircleMode=0",
                             "--set", "temporalHours=true", "--lat", "70", "--lang", "en"});
    EXPECT_EQ(r.status, 1) << ext;
    EXPECT_NE(r.err.find("Temporal hours are not possible in this latitude!"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("no file was written"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << ext;
  }
}

TEST_F(AzimuthalCommandTest, AHorizonProfileIsDrawnOnTheAltitudeCircles) {
  calc::HorizonProfileFile file;
  file.latitude = 47.25;
  file.longitude = -9.59;
  for (auto& p : file.profile.points) p.altitude = p.azimuth > 20 && p.azimuth < 160 ? 25 : 1;
  ASSERT_TRUE(calc::WriteHorizonProfileFile(File("wall.ele"), file));
  const Result r = Kelvra({"draw", "-o", File("h.plt"), "--set", "kind=a", "--set",
                           "azimuthCircleMode=1", "--horizon", File("wall.ele"), "--lang", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The site moved to the profile's place, with the message.
  EXPECT_NE(r.err.find("Latitude and longitude is changed to values of horizon profile!"),
            std::string::npos)
      << r.err;
  const std::string plot = ReadAll(File("h.plt"));
  EXPECT_NE(plot.find(";SP 11;"), std::string::npos);  // hour lines behind the wall
  // Without the profile nothing is drawn in pen 11.
  ASSERT_EQ(Kelvra({"draw", "-o", File("n.plt"), "--set", "kind=a", "--set", "azimuthCircleMode=1"})
                .status,
            0);
  EXPECT_EQ(ReadAll(File("n.plt")).find(";SP 11;"), std::string::npos);

  const Result missing = Kelvra({"draw", "-o", File("m.plt"), "--set", "kind=a", "--horizon",
                                 File("none.ele")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.ele: no such file"), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(File("m.plt")));
  std::ofstream(File("bad.ele")) << "not a profile\r\n";
  const Result bad = Kelvra({"draw", "-o", File("b.plt"), "--set", "kind=a", "--horizon",
                             File("bad.ele"), "--lang", "en"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("bad.ele: "), std::string::npos) << bad.err;
  EXPECT_FALSE(fs::exists(File("b.plt")));
}

TEST_F(AzimuthalCommandTest, TheOrthographicSpacingIsAValue) {
  const Result r = Kelvra({"draw", "-o", File("o.plt"), "--set", "kind=a", "--set",
                           "altitudeCircleSpacing=4"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("altitudeCircleSpacing=4: out of range; allowed: 0 .. 3"), std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace kelvra::cli
