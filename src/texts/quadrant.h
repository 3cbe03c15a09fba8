// Names of the texts of resources/text/quadrant.tsv (the quadrant).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::quadrant {

inline constexpr TextId kTemporalImpossible{1200};
inline constexpr TextId kNotConstructed{1201};
inline constexpr TextId kTitle{1202};
inline constexpr TextId kGunterTitle{1203};
inline constexpr TextId kLatitude{1204};
inline constexpr TextId kDegreeUnit{1205};
inline constexpr TextId kLongitude{1206};
inline constexpr TextId kZoneApparentTime{1207};
inline constexpr TextId kLocalApparentTime{1208};
inline constexpr TextId kWithEot{1209};
inline constexpr TextId kWithoutEot{1210};
inline constexpr TextId kTemporalHours{1211};
inline constexpr TextId kTemporalNote{1212};
inline constexpr TextId kAzimuth{1213};

// The parameter pages.
inline constexpr TextId kSize{1286};  // "Quadrant - &Größe"
inline constexpr TextId kDateCircles{1287};  // "&Datumskreise mit"
inline constexpr TextId kCalendarScale{1288};  // "Skala Kalender-Datum"
inline constexpr TextId kDeclinationScale{1289};  // "Skala der Sonnendeklination (Zodiak)"
inline constexpr TextId kStereographicScale{1290};  // "Stereografische Skala (Gunter-Quadrant)"
inline constexpr TextId kWholeYear{1291};  // "alle 12 Monate &getrennt darstellen"
inline constexpr TextId kWhenSaved{1292};  // "Beim Speichern als Datei:"
inline constexpr TextId kMirrored{1293};  // "linker &Quadrant gespiegelt"
inline constexpr TextId kAzimuthLines{1294};  // "A&zimutlinien zeichnen"
inline constexpr TextId kArrangement{1295};  // "&Anordnung der Datumskreise"
inline constexpr TextId kJuneOutside{1296};  // "21. Juni außen"
inline constexpr TextId kJuneInside{1297};  // "21. Juni innen"
inline constexpr TextId kHalfYearsNote{1298};  // "Beim Abspeichern als dxf- oder hpgl-Datei werden b"
inline constexpr TextId kDayHalvesNote{1299};  // "Beim Speichern der Datei (dxf oder hpgl) werden Vo"

}  // namespace kelvra::texts::quadrant
