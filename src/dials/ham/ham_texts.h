// The texts of the ham dial design aid, by catalogue number
// (resources/text/ham.tsv; the legend reuses the planar dials' site texts).
#pragma once

#include <string>

namespace kelvra::dials::ham {

enum class TextId : int {
  Toggle = 1272,          // "Schi&nken Sonnenuhr" / "Ham Su&ndial (xxxx) "
  Title = 1273,
  LocalTime = 1274,
  Diameter = 1275,
  StretchLegend = 1276,
  EquinoxLegend = 1277,
  HintDelete = 1278,
  HintMark = 1279,
  HintShowMarks = 1260,
  LoadTitle = 1261,
  FileFilter = 1262,
  NotAHamFile = 1263,
  Line = 1264,
  NotAPoint = 1265,
  TooManyPoints = 1266,
  StretchLabel = 1267,
  EquinoxLabel = 1268,
  Unreadable = 1269,
  Latitude = 1710,        // "Geogr. Breite = "
  DegreeUnit = 1711,      // " Grad"
  ApparentTime = 1719,    // " Wahre Ortszeit"
  Saved = 1984,           // " gespeichert!"
  SaveFailed = 1985,      // "INI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)"
};

// The text in the current language, without "&".
std::string HamText(TextId id);
// The text as stored (with its access key "&").
std::string HamRawText(TextId id);

}  // namespace kelvra::dials::ham
