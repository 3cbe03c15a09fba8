// Elevation grids in the ASCII grid form of the SRTM tiles: six header lines
// (ncols, nrows, xllcorner, yllcorner, cellsize, NODATA_value; each a keyword,
// a blank and the value, a decimal comma allowed) followed by one text line per
// row of heights in metres, northernmost row first, separated by blanks.
//
// Placement of the cells: the corner values are rounded to 0.001 degree and a
// cell size written as 0.000278 (or 0.000833) is taken as exactly 1/3600
// (1/1200) degree. A tile whose row count is 100 n + 1 (3601, 6001, ...) shares
// its first row with its northern neighbour and drops it; likewise the last of
// 100 n + 1 columns is shared with the eastern neighbour (it is kept). The
// southernmost row lies at the corner latitude, the rows above it one cell size
// apart; column c (from 0) lies at the corner longitude + c cell sizes.
//
// Longitudes of grids are EAST positive, as in the files; the program's own
// west-positive longitudes are converted where a site meets a grid.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/horizon/parallel.h"

namespace kelvra::calc {

// A cell without data (the header's NODATA value) is held as this value.
inline constexpr std::int16_t kNoDataCell = std::numeric_limits<std::int16_t>::min();

// Largest grid read: rows and columns each, and cells in all.
inline constexpr int kMaxGridSide = 50000;
inline constexpr long long kMaxGridCells = 200'000'000;

struct GridHeader {
  int columns = 0;       // ncols
  int rows = 0;          // nrows, the dropped shared row included
  double west = 0;       // xllcorner, degrees EAST positive, rounded to 0.001
  double south = 0;      // yllcorner, degrees north positive, rounded to 0.001
  double cellSize = 0;   // degrees
  double noData = 0;     // the value of a missing cell

  // 1 when the first row is shared with the northern neighbour and dropped.
  int SkippedRows() const { return rows % 100 == 1 ? 1 : 0; }
  // Rows held in memory.
  int KeptRows() const { return rows - SkippedRows(); }
  // The tile's size in degrees (a shared row or column not counted).
  double Height() const { return KeptRows() * cellSize; }
  double Width() const { return (columns - (columns % 100 == 1 ? 1 : 0)) * cellSize; }
  double North() const { return south + Height(); }
  double East() const { return west + Width(); }
  // Latitude of kept row r (0 = northernmost) and longitude of column c.
  double RowLatitude(int r) const { return North() - (r + 1) * cellSize; }
  double ColumnLongitude(int c) const { return west + c * cellSize; }
  // Whether the point lies on the tile (its edges included, half a cell of
  // tolerance). Longitude EAST positive.
  bool Contains(double latitude, double eastLongitude) const;
};

// Memory for cells that is not filled when it is made (the reader writes
// every cell); otherwise a plain vector.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
using GridCells = std::vector<std::int16_t, UninitializedAllocator<std::int16_t>>;

struct ElevationGrid {
  GridHeader header;
  // KeptRows() x columns heights in metres, row by row from the north;
  // kNoDataCell where the file has no data.
  GridCells cells;

  std::int16_t Cell(int row, int column) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(header.columns) +
                 static_cast<std::size_t>(column)];
  }
};

enum class GridFault {
  None,
  CannotRead,   // the file cannot be opened or read; `text` gives the reason
  TooLarge,     // more cells than the program holds, or no memory for them
  HeaderLine,   // header line `line` is missing or is not "keyword value"
  HeaderValue,  // header line `line` gives an impossible value
  RowLength,    // data row `line` has `count` values instead of `expected`
  NotANumber,   // data row `line`, value `column` is not a number (`text`)
  HeightRange,  // data row `line`, value `column` lies beyond +-32767 m
  RowCount,     // the file has `count` data rows instead of `expected`
  Cancelled,
};

struct GridReadResult {
  GridFault fault = GridFault::None;
  int line = 0;            // header line 1..6, or data row from 1 (in file order)
  int column = 0;          // value within the data row, from 1
  long long count = 0;     // values in the row, or data rows in the file
  long long expected = 0;  // what the header asks for
  std::string text;        // the offending text (at most 40 characters) or the reason
  bool ok() const { return fault == GridFault::None; }
};

// The six header lines at the start of `text`. On success `bodyOffset` is the
// position of the first data row.
GridReadResult ParseGridHeader(std::string_view text, GridHeader& header,
                               std::size_t& bodyOffset);

// A whole grid held in memory (header and rows).
GridReadResult ParseElevationGrid(std::string_view text, ElevationGrid& grid,
                                  const TaskControl& control = {});

// Reads a grid file in blocks of `blockBytes` (a whole file is never held as
// text), the rows of each block parsed on several threads. Progress is the part
// of the file read.
inline constexpr std::size_t kGridBlockBytes = std::size_t{16} << 20;
GridReadResult ReadElevationGrid(const std::string& path, ElevationGrid& grid,
                                 const TaskControl& control = {},
                                 std::size_t blockBytes = kGridBlockBytes);

// Only the header of a grid file.
GridReadResult ReadGridHeader(const std::string& path, GridHeader& header);

}  // namespace kelvra::calc
