#include "shell/time_format.h"

#include <gtest/gtest.h>

namespace kelvra::shell {
namespace {

TEST(TimeFormatTest, FormatMinutesSeconds) {
  struct Case { double degrees; const char* text; };
  const Case cases[] = {
      {0.8, "  3:12"},    {-0.1, " -0:24"},   {-0.249, " -1:00"}, {-0.001, "  0:00"},
      {-0.825, " -3:18"}, {4.1, " 16:24"},    {0.0, "  0:00"},    {0.2499, "  1:00"},
      {-3.56, "-14:14"},  {0.003, "  0:01"},  {-0.0022, " -0:01"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMinutesSeconds(c.degrees), c.text) << c.degrees;
}

TEST(TimeFormatTest, FormatSecondsAsMinutesAndHoursMinutes) {
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
}  // namespace kelvra::shell
