// Names of the texts of resources/text/sawyer.tsv (the Sawyer decliner):
// German 200..249, English 2200..2249.
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::sawyer {

inline constexpr TextId kTitle{200};
inline constexpr TextId kLatitude{201};
inline constexpr TextId kDegrees{202};
inline constexpr TextId kWallDeclination{203};
inline constexpr TextId kGnomonHeight{204};
inline constexpr TextId kLineAngle{205};
inline constexpr TextId kCenter{206};
// The four time modes, by sawyerTimeMode.
inline constexpr TextId kModeLocalApparent{207};
inline constexpr TextId kModeZoneApparent{208};
inline constexpr TextId kModeHalfLoops{209};
inline constexpr TextId kModeStraightLines{210};
inline constexpr TextId kReadStyle{211};
inline constexpr TextId kReadNodus{212};
inline constexpr TextId kRisingHalf{213};
inline constexpr TextId kFallingHalf{214};
inline constexpr TextId kNeverLit{215};
inline constexpr TextId kMm{216};

// The Sawyer group of the parameter page.
inline constexpr TextId kPageGnomon{230};
inline constexpr TextId kPageLineAngle{231};
inline constexpr TextId kPageLatitude{232};
inline constexpr TextId kPageCenter{233};
inline constexpr TextId kPageShows{234};
inline constexpr TextId kPageDateLines{235};
inline constexpr TextRun kDateLinesPerMonth{236, 3};  // " 1  [ Zodiak ]" .. " 3  [1./11./21.]  "
inline constexpr TextId kPageWall{239};
inline constexpr TextId kPageEastNegative{240};

}  // namespace kelvra::texts::sawyer
