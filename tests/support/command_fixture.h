// A fixture for tests that run `kelvra` commands in the test process: an
// empty settings folder of its own (no user kel.ini is read), the dial
// parameters, the site and the horizon profile reset before every run, and
// the command's status and both output streams kept.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "calc/horizon/horizon_profile.h"
#include "cli/cli.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"

namespace kelvra::cli {

struct Result {
  int status;
  std::string out, err;
};

inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CommandFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("kelvra_" + std::string(test->test_suite_name()) + "_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    ::setenv("KELVRA_HOME", dir_.c_str(), 1);
  }
  void TearDown() override {
    ResetState();
    ::unsetenv("KELVRA_HOME");
    std::filesystem::remove_all(dir_);
  }

  Result Kelvra(const std::vector<std::string>& args) {
    ResetState();
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;

 private:
  static void ResetState() {
    config::ResetDialParameters();
    shell::State().site = shell::SiteSettings{};
    calc::Horizon() = calc::HorizonProfileState{};
  }
};

}  // namespace kelvra::cli
