#include "cli/cli.h"

#include <exception>
#include <filesystem>
#include <new>
#include <ostream>

#include "cli/cmd_horizon.h"
#include "cli/cmd_hpgl2dxf.h"
#include "cli/cmd_listing.h"
#include "cli/cmd_settings.h"
#include "cli/cmd_sun.h"
#include "cli/cmd_table.h"
#include "cli/common_options.h"
#include "shell/messages.h"
#include "shell/resources.h"

namespace kelvra::cli {

namespace {
std::vector<Command>& Registry() {
  // The core commands; each helper file defines its Command.
  static std::vector<Command> commands = {
      Hpgl2DxfCommand(),
      HorizonCommand(),
      ListingCommand(),
      SettingsCommand(),
      SunCommand(), RiseSetCommand(), AzimuthCommand(), TodayCommand(),
      TableCommand(),
  };
  return commands;
}
}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

void AddCommand(const Command& command) {
  for (auto& c : Registry()) {
    if (c.name == command.name) {
      c = command;
      return;
    }
  }
  Registry().push_back(command);
}

namespace {

void PrintOptions(std::ostream& out, const std::vector<OptionSpec>& options) {
  for (const auto& o : options) {
    std::string left = "  " + std::string(o.name);
    if (!o.valueName.empty()) left += " " + std::string(o.valueName);
    if (left.size() < 28) left.resize(28, ' ');
    else left += "  ";
    out << left << o.help << '\n';
  }
}

void PrintUsage(std::ostream& out) {
  out << "usage: kelvra [COMMAND [OPTIONS]]\n"
         "Without a command Kelvra opens its window (or, without a display, prints\n"
         "today's sun data for the site).\n\ncommands:\n";
  for (const auto& c : Commands()) {
    std::string name = "  " + std::string(c.name);
    name.resize(14, ' ');
    out << name << c.summary << '\n';
  }
  out << "\noptions of every command:\n";
  PrintOptions(out, CommonOptions());
  out << "\n'kelvra COMMAND --help' describes a command.\n";
}

const Command* FindCommand(std::string_view name) {
  for (const auto& c : Commands()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

}  // namespace

bool IsCliWord(std::string_view name) {
  return name == "--help" || name == "-h" || name == "help" || name == "--version" ||
         FindCommand(name) != nullptr;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(out);
    return kExitOk;
  }
  if (args[0] == "--version") {
    out << "kelvra" << KELVRA_VERSION_TEXT << '\n';
    // Where the help pages and pictures are looked for: the first thing to
    // know when the window finds none.
    std::string data = shell::DataFolder();
    if (data.size() > 1 && data.back() == '/') data.pop_back();
    std::error_code ec;
    out << "data folder: " << data << (std::filesystem::is_directory(data, ec) ? "" : " (missing)")
        << '\n';
    return kExitOk;
  }
  const Command* command = FindCommand(args[0]);
  if (!command) {
    err << "kelvra: unknown command '" << args[0] << "'; commands:";
    for (const auto& c : Commands()) err << ' ' << c.name;
    err << '\n';
    return kExitUsage;
  }
  std::vector<OptionSpec> accepted = CommonOptions();
  accepted.insert(accepted.end(), command->options.begin(), command->options.end());
  shell::StderrMessageSink sink(err);
  shell::ScopedMessageSink scoped(sink);
  try {
    std::vector<std::string> rest(args.begin() + 1, args.end());
    ParsedArgs parsed = ParsedArgs::Parse(rest, accepted);
    if (parsed.Has("--help")) {
      out << "usage: kelvra " << command->synopsis << "\n" << command->summary << "\n\noptions:\n";
      PrintOptions(out, command->options);
      PrintOptions(out, CommonOptions());
      return kExitOk;
    }
    sink.SetVerbose(parsed.Has("--verbose"));
    ApplyCommonOptions(parsed, err, "kelvra " + std::string(command->name) + ": ");
    Invocation invocation{parsed, out, err, parsed.Has("--json")};
    return command->run(invocation);
  } catch (const UsageError& e) {
    err << "kelvra " << command->name << ": " << e.what() << '\n';
    return kExitUsage;
  } catch (const SettingsFileError& e) {
    err << "kelvra " << command->name << ": " << e.what() << '\n';
    return kExitFile;
  } catch (const std::bad_alloc&) {
    err << "kelvra " << command->name << ": out of memory; nothing more was done\n";
    return kExitFile;
  } catch (const std::exception& e) {
    // No command ends in an uncaught exception: what went wrong is named.
    err << "kelvra " << command->name << ": failed: " << e.what() << '\n';
    return kExitFile;
  }
}

}  // namespace kelvra::cli
