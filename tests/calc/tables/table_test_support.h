// Helpers of the table tests: reading numbers back out of table cells.
#pragma once

#include <cmath>
#include <optional>
#include <string>

namespace kelvra::calc::testing {

inline std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// "-13:29" or " -0:24" as signed seconds; nothing for a blank cell.
inline std::optional<int> MinutesSecondsToSeconds(const std::string& cell) {
  const std::string t = Trim(cell);
  const auto colon = t.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const bool negative = t[0] == '-';
  const int minutes = std::abs(std::stoi(t.substr(0, colon)));
  const int seconds = std::stoi(t.substr(colon + 1));
  return (negative ? -1 : 1) * (minutes * 60 + seconds);
}

// "hh:mm" or "hh:mm:ss" as hours.
inline double ClockToHours(const std::string& cell) {
  const std::string t = Trim(cell);
  const int h = std::stoi(t.substr(0, t.find(':')));
  const int m = std::stoi(t.substr(t.find(':') + 1, 2));
  const int s = t.size() > 6 ? std::stoi(t.substr(t.rfind(':') + 1)) : 0;
  return h + m / 60.0 + s / 3600.0;
}

}  // namespace kelvra::calc::testing
