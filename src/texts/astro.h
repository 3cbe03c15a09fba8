// Names of the texts of resources/text/astro.tsv (astronomy: rise and set, date input, time for azimuth, the calculator lines).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::astro {

inline constexpr TextId kErrorInInput{1900};  // "Fehlerhafte Eingabe !"
inline constexpr TextId kNeverSeen{1901};  // " nie sichtbar "
inline constexpr TextId kAlwaysBright{1902};  // "  immer hell  "
inline constexpr TextId kAlwaysDark{1903};  // " immer dunkel "
inline constexpr TextId kNoEvent{1904};  // " -----"
inline constexpr TextId kAzimuthUnsolvable{1905};  // "Die Aufgabe ist unter Umständen nicht lösbar,weil" ...
inline constexpr TextId kAzimuthStepFailed{1906};  // "Ein Fehler ist  aufgetreten. Das" ...
inline constexpr TextId kAzimuthNoSolution{1907};  // "Die Aufgabe kann nicht gelöst werden!"
inline constexpr TextId kAzimuthRangeAz1{1908};  // "Fehler: Az1="
inline constexpr TextId kAzimuthRangeAzimuth{1909};  // " Azimut="
inline constexpr TextId kAzimuthRangeAz2{1910};  // " Az2="
inline constexpr TextId kUnitHms{1911};  // "  hh:mm:ss"
inline constexpr TextId kUnitHourMinute{1912};  // " hh:min"
// The sun-position calculator's result lines.
inline constexpr TextId kLineDate{1920};
inline constexpr TextId kLineLatitude{1921};
inline constexpr TextId kDegreeUnit{1922};  // " Grad"
inline constexpr TextId kLineLongitude{1923};
inline constexpr TextId kLineZoneMeridian{1924};
inline constexpr TextId kLineDeclination{1925};
inline constexpr TextId kLineEquationOfTime{1926};
inline constexpr TextId kUnitMinSec{1927};
inline constexpr TextId kLineSunrise{1928};
inline constexpr TextId kLineSunset{1929};
inline constexpr TextId kLineTwilightEnd{1930};
inline constexpr TextId kLineTwilightBegin{1931};
inline constexpr TextId kLineTwilightKind{1932};
inline constexpr TextId kLineMoonrise{1936};
inline constexpr TextId kLineMoonset{1937};
inline constexpr TextId kLineTime{1938};
inline constexpr TextId kLineAltitude{1939};
inline constexpr TextId kLineAzimuth{1940};
inline constexpr TextId kUnitMmSs{1941};
inline constexpr TextId kLineEastNegative{1942};
inline constexpr TextId kLineReachedAt{1943};
inline constexpr TextId kSunBelowHorizon{1944};
inline constexpr TextId kGregorianGap{1945};
// The sunlit extremes of a plane, in the order they are written.
inline constexpr TextId kPlaneEarliestLight{1949};
inline constexpr TextId kPlaneLatestLight{1950};
inline constexpr TextId kPlaneForLatitude{1951};
inline constexpr TextId kPlaneDeclination{1952};
inline constexpr TextId kPlaneInclination{1953};
inline constexpr TextRun kTwilightKinds{1933, 3};  // civil, nautical, astronomical (TwilightKind)
inline constexpr TextRun kTimeKinds{1946, 3};      // true local, mean local, zone time

}  // namespace kelvra::texts::astro
