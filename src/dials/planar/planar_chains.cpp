#include "dials/planar/planar_chains.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "texts/planar.h"

namespace kelvra::dials::planar {

namespace {

using astro::AcosDeg;
using astro::AsinDeg;
using astro::AtanDeg;
using astro::ClampUnit;
using astro::CosDeg;
using astro::Degrees;
using astro::SinDeg;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class Tracer {
 public:
  Tracer(PlanarDial& dial) : d_(dial), f_(dial.frame), year_(dial.frame.site.year) {}

  Chain& Begin(LineFamily family, bool sub) {
    Chain c;
    c.family = family;
    c.subdivision = sub;
    c.first = static_cast<std::uint32_t>(d_.points.size());
    d_.chains.push_back(std::move(c));
    return d_.chains.back();
  }
  void End() {
    Chain& c = d_.chains.back();
    c.count = static_cast<std::uint32_t>(d_.points.size()) - c.first;
    if (c.count == 0) d_.chains.pop_back();
  }
  void Add(const ShadowPoint& p, float hour = -1) {
    d_.points.push_back(ChainPoint{p.x, p.y, p.lit, hour});
  }

  // A chain over a whole day for a fixed declination or a date:
  // t = 0, 0.25, ..., 24 (97 points); an unlit start point is mirrored through O.
  void DayChain(bool fixedDeclination, double declination, int day) {
    const bool equinox = day == astro::DayOfYear(year_, 3, 21) ||
                         day == astro::DayOfYear(year_, 9, 23);
    double delta = declination;
    double hourShift = 0;
    if (equinox) {
      delta = 0;
    } else if (!fixedDeclination) {
      // The declination of 12:00 zone time of the day, as SunPositionNoonEphemeris
      // uses it for every point of the line.
      delta = d_.sun.NoonDeclination(day);
      hourShift = -(f_.timeLongitude - f_.site.zoneMeridian);
    }
    for (int j = 0; j <= 96; ++j) {
      const double t = j / 4.0;
      ShadowPoint p = ProjectSky(f_, delta, 15.0 * t - 180.0 + hourShift);
      if (j == 0 && !p.lit) {
        p.x = -p.x;
        p.y = -p.y;
      }
      Add(p, j % 4 == 0 ? static_cast<float>(j / 4) : -1.0f);
    }
  }

  // An hour line: clock time T held fixed while the day runs over the year.
  // Days 171, 176, 179, ... (apparent time, June to December) or 1, 6, 9, ...
  // (mean time, the whole loop).
  void HourChain(double T, bool withEot, int firstDay, int lastDay) {
    const double lon = withEot ? f_.meanTimeLongitude : f_.timeLongitude;
    int step = 5;
    for (int day = firstDay; day <= lastDay; day += step, step = 3) {
      const auto s = astro::SunAt(d_.sun, day, T + f_.clockOffset, f_.equivalentLatitude, lon,
                           f_.site.zoneMeridian, withEot);
      Add(ProjectShadow(f_, s.altitude, s.azimuth));
    }
  }

  PlanarDial& d_;
  const PlanarFrame& f_;
  int year_;
};

void TraceDateLines(Tracer& tr, PlanarDial& d) {
  for (const auto& e : d.dateLines.entries) {
    Chain& c = tr.Begin(LineFamily::DateLine, false);
    c.label = e.label;
    c.fromDeclination = e.useDeclination;
    c.declination = e.declination;
    c.value = e.day;
    tr.DayChain(e.useDeclination, e.declination, e.day);
    tr.End();
  }
}

void TraceDayLengthLines(Tracer& tr, PlanarDial& d) {
  for (std::size_t k = 0; k < d.dayLengthDeclinations.size(); ++k) {
    const double delta = d.dayLengthDeclinations[k];
    if (std::isnan(delta)) continue;
    for (int sign : {1, -1}) {
      Chain& c = tr.Begin(LineFamily::DayLength, false);
      c.fromDeclination = true;
      c.declination = sign * delta;
      c.number = 12 + sign * static_cast<int>(k + 1);
      c.value = c.number;
      tr.DayChain(true, sign * delta, 0);
      tr.End();
    }
  }
}

void TraceHourLines(Tracer& tr, const config::DialParameters& p, bool withEot) {
  const int from = withEot ? p.eotHoursFrom : p.hoursFrom;
  const int to = withEot ? p.eotHoursTo : p.hoursTo;
  const int s = withEot ? SubdivisionsOfEotCode(p.eotHourInterval)
                        : SubdivisionsOfMinuteCode(p.hourInterval);
  for (int H = from; H <= to; ++H) {
    for (int k = 0; k < s; ++k) {
      const double T = H + static_cast<double>(k) / s;
      if (T > to + 1e-9) break;
      Chain& c = tr.Begin(withEot ? LineFamily::MeanHour : LineFamily::ApparentHour, k != 0);
      c.value = T;
      c.number = H;
      if (withEot) {
        tr.HourChain(T, true, 1, 366);
      } else {
        tr.HourChain(T, false, 171, 365);
      }
      tr.End();
    }
  }
}

void TraceAnalemma(Tracer& tr, PlanarDial& d, const config::DialParameters& p) {
  const double T = p.analemmaHour;
  Chain& c = tr.Begin(LineFamily::Analemma, false);
  c.value = T;
  c.number = p.analemmaHour;
  tr.HourChain(T, true, 1, 366);
  tr.End();
  static const int kDays[5][4] = {{1, 0, 0, 0}, {1, 15, 0, 0}, {7, 22, 0, 0}, {1, 11, 21, 0},
                                  {1, 8, 15, 22}};
  const int which = p.analemmaDays >= 0 && p.analemmaDays <= 4 ? p.analemmaDays : 1;
  const auto& f = d.frame;
  for (int month = 1; month <= 12; ++month) {
    for (int i = 0; i < 4 && kDays[which][i] != 0; ++i) {
      const int day = astro::DayOfYear(f.site.year, month, kDays[which][i]);
      const auto s = astro::SunAt(d.sun, day, T + f.clockOffset, f.equivalentLatitude,
                           f.meanTimeLongitude, f.site.zoneMeridian, true);
      const auto pt = ProjectShadow(f, s.altitude, s.azimuth);
      d.marks.push_back(AnalemmaMark{pt.x, pt.y, pt.lit, i == 0});
    }
  }
}

void TraceHourLabels(PlanarDial& d, const config::DialParameters& p) {
  int from = p.hoursFrom, to = p.hoursTo;
  if (!p.hoursApparent && p.hoursWithEot) {
    from = p.eotHoursFrom;
    to = p.eotHoursTo;
  }
  const auto& f = d.frame;
  const int year = f.site.year;
  const int equinox = astro::DayOfYear(year, 9, 23);
  const int june = astro::DayOfYear(year, 6, 21);
  const int december = astro::DayOfYear(year, 12, 21);
  for (int hour : {6, 9, 12, 15, 18, 21}) {
    if (hour < from || hour > to) continue;
    HourLabel l;
    l.hour = hour;
    auto at = [&](int day, double* altitude, double* azimuth) {
      const auto s = astro::SunAt(d.sun, day, hour + f.clockOffset, f.equivalentLatitude,
                           f.timeLongitude, f.site.zoneMeridian, false);
      if (altitude) *altitude = s.altitude;
      if (azimuth) *azimuth = s.azimuth;
      return ProjectShadow(f, s.altitude, s.azimuth);
    };
    l.equinox = at(equinox, nullptr, nullptr);
    l.june = at(june, &l.juneAltitude, &l.juneAzimuth);
    l.december = at(december, &l.decemberAltitude, &l.decemberAzimuth);
    d.hourLabels.push_back(l);
  }
}

// Temporal hours: the day is divided into 12 equal hours from sunrise to sunset.
void TraceTemporal(Tracer& tr, PlanarDial& d, const config::DialParameters& p, double eps,
                   shell::MessageSink& messages) {
  const auto& f = d.frame;
  const double phi = f.site.latitude;
  if (std::fabs(phi) > 66.0) {
    d.temporalRefused = true;
    messages.Show(shell::MessageKind::Problem, shell::Get(texts::planar::kTemporalRefused),
                  shell::MessageButtons::Ok);
    return;
  }
  const int year = f.site.year;
  const int from = std::clamp(p.temporalFrom, 0, 12);
  const int to = std::clamp(p.temporalTo, 0, 12);
  const int s = std::clamp(p.temporalInterval, 0, 3) + 1;
  const int june21 = astro::DayOfYear(year, 6, 21);
  const bool extend = p.extendTemporal && phi > 0;
  if (p.extendTemporal && phi < 0 && !f.umbrella) d.temporalExtensionSkipped = true;

  // The normal of the face for the "lit" test of the extension.
  double normalAltitude = 90, normalAzimuth = 0;
  if (f.kind == 'v') {
    normalAltitude = 0;
    normalAzimuth = f.declination;
  } else if (f.kind == 'i') {
    normalAltitude = 90 - f.inclination;
    normalAzimuth = f.declination;
  }

  // The days of the lines with the declination of their noon and its
  // geometric half-arc: steps of 15 days before 21 June and after day 340, 10
  // (5 for the umbrella) between, the last step ending on day 356.
  struct ArcPoint {
    double declination;
    double halfArc;  // sunset hour angle H0, degrees
  };
  std::vector<ArcPoint> noonDays;
  for (int day = june21 - (f.umbrella ? 5 : 15);;) {
    const double delta = d.sun.NoonDeclination(day);
    noonDays.push_back({delta, astro::SunsetHourAngle(phi, delta).hourAngle});
    if (day >= 356) break;
    const int step = (day < june21 || day > 340) ? 15 : (f.umbrella ? 5 : 10);
    day = std::min(day + step, 356);
  }
  // Beyond the solstice lines the declination steps by 0.1 degree from the
  // solstice toward each pole, as long as the sun still rises and sets.
  std::vector<ArcPoint> beyond[2];
  if (extend) {
    for (int side : {-1, 1}) {
      auto& points = beyond[side > 0];
      for (int j = 0;; ++j) {
        const double delta = side * (eps + 0.1 * j);
        if (side < 0 && !(delta - 0.2 > phi - 90.0)) break;
        if (side > 0 && !(delta + 0.1 < 90.0 - phi)) break;
        points.push_back({delta, astro::SunsetHourAngle(phi, delta).hourAngle});
      }
    }
  }

  for (int n = from; n <= to; ++n) {
    for (int k = 0; k < s; ++k) {
      const double tau = n + static_cast<double>(k) / s;
      if (tau > to + 1e-9) break;
      Chain& c = tr.Begin(LineFamily::Temporal, k != 0);
      c.value = tau;
      c.number = n;
      for (const ArcPoint& a : noonDays) {
        const double T = 12.0 - (6.0 - tau) * (a.halfArc / 90.0) + f.clockOffset;
        const auto sp = astro::HorizontalFromHourAngle(f.equivalentLatitude, a.declination,
                                                       15.0 * (T - 12.0));
        tr.Add(ProjectShadow(f, sp.altitude, sp.azimuth));
      }
      tr.End();
      if (!extend) continue;
      for (int side : {-1, 1}) {
        Chain& e = tr.Begin(LineFamily::Temporal, k != 0);
        e.value = tau;
        e.number = n;
        for (const ArcPoint& a : beyond[side > 0]) {
          const double T = 12.0 - (6.0 - tau) * (a.halfArc / 90.0);
          ShadowPoint pt = ProjectSky(f, a.declination, 15.0 * (T - 12.0));
          pt.lit = pt.lit &&
                   astro::SunLightsPlane(T, a.declination, phi, normalAltitude, normalAzimuth);
          tr.Add(pt);
        }
        tr.End();
      }
    }
  }
}

// Babylonian hours count from sunrise, Italian hours from sunset.
void TraceBabylonianItalian(Tracer& tr, PlanarDial& d, const config::DialParameters& p,
                            shell::MessageSink& messages) {
  const auto& f = d.frame;
  const double phi = f.site.latitude;
  if (std::fabs(phi) > 65.0) {
    d.babylonianItalianRefused = true;
    messages.Show(shell::MessageKind::Problem, shell::Get(texts::planar::kBabylonianItalianRefused),
                  shell::MessageButtons::Ok);
    return;
  }
  const int year = f.site.year;
  const double zm = f.site.zoneMeridian;
  const double lon = f.site.longitude;
  struct DateRow {
    int day;
    double rise, set;
  };
  DateRow rows[21];
  int count = 0;
  for (int month = 6; month <= 12; ++month) {
    for (int dd : {1, 11, 21}) {
      const int day = astro::DayOfYear(year, month, dd);
      DateRow r{day, 0, 0};
      const auto ss = astro::SunsetHourAngle(phi, d.sun.NoonDeclination(day));
      if (ss.hourAngle >= 180.0 - 1e-9) {
        r.rise = 0;
        r.set = 24;
      } else if (ss.hourAngle <= 1e-9) {
        r.rise = -1;
        r.set = 0;
      } else {
        r.rise = 12.0 - ss.hourAngle / 15.0 + (zm - lon) / 15.0;
        r.set = 12.0 + ss.hourAngle / 15.0 + (zm - lon) / 15.0;
      }
      rows[count++] = r;
    }
  }
  auto family = [&](bool italian, bool on, int from, int to, int code) {
    if (!on) return;
    const int s = SubdivisionsOfMinuteCode(code);
    for (int n = from; n <= to; ++n) {
      for (int k = 0; k < s; ++k) {
        const double frac = n + static_cast<double>(k) / s;
        if (frac > to + 1e-9) break;
        Chain& c = tr.Begin(italian ? LineFamily::Italian : LineFamily::Babylonian, k != 0);
        c.value = frac;
        c.number = n;
        for (int i = 0; i < count; ++i) {
          const auto& r = rows[i];
          const double T = italian ? r.set - (24.0 - frac) : r.rise + frac;
          ShadowPoint pt;
          const bool valid = r.rise < r.set && r.rise > 0 && T >= r.rise && T <= r.set;
          if (valid) {
            const auto sp = astro::SunAt(d.sun, r.day, T + f.clockOffset - (zm - lon) / 15.0,
                                  f.equivalentLatitude, zm, zm, false);
            pt = ProjectShadow(f, sp.altitude, sp.azimuth);
          }
          if (i == 11 && k == 0 && n % 2 == 0 && valid) {
            c.labelPoint = static_cast<int>(d.points.size() - c.first);
          }
          tr.Add(pt);
        }
        tr.End();
      }
    }
  };
  family(false, p.babylonianHours, p.babylonianFrom, p.babylonianTo, p.babylonianInterval);
  family(true, p.italianHours, p.italianFrom, p.italianTo, p.italianInterval);
}

// The morning azimuth (degrees from south, negative) at which the sun of
// declination δ reaches altitude h at latitude φ; NaN when it never does.
double MorningAzimuthAt(double phi, double delta, double h) {
  const double c = (SinDeg(h) - SinDeg(phi) * SinDeg(delta)) / (CosDeg(phi) * CosDeg(delta));
  if (c > 1.0 || c < -1.0) return kNaN;
  const double H = -AcosDeg(c);
  return astro::HorizontalFromHourAngle(phi, delta, H).azimuth;
}

// Circles of equal sun altitude between the azimuths the sun reaches them over
// the year, morning and afternoon halves.
void TraceAltitude(Tracer& tr, PlanarDial& d, const config::DialParameters& p, double eps) {
  const auto& f = d.frame;
  const double phi = f.site.latitude;
  const double step = config::AltitudeIntervalDegrees(p.altitudeInterval);
  const double first = (p.altitudeFrom / 10) * 10;
  // The sun's direction (true altitude, azimuth) to the face.
  auto project = [&](double h, double A) {
    // True horizon direction to equatorial (declination, hour angle) at φ.
    const double sh = SinDeg(h), ch = CosDeg(h);
    const double sa = SinDeg(A), ca = CosDeg(A);
    const double sp = SinDeg(phi), cp = CosDeg(phi);
    const double sinDelta = sp * sh - cp * ch * ca;
    const double delta = AsinDeg(ClampUnit(sinDelta));
    const double H = Degrees(std::atan2(ch * sa, sh * cp + ch * ca * sp));
    return ProjectSky(f, delta, H);
  };
  for (double h = first; h <= p.altitudeTo + 1e-9; h += step) {
    if (h <= 0 || h >= 90) continue;
    const double aSummer = MorningAzimuthAt(phi, phi >= 0 ? eps : -eps, h);
    const double aWinter = MorningAzimuthAt(phi, phi >= 0 ? -eps : eps, h);
    if (std::isnan(aSummer)) continue;  // never reached
    // |A| runs from the winter limit (or the meridian) to the summer limit.
    const double noon = phi >= 0 ? 0.0 : 180.0;
    double lo = std::isnan(aWinter) ? noon : std::fabs(aWinter);
    double hi = std::fabs(aSummer);
    for (int side : {-1, 1}) {
      Chain& c = tr.Begin(LineFamily::Altitude, false);
      c.value = h;
      const double dir = hi >= lo ? 1.0 : -1.0;
      const int steps = static_cast<int>(std::floor(std::fabs(hi - lo) / 2.0));
      for (int j = 0; j <= steps + 1; ++j) {
        const double absA = j <= steps ? lo + dir * 2.0 * j : hi;
        tr.Add(project(h, side * absA));
      }
      tr.End();
    }
  }
}

}  // namespace

int SubdivisionsOfMinuteCode(int code) {
  const int minutes = config::MinuteIntervalMinutes(code);
  return minutes > 0 ? 60 / minutes : 1;
}

int SubdivisionsOfEotCode(int code) {
  const int minutes = config::EotIntervalMinutes(code);
  return minutes > 0 ? 60 / minutes : 1;
}

int CanvasColorOf(LineFamily family, bool sub) {
  switch (family) {
    case LineFamily::DateLine: return 1;
    case LineFamily::DayLength: return 11;
    case LineFamily::ApparentHour: return sub ? 8 : 3;
    case LineFamily::MeanHour: return sub ? 2 : 4;
    case LineFamily::Analemma: return 4;
    case LineFamily::Temporal: return 10;
    case LineFamily::Babylonian: return sub ? 8 : 7;
    case LineFamily::Italian: return sub ? 8 : 6;
    case LineFamily::Altitude: return 5;
  }
  return 1;
}

int PlotPenOf(LineFamily family, bool sub) {
  if ((family == LineFamily::Babylonian || family == LineFamily::Italian) && sub) return 9;
  return CanvasColorOf(family, sub);
}

std::vector<double> DayLengthDeclinations(double latitude, double obliquity) {
  std::vector<double> out(12, kNaN);
  const double a = std::fabs(latitude);
  if (a < 0.01) return out;
  for (int k = 1; k <= 12; ++k) {
    double delta = AtanDeg(SinDeg(7.5 * k) * CosDeg(a) / SinDeg(a));
    if (std::fabs(delta) > obliquity) continue;
    if (std::fabs(delta) < 1.0) delta = 0;
    out[static_cast<std::size_t>(k - 1)] = delta;
  }
  return out;
}

PlanarDial BuildPlanarDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                           const std::vector<std::string>& ownDateLines, double zoom,
                           shell::MessageSink* messages) {
  PlanarDial out;
  BuildPlanarDial(out, site, dial, ownDateLines, zoom, messages);
  return out;
}

