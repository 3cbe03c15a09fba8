#include "astro/solar_ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/rise_set.h"

namespace kelvra::astro {
namespace {

TEST(SolarEphemerisTest, ReferenceValues) {
  // 1 January 2000, 12:00 UT (T = 0); 11 February; 2 November.
  EXPECT_NEAR(ComputeSolarDay(2000, 1.0).declination, -23.03, 0.005);
  struct Case { double D; double eot; };
  for (const Case c : {Case{1.0, -0.825}, Case{42.0, -3.56}, Case{307.0, 4.10}}) {
    EXPECT_NEAR(ComputeSolarDay(2000, c.D).equationOfTime, c.eot, 0.005) << c.D;
  }
  // -3 min 18 s: 240 seconds of time per degree.
  EXPECT_EQ(std::lround(ComputeSolarDay(2000, 1.0).equationOfTime * 240.0), -198);
}

TEST(SolarEphemerisTest, AgreesWithTheIndependentLowPrecisionSeries) {
  // The rise and set search has its own sun series; both must agree on the
  // declination to a few hundredths of a degree across the accepted years.
  struct Case { int year; double tolerance; };
  for (const Case c : {Case{1300, 0.15}, Case{1582, 0.1}, Case{1900, 0.03}, Case{2020, 0.03},
                       Case{2500, 0.1}}) {
    const int year = c.year;
    for (int n = 1; n <= 366; n += 5) {
      const SolarDay s = ComputeSolarDay(year, n);
      const double mjd = JulianDayNumber(1, 1, year) + n - 1 - 2400000.5;
      const EquatorialPosition p = LowPrecisionSun((mjd - 51544.5) / 36525.0);
      ASSERT_NEAR(s.declination, p.declination, c.tolerance) << year << " day " << n;
    }
  }
}

TEST(SolarEphemerisTest, AlmanacEquationOfTime) {
  // Independent almanac values (minutes of time at 12:00 UT), 2020.
  struct Case { int dayOfYear; double minutes; };
  const Case cases[] = {{42, -14.2}, {134, 3.65}, {207, -6.53}, {308, 16.43}};
  for (const auto& c : cases) {
    EXPECT_NEAR(4.0 * ComputeSolarDay(2020, c.dayOfYear).equationOfTime, c.minutes, 0.1)
        << c.dayOfYear;
  }
}

TEST(SolarEphemerisTest, ContinuousThroughEquinoxesAndYearEnds) {
  double previous = ComputeSolarDay(2021, -1.0).equationOfTime;
  double previousDecl = ComputeSolarDay(2021, -1.0).declination;
  for (double D = -0.9; D <= 368.0; D += 0.1) {
    const SolarDay s = ComputeSolarDay(2021, D);
    ASSERT_LT(std::abs(s.equationOfTime - previous), 0.02) << D;  // under 0.15 per day
    ASSERT_LT(std::abs(s.declination - previousDecl), 0.05) << D;
    previous = s.equationOfTime;
    previousDecl = s.declination;
  }
  // Day 0 and day 367 are the neighbouring years' last and first days.
  EXPECT_NEAR(ComputeSolarDay(2021, 0.0).declination, ComputeSolarDay(2020, 366.0).declination, 1e-9);
  EXPECT_NEAR(ComputeSolarDay(2021, 366.0).equationOfTime, ComputeSolarDay(2022, 1.0).equationOfTime,
              1e-9);
  // The obliquity comes with the result.
  const SolarDay s = ComputeSolarDay(2020, 100);
  EXPECT_NEAR(std::asin(s.sinObliquity) * 180 / M_PI, 23.44, 0.01);
  EXPECT_NEAR(s.sinObliquity * s.sinObliquity + s.cosObliquity * s.cosObliquity, 1.0, 1e-12);
}

TEST(SolarEphemerisTest, ZodiacDeclinations) {
  const ZodiacTable t = ComputeZodiacDeclinations(2020);
  EXPECT_EQ(t.year, 2020);
  EXPECT_DOUBLE_EQ(t.roundedObliquity, 23.44);
  EXPECT_EQ(t.declinations[18], 0.0);
  EXPECT_NEAR(t.declinations[0], t.obliquity, 1e-9);
  EXPECT_NEAR(t.declinations[36], -t.obliquity, 1e-9);
  EXPECT_NEAR(t.declinations[6], 20.15, 0.01);  // longitude 120: sin eps sin 120
  for (int k = 1; k < 7; ++k) EXPECT_LT(t.boundaries[k - 1], t.boundaries[k]);
  EXPECT_NEAR(t.boundaries[0], -t.obliquity, 1e-9);
  EXPECT_EQ(t.boundaries[3], 0.0);
  // The obliquity shrinks over the centuries.
  EXPECT_GT(ComputeZodiacDeclinations(1300).obliquity, ComputeZodiacDeclinations(2500).obliquity);
}

TEST(SolarEphemerisTest, EquationOfTimeByLongitude) {
  const auto rows = EquationOfTimeByLongitude(288, 2022);
  ASSERT_EQ(rows.size(), 289u);
  EXPECT_DOUBLE_EQ(rows[4].lambda, 5.0);
  for (const auto& r : rows) {
    // The closed series and the Kepler control value agree to a few seconds.
    EXPECT_NEAR(r.controlSeconds, r.eotExactSeconds, 3.0) << r.lambda;
    EXPECT_NEAR(r.eotSeconds, r.eotExactSeconds, 0.5);
    EXPECT_LE(std::abs(r.eotSeconds), 17 * 60);
  }
  // At the longitude 0 (March equinox) the sundial is about 7.5 minutes slow.
  EXPECT_NEAR(rows[0].eotSeconds, -7.4 * 60, 30);
}

}  // namespace
}  // namespace kelvra::astro

