#include "dials/planar/segment_rule.h"

namespace kelvra::dials::planar {

namespace {

// One edge of Liang-Barsky: p t <= q.
bool Edge(double p, double q, double& t0, double& t1) {
  if (std::fabs(p) < 1e-12) return q >= 0;
  const double r = q / p;
  if (p < 0) {
    if (r > t1) return false;
    if (r > t0) t0 = r;
  } else {
    if (r < t0) return false;
    if (r < t1) t1 = r;
  }
  return true;
}

}  // namespace

bool ClipSegment(const TargetFrame& t, DevicePoint a, DevicePoint b, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  // The area's right and bottom bounds are exclusive; stay a hair inside.
  const double maxX = t.maxX - 1e-6;
  const double maxY = t.maxY - 1e-6;
  if (!Edge(-dx, a.x - t.minX, t0, t1)) return false;
  if (!Edge(dx, maxX - a.x, t0, t1)) return false;
  if (!Edge(-dy, a.y - t.minY, t0, t1)) return false;
  if (!Edge(dy, maxY - a.y, t0, t1)) return false;
  if (t.hasHorizon) {
    if (t.yDown) {
      if (!Edge(-dy, a.y - t.horizonY, t0, t1)) return false;
    } else {
      if (!Edge(dy, t.horizonY - a.y, t0, t1)) return false;
    }
  }
  return t0 <= t1;
}

}  // namespace kelvra::dials::planar
