// Drawing speed of the canvas back ends: polylines like a dial's date and hour
// lines, labels, and whole pages written to PDF and SVG.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "canvas/headless_gui.h"
#include "canvas/jpeg_codec.h"
#include "canvas/page_output.h"
#include "canvas/qt_plot_sink.h"

namespace {

using namespace kelvra;

// 40 chains of 250 segments each (10 000 segments) across the surface.
void DrawChains(output::PlotSink& s) {
  const int w = s.Width(), h = s.Height();
  s.SetPen({output::kBlue, 1, output::PenStyle::Solid, output::PenMode::Copy});
  for (int c = 0; c < 40; ++c) {
    s.MoveTo(0, h * c / 40);
    for (int i = 1; i <= 250; ++i) {
      const double t = i / 250.0;
      s.LineTo(static_cast<int>(w * t),
               static_cast<int>(h * c / 40 + 0.05 * h * std::sin(12 * t + c)));
    }
  }
}

void BM_ImageLines(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  canvas::ImagePlotSink sink(1400, 990);
  for (auto _ : state) {
    sink.Clear();
    DrawChains(sink);
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_ImageLines)->Unit(benchmark::kMillisecond);

void BM_ImageLabels(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  canvas::ImagePlotSink sink(1400, 990);
  sink.SetFontSize(10);
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) sink.TextOut(10 + i * 13, 20 + i * 9, "Geogr. Breite = 47.25 Grad");
    sink.RotatedText(700, 100, "Hybride Peaucellier-Sonnenuhr", output::kWeightBold, 20, -90);
  }
  state.SetItemsProcessed(state.iterations() * 101);
}
BENCHMARK(BM_ImageLabels)->Unit(benchmark::kMillisecond);

void BM_FloodFillWholePicture(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  canvas::ImagePlotSink sink(1400, 990);
  output::Color colours[2] = {output::kWhite, output::kSilver};
  int k = 0;
  for (auto _ : state) {
    sink.SetBrushColor(colours[(k + 1) % 2]);
    sink.FloodFill(700, 495, colours[k % 2], output::FillMode::Surface);
    ++k;
  }
  state.SetItemsProcessed(state.iterations() * 1400 * 990);
}
BENCHMARK(BM_FloodFillWholePicture)->Unit(benchmark::kMillisecond);

void BM_PdfPage(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  const std::string path = "bench_canvas_page.pdf";
  for (auto _ : state) {
    std::string error;
    canvas::WritePdfPage(path, DrawChains, &error);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond);

void BM_SvgPage(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  const std::string path = "bench_canvas_page.svg";
  for (auto _ : state) {
    std::string error;
    canvas::WriteSvgPage(path, DrawChains, &error);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_SvgPage)->Unit(benchmark::kMillisecond);

void BM_JpegEncodeDecode(benchmark::State& state) {
  canvas::EnsureGuiApplication();
  canvas::ImagePlotSink sink(1400, 990);
  DrawChains(sink);
  const QImage image = sink.Image();
  std::vector<unsigned char> jpeg;
  for (auto _ : state) {
    canvas::EncodeJpeg(image, 92, &jpeg);
    benchmark::DoNotOptimize(canvas::DecodeJpeg(jpeg));
  }
  state.SetBytesProcessed(state.iterations() * 1400 * 990 * 3);
}
BENCHMARK(BM_JpegEncodeDecode)->Unit(benchmark::kMillisecond);

}  // namespace
