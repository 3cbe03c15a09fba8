// `kelvra draw` through the family seam: a kind without a family is refused
// with exit status 1 and no file; a family put in place is drawn and saved,
// its side file beside the plot file, without any change to the command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <QImage>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "dials/dial_family.h"
#include "shell/shared_state.h"
#include "test_family.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FamilyCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddCommand(DrawCommand());
    dir_ = fs::temp_directory_path() / ("kelvra_seam_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    ::setenv("KELVRA_HOME", dir_.c_str(), 1);  // an empty settings folder
  }
  void TearDown() override { fs::remove_all(dir_); }

  Result Kelvra(std::vector<std::string> args) {
    config::ResetDialParameters();
    shell::State().site = shell::SiteSettings{};
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(FamilyCommandsTest, AKindWithoutAFamilyWritesNothing) {
  // The Sawyer decliner has no family yet.
  for (const char* name : {"w.plt", "w.dxf", "w.png", "w.pdf"}) {
    const auto r = Kelvra({"draw", "-o", File(name), "--set", "kind=w", "--lang", "en"});
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_NE(r.err.find("kind=w (Sawyer-Decliner): nothing is drawn"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(File(name))) << name;
  }
}

TEST_F(FamilyCommandsTest, AFamilyPutInPlaceIsDrawnAndSaved) {
  const testing::DiscFamily disc;
  const dials::ScopedFamily scoped(config::DialFamily::Ring, disc);

  auto r = Kelvra({"draw", "-o", File("r.plt"), "--set", "kind=r", "--set", "gnomonHeight=40",
                   "--coordinates", File("r.txt")});
  ASSERT_EQ(r.status, 0) << r.err;
  // The family's own text: the standard header, then the disc of 40 mm at
  // its default place (kind r carries no picked position).
  EXPECT_EQ(ReadAll(File("r.plt")),
            output::StandardHeaderText(1) + "PU 8000 5500;CI 1600;IW;IN;");
  EXPECT_EQ(ReadAll(File("rSide.plt")), "IN;SP 1;PU 0 0;CI 400;IN;");
  EXPECT_NE(r.err.find("side file rSide.plt"), std::string::npos) << r.err;
  EXPECT_NE(ReadAll(File("r.txt")).find("disc r.plt"), std::string::npos);

  r = Kelvra({"draw", "-o", File("r.dxf"), "--set", "kind=r"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadAll(File("r.dxf")).find("CIRCLE"), std::string::npos);
  EXPECT_TRUE(fs::exists(File("rSide.dxf")));
  EXPECT_FALSE(fs::exists(File("kelvra.$$$")));

  r = Kelvra({"draw", "-o", File("r.png"), "--size", "700x500", "--set", "kind=r"});
  ASSERT_EQ(r.status, 0) << r.err;
  const QImage image(QString::fromStdString(File("r.png")));
  ASSERT_EQ(image.width(), 700);
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 100);
}

TEST_F(FamilyCommandsTest, ARefusedConstructionWritesNothing) {
  const testing::DiscFamily disc;
  const dials::ScopedFamily scoped(config::DialFamily::Ring, disc);
  const auto r = Kelvra({"draw", "-o", File("r.plt"), "--set", "kind=r", "--lat", "85"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("disc refused"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(File("r.plt")));
  EXPECT_FALSE(fs::exists(File("rSide.plt")));
}

}  // namespace
}  // namespace kelvra::cli
