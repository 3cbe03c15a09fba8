#include "shell/day_month.h"

#include "astro/calendar.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/astro.h"

namespace kelvra::shell {
namespace {

constexpr int kMessageErrorInDate = 57;  // table B: "Datum fehlerhaft!"

std::string Month(int month, int language) {
  return std::string(TextCatalog::Builtin().Lookup('M', month, language));
}

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

}  // namespace

std::string DayNumberToTextForYear(int n, int year, int language) {
  int month = 1;
  for (int m = 2; m <= 12; ++m) {
    if (astro::DayOfYear(year, m, 1) <= n) month = m;
  }
  const int day = n - astro::DayOfYear(year, month, 1) + 1;
  return std::to_string(day) + ". " + Month(month, language);
}

std::string DayNumberToText(int n) {
  return DayNumberToTextForYear(n, State().site.year, CurrentLanguage());
}

DayMonth ParseDayMonthForYear(std::string_view text, int year, int language, bool showError) {
  DayMonth result;
  const auto date = astro::ReadDayMonth(text, year);
  if (!date) {
    if (showError) {
      ShowMessage(MessageKind::Error, GetRawIn(texts::astro::kErrorInInput, language));
    }
    return result;
  }
  result.valid = true;
  result.displayText = TwoDigits(date->day) + ". " + Month(date->month, language);
  result.normalForm = TwoDigits(date->day) + "/" + TwoDigits(date->month);
  result.key = date->day + 100 * date->month;
  return result;
}

DayMonth ParseDayMonth(std::string_view text, bool showError) {
  return ParseDayMonthForYear(text, State().site.year, CurrentLanguage(), showError);
}

DayMonth CheckDayMonth(std::string_view text) {
  DayMonth result = ParseDayMonth(text, false);
  if (!result.valid) {
    ShowMessage(MessageKind::Error, std::string(text) + ": " + MessageB(kMessageErrorInDate));
  }
  return result;
}

}  // namespace kelvra::shell
