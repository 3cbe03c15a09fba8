// Reading elevation grids: the header, the rows, damaged files, and the rows
// split between threads and read in blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/horizon/elevation_grid.h"
#include "grid_fixture.h"

namespace kelvra::calc {
namespace {

using test::GridText;
using test::TileSpec;

// A 5 x 5 grid: six header lines and five rows; `rows` replaces the rows.
std::string Small(const std::string& header6, const std::string& rows) { return header6 + rows; }
const std::string kHeader =
    "ncols 5\r\nnrows 5\r\nxllcorner 9.0\r\nyllcorner 47.0\r\ncellsize 0.01\r\nNODATA_value -9999\r\n";
const std::string kRows =
    "1 2 3 4 5\r\n6 7 8 9 10\r\n11 12 13 14 15\r\n16 17 18 19 20\r\n21 22 23 24 25\r\n";

TEST(ElevationGrid, ReadsHeaderAndRows) {
  ElevationGrid g;
  ASSERT_TRUE(ParseElevationGrid(Small(kHeader, kRows), g).ok());
  EXPECT_EQ(g.header.columns, 5);
  EXPECT_EQ(g.header.rows, 5);
  EXPECT_EQ(g.header.KeptRows(), 5);
  EXPECT_EQ(g.header.noData, -9999);
  ASSERT_EQ(g.cells.size(), 25u);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 5; ++c) EXPECT_EQ(g.Cell(r, c), 5 * r + c + 1);
  }
  // The last row lies at the corner latitude, the first 4 cells farther north.
  EXPECT_DOUBLE_EQ(g.header.RowLatitude(4), 47.0);
  EXPECT_DOUBLE_EQ(g.header.RowLatitude(0), 47.04);
  EXPECT_DOUBLE_EQ(g.header.ColumnLongitude(4), 9.04);
}

// Header values as tiles write them.
TEST(ElevationGrid, HeaderForms) {
  const struct {
    const char* name;
    std::string header;
    double west, south, cellSize;
  } cases[] = {
      {"decimalComma",
       "ncols 5\nnrows 5\nxllcorner 9,0\nyllcorner 47,0\ncellsize 0,01\nNODATA_value -9999\n", 9.0,
       47.0, 0.01},
      // Corners half a cell outside the whole degree are rounded to 0.001.
      {"cornerOfTheCell",
       "NCOLS 5\nNROWS 5\nXLLCORNER 8.99986111\nYLLCORNER 46.99986111\nCELLSIZE 0.000278\n"
       "NODATA_VALUE -32768\n",
       9.0, 47.0, 1.0 / 3600},
      {"centreKeywordsAndTabs",
       "ncols\t5\nnrows\t5\nxllcenter\t9.5\nyllcenter\t-12.25\ncellsize\t0.000833\nnodata_value\t-1\n",
       9.5, -12.25, 1.0 / 1200},
  };
  for (const auto& c : cases) {
    GridHeader h;
    std::size_t body = 0;
    const GridReadResult r = ParseGridHeader(c.header, h, body);
    ASSERT_TRUE(r.ok()) << c.name << ": fault " << static_cast<int>(r.fault) << " line " << r.line;
    EXPECT_DOUBLE_EQ(h.west, c.west) << c.name;
    EXPECT_DOUBLE_EQ(h.south, c.south) << c.name;
    EXPECT_EQ(h.cellSize, c.cellSize) << c.name;
    EXPECT_EQ(body, c.header.size()) << c.name;
  }
}

// A tile of 100 n + 1 rows drops its first row (the northern neighbour's last)
// and keeps its 100 n + 1 columns.
TEST(ElevationGrid, SharedFirstRowIsDropped) {
  TileSpec t;
  t.rows = t.columns = 101;
  ElevationGrid g;
  // Each cell's height is its file row.
  int row = 0;
  int column = 0;
  ASSERT_TRUE(ParseElevationGrid(GridText(t, [&](double, double) {
                                   const int h = row;
                                   if (++column == t.columns) column = 0, ++row;
                                   return h;
                                 }),
                                 g)
                  .ok());
  EXPECT_EQ(g.header.KeptRows(), 100);
  EXPECT_EQ(g.Cell(0, 0), 1);
  EXPECT_EQ(g.Cell(99, 100), 100);
  EXPECT_DOUBLE_EQ(g.header.North(), 47.5);
  EXPECT_DOUBLE_EQ(g.header.East(), 9.5);
  EXPECT_NEAR(g.header.RowLatitude(0), test::FileRowLatitude(t, 1), 1e-12);
}

