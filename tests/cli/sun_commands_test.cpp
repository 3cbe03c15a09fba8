// The sun commands run in-process: text in both languages, JSON, bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::cli {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class SunCommandsTest : public ::testing::Test {
 protected:
  // A settings folder without kel.ini, so that no settings of the machine
  // change the site or the language.
  static void SetUpTestSuite() {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("kelvra-sun-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("KELVRA_HOME", folder.c_str(), 1);
  }
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    shell::State().site = shell::SiteSettings{};
    shell::SelectLanguage(true);
  }

  // Runs one command at the default site given explicitly, so that no settings
  // file of the machine can change the result.
  static CliRun Cli(std::vector<std::string> args) {
    Reset();
    for (std::string o : {"--lat", "--lon", "--zone"}) {
      if (std::find(args.begin(), args.end(), o) != args.end()) continue;
      args.push_back(o);
      args.push_back(o == "--lat" ? "47.251315" : o == "--lon" ? "-9.590825" : "-15");
    }
    if (std::find(args.begin(), args.end(), "--lang") == args.end()) {
      args.push_back("--lang");
      args.push_back("de");
    }
    std::ostringstream out, err;
    CliRun r;
    r.status = RunCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  // The number after "key": in a JSON text; NaN for null or a missing key.
  static double JsonNumber(const std::string& json, const std::string& key, std::size_t from = 0) {
    const std::string k = "\"" + key + "\":";
    const std::size_t at = json.find(k, from);
    if (at == std::string::npos) return std::nan("");
    const std::string rest = json.substr(at + k.size());
    if (rest.rfind("null", 0) == 0) return std::nan("");
    return std::stod(rest);
  }
};

