// The HPGL-to-DXF converter on large generated plot files.
//
// Each benchmark writes its plot file once (through HpglWriter, at PlotScale
// 25 as a DXF export does) and converts it per iteration. Reported: vertices
// per second (items_per_second) and the process's peak resident memory
// (peak_rss_mb), which must not grow with the size of the file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "output/hpgl_to_dxf.h"
#include "output/hpgl_writer.h"
#include "shell/messages.h"

namespace {

using namespace kelvra;

class SilentSink final : public shell::MessageSink {
 public:
  shell::MessageAnswer Show(shell::MessageKind, std::string_view, shell::MessageButtons) override {
    return shell::MessageAnswer::Ok;
  }
};

std::filesystem::path Folder() {
  auto dir = std::filesystem::temp_directory_path() /
             ("kelvra_bench_hpgl2dxf_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

double PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A plot page of `vertices` points: polylines of `perLine` points each (one
// single list when perLine == 0), wandering over the page, with labels.
std::filesystem::path MakePlot(long vertices, long perLine, bool window) {
  const auto file = Folder() / ("plot_" + std::to_string(vertices) + "_" +
                                std::to_string(perLine) + (window ? "_iw" : "") + ".plt");
  output::HpglWriter w;
  w.SetPlotScale(25);
  w.Open(file);
  w.PutStandardHeader();
  if (window) w.Put(";IW 0 0 300000 200000;");
  w.Put("SP 2;PU 0 0;PD");
  for (long i = 0; i < vertices; ++i) {
    if (perLine > 0 && i > 0 && i % perLine == 0) {
      w.Put(";PU;SP " + std::to_string(1 + (i / perLine) % 10) + ";PU 0 0;");
      w.PutLabel("12");
      w.Put(";PD");
    }
    const double x = 1000.0 + static_cast<double>((i * 37) % 400000);
    const double y = 1000.0 + static_cast<double>((i * 53) % 270000);
    w.Put(" " + output::FormatCoordinate(x) + " " + output::FormatCoordinate(y));
  }
  w.Put(";PU;IW;IN;");
  w.Close();
  return file;
}

void Convert(benchmark::State& state, long perLine, bool window) {
  SilentSink sink;
  shell::ScopedMessageSink scoped(sink);
  const long vertices = state.range(0);
  const auto plot = MakePlot(vertices, perLine, window);
  const auto dxf = plot.parent_path() / (plot.stem().string() + ".dxf");
  long long written = 0;
  for (auto _ : state) {
    auto result = output::ConvertHpglToDxf(plot, dxf, 1, 1000);
    if (!result.ok()) state.SkipWithError("conversion failed");
    written = result.vertices;
    benchmark::DoNotOptimize(written);
  }
  state.SetItemsProcessed(state.iterations() * written);
  state.counters["vertices"] = static_cast<double>(written);
  state.counters["plot_mb"] = static_cast<double>(std::filesystem::file_size(plot)) / 1e6;
  state.counters["dxf_mb"] = static_cast<double>(std::filesystem::file_size(dxf)) / 1e6;
  state.counters["peak_rss_mb"] = PeakRssMb();
  std::filesystem::remove(plot);
  std::filesystem::remove(dxf);
  std::filesystem::remove(plot.parent_path());
}

// One PD list of all vertices (the long-list path).
void BM_HpglToDxf_OneList(benchmark::State& state) { Convert(state, 0, false); }
// Polylines of 200 points with pen changes and labels.
void BM_HpglToDxf_Polylines(benchmark::State& state) { Convert(state, 200, false); }
// The same clipped to an input window.
void BM_HpglToDxf_Clipped(benchmark::State& state) { Convert(state, 200, true); }

BENCHMARK(BM_HpglToDxf_OneList)->Arg(1000000)->Arg(4000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HpglToDxf_Polylines)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HpglToDxf_Clipped)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
