#include "calc/graphs/sun_path.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "calc/calculator/sun_texts.h"
#include "shell/catalog.h"
#include "texts/graphs.h"

namespace kelvra::calc::graphs {

namespace {

int LineWidth(const GraphInputs& in) { return in.colors.lineWidth; }

// The longitude of the hours: the site's for zone time, else the zone
// meridian (local time).
double HourLongitude(const GraphInputs& in) {
  return in.zoneTime ? in.site.longitude : in.site.zoneMeridian;
}

bool IsWholeHour(double hour) { return std::abs(hour - std::round(hour)) < 0.1; }

void AddOutlines(const GraphInputs& in, bool closedHorizon, SunPathDiagram& d) {
  if (const HorizonProfile* profile = in.ShownHorizon()) {
    SkyLine line;
    line.kind = SkyLineKind::Horizon;
    line.colour = kHorizonColour;
    line.width = LineWidth(in);
    for (const HorizonPoint& p : profile->points) line.points.push_back({p.altitude, p.azimuth});
    if (closedHorizon) line.points.push_back(line.points.front());
    d.outlines.push_back(std::move(line));
  }
  if (!in.settings.planeSunshine) return;
  // The great circle 90 degrees from the plane's normal.
  const double normalAltitude = 90.0 - in.inclination;
  auto boundary = [&] {
    SkyLine line;
    line.kind = SkyLineKind::PlaneBoundary;
    line.colour = kPlaneColour;
    line.width = LineWidth(in);
    return line;
  };
  if (std::abs(normalAltitude) < 0.01) {
    for (double side : {-90.0, 90.0}) {
      double az = in.wallDeclination + side;
      while (az > 180) az -= 360;
      while (az < -180) az += 360;
      SkyLine line = boundary();
      line.points = {{0, az}, {90, az}};
      d.outlines.push_back(std::move(line));
    }
    return;
  }
  SkyLine line = boundary();
  const double sinN = std::sin(normalAltitude * astro::kDegToRad);
  const double cosN = std::cos(normalAltitude * astro::kDegToRad);
  for (int a = -180; a <= 180; ++a) {
    const double altitude =
        astro::Degrees(std::atan(-cosN * std::cos(astro::Radians(a - in.wallDeclination)) / sinN));
    line.points.push_back({altitude, static_cast<double>(a), altitude >= -0.3 && altitude <= 90});
  }
  d.outlines.push_back(std::move(line));
}

void AddPlaneLightText(const GraphInputs& in, SunPathDiagram& d) {
  if (!in.settings.planeSunshine) return;
  const astro::ZodiacTable zodiac = astro::ComputeZodiacDeclinations(in.site.year);
  const astro::SunlitExtremes e = astro::SunlitPlaneExtremes(
      in.inclination, in.wallDeclination, in.site.latitude, zodiac.roundedObliquity);
  d.planeLightText = e.everLit ? SunlitPlaneExtremesText(e, in.inclination, in.wallDeclination,
                                                         in.site.latitude, shell::CurrentLanguage())
                               : shell::Get(texts::graphs::kPlaneNeverLit);
}

SkyLine DateLine(const GraphInputs& in, const DateLineChoice& c, int intermediateColour) {
  SkyLine line;
  line.kind = c.main ? SkyLineKind::MainDate : SkyLineKind::Date;
  line.colour = c.main ? kMainDateColour : intermediateColour;
  line.width = c.main ? LineWidth(in) + 1 : LineWidth(in);
  line.declination = c.declination;
  return line;
}

// Day of year (of the reference year; 0 and below are days of December before
// it) of day d of month m, month 0 standing for that December.
int DayNumber(int year, int month, int day) {
  return month == 0 ? day - 31 : astro::DayOfYear(year, month, day);
}

}  // namespace

std::vector<DateLineChoice> DateLineDeclinations(int year, int zodiacLinesPerMonth) {
  const astro::ZodiacTable zodiac = astro::ComputeZodiacDeclinations(year);
  const int perMonth = zodiacLinesPerMonth;
  const int b = perMonth >= 4 ? 18 : 6 / std::max(perMonth, 1);
  std::vector<DateLineChoice> lines;
  for (int i = 0; i <= 36 / b; ++i) {
    lines.push_back({zodiac.declinations[static_cast<std::size_t>(i * b)],
                     b == 18 || i % perMonth == 0});
  }
  return lines;
}

std::vector<double> HourValues(int otherHourInterval) {
  const int steps = otherHourInterval + 1;
  std::vector<double> hours;
  for (int k = 3 * steps;; ++k) {
    const double hour = static_cast<double>(k) / steps;
    if (hour >= 21.1) break;
    hours.push_back(hour);
  }
  return hours;
}

bool SunInFrontOfPlane(double altitude, double azimuth, double wallDeclination,
                       double inclination) {
  return astro::CosAngleBetweenDirections(altitude, azimuth, 90.0 - inclination,
                                          wallDeclination) > 0;
}

int SegmentColour(const SkyLine& line, const SkyPoint& p, const GraphInputs& in) {
  if (line.kind == SkyLineKind::Horizon || line.kind == SkyLineKind::PlaneBoundary) {
    return line.colour;
  }
  if (const HorizonProfile* profile = in.ShownHorizon()) {
    if (p.altitude < profile->AltitudeAt(p.azimuth)) return kHiddenColour;
  }
  if (in.settings.planeSunshine &&
      !SunInFrontOfPlane(p.altitude, p.azimuth, in.wallDeclination, in.inclination)) {
    return kPlaneColour;
  }
  return line.colour;
}

SunPathDiagram PolarSunPath(const GraphInputs& in) {
  SunPathDiagram d;
  const shell::SiteSettings& site = in.site;
  const double L = HourLongitude(in);
  AddOutlines(in, true, d);

  for (const DateLineChoice& c : DateLineDeclinations(site.year, in.zodiacLinesPerMonth)) {
    SkyLine line = DateLine(in, c, 7);
    double t = 1.0;
    while (t <= 23.0) {
      const astro::HorizontalPosition p =
          astro::SunPositionForDeclination(t, site.latitude, L, site.zoneMeridian, c.declination);
      line.points.push_back({p.altitude, p.azimuth, p.altitude >= 0 && p.altitude <= 89.9});
      t += p.altitude >= 1.5 ? 0.1 : 0.025;
    }
    d.dateLines.push_back(std::move(line));
  }

  const bool withEot = in.settings.graphHoursWithEot;
  const int dec23 = astro::DayOfYear(site.year, 12, 23);
  const int jun21 = astro::DayOfYear(site.year, 6, 21);
  const int dec22 = astro::DayOfYear(site.year, 12, 22);
  const int jun22 = astro::DayOfYear(site.year, 6, 22);
  auto dayShown = [&](int n) {
    if (!withEot) return true;
    switch (in.settings.sunPathSpan) {
      case 1: return n >= jun21 && n <= dec22;
      case 2: return n <= jun22;
      default: return n < dec23;
    }
  };
  const int labelDay = site.latitude >= 0 ? jun21 : astro::DayOfYear(site.year, 12, 21);
  for (double hour : HourValues(in.otherHourInterval)) {
    SkyLine line;
    const bool whole = IsWholeHour(hour);
    line.kind = whole ? SkyLineKind::WholeHour : SkyLineKind::Hour;
    line.colour = whole ? 1 : 2;
    line.width = whole ? LineWidth(in) + 1 : LineWidth(in);
    line.hour = hour;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 29; day += 2) {
        if (day > astro::DaysInMonth(site.year, month)) break;
        const int n = astro::DayOfYear(site.year, month, day);
        if (!dayShown(n)) continue;
        const astro::SunPosition p = astro::SunPositionAtClockTime(
            site.year, n, hour, site.latitude, L, site.zoneMeridian, withEot);
        line.points.push_back({p.altitude, p.azimuth, p.altitude > 0});
      }
    }
    if (whole) {
      const astro::SunPosition p = astro::SunPositionAtClockTime(
          site.year, labelDay, hour, site.latitude, L, site.zoneMeridian, withEot);
      if (p.altitude > 0) line.labelAt = SkyPoint{p.altitude, p.azimuth};
    }
    d.hourLines.push_back(std::move(line));
  }
  AddPlaneLightText(in, d);
  return d;
}

