// Names of the texts of resources/text/sawyer.tsv (the Sawyer decliner):
// German 700..749, English 2700..2749.
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::sawyer {

inline constexpr TextId kTitle{700};
inline constexpr TextId kLatitude{701};
inline constexpr TextId kDegrees{702};
inline constexpr TextId kWallDeclination{703};
inline constexpr TextId kGnomonHeight{704};
inline constexpr TextId kLineAngle{705};
inline constexpr TextId kCenter{706};
// The four time modes, by sawyerTimeMode.
inline constexpr TextId kModeLocalApparent{707};
inline constexpr TextId kModeZoneApparent{708};
inline constexpr TextId kModeHalfLoops{709};
inline constexpr TextId kModeStraightLines{710};
inline constexpr TextId kReadStyle{711};
inline constexpr TextId kReadNodus{712};
inline constexpr TextId kRisingHalf{713};
inline constexpr TextId kFallingHalf{714};
inline constexpr TextId kNeverLit{715};
inline constexpr TextId kMm{716};

// The Sawyer group of the parameter page.
inline constexpr TextId kPageGnomon{730};
inline constexpr TextId kPageLineAngle{731};
inline constexpr TextId kPageLatitude{732};
inline constexpr TextId kPageCenter{733};
inline constexpr TextId kPageShows{734};
inline constexpr TextId kPageDateLines{735};
inline constexpr TextRun kDateLinesPerMonth{736, 3};  // " 1  [ Zodiak ]" .. " 3  [1./11./21.]  "
inline constexpr TextId kPageWall{739};
inline constexpr TextId kPageEastNegative{740};

}  // namespace kelvra::texts::sawyer
