#include "output/code_page.h"

#include "persist/text_file.h"

namespace kelvra::output {

namespace {

// Length of the UTF-8 sequence starting with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  return 1;
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
  if (beyondAscii && IsValidUtf8(text)) return persist::Utf8ToWindows1252(text);
  return text;
}

std::string Windows1252ToUtf8(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return persist::Windows1252ToUtf8(text);
  }
  return std::string(text);
}

}  // namespace kelvra::output
