#include "dials/planar/planar_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::planar {

std::string PlanarText(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::planar
