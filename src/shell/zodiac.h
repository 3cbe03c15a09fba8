// The zodiac table of the reference year (SiteSettings.year): the obliquity,
// its value rounded to 0.01 degree, and the declinations of the date lines.
// Computed from the year when asked, so it always follows the reference year.
#pragma once

#include "astro/solar_ephemeris.h"

namespace kelvra::shell {

astro::ZodiacTable CurrentZodiac();

}  // namespace kelvra::shell
