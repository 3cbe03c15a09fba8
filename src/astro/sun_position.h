// The sun's direction in the sky for a date and clock time, and the plane and
// horizon geometry built on it. These operations are the inner loop of every
// dial drawing: they allocate nothing and do no I/O.
//
// Units and signs: see astro/angles.h.
#pragma once

#include "astro/solar_ephemeris.h"

namespace kelvra::astro {

struct HorizontalPosition {
  double altitude = 0.0;  // degrees, -90..+90
  double azimuth = 0.0;   // degrees from south, west positive, -180..+180
};

struct SunPosition {
  double altitude = 0.0;        // degrees
  double azimuth = 0.0;         // degrees from south, west positive
  double declination = 0.0;     // degrees, north positive
  double equationOfTime = 0.0;  // degrees of arc, positive: sundial fast
};

// H = 15 (t - 12) - (longitude - zoneMeridian) [+ equationOfTime], degrees,
// not reduced. t in hours; longitude, zoneMeridian west positive.
double HourAngleOfClockTime(double t, double longitude, double zoneMeridian);
double HourAngleOfClockTime(double t, double longitude, double zoneMeridian,
                            double equationOfTime);

// Altitude and azimuth of a body at declination d (degrees) seen from latitude p
// (degrees) at hour angle H (degrees, west positive, any value). Finite for a
// body at the zenith or on the horizon.
// (47.25, 23.44, 0) -> altitude 66.19, azimuth 0; (10, 20, 0) -> azimuth 180.
HorizontalPosition HorizontalFromHourAngle(double latitude, double declination,
                                           double hourAngle);

// The sun at clock time t (hours) whose declination and equation of time are
// `sun` (from ComputeSolarDay or a SunTable): hour angle 15 (t - 12) -
// (longitude - zoneMeridian), plus sun.equationOfTime when
// applyEquationOfTime. The positions below are this with the ephemeris of
// their instant.
SunPosition SunPositionFromEphemeris(const SolarDay& sun, double t, double latitude,
                                     double longitude, double zoneMeridian,
                                     bool applyEquationOfTime);

// The sun at clock time t (hours) of day of year N of `year`. The ephemeris is
// evaluated at that instant (t taken as zone time of zoneMeridian). The hour
// angle is 15 (t - 12) - (longitude - zoneMeridian), plus the equation of time
// when applyEquationOfTime. Time kinds: true local time -> longitude =
// zoneMeridian, no equation of time; mean local time -> longitude =
// zoneMeridian, with it; zone time -> real longitude, with it.
SunPosition SunPositionAtClockTime(int year, int dayOfYear, double t, double latitude,
                                   double longitude, double zoneMeridian,
                                   bool applyEquationOfTime);

// As SunPositionAtClockTime, but declination and equation of time are those of
// 12:00 zone time of day N whatever t is, so that one date line of a dial has
// one declination.
SunPosition SunPositionNoonEphemeris(int year, int dayOfYear, double t, double latitude,
                                     double longitude, double zoneMeridian,
                                     bool applyEquationOfTime);

// The sun at declination d (degrees) at clock time t without equation of time:
// H = 15 (t - 12) - (longitude - zoneMeridian).
HorizontalPosition SunPositionForDeclination(double t, double latitude, double longitude,
                                             double zoneMeridian, double declination);

// Cosine of the angle between two directions given by altitude and azimuth
// (degrees).
double CosAngleBetweenDirections(double altitude1, double azimuth1, double altitude2,
                                 double azimuth2);

// True when the sun at true local time t (hours) and declination d lights the
// front of a plane whose normal points to (normalAltitude, normalAzimuth), seen
// from latitude p.
bool SunLightsPlane(double trueLocalTime, double declination, double latitude,
                    double normalAltitude, double normalAzimuth);

// Full-quadrant arc tangent of y / x in degrees, -180..+180 (x = 0 -> 90 sign(y)).
double Atan2Degrees(double y, double x);

// The pole's coordinates relative to a plane of inclination i (degrees, 0 =
// horizontal, 90 = vertical) whose normal points to azimuth D (degrees from
// south, west positive; the plane's declination), at latitude p.
struct PlaneCoordinatesResult {
  // arcsin(sin p cos i - cos p sin i cos D): the height of the polar axis over
  // the plane (the plane's "latitude", the style height; negative when the
  // pole lies behind the face, as for a south-facing wall in the north).
  double styleHeight = 0.0;
  // Atan2Degrees(sin i sin D, cos p cos i + sin i sin p cos D): the hour angle of
  // the substyle (the plane's longitude difference), west positive.
  double substyleHourAngle = 0.0;
  // Atan2Degrees(cos p sin D, sin p sin i + cos p cos D cos i): the angle of the
  // substyle on the plane from its line of steepest slope.
  double substyleAngle = 0.0;
};
PlaneCoordinatesResult PlaneCoordinates(double inclination, double planeDeclination,
                                        double latitude);

// Geometric sunset (no refraction) at latitude p and declination d.
struct SunsetResult {
  double hourAngle = 0.0;  // H0 in 0..180; 0: never up, 180: never sets
  double azimuth = 0.0;    // azimuth of the sun at H0
};
SunsetResult SunsetHourAngle(double latitude, double declination);

// Geometric rise and set of day of year `day` in true local time (12 -/+ H0/15),
// with the declination of 12:00 zone time of that day and the azimuths there.
struct TrueRiseSet {
  double rise = 12.0;          // true local time, hours
  double set = 12.0;           // true local time, hours
  double declination = 0.0;    // degrees
  double riseAzimuth = 0.0;    // degrees from south, west positive (east: negative)
  double setAzimuth = 0.0;
};
TrueRiseSet SunriseSunsetTrueTime(int year, int dayOfYear, double latitude,
                                  double zoneMeridian);

// The sunlit interval of an inclined, declining plane over the year: for every
// declination from +eps to -eps (rounded obliquity of the reference year) in
// 0.05-degree steps, the span in which the sun is both above the horizon
// (geometric) and in front of the plane; the earliest first light and the
// latest last light over all of them, in true local time (hours).
struct SunlitExtremes {
  bool everLit = false;             // false: the face never sees the sun
  double earliestFirstLight = 0.0;  // true local time, hours
  double latestLastLight = 0.0;     // true local time, hours
  double declinationAtEarliest = 0.0;  // degrees
  double declinationAtLatest = 0.0;    // degrees
};
// inclination i and planeDeclination D as in PlaneCoordinates; obliquity in
// degrees (normally the rounded obliquity of the reference year, see
// ComputeZodiacDeclinations).
SunlitExtremes SunlitPlaneExtremes(double inclination, double planeDeclination,
                                   double latitude, double obliquity);

}  // namespace kelvra::astro
