#include "dials/biazimuthal/biazimuthal_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "dials/worldmap/gnomonic.h"
#include "shell/catalog.h"
#include "texts/biazimuthal.h"

namespace kelvra::dials::biazimuthal {

namespace {

using astro::CosDeg;
using astro::SinDeg;

struct V3 {
  double x = 0, y = 0, z = 0;
};
V3 Of(const double (&v)[3]) { return {v[0], v[1], v[2]}; }
void Store(double (&v)[3], const V3& a) { v[0] = a.x; v[1] = a.y; v[2] = a.z; }
V3 Add(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 Scale(double k, V3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Norm(V3 a) { return std::sqrt(Dot(a, a)); }

// Earth-centred unit vector; x toward longitude 0, y toward 90 degrees EAST.
V3 Unit(const GeoPoint& p) {
  return {CosDeg(p.latitude) * CosDeg(-p.longitude), CosDeg(p.latitude) * SinDeg(-p.longitude),
          SinDeg(p.latitude)};
}
GeoPoint Geo(V3 v) {
  return {astro::Degrees(std::atan2(v.z, std::hypot(v.x, v.y))),
          -astro::Degrees(std::atan2(v.y, v.x))};
}

// Both shadows need the sun this high above both planes (sine of the altitude).
constexpr double kLowestSun = 0.1;

double NearZero(double latitude, double limit) {
  if (std::fabs(latitude) >= limit) return latitude;
  return latitude < 0 ? -0.0049 : 0.0049;
}

void Append(std::vector<Chain>& chains, const std::optional<MapPoint>& p, double at, bool& broken) {
  if (!p) {
    broken = true;
    return;
  }
  if (broken || chains.empty()) chains.emplace_back();
  chains.back().points.push_back(*p);
  chains.back().at.push_back(at);
  broken = false;
}

std::vector<std::pair<int, int>> Dates(int mode) {
  std::vector<int> days = mode <= 0 ? std::vector<int>{21}
                          : mode == 1 ? std::vector<int>{6, 21}
                                      : std::vector<int>{1, 11, 21};
  std::vector<std::pair<int, int>> dates;
  for (int m = 1; m <= 12; ++m)
    for (int d : days) dates.emplace_back(m, d);
  return dates;
}

}  // namespace

std::optional<MapPoint> TwoPointMap::Project(const GeoPoint& p) const {
  const V3 v = Unit(p), c = Of(ca);
  const double u = Dot(v, c);
  if (u < 1e-6) return std::nullopt;
  const V3 g = Add(Scale(1.0 / u, v), Scale(-1.0, c));
  return MapPoint{k * CosDeg(halfDistance) * Dot(g, Of(ex)), k * Dot(g, Of(ey))};
}

MapPoint TwoPointMap::A() const { return {-k * SinDeg(halfDistance), 0}; }
MapPoint TwoPointMap::B() const { return {k * SinDeg(halfDistance), 0}; }

std::optional<TwoPointMap> MakeTwoPointMap(const GeoPoint& a, const GeoPoint& b, double scaleMm) {
  TwoPointMap m;
  m.a = a;
  m.b = b;
  const V3 va = Unit(a), vb = Unit(b);
  const V3 sum = Add(va, vb);
  if (Norm(sum) < 1e-9) return std::nullopt;
  const V3 c = Scale(1.0 / Norm(sum), sum);
  m.halfDistance = astro::Degrees(std::atan2(Norm(Cross(va, vb)), Dot(va, vb))) / 2;
  V3 toB = Add(vb, Scale(-Dot(vb, c), c));
  if (Norm(toB) < 1e-12) toB = Cross({0, 0, 1}, c);  // A = B: x toward the east
  if (Norm(toB) < 1e-12) toB = {0, 1, 0};             // at a pole
  const V3 ex = Scale(1.0 / Norm(toB), toB);
  const V3 ey = Cross(c, ex);
  Store(m.ca, c);
  Store(m.ex, ex);
  Store(m.ey, ey);
  Store(m.va, va);
  Store(m.vb, vb);
  m.pole = Geo(c);
  m.k = scaleMm / std::max(SinDeg(m.halfDistance), SinDeg(0.05));
  return m;
}

GeoPoint SubSolarPoint(int year, int dayOfYear, double t, double meridian, bool meanTime) {
  const astro::SunPosition sun =
      astro::SunPositionAtClockTime(year, dayOfYear, t, 0, meridian, meridian, meanTime);
  const double h = astro::HourAngleOfClockTime(t, 0, meridian, meanTime ? sun.equationOfTime : 0);
  return {sun.declination, astro::WrapDegrees180(h)};
}

namespace {

// The sub-solar points this far from the pole (median, mm at zoom 1) lie
// mostly off a sheet; a fitted scale puts the median this far out.
constexpr double kSheetReachMm = 90;
constexpr double kFitReachMm = 60;

// The hour lines and date lines of `d` on its map.
void BuildLines(BiazimuthalDial& d, const config::DialParameters& dial, int year) {
  const TwoPointMap& map = *d.map;
  const V3 va = Of(map.va), vb = Of(map.vb);
  auto image = [&](const GeoPoint& s) -> std::optional<MapPoint> {
    const V3 v = Unit(s);
    if (Dot(v, va) < kLowestSun || Dot(v, vb) < kLowestSun) return std::nullopt;
    return map.Project(s);
  };
  const int days = astro::IsLeapYear(year) ? 366 : 365;

  const int step = std::max(1, config::MinuteIntervalMinutes(dial.otherHourInterval));
  const int from = std::clamp(dial.otherHoursFrom, 0, 24), to = std::clamp(dial.otherHoursTo, 0, 24);
  for (int minutes = from * 60; minutes <= to * 60; minutes += step) {
    HourLine line;
    line.clockTime = minutes / 60.0;
    line.full = minutes % 60 == 0;
    bool broken = true;
    // Apparent time: the sub-solar point runs once up a meridian piece (from
    // the winter to the summer solstice); mean time: the whole year's loop.
    const int last = d.meanTime ? days + 1 : 173;
    for (int n = d.meanTime ? 1 : -10; n <= last; ++n) {
      Append(line.chains, image(SubSolarPoint(year, n, line.clockTime, d.timeMeridian, d.meanTime)), n,
             broken);
    }
    std::erase_if(line.chains, [](const Chain& c) { return c.points.size() < 2; });
    if (!line.chains.empty()) d.hourLines.push_back(std::move(line));
  }
  for (const auto& [month, day] : Dates(dial.dateLineMode)) {
    DateLine line;
    line.month = month;
    line.day = day;
    const int n = astro::DayOfYear(year, month, day);
    bool broken = true;
    for (int minutes = 0; minutes <= 24 * 60; minutes += 10) {
      Append(line.chains, image(SubSolarPoint(year, n, minutes / 60.0, d.timeMeridian, d.meanTime)),
             minutes / 60.0, broken);
    }
    std::erase_if(line.chains, [](const Chain& c) { return c.points.size() < 2; });
    if (!line.chains.empty()) d.dateLines.push_back(std::move(line));
  }
}

double MedianReach(const BiazimuthalDial& d) {
  std::vector<double> r;
  auto add = [&r](const std::vector<Chain>& chains) {
    for (const Chain& c : chains) {
      for (const MapPoint& p : c.points) r.push_back(std::hypot(p.x, p.y));
    }
  };
  for (const HourLine& l : d.hourLines) add(l.chains);
  for (const DateLine& l : d.dateLines) add(l.chains);
  if (r.empty()) return 0;
  auto mid = r.begin() + static_cast<std::ptrdiff_t>(r.size() / 2);
  std::nth_element(r.begin(), mid, r.end());
  return *mid;
}

}  // namespace

EquivalentPoints EquivalentHorizontalPoints(const shell::SiteSettings& site,
                                            const config::DialParameters& dial) {
  const int plane = ((dial.dialPlane % 3) + 3) % 3;
  const double inclination = plane == 0 ? 0 : (plane == 1 ? 90 : dial.inclination);
  auto equivalent = [](const GeoPoint& p, double inclination, double declination) {
    if (inclination == 0) return p;
    const worldmap::MapProjection e =
        worldmap::PlaneProjection(p.latitude, p.longitude, inclination, declination);
    return GeoPoint{e.centreLatitude, e.centreLongitude};
  };
  EquivalentPoints e;
  e.a = equivalent({NearZero(site.latitude, 0.005), site.longitude}, inclination,
                   plane == 0 ? 0 : dial.wallDeclination);
  e.b = equivalent({NearZero(dial.secondLatitude, 0.0049), dial.secondLongitude},
                   dial.secondVertical ? 90 : 0, dial.secondWallDeclination);
  if (const auto map = MakeTwoPointMap(e.a, e.b, 100)) e.pole = map->pole;
  return e;
}

BiazimuthalDial BuildBiazimuthalDial(const shell::SiteSettings& site,
                                     const config::DialParameters& dial, double zoom,
                                     shell::MessageSink& messages) {
  BiazimuthalDial d;
  d.site = site;
  d.plane = ((dial.dialPlane % 3) + 3) % 3;
  d.wallDeclination = d.plane == 0 ? 0 : dial.wallDeclination;
  d.inclination = d.plane == 0 ? 0 : (d.plane == 1 ? 90 : dial.inclination);
  d.siteA = {NearZero(site.latitude, 0.005), site.longitude};
  d.siteB = {NearZero(dial.secondLatitude, 0.0049), dial.secondLongitude};
  d.secondVertical = dial.secondVertical;
  d.secondWallDeclination = dial.secondWallDeclination;
  d.scaleMm = std::max(1.0, dial.scalePercent * zoom);
  d.timeOfA = dial.timeOfPosition1;
  d.zoneTime = dial.zoneTime;
  d.meanTime = dial.altitudeWithEot;
  d.timeMeridian = d.zoneTime ? site.zoneMeridian : (d.timeOfA ? d.siteA.longitude : d.siteB.longitude);

  const EquivalentPoints e = EquivalentHorizontalPoints(site, dial);
  d.map = MakeTwoPointMap(e.a, e.b, d.scaleMm);
  if (!d.map) {
    d.refused = true;
    messages.Show(shell::MessageKind::Error,
                  shell::Get(texts::biazimuthal::kError) + "\n" +
                      shell::Get(texts::biazimuthal::kAborted) + "\n" +
                      shell::Get(texts::biazimuthal::kAntipodal),
                  shell::MessageButtons::Ok);
    return d;
  }
  BuildLines(d, dial, site.year);

  // The map grows as A and B come closer (its scale is the distance pole - A
  // on the sheet): at the default scale two near positions put the sub-solar
  // lines far off any sheet. The default then gives way to the scale that
  // brings them onto the sheet (the legend names the distance pole - A); a
  // scale the user chose stays, and the user is told which scale fits.
  const double reach = MedianReach(d) / std::max(zoom, 1e-9);
  if (reach > kSheetReachMm) {
    const double fit = dial.scalePercent * kFitReachMm / reach;
    if (dial.scalePercent == config::DialParameters{}.scalePercent) {
      // The map is linear in its scale: the lines shrink with it.
      const double shrink = fit * zoom / d.scaleMm;
      d.scaleMm = fit * zoom;
      d.map = MakeTwoPointMap(d.map->a, d.map->b, d.scaleMm);
      auto scale = [shrink](std::vector<Chain>& chains) {
        for (Chain& c : chains) {
          for (MapPoint& p : c.points) p = {p.x * shrink, p.y * shrink};
        }
      };
      for (HourLine& l : d.hourLines) scale(l.chains);
      for (DateLine& l : d.dateLines) scale(l.chains);
    } else {
      std::string text = shell::Get(texts::biazimuthal::kLinesOffSheet) +
                         std::to_string(dial.scalePercent);
      if (fit >= 5) {
        text += shell::Get(texts::biazimuthal::kFittingScale) +
                std::to_string(static_cast<int>(fit));
      } else {
        text += shell::Get(texts::biazimuthal::kFittingBelowRange);
      }
      messages.Show(shell::MessageKind::Information, text, shell::MessageButtons::Ok);
    }
  }
  return d;
}

}  // namespace kelvra::dials::biazimuthal
