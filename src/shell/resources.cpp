#include "shell/resources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <set>


#ifndef KELVRA_DATA_RELATIVE
#define KELVRA_DATA_RELATIVE "../share/kelvra"
#endif

namespace kelvra::shell {

namespace {

// Data files are read at most once; the views handed out stay valid.
struct DataFiles {
  std::mutex mutex;
  std::map<std::string, std::optional<std::string>, std::less<>> contents;
  std::set<std::string, std::less<>> names;
  bool listed = false;
};
DataFiles& Data() {
  static DataFiles data;
  return data;
}

// A path below the data folder that cannot leave it.
bool SafeRelativePath(std::string_view path) {
  if (path.empty() || path.front() == '/') return false;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    if (path.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

std::optional<std::string> ReadDataFile(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

// Lists every data file once (with the mutex held).
void ListDataFiles(DataFiles& data) {
  if (data.listed) return;
  data.listed = true;
  namespace fs = std::filesystem;
  const fs::path root(DataFolder());
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) data.names.insert(it->path().lexically_relative(root).generic_string());
  }
}

}  // namespace

std::string DataFolderFor(const EnvironmentLookup& environment, std::string_view executableFolder,
                          std::string_view relativeDataFolder) {
  if (auto dir = environment("KELVRA_DATA_DIR"); dir && !dir->empty()) {
    return WithTrailingSeparator(*dir);
  }
  const std::filesystem::path folder =
      (std::filesystem::path(std::string(executableFolder)) / std::string(relativeDataFolder))
          .lexically_normal();
  return WithTrailingSeparator(folder.string());
}

std::string DataFolder() {
  static const std::string folder =
      DataFolderFor(ProcessEnvironment(), ExecutableFolder(), KELVRA_DATA_RELATIVE);
  return folder;
}

std::optional<std::string_view> FindResource(std::string_view path) {
  for (const auto* r = detail::kEmbeddedResources; r->name != nullptr; ++r) {
    if (path == r->name) {
      return std::string_view(reinterpret_cast<const char*>(r->data), r->size);
    }
  }
  if (!SafeRelativePath(path)) return std::nullopt;
  auto& data = Data();
  std::lock_guard lock(data.mutex);
  auto it = data.contents.find(path);
  if (it == data.contents.end()) {
    it = data.contents.emplace(std::string(path), ReadDataFile(DataFolder() + std::string(path))).first;
  }
  if (!it->second) return std::nullopt;
  return std::string_view(*it->second);
}

std::vector<std::string_view> ResourcesUnder(std::string_view prefix) {
  std::vector<std::string_view> names;
  for (const auto* r = detail::kEmbeddedResources; r->name != nullptr; ++r) {
    std::string_view name(r->name);
    if (name.substr(0, prefix.size()) == prefix) names.push_back(name);
  }
  auto& data = Data();
  std::lock_guard lock(data.mutex);
  ListDataFiles(data);
  for (const auto& name : data.names) {
    if (std::string_view(name).substr(0, prefix.size()) == prefix) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace kelvra::shell
