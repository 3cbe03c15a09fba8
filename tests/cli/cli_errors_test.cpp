// Whatever goes wrong inside a command ends in a message and an exit status,
// never in an uncaught exception (which aborts with status 134).
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <new>
#include <sstream>
#include <stdexcept>

#include "cli/cli.h"

namespace kelvra::cli {
namespace {

int ThrowsOutOfMemory(Invocation&) { throw std::bad_alloc(); }
int ThrowsRuntimeError(Invocation&) { throw std::runtime_error("table index 7 out of range"); }

TEST(CliErrors, ExceptionsOfACommandEndInAMessageAndStatusOne) {
  AddCommand({"test-oom", "test-oom", "throws bad_alloc", {}, ThrowsOutOfMemory});
  AddCommand({"test-error", "test-error", "throws runtime_error", {}, ThrowsRuntimeError});
  struct Case {
    const char* command;
    const char* message;
  };
  const Case cases[] = {
      {"test-oom", "kelvra test-oom: out of memory; nothing more was done\n"},
      {"test-error", "kelvra test-error: failed: table index 7 out of range\n"},
  };
  // No settings file of the machine is read.
  char folder[] = "/tmp/kelvra_cli_errors_XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  ::setenv("KELVRA_HOME", folder, 1);
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({c.command}, out, err), kExitFile) << c.command;
    EXPECT_EQ(err.str(), c.message);
    EXPECT_EQ(out.str(), "");
  }
  ::unsetenv("KELVRA_HOME");
  ::rmdir(folder);
}

}  // namespace
}  // namespace kelvra::cli
