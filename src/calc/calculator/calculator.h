// The sun-position calculator: its computations for one date and place, and
// the result lines that each computation appends to the result list. The
// calculator window, the tables and the sun commands share them. The
// computations take the site and the date as arguments and return numbers;
// the lines are made from those numbers in the language asked for (1 German,
// 2 English). Units and signs: astro/angles.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/azimuth_time.h"
#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "shell/shared_state.h"

namespace kelvra::calc {

// The calculator's three kinds of clock time.
enum class TimeKind {
  TrueLocal = 0,  // "Wahre Ortszeit": apparent solar time of the zone meridian
  MeanLocal = 1,  // "Mittlere Ortszeit": mean solar time of the zone meridian
  Zone = 2,       // "Zonenzeit": zone time at the site's longitude
};

// The check of the 1582 calendar change: a day 5..14 October 1582 does not
// exist and becomes 15 October 1582, with the notice "Dieses Kalenderdatum
// existiert nicht. 1582/10/15 ..." (Information box, current language).
// Returns true when the date was changed.
bool CorrectGregorianGap(shell::CalendarDate& date);

// True when the longitude is more than 14 degrees from the zone meridian:
// the calculator then asks whether the site is right before it computes.
bool ZoneFarFromLongitude(double longitude, double zoneMeridian);

// A clock time typed into the time field, with the text the field and the
// result lines show for it ("09:05:00").
struct ClockTime {
  double hours = 12.0;  // decimal hours 0..24
  std::string text = "12:00:00";
};
// Reads "h", "h:mm" or "h:mm:ss" (one or two digits each, blanks around the
// text allowed): hours 0..24, minutes and seconds 0..59, 24 only as 24:00:00.
// An empty text is 12:00:00. Nothing for any other text.
std::optional<ClockTime> ParseClockTime(std::string_view text);

// The declination and equation of time at 12:00 zone time of the date.
astro::SolarDay NoonValues(const shell::SiteSettings& site, const shell::CalendarDate& date);

// Rise and set (and the declination and equation of time of the day).
struct DayEvents {
  // Declination and equation of time at 12:00 zone time of the day.
  astro::SolarDay noon;
  astro::RiseSetResult sun;       // sunrise and sunset (-50')
  astro::RiseSetResult twilight;  // twilight begin (rise) and end (set)
  astro::RiseSetResult moon;      // moonrise and moonset (+8')
  astro::TwilightKind twilightKind = astro::TwilightKind::Astronomical;
};
DayEvents ComputeDayEvents(const shell::SiteSettings& site, const shell::CalendarDate& date,
                           astro::TwilightKind twilight);

// The sun at a clock time `hours` of the date in one of the time kinds.
struct PositionResult {
  astro::SunPosition sun;
  int dayOfYear = 1;
};
PositionResult ComputePosition(const shell::SiteSettings& site, const shell::CalendarDate& date,
                               double hours, TimeKind kind);

// The zone time at which the sun reaches `azimuth` (degrees from south, west
// positive) on the date, with the search's messages shown
// (ShowAzimuthTimeMessages).
astro::AzimuthTimeResult ComputeTimeForAzimuth(const shell::SiteSettings& site,
                                               const shell::CalendarDate& date, double azimuth);

// ---- result lines ----------------------------------------------------------

// The block that opens every computation: a blank line, the rule, a blank
// line, the date (year 4 wide, month and day 2 wide), the latitude (6.2), the
// longitude (7.2) and the zone meridian (6.1), a blank line.
std::vector<std::string> HeaderLines(const shell::SiteSettings& site,
                                     const shell::CalendarDate& date, int language);
// The rule that closes it: "  __" and 74 more underscores.
std::string RuleLine();

// Declination, equation of time, sunrise and sunset, twilight end and begin
// with the twilight kind shown, moonrise and moonset.
std::vector<std::string> RiseSetLines(const DayEvents& events, int language);

// The time text as entered ("09:30:15"), altitude and declination, azimuth
// and equation of time, and the note that east is negative.
std::vector<std::string> PositionLines(const std::string& timeText,
                                       const PositionResult& position, int language);

// The azimuth asked for, the note that east is negative, the time found
// (ReachedAtText) and the altitude then, or that the sun is below the horizon.
std::vector<std::string> AzimuthLines(double azimuth, const astro::AzimuthTimeResult& result,
                                      int language);

// Declination and equation of time at 12:00 zone time, and the note that the
// values hold for that time.
std::vector<std::string> EquationOfTimeLines(const astro::SolarDay& noon, int language);

// One computation's block of the result list: HeaderLines, the computation's
// lines, RuleLine.
std::vector<std::string> ResultBlock(const shell::SiteSettings& site,
                                     const shell::CalendarDate& date,
                                     const std::vector<std::string>& lines, int language);

// The time of AzimuthTimeText as the result list shows it: blanks removed and
// one blank before the unit ("12:23:05 hh:mm:ss"); empty when no time was found.
std::string ReachedAtText(const astro::AzimuthTimeResult& result, int language);

}  // namespace kelvra::calc
