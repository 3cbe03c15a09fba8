#include "astro/rise_set.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/series_direction.h"

namespace kelvra::astro {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Fractional part in 0..1.
double Frac(double x) { return x - std::floor(x); }

}  // namespace

double EventAltitude(RiseSetKind kind, TwilightKind twilight) {
  switch (kind) {
    case RiseSetKind::Moon:
      return 8.0 / 60.0;
    case RiseSetKind::Sun:
      return -50.0 / 60.0;
    case RiseSetKind::Twilight:
      switch (twilight) {
        case TwilightKind::Civil:
          return -6.0;
        case TwilightKind::Nautical:
          return -12.0;
        case TwilightKind::Astronomical:
          return -18.0;
      }
  }
  return -18.0;
}

SeriesDirection SunSeriesDirection(double T) {
  const double M = kTwoPi * Frac(0.993133 + 99.997351 * T);
  const double sinM = std::sin(M);
  const double DL = 6893.0 * sinM + 72.0 * (2.0 * sinM * std::cos(M));  // sin 2M
  const double L = kTwoPi * Frac(0.7859453 + M / kTwoPi + (6191.2 * T + DL) / 1296000.0);
  const double SL = std::sin(L);
  SeriesDirection r;
  r.X = std::cos(L);
  r.Y = 0.91748 * SL;
  r.Z = 0.39778 * SL;
  r.RHO = std::sqrt(1.0 - r.Z * r.Z);
  return r;
}

EquatorialPosition LowPrecisionSun(double T) {
  const SeriesDirection d = SunSeriesDirection(T);
  EquatorialPosition p;
  p.declination = 57.29577951471995 * std::atan(d.Z / d.RHO);
  p.rightAscension = 7.639437268629327 * std::atan(d.Y / (d.X + d.RHO));
  if (p.rightAscension < 0.0) p.rightAscension += 24.0;
  return p;
}

double LocalMeanSiderealTime(double mjd, double longitude) {
  const double M1 = std::trunc(mjd);
  const double UT = (mjd - M1) * 24.0;
  const double T1 = (M1 - 51544.5) / 36525.0;
  const double gmst = 6.697374558 + 1.0027379093 * UT +
                      (8640184.812866 + (0.093104 - 0.0000062 * T1) * T1) * T1 / 3600.0;
  return 24.0 * Frac((gmst - longitude / 15.0) / 24.0);
}

double LocalMidnightMjd(int day, int month, int year, double zoneMeridian) {
  return ModifiedJulianDate(day, month, year, 0.0) - zoneMeridian / -360.0;
}

double SinAltitude(RiseSetKind kind, double mjd0, double hours, double sinLat, double cosLat,
                   double longitude) {
  const double M = mjd0 + hours / 24.0;
  const double T = (M - 51544.5) / 36525.0;
  const SeriesDirection d =
      kind == RiseSetKind::Moon ? MoonSeriesDirection(T) : SunSeriesDirection(T);
  // sin dec = Z, cos dec = RHO; the right ascension RA = 2 arctan(t) enters
  // through cos(LMST - RA) = cos LMST cos RA + sin LMST sin RA.
  const double denominator = d.X + d.RHO;
  double cosRa = -1.0, sinRa = 0.0;
  if (denominator != 0.0) {
    const double t = d.Y / denominator;
    const double q = 1.0 / (1.0 + t * t);
    cosRa = (1.0 - t * t) * q;
    sinRa = 2.0 * t * q;
  }
  const double theta = Radians(15.0 * LocalMeanSiderealTime(M, longitude));
  const double cosTau = std::cos(theta) * cosRa + std::sin(theta) * sinRa;
  return sinLat * d.Z + cosLat * d.RHO * cosTau;
}

