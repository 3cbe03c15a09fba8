// The bifilar dial after Michnik (kind f): two straight threads stretched over
// a horizontal plate, no gnomon. The time is read where the shadows of the two
// threads cross, so every point of the dial is the crossing of two shadow lines
// for one sun direction; hour lines and date lines are traced point by point.
//
// Plate coordinates in dial millimetres: x toward east (right on the drawing),
// y toward north (up on the drawing), z upward above the plate; the origin is
// the dial origin the user picks (the picture's centre otherwise). Thread 1
// runs parallel to the y axis in the plane x = 0 at height h1; thread 2 runs
// from P3 to P4 anywhere above the plate.
//
// The geometry is traced once, in millimetres; the canvas renderer and the
// plot writer scale the same chains to their device or plot units.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::bifilar {

// The threads as the construction uses them: heights already multiplied by
// the zoom (mm), thread 2's ends in plate coordinates (mm).
struct Threads {
  double h1 = 0;           // thread 1: the line x = 0, z = h1, parallel to y
  config::ThreadPoint p3;  // thread 2 from p3 ...
  config::ThreadPoint p4;  // ... to p4
};

enum class CrossingStatus : std::uint8_t {
  Ok,
  SunTooLow,  // altitude 0.2 degrees or less: no usable shadow
  Parallel,   // the two shadows run parallel for this sun: no crossing
};

struct Crossing {
  CrossingStatus status = CrossingStatus::SunTooLow;
  double x = 0;  // mm east of the origin
  double y = 0;  // mm north of the origin
};

// Sun altitudes at or below this (degrees) give no point.
inline constexpr double kLowestAltitude = 0.2;

// Where the shadows of the two threads cross on the plate for a sun at
// `altitude` (degrees above the horizon) and `azimuth` (degrees from south,
// west positive). Each point of a thread at height h casts its shadow
// h cot(altitude) away from its foot, opposite to the sun: x + h c sin A,
// y + h c cos A with c = cot(altitude).
Crossing ShadowCrossing(const Threads& threads, double altitude, double azimuth);

// True when thread 2 runs parallel to thread 1 (or is a single point): then
// the shadows never cross and no dial can be drawn.
bool ThreadsParallel(const Threads& threads);

struct PlatePoint {
  double x = 0;  // mm east of the origin
  double y = 0;  // mm north of the origin
};

enum class LineKind : std::uint8_t { DateLine, Hour };

// A run of consecutive points of one line; a line breaks into several runs
// where the sun is too low or the shadows do not cross.
struct Chain {
  LineKind kind = LineKind::DateLine;
  bool equinox = false;      // date line: the middle line of the set (colour 10)
  bool fullHour = false;     // hour line: a whole hour (colour 2), else a subdivision (colour 8)
  int hour = 0;              // hour line: the whole hour i it belongs to
  double value = 0;          // hour line: its hour angle; date line: its declination (degrees)
  bool lastOfLine = false;   // the last run of its line
  std::uint32_t first = 0;   // slice of BifilarDial::points
  std::uint32_t count = 0;
};

// The number written at the end of an even full hour line.
struct HourLabel {
  int hour = 0;
  PlatePoint at;
};

struct BifilarDial {
  shell::SiteSettings site;
  config::DialParameters params;  // as drawn: thread points corrected, classical heights set
  double zoom = 1.0;
  Threads threads;
  double obliquity = 23.44;       // rounded obliquity of the year (degrees)
  bool thread1Corrected = false;  // thread 1 was moved into the plane x = 0, level
  bool parallel = false;          // the threads run parallel: nothing was traced
  std::optional<PlatePoint> pole; // where the shadows of the celestial pole cross
  std::vector<PlatePoint> points;
  std::vector<Chain> chains;
  std::vector<HourLabel> hourLabels;

  const PlatePoint* Begin(const Chain& c) const { return points.data() + c.first; }
  const PlatePoint* End(const Chain& c) const { return points.data() + c.first + c.count; }
};

// Hour lines per hour for the minute-interval code of `hourInterval`
// (60, 30, 20, 15, 10 minutes -> 1, 2, 3, 4, 6).
int LinesPerHour(int hourIntervalCode);

// Traces the dial. Thread 1 off its plane is corrected with a warning, the
// classical dial puts thread 2 at h1 |sin latitude|, parallel threads give an
// error and nothing traced; messages go to `messages`. `ownDateLines` are the
// user's date lines ("dd/mm comment") for date-line mode 2. `linesPerHour`,
// when given, replaces the subdivision of hourInterval (benchmarks).
BifilarDial BuildBifilarDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                             const std::vector<std::string>& ownDateLines, double zoom,
                             shell::MessageSink& messages,
                             std::optional<int> linesPerHour = std::nullopt);

}  // namespace kelvra::dials::bifilar
