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

namespace {

constexpr int kRowNotAReal = 4;
constexpr int kRowValueRange = 13;
constexpr int kRowEnterAgain = 14;
constexpr int kRowCorrectInputFirst = 15;

std::string_view TrimBlanks(std::string_view text) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string IntText(int v) {
  char buffer[16];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, r.ptr);
}

std::string IntegerRangeMessage(std::string_view fieldText, int min, int max,
                                std::string_view fieldName) {
  std::string text(fieldName);
  text += '=';
  text += fieldText;
  text += MessageB(kRowValueRange);
  text += " [";
  text += IntText(min);
  text += "..";
  text += IntText(max);
  text += "] !";
  return text;
}

// The integer checks share everything but the question at the end.
IntegerFieldCheck CheckInteger(std::string_view fieldText, int min, int max,
                               std::string_view fieldName, int value, bool ask) {
  IntegerFieldCheck result;
  result.value = value;
  if (TrimBlanks(fieldText).empty()) {
    result.fieldText = IntText(value);
    return result;
  }
  if (auto v = ParseInteger(fieldText); v && *v >= min && *v <= max) {
    result.value = *v;
    return result;
  }
  std::string message = IntegerRangeMessage(fieldText, min, max, fieldName);
  if (!ask) {
    ShowMessage(MessageKind::Problem, message, MessageButtons::OkCancel);
  } else {
    message += '\n';
    message += MessageB(kRowEnterAgain);
    if (ShowMessage(MessageKind::Problem, message, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
      // The user keeps the old value; the field shows it again.
      result.fieldText = IntText(value);
      return result;
    }
  }
  result.error = true;
  result.focusField = true;
  return result;
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  }
  int v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc{} || r.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<double> ParseReal(std::string_view text) {
  text = TrimBlanks(text);
  std::string s;
  s.reserve(text.size());
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') s += '-';
    ++i;
  }
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      s += c;
    } else if ((c == '.' || c == ',') && !point) {
      point = true;
      s += '.';
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  double v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
  if (r.ec != std::errc{} || r.ptr != s.data() + s.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

std::string FilterRealText(std::string_view text) {
  std::string filtered;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')
      filtered += c;
    else if (c == ',')
      filtered += '.';
  }
  return filtered;
}

IntegerFieldCheck ReadCheckedInteger(std::string_view fieldText, int min, int max,
                                     std::string_view fieldName, int value) {
  return CheckInteger(fieldText, min, max, fieldName, value, false);
}

IntegerFieldCheck ReadCheckedIntegerAsk(std::string_view fieldText, int min, int max,
                                        std::string_view fieldName, int value) {
  return CheckInteger(fieldText, min, max, fieldName, value, true);
}

RealFieldCheck ReadCheckedReal(std::string_view fieldText, double value,
                               std::string_view fieldName, double max, double min) {
  RealFieldCheck result;
  result.value = value;
  std::string filtered = FilterRealText(fieldText);
  auto v = ParseReal(filtered);
  if (!v) {
    ShowMessage(MessageKind::Problem, MessageB(kRowNotAReal));
    result.fieldText = FormatReal(8, 2, value);
    result.focusField = true;
    result.error = true;
    return result;
  }
  result.value = *v;
  if (*v > max || *v < min) {
    std::string message(fieldName);
    message += '=';
    message += filtered;
    message += '\n';
    message += MessageB(kRowValueRange);
    message += " [";
    message += FormatReal(8, 2, min);
    message += ", ...,";
    message += FormatReal(7, 1, max);
    message += "] !";
    ShowMessage(MessageKind::Problem, message);
    result.focusField = true;
    result.error = true;
  }
  return result;
}

RealFieldCheck ReadReal(std::string_view fieldText, double value) {
  RealFieldCheck result;
  result.value = value;
  if (TrimBlanks(fieldText).empty()) {
    result.fieldText = FormatReal(7, 2, value);
    return result;
  }
  auto v = ParseReal(fieldText);
  if (!v) {
    ShowMessage(MessageKind::Problem, MessageB(kRowNotAReal));
    result.fieldText = std::string();
    result.focusField = true;
    result.error = true;
    return result;
  }
  result.value = *v;
  return result;
}

void ShowCorrectInputFirst() {
  ShowMessage(MessageKind::Error, MessageB(kRowCorrectInputFirst));
}

namespace {

constexpr char32_t kEnterKey = U'\r';
constexpr char32_t kLineFeedKey = U'\n';

}  // namespace

FilteredKey IntegerKeyFilter(char32_t key) {
  if (key == kEnterKey || key == kLineFeedKey) return {KeyAction::NextField, '\0'};
  if (key == kBackspaceKey || (key >= U'0' && key <= U'9'))
    return {KeyAction::Pass, static_cast<char>(key)};
  return {KeyAction::Drop, '\0'};
}

FilteredKey RealKeyFilter(char32_t key) {
  if (key == U',') return {KeyAction::Pass, '.'};
  if (key == U'-' || key == U'.') return {KeyAction::Pass, static_cast<char>(key)};
  return IntegerKeyFilter(key);
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
