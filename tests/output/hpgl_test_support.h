// Small helpers of the plot file and DXF tests: a fresh temporary folder per
// test, whole-file reads and writes, and DXF files split into lines.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace kelvra::testing {

// A folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kelvra_hpgl_" + std::to_string(::getpid()) + "_";
    if (info) name += std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }
  // Names of all files in the folder.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Splits a DXF text at CR LF; false in `ok` when a lone CR or LF occurs.
inline std::vector<std::string> DxfLines(const std::string& text, bool* ok = nullptr) {
  std::vector<std::string> lines;
  bool clean = true;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      clean = false;
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (line.find('\r') != std::string::npos || line.find('\n') != std::string::npos) clean = false;
    lines.push_back(line);
    start = end + 2;
  }
  if (ok) *ok = clean;
  return lines;
}

}  // namespace kelvra::testing
