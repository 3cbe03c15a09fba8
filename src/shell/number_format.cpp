#include "shell/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "shell/catalog.h"
#include "shell/messages.h"

namespace kelvra::shell {
namespace {

// Number of binary digits after the point in the exact value of a finite x
// (0 for whole numbers). A double's exact decimal expansion has exactly as
// many decimals as it has binary fraction digits, the last one being 5.
int BinaryFractionDigits(double x) {
  if (x == 0.0 || !std::isfinite(x)) return 0;
  int exponent = 0;
  double mantissa = std::frexp(std::fabs(x), &exponent);  // in [0.5, 1)
  auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  int lowest = exponent - 53 + std::countr_zero(bits);  // value of lowest set bit = 2^lowest
  return lowest < 0 ? -lowest : 0;
}

// Adds one unit in the last digit to the decimal digits of `text`
// ("12.39" -> "12.40", "9.9" -> "10.0"); a leading "-" is kept.
void IncrementLastDigit(std::string& text) {
  std::size_t first = (!text.empty() && text[0] == '-') ? 1 : 0;
  for (std::size_t i = text.size(); i-- > first;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      return;
    }
    text[i] = '0';
  }
  text.insert(first, 1, '1');
}

bool AllZeroDigits(std::string_view text) {
  for (char c : text)
    if (c >= '1' && c <= '9') return false;
  return true;
}

}  // namespace

std::string FormatReal(int width, int decimals, double x) {
  if (width < decimals || decimals < 0) {
    ShowMessage(MessageKind::Error, MessageB(25));
    return {};
  }
  // Enough for the largest double in fixed notation with any sensible decimals.
  char buffer[420 + 64];
  std::string text;
  if (decimals > 64) decimals = 64;
  if (std::isfinite(x) && BinaryFractionDigits(x) == decimals + 1) {
    // An exact tie: the value has decimals + 1 exact digits ending in 5.
    // to_chars would round it to even; round away from zero instead.
    auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed,
                           decimals + 1);
    text.assign(buffer, r.ptr);
    text.pop_back();                             // the final 5
    if (decimals == 0) text.pop_back();          // the point
    IncrementLastDigit(text);
  } else {
    auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed,
                           decimals);
    text.assign(buffer, r.ptr);
  }
  if (!text.empty() && text[0] == '-' && std::isfinite(x) && AllZeroDigits(text))
    text.erase(0, 1);
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

int SignOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

std::string IntegerText(double x) {
  constexpr double kLimit = 217000000.0;
  if (std::isnan(x)) return "0";
  double r = std::round(x);  // half away from zero
  if (r > kLimit) r = kLimit;
  if (r < -kLimit) r = -kLimit;
  char buffer[24];
  auto res = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(r));
  return std::string(buffer, res.ptr);
}

}  // namespace kelvra::shell
