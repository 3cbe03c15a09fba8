// The Sawyer decliner (kind w) behind the dial-family seam.
#pragma once

#include "dials/dial_family.h"

namespace kelvra::dials::sawyer {

const Family& SawyerFamily();

}  // namespace kelvra::dials::sawyer
