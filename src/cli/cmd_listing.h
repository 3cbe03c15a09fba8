// kelvra listing: the construction listing of the current planar dial.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& ListingCommand();

}  // namespace kelvra::cli
