// `kelvra draw --origin X,Y --legend X,Y`: millimetres on the page from its
// lower-left corner, placed as a pick in the drawing window places them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

class DrawPlacementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddCommand(DrawCommand());
    dir_ = fs::temp_directory_path() / ("kelvra_placement_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    ::setenv("KELVRA_HOME", dir_.c_str(), 1);
  }
  void TearDown() override { fs::remove_all(dir_); }
  int Kelvra(std::vector<std::string> args, std::string* err = nullptr) {
    config::ResetDialParameters();
    shell::State().site = shell::SiteSettings{};
    std::ostringstream out, e;
    const int status = RunCli(args, out, e);
    if (err) *err = e.str();
    return status;
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(DrawPlacementTest, BadPlacesAreRefusedWithTheAllowedRange) {
  // The print page is 280 mm across; a 1400 x 990 picture shows 198 mm of height.
  struct Case {
    const char* option;
    const char* value;
  };
  const Case cases[] = {{"--origin", "300,10"}, {"--origin", "10"}, {"--legend", "-1,5"},
                        {"--legend", "10,199"}, {"--origin", "a,b"}};
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(Kelvra({"draw", "-o", File("x.png"), "--set", "kind=i", "--lat", "70", c.option, c.value},
                     &err),
              kExitUsage)
        << c.option << " " << c.value;
    EXPECT_NE(err.find("X 0..280, Y 0..198"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(File("x.png")));
  }
}

TEST_F(DrawPlacementTest, AnInclinedDialAtLatitude70IsDrawnWhereGiven) {
  for (const char* name : {"i.png", "i.pdf", "i.plt", "i.dxf"}) {
    std::string err;
    EXPECT_EQ(Kelvra({"draw", "-o", File(name), "--set", "kind=i", "--lat", "70", "--origin", "140,40",
                      "--legend", "20,190"},
                     &err),
              kExitOk)
        << name << ": " << err;
    EXPECT_TRUE(fs::exists(File(name))) << name;
  }
}

}  // namespace
}  // namespace kelvra::cli
