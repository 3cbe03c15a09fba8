// The command-line parser and the read-only commands on any arguments: every
// problem is a usage error with a message or a clean failure, never a crash.
// Input: the arguments separated by NUL bytes. Commands that write files
// (settings write, hpgl2dxf, draw) are parsed but not run, and neither is
// "today", which depends on the clock.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/common_options.h"
#include "fuzz_support.h"

namespace {

using namespace kelvra;

std::vector<std::string> SplitArguments(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size && args.size() <= 24; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else if (args.back().size() < 200) {
      args.back() += static_cast<char>(data[i]);
    }
  }
  return args;
}

bool Runnable(const std::vector<std::string>& args) {
  static const std::vector<std::string> kCommands = {"sun", "riseset", "azimuth", "listing", "settings",
                                                     "--help", "--version", "help"};
  bool known = false;
  for (const auto& c : kCommands) known = known || args[0] == c;
  if (!known) return false;
  for (const auto& a : args) {
    if (a == "write") return false;  // settings write
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool initialised = [] {
    // No settings folder of the machine: an empty one of this process.
    ::setenv("KELVRA_HOME", fuzz::ScratchFolder().c_str(), 1);
    return true;
  }();
  (void)initialised;
  fuzz::InstallQuietSink();
  fuzz::FreshState();
  const std::vector<std::string> args = SplitArguments(data, size);

  // The parser against every command's options.
  for (const auto& command : cli::Commands()) {
    std::vector<cli::OptionSpec> accepted = cli::CommonOptions();
    accepted.insert(accepted.end(), command.options.begin(), command.options.end());
    try {
      const cli::ParsedArgs parsed = cli::ParsedArgs::Parse(args, accepted);
      for (const auto& option : accepted) {
        (void)parsed.Values(option.name);
        try {
          (void)parsed.Real(option.name, -90, 90);
        } catch (const cli::UsageError&) {
        }
        try {
          (void)parsed.Integer(option.name, 1300, 2500);
        } catch (const cli::UsageError&) {
        }
        try {
          (void)parsed.Choice(option.name, {"de", "en"});
        } catch (const cli::UsageError&) {
        }
      }
    } catch (const cli::UsageError& e) {
      KELVRA_FUZZ_CHECK(*e.what() != '\0', "a usage error says what is wrong");
    }
  }

  if (Runnable(args)) {
    std::ostringstream out, err;
    const int status = cli::RunCli(args, out, err);
    KELVRA_FUZZ_CHECK(status >= 0 && status <= 2, "the exit status is 0, 1 or 2");
    KELVRA_FUZZ_CHECK(status == 0 || !err.str().empty(), "a failure says why");
  }
  return 0;
}
