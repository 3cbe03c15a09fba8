// Names of the texts of resources/text/bifilar.tsv (the bifilar dial).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::bifilar {

inline constexpr TextId kFirstThreadPlane{1340};
inline constexpr TextId kThreadsParallel{1341};
inline constexpr TextId kTitlePrefix{1342};
inline constexpr TextId kTitle{1343};
inline constexpr TextId kLatitude{1344};
inline constexpr TextId kDegreeUnit{1345};
inline constexpr TextId kLongitude{1346};
inline constexpr TextId kLine1{1347};
inline constexpr TextId kLine2{1348};
inline constexpr TextId kThreadHeight{1349};

inline constexpr TextRun kPoints12{1350, 6};  // "P1.x = " .. "P2.z = "

}  // namespace kelvra::texts::bifilar
