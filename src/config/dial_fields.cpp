#include "config/dial_fields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "shell/number_format.h"

namespace kelvra::config {

FieldRefs CurrentFieldRefs() {
  auto& s = shell::State();
  return {&s.site, &Dial(), &s.general, &s.colors};
}

namespace {

// Accessor pairs for a member `m` of the record `rec` (site, dial, general, colors).
#define KELVRA_ACCESS(rec, m)                                                        \
  [](const FieldRefs& r) -> double { return static_cast<double>(r.rec->m); },      \
      [](const FieldRefs& r, double v) { r.rec->m = static_cast<decltype(r.rec->m)>(v); }

#define REAL(rec, m, lo, hi, unit) FieldInfo{#m, FieldType::Real, lo, hi, unit, KELVRA_ACCESS(rec, m)}
#define INT(rec, m, lo, hi, unit) FieldInfo{#m, FieldType::Integer, lo, hi, unit, KELVRA_ACCESS(rec, m)}
#define FLAG(rec, m) FieldInfo{#m, FieldType::Flag, 0, 1, "", KELVRA_ACCESS(rec, m)}
#define DREAL(m, lo, hi, unit) REAL(dial, m, lo, hi, unit)
#define DINT(m, lo, hi, unit) INT(dial, m, lo, hi, unit)
#define DFLAG(m) FLAG(dial, m)
#define DCODE(m, hi) INT(dial, m, 0, hi, "code")

#define THREAD(i, c, name, lo, hi)                                                       \
  FieldInfo {                                                                          \
    name, FieldType::Real, lo, hi, "mm",                                               \
        [](const FieldRefs& r) -> double { return r.dial->bifilarThreads[i].c; },      \
        [](const FieldRefs& r, double v) { r.dial->bifilarThreads[i].c = v; }          \
  }

#define COLOR(i, name)                                                                     \
  FieldInfo {                                                                              \
    name, FieldType::Integer, 0, 16777215, "colour",                                       \
        [](const FieldRefs& r) -> double { return r.colors->colors[i]; },                  \
        [](const FieldRefs& r, double v) { r.colors->colors[i] = static_cast<shell::ColorValue>(v); } \
  }

constexpr FieldInfo Session(FieldInfo f) {
  f.stored = false;
  return f;
}

// A field whose dialog checks `lo`..`hi` when the field is left and the row's
// range when the page is left.
constexpr FieldInfo LeaveChecks(FieldInfo f, double lo, double hi) {
  f.hasLeaveRange = true;
  f.leaveMin = lo;
  f.leaveMax = hi;
  return f;
}

const std::array kFields = {
    // line 0..3: site
    INT(site, year, 1300, 2500, ""),
    REAL(site, latitude, -90, 90, "deg"),
    DREAL(secondLatitude, -90, 90, "deg"),
    REAL(site, longitude, -180, 180, "deg"),
    DREAL(secondLongitude, -180, 180, "deg"),
    REAL(site, zoneMeridian, -180, 180, "deg"),
    // line 4, 5
    DREAL(gnomonHeight, 5, 500, "mm"),
    DREAL(polarCylinderGnomon, 4, 110, "mm"),
    DREAL(cylinderRadius, 4, 500, "mm"),
    DINT(monthScaleLength, 0, 400, "mm"),
    DINT(cylinderGnomon, 4, 110, "mm"),
    DINT(hidokeiScaleLength, 0, 260, "mm"),
    DINT(hidokeiMonthScale, 0, 180, "mm"),
    DINT(hidokeiGnomon, 4, 110, "mm"),
    LeaveChecks(DINT(scalePercent, 5, 99000, "%"), 5, 9999),
    DINT(quadrantSize, 80, 200, "mm"),
    DREAL(dialDiameter, 30, 200, "mm"),
    // line 6..8
    DREAL(wallDeclination, -180, 180, "deg"),
    DREAL(secondWallDeclination, -180, 180, "deg"),
    DREAL(inclination, 0, 175, "deg"),
    LeaveChecks(DREAL(axisInclination, -175, 175, "deg"), -90, 175),
    DREAL(coneHalfAngle, 0, 85, "deg"),
    DINT(analemmaHour, 1, 23, "h"),
    DREAL(sawyerCenter, 0, 900, "mm"),
    LeaveChecks(DREAL(sawyerLineAngle, 0.5, 15, "deg"), 1, 15),
    FieldInfo{"sawyerTimeMode", FieldType::Integer, 0, 3, "code",
              [](const FieldRefs& r) -> double { return r.dial->sawyerTimeMode; },
              [](const FieldRefs& r, double v) { SetSawyerTimeMode(*r.dial, static_cast<int>(v)); }},
    // line 9: the option string
    DCODE(dateLineMode, 3),
    DCODE(eotHourInterval, 6),
    DFLAG(linesToFoot),
    DFLAG(meanTimeStraightLines),
    DFLAG(hoursApparent),
    DFLAG(markAnalemma),
    DFLAG(babylonianHours),
    DFLAG(italianHours),
    DFLAG(altitudeLines),
    DFLAG(temporalHours),
    DFLAG(quadrantMirrored),
    DFLAG(altitudeWithEot),
    FieldInfo{"altitudeTemporal", FieldType::Flag, 0, 1, "",
              [](const FieldRefs& r) -> double { return r.dial->altitudeTemporal; },
              [](const FieldRefs& r, double v) {
                r.dial->altitudeTemporal = v != 0;
                if (v != 0) r.dial->zoneTime = false;  // temporal hours exclude zone time
              }},
    DFLAG(zoneTime),
    DFLAG(juneOutside),
    DFLAG(planarLocalTime),
    DFLAG(monthScaleDouble),
    DFLAG(constructWithEot),
    DFLAG(ringLocalTime),
    DCODE(hourInterval, 4),
    DFLAG(hidokeiVerticalFace),
    DFLAG(wholeYear),
    DFLAG(meanTimeLocal),
    DFLAG(polarTriangle),
    DFLAG(hoursWithEot),
    DCODE(analemmaDays, 4),
    DFLAG(azimuthZodiacScale),
    DCODE(ringLightDeflection, 2),
    DFLAG(ringNoonHorizontal),
    INT(colors, lineWidth, 1, 3, ""),
    DFLAG(coneVertical),
    DFLAG(secondVertical),
    DCODE(dialPlane, 8),
    DCODE(altitudeCircleSpacing, 3),
    DCODE(azimuthCircleMode, 1),
    DCODE(quadrantDateScale, 2),
    DFLAG(sunshineDurationLines),
    DFLAG(extendTemporal),
    DINT(extraOption, -2147483647.0, 2147483647.0, ""),
    // line 10: the kind code; b (the horizontal altitude dial with the
    // shepherd's gnomon) is set by no dialog, only by name
    FieldInfo{"kind", FieldType::Letter, 0, 0, "", KELVRA_ACCESS(dial, kind), "hvizqakrcmwpfb"},
    DFLAG(umbrella),
    FieldInfo{"umbrellaPlane", FieldType::Letter, 0, 0, "", KELVRA_ACCESS(dial, umbrellaPlane), "hiv"},
    DCODE(altitudeVariant, 2),
    DCODE(cylinderVariant, 2),
    // line 11..14
    DINT(hoursFrom, 0, 24, "h"),
    DINT(hoursTo, 0, 24, "h"),
    FieldInfo{"language", FieldType::Letter, 0, 0, "",
              [](const FieldRefs& r) -> double { return r.general->language == 2 ? 'E' : 'D'; },
              [](const FieldRefs& r, double v) {
                const bool german = static_cast<char>(v) != 'E';
                r.general->language = german ? 1 : 2;
                r.general->textOffset = german ? 0 : 2000;
                r.general->languageIsGerman = german;
              },
              "DE"},
    FLAG(general, expertMode),
    FLAG(general, mapsEnabled),
    FLAG(general, drawBorders),
    FLAG(general, drawCoastline),
    FLAG(general, normalWindowSize),
    // line 15..18
    DREAL(umbrellaRadiusPercent, -100, 200, "%"),
    DREAL(ringDiameter, 10, 300, "mm"),
    LeaveChecks(DREAL(ringWidth, 4.5, 300, "mm"), 4.5, 190),
    DREAL(ringHoleAngle, 10, 90, "deg"),
    LeaveChecks(DINT(peaucellierEquinoxDistance, 0, 300, "mm"), 10, 120),
    DREAL(peaucellierConstant, -2.1, 2.1, ""),
    DREAL(ringHoleOffset, -23.44, 23.44, "deg"),
    DREAL(ringHoleOffsetNorth, 0, 23.44, "deg"),
    DREAL(ringHoleOffsetSouth, -23.44, 0, "deg"),
    THREAD(0, x, "bifilarThreads.p1.x", -500, 500),
    THREAD(0, y, "bifilarThreads.p1.y", -500, 500),
    THREAD(0, z, "bifilarThreads.p1.z", 5, 500),
    THREAD(1, x, "bifilarThreads.p2.x", -500, 500),
    THREAD(1, y, "bifilarThreads.p2.y", -500, 500),
    THREAD(1, z, "bifilarThreads.p2.z", 5, 500),
    THREAD(2, x, "bifilarThreads.p3.x", -500, 500),
    THREAD(2, y, "bifilarThreads.p3.y", -500, 500),
    THREAD(2, z, "bifilarThreads.p3.z", 0.5, 500),
    THREAD(3, x, "bifilarThreads.p4.x", -500, 500),
    THREAD(3, y, "bifilarThreads.p4.y", -500, 500),
    THREAD(3, z, "bifilarThreads.p4.z", 0.5, 500),
    // line 20..31: colours
    COLOR(0, "color1"), COLOR(1, "color2"), COLOR(2, "color3"), COLOR(3, "color4"),
    COLOR(4, "color5"), COLOR(5, "color6"), COLOR(6, "color7"), COLOR(7, "color8"),
    COLOR(8, "color9"), COLOR(9, "color10"), COLOR(10, "color11"), COLOR(11, "color12"),
    // line 33..47: hour ranges and interval codes
    DINT(eotHoursFrom, 0, 24, "h"),
    DINT(eotHoursTo, 0, 24, "h"),
    DINT(babylonianFrom, 0, 24, "h"),
    DINT(babylonianTo, 0, 24, "h"),
    DINT(italianFrom, 0, 24, "h"),
    DINT(italianTo, 0, 24, "h"),
    DINT(temporalFrom, 0, 12, "h"),
    DINT(temporalTo, 0, 12, "h"),
    DINT(altitudeFrom, 10, 80, "deg"),
    DINT(altitudeTo, 10, 80, "deg"),
    DINT(otherHoursFrom, 0, 24, "h"),
    DINT(otherHoursTo, 0, 24, "h"),
    DINT(otherTemporalFrom, 0, 12, "h"),
    DINT(otherTemporalTo, 0, 12, "h"),
    DCODE(babylonianInterval, 4),
    DCODE(italianInterval, 4),
    DCODE(temporalInterval, 3),
    DCODE(altitudeInterval, 2),
    DCODE(otherHourInterval, 4),
    DCODE(otherTemporalInterval, 3),
    // Not held by the settings file: derived values and session-only options.
    Session(DREAL(habermelGnomon, 9, 100, "mm")),
    Session(LeaveChecks(DINT(maxShadowLength, 0, 200, "mm"), 0, 260)),
    Session(DREAL(observerDistance, 10, 400, "mm")),
    Session(DREAL(basePlateDiameter, 3, 200, "mm")),
    Session(DFLAG(michnikClassic)),
    Session(DINT(zodiacLinesPerMonth, 1, 4, "")),
    Session(DCODE(cylinderDateLines, 1)),
    Session(DFLAG(quadrantAzimuthLines)),
    Session(DFLAG(drawEcliptic)),
    Session(DFLAG(horizonProfile)),
    Session(DCODE(ringItalianPart, 2)),
    Session(DCODE(ringBabylonianPart, 2)),
    Session(DFLAG(timeOfPosition1)),
    Session(DFLAG(meanTimeHalfLoops)),
    Session(FLAG(general, hamOverlay)),
    Session(REAL(general, hamStretch, 0, 10, "")),
    Session(REAL(general, hamEquinoxAngle, -360, 360, "deg")),
    Session(FLAG(general, hamMarkMode)),
};

#undef KELVRA_ACCESS
}  // namespace

}  // namespace kelvra::config

