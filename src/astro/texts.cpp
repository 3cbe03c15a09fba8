#include "astro/texts.h"

#include "shell/catalog.h"

namespace kelvra::astro {

std::string AstroText(int id, int language) {
  return std::string(
      shell::TextCatalog::Builtin().Lookup('T', id + (language == 2 ? 2000 : 0), 1));
}

std::string AstroText(int id) { return AstroText(id, shell::CurrentLanguage()); }

}  // namespace kelvra::astro
