#include "dials/worldmap/worldmap_texts.h"

#include "shell/catalog.h"
#include "texts/persist.h"
#include "texts/worldmap.h"

namespace kelvra::dials::worldmap {

std::string FileDeactivatedMessage(std::string_view file) {
  return shell::Get(texts::worldmap::kFile) + std::string(file) +
         shell::Get(texts::persist::kDeactivated);
}

std::string CoastlineFileMissingMessage() { return shell::Get(texts::worldmap::kCoastlineMissing); }

}  // namespace kelvra::dials::worldmap
