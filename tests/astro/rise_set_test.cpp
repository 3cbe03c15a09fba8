#include "astro/rise_set.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/moon.h"
#include "astro/sun_position.h"

namespace kelvra::astro {
namespace {

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

// The minute a time shows when rounded to the nearest minute (12:30 -> 750).
int ShownMinute(double hours) { return static_cast<int>(std::floor(60.0 * hours + 0.5)); }

TEST(RiseSetTest, SunAtTheDefaultSite) {
  // Reference times of the program's default site, 21 June and 21 December
  // 2020 (zone time, to the minute).
  struct Case { int d, m; int riseMinute, setMinute; };
  const Case cases[] = {{21, 6, 4 * 60 + 25, 20 * 60 + 21}, {21, 12, 8 * 60 + 6, 16 * 60 + 34}};
  for (const auto& c : cases) {
    const RiseSetResult r = RiseSetForDate(RiseSetKind::Sun, c.d, c.m, 2020, kLat, kLon, kZone);
    ASSERT_EQ(r.state, RiseSetState::Normal);
    EXPECT_EQ(ShownMinute(*r.rise), c.riseMinute) << *r.rise;
    EXPECT_EQ(ShownMinute(*r.set), c.setMinute) << *r.set;
  }
}

TEST(RiseSetTest, AgreesWithTheEphemerisAtTheEventAltitude) {
  // Independent check: at the found times the sun of ComputeSolarDay stands at
  // -50' within a small tolerance (the two series differ by hundredths of a degree).
  for (int m = 1; m <= 12; ++m) {
    const RiseSetResult r = RiseSetForDate(RiseSetKind::Sun, 15, m, 2020, kLat, kLon, kZone);
    ASSERT_EQ(r.state, RiseSetState::Normal);
    const int n = DayOfYear(2020, m, 15);
    for (double t : {*r.rise, *r.set}) {
      const SunPosition s = SunPositionAtClockTime(2020, n, t, kLat, kLon, kZone, true);
      EXPECT_NEAR(s.altitude, -50.0 / 60.0, 0.05) << m << " " << t;
    }
    EXPECT_LT(*r.rise, *r.set);
    // The twilight lies outside the day.
    const RiseSetResult tw = RiseSetForDate(RiseSetKind::Twilight, 15, m, 2020, kLat, kLon, kZone,
                                            TwilightKind::Civil);
    ASSERT_EQ(tw.state, RiseSetState::Normal);
    EXPECT_LT(*tw.rise, *r.rise);
    EXPECT_GT(*tw.set, *r.set);
  }
}

TEST(RiseSetTest, PolarDayAndNight) {
  struct Case { RiseSetKind kind; int m; TwilightKind tw; double lat; RiseSetState state; };
  const Case cases[] = {
      {RiseSetKind::Sun, 6, TwilightKind::Astronomical, 70, RiseSetState::AlwaysUp},
      {RiseSetKind::Sun, 12, TwilightKind::Astronomical, 70, RiseSetState::AlwaysDown},
      {RiseSetKind::Twilight, 6, TwilightKind::Astronomical, 70, RiseSetState::AlwaysUp},
      {RiseSetKind::Twilight, 12, TwilightKind::Civil, 80, RiseSetState::AlwaysDown},
  };
  for (const auto& c : cases) {
    const RiseSetResult r = RiseSetForDate(c.kind, 21, c.m, 2020, c.lat, kLon, kZone, c.tw);
    EXPECT_EQ(r.state, c.state) << static_cast<int>(c.kind) << " " << c.m;
    EXPECT_FALSE(r.rise.has_value());
    EXPECT_FALSE(r.set.has_value());
  }
  EXPECT_STREQ(RiseSetStateName(RiseSetState::AlwaysUp), "alwaysUp");
  EXPECT_STREQ(RiseSetStateName(RiseSetState::NoRise), "normal");
}

TEST(RiseSetTest, MoonDaysWithoutRiseOrSet) {
  // The moon rises about 50 minutes later each day; within a month there is a
  // day without moonrise and one without moonset.
  int noRise = 0, noSet = 0;
  double previousRise = -1;
  for (int d = 1; d <= 31; ++d) {
    const RiseSetResult r = RiseSetForDate(RiseSetKind::Moon, d, 1, 2020, kLat, kLon, kZone);
    if (r.state == RiseSetState::NoRise) {
      ++noRise;
      EXPECT_FALSE(r.rise.has_value());
      EXPECT_TRUE(r.set.has_value());
    }
    if (r.state == RiseSetState::NoSet) ++noSet;
    if (r.rise && previousRise >= 0 && *r.rise > previousRise) {
      EXPECT_NEAR(*r.rise - previousRise, 0.85, 0.6) << d;
    }
    previousRise = r.rise ? *r.rise : -1;
  }
  EXPECT_GE(noRise, 1);
  EXPECT_LE(noRise, 2);
  EXPECT_GE(noSet, 1);
  EXPECT_LE(noSet, 2);
}

TEST(RiseSetTest, MoonAlmanacAndSeries) {
  // The moon keeps within the ecliptic's 23.4 degrees plus its 5.1-degree
  // inclination, and returns to the same right ascension after a sidereal
  // month of 27.32 days.
  for (double day = 0; day < 6940; day += 0.7) {  // a Saros and more
    const EquatorialPosition p = LowPrecisionMoon(day / 36525.0);
    ASSERT_LE(std::abs(p.declination), 28.8) << day;
    ASSERT_GE(p.rightAscension, 0.0);
    ASSERT_LT(p.rightAscension, 24.0);
    const EquatorialPosition q = LowPrecisionMoon((day + 27.321661) / 36525.0);
    const double dra = std::remainder(q.rightAscension - p.rightAscension, 24.0);
    ASSERT_LT(std::abs(dra), 0.6) << day;
  }
  // The sun series at J2000.0: RA 18h 45m, declination -23.03.
  const EquatorialPosition s = LowPrecisionSun(0.0);
  EXPECT_NEAR(s.rightAscension, 18.75, 0.02);
  EXPECT_NEAR(s.declination, -23.03, 0.02);
  // Greenwich mean sidereal time at MJD 51544.5 is 18h 41m 50.5s.
  EXPECT_NEAR(LocalMeanSiderealTime(51544.5, 0.0), 18.697374558, 1e-6);
  EXPECT_NEAR(LocalMeanSiderealTime(51544.5, -15.0), 19.697374558, 1e-6);
  EXPECT_DOUBLE_EQ(LocalMidnightMjd(1, 1, 2000, -15), 51544.0 - 1.0 / 24.0);
}

TEST(RiseSetTest, QuadraticRoots) {
  const QuadraticResult flat = QuadraticRoots(0.3, 0.3, 0.3);
  EXPECT_EQ(flat.count, 0);
  // Straight lines have a = 0 too.
  EXPECT_EQ(QuadraticRoots(-1, 0, 1).count, 0);
  // y = x^2 - 0.25: roots -0.5 and 0.5, minimum -0.25 at 0.
  const QuadraticResult two = QuadraticRoots(0.75, -0.25, 0.75);
  EXPECT_EQ(two.count, 2);
  EXPECT_NEAR(two.root1, -0.5, 1e-12);
  EXPECT_NEAR(two.root2, 0.5, 1e-12);
  EXPECT_NEAR(two.yExtreme, -0.25, 1e-12);
  // y = (x + 3)(x - 0.5): one root inside, the other left of -1 is replaced.
  const QuadraticResult one = QuadraticRoots(-3.0, -1.5, 2.0);
  EXPECT_EQ(one.count, 1);
  EXPECT_NEAR(one.root1, 0.5, 1e-12);
  // No real root.
  EXPECT_EQ(QuadraticRoots(2, 1, 2).count, 0);
}

}  // namespace
}  // namespace kelvra::astro

