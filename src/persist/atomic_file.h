// Writing a whole file safely: the bytes go to a temporary file in the same
// folder, which is then renamed over the target. A failed write leaves the old
// file exactly as it was and removes the temporary file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvra::persist {

// Writes `bytes` to `path` through a temporary file and a rename. Returns false
// when anything fails (folder missing or read-only, disk full, ...); the old
// file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of `path`, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace kelvra::persist
