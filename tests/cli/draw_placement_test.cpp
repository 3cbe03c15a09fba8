// `kelvra draw --origin X,Y --legend X,Y`: millimetres on the page from its
// lower-left corner, placed as a pick in the drawing window places them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

// Every point of the polylines of an SVG page (0.1 mm, y down) or of the PU/PD
// commands of a plot file (1/40 mm, y up).
using Points = std::vector<std::pair<long, long>>;

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Points SvgPoints(const fs::path& file) {
  Points out;
  const std::string text = Slurp(file);
  const std::regex list(R"re(points="([^"]*)")re"), pair(R"re((-?[0-9.]+),(-?[0-9.]+))re");
  for (std::sregex_iterator m(text.begin(), text.end(), list), end; m != end; ++m) {
    const std::string points = (*m)[1];
    for (std::sregex_iterator p(points.begin(), points.end(), pair); p != end; ++p) {
      out.emplace_back(std::lround(std::stod((*p)[1])), std::lround(std::stod((*p)[2])));
    }
  }
  return out;
}

Points PlotPoints(const fs::path& file) {
  Points out;
  std::istringstream commands(Slurp(file));
  std::string command;
  while (std::getline(commands, command, ';')) {
    const auto at = command.find_first_not_of(' ');
    if (at == std::string::npos || (command.compare(at, 2, "PU") && command.compare(at, 2, "PD"))) {
      continue;
    }
    std::istringstream numbers(command.substr(at + 2));
    long x, y;
    while (numbers >> x >> y) out.emplace_back(x, y);
  }
  return out;
}

// The share of the points of `first` that stand in `moved` shifted by
// (dx, dy), give or take `slack`.
double ShareShiftedBy(const Points& first, const Points& moved, long dx, long dy, long slack) {
  const std::set<std::pair<long, long>> there(moved.begin(), moved.end());
  int found = 0, tried = 0;
  for (std::size_t i = 0; i < first.size(); i += 7) {
    ++tried;
    bool hit = false;
    for (long ex = -slack; ex <= slack && !hit; ++ex) {
      for (long ey = -slack; ey <= slack && !hit; ++ey) {
        hit = there.count({first[i].first + dx + ex, first[i].second + dy + ey}) > 0;
      }
    }
    found += hit;
  }
  return tried ? static_cast<double>(found) / tried : 0.0;
}

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

TEST_F(DrawPlacementTest, AnInclinedDialAtLatitude70WithGivenPlacesIsWrittenInEveryFormat) {
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

TEST_F(DrawPlacementTest, AnOriginMovedOnThePageMovesTheDialByAsManyMillimetres) {
  // The origin is measured on the output's own page: moved 40 mm right and
  // 20 mm up, the dial must move by that much on the printed sheet and on the
  // plot sheet, to within the picture's pixel (about 0.3 mm). The legend stays,
  // and a few lines are cut differently at the frame.
  struct Case {
    const char* extension;
    Points (*read)(const fs::path&);
    long unitsPerMm;
    int ySign;  // +1: y up on the page, -1: y down
  };
  const Case cases[] = {{".svg", SvgPoints, 10, -1}, {".plt", PlotPoints, 40, 1}};
  for (const Case& c : cases) {
    const std::string first = File(std::string("first") + c.extension);
    const std::string moved = File(std::string("moved") + c.extension);
    for (const auto& [file, origin] : {std::pair{first, "100,20"}, std::pair{moved, "140,40"}}) {
      ASSERT_EQ(Kelvra({"draw", "-o", file, "--set", "kind=i", "--lat", "70", "--origin", origin,
                        "--legend", "20,190"}),
                kExitOk)
          << file;
    }
    const Points a = c.read(first), b = c.read(moved);
    ASSERT_GT(a.size(), 1000u) << c.extension;
    const long slack = c.unitsPerMm * 4 / 10;
    EXPECT_GT(ShareShiftedBy(a, b, 40 * c.unitsPerMm, c.ySign * 20 * c.unitsPerMm, slack), 0.9)
        << c.extension;
  }
}

}  // namespace
}  // namespace kelvra::cli
