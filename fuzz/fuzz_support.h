// Shared pieces of the fuzz targets: a message sink that shows nothing and
// never agrees (so no reader ever rewrites a file), a fresh shared state per
// input, and a private scratch folder.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::fuzz {

// Answers Ok to an Ok box and No or Cancel to every question.
class QuietSink final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view text,
                            shell::MessageButtons buttons) override {
    shown += text.size();  // keeps the texts from being optimised away
    switch (buttons) {
      case shell::MessageButtons::Ok: return shell::MessageAnswer::Ok;
      case shell::MessageButtons::OkCancel: return shell::MessageAnswer::Cancel;
      default: return shell::MessageAnswer::No;
    }
  }
  std::size_t shown = 0;
};

inline QuietSink& InstallQuietSink() {
  static QuietSink sink;
  shell::SetMessageSink(&sink);
  return sink;
}

// The shared state as a fresh process has it.
inline void FreshState() {
  shell::State() = shell::SharedState{};
  shell::State().general.ownDateLines = shell::DefaultOwnDateLines();
  config::ResetDialParameters();
}

// A folder of this process under the temporary folder, removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvra_fuzz_XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    static const std::string remove = pattern;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(remove, ec);
    });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

// Stops the fuzzer with a message when an invariant does not hold.
#define KELVRA_FUZZ_CHECK(condition, what)                                   \
  do {                                                                       \
    if (!(condition)) {                                                      \
      std::fprintf(stderr, "invariant broken: %s (%s)\n", what, #condition); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)

}  // namespace kelvra::fuzz
