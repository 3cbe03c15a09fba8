// The Peaucellier dial read as an instrument: the pointer turns about the
// origin in the sun's azimuth, so the hour point of a date and hour must lie
// in the direction of the sun's azimuth then, from the noon direction. The
// sun's azimuth comes from an independent vector model of the sky.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "dials/peaucellier/peaucellier_geometry.h"
#include "dials/peaucellier/peaucellier_renderer.h"
#include "output/hpgl_writer.h"
#include "output/recording_plot_sink.h"
#include "recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::dials::peaucellier {
namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d) { return d * kPi / 180; }
double Deg(double r) { return r * 180 / kPi; }

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = 2020;
  return s;
}

config::DialParameters Dial(int interval = 0) {
  config::DialParameters p;
  p.kind = 'p';
  p.otherHourInterval = interval;
  return p;
}

// The sun's azimuth (degrees) from the noon direction toward the afternoon,
// for hour angle H (west positive) and declination d: the sun's direction as
// a vector (west, toward the equator-side horizon, up).
double AzimuthFromNoon(double latitude, double declination, double hourAngle) {
  const double p = Rad(latitude), d = Rad(declination), h = Rad(hourAngle);
  const double west = std::cos(d) * std::sin(h);
  const double south = std::sin(p) * std::cos(d) * std::cos(h) - std::cos(p) * std::sin(d);
  const double towardNoon = latitude >= 0 ? south : -south;
  return Deg(std::atan2(west, towardNoon));
}

struct SiteCase {
  const char* name;
  double latitude;
};
const SiteCase kSites[] = {{"47.25 N", 47.25}, {"35 S", -35}, {"62 N", 62}, {"58 S", -58}};

TEST(PeaucellierPhysics, HourPointsLieInTheSunsAzimuth) {
  testing::RecordingMessageSink messages;
  for (const SiteCase& s : kSites) {
    for (double k : {-0.8749, 0.5, 1.5}) {
      config::DialParameters p = Dial(2);
      p.peaucellierConstant = k;
      const PeaucellierDial d = BuildPeaucellierDial(Site(s.latitude), p, 1.0, messages);
      ASSERT_FALSE(d.refused);
      ASSERT_FALSE(d.hourLines.empty()) << s.name;
      const double season = s.latitude >= 0 ? 1 : -1;
      for (const HourLine& l : d.hourLines) {
        // Read the straight hour line on several date lines between its ends.
        for (double decl : {d.obliquity, 15.0, 0.0, -10.0, -d.obliquity}) {
          const double y = DateLineDistance(d.equinoxDistance, d.constant, decl);
          const double t = (y - l.summer.y) / (l.end.y - l.summer.y);
          if (!(t >= -1e-9 && t <= 1 + 1e-9)) continue;  // the sun is down then
          const double x = l.summer.x + t * (l.end.x - l.summer.x);
          const double sun = AzimuthFromNoon(s.latitude, season * decl, l.hourAngle);
          EXPECT_NEAR(Deg(std::atan2(y, x)), sun, 1e-9)
              << s.name << " k " << k << " H " << l.hourAngle << " d " << decl;
          // The morning side mirrors the afternoon: the sun at -H.
          EXPECT_NEAR(Deg(std::atan2(-y, x)),
                      AzimuthFromNoon(s.latitude, season * decl, -l.hourAngle), 1e-9);
        }
      }
      // A date line's ends: the sunrise end lies in the sun's azimuth at
      // sunrise (altitude 0), the other at 15 degrees before noon.
      for (const DateLine& l : d.dateLines) {
        const double sunDecl = season * l.declination;
        const double h0 = Deg(std::acos(-std::tan(Rad(s.latitude)) * std::tan(Rad(sunDecl))));
        EXPECT_NEAR(Deg(std::atan2(l.points[0].y, l.points[0].x)),
                    AzimuthFromNoon(s.latitude, sunDecl, h0), 1e-9) << s.name;
        EXPECT_NEAR(Deg(std::atan2(l.points[1].y, l.points[1].x)),
                    AzimuthFromNoon(s.latitude, sunDecl, 15), 1e-9) << s.name;
      }
    }
  }
}

// The date-line distances: with k = 0.5 the summer line at p / (1 + 0.5 tan
// eps), the winter line at p / (1 - 0.5 tan eps), the equinox line at p.
TEST(PeaucellierGeometry, DateLineDistances) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = Dial();
  p.peaucellierConstant = 0.5;
  const PeaucellierDial d = BuildPeaucellierDial(Site(47.25), p, 1.0, messages);
  ASSERT_EQ(d.dateLines.size(), 7u);
  const double eps = d.obliquity, e = 32;
  EXPECT_NEAR(d.dateLines[0].distance, e / (1 + 0.5 * std::tan(Rad(eps))), 1e-9);
  EXPECT_NEAR(d.dateLines[3].distance, e, 1e-12);
  EXPECT_NEAR(d.dateLines[6].distance, e / (1 - 0.5 * std::tan(Rad(eps))), 1e-9);
  EXPECT_EQ(d.dateLines[0].color, 7);
  EXPECT_EQ(d.dateLines[3].color, 6);
  EXPECT_EQ(d.dateLines[6].color, 2);
}

