#include "cli/cmd_sun.h"

#include <chrono>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "calc/calculator/calculator.h"
#include "calc/calculator/sun_texts.h"
#include "cli/json.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "shell/time_format.h"

namespace kelvra::cli {
namespace {

using calc::TimeKind;
using shell::CalendarDate;

// A clock time of day in hours with the text the calculator shows for it.
struct ClockTime {
  double hours = 12.0;
  std::string text = "12:00:00";
};

std::string TwoDigits(int n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

std::string DateText(const CalendarDate& d) {
  std::string y = std::to_string(d.year);
  if (y.size() < 4) y.insert(0, 4 - y.size(), '0');
  return y + "-" + TwoDigits(d.month) + "-" + TwoDigits(d.day);
}

std::string Trimmed(std::string s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The zone time of the site now: the system clock (UTC) plus the zone's offset;
// neither the host's time zone nor daylight-saving time enter.
std::pair<CalendarDate, double> NowAtSite() {
  using namespace std::chrono;
  const double zoneHours = shell::State().site.ZoneHours();
  const auto now = system_clock::now() + duration_cast<system_clock::duration>(
                                             duration<double, std::ratio<3600>>(zoneHours));
  const auto day = floor<days>(now);
  const year_month_day ymd{day};
  const double hours = duration<double, std::ratio<3600>>(now - day).count();
  CalendarDate date;
  date.year = static_cast<int>(ymd.year());
  date.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  date.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  return {date, hours};
}

// --date YYYY-MM-DD (a day that exists, year 1300..2500); without it today's
// date at the site, in the reference year when --year is given. The year
// becomes the reference year. A day of the 1582 gap is moved to 15 October
// with the calculator's notice.
CalendarDate ReadDate(const ParsedArgs& args) {
  CalendarDate date;
  if (auto text = args.Value("--date")) {
    const std::string& t = *text;
    if (t.size() != 10 || t[4] != '-' || t[7] != '-' || !AllDigits(t.substr(0, 4)) ||
        !AllDigits(t.substr(5, 2)) || !AllDigits(t.substr(8, 2))) {
      throw UsageError("--date: '" + t +
                       "' is not a date; expected YYYY-MM-DD, a day that exists in the years 1300 .. 2500");
    }
    date.year = std::stoi(t.substr(0, 4));
    date.month = std::stoi(t.substr(5, 2));
    date.day = std::stoi(t.substr(8, 2));
    if (date.year < 1300 || date.year > 2500) {
      throw UsageError("--date: the year " + std::to_string(date.year) +
                       " is out of range; allowed 1300 .. 2500");
    }
    if (!astro::IsValidDate(date.year, date.month, date.day)) {
      throw UsageError("--date: " + t + " does not exist; expected YYYY-MM-DD, month 01..12, day 01.." +
                       std::to_string(std::max(28, astro::DaysInMonth(date.year, date.month))));
    }
  } else {
    date = NowAtSite().first;
    if (args.Has("--year")) {
      date.year = shell::State().site.year;
      if (date.month == 2 && date.day == 29 && !astro::IsLeapYear(date.year)) date.day = 28;
    }
  }
  calc::CorrectGregorianGap(date);
  shell::State().site.year = date.year;
  shell::State().general.today = date;
  return date;
}

// --time HH:MM[:SS], hours 0..24 (24 only as 24:00:00).
ClockTime ReadTime(const ParsedArgs& args) {
  ClockTime time;
  auto text = args.Value("--time");
  if (!text) return time;
  const std::string& t = *text;
  const std::string allowed = "expected HH:MM or HH:MM:SS, hours 0..24, minutes and seconds 0..59";
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = t.find(':', start);
    parts.push_back(t.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) throw UsageError("--time: '" + t + "' is not a time; " + allowed);
  int values[3] = {0, 0, 0};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!AllDigits(parts[i]) || parts[i].size() > 2) {
      throw UsageError("--time: '" + t + "' is not a time; " + allowed);
    }
    values[i] = std::stoi(parts[i]);
  }
  if (values[0] > 24 || values[1] > 59 || values[2] > 59 ||
      (values[0] == 24 && (values[1] != 0 || values[2] != 0))) {
    throw UsageError("--time: " + t + " is out of range; " + allowed);
  }
  time.hours = values[0] + values[1] / 60.0 + values[2] / 3600.0;
  time.text = TwoDigits(values[0]) + ":" + TwoDigits(values[1]) + ":" + TwoDigits(values[2]);
  return time;
}

void RejectPositional(const ParsedArgs& args) {
  if (!args.Positional().empty()) {
    throw UsageError("unexpected argument '" + args.Positional().front() + "' (see --help)");
  }
}

void Print(std::ostream& out, const std::vector<std::string>& lines) {
  for (const auto& l : lines) out << l << '\n';
}

// The calculator's block: the header, the lines of one computation, the rule.
void PrintBlock(std::ostream& out, const CalendarDate& d, const std::vector<std::string>& result) {
  const int language = shell::CurrentLanguage();
  Print(out, calc::HeaderLines(shell::State().site, d, language));
  Print(out, result);
  out << calc::RuleLine() << '\n';
}

// ---------------------------------------------------------------- riseset

void EventsJson(JsonWriter& json, std::string_view key, const astro::RiseSetResult& r,
                astro::RiseSetKind kind) {
  const auto texts = calc::FormatRiseSet(r, kind, shell::CurrentLanguage());
  json.Key(key).BeginObject();
  json.Field("rise", r.rise).Field("set", r.set);
  json.Field("riseText", Trimmed(texts.rise)).Field("setText", Trimmed(texts.set));
  json.Field("state", astro::RiseSetStateName(r.state));
  json.EndObject();
}

const char* TwilightName(astro::TwilightKind k) {
  switch (k) {
    case astro::TwilightKind::Civil: return "civil";
    case astro::TwilightKind::Nautical: return "nautical";
    case astro::TwilightKind::Astronomical: return "astronomical";
  }
  return "astronomical";
}

void SiteJson(JsonWriter& json) {
  const auto& site = shell::State().site;
  json.Field("latitude", site.latitude)
      .Field("longitude", site.longitude)
      .Field("zoneMeridian", site.zoneMeridian);
}

void DayEventsJson(JsonWriter& json, const calc::DayEvents& e) {
  json.Field("twilightKind", TwilightName(e.twilightKind));
  EventsJson(json, "sun", e.sun, astro::RiseSetKind::Sun);
  EventsJson(json, "twilight", e.twilight, astro::RiseSetKind::Twilight);
  EventsJson(json, "moon", e.moon, astro::RiseSetKind::Moon);
  json.Field("declination", e.noon.declination)
      .Field("equationOfTime", e.noon.equationOfTime)
      .Field("equationOfTimeMinutes", 4.0 * e.noon.equationOfTime)
      .Field("equationOfTimeText", Trimmed(shell::FormatMinutesSeconds(e.noon.equationOfTime)));
}

astro::TwilightKind ReadTwilight(const ParsedArgs& args) {
  const auto v = args.Choice("--twilight", {"civil", "nautical", "astronomical"});
  if (!v || *v == "astronomical") return astro::TwilightKind::Astronomical;
  return *v == "civil" ? astro::TwilightKind::Civil : astro::TwilightKind::Nautical;
}

int RunRiseSet(Invocation& inv) {
  RejectPositional(inv.args);
  const astro::TwilightKind twilight = ReadTwilight(inv.args);
  const CalendarDate d = ReadDate(inv.args);
  shell::State().general.twilightKind = static_cast<int>(twilight);
  const calc::DayEvents e = calc::ComputeDayEvents(shell::State().site, d, twilight);
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("date", DateText(d));
    SiteJson(json);
    DayEventsJson(json, e);
    json.EndObject();
    inv.out << json.Text() << '\n';
    return kExitOk;
  }
  PrintBlock(inv.out, d, calc::RiseSetLines(e, shell::CurrentLanguage()));
  return kExitOk;
}

// ---------------------------------------------------------------- sun

const char* TimeKindName(TimeKind k) {
  switch (k) {
    case TimeKind::TrueLocal: return "apparent";
    case TimeKind::MeanLocal: return "mean";
    case TimeKind::Zone: return "zone";
  }
  return "zone";
}

void PositionJson(JsonWriter& json, const ClockTime& time, TimeKind kind,
                  const calc::PositionResult& p) {
  json.Field("time", time.hours)
      .Field("timeText", time.text)
      .Field("timeKind", TimeKindName(kind))
      .Field("dayOfYear", p.dayOfYear)
      .Field("altitude", p.sun.altitude)
      .Field("azimuth", p.sun.azimuth)
      .Field("declination", p.sun.declination)
      .Field("equationOfTime", p.sun.equationOfTime)
      .Field("equationOfTimeMinutes", 4.0 * p.sun.equationOfTime)
      .Field("equationOfTimeText", Trimmed(shell::FormatMinutesSeconds(p.sun.equationOfTime)));
}

int RunSun(Invocation& inv) {
  RejectPositional(inv.args);
  TimeKind kind = TimeKind::Zone;
  if (auto k = inv.args.Choice("--time-kind", {"apparent", "mean", "zone"})) {
    kind = *k == "apparent" ? TimeKind::TrueLocal : (*k == "mean" ? TimeKind::MeanLocal : TimeKind::Zone);
  }
  const ClockTime time = ReadTime(inv.args);
  const CalendarDate d = ReadDate(inv.args);
  shell::State().general.timeOfDay = time.hours / 24.0;
  const calc::PositionResult p = calc::ComputePosition(shell::State().site, d, time.hours, kind);
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("date", DateText(d));
    SiteJson(json);
    PositionJson(json, time, kind, p);
    json.EndObject();
    inv.out << json.Text() << '\n';
    return kExitOk;
  }
  PrintBlock(inv.out, d, calc::PositionLines(time.text, p, shell::CurrentLanguage()));
  return kExitOk;
}

