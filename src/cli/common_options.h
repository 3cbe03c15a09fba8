// Options every subcommand takes: the settings file and single fields, the
// site, the year, the language, --json.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/args.h"
#include "persist/settings_file.h"

namespace kelvra::cli {

// A settings file that is missing or damaged: reported (on stderr through the
// message sink), nothing written; the command line exits with status 1.
class SettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// --settings, --set, --lat, --lon, --zone, --year, --lang, --json, --verbose,
// --help.
const std::vector<OptionSpec>& CommonOptions();

// Writes the common options into the shared state, in this order: the
// settings file (--settings FILE, else the settings folder's kel.ini when it
// exists), the site options, every --set NAME=VALUE, then --lang (which
// overrides the language of the settings). Unset values keep what the state
// holds. Throws UsageError for a bad option value and SettingsFileError when
// the settings file cannot be read or is damaged. Each problem of the settings
// file is one line on `err`, starting with `prefix` ("kelvra draw: "), with
// the value taken instead; none of the reader's boxes or questions is shown.
void ApplyCommonOptions(const ParsedArgs& args, std::ostream& err, std::string_view prefix);

// Reads a settings file into the shared state as the window would, but shows
// none of the reader's boxes and answers every question no (nothing is
// written); the problems are in the result.
persist::ReadResult ReadSettingsQuietly(const std::string& file);

// One problem of a settings file as one line: "PREFIXFILE: line N: "text" ->
// value taken (reading stops here)".
std::string ProblemLine(std::string_view prefix, const std::string& file,
                        const persist::ReadProblem& p);

// The settings file read when --settings is not given: kel.ini in the
// settings folder (shell::SettingsFolder: KELVRA_HOME, the program's folder
// when it holds a kel.ini, else $XDG_CONFIG_HOME/kelvra or ~/.config/kelvra).
std::string DefaultSettingsFile();

}  // namespace kelvra::cli
