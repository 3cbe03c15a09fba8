#include "dials/altitude/altitude_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::altitude {

std::string Text(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::altitude
