#include "dials/ring/ring_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/ring.h"

namespace kelvra::dials::ring {

namespace {

using astro::CosDeg;
using astro::SinDeg;

// ---- hour values ------------------------------------------------------------------

struct HourValue {
  double value = 0;
  bool full = true;
  std::string label;  // whole hours only
};

std::string HourNumber(double v) { return std::to_string(static_cast<int>(std::lround(v))); }

// The values from..to with `perHour` lines per hour. A morning value and its
// afternoon twin (`mirror` - v) give the same altitudes and so the same line:
// it is kept once and labelled with both hours.
std::vector<HourValue> HourValues(double from, double to, int perHour, double mirror) {
  std::vector<double> all;
  perHour = std::max(1, perHour);
  for (int h = static_cast<int>(std::floor(from)); h <= static_cast<int>(std::floor(to)); ++h) {
    for (int i = 0; i < perHour; ++i) {
      const double v = h + static_cast<double>(i) / perHour;
      if (v < from - 1e-9) continue;
      if (v > to + 1e-9) break;
      all.push_back(v);
    }
  }
  auto has = [&](double v) {
    return std::any_of(all.begin(), all.end(), [&](double a) { return std::fabs(a - v) < 1e-6; });
  };
  std::vector<HourValue> values;
  for (double v : all) {
    const double twin = mirror - v;
    const bool full = std::fabs(v - std::round(v)) < 1e-6;
    if (twin < v - 1e-6 && has(twin)) continue;  // drawn with its morning twin
    HourValue hv{v, full, {}};
    if (full) {
      hv.label = HourNumber(v);
      if (twin > v + 1e-6 && has(twin)) hv.label += "/" + HourNumber(twin);
    }
    values.push_back(hv);
  }
  return values;
}

int LinesPerHour(int minuteCode) {
  const int minutes = config::MinuteIntervalMinutes(minuteCode);
  return minutes > 0 ? 60 / minutes : 1;
}

// The declinations of a band, from its top to its bottom in steps of one
// degree, the one nearest the hole's offset replaced by the offset.
std::vector<double> BandDeclinations(const RingBand& band) {
  std::vector<double> out;
  for (double d = band.declinationTop; d > band.declinationBottom + 1e-9; d -= 1.0) {
    out.push_back(std::fabs(d - band.holeOffset) < 0.5 ? band.holeOffset : d);
  }
  out.push_back(band.declinationBottom);
  return out;
}

// The hour angle (degrees) of `value` of `system` for `declination`, or
// nothing where that hour does not exist that day.
std::optional<double> HourAngleOf(HourSystem system, double value, double latitude,
                                  double declination) {
  switch (system) {
    case HourSystem::Clock: return 15.0 * (value - 12.0);
    case HourSystem::Temporal: return (value - 6.0) * HalfDayArc(latitude, declination) / 6.0;
    case HourSystem::Italian:
    case HourSystem::Babylonian: {
      const double arc = HalfDayArc(latitude, declination);
      if (arc <= 0.0 || arc >= 180.0) return std::nullopt;  // no sunrise or sunset
      // Babylonian hours count from sunrise, Italian hours from the last sunset.
      return system == HourSystem::Babylonian ? -arc + 15.0 * value
                                              : arc + 15.0 * (value - 24.0);
    }
  }
  return std::nullopt;
}

struct Tracer {
  const RingDial& dial;
  const RingBand& band;
  const std::vector<double>& declinations;
  double latitude;

  // s of the uncorrected spot for sun altitude h at `declination`.
  double Along(double h, double declination) const {
    if (dial.params.ringNoonHorizontal) {
      return band.noonPlace - 2.0 * dial.rho * astro::Radians(NoonAltitude(latitude, declination) - h);
    }
    return 2.0 * dial.rho * astro::Radians(h);
  }

