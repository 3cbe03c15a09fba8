// An independent vector model of a bifilar dial for the tests: the sun as a
// unit vector in plate coordinates (x east, y north, z up), threads as lines
// in space, and the one line through a plate point that meets both threads.
// It shares nothing with the construction but the convention of the axes.
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

// A line in space through `a` along `dir`.
struct Line {
  Vec a;
  Vec dir;
};

// Distance between two lines (0 when they meet).
inline double LineDistance(const Line& l, const Line& m) {
  const Vec c = Cross(l.dir, m.dir);
  const double n = Norm(c);
  if (n < 1e-15) return Norm(Cross(m.a - l.a, l.dir)) / Norm(l.dir);
  return std::fabs(Dot(m.a - l.a, c)) / n;
}

// The direction of the line through plate point p that meets both threads:
// it lies in the plane through p and thread 1 and in the plane through p and
// thread 2; pointed upward.
inline Vec DirectionThroughBoth(Vec p, const Line& t1, const Line& t2) {
  const Vec n1 = Cross(t1.a - p, t1.dir);
  const Vec n2 = Cross(t2.a - p, t2.dir);
  Vec s = Cross(n1, n2);
  if (s.z < 0) s = -1.0 * s;
  return (1.0 / Norm(s)) * s;
}

// Signed difference a - b of two angles in degrees, brought into -180..180.
inline double AngleDiff(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace kelvra::testing
