// The yearly tables: one value per calendar day of the site's reference year
// (equation of time, equation of time with the longitude's time difference,
// declination, zone time of true noon), 31 rows of 12 months.
//
// Every value is that of 12:00 zone time of its day (ComputeSolarDay). Days
// that do not exist are blank; the 29th of February exists every fourth year,
// except century years from 1590 on that are not divisible by 400 (the Julian
// rule before the calendar change had spread). 5..14 October 1582 did not
// exist and show "   ----".
#pragma once

#include <string>
#include <vector>

#include "calc/tables/table.h"

namespace kelvra::calc {

// The full list as the printer uses it: the title, two blank lines, three
// explanation slots, a blank line, the column head, a blank line, the 31 rows
// with a blank line before days 6, 11, 16, 21 and 26, and the signature line.
std::vector<std::string> BuildYearlyTableFull(const shell::SiteSettings& site, YearTableKind kind,
                                              int language);

// The table as shown and exported: the full list without the blank line
// before day 1, the unused explanation slot and the two blank lines after the
// title. Layout Yearly, or YearlyNoon for the true-noon table.
Table BuildYearlyTable(const shell::SiteSettings& site, YearTableKind kind, int language);

// The window caption of the yearly table of `kind`.
std::string YearlyTableCaption(YearTableKind kind, int language);

// The true-noon cell: the zone time "hh:mm:ss" at which the sun passes the
// meridian, for x = (longitude - zoneMeridian) - equationOfTime in degrees
// (4 minutes each) after 12:00. Seconds are rounded half away from zero and
// a full minute or hour carries ("11:59:59.7" reads "12:00:00").
std::string TrueNoonText(double x);

}  // namespace kelvra::calc
