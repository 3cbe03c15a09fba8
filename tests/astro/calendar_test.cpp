#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kelvra::astro {
namespace {

TEST(CalendarTest, JulianDayNumberAndTheChangeOf1582) {
  struct Case { int d, m, y; double jdn; };
  const Case cases[] = {
      {1, 1, 2000, 2451545}, {15, 10, 1582, 2299161}, {4, 10, 1582, 2299160},
      {10, 10, 1582, 2299161},  // a day that does not exist counts as 15 October
      {5, 10, 1582, 2299161},   {14, 10, 1582, 2299161},
      {1, 3, 2024, 2460371},    {31, 12, 1999, 2451544},
      {1, 1, 1300, 2195883},    // Julian calendar (independent almanac value)
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JulianDayNumber(c.d, c.m, c.y), c.jdn) << c.d << "." << c.m << "." << c.y;
  }
}

TEST(CalendarTest, DayOfYearUsesTheGregorianLeapRule) {
  struct Case { int y, m, d, n; };
  const Case cases[] = {
      {2024, 3, 1, 61}, {2023, 3, 1, 60}, {2000, 12, 31, 366}, {1900, 12, 31, 365},
      {2020, 1, 1, 1},  {2020, 2, 29, 60}, {2021, 6, 21, 172}, {1500, 3, 1, 60},
  };
  for (const auto& c : cases) EXPECT_EQ(DayOfYear(c.y, c.m, c.d), c.n) << c.y << "-" << c.m << "-" << c.d;
  // Every day of a range of years against a plain count.
  for (int y : {1582, 1900, 2000, 2023, 2024}) {
    int n = 0;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(y, m); ++d) ASSERT_EQ(DayOfYear(y, m, d), ++n);
  }
}

TEST(CalendarTest, LeapRules) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(1500));
  EXPECT_TRUE(IsLeapYearJulianBefore1590(1500));
  EXPECT_FALSE(IsLeapYearJulianBefore1590(1700));
  EXPECT_TRUE(IsLeapYearJulianBefore1590(1600));
  EXPECT_FALSE(IsValidDate(2021, 2, 29));
  EXPECT_TRUE(IsValidDate(2024, 2, 29));
  EXPECT_TRUE(IsInGregorianGap(1582, 10, 5));
  EXPECT_FALSE(IsInGregorianGap(1582, 10, 15));
}

TEST(CalendarTest, ModifiedJulianDateMatchesTheJulianDayNumber) {
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 1, 2000, 12.0), 51544.5);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(17, 11, 1858, 0.0), 0.0);
  // JD of noon = JDN; MJD = JD - 2400000.5, on both sides of 1582.
  for (auto [d, m, y] : {std::tuple{4, 10, 1582}, {15, 10, 1582}, {1, 3, 1400}, {21, 6, 2020}}) {
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(d, m, y, 12.0), JulianDayNumber(d, m, y) - 2400000.5);
  }
}

TEST(CalendarTest, ReadDayMonth) {
  struct Case { const char* text; int year; int day; int month; };  // day 0: rejected
  const Case cases[] = {
      {"29/02", 2024, 29, 2}, {"29/02", 2000, 29, 2}, {"29/02", 2023, 0, 0}, {"29/02", 1900, 0, 0},
      {"31/04", 2024, 0, 0},  {"30/06", 2024, 30, 6}, {"00/05", 2024, 0, 0}, {"7/3", 2024, 7, 3},
      {"5/6 (x)", 2024, 5, 6}, {"21/06    ( 21. Juni )", 2024, 21, 6}, {"30/02", 2024, 0, 0},
      {"12/13", 2024, 0, 0},  {"32/01", 2024, 0, 0}, {"21", 2024, 0, 0},  {"ab/cd", 2024, 0, 0},
      {"", 2024, 0, 0},       {"1/1", 2024, 1, 1},   {"-1/05", 2024, 0, 0},
  };
  for (const auto& c : cases) {
    const auto r = ReadDayMonth(c.text, c.year);
    EXPECT_EQ(r.has_value(), c.day != 0) << c.text;
    if (r && c.day != 0) {
      EXPECT_EQ(r->day, c.day) << c.text;
      EXPECT_EQ(r->month, c.month) << c.text;
    }
  }
}

}  // namespace
}  // namespace kelvra::astro
