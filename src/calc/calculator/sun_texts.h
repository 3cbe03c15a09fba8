// The texts in which the calculator and the tables show astronomy results:
// the catalogue entries of the sun-position calculator, rise and set times
// with their "always" and dash texts, the time found for an azimuth and the
// messages of that search, and the diagnostic text of a plane's sunlit hours.
#pragma once

#include <string>

#include "astro/azimuth_time.h"
#include "astro/rise_set.h"
#include "astro/sun_position.h"

namespace kelvra::calc {

// The display texts of a rise and set result in `language` (1 German, 2
// English): FormatHoursMinutes of each time, " -----" for a missing one, or
// for both the "always" texts ("immer sichtbar"/" nie sichtbar " for sun and
// moon, "  immer hell  "/" immer dunkel " for twilight). `withUnit` is true
// when both times exist: the caller then appends " hh:min".
struct RiseSetTexts {
  std::string rise;
  std::string set;
  bool withUnit = false;
};
RiseSetTexts FormatRiseSet(const astro::RiseSetResult& result, astro::RiseSetKind kind,
                           int language);

// The time found for an azimuth as " 12:23:05  hh:mm:ss": whole hours in 3
// characters, minutes and seconds (rounded) with two digits, and the unit.
// Empty when the search found no time.
std::string AzimuthTimeText(const astro::AzimuthTimeResult& result, int language);

// Shows the problems of a search for an azimuth in the current language, in
// this order: the azimuth outside the bracket (error "Fehler: Az1= ... Azimut=
// ... Az2= ..."), that some azimuths are never reached (warning), then a
// failed step (warning "... eventuell falsch!") or no solution (error).
void ShowAzimuthTimeMessages(const astro::AzimuthTimeResult& result);

// The diagnostic text of a plane's sunlit extremes in `language`: "frühester
// SoAuf: " ... ";  spätester SoUnt:" ... with the declinations where they
// occur, then "für Breite= ", ";  Abweich=", ";  Inklin=" with the plane's
// data; times as hours:minutes.
std::string SunlitPlaneExtremesText(const astro::SunlitExtremes& extremes, double inclination,
                                    double planeDeclination, double latitude, int language);

}  // namespace kelvra::calc
