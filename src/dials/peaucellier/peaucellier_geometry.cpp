#include "dials/peaucellier/peaucellier_geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "shell/catalog.h"
#include "texts/peaucellier.h"

namespace kelvra::dials::peaucellier {

namespace {

using astro::CosDeg;
using astro::SinDeg;
using astro::TanDeg;

constexpr double kDefaultConstant = -0.8749;
constexpr int kDefaultDistance = 35;

double Round3(double x) { return std::round(x * 1000.0) / 1000.0; }

void Extend(PeaucellierDial& d, const DPoint& p) {
  d.minX = std::min(d.minX, p.x);
  d.maxX = std::max(d.maxX, p.x);
  d.maxY = std::max(d.maxY, std::fabs(p.y));
}

}  // namespace

double DateLineDistance(double p, double k, double declination) {
  return p / (1.0 + k * TanDeg(declination));
}

double HourPointX(double distance, double latitude, double hourAngle, double declination) {
  return distance *
         (std::fabs(SinDeg(latitude)) * CosDeg(hourAngle) - CosDeg(latitude) * TanDeg(declination)) /
         SinDeg(hourAngle);
}

double SunriseHourAngle(double latitude, double declination) {
  return astro::AcosDeg(astro::ClampUnit(-std::fabs(TanDeg(latitude)) * TanDeg(declination)));
}

PeaucellierDial BuildPeaucellierDial(const shell::SiteSettings& site,
                                     const config::DialParameters& dial, double zoom,
                                     shell::MessageSink& messages) {
  PeaucellierDial d;
  d.site = site;
  d.southern = site.latitude < 0;
  d.constant = dial.peaucellierConstant == 0 ? kDefaultConstant : dial.peaucellierConstant;
  const int e = dial.peaucellierEquinoxDistance == 0 ? kDefaultDistance : dial.peaucellierEquinoxDistance;
  d.equinoxDistance = static_cast<int>(std::lround(e * zoom));
  d.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  const double eps = d.obliquity;
  for (int i = 0; i < 19; ++i) d.declinations[i] = Round3(eps * SinDeg(90.0 + 10.0 * i));
  if (std::fabs(site.latitude) < kLatitudeLimit) {
    d.refused = true;
    messages.Show(shell::MessageKind::Error,
                  shell::Get(texts::peaucellier::kRefusedEnglish) + "\n" +
                      shell::Get(texts::peaucellier::kRefusedGerman),
                  shell::MessageButtons::Ok);
    return d;
  }
  const double phi = site.latitude;
  const double p = d.equinoxDistance;
  const double k = d.constant;
  auto y = [&](double decl) { return DateLineDistance(p, k, decl); };
  auto x = [&](double h, double decl) { return HourPointX(y(decl), phi, h, decl); };
  // A date line is drawn when the sun rises more than 15 degrees of hour
  // angle before noon and sets again (no polar night, no midnight sun).
  auto drawnDay = [](double h0) { return h0 > 15.0 && h0 < 180.0; };

  // Date lines: entries 0, 3, ..., 18 of the table.
  const int colors[7] = {7, 8, 8, 6, 8, 8, 2};
  for (int j = 0; j < 7; ++j) {
    const double decl = d.declinations[3 * j];
    const double h0 = SunriseHourAngle(phi, decl);
    if (!drawnDay(h0)) continue;
    DateLine l;
    l.entry = j;
    l.declination = decl;
    l.distance = y(decl);
    l.color = colors[j];
    l.main = j == 0 || j == 3 || j == 6;
    const double rise = x(h0, decl), noon = x(15.0, decl);
    l.points = {{rise, l.distance}, {noon, l.distance}, {noon, -l.distance}, {rise, -l.distance}};
    if (j == 0) l.label = "S";
    if (j == 3) l.label = shell::Get(texts::peaucellier::kEquinoxLetter);
    if (j == 6) l.label = "W";
    l.labelAfternoon = {rise, l.distance};
    l.labelMorning = {rise, -l.distance};
    for (const DPoint& pt : l.points) Extend(d, pt);
    d.dateLines.push_back(std::move(l));
  }
  if (!d.dateLines.empty()) {
    d.noonFrom = {d.dateLines.back().points[1].x, 0};
    d.noonTo = {d.dateLines.front().points[1].x, 0};
  }

  // Hour lines from the summer line to the line on which the sun rises at H.
  const int n = 60 / config::MinuteIntervalMinutes(dial.otherHourInterval);
  const double hs = SunriseHourAngle(phi, eps);
  const int last = static_cast<int>(hs / 15.0);
  for (int h = 11 - last; h <= 11; ++h) {
    for (int w = 0; w < n; ++w) {
      const double H = 15.0 * (12 - h) - 15.0 * w / n;
      if (H < 15.0 || H > hs || H >= 180.0) continue;
      const double dr =
          std::max(astro::AtanDeg(-CosDeg(H) / std::fabs(TanDeg(phi))), -eps);
      HourLine l;
      l.hourAngle = H;
      l.full = w == 0;
      l.hour = h;
      l.summer = {x(H, eps), y(eps)};
      l.end = {x(H, dr), y(dr)};
      Extend(d, l.summer);
      Extend(d, l.end);
      d.hourLines.push_back(l);
    }
  }
  // The last hour before noon: its subdivisions as polylines over the table.
  // A point's distance from the origin grows as 1 / sin H toward noon, so a
  // line ends where it passes the outermost date line (the farthest noon end
  // of a date line) instead of running off the dial.
  double outermost = 0;
  for (const DateLine& l : d.dateLines) outermost = std::max(outermost, std::fabs(l.points[1].x));
  for (int w = 1; w < n; ++w) {
    const double H = 15.0 - 15.0 * w / n;
    std::vector<DPoint> run;
    auto finish = [&] {
      if (run.size() >= 2) d.lastHour.push_back(run);
      run.clear();
    };
    std::optional<DPoint> prev;
    for (double decl : d.declinations) {
      if (SunriseHourAngle(phi, decl) < H) continue;
      const DPoint pt{x(H, decl), y(decl)};
      const bool inside = std::fabs(pt.x) <= outermost;
      if (prev && (std::fabs(prev->x) <= outermost) != inside) {
        // Where the segment meets the outermost date line's distance.
        const double bound = std::copysign(outermost, inside ? prev->x : pt.x);
        const double t = (bound - prev->x) / (pt.x - prev->x);
        const DPoint cut{bound, prev->y + t * (pt.y - prev->y)};
        if (inside) {
          run = {cut};
        } else {
          run.push_back(cut);
          finish();
        }
      }
      if (inside) run.push_back(pt);
      prev = pt;
    }
    finish();
  }
  return d;
}

}  // namespace kelvra::dials::peaucellier
