// The elevation grid reader (SRTM ASCII grid) on any text: nothing crashes,
// the header alone and the whole grid agree, and an accepted grid holds
// exactly the cells its header asks for.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/horizon/elevation_grid.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvra;
  fuzz::InstallQuietSink();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  calc::GridHeader header;
  std::size_t body = 0;
  const calc::GridReadResult head = calc::ParseGridHeader(text, header, body);
  if (head.ok()) KELVRA_FUZZ_CHECK(body <= size, "the data rows start inside the text");

  calc::ElevationGrid grid;
  const calc::GridReadResult whole = calc::ParseElevationGrid(text, grid);
  if (!head.ok()) {
    KELVRA_FUZZ_CHECK(!whole.ok(), "a grid with a bad header is refused");
    return 0;
  }
  if (whole.ok()) {
    KELVRA_FUZZ_CHECK(grid.header.columns == header.columns && grid.header.rows == header.rows,
                      "the grid has the header's size");
    KELVRA_FUZZ_CHECK(grid.cells.size() == static_cast<std::size_t>(grid.header.KeptRows()) *
                                               static_cast<std::size_t>(grid.header.columns),
                      "the grid holds one cell per kept row and column");
  }
  return 0;
}
