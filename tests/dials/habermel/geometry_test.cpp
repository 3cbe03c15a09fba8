// The Habermel altitude dials read as instruments: the pin's tip casts its
// shadow g tan(altitude) below the pin's foot on a plate facing the sun, so
// where an hour curve crosses a date's line (the tablet's vertical line, the
// disc's radius) the depth must give the sun's altitude at that date and
// hour: atan(depth / g). The altitude comes from the program's ephemeris
// (SunPositionNoonEphemeris: declination and equation of time of the day's
// noon, as the dial's curves use).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "astro/sun_position.h"
#include "dials/habermel/habermel_geometry.h"
#include "dials/habermel/habermel_renderer.h"
#include "output/hpgl_writer.h"

namespace kelvra::dials::habermel {
namespace {

constexpr double kPi = 3.14159265358979323846;
double Deg(double r) { return r * 180 / kPi; }

struct Site {
  const char* name;
  double latitude;
};
const Site kSites[] = {{"47.25 N", 47.25}, {"33.9 S", -33.9}, {"60 N", 60}, {"55 S", -55}};

shell::SiteSettings SiteOf(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = 2020;
  return s;
}

config::DialParameters DialOf(int variant, bool eot = false) {
  config::DialParameters p;
  p.kind = 'q';
  p.altitudeVariant = variant;
  p.dialDiameter = 180;
  p.habermelGnomon = 0;  // not derived yet: the construction derives it
  p.dateLineMode = 2;
  p.constructWithEot = eot;
  return p;
}

std::optional<HPoint> Crossing(const std::vector<HPoint>& a, HPoint q, HPoint q2) {
  const HPoint s{q2.x - q.x, q2.y - q.y};
  for (std::size_t i = 1; i < a.size(); ++i) {
    const HPoint p = a[i - 1], r{a[i].x - p.x, a[i].y - p.y};
    const double den = r.x * s.y - r.y * s.x;
    if (std::fabs(den) < 1e-15) continue;
    const double t = ((q.x - p.x) * s.y - (q.y - p.y) * s.x) / den;
    const double u = ((q.x - p.x) * r.y - (q.y - p.y) * r.x) / den;
    if (t >= -1e-9 && t <= 1 + 1e-9 && u >= -1e-9 && u <= 1 + 1e-9) {
      return HPoint{p.x + t * r.x, p.y + t * r.y};
    }
  }
  return std::nullopt;
}

double Altitude(const shell::SiteSettings& site, int day, double t, bool mean) {
  return astro::SunPositionNoonEphemeris(site.year, day, t, site.latitude, site.zoneMeridian,
                                         site.zoneMeridian, mean)
      .altitude;
}

TEST(HabermelPhysics, HourCurvesOnADateGiveTheSunsAltitude) {
  struct Case {
    const char* name;
    int variant;
    bool eot;
  };
  for (const Case c : {Case{"tablet", 1, false}, Case{"tablet, mean time", 1, true},
                       Case{"disc", 2, false}}) {
    for (const Site& s : kSites) {
      const shell::SiteSettings site = SiteOf(s.latitude);
      const HabermelDial d = BuildHabermelDial(site, DialOf(c.variant, c.eot));
      int checked = 0;
      for (const HourCurve& h : d.hours) {
        for (const DateMark& m : d.dates) {
          for (const auto& piece : h.pieces) {
            const auto x = Crossing(piece, m.from, m.to);
            if (!x) continue;
            const double depth = c.variant == 1 ? d.rail - x->y : std::hypot(x->x, x->y);
            const double altitude = Deg(std::atan(depth / d.gnomon));
            EXPECT_NEAR(altitude, Altitude(site, m.dayOfYear, h.hour, c.eot), 0.02)
                << c.name << " " << s.name << " hour " << h.hour << " day " << m.dayOfYear;
            // Apparent time: the afternoon hour shares the curve.
            if (!c.eot) {
              EXPECT_NEAR(altitude, Altitude(site, m.dayOfYear, 24 - h.hour, false), 0.02);
            }
            ++checked;
          }
        }
      }
      EXPECT_GT(checked, 40) << c.name << " " << s.name;
    }
  }
}

// With the gnomon derived from the diameter the highest noon sun of the year
// reaches the end of the scale: the disc's inner ring, the tablet's lowest
// curve line; the tablet's rail lies the winter solstice's noon shadow below
// its top band.
TEST(HabermelGeometry, TheHighestNoonSunReachesTheEndOfTheScale) {
  for (int variant : {1, 2}) {
    for (const Site& s : kSites) {
      const HabermelDial d = BuildHabermelDial(SiteOf(s.latitude), DialOf(variant));
      ASSERT_TRUE(d.gnomonDerived);
      double deepest = 0;
      for (const HourCurve& h : d.hours) {
        if (h.hour != 12) continue;
        for (const auto& piece : h.pieces) {
          for (const HPoint& p : piece) {
            deepest = std::max(deepest, variant == 1 ? d.rail - p.y : std::hypot(p.x, p.y));
          }
        }
      }
      const double end = variant == 1 ? d.rail - d.bottom : d.radius;
      // The obliquity is rounded to 0.01 degree for the gnomon; the sun's
      // declination reaches 23.44 within a few thousandths.
      EXPECT_NEAR(deepest, end, 0.4) << variant << " " << s.name;
    }
  }
}

TEST(HabermelGeometry, AGivenGnomonIsKept) {
  config::DialParameters p = DialOf(2);
  p.habermelGnomon = 30;
  const HabermelDial d = BuildHabermelDial(SiteOf(47.25), p);
  EXPECT_FALSE(d.gnomonDerived);
  EXPECT_EQ(d.gnomon, 30);
}

TEST(HabermelOutput, PlotFilesHaveTheStandardHeaderPensAndTrailerAndNoNan) {
  for (int variant : {1, 2}) {
    for (double latitude : {47.25, -33.9, 0.0, 89.0, -89.0, 66.6}) {
      const HabermelDial d = BuildHabermelDial(SiteOf(latitude), DialOf(variant));
      for (int scale : {1, 25}) {
        output::HpglWriter w;
        w.SetPlotScale(scale);
        PlotHabermelDial(w, d, {});
        const std::string& t = w.Text();
        EXPECT_EQ(t.rfind(output::StandardHeaderText(scale), 0), 0u);
        EXPECT_TRUE(t.ends_with(";IW;IN;"));
        EXPECT_EQ(t.find("nan"), std::string::npos) << variant << " " << latitude;
        EXPECT_EQ(t.find("inf"), std::string::npos) << variant << " " << latitude;
        EXPECT_EQ(t.find('\n'), std::string::npos);
      }
    }
  }
}

}  // namespace
}  // namespace kelvra::dials::habermel
