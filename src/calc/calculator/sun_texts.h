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

// Numbers of the sun texts in the catalogue (resources/text/astro.tsv).
enum SunTextId : int {
  kTextNeverSeen = 1901,          // " nie sichtbar "
  kTextAlwaysBright = 1902,       // "  immer hell  "
  kTextAlwaysDark = 1903,         // " immer dunkel "
  kTextNoEvent = 1904,            // " -----"
  kTextAzimuthUnsolvable = 1905,  // "Die Aufgabe ist unter Umständen nicht lösbar,weil" ...
  kTextAzimuthStepFailed = 1906,  // "Ein Fehler ist  aufgetreten. Das" ...
  kTextAzimuthNoSolution = 1907,  // "Die Aufgabe kann nicht gelöst werden!"
  kTextAzimuthRangeAz1 = 1908,    // "Fehler: Az1="
  kTextAzimuthRangeAzimuth = 1909,// " Azimut="
  kTextAzimuthRangeAz2 = 1910,    // " Az2="
  kTextUnitHms = 1911,            // "  hh:mm:ss"
  kTextUnitHourMinute = 1912,     // " hh:min"
  // The sun-position calculator's result lines.
  kTextLineDate = 1920,
  kTextLineLatitude = 1921,
  kTextDegreeUnit = 1922,         // " Grad"
  kTextLineLongitude = 1923,
  kTextLineZoneMeridian = 1924,
  kTextLineDeclination = 1925,
  kTextLineEquationOfTime = 1926,
  kTextUnitMinSec = 1927,
  kTextLineSunrise = 1928,
  kTextLineSunset = 1929,
  kTextLineTwilightEnd = 1930,
  kTextLineTwilightBegin = 1931,
  kTextLineTwilightKind = 1932,
  kTextTwilightCivil = 1933,      // + TwilightKind
  kTextLineMoonrise = 1936,
  kTextLineMoonset = 1937,
  kTextLineTime = 1938,
  kTextLineAltitude = 1939,
  kTextLineAzimuth = 1940,
  kTextUnitMmSs = 1941,
  kTextLineEastNegative = 1942,
  kTextLineReachedAt = 1943,
  kTextSunBelowHorizon = 1944,
  kTextGregorianGap = 1945,
  kTextTimeKindTrue = 1946,       // + 0 true local, 1 mean local, 2 zone time
};

// Catalogue text `id` in language 1 (German) or 2 (English).
std::string SunText(int id, int language);

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

// The diagnostic text of a plane's sunlit extremes: "frühester SoAuf: " ...
// ";  spätester SoUnt:" ... with the declinations where they occur, then
// "für Breite= ", ";  Abweich=", ";  Inklin=" with the plane's data; times as
// hours:minutes.
std::string SunlitPlaneExtremesText(const astro::SunlitExtremes& extremes, double inclination,
                                    double planeDeclination, double latitude);

}  // namespace kelvra::calc
