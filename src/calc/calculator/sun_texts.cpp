#include "calc/calculator/sun_texts.h"

#include <cmath>

#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/time_format.h"
#include "texts/astro.h"

namespace kelvra::calc {
namespace {

constexpr int kMessageAlwaysSeen = 68;  // table A: "immer sichtbar" / " always seen  "

std::string TwoDigits(long long n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

}  // namespace

RiseSetTexts FormatRiseSet(const astro::RiseSetResult& result, astro::RiseSetKind kind,
                           int language) {
  using astro::RiseSetState;
  RiseSetTexts texts;
  if (result.state == RiseSetState::AlwaysUp || result.state == RiseSetState::AlwaysDown) {
    const bool up = result.state == RiseSetState::AlwaysUp;
    std::string always;
    if (kind == astro::RiseSetKind::Twilight) {
      always =
          shell::GetRawIn(up ? texts::astro::kAlwaysBright : texts::astro::kAlwaysDark, language);
    } else if (up) {
      always = std::string(shell::TextCatalog::Builtin().Lookup('A', kMessageAlwaysSeen, language));
    } else {
      always = shell::GetRawIn(texts::astro::kNeverSeen, language);
    }
    texts.rise = always;
    texts.set = always;
    return texts;
  }
  const std::string none = shell::GetRawIn(texts::astro::kNoEvent, language);
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
         shell::GetRawIn(texts::astro::kUnitHms, language);
}

void ShowAzimuthTimeMessages(const astro::AzimuthTimeResult& result) {
  const int language = shell::CurrentLanguage();
  if (result.outsideBracket) {
    shell::ShowMessage(shell::MessageKind::Error,
                       shell::GetRawIn(texts::astro::kAzimuthRangeAz1, language) +
                           shell::FormatReal(9, 2, result.bracketAzimuth1) +
                           shell::GetRawIn(texts::astro::kAzimuthRangeAzimuth, language) +
                           shell::FormatReal(8, 2, result.azimuth) +
                           shell::GetRawIn(texts::astro::kAzimuthRangeAz2, language) +
                           shell::FormatReal(8, 2, result.bracketAzimuth2));
  }
  if (result.someAzimuthsUnreachable) {
    shell::ShowMessage(shell::MessageKind::Warning,
                       shell::GetRawIn(texts::astro::kAzimuthUnsolvable, language));
  }
  if (!result.solved) {
    shell::ShowMessage(shell::MessageKind::Error,
                       shell::GetRawIn(texts::astro::kAzimuthNoSolution, language));
  } else if (!result.reached) {
    shell::ShowMessage(shell::MessageKind::Warning,
                       shell::GetRawIn(texts::astro::kAzimuthStepFailed, language));
  }
}

std::string SunlitPlaneExtremesText(const astro::SunlitExtremes& extremes, double inclination,
                                    double planeDeclination, double latitude, int language) {
  using shell::FormatMinutesSeconds;
  using shell::FormatReal;
  namespace tx = texts::astro;
  auto text = [language](texts::TextId id) { return shell::GetRawIn(id, language); };
  return text(tx::kPlaneEarliestLight) + FormatMinutesSeconds(extremes.earliestFirstLight / 4.0) +
         " (" + FormatReal(6, 2, extremes.declinationAtEarliest) + ")" +
         text(tx::kPlaneLatestLight) + FormatMinutesSeconds(extremes.latestLastLight / 4.0) + " (" +
         FormatReal(6, 2, extremes.declinationAtLatest) + ")" + text(tx::kPlaneForLatitude) +
         FormatReal(6, 2, latitude) + text(tx::kPlaneDeclination) +
         FormatReal(7, 2, planeDeclination) + text(tx::kPlaneInclination) +
         FormatReal(6, 2, inclination);
}

}  // namespace kelvra::calc
