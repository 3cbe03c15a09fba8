// Small elevation grids written by the tests, and a temporary folder.
//
// Placement as the grid files define it: the last data row lies at the corner
// latitude, every row above it one cell size farther north (a first row of a
// 100 n + 1 tile, which the reader drops, included); column c lies at the
// corner longitude + c cell sizes.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>

#include "persist/atomic_file.h"

namespace kelvra::calc::test {

struct TileSpec {
  int rows = 201;
  int columns = 201;
  double south = 47.0;        // degrees
  double west = 9.0;          // degrees, EAST positive
  double cellSize = 0.005;    // degrees
  std::string cellSizeText;   // as the header writes it; empty: 12 decimals
  std::string noDataText = "-32768";
};

inline double FileRowLatitude(const TileSpec& t, int row) {
  return t.south + (t.rows - 1 - row) * t.cellSize;
}
inline double ColumnLongitude(const TileSpec& t, int column) { return t.west + column * t.cellSize; }

inline std::string Number(double x, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
  return buf;
}

// Header and rows (CR LF), each cell's height from height(latitude, longitude).
inline std::string GridText(const TileSpec& t,
                            const std::function<std::string(double, double)>& height) {
  std::string s = "ncols        " + std::to_string(t.columns) + "\r\nnrows        " +
                  std::to_string(t.rows) + "\r\nxllcorner    " + Number(t.west, 12) +
                  "\r\nyllcorner    " + Number(t.south, 12) + "\r\ncellsize     " +
                  (t.cellSizeText.empty() ? Number(t.cellSize, 12) : t.cellSizeText) +
                  "\r\nNODATA_value " + t.noDataText + "\r\n";
  for (int r = 0; r < t.rows; ++r) {
    for (int c = 0; c < t.columns; ++c) {
      if (c) s += ' ';
      s += height(FileRowLatitude(t, r), ColumnLongitude(t, c));
    }
    s += "\r\n";
  }
  return s;
}

inline std::string GridText(const TileSpec& t, const std::function<int(double, double)>& height) {
  return GridText(t, std::function<std::string(double, double)>(
                         [&](double lat, double lon) { return std::to_string(height(lat, lon)); }));
}

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("kelvra_horizon_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string p = Path(name);
    EXPECT_TRUE(persist::WriteFileAtomically(p, bytes)) << p;
    return p;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace kelvra::calc::test
