// The settings options and subcommand of the command line, run in-process.
#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>
#include <system_error>

#include "cli/cli.h"
#include "persist/settings_file.h"
#include "persist/text_file.h"
#include "persist_fixture.h"

namespace kelvra::persist {
namespace {

class SettingsCommandTest : public testing::PersistTest {
 protected:
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    ::setenv("KELVRA_HOME", folder_.c_str(), 1);
    const int rc = cli::RunCli(args, out, err);
    ::unsetenv("KELVRA_HOME");
    return rc;
  }
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(SettingsCommandTest, WriteThenShowGivesBackEveryField) {
  ASSERT_EQ(Run({"settings", "write", Path("d.kel"), "--set", "kind=i", "--set", "umbrella=true",
                 "--set", "gnomonHeight=77.5", "--set", "hoursApparent=n", "--set", "eotHourInterval=6",
                 "--lat", "-33.5", "--lang", "en"}),
            0) << err.str();
  ASSERT_EQ(Run({"settings", "show", "--set", "kind=i", "--set", "umbrella=true", "--set",
                 "gnomonHeight=77.5", "--set", "hoursApparent=n", "--set", "eotHourInterval=6", "--lat",
                 "-33.5", "--lang", "en"}),
            0);
  const std::string expected = out.str();
  ASSERT_EQ(Run({"settings", "show", "--settings", Path("d.kel")}), 0) << err.str();
  EXPECT_EQ(out.str(), expected);
  EXPECT_NE(expected.find("kind = i\numbrella = true\n"), std::string::npos);
  EXPECT_NE(expected.find("language = E\n"), std::string::npos);
  // --lang overrides the language of the file.
  ASSERT_EQ(Run({"settings", "show", "--settings", Path("d.kel"), "--lang", "de"}), 0);
  EXPECT_NE(out.str().find("language = D\n"), std::string::npos);
}

TEST_F(SettingsCommandTest, HabermelDialComesBackWithItsDerivedGnomon) {
  const std::vector<std::string> sets = {"--set", "kind=q", "--set", "altitudeVariant=2", "--set",
                                         "dialDiameter=150", "--set", "bifilarThreads.p3.z=0.5"};
  std::vector<std::string> write = {"settings", "write", Path("h.kel")};
  write.insert(write.end(), sets.begin(), sets.end());
  ASSERT_EQ(Run(write), 0) << err.str();
  std::vector<std::string> show = {"settings", "show"};
  show.insert(show.end(), sets.begin(), sets.end());
  ASSERT_EQ(Run(show), 0);
  const std::string expected = out.str();
  ASSERT_EQ(Run({"settings", "show", "--settings", Path("h.kel")}), 0);
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(expected.find("habermelGnomon = 0\n"), std::string::npos);
}

TEST_F(SettingsCommandTest, SetErrorsNameTheFieldAndItsRange) {
  EXPECT_EQ(Run({"settings", "show", "--set", "gnomonHeight=600"}), 2);
  EXPECT_EQ(err.str(), "kelvra settings: --set gnomonHeight=600: out of range; allowed: 5 .. 500 mm\n");
  EXPECT_EQ(Run({"settings", "show", "--set", "wallDeclination"}), 2);
  EXPECT_NE(err.str().find("NAME=VALUE"), std::string::npos);
  EXPECT_EQ(Run({"settings", "show", "--set", "kind=q", "--set", "umbrella=true"}), 2);
  EXPECT_NE(err.str().find("umbrella"), std::string::npos);
  EXPECT_EQ(out.str(), "");
}

TEST_F(SettingsCommandTest, DamagedFileIsReportedAndNeverWritten) {
  std::vector<std::string> lines;
  WriteSettings(lines, false);
  lines[1] = " 95.000000;       47.25";
  ASSERT_TRUE(WriteTextLines(Path("kel.ini"), lines));
  const std::string before = Bytes("kel.ini");

  EXPECT_EQ(Run({"settings", "check", Path("kel.ini")}), 1);
  EXPECT_NE(out.str().find(": line 1: \"95.000000\" -> 47.25 (reading stops here)"), std::string::npos)
      << out.str();
  // The settings folder's kel.ini is read by every command: a damaged one ends it.
  EXPECT_EQ(Run({"settings", "show"}), 1);
  EXPECT_NE(err.str().find("damaged"), std::string::npos);
  EXPECT_EQ(Run({"settings", "show", "--settings", Path("missing.kel")}), 1);
  EXPECT_EQ(Bytes("kel.ini"), before);
  EXPECT_FALSE(std::filesystem::exists(Path("kel_ini.bak")));
}

// A folder or a device handed over as a settings file is unreadable, not a
// damaged file: no repair question, no list of missing sections.
TEST_F(SettingsCommandTest, FolderOrDeviceCannotBeRead) {
  std::filesystem::create_directories(Path("dials"));
  for (const std::string& file : {Path("dials"), std::string("/dev/zero")}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(Run({"settings", "check", file}), 1);
    EXPECT_NE(err.str().find("kelvra settings: cannot read " + file +
                             ": ist keine gewöhnliche Datei"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(err.str().find("korrigiert"), std::string::npos) << err.str();
    EXPECT_EQ(out.str().find("[Farben]"), std::string::npos) << out.str();
    EXPECT_EQ(Run({"settings", "show", "--settings", file}), 1);
    EXPECT_NE(err.str().find("settings file " + file + " cannot be read"), std::string::npos)
        << err.str();
    EXPECT_EQ(err.str().find("damaged"), std::string::npos) << err.str();
  }
  EXPECT_TRUE(std::filesystem::is_empty(Path("dials")));
}

TEST_F(SettingsCommandTest, WriteFailureGivesTheSystemsReason) {
  EXPECT_EQ(Run({"settings", "write", Path("no such folder/my.kel")}), 1);
  EXPECT_EQ(err.str(), "kelvra settings: cannot write " + Path("no such folder/my.kel") +
                           ": " + std::generic_category().message(ENOENT) + "\n");
}

}  // namespace
}  // namespace kelvra::persist
