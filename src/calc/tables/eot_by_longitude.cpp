#include "calc/tables/eot_by_longitude.h"

#include "shell/number_format.h"
#include "shell/time_format.h"

namespace kelvra::calc {

using shell::FormatReal;

EotByLongitudeTexts EotByLongitudeRowTexts(const astro::EotByLongitudeRow& row) {
  return EotByLongitudeTexts{FormatReal(7, 1, row.controlSeconds),
                             FormatReal(7, 1, row.eotExactSeconds),
                             shell::FormatSecondsAsMinutes(row.eotSeconds)};
}

std::vector<std::string> EquationOfTimeByLongitudeLines(
    const std::vector<astro::EotByLongitudeRow>& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size() + 1);
  lines.push_back(" nr    lam   delta   EoT[s]  Eotsym   (" +
                  FormatReal(4, 0, static_cast<double>(rows.size())) + " Zeilen)");
  for (std::size_t g = 0; g < rows.size(); ++g) {
    const auto& r = rows[g];
    const EotByLongitudeTexts texts = EotByLongitudeRowTexts(r);
    lines.push_back(FormatReal(3, 0, static_cast<double>(g)) + "  " + FormatReal(5, 1, r.lambda) +
                    "  " + FormatReal(6, 2, r.declination) + "  " +
                    FormatReal(6, 0, r.eotSeconds) + "  " + FormatReal(6, 0, r.eotSym) +
                    " Vgl:" + texts.controlText + "  " + texts.eotText);
  }
  return lines;
}

const std::vector<astro::EotByLongitudeRow>& StartupEquationOfTimeTable() {
  static const std::vector<astro::EotByLongitudeRow> table =
      astro::EquationOfTimeByLongitude(288, 2022);
  return table;
}

}  // namespace kelvra::calc
