// The quadrant (kind q, variant 0): a quarter disc held with its upper edge
// pointing at the sun. A plumb line hangs from the apex; the angle between
// the line and the other (vertical) edge is the sun's altitude. Concentric
// date arcs tell where along the plumb line to read, and each hour curve
// crosses a date arc at the altitude the sun has at that hour on that date.
//
// Quadrant coordinates in mm about the apex: x along the upper edge (to the
// right on the drawing), y along the vertical edge (downwards on the
// drawing). A point of altitude a (degrees) at radius r lies at
// (r sin a, r cos a): altitude 0 on the vertical edge, 90 on the upper edge.
//
// Everything is traced once in millimetres; the canvas renderer and the plot
// writer scale the same panels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::quadrant {

struct QPoint {
  double x = 0;  // mm along the upper edge
  double y = 0;  // mm down the vertical edge
};

enum class DateScale { CalendarYear, CalendarHalfYear, Declination, Stereographic };

// A date arc of the scale.
struct DateArc {
  double radius = 0;      // mm
  int color = 1;
  std::string label;      // left of the vertical edge ("1/7", a zodiac sign), may be empty
  bool wingdings = false; // the label is a Wingdings zodiac sign
  std::string edgeLabel;  // at the arc's end on the upper edge, may be empty
  int sign = -1;          // the zodiac sign that begins here (0 Aries .. 11 Pisces), -1: none
};

// One hour curve: runs of joined points (a run ends where the curve leaves
// the quadrant or the sun is too low).
struct HourCurve {
  double value = 0;   // clock hour, or temporal hour 0..12
  bool full = true;   // a whole hour (labelled), else a subdivision
  int color = 2;
  std::vector<std::vector<QPoint>> runs;
  std::optional<QPoint> labelAt;  // the curve's first point
};

// An azimuth line: the places where the sun stands at one azimuth.
struct AzimuthLine {
  double azimuth = 0;  // degrees from south, west positive (drawn for |azimuth|)
  std::vector<std::vector<QPoint>> runs;
  std::optional<QPoint> labelAt;
};

// One quadrant of the drawing. The screen shows the first; the plot file
// puts the second (the other half-year, or the other half of the day) beside
// it.
struct Panel {
  int firstDay = 0;  // day numbers of the year (the previous December below 1)
  int lastDay = 0;
  double hourFrom = 0, hourTo = 0;  // hour values drawn
  std::string rangeText;            // " 21.6.-21.12., " of a half-year panel
  std::vector<DateArc> arcs;
  std::vector<HourCurve> curves;
  std::vector<AzimuthLine> azimuthLines;
  // Stereographic scale: the zodiac band radii (between a tropic and the equator).
  std::vector<double> bandRadii;
};

struct Quadrant {
  shell::SiteSettings site;
  config::DialParameters params;
  DateScale scale = DateScale::CalendarYear;
  double obliquity = 23.44;   // degrees, of the year
  double radius = 150;        // R, mm
  double altitudeScale = 73;  // a: outer radius of the altitude band, mm
  double gunterTropic = 137;  // stereographic: g = R - 13 mm
  double gunterEquator = 0;   // stereographic: l = g tan(45 - eps/2)
  bool temporal = false;
  bool refused = false;       // temporal hours above 65 degrees: nothing drawn
  std::vector<Panel> panels;
};

// Latitude (absolute, degrees) above which temporal hours are refused.
inline constexpr double kTemporalLatitudeLimit = 65.0;
// Points of a sun lower than this (degrees) are not drawn.
inline constexpr double kLowestAltitude = -2.0;

DateScale ScaleOf(const config::DialParameters& dial);

// The radius (mm) of a day on the calendar scales, or of a declination on the
// declination and stereographic scales, for `q` (its scale, radius and
// options set). `secondHalf`: the panel from 21 December to 21 June.
double CalendarRadius(const Quadrant& q, int day, bool secondHalf);
double DeclinationRadius(const Quadrant& q, double declination);

// The hour values first..last after the noon rule: with local apparent time
// and a range across noon (first < 12 < last) morning and afternoon coincide
// and one half is drawn: 12..last when last - 12 >= 12 - first, else
// first..12. `otherHalf` gives the half left out (the plot file's second
// quadrant), or nothing when the rule does not apply.
struct HourRange {
  double from = 0, to = 0;
  std::optional<std::pair<double, double>> otherHalf;
};
HourRange NoonRule(double from, double to, bool apparentTime);

// The sun's altitude (degrees) whose direction puts the sun at `azimuth`
// (from south, west positive) for a declination at `latitude`; nothing when
// the sun never stands at that azimuth above -2 degrees.
std::optional<double> AltitudeAtAzimuth(double latitude, double declination, double azimuth);

// Traces the quadrant. Temporal hours above 65 degrees of latitude are
// refused with a message to `messages`.
Quadrant BuildQuadrant(const shell::SiteSettings& site, const config::DialParameters& dial,
                       shell::MessageSink& messages);

}  // namespace kelvra::dials::quadrant
