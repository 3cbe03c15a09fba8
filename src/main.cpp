// The kelvra executable: the window program, or a headless subcommand.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef KELVRA_HAVE_DRAW
#include "cli/draw/cmd_draw.h"
#include "cli/draw/cmd_graph.h"
#endif

#ifdef KELVRA_HAVE_UI
#include "ui/main/application.h"
#endif

namespace {

bool HaveDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef KELVRA_HAVE_DRAW
  kelvra::cli::AddCommand(kelvra::cli::DrawCommand());
  kelvra::cli::AddCommand(kelvra::cli::GraphCommand());
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() || !HaveDisplay()) {
    // No command and no display: the headless default job.
    if (args.empty()) args.push_back("today");
    return kelvra::cli::RunCli(args, std::cout, std::cerr);
  }
#ifdef KELVRA_HAVE_UI
  return kelvra::ui::RunApplication(argc, argv);
#else
  std::cerr << "kelvra: built without windows; run 'kelvra --help' for the commands\n";
  return kelvra::cli::kExitUsage;
#endif
}
