// The construction listing of the planar dials: the numbers a dial maker needs
// to lay a dial out by hand. PoleStyleListing gives the pole-style data
// (where the polar style meets the face, style height and length, substyle
// direction and the time of the shadow on the substyle); HourLineTable gives
// the angles of the hour lines at the pole point S and the sunlit period.
//
// Angle conventions of the table: hour-line angles are measured at S from the
// plumb line downwards, counter-clockwise positive; the substyle angle is
// measured at the gnomon foot P(0/0) from the y-axis, clockwise positive.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::dials::planar {

// The plane of a dial as the listing sees it.
struct ListingPlane {
  char kind = 'v';           // h, v or i
  bool umbrella = false;
  double latitude = 0;       // φ, degrees
  double longitude = 0;      // λ, west positive
  double zoneMeridian = 0;   // west positive
  double declination = 0;    // D (0 for kind h)
  double inclination = 90;   // ι: 0 (h), 90 (v)
  double gnomonMm = 35;      // zoomed gnomon height rnd(100 g zoom) / 100
  double umbrellaRadiusPercent = 0;
};
ListingPlane MakeListingPlane(const shell::SiteSettings& site, const config::DialParameters& dial,
                              double zoom = 1.0);

struct PoleStyleResult {
  std::vector<std::string> lines;
  // The three values used elsewhere, as texts.
  std::string styleHeightText;        // β, FormatReal(8, 2)
  std::string substyleDirectionText;  // angle + 90, FormatReal(8, 2)
  std::string substyleTimeText;       // "h:mm" (FormatMinutesSeconds form, blanks trimmed)
  // The numbers behind them.
  bool parallel = false;    // style parallel to the face: no pole point
  bool orthogonal = false;  // style normal to the face
  double poleX = 0;         // S in mm relative to the foot (x right, y up)
  double poleY = 0;
  double styleHeight = 0;       // β in degrees (negative: S above the foot on a wall)
  double styleLength = 0;       // g / |sin β| in mm
  double substyleDirection = 0; // degrees, as printed
  double substyleTime = 12;     // true local time in hours, 0 <= t < 24
};

// Builds the pole-style listing in the current language. `dayLengthLines`
// adds the declinations of the days with whole-hour sunshine.
PoleStyleResult PoleStyleListing(const ListingPlane& plane, int year, bool dayLengthLines);

// The time (true local time, hours 0..24) at which the sun is in front of the
// face and the shadow of the style falls on the substyle.
double SubstyleShadowTime(double latitude, double declination, double inclination);

inline constexpr double kMissingAngle = 500.0;

struct HourLineTable {
  char kind = 'v';
  int subdivisions = 0;   // k: 0..5 extra lines per hour
  int stepMinutes = 60;
  bool longitudeCorrection = false;
  double styleHeight = 0;   // β′, degrees
  double substyleAngle = 0; // F, degrees (display range)
  double noonLineAngle = 0; // I, degrees
  std::string substyleTimeText;
  bool everLit = false;
  double earliestHourAngle = 0;  // degrees (sunlit period on the face)
  double latestHourAngle = 0;
  std::string sunlitText;         // "5:12 - 18:47" + "   " + " Wahre Ortszeit"
  std::string sunlitLine;         // text 566 + sunlit text, for the bottom of the drawing
  std::string heading;            // "Winkel der Stundenlinien einer " + dial name
  std::vector<std::string> labels;  // site and plane labels
  std::vector<std::string> memoLines;
  // angles[hour][j] in degrees, kMissingAngle where there is none.
  std::array<std::array<double, 6>, 25> angles{};
  // The grid: rows of 15 cells (4 groups of time, angle, tangent and a spacer).
  std::vector<std::array<std::string, 15>> grid;
};

// Computes the table for the hours hoursFrom..hoursTo of `dial` with the
// hour interval of the apparent-time lines. `longitudeCorrection`: apparent
// time of the zone meridian instead of local apparent time.
HourLineTable ComputeHourLineTable(const ListingPlane& plane, const config::DialParameters& dial,
                                   int year, bool longitudeCorrection);

// The printed page as text lines: heading, pole-style listing, sunlit period,
// notes and the table rows under " hh:mm", " dd.dd", " tangens".
std::vector<std::string> HourLineTablePage(const HourLineTable& table,
                                           const PoleStyleResult& poleStyle);

// The dial title of the legend ("vertikale SONNENUHR", ...), current language.
std::string PlanarTitle(char kind, bool umbrella, double inclination);
// The dial type name of the window caption ("vertikalen Sonnenuhr", ...).
std::string PlanarTypeName(char kind, bool umbrella);

}  // namespace kelvra::dials::planar
