#include "calc/tables/eot_by_longitude.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/time_format.h"

namespace kelvra::calc {
namespace {

TEST(EotByLongitudeTest, RowTextsAndPrintedLines) {
  const auto rows = astro::EquationOfTimeByLongitude(288, 2022);
  for (const auto& r : rows) {
    const EotByLongitudeTexts t = EotByLongitudeRowTexts(r);
    // The texts hold the numbers to 0.1 s in 7 characters.
    ASSERT_EQ(t.controlText.size(), 7u);
    ASSERT_EQ(t.eotText.size(), 7u);
    EXPECT_NEAR(std::stod(t.controlText), r.controlSeconds, 0.05 + 1e-9) << r.lambda;
    EXPECT_NEAR(std::stod(t.eotText), r.eotExactSeconds, 0.05 + 1e-9) << r.lambda;
    EXPECT_EQ(t.minutesText, shell::FormatSecondsAsMinutes(r.eotSeconds));
  }
  const auto lines = EquationOfTimeByLongitudeLines(rows);
  ASSERT_EQ(lines.size(), 290u);
  EXPECT_EQ(lines[0], " nr    lam   delta   EoT[s]  Eotsym   ( 289 Zeilen)");
  EXPECT_EQ(lines[1].substr(0, 12), "  0    0.0  ");
  const EotByLongitudeTexts first = EotByLongitudeRowTexts(rows[0]);
  EXPECT_TRUE(lines[1].ends_with(" Vgl:" + first.controlText + "  " + first.eotText)) << lines[1];
  EXPECT_EQ(StartupEquationOfTimeTable().size(), 289u);
}

}  // namespace
}  // namespace kelvra::calc
