#include "astro/sun_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"

namespace kelvra::astro {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// The sun's unit vector in (south, west, up) from altitude and azimuth.
struct Vec { double s, w, u; };
Vec FromHorizontal(double altitude, double azimuth) {
  return {std::cos(altitude * kDeg) * std::cos(azimuth * kDeg),
          std::cos(altitude * kDeg) * std::sin(azimuth * kDeg), std::sin(altitude * kDeg)};
}

TEST(SunPositionTest, HorizontalFromHourAngleCases) {
  struct Case { double p, d, H, altitude, azimuth; };
  const Case cases[] = {
      {47.25, 23.44, 0, 66.19, 0},     // noon at the summer solstice
      {10, 20, 0, 80, 180},             // sun passing north of the zenith
      {47.25, 0, 90, 0, 90},            // equinox, 18:00 true time: west point
      {47.25, 0, -90, 0, -90},          // 6:00: east point
      {0, 0, 0, 90, 0},                 // zenith: azimuth 0
      {-33.9, -23.44, 0, 79.54, 180},   // southern summer: sun in the north
      {90, 10, 45, 10, 45},             // at the pole the altitude is the declination
      {47.25, 10, 360 + 30, 0, 0},      // hour angles wrap (checked against 30 below)
  };
  for (const auto& c : cases) {
    const HorizontalPosition h = HorizontalFromHourAngle(c.p, c.d, c.H);
    if (c.H == 390) {
      const HorizontalPosition ref = HorizontalFromHourAngle(c.p, c.d, 30);
      EXPECT_NEAR(h.altitude, ref.altitude, 1e-9);
      EXPECT_NEAR(h.azimuth, ref.azimuth, 1e-9);
      continue;
    }
    EXPECT_NEAR(h.altitude, c.altitude, 0.01) << c.p << " " << c.d << " " << c.H;
    if (c.p != 90) {
      EXPECT_NEAR(h.azimuth, c.azimuth, 0.01) << c.p << " " << c.d << " " << c.H;
    }
  }
}

TEST(SunPositionTest, HorizontalMatchesARotationOfTheEquatorialVector) {
  // Independent check: rotate the equatorial direction (H, d) by the colatitude.
  for (double p : {-60.0, -20.0, 0.0, 35.0, 47.25, 65.0}) {
    for (double d : {-23.4, -10.0, 0.0, 12.0, 23.4}) {
      for (double H = -175; H <= 175; H += 12.5) {
        const double x = std::cos(d * kDeg) * std::cos(H * kDeg);  // toward the meridian
        const double y = std::cos(d * kDeg) * std::sin(H * kDeg);  // west
        const double z = std::sin(d * kDeg);                        // pole
        const Vec ref{std::sin(p * kDeg) * x - std::cos(p * kDeg) * z, y,
                      std::cos(p * kDeg) * x + std::sin(p * kDeg) * z};
        const HorizontalPosition h = HorizontalFromHourAngle(p, d, H);
        const Vec v = FromHorizontal(h.altitude, h.azimuth);
        ASSERT_NEAR(v.s, ref.s, 1e-9) << p << " " << d << " " << H;
        ASSERT_NEAR(v.w, ref.w, 1e-9);
        ASSERT_NEAR(v.u, ref.u, 1e-9);
        if (H != 0) {
          ASSERT_EQ(h.azimuth > 0, H > 0);  // afternoon sun is west
        }
      }
    }
  }
}

TEST(SunPositionTest, ClockTimesAndTimeKinds) {
  const double lat = 47.251315, lon = -9.590825, zone = -15;
  // Mean noon at 9.59 east in CET is 12:21.6.
  EXPECT_NEAR(12.0 + (lon - zone) / 15.0, 12.0 + 21.6 / 60.0, 0.001);
  EXPECT_NEAR(HourAngleOfClockTime(12.36061, lon, zone), 15 * 0.36061 - 5.409175, 1e-9);
  EXPECT_NEAR(HourAngleOfClockTime(12, lon, zone, 1.5), -5.409175 + 1.5, 1e-9);

  const int n = DayOfYear(2020, 6, 21);
  // 12:00 true local time: due south and the day's highest altitude.
  const SunPosition trueNoon = SunPositionAtClockTime(2020, n, 12.0, lat, zone, zone, false);
  EXPECT_NEAR(trueNoon.azimuth, 0.0, 1e-9);
  EXPECT_NEAR(trueNoon.altitude, 90 - lat + trueNoon.declination, 1e-9);
  for (double t : {11.9, 12.1}) {
    EXPECT_LT(SunPositionAtClockTime(2020, n, t, lat, zone, zone, false).altitude, trueNoon.altitude);
  }
  // Zone time: the true noon falls at 12:00 + (lon - zone)/15 h - EoT.
  const SunPosition z = SunPositionAtClockTime(2020, n, 12.0, lat, lon, zone, true);
  const double noon = 12.0 + (lon - zone) / 15.0 - z.equationOfTime / 15.0;
  EXPECT_NEAR(SunPositionAtClockTime(2020, n, noon, lat, lon, zone, true).azimuth, 0.0, 0.01);
  EXPECT_NEAR(noon, 12.0 + 23.0 / 60.0, 1.0 / 60.0);  // about 12:23 on 21 June

  // The noon ephemeris holds the declination of 12:00 zone time whatever t is.
  const SunPosition a = SunPositionNoonEphemeris(2020, n, 6.0, lat, lon, zone, true);
  const SunPosition b = SunPositionNoonEphemeris(2020, n, 18.0, lat, lon, zone, true);
  EXPECT_EQ(a.declination, b.declination);
  EXPECT_EQ(a.declination, SunPositionAtClockTime(2020, n, 12.0, lat, lon, zone, true).declination);
  EXPECT_NE(a.declination, SunPositionAtClockTime(2020, n, 6.0, lat, lon, zone, true).declination);

  const HorizontalPosition f = SunPositionForDeclination(15.0, lat, lon, zone, 10.0);
  const HorizontalPosition g = HorizontalFromHourAngle(lat, 10.0, 45.0 - (lon - zone));
  EXPECT_EQ(f.altitude, g.altitude);
  EXPECT_EQ(f.azimuth, g.azimuth);
}

TEST(SunPositionTest, AnglesBetweenDirectionsAndPlanes) {
  EXPECT_NEAR(CosAngleBetweenDirections(0, 0, 0, 90), 0.0, 1e-12);
  EXPECT_NEAR(CosAngleBetweenDirections(30, 40, 30, 40), 1.0, 1e-12);
  EXPECT_NEAR(CosAngleBetweenDirections(90, 0, 0, 123), 0.0, 1e-12);
  EXPECT_NEAR(CosAngleBetweenDirections(20, -50, -20, 130), -1.0, 1e-12);
  // A south wall (normal: altitude 0, azimuth 0) sees the noon sun, an east
  // wall the morning sun only, a north wall nothing at the winter solstice.
  EXPECT_TRUE(SunLightsPlane(12, -23.44, 47.25, 0, 0));
  EXPECT_TRUE(SunLightsPlane(8, 0, 47.25, 0, -90));
  EXPECT_FALSE(SunLightsPlane(14, 0, 47.25, 0, -90));
  EXPECT_FALSE(SunLightsPlane(12, -23.44, 47.25, 0, 180));
  // Against the angle between the sun's altitude and azimuth and the normal,
  // for planes of every orientation, away from the grazing sun.
  for (double lat : {-60.0, -10.0, 47.25, 80.0}) {
    for (double d : {-23.44, 0.0, 15.0}) {
      for (double t = 0.25; t < 24; t += 1.75) {
        const HorizontalPosition sun = HorizontalFromHourAngle(lat, d, 15 * (t - 12));
        for (double na : {-60.0, 0.0, 35.0, 90.0}) {
          for (double nz : {-135.0, -90.0, 0.0, 30.0, 180.0}) {
            const double c = CosAngleBetweenDirections(sun.altitude, sun.azimuth, na, nz);
            if (std::abs(c) < 1e-9) continue;
            ASSERT_EQ(SunLightsPlane(t, d, lat, na, nz), c > 0)
                << lat << " " << d << " " << t << " " << na << " " << nz;
          }
        }
      }
    }
  }

  struct Case { double y, x, angle; };
  for (const Case c : {Case{1, 0, 90}, Case{-1, 0, -90}, Case{0, 1, 0}, Case{0, -1, 180},
                       Case{1, 1, 45}, Case{1, -1, 135}, Case{-1, -1, -135}, Case{-1, 1, -45}}) {
    EXPECT_NEAR(Atan2Degrees(c.y, c.x), c.angle, 1e-12) << c.y << "," << c.x;
  }
}

TEST(SunPositionTest, PlaneCoordinatesFollowTheClassicalFormulas) {
  for (double p : {-35.0, 30.0, 47.25, 60.0}) {
    // Horizontal dial: style height = latitude, substyle on the meridian.
    auto h = PlaneCoordinates(0, 0, p);
    EXPECT_NEAR(h.styleHeight, p, 1e-9);
    EXPECT_NEAR(h.substyleHourAngle, 0, 1e-9);
    for (double D : {-60.0, -20.0, 15.0, 45.0}) {
      // Vertical declining dial: |sin SH| = cos p cos D, tan SD = sin D / tan p,
      // tan of the substyle's hour angle = sin D / (sin p cos D).
      auto v = PlaneCoordinates(90, D, p);
      EXPECT_NEAR(std::sin(v.styleHeight * kDeg), -std::cos(p * kDeg) * std::cos(D * kDeg), 1e-9);
      EXPECT_NEAR(std::tan(v.substyleHourAngle * kDeg),
                  std::sin(D * kDeg) / (std::sin(p * kDeg) * std::cos(D * kDeg)), 1e-9);
      EXPECT_NEAR(std::tan(v.substyleAngle * kDeg), std::sin(D * kDeg) / std::tan(p * kDeg), 1e-9);
    }
  }
}

TEST(SunPositionTest, SunsetHourAngleAndTrueRiseSet) {
  const SunsetResult eq = SunsetHourAngle(47.25, 0);
  EXPECT_NEAR(eq.hourAngle, 90, 1e-9);
  EXPECT_NEAR(eq.azimuth, 90, 1e-6);
  const SunsetResult summer = SunsetHourAngle(47.25, 23.44);
  EXPECT_NEAR(std::cos(summer.hourAngle * kDeg),
              -std::tan(47.25 * kDeg) * std::tan(23.44 * kDeg), 1e-9);
  EXPECT_NEAR(HorizontalFromHourAngle(47.25, 23.44, summer.hourAngle).altitude, 0.0, 1e-6);
  EXPECT_EQ(SunsetHourAngle(70, 23.44).hourAngle, 180);  // never sets
  EXPECT_EQ(SunsetHourAngle(70, -23.44).hourAngle, 0);   // never rises
  EXPECT_EQ(SunsetHourAngle(90, 0).hourAngle, 90);

  const TrueRiseSet r = SunriseSunsetTrueTime(2020, DayOfYear(2020, 6, 21), 47.25, -15);
  EXPECT_NEAR(r.rise + r.set, 24.0, 1e-12);
  EXPECT_NEAR(r.declination, 23.44, 0.01);
  EXPECT_NEAR(r.set - r.rise, 15.8, 0.1);  // about 15 h 48 min without refraction
  EXPECT_NEAR(r.riseAzimuth, -r.setAzimuth, 1e-9);
  EXPECT_LT(r.riseAzimuth, -90);  // rises north of east in summer
}

TEST(SunPositionTest, SunlitPlaneExtremes) {
  const double eps = 23.44;
  // Horizontal plane: the longest day's geometric sunrise and sunset.
  const SunlitExtremes h = SunlitPlaneExtremes(0, 0, 47.25, eps);
  ASSERT_TRUE(h.everLit);
  const double h0 = std::acos(-std::tan(47.25 * kDeg) * std::tan(eps * kDeg)) / kDeg;
  EXPECT_NEAR(h.earliestFirstLight, 12 - h0 / 15, 1e-9);
  EXPECT_NEAR(h.latestLastLight, 12 + h0 / 15, 1e-9);
  EXPECT_NEAR(h.declinationAtEarliest, eps, 1e-9);
  // South wall: lit from 6:00 to 18:00 at most (equinox), never in summer mornings.
  const SunlitExtremes s = SunlitPlaneExtremes(90, 0, 47.25, eps);
  EXPECT_NEAR(s.earliestFirstLight, 6.0, 0.01);
  EXPECT_NEAR(s.latestLastLight, 18.0, 0.01);
  // North wall: early morning and late evening sun in summer.
  const SunlitExtremes n = SunlitPlaneExtremes(90, 180, 47.25, eps);
  EXPECT_NEAR(n.earliestFirstLight, h.earliestFirstLight, 1e-9);
  EXPECT_NEAR(n.latestLastLight, h.latestLastLight, 1e-9);
  // East wall: mornings only, ending at noon.
  const SunlitExtremes e = SunlitPlaneExtremes(90, -90, 47.25, eps);
  EXPECT_NEAR(e.latestLastLight, 12.0, 1e-6);
  // Property: every reported time lies inside the day and in front of the face.
  for (double D : {-150.0, -45.0, 30.0, 120.0}) {
    for (double i : {30.0, 90.0, 120.0}) {
      const SunlitExtremes x = SunlitPlaneExtremes(i, D, 47.25, eps);
      if (!x.everLit) continue;
      const double na = 90 - i;
      for (auto [t, d] : {std::pair{x.earliestFirstLight + 1e-4, x.declinationAtEarliest},
                          std::pair{x.latestLastLight - 1e-4, x.declinationAtLatest}}) {
        const HorizontalPosition sun = HorizontalFromHourAngle(47.25, d, 15 * (t - 12));
        EXPECT_GT(sun.altitude, -1e-3) << i << " " << D;
        EXPECT_GT(CosAngleBetweenDirections(sun.altitude, sun.azimuth, na, D), -1e-5) << i << " " << D;
      }
    }
  }
  // A face turned toward the ground in the polar night never sees the sun.
  EXPECT_FALSE(SunlitPlaneExtremes(180, 0, 47.25, eps).everLit);
}

}  // namespace
}  // namespace kelvra::astro
