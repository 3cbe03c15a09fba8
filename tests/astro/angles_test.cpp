#include "astro/angles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <type_traits>

namespace kelvra::astro {
namespace {

// Exact values of plane trigonometry (any table of special angles).
TEST(AnglesTest, TrigonometryInDegrees) {
  struct Case { const char* name; double value; double expected; };
  const Case cases[] = {
      {"sin 30", SinDeg(30), 0.5},         {"cos 60", CosDeg(60), 0.5},
      {"tan 45", TanDeg(45), 1.0},         {"sin -90", SinDeg(-90), -1.0},
      {"cos 180", CosDeg(180), -1.0},      {"sin 390", SinDeg(390), 0.5},
      {"asin 0.5", AsinDeg(0.5), 30.0},    {"acos -1", AcosDeg(-1), 180.0},
      {"acos 0", AcosDeg(0), 90.0},        {"atan 1", AtanDeg(1), 45.0},
      {"atan -inf", AtanDeg(-std::numeric_limits<double>::infinity()), -90.0},
      {"radians 180", Radians(180), std::numbers::pi},
      {"degrees pi/2", Degrees(std::numbers::pi / 2), 90.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-13) << c.name;
}

TEST(AnglesTest, DegreesUndoRadians) {
  for (double x : {-720.0, -180.0, -23.44, -1e-9, 0.0, 0.05, 47.251315, 90.0, 359.999, 1e6}) {
    EXPECT_NEAR(Degrees(Radians(x)), x, 1e-15 * std::max(1.0, std::abs(x))) << x;
  }
  // Whole numbers take the double overload.
  EXPECT_EQ(Radians(2), Radians(2.0));
}

TEST(AnglesTest, ExtendedPrecisionStaysExtended) {
  // The long double factor carries more digits than the double one; a long
  // double argument must not be rounded through double on the way.
  const long double pi = std::numbers::pi_v<long double>;
  EXPECT_NEAR(static_cast<double>(Radians(180.0L) - pi), 0.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(Degrees(pi / 3) - 60.0L), 0.0, 1e-15);
  static_assert(std::is_same_v<decltype(Radians(1.0L)), long double>);
  static_assert(std::is_same_v<decltype(Degrees(1.0L)), long double>);
}

TEST(AnglesTest, ClampUnitKeepsArcFunctionsFinite) {
  // A sine or cosine computed as a sum of products can round just past 1.
  const double justAbove = std::nextafter(1.0, 2.0);
  EXPECT_TRUE(std::isnan(AcosDeg(justAbove)));
  EXPECT_EQ(AcosDeg(ClampUnit(justAbove)), 0.0);
  EXPECT_EQ(AsinDeg(ClampUnit(-justAbove)), -90.0);
  EXPECT_EQ(ClampUnit(0.25), 0.25);
}

TEST(AnglesTest, SignOf) {
  EXPECT_EQ(SignOf(-3.5), -1.0);
  EXPECT_EQ(SignOf(1e-300), 1.0);
  EXPECT_EQ(SignOf(0.0), 0.0);
  EXPECT_EQ(SignOf(-0.0), 0.0);
  EXPECT_EQ(SignOf(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(AnglesTest, WrapDegrees180) {
  struct Case { double in, out; };
  const Case cases[] = {
      {0, 0},       {179.5, 179.5}, {180, 180},    {-180, -180}, {180.5, -179.5},
      {-180.5, 179.5}, {359, -1},   {361, 1},      {540, 180},   {-540, -180},
      {725, 5},     {-725, -5},     {36000.25, 0.25},
  };
  for (const auto& c : cases) {
    const double w = WrapDegrees180(c.in);
    EXPECT_NEAR(w, c.out, 1e-9) << c.in;
    // The same direction: a whole number of turns apart.
    EXPECT_NEAR(std::remainder(w - c.in, 360.0), 0.0, 1e-9) << c.in;
  }
}

}  // namespace
}  // namespace kelvra::astro