// ---------------------------------------------------------------- azimuth

int RunAzimuth(Invocation& inv) {
  RejectPositional(inv.args);
  if (!inv.args.Has("--azimuth")) {
    throw UsageError("--azimuth DEG is required (degrees from south, west positive, -180 .. 180)");
  }
  const double azimuth = *inv.args.Real("--azimuth", -180, 180);
  const CalendarDate d = ReadDate(inv.args);
  shell::State().general.azimuthInput = azimuth;
  const astro::AzimuthTimeResult r = calc::ComputeTimeForAzimuth(shell::State().site, d, azimuth);
  const int language = shell::CurrentLanguage();
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("date", DateText(d));
    SiteJson(json);
    json.Field("azimuth", azimuth);
    json.Field("time", r.solved && r.reached ? std::optional<double>(r.time) : std::nullopt);
    // The time text without its unit: "12:23:33".
    std::string timeText = calc::ReachedAtText(r, language);
    if (const auto blank = timeText.find(' '); blank != std::string::npos) timeText.resize(blank);
    json.Field("timeText", timeText);
    json.Field("altitude", r.solved ? std::optional<double>(r.altitude) : std::nullopt);
    json.Field("reached", r.solved && r.reached);
    json.EndObject();
    inv.out << json.Text() << '\n';
    return kExitOk;
  }
  PrintBlock(inv.out, d, calc::AzimuthLines(azimuth, r, language));
  return kExitOk;
}

