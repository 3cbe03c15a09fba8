#include "dials/sawyer/sawyer_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "dials/monthly_dates.h"
#include "shell/catalog.h"
#include "texts/sawyer.h"

namespace kelvra::dials::sawyer {

namespace {

using astro::CosDeg;
using astro::SinDeg;
using astro::TanDeg;

Vec3 Cross(const Vec3& u, const Vec3& v) {
  return {u.b * v.c - u.c * v.b, u.c * v.a - u.a * v.c, u.a * v.b - u.b * v.a};
}

// Sun vectors with less than this component toward the wall or the sky count
// as grazing: their shadows run off to infinity.
constexpr double kGrazing = 1e-3;

// Reading points nearer the dial centre than this part of the gnomon height
// are left out (see ReadingPoint).
constexpr double kNearCentre = 0.25;

struct DaySun {
  double declination = 0;
  double equationOfTime = 0;
};

DaySun SunOfDay(const shell::SiteSettings& site, int dayOfYear) {
  const astro::SolarDay s =
      astro::ComputeSolarDay(site.year, astro::DayArgumentForZoneTime(dayOfYear, 12.0, site.zoneMeridian));
  return {s.declination, s.equationOfTime};
}

bool Inside(const WPoint& p, double bound) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= bound &&
         std::fabs(p.y) <= bound;
}

// Collects polylines: points are appended to the open piece, an invalid point
// closes it. Pieces of one point are dropped.
class PieceBuilder {
 public:
  explicit PieceBuilder(Chain& chain) : chain_(chain) {}
  // `jump`: the longest step between neighbouring points; a longer one (a
  // curve running off toward a degenerate time) breaks the polyline.
  explicit PieceBuilder(Chain& chain, double jump) : chain_(chain), jump_(jump) {}
  void Add(const std::optional<WPoint>& p) {
    if (!p) {
      Close();
      return;
    }
    if (!current_.empty() &&
        std::hypot(p->x - current_.back().x, p->y - current_.back().y) > jump_) {
      Close();
    }
    current_.push_back(*p);
  }
  void Close() {
    if (current_.size() >= 2) chain_.pieces.push_back(std::move(current_));
    current_.clear();
  }
  ~PieceBuilder() { Close(); }

 private:
  Chain& chain_;
  double jump_ = std::numeric_limits<double>::infinity();
  std::vector<WPoint> current_;
};

std::string DateLabel(const MonthlyDate& d) {
  return std::to_string(d.day) + "/" + std::to_string(d.month);
}

// Colours of the nodus date lines: the solstices 7 (summer) and 2 (winter),
// the equinoxes 6, the others 8, by declination.
int DateColor(double declination, double obliquity) {
  if (declination > obliquity - 0.6) return 7;
  if (declination < -obliquity + 0.6) return 2;
  if (std::fabs(declination) < 0.6) return 6;
  return 8;
}

}  // namespace

Vec3 SunVector(double latitude, double declination, double hourAngle) {
  const double cd = CosDeg(declination), sd = SinDeg(declination);
  const double cH = CosDeg(hourAngle), sH = SinDeg(hourAngle);
  const double cp = CosDeg(latitude), sp = SinDeg(latitude);
  return {cd * cH * sp - sd * cp, cd * sH, cd * cH * cp + sd * sp};
}

Vec3 WallFrame::ToWall(const Vec3& v) const {
  const double sD = SinDeg(declination), cD = CosDeg(declination);
  // right (sin D, -cos D, 0), up (0, 0, 1), normal (cos D, sin D, 0)
  return {v.a * sD - v.b * cD, v.c, v.a * cD + v.b * sD};
}

Vec3 WallFrame::Axis() const {
  return ToWall({-CosDeg(latitude), 0.0, SinDeg(latitude)});
}

std::optional<WPoint> WallFrame::NodusShadow(const Vec3& sun) const {
  if (sun.c <= kGrazing) return std::nullopt;  // below the horizon
  const Vec3 s = ToWall(sun);
  if (s.c <= kGrazing) return std::nullopt;  // behind the wall
  return WPoint{-s.a * gnomon / s.c, -s.b * gnomon / s.c};
}

