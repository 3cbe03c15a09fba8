// The mean-time dial with a cone as shadow caster (kind m); the derivation is
// in docs/mean_time_dial.md.
//
// A right circular cone stands with its apex on the face at the origin O. Its
// shadow is a wedge whose straight edges start at O; the end of one edge (the
// shadow of the point where the edge's generator meets the rim) is read on
// curves of mean time: the leading edge from 20 June to 30 August and from 20
// December to 12 April, the trailing edge in the rest of the year.
//
// Frames: the site's east, north, up (ENU). Face coordinates in mm relative to
// O: x to the right, y up the face (a horizontal face: x east, y north; a
// wall: y up). Angles in degrees; conventions of astro/angles.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::meantime {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

struct FacePoint {
  double x = 0;  // mm, to the right
  double y = 0;  // mm, up the face
};

// The face: its outward normal and axes in ENU.
struct Face {
  int plane = 0;          // 0 horizontal, 1 vertical, 2 inclining
  double declination = 0; // D, azimuth of the normal from south, west positive
  double inclination = 0; // ι, 0 horizontal .. 90 vertical .. 175
  Vec3 normal, xAxis, yAxis;
};
Face MakeFace(int plane, double declination, double inclination);

// The unit vector toward a body at altitude h and azimuth A (from south, west
// positive), in ENU.
Vec3 DirectionOf(double altitude, double azimuth);

// Which edge of the cone's shadow is read on a date.
enum class Edge { Leading, Trailing };
Edge ReadingEdge(int month, int day);

// The cone: apex at O, unit axis (ENU, pointing away from the face), the axis
// length L, half opening angle α.
struct Cone {
  Vec3 axis;
  double length = 35;     // L, mm (zoomed)
  double halfAngle = 12;  // α, degrees
  double RimRadius() const;    // L tan α
  double SlantLength() const;  // L / cos α
  double SectorAngle() const;  // 360 sin α: the unrolled cone's angle
};

// The reading point of `edge` for the sun direction s (ENU, unit) with the
// celestial pole p (ENU, unit; the sun turns about it): the shadow of the rim
// end of the edge's generator, in face mm. Empty when the sun is below the
// face (s·n <= 0) or inside the cone's opening, or when the point lies
// farther than 40 L from O.
std::optional<FacePoint> ReadingPoint(const Face& face, const Cone& cone, const Vec3& sun,
                                      const Vec3& pole, Edge edge);

struct Chain {
  std::vector<FacePoint> points;
  // Per point: the day of the year (hour lines) or the clock time in hours
  // (date lines) it was computed for.
  std::vector<double> at;
};

struct HourLine {
  double clockTime = 12;  // hours of mean time (local or zone)
  bool full = true;       // a full hour (labelled)
  std::vector<Chain> chains;  // broken where the edge changes or the sun does not reach
};

struct DateLine {
  int month = 1, day = 21;
  std::vector<Chain> chains;
};

struct MeanTimeDial {
  shell::SiteSettings site;
  Face face;
  Cone cone;
  bool zoneTime = false;
  double axisInclination = 0;  // as entered, degrees
  bool refused = false;      // the cone reaches behind the face
  double axisToNormal = 0;   // angle between axis and normal, degrees
  std::vector<HourLine> hourLines;
  std::vector<DateLine> dateLines;
  FacePoint rimCentreFoot;   // foot of the rim centre on the face
  double rimCentreHeight = 0;  // its height above the face, mm
  double minX = 0, maxX = 0, minY = 0, maxY = 0;  // extent of O and the lines near it, mm
};

// The dates of the date lines of `dateLineMode` (0: the 21st, 1: the 6th and
// 21st, else the 1st, 11th and 21st of each month).
std::vector<std::pair<int, int>> DateLineDates(int dateLineMode);

// Builds the dial: face from `dialPlane` (modulo 3) with `wallDeclination`
// and `inclination`, cone from `gnomonHeight` × zoom, `axisInclination` and
// `coneHalfAngle`, hour lines of `otherHoursFrom`..`otherHoursTo` by
// `otherHourInterval`, date lines of `dateLineMode`, time by `zoneTime`. A
// cone that reaches behind the face is refused with a message naming the
// angle and its limit.
MeanTimeDial BuildMeanTimeDial(const shell::SiteSettings& site,
                               const config::DialParameters& dial, double zoom,
                               shell::MessageSink& messages);

}  // namespace kelvra::dials::meantime
