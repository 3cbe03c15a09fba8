// kelvra settings show|check FILE|write FILE: the fields of the current state,
// the problems of a settings file, and the current state as a dial data file.
#pragma once

#include "cli/cli.h"

namespace kelvra::cli {

const Command& SettingsCommand();

}  // namespace kelvra::cli
