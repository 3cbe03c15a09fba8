// Names of the texts of resources/text/peaucellier.tsv (the Peaucellier dial).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::peaucellier {

inline constexpr TextId kRefusedEnglish{1250};
inline constexpr TextId kRefusedGerman{1251};
inline constexpr TextId kTitle{1252};
inline constexpr TextId kConstruction{1253};
inline constexpr TextId kEquinoxDistance{1254};
inline constexpr TextId kConstant{1255};
inline constexpr TextId kLatitude{1256};
inline constexpr TextId kEquinoxLetter{1257};
inline constexpr TextId kDesigner{1258};

// The parameter pages.
inline constexpr TextId kSawyer{1280};  // "Vertikal abweichende SU für mittlere Zeit"
inline constexpr TextId kAllowedBetween{1281};  // "Eingabewerte sind nur zulässig zwischen"
inline constexpr TextId kAllowedRange{1282};  // "[-2.10, ...  +2.10]"
inline constexpr TextId kZeroCorrected{1283};  // "Der Wert 0 ist nicht erlaubt. Daher Korrektur auf"
inline constexpr TextId kHint{1284};  // "Hinweis: tan(Breite) / cos(15°) ="
inline constexpr TextId kPeaucellierLatitude{1285};  // "Geogr. &Breite"

}  // namespace kelvra::texts::peaucellier
