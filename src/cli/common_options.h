// Options every subcommand takes: the site, the year, the language, --json.
#pragma once

#include <vector>

#include "cli/args.h"

namespace kelvra::cli {

// --lat, --lon, --zone, --year, --lang, --json, --help.
const std::vector<OptionSpec>& CommonOptions();

// Writes the common options into the shared state (site, year, language).
// Unset values keep what the state holds (the defaults, or a settings file).
void ApplyCommonOptions(const ParsedArgs& args);

}  // namespace kelvra::cli
