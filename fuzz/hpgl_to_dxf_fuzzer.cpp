// The HPGL-to-DXF converter on any plot file: the DXF exists exactly when the
// conversion reports success, it is complete then, and no temporary file is
// left beside it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "output/hpgl_to_dxf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvra;
  namespace fs = std::filesystem;
  if (size < 1) return 0;
  fuzz::InstallQuietSink();
  // The first byte chooses line strength and divisor as the callers pass them.
  const int lineStrength = 1 + data[0] % 3;
  const double divisor = (data[0] & 0x80) ? 1000 : 40;
  const fs::path& folder = fuzz::ScratchFolder();
  const fs::path in = folder / "kelvra.$$$";
  const fs::path out = folder / "kel.dxf";
  {
    std::ofstream file(in, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  std::error_code ec;
  fs::remove(out, ec);

  const output::DxfConversionResult result = output::ConvertHpglToDxf(in, out, lineStrength, divisor);

  KELVRA_FUZZ_CHECK(fs::exists(out) == result.ok(), "the DXF exists exactly when it was converted");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
  KELVRA_FUZZ_CHECK(files == (result.ok() ? 2 : 1), "no temporary file is left behind");
  if (result.ok()) {
    std::ifstream dxf(out, std::ios::binary | std::ios::ate);
    const auto length = static_cast<std::streamoff>(dxf.tellg());
    KELVRA_FUZZ_CHECK(length >= 5, "a converted DXF is not empty");
    std::string tail(5, '\0');
    dxf.seekg(length - 5);
    dxf.read(tail.data(), 5);
    KELVRA_FUZZ_CHECK(tail == "EOF\r\n", "a converted DXF ends with EOF");
    fs::remove(out, ec);
  }
  return 0;
}
