#include "dials/bifilar/bifilar_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::bifilar {

std::string BifilarText(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::bifilar
