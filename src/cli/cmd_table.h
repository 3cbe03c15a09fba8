// "kelvra table": the tables of the tables window, printed on stdout (UTF-8,
// LF) or written with -o as the window's export writes them (Windows-1252,
// CR LF, the CSV cut at its fixed positions).
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& TableCommand();

}  // namespace kelvra::cli
