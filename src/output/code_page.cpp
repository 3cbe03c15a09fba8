#include "output/code_page.h"

#include <iconv.h>

#include <cerrno>

namespace kelvra::output {

namespace {

// Length of the UTF-8 sequence starting with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  return 1;
}

// Converts with iconv; a character that cannot be converted becomes "?".
std::string Convert(const char* to, const char* from, std::string_view text, bool utf8Input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No converter: keep ASCII, replace the rest.
    std::string out;
    for (char c : text) out.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
    return out;
  }
  std::string out;
  out.reserve(text.size() * 2 + 8);
  char buffer[512];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: skip one character of the input.
      std::size_t skip = utf8Input ? SequenceLength(static_cast<unsigned char>(*in)) : 1;
      if (skip > inLeft) skip = inLeft;
      in += skip;
      inLeft -= skip;
      out.push_back('?');
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = SequenceLength(c);
    if (n == 1 || i + n > text.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    const auto c1 = static_cast<unsigned char>(text[i + 1]);
    if (c == 0xE0 && c1 < 0xA0) return false;   // overlong
    if (c == 0xED && c1 >= 0xA0) return false;  // surrogates
    if (c == 0xF0 && c1 < 0x90) return false;   // overlong
    if (c == 0xF4 && c1 >= 0x90) return false;  // beyond U+10FFFF
    i += n;
  }
  return true;
}

std::string LabelToWindows1252(std::string_view label) {
  std::string text;
  text.reserve(label.size());
  bool beyondAscii = false;
  for (char c : label) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      text.push_back(' ');
    } else {
      if (u >= 0x80) beyondAscii = true;
      text.push_back(c);
    }
  }
  if (beyondAscii && IsValidUtf8(text)) return Convert("WINDOWS-1252", "UTF-8", text, true);
  return text;
}

std::string Windows1252ToUtf8(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return Convert("UTF-8", "WINDOWS-1252", text, false);
  }
  return std::string(text);
}

}  // namespace kelvra::output