TEST(ElevationGrid, CellValues) {
  const struct {
    const char* text;
    std::int16_t cell;
  } cases[] = {
      {"-9999", kNoDataCell},  {"512.6", 513},  {"-12.5", -13}, {"1e3", 1000},
      {"+7", 7},               {"32767", 32767}, {"-32767", -32767}, {"0", 0},
  };
  for (const auto& c : cases) {
    const std::string rows = std::string(c.text) + " 0\n0 0\n";
    ElevationGrid g;
    const GridReadResult r = ParseElevationGrid(
        "ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -9999\n" + rows, g);
    ASSERT_TRUE(r.ok()) << c.text;
    EXPECT_EQ(g.Cell(0, 0), c.cell) << c.text;
  }
}

// Damaged grids: the fault, where it is, and nothing kept.
TEST(ElevationGrid, DamagedGrids) {
  auto replace = [](std::string s, const std::string& from, const std::string& to) {
    return s.replace(s.find(from), from.size(), to);
  };
  const struct {
    const char* name;
    std::string text;
    GridFault fault;
    int line;
    int column;
    long long count;
  } cases[] = {
      {"empty", "", GridFault::HeaderLine, 1, 0, 0},
      {"headerCutShort", "ncols 5\nnrows 5\nxllcorner 9\nyllcorner 47\ncellsize 0.01\n",
       GridFault::HeaderLine, 6, 0, 0},
      {"noNodataLine", replace(kHeader + kRows, "NODATA_value -9999\r\n", ""),
       GridFault::HeaderLine, 6, 0, 0},
      {"wrongKeyword", replace(kHeader + kRows, "nrows", "rows"), GridFault::HeaderLine, 2, 0, 0},
      {"headerNotANumber", replace(kHeader + kRows, "0.01", "fine"), GridFault::HeaderLine, 5, 0, 0},
      {"fractionalColumns", replace(kHeader + kRows, "ncols 5", "ncols 5.5"), GridFault::HeaderValue,
       1, 0, 0},
      {"oneColumn", replace(kHeader + kRows, "ncols 5", "ncols 1"), GridFault::HeaderValue, 1, 0, 0},
      {"zeroCellSize", replace(kHeader + kRows, "0.01", "0"), GridFault::HeaderValue, 5, 0, 0},
      {"beyondThePole", replace(kHeader + kRows, "yllcorner 47.0", "yllcorner 89.99"),
       GridFault::HeaderValue, 4, 0, 0},
      {"tooManyCells", replace(kHeader, "ncols 5\r\nnrows 5", "ncols 50000\r\nnrows 50000"),
       GridFault::TooLarge, 0, 0, 2'500'000'000},
      {"shortRow", replace(kHeader + kRows, "11 12 13 14 15", "11 12 13 14"), GridFault::RowLength,
       3, 0, 4},
      {"longRow", replace(kHeader + kRows, "6 7 8 9 10", "6 7 8 9 10 11"), GridFault::RowLength, 2,
       0, 6},
      {"blankRow", replace(kHeader + kRows, "16 17 18 19 20", ""), GridFault::RowLength, 4, 0, 0},
      {"notANumber", replace(kHeader + kRows, "13", "1x3"), GridFault::NotANumber, 3, 3, 2},
      {"decimalCommaInRow", replace(kHeader + kRows, "13", "13,5"), GridFault::NotANumber, 3, 3, 2},
      {"tooHigh", replace(kHeader + kRows, "24", "40000"), GridFault::HeightRange, 5, 4, 3},
      {"rowMissing", replace(kHeader + kRows, "21 22 23 24 25\r\n", ""), GridFault::RowCount, 0, 0,
       4},
      {"rowTooMany", kHeader + kRows + "1 1 1 1 1\r\n", GridFault::RowCount, 0, 0, 6},
  };
  for (const auto& c : cases) {
    ElevationGrid g;
    const GridReadResult r = ParseElevationGrid(c.text, g);
    EXPECT_EQ(r.fault, c.fault) << c.name;
    EXPECT_EQ(r.line, c.line) << c.name;
    EXPECT_EQ(r.column, c.column) << c.name;
    EXPECT_EQ(r.count, c.count) << c.name;
    EXPECT_TRUE(g.cells.empty()) << c.name;
  }
}

TEST(ElevationGrid, TrailingBlankLinesAreNoRows) {
  ElevationGrid g;
  EXPECT_TRUE(ParseElevationGrid(kHeader + kRows + "\r\n  \r\n\n", g).ok());
  EXPECT_TRUE(ParseElevationGrid(kHeader + kRows.substr(0, kRows.size() - 2), g).ok())
      << "no line end after the last row";
}

// Heights that name their cell, on a grid large enough to be split between
// threads (and, read from a file, into many blocks).
int CellCode(int row, int column) { return (row * 7 + column * 13) % 30000 - 15000; }

std::string CodedGrid(int side, int badRow = -1) {
  std::string s = "ncols " + std::to_string(side) + "\nnrows " + std::to_string(side) +
                  "\nxllcorner 9\nyllcorner 47\ncellsize 0.001\nNODATA_value -32768\n";
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      if (c) s += (c % 3 ? " " : "  ");
      s += r == badRow && c == side / 2 ? std::string("oops") : std::to_string(CellCode(r, c));
    }
    s += r % 2 ? "\r\n" : "\n";
  }
  return s;
}

