// Names of the texts of resources/text/habermel.tsv (the Habermel altitude
// dials): German 650..699, English 2650..2699.
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::habermel {

inline constexpr TextId kTitleTablet{650};
inline constexpr TextId kTitleDisc{651};
inline constexpr TextId kLatitude{652};
inline constexpr TextId kDegrees{653};
inline constexpr TextId kDiameter{654};
inline constexpr TextId kGnomon{655};
inline constexpr TextId kMm{656};
inline constexpr TextId kApparentTime{657};
inline constexpr TextId kMeanTime{658};
inline constexpr TextId kUseTablet{659};
inline constexpr TextId kUseDisc{660};
inline constexpr TextId kMorning{661};
inline constexpr TextId kAfternoon{662};

// The Habermel group of the altitude page.
inline constexpr TextId kPageDiameter{680};
inline constexpr TextId kPageGnomon{681};
inline constexpr TextId kPageLatitude{682};
inline constexpr TextId kNorthernOnly{683};
inline constexpr TextId kTemporalNotAvailable{684};
inline constexpr TextId kPageDateLines{685};

}  // namespace kelvra::texts::habermel
