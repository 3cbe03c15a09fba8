#include "astro/sun_position.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"

namespace kelvra::astro {

double HourAngleOfClockTime(double t, double longitude, double zoneMeridian) {
  return 15.0 * (t - 12.0) - (longitude - zoneMeridian);
}

double HourAngleOfClockTime(double t, double longitude, double zoneMeridian,
                            double equationOfTime) {
  return HourAngleOfClockTime(t, longitude, zoneMeridian) + equationOfTime;
}

HorizontalPosition HorizontalFromHourAngle(double latitude, double declination,
                                           double hourAngle) {
  const double H = WrapDegrees180(hourAngle);
  const double sinP = SinDeg(latitude);
  const double cosP = CosDeg(latitude);
  const double sinD = SinDeg(declination);
  const double cosD = CosDeg(declination);
  const double cosH = CosDeg(H);

  double v = sinP * sinD + cosP * cosD * cosH;
  if (std::abs(v) < 1e-10) v = (SignOf(v) + 0.2) * 1e-10;
  else if (std::abs(v) > 1.0) v = SignOf(v) * 0.9999999999;
  double z = AtanDeg(std::sqrt(1.0 - v * v) / v);
  if (z < 0.0) z += 180.0;

  HorizontalPosition pos;
  pos.altitude = 90.0 - z;
  if (z < 1e-6) {
    pos.azimuth = 0.0;
    return pos;
  }
  if (H == 0.0) {
    pos.azimuth = latitude >= declination ? 0.0 : 180.0;
    return pos;
  }
  // sin z = sqrt(1 - v^2) for z in 0..180.
  double c = (cosH * cosD * sinP - sinD * cosP) / std::sqrt(1.0 - v * v);
  if (std::abs(c) > 1.0) c = SignOf(c);
  if (std::abs(c) < 1e-10) c = (SignOf(c) + 0.2) * 1e-10;
  double azimuth = AcosDeg(c);
  if (H < 0.0) azimuth = -azimuth;
  pos.azimuth = azimuth;
  return pos;
}

SunPosition SunPositionFromEphemeris(const SolarDay& sun, double t, double latitude,
                                     double longitude, double zoneMeridian,
                                     bool applyEquationOfTime) {
  double H = HourAngleOfClockTime(t, longitude, zoneMeridian);
  if (applyEquationOfTime) H += sun.equationOfTime;
  const HorizontalPosition h = HorizontalFromHourAngle(latitude, sun.declination, H);
  return SunPosition{h.altitude, h.azimuth, sun.declination, sun.equationOfTime};
}

SunPosition SunPositionAtClockTime(int year, int dayOfYear, double t, double latitude,
                                   double longitude, double zoneMeridian,
                                   bool applyEquationOfTime) {
  const SolarDay sun = ComputeSolarDay(year, DayArgumentForZoneTime(dayOfYear, t, zoneMeridian));
  return SunPositionFromEphemeris(sun, t, latitude, longitude, zoneMeridian, applyEquationOfTime);
}

SunPosition SunPositionNoonEphemeris(int year, int dayOfYear, double t, double latitude,
                                     double longitude, double zoneMeridian,
                                     bool applyEquationOfTime) {
  const SolarDay sun = ComputeSolarDay(year, dayOfYear + (zoneMeridian / 15.0) / 24.0);
  return SunPositionFromEphemeris(sun, t, latitude, longitude, zoneMeridian, applyEquationOfTime);
}

HorizontalPosition SunPositionForDeclination(double t, double latitude, double longitude,
                                             double zoneMeridian, double declination) {
  return HorizontalFromHourAngle(latitude, declination,
                                 HourAngleOfClockTime(t, longitude, zoneMeridian));
}

double CosAngleBetweenDirections(double altitude1, double azimuth1, double altitude2,
                                 double azimuth2) {
  const double ca1 = CosDeg(altitude1), sa1 = SinDeg(altitude1);
  const double ca2 = CosDeg(altitude2), sa2 = SinDeg(altitude2);
  return CosDeg(azimuth2) * ca2 * CosDeg(azimuth1) * ca1 +
         SinDeg(azimuth2) * ca2 * SinDeg(azimuth1) * ca1 + sa2 * sa1;
}

bool SunLightsPlane(double trueLocalTime, double declination, double latitude,
                    double normalAltitude, double normalAzimuth) {
  // The cosine between the sun and the normal, with the sun's direction taken
  // in (south, west, up) components straight from the hour angle: the same
  // vector as the altitude and azimuth of HorizontalFromHourAngle, without
  // going through the arc functions (dial constructions call this per point).
  const double H = Radians(15.0 * (trueLocalTime - 12.0));
  const double sp = SinDeg(latitude), cp = CosDeg(latitude);
  const double sd = SinDeg(declination), cd = CosDeg(declination);
  const double cosH = std::cos(H);
  const double south = cosH * cd * sp - sd * cp;
  const double west = cd * std::sin(H);
  const double up = sp * sd + cp * cd * cosH;
  const double ca = CosDeg(normalAltitude);
  return south * ca * CosDeg(normalAzimuth) + west * ca * SinDeg(normalAzimuth) +
             up * SinDeg(normalAltitude) > 0.0;
}

double Atan2Degrees(double y, double x) {
  if (x == 0.0) return 90.0 * SignOf(y);
  if (y == 0.0) return x > 0.0 ? 0.0 : 180.0;
  return (1.0 - SignOf(x)) * SignOf(y) * 90.0 + AtanDeg(y / x);
}

PlaneCoordinatesResult PlaneCoordinates(double inclination, double planeDeclination,
                                        double latitude) {
  const double si = SinDeg(inclination), ci = CosDeg(inclination);
  const double sD = SinDeg(planeDeclination), cD = CosDeg(planeDeclination);
  const double sp = SinDeg(latitude), cp = CosDeg(latitude);
  PlaneCoordinatesResult r;
  const double arg = sp * ci - cp * si * cD;
  r.styleHeight = std::abs(arg) >= 1.0 ? SignOf(arg) * 90.0 : AsinDeg(arg);
  r.substyleHourAngle = Atan2Degrees(si * sD, cp * ci + si * sp * cD);
  r.substyleAngle = Atan2Degrees(cp * sD, sp * si + cp * cD * ci);
  return r;
}

SunsetResult SunsetHourAngle(double latitude, double declination) {
  const double num = -SinDeg(declination) * SinDeg(latitude);
  const double den = CosDeg(declination) * CosDeg(latitude);
  double H0;
  if (den == 0.0) {
    H0 = num == 0.0 ? 90.0 : 90.0 - 90.0 * SignOf(num);
  } else {
    const double x = num / den;
    if (std::abs(x) < 1e-12) H0 = 90.0;
    else if (std::abs(x) > 0.9999999) H0 = 90.0 - 90.0 * SignOf(x);
    else H0 = AcosDeg(x);
  }
  return SunsetResult{H0, HorizontalFromHourAngle(latitude, declination, H0).azimuth};
}

TrueRiseSet SunriseSunsetTrueTime(int year, int dayOfYear, double latitude, double zoneMeridian) {
  const double d = SunPositionNoonEphemeris(year, dayOfYear, 12.0, latitude, zoneMeridian,
                                            zoneMeridian, false)
                       .declination;
  const SunsetResult s = SunsetHourAngle(latitude, d);
  TrueRiseSet r;
  r.declination = d;
  r.rise = 12.0 - s.hourAngle / 15.0;
  r.set = 12.0 + s.hourAngle / 15.0;
  r.riseAzimuth = HorizontalFromHourAngle(latitude, d, -s.hourAngle).azimuth;
  r.setAzimuth = s.azimuth;
  return r;
}

namespace {

struct Interval {
  double lo;
  double hi;
};

// The lit hour angles (degrees, -180..180) of one declination: above the
// geometric horizon and in front of the plane. Returns the first and last lit
// hour angle, or false when the plane sees no sun that day.
bool LitSpan(double latitude, double declination, double nS, double nW, double nU,
             double* first, double* last) {
  const double sp = SinDeg(latitude), cp = CosDeg(latitude);
  const double sd = SinDeg(declination), cd = CosDeg(declination);

  // Above the horizon: cos p cos d cos H + sin p sin d > 0.
  Interval day;
  {
    const double a = cp * cd;
    const double c = sp * sd;
    if (a <= 1e-15) {
      if (c <= 0.0) return false;
      day = {-180.0, 180.0};
    } else {
      const double x = -c / a;
      if (x >= 1.0) return false;
      if (x <= -1.0) day = {-180.0, 180.0};
      else {
        const double h0 = AcosDeg(x);
        day = {-h0, h0};
      }
    }
  }

  // In front of the plane: A cos H + B sin H + C > 0 with the sun vector in
  // (south, west, up) components.
  const double A = nS * sp * cd + nU * cp * cd;
  const double B = nW * cd;
  const double C = -nS * cp * sd + nU * sp * sd;
  const double R = std::hypot(A, B);
  Interval front[2];
  int frontCount = 0;
  if (R <= 1e-15) {
    if (C <= 0.0) return false;
    front[frontCount++] = {-180.0, 180.0};
  } else {
    const double x = -C / R;
    if (x >= 1.0) return false;
    if (x <= -1.0) {
      front[frontCount++] = {-180.0, 180.0};
    } else {
      const double centre = Degrees(std::atan2(B, A));
      const double w = AcosDeg(x);
      double lo = centre - w;
      double hi = centre + w;
      if (lo < -180.0) {
        front[frontCount++] = {-180.0, hi};
        front[frontCount++] = {lo + 360.0, 180.0};
      } else if (hi > 180.0) {
        front[frontCount++] = {lo, 180.0};
        front[frontCount++] = {-180.0, hi - 360.0};
      } else {
        front[frontCount++] = {lo, hi};
      }
    }
  }

  bool any = false;
  for (int k = 0; k < frontCount; ++k) {
    const double lo = std::max(front[k].lo, day.lo);
    const double hi = std::min(front[k].hi, day.hi);
    if (hi - lo <= 1e-7) continue;  // touching only at an edge
    if (!any) {
      *first = lo;
      *last = hi;
      any = true;
    } else {
      *first = std::min(*first, lo);
      *last = std::max(*last, hi);
    }
  }
  return any;
}

}  // namespace

SunlitExtremes SunlitPlaneExtremes(double inclination, double planeDeclination, double latitude,
                                   double obliquity) {
  // The plane's normal: altitude 90 - i, azimuth D, in (south, west, up).
  const double na = 90.0 - inclination;
  const double nS = CosDeg(na) * CosDeg(planeDeclination);
  const double nW = CosDeg(na) * SinDeg(planeDeclination);
  const double nU = SinDeg(na);

  SunlitExtremes result;
  auto consider = [&](double d) {
    double first = 0.0, last = 0.0;
    if (!LitSpan(latitude, d, nS, nW, nU, &first, &last)) return;
    const double firstTime = 12.0 + first / 15.0;
    const double lastTime = 12.0 + last / 15.0;
    if (!result.everLit || firstTime < result.earliestFirstLight) {
      result.earliestFirstLight = firstTime;
      result.declinationAtEarliest = d;
    }
    if (!result.everLit || lastTime > result.latestLastLight) {
      result.latestLastLight = lastTime;
      result.declinationAtLatest = d;
    }
    result.everLit = true;
  };
  const double eps = std::abs(obliquity);
  consider(eps);
  // 23.45, 23.40, ... strictly between the solstice declinations.
  for (int k = 0; k < 2000; ++k) {
    const double d = 23.45 - 0.05 * k;
    if (d <= -eps) break;
    if (d < eps) consider(d);
  }
  consider(-eps);
  return result;
}

}  // namespace kelvra::astro
