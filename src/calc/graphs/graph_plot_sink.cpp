#include "calc/graphs/graph_plot_sink.h"

#include <cmath>
#include <vector>

#include "astro/angles.h"

namespace kelvra::calc::graphs {

namespace {
constexpr int kPlotUnitsPerDeviceUnit = 4;  // 0.1 mm -> 1/40 mm

int CodePoints(std::string_view text) {
  int n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}
}  // namespace

GraphPlotSink::GraphPlotSink(output::HpglWriter& writer, int width, int height)
    : PlotSink(output::SinkKind::Printer, width, height), writer_(writer) {}

std::string GraphPlotSink::Xy(double x, double y) const {
  return writer_.Scaled(kPlotUnitsPerDeviceUnit * x) + " " +
         writer_.Scaled(kPlotUnitsPerDeviceUnit * (Height() - y));
}

void GraphPlotSink::SelectPen(int pen) {
  if (pen == pen_) return;
  pen_ = pen;
  writer_.Put(";SP " + std::to_string(pen));
  penDownAtCurrent_ = false;
}

void GraphPlotSink::MoveTo(int x, int y) {
  if (x != current_.x || y != current_.y) penDownAtCurrent_ = false;
  PlotSink::MoveTo(x, y);
}

void GraphPlotSink::LineTo(int x, int y) {
  if (penDownAtCurrent_) {
    writer_.Put(" " + Xy(x, y));
  } else {
    writer_.Put(";PU " + Xy(current_.x, current_.y) + ";PD " + Xy(x, y));
  }
  current_ = {x, y};
  penDownAtCurrent_ = true;
}

void GraphPlotSink::Polyline(const double* xs, const double* ys, int n) {
  if (n < 2) return;
  std::string text = ";PU " + Xy(xs[0], ys[0]) + ";PD";
  for (int i = 1; i < n; ++i) text += " " + Xy(xs[i], ys[i]);
  writer_.Put(text);
  penDownAtCurrent_ = false;
}

void GraphPlotSink::Rectangle(int x1, int y1, int x2, int y2) {
  const double xs[] = {double(x1), double(x2), double(x2), double(x1), double(x1)};
  const double ys[] = {double(y1), double(y1), double(y2), double(y2), double(y1)};
  Polyline(xs, ys, 5);
}

void GraphPlotSink::Ellipse(int x1, int y1, int x2, int y2) {
  const double cx = 0.5 * (x1 + x2);
  const double cy = 0.5 * (y1 + y2);
  const double rx = 0.5 * std::abs(x2 - x1);
  const double ry = 0.5 * std::abs(y2 - y1);
  if (rx == ry) {
    writer_.Put(";PU " + Xy(cx, cy) + ";CI " + writer_.Scaled(kPlotUnitsPerDeviceUnit * rx));
    penDownAtCurrent_ = false;
    return;
  }
  std::vector<double> xs, ys;
  for (int k = 0; k <= 72; ++k) {
    const double a = astro::Radians(5.0 * k);
    xs.push_back(cx + rx * std::cos(a));
    ys.push_back(cy + ry * std::sin(a));
  }
  Polyline(xs.data(), ys.data(), static_cast<int>(xs.size()));
}

void GraphPlotSink::Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
  const double cx = 0.5 * (x1 + x2);
  const double cy = 0.5 * (y1 + y2);
  const double rx = 0.5 * std::abs(x2 - x1);
  const double ry = 0.5 * std::abs(y2 - y1);
  // Counter-clockwise as seen, with y downwards: angles measured upwards.
  const double a0 = std::atan2(cy - sy, sx - cx);
  double a1 = std::atan2(cy - ey, ex - cx);
  if (a1 <= a0) a1 += 2 * astro::kPi;
  std::vector<double> xs, ys;
  const int n = std::max(2, static_cast<int>((a1 - a0) / astro::Radians(5.0)) + 1);
  for (int k = 0; k <= n; ++k) {
    const double a = a0 + (a1 - a0) * k / n;
    xs.push_back(cx + rx * std::cos(a));
    ys.push_back(cy - ry * std::sin(a));
  }
  Polyline(xs.data(), ys.data(), static_cast<int>(xs.size()));
}

void GraphPlotSink::TextOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const int height = FontPixelHeight();
  if (height != labelHeight_) {
    // Character size in cm from the em height in 0.1 mm: capitals about 0.7 em.
    labelHeight_ = height;
    const double h = 0.007 * height * writer_.PlotScale();
    writer_.Put(";SI " + output::FormatPlotReal(5, 2, 2.0 / 3.0 * h) + "," +
                output::FormatPlotReal(5, 2, h));
  }
  // A label stands on its baseline; the cell's top is given.
  writer_.Put(";PU " + Xy(x, y + 0.8 * height) + ";");
  writer_.PutLabel(text);
  penDownAtCurrent_ = false;
}

int GraphPlotSink::TextWidth(std::string_view text) const {
  return static_cast<int>(std::lround(0.55 * FontPixelHeight() * CodePoints(text)));
}

int GraphPlotSink::TextHeight(std::string_view) const {
  return static_cast<int>(std::lround(1.15 * FontPixelHeight()));
}

}  // namespace kelvra::calc::graphs
