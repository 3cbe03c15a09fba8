// The dates of the "date lines per month" choice shared by the families that
// draw one, two or three date lines a month (`dateLineMode` read as a count):
// 0 the days the sun enters a sign of the zodiac, 1 the 6th and 21st, 2 the
// 1st, 11th and 21st of every month, 3 none.
#pragma once

#include <vector>

namespace kelvra::dials {

struct MonthlyDate {
  int month = 1;      // 1..12
  int day = 1;        // 1..31
  int dayOfYear = 1;  // of the reference year
  bool firstOfGroup = false;  // the month's first line (drawn stronger)
};

// The dates of `dateLineMode` in `year`, in calendar order from January.
std::vector<MonthlyDate> MonthlyDates(int dateLineMode, int year);

}  // namespace kelvra::dials
