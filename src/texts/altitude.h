// Names of the texts of resources/text/altitude.tsv (the altitude and cylinder dials).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::altitude {

inline constexpr TextId kTitleAltitude{1000};
inline constexpr TextId kTitleCylinder{1001};
inline constexpr TextId kSuffixShepherd{1002};
inline constexpr TextId kSuffixHat{1003};
inline constexpr TextId kSuffixPolar{1004};
inline constexpr TextId kTemporalRefused{1005};
inline constexpr TextId kTitleCylinderRefused{1006};
inline constexpr TextId kMonthAxisReduced{1007};
inline constexpr TextId kBabylonianItalianRefused{1008};
inline constexpr TextId kGnomonTooLong{1009};
inline constexpr TextId kTwoStrips{1010};
inline constexpr TextId kTemporalRange{1011};
inline constexpr TextId kLatitude{1012};
inline constexpr TextId kDegreeUnit{1013};
inline constexpr TextId kLongitude{1014};
inline constexpr TextId kLocalTime{1015};
inline constexpr TextId kZoneApparentTime{1016};
inline constexpr TextId kWithEot{1017};
inline constexpr TextId kWithoutEot{1018};
inline constexpr TextId kTemporalHours{1019};
inline constexpr TextId kDeviation{1020};
inline constexpr TextId kEdgeHeight{1021};
inline constexpr TextId kGnomonLength{1022};
inline constexpr TextId kMonthScaleWidth{1023};
inline constexpr TextId kCircumference{1024};
inline constexpr TextId kCylinderRadius{1025};
inline constexpr TextId kSunAltitude{1026};
inline constexpr TextId kTemporalShort{1027};
inline constexpr TextId kBabylonianShort{1028};
inline constexpr TextId kItalianShort{1029};
inline constexpr TextId kMeanTimeShort{1030};

// The cylinder and horizontal altitude pages.
inline constexpr TextId kPageGnomonLength{1031};  // "&Zeigerlänge der Sonnenuhr"
inline constexpr TextId kLongestShadow{1032};  // "M&aximale Länge des Schattens"
inline constexpr TextId kMonthHalves{1033};  // "&Monatsskala  für  Winter-/Sommerhalbjahr"
inline constexpr TextId kHalvesCombined{1034};  // "zusammengelegt (normale Länge)"
inline constexpr TextId kHalvesSideBySide{1035};  // "nebeneinander (doppelte Länge)"
inline constexpr TextId kDateLines{1036};  // "Datumslinien"
inline constexpr TextId kMonthly{1037};  // "monatlich (Tierkreis)"
inline constexpr TextId kSolstices{1038};  // "Solstizien + Äquinoktien"
inline constexpr TextId kPageWithEot{1039};  // "&Konstruktion mit Zeitgleichung"
inline constexpr TextId kAltitudeScale{1040};  // "zusätzliche Skala &für Sonnenhöhe"
inline constexpr TextId kMorningOnly{1041};  // "Anzeige Italienischer und Babylon. Stunden nur für"
inline constexpr TextId kMeanLocal{1042};  // "WOZ"
inline constexpr TextId kMeanZone{1043};  // "WOZ am Zonenmeridian"
inline constexpr TextId kApparent{1044};  // "&Wahre Ortszeit"
inline constexpr TextId kHoursFrom{1045};  // "Stundenlinien &von"
inline constexpr TextId kHoursTo{1046};  // "&bis"
inline constexpr TextId kHoursStep{1047};  // "Zei&tabstand"
inline constexpr TextId kFrom{1048};  // "von"
inline constexpr TextId kTo{1049};  // "bis"
inline constexpr TextId kStep{1050};  // "Inter&vall"
inline constexpr TextId kScaleLength{1051};  // "&Länge der horizontalen Skala:"
inline constexpr TextId kHourLinesShow{1052};  // "Die &Stundenlinien zeigen"
inline constexpr TextId kShowApparent{1053};  // "Wahre Ortszeit"
inline constexpr TextId kShowZoneApparent{1054};  // "WOZ am Zonenmeridian"
inline constexpr TextId kShowTemporal{1055};  // "Temporalstunden"
inline constexpr TextId kVerticalFace{1056};  // "mit vertikalem Zifferblatt &ergänzen"
inline constexpr TextId kMeanTimeLines{1057};  // "Mittlere Zeit (Achterschleifen)"
inline constexpr TextId kHourLines{1058};  // "Stundenlinien"
inline constexpr TextId kAdditional{1059};  // "Zusätzliche Linien für"

}  // namespace kelvra::texts::altitude
