// Program resources (text catalogue, pictures, help pages, map data) built into
// the executable from the resources/ folder of the source tree.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvra::shell {

namespace detail {
struct EmbeddedResource {
  const char* name;          // path below resources/, "/" separated; nullptr ends the table
  const unsigned char* data;
  std::size_t size;
};
extern const EmbeddedResource kEmbeddedResources[];
}  // namespace detail

// The bytes of the resource at `path` (for example "text/shell.tsv"), or nothing.
std::optional<std::string_view> FindResource(std::string_view path);

// The paths of all resources whose path starts with `prefix`, in sorted order.
std::vector<std::string_view> ResourcesUnder(std::string_view prefix);

}  // namespace kelvra::shell
