#include "calc/tables/yearly_table.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "calc/tables/rise_set_table.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/tables.h"

namespace kelvra::calc {
namespace {

using shell::FormatReal;
namespace tt = texts::tables;

std::string Text(texts::TextId id, int language) { return shell::GetRawIn(id, language); }

std::string MonthAbbreviationIn(int month, int language) {
  return std::string(shell::TextCatalog::Builtin().Lookup('M', month, language));
}

std::string TwoDigits(long long n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

// " (Zonenmeridian = -15.0° )" with the zone meridian `width` wide.
std::string ZoneMeridianText(const shell::SiteSettings& site, int width, int language) {
  return Text(tt::kZoneMeridian, language) + FormatReal(width, 1, site.zoneMeridian) + "° )";
}

std::string Title(const shell::SiteSettings& site, YearTableKind kind, int language) {
  const std::string title = Text(tt::kYearlyTitle[static_cast<int>(kind)], language);
  const std::string year = FormatReal(4, 0, site.year);
  switch (kind) {
    case YearTableKind::EquationOfTime:
      return title + year + "  " + ZoneMeridianText(site, 5, language);
    case YearTableKind::EotWithLongitude:
      return title + year;
    case YearTableKind::Declination:
      return title + year + "  " + ZoneMeridianText(site, 6, language);
    case YearTableKind::TrueNoon:
      return title;
  }
  return title;
}

// The time difference of the longitude from the zone meridian, in degrees.
double LongitudeDelta(const shell::SiteSettings& site) {
  return site.longitude - site.zoneMeridian;
}

std::string LongitudeLine(const shell::SiteSettings& site, int language) {
  return Text(tt::kLongitudeCorrection, language) + FormatReal(7, 2, site.longitude) + "° = " +
         shell::FormatMinutesSeconds(LongitudeDelta(site)) + Text(tt::kMinSecUnit, language) +
         ZoneMeridianText(site, 6, language);
}

// The value cell of an existing day (6 characters; true noon 8).
std::string Cell(const shell::SiteSettings& site, YearTableKind kind, int day, int month) {
  const double D = astro::JulianDayNumber(day, month, site.year) -
                   astro::JulianDayNumber(0, 1, site.year) - site.ZoneDays();
  const astro::SolarDay sun = astro::ComputeSolarDay(site.year, D);
  switch (kind) {
    case YearTableKind::EquationOfTime:
      return shell::FormatMinutesSeconds(sun.equationOfTime);
    case YearTableKind::EotWithLongitude:
      return shell::FormatMinutesSeconds(sun.equationOfTime - LongitudeDelta(site));
    case YearTableKind::Declination:
      return FormatReal(6, 2, std::round(sun.declination * 1000.0) / 1000.0);
    case YearTableKind::TrueNoon:
      return TrueNoonText(LongitudeDelta(site) - sun.equationOfTime);
  }
  return {};
}

std::string Row(const shell::SiteSettings& site, YearTableKind kind, int day) {
  const bool noon = kind == YearTableKind::TrueNoon;
  const std::size_t width = noon ? 8 : 6;
  std::string row = FormatReal(2, 0, day) + ". ";
  for (int month = 1; month <= 12; ++month) {
    const std::string separator = month > 1 ? " " : "";
    if (astro::IsInGregorianGap(site.year, month, day)) {
      // The marker stands in place of the separator and the cell.
      row += noon ? "   ----  " : "   ----";
    } else if (day > TableDaysInMonth(site.year, month)) {
      row += separator + Blanks(width);
    } else {
      row += separator + Cell(site, kind, day, month);
    }
  }
  return row;
}

std::string ColumnHead(bool noon, int language) {
  std::string head = noon ? "" : "   ";
  for (int month = 1; month <= 12; ++month) {
    head += (noon ? Blanks(6) : Blanks(month == 1 ? 3 : 4)) + MonthAbbreviationIn(month, language);
  }
  return noon ? head : head + " ";
}

}  // namespace

std::string TrueNoonText(double x) {
  // Whole seconds after 12:00 as the minutes:seconds text rounds them: whole
  // minutes, then the seconds of the fraction rounded half away from zero.
  const long long hourSteps = static_cast<long long>(std::floor(x / 15.0));
  const double minutes = 4.0 * (x - 15.0 * static_cast<double>(hourSteps));  // 0 <= minutes < 60
  long long wholeMinutes = static_cast<long long>(std::trunc(minutes));
  long long seconds =
      static_cast<long long>(std::trunc((minutes - static_cast<double>(wholeMinutes)) * 60.0 + 0.5));
  long long hour = 12 + hourSteps;
  if (seconds >= 60) {
    seconds -= 60;
    ++wholeMinutes;
  }
  if (wholeMinutes >= 60) {
    wholeMinutes -= 60;
    ++hour;
  }
  hour = ((hour % 24) + 24) % 24;
  return TwoDigits(hour) + ":" + TwoDigits(wholeMinutes) + ":" + TwoDigits(seconds);
}

std::vector<std::string> BuildYearlyTableFull(const shell::SiteSettings& site, YearTableKind kind,
                                              int language) {
  const bool noon = kind == YearTableKind::TrueNoon;
  std::vector<std::string> lines;
  lines.reserve(50);
  lines.push_back(Title(site, kind, language));
  lines.push_back(kBlankLine);
  lines.push_back(kBlankLine);
  // Slot 1: the definition; slot 2: what the values are; slot 3: the longitude line.
  switch (kind) {
    case YearTableKind::EquationOfTime: lines.push_back(Text(tt::kEotDefinition, language)); break;
    case YearTableKind::EotWithLongitude: lines.push_back(Text(tt::kZoneTimeRule, language)); break;
    default: lines.push_back(kBlankLine); break;
  }
  lines.push_back(noon ? Text(tt::kTimesExactFor, language) + std::to_string(site.year)
                       : Text(tt::kValuesForNoon, language));
  const bool withLongitude = kind == YearTableKind::EotWithLongitude || noon;
  lines.push_back(withLongitude ? LongitudeLine(site, language) : kBlankLine);
  lines.push_back(kBlankLine);
  lines.push_back(ColumnHead(noon, language));
  lines.push_back(kBlankLine);
  for (int day = 1; day <= 31; ++day) {
    if (day > 1 && day < 31 && day % 5 == 1) lines.push_back(kBlankLine);
    lines.push_back(Row(site, kind, day));
  }
  lines.push_back(Blanks(68) + Text(tt::kSignature, language));
  return lines;
}

Table BuildYearlyTable(const shell::SiteSettings& site, YearTableKind kind, int language) {
  std::vector<std::string> full = BuildYearlyTableFull(site, kind, language);
  // In this order: the blank line before day 1, the unused slot, the two
  // blank lines after the title.
  full.erase(full.begin() + 8);
  int unusedSlot = 5;  // kinds 0 and 2: slot 3
  if (kind == YearTableKind::EotWithLongitude) unusedSlot = 4;
  if (kind == YearTableKind::TrueNoon) unusedSlot = 3;
  full.erase(full.begin() + unusedSlot);
  full.erase(full.begin() + 1, full.begin() + 3);
  Table table;
  table.layout = kind == YearTableKind::TrueNoon ? TableLayout::YearlyNoon : TableLayout::Yearly;
  table.lines = std::move(full);
  table.site = site;
  table.language = language;
  return table;
}

std::string YearlyTableCaption(YearTableKind kind, int language) {
  switch (kind) {
    case YearTableKind::EquationOfTime:
    case YearTableKind::EotWithLongitude: return Text(tt::kCaptionYearly[0], language);
    case YearTableKind::Declination: return Text(tt::kCaptionYearly[1], language);
    case YearTableKind::TrueNoon: return Text(tt::kCaptionYearly[2], language);
  }
  return {};
}

}  // namespace kelvra::calc
