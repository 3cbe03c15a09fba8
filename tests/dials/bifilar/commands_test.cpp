// `kelvra draw` for the bifilar dial, run in-process: every format, the plot
// file as the family's writer makes it about the picture's centre, the
// corrected first thread and the parallel threads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "draw_command_fixture.h"
#include "config/dial_parameters.h"
#include "dials/bifilar/bifilar_geometry.h"
#include "dials/bifilar/bifilar_renderer.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class BifilarCommandTest : public DrawCommandFixture {};

TEST_F(BifilarCommandTest, EveryFormat) {
  for (const char* ext : {".plt", ".dxf", ".png", ".jpg", ".pdf", ".svg"}) {
    const std::string out = File(std::string("f") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=f", "--set", "dateLineMode=1",
                             "--set", "bifilarThreads.p3.z=20", "--set", "bifilarThreads.p4.z=20"});
    ASSERT_EQ(r.status, 0) << ext << ": " << r.err;
    EXPECT_GT(fs::file_size(out), 1000u) << ext;
  }
  // The DXF is at true size in millimetres: plot scale 1, 40 units per mm.
  EXPECT_NE(ReadAll(File("f.dxf")).find("$EXTMAX\r\n 10\r\n  411.00\r\n 20\r\n  287.50"),
            std::string::npos);
}

TEST_F(BifilarCommandTest, ThePlotFileIsTheWritersTextAboutThePictureCentre) {
  const Result r = Kelvra({"draw", "-o", File("f.plt"), "--set", "kind=f", "--set",
                           "michnikClassic=true", "--lat", "30", "--lang", "de"});
  ASSERT_EQ(r.status, 0) << r.err;
  config::DialParameters p;
  p.kind = 'f';
  p.michnikClassic = true;
  shell::SiteSettings site;
  site.latitude = 30;
  testing::RecordingMessageSink messages;
  shell::SelectLanguage(true);
  const dials::bifilar::BifilarDial dial =
      dials::bifilar::BuildBifilarDial(site, p, {}, 1.0, messages);
  EXPECT_NEAR(dial.threads.p3.z, 12.5, 1e-12);  // 25 mm sin 30
  output::HpglWriter w;
  dials::bifilar::PlotBifilarDial(w, dial, dials::PlotPlacement{});
  EXPECT_EQ(ReadAll(File("f.plt")), w.Text());
  EXPECT_NE(w.Text().find("PU 8078 5240;CI 40 ,0.2"), std::string::npos);
}

TEST_F(BifilarCommandTest, TheFirstThreadIsCorrectedWithAWarning) {
  const Result r = Kelvra({"draw", "-o", File("c.plt"), "--set", "kind=f", "--set",
                           "bifilarThreads.p1.x=5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("First thread must lie within yz-plane parallel to y-axis!"),
            std::string::npos)
      << r.err;
  EXPECT_TRUE(fs::exists(File("c.plt")));
}

TEST_F(BifilarCommandTest, ParallelThreadsWriteNothing) {
  for (const char* ext : {".plt", ".png"}) {
    const std::string out = File(std::string("p") + ext);
    const Result r = Kelvra({"draw", "-o", out, "--set", "kind=f", "--set",
                             "bifilarThreads.p3.x=20", "--set", "bifilarThreads.p3.y=40", "--set",
                             "bifilarThreads.p4.x=20", "--set", "bifilarThreads.p4.y=-40"});
    EXPECT_EQ(r.status, 1) << ext;
    EXPECT_NE(r.err.find("Both shadowcasting objects are parallel!"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << ext;
  }
}

}  // namespace
}  // namespace kelvra::cli
