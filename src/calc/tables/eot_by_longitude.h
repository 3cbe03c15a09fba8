// The equation-of-time-by-longitude table as the tables window shows and
// prints it, and the table built at start-up (288 steps for 2022).
#pragma once

#include <string>
#include <vector>

#include "astro/solar_ephemeris.h"

namespace kelvra::calc {

// The texts of one row: the Kepler control value and the equation of time in
// seconds (width 7, 1 decimal), and the equation of time as minutes:seconds.
struct EotByLongitudeTexts {
  std::string controlText;
  std::string eotText;
  std::string minutesText;
};
EotByLongitudeTexts EotByLongitudeRowTexts(const astro::EotByLongitudeRow& row);

// The printed form: the heading " nr    lam   delta   EoT[s]  Eotsym   ( 289
// Zeilen)", then one line per row: number, longitude, declination, EoT and
// Eotsym in seconds, " Vgl:", the control value and the 0.1-second value.
std::vector<std::string> EquationOfTimeByLongitudeLines(
    const std::vector<astro::EotByLongitudeRow>& rows);

// The start-up table (n = 288, year 2022), built on first use.
const std::vector<astro::EotByLongitudeRow>& StartupEquationOfTimeTable();

}  // namespace kelvra::calc
