// Angles: the one degree/radian factor of the program, trigonometry on
// degrees, clamping of arc sine and arc cosine arguments, and the reduction of
// angles into their usual ranges.
//
// Conventions of all astronomy code (kelvra::astro) and its callers:
// - Angles are degrees in doubles; radians appear only at the trigonometric
//   call (the helpers below).
// - Latitude: north positive, -90..+90.
// - Longitude and zone meridian: WEST positive, east negative (Central European
//   Time has zoneMeridian -15; the default site 9.59 degrees east has -9.59).
// - Hour angle H: 0 at the local meridian, positive toward the west
//   (afternoon), 15 degrees per hour; inputs are brought into -180..+180.
// - Altitude: above the horizon positive, -90..+90; no refraction in positions.
// - Azimuth: from SOUTH, positive toward WEST, -180..+180 (east -90, north +-180).
// - Times of day: decimal hours (12.5 = 12:30) of zone time of the zone
//   meridian unless a comment says true local (apparent) or mean local time.
//   Daylight-saving time is never applied.
// - Equation of time: apparent minus mean solar time in degrees of arc
//   (4 minutes of time per degree), positive when a sundial is fast.
// - Lengths on a dial are millimetres.
// The hour angle of zone time t is 15 (t - 12) - (longitude - zoneMeridian),
// plus the equation of time when t is a mean time and the true sun is wanted.
#pragma once

#include <algorithm>
#include <cmath>
#include <concepts>
#include <numbers>

namespace kelvra::astro {

inline constexpr double kPi = std::numbers::pi;

// Radians per degree in the precision of T.
template <std::floating_point T>
inline constexpr T kRadiansPerDegree = std::numbers::pi_v<T> / T{180};

// Radians per degree.
inline constexpr double kDegToRad = kRadiansPerDegree<double>;

// Degrees to radians and back, in double precision (whole numbers too) and in
// extended precision for long double arguments. Degrees() divides by the same
// factor that Radians() multiplies with.
constexpr double Radians(double degrees) { return degrees * kDegToRad; }
constexpr double Degrees(double radians) { return radians / kDegToRad; }
template <std::same_as<long double> T>
constexpr T Radians(T degrees) {
  return degrees * kRadiansPerDegree<T>;
}
template <std::same_as<long double> T>
constexpr T Degrees(T radians) {
  return radians / kRadiansPerDegree<T>;
}

// Trigonometry of angles in degrees.
inline double SinDeg(double degrees) { return std::sin(Radians(degrees)); }
inline double CosDeg(double degrees) { return std::cos(Radians(degrees)); }
inline double TanDeg(double degrees) { return std::tan(Radians(degrees)); }

// Inverse trigonometry with the result in degrees. The arguments of AsinDeg
// and AcosDeg must lie in -1..1 (NaN outside); ClampUnit brings a value that
// rounding pushed just outside back in.
inline double AsinDeg(double x) { return Degrees(std::asin(x)); }
inline double AcosDeg(double x) { return Degrees(std::acos(x)); }
inline double AtanDeg(double x) { return Degrees(std::atan(x)); }
constexpr double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }

// -1, 0 or +1 as a double (0 for NaN).
constexpr double SignOf(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// An angle brought into -180..+180 by whole turns (angles already inside are
// returned unchanged; +-180 stay as they are).
inline double WrapDegrees180(double degrees) {
  if (std::abs(degrees) <= 180.0) return degrees;
  double r = std::fmod(degrees, 360.0);
  if (r > 180.0) r -= 360.0;
  else if (r < -180.0) r += 360.0;
  return r;
}

}  // namespace kelvra::astro
