// The azimuthal geometry checked by an independent model of the sky
// (sky_model.h): a point of hour t on day d lies in the direction of the sun's
// azimuth at that time seen from the pointer's foot; on the altitude-circle
// dials its radius maps back through the projection to the sun's altitude,
// and the sun so recovered stands at the hour angle of its hour system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "dials/azimuthal/azimuthal_geometry.h"
#include "recording_message_sink.h"
#include "sky_model.h"

namespace kelvra::dials::azimuthal {
namespace {

using testing::AngleDiff;

constexpr int kYear = 2020;
// Northern and southern latitudes, one above 60 degrees, one in the tropics.
const double kLatitudes[] = {47.25, -33.9, 65.5, 12.0};

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = kYear;
  return s;
}

config::DialParameters Dial(int mode) {
  config::DialParameters p;
  p.kind = 'a';
  p.azimuthCircleMode = mode;
  p.hoursApparent = true;
  p.otherHoursFrom = 4;
  p.otherHoursTo = 20;
  p.otherHourInterval = 1;
  p.azimuthZodiacScale = false;
  return p;
}

std::string Name(double lat, const config::DialParameters& p) {
  return "lat " + std::to_string(lat) + " zone " + std::to_string(p.zoneTime) + " eot " +
         std::to_string(p.altitudeWithEot) + " june " + std::to_string(p.juneOutside) +
         " spacing " + std::to_string(p.altitudeCircleSpacing);
}

double NoonDeclination(int day) {
  return astro::ComputeSolarDay(kYear, astro::DayArgumentForZoneTime(day, 12, -15)).declination;
}

// The geometric half day arc (degrees) of a declination: cos H0 = -tan phi tan d.
double HalfArc(double phi, double d) {
  const double c = -std::tan(phi * testing::kRad) * std::tan(d * testing::kRad);
  return std::acos(std::clamp(c, -1.0, 1.0)) / testing::kRad;
}

// ---- variant 0: date circles --------------------------------------------------------

TEST(AzimuthalGeometry, DateRingPointsLieAlongTheShadowOfTheSunThen) {
  testing::RecordingMessageSink messages;
  const int last = astro::DayOfYear(kYear, 12, 31);
  for (double phi : kLatitudes) {
    for (bool zone : {false, true}) {
      for (bool eot : {false, true}) {
        for (bool june : {false, true}) {
          config::DialParameters p = Dial(0);
          p.zoneTime = zone;
          p.altitudeWithEot = eot;
          p.juneOutside = june;
          const shell::SiteSettings site = Site(phi);
          const AzimuthalDial dial = BuildAzimuthalDial(site, p, nullptr, messages);
          const std::string what = Name(phi, p);
          int checked = 0;
          for (const Chain& c : dial.chains) {
            if (c.kind != LineKind::Hour) continue;
            for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
              // The ring tells the day: 1 January inside (outside with juneOutside).
              const double dayReal = june ? last - 365 * q->param : 1 + 365 * q->param;
              const int day = static_cast<int>(std::lround(dayReal));
              ASSERT_NEAR(dayReal, day, 1e-9) << what;
              // The sun then: the ephemeris of that instant, the hour angle of the clock.
              const double t = c.value;
              const astro::SolarDay sd =
                  astro::ComputeSolarDay(kYear, astro::DayArgumentForZoneTime(day, t, -15));
              const double reference = zone ? site.longitude : site.zoneMeridian;
              const double H = 15 * (t - 12) - (reference - site.zoneMeridian) +
                               (eot ? sd.equationOfTime : 0);
              const testing::Vec s = testing::SunVector(phi, sd.declination, H);
              ASSERT_NEAR(AngleDiff(q->azimuth, testing::AzimuthOf(s)), 0, 1e-6)
                  << what << " t " << t << " day " << day;
              const double altitude = testing::AltitudeOf(s);
              EXPECT_GT(altitude, 0) << what;
              EXPECT_LT(altitude, 89) << what;
              ++checked;
            }
          }
          EXPECT_GT(checked, 100) << what;
        }
      }
    }
  }
}

