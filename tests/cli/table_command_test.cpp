// "kelvra table" in-process: the lines of the tables on stdout, the exported
// file with -o, bad input and a file that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "calc/tables/rise_set_table.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/table_export.h"
#include "calc/tables/yearly_table.h"
#include "cli/cli.h"
#include "shell/catalog.h"
#include "shell/safe_save.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class TableCommandTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = fs::temp_directory_path() / ("kelvra-table-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    ::setenv("KELVRA_HOME", folder_.c_str(), 1);
  }
  static void TearDownTestSuite() { fs::remove_all(folder_); }
  void TearDown() override { Reset(); }
  static void Reset() {
    shell::State().site = shell::SiteSettings{};
    shell::State().general.twilightKind = 2;
    shell::SelectLanguage(true);
  }

  // The site given explicitly (47.25 N, 9.59 E, CET), year 2024, German
  // unless the arguments say otherwise.
  static CliRun Cli(std::vector<std::string> args) {
    Reset();
    for (const auto& [option, value] :
         std::vector<std::pair<std::string, std::string>>{
             {"--lat", "47.251315"}, {"--lon", "-9.590825"}, {"--zone", "-15"},
             {"--year", "2024"}, {"--lang", "de"}}) {
      if (std::find(args.begin(), args.end(), option) != args.end()) continue;
      args.push_back(option);
      args.push_back(value);
    }
    std::ostringstream out, err;
    CliRun r;
    r.status = RunCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  static shell::SiteSettings Site(int year = 2024) {
    shell::SiteSettings s;
    s.year = year;
    return s;
  }

  static fs::path folder_;
};
fs::path TableCommandTest::folder_;

// Stdout shows the lines of the table as the window shows them (with the
// export's leading blank line), in UTF-8 with LF.
TEST_F(TableCommandTest, PrintsTheTablesOfTheWindow) {
  struct Case {
    std::vector<std::string> args;
    calc::Table table;
  } cases[] = {
      {{"table", "eot"}, calc::BuildYearlyTable(Site(), calc::YearTableKind::EquationOfTime, 1)},
      {{"table", "eot-longitude", "--lang", "en"},
       calc::BuildYearlyTable(Site(), calc::YearTableKind::EotWithLongitude, 2)},
      {{"table", "declination"}, calc::BuildYearlyTable(Site(), calc::YearTableKind::Declination, 1)},
      {{"table", "noon", "--year", "1582"},
       calc::BuildYearlyTable(Site(1582), calc::YearTableKind::TrueNoon, 1)},
      {{"table", "riseset", "--month", "2", "--twilight", "civil"},
       calc::BuildMonthTable(Site(), 2, astro::TwilightKind::Civil, 1)},
      {{"table", "riseset", "--half", "2", "--lang", "en"}, calc::BuildHalfYearTable(Site(), 7, 2)},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    ASSERT_EQ(r.status, 0) << c.args[1] << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    std::string expected;
    for (const auto& l : c.table.lines) expected += l + "\n";
    EXPECT_TRUE(r.out.ends_with(expected)) << c.args[1];
    EXPECT_NE(r.out.find("\n \n"), std::string::npos);
  }
  // The stored twilight kind is the default of the one-month table.
  EXPECT_NE(Cli({"table", "riseset", "--month", "3"}).out.find("astronom.(12°-18°)"),
            std::string::npos);
}

