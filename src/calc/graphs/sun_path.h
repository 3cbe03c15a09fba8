// The sun-path diagrams: the sun's altitude and azimuth through the day for a
// set of dates (date lines), crossed by hour lines, with the local horizon
// profile and the boundary of a plane. The geometry is computed once as lines
// of sky directions; the polar and the rectangular drawing and their plot
// files project the same lines (sun_path_draw.h).
//
// Directions: altitude in degrees above the horizon, azimuth in degrees from
// south, positive toward west (north -180/+180, east -90).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/graphs/graph_inputs.h"

namespace kelvra::calc::graphs {

struct SkyPoint {
  double altitude = 0;  // degrees
  double azimuth = 0;   // degrees from south, west positive
  bool valid = true;    // false: the line is broken here
};

enum class SkyLineKind { MainDate, Date, WholeHour, Hour, Horizon, PlaneBoundary };

// One line of the diagram: consecutive valid points are joined.
struct SkyLine {
  SkyLineKind kind = SkyLineKind::Date;
  int colour = 1;  // ColorSet number
  int width = 1;   // pen width
  std::vector<SkyPoint> points;
  double declination = 0;  // date lines, degrees
  double hour = 0;         // hour lines, clock hours
  // Whole-hour lines of the polar diagram: the sun at that hour on 21 June
  // (northern sites) or 21 December, where the hour is written; none when the
  // sun is below the horizon then.
  std::optional<SkyPoint> labelAt;
};

// The pen colours (ColorSet numbers). The main date lines are drawn with pen
// 1: a plot file has no pen 0 (SP 0 puts the pen away), and the picture shows
// them in the colour the plot has.
inline constexpr int kMainDateColour = 1;
inline constexpr int kHorizonColour = 3;
inline constexpr int kPlaneColour = 9;    // the plane's boundary and the sun behind it
inline constexpr int kHiddenColour = 10;  // the sun's path behind the horizon profile

struct SunPathDiagram {
  std::vector<SkyLine> dateLines;
  std::vector<SkyLine> hourLines;
  std::vector<SkyLine> outlines;  // the horizon profile and the plane's boundary
  // With planeSunshine: SunlitPlaneExtremes of the plane as text.
  std::string planeLightText;
};

// Declinations of the date lines: every b-th of the 37 zodiac declinations of
// the year (b = 6, 3, 2 for 1..3 lines per month, 18 for the solstices and
// the equinox), with main (true) or intermediate lines.
struct DateLineChoice {
  double declination = 0;
  bool main = true;
};
std::vector<DateLineChoice> DateLineDeclinations(int year, int zodiacLinesPerMonth);

// The hour values of the hour lines: 3 to 21 h every 60 / (code + 1) minutes.
std::vector<double> HourValues(int otherHourInterval);

// The polar diagram's lines: date lines traced by clock time from 1 h to
// 23 h, hour lines through the days 1, 3, ..., 29 of the months.
SunPathDiagram PolarSunPath(const GraphInputs& in);
// The rectangular diagram's lines: date lines from sunrise to sunset by hour
// angle, hour lines through the days 1, 5, 9, ... of the months from the
// December before the year.
SunPathDiagram CartesianSunPath(const GraphInputs& in);

// True when the sun at (altitude, azimuth) is in front of the plane of
// wall declination D and inclination i (normal: altitude 90 - i, azimuth D).
bool SunInFrontOfPlane(double altitude, double azimuth, double wallDeclination,
                       double inclination);

// The colour a segment ending at `p` is drawn in: the line's own, the plane
// colour where the sun does not light the plane (with planeSunshine), the
// hidden colour where the sun stands behind the horizon profile.
int SegmentColour(const SkyLine& line, const SkyPoint& p, const GraphInputs& in);

}  // namespace kelvra::calc::graphs
