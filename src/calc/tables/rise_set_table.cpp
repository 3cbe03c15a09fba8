#include "calc/tables/rise_set_table.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "calc/calculator/sun_texts.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/astro.h"
#include "texts/tables.h"

namespace kelvra::calc {
namespace {

using shell::FormatReal;
namespace tt = texts::tables;

std::string Text(texts::TextId id, int language) { return shell::GetRawIn(id, language); }

// The sun at 12:00 zone time of the day.
astro::SolarDay NoonSun(const shell::SiteSettings& site, int day, int month) {
  return astro::ComputeSolarDay(site.year, astro::JulianDayNumber(day, month, site.year) -
                                               astro::JulianDayNumber(0, 1, site.year) -
                                               site.ZoneDays());
}

// The 14 characters of an event pair: the two times and two blanks, or the
// "always" text once.
std::string Pair(const astro::RiseSetResult& result, astro::RiseSetKind kind, bool setFirst,
                 int language) {
  const RiseSetTexts texts = FormatRiseSet(result, kind, language);
  if (result.state == astro::RiseSetState::AlwaysUp ||
      result.state == astro::RiseSetState::AlwaysDown) {
    std::string always = texts.rise;
    always.resize(14, ' ');
    return always;
  }
  return setFirst ? texts.set + texts.rise + "  " : texts.rise + texts.set + "  ";
}

std::string SiteLine(const shell::SiteSettings& site, int longitudeWidth, int longitudeDecimals,
                     int language) {
  return " " + Text(tt::kStandardTime, language) + Text(tt::kNotDst, language) +
         Text(tt::kPlace, language) + FormatReal(longitudeWidth, longitudeDecimals, site.longitude) +
         "°/" + FormatReal(5, 2, site.latitude) + "°";
}

std::string DayNumber(int day, const char* after) { return FormatReal(3, 0, day) + after; }

}  // namespace

int TableDaysInMonth(int year, int month) {
  if (month == 2) return astro::IsLeapYearJulianBefore1590(year) ? 29 : 28;
  return astro::DaysInMonth(year, month);
}

Table BuildMonthTable(const shell::SiteSettings& site, int month, astro::TwilightKind twilight,
                      int language) {
  Table table;
  table.layout = TableLayout::Month;
  table.site = site;
  table.language = language;
  auto& lines = table.lines;
  lines.reserve(44);
  lines.push_back(Text(tt::kMonthTitle, language) + Text(tt::kMonthList[month - 1], language) +
                  " " + std::to_string(site.year));
  lines.push_back(SiteLine(site, 6, 1, language));
  lines.push_back(kBlankLine);
  lines.push_back(Text(tt::kMonthHead1, language));
  lines.push_back(Text(tt::kMonthHead2, language));
  const double sinLat = astro::SinDeg(site.latitude);
  const double cosLat = astro::CosDeg(site.latitude);
  const int days = TableDaysInMonth(site.year, month);
  for (int day = 1; day <= days; ++day) {
    if (astro::IsInGregorianGap(site.year, month, day)) {
      lines.push_back(DayNumber(day, ". ") + "   ---  " + Text(tt::kGregorianOmitted, language) +
                      "  --- ");
    } else {
      const double mjd0 = astro::LocalMidnightMjd(day, month, site.year, site.zoneMeridian);
      const astro::DayRiseSet events =
          astro::RiseSetAllForDay(mjd0, sinLat, cosLat, site.longitude, twilight);
      const astro::SolarDay sun = NoonSun(site, day, month);
      lines.push_back(DayNumber(day, ". ") +
                      Pair(events.sun, astro::RiseSetKind::Sun, false, language) +
                      Pair(events.twilight, astro::RiseSetKind::Twilight, true, language) +
                      Pair(events.moon, astro::RiseSetKind::Moon, false, language) +
                      shell::FormatMinutesSeconds(sun.equationOfTime) + " " +
                      FormatReal(6, 2, sun.declination + 0.005));
    }
    if (day % 5 == 0) lines.push_back(kBlankLine);
  }
  lines.push_back(Blanks(60));
  lines.push_back("   " + Text(tt::kTwilightShown, language) +
                  shell::GetRawIn(texts::astro::kTwilightKinds[static_cast<int>(twilight)], language) +
                  ".");
  return table;
}

Table BuildHalfYearTable(const shell::SiteSettings& site, int firstMonth, int language) {
  Table table;
  table.layout = TableLayout::HalfYear;
  table.site = site;
  table.language = language;
  auto& lines = table.lines;
  lines.reserve(43);
  lines.push_back(" " + Text(tt::kHalfYearTitle, language) + std::to_string(site.year));
  lines.push_back(SiteLine(site, 7, 2, language));
  lines.push_back(kBlankLine);
  std::string head = Text(tt::kHalfYearDate, language);
  std::string units = Blanks(6);
  for (int m = firstMonth; m < firstMonth + 6; ++m) {
    head += Blanks(8) + std::string(shell::TextCatalog::Builtin().Lookup('M', m, language)) +
            Blanks(10);
    units += Text(tt::kHalfYearColumns, language);
  }
  lines.push_back(head);
  lines.push_back(units);
  const double sinLat = astro::SinDeg(site.latitude);
  const double cosLat = astro::CosDeg(site.latitude);
  for (int day = 1; day <= 31; ++day) {
    std::string row = DayNumber(day, ". ");
    for (int month = firstMonth; month < firstMonth + 6; ++month) {
      if (day > TableDaysInMonth(site.year, month) ||
          astro::IsInGregorianGap(site.year, month, day)) {
        row += "       -------       ";
        continue;
      }
      // The local midnight of the day itself: ModifiedJulianDate already
      // counts 15 October 1582 as the day after 4 October.
      const double mjd0 = astro::LocalMidnightMjd(day, month, site.year, site.zoneMeridian);
      const astro::RiseSetResult sunEvents =
          astro::RiseSetForDay(astro::RiseSetKind::Sun, mjd0, sinLat, cosLat, site.longitude);
      row += Pair(sunEvents, astro::RiseSetKind::Sun, false, language) +
             shell::FormatMinutesSeconds(NoonSun(site, day, month).equationOfTime) + " ";
    }
    lines.push_back(row);
    if (day % 5 == 0 && day < 30) lines.push_back(kBlankLine);
  }
  lines.push_back(Blanks(110));
  lines.push_back(Blanks(110) + Text(tt::kSignature, language));
  return table;
}

Table BuildRiseSetTable(const shell::SiteSettings& site, RiseSetRange range, int month,
                        astro::TwilightKind twilight, int language) {
  switch (range) {
    case RiseSetRange::FirstHalf: return BuildHalfYearTable(site, 1, language);
    case RiseSetRange::SecondHalf: return BuildHalfYearTable(site, 7, language);
    case RiseSetRange::OneMonth: break;
  }
  return BuildMonthTable(site, month, twilight, language);
}

std::string RiseSetTableCaption(int language) {
  return Text(tt::kCaptionYearly[3], language);
}

}  // namespace kelvra::calc
