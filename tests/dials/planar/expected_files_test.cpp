// Plot files, DXF drawings, coordinate listings and construction listings of
// a few planar dials, byte for byte against the files Kelvra wrote before the
// dial families moved behind one interface (expected/README.md says how they
// were made). A difference means a saved file changed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli.h"
#include "cli/draw/cmd_draw.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kExpected = fs::path(KELVRA_SOURCE_DIR) / "tests/dials/planar/expected";

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

// The first position where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return "sizes " + std::to_string(a.size()) + " / " + std::to_string(b.size()) +
         ", first difference at byte " + std::to_string(i) + ": \"" + a.substr(i, 40) +
         "\" / \"" + b.substr(i, 40) + "\"";
}

const std::string kAll =
    "--lat 52.5 --set kind=h --set hoursWithEot=true --set temporalHours=true "
    "--set babylonianHours=true --set italianHours=true --set altitudeLines=true "
    "--set sunshineDurationLines=true --set polarTriangle=true";
const std::string kInclined =
    "--set kind=i --set inclination=30 --set wallDeclination=25 --set hoursWithEot=true "
    "--set babylonianHours=true";
const std::string kUmbrella =
    "--set kind=i --set umbrella=true --set axisInclination=20 --set wallDeclination=-30";
const std::string kSouth = "--lat -34 --lon -18.4 --zone -30 --set kind=h --set hoursWithEot=true";

struct Case {
  std::string command;  // run in the output folder; OUT/ names a written file
  std::vector<std::string> files;  // written files compared with expected/
  std::string stdoutFile;          // expected standard output, if any
};

const std::vector<Case> kCases = {
    {"draw -o OUT/v_default.plt --coordinates OUT/v_default.txt --lang de",
     {"v_default.plt", "v_default.txt"}, ""},
    {"draw -o OUT/v_default.dxf --lang de", {"v_default.dxf"}, ""},
    {"listing --lang de", {}, "v_default_listing.txt"},
    {"draw -o OUT/h_all.plt --grid 10 --line-strength 2 --lang en " + kAll, {"h_all.plt"}, ""},
    {"listing --lang en " + kAll, {}, "h_all_listing.txt"},
    {"listing --lang en --json " + kAll, {}, "h_all_listing.json"},
    {"draw -o OUT/i_decl.plt --coordinates OUT/i_decl.txt --lang de " + kInclined,
     {"i_decl.plt", "i_decl.txt"}, ""},
    {"listing --lang de " + kInclined, {}, "i_decl_listing.txt"},
    {"draw -o OUT/umbrella_i.plt --coordinates OUT/umbrella_i.txt --lang en " + kUmbrella,
     {"umbrella_i.plt", "umbrella_i.txt"}, ""},
    {"draw -o OUT/umbrella_i.dxf --line-strength 3 --lang en " + kUmbrella, {"umbrella_i.dxf"}, ""},
    {"draw -o OUT/h_south.plt --lang de " + kSouth, {"h_south.plt"}, ""},
    {"listing --lang en " + kSouth, {}, "h_south_listing.txt"},
    {"draw -o OUT/v_polar.plt --lat 70 --set temporalHours=true --lang en", {"v_polar.plt"}, ""},
};

TEST(ExpectedFiles, PlanarOutputIsUnchanged) {
  static const bool added = (AddCommand(DrawCommand()), true);
  (void)added;
  const fs::path dir = fs::temp_directory_path() / ("kelvra_expected_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  ::setenv("KELVRA_HOME", dir.c_str(), 1);  // an empty settings folder
  for (const Case& c : kCases) {
    std::vector<std::string> args;
    for (std::string word : Words(c.command)) {
      if (word.rfind("OUT/", 0) == 0) word = (dir / word.substr(4)).string();
      args.push_back(word);
    }
    // The dial alone: the files were written before the map overlay, which is
    // on by default; the overlay has its own tests (tests/dials/worldmap).
    if (args.front() == "draw") {
      args.push_back("--set");
      args.push_back("mapsEnabled=false");
    }
    config::ResetDialParameters();
    shell::State().site = shell::SiteSettings{};
    std::ostringstream out, err;
    ASSERT_EQ(RunCli(args, out, err), 0) << c.command << "\n" << err.str();
    for (const std::string& file : c.files) {
      const std::string expected = ReadAll(kExpected / file);
      ASSERT_FALSE(expected.empty()) << file;
      const std::string written = ReadAll(dir / file);
      EXPECT_TRUE(written == expected) << c.command << ": " << file << ": "
                                       << FirstDifference(written, expected);
    }
    if (!c.stdoutFile.empty()) {
      const std::string expected = ReadAll(kExpected / c.stdoutFile);
      ASSERT_FALSE(expected.empty()) << c.stdoutFile;
      EXPECT_TRUE(out.str() == expected) << c.command << ": "
                                         << FirstDifference(out.str(), expected);
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kelvra::cli
