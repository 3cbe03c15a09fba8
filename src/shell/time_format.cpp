#include "shell/time_format.h"

#include <cmath>
#include <cstdlib>

namespace kelvra::shell {
namespace {

std::string TwoDigits(int n) {
  n = std::abs(n);
  std::string s = std::to_string(n);
  if (s.size() < 2) s.insert(0, 1, '0');
  return s;
}

std::string RightAligned(std::string s, std::size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

}  // namespace

std::string FormatMinutesSeconds(double eotDegrees) {
  const double a = 4.0 * eotDegrees;
  const double frac = a - std::trunc(a);
  int seconds = static_cast<int>(a >= 0 ? std::trunc(frac * 60.0 + 0.5) : std::trunc(frac * 60.0 - 0.5));
  long long minutes;
  if (std::abs(seconds) == 60) {
    minutes = static_cast<long long>(std::trunc(a + 60.0 / seconds));
    seconds = 0;
  } else {
    minutes = static_cast<long long>(std::trunc(a));
  }
  // Whole minutes of 0 carry no sign of their own; a minus of a non-zero minute
  // count is written once.
  const bool sign = a > -1.0 && a < -0.0083 && minutes == 0;
  std::string text = (sign ? "-" : "") + std::to_string(minutes) + ":" + TwoDigits(seconds);
  return RightAligned(std::move(text), 6);
}

std::string FormatSecondsAsMinutes(int seconds) {
  const long long n = std::llabs(static_cast<long long>(seconds));
  return (seconds < 0 ? "-" : "") + std::to_string(n / 60) + ":" + TwoDigits(static_cast<int>(n % 60));
}

std::string FormatHoursMinutes(double hours) {
  const double v = std::trunc(60.0 * hours + 0.5) / 60.0;
  const double whole = std::trunc(v);
  int minutes = static_cast<int>(std::trunc((v - whole) * 60.0 + 0.5));
  long long h = static_cast<long long>(whole);
  std::string hourText = std::to_string(h);
  if (v < 0 && h == 0) hourText = "-0";  // only for times before midnight
  return RightAligned(hourText, 3) + ":" + TwoDigits(minutes);
}

}  // namespace kelvra::shell
