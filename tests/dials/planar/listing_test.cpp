// The construction listing against the classical formulas of gnomonics and an
// independent vector model of the face.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dials/planar/construction_listing.h"
#include "face_model.h"
#include "shell/catalog.h"

namespace kelvra::dials::planar {
namespace {

using testing::AngleDiff;
using testing::FaceModel;
using testing::kDeg;

// The face of a dial as the listing reads it.
PlanarFrame Plane(char kind, double lat, double D, double incl) {
  PlanarFrame p;
  p.kind = kind;
  p.site.latitude = lat;
  p.site.longitude = -9.59;
  p.site.zoneMeridian = -15;
  p.declination = kind == 'h' ? 0 : D;
  p.inclination = kind == 'h' ? 0 : kind == 'v' ? 90 : incl;
  p.gnomonMm = 35;
  return p;
}

struct Case {
  char kind;
  double lat, D, incl;
};

std::vector<Case> Cases() {
  std::vector<Case> out;
  for (double lat : {-60.0, -35.0, -10.5, -5.0, 5.0, 23.0, 47.25, 65.0}) {
    out.push_back({'h', lat, 0, 0});
    for (double D : {-170.0, -120.0, -60.0, -11.7, 0.0, 45.0, 100.0, 170.0}) {
      out.push_back({'v', lat, D, 90});
      out.push_back({'i', lat, D, 30});
      out.push_back({'i', lat, D, 115});
    }
  }
  return out;
}

std::string Name(const Case& c) {
  return std::string(1, c.kind) + " lat " + std::to_string(c.lat) + " D " + std::to_string(c.D) +
         " incl " + std::to_string(c.incl);
}

TEST(PoleStyleListing, StyleHeightAndPolePointMatchTheFaceModel) {
  shell::SelectLanguage(true);
  for (const Case& c : Cases()) {
    const auto plane = Plane(c.kind, c.lat, c.D, c.incl);
    const auto r = PoleStyleListing(plane, 2020, false);
    const FaceModel m(c.lat, plane.declination, plane.inclination, 35);
    double sx, sy;
    ASSERT_TRUE(m.PolePoint(sx, sy));
    if (r.parallel || r.orthogonal) continue;
    EXPECT_NEAR(r.styleHeight, m.StyleHeight(), 1e-9) << Name(c);
    EXPECT_NEAR(r.poleX, sx, 1e-9 * (1 + std::fabs(sx))) << Name(c);
    EXPECT_NEAR(r.poleY, sy, 1e-9 * (1 + std::fabs(sy))) << Name(c);
    // Length of the style from the foot's nodus to S, always positive.
    EXPECT_GT(r.styleLength, 0) << Name(c);
    EXPECT_NEAR(r.styleLength, std::hypot(std::hypot(sx, sy), 35.0), 1e-6 * r.styleLength) << Name(c);
  }
}

TEST(PoleStyleListing, ClassicalStyleHeights) {
  // Horizontal dial: the style rises at the latitude. Vertical declining
  // wall: sin(height) = cos(latitude) cos(declination), the pole behind the
  // face for a wall toward the equator (negative sign).
  for (double lat : {-60.0, -20.0, 5.0, 47.25, 65.0}) {
    EXPECT_NEAR(PoleStyleListing(Plane('h', lat, 0, 0), 2020, false).styleHeight, lat, 1e-9);
    for (double D : {-170.0, -60.0, 0.0, 30.0, 150.0}) {
      const auto r = PoleStyleListing(Plane('v', lat, D, 90), 2020, false);
      EXPECT_NEAR(r.styleHeight, -std::asin(std::cos(lat * kDeg) * std::cos(D * kDeg)) / kDeg, 1e-9)
          << lat << " " << D;
    }
  }
}

TEST(PoleStyleListing, SouthFacingWallAt47) {
  shell::SelectLanguage(true);
  const auto r = PoleStyleListing(Plane('v', 47, 0, 90), 2020, false);
  EXPECT_NEAR(r.poleX, 0.0, 1e-12);
  EXPECT_NEAR(r.poleY, 35 * std::tan(47 * kDeg), 1e-9);
  EXPECT_EQ(r.styleHeightText, "  -43.00");
  EXPECT_EQ(r.substyleDirectionText, "  180.00");
  EXPECT_EQ(r.substyleTimeText, "12:00");
  EXPECT_EQ(r.lines[0], "Vertikale SONNENUHR");
  bool found = false;
  for (const auto& l : r.lines) {
    if (l.find("Durchstosspunkt des Polstabes       : S( 0.000/37.533)") != std::string::npos) found = true;
  }
  EXPECT_TRUE(found);
}

TEST(PoleStyleListing, HorizontalDialHasNoPlaneLinesAndNoonOnTheSubstyle) {
  shell::SelectLanguage(true);
  const auto r = PoleStyleListing(Plane('h', 47.25, 0, 0), 2020, false);
  EXPECT_EQ(r.substyleTimeText, "12:00");
  for (const auto& l : r.lines) {
    EXPECT_EQ(l.find("Deklination der Uhr"), std::string::npos);
    EXPECT_EQ(l.find("Neigung der Uhrenebene"), std::string::npos);
  }
  EXPECT_EQ(r.lines.back(), " ");
}

TEST(PoleStyleListing, PoleLatitudeUses89999) {
  const auto at90 = PoleStyleListing(Plane('v', 90, 20, 90), 2020, false);
  const auto at = PoleStyleListing(Plane('v', 89.999, 20, 90), 2020, false);
  EXPECT_TRUE(std::isfinite(at90.poleY));
  EXPECT_DOUBLE_EQ(at90.poleX, at.poleX);
  EXPECT_DOUBLE_EQ(at90.poleY, at.poleY);
  EXPECT_DOUBLE_EQ(at90.styleHeight, at.styleHeight);
}

TEST(PoleStyleListing, SubstyleTimeIsWhenTheSunLightsTheFace) {
  // The shadow of the style lies on the substyle when the sun stands in the
  // plane of the style and the face normal, in front of the face.
  for (const Case& c : Cases()) {
    const auto plane = Plane(c.kind, c.lat, c.D, c.incl);
    const double t = SubstyleShadowTime(c.lat, plane.declination, plane.inclination);
    ASSERT_GE(t, 0.0);
    ASSERT_LT(t, 24.0);
    const FaceModel m(c.lat, plane.declination, plane.inclination, 35);
    const double H = 15.0 * (t - 12.0);
    // In front of the face for the equinox sun (or any sun on that hour circle
    // when the face looks near a pole).
    const auto sun = m.Sun(0, H);
    const double front = testing::Dot(sun, m.normal);
    const auto sunBack = m.Sun(0, H + 180);
    EXPECT_GE(front, testing::Dot(sunBack, m.normal) - 1e-12) << Name(c);
    // The hour plane contains the face normal.
    const auto hourNormal = testing::Cross(m.pole, sun);
    EXPECT_NEAR(testing::Dot(hourNormal, m.normal), 0.0, 1e-9) << Name(c);
  }
  shell::SelectLanguage(true);
  // The cases that came out 12 hours off before.
  EXPECT_EQ(PoleStyleListing(Plane('v', -35, -60, 90), 2020, false).substyleTimeText, "4:47");
  EXPECT_EQ(PoleStyleListing(Plane('v', 47, 180, 90), 2020, false).substyleTimeText, "0:00");
  EXPECT_EQ(PoleStyleListing(Plane('v', 47, -180, 90), 2020, false).substyleTimeText, "0:00");
}

TEST(PoleStyleListing, ParallelStyleGivesOnlyTheParallelLine) {
  shell::SelectLanguage(true);
  // A polar dial: the face inclined at the latitude toward the equator.
  const auto r = PoleStyleListing(Plane('i', 47.25, 0, 47.25), 2020, false);
  EXPECT_TRUE(r.parallel);
  int parallel = 0;
  for (const auto& l : r.lines) {
    if (l.find("Polstab parallel zur Sonnenuhr!") != std::string::npos) ++parallel;
    EXPECT_EQ(l.find("Länge des Polstabes"), std::string::npos) << l;
    EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    EXPECT_EQ(l.find("nan"), std::string::npos) << l;
  }
  EXPECT_EQ(parallel, 1);
}

TEST(PoleStyleListing, StyleLengthIsPositiveOnWalls) {
  shell::SelectLanguage(false);
  const auto r = PoleStyleListing(Plane('v', 47.25, -11.7, 90), 2020, false);
  EXPECT_LT(r.styleHeight, 0);
  bool found = false;
  for (const auto& l : r.lines) {
    if (l.rfind("     Length of pole style                :", 0) == 0) {
      found = true;
      EXPECT_EQ(l.find('-'), std::string::npos) << l;
    }
  }
  EXPECT_TRUE(found);
  shell::SelectLanguage(true);
}

TEST(HourLineTable, AnglesMatchTheFaceModel) {
  config::DialParameters dial;
  dial.hoursFrom = 4;
  dial.hoursTo = 20;
  dial.hourInterval = 2;
  for (const Case& c : Cases()) {
    const auto plane = Plane(c.kind, c.lat, c.D, c.incl);
    const auto t = ComputeHourLineTable(plane, dial, 2020, false);
    const FaceModel m(c.lat, plane.declination, plane.inclination, 35);
    if (std::fabs(m.StyleHeight()) < 1e-3) continue;  // polar dials: parallel lines
    for (int n = 4; n <= 20; ++n) {
      for (int j = 0; j <= t.subdivisions; ++j) {
        const double a = t.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
        if (a == kMissingAngle) continue;
        const double H = 15.0 * (n + j * t.stepMinutes / 60.0 - 12.0);
        double dx, dy;
        m.HourLineDirection(H, dx, dy);
        // Measured from the plumb line downwards, counter-clockwise.
        const double want = std::atan2(dx, -dy) / kDeg;
        ASSERT_NEAR(AngleDiff(a, want, 180.0), 0.0, 1e-6) << Name(c) << " " << n << ":" << j;
      }
    }
  }
}

TEST(HourLineTable, ClassicalHorizontalAndSouthWallAngles) {
  config::DialParameters dial;
  dial.hoursFrom = 6;
  dial.hoursTo = 18;
  dial.hourInterval = 0;
  for (double lat : {-35.0, 20.0, 47.25, 60.0}) {
    const auto h = ComputeHourLineTable(Plane('h', lat, 0, 0), dial, 2020, false);
    const auto v = ComputeHourLineTable(Plane('v', lat, 0, 90), dial, 2020, false);
    for (int n = 7; n <= 17; ++n) {
      const double H = 15.0 * (n - 12);
      // tan θ = sin φ tan H on the horizontal dial, tan θ = cos φ tan H on the
      // south wall; θ from the noon line toward the afternoon side.
      const double th = std::atan(std::sin(lat * kDeg) * std::tan(H * kDeg)) / kDeg;
      const double tv = std::atan(std::cos(lat * kDeg) * std::tan(H * kDeg)) / kDeg;
      EXPECT_NEAR(AngleDiff(h.angles[n][0], -th, 180.0), 0.0, 1e-9) << lat << " " << n;
      EXPECT_NEAR(AngleDiff(v.angles[n][0], tv, 180.0), 0.0, 1e-9) << lat << " " << n;
    }
    if (lat > 0) {
      EXPECT_DOUBLE_EQ(h.angles[12][0], 0.0);
    }
  }
}

TEST(HourLineTable, ContinuityKeepsNeighboursWithin90Degrees) {
  config::DialParameters dial;
  dial.hoursFrom = 5;
  dial.hoursTo = 19;
  dial.hourInterval = 3;
  for (const Case& c : Cases()) {
    const auto t = ComputeHourLineTable(Plane(c.kind, c.lat, c.D, c.incl), dial, 2020, false);
    double prev = kMissingAngle;
    for (int n = 5; n <= 19; ++n) {
      for (int j = 0; j <= t.subdivisions; ++j) {
        const double a = t.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
        if (a == kMissingAngle) continue;
        if (prev != kMissingAngle) {
          EXPECT_LE(std::fabs(AngleDiff(a, prev)), 90.0) << Name(c) << " " << n << ":" << j;
        }
        prev = a;
      }
    }
  }
}

TEST(HourLineTable, TenMinuteStepsFillTwoRowsPerHour) {
  config::DialParameters dial;
  dial.hoursFrom = 8;
  dial.hoursTo = 10;
  dial.hourInterval = 4;
  const auto t = ComputeHourLineTable(Plane('v', 47.25, -11.7, 90), dial, 2020, false);
  EXPECT_EQ(t.subdivisions, 5);
  EXPECT_EQ(t.stepMinutes, 10);
  // 8 and 9 take two rows each, 10:00 one.
  const auto grid = FormatHourLineTable(Plane('v', 47.25, -11.7, 90), t).grid;
  ASSERT_EQ(grid.size(), 5u);
  EXPECT_EQ(grid[0][0], "8:00");
  EXPECT_EQ(grid[0][12], "8:30");
  EXPECT_EQ(grid[1][0], "8:40");
  EXPECT_EQ(grid[1][4], "8:50");
  EXPECT_EQ(grid[4][0], "10:00");
  EXPECT_TRUE(grid[4][4].empty());
}

TEST(HourLineTable, PrintedPageHasHeadingNotesAndRows) {
  shell::SelectLanguage(false);
  config::DialParameters dial;
  const auto plane = Plane('v', 47.25, -11.7, 90);
  const auto t = ComputeHourLineTable(plane, dial, 2020, false);
  const auto page = HourLineTablePage(plane, t, PoleStyleListing(plane, 2020, false).lines);
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page[0], "Angles of the Hour Lines in a Vertical Sundial");
  bool note = false, head = false;
  for (const auto& l : page) {
    if (l.find("All angles of hour lines are measured from vertical direction down.") != std::string::npos) note = true;
    if (l.find(" hh:mm") == 0) head = true;
  }
  EXPECT_TRUE(note);
  EXPECT_TRUE(head);
  EXPECT_NE(page.back().find("19:00"), std::string::npos);
  shell::SelectLanguage(true);
}

}  // namespace
}  // namespace kelvra::dials::planar
