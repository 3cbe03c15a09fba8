// Numbers of the astronomy texts in the catalogue (resources/text/astro.tsv)
// and a lookup by language. Internal to kelvra::astro and the sun commands.
#pragma once

#include <string>

namespace kelvra::astro {

enum AstroTextId : int {
  kTextErrorInInput = 1900,       // "Fehlerhafte Eingabe !"
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
std::string AstroText(int id, int language);
// The same in the current language of the shared state.
std::string AstroText(int id);

}  // namespace kelvra::astro