std::optional<WPoint> WallFrame::StyleFoot() const {
  const Vec3 p = Axis();
  if (std::fabs(p.c) < 1e-9) return std::nullopt;
  return WPoint{-p.a * gnomon / p.c, -p.b * gnomon / p.c};
}

double ModeHourAngle(int mode, double t, const shell::SiteSettings& site, double equationOfTime) {
  const double h = 15.0 * (t - 12.0);
  switch (mode) {
    case 1: return h - (site.longitude - site.zoneMeridian);
    case 2:
    case 3: return h + equationOfTime;
    default: return h;
  }
}

WPoint EquantScale::Direction(double t) const {
  const double theta = noonAngle + sense * lineAngle * (t - 12.0);
  return {SinDeg(theta), -CosDeg(theta)};
}

std::optional<WPoint> ReadingPoint(const WallFrame& wall, const EquantScale& scale, double t,
                                   double hourAngle, const double* declinations, int count,
                                   double* along) {
  // A sun that lights the wall at this hour angle on one of the given days.
  std::optional<Vec3> sun;
  for (int i = 0; i < count && !sun; ++i) {
    const Vec3 v = SunVector(wall.latitude, declinations[i], hourAngle);
    if (v.c > kGrazing && wall.ToWall(v).c > kGrazing) sun = v;
  }
  if (!sun) return std::nullopt;
  // The plane through the style and the sun; its trace on the wall (z = 0)
  // is m.x x + m.y y = m.z g (it passes through the nodus (0, 0, g)).
  const Vec3 p = wall.Axis();
  const Vec3 m = Cross(p, wall.ToWall(*sun));
  const WPoint u = scale.Direction(t);
  const double denom = m.a * u.x + m.b * u.y;
  if (std::fabs(denom) < 1e-12) return std::nullopt;
  const double mu = (m.c * wall.gnomon - m.a * scale.center.x - m.b * scale.center.y) / denom;
  if (!(mu > 0)) return std::nullopt;
  const WPoint x{scale.center.x + mu * u.x, scale.center.y + mu * u.y};
  // The style's shadow leaves the dial centre toward the nodus shadow.
  if (const auto foot = wall.StyleFoot()) {
    const auto nodus = wall.NodusShadow(*sun);
    if (!nodus) return std::nullopt;
    const double side = (x.x - foot->x) * (nodus->x - foot->x) + (x.y - foot->y) * (nodus->y - foot->y);
    if (side < 0) return std::nullopt;
    // Where an equant line runs through the dial centre every date's reading
    // point of that time falls into the centre, where the style's shadow has
    // no length: such points cannot be read and are left out.
    if (std::hypot(x.x - foot->x, x.y - foot->y) < kNearCentre * wall.gnomon) return std::nullopt;
  }
  // Where the style's shadow runs through the equant centre every equant
  // line meets it there: left out as well.
  if (mu < kNearCentre * wall.gnomon) return std::nullopt;
  if (along) *along = mu;
  return x;
}

