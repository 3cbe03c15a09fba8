// The horizon profile from a 1-arc-second SRTM tile: 3601 x 3601 heights, about
// 60 MB of text. The tile is generated once per run (mountainous terrain around
// a valley at the tile's centre, so that most cells rise above the eye) in the
// temporary folder and removed at the end; with KELVRA_BENCH_TILE=PATH it is
// written there and kept (scripts/bench_horizon.sh measures the command on it).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "calc/horizon/elevation_grid.h"
#include "calc/horizon/horizon_compute.h"
#include "calc/horizon/horizon_session.h"

namespace {

using namespace kelvra::calc;

constexpr int kSide = 3601;

// Site: the tile's centre, 47.5 N 9.5 E (longitude west positive).
HorizonSite Site() {
  HorizonSite s;
  s.latitude = 47.5;
  s.longitude = -9.5;
  return s;
}

struct Tile {
  std::string path;
  bool keep = false;

  Tile() {
    if (const char* p = std::getenv("KELVRA_BENCH_TILE")) {
      path = p;
      keep = true;
    } else {
      path = (std::filesystem::temp_directory_path() /
              ("kelvra_bench_tile_" + std::to_string(::getpid()) + ".asc")).string();
    }
    Write();
  }
  ~Tile() {
    if (!keep) std::filesystem::remove(path);
  }

  void Write() const {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fprintf(f,
                 "ncols        %d\nnrows        %d\nxllcorner    8.999861111111\n"
                 "yllcorner    46.999861111111\ncellsize     0.000277777778\n"
                 "NODATA_value -32768\n",
                 kSide, kSide);
    std::string line;
    for (int r = 0; r < kSide; ++r) {
      line.clear();
      const double v = static_cast<double>(r) / (kSide - 1) - 0.5;  // -0.5 south .. 0.5 north
      for (int c = 0; c < kSide; ++c) {
        const double u = static_cast<double>(c) / (kSide - 1) - 0.5;
        const double d = std::hypot(u, v);
        // A valley floor of 480 m at the centre, slopes and ridges around it.
        double h = 480 + 5200 * d * d + 600 * std::sin(23 * u + 3 * v) * std::cos(17 * v) * d +
                   40 * std::sin(311 * u) * std::sin(277 * v);
        if ((r * 7919 + c * 104729) % 100003 == 0) h = -32768;  // a few voids
        char buf[16];
        const int n = std::snprintf(buf, sizeof buf, c ? " %d" : "%d", static_cast<int>(std::lround(h)));
        line.append(buf, static_cast<std::size_t>(n));
      }
      line += "\r\n";
      std::fwrite(line.data(), 1, line.size(), f);
    }
    std::fclose(f);
  }
};

const Tile& TheTile() {
  static Tile tile;
  return tile;
}

void BM_ReadTile(benchmark::State& state) {
  const Tile& tile = TheTile();
  for (auto _ : state) {
    ElevationGrid grid;
    const GridReadResult r = ReadElevationGrid(tile.path, grid);
    if (!r.ok()) state.SkipWithError("the tile cannot be read");
    benchmark::DoNotOptimize(grid.cells.data());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(tile.path)));
}
BENCHMARK(BM_ReadTile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ComputeFromTile(benchmark::State& state) {
  ElevationGrid grid;
  if (!ReadElevationGrid(TheTile().path, grid).ok()) {
    state.SkipWithError("the tile cannot be read");
    return;
  }
  const HorizonSite site = Site();
  for (auto _ : state) {
    HorizonAccumulator acc(site, GroundHeightAt(grid, site).value_or(0));
    acc.Add(grid);
    benchmark::DoNotOptimize(acc.Profile());
  }
  state.counters["cells"] = static_cast<double>(grid.cells.size());
}
BENCHMARK(BM_ComputeFromTile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole job of `kelvra horizon` for one tile: read, then compute.
void BM_ReadAndCompute(benchmark::State& state) {
  const Tile& tile = TheTile();
  const HorizonSite site = Site();
  for (auto _ : state) {
    std::unique_ptr<HorizonAccumulator> acc;
    const TileStep step = ReadAndAddTile(tile.path, site, acc, {});
    if (!step.read.ok()) state.SkipWithError("the tile cannot be read");
    benchmark::DoNotOptimize(acc->Profile());
  }
}
BENCHMARK(BM_ReadAndCompute)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