TEST_F(SunCommandsTest, RiseSetTextInBothLanguages) {
  const CliRun de = Cli({"riseset", "--date", "2020-06-21"});
  ASSERT_EQ(de.status, 0) << de.err;
  EXPECT_TRUE(de.err.empty());
  EXPECT_TRUE(Has(de.out, "    Datum:           2020- 6-21\n"));
  EXPECT_TRUE(Has(de.out, "Sonnendeklination:  23.44 Grad\n"));
  EXPECT_TRUE(Has(de.out, "    Sonnenaufgang:      4:25 hh:min     Sonnenuntergang:  20:21 hh:min\n"))
      << de.out;
  EXPECT_TRUE(Has(de.out, "[  Angezeigte Dämmerungsart: astronom.(12°-18°)]"));
  EXPECT_TRUE(Has(de.out, "    Mond Aufgang:     "));

  const CliRun en = Cli({"riseset", "--date", "2020-12-21", "--lang", "en", "--twilight", "civil"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_TRUE(Has(en.out, "    Sunrise:            8:06 hh:min     Sunset:           16:34 hh:min\n"))
      << en.out;
  EXPECT_TRUE(Has(en.out, "civil    (0.83°-6°)"));
  EXPECT_TRUE(Has(en.out, "    Latitude :       47.25 deg \n"));
}

TEST_F(SunCommandsTest, RiseSetPolarDayAndJson) {
  const CliRun polar = Cli({"riseset", "--date", "2020-06-21", "--lat", "70"});
  ASSERT_EQ(polar.status, 0) << polar.err;
  EXPECT_TRUE(Has(polar.out, "Sonnenaufgang:    immer sichtbar     Sonnenuntergang: immer sichtbar\n"))
      << polar.out;

  const CliRun j = Cli({"riseset", "--date", "2020-06-21", "--json"});
  ASSERT_EQ(j.status, 0) << j.err;
  const std::string& s = j.out;
  EXPECT_EQ(s.rfind("{\"date\":\"2020-06-21\"", 0), 0u) << s;
  const std::size_t sun = s.find("\"sun\":{");
  ASSERT_NE(sun, std::string::npos);
  const double rise = JsonNumber(s, "rise", sun), set = JsonNumber(s, "set", sun);
  EXPECT_NEAR(rise, 4 + 25 / 60.0, 0.5 / 60);  // full precision, not the text
  EXPECT_NE(rise * 60, std::round(rise * 60));
  EXPECT_NEAR(set, 20 + 21 / 60.0, 0.5 / 60);
  EXPECT_TRUE(Has(s, "\"riseText\":\"4:25\",\"setText\":\"20:21\",\"state\":\"normal\""));
  EXPECT_TRUE(Has(s, "\"twilight\":{"));
  EXPECT_TRUE(Has(s, "\"moon\":{"));
  EXPECT_NEAR(JsonNumber(s, "declination"), 23.44, 0.01);

  const CliRun night = Cli({"riseset", "--date", "2020-12-21", "--lat", "70", "--json", "--lang", "en"});
  EXPECT_TRUE(Has(night.out, "\"sun\":{\"rise\":null,\"set\":null,\"riseText\":\"not visible\","
                             "\"setText\":\"not visible\",\"state\":\"alwaysDown\"}"))
      << night.out;
}

TEST_F(SunCommandsTest, SunPositionTextAndJson) {
  const CliRun de = Cli({"sun", "--date", "2020-06-21", "--time", "12:00", "--time-kind", "apparent"});
  ASSERT_EQ(de.status, 0) << de.err;
  EXPECT_TRUE(Has(de.out, "Uhrzeit:       12:00:00\n"));
  EXPECT_TRUE(Has(de.out, "Azimut:         0.00 Grad    Zeitgleichung:      -1:54 mm:ss\n")) << de.out;
  EXPECT_TRUE(Has(de.out, "Sonnenhöhe:    66.18 Grad    Sonnendeklination:  23.44 Grad\n"));
  EXPECT_TRUE(Has(de.out, "[negativ bei Abweichung gegen Osten]\n"));

  const CliRun en = Cli({"sun", "--date", "2020-06-21", "--time", "8:30:15", "--lang", "en"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_TRUE(Has(en.out, "Time:          08:30:15\n"));
  EXPECT_TRUE(Has(en.out, "Azimuth:     "));
  EXPECT_TRUE(Has(en.out, "[negative for deviation to the east]\n"));

  const CliRun j = Cli({"sun", "--date", "2020-06-21", "--time", "08:30:15", "--json"});
  ASSERT_EQ(j.status, 0) << j.err;
  EXPECT_NEAR(JsonNumber(j.out, "time"), 8.5041666, 1e-6);
  EXPECT_TRUE(Has(j.out, "\"timeKind\":\"zone\""));
  EXPECT_LT(JsonNumber(j.out, "azimuth"), -60);  // morning sun in the east
  EXPECT_GT(JsonNumber(j.out, "azimuth"), -100);
  EXPECT_GT(JsonNumber(j.out, "altitude"), 30);
  EXPECT_NEAR(JsonNumber(j.out, "equationOfTime"), -0.47, 0.02);
  EXPECT_TRUE(Has(j.out, "\"equationOfTimeText\":\"-1:5"));
  EXPECT_NEAR(JsonNumber(j.out, "latitude"), 47.251315, 1e-12);
}

TEST_F(SunCommandsTest, AzimuthTextAndJson) {
  const CliRun de = Cli({"azimuth", "--date", "2020-06-21", "--azimuth", "0"});
  ASSERT_EQ(de.status, 0) << de.err;
  EXPECT_TRUE(Has(de.out, "Sonnenstand erreicht um: 12:23:"));
  EXPECT_TRUE(Has(de.out, " hh:mm:ss\nSonnenhöhe:   66.18 Grad\n")) << de.out;

  const CliRun en = Cli({"azimuth", "--date", "2020-12-21", "--azimuth", "120", "--lang", "en"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_TRUE(Has(en.out, "The sun is below the horizon!\n")) << en.out;

  const CliRun j = Cli({"azimuth", "--date", "2020-06-21", "--azimuth", "-90", "--json"});
  ASSERT_EQ(j.status, 0) << j.err;
  const double t = JsonNumber(j.out, "time");
  EXPECT_GT(t, 6.0);
  EXPECT_LT(t, 8.0);
  EXPECT_TRUE(Has(j.out, "\"reached\":true"));
  EXPECT_TRUE(Has(j.out, "\"timeText\":\""));

  // No solution: the time is null and the messages go to stderr.
  const CliRun none = Cli({"azimuth", "--date", "2020-06-21", "--azimuth", "0", "--lat", "10", "--json"});
  EXPECT_EQ(none.status, 0);
  EXPECT_TRUE(Has(none.out, "\"time\":null")) << none.out;
  EXPECT_TRUE(Has(none.err, "Die Aufgabe kann nicht gelöst werden!")) << none.err;
}

TEST_F(SunCommandsTest, GregorianGapNotice) {
  const CliRun r = Cli({"riseset", "--date", "1582-10-10", "--json"});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "\"date\":\"1582-10-15\""));
  EXPECT_TRUE(Has(r.err, "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte Wert"));
  const CliRun same = Cli({"riseset", "--date", "1582-10-15", "--json"});
  EXPECT_EQ(same.out, r.out);
  EXPECT_TRUE(same.err.empty());
}

TEST_F(SunCommandsTest, BadInputIsOneLineAndStatusTwo) {
  struct Case { std::vector<std::string> args; const char* mentions; };
  const Case cases[] = {
      {{"riseset", "--date", "2020-06-21", "--lat", "95"}, "--lat"},
      {{"riseset", "--date", "2021-02-29"}, "--date"},
      {{"sun", "--date", "2020-6-21"}, "--date"},
      {{"sun", "--date", "1299-12-31"}, "1300 .. 2500"},
      {{"sun", "--date", "2020-06-21", "--time", "25:00"}, "--time"},
      {{"sun", "--date", "2020-06-21", "--time", "noon"}, "--time"},
      {{"sun", "--date", "2020-06-21", "--time-kind", "solar"}, "--time-kind"},
      {{"riseset", "--date", "2020-06-21", "--bogus"}, "--bogus"},
      {{"riseset", "--date", "2020-06-21", "--lon", "east"}, "--lon"},
      {{"azimuth", "--date", "2020-06-21"}, "--azimuth"},
      {{"azimuth", "--date", "2020-06-21", "--azimuth", "200"}, "-180 .. 180"},
      {{"riseset", "--date", "2020-06-21", "extra"}, "extra"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, 2) << c.mentions;
    EXPECT_TRUE(r.out.empty()) << c.mentions;
    EXPECT_TRUE(Has(r.err, c.mentions)) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

TEST_F(SunCommandsTest, DecimalCommaLocaleChangesNothing) {
  const std::vector<std::string> args = {"riseset", "--date", "2020-03-21", "--lat", "47,5"};
  const CliRun before = Cli(args);
  const CliRun sunBefore = Cli({"sun", "--date", "2020-03-21", "--time", "9:15", "--json"});
  ASSERT_EQ(before.status, 0) << before.err;
  const std::locale previous = std::locale::global(std::locale());
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "locale de_DE.UTF-8 missing: run scripts/setup";
  }
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  const CliRun after = Cli(args);
  const CliRun sunAfter = Cli({"sun", "--date", "2020-03-21", "--time", "9:15", "--json"});
  std::locale::global(previous);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(after.out, before.out);
  EXPECT_EQ(sunAfter.out, sunBefore.out);
  EXPECT_TRUE(Has(before.out, "    Geogr. Breite:   47.50 Grad\n"));
  EXPECT_TRUE(Has(sunBefore.out, "\"latitude\":47.251315,"));
}

TEST_F(SunCommandsTest, TodayRunsWithoutArguments) {
  const CliRun r = Cli({"today"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Sonnenaufgang:"));
  EXPECT_TRUE(Has(r.out, "Uhrzeit:"));
  const CliRun j = Cli({"today", "--json", "--lang", "en"});
  ASSERT_EQ(j.status, 0) << j.err;
  EXPECT_TRUE(Has(j.out, "\"riseset\":{"));
  EXPECT_TRUE(Has(j.out, "\"position\":{"));
}

}  // namespace
}  // namespace kelvra::cli
