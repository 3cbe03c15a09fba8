// Rise, set and twilight times of the sun and the moon for one day: a search
// with quadratic interpolation over two-hour steps from local midnight, with a
// low-precision sun series of its own (and the moon series of astro/moon.h).
// The search allocates nothing and does no I/O; a sun that never rises or never
// sets is a state of the result, not an error. Conventions: astro/angles.h.
#pragma once

#include <optional>

namespace kelvra::astro {

// The three kinds of event with their altitude h0 (degrees):
// moon +8' (0.1333333), sun -50' (-0.8333333), twilight -6/-12/-18.
enum class RiseSetKind { Moon = 1, Sun = 2, Twilight = 3 };
enum class TwilightKind { Civil = 0, Nautical = 1, Astronomical = 2 };

// Altitude h0 of the event in degrees (the twilight kind matters only for
// RiseSetKind::Twilight).
double EventAltitude(RiseSetKind kind, TwilightKind twilight = TwilightKind::Astronomical);

struct EquatorialPosition {
  double rightAscension = 0.0;  // hours, 0..24
  double declination = 0.0;     // degrees
};

// The search's own sun series for T Julian centuries from MJD 51544.5.
EquatorialPosition LowPrecisionSun(double T);

// Local mean sidereal time in hours (0..24) at Modified Julian Date mjd (UT) and
// longitude (degrees, WEST positive).
double LocalMeanSiderealTime(double mjd, double longitude);

// Local midnight of a date as Modified Julian Date of UT:
// ModifiedJulianDate(day, month, year, 0) - zoneDays, zoneDays = zoneMeridian / -360.
double LocalMidnightMjd(int day, int month, int year, double zoneMeridian);

// Sine of the altitude of the sun (kinds Sun, Twilight) or the moon at `hours`
// after local midnight mjd0; sinLat, cosLat of the site latitude.
double SinAltitude(RiseSetKind kind, double mjd0, double hours, double sinLat, double cosLat,
                   double longitude);

// Roots of the parabola through (-1, yMinus), (0, y0), (+1, yPlus).
struct QuadraticResult {
  int count = 0;       // roots within -1..1: 0, 1 or 2
  double root1 = 0.0;  // with count 1 the root inside -1..1
  double root2 = 0.0;
  double xExtreme = 0.0;  // abscissa and value of the extreme
  double yExtreme = 0.0;
};
// yMinus == y0 == yPlus (a flat line, a = 0) gives no root.
QuadraticResult QuadraticRoots(double yMinus, double y0, double yPlus);

enum class RiseSetState {
  Normal,      // rise and set both found
  NoRise,      // only a set that day
  NoSet,       // only a rise that day
  AlwaysUp,    // above h0 all day ("immer sichtbar" / "immer hell")
  AlwaysDown,  // below h0 all day ("nie sichtbar" / "immer dunkel")
};

struct RiseSetResult {
  RiseSetState state = RiseSetState::AlwaysDown;
  std::optional<double> rise;  // hours of zone time after local midnight
  std::optional<double> set;   // hours of zone time after local midnight
};

// The events of one day (24 hours from local midnight mjd0, see
// LocalMidnightMjd); longitude WEST positive.
RiseSetResult RiseSetForDay(RiseSetKind kind, double mjd0, double sinLat, double cosLat,
                            double longitude,
                            TwilightKind twilight = TwilightKind::Astronomical);

// Sun, twilight and moon of one day at once, as the calculator and the daily
// tables show them; the same results as three RiseSetForDay calls, with the
// sun's samples computed once for both the sun and the twilight search.
struct DayRiseSet {
  RiseSetResult sun;
  RiseSetResult twilight;
  RiseSetResult moon;
};
DayRiseSet RiseSetAllForDay(double mjd0, double sinLat, double cosLat, double longitude,
                            TwilightKind twilight = TwilightKind::Astronomical);

// Convenience: the same for a date and site (local midnight from zoneMeridian).
RiseSetResult RiseSetForDate(RiseSetKind kind, int day, int month, int year, double latitude,
                             double longitude, double zoneMeridian,
                             TwilightKind twilight = TwilightKind::Astronomical);

// The state's name in machine-readable output: "normal", "alwaysUp",
// "alwaysDown" (NoRise and NoSet count as "normal"). The texts shown to the
// user: calc/calculator/sun_texts.h.
const char* RiseSetStateName(RiseSetState state);

}  // namespace kelvra::astro
