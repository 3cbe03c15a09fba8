#include "dials/quadrant/quadrant_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "texts/quadrant.h"

namespace kelvra::dials::quadrant {

namespace {

using astro::CosDeg;
using astro::SinDeg;

constexpr int kDayStep = 3;

// Wingdings codes of the zodiac signs, Aries ('^', 94) to Pisces ('i', 105).
char SignCode(int sign) { return static_cast<char>(94 + ((sign % 12) + 12) % 12); }

struct HourSystem {
  bool temporal = false;
  double from = 0, to = 0;
  double step = 1;  // hours between two lines
};

std::vector<std::pair<double, bool>> HourValuesOf(const HourSystem& s) {
  std::vector<std::pair<double, bool>> values;
  const int n = std::max(1, static_cast<int>(std::lround(1.0 / s.step)));
  for (int h = static_cast<int>(std::floor(s.from)); h <= static_cast<int>(std::floor(s.to)); ++h) {
    for (int i = 0; i < n; ++i) {
      const double v = h + static_cast<double>(i) / n;
      if (v < s.from - 1e-9) continue;
      if (v > s.to + 1e-9) break;
      values.emplace_back(v, i == 0);
    }
  }
  return values;
}

bool Inside(const QPoint& p) { return p.x >= 0 && p.y >= 0; }

// Where the segment from `in` (inside) to `out` (outside) leaves the quadrant.
QPoint Cut(const QPoint& in, const QPoint& out) {
  double t = 1;
  if (out.x < 0) t = std::min(t, in.x / (in.x - out.x));
  if (out.y < 0) t = std::min(t, in.y / (in.y - out.y));
  return {in.x + t * (out.x - in.x), in.y + t * (out.y - in.y)};
}

// Joins valid points into runs, cut where they leave the quadrant.
class RunBuilder {
 public:
  explicit RunBuilder(std::vector<std::vector<QPoint>>& runs) : runs_(runs) {}
  void Add(const QPoint& p) {
    if (!prev_) {
      if (Inside(p)) Start(p);
    } else if (Inside(*prev_) && Inside(p)) {
      runs_.back().push_back(p);
    } else if (Inside(*prev_)) {
      runs_.back().push_back(Cut(*prev_, p));
    } else if (Inside(p)) {
      Start(Cut(p, *prev_));
      runs_.back().push_back(p);
    }
    prev_ = p;
  }
  void Break() { prev_.reset(); }

