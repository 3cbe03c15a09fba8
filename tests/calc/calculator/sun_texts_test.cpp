#include "calc/calculator/sun_texts.h"

#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "shell/catalog.h"
#include "support/recording_message_sink.h"

namespace kelvra::calc {
namespace {

using astro::RiseSetKind;
using astro::RiseSetResult;
using astro::RiseSetState;
using astro::TwilightKind;

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

TEST(SunTextsTest, RiseSetTexts) {
  struct Case {
    const char* name; RiseSetResult result; RiseSetKind kind;
    const char* de; const char* en;  // the text of both fields for "always", else of the rise
    const char* set; bool withUnit;
  };
  const Case cases[] = {
      {"normal", {RiseSetState::Normal, 4.4166, 17.72}, RiseSetKind::Sun, "  4:25", "  4:25", " 17:43",
       true},
      {"no rise", {RiseSetState::NoRise, std::nullopt, 0.5}, RiseSetKind::Moon, " -----", " -----",
       "  0:30", false},
      {"no set", {RiseSetState::NoSet, 23.9, std::nullopt}, RiseSetKind::Moon, " 23:54", " 23:54",
       " -----", false},
      {"sun always up", {RiseSetState::AlwaysUp, {}, {}}, RiseSetKind::Sun, "immer sichtbar",
       " always seen  ", nullptr, false},
      {"moon always up", {RiseSetState::AlwaysUp, {}, {}}, RiseSetKind::Moon, "immer sichtbar",
       " always seen  ", nullptr, false},
      {"sun never up", {RiseSetState::AlwaysDown, {}, {}}, RiseSetKind::Sun, " nie sichtbar ",
       " not visible  ", nullptr, false},
      {"always bright", {RiseSetState::AlwaysUp, {}, {}}, RiseSetKind::Twilight, "  immer hell  ",
       "always bright ", nullptr, false},
      {"always dark", {RiseSetState::AlwaysDown, {}, {}}, RiseSetKind::Twilight, " immer dunkel ",
       " always  dark ", nullptr, false},
  };
  for (const auto& c : cases) {
    for (int lang : {1, 2}) {
      const RiseSetTexts t = FormatRiseSet(c.result, c.kind, lang);
      EXPECT_EQ(t.rise, lang == 1 ? c.de : c.en) << c.name;
      EXPECT_EQ(t.set, c.set ? c.set : t.rise) << c.name;
      EXPECT_EQ(t.withUnit, c.withUnit) << c.name;
    }
  }
}

TEST(SunTextsTest, SunAtTheDefaultSite) {
  // Reference times of the program's default site (zone time).
  struct Case { int d, m; const char* rise; const char* set; };
  const Case cases[] = {{21, 6, "  4:25", " 20:21"}, {21, 12, "  8:06", " 16:34"}};
  for (const auto& c : cases) {
    const RiseSetResult r =
        astro::RiseSetForDate(RiseSetKind::Sun, c.d, c.m, 2020, kLat, kLon, kZone);
    const RiseSetTexts t = FormatRiseSet(r, RiseSetKind::Sun, 1);
    EXPECT_EQ(t.rise, c.rise);
    EXPECT_EQ(t.set, c.set);
    EXPECT_TRUE(t.withUnit);
  }
}

TEST(SunTextsTest, PolarDayAndNightShowTheAlwaysTexts) {
  struct Case { RiseSetKind kind; int m; TwilightKind tw; double lat; const char* de; };
  const Case cases[] = {
      {RiseSetKind::Sun, 6, TwilightKind::Astronomical, 70, "immer sichtbar"},
      {RiseSetKind::Sun, 12, TwilightKind::Astronomical, 70, " nie sichtbar "},
      {RiseSetKind::Twilight, 6, TwilightKind::Astronomical, 70, "  immer hell  "},
      {RiseSetKind::Twilight, 12, TwilightKind::Civil, 80, " immer dunkel "},
  };
  for (const auto& c : cases) {
    const RiseSetResult r = astro::RiseSetForDate(c.kind, 21, c.m, 2020, c.lat, kLon, kZone, c.tw);
    const RiseSetTexts t = FormatRiseSet(r, c.kind, 1);
    EXPECT_EQ(t.rise, c.de);
    EXPECT_EQ(t.set, c.de);
    EXPECT_FALSE(t.withUnit);
  }
}

TEST(SunTextsTest, MoonDayWithoutRiseShowsTheDash) {
  int noRise = 0;
  for (int d = 1; d <= 31; ++d) {
    const RiseSetResult r = astro::RiseSetForDate(RiseSetKind::Moon, d, 1, 2020, kLat, kLon, kZone);
    if (r.state != RiseSetState::NoRise) continue;
    ++noRise;
    const RiseSetTexts t = FormatRiseSet(r, RiseSetKind::Moon, 1);
    EXPECT_EQ(t.rise, " -----");
    EXPECT_NE(t.set, " -----");
    EXPECT_FALSE(t.withUnit);
  }
  EXPECT_GE(noRise, 1);
}

TEST(SunTextsTest, AzimuthTimeText) {
  astro::AzimuthTimeResult r;
  EXPECT_EQ(AzimuthTimeText(r, 1), "");  // no time found
  r.solved = true;
  struct Case { double time; const char* text; };
  const Case cases[] = {
      {12.0 + 23.0 / 60 + 5.4 / 3600, " 12:23:05  hh:mm:ss"},
      {9.5, "  9:30:00  hh:mm:ss"},
      {12.0 - 0.2 / 3600, " 12:00:00  hh:mm:ss"},  // the seconds round into the next hour
      {23.0 + 59.0 / 60 + 59.6 / 3600, " 24:00:00  hh:mm:ss"},
  };
  for (const auto& c : cases) {
    r.time = c.time;
    EXPECT_EQ(AzimuthTimeText(r, 2), c.text) << c.time;
  }
  // True noon at the default site on 21 June 2020 is about 12:23.
  const auto noon = astro::TimeForAzimuth(0.0, 2020, astro::DayOfYear(2020, 6, 21), kLat, kLon, kZone);
  const std::string text = AzimuthTimeText(noon, 1);
  EXPECT_EQ(text.substr(0, 7), " 12:23:");
  EXPECT_EQ(text.substr(text.size() - 10), "  hh:mm:ss");
  EXPECT_EQ(text.size(), 19u);
}

class AzimuthMessagesTest : public ::testing::Test {
 protected:
  void TearDown() override { shell::SelectLanguage(true); }
  testing::RecordingMessageSink sink;
};

TEST_F(AzimuthMessagesTest, NoMessageWhenAllGoesWell) {
  const int n = astro::DayOfYear(2020, 6, 21);
  for (double az : {-120.0, 0.0, 120.0}) {
    ShowAzimuthTimeMessages(astro::TimeForAzimuth(az, 2020, n, kLat, kLon, kZone));
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(AzimuthMessagesTest, WarningWhenTheSunPassesNorthOfTheZenith) {
  shell::SelectLanguage(false);
  ShowAzimuthTimeMessages(astro::TimeForAzimuth(60, 2020, astro::DayOfYear(2020, 6, 21), 10, 0, 0));
  ASSERT_FALSE(sink.shown.empty());
  bool warned = false;
  for (const auto& m : sink.shown) {
    if (m.text.rfind("There does not always exist a solution, because\n", 0) == 0) warned = true;
  }
  EXPECT_TRUE(warned);

  // Where the sun does pass, the warning is the only message.
  sink.shown.clear();
  ShowAzimuthTimeMessages(
      astro::TimeForAzimuth(-150, 2020, astro::DayOfYear(2020, 6, 21), 10, -9.59, -15));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
}

TEST_F(AzimuthMessagesTest, OutOfRangeAzimuthAndNoSolution) {
  ShowAzimuthTimeMessages(
      astro::TimeForAzimuth(-150, 2020, astro::DayOfYear(2020, 12, 21), 10, 0, 0));
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[0].text.rfind("Fehler: Az1=", 0), 0u) << sink.shown[0].text;
  EXPECT_NE(sink.shown[0].text.find(" Azimut= -150.00 Az2="), std::string::npos) << sink.shown[0].text;
  EXPECT_EQ(sink.shown.back().text, "Ein Fehler ist  aufgetreten. Das\nErgebnis ist eventuell falsch!");

  // With the sun north of the zenith at noon, south is reached by no one.
  sink.shown.clear();
  ShowAzimuthTimeMessages(astro::TimeForAzimuth(0, 2020, astro::DayOfYear(2020, 6, 21), 10, 0, 0));
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "Die Aufgabe kann nicht gelöst werden!");
  EXPECT_EQ(sink.shown[1].kind, shell::MessageKind::Error);
}

TEST(SunTextsTest, SunlitPlaneExtremesText) {
  astro::SunlitExtremes e;
  e.everLit = true;
  e.earliestFirstLight = 4.0 + 10.0 / 60;
  e.latestLastLight = 19.75;
  e.declinationAtEarliest = 23.44;
  e.declinationAtLatest = 23.44;
  EXPECT_EQ(SunlitPlaneExtremesText(e, 90, -12.5, 47.25, 1),
            "frühester SoAuf:   4:10 ( 23.44);  spätester SoUnt: 19:45 ( 23.44)  für Breite=  47.25;"
            "  Abweich= -12.50;  Inklin= 90.00");
  EXPECT_EQ(SunlitPlaneExtremesText(e, 90, -12.5, 47.25, 2),
            "earliest first light:   4:10 ( 23.44);  latest last light: 19:45 ( 23.44)  for "
            "latitude=  47.25;  declination= -12.50;  inclination= 90.00");
}

}  // namespace
}  // namespace kelvra::calc