namespace kelvra::config {

std::span<const FieldInfo> Fields() { return kFields; }

Range LeaveRange(const FieldInfo& field) {
  return field.hasLeaveRange ? Range{field.leaveMin, field.leaveMax} : RecordRange(field);
}

Range RecordRange(const FieldInfo& field) { return {field.min, field.max}; }

const FieldInfo* FindField(std::string_view name) {
  for (const auto& f : kFields) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

namespace {

std::string ShortestReal(double x) {
  if (x == 0) x = 0;  // no "-0"
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}

std::optional<double> ParseRealText(std::string_view text) {
  std::string t(text);
  for (char& c : t) {
    if (c == ',') c = '.';
  }
  const char* b = t.data();
  const char* e = t.data() + t.size();
  if (b != e && *b == '+') ++b;
  double v = 0;
  auto res = std::from_chars(b, e, v);
  if (res.ec != std::errc{} || res.ptr != e || b == e || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

std::string FieldText(const FieldInfo& field, const FieldRefs& refs) {
  const double v = field.get(refs);
  switch (field.type) {
    case FieldType::Real: return ShortestReal(v);
    case FieldType::Integer: return shell::IntegerText(v);
    case FieldType::Flag: return v != 0 ? "true" : "false";
    case FieldType::Letter: return std::string(1, static_cast<char>(v));
  }
  return {};
}

std::string AllowedText(const FieldInfo& field) {
  switch (field.type) {
    case FieldType::Real:
    case FieldType::Integer: return ShortestReal(field.min) + " .. " + ShortestReal(field.max);
    case FieldType::Flag: return "true|false";
    case FieldType::Letter: {
      std::string s;
      for (char c : field.letters) {
        if (!s.empty()) s += '|';
        s += c;
      }
      return s;
    }
  }
  return {};
}

std::optional<std::string> SetFieldText(const FieldInfo& field, const FieldRefs& refs,
                                        std::string_view text) {
  auto error = [&](std::string_view what) {
    std::string unit = field.unit.empty() || field.unit == "code" ? "" : " " + std::string(field.unit);
    return std::string(field.name) + "=" + std::string(text) + ": " + std::string(what) +
           "; allowed: " + AllowedText(field) + unit;
  };
  switch (field.type) {
    case FieldType::Flag: {
      if (text == "true" || text == "j" || text == "J") {
        field.set(refs, 1);
      } else if (text == "false" || text == "n" || text == "N") {
        field.set(refs, 0);
      } else {
        return error("not a flag");
      }
      return std::nullopt;
    }
    case FieldType::Letter: {
      if (text.size() != 1 || field.letters.find(text[0]) == std::string_view::npos) {
        return error("not an allowed letter");
      }
      field.set(refs, static_cast<unsigned char>(text[0]));
      return std::nullopt;
    }
    case FieldType::Real:
    case FieldType::Integer: {
      auto v = ParseRealText(text);
      if (!v) return error(field.type == FieldType::Real ? "not a number" : "not a whole number");
      if (field.type == FieldType::Integer && *v != std::trunc(*v)) return error("not a whole number");
      if (*v < field.min || *v > field.max) return error("out of range");
      field.set(refs, *v);
      return std::nullopt;
    }
  }
  return error("unknown field type");
}

std::optional<std::string> SetFieldByName(std::string_view name, std::string_view text,
                                          const FieldRefs& refs) {
  const FieldInfo* field = FindField(name);
  if (!field) return "unknown field \"" + std::string(name) + "\"";
  return SetFieldText(*field, refs, text);
}

}  // namespace kelvra::config
