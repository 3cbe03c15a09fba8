// The small text formats in which times of day and the equation of time are
// shown everywhere: tables, listings and calculator fields. Locale-free.
#pragma once

#include <string>

namespace kelvra::shell {

// Equation of time e in degrees of arc as minutes:seconds of time, left-padded
// to at least 6 characters: 0.8 -> "  3:12", -0.1 -> " -0:24", -0.249 -> " -1:00".
// Seconds are rounded half away from zero; a value whose whole minutes are 0
// carries a single "-" when it is below -0.5 seconds (-0.0083 minutes).
std::string FormatMinutesSeconds(double eotDegrees);
// Whole seconds as minutes:seconds: -845 -> "-14:05".
std::string FormatSecondsAsMinutes(int seconds);
// Decimal hours as "hh:mm" with the hours right-aligned in 3 characters and the
// minutes rounded: 6.0833 -> "  6:05", 17.72 -> " 17:43", 23.999 -> " 24:00"
// (no wrap to the next day).
std::string FormatHoursMinutes(double hours);

}  // namespace kelvra::shell
