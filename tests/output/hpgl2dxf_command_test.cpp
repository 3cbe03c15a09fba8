#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "hpgl_test_support.h"

namespace kelvra::cli {
namespace {

using kelvra::testing::ReadBytes;
using kelvra::testing::TempFolder;
using kelvra::testing::WriteBytes;

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(Hpgl2DxfCommand, ConvertsAndReportsExitStatus) {
  TempFolder dir;
  const std::string in = (dir / "in.plt").string();
  const std::string out = (dir / "out.dxf").string();
  WriteBytes(in, "IN;SP 1;PU 0 0;PD 40000 40000;");

  CliRun ok = Cli({"hpgl2dxf", in, out, "--divisor", "1000", "--line-strength", "2", "--json"});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_NE(ok.out.find("\"status\":\"converted\""), std::string::npos) << ok.out;
  EXPECT_NE(ok.out.find("\"vertices\":2"), std::string::npos) << ok.out;
  const std::string dxf = ReadBytes(out);
  EXPECT_NE(dxf.find("\r\n   40.0000\r\n"), std::string::npos);  // 40000 units / 1000
  EXPECT_NE(dxf.find("\r\n 40 \r\n0.006\r\n"), std::string::npos);

  CliRun plain = Cli({"hpgl2dxf", in, out});
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(ReadBytes(out).find("\r\n 1000.0000\r\n"), std::string::npos);  // divisor 40

  WriteBytes(dir / "bad.plt", "1234");
  EXPECT_EQ(Cli({"hpgl2dxf", (dir / "bad.plt").string(), out}).status, 1);
  EXPECT_EQ(Cli({"hpgl2dxf", (dir / "none.plt").string(), out}).status, 1);
  EXPECT_EQ(Cli({"hpgl2dxf", in, (dir / "no" / "x.dxf").string()}).status, 1);
}

TEST(Hpgl2DxfCommand, EachNoteOnceWithACountAndNothingSaidOnSuccess) {
  TempFolder dir;
  const std::string out = (dir / "out.dxf").string();
  struct Case {
    const char* name;
    const char* plot;
    const char* err;  // the whole of stderr
  };
  // A plot file written with line strength 2 sets the pen width (PW, an
  // HPGL/2 command) in front of each of its line groups.
  const Case cases[] = {
      {"plain", "IN;SP 1;PU 0 0;PD 4000 4000;", ""},
      {"threePenWidths", "IN;SP 1;PW 0.35;PU 0 0;PD 4000 4000;PW 0.35;PU 0 0;PD 4000 0;PW 0.35;PU 0 0;PD 0 4000;",
       "note: Command PW (=Penwidth) only supported by HPGL2. (3 times)\n"},
      {"onePenWidth", "IN;SP 1;PW 0.35;PU 0 0;PD 4000 4000;",
       "note: Command PW (=Penwidth) only supported by HPGL2.\n"},
  };
  for (const auto& c : cases) {
    const std::string in = (dir / (std::string(c.name) + ".plt")).string();
    WriteBytes(in, c.plot);
    const CliRun r = Cli({"hpgl2dxf", in, out});
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
    EXPECT_EQ(r.err, c.err) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
  }
}

TEST(Hpgl2DxfCommand, UsageErrors) {
  TempFolder dir;
  const std::string in = (dir / "in.plt").string();
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"hpgl2dxf"},
           {"hpgl2dxf", in},
           {"hpgl2dxf", in, "a.dxf", "b.dxf"},
           {"hpgl2dxf", in, "a.dxf", "--divisor", "25"},
           {"hpgl2dxf", in, "a.dxf", "--line-strength", "4"},
           {"hpgl2dxf", in, "a.dxf", "--line-strength", "x"},
           {"hpgl2dxf", in, "a.dxf", "--scale", "1"}}) {
    CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "a.dxf"));
  }
}

// The plot file is never replaced by its own drawing, whatever the path says;
// a folder or a device is no plot file (/dev/zero would be read forever).
TEST(Hpgl2DxfCommand, RefusesTheSameFileAndFilesThatAreNoPlotFiles) {
  TempFolder dir;
  const std::string plot = "IN;SP 1;PU 0 0;PD 400 400;";
  WriteBytes(dir / "a.plt", plot);
  std::filesystem::create_directories(dir / "sub");
  std::filesystem::create_symlink(dir / "a.plt", dir / "link.dxf");
  struct Case {
    std::string in, out;
    int status;
  };
  const Case cases[] = {
      {(dir / "a.plt").string(), (dir / "a.plt").string(), 2},
      {(dir / "a.plt").string(), (dir / "sub" / ".." / "a.plt").string(), 2},
      {(dir / "a.plt").string(), (dir / "link.dxf").string(), 2},
      {(dir / "sub").string(), (dir / "b.dxf").string(), 1},
      {"/dev/zero", (dir / "b.dxf").string(), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in + " -> " + c.out);
    const CliRun run = Cli({"hpgl2dxf", c.in, c.out});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(ReadBytes(dir / "a.plt"), plot);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.dxf"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dxf"));
  }
}

}  // namespace
}  // namespace kelvra::cli
