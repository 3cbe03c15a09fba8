#include "astro/azimuth_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/sun_position.h"

namespace kelvra::astro {
namespace {

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

// No problem met: inside the bracket, every azimuth reachable, reached.
void ExpectClean(const AzimuthTimeResult& r, double az) {
  EXPECT_FALSE(r.outsideBracket) << az;
  EXPECT_FALSE(r.someAzimuthsUnreachable) << az;
  EXPECT_TRUE(r.solved && r.reached) << az;
}

TEST(AzimuthTimeTest, ReachesTheAzimuthAskedFor) {
  const int n = DayOfYear(2020, 6, 21);
  for (double az : {-120.0, -90.0, -30.0, 0.0, 45.0, 90.0, 120.0}) {
    const AzimuthTimeResult r = TimeForAzimuth(az, 2020, n, kLat, kLon, kZone);
    ExpectClean(r, az);
    const SunPosition s = SunPositionAtClockTime(2020, n, r.time, kLat, kLon, kZone, true);
    EXPECT_NEAR(s.azimuth, az, 0.01) << az;
    EXPECT_NEAR(s.altitude, r.altitude, 1e-9);
  }
}

TEST(AzimuthTimeTest, AzimuthZeroIsTrueNoon) {
  // True noon at longitude 9.59 east in CET on 21 June 2020: 12:00 + 21.6 min
  // (longitude) + 1.9 min (equation of time), about 12:23; the sun then stands
  // 90 - 47.25 + 23.44 degrees high.
  const AzimuthTimeResult r = TimeForAzimuth(0.0, 2020, DayOfYear(2020, 6, 21), kLat, kLon, kZone);
  ASSERT_TRUE(r.solved);
  EXPECT_EQ(r.azimuth, 0.0001);  // exactly 0 is searched just west of south
  EXPECT_NEAR(r.time, 12.0 + 23.0 / 60.0, 1.0 / 60.0);
  EXPECT_NEAR(r.altitude, 90 - kLat + 23.44, 0.01);
}

TEST(AzimuthTimeTest, SunNorthOfTheZenithIsFlagged) {
  // Latitude 10, June: declination 23.4 > latitude; some azimuths are never
  // reached.
  const int n = DayOfYear(2020, 6, 21);
  const AzimuthTimeResult r = TimeForAzimuth(60, 2020, n, 10, 0, 0);
  EXPECT_TRUE(r.someAzimuthsUnreachable);
  if (r.solved && r.reached) {
    EXPECT_NEAR(SunPositionAtClockTime(2020, n, r.time, 10, 0, 0, true).azimuth, 60, 0.01);
  }
}

TEST(AzimuthTimeTest, OutOfRangeAzimuthIsFlagged) {
  // At latitude 10 in December the sun stays south of the east-west line, by
  // day and (below the horizon) by night: azimuth -150 is never reached.
  const AzimuthTimeResult r = TimeForAzimuth(-150, 2020, DayOfYear(2020, 12, 21), 10, 0, 0);
  EXPECT_TRUE(r.outsideBracket);
  EXPECT_TRUE(r.someAzimuthsUnreachable);  // |10| < |-23.4|
  EXPECT_FALSE(r.bracketAzimuth1 <= -150 && -150 <= r.bracketAzimuth2);
  EXPECT_TRUE(r.solved);
  EXPECT_FALSE(r.reached);

  // With the sun north of the zenith at noon, south is reached by no one.
  const AzimuthTimeResult none = TimeForAzimuth(0, 2020, DayOfYear(2020, 6, 21), 10, 0, 0);
  EXPECT_FALSE(none.solved);
  EXPECT_TRUE(none.someAzimuthsUnreachable);
}

TEST(AzimuthTimeTest, EveryAzimuthOutsideTheTropics) {
  for (double lat : {47.25, -30.0, 65.0, -60.0}) {
    for (int m : {3, 6, 9, 12}) {
      const int n = DayOfYear(2020, m, 21);
      for (double az = -175; az <= 175; az += 12.5) {
        const AzimuthTimeResult r = TimeForAzimuth(az, 2020, n, lat, -9.59, -15);
        ASSERT_TRUE(r.solved && r.reached) << lat << " " << m << " " << az;
        ASSERT_FALSE(r.outsideBracket || r.someAzimuthsUnreachable) << lat << " " << m << " " << az;
        const SunPosition s = SunPositionAtClockTime(2020, n, r.time, lat, -9.59, -15, true);
        ASSERT_NEAR(std::remainder(s.azimuth - az, 360.0), 0.0, 0.01) << lat << " " << m << " " << az;
      }
    }
  }
}

TEST(AzimuthTimeTest, SunNorthOfTheZenithStillFoundWhereItPasses) {
  // Latitude 10 in June: the morning sun moves from about -114 (rising) to
  // -180 at noon; azimuth -150 is reached in the morning, flagged all the same.
  const int n = DayOfYear(2020, 6, 21);
  const AzimuthTimeResult r = TimeForAzimuth(-150, 2020, n, 10, -9.59, -15);
  ASSERT_TRUE(r.solved && r.reached);
  EXPECT_NEAR(SunPositionAtClockTime(2020, n, r.time, 10, -9.59, -15, true).azimuth, -150, 0.01);
  EXPECT_GT(r.altitude, 0);
  EXPECT_TRUE(r.someAzimuthsUnreachable);
  EXPECT_FALSE(r.outsideBracket);
}

}  // namespace
}  // namespace kelvra::astro
