// A file written in a stream that appears under its name only when complete:
// the bytes go to a temporary file in the target's folder, which Commit renames
// over the target. Discard (or destruction without Commit) removes it, so a
// failed export never leaves a half-written file under the user's name.
// (persist::WriteFileAtomically does the same for texts held in memory; this
// one streams, for outputs larger than memory should hold.)
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvra::output {

class AtomicOutputFile {
 public:
  AtomicOutputFile() = default;
  ~AtomicOutputFile();
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  // Creates the temporary file beside `target`. False when that fails.
  bool Open(const std::filesystem::path& target);
  void Write(std::string_view bytes);
  // The text followed by CR LF.
  void WriteLine(std::string_view text);
  // Writes what is buffered, closes and renames over the target. False (and
  // the target untouched, the temporary file removed) when anything failed.
  bool Commit();
  // Closes and removes the temporary file.
  void Discard();

 private:
  void Flush();

  int fd_ = -1;
  bool failed_ = false;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::string buffer_;
};

}  // namespace kelvra::output
