// The texts of the azimuthal dials, by catalogue number (resources/text/azimuthal.tsv).
#pragma once

#include <string>

namespace kelvra::dials::azimuthal {

enum class TextId : int {
  TitleAzimuthal = 1300,
  TonneSuffix = 1301,
  TitleStereographic = 1302,
  TitleOrthographic = 1303,
  South = 1304,
  North = 1305,
  West = 1306,
  East = 1307,
  TemporalRefused = 1308,
  NotConstructed = 1309,
  Latitude = 1310,
  DegreeUnit = 1311,
  Longitude = 1312,
  ZoneTime = 1313,
  LocalTime = 1314,
  WithEot = 1315,
  WithoutEot = 1316,
  CivilTime = 1317,
  ApparentTime = 1318,
  ApparentTimeShort = 1319,
  Diameter = 1320,
  PointerNote = 1321,
  DomeNote = 1322,
  MonthStart = 1323,
  MidMonth = 1324,
  SignStart = 1325,
  SignMiddle = 1326,
  LowLatitude = 1327,
  Additionally = 1328,
  TemporalHours = 1329,
  BabylonianHours = 1330,
  ItalianHours = 1331,
  SampleEquals = 1332,
};

// The text in the current language.
std::string AzimuthalText(TextId id);

}  // namespace kelvra::dials::azimuthal
