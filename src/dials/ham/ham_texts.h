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
  HintShowMarks = 1380,
  LoadTitle = 1381,
  FileFilter = 1382,
  NotAHamFile = 1383,
  Line = 1384,
  NotAPoint = 1385,
  TooManyPoints = 1386,
  StretchLabel = 1387,
  EquinoxLabel = 1388,
  Unreadable = 1389,
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
