// The geometry of the altitude and cylinder dials: the horizontal altitude
// dial (kind k, and kind b with the shepherd's gnomon), the shepherd's dial,
// the hat dial and the polar-style cylinder (kind z, variants 0, 1, 2).
//
// Everything here is computed once when a dial is built, in millimetres of
// the printed sheet, in coordinates of the dial itself (x to the right, y
// DOWN the sheet, as the sheet is read when it is wrapped round its cylinder
// or laid under its edge). The canvas renderer and the plot writer only place
// these curves on their page and cut them at the border of the scale, which
// depends on the page.
//
// Dial coordinates by variant (all in mm):
// - horizontal altitude dial: x = distance of the edge's shadow from the foot
//   of the edge along the plate, continued over the vertical face unrolled
//   behind the plate (see AltitudeDialOffset); y = (day - first day) x D / 365.
// - shepherd's dial: x = (day - first day) x day width; y = g tan(altitude)
//   below the gnomon.
// - hat dial: x = position of the sun's azimuth round the circumference from
//   the middle of the scale (see HatOffset); y = g tan(altitude) below the rim.
// - polar-style cylinder: x = arc length on the cylinder from the pin's foot,
//   y = drop of the pin tip's shadow below the pin (see ProjectOnCylinder).
//
// Astronomy conventions (degrees, azimuth from south west positive, longitudes
// west positive, clock times in hours) are those of astro/sun_position.h.
#pragma once

#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::altitude {

enum class Variant { HorizontalAltitude, Shepherd, Hat, PolarStyle };

// The variant of a dial record: k and b the horizontal altitude dial, z by
// its cylinderVariant.
Variant VariantOf(const config::DialParameters& dial);

// A point of a curve in dial mm, with the quantity it was computed for: the
// day of the year for hour lines, the hour angle (degrees) or clock time for
// declination lines. Points cut at a border carry the interpolated value.
struct CurvePoint {
  double x = 0;
  double y = 0;
  double at = 0;
};
using Run = std::vector<CurvePoint>;

enum class LineKind { Ordinary, Temporal, Babylonian, Italian, MeanTime, Declination };

struct Curve {
  LineKind kind = LineKind::Ordinary;
  // Hour value (clock hours; temporal hours 0..12; Babylonian and Italian
  // hours), or the declination (degrees) of a declination line.
  double value = 0;
  bool fullHour = true;  // a full hour (labelled); false for subdivisions
  int color = 1;         // colour number of the ColorSet, the pen of the plot file
  int extraWidth = 0;    // added to the line width (the summer half of mean-time lines)
  // Runs of valid points, each drawn as one polyline; the border of the
  // scale still cuts them when they are placed on a page.
  std::vector<Run> runs;
  // The hour number stands at the curve's first point (when that point is
  // valid: a full hour whose first point is below the horizon has none).
  bool labelled = false;
  CurvePoint labelAt;
  std::string label;
  // Hat dial and polar style: the zodiac signs of a declination line as
  // Wingdings codes ('^' Aries .. 'i' Pisces), written above and below it; 0: none.
  char signAbove = 0;
  char signBelow = 0;
};

// A mark of the date axis: days 1, 11 and 21 of a month.
struct DateMark {
  double at = 0;     // mm along the date axis from the first day
  int month = 1;
  int day = 1;
  bool line = true;  // a date line is drawn (day 1 always; 11 and 21 on long scales)
};

struct Dial {
  Variant variant = Variant::Shepherd;
  shell::SiteSettings site;
  config::DialParameters params;
  shell::ColorSet colors;
  double zoom = 1;
  double obliquity = 23.44;  // rounded to 0.01 degree

  // Temporal hours above 65 degrees of latitude: nothing is constructed.
  bool refused = false;
  // Lines in local time (the site's meridian) instead of apparent time at the
  // zone meridian; with the equation of time (mean time).
  bool localTime = true;
  bool withEquationOfTime = false;
  bool temporal = false;  // temporal hour lines are drawn (k: instead of ordinary hours)

  // The date range: every day from firstDay to lastDay (days of the year).
  int firstDay = 1;
  int lastDay = 365;
  int DayCount() const { return lastDay - firstDay + 1; }

