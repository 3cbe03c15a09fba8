// All lines of a planar dial, traced once as chains of shadow points. The
// canvas renderer, the plot writer and the construction listing read this
// structure; none of them computes a sun position again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "astro/sun_table.h"
#include "config/dial_parameters.h"
#include "dials/planar/date_line_set.h"
#include "dials/planar/planar_frame.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::planar {

enum class LineFamily : std::uint8_t {
  DateLine,       // declination lines of the date-line set (pen 1)
  DayLength,      // lines of whole-hour day length (pen 11)
  ApparentHour,   // hour lines of apparent time (pen 3, subdivisions 8)
  MeanHour,       // figure-8 hour lines of mean time (pen 4, subdivisions 2)
  Analemma,       // the marked figure-8 loop (pen 4)
  Temporal,       // temporal hours (pen 10)
  Babylonian,     // Babylonian hours (pen 7, subdivisions 9)
  Italian,        // Italian hours (pen 6, subdivisions 9)
  Altitude,       // lines of equal sun altitude (pen 5)
};

// The colour number on a canvas for a family (colour n = pen n in a plot file).
int CanvasColorOf(LineFamily family, bool subdivision);
int PlotPenOf(LineFamily family, bool subdivision);

struct ChainPoint {
  double x = 0;  // mm on the face relative to the gnomon foot, x right
  double y = 0;  // mm, y up
  bool lit = false;
  float hour = -1;  // clock hour of a date-line point (whole hours only), else -1
};

struct Chain {
  LineFamily family = LineFamily::DateLine;
  bool subdivision = false;  // not a whole hour
  double value = 0;          // hour (decimal), temporal hour, altitude or declination
  int number = 0;            // whole hour n (hour lines, temporal, Babylonian, Italian)
  std::string label;         // date-line label ("21.6.")
  double declination = 0;    // date and day-length lines: the declination drawn (zodiac, day length)
  bool fromDeclination = false;  // traced for a fixed declination (zodiac mode, day length)
  int labelPoint = -1;       // index (within the chain) of the point carrying a label
  std::uint32_t first = 0;   // slice of PlanarDial::points
  std::uint32_t count = 0;
};

// A marked date on the analemma loop.
struct AnalemmaMark {
  double x = 0;
  double y = 0;
  bool lit = false;
  bool firstOfMonth = false;  // the first marked date of a month (filled red)
};

// The points that place an hour number: the hour's point on 23 September and
// on both solstices.
struct HourLabel {
  int hour = 0;
  ShadowPoint equinox;
  ShadowPoint june;      // 21 June
  ShadowPoint december;  // 21 December
  double juneAzimuth = 0;
  double decemberAzimuth = 0;
  double juneAltitude = 0;
  double decemberAltitude = 0;
};

struct PlanarDial {
  astro::SunTable sun;            // the ephemeris of the year, kept between drawings
  PlanarFrame frame;
  config::DialParameters params;  // the parameters the dial was traced with
  DateLineSet dateLines;
  PolePosition pole;              // mm, y up
  bool refused = false;           // nothing to draw (umbrella inclination, disc radius 0)
  bool temporalRefused = false;
  bool babylonianItalianRefused = false;
  bool temporalExtensionSkipped = false;  // negative latitude: no extension
  std::vector<ChainPoint> points;
  std::vector<Chain> chains;
  std::vector<AnalemmaMark> marks;
  std::vector<HourLabel> hourLabels;  // 6, 9, 12, 15, 18, 21 within the hour range
  std::vector<double> dayLengthDeclinations;  // δk of the lines of whole-hour day length (k = 1..12, dropped: NaN)

  std::size_t ChainCount() const { return chains.size(); }
  const ChainPoint* Begin(const Chain& c) const { return points.data() + c.first; }
  const ChainPoint* End(const Chain& c) const { return points.data() + c.first + c.count; }
};

// Traces every line the parameters ask for. Refusals (temporal hours above 66
// degrees, Babylonian/Italian hours above 65, an impossible umbrella desk) are
// shown through `messages` (the current sink when null); the rest of the dial
// is traced. `ownDateLines` is the user's date list ("dd/mm comment").
PlanarDial BuildPlanarDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                           const std::vector<std::string>& ownDateLines, double zoom = 1.0,
                           shell::MessageSink* messages = nullptr);
void BuildPlanarDial(PlanarDial& out, const shell::SiteSettings& site,
                     const config::DialParameters& dial,
                     const std::vector<std::string>& ownDateLines, double zoom = 1.0,
                     shell::MessageSink* messages = nullptr);

// The declinations δk (k = 1..12) of the days with 12 + k hours between
// sunrise and sunset at latitude φ; NaN where |δk| exceeds the obliquity,
// 0 where it is below 1 degree; all NaN when |φ| < 0.01.
std::vector<double> DayLengthDeclinations(double latitude, double obliquity);

// Subdivisions per hour of the minute-interval codes (60, 30, 20, 15, 10 min).
int SubdivisionsOfMinuteCode(int code);
int SubdivisionsOfEotCode(int code);

}  // namespace kelvra::dials::planar