// With the zodiac scale a ring is a declination: the point of hour t is the
// sun at that declination and hour angle (the ring is the day's noon
// declination; the sun moves up to 0.2 degrees in half a day).
TEST(AzimuthalGeometry, ZodiacRingsAreDeclinations) {
  testing::RecordingMessageSink messages;
  for (double phi : kLatitudes) {
    for (bool june : {false, true}) {
      config::DialParameters p = Dial(0);
      p.azimuthZodiacScale = true;
      p.juneOutside = june;
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), p, nullptr, messages);
      const double eps = dial.obliquity;
      for (const Chain& c : dial.chains) {
        if (c.kind != LineKind::Hour) continue;
        for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
          const double d = june ? -eps + 2 * eps * q->param : eps - 2 * eps * q->param;
          EXPECT_LE(std::fabs(d), eps + 0.01);
          const testing::Vec s = testing::SunVector(phi, d, 15 * (c.value - 12));
          EXPECT_NEAR(AngleDiff(q->azimuth, testing::AzimuthOf(s)), 0, 0.5)
              << phi << " t " << c.value << " d " << d;
        }
      }
      // Without the equation of time only the half-year from 21 June to 22
      // December is traced: the other half lies on the same rings.
      EXPECT_EQ(DeclinationRingParam(eps, eps, june), june ? 1.0 : 0.0);
    }
  }
}

TEST(AzimuthalGeometry, RingsRunFromSunriseToSunset) {
  testing::RecordingMessageSink messages;
  for (double phi : {47.25, -33.9, 70.0, 5.0}) {
    for (bool zodiac : {false, true}) {
      config::DialParameters p = Dial(0);
      p.azimuthZodiacScale = zodiac;
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), p, nullptr, messages);
      ASSERT_EQ(dial.rings.size(), zodiac ? 13u : 24u);
      const astro::ZodiacTable z = astro::ComputeZodiacDeclinations(kYear);
      for (std::size_t i = 0; i < dial.rings.size(); ++i) {
        const Ring& r = dial.rings[i];
        const double d = zodiac ? z.declinations[3 * i]
                                : NoonDeclination(astro::DayOfYear(kYear, static_cast<int>(i / 2 + 1),
                                                                   i % 2 == 0 ? 1 : 16));
        // The sunset azimuth (no refraction): cos(from north) = sin d / cos phi.
        const double c = std::sin(d * testing::kRad) / std::cos(phi * testing::kRad);
        if (c >= 1) {
          EXPECT_TRUE(r.polarDay || r.polarNight) << phi << " ring " << i;
          continue;
        }
        if (c <= -1) {
          EXPECT_TRUE(r.polarDay || r.polarNight) << phi << " ring " << i;
          continue;
        }
        ASSERT_FALSE(r.polarDay || r.polarNight) << phi << " ring " << i;
        const double set = 180 - std::acos(c) / testing::kRad;
        EXPECT_NEAR(r.setAzimuth, set, 1e-6) << phi << " ring " << i;
        EXPECT_NEAR(r.riseAzimuth, -set, 1e-6) << phi << " ring " << i;
        EXPECT_EQ(r.noonShadowDown, phi >= d);
        EXPECT_EQ(r.colour, i % 2 == 0 ? 7 : 6);
      }
    }
  }
  // Above the polar circle: a summer ring all round, a winter ring not at all.
  const AzimuthalDial north = BuildAzimuthalDial(Site(70), Dial(0), nullptr, messages);
  EXPECT_TRUE(north.rings[11].polarDay);    // 16 June
  EXPECT_TRUE(north.rings[23].polarNight);  // 16 December
}

