#include "calc/tables/yearly_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "table_test_support.h"

namespace kelvra::calc {
namespace {

using testing::ClockToHours;
using testing::MinutesSecondsToSeconds;
using testing::Trim;

shell::SiteSettings Site(int year, double longitude = -9.590825, double zone = -15.0) {
  shell::SiteSettings s;
  s.year = year;
  s.longitude = longitude;
  s.zoneMeridian = zone;
  return s;
}

// The shown table: title, two explanation lines, a blank, the head, then rows
// with a blank line before days 6, 11, 16, 21 and 26.
std::size_t RowIndex(int day) {
  return 5 + static_cast<std::size_t>(day - 1 + std::min(5, (day - 1) / 5));
}

// The cell of day/month in a row of 7-character (true noon 9) columns.
std::string CellOf(const Table& t, int day, int month) {
  const std::size_t width = t.layout == TableLayout::YearlyNoon ? 9 : 7;
  return t.lines.at(RowIndex(day)).substr(3 + width * (month - 1), width);
}

// The sun at 12:00 zone time of a date, by the day of the year (a way to the
// day argument of its own).
astro::SolarDay NoonSun(const shell::SiteSettings& s, int day, int month) {
  return astro::ComputeSolarDay(
      s.year, astro::DayArgumentForZoneTime(astro::DayOfYear(s.year, month, day), 12.0,
                                            s.zoneMeridian));
}

TEST(YearlyTable, LayoutOfEveryKindAndLanguage) {
  for (int kind = 0; kind < 4; ++kind) {
    for (int language : {1, 2}) {
      const Table t = BuildYearlyTable(Site(2024), static_cast<YearTableKind>(kind), language);
      const bool noon = kind == 3;
      ASSERT_EQ(t.lines.size(), 5u + 31u + 5u + 1u) << kind;
      EXPECT_EQ(t.lines[3], " ");
      EXPECT_EQ(t.lines[4].substr(6, 3), "Jan") << t.lines[4];
      for (int day = 1; day <= 31; ++day) {
        const std::string& row = t.lines[RowIndex(day)];
        EXPECT_EQ(row.size(), noon ? 3u + 12u * 9u : 3u + 12u * 7u) << kind << " day " << day;
        EXPECT_EQ(row.substr(0, 3), (day < 10 ? " " : "") + std::to_string(day) + ".");
      }
      for (int day : {6, 11, 16, 21, 26}) EXPECT_EQ(t.lines[RowIndex(day) - 1], " ");
      EXPECT_EQ(t.lines.back().substr(0, 68), std::string(68, ' '));
      const std::vector<std::string> full =
          BuildYearlyTableFull(Site(2024), static_cast<YearTableKind>(kind), language);
      EXPECT_EQ(full.size(), t.lines.size() + 4);
      EXPECT_EQ(full[0], t.lines[0]);
      EXPECT_EQ(full[8], " ");  // the blank line before day 1
    }
  }
  EXPECT_EQ(BuildYearlyTable(Site(2024), YearTableKind::EquationOfTime, 1).lines[4],
            "      Jan    Feb    Mar    Apr    Mai    Jun    Jul    Aug    Sep    Okt    Nov    Dez ");
  EXPECT_EQ(BuildYearlyTable(Site(2024), YearTableKind::EquationOfTime, 1).lines[0],
            "  Zeitgleichung in min:sec für 2024   (Zonenmeridian = -15.0° )");
  EXPECT_EQ(BuildYearlyTable(Site(2024), YearTableKind::Declination, 2).lines[1], " ");
}

// The equation of time and the declination agree with the ephemeris at 12:00
// zone time of each day to the rounding of the cell.
TEST(YearlyTable, CellsAreTheSunAtNoonZoneTime) {
  const shell::SiteSettings s = Site(2024);
  const Table eot = BuildYearlyTable(s, YearTableKind::EquationOfTime, 1);
  const Table dec = BuildYearlyTable(s, YearTableKind::Declination, 1);
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= astro::DaysInMonth(2024, month); ++day) {
      const astro::SolarDay sun = NoonSun(s, day, month);
      const auto seconds = MinutesSecondsToSeconds(CellOf(eot, day, month));
      ASSERT_TRUE(seconds) << day << "." << month;
      EXPECT_NEAR(*seconds, sun.equationOfTime * 240.0, 0.5 + 1e-6) << day << "." << month;
      // Rounded to 0.001 first, then to 0.01.
      EXPECT_NEAR(std::stod(CellOf(dec, day, month)), sun.declination, 0.0056) << day << "." << month;
    }
  }
  // Published value: 3 November, equation of time about +16.4 minutes.
  EXPECT_NEAR(*MinutesSecondsToSeconds(CellOf(eot, 3, 11)), 16.4 * 60, 20);
}

