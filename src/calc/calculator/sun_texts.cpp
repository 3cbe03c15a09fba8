#include "calc/calculator/sun_texts.h"

#include <cmath>

#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/time_format.h"

namespace kelvra::calc {
namespace {

constexpr int kMessageAlwaysSeen = 68;  // table A: "immer sichtbar" / " always seen  "

std::string TwoDigits(long long n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

}  // namespace

std::string SunText(int id, int language) {
  return std::string(
      shell::TextCatalog::Builtin().Lookup('T', id + (language == 2 ? 2000 : 0), 1));
}

RiseSetTexts FormatRiseSet(const astro::RiseSetResult& result, astro::RiseSetKind kind,
                           int language) {
  using astro::RiseSetState;
  RiseSetTexts texts;
  if (result.state == RiseSetState::AlwaysUp || result.state == RiseSetState::AlwaysDown) {
    const bool up = result.state == RiseSetState::AlwaysUp;
    std::string always;
    if (kind == astro::RiseSetKind::Twilight) {
      always = SunText(up ? kTextAlwaysBright : kTextAlwaysDark, language);
    } else if (up) {
      always = std::string(shell::TextCatalog::Builtin().Lookup('A', kMessageAlwaysSeen, language));
    } else {
      always = SunText(kTextNeverSeen, language);
    }
    texts.rise = always;
    texts.set = always;
    return texts;
  }
  const std::string none = SunText(kTextNoEvent, language);
  texts.rise = result.rise ? shell::FormatHoursMinutes(*result.rise) : none;
  texts.set = result.set ? shell::FormatHoursMinutes(*result.set) : none;
  texts.withUnit = result.state == RiseSetState::Normal;
  return texts;
}

std::string AzimuthTimeText(const astro::AzimuthTimeResult& result, int language) {
  if (!result.solved) return {};
  long long hours = static_cast<long long>(std::floor(result.time));
  long long seconds = std::llround((result.time - static_cast<double>(hours)) * 3600.0);
  if (seconds >= 3600) {
    ++hours;
    seconds -= 3600;
  }
  std::string h = std::to_string(hours);
  if (h.size() < 3) h.insert(0, 3 - h.size(), ' ');
  return h + ":" + TwoDigits(seconds / 60) + ":" + TwoDigits(seconds % 60) +
         SunText(kTextUnitHms, language);
}

void ShowAzimuthTimeMessages(const astro::AzimuthTimeResult& result) {
  const int language = shell::CurrentLanguage();
  if (result.outsideBracket) {
    shell::ShowMessage(shell::MessageKind::Error,
                       SunText(kTextAzimuthRangeAz1, language) +
                           shell::FormatReal(9, 2, result.bracketAzimuth1) +
                           SunText(kTextAzimuthRangeAzimuth, language) +
                           shell::FormatReal(8, 2, result.azimuth) +
                           SunText(kTextAzimuthRangeAz2, language) +
                           shell::FormatReal(8, 2, result.bracketAzimuth2));
  }
  if (result.someAzimuthsUnreachable) {
    shell::ShowMessage(shell::MessageKind::Warning, SunText(kTextAzimuthUnsolvable, language));
  }
  if (!result.solved) {
    shell::ShowMessage(shell::MessageKind::Error, SunText(kTextAzimuthNoSolution, language));
  } else if (!result.reached) {
    shell::ShowMessage(shell::MessageKind::Warning, SunText(kTextAzimuthStepFailed, language));
  }
}

std::string SunlitPlaneExtremesText(const astro::SunlitExtremes& extremes, double inclination,
                                    double planeDeclination, double latitude) {
  using shell::FormatMinutesSeconds;
  using shell::FormatReal;
  return "frühester SoAuf: " + FormatMinutesSeconds(extremes.earliestFirstLight / 4.0) + " (" +
         FormatReal(6, 2, extremes.declinationAtEarliest) + ")" +
         ";  spätester SoUnt:" + FormatMinutesSeconds(extremes.latestLastLight / 4.0) + " (" +
         FormatReal(6, 2, extremes.declinationAtLatest) + ")" + "  für Breite= " +
         FormatReal(6, 2, latitude) + ";  Abweich=" + FormatReal(7, 2, planeDeclination) +
         ";  Inklin=" + FormatReal(6, 2, inclination);
}

}  // namespace kelvra::calc
