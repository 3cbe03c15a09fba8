// The sun commands: "kelvra sun" (the sun's position at a time), "kelvra
// riseset" (rise, set, twilight and moon of a day), "kelvra azimuth" (the time
// at which the sun reaches an azimuth) and "kelvra today" (the headless default
// job: today's sun data at the site). Their text output is the sun-position
// calculator's result block in the chosen language.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& SunCommand();
const Command& RiseSetCommand();
const Command& AzimuthCommand();
const Command& TodayCommand();

}  // namespace kelvra::cli
