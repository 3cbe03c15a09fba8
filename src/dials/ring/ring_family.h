// The ring dial (kind r) behind the family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::ring {

const Family& RingFamily();

}  // namespace kelvra::dials::ring
