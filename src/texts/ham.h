// Names of the texts of resources/text/ham.tsv (the ham dial design aid).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::ham {

inline constexpr TextId kToggle{1272};  // "Schi&nken Sonnenuhr" / "Ham Su&ndial (xxxx) "
inline constexpr TextId kTitle{1273};
inline constexpr TextId kLocalTime{1274};
inline constexpr TextId kDiameter{1275};
inline constexpr TextId kStretchLegend{1276};
inline constexpr TextId kEquinoxLegend{1277};
inline constexpr TextId kHintDelete{1278};
inline constexpr TextId kHintMark{1279};
inline constexpr TextId kHintShowMarks{1260};
inline constexpr TextId kLoadTitle{1261};
inline constexpr TextId kFileFilter{1262};
inline constexpr TextId kNotAHamFile{1263};
inline constexpr TextId kLine{1264};
inline constexpr TextId kNotAPoint{1265};
inline constexpr TextId kTooManyPoints{1266};
inline constexpr TextId kStretchLabel{1267};
inline constexpr TextId kEquinoxLabel{1268};
inline constexpr TextId kUnreadable{1269};

}  // namespace kelvra::texts::ham