// ---------------------------------------------------------------- today

int RunToday(Invocation& inv) {
  RejectPositional(inv.args);
  const astro::TwilightKind twilight = ReadTwilight(inv.args);
  const auto [d, hours] = NowAtSite();
  shell::State().site.year = d.year;
  shell::State().general.today = d;
  ClockTime now;
  now.hours = hours;
  const int seconds = static_cast<int>(std::floor(hours * 3600.0));
  now.text = TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
             TwoDigits(seconds % 60);
  const auto& site = shell::State().site;
  const calc::DayEvents e = calc::ComputeDayEvents(site, d, twilight);
  const calc::PositionResult p = calc::ComputePosition(site, d, hours, TimeKind::Zone);
  if (inv.json) {
    JsonWriter json;
    json.BeginObject().Field("date", DateText(d));
    SiteJson(json);
    json.Key("riseset").BeginObject();
    DayEventsJson(json, e);
    json.EndObject();
    json.Key("position").BeginObject();
    PositionJson(json, now, TimeKind::Zone, p);
    json.EndObject();
    json.EndObject();
    inv.out << json.Text() << '\n';
    return kExitOk;
  }
  const int language = shell::CurrentLanguage();
  std::vector<std::string> lines = calc::RiseSetLines(e, language);
  lines.push_back("");
  for (auto& l : calc::PositionLines(now.text, p, language)) lines.push_back(std::move(l));
  PrintBlock(inv.out, d, lines);
  return kExitOk;
}

const std::vector<OptionSpec> kDateOption = {
    {"--date", "YYYY-MM-DD", "the day (1300..2500; default today at the site)"},
};

}  // namespace

const Command& SunCommand() {
  static const Command command{
      "sun",
      "sun [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--time-kind apparent|mean|zone]",
      "the sun's altitude, azimuth, declination and equation of time at a time",
      {kDateOption[0],
       {"--time", "HH:MM[:SS]", "the time of day (default 12:00:00)"},
       {"--time-kind", "apparent|mean|zone",
        "true local, mean local or zone time of the zone meridian (default zone)"}},
      RunSun};
  return command;
}

const Command& RiseSetCommand() {
  static const Command command{
      "riseset",
      "riseset [--date YYYY-MM-DD] [--twilight civil|nautical|astronomical]",
      "sunrise and sunset, twilight, moonrise and moonset of a day (zone time)",
      {kDateOption[0],
       {"--twilight", "civil|nautical|astronomical", "the twilight shown (default astronomical)"}},
      RunRiseSet};
  return command;
}

const Command& AzimuthCommand() {
  static const Command command{
      "azimuth",
      "azimuth [--date YYYY-MM-DD] --azimuth DEG",
      "the zone time at which the sun reaches an azimuth, and its altitude then",
      {kDateOption[0],
       {"--azimuth", "DEG", "degrees from south, west positive: N -180, E -90, S 0, W 90 (-180..180)"}},
      RunAzimuth};
  return command;
}

const Command& TodayCommand() {
  static const Command command{
      "today",
      "today [--twilight civil|nautical|astronomical]",
      "today's sun data at the site: rise, set, twilight, moon, and the sun now",
      {{"--twilight", "civil|nautical|astronomical", "the twilight shown (default astronomical)"}},
      RunToday};
  return command;
}

}  // namespace kelvra::cli