TEST(AzimuthalGeometry, TheDayRingsFillTheBand) {
  // 1 January on the inner ring, 31 December on the outer one, also in a
  // leap year; juneOutside turns them round.
  struct Case {
    int year, day;
    bool june;
    double want;
  };
  const Case cases[] = {
      {2024, 1, false, 0.0},           {2024, 366, false, 1.0},
      {2023, 365, false, 364 / 365.0}, {2024, 1, true, 1.0},
      {2024, 366, true, 0.0},          {2023, 1, true, 364 / 365.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(DayRingParam(c.year, c.day, c.june), c.want) << c.year << " " << c.day;
  }
  EXPECT_DOUBLE_EQ(DeclinationRingParam(23.44, 23.44, false), 0.0);
  EXPECT_DOUBLE_EQ(DeclinationRingParam(-23.44, 23.44, false), 1.0);
  EXPECT_DOUBLE_EQ(DeclinationRingParam(0, 23.44, true), 0.5);
}

// The sunrise curve is the rise azimuth on each day's ring, the sunset curve the set azimuth.
TEST(AzimuthalGeometry, SunriseAndSunsetCurves) {
  testing::RecordingMessageSink messages;
  const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), Dial(0), nullptr, messages);
  int rise = 0, set = 0;
  for (const Chain& c : dial.chains) {
    if (c.kind != LineKind::SunriseCurve && c.kind != LineKind::SunsetCurve) continue;
    EXPECT_EQ(c.colour, 5);
    for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
      const int day = static_cast<int>(std::lround(1 + 365 * q->param));
      const double d = day <= 366 ? NoonDeclination(day)
                                  : astro::ComputeSolarDay(kYear + 1, astro::DayArgumentForZoneTime(1, 12, -15)).declination;
      const double az = 180 - std::acos(std::sin(d * testing::kRad) / std::cos(47.25 * testing::kRad)) / testing::kRad;
      EXPECT_NEAR(q->azimuth, c.kind == LineKind::SunriseCurve ? -az : az, 1e-6) << day;
      (c.kind == LineKind::SunriseCurve ? rise : set)++;
    }
  }
  EXPECT_EQ(rise, 73);  // days 1, 6, ..., 26 of 12 months and 1 January
  EXPECT_EQ(set, 73);
}

// ---- variant 1: altitude circles -------------------------------------------------------

// The inverse of each projection, written from its definition: equal
// distances r = R (90 - h) / 90, the stereographic r = R tan(z / 2) and the
// orthographic r = R sin z of the zenith distance z = 90 - h; Tonne's curve
// as the horizontoscope gives it (t = s = R), inverted by bisection.
double TonneRadius(double h) {
  const double s = 1, t = 1, u = std::sqrt(s * s / 4 + t * t) - s / 2;
  const double hr = h * testing::kRad;
  return std::cos(hr) * 2 * t * (t * t - u * u) / (std::sin(hr) * (t * t + u * u) + 2 * u * t);
}

double AltitudeFromRadius(Projection p, double r) {
  switch (p) {
    case Projection::EqualDistances: return 90 * (1 - r);
    case Projection::Stereographic: return 90 - 2 * std::atan(r) / testing::kRad;
    case Projection::Orthographic: return std::acos(std::clamp(r, -1.0, 1.0)) / testing::kRad;
    case Projection::Tonne: {
      double lo = -10, hi = 90;  // the radius falls as the altitude rises
      for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (TonneRadius(mid) > r ? lo : hi) = mid;
      }
      return (lo + hi) / 2;
    }
  }
  return 0;
}

