// Options every subcommand takes: the settings file and single fields, the
// site, the year, the language, --json.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/args.h"

namespace kelvra::cli {

// A settings file that is missing or damaged: reported (on stderr through the
// message sink), nothing written; the command line exits with status 1.
class SettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// --settings, --set, --lat, --lon, --zone, --year, --lang, --json, --help.
const std::vector<OptionSpec>& CommonOptions();

// Writes the common options into the shared state, in this order: the
// settings file (--settings FILE, else the settings folder's kel.ini when it
// exists), the site options, every --set NAME=VALUE, then --lang (which
// overrides the language of the settings). Unset values keep what the state
// holds. Throws UsageError for a bad option value and SettingsFileError when
// the settings file cannot be read or is damaged.
void ApplyCommonOptions(const ParsedArgs& args);

// The settings file read when --settings is not given: kel.ini in the
// settings folder (shell::SettingsFolder: KELVRA_HOME, the program's folder
// when it holds a kel.ini, else $XDG_CONFIG_HOME/kelvra or ~/.config/kelvra).
std::string DefaultSettingsFile();

}  // namespace kelvra::cli