 private:
  void Start(const QPoint& p) { runs_.push_back({p}); }
  std::vector<std::vector<QPoint>>& runs_;
  std::optional<QPoint> prev_;
};

QPoint At(double radius, double altitude) {
  return {radius * SinDeg(altitude), radius * CosDeg(altitude)};
}

std::vector<int> Days(const Panel& p) {
  std::vector<int> days;
  for (int d = p.firstDay; d <= p.lastDay; d += kDayStep) days.push_back(d);
  if (days.back() != p.lastDay) days.push_back(p.lastDay);
  return days;
}

bool SecondHalf(const Quadrant& q, const Panel& p) {
  return q.scale != DateScale::CalendarYear && p.lastDay <= astro::DayOfYear(q.site.year, 6, 21) &&
         p.firstDay < 1;
}

// The radius of the sun on day d at declination `declination`.
double RadiusOf(const Quadrant& q, const Panel& p, int day, double declination) {
  if (q.scale == DateScale::CalendarYear || q.scale == DateScale::CalendarHalfYear) {
    return CalendarRadius(q, day, SecondHalf(q, p));
  }
  return DeclinationRadius(q, declination);
}

double NoonDeclination(const Quadrant& q, int day) {
  return astro::ComputeSolarDay(q.site.year,
                                astro::DayArgumentForZoneTime(day, 12.0, q.site.zoneMeridian))
      .declination;
}

void TraceHours(const Quadrant& q, Panel& p, const HourSystem& s) {
  const auto& site = q.site;
  const auto& dial = q.params;
  const double reference = dial.zoneTime ? site.longitude : site.zoneMeridian;
  const std::vector<int> days = Days(p);
  for (const auto& [value, full] : HourValuesOf(s)) {
    HourCurve c;
    c.value = value;
    c.full = full;
    c.color = full ? (s.temporal ? 10 : 2) : 3;
    RunBuilder runs(c.runs);
    for (int d : days) {
      double altitude = 0, declination = 0;
      if (s.temporal) {
        declination = NoonDeclination(q, d);
        const double halfArc = astro::SunsetHourAngle(site.latitude, declination).hourAngle;
        const double clock = 12.0 - (6.0 - value) * halfArc / 90.0;
        altitude = astro::HorizontalFromHourAngle(site.latitude, declination, 15.0 * (clock - 12.0))
                       .altitude;
      } else {
        const astro::SunPosition sun =
            astro::SunPositionAtClockTime(site.year, d, value, site.latitude, reference,
                                          site.zoneMeridian, dial.altitudeWithEot);
        altitude = sun.altitude;
        declination = sun.declination;
      }
      if (!(altitude >= kLowestAltitude)) {
        runs.Break();
        continue;
      }
      runs.Add(At(RadiusOf(q, p, d, declination), altitude));
    }
    if (full && !c.runs.empty()) c.labelAt = c.runs.front().front();
    p.curves.push_back(std::move(c));
  }
}

void TraceAzimuthLines(const Quadrant& q, Panel& p) {
  const std::vector<int> days = Days(p);
  for (int a = 15; a <= 165; a += 15) {
    AzimuthLine line;
    line.azimuth = a;
    RunBuilder runs(line.runs);
    for (int d : days) {
      const double declination = NoonDeclination(q, d);
      const std::optional<double> h = AltitudeAtAzimuth(q.site.latitude, declination, a);
      if (!h) {
        runs.Break();
        continue;
      }
      runs.Add(At(RadiusOf(q, p, d, declination), *h));
    }
    if (!line.runs.empty()) {
      line.labelAt = line.runs.front().front();
      p.azimuthLines.push_back(std::move(line));
    }
  }
}

std::string MonthLabel(int month) { return "1/" + std::to_string(month); }

void CalendarArcs(const Quadrant& q, Panel& p) {
  const int y = q.site.year;
  if (q.scale == DateScale::CalendarYear) {
    for (int m = 1; m <= 12; ++m) {
      p.arcs.push_back({CalendarRadius(q, astro::DayOfYear(y, m, 1), false), 6, MonthLabel(m), false, {}, -1});
      p.arcs.push_back({CalendarRadius(q, astro::DayOfYear(y, m, 16), false), 1, {}, false, {}, -1});
    }
    return;
  }
  const bool second = SecondHalf(q, p);
  const bool edgeLabels = !q.params.altitudeWithEot;
  // The months of the half year, in order: June..December or December..June.
  const int daysBefore = astro::DayOfYear(y - 1, 12, 31);
  const std::vector<int> months = second ? std::vector<int>{12, 1, 2, 3, 4, 5, 6}
                                         : std::vector<int>{6, 7, 8, 9, 10, 11, 12};
  for (int m : months) {
    for (int day : {1, 11, 21}) {
      const bool previousYear = second && m == 12;
      const int n = previousYear ? astro::DayOfYear(y - 1, 12, day) - daysBefore
                                 : astro::DayOfYear(y, m, day);
      if (n < p.firstDay || n > p.lastDay) continue;
      DateArc arc{CalendarRadius(q, n, second), day == 1 ? 6 : 8, {}, false, {}, -1};
      if (day == 1) {
        arc.label = MonthLabel(m);
        if (edgeLabels) arc.edgeLabel = MonthLabel(13 - m);
      }
      p.arcs.push_back(arc);
    }
  }
}

void DeclinationArcs(const Quadrant& q, Panel& p) {
  const bool second = SecondHalf(q, p);
  const double eps = q.obliquity;
  // Solar longitudes of the half year: 90..270 (summer to winter) or 270..450.
  const int step = q.scale == DateScale::Stereographic ? 10 : 30;
  for (int lon = 90; lon <= 270; lon += step) {
    const int l = second ? lon + 180 : lon;
    const double declination = astro::AsinDeg(SinDeg(eps) * SinDeg(l));
    const bool boundary = l % 30 == 0;
    DateArc arc{DeclinationRadius(q, declination), boundary ? 6 : 8, {}, false, {}, -1};
    if (q.scale == DateScale::Declination) arc.color = 1;
    // The sign the sun enters at this boundary (none at the half year's end).
    if (boundary && lon < 270) {
      arc.sign = (l / 30) % 12;
      arc.label = std::string(1, SignCode(arc.sign));
      arc.wingdings = true;
    }
    p.arcs.push_back(arc);
  }
  if (q.scale == DateScale::Stereographic) {
    p.bandRadii = {DeclinationRadius(q, -eps), q.gunterEquator, DeclinationRadius(q, eps)};
  }
}

}  // namespace

DateScale ScaleOf(const config::DialParameters& dial) {
  switch (dial.quadrantDateScale) {
    case 1: return DateScale::Declination;
    case 2: return DateScale::Stereographic;
    default: return dial.wholeYear ? DateScale::CalendarYear : DateScale::CalendarHalfYear;
  }
}

double CalendarRadius(const Quadrant& q, int day, bool secondHalf) {
  const double R = q.radius;
  const int y = q.site.year;
  if (q.scale == DateScale::CalendarYear) {
    const int last = astro::DayOfYear(y, 12, 31);
    return R / 2 * (1.0 + static_cast<double>(day - 1) / (last - 1));
  }
  const int june21 = astro::DayOfYear(y, 6, 21);
  const double k = secondHalf ? june21 - day : day - june21;
  return q.params.juneOutside ? R / 2 * (2.0 - k / 183.0) : R / 2 * (1.0 + k / 183.0);
}

double DeclinationRadius(const Quadrant& q, double declination) {
  const double eps = q.obliquity;
  const double d = std::clamp(declination, -eps, eps);
  if (q.scale == DateScale::Stereographic) {
    return q.gunterEquator * astro::TanDeg(45.0 + d / 2.0);
  }
  const double share = q.params.juneOutside ? (eps - d) / (2 * eps) : (d + eps) / (2 * eps);
  return q.radius / 2 * (1.0 + share);
}

HourRange NoonRule(double from, double to, bool apparentTime) {
  HourRange r{from, to, std::nullopt};
  if (!apparentTime || !(from < 12 && 12 < to)) return r;
  if (to - 12 >= 12 - from) {
    r.from = 12;
    r.otherHalf = std::pair{from, 12.0};
  } else {
    r.to = 12;
    r.otherHalf = std::pair{12.0, to};
  }
  return r;
}

std::optional<double> AltitudeAtAzimuth(double latitude, double declination, double azimuth) {
  // sin d = sin p sin h - cos p cos h cos A = m sin(h + t).
  const double a = SinDeg(latitude);
  const double b = -CosDeg(latitude) * CosDeg(azimuth);
  const double m = std::hypot(a, b);
  const double s = SinDeg(declination) / m;
  if (!(std::fabs(s) <= 1.0)) return std::nullopt;
  const double t = astro::Degrees(std::atan2(b, a));
  const double base = astro::AsinDeg(s);
  for (double h : {base - t, 180.0 - base - t}) {
    h = astro::WrapDegrees180(h);
    if (h >= kLowestAltitude && h <= 90.0) return h;
  }
  return std::nullopt;
}

Quadrant BuildQuadrant(const shell::SiteSettings& site, const config::DialParameters& dial,
                       shell::MessageSink& messages) {
  Quadrant q;
  q.site = site;
  q.params = dial;
  q.scale = ScaleOf(dial);
  q.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  q.radius = dial.quadrantSize;
  q.temporal = dial.altitudeTemporal;
  q.altitudeScale = q.scale == DateScale::Stereographic ? q.radius : q.radius / 2 - 2;
  q.gunterTropic = q.radius - 13;
  q.gunterEquator = q.gunterTropic * astro::TanDeg(45.0 - q.obliquity / 2);
  if (q.temporal && std::fabs(site.latitude) > kTemporalLatitudeLimit) {
    q.refused = true;
    messages.Show(shell::MessageKind::Error,
                  shell::Get(texts::quadrant::kTemporalImpossible) + "\n" +
                      shell::Get(texts::quadrant::kNotConstructed),
                  shell::MessageButtons::Ok);
    return q;
  }

  HourSystem hours;
  hours.temporal = q.temporal;
  if (q.temporal) {
    hours.from = std::min(dial.otherTemporalFrom, 12);
    hours.to = std::min(dial.otherTemporalTo, 12);
    hours.step = config::TemporalIntervalHours(dial.otherTemporalInterval);
  } else {
    hours.from = dial.otherHoursFrom;
    hours.to = dial.otherHoursTo;
    hours.step = config::MinuteIntervalMinutes(dial.otherHourInterval) / 60.0;
  }
  const bool apparent = !q.temporal && !dial.zoneTime && !dial.altitudeWithEot;
  const HourRange range = NoonRule(hours.from, hours.to, apparent);

  const int y = site.year;
  const int june21 = astro::DayOfYear(y, 6, 21);
  const int december21 = astro::DayOfYear(y, 12, 21);
  std::vector<Panel> panels;
  if (q.scale == DateScale::CalendarYear) {
    Panel p;
    p.firstDay = 1;
    p.lastDay = astro::DayOfYear(y, 12, 31);
    p.hourFrom = range.from;
    p.hourTo = range.to;
    panels.push_back(p);
    if (range.otherHalf) {
      p.hourFrom = range.otherHalf->first;
      p.hourTo = range.otherHalf->second;
      panels.push_back(p);
    }
  } else {
    Panel first;
    first.firstDay = june21;
    first.lastDay = december21;
    first.hourFrom = range.from;
    first.hourTo = range.to;
    first.rangeText = " 21.6.-21.12., ";
    Panel second = first;
    second.firstDay = astro::DayOfYear(y - 1, 12, 21) - astro::DayOfYear(y - 1, 12, 31);
    second.lastDay = june21;
    second.rangeText = " 21.12.-21.6., ";
    panels = {first, second};
  }
  for (Panel& p : panels) {
    if (q.scale == DateScale::CalendarYear || q.scale == DateScale::CalendarHalfYear) {
      CalendarArcs(q, p);
    } else {
      DeclinationArcs(q, p);
    }
    HourSystem s = hours;
    s.from = p.hourFrom;
    s.to = p.hourTo;
    TraceHours(q, p, s);
    if (dial.quadrantAzimuthLines) TraceAzimuthLines(q, p);
  }
  q.panels = std::move(panels);
  return q;
}

}  // namespace kelvra::dials::quadrant
