// Names of the texts of resources/text/worldmap.tsv (the world map overlay).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::worldmap {

inline constexpr TextId kFile{1270};             // "Datei "
inline constexpr TextId kCoastlineMissing{1271}; // "Die Datei coastKel.dat fehlt. ..."

}  // namespace kelvra::texts::worldmap
