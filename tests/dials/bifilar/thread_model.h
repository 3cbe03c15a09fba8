// An independent vector model of a bifilar dial for the tests: the sun as a
// unit vector in plate coordinates (x east, y north, z up), threads as lines
// in space, and the one line through a plate point that meets both threads.
// It shares nothing with the construction but the convention of the axes.
#pragma once

#include <cmath>

#include "sky_model.h"

namespace kelvra::testing {


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

}  // namespace kelvra::testing
