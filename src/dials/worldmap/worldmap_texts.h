// The messages of the map drawing, in the current language
// (resources/text/worldmap.tsv).
#pragma once

#include <string>
#include <string_view>

namespace kelvra::dials::worldmap {

// "Datei " + file + " wurde deaktiviert!" / "File " + file + " is deactivated!"
std::string FileDeactivatedMessage(std::string_view file);
// "Die Datei coastKel.dat fehlt. Küstenlinien können nicht angezeigt werden"
std::string CoastlineFileMissingMessage();

}  // namespace kelvra::dials::worldmap