// -o writes the window's export; --csv alone is the ";" answer.
TEST_F(TableCommandTest, WritesTheExportedFile) {
  struct Case {
    std::vector<std::string> args;
    calc::Table table;
    calc::ExportFormat format;
  } cases[] = {
      {{"table", "eot"}, calc::BuildYearlyTable(Site(), calc::YearTableKind::EquationOfTime, 1), {}},
      {{"table", "noon", "--csv"},
       calc::BuildYearlyTable(Site(), calc::YearTableKind::TrueNoon, 1), {true, ';'}},
      {{"table", "declination", "--csv", "--sep", ","},
       calc::BuildYearlyTable(Site(), calc::YearTableKind::Declination, 1), {true, ','}},
      {{"table", "riseset", "--month", "12", "--csv", "--twilight", "nautical"},
       calc::BuildMonthTable(Site(), 12, astro::TwilightKind::Nautical, 1), {true, ';'}},
      {{"table", "riseset", "--half", "1", "--lang", "en"}, calc::BuildHalfYearTable(Site(), 1, 2), {}},
  };
  const fs::path file = folder_ / "table.out";
  for (auto c : cases) {
    c.args.push_back("-o");
    c.args.push_back(file.string());
    const CliRun r = Cli(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadBytes(file), calc::ExportTableBytes(c.table, c.format)) << c.args[1];
  }
  const CliRun sym = Cli({"table", "symmetric", "--values", "240", "--csv", "-o", file.string()});
  ASSERT_EQ(sym.status, 0) << sym.err;
  EXPECT_EQ(ReadBytes(file),
            calc::SymmetricTableBytes(calc::BuildSymmetricTable(240, 2024, ';', 1)));
  const CliRun shown = Cli({"table", "symmetric", "--values", "72"});
  EXPECT_NE(shown.out.find("    L1/ L2      / dekl /"), std::string::npos) << shown.out;
}

TEST_F(TableCommandTest, BadInputNamesTheAllowedValues) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{"table", "eot", "--year", "1299"}, "--year: 1299 is out of range; allowed 1300 .. 2500"},
      {{"table", "noon", "--year", "2501"}, "allowed 1300 .. 2500"},
      {{"table", "riseset", "--month", "13"}, "--month: 13 is out of range; allowed 1 .. 12"},
      {{"table", "riseset", "--month", "0"}, "allowed 1 .. 12"},
      {{"table", "riseset", "--half", "3"}, "--half: 3 is out of range; allowed 1 .. 2"},
      {{"table", "riseset"}, "either --month 1..12 or --half 1|2"},
      {{"table", "riseset", "--month", "1", "--half", "1"}, "either --month 1..12 or --half 1|2"},
      {{"table", "riseset", "--month", "1", "--twilight", "dusk"},
       "use one of civil, nautical, astronomical"},
      {{"table", "moon"}, "unknown table 'moon'; use one of eot, eot-longitude, declination, noon, riseset, symmetric"},
      {{"table"}, "use one of eot, eot-longitude"},
      {{"table", "symmetric", "--values", "100"}, "use one of 72, 120, 144, 180, 240, 288"},
      {{"table", "symmetric"}, "--values is required; allowed 72, 120, 144, 180, 240, 288"},
      {{"table", "eot", "--sep", ","}, "--sep: needs --csv"},
      {{"table", "eot", "--csv", "--sep", "|"}, "use one of ;, ,"},
      {{"table", "eot", "--month", "3"}, "--month does not apply"},
  };
  const fs::path file = folder_ / "never.txt";
  for (auto c : cases) {
    c.args.push_back("-o");
    c.args.push_back(file.string());
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, 2) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(file)) << c.says;
  }
}

TEST_F(TableCommandTest, UnwritableFileIsLeftAsItWas) {
  const fs::path missing = folder_ / "no-such-folder" / "t.csv";
  const CliRun r = Cli({"table", "eot", "--csv", "-o", missing.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Open error: File  " + missing.string()), std::string::npos) << r.err;

  const fs::path file = folder_ / "kept.csv";
  { std::ofstream(file, std::ios::binary) << "yesterday's table"; }
  {
    shell::ScopedSaveFault fault({shell::SaveStage::Write, 28, 500, 0});
    const CliRun full = Cli({"table", "riseset", "--half", "1", "--csv", "-o", file.string()});
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("Open error: File  "), std::string::npos);
  }
  EXPECT_EQ(ReadBytes(file), "yesterday's table");
}

}  // namespace
}  // namespace kelvra::cli
