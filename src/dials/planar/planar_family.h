// The planar family behind the dial-family seam: the horizontal, vertical and
// inclining dials (kinds h, v, i) and the umbrella dial on those planes. One
// construction traces the chains once; the canvas renderer, the plot writer
// and the construction listing read them.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::planar {

const Family& PlanarFamily();

}  // namespace kelvra::dials::planar
