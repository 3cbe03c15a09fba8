// The texts of dates within the reference year: "21. Jun" for a day number,
// and the day/month texts of date lines ("21/06") read and checked with their
// display form ("21. Jun") and normal form ("21/06"). Month abbreviations come
// from the text catalogue in the language asked for.
#pragma once

#include <string>
#include <string_view>

namespace kelvra::shell {

// "21. Jun": day n (1..366) of `year` as day without leading zero, ". " and the
// month abbreviation of `language` (1 German, 2 English).
std::string DayNumberToTextForYear(int n, int year, int language);
// The same for the reference year and the current language.
std::string DayNumberToText(int n);

// The result of reading a day/month text such as "21/06", "1/6" or "21/6"
// (the reading rules: astro::ReadDayMonth).
struct DayMonth {
  bool valid = false;
  std::string displayText;  // "05. Jun" (two-digit day, ". ", abbreviation); empty if invalid
  std::string normalForm;   // "05/06"; empty if invalid
  int key = -1;             // day + 100 * month (605), -1 if invalid
};

// Reads a day/month text for `year` (February 29 needs a leap year by the
// Gregorian rule) with the month abbreviation of `language`. With showError an
// invalid text shows the error box "Fehlerhafte Eingabe !" / "Error in Input !".
DayMonth ParseDayMonthForYear(std::string_view text, int year, int language, bool showError);
// The same for the reference year and the current language.
DayMonth ParseDayMonth(std::string_view text, bool showError);
// The checking wrapper used by the settings file and the dialogs: an invalid
// text shows the text, ": " and "Datum fehlerhaft!" / "Error in date!".
DayMonth CheckDayMonth(std::string_view text);

// An own date line ("21/03    ( 21. März )") with its comment in `language`
// (1 German, 2 English) when the comment is one the program writes: the day
// and the month's full name or abbreviation in either language ("21. March",
// "21. Mar"); the style stays, "21. Mär" becomes "21. Mar". A line whose
// comment the user wrote, or whose date cannot be read, comes back unchanged.
std::string OwnDateLineInLanguage(std::string_view line, int language);

}  // namespace kelvra::shell
