// The geometry of the flat dials: horizontal (h), vertical declining (v),
// inclining/reclining (i) and the umbrella dial on any of these planes.
//
// Every line of a planar dial is a chain of shadow points of the nodus. A
// point is computed in millimetres on the dial face relative to the foot of
// the gnomon (x to the right, y UP on the face; for a vertical wall "up" is up,
// for a horizontal dial it is north, for an inclined plane it is up the line of
// steepest slope). Targets (screen picture, printed page, plot file) only
// scale, place and clip these points.
//
// Sign conventions as in astro/angles.h: azimuths from south, west
// positive; latitude north positive; longitudes west positive; angles in degrees.
#pragma once

#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::dials::planar {

// The derived values of one drawing (computed before the lines are traced).
struct PlanarFrame {
  char kind = 'v';              // 'h', 'v' or 'i' (the plane of an umbrella dial too)
  bool umbrella = false;
  shell::SiteSettings site;     // the site as given (latitude possibly nudged, see below)
  double latitude = 0;          // φ used for the sun (h: |φ| at least 1e-5)
  double gnomonMm = 35;         // zoomed gnomon height gz in mm (at least 5)
  double zoom = 1;              // zoom in effect (raised when the gnomon was below 5 mm)
  double equivalentLatitude = 0;  // φe: φ, or the latitude where an inclined plane is horizontal
  double clockOffset = 0;       // Δt in hours, added to every clock time (kind i)
  double azimuthOffset = 0;     // Az0 in degrees, subtracted from every sun azimuth
  double timeLongitude = 0;     // longitude for apparent-time lines (west positive)
  double meanTimeLongitude = 0; // longitude for the mean-time lines
  double declination = 0;       // D, wall declination (0 for kind h)
  double inclination = 90;      // ι of the face: 0 (h), 90 (v), the plane's (i);
                                // the desk inclination for the inclining umbrella dial
  double umbrellaRadiusPercent = 0;  // r, disc radius in % of the gnomon height

  // The rod height of the umbrella dial stands vertically over the face (the
  // disc is horizontal); the gnomon of the other dials is normal to the face.
  // Height of the horizon line above the foot on the face (mm, y up), when the
  // face has a horizon (kinds v and i); false for horizontal faces.
  bool hasHorizon = false;
  double horizonY = 0;
};

// Builds the frame from the site, the dial parameters and the zoom:
// gz = rnd(100 g zoom) / 100 mm, raised to 5 mm (zoom = 5 / g) when smaller.
PlanarFrame MakePlanarFrame(const shell::SiteSettings& site, const config::DialParameters& dial,
                            double zoom = 1.0);

// One projected shadow point: mm on the face relative to the foot, y up.
// `lit`: the sun is above the horizon of the face and lights its front.
struct ShadowPoint {
  double x = 0;
  double y = 0;
  bool lit = false;
};

// The shadow of the nodus for a sun at altitude h and azimuth A (degrees; for
// kind i without umbrella in the frame of the equivalent horizontal plane).
ShadowPoint ProjectShadow(const PlanarFrame& frame, double altitude, double azimuth);

// The sun at true declination δ and real local hour angle H (degrees, west
// positive) projected: converts to the plane's frame (φe, Δt) first.
ShadowPoint ProjectSky(const PlanarFrame& frame, double declination, double hourAngle);

// The pole point: where the polar style meets the face (all hour lines of
// apparent time meet there), mm relative to the foot, y up. Very large when
// the style is (nearly) parallel to the face.
struct PolePosition {
  double x = 0;
  double y = 0;
};
PolePosition PolePoint(const PlanarFrame& frame, bool linesToFoot = false);

// Pole points farther than this many device units from the foot count as
// lying at infinity (style parallel to the face).
inline constexpr double kPoleAtInfinity = 20000.0;

}  // namespace kelvra::dials::planar
