// Names of the texts of resources/text/azimuthal.tsv (the azimuthal dials).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::azimuthal {

inline constexpr TextId kTitleAzimuthal{1300};
inline constexpr TextId kTonneSuffix{1301};
inline constexpr TextId kTitleStereographic{1302};
inline constexpr TextId kTitleOrthographic{1303};
inline constexpr TextId kSouth{1304};
inline constexpr TextId kNorth{1305};
inline constexpr TextId kWest{1306};
inline constexpr TextId kEast{1307};
inline constexpr TextId kTemporalRefused{1308};
inline constexpr TextId kNotConstructed{1309};
inline constexpr TextId kLatitude{1310};
inline constexpr TextId kDegreeUnit{1311};
inline constexpr TextId kLongitude{1312};
inline constexpr TextId kZoneTime{1313};
inline constexpr TextId kLocalTime{1314};
inline constexpr TextId kWithEot{1315};
inline constexpr TextId kWithoutEot{1316};
inline constexpr TextId kCivilTime{1317};
inline constexpr TextId kApparentTime{1318};
inline constexpr TextId kApparentTimeShort{1319};
inline constexpr TextId kDiameter{1320};
inline constexpr TextId kPointerNote{1321};
inline constexpr TextId kDomeNote{1322};
inline constexpr TextId kMonthStart{1323};
inline constexpr TextId kMidMonth{1324};
inline constexpr TextId kSignStart{1325};
inline constexpr TextId kSignMiddle{1326};
inline constexpr TextId kLowLatitude{1327};
inline constexpr TextId kAdditionally{1328};
inline constexpr TextId kTemporalHours{1329};
inline constexpr TextId kBabylonianHours{1330};
inline constexpr TextId kItalianHours{1331};
inline constexpr TextId kSampleEquals{1332};

}  // namespace kelvra::texts::azimuthal
