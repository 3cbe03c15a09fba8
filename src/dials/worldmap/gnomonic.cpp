#include "dials/worldmap/gnomonic.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/sun_position.h"

namespace kelvra::dials::worldmap {

namespace {

using astro::CosDeg;
using astro::Radians;
using astro::SinDeg;

constexpr double kHorizonU = 1e-6;

}  // namespace

GnomonicXY GnomonicPoint(double centreLatitude, double centreLongitudeEast, double scale,
                         double rotation, double latitude, double longitudeEast) {
  const double sp0 = SinDeg(centreLatitude), cp0 = CosDeg(centreLatitude);
  const double sp = SinDeg(latitude), cp = CosDeg(latitude);
  const double dl = Radians(longitudeEast - centreLongitudeEast);
  const double cdl = std::cos(dl);
  double u = sp0 * sp + cp0 * cp * cdl;
  GnomonicXY r;
  if (u < kHorizonU) {
    u = kHorizonU;
    r.beyondHorizon = true;
  }
  r.x = scale * cp * std::sin(dl) / u;
  r.y = scale * (cp0 * sp - sp0 * cp * cdl) / u;
  if (std::fabs(rotation) > 0.001) {
    const double c = CosDeg(rotation), s = SinDeg(rotation);
    const double x = r.x * c - r.y * s;
    r.y = r.x * s + r.y * c;
    r.x = x;
  }
  return r;
}

MapProjection PlaneProjection(double siteLatitude, double siteLongitude, double inclination,
                              double declination) {
  const auto plane = astro::PlaneCoordinates(inclination, declination, siteLatitude);
  MapProjection p;
  p.centreLatitude = plane.styleHeight;
  // The plane's hour angle is the site's less the substyle's: its centre lies
  // that far further west.
  p.centreLongitude = siteLongitude + plane.substyleHourAngle;
  if (p.centreLongitude > 180.0) p.centreLongitude -= 360.0;
  if (p.centreLongitude <= -180.0) p.centreLongitude += 360.0;
  p.rotation = plane.substyleAngle;
  return p;
}

}  // namespace kelvra::dials::worldmap
