#include "persist/text_file.h"

#include <iconv.h>

#include <cerrno>

#include "persist/atomic_file.h"

namespace kelvra::persist {

namespace {

// The one place that talks to iconv. Input that cannot be converted is
// replaced by `replacement` (in the target encoding) and skipped.
std::string Convert(std::string_view in, const char* from, const char* to,
                    std::string_view replacement, std::size_t skipBytes) {
  iconv_t cd = ::iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 2);
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t r = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: skip the offending character.
      std::size_t skip = skipBytes;
      if (skipBytes == 0) {  // a UTF-8 sequence: skip the lead byte and its continuation bytes
        skip = 1;
        while (skip < inLeft && (static_cast<unsigned char>(inPtr[skip]) & 0xC0) == 0x80) ++skip;
      }
      if (skip > inLeft) skip = inLeft;
      inPtr += skip;
      inLeft -= skip;
      out.append(replacement);
    }
  }
  ::iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  return Convert(utf8, "UTF-8", "WINDOWS-1252", "?", 0);
}

std::string Windows1252ToUtf8(std::string_view cp1252) {
  return Convert(cp1252, "WINDOWS-1252", "UTF-8", "\xEF\xBF\xBD", 1);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(Windows1252ToUtf8(*bytes));
}

shell::SaveResult SaveTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return shell::SaveFileSafely(path, Utf8ToWindows1252(text));
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return SaveTextLines(path, lines).ok;
}

}  // namespace kelvra::persist
