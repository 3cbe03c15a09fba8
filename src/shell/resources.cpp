#include "shell/resources.h"

namespace kelvra::shell {

std::optional<std::string_view> FindResource(std::string_view path) {
  for (const auto* r = detail::kEmbeddedResources; r->name != nullptr; ++r) {
    if (path == r->name) {
      return std::string_view(reinterpret_cast<const char*>(r->data), r->size);
    }
  }
  return std::nullopt;
}

std::vector<std::string_view> ResourcesUnder(std::string_view prefix) {
  std::vector<std::string_view> names;
  for (const auto* r = detail::kEmbeddedResources; r->name != nullptr; ++r) {
    std::string_view name(r->name);
    if (name.substr(0, prefix.size()) == prefix) names.push_back(name);
  }
  return names;
}

}  // namespace kelvra::shell
