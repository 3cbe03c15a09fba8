// Names of the texts of resources/text/meantime.tsv (the mean-time dial with a
// cone as shadow caster).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::meantime {

inline constexpr TextId kTitle{1060};
inline constexpr TextId kReading{1061};
inline constexpr TextId kLeadingEdge{1062};
inline constexpr TextId kLeadingDates{1063};
inline constexpr TextId kTrailingEdge{1064};
inline constexpr TextId kTrailingDates{1065};
inline constexpr TextId kAxisLength{1066};
inline constexpr TextId kAxisInclination{1067};
inline constexpr TextId kHalfAngle{1068};
inline constexpr TextId kConeBehindFace{1069};
inline constexpr TextId kDegreesAllowedAtMost{1070};
inline constexpr TextId kLocalMeanTime{1071};
inline constexpr TextId kZoneTime{1072};
inline constexpr TextId kConeConstruction{1073};
inline constexpr TextId kCrossSection{1074};
inline constexpr TextId kUnrolledCone{1075};
inline constexpr TextId kGlueFlap{1076};
inline constexpr TextId kRimRadius{1077};
inline constexpr TextId kSlantLength{1078};
inline constexpr TextId kSectorAngle{1079};
inline constexpr TextId kRimCentreHeight{1080};
inline constexpr TextId kRimCentreFoot{1081};
inline constexpr TextId kEquivalentHorizontal{1082};
inline constexpr TextId kLatitude{1083};
inline constexpr TextId kLongitude{1084};
inline constexpr TextId kDeviation{1085};
inline constexpr TextId kInclination{1086};
inline constexpr TextRun kPlaneNames{1087, 3};  // horizontal, vertical, inclining
inline constexpr TextId kDegrees{1090};
inline constexpr TextId kConeFileNotice{1091};
inline constexpr TextId kFace{1092};
inline constexpr TextId kHourLines{1093};

// The parameter page.
inline constexpr TextId kPagePlane{800};
inline constexpr TextRun kPagePlanes{801, 3};  // horizontal, vertical, inclining
inline constexpr TextId kPageLatitude{804};
inline constexpr TextId kPageLongitude{805};
inline constexpr TextId kPageZone{806};
inline constexpr TextId kPageWall{807};
inline constexpr TextId kPageInclination{808};
inline constexpr TextId kPageCone{809};
inline constexpr TextId kPageCaster{810};
inline constexpr TextId kPageHalfAngle{811};
inline constexpr TextId kPageAtApex{812};
inline constexpr TextId kPageLocalTime{813};
inline constexpr TextId kPageZoneTime{814};
inline constexpr TextId kPageDateLines{815};
inline constexpr TextRun kPageDateLinesPerMonth{816, 3};
inline constexpr TextId kPageHourLines{819};

}  // namespace kelvra::texts::meantime
