// The gnomonic projection of the map overlay.
//
// A sundial's plane is parallel to the horizon of one place on earth, the
// plane's centre point: the place whose zenith lies on the plane's normal. The
// gnomonic projection from the earth's centre onto the tangent plane there is
// what the nodus does with the sun: when the sun stands in the zenith of a
// place Q, the shadow of the nodus falls on the point opposite to Q's
// projection, seen from the gnomon foot (scale = the gnomon's height). The
// centre point itself projects onto the foot.
//
// Angles in degrees; latitudes north positive. GnomonicPoint takes EAST
// positive longitudes, the rest of the program's interfaces WEST positive
// ones (as everywhere else in Kelvra).
#pragma once

namespace kelvra::dials::worldmap {

// The tangent-plane coordinates of a projected point: x toward the centre's
// east, y toward its north (before the rotation), in the units of the scale.
struct GnomonicXY {
  double x = 0;
  double y = 0;
  // u < 1e-6: the point lies on or beyond the projection's horizon (90° or
  // more from the centre). x and y are then computed with u = 1e-6 and lie
  // far away, but they are no image of the point: callers do not draw it.
  bool beyondHorizon = false;
};

// The projection centred on (φ0, λ0) with scale d:
//   u = sin φ0 sin φ + cos φ0 cos φ cos(λ − λ0)   (values below 1e-6 taken as 1e-6)
//   x = d cos φ sin(λ − λ0) / u
//   y = d (cos φ0 sin φ − sin φ0 cos φ cos(λ − λ0)) / u
// When |rotation| > 0.001°, (x, y) is turned counter-clockwise by `rotation`
// about the centre (the plane's own turn against the centre's meridian).
// λ0 and λ east positive.
GnomonicXY GnomonicPoint(double centreLatitude, double centreLongitudeEast, double scale,
                         double rotation, double latitude, double longitudeEast);

// The projection of a dial plane: its centre point and turn.
struct MapProjection {
  double centreLatitude = 0;   // degrees, north positive
  double centreLongitude = 0;  // degrees, WEST positive
  double rotation = 0;         // degrees, counter-clockwise on the face
};

// The projection of the plane of inclination ι (0 horizontal, 90 vertical)
// whose normal looks toward azimuth D (from south, west positive) at the
// site (latitude north positive, longitude west positive). Its centre is the
// place where that plane is horizontal: the plane's latitude (the style
// height) and the site's longitude moved by the substyle's hour angle; the
// rotation is the substyle's angle from the line of steepest slope. For a
// horizontal plane the centre is the site and there is no rotation.
MapProjection PlaneProjection(double siteLatitude, double siteLongitude, double inclination,
                              double declination);

}  // namespace kelvra::dials::worldmap
