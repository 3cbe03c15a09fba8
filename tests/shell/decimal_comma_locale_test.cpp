// Numbers in and out must not follow the regional settings: under a German
// locale (decimal comma) every text stays the same.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

#include "astro/calendar.h"
#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "calc/calculator/sun_texts.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "support/recording_message_sink.h"

namespace kelvra::shell {
namespace {

// Sets the global C and C++ locale for the lifetime of the object.
class ScopedGlobalLocale {
 public:
  explicit ScopedGlobalLocale(const char* name)
      : previousCpp_(std::locale()), previousC_(std::setlocale(LC_ALL, nullptr)) {
    try {
      std::locale::global(std::locale(name));  // sets the C locale too
      ok_ = true;
    } catch (const std::runtime_error&) {
      ok_ = false;
    }
  }
  ~ScopedGlobalLocale() {
    std::locale::global(previousCpp_);
    std::setlocale(LC_ALL, previousC_.c_str());
  }
  bool ok() const { return ok_; }

 private:
  std::locale previousCpp_;
  std::string previousC_;
  bool ok_ = false;
};

TEST(DecimalCommaLocale, NumbersInAndOutUseThePoint) {
  ScopedGlobalLocale german("de_DE.UTF-8");
  ASSERT_TRUE(german.ok()) << "locale de_DE.UTF-8 missing: run scripts/setup";
  // The locale really writes a decimal comma, so the checks below mean something.
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.2f", 0.5);
  ASSERT_STREQ(probe, "0,50");
  std::ostringstream grouped;
  grouped << 1234567.5;
  ASSERT_NE(grouped.str(), "1.23457e+06");

  testing::RecordingMessageSink sink;
  EXPECT_EQ(FormatReal(10, 6, 47.251315), " 47.251315");
  EXPECT_EQ(FormatReal(6, 2, 35), " 35.00");
  EXPECT_EQ(FormatReal(5, 2, -0.125), "-0.13");
  EXPECT_EQ(FormatReal(12, 1, 1234567.25), "   1234567.3");
  EXPECT_EQ(IntegerText(1234567.0), "1234567");

  EXPECT_EQ(ReadCheckedReal("47,25", 0, "Breite", 90, -90).value, 47.25);
  EXPECT_EQ(ReadCheckedReal("47.25", 0, "Breite", 90, -90).value, 47.25);
  EXPECT_EQ(ReadCheckedReal("4 7.2 5", 0, "Breite", 90, -90).value, 47.25);
  EXPECT_EQ(ReadReal("-9.590825", 0).value, -9.590825);
  EXPECT_EQ(ReadCheckedInteger("2020", 1300, 2500, "Jahr", 0).value, 2020);

  auto bad = ReadCheckedReal("abc", 47.251315, "Breite", 90, -90);
  EXPECT_EQ(bad.fieldText, std::optional<std::string>("   47.25"));
  ReadCheckedReal("123,5", 0, "Breite", 90, -90.5);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "Breite=123.5\n Zulässiger Wertebereich ist [  -90.50, ...,   90.0] !");
}

TEST(DecimalCommaLocale, SunComputationTextsUseThePoint) {
  ScopedGlobalLocale german("de_DE.UTF-8");
  ASSERT_TRUE(german.ok()) << "locale de_DE.UTF-8 missing: run scripts/setup";

  // 1 January 2000: declination -23.03, equation of time -3:18.
  const astro::SolarDay day = astro::ComputeSolarDay(2000, 1.0);
  EXPECT_EQ(FormatReal(7, 2, day.declination), " -23.03");
  EXPECT_EQ(FormatMinutesSeconds(day.equationOfTime), " -3:18");

  // Sunrise and sunset on 21 June 2020 at the default site.
  const auto r = astro::RiseSetForDate(astro::RiseSetKind::Sun, 21, 6, 2020, 47.251315,
                                       -9.590825, -15.0);
  const auto texts = calc::FormatRiseSet(r, astro::RiseSetKind::Sun, 1);
  EXPECT_EQ(texts.rise, "  4:25");
  EXPECT_EQ(texts.set, " 20:21");

  // A sun position written and read back through a field.
  const int n = astro::DayOfYear(2020, 6, 21);
  const astro::SunPosition s =
      astro::SunPositionAtClockTime(2020, n, 12.0, 47.251315, -9.590825, -15.0, true);
  const std::string text = FormatReal(9, 4, s.altitude);
  EXPECT_EQ(text.find(','), std::string::npos) << text;
  EXPECT_NEAR(ReadReal(text, 0).value, s.altitude, 0.5e-4);
}

}  // namespace
}  // namespace kelvra::shell
