// The ham dial design aid: its dates, the sun's altitudes, the pointer
// positions and the rays, checked against the geometry they stand for (a
// shadow ray leaves the pointer tip downwards at the sun's altitude), and
// what the aid draws.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dials/ham/ham_aid.h"
#include "output/recording_plot_sink.h"
#include "shell/catalog.h"

namespace kelvra::dials::ham {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// The sun's altitude from the vector of its direction (east, north, up) at
// latitude φ for declination δ and hour angle H: independent of the aid's
// own formula.
double AltitudeBySunVector(double phi, double delta, double H) {
  const double p = phi * kDeg, d = delta * kDeg, h = H * kDeg;
  const double up = std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h);
  const double east = -std::cos(d) * std::sin(h);
  const double north = std::cos(p) * std::sin(d) - std::sin(p) * std::cos(d) * std::cos(h);
  return std::atan2(up, std::hypot(east, north)) / kDeg;
}

// The sine of the angle between the segment a → b and a ray going down at
// altitude A (picture y down): zero when b lies on the ray's line.
double OffRay(PointD a, PointD b, double altitude) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len = std::hypot(dx, dy);
  if (len < 1e-9) return 0;
  return (dx * std::sin(altitude * kDeg) - dy * std::cos(altitude * kDeg)) / len;
}

TEST(HamAid, TheSevenDatesAreTheZodiacBoundaries) {
  // 23.5° × cos(30° j − 210°): the solstices, the sign boundaries, the equinox.
  const double expected[] = {-23.5, -20.35, -11.75, 0.0, 11.75, 20.35, 23.5};
  for (int j = 1; j <= HamAid::kDates; ++j) {
    EXPECT_NEAR(HamAid::DateDeclination(j), expected[j - 1], 0.005) << "date " << j;
  }
}

TEST(HamAid, AltitudesAreTheSunsAtTheDatesAndHours) {
  for (double phi : {-33.9, 0.0, 23.5, 47.25, 65.0}) {
    HamAidInputs in;
    in.latitude = phi;
    const HamAid aid(in, 1400, 990, true);
    for (int j = 1; j <= HamAid::kDates; ++j) {
      for (int i = 0; i < HamAid::kHours; ++i) {
        EXPECT_NEAR(aid.Altitude(j, i), AltitudeBySunVector(phi, HamAid::DateDeclination(j), 15.0 * i),
                    1e-9)
            << "latitude " << phi << " date " << j << " hour " << i;
      }
    }
  }
  // At the equator the noon altitude is 90° less the declination's size.
  HamAidInputs in;
  in.latitude = 0;
  const HamAid aid(in, 1400, 990, true);
  for (int j = 1; j <= HamAid::kDates; ++j) {
    EXPECT_NEAR(aid.Altitude(j, 0), 90 - std::fabs(HamAid::DateDeclination(j)), 1e-9);
  }
}

TEST(HamAid, PointersLieOnTheCircleAtTheirPositionAngles) {
  struct Case {
    const char* name;
    int width, height;
    bool screen;
    double unitsPerMm, centreY;
  };
  const Case cases[] = {
      {"screen 1400 x 990", 1400, 990, true, 9, 495},   // round(990 / 105) = 9
      {"screen 700 x 495", 700, 495, true, 5, 248},     // round(4.71) = 5, round(247.5) = 248
      {"printer page", 2970, 2100, false, 10, 1050},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HamAidInputs in;
    in.diameter = 30;
    in.stretch = 1.8;
    in.equinoxAngle = 20;
    const HamAid aid(in, c.width, c.height, c.screen);
    EXPECT_EQ(aid.UnitsPerMm(), c.unitsPerMm);
    EXPECT_EQ(aid.Radius(), 30 * c.unitsPerMm);
    EXPECT_EQ(aid.Centre().x, c.width / 2.0);
    EXPECT_EQ(aid.Centre().y, c.centreY);
    for (int j = 1; j <= HamAid::kDates; ++j) {
      const PointD p = aid.PointerPosition(j);
      const double dx = aid.Centre().x - p.x, dy = aid.Centre().y - p.y;
      EXPECT_NEAR(std::hypot(dx, dy), aid.Radius(), 1e-9);
      // The pointer stands at angle θ from the centre's left, turning upwards.
      const double theta = std::atan2(dy, dx) / kDeg;
      EXPECT_NEAR(theta, 1.8 * HamAid::DateDeclination(j) + 20, 1e-9);
    }
  }
}

