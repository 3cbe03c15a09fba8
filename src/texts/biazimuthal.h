// Names of the texts of resources/text/biazimuthal.tsv (the biazimuthal map dial).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::biazimuthal {

inline constexpr TextId kTitle{1214};
inline constexpr TextId kPole{1215};  // "Pol :   ("
inline constexpr TextId kPositionA{1216};
inline constexpr TextId kPositionB{1217};
inline constexpr TextId kScaleDistance{1218};
inline constexpr TextId kHourLines{1219};
inline constexpr TextId kLocalMeanTime{1220};
inline constexpr TextId kZoneTimeNoDst{1221};
inline constexpr TextId kLocalApparentTime{1222};
inline constexpr TextId kOfPositionA{1223};
inline constexpr TextId kOfPositionB{1224};
inline constexpr TextId kError{1225};
inline constexpr TextId kAborted{1226};
inline constexpr TextId kPoleNotComputed{1227};
inline constexpr TextId kEquivalentHorizontal{1228};
inline constexpr TextId kLatitude{1229};
inline constexpr TextId kLongitude{1230};
inline constexpr TextId kDegrees{1231};
inline constexpr TextId kReading{1232};
inline constexpr TextId kAntipodal{1233};
inline constexpr TextId kDeviation{1234};
inline constexpr TextId kInclination{1235};
inline constexpr TextRun kPlaneNames{1236, 3};
inline constexpr TextId kZoneTime{1239};

// The parameter page.
inline constexpr TextId kPagePlane{825};
inline constexpr TextRun kPagePlanes{826, 3};  // horizontal, vertical, inclining
inline constexpr TextId kPageLatitude{829};
inline constexpr TextId kPageLongitude{830};
inline constexpr TextId kPageZone{831};
inline constexpr TextId kPageWall{832};
inline constexpr TextId kPageInclination{833};
inline constexpr TextId kPagePositionB{834};
inline constexpr TextId kPageSecondLatitude{835};
inline constexpr TextId kPageSecondLongitude{836};
inline constexpr TextId kPageSecondVertical{837};
inline constexpr TextId kPageSecondWall{838};
inline constexpr TextId kPageScale{839};
inline constexpr TextId kPageScaleNote{840};
inline constexpr TextId kPageShowTimeOf{841};
inline constexpr TextRun kPagePositions{842, 2};
inline constexpr TextId kPageHoursShow{844};
inline constexpr TextId kPageWithEot{845};
inline constexpr TextId kPageDateLines{847};
inline constexpr TextId kPageHourLines{848};
// The sub-solar lines lie off the sheet at the chosen scale.
inline constexpr TextId kLinesOffSheet{846};
inline constexpr TextId kFittingScale{849};
inline constexpr TextId kFittingBelowRange{820};

}  // namespace kelvra::texts::biazimuthal