namespace kelvra::astro {
namespace {

// The ephemeris written out plainly, with the reduction loops and extended
// precision trigonometry throughout, as a reference for the optimised code.
SolarDay ReferenceSolarDay(int year, double D) {
  using R = long double;
  const R deg = 3.14159265358979323846264338327950288L / 180.0L;
  auto reduce = [](R x) {
    while (x > 360.0L) x -= 360.0L;
    while (x < 0.0L) x += 360.0L;
    return x;
  };
  const R T = (R(JulianDayNumber(1, 1, year)) + R(D) - 1.0L - 2451545.0L) / 36525.0L;
  const R M = reduce(357.5291L + reduce(35999.0L * T) +
                     T * (0.0503L - T * (0.0001559L + 0.00000048L * T)));
  const R W = 125.04452L - 1934.136261L * T + 0.0020708L * T * T;
  const R eps = 23.43929111L - 0.013004167L * T + 0.00256L * cosl(W * deg);
  const R L = reduce(reduce(36000.0L * T) + 280.4664567L + T * (0.76982772L + 0.0003032L * T));
  const R C = sinl(M * deg) * (1.9146L - T * (0.004817L + 0.000014L * T)) +
              sinl(2 * M * deg) * (0.019993L - 0.000101L * T) + 0.00029L * sinl(3 * M * deg);
  const R lam = L + C - 0.00569L - 0.00478L * sinl(W * deg);
  const R s = sinl(lam * deg) * sinl(eps * deg);
  R a = atanl(sinl(lam * deg) * cosl(eps * deg) / cosl(lam * deg)) / deg;
  if (a < 0) a += 180;
  if (s < 0) a += 180;
  const R N = (-0.00477778L * sinl(W * deg) - 0.00036667L * sinl(2 * L * deg)) * cosl(eps * deg);
  R e = L - 0.0057183L - a + N;
  while (e > 180) e -= 360;
  while (e < -180) e += 360;
  return SolarDay{double(atanl(s / sqrtl(1 - s * s)) / deg), double(e), double(sinl(eps * deg)),
                  double(cosl(eps * deg))};
}

TEST(SolarEphemerisTest, MatchesThePlainExtendedPrecisionComputation) {
  for (int year : {1300, 1582, 1999, 2000, 2020, 2137, 2500}) {
    for (double D = -1.5; D <= 368; D += 1.37) {
      const SolarDay a = ComputeSolarDay(year, D);
      const SolarDay b = ReferenceSolarDay(year, D);
      ASSERT_NEAR(a.declination, b.declination, 1e-10) << year << " " << D;
      ASSERT_NEAR(a.equationOfTime, b.equationOfTime, 1e-10) << year << " " << D;
      ASSERT_NEAR(a.sinObliquity, b.sinObliquity, 1e-14);
    }
  }
}

}  // namespace
}  // namespace kelvra::astro