TEST(HamAid, WithoutStretchEveryPointerStandsAtTheEquinoxPosition) {
  HamAidInputs in;
  in.stretch = 0;
  in.equinoxAngle = 35;
  const HamAid aid(in, 1400, 990, true);
  for (int j = 2; j <= HamAid::kDates; ++j) {
    EXPECT_NEAR(aid.PointerPosition(j).x, aid.PointerPosition(1).x, 1e-9);
    EXPECT_NEAR(aid.PointerPosition(j).y, aid.PointerPosition(1).y, 1e-9);
  }
}

TEST(HamAid, RaysMeetOnBothRays) {
  for (double phi : {-40.0, 10.0, 47.25, 60.0}) {
    HamAidInputs in;
    in.latitude = phi;
    const HamAid aid(in, 1400, 990, true);
    int met = 0;
    for (int i = 0; i < HamAid::kHours; ++i) {
      for (int j = 1; j <= HamAid::kDates; ++j) {
        for (int k = 1; k <= HamAid::kDates; ++k) {
          const auto m = aid.RayMeeting(j, k, i);
          if (j == k) {
            EXPECT_FALSE(m);
            continue;
          }
          if (!m) continue;
          ++met;
          EXPECT_NEAR(OffRay(aid.PointerPosition(j), *m, aid.Altitude(j, i)), 0, 1e-9);
          EXPECT_NEAR(OffRay(aid.PointerPosition(k), *m, aid.Altitude(k, i)), 0, 1e-9);
        }
      }
    }
    EXPECT_EQ(met, HamAid::kHours * 7 * 6) << "latitude " << phi;
  }
}

TEST(HamAid, ParallelAndVerticalRays) {
  // At the equator dates of equal but opposite declination have the same noon
  // altitude: their rays are parallel and do not meet.
  HamAidInputs equator;
  equator.latitude = 0;
  const HamAid flat(equator, 1400, 990, true);
  EXPECT_FALSE(flat.RayMeeting(1, 7, 0));
  EXPECT_FALSE(flat.RayMeeting(3, 5, 0));
  // At 23.5° north the sun stands in the zenith at noon on date 7: its ray is
  // vertical, so the meeting point lies straight below its pointer.
  HamAidInputs tropic;
  tropic.latitude = 23.5;
  const HamAid aid(tropic, 1400, 990, true);
  EXPECT_NEAR(aid.Altitude(7, 0), 90, 1e-9);
  for (int k = 1; k <= 6; ++k) {
    const auto m = aid.RayMeeting(7, k, 0);
    ASSERT_TRUE(m) << k;
    EXPECT_NEAR(m->x, aid.PointerPosition(7).x, 1e-6) << k;
  }
}

TEST(HamMarks, TenAtMostAndTheirPictureRoundTrip) {
  HamMarks marks;
  for (int n = 0; n < 10; ++n) EXPECT_TRUE(marks.Add({1.0 * n, -2.0 * n}));
  EXPECT_FALSE(marks.Add({99, 99}));
  EXPECT_EQ(marks.Marks().size(), 10u);
  const HamAid aid(HamAidInputs{}, 1400, 990, true);
  for (const HamMark& m : marks.Marks()) {
    const HamMark back = aid.MarkAt(aid.PictureOf(m));
    EXPECT_NEAR(back.x, m.x, 1e-12);
    EXPECT_NEAR(back.y, m.y, 1e-12);
  }
  // A mark above and right of the centre lies up and right on the picture.
  const PointD p = aid.PictureOf({10, 5});
  EXPECT_EQ(p.x, 700 + 90);
  EXPECT_EQ(p.y, 495 - 45);
  marks.Clear();
  EXPECT_TRUE(marks.Empty());
}

// ---- drawing -----------------------------------------------------------------

using output::OpType;
using output::RecordingPlotSink;