TEST(AzimuthalGeometry, EveryProjectionMapsBackToTheAltitude) {
  struct Case {
    Projection p;
    double h, want;  // r / R
  };
  // The edge cases of the four projections.
  const Case cases[] = {
      {Projection::EqualDistances, 45, 0.5},
      {Projection::Stereographic, 45, 0.41421356237309503},  // tan 22.5
      {Projection::Orthographic, 45, 0.70710678118654757},   // cos 45
      {Projection::Tonne, 0, 1.0},
      {Projection::Tonne, 90, 0.0},
      {Projection::EqualDistances, 0, 1.0},
      {Projection::Stereographic, 90, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(AltitudeRadius(c.p, c.h, 1.0), c.want, 1e-12) << int(c.p) << " " << c.h;
  }
  for (Projection p : {Projection::EqualDistances, Projection::Tonne, Projection::Stereographic,
                       Projection::Orthographic}) {
    double previous = 1e9;
    for (double h = 0; h <= 89; h += 0.5) {
      const double r = AltitudeRadius(p, h, 250.0);
      EXPECT_LT(r, previous) << int(p) << " " << h;  // higher suns nearer the centre
      previous = r;
      EXPECT_NEAR(AltitudeFromRadius(p, r / 250.0), h, 1e-9) << int(p) << " " << h;
    }
  }
}

TEST(AzimuthalGeometry, AltitudeCirclePointsAreTheSunAtTheirHour) {
  testing::RecordingMessageSink messages;
  for (double phi : kLatitudes) {
    for (bool zone : {false, true}) {
      for (bool eot : {false, true}) {
        config::DialParameters p = Dial(1);
        p.zoneTime = zone;
        p.altitudeWithEot = eot;
        p.temporalHours = std::fabs(phi) < 60;
        p.temporalInterval = 1;
        p.babylonianHours = true;
        p.italianHours = true;
        p.babylonianFrom = 1;
        p.babylonianTo = 14;
        p.italianFrom = 10;
        p.italianTo = 23;
        const shell::SiteSettings site = Site(phi);
        const AzimuthalDial dial = BuildAzimuthalDial(site, p, nullptr, messages);
        const std::string what = Name(phi, p);
        int counts[4] = {0, 0, 0, 0};
        for (const Chain& c : dial.chains) {
          if (c.kind != LineKind::Hour) continue;
          for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
            const testing::Vec s = testing::DirectionVector(q->param, q->azimuth);
            const testing::Equatorial e = testing::EquatorialOf(phi, s);
            const double t = c.value;
            ++counts[static_cast<int>(c.system)];
            switch (c.system) {
              case HourSystem::Ordinary: {
                const double mean = 15 * (t - 12) - (zone ? site.longitude - site.zoneMeridian : 0);
                if (eot) {
                  // The equation of time lies within -14.3 .. +16.5 minutes.
                  const double E = AngleDiff(e.hourAngle, mean);
                  EXPECT_GT(E, -3.6) << what;
                  EXPECT_LT(E, 4.15) << what;
                } else {
                  ASSERT_NEAR(AngleDiff(e.hourAngle, mean), 0, 1e-6) << what << " t " << t;
                }
                break;
              }
              case HourSystem::Temporal: {
                // Hour T: T twelfths of the day arc after sunrise.
                const double h0 = HalfArc(phi, e.declination);
                ASSERT_NEAR((e.hourAngle + h0) / (2 * h0) * 12, t, 1e-6) << what;
                break;
              }
              case HourSystem::Babylonian: {
                const double h0 = HalfArc(phi, e.declination);
                ASSERT_NEAR((e.hourAngle + h0) / 15, t, 1e-6) << what;  // hours since sunrise
                break;
              }
              case HourSystem::Italian: {
                const double h0 = HalfArc(phi, e.declination);
                ASSERT_NEAR(24 + (e.hourAngle - h0) / 15, t, 1e-6) << what;  // since sunset
                break;
              }
            }
          }
        }
        EXPECT_GT(counts[0], 100) << what;
        if (p.temporalHours) {
          EXPECT_GT(counts[1], 50) << what;
        }
        EXPECT_GT(counts[2], 50) << what;
        EXPECT_GT(counts[3], 50) << what;
      }
    }
  }
}

