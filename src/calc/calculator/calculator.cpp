#include "calc/calculator/calculator.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "calc/calculator/sun_texts.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/astro.h"
#include "texts/calculator.h"

namespace kelvra::calc {
namespace {

using shell::FormatReal;

// "    " label1 first "     " label2 second, with " hh:min" after each time
// when both events exist.
std::string EventLine(texts::TextId label1, const std::string& first, texts::TextId label2,
                      const std::string& second, bool withUnit, int language) {
  const std::string unit = withUnit ? shell::GetRawIn(texts::astro::kUnitHourMinute, language) : "";
  return "    " + shell::GetRawIn(label1, language) + first + unit + "     " +
         shell::GetRawIn(label2, language) + second + unit;
}

}  // namespace

bool ZoneFarFromLongitude(double longitude, double zoneMeridian) {
  return std::abs(longitude - zoneMeridian) > 14.0;
}

std::optional<ClockTime> ParseClockTime(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return ClockTime{};
  int values[3] = {0, 0, 0};
  int count = 0;
  for (;;) {
    const std::size_t colon = text.find(':');
    const std::string_view part = text.substr(0, colon);
    if (count == 3 || part.empty() || part.size() > 2) return std::nullopt;
    int v = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return std::nullopt;
      v = 10 * v + (c - '0');
    }
    values[count++] = v;
    if (colon == std::string_view::npos) break;
    text.remove_prefix(colon + 1);
  }
  const int h = values[0], m = values[1], sec = values[2];
  if (h > 24 || m > 59 || sec > 59 || (h == 24 && (m != 0 || sec != 0))) return std::nullopt;
  auto two = [](int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); };
  ClockTime t;
  t.hours = h + m / 60.0 + sec / 3600.0;
  t.text = two(h) + ":" + two(m) + ":" + two(sec);
  return t;
}

astro::SolarDay NoonValues(const shell::SiteSettings& site, const shell::CalendarDate& date) {
  // 12:00 zone time: the day argument of the date's noon UT minus the zone's offset.
  return astro::ComputeSolarDay(date.year, astro::JulianDayNumber(date.day, date.month, date.year) -
                                               astro::JulianDayNumber(0, 1, date.year) -
                                               site.ZoneDays());
}

bool CorrectGregorianGap(shell::CalendarDate& date) {
  if (!astro::IsInGregorianGap(date.year, date.month, date.day)) return false;
  date.day = 15;
  shell::ShowMessage(shell::MessageKind::Information,
                     shell::GetRawIn(texts::astro::kGregorianGap, shell::CurrentLanguage()));
  return true;
}

DayEvents ComputeDayEvents(const shell::SiteSettings& site, const shell::CalendarDate& date,
                           astro::TwilightKind twilight) {
  DayEvents e;
  e.twilightKind = twilight;
  e.noon = NoonValues(site, date);
  const double mjd0 = astro::LocalMidnightMjd(date.day, date.month, date.year, site.zoneMeridian);
  const astro::DayRiseSet all =
      astro::RiseSetAllForDay(mjd0, astro::SinDeg(site.latitude), astro::CosDeg(site.latitude),
                              site.longitude, twilight);
  e.sun = all.sun;
  e.twilight = all.twilight;
  e.moon = all.moon;
  return e;
}

PositionResult ComputePosition(const shell::SiteSettings& site, const shell::CalendarDate& date,
                               double hours, TimeKind kind) {
  PositionResult p;
  p.dayOfYear =
      static_cast<int>(std::trunc(astro::ModifiedJulianDate(date.day, date.month, date.year, 0) -
                                  astro::ModifiedJulianDate(0, 1, date.year, 0)));
  // True and mean local time are clock times of the zone meridian itself.
  const double longitude = kind == TimeKind::Zone ? site.longitude : site.zoneMeridian;
  p.sun = astro::SunPositionAtClockTime(date.year, p.dayOfYear, hours, site.latitude, longitude,
                                        site.zoneMeridian, kind != TimeKind::TrueLocal);
  return p;
}

astro::AzimuthTimeResult ComputeTimeForAzimuth(const shell::SiteSettings& site,
                                               const shell::CalendarDate& date, double azimuth) {
  const astro::AzimuthTimeResult r =
      astro::TimeForAzimuth(azimuth, date.year, astro::DayOfYear(date.year, date.month, date.day),
                            site.latitude, site.longitude, site.zoneMeridian);
  ShowAzimuthTimeMessages(r);
  return r;
}

std::vector<std::string> HeaderLines(const shell::SiteSettings& site,
                                     const shell::CalendarDate& date, int language) {
  const std::string deg = shell::GetRawIn(texts::astro::kDegreeUnit, language);
  return {
      "",
      RuleLine(),
      "",
      shell::GetRawIn(texts::astro::kLineDate, language) + FormatReal(4, 0, date.year) + "-" +
          FormatReal(2, 0, date.month) + "-" + FormatReal(2, 0, date.day),
      shell::GetRawIn(texts::astro::kLineLatitude, language) + FormatReal(6, 2, site.latitude) +
          deg,
      shell::GetRawIn(texts::astro::kLineLongitude, language) + FormatReal(7, 2, site.longitude) +
          shell::GetRawIn(texts::astro::kLineZoneMeridian, language) +
          FormatReal(6, 1, site.zoneMeridian) + deg,
      "",
  };
}

