#include "calc/calculator/calculator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "shell/catalog.h"
#include "support/recording_message_sink.h"

namespace kelvra::calc {
namespace {

using shell::CalendarDate;

CalendarDate Date(int year, int month, int day) {
  CalendarDate d;
  d.year = year;
  d.month = month;
  d.day = day;
  return d;
}

const shell::SiteSettings kSite{};  // 47.251315 N, 9.590825 E, CET

TEST(CalculatorTest, TrueNoonIsTheCulmination) {
  // At 12:00 apparent time the sun stands due south at 90 - latitude +
  // declination (it culminates north of the zenith where the declination is
  // larger than the latitude).
  for (const auto& date : {Date(2020, 6, 21), Date(2020, 12, 21), Date(1700, 3, 1)}) {
    for (double lat : {47.25, -33.9, 10.0}) {
      shell::SiteSettings site = kSite;
      site.latitude = lat;
      const PositionResult p = ComputePosition(site, date, 12.0, TimeKind::TrueLocal);
      const double culmination = 90.0 - std::abs(lat - p.sun.declination);
      EXPECT_NEAR(p.sun.altitude, culmination, 1e-9) << lat << " " << date.year;
      EXPECT_NEAR(std::abs(p.sun.azimuth), lat >= p.sun.declination ? 0.0 : 180.0, 1e-9);
      // The maximum of the day: a quarter of an hour either side is lower.
      for (double t : {11.75, 12.25}) {
        EXPECT_LT(ComputePosition(site, date, t, TimeKind::TrueLocal).sun.altitude,
                  p.sun.altitude);
      }
    }
  }
}

TEST(CalculatorTest, TheThreeTimeKindsNameOneSunDifferently) {
  // Mean local time t is apparent time t + EoT / 15 hours (EoT in degrees);
  // zone time t is mean local time t - (longitude - zoneMeridian) / 15 at a
  // longitude west positive. The ephemeris is read at instants up to 22
  // minutes apart, in which the declination moves by up to 0.4 degrees a day
  // x 22 / 1440 = 0.006 degrees: hence the tolerance.
  const CalendarDate date = Date(2020, 11, 2);  // equation of time near +16 min
  for (double t : {8.0, 12.0, 15.5}) {
    const PositionResult mean = ComputePosition(kSite, date, t, TimeKind::MeanLocal);
    const PositionResult apparent =
        ComputePosition(kSite, date, t + mean.sun.equationOfTime / 15.0, TimeKind::TrueLocal);
    EXPECT_NEAR(mean.sun.altitude, apparent.sun.altitude, 0.01) << t;
    EXPECT_NEAR(mean.sun.azimuth, apparent.sun.azimuth, 0.01) << t;
    const PositionResult zone = ComputePosition(kSite, date, t, TimeKind::Zone);
    const PositionResult meanAtSite = ComputePosition(
        kSite, date, t - (kSite.longitude - kSite.zoneMeridian) / 15.0, TimeKind::MeanLocal);
    EXPECT_NEAR(zone.sun.altitude, meanAtSite.sun.altitude, 0.01) << t;
    EXPECT_NEAR(zone.sun.azimuth, meanAtSite.sun.azimuth, 0.01) << t;
  }
}

TEST(CalculatorTest, DayOfYearCountsTheCalendarOfTheDate) {
  // 1500 is a leap year of the Julian calendar, 1900 none of the Gregorian.
  struct Case { CalendarDate date; int n; };
  const Case cases[] = {{Date(2024, 3, 1), 61}, {Date(2023, 3, 1), 60}, {Date(1500, 3, 1), 61},
                        {Date(1900, 3, 1), 60}, {Date(2020, 12, 31), 366}, {Date(2021, 1, 1), 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ComputePosition(kSite, c.date, 12.0, TimeKind::Zone).dayOfYear, c.n) << c.date.year;
  }
}

TEST(CalculatorTest, DayEventsAreThoseOfTheDate) {
  for (const auto& date : {Date(2020, 6, 21), Date(2021, 2, 11)}) {
    const DayEvents e = ComputeDayEvents(kSite, date, astro::TwilightKind::Nautical);
    // The declination and equation of time of 12:00 zone time.
    const astro::SolarDay noon = astro::ComputeSolarDay(
        date.year, astro::DayArgumentForZoneTime(astro::DayOfYear(date.year, date.month, date.day),
                                                 12.0, kSite.zoneMeridian));
    EXPECT_NEAR(e.noon.declination, noon.declination, 1e-9);
    EXPECT_NEAR(e.noon.equationOfTime, noon.equationOfTime, 1e-9);
    const auto sun = astro::RiseSetForDate(astro::RiseSetKind::Sun, date.day, date.month, date.year,
                                           kSite.latitude, kSite.longitude, kSite.zoneMeridian);
    EXPECT_EQ(e.sun.rise, sun.rise);
    EXPECT_EQ(e.sun.set, sun.set);
    const auto tw = astro::RiseSetForDate(astro::RiseSetKind::Twilight, date.day, date.month,
                                          date.year, kSite.latitude, kSite.longitude,
                                          kSite.zoneMeridian, astro::TwilightKind::Nautical);
    EXPECT_EQ(e.twilight.rise, tw.rise);
    EXPECT_EQ(e.twilightKind, astro::TwilightKind::Nautical);
  }
}

class CalculatorMessagesTest : public ::testing::Test {
 protected:
  void TearDown() override { shell::SelectLanguage(true); }
  testing::RecordingMessageSink sink;
};

TEST_F(CalculatorMessagesTest, GregorianGap) {
  struct Case { CalendarDate in; int day; bool changed; };
  const Case cases[] = {{Date(1582, 10, 5), 15, true},   {Date(1582, 10, 10), 15, true},
                        {Date(1582, 10, 14), 15, true},  {Date(1582, 10, 4), 4, false},
                        {Date(1582, 10, 15), 15, false}, {Date(1583, 10, 10), 10, false},
                        {Date(1582, 11, 10), 10, false}};
  for (const auto& c : cases) {
    sink.shown.clear();
    CalendarDate d = c.in;
    EXPECT_EQ(CorrectGregorianGap(d), c.changed) << c.in.year << "-" << c.in.month << "-" << c.in.day;
    EXPECT_EQ(d.day, c.day);
    EXPECT_EQ(d.month, c.in.month);
    ASSERT_EQ(sink.shown.size(), c.changed ? 1u : 0u);
    if (c.changed) {
      EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Information);
      EXPECT_EQ(sink.shown[0].text,
                "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte Wert für die "
                "Berechnung!");
    }
  }
}

TEST_F(CalculatorMessagesTest, TimeForAzimuthShowsWhatTheSearchMet) {
  shell::SiteSettings tropics = kSite;
  tropics.latitude = 10;
  tropics.longitude = 0;
  tropics.zoneMeridian = 0;
  // South is never reached when the sun culminates north of the zenith.
  const astro::AzimuthTimeResult r = ComputeTimeForAzimuth(tropics, Date(2020, 6, 21), 0.0);
  EXPECT_FALSE(r.solved);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
  EXPECT_EQ(sink.shown[1].text, "Die Aufgabe kann nicht gelöst werden!");
  // At the default site every azimuth of the day is reached without a word.
  sink.shown.clear();
  EXPECT_TRUE(ComputeTimeForAzimuth(kSite, Date(2020, 6, 21), -60.0).reached);
  EXPECT_TRUE(sink.shown.empty());
}

TEST(CalculatorLinesTest, HeaderInBothLanguages) {
  const auto de = HeaderLines(kSite, Date(2020, 6, 21), 1);
  ASSERT_EQ(de.size(), 7u);
  EXPECT_EQ(de[0], "");
  EXPECT_EQ(de[1], "  " + std::string(76, '_'));
  EXPECT_EQ(de[1], RuleLine());
  EXPECT_EQ(de[3], "    Datum:           2020- 6-21");
  EXPECT_EQ(de[4], "    Geogr. Breite:   47.25 Grad");
  EXPECT_EQ(de[5], "    Geogr. Länge:     -9.59 Grad         Zonenmeridian:  -15.0 Grad");
  EXPECT_EQ(de[6], "");
  const auto en = HeaderLines(kSite, Date(1582, 10, 15), 2);
  EXPECT_EQ(en[3], "    Date :           1582-10-15");
  EXPECT_EQ(en[4], "    Latitude :       47.25 deg ");
  EXPECT_EQ(en[5], "    Longitude:       -9.59 deg          Zone meridian:  -15.0 deg ");
}

TEST(CalculatorLinesTest, RiseSetLines) {
  DayEvents e;
  e.noon.declination = 23.4401;
  e.noon.equationOfTime = -0.475;  // -1.9 minutes
  e.sun = {astro::RiseSetState::Normal, 4.4166, 20.35};
  e.twilight = {astro::RiseSetState::AlwaysUp, std::nullopt, std::nullopt};
  e.moon = {astro::RiseSetState::NoRise, std::nullopt, 17.5};
  e.twilightKind = astro::TwilightKind::Civil;
  const auto lines = RiseSetLines(e, 1);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Sonnendeklination:  23.44 Grad");
  EXPECT_EQ(lines[1], "Zeitgleichung:      -1:54 min:sec");
  EXPECT_EQ(lines[2], "    Sonnenaufgang:      4:25 hh:min     Sonnenuntergang:  20:21 hh:min");
  // The evening end before the morning beginning; no unit after "always".
  EXPECT_EQ(lines[3], "    Dämmerung Ende:     immer hell       Dämmerung Anfang:  immer hell  ");
  EXPECT_EQ(lines[4], "                        [  Angezeigte Dämmerungsart: bürgerl. (0.83°-6°)]");
  EXPECT_EQ(lines[5], "    Mond Aufgang:      -----     Mond Untergang:   17:30");
}

TEST(CalculatorLinesTest, PositionLines) {
  PositionResult p;
  p.sun = {61.234, -12.345, 23.4351, 0.8};
  const auto lines = PositionLines("09:30:15", p, 2);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Time:          09:30:15");
  // The declination is rounded to 0.01 before it is written.
  EXPECT_EQ(lines[1], "Altitude:      61.23 deg     Sun declination:    23.44 deg ");
  EXPECT_EQ(lines[2], "Azimuth:      -12.35 deg     Equation of time:    3:12 mm:ss");
  EXPECT_EQ(lines[3], "[negative for deviation to the east]");
}

TEST(CalculatorLinesTest, AzimuthLines) {
  astro::AzimuthTimeResult r;
  r.solved = r.reached = true;
  r.time = 12.0 + 23.0 / 60 + 5.0 / 3600;
  r.altitude = 66.185;
  EXPECT_EQ(ReachedAtText(r, 1), "12:23:05 hh:mm:ss");
  auto lines = AzimuthLines(0.0, r, 1);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Azimut:         0.00 Grad");
  EXPECT_EQ(lines[1], "[negativ bei Abweichung gegen Osten]");
  EXPECT_EQ(lines[2], "Sonnenstand erreicht um: 12:23:05 hh:mm:ss");
  EXPECT_EQ(lines[3], "Sonnenhöhe:   66.19 Grad");
  // An altitude that rounds to zero is below the horizon.
  r.altitude = 0.004;
  lines = AzimuthLines(0.0, r, 2);
  EXPECT_EQ(lines[3], "The sun is below the horizon!");
  // No time found: the line stays empty and no altitude follows.
  r.solved = false;
  lines = AzimuthLines(0.0, r, 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "Sonnenstand erreicht um: ");
}


TEST(CalculatorLinesTest, EquationOfTimeLinesAndTheBlock) {
  astro::SolarDay noon;
  noon.declination = -23.437;
  noon.equationOfTime = 0.8;  // degrees of arc: 3 min 12 s
  const auto de = EquationOfTimeLines(noon, 1);
  ASSERT_EQ(de.size(), 3u);
  EXPECT_EQ(de[0], "Sonnendeklination: -23.44 Grad");
  EXPECT_EQ(de[1], "Zeitgleichung:       3:12 mm:ss");
  EXPECT_EQ(de[2], "   Werte für 12 Uhr Zonenzeit");
  EXPECT_EQ(EquationOfTimeLines(noon, 2)[2], "   Values for 12:00 zone time");
  // The block: the header, the lines, the closing rule.
  const auto block = ResultBlock(kSite, Date(2024, 2, 29), de, 1);
  const auto header = HeaderLines(kSite, Date(2024, 2, 29), 1);
  ASSERT_EQ(block.size(), header.size() + de.size() + 1);
  EXPECT_EQ(block[1], RuleLine());
  EXPECT_EQ(block[header.size()], de[0]);
  EXPECT_EQ(block.back(), RuleLine());
  EXPECT_EQ(RuleLine().size(), 2u + 2u + 37u * 2u);
}

TEST(CalculatorTest, NoonValuesAreThoseOfTwelveZoneTime) {
  // The position at 12:00 zone time reads the ephemeris at the same instant
  // through the hour-angle path; both give one declination and equation of time.
  struct Case {
    const char* name;
    shell::SiteSettings site;
    CalendarDate date;
  };
  shell::SiteSettings west = kSite;
  west.longitude = 74.0;
  west.zoneMeridian = 75.0;
  const Case cases[] = {
      {"CET summer", kSite, Date(2020, 6, 21)},
      {"CET leap day", kSite, Date(2024, 2, 29)},
      {"US east, first of November", west, Date(2023, 11, 1)},
      {"after the 1582 change", kSite, Date(1582, 10, 15)},
  };
  for (const Case& c : cases) {
    const astro::SolarDay noon = NoonValues(c.site, c.date);
    const PositionResult p = ComputePosition(c.site, c.date, 12.0, TimeKind::Zone);
    EXPECT_NEAR(noon.declination, p.sun.declination, 1e-6) << c.name;
    EXPECT_NEAR(noon.equationOfTime, p.sun.equationOfTime, 1e-6) << c.name;
    EXPECT_EQ(ComputeDayEvents(c.site, c.date, astro::TwilightKind::Civil).noon.declination,
              noon.declination)
        << c.name;
  }
}

TEST(CalculatorTest, ClockTimeField) {
  struct Case {
    const char* text;
    bool ok;
    double hours;
    const char* shown;
  };
  const Case cases[] = {
      {"", true, 12.0, "12:00:00"},          // an empty field is noon
      {"   ", true, 12.0, "12:00:00"},
      {"9", true, 9.0, "09:00:00"},
      {"9:5", true, 9.0 + 5 / 60.0, "09:05:00"},
      {" 14:30:15 ", true, 14.0 + 30 / 60.0 + 15 / 3600.0, "14:30:15"},
      {"0:00:00", true, 0.0, "00:00:00"},
      {"24:00:00", true, 24.0, "24:00:00"},
      {"24:00:01", false, 0, ""},
      {"25", false, 0, ""},
      {"12:60", false, 0, ""},
      {"12:30:60", false, 0, ""},
      {"12:", false, 0, ""},
      {":30", false, 0, ""},
      {"12:30:15:00", false, 0, ""},
      {"123:00", false, 0, ""},
      {"12.5", false, 0, ""},
      {"-1:00", false, 0, ""},
      {"Fehler!", false, 0, ""},
  };
  for (const Case& c : cases) {
    const auto t = ParseClockTime(c.text);
    ASSERT_EQ(t.has_value(), c.ok) << '"' << c.text << '"';
    if (!t) continue;
    EXPECT_NEAR(t->hours, c.hours, 1e-12) << c.text;
    EXPECT_EQ(t->text, c.shown) << c.text;
  }
}

TEST(CalculatorTest, ZoneQuestionBeyondFourteenDegrees) {
  EXPECT_FALSE(ZoneFarFromLongitude(-9.59, -15));
  EXPECT_FALSE(ZoneFarFromLongitude(-29.0, -15));  // exactly 14 degrees
  EXPECT_TRUE(ZoneFarFromLongitude(-29.01, -15));
  EXPECT_TRUE(ZoneFarFromLongitude(-9.59, 15));    // east longitude, western zone
}

}  // namespace
}  // namespace kelvra::calc
