#include "dials/planar/planar_frame.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/sun_position.h"
#include "config/dial_kinds.h"
#include "shell/number_format.h"

namespace kelvra::dials::planar {

namespace {

using astro::CosDeg;
using astro::Radians;
using astro::SinDeg;
using astro::TanDeg;

// A value whose size is below `limit` replaced by ±limit (the sign of the
// value, + for zero).
double AwayFromZero(double v, double limit) {
  if (std::fabs(v) >= limit) return v;
  return v < 0 ? -limit : limit;
}

}  // namespace

PlanarFrame MakePlanarFrame(const shell::SiteSettings& site, const config::DialParameters& dial,
                            double zoom) {
  PlanarFrame f;
  f.site = site;
  f.kind = config::UmbrellaPlaneOf(dial);
  f.umbrella = dial.umbrella;
  f.umbrellaRadiusPercent = dial.umbrellaRadiusPercent;

  double g = dial.gnomonHeight;
  if (!(g > 0)) g = 5;
  f.zoom = zoom > 0 ? zoom : 1.0;
  f.gnomonMm = std::nearbyint(100.0 * g * f.zoom) / 100.0;
  if (f.gnomonMm < 5.0) {
    f.gnomonMm = 5.0;
    f.zoom = 5.0 / g;
  }

  f.latitude = site.latitude;
  if (f.kind == 'h' && std::fabs(f.latitude) < 1e-5) f.latitude = f.latitude < 0 ? -1e-5 : 1e-5;
  f.equivalentLatitude = f.latitude;
  f.timeLongitude = dial.planarLocalTime ? site.zoneMeridian : site.longitude;
  if (dial.umbrella) {
    f.meanTimeLongitude = f.timeLongitude;
  } else {
    f.meanTimeLongitude = dial.meanTimeLocal ? site.zoneMeridian : site.longitude;
  }

  switch (f.kind) {
    case 'h':
      f.declination = 0;
      f.inclination = 0;
      f.azimuthOffset = 0;
      break;
    case 'v':
      f.declination = dial.wallDeclination;
      f.inclination = 90;
      f.azimuthOffset = dial.wallDeclination;
      f.hasHorizon = true;
      f.horizonY = 0;
      break;
    default: {  // 'i'
      f.declination = dial.wallDeclination;
      if (dial.umbrella) {
        f.inclination = dial.axisInclination;
        f.azimuthOffset = dial.wallDeclination;
        const double s = SinDeg(f.inclination);
        if (std::fabs(s) > 1e-10) {
          f.hasHorizon = true;
          f.horizonY = f.gnomonMm / s;
        }
      } else {
        f.inclination = dial.inclination;
        const auto pc = astro::PlaneCoordinates(f.inclination, f.declination, f.latitude);
        f.equivalentLatitude = pc.styleHeight;
        f.clockOffset = -pc.substyleHourAngle / 15.0;
        f.azimuthOffset = pc.substyleAngle;
        const double s = SinDeg(f.inclination);
        if (std::fabs(s) > 1e-10) {
          f.hasHorizon = true;
          f.horizonY = f.gnomonMm * CosDeg(f.inclination) / s;
        }
      }
      break;
    }
  }
  return f;
}

ShadowPoint ProjectShadow(const PlanarFrame& f, double altitude, double azimuth) {
  ShadowPoint p;
  const double G = f.gnomonMm;
  const double a = Radians(azimuth - f.azimuthOffset);
  const double h = Radians(altitude);
  const double r = f.umbrellaRadiusPercent / 100.0;

  if (f.kind == 'v') {
    const double absA = std::fabs(a);
    const bool front = (absA < 1.57 || absA > 4.71) && altitude > 0;
    double ca = AwayFromZero(std::cos(a), 1e-15);
    double x = G * std::tan(a);
    double yDown = G * std::tan(h) / ca;
    if (f.umbrella) {
      const double len = std::sqrt(x * x + yDown * yDown);
      if (len >= 1e-12) {
        const double k = 1.0 + r * G / len;
        x *= k;
        yDown *= k;
      }
    }
    p.x = x;
    p.y = -yDown;
    p.lit = front;
    if (!f.umbrella) {
      p.lit = p.lit && astro::CosAngleBetweenDirections(altitude, azimuth, 0.0, f.azimuthOffset) > 0;
    }
  } else if (f.kind == 'i' && f.umbrella) {
    const double iota = Radians(f.inclination);
    const double th = std::tan(AwayFromZero(h, 1e-8));
    const double m = G * (1.0 + r * th);
    double w = std::sin(iota) * std::cos(a) + std::cos(iota) * th;
    w = AwayFromZero(w, 1e-15);
    p.x = m * std::cos(iota) * std::sin(a) / w;
    p.y = m * std::cos(a) / w;
    p.lit = altitude > 0;
    if (std::fabs(a) > 1.57) {
      p.lit = p.lit && (std::sin(h) * std::cos(iota) +
                        std::sin(iota) * std::cos(a) * std::cos(h)) > 0;
    }
  } else {
    // Horizontal face, or the equivalent horizontal face of an inclined plane.
    const double hh = AwayFromZero(h, 1e-8);
    double m = G;
    if (f.umbrella) m = G * (1.0 + r * std::tan(hh));
    const double s = m / std::tan(hh);
    p.x = s * std::sin(a);
    p.y = s * std::cos(a);
    p.lit = altitude > 0;
    if (!f.umbrella) {
      p.lit = p.lit && astro::CosAngleBetweenDirections(altitude, azimuth, 90.0, 0.0) > 0;
    }
  }
  return p;
}

ShadowPoint ProjectSky(const PlanarFrame& f, double declination, double hourAngle) {
  const auto pos = astro::HorizontalFromHourAngle(f.equivalentLatitude, declination,
                                                  hourAngle + 15.0 * f.clockOffset);
  return ProjectShadow(f, pos.altitude, pos.azimuth);
}

PolePosition PolePoint(const PlanarFrame& f, bool linesToFoot) {
  const double G = f.gnomonMm;
  PolePosition p;
  if (f.kind == 'h') {
    double phi = f.site.latitude;
    const double limit = linesToFoot ? 1e-6 : 1e-5;
    if (std::fabs(phi) < limit) phi = phi < 0 ? -limit : limit;
    p.x = 0;
    p.y = -G / TanDeg(phi);
    return p;
  }
  double phi = f.latitude;
  if (std::fabs(std::fabs(phi) - 90.0) < 0.001) phi = shell::SignOf(phi) * 89.999;
  double D = f.declination;
  auto S = [](double x) { return x >= 0 ? 1.0 : -1.0; };
  if (std::fabs(std::fabs(D) - 90.0) < 0.07) {
    D = D > 0 ? 90.0 - 0.07 * S(90.0 - D) : -90.0 - 0.07 * S(-90.0 - D);
  }
  const double iota = Radians(f.inclination);
  const double tphi = TanDeg(phi);
  double J = CosDeg(D) * std::sin(iota) - tphi * std::cos(iota);
  if (std::fabs(J) < 1e-5) J = (shell::SignOf(J) + 0.5) * 1e-5;
  p.x = -G * SinDeg(D) / J;
  p.y = (std::cos(iota) * CosDeg(D) + tphi * std::sin(iota)) * G / J;
  return p;
}

}  // namespace kelvra::dials::planar
