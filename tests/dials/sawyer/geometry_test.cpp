// The Sawyer decliner read as an instrument. Where an hour line crosses a
// date line the caster must imply the sun of that date and time:
// - mean time with loops: the gnomon tip's shadow, so the direction from the
//   point to the tip is the sun's direction;
// - the equant modes: the pole style's shadow, so the sun lies in the plane
//   through the style and the point.
// The sun comes from the program's ephemeris (SunPositionNoonEphemeris: the
// declination and equation of time of the day's noon, as the dial's date
// lines use), its direction from altitude and azimuth; the wall's frame is
// built here from the wall's azimuth.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "astro/sun_position.h"
#include "dials/sawyer/sawyer_geometry.h"
#include "dials/sawyer/sawyer_renderer.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"

namespace kelvra::dials::sawyer {
namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d) { return d * kPi / 180; }
double Deg(double r) { return r * 180 / kPi; }

struct V {
  double x, y, z;
};
double Dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V Cross(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Norm(V a) { return std::sqrt(Dot(a, a)); }

// A horizontal direction (south, west, up) of altitude h and azimuth A (from
// south, west positive).
V Direction(double altitude, double azimuth) {
  return {std::cos(Rad(altitude)) * std::cos(Rad(azimuth)),
          std::cos(Rad(altitude)) * std::sin(Rad(azimuth)), std::sin(Rad(altitude))};
}

// The wall's frame: its outward normal has the azimuth of the wall's
// declination; facing the wall, "right" has the azimuth 90 degrees less (the
// east for a south wall), "up" is the zenith.
V InWall(V v, double wallDeclination) {
  const V right = Direction(0, wallDeclination - 90), normal = Direction(0, wallDeclination);
  return {Dot(v, right), v.z, Dot(v, normal)};
}

struct Site {
  const char* name;
  double latitude;
  double wall;  // declination of the wall
};
// North: near south walls and a strong west decliner; south: north walls.
const Site kSites[] = {
    {"47.25 N, wall -11.7", 47.25, -11.7},
    {"52 N, wall 60", 52.0, 60.0},
    {"33.9 S, north wall", -33.9, 180.0},
    {"41 S, wall 160", -41.0, 160.0},
};

shell::SiteSettings SiteOf(const Site& s) {
  shell::SiteSettings site;
  site.latitude = s.latitude;
  site.longitude = -9.59;
  site.zoneMeridian = -15;
  site.year = 2020;
  return site;
}

config::DialParameters DialOf(const Site& s, int mode, int dateLineMode = 1) {
  config::DialParameters p;
  p.kind = 'w';
  p.wallDeclination = s.wall;
  p.gnomonHeight = 35;
  p.sawyerCenter = 90;
  p.sawyerLineAngle = 5;
  p.dateLineMode = dateLineMode;
  config::SetSawyerTimeMode(p, mode);
  return p;
}

// Where two polylines cross (the first crossing found).
std::optional<WPoint> Crossing(const std::vector<WPoint>& a, const std::vector<WPoint>& b) {
  for (std::size_t i = 1; i < a.size(); ++i) {
    for (std::size_t j = 1; j < b.size(); ++j) {
      const WPoint p = a[i - 1], r{a[i].x - p.x, a[i].y - p.y};
      const WPoint q = b[j - 1], s{b[j].x - q.x, b[j].y - q.y};
      const double den = r.x * s.y - r.y * s.x;
      if (std::fabs(den) < 1e-15) continue;
      const double t = ((q.x - p.x) * s.y - (q.y - p.y) * s.x) / den;
      const double u = ((q.x - p.x) * r.y - (q.y - p.y) * r.x) / den;
      if (t >= 0 && t <= 1 && u >= 0 && u <= 1) return WPoint{p.x + t * r.x, p.y + t * r.y};
    }
  }
  return std::nullopt;
}

std::optional<WPoint> Crossing(const Chain& a, const std::vector<WPoint>& b) {
  for (const auto& piece : a.pieces) {
    if (auto x = Crossing(piece, b)) return x;
  }
  return std::nullopt;
}

// The sun of day N at clock time t: local mean time (mean = true), local
// apparent time, or apparent time of the zone meridian (real longitude).
V Sun(const shell::SiteSettings& site, int day, double t, int mode) {
  const double longitude = mode == 1 ? site.longitude : site.zoneMeridian;
  const bool mean = mode >= 2;
  const astro::SunPosition s = astro::SunPositionNoonEphemeris(site.year, day, t, site.latitude,
                                                               longitude, site.zoneMeridian, mean);
  return Direction(s.altitude, s.azimuth);
}

// The angle (degrees) between the sun and the plane through the pole style
// (through the nodus (0, 0, g) along the earth's axis) and the wall point x.
double AngleFromStylePlane(V sunInWall, double latitude, double wall, double g, WPoint x) {
  const V axis = InWall({-std::cos(Rad(latitude)), 0, std::sin(Rad(latitude))}, wall);
  const V n = Cross(axis, {x.x, x.y, -g});
  return Deg(std::asin(std::fabs(Dot(n, sunInWall)) / Norm(n) / Norm(sunInWall)));
}

TEST(SawyerPhysics, HalfLoopsAndDateLinesGiveTheSunOfThatMeanTime) {
  testing::RecordingMessageSink messages;
  for (const Site& s : kSites) {
    const shell::SiteSettings site = SiteOf(s);
    const SawyerDial d = BuildSawyerDial(site, DialOf(s, 2), 1.0, messages);
    int checked = 0;
    for (const Chain& loop : d.hourLoops) {
      if (loop.color == 8) continue;  // full hours only
      for (const Chain& date : d.dateLines) {
        // The loop's half holds the date: 21 Dec .. 21 Jun in half 0.
        const bool rising = date.dayOfYear >= 355 || date.dayOfYear <= 172;
        if (rising != (loop.half == 0)) continue;
        for (const auto& piece : date.pieces) {
          const auto x = Crossing(loop, piece);
          if (!x) continue;
          const V toNodus = {-x->x, -x->y, d.gnomon};
          const V sun = InWall(Sun(site, date.dayOfYear, loop.hour, 2), s.wall);
          const double angle = Deg(std::acos(std::min(1.0, Dot(toNodus, sun) / Norm(toNodus) / Norm(sun))));
          EXPECT_LT(angle, 0.1) << s.name << " hour " << loop.hour << " date " << date.label;
          ++checked;
        }
      }
    }
    EXPECT_GT(checked, 20) << s.name;
  }
}

TEST(SawyerPhysics, DateLinesLieOnTheirDeclination) {
  testing::RecordingMessageSink messages;
  for (const Site& s : kSites) {
    const shell::SiteSettings site = SiteOf(s);
    const SawyerDial d = BuildSawyerDial(site, DialOf(s, 0, 0), 1.0, messages);
    ASSERT_FALSE(d.dateLines.empty()) << s.name;
    const V axis = InWall({-std::cos(Rad(s.latitude)), 0, std::sin(Rad(s.latitude))}, s.wall);
    for (const Chain& date : d.dateLines) {
      const double declination =
          astro::SunPositionNoonEphemeris(site.year, date.dayOfYear, 12, site.latitude,
                                          site.zoneMeridian, site.zoneMeridian, false)
              .declination;
      for (const auto& piece : date.pieces) {
        for (const WPoint& p : piece) {
          const V toNodus = {-p.x, -p.y, d.gnomon};
          EXPECT_NEAR(Deg(std::asin(Dot(toNodus, axis) / Norm(toNodus))), declination, 0.01)
              << s.name << " " << date.label;
        }
      }
    }
  }
}

TEST(SawyerPhysics, EquantHourLinesMeetTheStyleShadowOfTheirTime) {
  testing::RecordingMessageSink messages;
  struct Mode {
    int mode;
    const char* name;
  };
  for (const Mode m : {Mode{0, "local apparent"}, Mode{1, "zone apparent"}, Mode{3, "mean, straight"}}) {
    for (const Site& s : kSites) {
      const shell::SiteSettings site = SiteOf(s);
      const SawyerDial d = BuildSawyerDial(site, DialOf(s, m.mode, 2), 1.0, messages);
      ASSERT_FALSE(d.readingCurves.empty()) << m.name << " " << s.name;
      int checked = 0;
      for (const EquantLine& l : d.hourLines) {
        // The line is straight from the equant centre at its hour's angle.
        const WPoint u = d.scale.Direction(l.hour);
        const double offLine = (l.to.x - d.scale.center.x) * u.y - (l.to.y - d.scale.center.y) * u.x;
        EXPECT_NEAR(offLine, 0, 1e-9);
        for (const Chain& curve : d.readingCurves) {
          const auto x = Crossing(curve, {l.from, l.to});
          if (!x) continue;
          // Mode 0 and 1 serve every day: check three of them.
          const std::vector<int> days = m.mode == 3 ? std::vector<int>{curve.dayOfYear}
                                                    : std::vector<int>{80, 172, 355};
          for (int day : days) {
            const V sun = InWall(Sun(site, day, l.hour, m.mode), s.wall);
            if (sun.z <= 0.01 || Sun(site, day, l.hour, m.mode).z <= 0.01) continue;
            EXPECT_LT(AngleFromStylePlane(sun, s.latitude, s.wall, d.gnomon, *x), 0.05)
                << m.name << " " << s.name << " hour " << l.hour << " day " << day;
            ++checked;
          }
        }
      }
      EXPECT_GT(checked, 8) << m.name << " " << s.name;
    }
  }
}

// The equant lines follow one another by the chosen angle and the afternoon
// lies on the side where afternoon shadows fall (east of the gnomon).
TEST(SawyerGeometry, EquantLinesStepByTheirAngleTowardTheAfternoonShadows) {
  testing::RecordingMessageSink messages;
  for (const Site& s : kSites) {
    config::DialParameters p = DialOf(s, 0);
    p.sawyerLineAngle = 7.5;
    const SawyerDial d = BuildSawyerDial(SiteOf(s), p, 1.0, messages);
    const WPoint a = d.scale.Direction(13), b = d.scale.Direction(14);
    EXPECT_NEAR(Deg(std::acos(a.x * b.x + a.y * b.y)), 7.5, 1e-9) << s.name;
    // East in wall coordinates, and the afternoon step's sideways move.
    const V east = InWall({0, -1, 0}, s.wall);
    const WPoint noon = d.scale.Direction(12);
    EXPECT_GT((a.x - noon.x) * east.x, 0) << s.name;
  }
}

TEST(SawyerGeometry, ZoomScalesEveryLength) {
  testing::RecordingMessageSink messages;
  const Site s = kSites[0];
  const SawyerDial one = BuildSawyerDial(SiteOf(s), DialOf(s, 3), 1.0, messages);
  const SawyerDial two = BuildSawyerDial(SiteOf(s), DialOf(s, 3), 2.0, messages);
  ASSERT_FALSE(one.hourLines.empty());
  ASSERT_EQ(one.hourLines.size(), two.hourLines.size());
  EXPECT_NEAR(two.hourLines[3].to.x, 2 * one.hourLines[3].to.x, 1e-6);
  EXPECT_NEAR(two.center, 2 * one.center, 1e-12);
}

TEST(SawyerOutput, ExtremeSitesWriteOnlyFiniteNumbers) {
  testing::RecordingMessageSink messages;
  for (double latitude : {89.9, -89.9, 0.0049, -0.0049, 66.6}) {
    for (double wall : {0.0, 90.0, -90.0, 180.0}) {
      for (int mode = 0; mode < 4; ++mode) {
        const Site s{"extreme", latitude, wall};
        const SawyerDial d = BuildSawyerDial(SiteOf(s), DialOf(s, mode), 1.0, messages);
        output::HpglWriter w;
        PlotSawyerDial(w, d, {});
        EXPECT_EQ(w.Text().find("nan"), std::string::npos) << latitude << " " << wall << " " << mode;
        EXPECT_EQ(w.Text().find("inf"), std::string::npos) << latitude << " " << wall << " " << mode;
      }
    }
  }
}

TEST(SawyerOutput, PlotFileHasTheStandardHeaderPensAndTrailer) {
  testing::RecordingMessageSink messages;
  const Site s = kSites[0];
  for (int mode = 0; mode < 4; ++mode) {
    const SawyerDial d = BuildSawyerDial(SiteOf(s), DialOf(s, mode), 1.0, messages);
    output::HpglWriter w;
    PlotSawyerDial(w, d, {});
    const std::string& t = w.Text();
    EXPECT_EQ(t.rfind(output::StandardHeaderText(1), 0), 0u) << mode;
    EXPECT_TRUE(t.ends_with(";IW;IN;")) << mode;
    EXPECT_NE(t.find("SP 3;"), std::string::npos) << mode;
    EXPECT_EQ(t.find('\n'), std::string::npos) << mode;
    // The gnomon foot O at the default origin, true size: 40 units per mm.
    const output::Point o = DefaultPlotOrigin(d);
    EXPECT_NE(t.find("PU " + std::to_string(o.x) + " " + std::to_string(o.y) + ";CI 80;"),
              std::string::npos)
        << mode;
  }
}

}  // namespace
}  // namespace kelvra::dials::sawyer
