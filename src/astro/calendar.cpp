#include "astro/calendar.h"

#include <charconv>
#include <cmath>

namespace kelvra::astro {
namespace {

// Trunc of a real product, as the day counts define it (toward zero).
long long TruncProduct(double factor, long long value) {
  return static_cast<long long>(std::trunc(factor * static_cast<double>(value)));
}

// A whole text as a non-negative integer; leading blanks are allowed.
bool ParseSmallInteger(std::string_view text, int* value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc{} && end == text.data() + text.size();
}

}  // namespace

double JulianDayNumber(int day, int month, int year) {
  long long y = month > 2 ? year : year - 1;
  long long m = month > 2 ? month : month + 12;
  // The date key year + month / 100 + day / 10000, compared as an integer.
  const long long key = 10000LL * year + 100LL * month + day;
  long long b;
  if (key >= 15821015) {
    b = y / 400 - y / 100;
  } else if (key <= 15821004) {
    b = -2;
  } else {
    // 5..14 October 1582 do not exist: take 15 October.
    b = -12;
    day = 15;
  }
  const long long jdn = TruncProduct(365.25, y) + TruncProduct(30.6001, m + 1) + day + b + 1720997;
  return static_cast<double>(jdn);
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsLeapYearJulianBefore1590(int year) {
  if (year % 4 != 0) return false;
  if (year >= 1590 && year % 100 == 0 && year % 400 != 0) return false;
  return true;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsInGregorianGap(int year, int month, int day) {
  return year == 1582 && month == 10 && day >= 5 && day <= 14;
}

int DayOfYear(int year, int month, int day) {
  if (month < 3) return 31 * (month - 1) + day;
  return day + static_cast<int>(std::trunc(30.6001 * month - 32.3)) + (IsLeapYear(year) ? 1 : 0);
}

double ModifiedJulianDate(int day, int month, int year, double hours) {
  const long long y = month < 3 ? year - 1 : year;
  const long long m = month <= 2 ? month + 12 : month;
  long long b;
  if (10000LL * year + 100LL * month + day <= 15821004) {
    b = (y + 4716) / 4 - 1181;
  } else {
    b = y / 400 - y / 100 + y / 4;
  }
  const long long days = 365 * y - 679004 + b + TruncProduct(30.6001, m + 1) + day;
  return static_cast<double>(days) + hours / 24.0;
}

std::optional<DayAndMonth> ReadDayMonth(std::string_view text, int year) {
  std::string_view dayText = text.substr(0, 2);
  if (dayText.size() == 2 && (dayText[1] == ' ' || dayText[1] == '/')) dayText = dayText.substr(0, 1);
  std::string_view monthText;
  const std::size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    monthText = text.substr(slash + 1, 2);
    if (monthText.size() == 2 && monthText[1] == ' ') monthText = monthText.substr(0, 1);
  }
  DayAndMonth date;
  if (!ParseSmallInteger(dayText, &date.day) || !ParseSmallInteger(monthText, &date.month)) {
    return std::nullopt;
  }
  const int day = date.day;
  const int month = date.month;
  if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  if (month == 2 && (day >= 30 || (day == 29 && !IsLeapYear(year)))) return std::nullopt;
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30) return std::nullopt;
  return date;
}

}  // namespace kelvra::astro
