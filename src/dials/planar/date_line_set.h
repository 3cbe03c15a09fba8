// The date lines of a planar dial: which days (or declinations) are drawn and
// their labels.
#pragma once

#include <string>
#include <vector>

#include "astro/solar_ephemeris.h"
#include "shell/messages.h"

namespace kelvra::dials::planar {

struct DateLineEntry {
  int day = 0;               // day of the reference year
  std::string label;         // "21.6.", " 7.8.", "21.06." (at most 6 characters)
  bool useDeclination = false;  // zodiac mode: trace the declination below, not the day
  double declination = 0;    // degrees (zodiac mode)
};

struct DateLineSet {
  int mode = 0;  // 0 zodiac, 1 7th and 22nd, 2 the user's list, 3 none
  std::vector<DateLineEntry> entries;  // at most 30
};

inline constexpr std::size_t kMaxDateLines = 30;

// Builds the set for `mode` (0..3). Mode 2 reads `ownDateLines` ("dd/mm" and a
// comment; day in characters 1-2, month in 4-5); a line whose day or month is
// not a valid number is reported with "Datum fehlerhaft!" + " : " + the line
// (Error caption, through `messages`, the current sink when null) and
// skipped. An empty list gives 21.06., 23.09., 21.12.
DateLineSet BuildDateLineSet(int mode, const std::vector<std::string>& ownDateLines, int year,
                             const astro::ZodiacTable& zodiac,
                             shell::MessageSink* messages = nullptr);

}  // namespace kelvra::dials::planar
