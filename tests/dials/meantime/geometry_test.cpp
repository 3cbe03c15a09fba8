// The mean-time cone dial against the sun: from every plotted point of the
// hour lines and date lines the test finds, by its own construction, the rim
// point of the cone whose tangent plane through the apex holds the point,
// takes the direction from the point to that rim point as the sun the cone
// implies, and compares it with the core's sun at that date and mean time. The
// edge it used must be the one the dial's note names for the date (leading
// from 20.06. to 30.08. and from 20.12. to 12.04., else trailing).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "config/dial_parameters.h"
#include "dials/meantime/meantime_geometry.h"
#include "recording_message_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::meantime {
namespace {

using astro::CosDeg;
using astro::SinDeg;

struct V {
  double x, y, z;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V operator*(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V Cross(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V Unit(V a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }
double AngleDeg(V a, V b) {
  return astro::Degrees(std::atan2(std::sqrt(Dot(Cross(a, b), Cross(a, b))), Dot(a, b)));
}

// The face's axes by rotations of the horizontal frame (x east, y north,
// normal up): tilt about the east axis by the inclination (normal toward
// south), then turn about the vertical so that the normal looks to azimuth D
// (from south, west positive).
struct Frame {
  V x, y, n;
};
V TurnAboutVertical(V v, double angle) {  // counter-clockwise seen from above
  return {v.x * CosDeg(angle) - v.y * SinDeg(angle), v.x * SinDeg(angle) + v.y * CosDeg(angle), v.z};
}
Frame FaceFrame(double D, double inclination) {
  auto tilt = [&](V v) {
    return V{v.x, v.y * CosDeg(inclination) - v.z * SinDeg(inclination),
             v.y * SinDeg(inclination) + v.z * CosDeg(inclination)};
  };
  return {TurnAboutVertical(tilt({1, 0, 0}), -D), TurnAboutVertical(tilt({0, 1, 0}), -D),
          TurnAboutVertical(tilt({0, 0, 1}), -D)};
}

// Toward the sun: altitude h, azimuth A from south toward west.
V Sky(double h, double A) {
  return {-CosDeg(h) * SinDeg(A), -CosDeg(h) * CosDeg(A), SinDeg(h)};
}

bool LeadingByTheNote(int month, int day) {
  const int md = 100 * month + day;
  return (md >= 620 && md <= 830) || md >= 1220 || md <= 412;
}

struct Case {
  const char* name;
  double latitude, longitude, zoneMeridian;
  int plane;
  double declination, inclination, axisInclination, halfAngle;
  bool zoneTime;
};

// Sites: Tübingen-like 47.25 N, Sydney-like 33.9 S; axes to the visible pole
// (a negative latitude is stored + 180) and tilted off it.
const Case kCases[] = {
    {"north_horizontal_polar_axis", 47.25, -9.06, -15, 0, 0, 0, 47.25, 12, false},
    {"north_vertical_declining_zone_time", 47.25, -9.06, -15, 1, -11.7, 90, 47.25, 12, true},
    {"north_inclining_tilted_axis", 52.0, 1.5, 0, 2, 25, 60, 40.0, 8, false},
    {"north_horizontal_wide_cone", 40.0, 3.7, 0, 0, 0, 0, 60.0, 25, true},
    {"south_horizontal_polar_axis", -33.9, -151.2, -150, 0, 0, 0, -33.9 + 180, 12, false},
    {"south_vertical_north_wall", -33.9, -151.2, -150, 1, 180, 90, -33.9 + 180, 10, true},
};

class MeanTimePhysics : public ::testing::TestWithParam<Case> {};

TEST_P(MeanTimePhysics, EveryPointIsTheShadowEndOfTheNotedEdgeAtMeanTime) {
  const Case& c = GetParam();
  shell::SiteSettings site;
  site.latitude = c.latitude;
  site.longitude = c.longitude;
  site.zoneMeridian = c.zoneMeridian;
  site.year = 2021;
  config::DialParameters dial;
  dial.kind = 'm';
  dial.dialPlane = c.plane;
  dial.wallDeclination = c.declination;
  dial.inclination = c.inclination;
  dial.axisInclination = c.axisInclination;
  dial.coneHalfAngle = c.halfAngle;
  dial.gnomonHeight = 40;
  dial.zoneTime = c.zoneTime;
  dial.otherHoursFrom = 8;
  dial.otherHoursTo = 16;
  dial.otherHourInterval = 1;  // 30 min
  dial.dateLineMode = 2;
  testing::RecordingMessageSink messages;
  const MeanTimeDial d = BuildMeanTimeDial(site, dial, 1.0, messages);
  ASSERT_FALSE(d.refused) << c.name;
  ASSERT_TRUE(messages.shown.empty());

  const Frame f = FaceFrame(c.declination, c.plane == 0 ? 0 : (c.plane == 1 ? 90 : c.inclination));
  V u{0, CosDeg(c.axisInclination), SinDeg(c.axisInclination)};
  if (Dot(u, f.n) < 0) u = -1.0 * u;
  const double L = 40, ta = std::tan(astro::Radians(c.halfAngle));
  const V e1 = Unit(Cross(u, std::abs(u.x) < 0.9 ? V{1, 0, 0} : V{0, 1, 0}));
  const V e2 = Cross(u, e1);
  const V pole{0, CosDeg(c.latitude), SinDeg(c.latitude)};
  const double timeLongitude = c.zoneTime ? c.longitude : c.zoneMeridian;

  int checked = 0;
  double worst = 0;
  // The sun the cone implies at face point (x, y) compared with the core's sun
  // of day n at mean time t.
  auto check = [&](const FacePoint& p, int n, double t) {
    const V X = p.x * f.x + p.y * f.y;
    const double A = Dot(e1, X), B = Dot(e2, X);
    const double k = ta * Dot(u, X) / std::sqrt(A * A + B * B);
    ASSERT_LE(std::abs(k), 1.0 + 1e-9);
    const astro::SunPosition core = astro::SunPositionAtClockTime(
        site.year, n, t, c.latitude, timeLongitude, c.zoneMeridian, true);
    const V sun = Sky(core.altitude, core.azimuth);
    double best = 180;
    bool leading = false;
    for (double sign : {1.0, -1.0}) {
      const double beta = std::atan2(B, A) + sign * std::acos(std::clamp(k, -1.0, 1.0));
      const V w = std::cos(beta) * e1 + std::sin(beta) * e2;
      const V rim = L * u + (L * ta) * w;
      const V implied = Unit(rim - X);
      const double off = AngleDeg(implied, sun);
      if (off < best) {
        best = off;
        const V normal = (-std::sin(std::atan(ta))) * u + std::cos(std::atan(ta)) * w;
        leading = Dot(normal, Cross(implied, pole)) < 0;  // outside ahead of the shadow
      }
    }
    worst = std::max(worst, best);
    EXPECT_LT(best, 0.01) << c.name << " day " << n << " t " << t;
    int month = 12, day = 31;
    const int days = astro::IsLeapYear(site.year) ? 366 : 365;
    if (n <= days) {
      int left = n;
      month = 1;
      while (left > astro::DaysInMonth(site.year, month)) left -= astro::DaysInMonth(site.year, month++);
      day = left;
    }
    EXPECT_EQ(leading, LeadingByTheNote(month, day)) << c.name << " " << day << "." << month;
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
  EXPECT_GT(checked, 1000) << c.name;
  RecordProperty("worst_degrees", std::to_string(worst));
}

INSTANTIATE_TEST_SUITE_P(Sites, MeanTimePhysics, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MeanTimeCone, ACaseThatReachesBehindTheFaceIsRefusedWithItsAngles) {
  shell::SiteSettings site;
  config::DialParameters dial;
  dial.dialPlane = 0;
  dial.axisInclination = 5;  // almost lying on the horizontal face
  dial.coneHalfAngle = 12;
  testing::RecordingMessageSink messages;
  const MeanTimeDial d = BuildMeanTimeDial(site, dial, 1.0, messages);
  EXPECT_TRUE(d.refused);
  EXPECT_TRUE(d.hourLines.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("85.00"), std::string::npos) << messages.shown[0].text;
  EXPECT_NE(messages.shown[0].text.find("78.00"), std::string::npos) << messages.shown[0].text;
}

// The cone's own numbers: the unrolled cone is a sector whose arc is the
// rim's circumference.
TEST(MeanTimeCone, UnrolledSectorArcEqualsTheRimCircumference) {
  for (double alpha : {1.0, 12.0, 30.0, 60.0, 85.0}) {
    Cone cone;
    cone.length = 50;
    cone.halfAngle = alpha;
    const double arc = cone.SlantLength() * astro::Radians(cone.SectorAngle());
    EXPECT_NEAR(arc, 2 * astro::kPi * cone.RimRadius(), 1e-9) << alpha;
  }
}

}  // namespace
}  // namespace kelvra::dials::meantime
