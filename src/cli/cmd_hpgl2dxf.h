// kelvra hpgl2dxf IN.plt OUT.dxf: converts a plot file into a DXF drawing.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& Hpgl2DxfCommand();

}  // namespace kelvra::cli
