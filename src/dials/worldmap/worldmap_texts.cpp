#include "dials/worldmap/worldmap_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::worldmap {

std::string FileDeactivatedMessage(std::string_view file) {
  return shell::Get(1270) + std::string(file) + shell::Get(1995);
}

std::string CoastlineFileMissingMessage() { return shell::Get(1271); }

}  // namespace kelvra::dials::worldmap
