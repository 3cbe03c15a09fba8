#include "persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "shell/safe_save.h"

namespace kelvra::persist {

namespace {

FileBytes Failure(ReadFailure failure, std::string reason) {
  FileBytes r;
  r.failure = failure;
  r.reason = std::move(reason);
  return r;
}

std::string SystemText(int errorNumber) { return std::generic_category().message(errorNumber); }

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes) {
  // O_NONBLOCK: opening a pipe without a writer must not hang; it is refused
  // below as not a regular file anyway.
  Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) {
    const int e = errno;
    return Failure(e == ENOENT || e == ENOTDIR ? ReadFailure::Missing : ReadFailure::Unreadable,
                   SystemText(e));
  }
  struct stat st{};
  if (::fstat(file.fd, &st) != 0) return Failure(ReadFailure::Unreadable, SystemText(errno));
  if (S_ISDIR(st.st_mode)) return Failure(ReadFailure::NotRegular, SystemText(EISDIR));
  if (!S_ISREG(st.st_mode)) return Failure(ReadFailure::NotRegular, "not a regular file");
  const std::string tooLarge =
      "larger than " + std::to_string(maxBytes / (1u << 20)) + " MB";
  if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    return Failure(ReadFailure::TooLarge, tooLarge);
  }
  std::string content(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  // The file may grow while it is read: read on to its end, but never past
  // the bound.
  for (;;) {
    if (done == content.size()) {
      if (content.size() > maxBytes) return Failure(ReadFailure::TooLarge, tooLarge);
      content.resize(std::min<std::size_t>(content.size() + 4096, maxBytes + 1));
      if (done == content.size()) return Failure(ReadFailure::TooLarge, tooLarge);
    }
    const ssize_t n = ::read(file.fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Failure(ReadFailure::Unreadable, SystemText(errno));
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done > maxBytes) return Failure(ReadFailure::TooLarge, tooLarge);
  content.resize(done);
  FileBytes r;
  r.bytes = std::move(content);
  return r;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  return ReadRegularFile(path).bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return shell::SaveFileSafely(path, bytes).ok;
}

}  // namespace kelvra::persist
