// An independent model of a dial face in vector form, for checking the planar
// geometry: a face of inclination ι (0 horizontal, 90 vertical) looking toward
// azimuth D (from south, west positive), the gnomon foot at the origin, the
// nodus at height g on the face normal. Coordinates on the face: x to the
// right as seen from the front, y up the line of steepest slope (north on a
// horizontal face).
#pragma once

#include <cmath>

namespace kelvra::testing {

struct Vec {
  double e = 0, n = 0, u = 0;  // east, north, up
};
inline Vec operator+(Vec a, Vec b) { return {a.e + b.e, a.n + b.n, a.u + b.u}; }
inline Vec operator-(Vec a, Vec b) { return {a.e - b.e, a.n - b.n, a.u - b.u}; }
inline Vec operator*(double k, Vec a) { return {k * a.e, k * a.n, k * a.u}; }
inline double Dot(Vec a, Vec b) { return a.e * b.e + a.n * b.n + a.u * b.u; }
inline Vec Cross(Vec a, Vec b) {
  return {a.n * b.u - a.u * b.n, a.u * b.e - a.e * b.u, a.e * b.n - a.n * b.e};
}
inline double Norm(Vec a) { return std::sqrt(Dot(a, a)); }

constexpr double kDeg = 3.14159265358979323846 / 180.0;

struct FaceModel {
  double latitude, declination, inclination, gnomon;
  Vec normal, ex, ey, pole;

  FaceModel(double phi, double D, double iota, double g)
      : latitude(phi), declination(D), inclination(iota), gnomon(g) {
    const Vec facing{-std::sin(D * kDeg), -std::cos(D * kDeg), 0};
    const Vec up{0, 0, 1};
    normal = std::sin(iota * kDeg) * facing + std::cos(iota * kDeg) * up;
    ex = Cross(up, facing);
    if (Norm(ex) < 1e-12) ex = {1, 0, 0};
    ex = (1.0 / Norm(ex)) * ex;
    ey = Cross(normal, ex);
    pole = {0, std::cos(phi * kDeg), std::sin(phi * kDeg)};
  }

  // The sun's unit vector for declination δ and local hour angle H (west +).
  Vec Sun(double delta, double H) const {
    const double p = latitude * kDeg, d = delta * kDeg, h = H * kDeg;
    return {-std::cos(d) * std::sin(h),
            std::cos(p) * std::sin(d) - std::sin(p) * std::cos(d) * std::cos(h),
            std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h)};
  }

  // Declination and hour angle of the sun that throws the nodus's shadow on
  // face point (x, y): the direction from the shadow back to the nodus.
  void SunFromShadow(double x, double y, double& delta, double& H) const {
    Vec v = gnomon * normal - (x * ex + y * ey);
    v = (1.0 / Norm(v)) * v;
    const double p = latitude * kDeg;
    delta = std::asin(v.n * std::cos(p) + v.u * std::sin(p)) / kDeg;
    H = std::atan2(-v.e, v.u * std::cos(p) - v.n * std::sin(p)) / kDeg;
  }

  // Where the polar style meets the face (x, y); false when it is parallel.
  bool PolePoint(double& x, double& y) const {
    const double pn = Dot(pole, normal);
    if (std::fabs(pn) < 1e-12) return false;
    const Vec s = gnomon * normal - (gnomon / pn) * pole;
    x = Dot(s, ex);
    y = Dot(s, ey);
    return true;
  }

  // Style height: the angle between the polar axis and the face, signed like
  // n·p (degrees).
  double StyleHeight() const { return std::asin(Dot(pole, normal)) / kDeg; }

  // The hour line of hour angle H as the face direction (dx, dy) of the
  // intersection of the hour plane with the face.
  void HourLineDirection(double H, double& dx, double& dy) const {
    const Vec m = Cross(pole, Sun(0, H));
    const Vec d = Cross(normal, m);
    dx = Dot(d, ex);
    dy = Dot(d, ey);
  }
};

// Difference of two angles modulo `period` in (-period/2, period/2].
inline double AngleDiff(double a, double b, double period = 360.0) {
  double d = std::fmod(a - b, period);
  if (d > period / 2) d -= period;
  if (d <= -period / 2) d += period;
  return d;
}

}  // namespace kelvra::testing
