// The biazimuthal map dial against the sun. A perpendicular style on a dial
// plane throws its shadow along the sun's azimuth in the plane's own horizon;
// the map must show these directions at A' and at B'. For every plotted point
// of the hour lines and date lines (the sub-solar point at a known instant)
// the test measures the angle at A' between A'B' and A'X on the map and
// compares it with the angle, about the plane's normal, between the direction
// toward B's equivalent point and the core's sun direction, both built by the
// test in earth-centred coordinates from the site's horizon frame; the same at
// B'. North and south, horizontal and wall dials, mean and apparent time.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "config/dial_parameters.h"
#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "recording_message_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::biazimuthal {
namespace {

using astro::CosDeg;
using astro::SinDeg;

struct V {
  double x, y, z;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator*(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V Cross(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// A site's horizon frame in earth-centred axes (x to longitude 0, y to 90 E,
// z north): east, north and up at latitude φ, WEST longitude λ.
struct Horizon {
  V east, north, up;
};
Horizon HorizonAt(double latitude, double longitudeWest) {
  const double l = -longitudeWest;
  return {{-SinDeg(l), CosDeg(l), 0},
          {-SinDeg(latitude) * CosDeg(l), -SinDeg(latitude) * SinDeg(l), CosDeg(latitude)},
          {CosDeg(latitude) * CosDeg(l), CosDeg(latitude) * SinDeg(l), SinDeg(latitude)}};
}
// A horizontal direction of altitude h and azimuth A (from south, west
// positive) at that site.
V Direction(const Horizon& f, double h, double A) {
  return (-CosDeg(h) * SinDeg(A)) * f.east + (-CosDeg(h) * CosDeg(A)) * f.north + SinDeg(h) * f.up;
}
// The signed angle from p to q about the axis n, both taken across n.
double AngleAbout(V n, V p, V q) {
  const V pp = p + (-Dot(p, n)) * n, qq = q + (-Dot(q, n)) * n;
  return astro::Degrees(std::atan2(Dot(Cross(pp, qq), n), Dot(pp, qq)));
}
double MapAngle(MapPoint from, MapPoint to1, MapPoint to2) {
  const double a1 = std::atan2(to1.y - from.y, to1.x - from.x);
  const double a2 = std::atan2(to2.y - from.y, to2.x - from.x);
  return astro::WrapDegrees180(astro::Degrees(a2 - a1));
}

struct Case {
  const char* name;
  double latA, lonA, zoneMeridian;
  int plane;
  double declination, inclination;
  double latB, lonB;
  bool bVertical;
  double declinationB;
  bool timeOfA, zoneTime, meanTime;
};

const Case kCases[] = {
    {"north_horizontal_pair_mean_time", 47.25, -9.06, -15, 0, 0, 0, 52.5, -13.4, false, 0, true, false, true},
    {"north_wall_and_wall_zone_time", 47.25, -9.06, -15, 1, -11.7, 90, 48.1, -11.6, true, 78.3, false, true, true},
    {"inclining_and_south_apparent", 40.0, 3.7, 0, 2, 20, 50, -33.9, -151.2, false, 0, true, false, false},
    {"south_pair_mean_time", -33.9, -151.2, -150, 0, 0, 0, -37.8, -145.0, true, 170, false, false, true},
};

class BiazimuthalPhysics : public ::testing::TestWithParam<Case> {};

TEST_P(BiazimuthalPhysics, ThePlottedSunShowsTheStylesShadowDirectionsAtBothPlates) {
  const Case& c = GetParam();
  shell::SiteSettings site;
  site.latitude = c.latA;
  site.longitude = c.lonA;
  site.zoneMeridian = c.zoneMeridian;
  site.year = 2022;
  config::DialParameters dial;
  dial.kind = 'c';
  dial.dialPlane = c.plane;
  dial.wallDeclination = c.declination;
  dial.inclination = c.inclination;
  dial.secondLatitude = c.latB;
  dial.secondLongitude = c.lonB;
  dial.secondVertical = c.bVertical;
  dial.secondWallDeclination = c.declinationB;
  dial.timeOfPosition1 = c.timeOfA;
  dial.zoneTime = c.zoneTime;
  dial.altitudeWithEot = c.meanTime;
  dial.otherHoursFrom = 6;
  dial.otherHoursTo = 18;
  dial.dateLineMode = 1;
  testing::RecordingMessageSink messages;
  const BiazimuthalDial d = BuildBiazimuthalDial(site, dial, 1.0, messages);
  ASSERT_TRUE(d.map.has_value()) << c.name;

  const Horizon ha = HorizonAt(c.latA, c.lonA), hb = HorizonAt(c.latB, c.lonB);
  // The outward normals of the two planes (the plane's normal looks toward
  // azimuth D with altitude 90 - inclination).
  const double incA = c.plane == 0 ? 0 : (c.plane == 1 ? 90 : c.inclination);
  const V na = Direction(ha, 90 - incA, c.plane == 0 ? 0 : c.declination);
  const V nb = Direction(hb, c.bVertical ? 0 : 90, c.bVertical ? c.declinationB : 0);
  // The equivalent points on the globe are these normals; the direction from
  // A's equivalent point toward B's is nb seen across na, and back.
  const double timeMeridian = c.zoneTime ? c.zoneMeridian : (c.timeOfA ? c.lonA : c.lonB);
  const MapPoint A = d.map->A(), B = d.map->B();
  int checked = 0;
  auto check = [&](const MapPoint& x, int n, double t) {
    // The core's sun at A's site at this instant, as a direction in space.
    const astro::SunPosition sun = astro::SunPositionAtClockTime(
        site.year, n, t, c.latA, c.lonA, timeMeridian, c.meanTime);
    const V s = Direction(ha, sun.altitude, sun.azimuth);
    EXPECT_NEAR(MapAngle(A, B, x), AngleAbout(na, nb, s), 0.01) << c.name << " n " << n << " t " << t;
    EXPECT_NEAR(MapAngle(B, A, x), AngleAbout(nb, na, s), 0.01) << c.name << " n " << n << " t " << t;
    // The sun stands above both planes.
    EXPECT_GT(Dot(s, na), 0) << c.name;
    EXPECT_GT(Dot(s, nb), 0) << c.name;
    ++checked;
  };
  for (const HourLine& l : d.hourLines)
    for (const Chain& ch : l.chains)
      for (std::size_t i = 0; i < ch.points.size(); ++i)
        check(ch.points[i], static_cast<int>(ch.at[i]), l.clockTime);
  for (const DateLine& l : d.dateLines)
    for (const Chain& ch : l.chains)
      for (std::size_t i = 0; i < ch.points.size(); ++i)
        check(ch.points[i], astro::DayOfYear(site.year, l.month, l.day), ch.at[i]);
  EXPECT_GT(checked, 50) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Sites, BiazimuthalPhysics, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Biazimuthal, ThePoleLiesAtTheScaleFromBothPositions) {
  const std::optional<TwoPointMap> m = MakeTwoPointMap({47.25, -9.06}, {52.5, -13.4}, 80);
  ASSERT_TRUE(m);
  EXPECT_NEAR(m->A().x, -80, 1e-9);
  EXPECT_NEAR(m->B().x, 80, 1e-9);
  const auto a = m->Project(m->a), b = m->Project(m->b), pole = m->Project(m->pole);
  ASSERT_TRUE(a && b && pole);
  EXPECT_NEAR(a->x, -80, 1e-6);
  EXPECT_NEAR(a->y, 0, 1e-6);
  EXPECT_NEAR(b->x, 80, 1e-6);
  EXPECT_NEAR(pole->x, 0, 1e-9);
}

TEST(Biazimuthal, AntipodalPositionsHaveNoPole) {
  shell::SiteSettings site;
  site.latitude = 30;
  site.longitude = 10;
  config::DialParameters dial;
  dial.dialPlane = 0;
  dial.secondLatitude = -30;
  dial.secondLongitude = -170;
  dial.secondVertical = false;
  testing::RecordingMessageSink messages;
  const BiazimuthalDial d = BuildBiazimuthalDial(site, dial, 1.0, messages);
  EXPECT_TRUE(d.refused);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("Berechnung abgebrochen!"), std::string::npos);
}


// Two positions close together magnify the map: the sub-solar lines must
// still land on the sheet. At the default scale the drawing takes a scale that
// puts most line points within 90 mm of the pole (half an A4 sheet's short
// side less a margin); a scale the user chose is kept, and the message names
// a scale at which the lines fit, or says that none of the allowed ones does.
TEST(Biazimuthal, NearPositionsKeepTheLinesOnTheSheet) {
  auto shareOnSheet = [](const BiazimuthalDial& d) {
    int inside = 0, all = 0;
    auto count = [&](const std::vector<Chain>& chains) {
      for (const Chain& c : chains) {
        for (const MapPoint& p : c.points) {
          ++all;
          if (std::hypot(p.x, p.y) <= 90) ++inside;
        }
      }
    };
    for (const HourLine& l : d.hourLines) count(l.chains);
    for (const DateLine& l : d.dateLines) count(l.chains);
    return all ? static_cast<double>(inside) / all : 0.0;
  };
  struct Case {
    const char* name;
    double latB, lonB;
    int scale;          // 100 is the record's default
    bool keepsScale;    // the map keeps the asked distance pole - A
    enum { Nothing, FittingScale, BelowRange } tells;  // what the message names
  };
  const Case cases[] = {
      {"near, default", 47.3, -9.2, 100, false, Case::Nothing},
      {"very near, default", 47.2514, -9.0601, 100, false, Case::Nothing},
      {"some way off, chosen", 40.0, 10.0, 150, true, Case::FittingScale},
      {"near, chosen", 47.3, -9.2, 150, true, Case::BelowRange},
      {"far, default", 20.0, 60.0, 100, false, Case::Nothing},
      {"far, chosen to fit", 20.0, 60.0, 30, true, Case::Nothing},
  };
  for (const Case& c : cases) {
    shell::SiteSettings site;
    site.latitude = 47.25;
    site.longitude = -9.06;
    site.zoneMeridian = -15;
    site.year = 2022;
    config::DialParameters dial;
    dial.kind = 'c';
    dial.dialPlane = 0;
    dial.secondLatitude = c.latB;
    dial.secondLongitude = c.lonB;
    dial.secondVertical = false;
    dial.scalePercent = c.scale;
    testing::RecordingMessageSink messages;
    const BiazimuthalDial d = BuildBiazimuthalDial(site, dial, 1.0, messages);
    ASSERT_TRUE(d.map) << c.name;
    // The distance pole - A' on the map is the scale the drawing uses (the
    // map keeps a least half distance of 0.05 degrees).
    if (d.map->halfDistance >= 0.05) EXPECT_NEAR(-d.map->A().x, d.scaleMm, 1e-9) << c.name;
    EXPECT_EQ(d.scaleMm == c.scale, c.keepsScale) << c.name;
    ASSERT_EQ(messages.shown.size(), c.tells == Case::Nothing ? 0u : 1u) << c.name;
    if (c.tells == Case::Nothing) {
      EXPECT_GE(shareOnSheet(d), 0.5) << c.name;
      continue;
    }
    EXPECT_LT(shareOnSheet(d), 0.5) << c.name;
    const std::string& text = messages.shown[0].text;
    EXPECT_NE(text.find("jetzt: 150"), std::string::npos) << text;
    if (c.tells == Case::BelowRange) {
      EXPECT_NE(text.find("Passend wäre ein Wert unter 5"), std::string::npos) << text;
      continue;
    }
    // The named scale brings the lines onto the sheet.
    const auto at = text.rfind(": ");
    dial.scalePercent = std::stoi(text.substr(at + 2));
    EXPECT_LT(dial.scalePercent, c.scale) << text;
    testing::RecordingMessageSink quiet;
    const BiazimuthalDial fitted = BuildBiazimuthalDial(site, dial, 1.0, quiet);
    EXPECT_TRUE(quiet.shown.empty()) << c.name;
    EXPECT_GE(shareOnSheet(fitted), 0.5) << c.name;
  }
}

}  // namespace
}  // namespace kelvra::dials::biazimuthal