  // Horizontal altitude dial: edge height e, plate length L, date scale D
  // (mm for 365 days), the vertical face, the scale width w (L, or L + e with
  // the face).
  double edgeHeight = 0;
  double plateLength = 0;
  double dateScale = 0;
  bool verticalFace = false;
  double scaleWidth = 0;

  // Shepherd's and hat dial: gnomon (rim) length g; month scale S (shepherd)
  // or circumference C (hat) after the cap, and whether it was reduced.
  double gnomonLength = 0;
  double monthScale = 0;
  bool monthScaleReduced = false;
  // Shepherd's dial: the ordinary hours the screen and a one-strip plot show.
  // In local time without the equation of time morning and afternoon
  // coincide on the scale, so only one half of a range spanning noon is drawn.
  double ordinaryShownFrom = 0;
  double ordinaryShownTo = 24;
  // Highest altitude of the sun (degrees) and the scale length 1.05 g tan of it.
  double maxAltitude = 90;
  double scaleLength = 0;

  // mm per day along the date axis (k: D / 365; shepherd: S / days).
  double dayWidth = 1;
  double DateAxisLength() const { return DayCount() * dayWidth; }

  // Polar style: radius R and pin length p (mm, zoomed), the pin's azimuth,
  // the half width of the visible sheet (degrees at the axis), the
  // hemisphere sign, and the projection of the celestial pole.
  double radius = 0;
  double pinLength = 0;
  double pinAzimuth = 0;
  double thetaMax = 0;
  int hemisphere = 1;
  bool poleVisible = false;
  CurvePoint pole;

  std::vector<DateMark> marks;
  std::vector<Curve> curves;
};

// Builds the dial of `variant` (messages through `messages`). kind b passes
// the shepherd's gnomon as the edge height of the horizontal altitude dial.
Dial BuildDial(Variant variant, const shell::SiteSettings& site,
               const config::DialParameters& params, const shell::ColorSet& colors, double zoom,
               shell::MessageSink& messages);

// ---- the projections ----------------------------------------------------------

// Horizontal altitude dial: the shadow of an edge of height e over a plate of
// length L (mm). A sun higher than arctan(e / L) puts it on the plate at
// e cot(altitude) from the foot; a lower sun on the vertical face at the end of
// the plate, at height e - L tan(altitude), which the unrolled sheet shows at
// L + that height. The offset grows without bound towards the horizon.
double AltitudeDialOffset(double altitude, double edgeHeight, double plateLength);

// Shepherd's and hat dial: the shadow tip of a horizontal gnomon (rim) of
// length g falls g tan(altitude) below it (mm); a sun near the zenith gives
// 1e5 g (off every scale).
double GnomonDrop(double altitude, double gnomonLength);

// Hat dial: the position (mm from the middle of the scale, to the right) at
// which the sheet wrapped round a cylinder of circumference C faces azimuth
// `azimuth`. The middle faces south in the northern hemisphere, north in the
// southern one, and the position runs against the azimuth as the sheet is
// seen from outside; the seam is opposite the middle (|result| <= C / 2).
double HatOffset(double azimuth, double circumference, bool southern);

// Polar style: where the shadow of the tip of a horizontal pin of length p,
// standing out radially from a vertical cylinder of radius R towards
// `pinAzimuth`, falls on the cylinder for the sun at (altitude, azimuth).
// x: arc length (mm) from the pin's foot, to the right as the sheet is seen
// from outside; y: drop below the pin. Not visible when the shadow misses the
// part of the cylinder the tip can reach (the tangent lines from the tip).
struct CylinderShadow {
  bool visible = false;
  double x = 0;
  double y = 0;
};
CylinderShadow ProjectOnCylinder(double altitude, double azimuth, double pinAzimuth,
                                 double radius, double pinLength);

// The clock time (hours of apparent local time) of temporal hour T on a day of
// half day arc A (degrees): 12 - (6 - T) A / 90.
double TemporalHourClockTime(double temporalHour, double halfDayArc);

// Hour values of an hour system: h + i / steps for h = from..to, i = 0..steps-1,
// as long as the value does not pass `to`; i = 0 is a full hour.
struct HourValue {
  double value = 0;
  bool full = true;
};
std::vector<HourValue> HourValues(int from, int to, int steps);

}  // namespace kelvra::dials::altitude
