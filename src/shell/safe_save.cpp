#include "shell/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

namespace kelvra::shell {

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

struct FaultState {
  std::optional<SaveFault> fault;
  int opened = 0;  // saves started while the fault is installed
  int hits = 0;
};
FaultState& Faults() {
  static FaultState state;
  return state;
}

std::string SystemText(int errorNumber) { return std::generic_category().message(errorNumber); }

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The file a save of `target` replaces: the target of a symbolic link.
std::filesystem::path ResolvedTarget(const std::filesystem::path& target) {
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    auto resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) return resolved;
  }
  return target;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is durable; a folder that cannot be synced changes nothing
  ::close(fd);
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

}  // namespace

SafeSaveFile::~SafeSaveFile() { Discard(); }

// True (and the save failed with the injected error) when the installed fault
// strikes this save at `stage`.
bool SafeSaveFile::FaultAt(SaveStage stage) {
  auto& f = Faults();
  if (!faulty_ || !f.fault || f.fault->stage != stage) return false;
  ++f.hits;
  Fail(f.fault->errorNumber);
  return true;
}

void SafeSaveFile::Fail(int errorNumber) {
  if (!Failed()) {
    result_.ok = false;
    result_.errorNumber = errorNumber;
    result_.reason = SystemText(errorNumber);
  }
}

bool SafeSaveFile::Open(const std::filesystem::path& target) {
  Discard();
  result_ = SaveResult{};
  target_ = ResolvedTarget(target);
  auto& faults = Faults();
  faulty_ = faults.fault && faults.opened++ >= faults.fault->savesBeforeFault;
  if (target_.empty() || !target_.has_filename()) {
    Fail(EISDIR);
    return false;
  }
  if (FaultAt(SaveStage::Create)) return false;
  std::string pattern =
      (FolderOf(target_) / ("." + target_.filename().string() + ".tmpXXXXXX")).string();
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) {
    Fail(errno);
    return false;
  }
  temporary_ = pattern;
  return true;
}

void SafeSaveFile::Write(std::string_view bytes) {
  if (fd_ < 0 || Failed()) return;
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushSize) Flush();
}

void SafeSaveFile::WriteLine(std::string_view text) {
  if (fd_ < 0 || Failed()) return;
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) Flush();
}

void SafeSaveFile::Flush() {
  std::size_t done = 0;
  auto& faults = Faults();
  while (!Failed() && done < buffer_.size()) {
    std::size_t chunk = buffer_.size() - done;
    if (faulty_ && faults.fault && faults.fault->stage == SaveStage::Write) {
      const off_t written = ::lseek(fd_, 0, SEEK_CUR);
      const std::size_t room =
          written >= 0 && static_cast<std::size_t>(written) < faults.fault->bytesBeforeFault
              ? faults.fault->bytesBeforeFault - static_cast<std::size_t>(written)
              : 0;
      if (room == 0 && FaultAt(SaveStage::Write)) break;
      if (chunk > room) chunk = room;
    }
    const ssize_t n = ::write(fd_, buffer_.data() + done, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  buffer_.clear();
}

bool SafeSaveFile::Commit() {
  if (fd_ < 0) {
    if (!Failed()) Fail(EBADF);
    Discard();
    return false;
  }
  Flush();
  if (!Failed() && !FaultAt(SaveStage::Sync) && ::fsync(fd_) != 0) Fail(errno);
  if (!Failed()) {
    // Keep the permissions of the file being replaced.
    struct stat st{};
    if (::stat(target_.c_str(), &st) == 0) {
      ::fchmod(fd_, st.st_mode & 07777);
    } else {
      ::fchmod(fd_, 0666 & ~CurrentUmask());
    }
  }
  if (::close(fd_) != 0) Fail(errno);
  fd_ = -1;
  if (!Failed() && !FaultAt(SaveStage::Rename) &&
      std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    Fail(errno);
  }
  if (Failed()) {
    Discard();
    return false;
  }
  temporary_.clear();
  SyncFolder(FolderOf(target_));
  result_.ok = true;
  return true;
}

void SafeSaveFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  buffer_.clear();
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

SaveResult SaveFileSafely(const std::filesystem::path& target, std::string_view bytes) {
  SafeSaveFile file;
  if (file.Open(target)) {
    file.Write(bytes);
    file.Commit();
  }
  return file.Result();
}

ScopedSaveFault::ScopedSaveFault(SaveFault fault) {
  Faults().fault = fault;
  Faults().opened = 0;
  Faults().hits = 0;
}

ScopedSaveFault::~ScopedSaveFault() { Faults().fault.reset(); }

int ScopedSaveFault::Hits() const { return Faults().hits; }

}  // namespace kelvra::shell
