// Calendar and time arithmetic: day counts, the Julian-to-Gregorian change of
// October 1582, the short day/month texts of date lines, and the small text
// formats in which times and the equation of time are shown.
//
// The day counts are pure functions. DayNumberToText and ParseDayMonth read the
// reference year and the language from the shared state (shell::State()); the
// ...ForYear variants take them as arguments. Sign and unit conventions of the
// astronomy code are listed once in astro/angles.h.
#pragma once

#include <string>
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

// "21. Jun": day n (1..366) of `year` as day without leading zero, ". " and the
// month abbreviation of `language` (1 German, 2 English).
std::string DayNumberToTextForYear(int n, int year, int language);
// The same for the reference year and the current language of the shared state.
std::string DayNumberToText(int n);

// The result of reading a day/month text such as "21/06", "1/6" or "21/6".
struct DayMonth {
  bool valid = false;
  std::string displayText;  // "05. Jun" (two-digit day, ". ", abbreviation); empty if invalid
  std::string normalForm;   // "05/06"; empty if invalid
  int key = -1;             // day + 100 * month (605), -1 if invalid
};

// Reads a day/month text for the reference year (February 29 needs a leap year
// by the Gregorian rule). With showError an invalid text shows the error box
// "Fehlerhafte Eingabe !" / "Error in Input !".
DayMonth ParseDayMonthForYear(std::string_view text, int year, int language, bool showError);
DayMonth ParseDayMonth(std::string_view text, bool showError);
// The checking wrapper used by the settings file and the dialogs: an invalid
// text shows the text, ": " and "Datum fehlerhaft!" / "Error in date!".
DayMonth CheckDayMonth(std::string_view text);

// Equation of time e in degrees of arc as minutes:seconds of time, left-padded
// to at least 6 characters: 0.8 -> "  3:12", -0.1 -> " -0:24", -0.249 -> " -1:00".
std::string FormatMinutesSeconds(double eotDegrees);
// Whole seconds as minutes:seconds: -845 -> "-14:05".
std::string FormatSecondsAsMinutes(int seconds);
// Decimal hours as "hh:mm" with the hours right-aligned in 3 characters and the
// minutes rounded: 6.0833 -> "  6:05", 17.72 -> " 17:43", 23.999 -> " 24:00".
std::string FormatHoursMinutes(double hours);

}  // namespace kelvra::astro
