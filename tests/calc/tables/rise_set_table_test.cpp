#include "calc/tables/rise_set_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "table_test_support.h"

namespace kelvra::calc {
namespace {

using testing::ClockToHours;
using testing::MinutesSecondsToSeconds;
using testing::Trim;

shell::SiteSettings Site(int year, double latitude = 47.251315) {
  shell::SiteSettings s;
  s.year = year;
  s.latitude = latitude;
  return s;
}

// Index of day d's row in the one-month table: five head lines, a blank line
// after every fifth day.
std::size_t MonthRow(int day) { return 5 + static_cast<std::size_t>(day - 1 + (day - 1) / 5); }

std::size_t DayRows(const Table& t) {
  std::size_t n = 0;
  for (const auto& l : t.lines) {
    if (l.size() > 4 && l[3] == '.' && l[0] == ' ') ++n;
  }
  return n;
}

TEST(MonthTable, LayoutAndDaysOfFebruary) {
  struct Case {
    int year;
    std::size_t days;
  } cases[] = {{2024, 29}, {2023, 28}, {1900, 28}, {1500, 29}, {1700, 28}, {1600, 29}};
  for (const auto& c : cases) {
    const Table t = BuildMonthTable(Site(c.year), 2, astro::TwilightKind::Civil, 1);
    EXPECT_EQ(DayRows(t), c.days) << c.year;
    EXPECT_EQ(t.lines[t.lines.size() - 2], std::string(60, ' '));
    EXPECT_EQ(t.lines.back(), "     Angezeigte Dämmerungsart: bürgerl. (0.83°-6°).");
  }
  const Table july = BuildMonthTable(Site(2020), 7, astro::TwilightKind::Nautical, 2);
  ASSERT_EQ(july.lines.size(), 5u + 31u + 6u + 2u);  // fits the 44 lines of the window
  EXPECT_EQ(july.lines[0], " Rise and Set of Sun and Moon for  Jul. 2020");
  EXPECT_EQ(july.lines[4], "       rise/ set    end /begin     rise/ set    mm:ss   deg");
  for (int day = 1; day <= 31; ++day) EXPECT_EQ(july.lines[MonthRow(day)].size(), 60u) << day;
}

// The sun stands at -50' (refraction and radius) at the rise and set times
// shown, to the minute of the table; the sun's altitude comes from the
// position code, not from the rise and set search.
TEST(MonthTable, SunriseAndSunsetLieOnTheHorizon) {
  const shell::SiteSettings s = Site(2020);
  for (int month : {1, 3, 6, 9, 12}) {
    const Table t = BuildMonthTable(s, month, astro::TwilightKind::Astronomical, 1);
    for (int day : {1, 11, 21}) {
      const std::string& row = t.lines[MonthRow(day)];
      const int n = astro::DayOfYear(2020, month, day);
      for (const std::size_t at : {5u, 11u}) {
        const double hours = ClockToHours(row.substr(at, 6));
        const astro::SunPosition p = astro::SunPositionAtClockTime(
            2020, n, hours, s.latitude, s.longitude, s.zoneMeridian, true);
        // 0.5 minute of rounding at most 0.2 degrees per minute.
        EXPECT_NEAR(p.altitude, -50.0 / 60.0, 0.12) << day << "." << month << " " << row;
      }
      // Equation of time and declination of 12:00 zone time.
      const astro::SolarDay noon = astro::ComputeSolarDay(
          2020, astro::DayArgumentForZoneTime(n, 12.0, s.zoneMeridian));
      EXPECT_NEAR(*MinutesSecondsToSeconds(row.substr(47, 6)), noon.equationOfTime * 240.0, 0.51);
      // The table shows the declination plus 0.005 rounded to 0.01.
      EXPECT_GE(std::stod(row.substr(54, 6)), noon.declination - 1e-9);
      EXPECT_LE(std::stod(row.substr(54, 6)), noon.declination + 0.0101);
    }
  }
  // Published check (site 47.25 N, 9.59 E, CET): 21 June 2020 4:25 / 20:21.
  const Table june = BuildMonthTable(s, 6, astro::TwilightKind::Civil, 1);
  EXPECT_EQ(june.lines[MonthRow(21)].substr(5, 12), "  4:25 20:21");
}

// Civil twilight ends with the sun 6 degrees below the horizon.
TEST(MonthTable, TwilightEndsAtItsDepression) {
  const shell::SiteSettings s = Site(2020);
  struct Case {
    astro::TwilightKind kind;
    double depression;
  } cases[] = {{astro::TwilightKind::Civil, -6},
               {astro::TwilightKind::Nautical, -12},
               {astro::TwilightKind::Astronomical, -18}};
  for (const auto& c : cases) {
    const Table t = BuildMonthTable(s, 3, c.kind, 1);
    const std::string& row = t.lines[MonthRow(20)];
    const int n = astro::DayOfYear(2020, 3, 20);
    for (const std::size_t at : {19u, 25u}) {  // end, then begin
      const astro::SunPosition p = astro::SunPositionAtClockTime(
          2020, n, ClockToHours(row.substr(at, 6)), s.latitude, s.longitude, s.zoneMeridian, true);
      EXPECT_NEAR(p.altitude, c.depression, 0.12) << row;
    }
    EXPECT_GT(ClockToHours(row.substr(19, 6)), ClockToHours(row.substr(11, 6)));  // end after sunset
  }
}

// Above the polar circle: the "always" text once in place of the pair, the
// row keeps its width and the equation of time its column.
TEST(MonthTable, MidnightSunKeepsTheColumns) {
  const Table june = BuildMonthTable(Site(2020, 70.0), 6, astro::TwilightKind::Civil, 1);
  const std::string& row = june.lines[MonthRow(21)];
  EXPECT_EQ(row.substr(5, 14), "immer sichtbar");
  EXPECT_EQ(row.substr(19, 14), "  immer hell  ");
  EXPECT_EQ(row.size(), 60u);
  EXPECT_TRUE(MinutesSecondsToSeconds(row.substr(47, 6)));
  const Table december = BuildMonthTable(Site(2020, 70.0), 12, astro::TwilightKind::Civil, 2);
  EXPECT_EQ(december.lines[MonthRow(21)].substr(5, 14), " not visible  ");
  EXPECT_EQ(december.lines[MonthRow(21)].size(), 60u);
}

TEST(MonthTable, October1582) {
  const Table t = BuildMonthTable(Site(1582), 10, astro::TwilightKind::Civil, 1);
  for (int day = 5; day <= 14; ++day) {
    EXPECT_NE(t.lines[MonthRow(day)].find("entfallen (im Gregorianischen Kalender)"),
              std::string::npos);
  }
  // 15 October follows 4 October: the sun rises a minute or two later.
  const double rise4 = ClockToHours(t.lines[MonthRow(4)].substr(5, 6));
  const double rise15 = ClockToHours(t.lines[MonthRow(15)].substr(5, 6));
  EXPECT_GT(rise15, rise4);
  EXPECT_LT(rise15 - rise4, 3.0 / 60.0);
}

// The half-year table: row r (a blank line after rows 5 .. 25), month column
// j at 5 + 21 j.
std::size_t HalfRow(int day) {
  return 5 + static_cast<std::size_t>(day - 1 + std::min(5, (day - 1) / 5));
}
std::string HalfCell(const Table& t, int day, int column) {
  return t.lines.at(HalfRow(day)).substr(5 + 21 * static_cast<std::size_t>(column), 21);
}

TEST(HalfYearTable, LayoutAndLeapYears) {
  const Table t1700 = BuildHalfYearTable(Site(1700), 1, 1);
  ASSERT_EQ(t1700.lines.size(), 5u + 31u + 5u + 2u);
  EXPECT_EQ(HalfCell(t1700, 29, 1), "       -------       ");
  EXPECT_NE(HalfCell(BuildHalfYearTable(Site(1500), 1, 1), 29, 1), "       -------       ");
  EXPECT_EQ(HalfCell(t1700, 31, 3), "       -------       ");  // 31 April
  for (int day = 1; day <= 31; ++day) {
    EXPECT_EQ(t1700.lines[HalfRow(day)].size(), 131u);
  }
  EXPECT_EQ(t1700.lines[4].size(), 132u);
  EXPECT_EQ(t1700.lines[3].substr(14, 3), "Jan");
  EXPECT_EQ(t1700.lines.back().substr(0, 110), std::string(110, ' '));
}

// The half-year shows the same sun as the one-month table, also in October
// 1582 after the calendar change.
TEST(HalfYearTable, AgreesWithTheMonthTable) {
  const shell::SiteSettings s = Site(1582);
  const Table half = BuildHalfYearTable(s, 7, 2);
  const Table october = BuildMonthTable(s, 10, astro::TwilightKind::Civil, 2);
  for (int day = 1; day <= 31; ++day) {
    const std::string cell = HalfCell(half, day, 3);
    if (day >= 5 && day <= 14) {
      EXPECT_EQ(cell, "       -------       ");
      continue;
    }
    const std::string& row = october.lines[MonthRow(day)];
    EXPECT_EQ(cell.substr(0, 14), row.substr(5, 14)) << day;   // rise, set
    EXPECT_EQ(cell.substr(14, 6), row.substr(47, 6)) << day;   // equation of time
  }
}

}  // namespace
}  // namespace kelvra::calc