  // One line of `system`/`value`; `partOfDay` keeps forenoon (0), afternoon
  // (1) or all (2) points of the Italian and Babylonian lines.
  RingLine Trace(HourSystem system, const HourValue& hv, int color, bool corrected, bool grey,
                 int partOfDay) const {
    RingLine line;
    line.system = system;
    line.value = hv.value;
    line.full = hv.full;
    line.color = color;
    line.corrected = corrected;
    line.grey = grey;
    line.label = hv.label;
    const double alpha = dial.params.ringHoleAngle;
    const double D = 2.0 * dial.rho;
    bool open = false;
    for (double declination : declinations) {
      const std::optional<double> H = HourAngleOf(system, hv.value, latitude, declination);
      const bool partOk = !H || partOfDay == 2 || (partOfDay == 0 ? *H < 0.0 : *H > 0.0);
      const double h =
          H && partOk ? astro::HorizontalFromHourAngle(latitude, declination, *H).altitude : -90.0;
      if (!(h > kLowestAltitude)) {
        open = false;
        continue;
      }
      BandPoint p{Along(h, declination), BandY(band, dial.width, declination)};
      if (corrected) {
        const double target = std::fabs(p.y - band.holeTrack);
        if (target > 1e-9) {
          const LateralResult lateral = RingLateralAngle(target, h, alpha, D);
          p.s += astro::Radians(lateral.found ? lateral.beta : 0.0) * dial.rho;
          if (!line.firstCorrected) line.firstCorrected = p;
        }
      }
      if (!open) line.runs.emplace_back();
      line.runs.back().push_back(p);
      open = true;
    }
    return line;
  }
};

// The point of `line` nearest to `y` across the band.
std::optional<BandPoint> NearestAcross(const RingLine& line, double y) {
  std::optional<BandPoint> best;
  for (const auto& run : line.runs) {
    for (const BandPoint& p : run) {
      if (!best || std::fabs(p.y - y) < std::fabs(best->y - y)) best = p;
    }
  }
  return best;
}

void TraceBand(RingDial& d, RingBand& band, const std::vector<std::pair<HourSystem, HourValue>>& values) {
  const config::DialParameters& p = d.params;
  const double phi = d.site.latitude;
  const std::vector<double> declinations = BandDeclinations(band);
  band.holeTrack = BandY(band, d.width, band.holeOffset);
  if (p.ringNoonHorizontal) {
    double highest = -90;
    for (double decl : declinations) highest = std::max(highest, NoonAltitude(phi, decl));
    band.noonPlace = 2.0 * d.rho * astro::Radians(highest);
  }
  const Tracer tracer{d, band, declinations, phi};
  const int deflection = p.ringLightDeflection;
  // The hour numbers go where the one-band scale has declination 20 - eps.
  const double labelShare = (d.obliquity - (20.0 - d.obliquity)) / (2.0 * d.obliquity);
  for (const auto& [system, hv] : values) {
    int color = hv.full ? (system == HourSystem::Temporal ? 10 : 2) : 3;
    if (system == HourSystem::Italian) color = 6;
    if (system == HourSystem::Babylonian) color = 7;
    const int part = system == HourSystem::Italian      ? p.ringItalianPart
                     : system == HourSystem::Babylonian ? p.ringBabylonianPart
                                                        : 2;
    std::vector<RingLine> lines;
    if (deflection != 1) lines.push_back(tracer.Trace(system, hv, color, false, false, part));
    if (deflection != 0) lines.push_back(tracer.Trace(system, hv, color, true, deflection == 2, part));
    for (RingLine& line : lines) {
      if (line.runs.empty()) continue;
      if (hv.full) line.labelAt = NearestAcross(line, labelShare * d.width);
      band.lines.push_back(std::move(line));
    }
  }
  double lo = 0, hi = 0;
  for (const RingLine& line : band.lines) {
    for (const auto& run : line.runs) {
      for (const BandPoint& q : run) {
        lo = std::min(lo, q.s);
        hi = std::max(hi, q.s);
      }
    }
  }
  band.angularLength = astro::Degrees((hi - lo) / d.rho);
}

}  // namespace

SpotResult RingSpot(double h, double psi, double alpha, double D) {
  const double sh = SinDeg(h), ch = CosDeg(h), cp = CosDeg(psi), sp = SinDeg(psi);
  const double sa = SinDeg(alpha), ca = CosDeg(alpha);
  const double rho = D / 2.0;
  // t = rho k: where the ray from the hole meets the ring's inner surface again.
  const double k = 2.0 * (sh * ca + ch * sa * cp) / (sh * sh + ch * ch * cp * cp);
  SpotResult r;
  r.yd = ch * rho * k * sp;
  r.J = ca - k * sh;
  const double L = std::fabs(r.J) > 0.9999999 ? (r.J > 0 ? 90.0 : -90.0) : astro::AsinDeg(r.J);
  const double K = rho * (k * ch * cp - sa);
  r.beta = K >= 0 ? 90.0 - alpha - L - 2.0 * h : L + 270.0 - alpha - 2.0 * h;
  return r;
}

LateralResult RingLateralAngle(double target, double h, double alpha, double D) {
  auto yd = [&](double psi) { return RingSpot(h, psi, alpha, D).yd; };
  double psi = 0;
  while (yd(psi) < target && psi < 90.0) psi += psi < 45.0 ? 0.25 : 0.01;
  LateralResult r;
  if (yd(psi) < target) return r;  // 90 degrees reached: not found
  while (yd(psi) > target && psi > 0.005 + 1e-12) psi = std::max(0.005, psi - 0.005);
  while (yd(psi) < target) psi += 0.0001;
  r.found = true;
  r.psi = psi < 0.02 ? 0.0 : psi;
  r.beta = r.psi == 0.0 ? 0.0 : RingSpot(h, r.psi, alpha, D).beta;
  return r;
}

double NoonAltitude(double latitude, double declination) {
  return 90.0 - std::fabs(latitude - declination);
}

double HalfDayArc(double latitude, double declination) {
  const double c = -astro::TanDeg(latitude) * astro::TanDeg(declination);
  if (std::fabs(c) < 1e-12) return 90.0;
  return astro::AcosDeg(astro::ClampUnit(c));
}

double BandY(const RingBand& band, double width, double declination) {
  return width * (band.declinationTop - declination) /
         (band.declinationTop - band.declinationBottom);
}

OffsetTable BuildOffsetTable(double alpha, double diameter) {
  OffsetTable t;
  t.alpha = alpha;
  t.diameter = diameter;
  for (int i = 0; i <= 36; ++i) {
    OffsetCurve c;
    c.altitude = 2.5 * i;
    c.red = i % 3 == 0;
    bool rowFound = false;
    // psi in hundredths of a degree; every tenth point is kept for the curve.
    for (int n = 0; n <= 12000; ++n) {
      const double psi = n / 100.0;
      const SpotResult r = RingSpot(c.altitude, psi, alpha, diameter);
      const double rel = 2.0 * r.yd / diameter;
      if (!(rel <= 1.01)) break;
      if (n % 10 == 0) c.points.emplace_back(c.altitude + r.beta / 2.0, 1.0 - rel);
      if (!rowFound && std::fabs(rel - 1.0) <= 0.001) {
        t.rows.push_back({rel, c.altitude, r.J, r.beta});
        rowFound = true;
      }
    }
    t.curves.push_back(std::move(c));
  }
  return t;
}

std::vector<std::string> OffsetTableLines(const OffsetTable& t) {
  std::vector<std::string> lines = {shell::Get(texts::ring::kTableFileTitle),
                                    "  (alpha=" + shell::FormatReal(4, 1, t.alpha) + "deg)"};
  for (const OffsetRow& r : t.rows) {
    // The third column is RingSpot's J (the spot's height over the radius).
    lines.push_back("rel. offset=" + shell::FormatReal(7, 5, r.relativeOffset) +
                    "   hsun=" + shell::FormatReal(4, 1, r.altitude) +
                    "\u00b0   J=" + shell::FormatReal(9, 6, r.J) +
                    "   beta=" + shell::FormatReal(7, 4, r.beta));
  }
  return lines;
}

RingDial BuildRingDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                       shell::MessageSink& messages) {
  RingDial d;
  d.site = site;
  d.params = dial;
  d.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  d.rho = dial.ringDiameter / 2.0;
  d.width = dial.ringWidth;
  d.bandLength = std::numbers::pi * d.rho;
  d.temporal = dial.altitudeTemporal;
  if (d.temporal && std::fabs(site.latitude) > kTemporalLatitudeLimit) {
    d.refused = true;
    messages.Show(shell::MessageKind::Error,
                  shell::Get(texts::ring::kTemporalImpossible) + "\n" +
                      shell::Get(texts::ring::kNotConstructed),
                  shell::MessageButtons::Ok);
    return d;
  }
  if (d.bandLength > 0.98 * kDrawingWidthMm) {
    const shell::MessageAnswer a = messages.Show(
        shell::MessageKind::Question, shell::Get(texts::ring::kTooBig), shell::MessageButtons::YesNo);
    d.reduced = a == shell::MessageAnswer::Yes;
    d.declined = !d.reduced;
    if (d.declined) return d;
  }

  std::vector<std::pair<HourSystem, HourValue>> values;
  if (d.temporal) {
    int from = dial.otherTemporalFrom, to = dial.otherTemporalTo;
    if (from > 12 || to > 12) {
      messages.Show(shell::MessageKind::Error, shell::Get(texts::ring::kTemporalRange),
                    shell::MessageButtons::Ok);
      from = 6;
      to = 12;
    }
    const double step = config::TemporalIntervalHours(dial.otherTemporalInterval);
    const int perHour = std::max(1, static_cast<int>(std::lround(1.0 / step)));
    for (const HourValue& v : HourValues(from, to, perHour, 12.0)) {
      values.emplace_back(HourSystem::Temporal, v);
    }
  } else {
    for (const HourValue& v :
         HourValues(dial.otherHoursFrom, dial.otherHoursTo, LinesPerHour(dial.otherHourInterval), 24.0)) {
      values.emplace_back(HourSystem::Clock, v);
    }
  }
  // Italian and Babylonian hours are counted from the day's sunset or
  // sunrise; the movable hole of the straight noon line has no place for them.
  if (!dial.ringNoonHorizontal) {
    for (int n = 1; n <= 23; ++n) {
      const HourValue v{static_cast<double>(n), true, HourNumber(n)};
      if (dial.italianHours) values.emplace_back(HourSystem::Italian, v);
      if (dial.babylonianHours) values.emplace_back(HourSystem::Babylonian, v);
    }
  }

  const double eps = d.obliquity;
  if (dial.wholeYear) {
    RingBand band;
    band.declinationTop = eps;
    band.declinationBottom = -eps;
    band.holeOffset = std::clamp(dial.ringHoleOffset, -eps, eps);
    d.bands.push_back(band);
  } else {
    // Two bands: the half year of northern declinations and that of southern.
    RingBand north;
    north.declinationTop = eps;
    north.declinationBottom = 0;
    north.holeOffset = std::clamp(dial.ringHoleOffsetNorth, 0.0, eps);
    RingBand south;
    south.declinationTop = 0;
    south.declinationBottom = -eps;
    south.holeOffset = std::clamp(dial.ringHoleOffsetSouth, -eps, 0.0);
    d.bands = {north, south};
  }
  for (RingBand& band : d.bands) TraceBand(d, band, values);
  return d;
}

}  // namespace kelvra::dials::ring
