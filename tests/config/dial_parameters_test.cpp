#include "config/dial_parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvra::config {
namespace {

TEST(KindCode, WritesAndReadsEveryKind) {
  struct Case {
    char kind;
    bool umbrella;
    int variant;  // altitudeVariant, cylinderVariant or dialPlane as the kind needs
    const char* code;
  };
  const Case cases[] = {
      {'h', false, 0, "h"}, {'v', false, 0, "v"}, {'i', false, 0, "i"}, {'h', true, 0, "sh"},
      {'i', true, 0, "si"}, {'v', true, 0, "sv"}, {'q', false, 0, "q0"}, {'q', false, 2, "q2"},
      {'z', false, 1, "z1"}, {'z', false, 2, "z2"}, {'m', false, 0, "m0"}, {'m', false, 2, "m2"},
      {'c', false, 0, "c0"}, {'a', false, 0, "a"}, {'k', false, 0, "k"}, {'r', false, 0, "r"},
      {'w', false, 0, "w"}, {'p', false, 0, "p"}, {'f', false, 0, "f"},
  };
  for (const auto& c : cases) {
    DialParameters p;
    p.kind = c.kind;
    p.umbrella = c.umbrella;
    p.altitudeVariant = c.kind == 'q' ? c.variant : 0;
    p.cylinderVariant = c.kind == 'z' ? c.variant : 0;
    p.dialPlane = c.kind == 'm' ? c.variant : 0;
    EXPECT_EQ(KindCode(p), c.code);

    DialParameters back;
    back.kind = 'x';
    ParseKindCode(c.code, back);
    EXPECT_EQ(back.kind, c.kind) << c.code;
    EXPECT_EQ(back.umbrella, c.umbrella) << c.code;
    if (c.umbrella) EXPECT_EQ(back.umbrellaPlane, c.kind);
    EXPECT_EQ(back.altitudeVariant, p.altitudeVariant) << c.code;
    EXPECT_EQ(back.cylinderVariant, p.cylinderVariant) << c.code;
    EXPECT_EQ(back.dialPlane, p.dialPlane) << c.code;
  }
}

TEST(KindCode, ReadingSpecialCodes) {
  DialParameters p;
  ParseKindCode("c1", p);
  EXPECT_EQ(p.kind, 'm');
  p.cylinderVariant = 2;
  ParseKindCode("z", p);  // no digit: variant 0
  EXPECT_EQ(p.kind, 'z');
  EXPECT_EQ(p.cylinderVariant, 0);
  p.altitudeVariant = 1;
  ParseKindCode("qx", p);  // not a digit: variant 0
  EXPECT_EQ(p.altitudeVariant, 0);
}

TEST(KindRules, UmbrellaAndExpertMode) {
  DialParameters p;
  p.kind = 'q';
  p.umbrella = true;
  NormalizeKind(p, true);
  EXPECT_EQ(p.kind, 'h');
  EXPECT_EQ(p.umbrellaPlane, 'h');
  p.kind = 'i';
  NormalizeKind(p, true);
  EXPECT_EQ(p.umbrellaPlane, 'i');

  DialParameters c;
  c.kind = 'c';
  NormalizeKind(c, false);
  EXPECT_EQ(c.kind, 'h');
  DialParameters q;
  q.kind = 'q';
  q.altitudeVariant = 2;
  NormalizeKind(q, false);
  EXPECT_EQ(q.altitudeVariant, 0);
}

TEST(Families, LetterTable) {
  EXPECT_EQ(FamilyOf('v', false), DialFamily::Planar);
  EXPECT_EQ(FamilyOf('i', true), DialFamily::Umbrella);
  EXPECT_EQ(FamilyOf('s', false), DialFamily::Umbrella);
  EXPECT_EQ(FamilyOf('p', false), DialFamily::Peaucellier);
  EXPECT_EQ(FamilyOf('f', false), DialFamily::Bifilar);
  EXPECT_EQ(FamilyOf('x', false), DialFamily::Unknown);
}

TEST(IntervalCodes, MinutesAndEotCodes) {
  EXPECT_EQ(MinuteIntervalCode(10), 4);
  EXPECT_EQ(EotIntervalCode(10), 6);
  EXPECT_EQ(EotIntervalMinutes(6), 10);
  EXPECT_EQ(EotIntervalCode(15), 3);
  for (int m : {60, 30, 20, 15, 10}) {
    EXPECT_EQ(MinuteIntervalMinutes(MinuteIntervalCode(m)), m);
    EXPECT_EQ(EotIntervalMinutes(EotIntervalCode(m)), m);
  }
  EXPECT_DOUBLE_EQ(TemporalIntervalHours(3), 0.25);
  EXPECT_DOUBLE_EQ(AltitudeIntervalDegrees(2), 2.5);
}

TEST(Defaults, ResetAndSawyerFlags) {
  DialParameters p;
  p.kind = 'q';
  p.umbrella = true;
  p.gnomonHeight = 99;
  ResetDialParameters(p, -33.5, 23.44);
  EXPECT_EQ(p.kind, 'v');
  EXPECT_FALSE(p.umbrella);
  EXPECT_EQ(p.gnomonHeight, 35);
  EXPECT_EQ(p.axisInclination, -33.5);
  EXPECT_DOUBLE_EQ(p.ringHoleOffsetNorth, 11.72);
  EXPECT_DOUBLE_EQ(p.ringHoleOffsetSouth, -11.72);

  SetSawyerTimeMode(p, 2);
  EXPECT_TRUE(p.meanTimeHalfLoops && p.constructWithEot);
  EXPECT_FALSE(p.zoneTime || p.meanTimeStraightLines);
  SetSawyerTimeMode(p, 1);
  EXPECT_TRUE(p.zoneTime);
  EXPECT_FALSE(p.meanTimeHalfLoops || p.meanTimeStraightLines || p.constructWithEot);
}

// The Habermel gnomon of variant 1 makes the shadow tips of the two solstices
// at noon span the usable diameter: g (cot(phi + eps) + cot(phi - eps)) = D - 15.
TEST(Derived, HabermelGnomonAndLongestShadow) {
  const double phi = 47.25, eps = 23.44;
  DialParameters p;
  p.altitudeVariant = 1;
  p.dialDiameter = 180;
  DeriveHabermelGnomon(p, phi, eps);
  auto cot = [](double deg) { return 1.0 / std::tan(deg * std::numbers::pi / 180); };
  EXPECT_NEAR(p.habermelGnomon * (cot(phi + eps) + cot(phi - eps)), 165.0, 1e-9);

  p.altitudeVariant = 2;
  DeriveHabermelGnomon(p, phi, eps);
  EXPECT_NEAR(p.habermelGnomon * cot(phi - eps), 82.5, 1e-9);

  p.cylinderGnomon = 70;
  DeriveMaxShadowLength(p, -phi, eps);  // the absolute latitude counts
  EXPECT_EQ(p.maxShadowLength, static_cast<int>(std::lround(70 * cot(phi - eps))));
}

TEST(GnomonRanges, TableLookups) {
  const auto* g = FindGnomonRange("gnomonHeight");
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(g->parameterDialog.Contains(500));
  EXPECT_FALSE(g->typeDialogClose.Contains(121));
  EXPECT_EQ(FindGnomonRange("hidokeiGnomon")->typeDialogLeave.min, 1);
  EXPECT_EQ(FindGnomonRange("nothing"), nullptr);
}

}  // namespace
}  // namespace kelvra::config
