// Number formatting and the checks of numeric edit fields.
//
// Every number the program writes into a field, listing or file and every
// number it reads from a field goes through these functions, so the rules are
// the same everywhere and never depend on the locale: the point is the decimal
// separator, a comma typed by the user counts as a point.
#pragma once

#include <string>
#include <string_view>

namespace kelvra::shell {

// x rounded to `decimals` decimals (half away from zero), right-aligned in
// `width` characters and longer when the number needs more. A negative zero
// result is written without its sign ("0.00", not "-0.00").
// width < decimals (or decimals < 0) shows "Fehler bei Umwandlung in String!"
// (Error caption) and returns "".
// Examples: (10, 6, 47.251315) -> " 47.251315"; (6, 2, 35) -> " 35.00";
// (5, 2, 0.125) -> " 0.13"; (5, 2, -0.125) -> "-0.13".
std::string FormatReal(int width, int decimals, double x);

// -1, 0 or +1.
int SignOf(double x);

// x rounded to a whole number (half away from zero), limited to
// -217000000..+217000000, as text without blanks. NaN gives "0".
std::string IntegerText(double x);

}  // namespace kelvra::shell
