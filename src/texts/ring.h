// Names of the texts of resources/text/ring.tsv (the ring dial).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::ring {

inline constexpr TextId kTemporalImpossible{300};
inline constexpr TextId kNotConstructed{301};
inline constexpr TextId kTemporalRange{302};
inline constexpr TextId kTooBig{303};
inline constexpr TextId kTitle{304};
inline constexpr TextId kHourLinesShow{305};
inline constexpr TextId kTemporalHours{306};
inline constexpr TextId kLocalApparentTime{307};
inline constexpr TextId kItalianHour{308};
inline constexpr TextId kBabylonianHour{309};
inline constexpr TextId kHoleOffset{310};
inline constexpr TextId kLatitude{311};
inline constexpr TextId kDiameter{312};
inline constexpr TextId kRingWidth{313};
inline constexpr TextId kPinHoleAt{314};
inline constexpr TextId kDegrees{315};
inline constexpr TextId kHalfCircumference{316};
inline constexpr TextId kScaleLength{317};
inline constexpr TextId kBothScalesLength{318};
inline constexpr TextId kOverlapping{319};
inline constexpr TextId kReducedTo{320};
inline constexpr TextId kPart{321};

// The correction table.
inline constexpr TextId kTableHeading{325};
inline constexpr TextId kTableDepends{326};
inline constexpr TextId kTableScaleAxis{327};
inline constexpr TextId kTableAltitudeAxis{328};
inline constexpr TextId kTableRelative{329};
inline constexpr TextId kTableOffsetAxis{330};
inline constexpr TextId kTableDataNote{331};
inline constexpr TextId kTableFileTitle{332};
inline constexpr TextId kTableOpenError{333};
inline constexpr TextId kTableButton{334};  // the drawing window's correction-table switch

// The parameter page.
inline constexpr TextId kPageDiameter{340};
inline constexpr TextId kPageWidth{341};
inline constexpr TextId kPageHoleAngle{342};
inline constexpr TextId kPageOneBand{343};
inline constexpr TextId kPageOffset{344};       // one band
inline constexpr TextId kPageOffsetNorth{345};  // two bands: the first band's offset
inline constexpr TextId kPageOffsetNote{346};
inline constexpr TextId kPageHourLinesShow{347};
inline constexpr TextId kPageLocalTime{348};
inline constexpr TextId kPageTemporal{349};
inline constexpr TextId kPageDeflection{350};
inline constexpr TextId kPageDeflectionIgnored{351};
inline constexpr TextId kPageDeflectionConsidered{352};
inline constexpr TextId kPageDeflectionBoth{353};
inline constexpr TextId kPageHoleMovable{354};
inline constexpr TextId kPageNoonHorizontal{355};
inline constexpr TextId kPageMorningOnly{356};
inline constexpr TextId kPageAfternoonOnly{357};
inline constexpr TextId kPageAllDay{358};

}  // namespace kelvra::texts::ring
