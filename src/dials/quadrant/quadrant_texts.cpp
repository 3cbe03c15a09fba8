#include "dials/quadrant/quadrant_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::quadrant {

std::string QuadrantText(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::quadrant
