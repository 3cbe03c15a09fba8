#include "dials/azimuthal/azimuthal_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "texts/azimuthal.h"

namespace kelvra::dials::azimuthal {

namespace {

// Sun altitudes (degrees) at which a point is left out and its line broken.
constexpr double kHighestAltitude = 89.0;

bool Usable(double altitude) { return altitude > 0 && altitude < kHighestAltitude; }

// A day of the hour lines with what every system needs of it.
struct DayInfo {
  int day = 0;
  double ringParam = 0;    // variant 0: the day's ring
  double declination = 0;  // at 12:00 zone time
  double halfArc = 0;      // geometric sunset hour angle, 0 .. 180 (0: no sunrise, 180: no sunset)
};

class Tracer {
 public:
  explicit Tracer(AzimuthalDial& dial) : dial_(dial) {}
  void Begin(const Chain& proto) {
    proto_ = proto;
    open_ = false;
  }
  void Add(const DirPoint& p) {
    if (!open_) {
      Chain c = proto_;
      c.first = static_cast<std::uint32_t>(dial_.points.size());
      c.count = 0;
      dial_.chains.push_back(c);
      open_ = true;
    }
    dial_.points.push_back(p);
    ++dial_.chains.back().count;
  }
  void Break() { open_ = false; }

 private:
  AzimuthalDial& dial_;
  Chain proto_;
  bool open_ = false;
};

struct SystemRange {
  HourSystem system;
  int from, to;
  int perHour;  // values per hour
};

int PerHourOfMinuteCode(int code) {
  const int minutes = config::MinuteIntervalMinutes(code);
  return minutes > 0 ? 60 / minutes : 1;
}

int ColourOf(HourSystem s, bool full, int variant) {
  if (variant == 0) {
    if (!full) return 3;
    switch (s) {
      case HourSystem::Ordinary: return 2;
      case HourSystem::Temporal: return 8;
      case HourSystem::Babylonian: return 4;
      case HourSystem::Italian: return 10;
    }
  }
  switch (s) {
    case HourSystem::Ordinary: return full ? 2 : 3;
    case HourSystem::Temporal: return full ? 8 : 9;
    case HourSystem::Babylonian: return full ? 1 : 5;
    case HourSystem::Italian: return full ? 10 : 9;
  }
  return 3;
}

double NoonDeclination(int year, int day, double zoneMeridian) {
  return astro::ComputeSolarDay(year, astro::DayArgumentForZoneTime(day, 12.0, zoneMeridian))
      .declination;
}

// Rise and set of a declination: the azimuths and whether the sun sets at all.
void RiseAndSet(double latitude, double declination, Ring& r) {
  const astro::SunsetResult s = astro::SunsetHourAngle(latitude, declination);
  r.polarNight = s.hourAngle <= 0;
  r.polarDay = s.hourAngle >= 180;
  r.setAzimuth = s.azimuth;
  r.riseAzimuth = -s.azimuth;
  r.noonShadowDown = latitude >= declination;
}

}  // namespace

Projection ProjectionOf(int spacing) {
  switch (spacing) {
    case 1: return Projection::Tonne;
    case 2: return Projection::Stereographic;
    case 3: return Projection::Orthographic;
    default: return Projection::EqualDistances;
  }
}

double AltitudeRadius(Projection projection, double h, double R) {
  switch (projection) {
    case Projection::EqualDistances: return R * (1.0 - h / 90.0);
    case Projection::Stereographic: return R * astro::TanDeg(45.0 - h / 2.0);
    case Projection::Orthographic: return R * astro::CosDeg(h);
    case Projection::Tonne: {
      const double s = R, t = R;
      const double u = std::sqrt(s * s / 4.0 + t * t) - s / 2.0;
      return astro::CosDeg(h) * 2.0 * t * (t * t - u * u) /
             (astro::SinDeg(h) * (t * t + u * u) + 2.0 * u * t);
    }
  }
  return 0;
}

double DayRingParam(int year, int day, bool juneOutside) {
  const int last = astro::DayOfYear(year, 12, 31);
  return juneOutside ? (last - day) / 365.0 : (day - 1) / 365.0;
}

double DeclinationRingParam(double declination, double obliquity, bool juneOutside) {
  return juneOutside ? (obliquity + declination) / (2.0 * obliquity)
                     : (obliquity - declination) / (2.0 * obliquity);
}

AzimuthalDial BuildAzimuthalDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                                 const calc::HorizonProfile* horizon, shell::MessageSink& messages) {
  AzimuthalDial out;
  out.site = site;
  out.params = dial;
  const config::DialParameters& p = out.params;
  out.variant = p.azimuthCircleMode == 0 ? 0 : 1;
  out.projection = ProjectionOf(p.altitudeCircleSpacing);
  out.zodiacRings = out.variant == 0 && p.azimuthZodiacScale;
  const double phi = site.latitude;
  out.lowLatitude = std::fabs(phi) < 24;
  const astro::ZodiacTable zodiac = astro::ComputeZodiacDeclinations(site.year);
  out.obliquity = zodiac.roundedObliquity;
  const double eps = out.obliquity;
  const int year = site.year;

  if (p.temporalHours) out.additionalSystems.push_back(HourSystem::Temporal);
  if (p.babylonianHours) out.additionalSystems.push_back(HourSystem::Babylonian);
  if (p.italianHours) out.additionalSystems.push_back(HourSystem::Italian);

  if (out.variant == 0 && std::fabs(phi) > 66 && p.temporalHours) {
    out.refused = true;
    messages.Show(shell::MessageKind::Problem,
                  shell::Get(texts::azimuthal::kTemporalRefused) + "\n" +
                      shell::Get(texts::azimuthal::kNotConstructed),
                  shell::MessageButtons::Ok);
    return out;
  }

  auto ringOfDay = [&](int day, double declination) {
    return out.zodiacRings ? DeclinationRingParam(declination, eps, p.juneOutside)
                           : DayRingParam(year, day, p.juneOutside);
  };
  Tracer tracer(out);

  if (out.variant == 0) {
    // Rings of the 1st and the 16th of every month, or of the beginning and
    // the middle of every zodiac sign.
    if (out.zodiacRings) {
      for (int i = 0; i <= 36; i += 3) {
        Ring r;
        const double d = zodiac.declinations[static_cast<std::size_t>(i)];
        r.param = DeclinationRingParam(d, eps, p.juneOutside);
        r.colour = i % 6 == 0 ? 7 : 6;
        if (i % 6 == 0) r.sign = i / 6;
        RiseAndSet(phi, d, r);
        out.rings.push_back(r);
      }
    } else {
      for (int m = 1; m <= 12; ++m) {
        for (int dd : {1, 16}) {
          const int day = astro::DayOfYear(year, m, dd);
          Ring r;
          const double d = NoonDeclination(year, day, site.zoneMeridian);
          r.param = DayRingParam(year, day, p.juneOutside);
          r.colour = dd == 1 ? 7 : 6;
          if (dd == 1) r.month = m;
          RiseAndSet(phi, d, r);
          out.rings.push_back(r);
        }
      }
    }
    // The sunrise and the sunset curve: days 1, 6, ..., 26 of every month
    // and 1 January of the next year.
    std::vector<std::pair<int, int>> days;  // (year, day of that year)
    for (int m = 1; m <= 12; ++m) {
      for (int dd = 1; dd <= 26; dd += 5) days.emplace_back(year, astro::DayOfYear(year, m, dd));
    }
    days.emplace_back(year + 1, 1);
    const int last = astro::DayOfYear(year, 12, 31);
    for (LineKind kind : {LineKind::SunriseCurve, LineKind::SunsetCurve}) {
      Chain proto;
      proto.kind = kind;
      proto.colour = 5;
      tracer.Begin(proto);
      for (const auto& [y, day] : days) {
        const double d = NoonDeclination(y, day, site.zoneMeridian);
        const astro::SunsetResult s = astro::SunsetHourAngle(phi, d);
        if (s.hourAngle <= 0 || s.hourAngle >= 180) {
          tracer.Break();
          continue;
        }
        const int dayOfYear = y == year ? day : last + day;
        const double az = kind == LineKind::SunriseCurve ? -s.azimuth : s.azimuth;
        tracer.Add({az, ringOfDay(dayOfYear, d), false});
      }
      tracer.Break();
    }
  }

  // ---- hour lines ------------------------------------------------------------
  std::vector<DayInfo> days;
  {
    const bool halfYear = p.azimuthZodiacScale && !p.altitudeWithEot;
    const int after = astro::DayOfYear(year, 6, 20), before = astro::DayOfYear(year, 12, 23);
    std::vector<int> list;
    for (int m = 1; m <= 12; ++m) {
      for (int dd = 1; dd <= 28; dd += 3) list.push_back(astro::DayOfYear(year, m, dd));
    }
    list.push_back(astro::DayOfYear(year, 12, 31));
    for (int day : list) {
      if (halfYear && !(day > after && day < before)) continue;
      DayInfo info;
      info.day = day;
      info.declination = NoonDeclination(year, day, site.zoneMeridian);
      info.ringParam = ringOfDay(day, info.declination);
      info.halfArc = astro::SunsetHourAngle(phi, info.declination).hourAngle;
      days.push_back(info);
    }
  }
  std::vector<SystemRange> systems;
  if (p.hoursApparent) {
    systems.push_back({HourSystem::Ordinary, p.otherHoursFrom, p.otherHoursTo,
                       PerHourOfMinuteCode(p.otherHourInterval)});
  }
  if (p.temporalHours) {
    const double step = config::TemporalIntervalHours(p.temporalInterval);
    systems.push_back({HourSystem::Temporal, p.temporalFrom, p.temporalTo,
                       std::max(1, static_cast<int>(std::lround(1.0 / step)))});
  }
  if (p.babylonianHours) {
    systems.push_back({HourSystem::Babylonian, p.babylonianFrom, p.babylonianTo,
                       PerHourOfMinuteCode(p.babylonianInterval)});
  }
  if (p.italianHours) {
    systems.push_back({HourSystem::Italian, p.italianFrom, p.italianTo,
                       PerHourOfMinuteCode(p.italianInterval)});
  }
  const double reference = p.zoneTime ? site.longitude : site.zoneMeridian;
  const bool profile = out.variant == 1 && p.horizonProfile && horizon != nullptr;

  for (const SystemRange& sys : systems) {
    for (int k = 0;; ++k) {
      const double t = sys.from + static_cast<double>(k) / sys.perHour;
      if (t > sys.to + 0.1) break;
      // With temporal hours on, no system draws the hours 0 and 12.
      if (p.temporalHours && (std::fabs(t) < 1e-9 || std::fabs(t - 12) < 1e-9)) continue;
      const bool full = std::fabs(t - std::round(t)) <= 0.1;
      Chain proto;
      proto.kind = LineKind::Hour;
      proto.system = sys.system;
      proto.full = full;
      proto.colour = ColourOf(sys.system, full, out.variant);
      proto.widthAdd = full ? 1 : 0;
      proto.value = t;
      tracer.Begin(proto);
      std::optional<DirPoint> labelAt;
      for (const DayInfo& day : days) {
        astro::HorizontalPosition s;
        if (sys.system == HourSystem::Ordinary) {
          const astro::SunPosition pos = astro::SunPositionAtClockTime(
              year, day.day, t, phi, reference, site.zoneMeridian, p.altitudeWithEot);
          s = {pos.altitude, pos.azimuth};
        } else {
          if (day.halfArc <= 0 || day.halfArc >= 180) {
            tracer.Break();
            continue;
          }
          double H = 0;
          switch (sys.system) {
            case HourSystem::Temporal: H = -(6.0 - t) * day.halfArc / 6.0; break;
            case HourSystem::Babylonian: H = -day.halfArc + 15.0 * t; break;
            case HourSystem::Italian: H = day.halfArc - 15.0 * (24.0 - t); break;
            case HourSystem::Ordinary: break;
          }
          s = astro::HorizontalFromHourAngle(phi, day.declination, H);
        }
        if (!Usable(s.altitude)) {
          tracer.Break();
          continue;
        }
        DirPoint pt;
        pt.azimuth = s.azimuth;
        pt.param = out.variant == 0 ? day.ringParam : s.altitude;
        pt.belowHorizon = profile && s.altitude < horizon->AltitudeAt(s.azimuth);
        tracer.Add(pt);
        // The label: variant 0 at the outermost point, variant 1 at the lowest sun.
        if (out.variant == 0 ? (!labelAt || pt.param > labelAt->param)
                             : (!labelAt || pt.param < labelAt->param)) {
          labelAt = pt;
        }
      }
      tracer.Break();
      if (labelAt && t - std::trunc(t) < 0.05) {
        HourLabel l;
        l.hour = static_cast<int>(std::trunc(t));
        l.system = sys.system;
        l.colour = proto.colour;
        l.at = *labelAt;
        if (out.variant == 0) {
          l.onAxis = std::fabs(std::fabs(12.0 - t) - 6.0) <= 0.1;
          out.hourLabels.push_back(l);
        } else if (labelAt->param < 25) {
          out.hourLabels.push_back(l);
        }
      }
    }
  }

  // ---- variant 1: declination lines and the horizon profile -----------------------
  if (out.variant == 1) {
    const int a = std::clamp(p.zodiacLinesPerMonth, 1, 4);
    const int stride = a == 4 ? 18 : 6 / a;
    for (int i = 0; i <= 36 / stride; ++i) {
      const double d = zodiac.declinations[static_cast<std::size_t>(i * stride)];
      const bool main = a == 4 || i % a == 0;
      Chain proto;
      proto.kind = LineKind::Declination;
      proto.full = main;
      proto.colour = main ? 6 : 7;
      proto.widthAdd = main ? 1 : 0;
      proto.value = d;
      tracer.Begin(proto);
      for (double t = 1.0; t <= 23.0 + 1e-9;) {
        const astro::HorizontalPosition s =
            astro::SunPositionForDeclination(t, phi, reference, site.zoneMeridian, d);
        if (Usable(s.altitude)) {
          tracer.Add({s.azimuth, s.altitude, false});
        } else {
          tracer.Break();
        }
        t += s.altitude < 1.5 ? 0.025 : 0.1;
      }
      tracer.Break();
    }
    if (profile) {
      out.horizon.reserve(calc::kHorizonPointCount);
      for (const calc::HorizonPoint& hp : horizon->points) {
        out.horizon.push_back({hp.azimuth, hp.altitude, false});
      }
    }
  }
  return out;
}

}  // namespace kelvra::dials::azimuthal
