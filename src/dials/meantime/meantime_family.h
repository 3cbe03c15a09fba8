// The mean-time dial with a cone as shadow caster (kind m) behind the family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::meantime {

const Family& MeanTimeFamily();

}  // namespace kelvra::dials::meantime
