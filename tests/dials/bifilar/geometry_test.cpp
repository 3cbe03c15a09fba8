// The bifilar geometry checked by an independent vector model: the point the
// dial draws for a sun must be where the line toward that sun meets both
// threads, and the sun implied by every traced point must be the sun its line
// stands for (its hour angle on an hour line, its declination on a date line).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "astro/solar_ephemeris.h"
#include "dials/bifilar/bifilar_geometry.h"
#include "recording_message_sink.h"
#include "thread_model.h"

namespace kelvra::dials::bifilar {
namespace {

using testing::AngleDiff;
using testing::Line;
using testing::Vec;

struct ThreadSet {
  const char* name;
  std::array<config::ThreadPoint, 4> points;
  bool classic = false;
};

// Thread 1 always on x = 0 parallel to y; thread 2 at other heights, skewed,
// sloping (P3.z != P4.z as the command line allows), or the classical pair.
const ThreadSet kThreadSets[] = {
    {"default", {{{0, 50, 25}, {0, -50, 25}, {50, 0, 15}, {-50, 0, 15}}}},
    {"thread 2 higher", {{{0, 80, 20}, {0, -80, 20}, {60, 10, 45}, {-60, -10, 45}}}},
    {"skewed", {{{0, 50, 30}, {0, -50, 30}, {40, 30, 12}, {-70, -20, 12}}}},
    {"sloping thread 2", {{{0, 50, 25}, {0, -50, 25}, {50, 20, 10}, {-50, -5, 30}}}},
    {"thread 1 off centre", {{{0, 120, 40}, {0, 90, 40}, {30, 0, 18}, {-30, 0, 18}}}},
    {"classical", {{{0, 0, 25}, {0, 0, 25}, {50, 0, 0}, {-50, 0, 0}}}, true},
};

// Northern and southern latitudes, one above 60 degrees, one near the equator.
const double kLatitudes[] = {47.25, -33.9, 65.5, 5.0};

Threads ThreadsOf(const ThreadSet& set, double latitude) {
  Threads t;
  t.h1 = set.points[0].z;
  t.p3 = set.points[2];
  t.p4 = set.points[3];
  if (set.classic) t.p3.z = t.p4.z = set.points[0].z * std::fabs(std::sin(latitude * testing::kRad));
  return t;
}

Line Thread1(const Threads& t) { return {{0, 0, t.h1}, {0, 1, 0}}; }
Line Thread2(const Threads& t) {
  const Vec a{t.p3.x, t.p3.y, t.p3.z}, b{t.p4.x, t.p4.y, t.p4.z};
  return {a, b - a};
}

config::DialParameters DialOf(const ThreadSet& set) {
  config::DialParameters p;
  p.kind = 'f';
  for (std::size_t i = 0; i < 4; ++i) p.bifilarThreads[i] = set.points[i];
  p.michnikClassic = set.classic;
  p.hoursApparent = true;
  p.hoursFrom = 4;
  p.hoursTo = 20;
  p.hourInterval = 1;
  p.dateLineMode = 1;
  p.planarLocalTime = true;
  return p;
}

shell::SiteSettings Site(double latitude) {
  shell::SiteSettings s;
  s.latitude = latitude;
  s.longitude = -9.59;
  s.zoneMeridian = -15;
  s.year = 2020;
  return s;
}

// ---- ShadowCrossing -------------------------------------------------------------

TEST(BifilarGeometry, TheCrossingLiesOnTheShadowsOfBothThreads) {
  for (const ThreadSet& set : kThreadSets) {
    for (double phi : kLatitudes) {
      const Threads t = ThreadsOf(set, phi);
      if (set.classic && t.p3.z < 1) continue;  // thread 2 on the plate near the equator
      for (double d : {-23.44, -10.0, 0.0, 12.0, 23.44}) {
        for (double H = -150; H <= 150; H += 7.5) {
          const Vec s = testing::SunVector(phi, d, H);
          const double altitude = testing::AltitudeOf(s);
          if (altitude <= 1) continue;
          const Crossing c = ShadowCrossing(t, altitude, testing::AzimuthOf(s));
          const std::string what = std::string(set.name) + " lat " + std::to_string(phi) +
                                   " d " + std::to_string(d) + " H " + std::to_string(H);
          if (c.status == CrossingStatus::Parallel) continue;  // no crossing for this sun
          ASSERT_EQ(c.status, CrossingStatus::Ok) << what;
          // The ray from the point toward the sun meets both threads.
          const Line ray{{c.x, c.y, 0}, s};
          const double scale = 1 + std::hypot(c.x, c.y);
          EXPECT_LT(testing::LineDistance(ray, Thread1(t)), 1e-9 * scale) << what;
          EXPECT_LT(testing::LineDistance(ray, Thread2(t)), 1e-9 * scale) << what;
        }
      }
    }
  }
}

TEST(BifilarGeometry, NoCrossingForALowSunOrParallelShadows) {
  const Threads t = ThreadsOf(kThreadSets[0], 47.25);
  EXPECT_EQ(ShadowCrossing(t, 0.2, 30).status, CrossingStatus::SunTooLow);
  EXPECT_EQ(ShadowCrossing(t, -5, 30).status, CrossingStatus::SunTooLow);
  EXPECT_EQ(ShadowCrossing(t, 0.21, 30).status, CrossingStatus::Ok);
  // Thread 2 along y like thread 1: its shadow runs along y for every sun.
  Threads along = t;
  along.p3 = {20, 40, 15};
  along.p4 = {20, -40, 15};
  EXPECT_TRUE(ThreadsParallel(along));
  EXPECT_EQ(ShadowCrossing(along, 40, 25).status, CrossingStatus::Parallel);
  // Sloping in the plane x = 20: parallel only for a sun due south or north.
  along.p4.z = 35;
  EXPECT_FALSE(ThreadsParallel(along));
  EXPECT_EQ(ShadowCrossing(along, 40, 0).status, CrossingStatus::Parallel);
  EXPECT_EQ(ShadowCrossing(along, 40, 25).status, CrossingStatus::Ok);
}

// ---- the traced dial ------------------------------------------------------------

TEST(BifilarGeometry, EveryTracedPointImpliesTheSunOfItsLine) {
  testing::RecordingMessageSink messages;
  for (const ThreadSet& set : kThreadSets) {
    for (double phi : kLatitudes) {
      const shell::SiteSettings site = Site(phi);
      const BifilarDial dial = BuildBifilarDial(site, DialOf(set), {}, 1.0, messages);
      const std::string what = std::string(set.name) + " lat " + std::to_string(phi);
      ASSERT_FALSE(dial.parallel) << what;
      const Line t1 = Thread1(dial.threads), t2 = Thread2(dial.threads);
      const double eps = astro::ComputeZodiacDeclinations(2020).declinations[0];
      int hourPoints = 0, datePoints = 0;
      for (const Chain& c : dial.chains) {
        for (const PlatePoint* p = dial.Begin(c); p != dial.End(c); ++p) {
          const Vec s = testing::DirectionThroughBoth({p->x, p->y, 0}, t1, t2);
          const testing::Equatorial e = testing::EquatorialOf(phi, s);
          EXPECT_GT(testing::AltitudeOf(s), kLowestAltitude - 1e-9) << what;
          if (c.kind == LineKind::Hour) {
            ++hourPoints;
            ASSERT_NEAR(AngleDiff(e.hourAngle, c.value), 0, 1e-6) << what << " H " << c.value;
            EXPECT_LE(std::fabs(e.declination), eps + 1e-6) << what;
          } else {
            ++datePoints;
            ASSERT_NEAR(e.declination, c.value, 1e-6) << what;
          }
        }
      }
      EXPECT_GT(hourPoints, 500) << what;
      EXPECT_GT(datePoints, 500) << what;
    }
  }
}

// Michnik's dial: thread 2 across thread 1 at the height h1 sin(latitude)
// gives straight hour lines 15 degrees apart, meeting in one point (H.
// Michnik, "Theorie einer Bifilar-Sonnenuhr", Astronomische Nachrichten 217,
// 1923). In the south the height is h1 |sin latitude|: a thread at a negative
// height would lie under the plate.
TEST(BifilarGeometry, TheClassicalDialHasStraightHourLinesFifteenDegreesApart) {
  testing::RecordingMessageSink messages;
  for (double phi : {47.25, 30.0, -33.9, 65.5}) {
    config::DialParameters p = DialOf(kThreadSets[0]);
    p.michnikClassic = true;
    p.bifilarThreads = {{{0, 0, 25}, {0, 0, 25}, {50, 0, 99}, {-50, 0, 99}}};
    p.dateLineMode = 3;
    const BifilarDial dial = BuildBifilarDial(Site(phi), p, {}, 1.0, messages);
    const double z = 25 * std::fabs(std::sin(phi * testing::kRad));
    EXPECT_NEAR(dial.params.bifilarThreads[2].z, z, 1e-12);
    EXPECT_NEAR(dial.params.bifilarThreads[3].z, z, 1e-12);
    EXPECT_GT(dial.threads.p3.z, 0);
    ASSERT_TRUE(dial.pole.has_value()) << phi;
    for (const Chain& c : dial.chains) {
      if (c.kind != LineKind::Hour || c.count < 10) continue;
      const PlatePoint a = *dial.Begin(c), b = *(dial.End(c) - 1);
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
      for (const PlatePoint* q = dial.Begin(c); q != dial.End(c); ++q) {
        EXPECT_NEAR((q->x - a.x) * uy - (q->y - a.y) * ux, 0, 1e-7) << phi << " H " << c.value;
      }
      // The line passes the pole mark (declination 89.99, a hundredth of a
      // degree short of the pole: within 0.02 mm).
      EXPECT_NEAR((dial.pole->x - a.x) * uy - (dial.pole->y - a.y) * ux, 0, 0.02) << phi;
      // Its angle with the meridian (the y axis) is the hour angle.
      const double angle = std::atan2(std::fabs(ux), std::fabs(uy)) / testing::kRad;
      const double H = std::fabs(AngleDiff(c.value, 0));
      EXPECT_NEAR(angle, std::min(H, 180 - H), 1e-7) << phi << " H " << c.value;
    }
  }
  // At latitude 30 thread 2 hangs at half the height of thread 1.
  config::DialParameters p = DialOf(kThreadSets[0]);
  p.michnikClassic = true;
  const BifilarDial at30 = BuildBifilarDial(Site(30), p, {}, 1.0, messages);
  EXPECT_NEAR(at30.params.bifilarThreads[2].z, 12.5, 1e-12);
  EXPECT_NEAR(at30.params.bifilarThreads[3].z, 12.5, 1e-12);
}

// The hour lines: every hour from the first to the last, and between two
// hours the subdivisions of the interval code, never a copy of the next hour.
TEST(BifilarGeometry, HourLinesAreTheHoursAndTheirSubdivisions) {
  testing::RecordingMessageSink messages;
  struct Case {
    int code;
    int perHour;  // 60, 30, 20, 15, 10 minutes
  };
  for (const Case& k : {Case{0, 1}, Case{1, 2}, Case{2, 3}, Case{3, 4}, Case{4, 6}}) {
    for (bool local : {true, false}) {
      config::DialParameters p = DialOf(kThreadSets[0]);
      p.hoursFrom = 8;
      p.hoursTo = 11;
      p.hourInterval = k.code;
      p.planarLocalTime = local;
      const shell::SiteSettings site = Site(47.25);
      const BifilarDial dial = BuildBifilarDial(site, p, {}, 1.0, messages);
      const double shift = local ? 0 : site.longitude - site.zoneMeridian;
      std::set<long> want, full, got, gotFull;
      for (int h = 8; h <= 11; ++h) {
        for (int j = 0; j < k.perHour && (j == 0 || h < 11); ++j) {
          const long key = std::lround((15.0 * (h - 12) - shift + 15.0 * j / k.perHour) * 1000);
          want.insert(key);
          if (j == 0) full.insert(key);
        }
      }
      for (const Chain& c : dial.chains) {
        if (c.kind != LineKind::Hour) continue;
        got.insert(std::lround(c.value * 1000));
        if (c.fullHour) gotFull.insert(std::lround(c.value * 1000));
      }
      EXPECT_EQ(got, want) << "code " << k.code << " local " << local;
      EXPECT_EQ(gotFull, full) << "code " << k.code;
    }
  }
  EXPECT_EQ(LinesPerHour(4), 6);
  EXPECT_EQ(LinesPerHour(9), 1);
}

TEST(BifilarGeometry, DateLineModes) {
  testing::RecordingMessageSink messages;
  const astro::ZodiacTable z = astro::ComputeZodiacDeclinations(2020);
  struct Case {
    int mode;
    std::vector<std::string> own;
    std::vector<double> declinations;  // of the lines, in order
  };
  std::vector<double> seven, thirteen;
  for (int i = 0; i <= 36; i += 6) seven.push_back(z.declinations[static_cast<std::size_t>(i)]);
  for (int i = 0; i <= 36; i += 3) thirteen.push_back(z.declinations[static_cast<std::size_t>(i)]);
  // The user's dates: the declination of noon (zone time) of each day.
  auto noon = [](int day) {
    return astro::ComputeSolarDay(2020, astro::DayArgumentForZoneTime(day, 12, -15)).declination;
  };
  const std::vector<Case> cases = {
      {0, {}, seven},
      {1, {}, thirteen},
      {2, {"01/05    (  1. Mai )", "15/08    ( 15. Aug )"}, {noon(122), noon(228)}},
      {3, {}, {}},
  };
  for (const Case& c : cases) {
    config::DialParameters p = DialOf(kThreadSets[0]);
    p.dateLineMode = c.mode;
    const BifilarDial dial = BuildBifilarDial(Site(47.25), p, c.own, 1.0, messages);
    std::vector<double> lines;
    int equinox = -1;
    for (const Chain& ch : dial.chains) {
      if (ch.kind != LineKind::DateLine) continue;
      if (lines.empty() || lines.back() != ch.value) lines.push_back(ch.value);
      if (ch.equinox) equinox = static_cast<int>(lines.size()) - 1;
    }
    ASSERT_EQ(lines.size(), c.declinations.size()) << "mode " << c.mode;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_NEAR(lines[i], c.declinations[i], 1e-9) << "mode " << c.mode << " line " << i;
    }
    if (!lines.empty()) {
      EXPECT_EQ(equinox, static_cast<int>(lines.size()) / 2) << c.mode;
    }
    // Hour lines are there whatever the date lines.
    EXPECT_TRUE(std::any_of(dial.chains.begin(), dial.chains.end(),
                            [](const Chain& ch) { return ch.kind == LineKind::Hour; }));
  }
  // The middle of the zodiac lines is the equinox.
  EXPECT_EQ(thirteen[6], 0.0);
}

TEST(BifilarGeometry, ThreadOneOffItsPlaneIsCorrectedWithAWarning) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = DialOf(kThreadSets[0]);
  p.bifilarThreads[0] = {5, 50, 25};
  p.bifilarThreads[1] = {-3, -50, 31};
  const BifilarDial dial = BuildBifilarDial(Site(47.25), p, {}, 1.0, messages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Information);
  EXPECT_EQ(messages.shown[0].text, "First thread must lie within yz-plane parallel to y-axis!");
  EXPECT_TRUE(dial.thread1Corrected);
  EXPECT_EQ(dial.params.bifilarThreads[0].x, 0);
  EXPECT_EQ(dial.params.bifilarThreads[1].x, 0);
  EXPECT_EQ(dial.params.bifilarThreads[1].z, 25);
  EXPECT_FALSE(dial.chains.empty());