SawyerDial BuildSawyerDial(const shell::SiteSettings& site, const config::DialParameters& dial,
                           double zoom, shell::MessageSink& messages) {
  SawyerDial d;
  d.site = site;
  d.mode = std::clamp(dial.sawyerTimeMode, 0, 3);
  const double z = zoom > 0 ? zoom : 1.0;
  d.gnomon = std::max(dial.gnomonHeight, 0.1) * z;
  d.center = std::max(dial.sawyerCenter, 0.0) * z;
  d.lineAngle = std::clamp(dial.sawyerLineAngle, 0.5, 15.0);
  d.wallDeclination = dial.wallDeclination;
  d.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  d.bound = 250.0 * z;
  d.wall = {site.latitude, d.wallDeclination, d.gnomon};
  d.styleFoot = d.wall.StyleFoot();
  if (d.styleFoot && !Inside(*d.styleFoot, d.bound)) d.styleFoot.reset();

  // The equant scale: centre above O, noon line through the dial's noon line
  // at depth g (tan D limited for walls that see no noon).
  d.scale.center = {0.0, d.center};
  const double tanD = std::clamp(TanDeg(d.wallDeclination), -TanDeg(75.0), TanDeg(75.0));
  const WPoint noonPoint{-d.gnomon * tanD, -d.gnomon};
  d.scale.noonAngle = astro::Atan2Degrees(noonPoint.x - d.scale.center.x,
                                         -(noonPoint.y - d.scale.center.y));
  d.scale.lineAngle = d.lineAngle;
  d.scale.sense = CosDeg(d.wallDeclination) >= 0 ? 1 : -1;

  const double eps = d.obliquity;
  const double step = config::MinuteIntervalMinutes(dial.otherHourInterval) / 60.0;
  const int perHour = std::max(1, static_cast<int>(std::lround(1.0 / step)));
  const std::vector<MonthlyDate> dates = MonthlyDates(dial.dateLineMode, site.year);
  auto bounded = [&](std::optional<WPoint> p) -> std::optional<WPoint> {
    if (p && !Inside(*p, d.bound)) return std::nullopt;
    return p;
  };

  // Nodus date lines (modes 0, 1, 2): the shadow of the tip over the day.
  if (d.mode != 3) {
    double lastDeclination = std::numeric_limits<double>::quiet_NaN();
    for (const MonthlyDate& date : dates) {
      const DaySun sun = SunOfDay(site, date.dayOfYear);
      if (std::fabs(sun.declination - lastDeclination) < 0.05) continue;
      Chain c;
      c.color = DateColor(sun.declination, eps);
      c.width = c.color == 8 ? 0 : 1;
      {
        PieceBuilder b(c);
        for (int i = 0; i <= 24 * 30; ++i) {
          const double h = -180.0 + i * 0.5;
          b.Add(bounded(d.wall.NodusShadow(SunVector(site.latitude, sun.declination, h))));
        }
      }
      if (!c.pieces.empty()) {
        c.dayOfYear = date.dayOfYear;
        c.label = DateLabel(date);
        c.labelAt = c.pieces.back().back();
        d.dateLines.push_back(std::move(c));
      }
      lastDeclination = sun.declination;
    }
  }

  // Mode 2: each hour's figure-eight in its two halves of the year.
  if (d.mode == 2) {
    std::vector<DaySun> year(366);
    for (int n = 1; n <= 365; ++n) year[n] = SunOfDay(site, n);
    const int june = 172, december = 355;  // 21 June, 21 December
    for (int k = 0; k <= 24 * perHour; ++k) {
      const double t = k / static_cast<double>(perHour);
      const bool full = k % perHour == 0;
      for (int half = 0; half < 2; ++half) {
        Chain c;
        c.hour = t;
        c.half = half;
        c.color = full ? (half == 0 ? 2 : 10) : 8;
        c.width = full ? 1 : 0;
        {
          PieceBuilder b(c);
          // half 0: 21 December to 21 June (declination rising), 1: the rest.
          const int first = half == 0 ? december : june;
          const int length = half == 0 ? 365 - december + june : december - june;
          for (int i = 0; i <= length; ++i) {
            const int n = (first - 1 + i) % 365 + 1;
            const double h = ModeHourAngle(2, t, site, year[n].equationOfTime);
            b.Add(bounded(d.wall.NodusShadow(SunVector(site.latitude, year[n].declination, h))));
          }
        }
        if (c.pieces.empty()) continue;
        if (full && half == 0) {
          // The number stands at the loop's point nearest the gnomon foot.
          c.label = std::to_string(static_cast<int>(std::lround(t)));
          double nearestFoot = std::numeric_limits<double>::infinity();
          for (const auto& piece : c.pieces) {
            for (const WPoint& p : piece) {
              if (std::hypot(p.x, p.y) < nearestFoot) {
                nearestFoot = std::hypot(p.x, p.y);
                c.labelAt = p;
              }
            }
          }
        }
        d.hourLoops.push_back(std::move(c));
      }
    }
  }

  // Equant reading curves (modes 0, 1: one for the year; 3: one per date).
  if (d.mode != 2) {
    struct Curve {
      std::vector<double> declinations;
      double equationOfTime = 0;
      std::string label;
      bool first = true;
      int dayOfYear = 0;
    };
    std::vector<Curve> curves;
    if (d.mode == 3) {
      for (const MonthlyDate& date : dates) {
        const DaySun sun = SunOfDay(site, date.dayOfYear);
        curves.push_back({{sun.declination}, sun.equationOfTime, DateLabel(date), date.firstOfGroup,
                          date.dayOfYear});
      }
    } else {
      curves.push_back({{0.0, eps, -eps}, 0.0, "", true, 0});
    }
    const int hours = 24 * perHour;
    std::vector<double> nearest(hours + 1, std::numeric_limits<double>::infinity());
    std::vector<double> farthest(hours + 1, -std::numeric_limits<double>::infinity());
    for (const Curve& cv : curves) {
      Chain c;
      c.dayOfYear = cv.dayOfYear;
      c.color = d.mode == 3 ? (cv.first ? 6 : 8) : 6;
      c.width = d.mode == 3 && !cv.first ? 0 : 1;
      {
        PieceBuilder b(c, 0.04 * d.bound);
        const int samples = 24 * 60;  // every minute
        for (int i = 0; i <= samples; ++i) {
          const double t = i / 60.0;
          const double h = ModeHourAngle(d.mode, t, site, cv.equationOfTime);
          double mu = 0;
          const auto p = bounded(ReadingPoint(d.wall, d.scale, t, h, cv.declinations.data(),
                                              static_cast<int>(cv.declinations.size()), &mu));
          b.Add(p);
          // The hour lines span their reading points.
          const double k = t * perHour;
          if (p && std::fabs(k - std::round(k)) < 1e-9) {
            const int idx = static_cast<int>(std::lround(k));
            nearest[idx] = std::min(nearest[idx], mu);
            farthest[idx] = std::max(farthest[idx], mu);
          }
        }
      }
      if (c.pieces.empty()) continue;
      if (!cv.label.empty()) {
        c.label = cv.label;
        c.labelAt = c.pieces.front().front();
      }
      d.readingCurves.push_back(std::move(c));
    }
    const double margin = (d.mode == 3 ? 4.0 : 8.0) * z;
    for (int k = 0; k <= hours; ++k) {
      if (!std::isfinite(nearest[k])) continue;
      const double t = k / static_cast<double>(perHour);
      const WPoint u = d.scale.Direction(t);
      const double a = std::max(0.0, nearest[k] - margin), b = farthest[k] + margin;
      EquantLine l;
      l.hour = t;
      l.full = k % perHour == 0;
      l.from = {d.scale.center.x + a * u.x, d.scale.center.y + a * u.y};
      l.to = {d.scale.center.x + b * u.x, d.scale.center.y + b * u.y};
      d.hourLines.push_back(l);
    }
  }

  // The extent of the drawing with O and the dial centre (the equant centre
  // is a construction point; the hour lines stop short of it).
  WPoint lo{0, 0}, hi{0, 0};
  auto extend = [&](const WPoint& p) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
  };
  for (const auto* set : {&d.readingCurves, &d.dateLines, &d.hourLoops}) {
    for (const Chain& c : *set) {
      for (const auto& piece : c.pieces) {
        for (const WPoint& p : piece) extend(p);
      }
    }
  }
  for (const EquantLine& l : d.hourLines) {
    extend(l.from);
    extend(l.to);
  }
  if (d.styleFoot) extend(*d.styleFoot);
  d.minCorner = lo;
  d.maxCorner = hi;
  d.empty = d.readingCurves.empty() && d.dateLines.empty() && d.hourLoops.empty();
  if (d.empty) {
    messages.Show(shell::MessageKind::Warning, shell::Get(texts::sawyer::kNeverLit),
                  shell::MessageButtons::Ok);
  }
  return d;
}

}  // namespace kelvra::dials::sawyer
