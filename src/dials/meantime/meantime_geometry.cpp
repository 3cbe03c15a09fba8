#include "dials/meantime/meantime_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/meantime.h"

namespace kelvra::dials::meantime {

namespace {

using astro::CosDeg;
using astro::SinDeg;

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double k, const Vec3& a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Norm(const Vec3& a) { return std::sqrt(Dot(a, a)); }

// Points farther from O than this many axis lengths are left out.
constexpr double kFarthest = 40.0;

// The extent counts the apex and the points near it (within 4 axis lengths),
// where the hours are read; the long tails toward sunrise and sunset do not.
void Extend(MeanTimeDial& d, const FacePoint& p) {
  if (std::hypot(p.x, p.y) > 4 * d.cone.length) return;
  d.minX = std::min(d.minX, p.x);
  d.maxX = std::max(d.maxX, p.x);
  d.minY = std::min(d.minY, p.y);
  d.maxY = std::max(d.maxY, p.y);
}

// Adds a point to the last chain of `chains`, or starts a new chain when
// `broken`.
void Append(std::vector<Chain>& chains, const std::optional<FacePoint>& p, double at,
            bool& broken) {
  if (!p) {
    broken = true;
    return;
  }
  if (broken || chains.empty()) chains.emplace_back();
  chains.back().points.push_back(*p);
  chains.back().at.push_back(at);
  broken = false;
}

void DropShortChains(std::vector<Chain>& chains) {
  std::erase_if(chains, [](const Chain& c) { return c.points.size() < 2; });
}

}  // namespace

Face MakeFace(int plane, double declination, double inclination) {
  Face f;
  f.plane = ((plane % 3) + 3) % 3;
  f.declination = f.plane == 0 ? 0.0 : declination;
  f.inclination = f.plane == 0 ? 0.0 : (f.plane == 1 ? 90.0 : inclination);
  const double si = SinDeg(f.inclination), ci = CosDeg(f.inclination);
  const Vec3 facing{-SinDeg(f.declination), -CosDeg(f.declination), 0};  // azimuth D
  const Vec3 up{0, 0, 1};
  f.normal = si * facing + ci * up;
  f.yAxis = (-ci) * facing + si * up;
  f.xAxis = Cross(f.yAxis, f.normal);
  return f;
}

Vec3 DirectionOf(double altitude, double azimuth) {
  const double ch = CosDeg(altitude);
  return {-ch * SinDeg(azimuth), -ch * CosDeg(azimuth), SinDeg(altitude)};
}

Edge ReadingEdge(int month, int day) {
  const int md = month * 100 + day;
  const bool trailing = (md >= 413 && md <= 619) || (md >= 831 && md <= 1219);
  return trailing ? Edge::Trailing : Edge::Leading;
}

double Cone::RimRadius() const { return length * std::tan(astro::Radians(halfAngle)); }
double Cone::SlantLength() const { return length / CosDeg(halfAngle); }
double Cone::SectorAngle() const { return 360.0 * SinDeg(halfAngle); }

std::optional<FacePoint> ReadingPoint(const Face& face, const Cone& cone, const Vec3& s,
                                      const Vec3& pole, Edge edge) {
  const double sn = Dot(s, face.normal);
  if (sn <= 1e-9) return std::nullopt;
  const Vec3& u = cone.axis;
  const double c = Dot(u, s);
  const Vec3 p = s - c * u;
  const double pn = Norm(p);
  if (pn < 1e-12) return std::nullopt;
  const double ta = std::tan(astro::Radians(cone.halfAngle));
  const double k = ta * c / pn;
  if (std::fabs(k) > 1.0) return std::nullopt;
  const Vec3 e1 = (1.0 / pn) * p;
  const Vec3 e2 = Cross(u, e1);
  const double sa = SinDeg(cone.halfAngle), ca = CosDeg(cone.halfAngle);
  const Vec3 sunMotion = Cross(s, pole);
  const double gamma = std::acos(k);
  for (double sign : {1.0, -1.0}) {
    const Vec3 w = std::cos(gamma) * e1 + (sign * std::sin(gamma)) * e2;
    const Vec3 m = (-sa) * u + ca * w;
    const bool leading = Dot(m, sunMotion) < 0;
    if (leading != (edge == Edge::Leading)) continue;
    const Vec3 g = ca * u + sa * w;
    const Vec3 rim = cone.SlantLength() * g;
    const Vec3 x = rim - (Dot(rim, face.normal) / sn) * s;
    if (Norm(x) > kFarthest * cone.length) return std::nullopt;
    return FacePoint{Dot(x, face.xAxis), Dot(x, face.yAxis)};
  }
  return std::nullopt;  // the sun on the axis's plane of motion: no edge ahead
}

std::vector<std::pair<int, int>> DateLineDates(int dateLineMode) {
  std::vector<int> days;
  if (dateLineMode <= 0) days = {21};
  else if (dateLineMode == 1) days = {6, 21};
  else days = {1, 11, 21};
  std::vector<std::pair<int, int>> dates;
  for (int m = 1; m <= 12; ++m)
    for (int d : days) dates.emplace_back(m, d);
  return dates;
}

MeanTimeDial BuildMeanTimeDial(const shell::SiteSettings& site,
                               const config::DialParameters& dial, double zoom,
                               shell::MessageSink& messages) {
  MeanTimeDial d;
  d.site = site;
  d.zoneTime = dial.zoneTime;
  d.face = MakeFace(dial.dialPlane, dial.wallDeclination, dial.inclination);
  d.cone.length = std::max(1.0, dial.gnomonHeight * zoom);
  d.cone.halfAngle = std::clamp(dial.coneHalfAngle, 0.0, 85.0);
  const double a = dial.axisInclination;
  d.axisInclination = a;
  Vec3 u{0, CosDeg(a), SinDeg(a)};
  if (Dot(u, d.face.normal) < 0) u = -1.0 * u;
  d.cone.axis = u;
  d.axisToNormal = astro::AcosDeg(astro::ClampUnit(Dot(u, d.face.normal)));
  const double limit = 90.0 - d.cone.halfAngle;
  if (d.axisToNormal > limit + 1e-9) {
    d.refused = true;
    messages.Show(shell::MessageKind::Error,
                  shell::Get(texts::meantime::kConeBehindFace) +
                      shell::FormatReal(4, 2, d.axisToNormal) +
                      shell::Get(texts::meantime::kDegreesAllowedAtMost) +
                      shell::FormatReal(4, 2, limit) + shell::Get(texts::meantime::kDegrees),
                  shell::MessageButtons::Ok);
    return d;
  }
  const Vec3 rimCentre = d.cone.length * u;
  d.rimCentreFoot = {Dot(rimCentre, d.face.xAxis), Dot(rimCentre, d.face.yAxis)};
  d.rimCentreHeight = Dot(rimCentre, d.face.normal);

  const double phi = site.latitude;
  const Vec3 pole{0, CosDeg(phi), SinDeg(phi)};
  const double longitude = d.zoneTime ? site.longitude : site.zoneMeridian;
  const int year = site.year;
  auto sunAt = [&](int dayOfYear, double t) {
    const astro::SunPosition sp = astro::SunPositionAtClockTime(
        year, dayOfYear, t, phi, longitude, site.zoneMeridian, true);
    if (sp.altitude <= 0) return std::optional<Vec3>{};
    return std::optional<Vec3>{DirectionOf(sp.altitude, sp.azimuth)};
  };

  // Hour lines: every day of the year, the reading edge of that date.
  const int step = config::MinuteIntervalMinutes(dial.otherHourInterval);
  const int from = std::clamp(dial.otherHoursFrom, 0, 24), to = std::clamp(dial.otherHoursTo, 0, 24);
  for (int minutes = from * 60; minutes <= to * 60; minutes += std::max(1, step)) {
    HourLine line;
    line.clockTime = minutes / 60.0;
    line.full = minutes % 60 == 0;
    bool broken = true;
    std::optional<Edge> last;
    int n = 0;
    for (int month = 1; month <= 13; ++month) {
      const int days = month == 13 ? 1 : astro::DaysInMonth(year, month);
      for (int day = 1; day <= days; ++day) {
        ++n;
        const Edge edge = ReadingEdge(month == 13 ? 12 : month, month == 13 ? 31 : day);
        if (last && *last != edge) broken = true;
        last = edge;
        const auto s = sunAt(n, line.clockTime);
        Append(line.chains, s ? ReadingPoint(d.face, d.cone, *s, pole, edge) : std::nullopt, n,
               broken);
      }
    }
    DropShortChains(line.chains);
    for (const Chain& c : line.chains)
      for (const FacePoint& p : c.points) Extend(d, p);
    if (!line.chains.empty()) d.hourLines.push_back(std::move(line));
  }

  // Date lines: the reading point every five minutes of the day.
  for (const auto& [month, day] : DateLineDates(dial.dateLineMode)) {
    DateLine line;
    line.month = month;
    line.day = day;
    const int n = astro::DayOfYear(year, month, day);
    const Edge edge = ReadingEdge(month, day);
    bool broken = true;
    for (int minutes = 0; minutes <= 24 * 60; minutes += 5) {
      const auto s = sunAt(n, minutes / 60.0);
      Append(line.chains, s ? ReadingPoint(d.face, d.cone, *s, pole, edge) : std::nullopt,
             minutes / 60.0, broken);
    }
    DropShortChains(line.chains);
    for (const Chain& c : line.chains)
      for (const FacePoint& p : c.points) Extend(d, p);
    if (!line.chains.empty()) d.dateLines.push_back(std::move(line));
  }
  return d;
}

}  // namespace kelvra::dials::meantime