namespace kelvra::astro {
namespace {

// The search's sine of the altitude against the plain formula with right
// ascension and declination of the published series.
TEST(RiseSetTest, SinAltitudeMatchesThePlainFormula) {
  const double deg = std::acos(-1.0) / 180;
  for (double lat : {-50.0, 0.0, 47.25, 70.0}) {
    const double sinLat = std::sin(lat * deg), cosLat = std::cos(lat * deg);
    for (double h = 0; h <= 24; h += 1.7) {
      const double mjd0 = 58000.3;
      const double M = mjd0 + h / 24;
      const double T = (M - 51544.5) / 36525;
      for (RiseSetKind kind : {RiseSetKind::Sun, RiseSetKind::Moon}) {
        const EquatorialPosition p = kind == RiseSetKind::Moon ? LowPrecisionMoon(T) : LowPrecisionSun(T);
        const double tau = 15 * (LocalMeanSiderealTime(M, 10.0) - p.rightAscension) * deg;
        const double plain = sinLat * std::sin(p.declination * deg) +
                             cosLat * std::cos(p.declination * deg) * std::cos(tau);
        // The published constants 57.2957795... and 7.6394372... differ from
        // 180/pi and 24/pi in the eleventh digit; nothing more may differ.
        ASSERT_NEAR(SinAltitude(kind, mjd0, h, sinLat, cosLat, 10.0), plain, 1e-9) << lat << " " << h;
      }
    }
  }
}

}  // namespace
}  // namespace kelvra::astro

namespace kelvra::astro {
namespace {

TEST(RiseSetTest, AllKindsAtOnceEqualSeparateSearches) {
  const double deg = std::acos(-1.0) / 180;
  for (double lat : {-45.0, 47.25, 66.0, 72.0}) {
    const double sinLat = std::sin(lat * deg), cosLat = std::cos(lat * deg);
    for (int day = 1; day <= 365; day += 11) {
      const double mjd0 = LocalMidnightMjd(1, 1, 2021, -15) + day - 1;
      for (TwilightKind tw : {TwilightKind::Civil, TwilightKind::Astronomical}) {
        const DayRiseSet all = RiseSetAllForDay(mjd0, sinLat, cosLat, -9.59, tw);
        const RiseSetResult parts[3] = {
            RiseSetForDay(RiseSetKind::Sun, mjd0, sinLat, cosLat, -9.59),
            RiseSetForDay(RiseSetKind::Twilight, mjd0, sinLat, cosLat, -9.59, tw),
            RiseSetForDay(RiseSetKind::Moon, mjd0, sinLat, cosLat, -9.59)};
        const RiseSetResult* got[3] = {&all.sun, &all.twilight, &all.moon};
        for (int k = 0; k < 3; ++k) {
          ASSERT_EQ(got[k]->state, parts[k].state) << lat << " " << day << " " << k;
          ASSERT_EQ(got[k]->rise, parts[k].rise);
          ASSERT_EQ(got[k]->set, parts[k].set);
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvra::astro
