#include "shell/day_month.h"

#include "astro/calendar.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/astro.h"
#include "texts/ui19.h"

namespace kelvra::shell {
namespace {

constexpr int kMessageErrorInDate = 57;  // table B: "Datum fehlerhaft!"

std::string Month(int month, int language) {
  return std::string(TextCatalog::Builtin().Lookup('M', month, language));
}

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

std::string FullMonth(int month, int language) {
  return GetRawIn(texts::ui19::kMonthNames[month - 1], language);
}

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

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

std::string OwnDateLineInLanguage(std::string_view line, int language) {
  const std::string unchanged(line);
  const auto dateEnd = line.find(' ');
  if (dateEnd == std::string_view::npos) return unchanged;
  // A leap year, so that 29/02 is read; the comment does not depend on it.
  const auto date = astro::ReadDayMonth(line.substr(0, dateEnd), 2000);
  if (!date) return unchanged;
  const auto open = line.find('(', dateEnd);
  const auto close = line.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open)
    return unchanged;
  const std::string_view comment = Trimmed(line.substr(open + 1, close - open - 1));
  // The program's four styles: day with or without a leading zero, the
  // month's full name or its abbreviation.
  auto style = [&](int s, int lang) {
    const std::string day = s % 2 ? TwoDigits(date->day) : std::to_string(date->day);
    return day + ". " + (s < 2 ? FullMonth(date->month, lang) : Month(date->month, lang));
  };
  for (int s = 0; s < 4; ++s) {
    for (int lang : {1, 2}) {
      if (comment != style(s, lang)) continue;
      const auto at = static_cast<std::size_t>(comment.data() - line.data());
      return std::string(line.substr(0, at)) + style(s, language) +
             std::string(line.substr(at + comment.size()));
    }
  }
  return unchanged;
}

}  // namespace kelvra::shell
