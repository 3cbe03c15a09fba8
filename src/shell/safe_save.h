// The one way Kelvra saves a file. The bytes go to a temporary file in the
// target's folder ("." + name + ".tmpXXXXXX"), which is synced to disk and then
// renamed over the target, and the folder is synced after the rename. Until
// the rename the user's old file stays exactly as it was; after a failure (disk
// full, read-only folder, target is a folder, ...) the old file is untouched
// and no temporary file is left behind.
//
// A target that is a symbolic link keeps the link: the file it points to is
// replaced. A replaced file keeps its permission bits; a new one gets the usual
// 0666 less the umask.
//
// Tests inject faults into every save of the process with ScopedSaveFault.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvra::shell {

// The outcome of a save. On failure `reason` is the system's text for the
// error of the step that failed ("No space left on device").
struct SaveResult {
  bool ok = false;
  int errorNumber = 0;
  std::string reason;
};

// The step of a save at which an injected fault strikes.
enum class SaveStage {
  Create,  // the temporary file cannot be created
  Write,   // a write fails once `bytesBeforeFault` bytes are in the file
  Sync,    // syncing the temporary file fails
  Rename,  // the final rename fails
};

struct SaveFault {
  SaveStage stage = SaveStage::Write;
  int errorNumber = 28;  // ENOSPC: the disk is full
  std::size_t bytesBeforeFault = 0;
  int savesBeforeFault = 0;  // saves that go through before the fault strikes
};

// A file written in a stream that appears under its name only when complete.
// Destruction without Commit discards it.
class SafeSaveFile {
 public:
  SafeSaveFile() = default;
  ~SafeSaveFile();
  SafeSaveFile(const SafeSaveFile&) = delete;
  SafeSaveFile& operator=(const SafeSaveFile&) = delete;

  // Creates the temporary file beside `target`. False when that fails
  // (Result() says why).
  bool Open(const std::filesystem::path& target);
  bool IsOpen() const { return fd_ >= 0; }
  // Appends bytes; they are written out in large blocks. After a failed write
  // further writes are dropped and Commit fails.
  void Write(std::string_view bytes);
  // The text followed by CR LF.
  void WriteLine(std::string_view text);
  // Writes what is buffered, syncs, closes and renames over the target. False
  // (target untouched, temporary file removed) when anything failed.
  bool Commit();
  // Closes and removes the temporary file; the target stays as it was.
  void Discard();

  bool Failed() const { return !result_.reason.empty(); }
  // After Commit: ok, or the error that stopped the save.
  const SaveResult& Result() const { return result_; }
  // The file being saved (a symbolic link resolved).
  const std::filesystem::path& Target() const { return target_; }

 private:
  void Flush();
  void Fail(int errorNumber);
  bool FaultAt(SaveStage stage);

  int fd_ = -1;
  bool faulty_ = false;  // an injected fault applies to this save
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::string buffer_;
  SaveResult result_;
};

// Saves `bytes` as the whole content of `target` through SafeSaveFile.
SaveResult SaveFileSafely(const std::filesystem::path& target, std::string_view bytes);

// ---- fault injection (tests) ------------------------------------------------

// While it lives, every save of the process fails with `fault` (one fault at a
// time; not for use from several threads).
class ScopedSaveFault {
 public:
  explicit ScopedSaveFault(SaveFault fault);
  ~ScopedSaveFault();
  ScopedSaveFault(const ScopedSaveFault&) = delete;
  ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;
  // How many saves the fault has stopped so far.
  int Hits() const;
};

}  // namespace kelvra::shell
