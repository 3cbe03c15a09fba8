// The azimuthal dials (kind a) behind the dial-family seam: date circles
// (variant 0) and altitude circles in four projections (variant 1). The
// construction traces its chains once; the renderers and plot writers of the
// variant draw them.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::azimuthal {

const Family& AzimuthalFamily();

}  // namespace kelvra::dials::azimuthal
