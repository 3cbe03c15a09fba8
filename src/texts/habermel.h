// Names of the texts of resources/text/habermel.tsv (the Habermel altitude
// dials): German 250..299, English 2250..2299.
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::habermel {

inline constexpr TextId kTitleTablet{250};
inline constexpr TextId kTitleDisc{251};
inline constexpr TextId kLatitude{252};
inline constexpr TextId kDegrees{253};
inline constexpr TextId kDiameter{254};
inline constexpr TextId kGnomon{255};
inline constexpr TextId kMm{256};
inline constexpr TextId kApparentTime{257};
inline constexpr TextId kMeanTime{258};
inline constexpr TextId kUseTablet{259};
inline constexpr TextId kUseDisc{260};
inline constexpr TextId kMorning{261};
inline constexpr TextId kAfternoon{262};

// The Habermel group of the altitude page.
inline constexpr TextId kPageDiameter{280};
inline constexpr TextId kPageGnomon{281};
inline constexpr TextId kPageLatitude{282};
inline constexpr TextId kNorthernOnly{283};
inline constexpr TextId kTemporalNotAvailable{284};
inline constexpr TextId kPageDateLines{285};

}  // namespace kelvra::texts::habermel
