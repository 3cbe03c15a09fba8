#include "dials/altitude/altitude_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "config/dial_kinds.h"
#include "shell/catalog.h"
#include "texts/altitude.h"

namespace kelvra::dials::altitude {

namespace {

using astro::AcosDeg;
using astro::AsinDeg;
using astro::AtanDeg;
using astro::CosDeg;
using astro::Radians;
using astro::SinDeg;
using astro::TanDeg;

// Above this latitude (degrees) temporal, Babylonian and Italian hours are
// not constructed: the sun does not rise or set on every day of the year.
constexpr double kTemporalLatitudeLimit = 65.0;
// The longest month scale of the shepherd's dial and circumference of the hat
// dial (mm); longer ones are reduced with a note on the drawing.
constexpr double kShepherdScaleCap = 250.0;
constexpr double kHatCircumferenceCap = 300.0;
// The printed sheet (A4 landscape, within the printer's margins) is about
// 200 mm high; a hat dial whose scale needs more than 0.9 of it does not fit.
constexpr double kPrintedSheetHeightMm = 200.0;
// Hour curves are traced every third day.
constexpr int kDayStep = 3;

double Tan(double degrees) { return TanDeg(degrees); }

// The temporal hours of the dial: the k page's choice, or the z pages' switch.
bool UsesTemporalHours(Variant v, const config::DialParameters& p) {
  return v == Variant::HorizontalAltitude ? p.altitudeTemporal : p.temporalHours;
}

int StepsPerHour(int minuteCode) { return std::max(1, 60 / config::MinuteIntervalMinutes(minuteCode)); }
int StepsPerEotHour(int code) { return std::max(1, 60 / config::EotIntervalMinutes(code)); }
int StepsPerTemporalHour(int code) {
  return std::max(1, static_cast<int>(std::lround(1.0 / config::TemporalIntervalHours(code))));
}

// The days on which hour curves are traced: the first day, every third day,
// and the last day.
std::vector<int> SampleDays(int first, int last, int step) {
  std::vector<int> days;
  for (int d = first; d < last; d += step) days.push_back(d);
  days.push_back(last);
  return days;
}

// What a day gives every hour system: the declination of its noon, the half
// day arc, geometric sunrise and sunset in apparent local time.
struct DayData {
  int day = 0;
  double declination = 0;
  double halfArc = 0;  // degrees
  double rise = 6;     // hours of apparent local time
  double set = 18;
};

DayData DayDataOf(const Dial& d, int day) {
  const astro::TrueRiseSet rs =
      astro::SunriseSunsetTrueTime(d.site.year, day, d.site.latitude, d.site.zoneMeridian);
  DayData out;
  out.day = day;
  out.declination = rs.declination;
  out.halfArc = astro::SunsetHourAngle(d.site.latitude, rs.declination).hourAngle;
  out.rise = rs.rise;
  out.set = rs.set;
  return out;
}

// Builds the runs of one curve: valid points are joined, an invalid one ends
// the run.
class RunBuilder {
 public:
  explicit RunBuilder(Curve& c) : c_(c) {}
  void Add(const CurvePoint& p, bool valid) {
    if (!valid) {
      open_ = false;
      return;
    }
    if (!open_) c_.runs.emplace_back();
    open_ = true;
    c_.runs.back().push_back(p);
  }
  void Break() { open_ = false; }

