// The solar ephemeris every dial line, table and calculator result rests on:
// the sun's declination and the equation of time for an instant (a low
// precision series in Julian centuries from J2000.0), the declinations of the
// zodiac boundaries used for date lines, and an independent closed formula of
// the equation of time by ecliptic longitude used for a comparison table.
//
// ComputeSolarDay allocates nothing and does no I/O; it is called thousands of
// times per dial drawing. Conventions: see astro/angles.h.
#pragma once

#include <array>
#include <vector>

namespace kelvra::astro {

struct SolarDay {
  // The sun's apparent declination in degrees, north positive.
  double declination = 0.0;
  // Apparent solar time minus mean solar time, in degrees of arc (times 4 =
  // minutes of time), in -180..+180. Positive: a sundial is fast.
  double equationOfTime = 0.0;
  // Sine and cosine of the apparent obliquity of the ecliptic at that instant.
  double sinObliquity = 0.0;
  double cosObliquity = 1.0;
};

// The sun for day argument D of `year`: the instant is Julian Date
// JulianDayNumber(1 Jan year) + D - 1, so D = N + (u - 12) / 24 for day of year
// N at u hours of Universal Time. D outside 1..366 rolls into the neighbouring
// years. Computed in extended precision (long double).
// 2000, D = 1.0 -> declination -23.03, equation of time -0.825 (-3:18).
SolarDay ComputeSolarDay(int year, double D);

// The day argument of ComputeSolarDay for zone time t (hours) of day of year N
// with the zone meridian in degrees, west positive (CET: -15):
// N + (t + zoneMeridian / 15 - 12) / 24.
double DayArgumentForZoneTime(int dayOfYear, double zoneTime, double zoneMeridian);

// Declinations of the sun at ecliptic longitudes 90, 95, ..., 270 degrees, and
// the zodiac boundaries among them, for one year (mean obliquity of day 80).
struct ZodiacTable {
  int year = 0;
  double obliquity = 0.0;         // degrees
  double roundedObliquity = 0.0;  // to 0.01 degree, half away from zero
  // declinations[i] at ecliptic longitude 90 + 5 i degrees; entry 18 is exactly 0.
  std::array<double, 37> declinations{};
  // Entries 36, 30, 24, 18, 12, 6, 0 in ascending declination: -eps (winter
  // solstice) first, +eps (summer solstice) last.
  std::array<double, 7> boundaries{};
};

// The table of `year` (the reference year's table: shell/zodiac.h).
ZodiacTable ComputeZodiacDeclinations(int year);

// One row of the equation-of-time-by-longitude table.
struct EotByLongitudeRow {
  double lambda = 0.0;          // ecliptic longitude, degrees
  double declination = 0.0;     // degrees, rounded to 0.001
  int eotSeconds = 0;           // equation of time in whole seconds (rounded)
  double eotExactSeconds = 0.0; // equation of time, seconds of time, unrounded
  double controlSeconds = 0.0;  // Kepler control value, seconds of time
  int eotSym = 0;               // symmetry value, whole seconds
};

// The table of n + 1 rows (longitude 360 g / n, g = 0..n; n in 1..360) for
// `year`; a closed series in the ecliptic longitude, independent of the calendar.
// Its printed form: calc/tables/eot_by_longitude.h.
std::vector<EotByLongitudeRow> EquationOfTimeByLongitude(int n, int year);

}  // namespace kelvra::astro
