// `kelvra draw` with the ham dial design aid: --ham FILE.ham draws the aid
// with the file's marked hour points, --set hamOverlay=true with its rays;
// pictures show it before the dial, pages instead of it, plot files never.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QColor>
#include <QImage>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "dials/dial_family.h"
#include "dials/ham/ham_aid.h"
#include "dials/ham/ham_file.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

// A family whose construction draws nothing on the canvas, so that a picture
// holds the aid alone.
class BlankConstruction final : public dials::Construction {
 public:
  void Draw(output::PlotSink&, const dials::CanvasPlacement&) const override {}
  void WritePlot(output::HpglWriter&, const dials::PlotPlacement&, std::vector<std::string>*,
                 const std::string&) const override {}
};
class BlankFamily final : public dials::Family {
 public:
  std::unique_ptr<dials::Construction> Build(const dials::DialInputs&,
                                             shell::MessageSink&) const override {
    return std::make_unique<BlankConstruction>();
  }
};

class HamCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool added = (AddCommand(DrawCommand()), true);
    (void)added;
    dir_ = fs::temp_directory_path() / ("kelvra_hamcmd_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    ::setenv("KELVRA_HOME", dir_.c_str(), 1);
    saved_ = shell::State();
  }
  void TearDown() override {
    shell::State() = saved_;
    config::ResetDialParameters();
    fs::remove_all(dir_);
  }
  int Kelvra(std::vector<std::string> args) {
    shell::State() = saved_;
    config::ResetDialParameters();
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    err_ = err.str();
    return status;
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
  shell::SharedState saved_;
  std::string err_;
};

int PixelsOf(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
  }
  return n;
}

TEST_F(HamCommandTest, TheAidWithItsMarkedPointsOrItsRays) {
  dials::ham::HamMarks marks;
  marks.Add({-20, -10});
  marks.Add({-5, -15});
  marks.Add({10, -12});
  ASSERT_TRUE(dials::ham::SaveHamFile(File("schink.ham"), marks).ok);
  // Kind q, variant 1, with a blank family in place of the Habermel dial's:
  // the picture holds the aid alone.
  const BlankFamily blank;
  const dials::ScopedFamily scoped(config::DialFamily::Habermel, blank);
  const std::vector<std::string> habermel = {"--set", "kind=q", "--set", "altitudeVariant=1"};
  struct Case {
    const char* name;
    std::vector<std::string> args;
    bool rays, marks;
  };
  const Case cases[] = {
      {"marked points", {"--ham", File("schink.ham")}, false, true},
      {"rays", {"--set", "hamOverlay=true"}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Colour 3 (rays and crosses) and colour 1 (the first date's rays) set
    // apart from the black line through the marks.
    std::vector<std::string> args = {"draw", "-o", File("aid.png"), "--size", "700x495",
                                     "--set", "color3=65793", "--set", "color1=2031616"};
    args.insert(args.end(), habermel.begin(), habermel.end());
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_EQ(Kelvra(args), 0) << err_;
    const QImage image(QString::fromStdString(File("aid.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(PixelsOf(image, qRgb(255, 0, 0)), 100) << "the red circle";
    EXPECT_EQ(PixelsOf(image, qRgb(1, 1, 1)) > 20, c.rays) << "crosses and rays of colour 3";
    EXPECT_EQ(PixelsOf(image, qRgb(0, 0, 0)) > 30, c.marks) << "the black line through the marks";
  }
  // The printed page: the aid instead of the dial.
  ASSERT_EQ(Kelvra({"draw", "-o", File("aid.pdf"), "--ham", File("schink.ham")}), 0) << err_;
  ASSERT_EQ(Kelvra({"draw", "-o", File("aid.svg"), "--set", "hamOverlay=true"}), 0) << err_;
  std::ifstream svg(File("aid.svg"));
  const std::string text{std::istreambuf_iterator<char>(svg), {}};
  EXPECT_NE(text.find("Schinkensonnenuhr"), std::string::npos);
  EXPECT_EQ(text.find("vertikale SONNENUHR"), std::string::npos) << "no dial on the printed aid";
}

TEST_F(HamCommandTest, ProblemsAreReportedAndNothingIsWritten) {
  std::ofstream(File("bad.ham"), std::ios::binary) << "[Schinkensonnenuhr]\r\n1;2\r\nx;y\r\n";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"damaged file", {"draw", "-o", File("a.png"), "--ham", File("bad.ham"), "--lang", "en"}, 1,
       "bad.ham: Line 3 (\"x;y\"): expected x;y, two numbers in mm between -10000 and 10000"},
      {"missing file", {"draw", "-o", File("a.png"), "--ham", File("none.ham"), "--lang", "en"}, 1,
       "none.ham: The file cannot be read"},
      {"plot file", {"draw", "-o", File("a.plt"), "--ham", File("bad.ham")}, 2,
       "--ham: the ham dial aid is drawn into .png, .jpg, .svg or .pdf files"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Kelvra(c.args), c.status);
    EXPECT_NE(err_.find(c.message), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(File("a.png")));
    EXPECT_FALSE(fs::exists(File("a.plt")));
  }
}

}  // namespace
}  // namespace kelvra::cli