void BuildPlanarDial(PlanarDial& out, const shell::SiteSettings& site,
                     const config::DialParameters& p,
                     const std::vector<std::string>& ownDateLines, double zoom,
                     shell::MessageSink* messages) {
  shell::MessageSink& sink = messages ? *messages : shell::CurrentMessageSink();
  out.points.clear();
  out.chains.clear();
  out.marks.clear();
  out.hourLabels.clear();
  out.dayLengthDeclinations.clear();
  out.refused = out.temporalRefused = out.babylonianItalianRefused = false;
  out.temporalExtensionSkipped = false;
  out.params = p;
  out.frame = MakePlanarFrame(site, p, zoom);
  const auto zodiac = astro::ComputeZodiacDeclinations(site.year);
  const double eps = zodiac.roundedObliquity;
  out.pole = PolePoint(out.frame, p.linesToFoot);
  out.sun.Ensure(site.year, site.zoneMeridian);

  if (out.frame.umbrella && out.frame.kind == 'i') {
    const double r = p.umbrellaRadiusPercent;
    if (r == 0) {
      out.refused = true;
      sink.Show(shell::MessageKind::Error, shell::Get(texts::planar::kUmbrellaRadiusZero),
                shell::MessageButtons::Ok);
    } else if (AtanDeg(r / 100.0) + p.axisInclination > 85.0) {
      out.refused = true;
      sink.Show(shell::MessageKind::Warning, shell::Get(texts::planar::kUmbrellaInclination),
                shell::MessageButtons::Ok);
    }
    if (out.refused) return;
  }

  // Enough room for every line at the finest intervals; the vectors keep their
  // capacity when a dial is traced again.
  out.points.reserve(60000);
  out.chains.reserve(1200);

  Tracer tr(out);
  out.dateLines = BuildDateLineSet(p.dateLineMode, ownDateLines, site.year, zodiac, &sink);
  if (p.sunshineDurationLines) {
    out.dayLengthDeclinations = DayLengthDeclinations(site.latitude, eps);
    TraceDayLengthLines(tr, out);
  }
  TraceDateLines(tr, out);
  TraceHourLabels(out, p);
  if (p.hoursApparent) TraceHourLines(tr, p, false);
  if (p.hoursWithEot) TraceHourLines(tr, p, true);
  if (p.markAnalemma) TraceAnalemma(tr, out, p);
  if (p.temporalHours) TraceTemporal(tr, out, p, eps, sink);
  if (p.babylonianHours || p.italianHours) TraceBabylonianItalian(tr, out, p, sink);
  if (p.altitudeLines) TraceAltitude(tr, out, p, eps);
}

}  // namespace kelvra::dials::planar
