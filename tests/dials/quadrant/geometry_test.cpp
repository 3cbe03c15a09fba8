// The quadrant read as an instrument: a point of an hour curve is read back
// the way a user reads the quadrant (its angle from the vertical edge is the
// sun's altitude, its radius the date or declination), and the sun so read
// must be the sun of that hour, by an independent spherical-triangle formula.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "dials/quadrant/quadrant_geometry.h"
#include "dials/quadrant/quadrant_renderer.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::dials::quadrant {
namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d) { return d * kPi / 180; }
double Deg(double r) { return r * 180 / kPi; }

shell::SiteSettings Site(double latitude, double longitude = -9.59, double zone = -15) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = longitude;
  s.zoneMeridian = zone;
  s.year = 2020;
  return s;
}

config::DialParameters Quad(int scale, bool wholeYear = false) {
  config::DialParameters p;
  p.kind = 'q';
  p.quadrantDateScale = scale;
  p.wholeYear = wholeYear;
  p.otherHoursFrom = 6;
  p.otherHoursTo = 18;
  p.quadrantAzimuthLines = true;
  return p;
}

// The altitude of a sun at declination d and hour angle h seen from latitude p.
double Altitude(double p, double d, double h) {
  return Deg(std::asin(std::sin(Rad(p)) * std::sin(Rad(d)) +
                      std::cos(Rad(p)) * std::cos(Rad(d)) * std::cos(Rad(h))));
}

// What a user reads off a point: the altitude (angle from the vertical edge).
double AltitudeRead(const QPoint& q) { return Deg(std::atan2(q.x, q.y)); }
double RadiusRead(const QPoint& q) { return std::hypot(q.x, q.y); }

struct Site_ {
  const char* name;
  double latitude;
};
const Site_ kSites[] = {{"Munich-like 47.25 N", 47.25}, {"Cape Town-like 33.9 S", -33.9},
                        {"Trondheim-like 63.4 N", 63.4}, {"Ushuaia-like 54.8 S", -54.8}};

// Calendar scale over the whole year, local apparent time: on the arc of day d
// (radius R/2 (1 + (d - 1) / (N - 1))) the hour curve of hour t stands at the
// sun's altitude at hour angle 15 (t - 12) with that instant's declination.
TEST(QuadrantPhysics, HourCurveCrossesTheDateArcAtTheSunsAltitude) {
  testing::RecordingMessageSink messages;
  for (const Site_& s : kSites) {
    for (bool zone : {false, true}) {
      shell::SiteSettings site = Site(s.latitude);
      config::DialParameters p = Quad(0, true);
      p.zoneTime = zone;
      p.altitudeWithEot = zone;
      const Quadrant q = BuildQuadrant(site, p, messages);
      ASSERT_FALSE(q.refused);
      const int days = astro::DayOfYear(2020, 12, 31);
      int checked = 0;
      for (const Panel& panel : q.panels) {
        for (const HourCurve& c : panel.curves) {
          for (const auto& run : c.runs) {
            for (const QPoint& pt : run) {
              // The day the radius stands for; only the traced days (not the
              // cut points at the edge) are read.
              const double day = 1 + (RadiusRead(pt) / (q.radius / 2) - 1) * (days - 1);
              if (std::fabs(day - std::round(day)) > 1e-6 || pt.x < 1e-9) continue;
              const int d = static_cast<int>(std::lround(day));
              const astro::SolarDay sun = astro::ComputeSolarDay(
                  2020, astro::DayArgumentForZoneTime(d, c.value, site.zoneMeridian));
              double h = 15 * (c.value - 12);
              if (zone) h += -(site.longitude - site.zoneMeridian) + sun.equationOfTime;
              EXPECT_NEAR(AltitudeRead(pt), Altitude(site.latitude, sun.declination, h), 1e-6)
                  << s.name << " zone " << zone << " hour " << c.value << " day " << d;
              ++checked;
            }
          }
        }
      }
      EXPECT_GT(checked, 300) << s.name;
    }
  }
}