QuadraticResult QuadraticRoots(double yMinus, double y0, double yPlus) {
  QuadraticResult r;
  const double a = 0.5 * (yPlus + yMinus) - y0;
  const double b = 0.5 * (yPlus - yMinus);
  if (a == 0.0) return r;
  r.xExtreme = -b / (2.0 * a);
  r.yExtreme = (a * r.xExtreme + b) * r.xExtreme + y0;
  const double dis = b * b - 4.0 * a * y0;
  if (dis < 0.0) return r;
  const double dx = 0.5 * std::sqrt(dis) / std::abs(a);
  r.root1 = r.xExtreme - dx;
  r.root2 = r.xExtreme + dx;
  if (std::abs(r.root1) <= 1.0) ++r.count;
  if (std::abs(r.root2) <= 1.0) ++r.count;
  if (r.root1 < -1.0) r.root1 = r.root2;
  return r;
}

namespace {

// The search over one day. `sample(h)` gives the sine of the altitude h hours
// after local midnight; it is called for whole hours 0..24 only.
template <typename Sample>
RiseSetResult SearchDay(double sinH0, Sample&& sample) {
  double yMinus = sample(0) - sinH0;
  const bool above = yMinus > 0.0;
  bool haveRise = false, haveSet = false;
  double rise = 0.0, set = 0.0;
  for (int h = 1; h < 25 && !(haveRise && haveSet); h += 2) {
    const double y0 = sample(h) - sinH0;
    const double yPlus = sample(h + 1) - sinH0;
    const QuadraticResult q = QuadraticRoots(yMinus, y0, yPlus);
    if (q.count == 1) {
      if (yMinus < 0.0) {
        rise = h + q.root1;
        haveRise = true;
      } else {
        set = h + q.root1;
        haveSet = true;
      }
    } else if (q.count == 2) {
      if (q.yExtreme >= 0.0) {
        rise = h + q.root1;
        set = h + q.root2;
      } else {
        rise = h + q.root2;
        set = h + q.root1;
      }
      haveRise = haveSet = true;
    }
    yMinus = yPlus;
  }

  RiseSetResult result;
  if (haveRise) result.rise = rise;
  if (haveSet) result.set = set;
  if (haveRise && haveSet) result.state = RiseSetState::Normal;
  else if (haveRise) result.state = RiseSetState::NoSet;
  else if (haveSet) result.state = RiseSetState::NoRise;
  else result.state = above ? RiseSetState::AlwaysUp : RiseSetState::AlwaysDown;
  return result;
}

}  // namespace

RiseSetResult RiseSetForDay(RiseSetKind kind, double mjd0, double sinLat, double cosLat,
                            double longitude, TwilightKind twilight) {
  const double sinH0 = SinDeg(EventAltitude(kind, twilight));
  return SearchDay(sinH0, [&](int h) {
    return SinAltitude(kind, mjd0, h, sinLat, cosLat, longitude);
  });
}

DayRiseSet RiseSetAllForDay(double mjd0, double sinLat, double cosLat, double longitude,
                            TwilightKind twilight) {
  // The sun and the twilight search read the same sun samples.
  std::array<double, 25> sunSamples;
  std::array<bool, 25> have{};
  auto sun = [&](int h) {
    if (!have[h]) {
      sunSamples[h] = SinAltitude(RiseSetKind::Sun, mjd0, h, sinLat, cosLat, longitude);
      have[h] = true;
    }
    return sunSamples[h];
  };
  DayRiseSet day;
  day.sun = SearchDay(SinDeg(EventAltitude(RiseSetKind::Sun)), sun);
  day.twilight = SearchDay(SinDeg(EventAltitude(RiseSetKind::Twilight, twilight)), sun);
  day.moon = RiseSetForDay(RiseSetKind::Moon, mjd0, sinLat, cosLat, longitude);
  return day;
}

RiseSetResult RiseSetForDate(RiseSetKind kind, int day, int month, int year, double latitude,
                             double longitude, double zoneMeridian, TwilightKind twilight) {
  return RiseSetForDay(kind, LocalMidnightMjd(day, month, year, zoneMeridian),
                       SinDeg(latitude), CosDeg(latitude), longitude, twilight);
}

const char* RiseSetStateName(RiseSetState state) {
  switch (state) {
    case RiseSetState::AlwaysUp:
      return "alwaysUp";
    case RiseSetState::AlwaysDown:
      return "alwaysDown";
    default:
      return "normal";
  }
}

}  // namespace kelvra::astro
