#include "astro/calendar.h"

#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "support/recording_message_sink.h"

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

class CalendarTextTest : public ::testing::Test {
 protected:
  void TearDown() override {
    shell::SelectLanguage(true);
    shell::State().site.year = 2020;
  }
};

TEST_F(CalendarTextTest, DayNumberToText) {
  EXPECT_EQ(DayNumberToTextForYear(172, 2021, 1), "21. Jun");
  EXPECT_EQ(DayNumberToTextForYear(1, 2021, 2), "1. Jan");
  EXPECT_EQ(DayNumberToTextForYear(366, 2020, 1), "31. Dez");
  EXPECT_EQ(DayNumberToTextForYear(60, 2020, 2), "29. Feb");
  EXPECT_EQ(DayNumberToTextForYear(60, 2021, 2), "1. Mar");
  shell::State().site.year = 2021;
  shell::SelectLanguage(false);
  EXPECT_EQ(DayNumberToText(135), "15. May");
}

TEST_F(CalendarTextTest, ParseDayMonth) {
  struct Case { const char* text; int year; bool valid; const char* display; const char* normal; int key; };
  const Case cases[] = {
      {"29/02", 2024, true, "29. Feb", "29/02", 229}, {"29/02", 2000, true, "29. Feb", "29/02", 229},
      {"29/02", 2023, false, "", "", -1},            {"29/02", 1900, false, "", "", -1},
      {"31/04", 2024, false, "", "", -1},            {"00/05", 2024, false, "", "", -1},
      {"7/3", 2024, true, "07. Mar", "07/03", 307},   {"5/6 (x)", 2024, true, "05. Jun", "05/06", 605},
      {"21/06    ( 21. Juni )", 2024, true, "21. Jun", "21/06", 621},
      {"30/02", 2024, false, "", "", -1},            {"12/13", 2024, false, "", "", -1},
      {"32/01", 2024, false, "", "", -1},            {"21", 2024, false, "", "", -1},
      {"ab/cd", 2024, false, "", "", -1},            {"", 2024, false, "", "", -1},
  };
  for (const auto& c : cases) {
    DayMonth r = ParseDayMonthForYear(c.text, c.year, 1, false);
    EXPECT_EQ(r.valid, c.valid) << c.text;
    EXPECT_EQ(r.displayText, c.display) << c.text;
    EXPECT_EQ(r.normalForm, c.normal) << c.text;
    EXPECT_EQ(r.key, c.key) << c.text;
  }
}

TEST_F(CalendarTextTest, ParseDayMonthMessages) {
  testing::RecordingMessageSink sink;
  ParseDayMonthForYear("31/04", 2024, 2, true);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Error in Input !");
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  ParseDayMonthForYear("31/04", 2024, 2, false);
  EXPECT_EQ(sink.shown.size(), 1u);
  shell::State().site.year = 2023;
  EXPECT_FALSE(CheckDayMonth("29/02").valid);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "29/02: Datum fehlerhaft!");
  EXPECT_EQ(sink.shown[1].caption, "KELVRA.EXE - Fehler!");
}

TEST(CalendarFormatTest, FormatMinutesSeconds) {
  struct Case { double degrees; const char* text; };
  const Case cases[] = {
      {0.8, "  3:12"},    {-0.1, " -0:24"},   {-0.249, " -1:00"}, {-0.001, "  0:00"},
      {-0.825, " -3:18"}, {4.1, " 16:24"},    {0.0, "  0:00"},    {0.2499, "  1:00"},
      {-3.56, "-14:14"},  {0.003, "  0:01"},  {-0.0022, " -0:01"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMinutesSeconds(c.degrees), c.text) << c.degrees;
}

TEST(CalendarFormatTest, FormatSecondsAsMinutesAndHoursMinutes) {
  EXPECT_EQ(FormatSecondsAsMinutes(-845), "-14:05");
  EXPECT_EQ(FormatSecondsAsMinutes(0), "0:00");
  EXPECT_EQ(FormatSecondsAsMinutes(59), "0:59");
  EXPECT_EQ(FormatSecondsAsMinutes(-5), "-0:05");
  EXPECT_EQ(FormatSecondsAsMinutes(1000), "16:40");
  struct Case { double hours; const char* text; };
  const Case cases[] = {
      {6.0833, "  6:05"}, {17.72, " 17:43"}, {23.999, " 24:00"}, {0.0, "  0:00"},
      {12.5, " 12:30"},   {9.99, "  9:59"},   {9.9999, " 10:00"},  {4.4166, "  4:25"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatHoursMinutes(c.hours), c.text) << c.hours;
}

}  // namespace
}  // namespace kelvra::astro