  messages.shown.clear();
  BuildBifilarDial(Site(47.25), DialOf(kThreadSets[0]), {}, 1.0, messages);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(BifilarGeometry, ParallelThreadsGiveAnErrorAndNoLines) {
  testing::RecordingMessageSink messages;
  config::DialParameters p = DialOf(kThreadSets[0]);
  p.bifilarThreads[2] = {30, 60, 15};
  p.bifilarThreads[3] = {30, -60, 15};
  const BifilarDial dial = BuildBifilarDial(Site(47.25), p, {}, 1.0, messages);
  EXPECT_TRUE(dial.parallel);
  EXPECT_TRUE(dial.chains.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, shell::MessageKind::Problem);
  EXPECT_EQ(messages.shown[0].text, "Both shadowcasting objects\nare parallel!\nPlease, correct it!");
}

// The zoom raises the threads; their plan positions stay.
TEST(BifilarGeometry, TheZoomRaisesTheThreads) {
  testing::RecordingMessageSink messages;
  const config::DialParameters p = DialOf(kThreadSets[2]);
  const BifilarDial dial = BuildBifilarDial(Site(47.25), p, {}, 2.0, messages);
  EXPECT_EQ(dial.threads.h1, 60);
  EXPECT_EQ(dial.threads.p3.z, 24);
  EXPECT_EQ(dial.threads.p3.x, 40);
  EXPECT_EQ(dial.threads.p4.y, -20);
}

}  // namespace
}  // namespace kelvra::dials::bifilar
