// The rise and set tables: for one month the rise and set of the sun, the
// twilight of the chosen kind and the moon with the equation of time and the
// declination of each day; for a half-year the sunrise, sunset and equation of
// time of six months side by side. Times are zone time, never daylight-saving
// time; the events come from RiseSetForDay for the local midnight of each day.
//
// A day on which the sun (or the moon, or the twilight) neither rises nor sets
// shows its 14-character "always" text once in place of the pair.
#pragma once

#include <string>

#include "astro/rise_set.h"
#include "calc/tables/table.h"

namespace kelvra::calc {

// Days 1 .. last of `month` (1..12) of the site's year; the 29th of February
// by the rule of the yearly tables. Layout Month.
Table BuildMonthTable(const shell::SiteSettings& site, int month, astro::TwilightKind twilight,
                      int language);

// Months firstMonth .. firstMonth + 5 (firstMonth 1 or 7) of the site's year,
// rows 1..31. Layout HalfYear.
Table BuildHalfYearTable(const shell::SiteSettings& site, int firstMonth, int language);

// The table of `range`: one month (`month`) or a half-year.
Table BuildRiseSetTable(const shell::SiteSettings& site, RiseSetRange range, int month,
                        astro::TwilightKind twilight, int language);

// The window caption of the rise and set tables.
std::string RiseSetTableCaption(int language);

// Days of `month` in `year` by the tables' leap rule.
int TableDaysInMonth(int year, int month);

}  // namespace kelvra::calc
