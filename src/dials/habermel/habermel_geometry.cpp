#include "dials/habermel/habermel_geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "dials/monthly_dates.h"

namespace kelvra::dials::habermel {

namespace {

using astro::CosDeg;
using astro::SinDeg;
using astro::TanDeg;

constexpr double kScaleBand = 7.5;  // mm: margin and scale ring of the plate

// tan of an angle whose cosine may vanish: a cosine of magnitude below 1e-12
// counts as 1e-12 with its sign, as the record's derivation does.
double SafeTan(double degrees) {
  double c = CosDeg(degrees);
  if (std::fabs(c) < 1e-12) c = c < 0 ? -1e-12 : 1e-12;
  return SinDeg(degrees) / c;
}

struct DaySun {
  double declination = 0;
  double equationOfTime = 0;
};

std::string HourText(double t) {
  const int h = static_cast<int>(std::lround(t));
  return std::to_string(h);
}

}  // namespace

double GnomonForDiameter(int variant, double diameter, double latitude, double obliquity) {
  const double phi = std::fabs(latitude);
  if (variant == 1) {
    return (diameter - 15) / (SafeTan(90 - phi - obliquity) + SafeTan(90 - phi + obliquity));
  }
  return ((diameter - 15) / 2) / SafeTan(90 - phi + obliquity);
}

double TabletX(double diameter, int dayOfYear) {
  return -diameter / 2 + kScaleBand + (diameter - 2 * kScaleBand) * (dayOfYear - 1) / 364.0;
}

HPoint DiscDirection(int dayOfYear) {
  const double theta = 360.0 * (dayOfYear - 1) / 365.0;
  return {SinDeg(theta), CosDeg(theta)};
}

HabermelDial BuildHabermelDial(const shell::SiteSettings& site,
                               const config::DialParameters& dial) {
  HabermelDial d;
  d.site = site;
  d.variant = dial.altitudeVariant == 2 ? 2 : 1;
  d.diameter = std::clamp(dial.dialDiameter, 30.0, 200.0);
  d.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  d.gnomon = dial.habermelGnomon;
  if (!(d.gnomon >= 9 && d.gnomon <= 100)) {
    d.gnomon = GnomonForDiameter(d.variant, d.diameter, site.latitude, d.obliquity);
    d.gnomonDerived = true;
  }
  if (!(d.gnomon > 0) || !std::isfinite(d.gnomon)) d.gnomon = 9;  // the polar regions
  d.meanTime = d.variant == 1 && dial.constructWithEot;
  const double g = d.gnomon, D = d.diameter;
  const double phi = std::fabs(site.latitude), eps = d.obliquity;
  d.rail = D / 2 - kScaleBand - std::clamp(g * SafeTan(90 - phi - eps), 0.0, D - 2 * kScaleBand);
  d.bottom = -D / 2 + kScaleBand;
  d.radius = D / 2 - kScaleBand;

  // The sun of each day at its noon (declination and equation of time).
  std::vector<DaySun> year(366);
  for (int n = 1; n <= 365; ++n) {
    const astro::SolarDay s = astro::ComputeSolarDay(
        site.year, astro::DayArgumentForZoneTime(n, 12.0, site.zoneMeridian));
    year[n] = {s.declination, s.equationOfTime};
  }
  // The plate point of day N at altitude h, or nothing off the plate.
  auto point = [&](int n, double altitude) -> std::optional<HPoint> {
    if (!(altitude > 0)) return std::nullopt;
    const double depth = g * SafeTan(altitude);
    if (d.variant == 1) {
      const double y = d.rail - depth;
      if (y < d.bottom - 1e-9) return std::nullopt;
      return HPoint{TabletX(D, n), y};
    }
    if (depth > d.radius + 1e-9) return std::nullopt;
    const HPoint u = DiscDirection(n);
    return HPoint{depth * u.x, depth * u.y};
  };

  // Hour curves: apparent time serves morning and afternoon with one curve;
  // mean time draws both halves.
  const double step = config::MinuteIntervalMinutes(dial.otherHourInterval) / 60.0;
  const int perHour = std::max(1, static_cast<int>(std::lround(1.0 / step)));
  const int highestSunDay = site.latitude >= 0 ? 172 : 355;
  for (int k = 0; k <= 24 * perHour; ++k) {
    const double t = k / static_cast<double>(perHour);
    const bool afternoon = t > 12;
    if (afternoon && !d.meanTime) break;
    if (t <= 0 || t >= 24) continue;
    HourCurve c;
    c.hour = t;
    c.full = k % perHour == 0;
    c.afternoon = afternoon;
    std::vector<HPoint> piece;
    for (int n = 1; n <= 365; ++n) {
      const double h = astro::HourAngleOfClockTime(t, site.zoneMeridian, site.zoneMeridian,
                                                   d.meanTime ? year[n].equationOfTime : 0.0);
      const double altitude =
          astro::HorizontalFromHourAngle(site.latitude, year[n].declination, h).altitude;
      const auto p = point(n, altitude);
      if (p) {
        piece.push_back(*p);
        // Afternoon curves of mean time are labelled six weeks later, apart
        // from the morning's numbers.
        if (n == (afternoon ? (highestSunDay + 41) % 365 + 1 : highestSunDay)) {
          c.labelAt = *p;
          c.hasLabel = c.full;
        }
      } else if (!piece.empty()) {
        if (piece.size() > 1) c.pieces.push_back(std::move(piece));
        piece.clear();
      }
    }
    if (piece.size() > 1) c.pieces.push_back(std::move(piece));
    if (c.pieces.empty()) continue;
    if (c.full) {
      const int hour = static_cast<int>(std::lround(t));
      c.label = d.meanTime || hour == 12 ? HourText(t) : HourText(t) + " | " + HourText(24 - t);
      if (!c.hasLabel) {
        // The sun never stands this high: label the curve's deepest point.
        c.labelAt = c.pieces.front().front();
        for (const auto& pc : c.pieces) {
          for (const HPoint& p : pc) {
            if (std::hypot(p.x, p.y - (d.variant == 1 ? d.rail : 0.0)) >
                std::hypot(c.labelAt.x, c.labelAt.y - (d.variant == 1 ? d.rail : 0.0))) {
              c.labelAt = p;
            }
          }
        }
        c.hasLabel = true;
      }
    }
    d.hours.push_back(std::move(c));
  }

  // Date lines: the chosen dates (tablet) or every 1st, 11th and 21st (disc).
  std::vector<MonthlyDate> dates =
      MonthlyDates(d.variant == 1 ? dial.dateLineMode : 2, site.year);
  for (const MonthlyDate& md : dates) {
    DateMark m;
    m.dayOfYear = md.dayOfYear;
    m.day = md.day;
    m.month = md.month;
    m.firstOfMonth = md.firstOfGroup;
    if (d.variant == 1) {
      const double x = TabletX(D, md.dayOfYear);
      m.from = {x, d.rail};
      m.to = {x, d.bottom};
    } else {
      const HPoint u = DiscDirection(md.dayOfYear);
      const double inner = md.firstOfGroup ? 0.0 : d.radius;
      m.from = {inner * u.x, inner * u.y};
      m.to = {D / 2 * u.x, D / 2 * u.y};
    }
    d.dates.push_back(m);
  }
  return d;
}

}  // namespace kelvra::dials::habermel
