#include "output/atomic_output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace kelvra::output {

namespace {
constexpr std::size_t kFlushSize = 1 << 20;
}

AtomicOutputFile::~AtomicOutputFile() { Discard(); }

bool AtomicOutputFile::Open(const std::filesystem::path& target) {
  Discard();
  failed_ = false;
  target_ = target;
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const std::string stem = "." + target.filename().string() + ".tmp";
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary_ = folder / (stem + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return true;
    if (errno != EEXIST) break;
  }
  temporary_.clear();
  return false;
}

void AtomicOutputFile::Write(std::string_view bytes) {
  if (fd_ < 0 || failed_) return;
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushSize) Flush();
}

void AtomicOutputFile::WriteLine(std::string_view text) {
  if (fd_ < 0 || failed_) return;
  buffer_.append(text);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) Flush();
}

void AtomicOutputFile::Flush() {
  std::size_t done = 0;
  while (!failed_ && done < buffer_.size()) {
    ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  buffer_.clear();
}

bool AtomicOutputFile::Commit() {
  if (fd_ < 0) return false;
  Flush();
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  if (!failed_) {
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (!ec) {
      temporary_.clear();
      return true;
    }
    failed_ = true;
  }
  Discard();
  return false;
}

void AtomicOutputFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  buffer_.clear();
  if (!temporary_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
    temporary_.clear();
  }
}

}  // namespace kelvra::output
