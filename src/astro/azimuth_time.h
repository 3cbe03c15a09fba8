// The zone time at which the sun reaches a given azimuth on one day (the
// calculator's "time for azimuth"). Unlike the position routines it reports
// its problems through message boxes (shell::ShowMessage). Conventions:
// astro/angles.h.
#pragma once

#include <string>

namespace kelvra::astro {

struct AzimuthTimeResult {
  bool solved = false;   // false when the search bracket collapsed (no text)
  // True when the sun's azimuth at `time` is the one asked for (within 0.005
  // degrees); false after a failed step ("result probably false").
  bool reached = false;
  double time = 0.0;     // zone time in hours (valid when solved)
  std::string text;      // " 12:23:05  hh:mm:ss", empty when not solved
  double altitude = 0.0; // degrees, the sun's altitude at that time
};

// Searches day of year `dayOfYear` of `year` by bisection (zone time, with the
// equation of time). azimuth in degrees from south, west positive; latitude,
// longitude, zoneMeridian as in SiteSettings. Shows the boxes: azimuth outside
// the bracket (error), |latitude| < |declination| (warning), a failed step
// (warning), no solution (error).
AzimuthTimeResult TimeForAzimuth(double azimuth, int year, int dayOfYear, double latitude,
                                 double longitude, double zoneMeridian);
// The same for the date and site of the shared state (general.today, site).
AzimuthTimeResult TimeForAzimuth(double azimuth);

}  // namespace kelvra::astro
