// Whole files of the persistence layer: bounded reading of regular files and
// saving through the program's one safe-save path (shell/safe_save.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra::persist {

// Far larger than any settings, dial data, date-line or colour file can be (a
// settings file is about 1 kB, a long own date-line list a few kB more).
inline constexpr std::size_t kMaxTextFileBytes = 4u << 20;

// Why a file could not be read.
enum class ReadFailure {
  None,
  Missing,     // there is no such file
  NotRegular,  // a folder, a device, a pipe, ...
  TooLarge,    // more than the allowed number of bytes
  Unreadable,  // opening or reading failed (permissions, I/O error)
};

struct FileBytes {
  std::optional<std::string> bytes;  // the whole content when it was read
  ReadFailure failure = ReadFailure::None;
  std::string reason;  // English text for the failure ("Is a directory", ...)
};

// Reads `path` completely when it is a regular file of at most `maxBytes`
// bytes. Never blocks on a pipe or device and never reads more than
// maxBytes + 1 bytes.
FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

// The whole content of `path`, or nothing when ReadRegularFile fails.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Saves `bytes` as `path` through a temporary file, sync and rename. False
// when anything fails; the old file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kelvra::persist
