// The zone time at which the sun reaches a given azimuth on one day (the
// calculator's "time for azimuth"), by bisection. Problems met on the way are
// part of the result; the calculator turns them into its messages
// (calc/calculator/sun_texts.h). Conventions: astro/angles.h.
#pragma once

namespace kelvra::astro {

struct AzimuthTimeResult {
  // The azimuth searched (degrees from south, west positive); an azimuth of
  // exactly 0 is searched as 0.0001.
  double azimuth = 0.0;
  // False when the search bracket collapsed: no time was found.
  bool solved = false;
  // True when the sun's azimuth at `time` is the one asked for (within 0.005
  // degrees). Solved but not reached: a bisection step found the azimuth on
  // neither side, and the search stopped there (the result is probably false).
  bool reached = false;
  double time = 0.0;      // zone time in hours (when solved)
  double altitude = 0.0;  // degrees, the sun's altitude at `time` (when solved)

  // The azimuths of the sun at the two ends of the search bracket, after
  // bringing them to the side of the azimuth searched.
  double bracketAzimuth1 = 0.0;
  double bracketAzimuth2 = 0.0;
  // The azimuth searched lies outside bracketAzimuth1..bracketAzimuth2; the
  // search ran all the same.
  bool outsideBracket = false;
  // |latitude| < |declination|: the sun passes north of the zenith (or south
  // of it in the southern hemisphere) and does not reach every azimuth.
  bool someAzimuthsUnreachable = false;
};

// Searches day of year `dayOfYear` of `year` (zone time, with the equation of
// time). azimuth in degrees from south, west positive; latitude, longitude and
// zoneMeridian in degrees, longitude and zone meridian west positive. The
// bracket is 10.5..24.99 h for a western azimuth and 0..13.5 h otherwise,
// swapped when the sun passes north of the zenith; it is halved until the
// azimuth is met within 0.005 degrees or the bracket's azimuths lie within
// 0.002 degrees.
AzimuthTimeResult TimeForAzimuth(double azimuth, int year, int dayOfYear, double latitude,
                                 double longitude, double zoneMeridian);

}  // namespace kelvra::astro
