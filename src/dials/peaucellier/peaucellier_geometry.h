// The hybrid Peaucellier azimuthal dial (kind p): a horizontal dial read with
// a pointer turning about the origin in the sun's azimuth (a vertical gnomon's
// shadow, or a sight). A Peaucellier linkage sets the date: the date line of
// declination d is the straight line at distance
//   y(d) = p / (1 + k tan d)
// from the dial's axis (p the equinox line's distance, k the Peaucellier
// constant). The pointer crosses the date line of the day at the hour point
//   x(H, d) = y(d) (sin|phi| cos H - cos phi tan d) / sin H,
// which makes each hour line a straight segment (x is linear in y).
//
// Dial coordinates in mm about the origin: x along the axis (toward the noon
// sun: south in the northern hemisphere, north in the southern), y across it,
// positive on the afternoon side (the sun west of the meridian). The angle of
// a point from the +x axis is the sun's azimuth from the noon direction.
//
// In the southern hemisphere the dial is drawn with |phi| and its date lines
// are seasons: the summer line (+eps) is the southern summer (the sun at
// -eps).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::peaucellier {

struct DPoint {
  double x = 0;  // mm along the axis
  double y = 0;  // mm across, afternoon side positive
};

struct DateLine {
  int entry = 0;           // 0 summer solstice .. 6 winter solstice
  double declination = 0;  // degrees (season: + summer)
  double distance = 0;     // y(d), mm
  int color = 8;
  bool main = false;       // the solstices and the equinox: drawn wider
  std::vector<DPoint> points;  // +y from sunrise to 15 degrees, across, -y back
  std::string label;       // "S", "Ä"/"E", "W" at the sunrise ends; may be empty
  DPoint labelAfternoon, labelMorning;
};

struct HourLine {
  double hourAngle = 0;  // degrees from noon
  bool full = true;
  int hour = 0;          // the clock hour before noon of a full line
  DPoint summer, end;    // afternoon side; the morning side is mirrored (y -> -y)
};

struct PeaucellierDial {
  shell::SiteSettings site;
  double constant = -0.8749;  // k
  int equinoxDistance = 32;   // e, mm after the zoom, rounded
  double obliquity = 23.44;
  bool refused = false;       // |latitude| < 29 degrees
  bool southern = false;
  std::array<double, 19> declinations{};  // eps sin(lambda), lambda = 90..270 by 10
  std::vector<DateLine> dateLines;
  DPoint noonFrom, noonTo;            // along the axis
  std::vector<HourLine> hourLines;    // from the summer line to the sunrise line
  std::vector<std::vector<DPoint>> lastHour;  // afternoon side polylines (H < 15)
  double minX = 0, maxX = 0, maxY = 0;  // extent of the drawing, mm
};

// Latitudes below this (absolute, degrees) are refused.
inline constexpr double kLatitudeLimit = 29.0;

// The distance of the date line of declination d from the axis (mm).
double DateLineDistance(double p, double k, double declination);
// The hour point of hour angle H (degrees from noon) on that date line (mm).
double HourPointX(double distance, double latitude, double hourAngle, double declination);
// The sunrise hour angle (degrees, 0..180) of a declination at |latitude|,
// the arc cosine's argument clamped: 0 for a sun that never rises, 180 for
// the midnight sun.
double SunriseHourAngle(double latitude, double declination);

// Builds the dial. k = 0 becomes -0.8749 and e = 0 becomes 35; e is
// multiplied by the zoom and rounded. A latitude below 29 degrees is refused
// with a message. Above the polar circle date lines without sunrise or with
// the midnight sun are left out, as are hour angles of 180 degrees or more.
PeaucellierDial BuildPeaucellierDial(const shell::SiteSettings& site,
                                     const config::DialParameters& dial, double zoom,
                                     shell::MessageSink& messages);

}  // namespace kelvra::dials::peaucellier
