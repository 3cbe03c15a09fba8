// The Peaucellier azimuthal dial (kind p) behind the dial-family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::peaucellier {

const Family& PeaucellierFamily();

}  // namespace kelvra::dials::peaucellier
