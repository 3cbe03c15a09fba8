// The altitude and cylinder dials behind the dial-family seam: the horizontal
// altitude dial (kind k; kind b, which no dialog sets, is the same dial with
// the shepherd's gnomon and has no plot file) and the cylinder dials (kind z:
// shepherd's dial, hat dial, polar style). The geometry is built once; the
// canvas and the plot file draw it through the same layout.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::altitude {

// Kind k and b (the table's HorizontalAltitude family).
const Family& HorizontalAltitudeFamily();
// Kind z (the table's Cylinder family).
const Family& CylinderFamily();

}  // namespace kelvra::dials::altitude
