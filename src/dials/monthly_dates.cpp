#include "dials/monthly_dates.h"

#include "astro/calendar.h"

namespace kelvra::dials {

std::vector<MonthlyDate> MonthlyDates(int dateLineMode, int year) {
  // The days the sun enters a sign (Aquarius on 20 January .. Capricorn on
  // 22 December), within a day for the years the program serves.
  static constexpr int kSignDay[12] = {20, 19, 21, 20, 21, 21, 22, 23, 22, 23, 22, 22};
  std::vector<MonthlyDate> dates;
  for (int month = 1; month <= 12; ++month) {
    std::vector<int> days;
    switch (dateLineMode) {
      case 0: days = {kSignDay[month - 1]}; break;
      case 1: days = {6, 21}; break;
      case 2: days = {1, 11, 21}; break;
      default: return dates;
    }
    for (std::size_t i = 0; i < days.size(); ++i) {
      dates.push_back({month, days[i], astro::DayOfYear(year, month, days[i]), i == 0});
    }
  }
  return dates;
}

}  // namespace kelvra::dials