// Declination and stereographic scales: the radius gives the declination
// (linear between the tropics, or l tan(45 + d/2)), the angle the altitude;
// that sun stands at the hour angle of the curve's hour.
TEST(QuadrantPhysics, DeclinationScalesGiveTheSunOfTheHour) {
  testing::RecordingMessageSink messages;
  for (const Site_& s : kSites) {
    for (int scale : {1, 2}) {
      for (bool juneOutside : {false, true}) {
        config::DialParameters p = Quad(scale);
        p.juneOutside = juneOutside;
        const Quadrant q = BuildQuadrant(Site(s.latitude), p, messages);
        const double eps = q.obliquity;
        auto declinationOf = [&](double r) {
          if (scale == 2) {
            const double l = (q.radius - 13) * std::tan(Rad(45 - eps / 2));
            return 2 * (Deg(std::atan(r / l)) - 45);
          }
          const double share = r / (q.radius / 2) - 1;  // 0..1 across the scale
          return juneOutside ? eps - 2 * eps * share : 2 * eps * share - eps;
        };
        int checked = 0;
        for (const Panel& panel : q.panels) {
          for (const HourCurve& c : panel.curves) {
            for (const auto& run : c.runs) {
              for (const QPoint& pt : run) {
                const double d = declinationOf(RadiusRead(pt));
                if (pt.x < 1e-9 || std::fabs(d) > eps - 0.05) continue;  // edge cuts, clamped ends
                EXPECT_NEAR(AltitudeRead(pt), Altitude(s.latitude, d, 15 * (c.value - 12)), 1e-6)
                    << s.name << " scale " << scale << " hour " << c.value;
                ++checked;
              }
            }
          }
        }
        EXPECT_GT(checked, 100) << s.name << " scale " << scale;
      }
    }
  }
}

// Temporal hours: the altitude and declination read give an hour angle H; the
// temporal hour is 6 - 6 |H| / A before noon (A the half day arc).
TEST(QuadrantPhysics, TemporalHourCurvesReadAsTheirTemporalHour) {
  testing::RecordingMessageSink messages;
  for (const Site_& s : kSites) {
    config::DialParameters p = Quad(1);
    p.altitudeTemporal = true;
    p.otherTemporalFrom = 1;
    p.otherTemporalTo = 6;
    p.otherTemporalInterval = 1;  // half hours
    const Quadrant q = BuildQuadrant(Site(s.latitude), p, messages);
    ASSERT_FALSE(q.refused) << s.name;
    const double eps = q.obliquity;
    int checked = 0;
    for (const HourCurve& c : q.panels.front().curves) {
      EXPECT_EQ(c.color, c.full ? 10 : 3);
      for (const auto& run : c.runs) {
        for (const QPoint& pt : run) {
          const double d = 2 * eps * (RadiusRead(pt) / (q.radius / 2) - 1) - eps;
          const double a = AltitudeRead(pt);
          if (pt.x < 1e-9 || std::fabs(d) > eps - 0.05 || c.value > 5.9) continue;
          const double pr = Rad(s.latitude), dr = Rad(d);
          const double H = Deg(std::acos((std::sin(Rad(a)) - std::sin(pr) * std::sin(dr)) /
                                         (std::cos(pr) * std::cos(dr))));
          const double A = Deg(std::acos(-std::tan(pr) * std::tan(dr)));
          EXPECT_NEAR(6 - 6 * H / A, c.value, 1e-5) << s.name << " d " << d;
          ++checked;
        }
      }
    }
    EXPECT_GT(checked, 50) << s.name;
  }
}

// An azimuth line point: the sun at the altitude and declination read has
// the line's azimuth (cos A = (sin p sin a - sin d) / (cos p cos a)).
TEST(QuadrantPhysics, AzimuthLinesGiveTheSunsAzimuth) {
  testing::RecordingMessageSink messages;
  for (const Site_& s : kSites) {
    const Quadrant q = BuildQuadrant(Site(s.latitude), Quad(1), messages);
    const double eps = q.obliquity;
    ASSERT_FALSE(q.panels.front().azimuthLines.empty());
    for (const AzimuthLine& l : q.panels.front().azimuthLines) {
      for (const auto& run : l.runs) {
        for (const QPoint& pt : run) {
          const double d = 2 * eps * (RadiusRead(pt) / (q.radius / 2) - 1) - eps;
          if (pt.x < 1e-9 || std::fabs(d) > eps - 0.05) continue;
          const double a = Rad(AltitudeRead(pt)), pr = Rad(s.latitude);
          const double cosA =
              (std::sin(pr) * std::sin(a) - std::sin(Rad(d))) / (std::cos(pr) * std::cos(a));
          EXPECT_NEAR(Deg(std::acos(cosA)), l.azimuth, 1e-3) << s.name;
        }
      }
    }
  }
}

// Every point lies in the quadrant and is finite, for every scale and option.
TEST(QuadrantGeometry, EveryPointLiesInsideTheQuadrant) {
  testing::RecordingMessageSink messages;
  for (const Site_& s : kSites) {
    for (int scale : {0, 1, 2}) {
      for (bool option : {false, true}) {
        config::DialParameters p = Quad(scale, option);
        p.juneOutside = option;
        p.zoneTime = option;
        p.otherHourInterval = 4;
        const Quadrant q = BuildQuadrant(Site(s.latitude), p, messages);
        for (const Panel& panel : q.panels) {
          for (const HourCurve& c : panel.curves) {
            for (const auto& run : c.runs) {
              for (const QPoint& pt : run) {
                ASSERT_TRUE(std::isfinite(pt.x) && std::isfinite(pt.y));
                EXPECT_GE(pt.x, -1e-9);
                EXPECT_GE(pt.y, -1e-9);
                EXPECT_LE(RadiusRead(pt), q.radius + 1e-9);
              }
            }
          }
        }
      }
    }
  }
}

