// A fresh temporary folder and a saved copy of the shared state per test.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "config/dial_parameters.h"
#include "persist/atomic_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"

namespace kelvra::testing {

class PersistTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("kelvra_persist_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    savedState_ = shell::State();
    savedDial_ = config::Dial();
    shell::State() = shell::SharedState{};
    shell::State().general.ownDateLines = shell::DefaultOwnDateLines();
    shell::State().general.settingsFile = Path("kel.ini");
    config::ResetDialParameters();
  }
  void TearDown() override {
    shell::State() = savedState_;
    config::Dial() = savedDial_;
    shell::SelectLanguage(shell::State().general.language != 2);
    std::filesystem::remove_all(folder_);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Bytes(const std::string& name) const {
    return persist::ReadFileBytes(Path(name)).value_or("<missing>");
  }

  std::filesystem::path folder_;
  shell::SharedState savedState_;
  config::DialParameters savedDial_;
};

// Writing needs more than this process may write: the write fails half-way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, SIG_DFL);
  }

 private:
  rlimit old_{};
};

}  // namespace kelvra::testing
