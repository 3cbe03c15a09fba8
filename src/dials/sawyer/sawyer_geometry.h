// The Sawyer decliner (kind w): a vertical declining dial read on an equant
// scale of straight, equally spaced hour lines, for local apparent time,
// apparent time of the zone meridian or local mean time. docs/sawyer_decliner.md
// derives the construction.
//
// Wall coordinates in mm: origin O at the foot of the gnomon, x to the right
// as one faces the wall, y upwards, z out of the wall. The gnomon of height g
// stands perpendicular on the wall at O; its tip N = (0, 0, g) is the nodus
// and a polar style runs through N. Horizontal vectors are (south, west, up).
// Angles in degrees, west positive (azimuth from south, hour angle, wall
// declination), as everywhere in the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::sawyer {

struct WPoint {
  double x = 0;  // mm, right as one faces the wall
  double y = 0;  // mm, up
};

struct Vec3 {
  double a = 0, b = 0, c = 0;
};

// The sun's unit vector (south, west, up) at hour angle H (west positive) and
// declination d seen from latitude phi.
Vec3 SunVector(double latitude, double declination, double hourAngle);

// The wall's frame and the caster.
struct WallFrame {
  double latitude = 0;     // degrees
  double declination = 0;  // wall declination D, degrees from south, west positive
  double gnomon = 35;      // g, mm
  // Components of a horizontal-frame vector along the wall's right, up and
  // outward normal.
  Vec3 ToWall(const Vec3& v) const;
  // The earth's axis toward the north pole in wall components.
  Vec3 Axis() const;
  // The shadow of the nodus for the sun vector `sun` (horizontal frame), or
  // nothing when the sun is down or behind the wall.
  std::optional<WPoint> NodusShadow(const Vec3& sun) const;
  // The dial centre: where the style meets the wall (none when the style is
  // parallel to the wall).
  std::optional<WPoint> StyleFoot() const;
};

// The hour angle (degrees) of clock time t under `sawyerTimeMode` (0 local
// apparent, 1 apparent of the zone meridian, 2 and 3 local mean time) for a
// day whose equation of time is `equationOfTime` (degrees).
double ModeHourAngle(int mode, double t, const shell::SiteSettings& site, double equationOfTime);

// The equant scale: lines from the centre C, `lineAngle` degrees apart per
// hour, the noon line through `noonPoint`; `sense` +1 when afternoon lines lie
// to the right.
struct EquantScale {
  WPoint center;
  double noonAngle = 0;  // degrees from straight down toward +x
  double lineAngle = 5;  // degrees per hour
  int sense = 1;
  // Unit direction of the line of time t (hours).
  WPoint Direction(double t) const;
};

// Where the equant line of time t meets the shadow of the style when the sun
// stands at hour angle H; `declinations` are tried in turn for a sun that
// lights the wall (the style's shadow line depends on H only, its side of the
// dial centre on the sun being in front). Nothing when no declination lights
// the wall, the lines do not meet in front of C, or the point lies on the
// side of the dial centre that the style's shadow never reaches. `along`
// receives the distance from C.
std::optional<WPoint> ReadingPoint(const WallFrame& wall, const EquantScale& scale, double t,
                                   double hourAngle, const double* declinations, int count,
                                   double* along = nullptr);

struct Chain {
  std::vector<std::vector<WPoint>> pieces;  // polylines, broken where invalid
  int color = 8;
  int width = 0;        // extra line width
  std::string label;    // date "21/6" or hour, may be empty
  WPoint labelAt;
  int dayOfYear = 0;    // date lines and the reading curves of mode 3
  double hour = -1;     // hour loops: the mean time
  int half = 0;         // hour loops: 0 from 21 December to 21 June, 1 the rest
};

struct EquantLine {
  double hour = 12;     // clock time
  bool full = true;
  WPoint from, to;      // the segment drawn, `to` the outer end
};

struct SawyerDial {
  shell::SiteSettings site;
  int mode = 0;
  double gnomon = 35;        // mm after the zoom
  double center = 90;        // mm after the zoom
  double lineAngle = 5;
  double wallDeclination = 0;
  double obliquity = 23.44;
  double bound = 250;        // points farther from O are left out (mm)
  WallFrame wall;
  EquantScale scale;
  std::optional<WPoint> styleFoot;
  std::vector<Chain> readingCurves;  // modes 0, 1, 3
  std::vector<EquantLine> hourLines; // modes 0, 1, 3
  std::vector<Chain> dateLines;      // nodus declination curves (modes 0, 1, 2)
  std::vector<Chain> hourLoops;      // mode 2: the two halves of each hour's loop
  WPoint minCorner, maxCorner;       // extent of everything drawn, mm
  bool empty = true;                 // nothing of the dial is lit
};

// Builds the dial from the site, `gnomonHeight`, `sawyerCenter`,
// `sawyerLineAngle`, `wallDeclination`, `sawyerTimeMode`, `dateLineMode` and
// `otherHourInterval`; lengths are multiplied by `zoom`. A wall that the sun
// never lights gives an empty dial with a message.
SawyerDial BuildSawyerDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                           double zoom, shell::MessageSink& messages);

}  // namespace kelvra::dials::sawyer
