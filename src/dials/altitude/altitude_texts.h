// The texts of the altitude and cylinder dials, by catalogue number
// (resources/text/altitude.tsv).
#pragma once

#include <string>

namespace kelvra::dials::altitude {

enum class TextId : int {
  TitleAltitude = 1200,
  TitleCylinder = 1201,
  SuffixShepherd = 1202,
  SuffixHat = 1203,
  SuffixPolar = 1204,
  TemporalRefused = 1205,
  TitleCylinderRefused = 1206,
  MonthAxisReduced = 1207,
  BabylonianItalianRefused = 1208,
  GnomonTooLong = 1209,
  TwoStrips = 1210,
  TemporalRange = 1211,
  Latitude = 1212,
  DegreeUnit = 1213,
  Longitude = 1214,
  LocalTime = 1215,
  ZoneApparentTime = 1216,
  WithEot = 1217,
  WithoutEot = 1218,
  TemporalHours = 1219,
  Deviation = 1220,
  EdgeHeight = 1221,
  GnomonLength = 1222,
  MonthScaleWidth = 1223,
  Circumference = 1224,
  CylinderRadius = 1225,
  SunAltitude = 1226,
  TemporalShort = 1227,
  BabylonianShort = 1228,
  ItalianShort = 1229,
  MeanTimeShort = 1230,
};

// The text in the current language.
std::string Text(TextId id);

}  // namespace kelvra::dials::altitude