// Scale ends: the whole-year calendar from R/2 (1 January) to R (31
// December); Gunter's quadrant with the tropic of Cancer at R - 13 mm and the
// equator at (R - 13) tan(45 - eps/2).
TEST(QuadrantGeometry, ScaleEnds) {
  testing::RecordingMessageSink messages;
  const Quadrant year = BuildQuadrant(Site(47.25), Quad(0, true), messages);
  EXPECT_DOUBLE_EQ(CalendarRadius(year, 1, false), 75.0);
  EXPECT_DOUBLE_EQ(CalendarRadius(year, astro::DayOfYear(2020, 12, 31), false), 150.0);
  const Quadrant gunter = BuildQuadrant(Site(47.25), Quad(2), messages);
  EXPECT_NEAR(DeclinationRadius(gunter, gunter.obliquity), 137.0, 1e-9);
  EXPECT_NEAR(DeclinationRadius(gunter, 0), 137.0 * std::tan(Rad(45 - gunter.obliquity / 2)), 1e-9);
  EXPECT_FALSE(gunter.panels.front().bandRadii.empty());
}

// The noon rule with local apparent time: morning and afternoon coincide, the
// larger half is drawn, a tie draws the afternoon (12..last).
TEST(QuadrantGeometry, NoonRule) {
  struct Case {
    double from, to;
    bool apparent;
    double drawnFrom, drawnTo;
  };
  const Case cases[] = {
      {8, 16, true, 12, 16},   // a tie: the afternoon
      {7, 18, true, 12, 18},
      {9, 14, true, 9, 12},
      {6, 11, true, 6, 11},    // not across noon
      {8, 16, false, 8, 16},   // zone time: both halves differ
  };
  for (const Case& c : cases) {
    const HourRange r = NoonRule(c.from, c.to, c.apparent);
    EXPECT_EQ(r.from, c.drawnFrom) << c.from << ".." << c.to;
    EXPECT_EQ(r.to, c.drawnTo) << c.from << ".." << c.to;
    EXPECT_EQ(r.otherHalf.has_value(), c.apparent && c.from < 12 && 12 < c.to);
  }
}

// Temporal hours above 65 degrees are refused with the message; the canvas
// shows the refusal, the plot file holds no construction.
TEST(QuadrantGeometry, TemporalHoursAbove65DegreesAreRefused) {
  shell::SelectLanguage(false);
  for (double latitude : {65.0, -65.5, 66.0}) {
    testing::RecordingMessageSink messages;
    config::DialParameters p = Quad(0);
    p.altitudeTemporal = true;
    const Quadrant q = BuildQuadrant(Site(latitude), p, messages);
    const bool refused = std::fabs(latitude) > 65;
    EXPECT_EQ(q.refused, refused) << latitude;
    EXPECT_EQ(messages.shown.size(), refused ? 1u : 0u);
    if (refused) {
      EXPECT_NE(messages.shown[0].text.find("Temporal hours are not possible in this latitude!"),
                std::string::npos);
      output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
      DrawQuadrant(sink, q, shell::ColorSet{});
      std::string all;
      for (const std::string& text : sink.Texts()) all += text + "\n";
      EXPECT_NE(all.find("QUADRANT SUNDIAL"), std::string::npos);
    }
  }
}

// The plot file: both half-years in two quadrants; every number finite.
TEST(QuadrantPlot, TwoHalfYearsSideBySide) {
  testing::RecordingMessageSink messages;
  for (bool mirrored : {false, true}) {
    config::DialParameters p = Quad(0);
    p.quadrantMirrored = mirrored;
    const Quadrant q = BuildQuadrant(Site(47.25), p, messages);
    ASSERT_EQ(q.panels.size(), 2u);
    output::HpglWriter w;
    PlotQuadrant(w, q);
    const std::string& t = w.Text();
    EXPECT_EQ(t.rfind("IN;", 0), 0u);
    EXPECT_NE(t.find(" 21.6.-21.12., "), std::string::npos);
    EXPECT_NE(t.find(" 21.12.-21.6., "), std::string::npos);
    EXPECT_EQ(t.find("nan"), std::string::npos);
    EXPECT_EQ(t.find("inf"), std::string::npos);
  }
  const Quadrant gunter = BuildQuadrant(Site(47.25), Quad(2), messages);
  output::HpglWriter w;
  PlotQuadrant(w, gunter);
  EXPECT_NE(w.Text().find("Gunter - Quadrant"), std::string::npos);
  EXPECT_NE(w.Text().find("(21.Jun -)"), std::string::npos);
}

}  // namespace
}  // namespace kelvra::dials::quadrant
