// Names of the texts of resources/text/sawyer.tsv (the Sawyer decliner):
// German 500..549, English 2500..2549.
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::sawyer {

inline constexpr TextId kTitle{500};
inline constexpr TextId kLatitude{501};
inline constexpr TextId kDegrees{502};
inline constexpr TextId kWallDeclination{503};
inline constexpr TextId kGnomonHeight{504};
inline constexpr TextId kLineAngle{505};
inline constexpr TextId kCenter{506};
// The four time modes, by sawyerTimeMode.
inline constexpr TextId kModeLocalApparent{507};
inline constexpr TextId kModeZoneApparent{508};
inline constexpr TextId kModeHalfLoops{509};
inline constexpr TextId kModeStraightLines{510};
inline constexpr TextId kReadStyle{511};
inline constexpr TextId kReadNodus{512};
inline constexpr TextId kRisingHalf{513};
inline constexpr TextId kFallingHalf{514};
inline constexpr TextId kNeverLit{515};
inline constexpr TextId kMm{516};

// The Sawyer group of the parameter page.
inline constexpr TextId kPageGnomon{530};
inline constexpr TextId kPageLineAngle{531};
inline constexpr TextId kPageLatitude{532};
inline constexpr TextId kPageCenter{533};
inline constexpr TextId kPageShows{534};
inline constexpr TextId kPageDateLines{535};
inline constexpr TextRun kDateLinesPerMonth{536, 3};  // " 1  [ Zodiak ]" .. " 3  [1./11./21.]  "
inline constexpr TextId kPageWall{539};
inline constexpr TextId kPageEastNegative{540};

}  // namespace kelvra::texts::sawyer