TEST(ElevationGrid, RowsSplitBetweenThreadsAndBlocks) {
  const int side = 300;
  const std::string text = CodedGrid(side);
  ASSERT_GT(text.size(), 300'000u);
  test::TempFolder folder;
  const std::string path = folder.Write("coded.asc", text);
  for (std::size_t block : {kGridBlockBytes, std::size_t{4096}, std::size_t{10007}}) {
    ElevationGrid g;
    const GridReadResult r =
        block == kGridBlockBytes ? ParseElevationGrid(text, g) : ReadElevationGrid(path, g, {}, block);
    ASSERT_TRUE(r.ok()) << block;
    for (int row = 0; row < side; ++row) {
      for (int c = 0; c < side; ++c) ASSERT_EQ(g.Cell(row, c), CellCode(row, c)) << row << "," << c;
    }
  }
  // A fault deep in the file is reported at its own row, whatever the split.
  const std::string bad = folder.Write("bad.asc", CodedGrid(side, 271));
  for (std::size_t block : {kGridBlockBytes, std::size_t{4096}}) {
    ElevationGrid g;
    const GridReadResult r = ReadElevationGrid(bad, g, {}, block);
    EXPECT_EQ(r.fault, GridFault::NotANumber);
    EXPECT_EQ(r.line, 272) << block;
    EXPECT_EQ(r.column, side / 2 + 1);
    EXPECT_EQ(r.text, "oops");
  }
}

TEST(ElevationGrid, FilesThatCannotBeRead) {
  test::TempFolder folder;
  ElevationGrid g;
  EXPECT_EQ(ReadElevationGrid(folder.Path("none.asc"), g).fault, GridFault::CannotRead);
  EXPECT_EQ(ReadElevationGrid(folder.Path(""), g).fault, GridFault::CannotRead) << "a folder";
  GridHeader h;
  EXPECT_EQ(ReadGridHeader(folder.Path("none.asc"), h).fault, GridFault::CannotRead);
}

TEST(ElevationGrid, CancelStopsReading) {
  test::TempFolder folder;
  const std::string path = folder.Write("coded.asc", CodedGrid(300));
  std::atomic<bool> cancel{true};
  ElevationGrid g;
  EXPECT_EQ(ReadElevationGrid(path, g, TaskControl{&cancel, {}}, 4096).fault, GridFault::Cancelled);
  EXPECT_TRUE(g.cells.empty());
  // Progress over a whole read: never decreasing, ending at 1.
  cancel = false;
  std::vector<double> seen;
  ASSERT_TRUE(ReadElevationGrid(path, g, TaskControl{&cancel, [&](double f) { seen.push_back(f); }},
                                4096)
                  .ok());
  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 1.0);
}

}  // namespace
}  // namespace kelvra::calc
