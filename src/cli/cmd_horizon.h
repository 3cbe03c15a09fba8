// kelvra horizon: computes a horizon profile from SRTM elevation grids and
// writes it as a profile file, or prints the points of a profile file.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& HorizonCommand();

}  // namespace kelvra::cli
