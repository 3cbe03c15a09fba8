// The quadrant (kind q, variant 0) behind the dial-family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::quadrant {

const Family& QuadrantFamily();

}  // namespace kelvra::dials::quadrant