TEST(DrawHamAid, RaysLeaveThePointersDownwardsAtTheSunsAltitude) {
  HamAidInputs in;
  in.latitude = 47.25;
  in.diameter = 30;
  for (int j = 1; j <= 8; ++j) in.colors.colors[static_cast<std::size_t>(j - 1)] = output::RgbColor(j, 100, 200);
  RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
  DrawHamAid(sink, in, HamMarks{});
  const HamAid aid(in, 1400, 990, true);
  // Every ray of date j starts at P_j and runs along one of its hours' rays.
  int rays = 0;
  for (const auto& op : sink.OpsOf(OpType::LineTo)) {
    const int j = static_cast<int>(output::RedOf(op.pen.color));
    if (output::GreenOf(op.pen.color) != 100 || j < 1 || j > 7) continue;
    const PointD p = aid.PointerPosition(j);
    if (std::hypot(op.from.x - p.x, op.from.y - p.y) > 1) continue;  // a cross, not a ray
    ++rays;
    const PointD end{static_cast<double>(op.args[0]), static_cast<double>(op.args[1])};
    EXPECT_GT(end.y, p.y - 1) << "a shadow ray runs downwards (level at altitude 0)";
    double best = 1;
    for (int i = 0; i < HamAid::kHours; ++i) {
      best = std::min(best, std::fabs(OffRay(p, end, aid.Altitude(j, i))));
    }
    EXPECT_LT(best, 2.0 / std::hypot(end.x - p.x, end.y - p.y)) << "date " << j;
  }
  EXPECT_GT(rays, 30);
  // The crosses of dates 1/3, 3/5 and 5/7 in colours 3, 5 and 7.
  for (int colour : {3, 5, 7}) {
    int arms = 0;
    for (const auto& op : sink.OpsOf(OpType::LineTo)) {
      arms += op.pen.color == in.colors.Color(colour) &&
              (std::abs(op.args[0] - op.from.x) == 16 || std::abs(op.args[1] - op.from.y) == 16);
    }
    EXPECT_GE(arms, 2 * 4) << "colour " << colour;
  }
}

TEST(DrawHamAid, LegendCirclesAndMarkMode) {
  shell::SelectLanguage(false);
  HamAidInputs in;
  in.latitude = 47.25;
  in.diameter = 30;
  in.stretch = 1.5;
  in.equinoxAngle = 12.5;
  HamMarks marks;
  marks.Add({-10, -5});
  marks.Add({0, -8});
  marks.Add({10, -6});
  for (bool markMode : {false, true}) {
    SCOPED_TRACE(markMode ? "mark mode" : "rays");
    in.markMode = markMode;
    RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
    DrawHamAid(sink, in, marks);
    const auto texts = sink.Texts();
    const std::vector<std::string> expected = {
        "Schinkensonnenuhr", "Latitude = 47.25 deg ", "local time =  Local Apparent Time",
        "Diameter = 30.0 mm", "Streckungsfaktor [1.2 ...3.]) = 1.5",
        "Position Aequinox [deg] =  12.50",
        "<Alt> + linker Mausclick: Stundenpunkte löschen",
        "<Strg> + linker Mausclick: (max.8) Stundenpunkte markieren",
        "<Shift> + linker Mausclick: markierte Stundenpunkte zeichnenn"};
    EXPECT_EQ(texts, expected);
    // Seven blue pointer circles, the red circle of radius ρ and ρ / 30.
    const auto circles = sink.OpsOf(OpType::Ellipse);
    int blue = 0, marked = 0;
    bool big = false, small = false;
    for (const auto& e : circles) {
      const int r = (e.args[2] - e.args[0]) / 2;
      if (e.pen.color == output::kBlue && r == 6) ++blue;
      if (e.pen.color == output::kRed && r == 270) big = true;
      if (e.pen.color == output::kRed && r == 9) small = true;
      if (e.pen.color == output::kRed && r == 5) ++marked;
    }
    EXPECT_EQ(blue, 7);
    EXPECT_TRUE(big);
    EXPECT_TRUE(small);
    EXPECT_EQ(marked, markMode ? 3 : 0);
    int black = 0;
    for (const auto& op : sink.OpsOf(OpType::LineTo)) black += op.pen.color == output::kBlack;
    if (markMode) {
      EXPECT_EQ(black, 2) << "the marks joined in order";
      EXPECT_EQ(sink.Count(OpType::LineTo), 2) << "no rays";
    } else {
      EXPECT_GT(sink.Count(OpType::LineTo), 40);
    }
  }
  shell::SelectLanguage(true);
}

}  // namespace
}  // namespace kelvra::dials::ham