SunPathDiagram CartesianSunPath(const GraphInputs& in) {
  SunPathDiagram d;
  const shell::SiteSettings& site = in.site;
  AddOutlines(in, false, d);

  for (const DateLineChoice& c : DateLineDeclinations(site.year, in.zodiacLinesPerMonth)) {
    SkyLine line = DateLine(in, c, 8);
    const double h0 = astro::SunsetHourAngle(site.latitude, c.declination).hourAngle;
    if (h0 <= 0) continue;  // the sun does not rise on that day
    const int steps = std::max(2, static_cast<int>(std::ceil(2 * h0)));
    for (int k = 0; k <= steps; ++k) {
      const double H = -h0 + 2 * h0 * k / steps;
      const astro::HorizontalPosition p =
          astro::HorizontalFromHourAngle(site.latitude, c.declination, H);
      line.points.push_back({std::max(p.altitude, 0.0), p.azimuth});
    }
    d.dateLines.push_back(std::move(line));
  }

  // The dates of the hour lines, December of the year before as month 0.
  struct Half {
    int from, to;  // day numbers, inclusive
    bool secondHalf;
  };
  const bool withEot = in.settings.graphHoursWithEot;
  const int dec21Before = DayNumber(site.year, 0, 21);
  const int jun21 = astro::DayOfYear(site.year, 6, 21);
  const int dec21 = astro::DayOfYear(site.year, 12, 21);
  std::vector<Half> halves;
  if (!withEot || in.settings.sunPathSpan == 1) halves.push_back({jun21, dec21, true});
  if (withEot && in.settings.sunPathSpan != 1) {
    halves.push_back({dec21Before, jun21, false});
    if (in.settings.sunPathSpan == 0) halves.push_back({jun21, dec21, true});
  }
  const int steps = in.otherHourInterval + 1;
  for (const Half& half : halves) {
    std::vector<int> days{half.from};
    for (int month = 0; month <= 12; ++month) {
      const int length = month == 0 ? 31 : astro::DaysInMonth(site.year, month);
      for (int day = 1; day <= length; day += 4) {
        const int n = DayNumber(site.year, month, day);
        if (n > half.from && n < half.to) days.push_back(n);
      }
    }
    days.push_back(half.to);
    std::vector<astro::SolarDay> suns;
    for (int n : days) {
      suns.push_back(astro::ComputeSolarDay(
          site.year, astro::DayArgumentForZoneTime(n, 12.0, site.zoneMeridian)));
    }
    const bool eotColours = withEot && half.secondHalf;
    for (int k = 3 * steps; static_cast<double>(k) / steps < 21.1; ++k) {
      const double hour = static_cast<double>(k) / steps;
      SkyLine line;
      const bool whole = k % steps == 0;
      line.kind = whole ? SkyLineKind::WholeHour : SkyLineKind::Hour;
      line.colour = whole ? (eotColours ? 6 : 1) : (eotColours ? 8 : 7);
      line.width = whole ? LineWidth(in) + 1 : LineWidth(in);
      line.hour = hour;
      double H = 15.0 * (hour - 12.0);
      if (std::abs(H) < 0.02) H = 0.02;
      if (in.zoneTime) H -= site.longitude - site.zoneMeridian;
      for (const astro::SolarDay& sun : suns) {
        const double h = withEot ? H + sun.equationOfTime : H;
        const astro::HorizontalPosition p =
            astro::HorizontalFromHourAngle(site.latitude, sun.declination, h);
        line.points.push_back({p.altitude, p.azimuth, p.altitude >= 0});
      }
      d.hourLines.push_back(std::move(line));
    }
  }
  AddPlaneLightText(in, d);
  return d;
}

}  // namespace kelvra::calc::graphs
