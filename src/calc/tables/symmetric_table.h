// The symmetric equation-of-time table: the equation of time of each ecliptic
// longitude L1 beside that of the longitude L2 mirrored about the solstice
// (L1 + L2 = 180 degrees), with the split of their difference into a
// symmetric part and the rest, from EquationOfTimeByLongitude.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kelvra::calc {

// The numbers of values per year the table offers.
inline constexpr std::array<int, 6> kSymmetricValueCounts = {72, 120, 144, 180, 240, 288};
bool IsSymmetricValueCount(int n);

// The lines for n values per year (one of kSymmetricValueCounts) and `year`:
// a blank line, the title, the line naming L, the column head, then the rows
// i = n/4 .. 3n/4 (n/4 in whole numbers) with a line of two blanks after every
// sixth; `separator` stands between the columns ('/' shown, ';' in a CSV file).
std::vector<std::string> BuildSymmetricTable(int n, int year, char separator, int language);

}  // namespace kelvra::calc
