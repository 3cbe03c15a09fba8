#include "calc/tables/symmetric_table.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/solar_ephemeris.h"
#include "calc/tables/eot_by_longitude.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/tables.h"

namespace kelvra::calc {
namespace {

using shell::FormatReal;
namespace tt = texts::tables;

std::string Text(texts::TextId id, int language) { return shell::GetRawIn(id, language); }

std::string LeftPadded(std::string s, std::size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

// Half away from zero, as every rounding of the tables.
long long Round(double x) { return std::llround(x); }

}  // namespace

bool IsSymmetricValueCount(int n) {
  return std::find(kSymmetricValueCounts.begin(), kSymmetricValueCounts.end(), n) !=
         kSymmetricValueCounts.end();
}

std::vector<std::string> BuildSymmetricTable(int n, int year, char separator, int language) {
  const std::string s(1, separator);
  const std::vector<astro::EotByLongitudeRow> rows = astro::EquationOfTimeByLongitude(n, year);
  std::vector<std::string> lines;
  lines.push_back(" ");
  lines.push_back(Text(tt::kSymmetricTitle, language) + "\"" +
                  Text(tt::kSymmetricApproximation, language) + "\"" +
                  Text(tt::kSymmetricForYear, language) + std::to_string(year));
  lines.push_back(Text(tt::kSymmetricComputedFor, language) + " (" + std::to_string(n / 2) +
                  Text(tt::kSymmetricLines, language));
  lines.push_back("    L1" + s + " L2  " + "    " + s + " dekl " + s + "      EoT1  " + s +
                  "    EoT2     " + s + s + "    Et1_s " + s + "  Et2_s  " + s + " Error[sec]");
  const int quarter = n / 4;
  int written = 0;
  for (int i = quarter; i <= quarter + 2 * quarter; ++i) {
    int k = n / 2 - i;
    if (k < 0) k += n;
    const astro::EotByLongitudeRow& r1 = rows[static_cast<std::size_t>(i)];
    const astro::EotByLongitudeRow& r2 = rows[static_cast<std::size_t>(k)];
    const int e1 = r1.eotSeconds;
    const int e2 = r2.eotSeconds;
    const int half = static_cast<int>(Round(std::abs(e1 - e2) / 2.0));
    const int et1 = e1 > e2 ? half : -half;
    const long long error = std::llabs(Round((e1 + e2) / 2.0));
    const EotByLongitudeTexts t1 = EotByLongitudeRowTexts(r1);
    const EotByLongitudeTexts t2 = EotByLongitudeRowTexts(r2);
    lines.push_back(LeftPadded(FormatReal(4, 1, 360.0 * i / n), 6) + s +
                    LeftPadded(FormatReal(4, 1, 360.0 * k / n), 6) + "  " + " " + s +
                    FormatReal(6, 2, r1.declination) + s + "   " + LeftPadded(t1.minutesText, 7) +
                    "  " + s + " " + LeftPadded(t2.minutesText, 7) + "     " + s + s + "   " +
                    shell::FormatSecondsAsMinutes(et1) + " " + s + " " +
                    shell::FormatSecondsAsMinutes(-et1) + "  " + s + " " +
                    FormatReal(6, 0, static_cast<double>(error)) + "   Vgl. " + t1.controlText +
                    "  " + t1.eotText);
    if (++written % 6 == 0) lines.push_back("  ");
  }
  return lines;
}

}  // namespace kelvra::calc
