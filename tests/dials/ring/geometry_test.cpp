// The ring dial against an independent model of the instrument: a ray from
// the sun through the pin hole, intersected with the ring's inner cylinder in
// three dimensions, and the sun's altitude from the spherical triangle
//   sin h = sin phi sin d + cos phi cos d cos H
// (Meeus, Astronomical Algorithms, eq. 13.6). Each mark on the band must lie
// where that ray puts the light spot for the hour and date it stands for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "config/dial_parameters.h"
#include "dials/ring/ring_geometry.h"
#include "dials/ring/ring_renderer.h"
#include "output/hpgl_writer.h"
#include "recording_message_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::ring {
namespace {

constexpr double kPi = std::numbers::pi;
double Rad(double d) { return d * kPi / 180.0; }
double Deg(double r) { return r * 180.0 / kPi; }

double SunAltitude(double phi, double decl, double H) {
  return Deg(std::asin(std::sin(Rad(phi)) * std::sin(Rad(decl)) +
                       std::cos(Rad(phi)) * std::cos(Rad(decl)) * std::cos(Rad(H))));
}

// The hour angle of sunrise (negative, degrees), found by bisection on the
// altitude alone.
double SunriseHourAngle(double phi, double decl) {
  double lo = -180, hi = 0;  // below the horizon at lo, above at hi
  for (int i = 0; i < 80; ++i) {
    const double mid = (lo + hi) / 2;
    (SunAltitude(phi, decl, mid) < 0 ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

// The light spot of a sun at altitude h (degrees) whose direction makes the
// angle psi with the ring's plane: the ray from the hole (alpha degrees from
// the top) meets the cylinder of radius rho again. `along`: mm along the
// inner surface from the spot of a sun on the horizon in the ring's plane,
// growing with the altitude; `across`: mm along the ring's axis.
struct Spot {
  double along, across;
};
Spot LightSpot(double h, double psi, double alpha, double rho) {
  const double hx = rho * std::sin(Rad(alpha)), hz = rho * std::cos(Rad(alpha));
  const double dx = -std::cos(Rad(h)) * std::cos(Rad(psi));
  const double dy = -std::cos(Rad(h)) * std::sin(Rad(psi));
  const double dz = -std::sin(Rad(h));
  const double t = -2 * (hx * dx + hz * dz) / (dx * dx + dz * dz);
  const double px = hx + t * dx, py = t * dy, pz = hz + t * dz;
  double turn = -alpha - Deg(std::atan2(px, pz));  // degrees from the reference spot
  while (turn < -30) turn += 360;
  while (turn >= 330) turn -= 360;
  return {Rad(turn) * rho, std::fabs(py)};
}

// The spot of a ring tilted until the spot lies `target` mm off the hole's track.
Spot TiltedSpot(double h, double target, double alpha, double rho) {
  double lo = 0, hi = 89.9;
  for (int i = 0; i < 80; ++i) {
    const double mid = (lo + hi) / 2;
    (LightSpot(h, mid, alpha, rho).across < target ? lo : hi) = mid;
  }
  return LightSpot(h, (lo + hi) / 2, alpha, rho);
}

double DeclinationAt(const RingBand& band, double width, double y) {
  return band.declinationTop - y / width * (band.declinationTop - band.declinationBottom);
}

struct Site {
  const char* name;
  double latitude;
};
// North, south, above 60 degrees, and the tropics (the sun north of the zenith).
constexpr Site kSites[] = {{"north", 47.25}, {"south", -33.9}, {"far north", 62.5}, {"tropics", 10.0}};

RingDial Build(double latitude, config::DialParameters p) {
  shell::SiteSettings site;
  site.latitude = latitude;
  testing::RecordingMessageSink messages;
  return BuildRingDial(site, p, messages);
}

config::DialParameters Ring() {
  config::DialParameters p;
  p.kind = 'r';
  p.ringNoonHorizontal = false;
  p.otherHoursFrom = 5;
  p.otherHoursTo = 19;
  p.otherHourInterval = 1;  // every 30 minutes
  return p;
}

// The hour angle of a line at declination `decl`, from the definition of its
// hour system (temporal: twelfths of the day from an independently found sunrise).
double HourAngleOf(const RingLine& line, double phi, double decl) {
  const double rise = SunriseHourAngle(phi, decl);
  switch (line.system) {
    case HourSystem::Clock: return 15 * (line.value - 12);
    case HourSystem::Temporal: return rise + line.value / 12 * (-2 * rise);
    case HourSystem::Babylonian: return rise + 15 * line.value;
    case HourSystem::Italian: return -rise + 15 * (line.value - 24);
  }
  return 0;
}

TEST(RingSpot, MatchesTheRayThroughTheHole) {
  struct Case {
    double h, psi, alpha, D;
  };
  const Case cases[] = {{0, 0, 30, 150},  {45, 0, 30, 150}, {20, 10, 30, 150}, {60, 25, 45, 120},
                        {5, 40, 10, 200}, {75, 5, 90, 80},  {35, 60, 60, 300}};
  for (const Case& c : cases) {
    const double rho = c.D / 2;
    const SpotResult r = RingSpot(c.h, c.psi, c.alpha, c.D);
    const Spot tilted = LightSpot(c.h, c.psi, c.alpha, rho);
    const Spot plain = LightSpot(c.h, 0, c.alpha, rho);
    EXPECT_NEAR(r.yd, tilted.across, 1e-9) << c.h << " " << c.psi;
    EXPECT_NEAR(Rad(r.beta) * rho, tilted.along - plain.along, 1e-6) << c.h << " " << c.psi;
  }
  // In the ring's plane the spot moves twice as fast as the sun: 45 degrees is
  // a quarter of the circumference, 90 degrees half of it; no lateral offset.
  EXPECT_NEAR(LightSpot(45, 0, 30, 75).along, kPi * 75 / 2, 1e-9);
  EXPECT_NEAR(LightSpot(90, 0, 30, 75).along, kPi * 75, 1e-9);
  for (double h : {0.0, 30.0, 80.0}) EXPECT_EQ(RingSpot(h, 0, 30, 150).yd, 0.0);
}

TEST(RingLateralAngle, FindsTheTiltThatPutsTheSpotOnTheTarget) {
  for (double target : {0.5, 10.0, 40.0}) {
    const LateralResult r = RingLateralAngle(target, 30, 30, 150);
    ASSERT_TRUE(r.found) << target;
    EXPECT_NEAR(LightSpot(30, r.psi, 30, 75).across, target, 0.01) << target;
    EXPECT_NEAR(Rad(r.beta) * 75, TiltedSpot(30, target, 30, 75).along - LightSpot(30, 0, 30, 75).along,
                0.01)
        << target;
  }
  EXPECT_FALSE(RingLateralAngle(1e6, 30, 30, 150).found);
}

TEST(RingDial, EveryMarkIsWhereTheSunPutsTheSpot) {
  for (const Site& site : kSites) {
    for (bool temporal : {false, true}) {
      for (bool oneBand : {true, false}) {
        config::DialParameters p = Ring();
        p.altitudeTemporal = temporal;
        p.otherTemporalFrom = 0;
        p.otherTemporalTo = 12;
        p.otherTemporalInterval = 1;
        p.wholeYear = oneBand;
        p.italianHours = p.babylonianHours = !temporal;
        p.ringItalianPart = 2;
        p.ringBabylonianPart = 2;
        const RingDial d = Build(site.latitude, p);
        ASSERT_EQ(d.bands.size(), oneBand ? 1u : 2u);
        int checked = 0;
        for (const RingBand& band : d.bands) {
          for (const RingLine& line : band.lines) {
            for (const auto& run : line.runs) {
              for (const BandPoint& pt : run) {
                const double decl = DeclinationAt(band, d.width, pt.y);
                const double h = SunAltitude(site.latitude, decl, HourAngleOf(line, site.latitude, decl));
                ASSERT_GT(h, -1.0) << site.name;
                EXPECT_NEAR(pt.s, LightSpot(h, 0, p.ringHoleAngle, d.rho).along, 1e-6)
                    << site.name << " hour " << line.value << " decl " << decl;
                ++checked;
              }
            }
          }
        }
        EXPECT_GT(checked, 200) << site.name;
      }
    }
  }
}

TEST(RingDial, CorrectedMarksAreWhereTheTiltedRingPutsTheSpot) {
  for (const Site& site : kSites) {
    config::DialParameters p = Ring();
    p.wholeYear = true;
    p.ringHoleOffset = 5;
    p.ringLightDeflection = 1;
    p.ringWidth = 40;
    const RingDial d = Build(site.latitude, p);
    const RingBand& band = d.bands.front();
    int moved = 0;
    for (const RingLine& line : band.lines) {
      ASSERT_TRUE(line.corrected);
      for (const auto& run : line.runs) {
        for (const BandPoint& pt : run) {
          const double decl = DeclinationAt(band, d.width, pt.y);
          const double h = SunAltitude(site.latitude, decl, HourAngleOf(line, site.latitude, decl));
          // The hole sits across the band where its offset's declination is.
          const double holeY = (band.declinationTop - band.holeOffset) /
                               (band.declinationTop - band.declinationBottom) * d.width;
          const double target = std::fabs(pt.y - holeY);
          // A sun near the zenith cannot throw the spot that far across
          // however the ring is turned: such a mark stays where it was.
          const bool reachable = LightSpot(h, 89.99, p.ringHoleAngle, d.rho).across >= target;
          const Spot spot = reachable ? TiltedSpot(h, target, p.ringHoleAngle, d.rho)
                                      : LightSpot(h, 0, p.ringHoleAngle, d.rho);
          EXPECT_NEAR(pt.s, spot.along, 0.02) << site.name << " hour " << line.value << " decl " << decl;
          if (std::fabs(spot.along - LightSpot(h, 0, p.ringHoleAngle, d.rho).along) > 0.5) ++moved;
        }
      }
    }
    EXPECT_GT(moved, 20) << site.name;
  }
}

// With the movable hole the noon spot of every date lies on one straight line
// across the band, and each hour lies 2 rho (noon altitude - altitude) before
// it, the noon altitude being the sun's greatest altitude of the day.
TEST(RingDial, TheStraightNoonLineFollowsTheTrueNoonAltitude) {
  for (const Site& site : kSites) {
    config::DialParameters p = Ring();
    p.ringNoonHorizontal = true;
    p.wholeYear = true;
    const RingDial d = Build(site.latitude, p);
    const RingBand& band = d.bands.front();
    const RingLine* noon = nullptr;
    for (const RingLine& line : band.lines) {
      if (line.value == 12) noon = &line;
    }
    ASSERT_NE(noon, nullptr) << site.name;
    ASSERT_EQ(noon->runs.size(), 1u) << site.name;
    const double noonS = noon->runs.front().front().s;
    for (const BandPoint& pt : noon->runs.front()) EXPECT_NEAR(pt.s, noonS, 1e-9) << site.name;
    for (const RingLine& line : band.lines) {
      for (const auto& run : line.runs) {
        for (const BandPoint& pt : run) {
          const double decl = DeclinationAt(band, d.width, pt.y);
          double highest = -90;
          for (int H = -180; H <= 180; ++H) highest = std::max(highest, SunAltitude(site.latitude, decl, H));
          const double h = SunAltitude(site.latitude, decl, HourAngleOf(line, site.latitude, decl));
          EXPECT_NEAR(noonS - pt.s, 2 * d.rho * Rad(highest - h), 1e-6)
              << site.name << " hour " << line.value << " decl " << decl;
        }
      }
    }
  }
}

TEST(RingDial, MorningAndAfternoonHoursShareTheirLine) {
  config::DialParameters p = Ring();
  p.otherHoursFrom = 9;
  p.otherHoursTo = 16;
  p.otherHourInterval = 0;
  const RingDial d = Build(47.25, p);
  std::vector<std::string> labels;
  for (const RingLine& line : d.bands.front().lines) labels.push_back(line.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"9/15", "10/14", "11/13", "12", "16"}));
}

TEST(RingDial, TemporalHoursAreRefusedAbove65Degrees) {
  for (double latitude : {66.0, -70.0}) {
    config::DialParameters p = Ring();
    p.altitudeTemporal = true;
    shell::SiteSettings site;
    site.latitude = latitude;
    testing::RecordingMessageSink messages;
    const RingDial d = BuildRingDial(site, p, messages);
    EXPECT_TRUE(d.refused);
    EXPECT_TRUE(d.bands.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Error);
  }
}

// A ring whose half circumference is longer than the drawing asks whether to
// reduce it; No leaves nothing to draw.
TEST(RingDial, ATooBigRingAsksWhetherToReduce) {
  struct Case {
    double diameter;
    shell::MessageAnswer answer;
    bool asked, reduced, declined;
  };
  const Case cases[] = {{150, shell::MessageAnswer::Yes, false, false, false},
                        {250, shell::MessageAnswer::Yes, true, true, false},
                        {250, shell::MessageAnswer::No, true, false, true}};
  for (const Case& c : cases) {
    config::DialParameters p = Ring();
    p.ringDiameter = c.diameter;
    shell::SiteSettings site;
    testing::RecordingMessageSink messages;
    messages.Script({c.answer});
    const RingDial d = BuildRingDial(site, p, messages);
    EXPECT_EQ(!messages.shown.empty(), c.asked) << c.diameter;
    EXPECT_EQ(d.reduced, c.reduced) << c.diameter;
    EXPECT_EQ(d.declined, c.declined) << c.diameter;
  }
}

// The plot file keeps the ring at true size: every strip lies on the page,
// and a band longer than the page is cut into pieces that together are the
// whole band.
TEST(RingPlot, TrueSizeOnThePage) {
  const double pageW = output::kPlotWindowWidth / 40.0, pageH = output::kPlotWindowHeight / 40.0;
  for (double diameter : {60.0, 150.0, 300.0}) {
    config::DialParameters p = Ring();
    p.ringDiameter = diameter;
    p.ringWidth = 40;
    shell::SiteSettings site;
    testing::RecordingMessageSink messages;
    messages.Script({shell::MessageAnswer::Yes});
    const RingDial d = BuildRingDial(site, p, messages);
    const PlotLayout layout = RingPlotLayout(d);
    EXPECT_EQ(layout.scale, 1.0) << diameter;
    double length = 0;
    for (const PlotStrip& s : layout.strips) {
      EXPECT_GE(s.x, 0) << diameter;
      EXPECT_LE(s.x + (s.to - s.from) * layout.scale, pageW) << diameter;
      EXPECT_LE(s.top, pageH) << diameter;
      EXPECT_GE(s.top - d.width * layout.scale, layout.legendTop) << diameter;
      if (s.band == 0) length += s.to - s.from;
    }
    EXPECT_NEAR(length, kPi * diameter / 2, 1e-9) << diameter;
  }
}

}  // namespace
}  // namespace kelvra::dials::ring
