// The texts of the quadrant, by catalogue number (resources/text/quadrant.tsv).
#pragma once

#include <string>

namespace kelvra::dials::quadrant {

enum class TextId : int {
  TemporalImpossible = 1200,
  NotConstructed = 1201,
  Title = 1202,
  GunterTitle = 1203,
  Latitude = 1204,
  DegreeUnit = 1205,
  Longitude = 1206,
  ZoneApparentTime = 1207,
  LocalApparentTime = 1208,
  WithEot = 1209,
  WithoutEot = 1210,
  TemporalHours = 1211,
  TemporalNote = 1212,
  Azimuth = 1213,
};

// The text in the current language.
std::string QuadrantText(TextId id);

}  // namespace kelvra::dials::quadrant
