// `kelvra draw --set kind=p`, run in-process: every format, the plot file as
// the family's writer makes it, the date lines at their Peaucellier distances
// in the DXF (millimetres), both languages, the refusal between -29 and +29
// degrees of latitude (status 1, the message on stderr, no file) and a
// latitude above the polar circle without a NaN in any file.
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
#include "dials/peaucellier/peaucellier_geometry.h"
#include "dials/peaucellier/peaucellier_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class PeaucellierCommandTest : public DrawCommandFixture {};

TEST_F(PeaucellierCommandTest, EveryLatitudeIntoEveryFormat) {
  struct Case {
    const char* name;
    const char* latitude;
    const char* lang;
  };
  // North, south, the limit itself and above the polar circle.
  const Case cases[] = {
      {"north", "47.25", "en"}, {"south", "-33.9", "de"}, {"limit", "29", "en"},
      {"polar", "75", "en"},
  };
  for (const Case& c : cases) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string(c.name) + ext);
      const Result r = Kelvra({"draw", "-o", out, "--set", "kind=p", "--set",
                               "otherHourInterval=4", "--lat", c.latitude, "--lang", c.lang});
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

TEST_F(PeaucellierCommandTest, ThePlotFileIsTheWritersText) {
  const Result r = Kelvra({"draw", "-o", File("p.plt"), "--set", "kind=p", "--set",
                           "peaucellierConstant=0.5", "--lat", "-40", "--lang", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  config::DialParameters p;
  p.kind = 'p';
  p.peaucellierConstant = 0.5;
  shell::SiteSettings site;
  site.latitude = -40;
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(false);
  const dials::peaucellier::PeaucellierDial dial =
      dials::peaucellier::BuildPeaucellierDial(site, p, 1.0, messages);
  output::HpglWriter w;
  dials::peaucellier::PlotPeaucellierDial(w, dial, {});
  EXPECT_EQ(ReadAll(File("p.plt")), w.Text());
  EXPECT_NE(w.Text().find("Hybrid Peaucellier Sundial, azimuthal"), std::string::npos);
}

// Each date line crosses the axis at the noon end as a straight piece 2 y
// long, y = e / (1 + k tan d) from a Peaucellier inversion of the equinox
// distance e: with k = 0.5 the solstice lines lie at e / (1 + 0.5 tan eps)
// and e / (1 - 0.5 tan eps), the equinox line at e whatever k. Measured in
// the DXF, in millimetres.
TEST_F(PeaucellierCommandTest, TheDateLinesLieAtTheirInversionDistances) {
  const double e = 40;
  const Result r = Kelvra({"draw", "-o", File("p.dxf"), "--set", "kind=p", "--set",
                           "peaucellierConstant=0.5", "--set", "peaucellierEquinoxDistance=40",
                           "--lat", "50"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The mean obliquity of 2020 (the default year): 23.4366 degrees (Meeus,
  // Astronomical Algorithms, 2nd ed., eq. 22.2); the dial rounds it to
  // 0.01 degree, 0.002 mm on these lengths.
  const double tanEps = std::tan(23.4366 * std::numbers::pi / 180);
  const testing::DxfDrawing d = testing::ReadDxfDrawing(ReadAll(File("p.dxf")));
  for (double expected : {2 * e / (1 + 0.5 * tanEps), 2 * e, 2 * e / (1 - 0.5 * tanEps)}) {
    int found = 0;
    for (const testing::DxfSegment& s : d.segments) {
      const double dx = std::abs(s.x2 - s.x1), dy = std::abs(s.y2 - s.y1);
      // Across the axis: one coordinate constant.
      if (std::min(dx, dy) < 0.02 && std::abs(std::max(dx, dy) - expected) < 0.05) ++found;
    }
    EXPECT_GE(found, 1) << "a crossing " << expected << " mm long";
  }
}

TEST_F(PeaucellierCommandTest, RefusedBetweenMinusAndPlus29Degrees) {
  for (const char* lat : {"28.9", "-28.9", "0"}) {
    for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
      const std::string out = File(std::string("refused") + ext);
      const Result r = Kelvra({"draw", "-o", out, "--set", "kind=p", "--lat", lat, "--lang", "en"});
      EXPECT_EQ(r.status, 1) << lat << ext;
      EXPECT_NE(r.err.find("No constructions for latitudes in between -29 deg < latitude < + 29 deg"),
                std::string::npos)
          << r.err;
      EXPECT_NE(r.err.find("no file was written"), std::string::npos) << r.err;
      EXPECT_FALSE(fs::exists(out)) << lat << ext;
    }
  }
  EXPECT_EQ(Kelvra({"draw", "-o", File("ok.plt"), "--set", "kind=p", "--lat", "-29"}).status, 0);
}

TEST_F(PeaucellierCommandTest, OutOfRangeFieldsAreRefusedWithTheirRange) {
  const Result k = Kelvra({"draw", "-o", File("k.plt"), "--set", "kind=p", "--set",
                           "peaucellierConstant=2.2"});
  EXPECT_EQ(k.status, 2);
  EXPECT_NE(k.err.find("peaucellierConstant=2.2: out of range"), std::string::npos) << k.err;
  const Result e = Kelvra({"draw", "-o", File("e.plt"), "--set", "kind=p", "--set",
                           "peaucellierEquinoxDistance=301"});
  EXPECT_EQ(e.status, 2);
  EXPECT_NE(e.err.find("peaucellierEquinoxDistance=301: out of range; allowed: 0 .. 300"),
            std::string::npos)
      << e.err;
  EXPECT_FALSE(fs::exists(File("k.plt")));
  EXPECT_FALSE(fs::exists(File("e.plt")));
}

}  // namespace
}  // namespace kelvra::cli
