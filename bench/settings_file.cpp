// Writing and reading the settings file (the whole shared state, 52 lines).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persist/settings_file.h"
#include "persist/text_file.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace {

using namespace kelvra;

void BM_WriteSettingsLines(benchmark::State& state) {
  shell::State().general.ownDateLines = shell::DefaultOwnDateLines();
  std::vector<std::string> lines;
  for (auto _ : state) {
    persist::WriteSettings(lines, false);
    benchmark::DoNotOptimize(lines.data());
  }
}
BENCHMARK(BM_WriteSettingsLines);

void BM_WriteAndReadSettingsFile(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "kelvra_bench_settings.kel").string();
  shell::State().general.ownDateLines = shell::DefaultOwnDateLines();
  for (auto _ : state) {
    std::vector<std::string> lines;
    persist::WriteSettings(lines, false);
    persist::WriteTextLines(path, lines);
    auto result = persist::ReadSettings(path, true, true);
    benchmark::DoNotOptimize(result.problems.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndReadSettingsFile)->Unit(benchmark::kMicrosecond);

}  // namespace
