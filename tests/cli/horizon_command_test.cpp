// kelvra horizon in-process: computing a profile file from grids, showing one,
// and what bad input gets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "calc/horizon/grid_fixture.h"
#include "calc/horizon/horizon_file.h"
#include "cli/cli.h"
#include "persist/atomic_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class HorizonCommandTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // A settings folder without kel.ini: nothing of the machine's settings.
    const auto folder = std::filesystem::temp_directory_path() /
                        ("kelvra-horizon-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("KELVRA_HOME", folder.c_str(), 1);
  }
  void TearDown() override {
    shell::State().site = shell::SiteSettings{};
    shell::SelectLanguage(true);
  }

  CliRun Cli(std::vector<std::string> args) {
    shell::State().site = shell::SiteSettings{};
    args.insert(args.end(), {"--lang", "de"});
    std::ostringstream out, err;
    CliRun r;
    r.status = RunCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  // A 1-degree tile at 47..48 N, 9..10 E (0.005 degree cells): ground at 600 m
  // and a ridge of 2600 m along 47.8 N.
  std::string Tile() {
    calc::test::TileSpec t;
    return folder_.Write("tile.asc", calc::test::GridText(t, [](double lat, double) {
                           return std::abs(lat - 47.8) < 0.011 ? 2600 : 600;
                         }));
  }

  calc::test::TempFolder folder_;
};

TEST_F(HorizonCommandTest, ComputesWritesAndShowsAProfile) {
  const std::string grid = Tile();
  const std::string out = folder_.Path("p.ele");
  const CliRun r = Cli({"horizon", "--grid", grid, "-o", out, "--lat", "47.5", "--lon", "-9.5",
                        "--radius", "30", "--platform", "5"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("Horizontprofil erstellt! \nStandorthöhe=600\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(out + " gespeichert!"), std::string::npos);
  // 30 km stays on the tile (0.5 degree of longitude is 37.6 km there).
  EXPECT_EQ(r.err, "");

  const calc::ProfileReadResult file = calc::ReadHorizonProfileFile(out);
  ASSERT_TRUE(file.ok());
  EXPECT_EQ(file.file.latitude, 47.5);
  EXPECT_EQ(file.file.longitude, -9.5);
  EXPECT_EQ(file.file.description,
            "  Beobachter-Standort  Höhe=600 + 5;  Mindestabstand der Objekte=180");
  // The ridge 0.3 degree north (33.4 km) lies beyond the 30 km radius.
  for (const auto& p : file.file.profile.points) EXPECT_EQ(p.altitude, 0);

  const CliRun wide = Cli({"horizon", "--grid", grid, "-o", out, "--lat", "47.5", "--lon", "-9.5",
                           "--json"});
  ASSERT_EQ(wide.status, kExitOk) << wide.err;
  EXPECT_NE(wide.out.find("\"groundHeight\":600"), std::string::npos) << wide.out;
  EXPECT_NE(wide.out.find("\"highest\":{\"azimuth\":-180,"), std::string::npos) << wide.out;
  EXPECT_NE(wide.out.find("\"terrainHeight\":2600}"), std::string::npos) << wide.out;
  EXPECT_NE(wide.err.find("Norden"), std::string::npos) << "60 km reach beyond the tile";

  const CliRun shown = Cli({"horizon", "--show", out});
  ASSERT_EQ(shown.status, kExitOk) << shown.err;
  std::istringstream lines(shown.out);
  std::string line;
  int points = 0;
  while (std::getline(lines, line)) points += !line.empty() && line[0] != '#';
  EXPECT_EQ(points, 720);
  EXPECT_NE(shown.out.find("  -180.00"), std::string::npos);
  EXPECT_NE(shown.out.find("   179.50"), std::string::npos);

  const CliRun json = Cli({"horizon", "--show", out, "--json"});
  ASSERT_EQ(json.status, kExitOk);
  std::size_t count = 0;
  for (std::size_t at = json.out.find("\"azimuth\""); at != std::string::npos;
       at = json.out.find("\"azimuth\"", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 720u);
}

TEST_F(HorizonCommandTest, BadOptions) {
  const std::string grid = Tile();
  const std::string out = folder_.Path("p.ele");
  const std::vector<std::vector<std::string>> cases = {
      {"horizon"},
      {"horizon", "--grid", grid},
      {"horizon", "--grid", grid, "-o", out, "--radius", "0"},
      {"horizon", "--grid", grid, "-o", out, "--radius", "1001"},
      {"horizon", "--grid", grid, "-o", out, "--min-distance", "-1"},
      {"horizon", "--grid", grid, "-o", out, "--platform", "hoch"},
      {"horizon", "--grid", grid, "-o", grid},
      {"horizon", "--show", out, "--grid", grid},
      {"horizon", grid, "-o", out},
  };
  for (const auto& args : cases) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, kExitUsage) << args.back();
    EXPECT_NE(r.err.find("kelvra horizon: "), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

// A failed computation leaves the user's old file as it was.
TEST_F(HorizonCommandTest, FailuresKeepTheOldProfileFile) {
  const std::string out = folder_.Write("keep.ele", "old profile");
  const std::string damaged =
      folder_.Write("damaged.asc",
                    "ncols 3\nnrows 3\nxllcorner 9\nyllcorner 47\ncellsize 0.5\nNODATA_value -9\n"
                    "1 2 3\n4 5\n7 8 9\n");
  const struct {
    const char* name;
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {"damagedGrid", {"horizon", "--grid", damaged, "-o", out, "--lat", "47.5", "--lon", "-9.5"},
       "In der Datenzeile 2 waren      2 Höhendaten statt genau    3"},
      {"siteOffTheTile", {"horizon", "--grid", Tile(), "-o", out, "--lat", "45", "--lon", "-9.5"},
       "lies on none of the elevation grids given; nothing was computed"},
      {"missingGrid", {"horizon", "--grid", folder_.Path("none.asc"), "-o", out},
       "Die Aufgabe kann nicht gelöst werden!0"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, kExitFile) << c.name;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    EXPECT_EQ(persist::ReadFileBytes(out), "old profile") << c.name;
  }
  const CliRun show = Cli({"horizon", "--show", damaged});
  EXPECT_EQ(show.status, kExitFile);
  EXPECT_NE(show.err.find("Zeile 1: keine geogr. Breite"), std::string::npos) << show.err;
}

// The README's example grid.
TEST_F(HorizonCommandTest, ExampleGridOfTheReadme) {
  const std::string out = folder_.Path("valley.ele");
  const CliRun r = Cli({"horizon", "--grid", KELVRA_SOURCE_DIR "/tests/data/valley.asc", "-o", out,
                        "--lat", "47.5", "--lon", "-9.5", "--radius", "50"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const calc::ProfileReadResult file = calc::ReadHorizonProfileFile(out);
  ASSERT_TRUE(file.ok());
  int raised = 0;
  for (const auto& p : file.file.profile.points) raised += p.altitude > 0;
  EXPECT_GT(raised, 360) << "the valley's slopes should raise most of the horizon";
}

}  // namespace
}  // namespace kelvra::cli
