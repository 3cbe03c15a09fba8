// kelvra draw -o OUT.png|.jpg|.svg|.pdf|.plt|.dxf: draws the current dial.
// Lives beside the Qt canvas; main() adds it with cli::AddCommand.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& DrawCommand();

}  // namespace kelvra::cli
