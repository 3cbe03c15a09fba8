#include "calc/tables/symmetric_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "calc/tables/table_export.h"
#include "table_test_support.h"

namespace kelvra::calc {
namespace {

using testing::MinutesSecondsToSeconds;

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> f;
  std::stringstream in(line);
  std::string x;
  while (std::getline(in, x, sep)) f.push_back(x);
  return f;
}

// Rows pair longitudes mirrored about the solstice (L1 + L2 = 180 modulo
// 360); taking the symmetric part off both equations of time leaves the same
// value (their mean) to a second.
TEST(SymmetricTable, PairsMirroredLongitudes) {
  for (const int n : kSymmetricValueCounts) {
    const auto lines = BuildSymmetricTable(n, 2022, '/', 1);
    int rows = 0;
    for (std::size_t i = 4; i < lines.size(); ++i) {
      if (lines[i] == "  ") continue;
      ++rows;
      const auto f = Split(lines[i], '/');
      ASSERT_EQ(f.size(), 9u) << lines[i];
      const double l1 = std::stod(f[0]);
      const double l2 = std::stod(f[1]);
      EXPECT_NEAR(std::fmod(l1 + l2 + 720.0, 360.0), 180.0, 0.1001) << lines[i];  // each to 0.1
      const int e1 = *MinutesSecondsToSeconds(f[3]);
      const int e2 = *MinutesSecondsToSeconds(f[4]);
      const int s1 = *MinutesSecondsToSeconds(f[6]);
      const int s2 = *MinutesSecondsToSeconds(f[7]);
      EXPECT_EQ(s1, -s2);
      EXPECT_LE(std::abs((e1 - s1) - (e2 - s2)), 1) << lines[i];
      EXPECT_NEAR(std::stod(f[8]), std::abs((e1 + e2) / 2.0), 0.51) << lines[i];
    }
    EXPECT_EQ(rows, 2 * (n / 4) + 1) << n;
  }
  const auto lines = BuildSymmetricTable(72, 2022, ';', 2);
  EXPECT_EQ(lines[1], "EoT and \"symmetrized approximation\" for the year 2022");
  EXPECT_EQ(lines[3], "    L1; L2      ; dekl ;      EoT1  ;    EoT2     ;;    Et1_s ;  Et2_s  ; Error[sec]");
  EXPECT_NE(SymmetricTableBytes(lines).find("\r\n    L1;"), std::string::npos);
  EXPECT_FALSE(IsSymmetricValueCount(100));
}

}  // namespace
}  // namespace kelvra::calc
