// `kelvra draw` with the coastline and border overlay: switched by the same
// records as the drawing window (drawCoastline, drawBorders, mapsEnabled and
// the expert mode), in every output format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QColor>
#include <QImage>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "output/hpgl_writer.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

// Colours 11 and 12 set apart from every other colour of the drawing.
const std::vector<std::string> kMapColours = {"--set", "color11=1250067",   // (19, 19, 19)
                                              "--set", "color12=4210752"};  // (64, 64, 64)

class OverlayCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool added = (AddCommand(DrawCommand()), true);
    (void)added;
    dir_ = fs::temp_directory_path() / ("kelvra_overlay_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    ::setenv("KELVRA_HOME", dir_.c_str(), 1);  // an empty settings folder
    saved_ = shell::State();
  }
  void TearDown() override {
    shell::State() = saved_;  // --set changes the program's records
    config::ResetDialParameters();
    fs::remove_all(dir_);
  }
  // Runs kelvra with `args`; returns the exit status, stderr in `err_`.
  int Kelvra(std::vector<std::string> args) {
    shell::State() = saved_;
    config::ResetDialParameters();
    args.insert(args.end(), kMapColours.begin(), kMapColours.end());
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    err_ = err.str();
    return status;
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  static std::string ReadAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
  shell::SharedState saved_;
  std::string err_;
};

struct SwitchCase {
  const char* name;
  std::vector<std::string> sets;
  bool coastlines, borders;
};

const SwitchCase kSwitches[] = {
    {"defaults: expert mode, maps, both parts", {}, true, true},
    {"explicitly on", {"--set", "drawCoastline=true", "--set", "drawBorders=true"}, true, true},
    {"borders off", {"--set", "drawBorders=false"}, true, false},
    {"coastlines off, horizontal dial", {"--set", "drawCoastline=false", "--set", "kind=h"}, false, true},
    {"maps off", {"--set", "mapsEnabled=false"}, false, false},
    {"expert mode off", {"--set", "expertMode=false"}, false, false},
    {"umbrella dial", {"--set", "umbrella=true"}, false, false},
};

TEST_F(OverlayCommandTest, ThePlotFileCarriesTheChosenParts) {
  for (const SwitchCase& c : kSwitches) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"draw", "-o", File("map.plt")};
    args.insert(args.end(), c.sets.begin(), c.sets.end());
    ASSERT_EQ(Kelvra(args), 0) << err_;
    const std::string plot = ReadAll(File("map.plt"));
    const std::size_t dial = plot.find(output::StandardHeaderText(1));
    ASSERT_NE(dial, std::string::npos);
    const std::string map = plot.substr(0, dial);
    EXPECT_EQ(map.find(";SP 11;PU 0 0;SI") != std::string::npos, c.coastlines);
    EXPECT_EQ(map.find(";SP 12;PU 0 0;SI") != std::string::npos, c.borders);
    EXPECT_EQ(map.empty(), !c.coastlines && !c.borders);
    EXPECT_EQ(plot.find('\n'), std::string::npos) << "a plot file is one line";
  }
}

// Pixels of exactly the map colours in a picture.
int MapPixels(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
  }
  return n;
}

TEST_F(OverlayCommandTest, ThePictureShowsTheChosenParts) {
  for (const SwitchCase& c : kSwitches) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"draw", "-o", File("map.png"), "--size", "700x495"};
    args.insert(args.end(), c.sets.begin(), c.sets.end());
    ASSERT_EQ(Kelvra(args), 0) << err_;
    const QImage image(QString::fromStdString(File("map.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(MapPixels(image, qRgb(19, 19, 19)) > 200, c.coastlines);
    EXPECT_EQ(MapPixels(image, qRgb(64, 64, 64)) > 50, c.borders);
  }
}

TEST_F(OverlayCommandTest, TheVectorPagesAndTheDxfCarryTheMap) {
  // SVG: the map's strokes in its colours.
  ASSERT_EQ(Kelvra({"draw", "-o", File("map.svg")}), 0) << err_;
  const std::string svg = ReadAll(File("map.svg"));
  EXPECT_NE(svg.find("#131313"), std::string::npos);
  EXPECT_NE(svg.find("#404040"), std::string::npos);
  // PDF: the page with the map is written, and is larger than without it.
  ASSERT_EQ(Kelvra({"draw", "-o", File("map.pdf")}), 0) << err_;
  ASSERT_EQ(Kelvra({"draw", "-o", File("plain.pdf"), "--set", "mapsEnabled=false"}), 0) << err_;
  EXPECT_EQ(ReadAll(File("map.pdf")).rfind("%PDF", 0), 0u);
  EXPECT_GT(fs::file_size(File("map.pdf")), fs::file_size(File("plain.pdf")) + 10000);
  // DXF: the map's polylines on the layers of pens 11 and 12.
  ASSERT_EQ(Kelvra({"draw", "-o", File("map.dxf")}), 0) << err_;
  const std::string dxf = ReadAll(File("map.dxf"));
  EXPECT_NE(dxf.find("\r\nL_11\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("\r\nL_12\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kelvra::cli
