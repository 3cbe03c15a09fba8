// The headless subcommands of the kelvra executable ("kelvra sun", ...).
// Exit status: 0 success, 1 a file could not be read or written (or a settings
// file is damaged), 2 a usage error (unknown option, value out of range).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/args.h"

namespace kelvra::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFile = 1;
inline constexpr int kExitUsage = 2;

struct Invocation {
  const ParsedArgs& args;
  std::ostream& out;
  std::ostream& err;
  bool json = false;
};

struct Command {
  std::string_view name;
  std::string_view synopsis;  // "sun --date YYYY-MM-DD --time HH:MM[:SS] ..."
  std::string_view summary;   // one line
  std::vector<OptionSpec> options;  // the command's own options
  int (*run)(Invocation&);
};

// Every subcommand, in the order the help lists them: the core commands, then
// those added with AddCommand.
const std::vector<Command>& Commands();

// Adds a command that lives outside this library (for example one that needs
// the Qt canvas). Call before RunCli; a name given twice replaces the first.
void AddCommand(const Command& command);

// True when `name` is a subcommand or a top-level option (--help, --version).
bool IsCliWord(std::string_view name);

// Runs `args` (subcommand first) with output to `out` and messages to `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvra::cli
