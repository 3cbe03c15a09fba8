// The sun of a whole year at once, for the dial constructions that need it at
// thousands of clock times: the ephemeris at 12:00 zone time of every day of
// the year (and two days either side), interpolated quadratically between the
// three nearest days (within about 1e-5 degrees of the ephemeris itself).
// Conventions: astro/angles.h.
#pragma once

#include <vector>

#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"

namespace kelvra::astro {

class SunTable {
 public:
  // Computes the table for `year` and the zone meridian (degrees, west
  // positive) unless it already holds them; a table kept between drawings of
  // the same year costs no ephemeris call.
  void Ensure(int year, double zoneMeridian);
  // Declination and equation of time (degrees) at zone time t (hours) of day
  // of year N, interpolated; the obliquity fields are left at their defaults.
  SolarDay At(int day, double zoneTime) const;
  // The ephemeris of 12:00 zone time of day N itself (the declination of a
  // date line); days outside the table take its first or last day.
  double NoonDeclination(int day) const;

 private:
  static constexpr int kFirstDay = -2;
  static constexpr int kDays = 373;  // days -2 .. 370
  int year_ = 0;
  double zoneMeridian_ = 0;
  std::vector<double> declination_;
  std::vector<double> equationOfTime_;
};

// The sun at zone time t of day N of the table's year as SunPositionAtClockTime
// gives it (same hour angle, same arguments), with declination and equation
// of time from the table.
SunPosition SunAt(const SunTable& table, int day, double t, double latitude, double longitude,
                  double zoneMeridian, bool applyEquationOfTime);

}  // namespace kelvra::astro
