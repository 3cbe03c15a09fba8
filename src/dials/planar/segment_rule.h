// Placing the chains of a planar dial on a target and the segment rule that
// decides, point by point, where the pen draws, where it only moves and where
// a segment is cut at the edge of the drawing area (or at the horizon line).
#pragma once

#include <cmath>

#include "dials/planar/planar_chains.h"

namespace kelvra::dials::planar {

struct DevicePoint {
  double x = 0;
  double y = 0;
};

// Where the dial lies on a target. Device units are whatever the target uses
// (image pixels, 0.1 mm, plot units).
struct TargetFrame {
  double originX = 0;     // device position of the gnomon foot
  double originY = 0;
  double unitsPerMm = 1;  // device units per mm of the (zoomed) dial
  bool yDown = true;      // canvas: y grows downwards; plot file: upwards
  // The drawing area: a point is inside when minX <= x < maxX and minY <= y < maxY.
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  // The horizon line of vertical and inclined faces, device y; points on the
  // sky side of it are outside.
  bool hasHorizon = false;
  double horizonY = 0;

  // The horizon of the dial (kinds v and i) placed on this target.
  void SetHorizonFrom(const PlanarFrame& frame) {
    hasHorizon = frame.hasHorizon;
    if (hasHorizon) horizonY = ToDeviceY(frame.horizonY);
  }
  double ToDeviceY(double yMm) const {
    return yDown ? originY - yMm * unitsPerMm : originY + yMm * unitsPerMm;
  }
};

// A face point (mm, y up) on the target. Offsets from the origin larger than
// 1e8 device units are shrunk along their direction.
inline DevicePoint ToDevice(const TargetFrame& t, double xMm, double yMm) {
  double dx = xMm * t.unitsPerMm;
  double dy = yMm * t.unitsPerMm;
  const double m = std::fmax(std::fabs(dx), std::fabs(dy));
  if (m > 1e8 || !std::isfinite(m)) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
      dx = std::isfinite(dx) ? 0 : std::copysign(1e8, dx);
      dy = std::isfinite(dy) ? 0 : std::copysign(1e8, dy);
    } else {
      dx *= 1e8 / m;
      dy *= 1e8 / m;
    }
  }
  return {t.originX + dx, t.yDown ? t.originY - dy : t.originY + dy};
}

inline bool OnDialSide(const TargetFrame& t, DevicePoint p) {
  if (!t.hasHorizon) return true;
  return t.yDown ? p.y >= t.horizonY : p.y <= t.horizonY;
}

inline bool Inside(const TargetFrame& t, DevicePoint p) {
  return p.x >= t.minX && p.x < t.maxX && p.y >= t.minY && p.y < t.maxY && OnDialSide(t, p);
}

// The part [t0, t1] of the segment a -> b inside the drawing area (and on the
// dial's side of the horizon); false when the segment misses it.
bool ClipSegment(const TargetFrame& t, DevicePoint a, DevicePoint b, double& t0, double& t1);

// The segment rule over one chain. `out` receives
//   Move(point, sourceIndex)  pen up to the point,
//   Draw(point, sourceIndex)  pen down from the current point to it,
// with sourceIndex the index of the chain point (-1 for a point cut at the
// edge). Both neighbours visible: draw; a visible point next to a lit point
// outside the area: the segment is cut at the edge; unlit neighbours break
// the line; a segment between two lit points outside that crosses the area is
// drawn over its inside part.
template <typename Out>
void WalkChain(const TargetFrame& t, const ChainPoint* begin, const ChainPoint* end, Out& out) {
  if (begin == end) return;
  DevicePoint prev = ToDevice(t, begin->x, begin->y);
  bool prevLit = begin->lit;
  bool prevVisible = prevLit && Inside(t, prev);
  out.Move(prev, 0);
  int index = 1;
  for (const ChainPoint* c = begin + 1; c != end; ++c, ++index) {
    const DevicePoint cur = ToDevice(t, c->x, c->y);
    const bool curLit = c->lit;
    const bool curVisible = curLit && Inside(t, cur);
    double t0 = 0, t1 = 1;
    if (prevVisible && curVisible) {
      out.Draw(cur, index);
    } else if (prevVisible && curLit) {
      if (ClipSegment(t, prev, cur, t0, t1)) {
        out.Draw({prev.x + t1 * (cur.x - prev.x), prev.y + t1 * (cur.y - prev.y)}, -1);
      }
      out.Move(cur, index);
    } else if (curVisible && prevLit) {
      if (ClipSegment(t, prev, cur, t0, t1)) {
        out.Move({prev.x + t0 * (cur.x - prev.x), prev.y + t0 * (cur.y - prev.y)}, -1);
        out.Draw(cur, index);
      } else {
        out.Move(cur, index);
      }
    } else if (prevLit && curLit && !prevVisible && !curVisible &&
               ClipSegment(t, prev, cur, t0, t1) && t1 > t0) {
      out.Move({prev.x + t0 * (cur.x - prev.x), prev.y + t0 * (cur.y - prev.y)}, -1);
      out.Draw({prev.x + t1 * (cur.x - prev.x), prev.y + t1 * (cur.y - prev.y)}, -1);
      out.Move(cur, index);
    } else {
      out.Move(cur, index);
    }
    prev = cur;
    prevLit = curLit;
    prevVisible = curVisible;
  }
}

}  // namespace kelvra::dials::planar
