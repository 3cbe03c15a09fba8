// The altitude and cylinder dials checked by the physics of their shadows.
// The sun is computed here on its own (declination and equation of time from
// the ephemeris, altitude and azimuth by the spherical triangle), and each
// point of a drawn curve must be the shadow that sun casts:
// - horizontal altitude dial: the edge's shadow e cot(a) on the plate, or at
//   height e - L tan(a) on the vertical face;
// - shepherd's dial: the gnomon's shadow tip g tan(a) below the gnomon;
// - hat dial: the rim's shadow g tan(a) below it, at the place of the
//   circumference that faces the sun's azimuth;
// - polar style: on the line from the pin tip away from the sun, where it
//   meets the cylinder (a vector model of the cylinder in space).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "dials/altitude/altitude_geometry.h"
#include "recording_message_sink.h"

namespace kelvra::dials::altitude {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// Sites: a northern, a southern and one above 60 degrees (longitudes and zone
// meridians west positive).
struct Site {
  const char* name;
  double latitude, longitude, zoneMeridian;
};
const Site kSites[] = {
    {"Feldkirch 47.25 N", 47.25, -9.59, -15},
    {"Cape Town 33.92 S", -33.92, -18.42, -30},
    {"Reykjavik 64.15 N", 64.15, 21.94, 0},
    {"Quito 0.2 S", -0.2, 78.5, 75},
};

shell::SiteSettings SiteOf(const Site& s) {
  shell::SiteSettings site;
  site.latitude = s.latitude;
  site.longitude = s.longitude;
  site.zoneMeridian = s.zoneMeridian;
  site.year = 2020;
  return site;
}

// The sun seen from latitude phi at declination delta and hour angle H
// (degrees; azimuth from south, west positive).
struct Sun {
  double altitude, azimuth;
};
Sun SunAt(double phi, double delta, double H) {
  const double p = phi * kDeg, d = delta * kDeg, h = H * kDeg;
  const double sinA = std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h);
  const double az = std::atan2(std::cos(d) * std::sin(h),
                               std::sin(p) * std::cos(d) * std::cos(h) - std::cos(p) * std::sin(d));
  return {std::asin(sinA) / kDeg, az / kDeg};
}

// The sun at clock time t of a day: local time counts from the site's own
// meridian, zone time from the zone meridian; a mean time adds the equation
// of time. The ephemeris is taken at that instant.
Sun SunAtClock(const shell::SiteSettings& s, int day, double t, bool localTime, bool meanTime) {
  const double reference = localTime ? s.longitude : s.zoneMeridian;
  const astro::SolarDay sd = astro::ComputeSolarDay(s.year, day + (t + reference / 15.0 - 12.0) / 24.0);
  double H = 15.0 * (t - 12.0) - (s.longitude - reference);
  if (meanTime) H += sd.equationOfTime;
  return SunAt(s.latitude, sd.declination, H);
}

