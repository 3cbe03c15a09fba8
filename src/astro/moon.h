// The low-precision lunar series used by the moon rise and set search
// (astro/rise_set.h, RiseSetKind::Moon, event altitude +8 arc minutes).
#pragma once

#include "astro/rise_set.h"

namespace kelvra::astro {

// Geocentric right ascension (hours, 0..24) and declination (degrees) of the
// moon, equinox of date, without parallax, for T Julian centuries of 36525
// days from Modified Julian Date 51544.5.
EquatorialPosition LowPrecisionMoon(double T);

}  // namespace kelvra::astro
