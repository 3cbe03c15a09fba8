// The bifilar dial after Michnik (kind f) behind the dial-family seam: the
// construction traces its chains once; the canvas renderer and the plot
// writer draw them.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::bifilar {

const Family& BifilarFamily();

}  // namespace kelvra::dials::bifilar
