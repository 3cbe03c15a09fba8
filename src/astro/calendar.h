// Calendar and time arithmetic: day counts, the Julian-to-Gregorian change of
// October 1582, leap rules, and the reading of the short day/month texts of
// date lines. All are pure functions of their arguments. The texts shown for
// dates and times (month names, "21. Jun", "  3:12") are made by the shell
// (shell/day_month.h, shell/time_format.h). Sign and unit conventions of the
// astronomy code are listed once in astro/angles.h.
#pragma once

#include <optional>
#include <string_view>

namespace kelvra::astro {

// Julian day number of a calendar date: the Julian Date of its noon, a whole
// number held in a double. Dates up to 4 October 1582 are Julian calendar
// dates, dates from 15 October 1582 on Gregorian; the days 5..14 October 1582,
// which do not exist, count as 15 October 1582.
// 1 Jan 2000 -> 2451545; 15 Oct 1582 -> 2299161; 4 Oct 1582 -> 2299160.
double JulianDayNumber(int day, int month, int year);

// Day of the year 1..366. Uses the Gregorian leap rule for every year, also
// before 1582 (1 Mar 2024 -> 61, 31 Dec 1900 -> 365).
int DayOfYear(int year, int month, int day);

// Gregorian leap rule for every year (the rule of DayOfYear and ParseDayMonth).
bool IsLeapYear(int year);
// The rule of the monthly rise and set table: Julian before 1590 (every fourth
// year), Gregorian from 1590 on.
bool IsLeapYearJulianBefore1590(int year);
// Days of `month` (1..12) in `year` under the Gregorian leap rule.
int DaysInMonth(int year, int month);
// True when day/month/year names an existing day of the proleptic Gregorian
// calendar (1..DaysInMonth); the 1582 gap is not checked here.
bool IsValidDate(int year, int month, int day);
// True for 5..14 October 1582, the days dropped by the calendar change. Such a
// date is computed as 15 October 1582.
bool IsInGregorianGap(int year, int month, int day);

// Modified Julian Date of day/month/year at `hours` of Universal Time (real).
// Used by the rise and set search (astro/rise_set.h).
double ModifiedJulianDate(int day, int month, int year, double hours);

// A day and a month read from a day/month text.
struct DayAndMonth {
  int day = 0;    // 1..31
  int month = 0;  // 1..12
};

// Reads a day/month text such as "21/06", "1/6" or "21/6" (anything after the
// month is ignored: "21/06    ( 21. Juni )"): the day is the first two
// characters (only the first when the second is a blank or "/"), the month the
// two characters after the first "/" (only the first when the second is a
// blank). Nothing when either is not a number or the date does not exist in
// `year`: month outside 1..12, day outside 1..31, February 30 and 31, February
// 29 outside leap years (Gregorian rule for every year), the 31st of April,
// June, September and November.
std::optional<DayAndMonth> ReadDayMonth(std::string_view text, int year);

}  // namespace kelvra::astro
