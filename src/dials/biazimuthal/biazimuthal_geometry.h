// The biazimuthal dial (kind c): the world, the sub-solar point's hour lines
// and date lines in the two-point azimuthal (compressed gnomonic) projection
// of the equivalent horizontal points of two dial planes; the derivation is in
// docs/biazimuthal_dial.md.
//
// Map coordinates in mm about the pole C' (the projection's centre): x along
// the line from A' to B' (A' at -scale, B' at +scale... see Map), y to its
// left, as a map seen from outside the globe. Latitudes north positive,
// longitudes WEST positive, degrees.
#pragma once

#include <optional>
#include <vector>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::biazimuthal {

struct GeoPoint {
  double latitude = 0;
  double longitude = 0;  // west positive
};

struct MapPoint {
  double x = 0, y = 0;  // mm
};

// The projection of two points.
struct TwoPointMap {
  GeoPoint a, b, pole;      // A*, B* and the pole C
  double halfDistance = 0;  // d0, degrees
  double k = 100;           // mm per unit of the tangent plane
  double ca[3]{}, ex[3]{}, ey[3]{}, va[3]{}, vb[3]{};  // unit vectors (earth-centred)
  // The image of a place; empty 90 degrees or more from the pole.
  std::optional<MapPoint> Project(const GeoPoint& p) const;
  MapPoint A() const;
  MapPoint B() const;
};

// The map of A* and B* with the distance pole–A' of `scaleMm`; empty for
// antipodal points.
std::optional<TwoPointMap> MakeTwoPointMap(const GeoPoint& a, const GeoPoint& b, double scaleMm);

struct Chain {
  std::vector<MapPoint> points;
  std::vector<double> at;  // per point: day of year (hour lines) or clock time (date lines)
};

struct HourLine {
  double clockTime = 12;
  bool full = true;
  std::vector<Chain> chains;
};

struct DateLine {
  int month = 1, day = 21;
  std::vector<Chain> chains;
};

struct BiazimuthalDial {
  shell::SiteSettings site;
  int plane = 0;                  // of position A
  double wallDeclination = 0, inclination = 0;
  GeoPoint siteA, siteB;          // the positions as entered
  bool secondVertical = false;
  double secondWallDeclination = 0;
  bool refused = false;           // A* and B* antipodal
  std::optional<TwoPointMap> map;
  double scaleMm = 100;
  bool timeOfA = true, zoneTime = false, meanTime = false;
  double timeMeridian = 0;        // west positive: the clock's meridian
  std::vector<HourLine> hourLines;
  std::vector<DateLine> dateLines;
};

// The sub-solar point at clock time t (hours) of day of year n of `year`,
// the clock being the time of `meridian` (west positive), mean time when
// `meanTime`.
GeoPoint SubSolarPoint(int year, int dayOfYear, double t, double meridian, bool meanTime);

// The equivalent horizontal points A* and B* of the two positions' planes
// (the planes' pole directions as latitude and longitude, latitudes kept away
// from 0 as below) and the projection's pole C; no pole for antipodal points.
struct EquivalentPoints {
  GeoPoint a, b;
  std::optional<GeoPoint> pole;
};
EquivalentPoints EquivalentHorizontalPoints(const shell::SiteSettings& site,
                                            const config::DialParameters& dial);

// Builds the dial from the site (position A), `dialPlane`, `wallDeclination`,
// `inclination`, the second position, `scalePercent` × zoom (mm),
// `timeOfPosition1`, `zoneTime`, `altitudeWithEot`, the hour range and
// `dateLineMode`. Latitudes of magnitude below 0.005 (A) or 0.0049 (B)
// become 0.0049 with their sign. Antipodal equivalent points are refused
// with "Fehler!" / "Berechnung abgebrochen!".
BiazimuthalDial BuildBiazimuthalDial(const shell::SiteSettings& site,
                                     const config::DialParameters& dial, double zoom,
                                     shell::MessageSink& messages);

}  // namespace kelvra::dials::biazimuthal
