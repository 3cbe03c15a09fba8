#include "dials/peaucellier/peaucellier_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::peaucellier {

std::string PeaucellierText(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::peaucellier