// Replacements and the zoom: k = 0 is -0.8749, e = 0 is 35; e x zoom rounded.
TEST(PeaucellierGeometry, DefaultsReplaceZeroAndTheZoomScalesTheDistance) {
  testing::RecordingMessageSink messages;
  struct Case {
    double k;
    int e;
    double zoom;
    double wantK;
    int wantE;
  };
  const Case cases[] = {{0, 0, 1, -0.8749, 35}, {0.3, 40, 1.5, 0.3, 60}, {-1, 33, 0.5, -1, 17}};
  for (const Case& c : cases) {
    config::DialParameters p = Dial();
    p.peaucellierConstant = c.k;
    p.peaucellierEquinoxDistance = c.e;
    const PeaucellierDial d = BuildPeaucellierDial(Site(47.25), p, c.zoom, messages);
    EXPECT_EQ(d.constant, c.wantK);
    EXPECT_EQ(d.equinoxDistance, c.wantE);
  }
}

// The latitude limit: 29 degrees is drawn, 28.9 is refused with the message,
// and the refused dial writes no construction.
TEST(PeaucellierGeometry, LatitudeLimit) {
  for (double latitude : {29.0, -29.0, 28.9, -28.9, 0.0}) {
    testing::RecordingMessageSink messages;
    const PeaucellierDial d = BuildPeaucellierDial(Site(latitude), Dial(), 1.0, messages);
    const bool refused = std::fabs(latitude) < 29;
    EXPECT_EQ(d.refused, refused) << latitude;
    EXPECT_EQ(messages.shown.size(), refused ? 1u : 0u) << latitude;
    if (refused) {
      EXPECT_NE(messages.shown[0].text.find("No constructions for latitudes"), std::string::npos);
    }
  }
}

// Above the polar circle: no date line without sunrise or with midnight sun,
// no hour angle of 180 degrees or more, nothing infinite in the plot file.
TEST(PeaucellierGeometry, AboveThePolarCircleEverythingStaysFinite) {
  for (double latitude : {66.0, 70.0, -75.0, 89.0}) {
    testing::RecordingMessageSink messages;
    const PeaucellierDial d = BuildPeaucellierDial(Site(latitude), Dial(4), 1.0, messages);
    for (const DateLine& l : d.dateLines) {
      const double h0 = SunriseHourAngle(latitude, l.declination);
      EXPECT_GT(h0, 15.0) << latitude;
      EXPECT_LT(h0, 180.0) << latitude;
      for (const DPoint& p : l.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
    EXPECT_LT(d.dateLines.size(), 7u) << latitude;  // the solstices are left out
    for (const HourLine& l : d.hourLines) {
      EXPECT_LT(l.hourAngle, 180.0);
      EXPECT_TRUE(std::isfinite(l.summer.x) && std::isfinite(l.end.x) && std::isfinite(l.end.y));
    }
    output::HpglWriter w;
    PlotPeaucellierDial(w, d, PlotPlacement{});
    EXPECT_EQ(w.Text().find("nan"), std::string::npos) << latitude;
    EXPECT_EQ(w.Text().find("inf"), std::string::npos) << latitude;
    output::RecordingPlotSink sink(output::SinkKind::Screen, 1400, 990);
    DrawPeaucellierDial(sink, d, CanvasPlacement{}, shell::ColorSet{});
  }
}

// Toward noon an hour point's distance from the origin grows as 1 / sin H;
// the lines of the last hour before noon end at the outermost date line
// (the farthest noon end of a date line) instead of running off the dial.
TEST(PeaucellierGeometry, LastHourLinesEndAtTheOutermostDateLine) {
  testing::RecordingMessageSink messages;
  for (const SiteCase& s : kSites) {
    for (int interval = 1; interval <= 4; ++interval) {
      const PeaucellierDial d = BuildPeaucellierDial(Site(s.latitude), Dial(interval), 1.0, messages);
      double outermost = 0;
      for (const DateLine& l : d.dateLines)
        for (const DPoint& p : l.points) outermost = std::max(outermost, std::fabs(p.x));
      ASSERT_GT(outermost, 0) << s.name;
      for (const auto& line : d.lastHour) {
        ASSERT_GE(line.size(), 2u);
        for (const DPoint& p : line)
          EXPECT_LE(std::fabs(p.x), outermost + 1e-9) << s.name << " interval " << interval;
      }
      for (const HourLine& l : d.hourLines) {
        EXPECT_LE(std::fabs(l.summer.x), outermost + 1e-9) << s.name;
        EXPECT_LE(std::fabs(l.end.x), outermost + 1e-9) << s.name;
      }
    }
  }
}

// Full hour labels: the clock hour on the morning side, the hours after noon
// on the afternoon side; both sides in the plot file.
TEST(PeaucellierPlot, HourNumbersAndLegend) {
  shell::SelectLanguage(false);
  testing::RecordingMessageSink messages;
  const PeaucellierDial d = BuildPeaucellierDial(Site(47.25), Dial(), 1.0, messages);
  output::HpglWriter w;
  PlotPeaucellierDial(w, d, PlotPlacement{});
  const std::string& t = w.Text();
  EXPECT_EQ(t.rfind("IN;", 0), 0u);
  EXPECT_NE(t.find("Hybrid Peaucellier Sundial, azimuthal"), std::string::npos);
  EXPECT_NE(t.find("Central distance of equinoctial date line =  32;  Peaucellier constant = -0.8749;"
                   "    Latitude =   47.25 N"),
            std::string::npos);
  EXPECT_NE(t.find("PU 5655 5240;CI 80 ,5"), std::string::npos);
  // 8 o'clock in the morning is 4 in the afternoon.
  bool eight = false;
  for (const HourLine& l : d.hourLines) eight = eight || (l.full && l.hour == 8);
  EXPECT_TRUE(eight);
}

}  // namespace
}  // namespace kelvra::dials::peaucellier
