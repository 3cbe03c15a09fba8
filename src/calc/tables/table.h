// The tables of the tables window as lists of fixed-pitch text lines: the
// window draws the lines, the printer prints them and the export writes them
// as a text file or cuts them into a CSV file at fixed character positions.
// Positions count characters of the Windows-1252 file (one byte each), so a
// line's UTF-8 "°" or "ä" is one position.
#pragma once

#include <string>
#include <vector>

#include "shell/shared_state.h"

namespace kelvra::calc {

// The layout of a list of table lines; the CSV export and the printer cut and
// frame each differently.
enum class TableLayout {
  Yearly,      // yearly table, kinds 0..2: 7-character month columns
  YearlyNoon,  // yearly table of true noon: 9-character month columns
  Month,       // rise and set of sun, twilight and moon for one month
  HalfYear,    // sunrise, sunset and equation of time for six months
};

// The four yearly tables (the stored `tableKind`).
enum class YearTableKind {
  EquationOfTime = 0,    // equation of time, min:sec
  EotWithLongitude = 1,  // equation of time minus the longitude's time difference
  Declination = 2,       // the sun's declination, degrees
  TrueNoon = 3,          // zone time of true noon, hh:mm:ss
};

// The one-month and the two half-year rise and set tables (`riseSetRange`).
enum class RiseSetRange { OneMonth = 0, FirstHalf = 1, SecondHalf = 2 };

// A built table: its lines (UTF-8, no line ends) with what the export needs
// to know of it.
struct Table {
  TableLayout layout = TableLayout::Yearly;
  std::vector<std::string> lines;
  shell::SiteSettings site;  // the site and year the table was built for
  int language = 1;          // 1 German, 2 English
};

// A line of n blanks; every blank line of a table is " ".
inline std::string Blanks(std::size_t n) { return std::string(n, ' '); }
inline const std::string kBlankLine = " ";

}  // namespace kelvra::calc
