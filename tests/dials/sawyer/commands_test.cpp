// `kelvra draw --set kind=w`, run in-process: every time mode into every
// format in both languages, north and south, with no NaN in any file; the
// plot file as the family's writer makes it; the DXF at true size (the dial
// centre lies where the pole style through the gnomon tip meets the wall).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QImage>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/sawyer/sawyer_geometry.h"
#include "dials/sawyer/sawyer_renderer.h"
#include "dxf_segments.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class SawyerCommandTest : public DrawCommandFixture {};

TEST_F(SawyerCommandTest, EveryModeIntoEveryFormat) {
  struct Case {
    const char* name;
    const char* latitude;
    const char* wall;
    const char* lang;
  };
  const Case cases[] = {
      {"north", "47.25", "-11.7", "de"}, {"south", "-33.9", "180", "en"},
      {"west", "52", "60", "en"},       {"polar", "75", "0", "de"},
  };
  for (const Case& c : cases) {
    for (const char* mode : {"0", "1", "2", "3"}) {
      const std::string stem = std::string(c.name) + mode;
      for (const char* ext : {".plt", ".dxf", ".png", ".pdf", ".svg"}) {
        const std::string out = File(stem + ext);
        const Result r = Kelvra({"draw", "-o", out, "--set", "kind=w", "--set",
                                 std::string("sawyerTimeMode=") + mode, "--set",
                                 std::string("wallDeclination=") + c.wall, "--lat", c.latitude,
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

TEST_F(SawyerCommandTest, ThePlotFileIsTheWritersText) {
  const Result r = Kelvra({"draw", "-o", File("w.plt"), "--set", "kind=w", "--set",
                           "sawyerTimeMode=2", "--lat", "-40", "--set", "wallDeclination=170",
                           "--lang", "en"});
  ASSERT_EQ(r.status, 0) << r.err;
  config::DialParameters p;
  p.kind = 'w';
  p.wallDeclination = 170;
  config::SetSawyerTimeMode(p, 2);
  shell::SiteSettings site;
  site.latitude = -40;
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(false);
  const dials::sawyer::SawyerDial dial = dials::sawyer::BuildSawyerDial(site, p, 1.0, messages);
  output::HpglWriter w;
  dials::sawyer::PlotSawyerDial(w, dial, {});
  EXPECT_EQ(ReadAll(File("w.plt")), w.Text());
  EXPECT_NE(w.Text().find("Sawyer Decliner"), std::string::npos);
}

// The date lines of the default dial run beyond the plot sheet; the label of
// each date must still stand on the sheet (the plot window "IW 0 0 16157
// 11038"), where a plotter draws it, and the labels must not stand on each
// other.
TEST_F(SawyerCommandTest, DateLabelsStandOnThePlotSheetAndApart) {
  ASSERT_EQ(Kelvra({"draw", "-o", File("w.plt"), "--set", "kind=w"}).status, 0);
  const std::string text = ReadAll(File("w.plt"));
  std::vector<std::pair<long, long>> dates;
  for (std::size_t at = text.find(";LB"); at != std::string::npos; at = text.find(";LB", at + 1)) {
    const std::string label = text.substr(at + 3, text.find('\x03', at) - at - 3);
    if (label.find('/') == std::string::npos || label.size() > 5) continue;  // "21/6"
    const std::size_t pu = text.rfind("PU ", at);
    std::istringstream xy(text.substr(pu + 3, at - pu - 3));
    long x = 0, y = 0;
    xy >> x >> y;
    EXPECT_TRUE(x >= 0 && x <= 16157 && y >= 0 && y <= 11038) << label << " at " << x << " " << y;
    for (const auto& [ox, oy] : dates) {
      EXPECT_FALSE(std::labs(ox - x) < 200 && std::labs(oy - y) < 80) << label << " on another";
    }
    dates.emplace_back(x, y);
  }
  EXPECT_EQ(dates.size(), 12u);  // one label per month
}

// The gnomon foot O and the dial centre Z are drawn as circles; Z is where
// the line through the gnomon tip (height g above O) parallel to the earth's
// axis meets the wall. For a wall of declination D at latitude phi, the axis
// has the components (-cos phi sin D, sin phi, -cos phi cos D) along the
// wall's right, up and outward normal, so Z lies at g / (cos phi cos D) times
// (-cos phi sin D, sin phi) from O.
TEST_F(SawyerCommandTest, TheDxfHasTheDialCentreAtTrueDistance) {
  const double g = 40, phi = 50, D = 20;
  const Result r = Kelvra({"draw", "-o", File("w.dxf"), "--set", "kind=w", "--set",
                           "gnomonHeight=40", "--set", "wallDeclination=20", "--lat", "50"});
  ASSERT_EQ(r.status, 0) << r.err;
  const double rad = std::acos(-1.0) / 180;
  const double k = g / (std::cos(phi * rad) * std::cos(D * rad));
  const double expected = std::hypot(k * std::cos(phi * rad) * std::sin(D * rad), k * std::sin(phi * rad));
  const testing::DxfDrawing d = testing::ReadDxfDrawing(ReadAll(File("w.dxf")));
  std::vector<testing::DxfArc> marks;
  for (const testing::DxfArc& a : d.arcs) {
    if (std::abs(a.radius - 2.0) < 0.01) marks.push_back(a);  // CI 80 plot units = 2 mm
  }
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_NEAR(std::hypot(marks[0].x - marks[1].x, marks[0].y - marks[1].y), expected, 0.05);
}

}  // namespace
}  // namespace kelvra::cli
