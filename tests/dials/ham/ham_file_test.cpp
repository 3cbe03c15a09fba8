// The ham dial's hour-point files: what is written, what is read back, and
// the problems a damaged file is reported with.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "dials/ham/ham_file.h"
#include "shell/catalog.h"
#include "shell/safe_save.h"

namespace kelvra::dials::ham {
namespace {

namespace fs = std::filesystem;

class HamFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kelvra_ham_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    shell::SelectLanguage(false);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    shell::SelectLanguage(true);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string ReadAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
};

TEST_F(HamFileTest, MarksAreWrittenAsWindowsLinesAndReadBack) {
  HamMarks marks;
  marks.Add({-12.345, 4.5});
  marks.Add({0, -0.001});
  marks.Add({123.4567, -98.7654});
  ASSERT_TRUE(SaveHamFile(Path("schink.ham"), marks).ok);
  EXPECT_EQ(ReadAll(Path("schink.ham")),
            "[Schinkensonnenuhr]\r\n"
            "  -12.345;    4.500\r\n"
            "    0.000;   -0.001\r\n"
            "  123.457;  -98.765\r\n");
  const HamFileRead read = ReadHamFile(Path("schink.ham"));
  ASSERT_TRUE(read.marks) << read.problem;
  ASSERT_EQ(read.marks->Marks().size(), 3u);
  EXPECT_EQ(read.marks->Marks()[0], (HamMark{-12.345, 4.5}));
  EXPECT_NEAR(read.marks->Marks()[2].x, 123.457, 1e-12);
  // No marks: only the header.
  ASSERT_TRUE(SaveHamFile(Path("empty.ham"), HamMarks{}).ok);
  const HamFileRead empty = ReadHamFile(Path("empty.ham"));
  ASSERT_TRUE(empty.marks);
  EXPECT_TRUE(empty.marks->Empty());
}

TEST_F(HamFileTest, DamagedFilesAreReportedWithTheLineAndWhatIsAllowed) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string problem;  // empty: reads
  };
  const std::string notPoint = ": expected x;y, two numbers in mm between -10000 and 10000";
  std::vector<std::string> eleven = {"[Schinkensonnenuhr]"};
  for (int n = 0; n < 11; ++n) eleven.push_back(std::to_string(n) + ";1");
  const Case cases[] = {
      {"blank lines and blanks are ignored", {"", "  [Schinkensonnenuhr] ", "", " 1.5 ; 2.5 ", ""}, ""},
      {"a decimal comma counts as a point", {"[Schinkensonnenuhr]", "1,5;2"}, ""},
      {"empty file", {}, "Not a file of hour points: its first line must read [Schinkensonnenuhr]"},
      {"another file", {"[Farben]", "1;2"},
       "Not a file of hour points: its first line must read [Schinkensonnenuhr]"},
      {"no semicolon", {"[Schinkensonnenuhr]", "1.5 2.5"}, "Line 2 (\"1.5 2.5\")" + notPoint},
      {"not a number", {"[Schinkensonnenuhr]", "1;2", "x;2"}, "Line 3 (\"x;2\")" + notPoint},
      {"beyond the limit", {"[Schinkensonnenuhr]", "10000.5;0"}, "Line 2 (\"10000.5;0\")" + notPoint},
      {"eleven points", eleven, "Line 12: more than 10 hour points (at most 10)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HamFileRead read = ReadHamLines(c.lines);
    EXPECT_EQ(read.problem, c.problem);
    EXPECT_EQ(read.marks.has_value(), c.problem.empty());
  }
  const HamFileRead missing = ReadHamFile(Path("nowhere.ham"));
  EXPECT_FALSE(missing.marks);
  EXPECT_EQ(missing.problem, "The file cannot be read");
}

TEST_F(HamFileTest, AFailedSaveLeavesTheOldFile) {
  HamMarks one;
  one.Add({1, 2});
  ASSERT_TRUE(SaveHamFile(Path("schink.ham"), one).ok);
  const std::string before = ReadAll(Path("schink.ham"));
  HamMarks two = one;
  two.Add({3, 4});
  {
    shell::SaveFault fault;
    fault.stage = shell::SaveStage::Write;
    fault.bytesBeforeFault = 5;
    shell::ScopedSaveFault scoped(fault);
    const shell::SaveResult r = SaveHamFile(Path("schink.ham"), two);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
  }
  EXPECT_EQ(ReadAll(Path("schink.ham")), before);
}

}  // namespace
}  // namespace kelvra::dials::ham
