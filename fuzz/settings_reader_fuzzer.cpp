// The settings and dial data reader on any bytes, then a round trip: what the
// writer makes of the state read is read back unchanged (write, read, write
// gives the same bytes). The same bytes as a file go through the colour panel's
// loader and the own date-line list loader.
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "persist/atomic_file.h"
#include "persist/dial_data_file.h"
#include "persist/settings_file.h"
#include "persist/text_file.h"

namespace {

std::string WrittenBytes() {
  std::vector<std::string> lines;
  kelvra::persist::WriteSettings(lines, false);
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return kelvra::persist::Utf8ToWindows1252(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvra;
  // The reader refuses larger files before it reads them.
  if (size > persist::kMaxTextFileBytes) return 0;
  fuzz::InstallQuietSink();
  fuzz::FreshState();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  persist::ReadSettingsBytes("fuzz.kel", bytes, true, true);

  const std::string first = WrittenBytes();
  fuzz::FreshState();
  const auto again = persist::ReadSettingsBytes("fuzz.kel", first, true, true);
  for (const auto& p : again.problems) {
    std::fprintf(stderr, "line %d: \"%s\" -> \"%s\"%s\n", p.line, p.text.c_str(), p.fallback.c_str(),
                 p.stop ? " (stop)" : "");
  }
  KELVRA_FUZZ_CHECK(again.outcome == persist::ReadResult::Outcome::Read,
                    "a file the writer made reads back without damage");
  const std::string second = WrittenBytes();
  if (first != second) {
    const auto a = persist::SplitLines(first), b = persist::SplitLines(second);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
      if (a[i] != b[i]) std::fprintf(stderr, "line %zu: \"%s\" then \"%s\"\n", i, a[i].c_str(), b[i].c_str());
    }
  }
  KELVRA_FUZZ_CHECK(first == second, "write, read, write gives the same bytes");

  const std::string file = (fuzz::ScratchFolder() / "kel.ini").string();
  KELVRA_FUZZ_CHECK(persist::WriteFileAtomically(file, bytes), "the scratch file can be written");
  fuzz::FreshState();
  persist::LoadColours(file);
  for (const auto colour : shell::State().colors.colors) {
    KELVRA_FUZZ_CHECK(colour <= 0xFFFFFF, "a loaded colour is a 24-bit colour");
  }
  persist::LoadOwnDateLines(file);
  return 0;
}