TEST(YearlyTable, TwentyNinthOfFebruaryOnlyInLeapYears) {
  struct Case {
    int year;
    bool shown;
  } cases[] = {{2024, true}, {2023, false}, {1900, false}, {2000, true}, {1500, true}, {1700, false}};
  for (const auto& c : cases) {
    const Table t = BuildYearlyTable(Site(c.year), YearTableKind::EquationOfTime, 1);
    EXPECT_EQ(Trim(CellOf(t, 29, 2)).empty(), !c.shown) << c.year;
    EXPECT_TRUE(Trim(CellOf(t, 30, 2)).empty());
    EXPECT_TRUE(Trim(CellOf(t, 31, 4)).empty());
    EXPECT_FALSE(Trim(CellOf(t, 31, 5)).empty());
  }
}

// 5..14 October 1582 did not exist: the marker fills the October column and
// November and December keep their columns.
TEST(YearlyTable, CalendarChangeOf1582) {
  const shell::SiteSettings s = Site(1582);
  for (const YearTableKind kind : {YearTableKind::EquationOfTime, YearTableKind::TrueNoon}) {
    const Table t = BuildYearlyTable(s, kind, 1);
    const bool noon = kind == YearTableKind::TrueNoon;
    for (int day = 1; day <= 31; ++day) {
      const bool gap = day >= 5 && day <= 14;
      if (gap) {
        EXPECT_EQ(CellOf(t, day, 10), noon ? "   ----  " : "   ----") << day;
      } else {
        EXPECT_EQ(CellOf(t, day, 10).find("----"), std::string::npos) << day;
      }
      // November and December hold the sun of their own days.
      if (!noon) {
        const auto nov = MinutesSecondsToSeconds(CellOf(t, day <= 30 ? day : 30, 11));
        ASSERT_TRUE(nov);
        const astro::SolarDay sun = astro::ComputeSolarDay(
            1582, astro::JulianDayNumber(day <= 30 ? day : 30, 11, 1582) -
                      astro::JulianDayNumber(1, 1, 1582) + 1.0 - 1.0 / 24.0);
        EXPECT_NEAR(*nov, sun.equationOfTime * 240.0, 0.5 + 1e-6) << day;
      }
    }
  }
}

// True noon in zone time is 12:00 plus the longitude's difference from the
// zone meridian minus the equation of time.
TEST(YearlyTable, TrueNoonFollowsTheEquationOfTime) {
  for (const auto& s : {Site(2024), Site(2024, 15.0, 15.0), Site(1990, -16.37, -15.0)}) {
    const Table t = BuildYearlyTable(s, YearTableKind::TrueNoon, 2);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= astro::DaysInMonth(s.year, month); ++day) {
        const double expected = 12.0 + (s.longitude - s.zoneMeridian) / 15.0 -
                                NoonSun(s, day, month).equationOfTime / 15.0;
        EXPECT_NEAR(ClockToHours(CellOf(t, day, month)), expected, 0.5 / 3600.0 + 1e-9)
            << day << "." << month << " " << CellOf(t, day, month);
      }
    }
  }
}

// A site on its zone meridian: the table with the longitude's difference is
// the plain equation of time, and a day whose equation of time rounds to 0:00
// has its true noon at 12:00:00.
TEST(YearlyTable, SiteOnItsZoneMeridian) {
  int zeroDays = 0;
  for (int year = 2020; year <= 2030; ++year) {
    const shell::SiteSettings s = Site(year, -15.0, -15.0);
    const Table eot = BuildYearlyTable(s, YearTableKind::EquationOfTime, 1);
    const Table sum = BuildYearlyTable(s, YearTableKind::EotWithLongitude, 1);
    const Table noon = BuildYearlyTable(s, YearTableKind::TrueNoon, 1);
    for (int day = 1; day <= 31; ++day) {
      EXPECT_EQ(eot.lines[RowIndex(day)], sum.lines[RowIndex(day)]) << year;
      for (int month = 1; month <= 12; ++month) {
        if (Trim(CellOf(eot, day, month)) != "0:00") continue;
        ++zeroDays;
        EXPECT_EQ(Trim(CellOf(noon, day, month)), "12:00:00") << day << "." << month << "." << year;
      }
    }
  }
  EXPECT_GT(zeroDays, 0);
}

// Half a second before a full hour or minute carries.
TEST(YearlyTable, TrueNoonTextCarries) {
  const double second = 1.0 / 240.0;  // degrees of hour angle per second of time
  struct Case {
    double x;
    const char* text;
  } cases[] = {
      {0.0, "12:00:00"},
      {-0.3 * second, "12:00:00"},          // 11:59:59.7
      {15.0 - 0.3 * second, "13:00:00"},    // 12:59:59.7
      {15.0 - 0.6 * second, "12:59:59"},
      {2.5, "12:10:00"},
      {-2.5, "11:50:00"},
      {2.5 - 0.4 * second, "12:10:00"},     // 12:09:59.6
      {16.0, "13:04:00"},
      {-15.0 - 0.3 * second, "11:00:00"},   // 10:59:59.7
      {5.41 - 0.82, "12:18:22"},            // 4.59 degrees = 18 min 21.6 s
  };
  for (const auto& c : cases) EXPECT_EQ(TrueNoonText(c.x), c.text) << c.x;
}

}  // namespace
}  // namespace kelvra::calc
