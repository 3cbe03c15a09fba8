#include "astro/azimuth_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "support/recording_message_sink.h"

namespace kelvra::astro {
namespace {

constexpr double kLat = 47.251315, kLon = -9.590825, kZone = -15;

TEST(AzimuthTimeTest, ReachesTheAzimuthAskedFor) {
  testing::RecordingMessageSink sink;
  const int n = DayOfYear(2020, 6, 21);
  for (double az : {-120.0, -90.0, -30.0, 0.0, 45.0, 90.0, 120.0}) {
    const AzimuthTimeResult r = TimeForAzimuth(az, 2020, n, kLat, kLon, kZone);
    ASSERT_TRUE(r.solved) << az;
    EXPECT_TRUE(r.reached);
    const SunPosition s = SunPositionAtClockTime(2020, n, r.time, kLat, kLon, kZone, true);
    EXPECT_NEAR(s.azimuth, az, 0.01) << az;
    EXPECT_NEAR(s.altitude, r.altitude, 1e-9);
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST(AzimuthTimeTest, AzimuthZeroIsTrueNoon) {
  testing::RecordingMessageSink sink;
  auto& state = shell::State();
  state.general.today = {21, 6, 2020};
  state.site = shell::SiteSettings{};
  state.site.year = 2020;
  const AzimuthTimeResult r = TimeForAzimuth(0.0);
  ASSERT_TRUE(r.solved);
  EXPECT_NEAR(r.time, 12.0 + 23.0 / 60.0, 1.0 / 60.0);
  EXPECT_EQ(r.text.substr(0, 7), " 12:23:");
  EXPECT_EQ(r.text.substr(r.text.size() - 10), "  hh:mm:ss");
  EXPECT_EQ(r.text.size(), 19u);
  EXPECT_NEAR(r.altitude, 90 - kLat + 23.44, 0.01);
}

TEST(AzimuthTimeTest, MessagesWhenTheSunPassesNorthOfTheZenith) {
  testing::RecordingMessageSink sink;
  shell::SelectLanguage(false);
  // Latitude 10, June: declination 23.4 > latitude; azimuth 170 (north-west)
  // is not on the sun's path.
  const AzimuthTimeResult r = TimeForAzimuth(60, 2020, DayOfYear(2020, 6, 21), 10, 0, 0);
  shell::SelectLanguage(true);
  ASSERT_FALSE(sink.shown.empty());
  bool warned = false;
  for (const auto& m : sink.shown) {
    if (m.text.rfind("There does not always exist a solution, because\n", 0) == 0) warned = true;
  }
  EXPECT_TRUE(warned);
  if (r.solved && r.reached) {
    EXPECT_NEAR(SunPositionAtClockTime(2020, DayOfYear(2020, 6, 21), r.time, 10, 0, 0, true).azimuth,
                60, 0.01);
  }
}

TEST(AzimuthTimeTest, OutOfRangeAzimuthIsReported) {
  testing::RecordingMessageSink sink;
  // At latitude 10 in December the sun stays south of the east-west line, by
  // day and (below the horizon) by night: azimuth -150 is never reached.
  const AzimuthTimeResult r = TimeForAzimuth(-150, 2020, DayOfYear(2020, 12, 21), 10, 0, 0);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[0].text.rfind("Fehler: Az1=", 0), 0u) << sink.shown[0].text;
  EXPECT_NE(sink.shown[0].text.find(" Azimut= -150.00 Az2="), std::string::npos) << sink.shown[0].text;
  EXPECT_EQ(sink.shown.back().text, "Ein Fehler ist  aufgetreten. Das\nErgebnis ist eventuell falsch!");
  EXPECT_FALSE(r.reached);

  // With the sun north of the zenith at noon, south is reached by no one.
  sink.shown.clear();
  const AzimuthTimeResult none = TimeForAzimuth(0, 2020, DayOfYear(2020, 6, 21), 10, 0, 0);
  EXPECT_FALSE(none.solved);
  EXPECT_TRUE(none.text.empty());
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "Die Aufgabe kann nicht gelöst werden!");
  EXPECT_EQ(sink.shown[1].kind, shell::MessageKind::Error);
}

}  // namespace
}  // namespace kelvra::astro

namespace kelvra::astro {
namespace {

TEST(AzimuthTimeTest, EveryAzimuthOutsideTheTropics) {
  testing::RecordingMessageSink sink;
  for (double lat : {47.25, -30.0, 65.0, -60.0}) {
    for (int m : {3, 6, 9, 12}) {
      const int n = DayOfYear(2020, m, 21);
      for (double az = -175; az <= 175; az += 12.5) {
        const AzimuthTimeResult r = TimeForAzimuth(az, 2020, n, lat, -9.59, -15);
        ASSERT_TRUE(r.solved && r.reached) << lat << " " << m << " " << az;
        const SunPosition s = SunPositionAtClockTime(2020, n, r.time, lat, -9.59, -15, true);
        ASSERT_NEAR(std::remainder(s.azimuth - az, 360.0), 0.0, 0.01) << lat << " " << m << " " << az;
      }
    }
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST(AzimuthTimeTest, SunNorthOfTheZenithStillFoundWhereItPasses) {
  // Latitude 10 in June: the morning sun moves from about -114 (rising) to
  // -180 at noon; azimuth -150 is reached in the morning, after the warning.
  testing::RecordingMessageSink sink;
  const int n = DayOfYear(2020, 6, 21);
  const AzimuthTimeResult r = TimeForAzimuth(-150, 2020, n, 10, -9.59, -15);
  ASSERT_TRUE(r.solved && r.reached);
  EXPECT_NEAR(SunPositionAtClockTime(2020, n, r.time, 10, -9.59, -15, true).azimuth, -150, 0.01);
  EXPECT_GT(r.altitude, 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
}

}  // namespace
}  // namespace kelvra::astro
