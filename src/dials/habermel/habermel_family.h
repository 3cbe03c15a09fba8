// The Habermel altitude dials (kind q, variants 1 and 2) behind the
// dial-family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::habermel {

const Family& HabermelFamily();

}  // namespace kelvra::dials::habermel
