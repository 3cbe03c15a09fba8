#include "shell/safe_save.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kelvra::shell {
namespace {

namespace fs = std::filesystem;

class SafeSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kelvra_safe_save_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Path(const std::string& name) const { return folder_ / name; }
  static std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void Put(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder_)) names.push_back(e.path().filename().string());
    return names;
  }

  fs::path folder_;
};

// Every step of a save can fail; none of them may touch the old file or leave
// the temporary file behind, and the reason is the system's text.
TEST_F(SafeSaveTest, AFaultAtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
  struct Case {
    const char* name;
    SaveFault fault;
  };
  const std::string big(3 << 20, 'x');  // more than one block of the stream
  const Case cases[] = {
      {"create", {SaveStage::Create, EACCES, 0}},
      {"first write", {SaveStage::Write, ENOSPC, 0}},
      {"write half-way", {SaveStage::Write, ENOSPC, 1 << 20}},
      {"write of the last block", {SaveStage::Write, EIO, big.size() - 1}},
      {"sync", {SaveStage::Sync, EIO, 0}},
      {"rename", {SaveStage::Rename, EXDEV, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Put(Path("dial.kel"), "the user's old file\r\n");
    ScopedSaveFault fault(c.fault);
    const SaveResult r = SaveFileSafely(Path("dial.kel"), big);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(fault.Hits(), 1);
    EXPECT_EQ(r.errorNumber, c.fault.errorNumber);
    EXPECT_EQ(r.reason, std::generic_category().message(c.fault.errorNumber));
    EXPECT_EQ(Bytes(Path("dial.kel")), "the user's old file\r\n");
    EXPECT_EQ(Files(), std::vector<std::string>{"dial.kel"});
  }
  // Without a fault the same save goes through.
  EXPECT_TRUE(SaveFileSafely(Path("dial.kel"), big).ok);
  EXPECT_EQ(Bytes(Path("dial.kel")), big);
  EXPECT_EQ(Files(), std::vector<std::string>{"dial.kel"});
}

// Failures the system reports itself, without injected faults.
TEST_F(SafeSaveTest, RealFailuresNameTheSystemsReason) {
  fs::create_directories(Path("a folder"));
  struct Case {
    fs::path target;
    int errorNumber;
  };
  const Case cases[] = {
      {Path("no such folder") / "x.plt", ENOENT},
      {Path("a folder"), EISDIR},  // a save never replaces a folder
      {Path("a folder") / "", EISDIR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target.string());
    const SaveResult r = SaveFileSafely(c.target, "text");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorNumber, c.errorNumber);
    EXPECT_EQ(r.reason, std::generic_category().message(c.errorNumber));
  }
  EXPECT_TRUE(fs::is_directory(Path("a folder")));
  EXPECT_TRUE(fs::is_empty(Path("a folder")));
}

TEST_F(SafeSaveTest, ReplacedFileKeepsItsPermissionsAndLinksStayLinks) {
  Put(Path("kel.ini"), "old");
  fs::permissions(Path("kel.ini"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(SaveFileSafely(Path("kel.ini"), "new").ok);
  EXPECT_EQ(fs::status(Path("kel.ini")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A new file gets 0666 less the umask, not the 0600 of a temporary file.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(SaveFileSafely(Path("new.kel"), "new").ok);
  ::umask(mask);
  EXPECT_EQ(fs::status(Path("new.kel")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);

  // Saving through a link replaces the file it points to.
  fs::create_directories(Path("real"));
  Put(Path("real") / "dial.kel", "old");
  fs::create_symlink(Path("real") / "dial.kel", Path("link.kel"));
  ASSERT_TRUE(SaveFileSafely(Path("link.kel"), "new").ok);
  EXPECT_TRUE(fs::is_symlink(Path("link.kel")));
  EXPECT_EQ(Bytes(Path("real") / "dial.kel"), "new");
}

TEST_F(SafeSaveTest, StreamAppearsOnlyOnCommit) {
  Put(Path("kel.dxf"), "old drawing");
  {
    SafeSaveFile file;
    ASSERT_TRUE(file.Open(Path("kel.dxf")));
    file.WriteLine("  0");
    file.Write("SECTION");
    EXPECT_EQ(Bytes(Path("kel.dxf")), "old drawing");
    ASSERT_TRUE(file.Commit());
    EXPECT_TRUE(file.Result().ok);
  }
  EXPECT_EQ(Bytes(Path("kel.dxf")), "  0\r\nSECTION");
  {
    SafeSaveFile file;  // dropped without Commit
    ASSERT_TRUE(file.Open(Path("kel.dxf")));
    file.Write("half a drawing");
  }
  EXPECT_EQ(Bytes(Path("kel.dxf")), "  0\r\nSECTION");
  EXPECT_EQ(Files(), std::vector<std::string>{"kel.dxf"});
}

}  // namespace
}  // namespace kelvra::shell
