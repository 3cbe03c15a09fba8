// An independent model of the sky for the dial tests: the sun as a unit
// vector in the horizon frame (x east, y north, z up) from its declination and
// hour angle by rotating the equatorial frame, and the way back. It shares
// nothing with the program's astronomy but the conventions: azimuth from
// south, west positive; hour angle west positive; degrees.
#pragma once

#include <cmath>

namespace kelvra::testing {

struct Vec {
  double x = 0, y = 0, z = 0;
};
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Norm(Vec a) { return std::sqrt(Dot(a, a)); }

constexpr double kRad = 3.14159265358979323846 / 180.0;

// The direction toward the sun at declination d and hour angle H (degrees,
// west positive) seen from latitude phi, by rotating the equatorial unit
// vector about the east-west axis.
inline Vec SunVector(double phi, double d, double H) {
  const double p = phi * kRad, dd = d * kRad, h = H * kRad;
  const double east = -std::cos(dd) * std::sin(h);
  const double north = std::cos(p) * std::sin(dd) - std::sin(p) * std::cos(dd) * std::cos(h);
  const double up = std::sin(p) * std::sin(dd) + std::cos(p) * std::cos(dd) * std::cos(h);
  return {east, north, up};
}

// The unit vector of a direction given by altitude and azimuth (degrees).
inline Vec DirectionVector(double altitude, double azimuth) {
  const double a = altitude * kRad, A = azimuth * kRad;
  return {-std::cos(a) * std::sin(A), -std::cos(a) * std::cos(A), std::sin(a)};
}

// Altitude and azimuth (from south, west positive) of a direction.
inline double AltitudeOf(Vec s) { return std::asin(s.z / Norm(s)) / kRad; }
inline double AzimuthOf(Vec s) { return std::atan2(-s.x, -s.y) / kRad; }

// Declination and hour angle of a direction seen from latitude phi (the
// inverse rotation of SunVector).
struct Equatorial {
  double declination = 0;
  double hourAngle = 0;
};
inline Equatorial EquatorialOf(double phi, Vec s) {
  const double p = phi * kRad;
  const double n = Norm(s);
  const double sinD = (std::sin(p) * s.z + std::cos(p) * s.y) / n;
  const double cosDcosH = (std::cos(p) * s.z - std::sin(p) * s.y) / n;
  return {std::asin(sinD) / kRad, std::atan2(-s.x / n, cosDcosH) / kRad};
}

// Signed difference a - b of two angles in degrees, brought into -180..180.
inline double AngleDiff(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace kelvra::testing