TEST(AzimuthalGeometry, DeclinationLines) {
  testing::RecordingMessageSink messages;
  const astro::ZodiacTable z = astro::ComputeZodiacDeclinations(kYear);
  struct Case {
    int perMonth;
    int lines, main;
  };
  // 1, 2 or 3 lines per zodiac sign over the half year; 4: solstices and equinox.
  for (const Case& k : {Case{1, 7, 7}, Case{2, 13, 7}, Case{3, 19, 7}, Case{4, 3, 3}}) {
    for (double phi : kLatitudes) {
      config::DialParameters p = Dial(1);
      p.zodiacLinesPerMonth = k.perMonth;
      p.hoursApparent = false;
      const AzimuthalDial dial = BuildAzimuthalDial(Site(phi), p, nullptr, messages);
      std::vector<double> lines;
      int main = 0;
      for (const Chain& c : dial.chains) {
        ASSERT_EQ(c.kind, LineKind::Declination);
        if (lines.empty() || lines.back() != c.value) {
          lines.push_back(c.value);
          main += c.full;
          EXPECT_EQ(c.colour, c.full ? 6 : 7);
        }
        for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
          const testing::Equatorial e =
              testing::EquatorialOf(phi, testing::DirectionVector(q->param, q->azimuth));
          ASSERT_NEAR(e.declination, c.value, 1e-6) << phi;
          EXPECT_GT(q->param, 0);
          EXPECT_LT(q->param, 89);
        }
      }
      // Lines that never rise (high latitudes) leave no chain.
      if (std::fabs(phi) < 60) {
        EXPECT_EQ(static_cast<int>(lines.size()), k.lines) << k.perMonth << " " << phi;
        EXPECT_EQ(main, k.main) << k.perMonth << " " << phi;
      }
      for (double d : lines) {
        const bool known = std::find(z.declinations.begin(), z.declinations.end(), d) !=
                           z.declinations.end();
        EXPECT_TRUE(known) << d;
      }
    }
  }
}

// ---- options and refusals ------------------------------------------------------

TEST(AzimuthalGeometry, TemporalHoursAboveTheArcticCircleRefuseTheDateCircles) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = Dial(0);
  p.temporalHours = true;
  const AzimuthalDial refused = BuildAzimuthalDial(Site(-66.5), p, nullptr, messages);
  EXPECT_TRUE(refused.refused);
  EXPECT_TRUE(refused.chains.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Problem);
  EXPECT_EQ(messages.shown[0].text,
            "Temporalstunden sind in dieser geogr. Breite nicht möglich!\n"
            "Die Sonnenuhr wird deshalb nicht konstruiert.");
  messages.shown.clear();
  EXPECT_FALSE(BuildAzimuthalDial(Site(66), p, nullptr, messages).refused);
  p.azimuthCircleMode = 1;
  EXPECT_FALSE(BuildAzimuthalDial(Site(70), p, nullptr, messages).refused);
  p.temporalHours = false;
  p.azimuthCircleMode = 0;
  EXPECT_FALSE(BuildAzimuthalDial(Site(70), p, nullptr, messages).refused);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(AzimuthalGeometry, WithTemporalHoursNoSystemDrawsTheHoursZeroAndTwelve) {
  testing::RecordingMessageSink messages;
  for (int mode : {0, 1}) {
    config::DialParameters p = Dial(mode);
    p.otherHoursFrom = 0;
    p.otherHoursTo = 24;
    p.temporalHours = true;
    p.temporalFrom = 0;
    p.temporalTo = 12;
    p.babylonianHours = true;
    p.babylonianFrom = 0;
    p.babylonianTo = 24;
    const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), p, nullptr, messages);
    std::vector<double> values;
    for (const Chain& c : dial.chains) {
      if (c.kind != LineKind::Hour) continue;
      EXPECT_NE(c.value, 0.0) << mode;
      EXPECT_NE(c.value, 12.0) << mode;
      values.push_back(c.value);
    }
    EXPECT_NE(std::find(values.begin(), values.end(), 11.5), values.end());
    // Without temporal hours the ordinary noon line is there.
    p.temporalHours = false;
    const AzimuthalDial plain = BuildAzimuthalDial(Site(47.25), p, nullptr, messages);
    EXPECT_TRUE(std::any_of(plain.chains.begin(), plain.chains.end(), [](const Chain& c) {
      return c.kind == LineKind::Hour && c.value == 12.0 && c.system == HourSystem::Ordinary;
    }));
  }
}