double AngleDiff(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

bool IsWholeDay(double at) { return std::fabs(at - std::round(at)) < 1e-9; }

config::DialParameters Params(char kind, int variant) {
  config::DialParameters p;
  p.kind = kind;
  p.cylinderVariant = variant;
  p.hoursApparent = true;
  p.otherHoursFrom = 4;
  p.otherHoursTo = 20;
  p.otherHourInterval = 1;  // 30 min
  p.hoursTo = 24;
  return p;
}

Dial Build(Variant v, const Site& site, const config::DialParameters& p) {
  testing::RecordingMessageSink messages;
  return BuildDial(v, SiteOf(site), p, shell::ColorSet{}, 1.0, messages);
}

std::string Case(const Site& s, const std::string& what) { return std::string(s.name) + ", " + what; }

// ---- horizontal altitude dial -------------------------------------------------------

TEST(HorizontalAltitudeDial, EdgeShadowGivesTheSunAltitude) {
  for (const Site& site : kSites) {
    for (bool zone : {false, true}) {
      for (bool eot : {false, true}) {
        auto p = Params('k', 0);
        p.zoneTime = zone;
        p.constructWithEot = eot;
        p.monthScaleDouble = true;
        p.hidokeiGnomon = 30;
        p.hidokeiScaleLength = 120;
        const Dial d = Build(Variant::HorizontalAltitude, site, p);
        const double e = d.edgeHeight, L = d.plateLength;
        int checked = 0;
        for (const Curve& c : d.curves) {
          for (const CurvePoint& q : c.runs.at(0)) {
            const int day = static_cast<int>(std::lround(q.at));
            const Sun sun = SunAtClock(d.site, day, c.value, !zone, eot);
            if (sun.altitude <= 0.5 || sun.altitude > 89) continue;
            // On the plate the shadow lies e cot(a) from the foot; past the
            // plate it climbs the face, shown unrolled behind the plate.
            const double a = q.x <= L ? std::atan2(e, q.x) / kDeg : std::atan2(L + e - q.x, L) / kDeg;
            ASSERT_NEAR(a, sun.altitude, 1e-6) << Case(site, "hour " + std::to_string(c.value)) << " day " << day;
            // The date axis: 365 days are D long.
            ASSERT_NEAR(q.y, (day - d.firstDay) * p.hidokeiMonthScale / 365.0, 1e-9);
            ++checked;
          }
        }
        EXPECT_GT(checked, 100) << site.name;
      }
    }
  }
}

TEST(HorizontalAltitudeDial, PlateAndFaceMeetAtTheCriticalAltitude) {
  // With e = L the shadow leaves the plate for the face at 45 degrees, at the
  // junction x = L; the face's top (height e) is the horizon.
  EXPECT_NEAR(AltitudeDialOffset(45.0, 50, 50), 50.0, 1e-9);
  EXPECT_NEAR(AltitudeDialOffset(45.0 + 1e-9, 50, 50), 50.0, 1e-6);
  EXPECT_NEAR(AltitudeDialOffset(45.0 - 1e-9, 50, 50), 50.0, 1e-6);
  EXPECT_NEAR(AltitudeDialOffset(0.0, 25, 180), 205.0, 1e-9);
  // The offset only grows as the sun sinks.
  double last = 0;
  for (double a = 89.5; a > -10; a -= 0.5) {
    const double u = AltitudeDialOffset(a, 25, 180);
    ASSERT_GT(u, last) << a;
    last = u;
  }
}

// ---- shepherd's dial ----------------------------------------------------------------------

TEST(ShepherdDial, ShadowDropGivesTheSunAltitude) {
  for (const Site& site : kSites) {
    for (bool zone : {false, true}) {
      for (bool eot : {false, true}) {
        auto p = Params('z', 0);
        p.zoneTime = zone;
        p.constructWithEot = eot;
        p.monthScaleDouble = eot;
        p.cylinderGnomon = 70;
        p.monthScaleLength = 200;
        const Dial d = Build(Variant::Shepherd, site, p);
        int checked = 0;
        for (const Curve& c : d.curves) {
          ASSERT_EQ(c.kind, LineKind::Ordinary);
          for (const altitude::Run& run : c.runs) {
            for (const CurvePoint& q : run) {
              const int day = static_cast<int>(std::lround(q.at));
              const Sun sun = SunAtClock(d.site, day, c.value, !zone, eot);
              if (sun.altitude <= 0.5 || sun.altitude > 88) continue;
              ASSERT_NEAR(std::atan2(q.y, 70.0) / kDeg, sun.altitude, 1e-6)
                  << Case(site, "hour " + std::to_string(c.value)) << " day " << day;
              ASSERT_NEAR(q.x, (day - d.firstDay) * d.dayWidth, 1e-9);
              ++checked;
            }
          }
        }
        EXPECT_GT(checked, 100) << site.name;
      }
    }
  }
}

TEST(ShepherdDial, MonthScaleHoldsEveryDayOfTheRange) {
  // S / (last - first + 1) per day: the last day has its own column and the
  // scale ends exactly at S.
  for (bool wholeYear : {false, true}) {
    auto p = Params('z', 0);
    p.monthScaleDouble = wholeYear;
    p.monthScaleLength = 183;
    const Dial d = Build(Variant::Shepherd, kSites[0], p);
    EXPECT_EQ(d.DayCount(), wholeYear ? 366 : 184);
    EXPECT_NEAR(d.DateAxisLength(), 183.0, 1e-9);
    EXPECT_NEAR((d.lastDay - d.firstDay) * d.dayWidth + d.dayWidth, 183.0, 1e-9);
  }
}

TEST(ShepherdDial, ScaleReachesTheHighestNoonSun) {
  // The scale must hold the shadow of the highest sun of the year; it is 5 %
  // longer than that. The highest noon altitude comes from the ephemeris.
  for (const Site& site : {kSites[0], kSites[1], kSites[2]}) {
    auto p = Params('z', 0);
    p.cylinderGnomon = 40;
    const Dial d = Build(Variant::Shepherd, site, p);
    double highest = 0;
    for (int day = 1; day <= 366; ++day) {
      const astro::SolarDay sd = astro::ComputeSolarDay(2020, day);
      highest = std::max(highest, 90.0 - std::fabs(site.latitude - sd.declination));
    }
    const double needed = 40.0 * std::tan(highest * kDeg);
    EXPECT_GE(d.scaleLength, needed) << site.name;
    EXPECT_LE(d.scaleLength, 1.06 * needed) << site.name;
  }
  // Inside the tropics the sun reaches the zenith: the scale is endless and
  // the page cuts it.
  const Dial tropics = Build(Variant::Shepherd, kSites[3], Params('z', 0));
  EXPECT_GE(tropics.scaleLength, 1e4);
}

TEST(ShepherdDial, LocalTimeDrawsOneHalfOfTheDay) {
  // In local time without the equation of time, morning and afternoon hours
  // of equal distance from noon give the same shadow: one half is enough.
  struct Row {
    int from, to;
    double shownFrom, shownTo;
  } rows[] = {{6, 18, 12, 18}, {7, 18, 12, 18}, {5, 16, 5, 12}, {13, 17, 13, 17}, {6, 12, 6, 12}};
  for (const Row& r : rows) {
    auto p = Params('z', 0);
    p.otherHoursFrom = r.from;
    p.otherHoursTo = r.to;
    const Dial d = Build(Variant::Shepherd, kSites[0], p);
    EXPECT_EQ(d.ordinaryShownFrom, r.shownFrom) << r.from << ".." << r.to;
    EXPECT_EQ(d.ordinaryShownTo, r.shownTo) << r.from << ".." << r.to;
    p.zoneTime = true;  // at the zone meridian both halves differ
    const Dial zone = Build(Variant::Shepherd, kSites[0], p);
    EXPECT_EQ(zone.ordinaryShownFrom, r.from);
    EXPECT_EQ(zone.ordinaryShownTo, r.to);
  }
  // The shadows of 9 h and 15 h local apparent time coincide.
  auto p = Params('z', 0);
  const Dial d = Build(Variant::Shepherd, kSites[0], p);
  const Curve* nine = nullptr;
  const Curve* fifteen = nullptr;
  for (const Curve& c : d.curves) {
    if (c.value == 9) nine = &c;
    if (c.value == 15) fifteen = &c;
  }
  ASSERT_TRUE(nine && fifteen);
  for (std::size_t i = 0; i < nine->runs[0].size(); ++i) {
    // The declination moves up to 0.1 degree in the six hours between them:
    // up to 0.3 mm of shadow on this scale.
    EXPECT_NEAR(nine->runs[0][i].y, fifteen->runs[0][i].y, 0.3) << i;
  }
}

TEST(ShepherdDial, TemporalHoursRunFromSunriseToSunset) {
  for (const Site& site : {kSites[0], kSites[1], kSites[2]}) {
    auto p = Params('z', 0);
    p.hoursApparent = false;
    p.temporalHours = true;
    p.otherTemporalFrom = 0;
    p.otherTemporalTo = 12;
    const Dial d = Build(Variant::Shepherd, site, p);
    ASSERT_FALSE(d.refused);
    for (const Curve& c : d.curves) {
      ASSERT_EQ(c.kind, LineKind::Temporal);
      for (const CurvePoint& q : c.runs.at(0)) {
        const int day = static_cast<int>(std::lround(q.at));
        const double a = std::atan2(q.y, 70.0) / kDeg;
        const astro::SolarDay noon = astro::ComputeSolarDay(2020, day + (site.zoneMeridian / 15.0) / 24.0);
        if (c.value == 6) {
          // The sixth temporal hour is true noon.
          ASSERT_NEAR(a, 90.0 - std::fabs(site.latitude - noon.declination), 0.02) << site.name << " " << day;
        } else if (c.value == 0 || c.value == 12) {
          // The first and the last are sunrise and sunset (geometric).
          ASSERT_NEAR(a, 0.0, 0.1) << site.name << " " << day << " T " << c.value;
        }
      }
    }
  }
}

TEST(ShepherdDial, DateMarksOfTheHalfYearStartAtMidsummer) {
  auto p = Params('z', 0);
  p.monthScaleDouble = false;
  const Dial d = Build(Variant::Shepherd, kSites[0], p);
  ASSERT_FALSE(d.marks.empty());
  // June 1 and June 11 lie before the range; the first mark is June 21.
  EXPECT_EQ(d.marks.front().month, 6);
  EXPECT_EQ(d.marks.front().day, 21);
  EXPECT_EQ(d.marks.front().at, 0.0);
  for (const DateMark& m : d.marks) {
    EXPECT_GE(m.month, 6);
    EXPECT_GT(astro::DayOfYear(2020, m.month, m.day), 171);
  }
  p.monthScaleDouble = true;
  const Dial year = Build(Variant::Shepherd, kSites[0], p);
  EXPECT_EQ(year.marks.front().month, 1);
  EXPECT_EQ(year.marks.size(), 36u);
}

// ---- hat dial --------------------------------------------------------------------------------

TEST(HatDial, PlaceOnTheCircumferenceGivesTheSunAzimuth) {
  for (const Site& site : kSites) {
    for (bool eot : {false, true}) {
      auto p = Params('z', 1);
      p.constructWithEot = eot;
      p.eotHoursFrom = 8;
      p.eotHoursTo = 16;
      p.cylinderGnomon = 30;
      p.monthScaleLength = 280;
      const Dial d = Build(Variant::Hat, site, p);
      const double C = 280, g = 30;
      const double reference = site.latitude < 0 ? 180.0 : 0.0;  // the middle of the scale
      int checked = 0;
      for (const Curve& c : d.curves) {
        for (const altitude::Run& run : c.runs) {
          for (const CurvePoint& q : run) {
            Sun sun{};
            if (c.kind == LineKind::Declination) {
              sun = SunAt(site.latitude, c.value, q.at);
            } else {
              if (!IsWholeDay(q.at)) continue;  // a point cut at the seam
              const int day = static_cast<int>(std::lround(q.at));
              sun = SunAtClock(d.site, day, c.value, c.kind == LineKind::MeanTime ? false : true,
                               c.kind == LineKind::MeanTime);
            }
            if (sun.altitude <= 0.5 || sun.altitude > 88) continue;
            ASSERT_LE(std::fabs(q.x), C / 2 + 1e-9);
            // Going right round the cylinder (seen from outside) the wall
            // faces ever further east: C / 360 mm per degree of azimuth.
            const double azimuth = reference - q.x * 360.0 / C;
            ASSERT_NEAR(AngleDiff(azimuth, sun.azimuth), 0.0, 1e-6) << Case(site, "line " + std::to_string(c.value));
            ASSERT_NEAR(std::atan2(q.y, g) / kDeg, sun.altitude, 1e-6) << Case(site, "line " + std::to_string(c.value));
            ++checked;
          }
        }
      }
      EXPECT_GT(checked, 200) << site.name;
    }
  }
}

TEST(HatDial, CircumferenceOfMoreThan300mmIsReduced) {
  struct Row {
    int circumference;
    double kept;
    bool reduced;
  } rows[] = {{300, 300, false}, {301, 300, true}, {150, 150, false}};
  for (const Row& r : rows) {
    auto p = Params('z', 1);
    p.monthScaleLength = r.circumference;
    const Dial d = Build(Variant::Hat, kSites[0], p);
    EXPECT_EQ(d.monthScale, r.kept) << r.circumference;
    EXPECT_EQ(d.monthScaleReduced, r.reduced) << r.circumference;
  }
}

TEST(HatDial, SeamCutsCurvesAtTheEdges) {
  // A declination line of a whole day runs once round the cylinder: where it
  // crosses the seam it ends at one edge and goes on at the other.
  auto p = Params('z', 1);
  p.hoursApparent = false;
  p.monthScaleLength = 240;
  const Dial d = Build(Variant::Hat, kSites[0], p);
  for (const Curve& c : d.curves) {
    ASSERT_EQ(c.kind, LineKind::Declination);
    for (const altitude::Run& run : c.runs) {
      for (std::size_t i = 1; i < run.size(); ++i) {
        ASSERT_LT(std::fabs(run[i].x - run[i - 1].x), 120.0) << c.value;
      }
    }
    if (c.runs.size() > 1) {
      EXPECT_NEAR(std::fabs(c.runs.front().back().x), 120.0, 1e-9);
      EXPECT_NEAR(std::fabs(c.runs[1].front().x), 120.0, 1e-9);
    }
  }
}

// ---- polar style ---------------------------------------------------------------------------

struct Vec {
  double e, n, u;
};
Vec Horizontal(double azimuth) { return {-std::sin(azimuth * kDeg), -std::cos(azimuth * kDeg), 0}; }

// The check of one shadow point: the point on the cylinder (arc x from the
// pin's foot, to the right seen from outside, that is toward azimuth
// pin - 90, drop y) must lie on the line from the pin tip away from the sun.
double MissFromShadowLine(const Dial& d, const CurvePoint& q, const Sun& sun) {
  const double R = d.radius, p = d.pinLength, D = d.pinAzimuth;
  const double theta = q.x / R / kDeg;
  const Vec wall = Horizontal(D - theta);
  const Vec tip = Horizontal(D);
  const Vec v{R * wall.e - (R + p) * tip.e, R * wall.n - (R + p) * tip.n, -q.y};
  const double len = std::sqrt(v.e * v.e + v.n * v.n + v.u * v.u);
  const Vec s{std::cos(sun.altitude * kDeg) * Horizontal(sun.azimuth).e,
              std::cos(sun.altitude * kDeg) * Horizontal(sun.azimuth).n, std::sin(sun.altitude * kDeg)};
  return std::hypot(v.e / len + s.e, v.n / len + s.n, v.u / len + s.u);
}

TEST(PolarStyleCylinder, PinTipShadowLiesOnTheSunLine) {
  const double pins[] = {0, -30, 45, 180};
  for (const Site& site : kSites) {
    for (double pin : pins) {
      auto p = Params('z', 2);
      p.wallDeclination = pin;
      p.cylinderRadius = 60;
      p.polarCylinderGnomon = 40;
      p.constructWithEot = true;
      p.temporalHours = std::fabs(site.latitude) < 65;
      const Dial d = Build(Variant::PolarStyle, site, p);
      int checked = 0;
      for (const Curve& c : d.curves) {
        for (const altitude::Run& run : c.runs) {
          for (const CurvePoint& q : run) {
            Sun sun{};
            switch (c.kind) {
              case LineKind::Declination: {
                sun = SunAt(site.latitude, c.value, 15.0 * (q.at - 12.0));
                break;
              }
              case LineKind::Ordinary: sun = SunAt(site.latitude, q.at, 15.0 * (c.value - 12.0)); break;
              case LineKind::MeanTime:
                sun = SunAtClock(d.site, static_cast<int>(std::lround(q.at)), c.value, false, true);
                break;
              case LineKind::Temporal: {
                // Temporal hour T: the day arc from sunrise to sunset in twelve parts.
                const double x = -std::tan(site.latitude * kDeg) * std::tan(q.at * kDeg);
                const double halfArc = x >= 1 ? 0.0 : x <= -1 ? 180.0 : std::acos(x) / kDeg;
                sun = SunAt(site.latitude, q.at, (c.value - 6.0) * halfArc / 6.0);
                break;
              }
              default: continue;
            }
            if (std::fabs(sun.altitude) > 85) continue;
            ASSERT_LT(MissFromShadowLine(d, q, sun), 1e-7)
                << Case(site, "pin " + std::to_string(pin) + " line " + std::to_string(c.value));
            ++checked;
          }
        }
      }
      if (pin == 0 && site.latitude > 0) {
        EXPECT_GT(checked, 500) << site.name;
      }
    }
  }
}

TEST(PolarStyleCylinder, HourLinesMeetWhereTheEarthAxisLineHitsTheCylinder) {
  struct Row {
    const Site& site;
    double pin;
  } rows[] = {{kSites[0], 0}, {kSites[0], 180}, {kSites[1], 180}, {kSites[1], 0}, {kSites[2], -10}};
  for (const Row& r : rows) {
    auto p = Params('z', 2);
    p.wallDeclination = r.pin;
    const Dial d = Build(Variant::PolarStyle, r.site, p);
    const std::string name = Case(r.site, "pin " + std::to_string(r.pin));
    ASSERT_TRUE(d.poleVisible) << name;
    // The line from the tip to the pole mark is parallel to the earth's axis:
    // it is the shadow of a "sun" at the celestial pole on the pin's side
    // (the south pole, at altitude -latitude, for a pin pointing south).
    const bool south = std::fabs(r.pin) < 90;
    const Sun pole = south ? Sun{-r.site.latitude, 0.0} : Sun{r.site.latitude, 180.0};
    EXPECT_LT(MissFromShadowLine(d, d.pole, pole), 1e-3) << name;
    // Full hour lines start near it: 0.25 degree from the pole, seen from the
    // tip about 100 mm away on the slanting wall, is within 2 mm.
    int lines = 0;
    for (const Curve& c : d.curves) {
      if (c.kind != LineKind::Ordinary || !c.fullHour || c.runs.empty()) continue;
      const CurvePoint& first = c.runs.front().front();
      if (std::fabs(first.at) < 89) continue;  // the line's start is hidden
      EXPECT_LT(std::hypot(first.x - d.pole.x, first.y - d.pole.y), 2.0) << name << " " << c.value;
      ++lines;
    }
    EXPECT_GT(lines, 0) << name;
  }
}

// ---- refusals ------------------------------------------------------------------------------

TEST(AltitudeDials, TemporalHoursAbove65DegreesAreRefused) {
  struct Row {
    Variant variant;
    char kind;
    int cylinderVariant;
  } rows[] = {{Variant::HorizontalAltitude, 'k', 0},
              {Variant::Shepherd, 'z', 0},
              {Variant::Hat, 'z', 1},
              {Variant::PolarStyle, 'z', 2}};
  for (const Row& r : rows) {
    for (double lat : {65.0, 66.0, -66.0}) {
      auto p = Params(r.kind, r.cylinderVariant);
      p.altitudeTemporal = r.kind == 'k';
      p.temporalHours = r.kind == 'z';
      shell::SiteSettings site = SiteOf(kSites[0]);
      site.latitude = lat;
      testing::RecordingMessageSink messages;
      const Dial d = BuildDial(r.variant, site, p, shell::ColorSet{}, 1.0, messages);
      const bool refused = std::fabs(lat) > 65;
      EXPECT_EQ(d.refused, refused) << r.kind << r.cylinderVariant << " " << lat;
      EXPECT_EQ(d.curves.empty(), refused) << r.kind << r.cylinderVariant << " " << lat;
      if (refused) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Error);
      }
    }
  }
}

