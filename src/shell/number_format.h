// Number formatting and the checks of numeric edit fields.
//
// Every number the program writes into a field, listing or file and every
// number it reads from a field goes through these functions, so the rules are
// the same everywhere and never depend on the locale: the point is the decimal
// separator, a comma typed by the user counts as a point.
#pragma once

#include <optional>
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

// ---- reading numbers ------------------------------------------------------

// A whole number written as digits with an optional sign, blanks around it
// allowed; nothing when the text is anything else or out of the int range.
std::optional<int> ParseInteger(std::string_view text);

// A real written as digits with an optional sign and an optional decimal point
// ("." or ","), blanks around it allowed: "47.25", "-.5", "3.", "+2,5".
// No exponent, no grouping; nothing for any other text or an overflow.
std::optional<double> ParseReal(std::string_view text);

// The filter ReadCheckedReal applies to a field's text: keeps "+", "-", "."
// and digits, turns "," into ".", drops everything else ("4 7,2 5" ->
// "47.25", "abc" -> "").
std::string FilterRealText(std::string_view text);

// ---- checks of edit fields ------------------------------------------------
//
// Each check is a pure function of the field's text and the value the field
// stands for; it shows its messages through ShowMessage and tells the dialog
// what to do. A dialog applies the result like this:
//   auto r = ReadCheckedReal(ed->text(), value, StripCaption(label), 90, -90);
//   value = r.value;
//   if (r.fieldText) ed->setText(*r.fieldText);
//   if (r.focusField) ed->setFocus();
//   fieldError = r.error;   // the dialog may not close while this is set

template <typename T>
struct FieldCheck {
  bool error = false;                    // the check failed
  T value{};                             // the value after the check
  bool focusField = false;               // the field must take the input focus
  std::optional<std::string> fieldText;  // text to write into the field, if any
};
using IntegerFieldCheck = FieldCheck<int>;
using RealFieldCheck = FieldCheck<double>;

// Empty field: the current value is written back, no error. A whole number
// within min..max is taken. Anything else shows
//   name "=" text " Zulässiger Wertebereich ist [" min ".." max "] !"
// (Problem caption, OK and Cancel); whichever button is pressed the value is
// kept, the error flag set and the field focused.
IntegerFieldCheck ReadCheckedInteger(std::string_view fieldText, int min, int max,
                                     std::string_view fieldName, int value);

// As ReadCheckedInteger, but the message ends with a line break and
// "     Nochmals eingeben?" and has Yes and No. Yes: error, focus the field.
// No: no error, the old value is kept and written back into the field.
IntegerFieldCheck ReadCheckedIntegerAsk(std::string_view fieldText, int min, int max,
                                        std::string_view fieldName, int value);

// The text is filtered (FilterRealText) and read as a real.
// Not a number (an empty field included): "Das ist keine reelle Zahl."
// (Problem caption); the old value is written back as FormatReal(8, 2), the
// field focused, the error flag set.
// A number is stored; outside min..max it shows
//   name "=" filtered text, line break, " Zulässiger Wertebereich ist ["
//   FormatReal(8, 2, min) ", ...," FormatReal(7, 1, max) "] !"
// (Problem caption), focuses the field and sets the error flag. The value out
// of range stays in `value`: callers that must keep the old value on error
// restore it themselves. Note the order of the bounds: max before min.
RealFieldCheck ReadCheckedReal(std::string_view fieldText, double value,
                               std::string_view fieldName, double max, double min);

// No range. Empty field: the value is written back as FormatReal(7, 2), no
// error. Not a real: "Das ist keine reelle Zahl." (Problem caption), the field
// is emptied and focused, error flag. Otherwise the value is stored. A comma
// is read as the decimal point.
RealFieldCheck ReadReal(std::string_view fieldText, double value);

// The dialogs' answer to leaving while a field check fails:
// "Bitte zuerst die fehlerhafte Eingabe korrigieren!" (Error caption).
void ShowCorrectInputFirst();

// ---- key filters of edit fields -------------------------------------------

enum class KeyAction {
  Pass,       // insert `key` into the field (or perform Backspace)
  Drop,       // ignore the key
  NextField,  // Enter: move the focus to the next field
};
struct FilteredKey {
  KeyAction action;
  char key;  // the character to insert when action is Pass
};

inline constexpr char32_t kBackspaceKey = U'\b';

// Integer fields: Backspace and digits pass, Enter moves on, the rest is dropped.
FilteredKey IntegerKeyFilter(char32_t key);
// Real fields: Backspace, "-", "." and digits pass, a "," passes as ".",
// Enter moves on, the rest is dropped.
FilteredKey RealKeyFilter(char32_t key);

}  // namespace kelvra::shell
