#include "shell/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/recording_message_sink.h"
#include "shell/catalog.h"

namespace kelvra::shell {
namespace {

using testing::RecordingMessageSink;

struct FormatCase {
  int width;
  int decimals;
  double x;
  const char* expected;
};

TEST(FormatReal, RoundsHalfAwayFromZeroAndPadsLeft) {
  const FormatCase cases[] = {
      {10, 6, 47.251315, " 47.251315"},
      {6, 2, 35.0, " 35.00"},
      {5, 2, 0.125, " 0.13"},     // exact tie: away from zero, not to even
      {5, 2, -0.125, "-0.13"},
      {2, 2, 0.375, "0.38"},
      {1, 1, 0.25, "0.3"},
      {1, 1, -0.25, "-0.3"},
      {0, 0, 0.5, "1"},
      {0, 0, 2.5, "3"},
      {0, 0, -2.5, "-3"},
      {0, 0, 1.5, "2"},
      {1, 1, 9.95, "9.9"},        // 9.95 is stored as 9.9499999..., no tie
      {1, 1, 99.75, "99.8"},
      {2, 2, 9.995, "9.99"},      // 9.99499999...
      {3, 3, 999.9995, "1000.000"},  // stored above the half, carries
      {1, 1, 9.75, "9.8"},
      {0, 0, 9.5, "10"},
      {0, 0, -99.5, "-100"},
      {2, 2, 1e-9, "0.00"},
      {2, 2, -0.001, "0.00"},     // no negative zero
      {0, 0, -0.4, "0"},
      {3, 1, 123.456, "123.5"},   // longer than the width when needed
      {8, 2, -15.0, "  -15.00"},
      {7, 1, 2500.0, " 2500.0"},
      {0, 0, 1e20, "100000000000000000000"},
      {4, 0, 0.0, "   0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatReal(c.width, c.decimals, c.x), c.expected)
        << "FormatReal(" << c.width << ", " << c.decimals << ", " << c.x << ")";
  }
}

TEST(FormatReal, WidthBelowDecimalsShowsConversionMessage) {
  RecordingMessageSink sink;
  SelectLanguage(true);
  EXPECT_EQ(FormatReal(4, 6, 47.25), "");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Fehler bei Umwandlung in String!");
  EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Fehler!");
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);

  SelectLanguage(false);
  EXPECT_EQ(FormatReal(0, 1, 3.0), "");  // width 0 < 1 decimal
  SelectLanguage(true);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].text, "Error in conversion into string!");
  EXPECT_EQ(sink.shown[1].caption, "KELVRA.EXE - Error!");
}

TEST(SignOf, ThreeWays) {
  EXPECT_EQ(SignOf(-1e-300), -1);
  EXPECT_EQ(SignOf(0.0), 0);
  EXPECT_EQ(SignOf(-0.0), 0);
  EXPECT_EQ(SignOf(2.5), 1);
}

TEST(IntegerText, RoundsAndLimits) {
  EXPECT_EQ(IntegerText(2.5), "3");
  EXPECT_EQ(IntegerText(-2.5), "-3");
  EXPECT_EQ(IntegerText(2.49), "2");
  EXPECT_EQ(IntegerText(-0.2), "0");
  EXPECT_EQ(IntegerText(1e12), "217000000");
  EXPECT_EQ(IntegerText(-1e12), "-217000000");
  EXPECT_EQ(IntegerText(std::numeric_limits<double>::infinity()), "217000000");
  EXPECT_EQ(IntegerText(std::nan("")), "0");
}

}  // namespace
}  // namespace kelvra::shell
