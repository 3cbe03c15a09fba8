#include "astro/sun_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

namespace kelvra::astro {
namespace {

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

TEST(SunTableTest, NoonDeclinationIsTheEphemerisOfNoon) {
  SunTable table;
  table.Ensure(2020, kZone);
  for (int day : {-2, 1, 80, 172, 356, 366, 370}) {
    EXPECT_EQ(table.NoonDeclination(day),
              ComputeSolarDay(2020, DayArgumentForZoneTime(day, 12.0, kZone)).declination)
        << day;
  }
  // Days beyond the table take its last day.
  EXPECT_EQ(table.NoonDeclination(400), table.NoonDeclination(370));
}

TEST(SunTableTest, InterpolationFollowsTheEphemeris) {
  // The quadratic interpolation between three noons stays within 2e-5 degrees
  // of the ephemeris at every hour of the year, for zones east and west.
  for (double zone : {kZone, 0.0, 75.0}) {
    SunTable table;
    table.Ensure(2021, zone);
    for (int day = 1; day <= 365; day += 3) {
      for (double t = 0; t <= 24; t += 1.5) {
        const SolarDay a = table.At(day, t);
        const SolarDay b = ComputeSolarDay(2021, DayArgumentForZoneTime(day, t, zone));
        ASSERT_NEAR(a.declination, b.declination, 2e-5) << zone << " " << day << " " << t;
        ASSERT_NEAR(a.equationOfTime, b.equationOfTime, 2e-5) << zone << " " << day << " " << t;
      }
    }
  }
}

TEST(SunTableTest, SunAtIsThePositionAtClockTime) {
  // The same hour angle and the same arguments as SunPositionAtClockTime: only
  // the interpolation separates the two.
  SunTable table;
  table.Ensure(2020, kZone);
  for (int day : {DayOfYear(2020, 3, 20), DayOfYear(2020, 6, 21), DayOfYear(2020, 11, 2)}) {
    for (double t : {5.0, 9.25, 12.0, 15.5, 19.75}) {
      for (bool eot : {false, true}) {
        const SunPosition a = SunAt(table, day, t, kLat, kLon, kZone, eot);
        const SunPosition b = SunPositionAtClockTime(2020, day, t, kLat, kLon, kZone, eot);
        EXPECT_NEAR(a.altitude, b.altitude, 1e-4) << day << " " << t;
        EXPECT_NEAR(a.azimuth, b.azimuth, 1e-4) << day << " " << t;
      }
    }
  }
}

TEST(SunTableTest, EnsureFollowsYearAndZone) {
  SunTable table;
  table.Ensure(2020, kZone);
  const double d2020 = table.NoonDeclination(100);
  table.Ensure(2021, kZone);
  EXPECT_NE(table.NoonDeclination(100), d2020);
  EXPECT_EQ(table.NoonDeclination(100),
            ComputeSolarDay(2021, DayArgumentForZoneTime(100, 12.0, kZone)).declination);
  table.Ensure(2021, 0.0);
  EXPECT_EQ(table.NoonDeclination(100),
            ComputeSolarDay(2021, DayArgumentForZoneTime(100, 12.0, 0.0)).declination);
}

}  // namespace
}  // namespace kelvra::astro
