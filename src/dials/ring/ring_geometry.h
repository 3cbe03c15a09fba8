// The ring dial (kind r, the farmers' ring): a ring hung from a thread and
// turned until the sun shines through a pin hole onto the inside of the
// opposite part of the ring. The light spot moves along the ring twice as fast
// as the sun's altitude changes (the inscribed-angle rule), so the inner
// surface, unrolled, is a band whose length measures altitude: a spot at sun
// altitude h lies 2 h rho (h in radians, rho = D/2) from the band's reference
// end, the spot of a sun on the horizon.
//
// Ring coordinates used by the light-ray model (RingSpot): the ring hangs in a
// vertical plane; x is horizontal in that plane toward the sun's side, z is up,
// y is across the band (the ring's axis). The pin hole sits at the angle alpha
// from the top toward +x, at (rho sin alpha, 0, rho cos alpha). A sun of
// altitude h whose direction makes the lateral angle psi with the ring's plane
// sends its ray along -(cos h cos psi, cos h sin psi, sin h).
//
// Band coordinates of the chains, in mm of the real ring: s along the band
// from its reference end (increasing with the sun's altitude), y across the
// band from its upper edge. The declination runs linearly across the band
// width: its highest declination on the upper edge, its lowest on the lower.
//
// Everything is traced once; the canvas renderer and the plot writer scale
// the same chains.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::ring {

// ---- the light-ray model --------------------------------------------------------

struct SpotResult {
  double beta = 0;  // degrees: how much further along the ring the spot lies
                    // than the spot of the same altitude with psi = 0
  double J = 0;     // z of the spot over rho (the sine of its angle above the centre)
  double yd = 0;    // mm: the spot's offset across the band from the hole's track
};

// The spot for sun altitude `h` (degrees), lateral angle `psi` (degrees),
// hole angle `alpha` (degrees from the top) and ring diameter `D` (mm).
SpotResult RingSpot(double h, double psi, double alpha, double D);

struct LateralResult {
  double psi = 0;    // degrees; 0 when below 0.02 degrees
  double beta = 0;   // degrees, the spot's shift along the ring at that psi
  bool found = false;
};

// The lateral angle at which the spot lies `target` mm across the band from
// the hole's track, for sun altitude `h`, hole angle `alpha` (degrees) and
// diameter `D` (mm). Not found when psi would have to reach 90 degrees.
LateralResult RingLateralAngle(double target, double h, double alpha, double D);

// ---- the band ---------------------------------------------------------------------

struct BandPoint {
  double s = 0;  // mm along the band from its reference end
  double y = 0;  // mm across the band from its upper edge
};

enum class HourSystem { Clock, Temporal, Italian, Babylonian };

// One line across the band: runs of joined points (a run ends where the sun
// is below -1 degree).
struct RingLine {
  HourSystem system = HourSystem::Clock;
  double value = 0;           // clock hour, temporal hour 0..12, Italian or Babylonian hour
  bool full = true;           // a whole hour (labelled, drawn wider), else a subdivision
  int color = 2;
  bool corrected = false;     // moved by the lateral deflection of the light
  bool grey = false;          // the corrected twin drawn beside the uncorrected line
  std::vector<std::vector<BandPoint>> runs;
  std::optional<BandPoint> firstCorrected;  // marked by a small circle
  std::optional<BandPoint> labelAt;         // where the hour number goes
  std::string label;                        // "9/15" for the two hours that share a line
};

struct RingBand {
  double declinationTop = 0;     // degrees on the upper edge
  double declinationBottom = 0;  // degrees on the lower edge
  double holeOffset = 0;         // the hole's place across the band, degrees of declination
  double holeTrack = 0;          // mm from the upper edge
  double noonPlace = 0;          // ringNoonHorizontal: s of the straight noon line, mm
  double angularLength = 0;      // degrees of the ring the band's lines take
  std::vector<RingLine> lines;
};

struct RingDial {
  shell::SiteSettings site;
  config::DialParameters params;
  double obliquity = 23.44;  // degrees, of the year
  double rho = 75;           // ring radius, mm
  double width = 80;         // band width, mm
  double bandLength = 0;     // pi rho: the half inner circumference, mm
  bool temporal = false;
  bool refused = false;      // temporal hours above 65 degrees of latitude
  bool declined = false;     // the ring is too big for the drawing and not reduced
  bool reduced = false;      // drawn reduced to fit the drawing area
  std::vector<RingBand> bands;
};

// Latitude (absolute, degrees) above which temporal hours are refused.
inline constexpr double kTemporalLatitudeLimit = 65.0;
// Points of a sun this low or lower (degrees) are not drawn.
inline constexpr double kLowestAltitude = -1.0;
// The drawing area's width in band millimetres at the screen scale (W / 295).
inline constexpr double kDrawingWidthMm = 295.0;

// The sun's true noon altitude (degrees) at `latitude` for `declination`.
double NoonAltitude(double latitude, double declination);

// The half day arc (degrees of hour angle from noon to sunset) at the signed
// `latitude` for `declination`; 0 or 180 where the sun never rises or sets.
double HalfDayArc(double latitude, double declination);

// The mm across a band from its upper edge of `declination`.
double BandY(const RingBand& band, double width, double declination);

// ---- the correction table -----------------------------------------------------------

// How far the spot moves along the ring when it is read off its hole's track:
// for each sun altitude a curve over the relative offset (the offset across
// the band over the ring's radius), and the table of where each curve reaches
// the relative offset 1.
struct OffsetCurve {
  double altitude = 0;  // degrees
  bool red = false;     // every third curve
  // x: degrees of altitude the spot shows (the altitude plus half the shift
  // beta); y: 1 - the relative offset.
  std::vector<std::pair<double, double>> points;
};

struct OffsetRow {
  double relativeOffset = 0;
  double altitude = 0;  // degrees
  double J = 0;         // RingSpot's J there
  double beta = 0;      // degrees
};

struct OffsetTable {
  double alpha = 30;  // hole angle, degrees
  double diameter = 150;
  std::vector<OffsetCurve> curves;
  std::vector<OffsetRow> rows;
  bool written = false;  // the table file was written
};

// The table file's name, written into the working folder.
inline constexpr const char* kOffsetTableFile = "Schoener-Tabelle.txt";

// The curves for the altitudes 0, 2.5, ..., 90 degrees.
OffsetTable BuildOffsetTable(double alpha, double diameter);
// The table file's lines (UTF-8; the file is written in Windows-1252, CR LF).
std::vector<std::string> OffsetTableLines(const OffsetTable& table);

// Traces the ring dial. Temporal hours above 65 degrees are refused, a ring
// too long for the drawing asks whether to reduce it, both through `messages`.
RingDial BuildRingDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                       shell::MessageSink& messages);

}  // namespace kelvra::dials::ring
