// The horizon profile reader on any bytes: nothing crashes, and a profile it
// accepts is written and read back unchanged (read, write, read, write gives
// the same bytes).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/horizon/horizon_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvra;
  if (size > calc::kMaxProfileFileBytes) return 0;  // refused before it is read
  fuzz::InstallQuietSink();
  const auto first = calc::ParseHorizonProfile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!first.ok()) return 0;
  for (const auto& p : first.file.profile.points) {
    KELVRA_FUZZ_CHECK(std::isfinite(p.altitude) && p.altitude >= -90 && p.altitude <= 90,
                      "an accepted altitude lies in -90..90");
  }
  const std::string written = calc::FormatHorizonProfile(first.file);
  const auto again = calc::ParseHorizonProfile(written);
  KELVRA_FUZZ_CHECK(again.ok(), "a profile the writer made reads back");
  KELVRA_FUZZ_CHECK(calc::FormatHorizonProfile(again.file) == written,
                    "write, read, write gives the same bytes");
  return 0;
}