 private:
  Curve& c_;
  bool open_ = false;
};

Curve NewCurve(LineKind kind, double value, bool full, int color) {
  Curve c;
  c.kind = kind;
  c.value = value;
  c.fullHour = full;
  c.color = color;
  return c;
}

// The hour number of a full hour: "7", "13"; temporal and other hours the same.
std::string HourLabel(double value) { return std::to_string(static_cast<int>(std::lround(value))); }

// Colours of ordinary hours: full hours 2 before 13 h and 3 from 13 h on,
// subdivisions 5 and 6.
int OrdinaryColor(double t, bool full) {
  if (full) return t < 13 ? 2 : 3;
  return t < 13 ? 5 : 6;
}

// ---- sun positions of the hour systems -----------------------------------------

struct Sky {
  double altitude = 0;
  double azimuth = 0;
};

// Ordinary hours: clock time t, in local time (the zone meridian replaced by
// the longitude) or at the zone meridian, with the equation of time or not.
Sky OrdinarySky(const Dial& d, int day, double t, bool localTime, bool eot) {
  const double zm = localTime ? d.site.longitude : d.site.zoneMeridian;
  const astro::SunPosition s = astro::SunPositionAtClockTime(d.site.year, day, t, d.site.latitude,
                                                             d.site.longitude, zm, eot);
  return {s.altitude, s.azimuth};
}

// A clock time of apparent local time on a day (temporal, Babylonian and
// Italian hours): the zone meridian serves as both longitude and reference.
Sky ApparentSky(const Dial& d, int day, double apparentTime) {
  const astro::SunPosition s =
      astro::SunPositionAtClockTime(d.site.year, day, apparentTime, d.site.latitude,
                                    d.site.zoneMeridian, d.site.zoneMeridian, false);
  return {s.altitude, s.azimuth};
}

Sky SkyOf(const Dial& d, LineKind kind, const DayData& dd, double t) {
  switch (kind) {
    case LineKind::Temporal: return ApparentSky(d, dd.day, TemporalHourClockTime(t, dd.halfArc));
    case LineKind::Babylonian: return ApparentSky(d, dd.day, dd.rise + t);
    case LineKind::Italian: return ApparentSky(d, dd.day, dd.set - (24.0 - t));
    case LineKind::MeanTime:
      return OrdinarySky(d, dd.day, t, d.params.meanTimeLocal, true);
    case LineKind::Ordinary:
    case LineKind::Declination: break;
  }
  return OrdinarySky(d, dd.day, t, d.localTime, d.withEquationOfTime);
}

// The same systems for a declination instead of a day (polar style): the hour
// angle of hour value t.
double HourAngleAtDeclination(const Dial& d, LineKind kind, double t, double declination) {
  auto halfArc = [&] { return astro::SunsetHourAngle(d.site.latitude, declination).hourAngle; };
  switch (kind) {
    case LineKind::Temporal: return 15.0 * (TemporalHourClockTime(t, halfArc()) - 12.0);
    case LineKind::Babylonian: return -halfArc() + 15.0 * t;
    case LineKind::Italian: return halfArc() + 15.0 * (t - 24.0);
    default: break;
  }
  const double zm = d.localTime ? d.site.longitude : d.site.zoneMeridian;
  return astro::HourAngleOfClockTime(t, d.site.longitude, zm);
}

// ---- the hour systems a dial draws -----------------------------------------------

struct System {
  LineKind kind;
  int from;
  int to;
  int steps;
};

void ShowTemporalRangeError(shell::MessageSink& messages) {
  messages.Show(shell::MessageKind::Error, shell::Get(texts::altitude::kTemporalRange),
                shell::MessageButtons::Ok);
}

bool TemporalRangeWrong(const config::DialParameters& p) {
  return p.otherTemporalFrom > 12 || p.otherTemporalTo > 12;
}

// Babylonian and Italian hours need a sunrise and sunset every day.
bool BabylonianItalianAllowed(const Dial& d, shell::MessageSink& messages) {
  const auto& p = d.params;
  if (!p.babylonianHours && !p.italianHours) return false;
  if (std::fabs(d.site.latitude) <= kTemporalLatitudeLimit) return true;
  messages.Show(shell::MessageKind::Problem, shell::Get(texts::altitude::kBabylonianItalianRefused),
                shell::MessageButtons::Ok);
  return false;
}

std::vector<System> CylinderSystems(const Dial& d, shell::MessageSink& messages) {
  const auto& p = d.params;
  std::vector<System> s;
  if (p.hoursApparent) {
    s.push_back({LineKind::Ordinary, p.otherHoursFrom, p.otherHoursTo, StepsPerHour(p.otherHourInterval)});
  }
  if (p.temporalHours) {
    if (TemporalRangeWrong(p)) ShowTemporalRangeError(messages);
    s.push_back({LineKind::Temporal, p.otherTemporalFrom, p.otherTemporalTo,
                 StepsPerTemporalHour(p.otherTemporalInterval)});
  }
  if (BabylonianItalianAllowed(d, messages)) {
    if (p.babylonianHours) {
      s.push_back({LineKind::Babylonian, p.babylonianFrom, p.babylonianTo, StepsPerHour(p.babylonianInterval)});
    }
    if (p.italianHours) {
      s.push_back({LineKind::Italian, p.italianFrom, p.italianTo, StepsPerHour(p.italianInterval)});
    }
  }
  if (d.variant != Variant::Shepherd && p.constructWithEot) {
    s.push_back({LineKind::MeanTime, p.eotHoursFrom, p.eotHoursTo, StepsPerEotHour(p.eotHourInterval)});
  }
  return s;
}

// Colours of the cylinder dials by system (the shepherd's own set, and the
// set of the hat dial and the polar style).
int CylinderColor(Variant v, LineKind kind, double t, bool full) {
  switch (kind) {
    case LineKind::Ordinary:
      if (v == Variant::PolarStyle) return full ? 2 : 8;
      return OrdinaryColor(t, full);
    case LineKind::Temporal:
      if (full) return 10;
      return v == Variant::PolarStyle ? 5 : 9;
    case LineKind::Babylonian:
      if (v == Variant::Shepherd) return full ? 6 : 7;
      return 7;
    case LineKind::Italian:
      if (v == Variant::Shepherd) return full ? 5 : 7;
      return 6;
    case LineKind::MeanTime: return full ? 3 : 2;
    case LineKind::Declination: return 4;
  }
  return 1;
}

// ---- date range and marks ----------------------------------------------------------

void SetDateRange(Dial& d, bool wholeYear) {
  const int y = d.site.year;
  if (wholeYear) {
    d.firstDay = 1;
    d.lastDay = astro::DayOfYear(y, 12, 31);
  } else {
    d.firstDay = astro::DayOfYear(y, 6, 21);
    d.lastDay = astro::DayOfYear(y, 12, 21);
  }
}

// Days 1, 11 and 21 of the months of the range; date lines at 11 and 21 only
// on scales longer than `longScale` mm.
void SetDateMarks(Dial& d, bool wholeYear, double longScale) {
  const int y = d.site.year;
  const bool dense = d.DateAxisLength() > longScale;
  for (int month = wholeYear ? 1 : 6; month <= 12; ++month) {
    for (int day : {1, 11, 21}) {
      const int n = astro::DayOfYear(y, month, day);
      if (!(n > 171 || wholeYear) || n < d.firstDay || n > d.lastDay) continue;
      DateMark m;
      m.at = (n - d.firstDay) * d.dayWidth;
      m.month = month;
      m.day = day;
      m.line = day == 1 || dense;
      d.marks.push_back(m);
    }
  }
}

// Highest altitude of the sun over the year and the scale 1.05 g tan of it.
void SetScaleLength(Dial& d) {
  const double phi = std::fabs(d.site.latitude);
  d.maxAltitude = phi >= d.obliquity ? 90.0 - phi + d.obliquity : 90.0;
  const double c = CosDeg(d.maxAltitude);
  d.scaleLength = std::fabs(c) <= 1e-4 ? 100000.0 : 1.05 * d.gnomonLength * Tan(d.maxAltitude);
}

// ---- horizontal altitude dial --------------------------------------------------------

void BuildHorizontalAltitude(Dial& d, const config::DialParameters& p, shell::MessageSink& messages) {
  d.plateLength = std::max(0, p.hidokeiScaleLength);
  d.dateScale = std::max(0, p.hidokeiMonthScale);
  d.verticalFace = p.hidokeiVerticalFace;
  d.scaleWidth = d.plateLength + (d.verticalFace ? d.edgeHeight : 0.0);
  d.localTime = !p.zoneTime;
  d.withEquationOfTime = p.constructWithEot && !d.temporal;
  SetDateRange(d, p.monthScaleDouble);
  d.dayWidth = d.dateScale / 365.0;
  SetDateMarks(d, p.monthScaleDouble, 80.0);

  System s{LineKind::Ordinary, p.otherHoursFrom, p.otherHoursTo, StepsPerHour(p.otherHourInterval)};
  if (d.temporal) {
    s = {LineKind::Temporal, p.otherTemporalFrom, p.otherTemporalTo,
         StepsPerTemporalHour(p.otherTemporalInterval)};
    if (TemporalRangeWrong(p)) {
      ShowTemporalRangeError(messages);
      s.from = 0;
      s.to = 6;
    }
  }
  std::vector<DayData> days;
  for (int day : SampleDays(d.firstDay, d.lastDay, kDayStep)) days.push_back(DayDataOf(d, day));

  for (const HourValue& hv : HourValues(s.from, s.to, s.steps)) {
    if (s.kind == LineKind::Ordinary && hv.value > p.hoursTo) continue;
    const int color = s.kind == LineKind::Temporal ? (hv.full ? 10 : 5) : OrdinaryColor(hv.value, hv.full);
    Curve c = NewCurve(s.kind, hv.value, hv.full, color);
    c.runs.emplace_back();
    for (const DayData& dd : days) {
      const Sky sky = SkyOf(d, s.kind, dd, hv.value);
      CurvePoint q{AltitudeDialOffset(sky.altitude, d.edgeHeight, d.plateLength),
                   (dd.day - d.firstDay) * d.dayWidth, static_cast<double>(dd.day)};
      c.runs.back().push_back(q);
      // The number stands above the first point that lies on the scale.
      if (hv.full && !c.labelled && sky.altitude > 0 && q.x <= d.scaleWidth) {
        c.labelled = true;
        c.labelAt = q;
        c.label = HourLabel(hv.value);
      }
    }
    d.curves.push_back(std::move(c));
  }
}

// ---- shepherd's and hat dial: hour curves by day ------------------------------------------

// One hour curve of the shepherd's or hat dial, traced every third day.
// `position` gives the x of a sun position; below-horizon points stay in the
// runs (their negative y is cut at the horizon when the curve is placed).
template <typename Position>
Curve TraceHourCurve(const Dial& d, const System& s, const HourValue& hv,
                     const std::vector<DayData>& days, Position position) {
  Curve c = NewCurve(s.kind, hv.value, hv.full, CylinderColor(d.variant, s.kind, hv.value, hv.full));
  RunBuilder runs(c);
  bool first = true;
  for (const DayData& dd : days) {
    const Sky sky = SkyOf(d, s.kind, dd, hv.value);
    const CurvePoint q{position(dd, sky), GnomonDrop(sky.altitude, d.gnomonLength),
                       static_cast<double>(dd.day)};
    // Babylonian and Italian hours are read on the shepherd's dial only in
    // the morning half.
    const bool morningOnly = d.variant == Variant::Shepherd &&
                             (s.kind == LineKind::Babylonian || s.kind == LineKind::Italian);
    runs.Add(q, !morningOnly || sky.azimuth < 0.001);
    if (first && hv.full && sky.altitude > 0) {
      c.labelled = true;
      c.labelAt = q;
      c.label = HourLabel(hv.value);
    }
    first = false;
  }
  return c;
}

void BuildShepherd(Dial& d, const config::DialParameters& p, shell::MessageSink& messages) {
  d.monthScale = p.monthScaleLength;
  if (d.monthScale > kShepherdScaleCap) {
    d.monthScale = kShepherdScaleCap;
    d.monthScaleReduced = true;
  }
  d.localTime = !p.zoneTime;
  d.withEquationOfTime = p.constructWithEot;
  SetDateRange(d, p.monthScaleDouble);
  // The scale is S wide whatever the range: the last day has its column too.
  d.dayWidth = d.monthScale / d.DayCount();
  SetDateMarks(d, p.monthScaleDouble, 60.0);
  SetScaleLength(d);
  d.ordinaryShownFrom = p.otherHoursFrom;
  d.ordinaryShownTo = p.otherHoursTo;
  if (d.localTime && !d.withEquationOfTime && p.otherHoursFrom < 12 && p.otherHoursTo > 12) {
    if (p.otherHoursTo - 12 < 12 - p.otherHoursFrom) d.ordinaryShownTo = 12;
    else d.ordinaryShownFrom = 12;  // a tie keeps the afternoon
  }

  std::vector<DayData> days;
  for (int day : SampleDays(d.firstDay, d.lastDay, kDayStep)) days.push_back(DayDataOf(d, day));
  auto position = [&d](const DayData& dd, const Sky&) { return (dd.day - d.firstDay) * d.dayWidth; };
  for (const System& s : CylinderSystems(d, messages)) {
    for (const HourValue& hv : HourValues(s.from, s.to, s.steps)) {
      d.curves.push_back(TraceHourCurve(d, s, hv, days, position));
    }
  }
}

// ---- hat dial and polar style: declination lines -------------------------------------------

// The declinations of the date lines: the seven sign boundaries (declination
// table entries 0, 6, ..., 36) or the solstices and equinoxes (0, 18, 36).
struct DeclinationLine {
  double declination;
  char signAbove;  // Wingdings code of the sign the sun enters rising (0: none)
  char signBelow;  // ... falling
};

std::vector<DeclinationLine> DeclinationLines(const Dial& d) {
  const astro::ZodiacTable z = astro::ComputeZodiacDeclinations(d.site.year);
  const int step = d.params.cylinderDateLines == 1 ? 18 : 6;
  std::vector<DeclinationLine> lines;
  for (int i = 0; i <= 36; i += step) {
    // Entry i lies at ecliptic longitude 90 + 5 i (the sun falling) and at
    // 90 - 5 i (rising); a sign begins at every multiple of 30 degrees.
    const int falling = (90 + 5 * i) % 360;
    const int rising = (450 - 5 * i) % 360;
    DeclinationLine l{z.declinations[static_cast<std::size_t>(i)], 0, 0};
    l.signBelow = static_cast<char>('^' + falling / 30);
    if (rising != falling) l.signAbove = static_cast<char>('^' + rising / 30);
    if (i == 36) {  // the winter solstice: the sun rises from here
      l.signAbove = l.signBelow;
      l.signBelow = 0;
    }
    lines.push_back(l);
  }
  return lines;
}

// Splits a step of the hat dial's curve that jumps over the seam of the
// unrolled scale: the curve leaves at one edge and comes back at the other,
// both ends interpolated on the unwrapped step.
void AddAcrossSeam(RunBuilder& runs, const CurvePoint& prev, const CurvePoint& q, double circumference,
                   bool valid) {
  const double half = circumference / 2.0;
  if (std::fabs(q.x - prev.x) > half) {
    const double edge = prev.x > 0 ? half : -half;                // where prev leaves
    const double unwrapped = q.x + (prev.x > 0 ? circumference : -circumference);
    const double f = (edge - prev.x) / (unwrapped - prev.x);
    const CurvePoint out{edge, prev.y + f * (q.y - prev.y), prev.at + f * (q.at - prev.at)};
    runs.Add(out, true);
    runs.Break();
    runs.Add({-edge, out.y, out.at}, true);
  }
  runs.Add(q, valid);
}

void BuildHat(Dial& d, const config::DialParameters& p, shell::MessageSink& messages) {
  static bool reducedShown = false;  // the message box once per program run
  d.monthScale = p.monthScaleLength;
  if (d.monthScale >= kHatCircumferenceCap + 1) {
    d.monthScale = kHatCircumferenceCap;
    d.monthScaleReduced = true;
    if (!reducedShown) {
      reducedShown = true;
      messages.Show(shell::MessageKind::Problem, shell::Get(texts::altitude::kMonthAxisReduced),
                    shell::MessageButtons::Ok);
    }
  }
  d.localTime = !p.zoneTime;
  d.withEquationOfTime = false;  // ordinary hours without it; mean-time lines are their own set
  SetDateRange(d, p.constructWithEot);
  d.dayWidth = 1;
  SetScaleLength(d);
  if (d.scaleLength > 0.9 * kPrintedSheetHeightMm) {
    messages.Show(shell::MessageKind::Problem, shell::Get(texts::altitude::kGnomonTooLong),
                  shell::MessageButtons::Ok);
  }
  const double C = d.monthScale;
  const bool southern = d.site.latitude < 0;

  for (const DeclinationLine& l : DeclinationLines(d)) {
    Curve c = NewCurve(LineKind::Declination, l.declination, true, 4);
    c.signAbove = l.signAbove;
    c.signBelow = l.signBelow;
    RunBuilder runs(c);
    CurvePoint prev;
    for (int h = -180; h <= 180; h += 3) {
      const astro::HorizontalPosition s = astro::HorizontalFromHourAngle(d.site.latitude, l.declination, h);
      const CurvePoint q{HatOffset(s.azimuth, C, southern), GnomonDrop(s.altitude, d.gnomonLength),
                         static_cast<double>(h)};
      if (h == -180) runs.Add(q, true);
      else AddAcrossSeam(runs, prev, q, C, true);
      prev = q;
    }
    d.curves.push_back(std::move(c));
  }

  std::vector<DayData> days;
  for (int day : SampleDays(d.firstDay, d.lastDay, kDayStep)) days.push_back(DayDataOf(d, day));
  const int summerFrom = astro::DayOfYear(d.site.year, 6, 21);
  const int summerTo = astro::DayOfYear(d.site.year, 12, 21);
  for (const System& s : CylinderSystems(d, messages)) {
    for (const HourValue& hv : HourValues(s.from, s.to, s.steps)) {
      Curve c = NewCurve(s.kind, hv.value, hv.full, CylinderColor(d.variant, s.kind, hv.value, hv.full));
      Curve rest = NewCurve(s.kind, hv.value, hv.full, 8);
      if (s.kind == LineKind::MeanTime) c.extraWidth = 1;
      RunBuilder runs(c), restRuns(rest);
      CurvePoint prev;
      bool first = true;
      bool prevSummer = true;
      for (const DayData& dd : days) {
        const Sky sky = SkyOf(d, s.kind, dd, hv.value);
        const CurvePoint q{HatOffset(sky.azimuth, C, southern), GnomonDrop(sky.altitude, d.gnomonLength),
                           static_cast<double>(dd.day)};
        // Mean-time lines: 21 June to 21 December in the hour colours, the
        // other half-year in colour 8.
        const bool summer = s.kind != LineKind::MeanTime || (dd.day >= summerFrom && dd.day <= summerTo);
        RunBuilder& r = summer ? runs : restRuns;
        if (!first && summer != prevSummer) {
          // The two halves meet: the new one starts where the other ended.
          (summer ? restRuns : runs).Break();
          r.Add(prev, true);
        }
        prevSummer = summer;
        if (first) r.Add(q, true);
        else AddAcrossSeam(r, prev, q, C, true);
        if (first && hv.full && sky.altitude > 0) {
          c.labelled = true;
          c.labelAt = q;
          c.label = HourLabel(hv.value);
        }
        prev = q;
        first = false;
      }
      d.curves.push_back(std::move(c));
      if (!rest.runs.empty()) d.curves.push_back(std::move(rest));
    }
  }
}

// ---- polar style ----------------------------------------------------------------------------

void BuildPolarStyle(Dial& d, const config::DialParameters& p, shell::MessageSink& messages) {
  d.radius = p.cylinderRadius * d.zoom;
  d.pinLength = std::round(p.polarCylinderGnomon * 100.0) / 100.0 * d.zoom;
  d.pinAzimuth = p.wallDeclination;
  d.thetaMax = AcosDeg(d.radius / (d.radius + d.pinLength));
  // The hour lines meet at the pole in line with the pin: the south celestial
  // pole for a pin pointing south, the north one for a pin pointing north,
  // in either hemisphere of the earth.
  d.hemisphere = std::fabs(d.pinAzimuth) >= 90 ? -1 : 1;
  d.localTime = !p.zoneTime;
  d.withEquationOfTime = false;
  SetDateRange(d, p.constructWithEot);
  d.dayWidth = 1;
  const double phi = d.site.latitude;
  auto project = [&d](double altitude, double azimuth) {
    return ProjectOnCylinder(altitude, azimuth, d.pinAzimuth, d.radius, d.pinLength);
  };

  // The pole of the hour lines: where the shadow line parallel to the earth's
  // axis meets the cylinder.
  {
    const astro::HorizontalPosition s = astro::HorizontalFromHourAngle(phi, -89.95 * d.hemisphere, 15);
    const CylinderShadow c = project(s.altitude, s.azimuth);
    d.poleVisible = c.visible;
    d.pole = {c.x, c.y, -89.95 * d.hemisphere};
  }

  // Declination lines through the day, 0.05 h to 23.95 h.
  for (const DeclinationLine& l : DeclinationLines(d)) {
    Curve c = NewCurve(LineKind::Declination, l.declination, true, 4);
    c.signAbove = l.signAbove;
    c.signBelow = l.signBelow;
    RunBuilder runs(c);
    for (int k = 0; k <= 796; ++k) {
      const double t = 0.05 + 0.03 * k;
      const astro::HorizontalPosition s =
          astro::SunPositionForDeclination(t, phi, d.site.longitude, d.site.longitude, l.declination);
      const CylinderShadow sh = project(s.altitude, s.azimuth);
      runs.Add({sh.x, sh.y, t}, sh.visible && s.altitude > 0);
    }
    d.curves.push_back(std::move(c));
  }

  // Hour lines from the pole (full hours) or from the winter solstice
  // (subdivisions, Babylonian and Italian hours) to the summer solstice, in
  // steps of 0.15 degree of declination, mirrored by the hemisphere sign.
  const double eps = d.obliquity;
  for (const System& s : CylinderSystems(d, messages)) {
    if (s.kind == LineKind::MeanTime) continue;
    for (const HourValue& hv : HourValues(s.from, s.to, s.steps)) {
      Curve c = NewCurve(s.kind, hv.value, hv.full, CylinderColor(d.variant, s.kind, hv.value, hv.full));
      RunBuilder runs(c);
      const bool fromPole =
          hv.full && (s.kind == LineKind::Ordinary || s.kind == LineKind::Temporal);
      const double start = fromPole ? -89.7 : -eps;
      const int n = static_cast<int>(std::floor((eps - start) / 0.15 + 1e-9));
      CylinderShadow last;
      double lastDeclination = start;
      for (int k = 0; k <= n; ++k) {
        const double decl = (start + 0.15 * k) * d.hemisphere;
        const double h = HourAngleAtDeclination(d, s.kind, hv.value, decl);
        const astro::HorizontalPosition sky = astro::HorizontalFromHourAngle(phi, decl, h);
        last = project(sky.altitude, sky.azimuth);
        lastDeclination = start + 0.15 * k;
        runs.Add({last.x, last.y, decl}, last.visible);
      }
      // Full ordinary hours carry their number where the line reaches the
      // summer solstice.
      if (hv.full && s.kind == LineKind::Ordinary && last.visible &&
          std::fabs(lastDeclination - eps) <= 0.075 + 0.15) {
        c.labelled = true;
        c.labelAt = {last.x, last.y, lastDeclination * d.hemisphere};
        c.label = HourLabel(hv.value);
      }
      d.curves.push_back(std::move(c));
    }
  }

  // Mean-time lines: every second day through the whole year.
  if (p.constructWithEot) {
    const int summerFrom = astro::DayOfYear(d.site.year, 6, 21);
    const int summerTo = astro::DayOfYear(d.site.year, 12, 21);
    const int last = astro::DayOfYear(d.site.year, 12, 31);
    for (const HourValue& hv : HourValues(p.eotHoursFrom, p.eotHoursTo, StepsPerEotHour(p.eotHourInterval))) {
      Curve summer = NewCurve(LineKind::MeanTime, hv.value, hv.full, hv.full ? 3 : 2);
      summer.extraWidth = 1;
      Curve rest = NewCurve(LineKind::MeanTime, hv.value, hv.full, 8);
      RunBuilder sr(summer), rr(rest);
      for (int day : SampleDays(1, last, 2)) {
        const Sky sky = OrdinarySky(d, day, hv.value, p.meanTimeLocal, true);
        const CylinderShadow sh = project(sky.altitude, sky.azimuth);
        const bool inSummer = day >= summerFrom && day <= summerTo;
        const CurvePoint q{sh.x, sh.y, static_cast<double>(day)};
        (inSummer ? rr : sr).Break();
        (inSummer ? sr : rr).Add(q, sh.visible && sky.altitude > 0);
      }
      d.curves.push_back(std::move(summer));
      d.curves.push_back(std::move(rest));
    }
  }
}

}  // namespace

Variant VariantOf(const config::DialParameters& dial) {
  if (dial.kind != 'z') return Variant::HorizontalAltitude;
  switch (dial.cylinderVariant) {
    case 1: return Variant::Hat;
    case 2: return Variant::PolarStyle;
    default: return Variant::Shepherd;
  }
}

double AltitudeDialOffset(double altitude, double edgeHeight, double plateLength) {
  const double e = edgeHeight, L = plateLength;
  const double a0 = L > 0 ? AtanDeg(e / L) : 90.0;
  if (altitude > a0) {
    const double s = SinDeg(altitude);
    if (std::fabs(s) <= 1e-7) return 1e7;
    return e * CosDeg(altitude) / s;
  }
  const double c = CosDeg(altitude);
  if (std::fabs(c) <= 1e-7) return 1e7;
  return std::min(1e7, L + e - L * SinDeg(altitude) / c);
}

double GnomonDrop(double altitude, double gnomonLength) {
  const double c = CosDeg(altitude);
  if (std::fabs(c) <= 1e-5) return (altitude < 0 ? -1e5 : 1e5) * gnomonLength;
  return gnomonLength * SinDeg(altitude) / c;
}

double HatOffset(double azimuth, double circumference, bool southern) {
  const double k = circumference / 360.0;
  if (!southern) return -azimuth * k;
  return azimuth >= 0 ? (180.0 - azimuth) * k : (-azimuth - 180.0) * k;
}

CylinderShadow ProjectOnCylinder(double altitude, double azimuth, double pinAzimuth, double radius,
                                 double pinLength) {
  CylinderShadow out;
  const double R = radius, p = pinLength;
  if (R <= 0 || p <= 0) return out;
  double B = azimuth - pinAzimuth;
  while (B > 180) B -= 360;
  while (B < -180) B += 360;
  // Triangle axis - tip - shadow point: the angle at the tip is B, the side
  // opposite it the radius; the near intersection has the obtuse angle at the
  // shadow point, so the angle at the axis is e - |B| with sin e = c. The
  // line misses the cylinder when |c| > 1, that is when |B| exceeds
  // 90 - thetaMax, thetaMax = arccos(R / (R + p)) being the reach of the
  // tangents from the tip (where |theta| = thetaMax).
  if (std::fabs(B) >= 90.0) return out;
  const double c = SinDeg(B) * (R + p) / R;
  if (std::fabs(c) > 1.0) return out;
  const double e = AsinDeg(std::fabs(c));
  const double theta = (B < 0 ? -1.0 : 1.0) * (e - std::fabs(B));
  out.visible = true;
  out.x = Radians(theta) * R;
  const double tanA = TanDeg(altitude);
  if (std::fabs(altitude) > 89.0) {
    out.y = 10000.0;
  } else if (std::fabs(B) < 0.01) {
    out.y = p * tanA;
  } else {
    // The horizontal distance from the tip to the wall, times tan(altitude).
    out.y = R * SinDeg(theta) * tanA / SinDeg(B);
  }
  return out;
}

double TemporalHourClockTime(double temporalHour, double halfDayArc) {
  return 12.0 - (6.0 - temporalHour) * halfDayArc / 90.0;
}

std::vector<HourValue> HourValues(int from, int to, int steps) {
  std::vector<HourValue> out;
  steps = std::max(1, steps);
  for (int h = from; h <= to; ++h) {
    for (int i = 0; i < steps; ++i) {
      const double t = h + static_cast<double>(i) / steps;
      if (t > to + 1e-9) break;
      out.push_back({t, i == 0});
    }
  }
  return out;
}

Dial BuildDial(Variant variant, const shell::SiteSettings& site, const config::DialParameters& params,
               const shell::ColorSet& colors, double zoom, shell::MessageSink& messages) {
  Dial d;
  d.variant = variant;
  d.site = site;
  d.params = params;
  d.colors = colors;
  d.zoom = zoom > 0 ? zoom : 1.0;
  d.obliquity = astro::ComputeZodiacDeclinations(site.year).roundedObliquity;
  d.temporal = UsesTemporalHours(variant, params);
  if (variant == Variant::HorizontalAltitude) {
    d.edgeHeight = params.kind == 'b' ? params.cylinderGnomon : params.hidokeiGnomon;
  } else {
    d.gnomonLength = params.cylinderGnomon;
  }
  if (d.temporal && std::fabs(site.latitude) > kTemporalLatitudeLimit) {
    d.refused = true;
    messages.Show(shell::MessageKind::Error, shell::Get(texts::altitude::kTemporalRefused),
                  shell::MessageButtons::Ok);
    return d;
  }
  switch (variant) {
    case Variant::HorizontalAltitude: BuildHorizontalAltitude(d, params, messages); break;
    case Variant::Shepherd: BuildShepherd(d, params, messages); break;
    case Variant::Hat: BuildHat(d, params, messages); break;
    case Variant::PolarStyle: BuildPolarStyle(d, params, messages); break;
  }
  return d;
}

}  // namespace kelvra::dials::altitude
