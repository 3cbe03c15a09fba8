// Program resources and data files.
//
// The text catalogue is built into the executable (resources/text). The data
// files (help pages, pictures, map data) lie in the data folder: installed
// under PREFIX/share/kelvra, and in the build tree under build/share/kelvra,
// the same place relative to the executable in both. FindResource and
// ResourcesUnder look in both, built-in texts first, with "/" separated
// paths below resources/ ("text/shell.tsv", "help/de/1.html").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/startup.h"

namespace kelvra::shell {

namespace detail {
struct EmbeddedResource {
  const char* name;          // path below resources/, "/" separated; nullptr ends the table
  const unsigned char* data;
  std::size_t size;
};
extern const EmbeddedResource kEmbeddedResources[];
}  // namespace detail

// The bytes of the resource at `path` (for example "text/shell.tsv"), or
// nothing. A data file is read once and kept for the rest of the run.
std::optional<std::string_view> FindResource(std::string_view path);

// The paths of all resources whose path starts with `prefix`, in sorted order.
std::vector<std::string_view> ResourcesUnder(std::string_view prefix);

// The data folder, with a trailing "/": $KELVRA_DATA_DIR when it is set and
// not empty, otherwise `relativeDataFolder` resolved against the folder of
// the executable ("../share/kelvra" beside "bin/").
std::string DataFolderFor(const EnvironmentLookup& environment, std::string_view executableFolder,
                          std::string_view relativeDataFolder);
// The data folder of this process (the relative folder is set at build time).
std::string DataFolder();

}  // namespace kelvra::shell
