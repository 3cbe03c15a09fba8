// Start-up defaults, "Standardwerte laden" and the settings folder rule.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/zodiac.h"

namespace kelvra::shell {
namespace {

// Installs the program's hook for the dial record and restores the shared
// state afterwards.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = State();
    savedHooks_ = CurrentStartupHooks();
    SetStartupHooks({[] { config::ResetDialParameters(); }, nullptr});
  }
  void TearDown() override {
    SetStartupHooks(savedHooks_);
    State() = saved_;
    SelectLanguage(true);
    config::ResetDialParameters();
  }
 private:
  SharedState saved_;
  StartupHooks savedHooks_;
};

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> values) {
  return [values](std::string_view name) -> std::optional<std::string> {
    auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST_F(StartupTest, FirstStartWithoutSettingsFile) {
  // Spoil everything the start-up sets.
  State().site = {10.0, 20.0, 30.0, 1999};
  State().colors.colors.fill(123);
  State().colors.lineWidth = 3;
  State().general.showHints = true;
  State().general.twilightKind = 0;
  State().general.ownDateLines.clear();
  SelectLanguage(false);
  config::Dial().kind = 'a';

  ResetToStartupDefaults();
  EXPECT_EQ(State().site.year, 2020);
  EXPECT_EQ(CurrentZodiac().year, 2020);
  EXPECT_EQ(config::Dial().kind, 'v');

  ApplyMainWindowDefaults("/opt/kelvra", FakeEnvironment({{"KELVRA_HOME", "/srv/k"}}),
                          CalendarDate{5, 3, 2026});
  AfterSettingsRead();  // no file: nothing was read

  const SharedState& s = State();
  EXPECT_EQ(s.site.latitude, 47.251315);
  EXPECT_EQ(s.site.longitude, -9.590825);
  EXPECT_EQ(s.site.zoneMeridian, -15.0);
  EXPECT_EQ(s.site.year, 2026);  // the current year
  EXPECT_EQ(s.general.today.day, 5);
  EXPECT_EQ(s.general.today.month, 3);
  EXPECT_EQ(s.general.timeOfDay, 0.5);
  EXPECT_EQ(config::Dial().kind, 'v');
  EXPECT_EQ(s.colors.lineWidth, 1);
  EXPECT_EQ(s.colors.colors, kDefaultColors);
  EXPECT_EQ(s.colors.Color(12), 10543327u);
  EXPECT_FALSE(s.general.showHints);
  EXPECT_EQ(s.general.twilightKind, 2);
  EXPECT_EQ(s.general.language, 1);
  EXPECT_EQ(s.general.textOffset, 0);
  EXPECT_EQ(s.general.ownDateLines,
            (std::vector<std::string>{"21/03    ( 21. März )", "21/06    ( 21. Juni )",
                                      "21/12    ( 21. Dezember )"}));
  EXPECT_EQ(s.general.programFolder, "/opt/kelvra/");
  EXPECT_EQ(s.general.settingsFile, "/srv/k/kel.ini");
  // The zodiac table follows the year: 2020 in step 1, the current year in step 3.
  EXPECT_EQ(CurrentZodiac().year, 2026);
}

TEST_F(StartupTest, SettingsReadKeepOwnDateLinesAndApplyStoredLanguage) {
  State().general.ownDateLines = {"01/05    ( Maifeiertag )"};
  State().general.languageIsGerman = false;
  AfterSettingsRead();
  EXPECT_EQ(State().general.ownDateLines.size(), 1u);
  EXPECT_EQ(State().general.language, 2);
  EXPECT_EQ(State().general.textOffset, 2000);
}

TEST_F(StartupTest, StandardValuesResetSiteAndDialOnly) {
  ResetToStartupDefaults();
  State().site = {-35.0, 150.0, 0.0, 2031};
  State().colors.lineWidth = 2;
  State().colors.colors[0] = 255;
  config::Dial().kind = 'r';

  LoadStandardValues();
  EXPECT_EQ(State().site.latitude, 47.251315);
  EXPECT_EQ(State().site.longitude, -9.590825);
  EXPECT_EQ(State().site.zoneMeridian, -15.0);
  EXPECT_EQ(State().site.year, 2020);  // also the year, not the current one
  EXPECT_EQ(config::Dial().kind, 'v');
  EXPECT_EQ(State().colors.lineWidth, 2);  // colours are not part of it
  EXPECT_EQ(State().colors.colors[0], 255u);
  EXPECT_EQ(CurrentZodiac().year, 2020);
}

TEST(TextLists, HourAndIntervalLists) {
  const auto& lists = TextLists();
  ASSERT_EQ(lists.hourLabels24.size(), 25u);
  EXPECT_EQ(lists.hourLabels24.front(), "  0");
  EXPECT_EQ(lists.hourLabels24.back(), "  24");
  ASSERT_EQ(lists.hourLabels12.size(), 13u);
  EXPECT_EQ(lists.hourLabels12.back(), "  12");
  ASSERT_EQ(lists.clockHours.size(), 25u);
  EXPECT_EQ(lists.clockHours[0], " 0  Uhr");
  EXPECT_EQ(lists.clockHours[24], " 24  Uhr");
  EXPECT_EQ(lists.intervals,
            (std::vector<std::string>{" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"}));
}

// A temporary program folder, with or without a kel.ini in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("kelvra_startup_" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Folder() const { return path_.string() + "/"; }
  void AddSettingsFile() const { std::ofstream(path_ / "kel.ini") << "x\r\n"; }

 private:
  std::filesystem::path path_;
};

TEST(SettingsFolder, ChoosesByEnvironmentAndProgramFolder) {
  ScratchFolder withIni, withoutIni;
  withIni.AddSettingsFile();
  std::filesystem::create_directories(withoutIni.Folder() + "kel.ini.d");

  struct Case {
    const char* what;
    std::map<std::string, std::string> env;
    bool programHasIni;
    std::string expected;  // "<program>" stands for the program folder
  };
  const Case cases[] = {
      {"KELVRA_HOME wins", {{"KELVRA_HOME", "/data/k"}, {"HOME", "/home/u"}}, true, "/data/k/"},
      {"KELVRA_HOME with separator", {{"KELVRA_HOME", "/data/k/"}}, false, "/data/k/"},
      {"empty KELVRA_HOME is unset", {{"KELVRA_HOME", ""}, {"HOME", "/home/u"}}, true,
       "<program>"},
      {"kel.ini beside the program", {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/x"}}, true,
       "<program>"},
      {"XDG_CONFIG_HOME", {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/x/cfg"}}, false,
       "/x/cfg/kelvra/"},
      {"relative XDG_CONFIG_HOME ignored", {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "cfg"}},
       false, "/home/u/.config/kelvra/"},
      {"empty XDG_CONFIG_HOME", {{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", ""}}, false,
       "/home/u/.config/kelvra/"},
      {"default ~/.config", {{"HOME", "/home/u/"}}, false, "/home/u/.config/kelvra/"},
      {"nothing set", {}, false, "<program>"},
  };
  for (const auto& c : cases) {
    const ScratchFolder& program = c.programHasIni ? withIni : withoutIni;
    std::string expected = c.expected == "<program>" ? program.Folder() : c.expected;
    EXPECT_EQ(SettingsFolder(FakeEnvironment(c.env), program.Folder()), expected) << c.what;
  }
  // The program folder given without its trailing separator.
  std::string bare = withIni.Folder();
  bare.pop_back();
  EXPECT_EQ(SettingsFolder(FakeEnvironment({{"HOME", "/h"}}), bare), withIni.Folder());
}

}  // namespace
}  // namespace kelvra::shell