std::string RuleLine() { return "  __" + std::string(74, '_'); }

std::vector<std::string> RiseSetLines(const DayEvents& e, int language) {
  std::vector<std::string> lines;
  lines.push_back(shell::GetRawIn(texts::astro::kLineDeclination, language) +
                  FormatReal(6, 2, e.noon.declination) +
                  shell::GetRawIn(texts::astro::kDegreeUnit, language));
  lines.push_back(shell::GetRawIn(texts::astro::kLineEquationOfTime, language) +
                  shell::FormatMinutesSeconds(e.noon.equationOfTime) +
                  shell::GetRawIn(texts::astro::kUnitMinSec, language));
  const RiseSetTexts sun = FormatRiseSet(e.sun, astro::RiseSetKind::Sun, language);
  lines.push_back(EventLine(texts::astro::kLineSunrise, sun.rise, texts::astro::kLineSunset,
                            sun.set, sun.withUnit, language));
  // Twilight: the evening end first, then the morning beginning.
  const RiseSetTexts tw = FormatRiseSet(e.twilight, astro::RiseSetKind::Twilight, language);
  lines.push_back(EventLine(texts::astro::kLineTwilightEnd, tw.set,
                            texts::astro::kLineTwilightBegin, tw.rise, tw.withUnit, language));
  lines.push_back(
      "                        [" + shell::GetRawIn(texts::astro::kLineTwilightKind, language) +
      shell::GetRawIn(texts::astro::kTwilightKinds[static_cast<int>(e.twilightKind)], language) +
      "]");
  const RiseSetTexts moon = FormatRiseSet(e.moon, astro::RiseSetKind::Moon, language);
  lines.push_back(EventLine(texts::astro::kLineMoonrise, moon.rise, texts::astro::kLineMoonset,
                            moon.set, moon.withUnit, language));
  return lines;
}

std::vector<std::string> PositionLines(const std::string& timeText, const PositionResult& p,
                                       int language) {
  const std::string deg = shell::GetRawIn(texts::astro::kDegreeUnit, language);
  return {
      shell::GetRawIn(texts::astro::kLineTime, language) + timeText,
      shell::GetRawIn(texts::astro::kLineAltitude, language) + FormatReal(6, 2, p.sun.altitude) +
          deg + "    " + shell::GetRawIn(texts::astro::kLineDeclination, language) +
          FormatReal(6, 2, std::round(p.sun.declination * 100.0) / 100.0) + deg,
      shell::GetRawIn(texts::astro::kLineAzimuth, language) + FormatReal(7, 2, p.sun.azimuth) +
          deg + "    " + shell::GetRawIn(texts::astro::kLineEquationOfTime, language) +
          shell::FormatMinutesSeconds(p.sun.equationOfTime) +
          shell::GetRawIn(texts::astro::kUnitMmSs, language),
      shell::GetRawIn(texts::astro::kLineEastNegative, language),
  };
}

std::vector<std::string> EquationOfTimeLines(const astro::SolarDay& noon, int language) {
  return {
      shell::GetRawIn(texts::astro::kLineDeclination, language) + FormatReal(6, 2, noon.declination) +
          shell::GetRawIn(texts::astro::kDegreeUnit, language),
      shell::GetRawIn(texts::astro::kLineEquationOfTime, language) +
          shell::FormatMinutesSeconds(noon.equationOfTime) +
          shell::GetRawIn(texts::astro::kUnitMmSs, language),
      shell::GetRawIn(texts::calculator::kLineNoonValues, language),
  };
}

std::vector<std::string> ResultBlock(const shell::SiteSettings& site,
                                     const shell::CalendarDate& date,
                                     const std::vector<std::string>& lines, int language) {
  std::vector<std::string> block = HeaderLines(site, date, language);
  block.insert(block.end(), lines.begin(), lines.end());
  block.push_back(RuleLine());
  return block;
}

std::string ReachedAtText(const astro::AzimuthTimeResult& result, int language) {
  std::string s;
  for (char c : AzimuthTimeText(result, language)) {
    if (c != ' ') s += c;
  }
  const std::string unit = "hh:mm:ss";
  if (s.size() > unit.size() && s.compare(s.size() - unit.size(), unit.size(), unit) == 0) {
    s.insert(s.size() - unit.size(), " ");
  }
  return s;
}

std::vector<std::string> AzimuthLines(double azimuth, const astro::AzimuthTimeResult& r,
                                      int language) {
  const std::string deg = shell::GetRawIn(texts::astro::kDegreeUnit, language);
  std::vector<std::string> lines = {
      shell::GetRawIn(texts::astro::kLineAzimuth, language) + FormatReal(7, 2, azimuth) + deg,
      shell::GetRawIn(texts::astro::kLineEastNegative, language),
      shell::GetRawIn(texts::astro::kLineReachedAt, language) + ReachedAtText(r, language),
  };
  if (r.solved) {
    const double altitude = std::round(r.altitude * 100.0) / 100.0;
    if (altitude > 0) {
      lines.push_back(shell::GetRawIn(texts::astro::kLineAltitude, language) +
                      FormatReal(5, 2, altitude) + deg);
    } else {
      lines.push_back(shell::GetRawIn(texts::astro::kSunBelowHorizon, language));
    }
  }
  return lines;
}

}  // namespace kelvra::calc