TEST(AltitudeDials, BabylonianAndItalianHoursAbove65DegreesAreLeftOut) {
  auto p = Params('z', 0);
  p.babylonianHours = p.italianHours = true;
  shell::SiteSettings site = SiteOf(kSites[0]);
  site.latitude = 67;
  testing::RecordingMessageSink messages;
  const Dial d = BuildDial(Variant::Shepherd, site, p, shell::ColorSet{}, 1.0, messages);
  EXPECT_FALSE(d.refused);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Problem);
  for (const Curve& c : d.curves) EXPECT_EQ(c.kind, LineKind::Ordinary);
  EXPECT_FALSE(d.curves.empty());
}

TEST(AltitudeDials, TemporalHoursBeyond12AreReported) {
  // The altitude dial falls back to temporal hours 0 to 6; the shepherd's
  // dial keeps the values.
  for (char kind : {'k', 'z'}) {
    auto p = Params(kind, 0);
    p.altitudeTemporal = kind == 'k';
    p.temporalHours = kind == 'z';
    p.hoursApparent = false;
    p.otherTemporalFrom = 2;
    p.otherTemporalTo = 13;
    testing::RecordingMessageSink messages;
    const Dial d = BuildDial(kind == 'k' ? Variant::HorizontalAltitude : Variant::Shepherd,
                             SiteOf(kSites[0]), p, shell::ColorSet{}, 1.0, messages);
    ASSERT_EQ(messages.shown.size(), 1u) << kind;
    EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Error);
    ASSERT_FALSE(d.curves.empty());
    EXPECT_EQ(d.curves.front().value, kind == 'k' ? 0.0 : 2.0);
    EXPECT_EQ(d.curves.back().value, kind == 'k' ? 6.0 : 13.0);
  }
}

TEST(AltitudeDials, HourValuesStopAtTheLastHour) {
  const auto v = HourValues(10, 12, 4);
  ASSERT_EQ(v.size(), 9u);  // 10, 10:15 .. 11:45, 12
  EXPECT_TRUE(v.front().full);
  EXPECT_FALSE(v[1].full);
  EXPECT_DOUBLE_EQ(v[1].value, 10.25);
  EXPECT_DOUBLE_EQ(v.back().value, 12.0);
  EXPECT_TRUE(v.back().full);
}

}  // namespace
}  // namespace kelvra::dials::altitude
