// kelvra graph in-process: every output format of both graphs, the options
// that reach the drawing, and what bad input gets (one line, nothing written,
// an existing file left as it was).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "calc/graphs/graph_inputs.h"
#include "calc/horizon/horizon_profile.h"
#include "cli/cli.h"
#include "cli/draw/cmd_graph.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class GraphCommandTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = fs::temp_directory_path() / ("kelvra-graph-cli-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    // A settings folder without kel.ini: nothing of the machine's settings.
    ::setenv("KELVRA_HOME", folder_.c_str(), 1);
    AddCommand(GraphCommand());
  }
  static void TearDownTestSuite() { fs::remove_all(folder_); }
  void TearDown() override {
    shell::State().site = shell::SiteSettings{};
    calc::graphs::Graphs() = {};
    config::ResetDialParameters(config::Dial());
    calc::Horizon() = {};
    shell::SelectLanguage(true);
  }
  CliRun Cli(std::vector<std::string> args) {
    calc::graphs::Graphs() = {};
    std::ostringstream out, err;
    CliRun r;
    r.status = RunCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
  static std::string File(const std::string& name) { return (folder_ / name).string(); }
  static fs::path folder_;
};

fs::path GraphCommandTest::folder_;

TEST_F(GraphCommandTest, WritesEveryFormatOfBothGraphs) {
  const std::vector<std::vector<std::string>> graphs = {
      {"eot"},
      {"eot", "--zone-time", "--lang", "en"},
      {"sunpath", "--diagram", "polar", "--interval", "15", "--hours", "mean"},
      {"sunpath", "--diagram", "cartesian", "--plane-sunshine", "--date-lines", "solstices",
       "--lang", "en"},
  };
  for (const auto& graph : graphs) {
    for (const char* ext : {".png", ".svg", ".pdf", ".plt", ".dxf"}) {
      const std::string out = File("graph" + std::string(ext));
      fs::remove(out);
      std::vector<std::string> args = {"graph"};
      args.insert(args.end(), graph.begin(), graph.end());
      args.insert(args.end(), {"-o", out});
      const CliRun r = Cli(args);
      SCOPED_TRACE(graph[0] + (graph.size() > 1 ? " " + graph[1] : "") + " " + ext);
      EXPECT_EQ(r.status, 0) << r.err;
      ASSERT_TRUE(fs::exists(out));
      EXPECT_GT(fs::file_size(out), 1000u);
    }
    // The DXF's intermediate plot file is gone.
    EXPECT_FALSE(fs::exists(folder_ / "kelvra.$$$"));
  }
}

TEST_F(GraphCommandTest, PlotFileOptionsReachTheWriter) {
  const std::string plain = File("plain.plt");
  const std::string mirrored = File("mirrored.plt");
  ASSERT_EQ(Cli({"graph", "eot", "-o", plain}).status, 0);
  ASSERT_EQ(Cli({"graph", "eot", "-o", mirrored, "--mirror", "--y-factor", "2"}).status, 0);
  // The first minute label (of -17 minutes) is negated by the mirror.
  auto firstLabel = [](const std::string& text) {
    const auto at = text.find("LB");
    return text.substr(at, text.find('\x03', at) - at);
  };
  EXPECT_EQ(firstLabel(ReadAll(plain)), "LB-17");
  EXPECT_EQ(firstLabel(ReadAll(mirrored)), "LB17");
  EXPECT_NE(ReadAll(mirrored).find("Differenz (mittlere Ortszeit-wahre Ortszeit)"),
            std::string::npos);

  const std::string polar = File("polar.plt");
  ASSERT_EQ(Cli({"graph", "sunpath", "--diagram", "polar", "-o", polar}).status, 0);
  EXPECT_EQ(ReadAll(polar).rfind(";IN;SS;SI 0.16, 0.24;SP 4", 0), 0u);
}

TEST_F(GraphCommandTest, BadInputGetsOneLineAndWritesNothing) {
  const std::string out = File("kept.png");
  {
    std::ofstream f(out, std::ios::binary);
    f << "old";
  }
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {{"graph"}, 2, "graph eot"},
      {{"graph", "moon"}, 2, "'eot' or 'sunpath'"},
      {{"graph", "eot", "-o", out, "--mirror"}, 2, ".plt, .dxf"},
      {{"graph", "eot", "-o", File("x.plt"), "--y-factor", "0.01"}, 2, "0.05 .. 20"},
      {{"graph", "eot", "-o", File("x.plt"), "--y-factor", "x"}, 2, "not a number"},
      {{"graph", "eot", "-o", out, "--diagram", "polar"}, 2, "only for 'graph sunpath'"},
      {{"graph", "sunpath", "-o", File("x.plt"), "--mirror"}, 2, "only for 'graph eot'"},
      {{"graph", "sunpath", "-o", out, "--interval", "10"}, 2, "60, 30, 20, 15"},
      {{"graph", "sunpath", "-o", out, "--date-lines", "4"}, 2, "solstices"},
      {{"graph", "sunpath", "-o", out, "--hours", "true"}, 2, "apparent, mean"},
      {{"graph", "sunpath", "-o", out, "--span", "jun-dec"}, 2, "--hours mean"},
      {{"graph", "sunpath", "-o", out, "--diagram", "round"}, 2, "polar, cartesian"},
      {{"graph", "eot", "-o", File("x.gif")}, 2, ".png, .svg, .pdf, .plt or .dxf"},
      {{"graph", "sunpath", "-o", out, "--horizon-file", File("none.ele")}, 1, "no such file"},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(ReadAll(out), "old");
  EXPECT_FALSE(fs::exists(File("x.plt")));
}


// A profile file of another site: the take-over message on stderr, and the
// diagram is drawn for the profile's site.
TEST_F(GraphCommandTest, ProfileOfAnotherSiteMovesTheSite) {
  const std::string profile = File("hills.ele");
  {
    std::ofstream f(profile, std::ios::binary);
    f << "46,5000000000\t Latitude (where South is negative)\r\n"
      << "8,0000000000\tLongitude (where  West is negative)\r\n"
      << "720\t NPoints (Azimut, Elevation, Distanz);  test hills\r\n";
    for (int i = 0; i < 720; ++i) {
      char line[80];
      std::snprintf(line, sizeof line, "%7.2f \t %9.4f \t %7.2f \t %7.2f \t \r\n",
                    -180 + 0.5 * i, 10.0, 5000.0, 1500.0);
      std::string text = line;
      std::replace(text.begin(), text.end(), '.', ',');
      f << text;
    }
  }
  const std::string out = File("hills.plt");
  const CliRun r = Cli({"graph", "sunpath", "-o", out, "--horizon-file", profile, "--lat", "47",
                        "--lon", "-9"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Horizontprofils wird mit übernommen"), std::string::npos) << r.err;
  EXPECT_NE(ReadAll(out).find("46.5000"), std::string::npos);  // the title names the new site
}

}  // namespace
}  // namespace kelvra::cli
