#include "config/dial_parameters.h"

#include <cctype>
#include <cmath>

#include "astro/angles.h"
#include "config/dial_kinds.h"
#include "shell/shared_state.h"

namespace kelvra::config {

DialParameters& Dial() {
  static DialParameters dial;
  return dial;
}

void ResetDialParameters(DialParameters& p, double latitude, double obliquity) {
  p = DialParameters{};
  p.axisInclination = latitude;
  p.ringHoleOffsetNorth = obliquity / 2;
  p.ringHoleOffsetSouth = -obliquity / 2;
}

void ResetDialParameters() { ResetDialParameters(Dial(), shell::State().site.latitude); }

std::string KindCode(const DialParameters& p) {
  const char k = p.kind;
  if (p.umbrella || k == 's') return std::string{'s', UmbrellaPlaneOf(p)};
  auto digit = [](int v) { return static_cast<char>('0' + ((v % 10) + 10) % 10); };
  switch (k) {
    case 'q': return std::string{'q', digit(p.altitudeVariant)};
    case 'z': return std::string{'z', digit(p.cylinderVariant)};
    case 'm': return std::string{'m', digit(p.dialPlane)};
    case 'c': return "c0";
    default: return std::string(1, k);
  }
}

void ParseKindCode(std::string_view code, DialParameters& p) {
  if (code.empty()) return;
  auto variant = [&]() {
    if (code.size() < 2 || !std::isdigit(static_cast<unsigned char>(code[1]))) return 0;
    return code[1] - '0';
  };
  const char k = code[0];
  p.umbrella = false;
  switch (k) {
    case 's': {
      p.umbrella = true;
      const char plane = code.size() > 1 && IsPlaneLetter(code[1]) ? code[1] : 'h';
      p.kind = plane;
      p.umbrellaPlane = plane;
      return;
    }
    case 'c':
      if (code.size() > 1 && code[1] == '1') {
        p.kind = 'm';
        p.dialPlane = 0;
      } else {
        p.kind = 'c';
      }
      return;
    case 'm': p.kind = 'm'; p.dialPlane = variant(); return;
    case 'z': p.kind = 'z'; p.cylinderVariant = variant(); return;
    case 'q': p.kind = 'q'; p.altitudeVariant = variant(); return;
    default: p.kind = k; return;
  }
}

DialFamily FamilyOf(DialKind kind, bool umbrella) { return KindRow(kind, umbrella).family; }

void NormalizeKind(DialParameters& p, bool expertMode) {
  if (p.umbrella) {
    if (p.kind == 's') p.kind = UmbrellaPlaneOf(p);
    if (!IsPlaneLetter(p.kind)) p.kind = 'h';
    p.umbrellaPlane = p.kind;
  }
  if (!expertMode) {
    if (!KindOffered(p, false)) p.kind = 'h';  // c and m need expert mode
    p.altitudeVariant = 0;
  }
}

void SetSawyerTimeMode(DialParameters& p, int mode) {
  p.sawyerTimeMode = mode;
  p.zoneTime = mode == 1;
  p.meanTimeHalfLoops = mode == 2;
  p.meanTimeStraightLines = mode == 3;
  p.constructWithEot = mode == 2 || mode == 3;
}

namespace {
double TanDeg(double deg) {
  const double r = astro::Radians(deg);
  double c = std::cos(r);
  if (std::fabs(c) < 1e-12) c = std::signbit(c) ? -1e-12 : 1e-12;
  return std::sin(r) / c;
}
}  // namespace

void DeriveHabermelGnomon(DialParameters& p, double latitude, double obliquity, bool typeDialog) {
  const double phi = latitude;
  const double eps = obliquity;
  if (p.altitudeVariant == 1) {
    p.habermelGnomon = (p.dialDiameter - 15) / (TanDeg(90 - phi - eps) + TanDeg(90 - phi + eps));
  } else if (p.altitudeVariant == 2) {
    const double half = (p.dialDiameter - 15) / 2;
    p.habermelGnomon = typeDialog ? half / (TanDeg(90 - phi + eps) + 12) : half / TanDeg(90 - phi + eps);
  }
}

void DeriveMaxShadowLength(DialParameters& p, double latitude, double obliquity) {
  p.maxShadowLength = static_cast<int>(
      std::lround(TanDeg(90 - std::fabs(latitude) + obliquity) * p.cylinderGnomon));
}

int MinuteIntervalMinutes(int code) {
  static constexpr int kMinutes[] = {60, 30, 20, 15, 10};
  return code >= 0 && code <= 4 ? kMinutes[code] : 60;
}

int EotIntervalMinutes(int code) {
  if (code == 6 || code == 4) return 10;
  return code >= 0 && code <= 3 ? MinuteIntervalMinutes(code) : 60;
}

int MinuteIntervalCode(int minutes) {
  for (int c = 0; c <= 4; ++c) {
    if (MinuteIntervalMinutes(c) == minutes) return c;
  }
  return 0;
}

int EotIntervalCode(int minutes) {
  const int c = MinuteIntervalCode(minutes);
  return c == 4 ? 6 : c;
}

double TemporalIntervalHours(int code) {
  static constexpr double kHours[] = {1.0, 0.5, 1.0 / 3.0, 0.25};
  return code >= 0 && code <= 3 ? kHours[code] : 1.0;
}

double AltitudeIntervalDegrees(int code) {
  static constexpr double kDegrees[] = {10.0, 5.0, 2.5};
  return code >= 0 && code <= 2 ? kDegrees[code] : 10.0;
}

const GnomonRange* FindGnomonRange(std::string_view field) {
  for (const auto& r : kGnomonRanges) {
    if (r.field == field) return &r;
  }
  return nullptr;
}

}  // namespace kelvra::config
