// `kelvra graph eot|sunpath`: the equation-of-time graph or the sun-path
// diagram to a picture, page, plot or DXF file. Lives beside the Qt canvas;
// main() adds it with cli::AddCommand.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& GraphCommand();

}  // namespace kelvra::cli