TEST(AzimuthalGeometry, HourLineColoursAndWidths) {
  testing::RecordingMessageSink messages;
  struct Case {
    int mode;
    HourSystem system;
    int full, sub;
  };
  const Case cases[] = {
      {0, HourSystem::Ordinary, 2, 3},   {0, HourSystem::Temporal, 8, 3},
      {0, HourSystem::Babylonian, 4, 3}, {0, HourSystem::Italian, 10, 3},
      {1, HourSystem::Ordinary, 2, 3},   {1, HourSystem::Temporal, 8, 9},
      {1, HourSystem::Babylonian, 1, 5}, {1, HourSystem::Italian, 10, 9},
  };
  for (int mode : {0, 1}) {
    config::DialParameters p = Dial(mode);
    p.temporalHours = p.babylonianHours = p.italianHours = true;
    p.temporalInterval = 1;
    p.babylonianInterval = p.italianInterval = 1;
    const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), p, nullptr, messages);
    for (const Case& k : cases) {
      if (k.mode != mode) continue;
      int full = 0, sub = 0;
      for (const Chain& c : dial.chains) {
        if (c.kind != LineKind::Hour || c.system != k.system) continue;
        EXPECT_EQ(c.colour, c.full ? k.full : k.sub) << mode << " " << int(k.system);
        EXPECT_EQ(c.widthAdd, c.full ? 1 : 0);
        (c.full ? full : sub)++;
      }
      EXPECT_GT(full, 0) << mode << " " << int(k.system);
      EXPECT_GT(sub, 0) << mode << " " << int(k.system);
    }
  }
}

TEST(AzimuthalGeometry, TheHorizonProfileMarksTheSunBehindIt) {
  testing::RecordingMessageSink messages;
  // A wall of 20 degrees toward the west (azimuth 30 .. 150), flat elsewhere.
  calc::HorizonProfile wall;
  for (auto& point : wall.points) point.altitude = point.azimuth >= 30 && point.azimuth <= 150 ? 20 : 0;
  config::DialParameters p = Dial(1);
  p.horizonProfile = true;
  const AzimuthalDial dial = BuildAzimuthalDial(Site(47.25), p, &wall, messages);
  ASSERT_EQ(dial.horizon.size(), 720u);
  int below = 0, above = 0;
  for (const Chain& c : dial.chains) {
    for (const DirPoint* q = dial.Begin(c); q != dial.End(c); ++q) {
      const bool behind = c.kind == LineKind::Hour && q->azimuth >= 30.25 && q->azimuth <= 149.75 &&
                          q->param < 20;
      if (c.kind == LineKind::Hour && (q->azimuth < 29.75 || q->azimuth > 150.25 || q->param > 20)) {
        EXPECT_FALSE(q->belowHorizon) << q->azimuth << " " << q->param;
      }
      if (behind) {
        EXPECT_TRUE(q->belowHorizon) << q->azimuth << " " << q->param;
      }
      (q->belowHorizon ? below : above)++;
    }
  }
  EXPECT_GT(below, 20);
  EXPECT_GT(above, 200);
  // Switched off, or on the date circles: neither outline nor marks.
  for (int mode : {0, 1}) {
    config::DialParameters off = Dial(mode);
    off.horizonProfile = mode == 0;
    const AzimuthalDial d = BuildAzimuthalDial(Site(47.25), off, &wall, messages);
    EXPECT_TRUE(d.horizon.empty());
    for (const DirPoint& q : d.points) EXPECT_FALSE(q.belowHorizon);
  }
}

TEST(AzimuthalGeometry, LowLatitudesAreMarked) {
  testing::RecordingMessageSink messages;
  for (double phi : {0.0, 23.9, -23.9}) {
    const AzimuthalDial d = BuildAzimuthalDial(Site(phi), Dial(0), nullptr, messages);
    EXPECT_TRUE(d.lowLatitude) << phi;
    EXPECT_EQ(d.rings.size(), 24u);  // the date rings are still drawn at the equator
  }
  EXPECT_FALSE(BuildAzimuthalDial(Site(24), Dial(0), nullptr, messages).lowLatitude);
}

}  // namespace
}  // namespace kelvra::dials::azimuthal
