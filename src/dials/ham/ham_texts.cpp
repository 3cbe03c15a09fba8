#include "dials/ham/ham_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::ham {

std::string HamText(TextId id) { return shell::Get(static_cast<int>(id)); }
std::string HamRawText(TextId id) { return shell::GetRaw(static_cast<int>(id)); }

}  // namespace kelvra::dials::ham
