// Names of the texts of resources/text/ring.tsv (the ring dial).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::ring {

inline constexpr TextId kTemporalImpossible{2000};
inline constexpr TextId kNotConstructed{2001};
inline constexpr TextId kTemporalRange{2002};
inline constexpr TextId kTooBig{2003};
inline constexpr TextId kTitle{2004};
inline constexpr TextId kHourLinesShow{2005};
inline constexpr TextId kTemporalHours{2006};
inline constexpr TextId kLocalApparentTime{2007};
inline constexpr TextId kItalianHour{2008};
inline constexpr TextId kBabylonianHour{2009};
inline constexpr TextId kHoleOffset{2010};
inline constexpr TextId kLatitude{2011};
inline constexpr TextId kDiameter{2012};
inline constexpr TextId kRingWidth{2013};
inline constexpr TextId kPinHoleAt{2014};
inline constexpr TextId kDegrees{2015};
inline constexpr TextId kHalfCircumference{2016};
inline constexpr TextId kScaleLength{2017};
inline constexpr TextId kBothScalesLength{2018};
inline constexpr TextId kOverlapping{2019};
inline constexpr TextId kReducedTo{2020};
inline constexpr TextId kPart{2021};

// The correction table.
inline constexpr TextId kTableHeading{2025};
inline constexpr TextId kTableDepends{2026};
inline constexpr TextId kTableScaleAxis{2027};
inline constexpr TextId kTableAltitudeAxis{2028};
inline constexpr TextId kTableRelative{2029};
inline constexpr TextId kTableOffsetAxis{2030};
inline constexpr TextId kTableDataNote{2031};
inline constexpr TextId kTableFileTitle{2032};
inline constexpr TextId kTableOpenError{2033};
inline constexpr TextId kTableButton{2034};  // the drawing window's correction-table switch

}  // namespace kelvra::texts::ring
