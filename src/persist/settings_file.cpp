#include "persist/settings_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>

#include "astro/solar_ephemeris.h"
#include "config/dial_fields.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "persist/atomic_file.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/day_month.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/persist.h"
#include "texts/ui19.h"

namespace kelvra::persist {

namespace {

using shell::FormatReal;
using shell::MessageAnswer;
using shell::MessageButtons;
using shell::MessageKind;

char Flag(bool b) { return b ? 'j' : 'n'; }
char Digit(int v) { return static_cast<char>('0' + std::clamp(v, 0, 9)); }

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return std::string(s.substr(b, e - b + 1));
}

std::string NumberText(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::optional<double> ToReal(std::string_view run) {
  if (run.empty()) return std::nullopt;
  double v = 0;
  auto r = std::from_chars(run.data(), run.data() + run.size(), v);
  if (r.ec != std::errc{} || r.ptr != run.data() + run.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

// True when `v` converts to int without overflow (the integer fields are int).
bool FitsInt(double v) {
  return v > static_cast<double>(std::numeric_limits<int>::min()) - 1.0 &&
         v < static_cast<double>(std::numeric_limits<int>::max()) + 1.0;
}

std::optional<long long> ToInteger(std::string_view run) {
  if (run.empty()) return std::nullopt;
  long long v = 0;
  auto r = std::from_chars(run.data(), run.data() + run.size(), v);
  if (r.ec != std::errc{} || r.ptr != run.data() + run.size()) return std::nullopt;
  return v;
}

// The numbers of a line: each the next run of "-", "." and digits after
// skipping every other character.
class NumberRuns {
 public:
  explicit NumberRuns(std::string_view line) : line_(line) {}
  std::string_view Next() {
    auto isNum = [](char c) { return c == '-' || c == '.' || (c >= '0' && c <= '9'); };
    const std::size_t from = pos_;
    while (pos_ < line_.size() && !isNum(line_[pos_])) ++pos_;
    skipped_ = line_.substr(from, pos_ - from);
    const std::size_t start = pos_;
    while (pos_ < line_.size() && isNum(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
  }
  // What Next passed over to reach its run: when the run is empty, the text
  // that stood where a number was expected ("abc").
  std::string_view Skipped() const { return skipped_; }

 private:
  std::string_view line_;
  std::size_t pos_ = 0;
  std::string_view skipped_;
};

// The text to name in a message about a value: the run read, or what stood
// in its place when no number was found (blanks and separators trimmed).
std::string_view FoundText(std::string_view run, const NumberRuns& runs) {
  if (!run.empty()) return run;
  std::string_view s = runs.Skipped();
  const auto first = s.find_first_not_of(" ;\t");
  if (first == std::string_view::npos) return {};
  s = s.substr(first);
  return s.substr(0, s.find_last_not_of(" ;\t") + 1);
}

const config::FieldInfo& Field(std::string_view name) {
  const auto* f = config::FindField(name);
  return *f;  // every name used below is in the table
}

double Get(std::string_view name, const config::FieldRefs& refs) { return Field(name).get(refs); }
void Set(std::string_view name, const config::FieldRefs& refs, double v) { Field(name).set(refs, v); }

// ---- the option string of line 9 -------------------------------------------

enum class OptionKind { Flag, Digit, WriteOnlyFlag, TimeCode, Ignored, LineWidth };

struct OptionEntry {
  int pos;                  // 1-based position in the string
  std::string_view field;   // field name in the field table
  OptionKind kind;
  int maxDigit = 0;         // reader accepts "0".."maxDigit"
  int fallback = 0;
  bool stop = false;
};

constexpr OptionEntry kOptions[] = {
    {1, "dateLineMode", OptionKind::Digit, 3, 0, true},
    {2, "eotHourInterval", OptionKind::Digit, 6, 0, true},
    {3, "linesToFoot", OptionKind::Flag},
    {4, "meanTimeStraightLines", OptionKind::Flag},
    {5, "hoursApparent", OptionKind::Flag},
    {6, "markAnalemma", OptionKind::WriteOnlyFlag},
    {7, "babylonianHours", OptionKind::Flag},
    {8, "italianHours", OptionKind::Flag},
    {9, "altitudeLines", OptionKind::Flag},
    {10, "temporalHours", OptionKind::Flag},
    {11, "quadrantMirrored", OptionKind::Flag},
    {12, "altitudeWithEot", OptionKind::Flag},
    {13, "", OptionKind::TimeCode},
    {14, "juneOutside", OptionKind::Flag},
    {15, "planarLocalTime", OptionKind::Flag},
    {16, "monthScaleDouble", OptionKind::Flag},
    {17, "constructWithEot", OptionKind::Flag},
    {18, "ringLocalTime", OptionKind::Ignored},
    {19, "hourInterval", OptionKind::Digit, 5, 0, true},
    {20, "hidokeiVerticalFace", OptionKind::Flag},
    {21, "wholeYear", OptionKind::Flag},
    {22, "meanTimeLocal", OptionKind::Flag},
    {23, "polarTriangle", OptionKind::Flag},
    {24, "hoursWithEot", OptionKind::Flag},
    {25, "analemmaDays", OptionKind::Digit, 5, 0, true},
    {26, "markAnalemma", OptionKind::Flag},
    {27, "azimuthZodiacScale", OptionKind::Flag},
    {28, "ringLightDeflection", OptionKind::Digit, 2, 0, false},
    {29, "ringNoonHorizontal", OptionKind::Flag},
    {30, "lineWidth", OptionKind::LineWidth},
    {31, "coneVertical", OptionKind::Flag},
    {32, "secondVertical", OptionKind::Flag},
    {33, "dialPlane", OptionKind::Digit, 8, 0, false},
    {34, "altitudeCircleSpacing", OptionKind::Digit, 3, 0, false},
    {35, "azimuthCircleMode", OptionKind::Digit, 1, 0, false},
    {36, "quadrantDateScale", OptionKind::Digit, 2, 0, false},
    {37, "sunshineDurationLines", OptionKind::Flag},
    {38, "extendTemporal", OptionKind::Flag},
};
constexpr int kOptionLength = 38;  // the extra option number follows

// ---- the "[Zeiten]" section ------------------------------------------------

enum class HourCheck { Hours, Temporal, Altitude };
struct TimeEntry {
  std::string_view field;
  HourCheck check;
  int fallback;
};
constexpr TimeEntry kTimes[] = {
    {"eotHoursFrom", HourCheck::Hours, 8},        {"eotHoursTo", HourCheck::Hours, 18},
    {"babylonianFrom", HourCheck::Hours, 0},      {"babylonianTo", HourCheck::Hours, 12},
    {"italianFrom", HourCheck::Hours, 18},        {"italianTo", HourCheck::Hours, 24},
    {"temporalFrom", HourCheck::Temporal, 1},     {"temporalTo", HourCheck::Temporal, 11},
    {"altitudeFrom", HourCheck::Altitude, 10},    {"altitudeTo", HourCheck::Altitude, 10},
    {"otherHoursFrom", HourCheck::Hours, 8},      {"otherHoursTo", HourCheck::Hours, 18},
    {"otherTemporalFrom", HourCheck::Temporal, 1}, {"otherTemporalTo", HourCheck::Temporal, 12},
};
constexpr std::string_view kIntervalFields[] = {
    "babylonianInterval", "italianInterval",   "temporalInterval",
    "altitudeInterval",   "otherHourInterval", "otherTemporalInterval"};

bool HourAccepted(HourCheck check, double v) {
  switch (check) {
    case HourCheck::Hours: return std::fabs(v - 12) <= 12;
    case HourCheck::Temporal: return std::fabs(v - 6) <= 6;
    case HourCheck::Altitude: return v >= 10 && v <= 90;
  }
  return false;
}

bool IsSettingsFileName(const std::string& fileName) {
  std::string name = std::filesystem::path(fileName).filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name == "kel.ini";
}

std::string BackupPath(const std::string& fileName) {
  return (std::filesystem::path(fileName).parent_path() / kBackupFileName).string();
}

double RoundedObliquity(int year) {
  return astro::ComputeZodiacDeclinations(year).roundedObliquity;
}

// Copies the file to "kel_ini.bak" in its folder and reports the outcome.
// Without a backup the damaged file is the only copy of the user's values,
// so a failed backup leaves it as it is (and says so); returns false then.
bool MakeBackup(const std::string& fileName) {
  auto bytes = ReadFileBytes(fileName);
  if (bytes && WriteFileAtomically(BackupPath(fileName), *bytes)) {
    shell::ShowMessage(MessageKind::Information, shell::Get(texts::persist::kBackupSaved));
    return true;
  }
  shell::ShowMessage(MessageKind::Error, shell::Get(texts::persist::kBackupFailed) + "\n" +
                                             shell::Get(texts::ui19::kDamagedFileKept));
  return false;
}

// ---- the reader --------------------------------------------------------------

enum class Style { ValueInLine, RestOfLine, FieldNumber, ThreadLines };

class Reader {
 public:
  Reader(const std::string& fileName, std::vector<std::string> lines, bool readColours,
         bool readDateLines)
      : fileName_(fileName), lines_(std::move(lines)), readColours_(readColours),
        readDateLines_(readDateLines), refs_(config::CurrentFieldRefs()) {}

  ReadResult Run();

 private:
  // Records and reports an unusable value; returns true when reading stops.
  bool Problem(int line, std::string_view text, std::string fallback, bool stop,
               Style style = Style::ValueInLine, int fieldNumber = 0) {
    // Messages count lines from 1, as editors do; `line` counts from 0.
    const std::string shown = std::to_string(line + 1);
    std::string msg;
    switch (style) {
      case Style::ValueInLine:
        msg = shell::Get(texts::persist::kInLine) + shown + ":" + std::string(text);
        break;
      case Style::RestOfLine:
        msg = shell::Get(texts::persist::kLine) + shown + ":" + std::string(text);
        break;
      case Style::FieldNumber:
        msg = shell::Get(texts::persist::kLine) + shown + "/" + std::to_string(fieldNumber);
        break;
      case Style::ThreadLines:
        msg = shell::Get(texts::persist::kInLines) + shown + "f. :" + std::string(text);
        break;
    }
    shell::ShowMessage(MessageKind::Error, msg + shell::Get(texts::persist::kDamagedValue));
    result_.problems.push_back({line, std::string(text), std::move(fallback), stop});
    if (stop) result_.stopLine = line;
    return stop;
  }

  std::string_view Line(int n) const {
    return n >= 0 && n < static_cast<int>(lines_.size()) ? std::string_view(lines_[n]) : std::string_view();
  }
  bool HasLine(int n) const { return n < colorsIndex_; }

  // Reads the next number of `runs` into `target` when it lies in lo..hi
  // (integers only when `integer`), else stores the fallback (NaN: unchanged).
  // Returns true when reading stops.
  bool Value(int line, NumberRuns& runs, double lo, double hi, double fallback, bool stop,
             std::string_view field, bool integer = false, Style style = Style::ValueInLine,
             int fieldNumber = 0) {
    const std::string_view run = runs.Next();
    std::optional<double> v = integer ? [&]() -> std::optional<double> {
      auto i = ToInteger(run);
      if (!i) return std::nullopt;
      return static_cast<double>(*i);
    }() : ToReal(run);
    // A value the field cannot hold is as unreadable as a word.
    if (v && Field(field).type != config::FieldType::Real && !FitsInt(*v)) v.reset();
    if (v && *v >= lo && *v <= hi) {
      Set(field, refs_, *v);
      return false;
    }
    std::string fb;
    if (!std::isnan(fallback)) {
      Set(field, refs_, fallback);
      fb = NumberText(fallback);
    }
    return Problem(line, FoundText(run, runs), fb, stop, style, fieldNumber);
  }

  bool ReadPositional();
  bool ReadOptionString(std::string_view s);
  bool ReadTimes();
  void ReadColours();
  void ReadDateLines();
  void DamagedQuestion(int line);

  std::string fileName_;
  std::vector<std::string> lines_;
  bool readColours_;
  bool readDateLines_;
  config::FieldRefs refs_;
  ReadResult result_;
  int colorsIndex_ = -1;
  int timesIndex_ = -1;
  int datesIndex_ = -1;
};

constexpr double kAny = std::numeric_limits<double>::max();
constexpr double kUnchanged = std::numeric_limits<double>::quiet_NaN();

bool Reader::ReadPositional() {
  auto& site = *refs_.site;
  auto& dial = *refs_.dial;
  // Line 0: the year.
  if (HasLine(0)) {
    NumberRuns r(Line(0));
    Value(0, r, -kAny, kAny, 2020, false, "year", true);
  }
  // Line 1: latitudes.
  if (HasLine(1)) {
    NumberRuns r(Line(1));
    // Each latitude is kept off the equator as soon as it is read, also when
    // the next value stops reading.
    if (Value(1, r, -90, 90, 47.25, true, "latitude")) return true;
    if (std::fabs(site.latitude) < 1e-6) site.latitude = 1e-6;
    if (Value(1, r, -90, 90, 47.25, true, "secondLatitude")) return true;
    if (std::fabs(dial.secondLatitude) < 1e-6) dial.secondLatitude = 1e-6;
  }
  if (HasLine(2)) {
    NumberRuns r(Line(2));
    if (Value(2, r, -180, 180, -9.59, true, "longitude")) return true;
    if (Value(2, r, -180, 180, -9.59, true, "secondLongitude")) return true;
  }
  if (HasLine(3)) {
    NumberRuns r(Line(3));
    if (Value(3, r, -180, 180, -15, true, "zoneMeridian")) return true;
  }
  if (HasLine(4)) {
    NumberRuns r(Line(4));
    if (Value(4, r, -kAny, kAny, 35, true, "gnomonHeight")) return true;
    if (Value(4, r, -kAny, kAny, 40, true, "polarCylinderGnomon")) return true;
    if (Value(4, r, -kAny, kAny, 250, true, "cylinderRadius")) return true;
    // Written with no decimals; rounded into the whole-millimetre field.
    const auto run = r.Next();
    if (auto v = ToReal(run); v && FitsInt(std::round(*v))) {
      dial.monthScaleLength = static_cast<int>(std::lround(*v));
    } else {
      dial.monthScaleLength = 270;
      if (Problem(4, FoundText(run, r), "270", true)) return true;
    }
  }
  if (HasLine(5)) {
    NumberRuns r(Line(5));
    static constexpr std::pair<std::string_view, int> kInts[] = {
        {"cylinderGnomon", 70}, {"hidokeiScaleLength", 170}, {"hidokeiMonthScale", 150},
        {"hidokeiGnomon", 150}, {"scalePercent", 150},       {"quadrantSize", 150}};
    for (const auto& [name, fb] : kInts) {
      Value(5, r, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), fb, false, name, true);
    }
    if (Value(5, r, -kAny, kAny, 200, true, "dialDiameter")) return true;
  }
  if (HasLine(6)) {
    NumberRuns r(Line(6));
    if (Value(6, r, -180, 180, -11.7, true, "wallDeclination")) return true;
    if (Value(6, r, -180, 180, -11.7, true, "secondWallDeclination")) return true;
  }
  if (HasLine(7)) {
    NumberRuns r(Line(7));
    Value(7, r, -kAny, kAny, kUnchanged, false, "inclination");
    // Accepted: everything the record allows (-175..+175) and what older
    // readers took (at least 1).
    const double axisFallback = site.latitude < 0 ? site.latitude + 180 : site.latitude;
    if (Value(7, r, -175, kAny, axisFallback, true, "axisInclination")) return true;
    // The fallback is half the axis inclination, kept in the accepted range:
    // a negative axis inclination would give a fallback this reader refuses.
    if (Value(7, r, 0, 86, std::clamp(dial.axisInclination / 2, 0.0, 86.0), true, "coneHalfAngle"))
      return true;
  }
  if (HasLine(8)) {
    NumberRuns r(Line(8));
    Value(8, r, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 12, false,
          "analemmaHour", true);
    if (Value(8, r, 0, 900, 90, true, "sawyerCenter")) return true;
    if (Value(8, r, 0.5, 15, 5, true, "sawyerLineAngle")) return true;
    // The mode alone: the flags it implies are read from the option string.
    const auto run = r.Next();
    auto v = ToReal(run);
    if (v && *v >= 0 && *v <= 4 && *v == std::trunc(*v)) {
      dial.sawyerTimeMode = static_cast<int>(*v);
    } else {
      dial.sawyerTimeMode = 2;
      if (Problem(8, FoundText(run, r), "2", true)) return true;
    }
  }
  if (HasLine(9) && ReadOptionString(Line(9))) return true;
  if (HasLine(10)) {
    const std::string code = Trimmed(Line(10));
    config::ParseKindCode(code, dial);
    // The bifilar dial has no use for the last option number.
    if (config::KindRow(dial).family == config::DialFamily::Bifilar) dial.extraOption = 0;
  }
  if (HasLine(11)) {
    NumberRuns r(Line(11));
    if (Value(11, r, 0, 24, 7, true, "hoursFrom")) return true;
  }
  if (HasLine(12)) {
    NumberRuns r(Line(12));
    if (Value(12, r, 0, 24, 19, true, "hoursTo")) return true;
  }
  if (HasLine(13)) {
    const std::string_view s = Line(13);
    if (!s.empty()) Set("language", refs_, s[0] == 'E' ? 'E' : 'D');
    static constexpr std::string_view kFlags[] = {"expertMode", "mapsEnabled", "drawBorders",
                                                  "drawCoastline"};
    for (std::size_t i = 0; i < 4; ++i) {
      if (s.size() > i + 1) Set(kFlags[i], refs_, s[i + 1] == 'j' ? 1 : 0);
    }
  }
  if (HasLine(14)) refs_.general->normalWindowSize = Trimmed(Line(14)) != "false";
  if (HasLine(15)) {
    NumberRuns r(Line(15));
    Value(15, r, -kAny, kAny, kUnchanged, false, "umbrellaRadiusPercent", false, Style::FieldNumber, 1);
    Value(15, r, 0, 300, 110, false, "ringDiameter", false, Style::FieldNumber, 2);
    Value(15, r, -kAny, kAny, 50, false, "ringWidth", false, Style::FieldNumber, 3);
    Value(15, r, 0, 90, 50, false, "ringHoleAngle", false, Style::FieldNumber, 4);
  }
  if (HasLine(16)) {
    NumberRuns r(Line(16));
    // The first field holds dialDiameter (as every writer stored it), which
    // line 5 has given already; the Habermel gnomon is derived from it below.
    r.Next();
    // Accepted: the record's ranges (0..300 mm, -2.1..+2.1) and what older
    // readers took (at least 10, magnitude at most 1.99).
    if (Value(16, r, 0, kAny, 32, true, "peaucellierEquinoxDistance", false, Style::FieldNumber, 2))
      return true;
    dial.peaucellierEquinoxDistance = static_cast<int>(std::lround(Get("peaucellierEquinoxDistance", refs_)));
    if (Value(16, r, -2.1, 2.1, -0.9876, true, "peaucellierConstant", false, Style::FieldNumber, 3))
      return true;
  }
  if (HasLine(17)) {
    NumberRuns r(Line(17));
    const double half = RoundedObliquity(site.year) / 2;
    Value(17, r, -23.44, 23.44, 0, false, "ringHoleOffset");
    if (Value(17, r, 0, kAny, half, true, "ringHoleOffsetNorth")) return true;
    if (Value(17, r, -kAny, 0, -half, true, "ringHoleOffsetSouth")) return true;
  }
  if (HasLine(18)) {
    NumberRuns r(Line(18));
    static constexpr std::string_view kThreads[] = {
        "bifilarThreads.p1.x", "bifilarThreads.p1.y", "bifilarThreads.p1.z",
        "bifilarThreads.p2.x", "bifilarThreads.p2.y", "bifilarThreads.p2.z",
        "bifilarThreads.p3.x", "bifilarThreads.p3.y", "bifilarThreads.p3.z",
        "bifilarThreads.p4.x", "bifilarThreads.p4.y", "bifilarThreads.p4.z"};
    for (auto name : kThreads) Value(18, r, -500, 500, 1000, false, name, false, Style::ThreadLines);
  }
  return false;
}

bool Reader::ReadOptionString(std::string_view s) {
  auto at = [&](int pos) -> std::optional<char> {
    if (pos < 1 || pos > static_cast<int>(s.size())) return std::nullopt;
    return s[static_cast<std::size_t>(pos - 1)];
  };
  for (const auto& o : kOptions) {
    const auto c = at(o.pos);
    switch (o.kind) {
      case OptionKind::Flag:
        if (c) Set(o.field, refs_, *c == 'j' ? 1 : 0);
        break;
      case OptionKind::WriteOnlyFlag:
      case OptionKind::Ignored: break;
      case OptionKind::TimeCode: {
        const char code = c.value_or('0');
        Set("altitudeTemporal", refs_, code == '2');
        Set("zoneTime", refs_, code == '1');
        Set("ringLocalTime", refs_, code != '2');
        break;
      }
      case OptionKind::LineWidth:
        if (c && *c >= '1' && *c <= '3') Set(o.field, refs_, *c - '0');
        break;
      case OptionKind::Digit: {
        if (!c) {
          if (o.field == "altitudeCircleSpacing") Set(o.field, refs_, 1);
          break;
        }
        if (*c >= '0' && *c <= '0' + o.maxDigit) {
          Set(o.field, refs_, *c - '0');
        } else {
          Set(o.field, refs_, o.fallback);
          if (Problem(9, s.substr(static_cast<std::size_t>(o.pos - 1)), std::to_string(o.fallback),
                      o.stop, Style::RestOfLine))
            return true;
        }
        break;
      }
    }
  }
  if (static_cast<int>(s.size()) > kOptionLength) {
    NumberRuns r(s.substr(kOptionLength));
    if (auto v = ToInteger(r.Next()); v && FitsInt(static_cast<double>(*v))) {
      refs_.dial->extraOption = static_cast<int>(*v);
    }
  }
  return false;
}

bool Reader::ReadTimes() {
  int offset = 1;
  for (const auto& t : kTimes) {
    const int line = timesIndex_ + offset++;
    NumberRuns r(Line(line));
    const auto run = r.Next();
    auto v = ToReal(run);
    if (v && HourAccepted(t.check, *v)) {
      Set(t.field, refs_, std::lround(*v));
    } else {
      Set(t.field, refs_, t.fallback);
      if (Problem(line, FoundText(run, r), std::to_string(t.fallback), true)) return true;
    }
  }
  const std::string codes = Trimmed(Line(timesIndex_ + offset));
  for (std::size_t i = 0; i < std::size(kIntervalFields) && i < codes.size(); ++i) {
    const auto& f = Field(kIntervalFields[i]);
    const int v = codes[i] - '0';
    if (v >= f.min && v <= f.max) f.set(refs_, v);
  }
  return false;
}

void Reader::ReadColours() {
  auto& colors = *refs_.colors;
  for (int i = 0; i < 12; ++i) {
    const int line = colorsIndex_ + 1 + i;
    if (line >= static_cast<int>(lines_.size()) || line == timesIndex_) break;
    const std::string text = Trimmed(Line(line));
    auto v = ToInteger(text);
    if (v && *v >= 0 && *v <= 0xFFFFFF) {
      colors.colors[static_cast<std::size_t>(i)] = static_cast<shell::ColorValue>(*v);
      colors.savedColors[static_cast<std::size_t>(i)] = static_cast<shell::ColorValue>(*v);
    } else {
      Problem(line, text, "", false);
    }
  }
}

void Reader::ReadDateLines() {
  auto& list = refs_.general->ownDateLines;
  list.clear();
  const int year = refs_.site->year;
  for (std::size_t i = static_cast<std::size_t>(datesIndex_) + 1; i < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    if (Trimmed(line).empty()) continue;
    if (shell::ParseDayMonthForYear(line, year, refs_.general->language, false).valid) {
      list.push_back(line);
    } else {
      shell::ShowMessage(MessageKind::Error, shell::Get(texts::persist::kBadDate) + line +
                                                 shell::Get(texts::persist::kIn) + fileName_);
      result_.problems.push_back({static_cast<int>(i), line, "", false});
    }
  }
}

void Reader::DamagedQuestion(int line) {
  result_.outcome = ReadResult::Outcome::Damaged;
  std::string text = fileName_ + shell::Get(texts::persist::kColonLine) + std::to_string(line + 1) +
                     "\n" + shell::Get(texts::persist::kDamaged1) + "\n" +
                     shell::Get(texts::persist::kDamaged2);
  if (shell::ShowMessage(MessageKind::Question, text, MessageButtons::YesNo) == MessageAnswer::Yes) {
    if (MakeBackup(fileName_)) {
      ResetToDefaults();
      result_.rewritten = RewriteSettings(fileName_);
    }
  }
}

ReadResult Reader::Run() {
  refs_.general->normalWindowSize = true;
  Set("language", refs_, 'D');
  auto find = [&](std::string_view marker) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (Trimmed(lines_[i]) == marker) return static_cast<int>(i);
    }
    return -1;
  };
  colorsIndex_ = find(kColorsSection);
  timesIndex_ = find(kTimesSection);
  datesIndex_ = find(kDateLinesSection);
  if (colorsIndex_ < 0 || timesIndex_ <= colorsIndex_ || datesIndex_ <= timesIndex_ ||
      lines_.size() <= 25) {
    ResetToDefaults();
    result_.outcome = ReadResult::Outcome::Damaged;
    result_.problems.push_back({0, "", "", true});
    result_.stopLine = 0;
    if (shell::ShowMessage(
            MessageKind::Question,
            shell::Get(texts::persist::kDamaged1) + "\n" + shell::Get(texts::persist::kDamaged2),
            MessageButtons::YesNo) == MessageAnswer::Yes) {
      // The user's file is kept as a backup before it is replaced.
      if (MakeBackup(fileName_)) result_.rewritten = RewriteSettings(fileName_);
    }
    return result_;
  }
  const bool stopped = ReadPositional() || ReadTimes();
  // The Habermel gnomon follows from the diameter, the latitude and the year.
  if (refs_.dial->altitudeVariant == 1 || refs_.dial->altitudeVariant == 2) {
    config::DeriveHabermelGnomon(*refs_.dial, refs_.site->latitude, RoundedObliquity(refs_.site->year));
  }
  if (stopped) {
    DamagedQuestion(result_.stopLine);
  } else {
    if (readColours_) ReadColours();
    if (readDateLines_) ReadDateLines();
  }
  return result_;
}

}  // namespace

void ResetToDefaults() {
  auto& s = shell::State();
  s.site = shell::SiteSettings{};
  config::ResetDialParameters(config::Dial(), s.site.latitude,
                              RoundedObliquity(s.site.year));
  s.colors.colors = shell::kDefaultColors;
  s.colors.lineWidth = 1;
  s.general.ownDateLines = shell::DefaultOwnDateLines();
}

void WriteSettings(std::vector<std::string>& lines, bool keepStoredColours) {
  auto& state = shell::State();
  const auto refs = config::CurrentFieldRefs();
  const auto& site = state.site;
  const auto& d = config::Dial();
  auto colours = state.colors.colors;

  if (keepStoredColours && std::filesystem::exists(state.general.settingsFile)) {
    auto old = ReadTextLines(state.general.settingsFile);
    std::size_t start = 0;
    if (old) {
      while (start < old->size() && Trimmed((*old)[start]) != kColorsSection) ++start;
    }
    if (old && start < old->size()) {
      for (std::size_t i = 0; i < 12; ++i) {
        const std::size_t n = start + 1 + i;
        if (n < old->size()) {
          auto v = ToInteger(Trimmed((*old)[n]));
          state.colors.savedColors[i] = v ? static_cast<shell::ColorValue>(*v) : 0;
        } else {
          state.colors.savedColors[i] = 255;
        }
      }
      colours = state.colors.savedColors;
    } else {
      shell::ShowMessage(MessageKind::Information, shell::Get(texts::persist::kNoStoredColours));
    }
  }

  lines.clear();
  lines.push_back(std::to_string(site.year));
  lines.push_back(FormatReal(10, 6, site.latitude) + ";" + FormatReal(12, 2, d.secondLatitude));
  lines.push_back(FormatReal(10, 6, site.longitude) + ";" + FormatReal(12, 2, d.secondLongitude));
  lines.push_back(FormatReal(12, 2, site.zoneMeridian));
  lines.push_back(FormatReal(6, 2, d.gnomonHeight) + ";" + FormatReal(6, 2, d.polarCylinderGnomon) +
                  ";" + FormatReal(8, 2, d.cylinderRadius) + ";" + FormatReal(7, 0, d.monthScaleLength));
  lines.push_back(std::to_string(d.cylinderGnomon) + "," + std::to_string(d.hidokeiScaleLength) + "," +
                  std::to_string(d.hidokeiMonthScale) + "," + std::to_string(d.hidokeiGnomon) + "," +
                  std::to_string(d.scalePercent) + "," + std::to_string(d.quadrantSize) + "," +
                  FormatReal(6, 1, d.dialDiameter));
  lines.push_back(FormatReal(11, 6, d.wallDeclination) + ";" + FormatReal(10, 6, d.secondWallDeclination));
  lines.push_back(FormatReal(11, 6, d.inclination) + ";" + FormatReal(10, 6, d.axisInclination) + ";" +
                  FormatReal(10, 6, d.coneHalfAngle));
  lines.push_back(std::to_string(d.analemmaHour) + ";" + FormatReal(6, 1, d.sawyerCenter) + ";" +
                  FormatReal(7, 2, d.sawyerLineAngle) + ";  " + FormatReal(2, 0, d.sawyerTimeMode));

  std::string options(kOptionLength, 'n');
  for (const auto& o : kOptions) {
    char& c = options[static_cast<std::size_t>(o.pos - 1)];
    switch (o.kind) {
      case OptionKind::Flag:
      case OptionKind::WriteOnlyFlag:
      case OptionKind::Ignored: c = Flag(Get(o.field, refs) != 0); break;
      case OptionKind::TimeCode: c = d.altitudeTemporal ? '2' : d.zoneTime ? '1' : '0'; break;
      case OptionKind::LineWidth:
      case OptionKind::Digit: c = Digit(static_cast<int>(Get(o.field, refs))); break;
    }
  }
  lines.push_back(options + std::to_string(d.extraOption));
  lines.push_back(config::KindCode(d));
  lines.push_back(std::to_string(d.hoursFrom));
  lines.push_back(std::to_string(d.hoursTo));
  const auto& g = state.general;
  lines.push_back(std::string(1, g.language == 2 ? 'E' : 'D') + Flag(g.expertMode) + Flag(g.mapsEnabled) +
                  Flag(g.drawBorders) + Flag(g.drawCoastline));
  lines.push_back(g.normalWindowSize ? "true" : "false");
  lines.push_back(FormatReal(11, 6, d.umbrellaRadiusPercent) + ";" + FormatReal(7, 2, d.ringDiameter) +
                  ";" + FormatReal(7, 2, d.ringWidth) + ";" + FormatReal(5, 1, d.ringHoleAngle));
  lines.push_back(FormatReal(7, 1, d.dialDiameter) + ";" + FormatReal(6, 0, d.peaucellierEquinoxDistance) +
                  ";" + FormatReal(9, 4, d.peaucellierConstant));
  lines.push_back(FormatReal(7, 2, d.ringHoleOffset) + ";" + FormatReal(7, 2, d.ringHoleOffsetNorth) + ";" +
                  FormatReal(7, 2, d.ringHoleOffsetSouth));
  std::string threads;
  for (const auto& p : d.bifilarThreads) {
    threads += FormatReal(5, 1, p.x) + ";" + FormatReal(5, 1, p.y) + ";" + FormatReal(5, 1, p.z) + ";";
  }
  lines.push_back(threads);
  lines.push_back(kColorsSection);
  for (auto c : colours) lines.push_back(std::to_string(c));
  lines.push_back(kTimesSection);
  for (const auto& t : kTimes) lines.push_back(std::to_string(static_cast<int>(Get(t.field, refs))));
  std::string codes;
  for (auto f : kIntervalFields) codes += Digit(static_cast<int>(Get(f, refs)));
  lines.push_back(codes);
  lines.push_back(kDateLinesSection);
  for (const auto& line : g.ownDateLines) {
    if (shell::ParseDayMonthForYear(line, site.year, g.language, false).valid) lines.push_back(line);
  }
}

ReadResult ReadSettings(const std::string& fileName, bool readColours, bool readDateLines) {
  FileBytes file = ReadRegularFile(fileName, kMaxTextFileBytes);
  if (!file.bytes) {
    ReadResult result;
    result.outcome = ReadResult::Outcome::Missing;
    result.reason = file.failure == ReadFailure::NotRegular
                        ? shell::Get(texts::persist::kNotRegularFile)
                    : file.failure == ReadFailure::TooLarge ? shell::Get(texts::persist::kTooLarge)
                                                            : file.reason;
    // Only a settings file that is really not there is offered for creation;
    // a folder or a device of that name is reported like any unreadable file.
    if (file.failure == ReadFailure::Missing && IsSettingsFileName(fileName)) {
      const std::string text = fileName + " : \n" + shell::Get(texts::persist::kMissing) + "\n" +
                               shell::Get(texts::persist::kMissingHint);
      if (shell::ShowMessage(MessageKind::Question, text, MessageButtons::YesNo) == MessageAnswer::Yes) {
        ResetToDefaults();
        result.rewritten = RewriteSettings(fileName);
      }
    } else {
      shell::ShowMessage(MessageKind::Error, fileName + " :\n" + result.reason + "\n" +
                                                 shell::Get(texts::persist::kNoSolution) + " 4");
    }
    return result;
  }
  return ReadSettingsBytes(fileName, *file.bytes, readColours, readDateLines);
}

ReadResult ReadSettingsBytes(const std::string& fileName, std::string_view bytes, bool readColours,
                             bool readDateLines) {
  Reader reader(fileName, SplitLines(Windows1252ToUtf8(bytes)), readColours, readDateLines);
  return reader.Run();
}

shell::SaveResult StoreSettingsLines(const std::string& fileName,
                                     const std::vector<std::string>& lines) {
  const auto folder = std::filesystem::path(fileName).parent_path();
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
  }
  return SaveTextLines(fileName, lines);
}

void ShowNotSaved(const std::string& fileName, const shell::SaveResult& result) {
  // The system's reason (full disk, no permission, ...) tells the user what to do.
  std::string text = fileName + " :\n" + shell::Get(texts::persist::kNotSaved);
  if (!result.reason.empty()) text += "\n" + result.reason;
  shell::ShowMessage(MessageKind::Error, text);
}

bool RewriteSettings(const std::string& fileName) {
  std::vector<std::string> lines;
  WriteSettings(lines, false);
  const shell::SaveResult saved = StoreSettingsLines(fileName, lines);
  if (saved.ok) {
    shell::ShowMessage(MessageKind::Information,
                       fileName + "  " + shell::Get(texts::persist::kSaved));
    return true;
  }
  ShowNotSaved(fileName, saved);
  return false;
}

}  // namespace kelvra::persist
