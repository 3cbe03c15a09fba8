// The texts of the altitude and cylinder dials, by catalogue number
// (resources/text/altitude.tsv).
#pragma once

#include <string>

namespace kelvra::dials::altitude {

enum class TextId : int {
  TitleAltitude = 1000,
  TitleCylinder = 1001,
  SuffixShepherd = 1002,
  SuffixHat = 1003,
  SuffixPolar = 1004,
  TemporalRefused = 1005,
  TitleCylinderRefused = 1006,
  MonthAxisReduced = 1007,
  BabylonianItalianRefused = 1008,
  GnomonTooLong = 1009,
  TwoStrips = 1010,
  TemporalRange = 1011,
  Latitude = 1012,
  DegreeUnit = 1013,
  Longitude = 1014,
  LocalTime = 1015,
  ZoneApparentTime = 1016,
  WithEot = 1017,
  WithoutEot = 1018,
  TemporalHours = 1019,
  Deviation = 1020,
  EdgeHeight = 1021,
  GnomonLength = 1022,
  MonthScaleWidth = 1023,
  Circumference = 1024,
  CylinderRadius = 1025,
  SunAltitude = 1026,
  TemporalShort = 1027,
  BabylonianShort = 1028,
  ItalianShort = 1029,
  MeanTimeShort = 1030,
};

// The text in the current language.
std::string Text(TextId id);

}  // namespace kelvra::dials::altitude
