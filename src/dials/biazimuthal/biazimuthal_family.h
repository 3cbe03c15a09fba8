// The biazimuthal map dial (kind c) behind the family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::biazimuthal {

const Family& BiazimuthalFamily();

}  // namespace kelvra::dials::biazimuthal
