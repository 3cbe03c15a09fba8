#include "dials/azimuthal/azimuthal_texts.h"

#include "shell/catalog.h"

namespace kelvra::dials::azimuthal {

std::string AzimuthalText(TextId id) { return shell::Get(static_cast<int>(id)); }

}  // namespace kelvra::dials::azimuthal
