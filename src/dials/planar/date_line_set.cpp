#include "dials/planar/date_line_set.h"

#include <cctype>

#include "astro/calendar.h"
#include "shell/catalog.h"
#include "shell/messages.h"

namespace kelvra::dials::planar {

namespace {

// A one- or two-character field as a number; -1 when it is not one.
int FieldNumber(std::string_view text) {
  int value = 0;
  int digits = 0;
  for (char c : text) {
    if (c == ' ' && digits == 0) continue;
    if (c == ' ') break;
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    value = value * 10 + (c - '0');
    ++digits;
  }
  return digits == 0 ? -1 : value;
}

}  // namespace

DateLineSet BuildDateLineSet(int mode, const std::vector<std::string>& ownDateLines, int year,
                             const astro::ZodiacTable& zodiac, shell::MessageSink* messages) {
  DateLineSet set;
  set.mode = mode;
  auto add = [&](int day, int month, std::string label) {
    if (set.entries.size() >= kMaxDateLines) return;
    DateLineEntry e;
    e.day = astro::DayOfYear(year, month, day);
    e.label = std::move(label);
    set.entries.push_back(std::move(e));
  };
  switch (mode) {
    case 0: {
      static const int kDays[7] = {21, 22, 23, 22, 23, 22, 22};
      for (int k = 0; k < 7; ++k) {
        const int month = 6 + k;
        add(kDays[k], month, std::to_string(kDays[k]) + "." + std::to_string(month) + ".");
        set.entries.back().useDeclination = true;
        set.entries.back().declination = zodiac.declinations[static_cast<std::size_t>(6 * k)];
      }
      break;
    }
    case 1:
      add(22, 6, "22.6.");
      for (int month = 7; month <= 12; ++month) {
        add(7, month, " 7." + std::to_string(month) + ".");
        add(22, month, "22." + std::to_string(month) + ".");
      }
      break;
    case 2: {
      bool anyLine = false;
      for (const auto& line : ownDateLines) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        anyLine = true;
        const std::string dayText = line.substr(0, 2);
        const std::string monthText = line.size() > 3 ? line.substr(3, 2) : std::string();
        const int day = FieldNumber(dayText);
        const int month = FieldNumber(monthText);
        if (day < 1 || day > 31 || month < 1 || month > 12) {
          (messages ? *messages : shell::CurrentMessageSink())
              .Show(shell::MessageKind::Error, shell::MessageB(57) + " : " + line,
                    shell::MessageButtons::Ok);
          continue;
        }
        add(day, month, dayText + "." + monthText + ".");
      }
      if (!anyLine) {
        add(21, 6, "21.06.");
        add(23, 9, "23.09.");
        add(21, 12, "21.12.");
      }
      break;
    }
    default:
      set.mode = 3;
      break;
  }
  return set;
}

}  // namespace kelvra::dials::planar
