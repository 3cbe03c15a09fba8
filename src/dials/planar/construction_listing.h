// The construction listing of the planar dials: the numbers a dial maker needs
// to lay a dial out by hand, computed for the face of a PlanarFrame (its
// kind, the site, wall declination D, inclination ι and the zoomed gnomon
// height), and their texts.
//
// ComputePoleStyle gives the pole-style data (where the polar style meets the
// face, style height and length, substyle direction and the time of the
// shadow on the substyle); ComputeHourLineTable the angles of the hour lines
// at the pole point S and the sunlit period. Both are numbers; the Format...
// functions and HourLineTablePage make the text in the current language when
// it is shown.
//
// Angle conventions of the table: hour-line angles are measured at S from the
// plumb line downwards, counter-clockwise positive; the substyle angle is
// measured at the gnomon foot P(0/0) from the y-axis, clockwise positive.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "dials/dial_listing.h"
#include "dials/planar/planar_frame.h"

namespace kelvra::dials::planar {

// ---- numbers -----------------------------------------------------------------

struct PoleStyle {
  bool parallel = false;    // style parallel to the face: no pole point
  bool orthogonal = false;  // style normal to the face
  double poleX = 0;         // S in mm relative to the foot (x right, y up)
  double poleY = 0;
  double styleHeight = 0;       // β in degrees (negative: S above the foot on a wall)
  double styleLength = 0;       // g / |sin β| in mm
  double substyleDirection = 0; // degrees, as printed
  double substyleTime = 12;     // true local time in hours, 0 <= t < 24
  // With the lines of whole-hour day length: their declinations δk
  // (k = 1..12, NaN where there is none); empty without them.
  bool dayLengthLines = false;
  std::vector<double> dayLengthDeclinations;
};

// The pole-style data of the face of `face` (latitude, longitude and zone of
// face.site; face.declination, face.inclination, face.gnomonMm). `year`
// gives the obliquity of the day-length lines.
PoleStyle ComputePoleStyle(const PlanarFrame& face, int year, bool dayLengthLines);

// The time (true local time, hours 0..24) at which the sun is in front of the
// face and the shadow of the style falls on the substyle.
double SubstyleShadowTime(double latitude, double declination, double inclination);

inline constexpr double kMissingAngle = 500.0;

struct HourLineTable {
  int hoursFrom = 8;
  int hoursTo = 19;
  int subdivisions = 0;   // k: 0..5 extra lines per hour
  int stepMinutes = 60;
  bool longitudeCorrection = false;
  double styleHeight = 0;    // β′, degrees
  double substyleAngle = 0;  // F, degrees (display range)
  double noonLineAngle = 0;  // I, degrees
  double substyleTime = 12;  // hours, as in the pole-style data
  // The sunlit period on the face (earliest first light, latest last light).
  bool everLit = false;
  double firstLight = 0;  // hours
  double lastLight = 0;
  double earliestHourAngle = 0;  // degrees
  double latestHourAngle = 0;
  // angles[hour][j] in degrees, kMissingAngle where there is none.
  std::array<std::array<double, 6>, 25> angles{};
};

// The table for the hours hoursFrom..hoursTo of `dial` with the hour
// interval of the apparent-time lines. `longitudeCorrection`: apparent time
// of the zone meridian instead of local apparent time.
HourLineTable ComputeHourLineTable(const PlanarFrame& face, const config::DialParameters& dial,
                                   int year, bool longitudeCorrection);

// ---- text ----------------------------------------------------------------------

// The pole-style listing in the current language with the numbers it shows.
struct PoleStyleText : PoleStyle {
  std::vector<std::string> lines;
  std::string styleHeightText;        // β, FormatReal(8, 2)
  std::string substyleDirectionText;  // angle + 90, FormatReal(8, 2)
  std::string substyleTimeText;       // "h:mm" (FormatMinutesSeconds form, blanks trimmed)
};
PoleStyleText FormatPoleStyle(const PlanarFrame& face, const PoleStyle& poleStyle);
// Computed and formatted at once.
PoleStyleText PoleStyleListing(const PlanarFrame& face, int year, bool dayLengthLines);

// The sunlit period as shown: "5:12 - 18:47" + "   " + " Wahre Ortszeit".
std::string SunlitText(const HourLineTable& table);
// The bottom line of the drawing: text 566 + the sunlit period.
std::string SunlitLine(const HourLineTable& table);
// The hour-line table panel: heading, labels, memo lines and the grid.
HourLineTableView FormatHourLineTable(const PlanarFrame& face, const HourLineTable& table);

// The printed page as text lines: heading, pole-style listing, sunlit period,
// notes and the table rows under " hh:mm", " dd.dd", " tangens".
std::vector<std::string> HourLineTablePage(const PlanarFrame& face, const HourLineTable& table,
                                           const std::vector<std::string>& poleStyleLines);

// The dial title of the legend ("vertikale SONNENUHR", ...), current language.
std::string PlanarTitle(char kind, bool umbrella, double inclination);
// The dial type name of the window caption ("vertikalen Sonnenuhr", ...).
std::string PlanarTypeName(char kind, bool umbrella);

}  // namespace kelvra::dials::planar
