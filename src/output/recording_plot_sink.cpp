#include "output/recording_plot_sink.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace kelvra::output {

namespace {

int CodePoints(std::string_view text) {
  int n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

void RecordingPlotSink::Record(OpType type, std::vector<int> args, std::string_view text,
                               double angle) {
  RecordedOp op{type, std::move(args), std::string(text), angle, current_, pen_, brush_, font_};
  ops_.push_back(std::move(op));
}

void RecordingPlotSink::Clear() { Record(OpType::Clear, {}); }

void RecordingPlotSink::MoveTo(int x, int y) {
  Record(OpType::MoveTo, {x, y});
  PlotSink::MoveTo(x, y);
}

void RecordingPlotSink::LineTo(int x, int y) {
  Record(OpType::LineTo, {x, y});
  current_ = {x, y};
}

void RecordingPlotSink::Rectangle(int x1, int y1, int x2, int y2) {
  Record(OpType::Rectangle, {x1, y1, x2, y2});
}

void RecordingPlotSink::Ellipse(int x1, int y1, int x2, int y2) {
  Record(OpType::Ellipse, {x1, y1, x2, y2});
}

void RecordingPlotSink::Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
  Record(OpType::Arc, {x1, y1, x2, y2, sx, sy, ex, ey});
}

void RecordingPlotSink::FloodFill(int x, int y, Color color, FillMode mode) {
  Record(OpType::FloodFill, {x, y, static_cast<int>(color), static_cast<int>(mode)});
}

Color RecordingPlotSink::PixelAt(int, int) const { return kWhite; }

void RecordingPlotSink::TextOut(int x, int y, std::string_view text) {
  if (inRotated_) return;
  Record(OpType::TextOut, {x, y}, text, font_.escapement);
}

int RecordingPlotSink::TextWidth(std::string_view text) const {
  return static_cast<int>(std::lround(0.55 * FontPixelHeight() * CodePoints(text)));
}

int RecordingPlotSink::TextHeight(std::string_view) const {
  return static_cast<int>(std::lround(1.15 * FontPixelHeight()));
}

void RecordingPlotSink::RotatedText(int x, int y, std::string_view text, int weight,
                                    int height, double angle) {
  if (text.empty()) return;
  Record(OpType::RotatedText, {x, y, weight, height}, text, angle);
  inRotated_ = true;
  PlotSink::RotatedText(x, y, text, weight, height, angle);  // keeps the font bookkeeping
  inRotated_ = false;
}

std::vector<RecordedOp> RecordingPlotSink::OpsOf(OpType type) const {
  std::vector<RecordedOp> out;
  std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(out),
               [type](const RecordedOp& op) { return op.type == type; });
  return out;
}

int RecordingPlotSink::Count(OpType type) const {
  return static_cast<int>(std::count_if(ops_.begin(), ops_.end(),
                                        [type](const RecordedOp& op) { return op.type == type; }));
}

std::vector<std::string> RecordingPlotSink::Texts() const {
  std::vector<std::string> out;
  for (const auto& op : ops_) {
    if (op.type == OpType::TextOut || op.type == OpType::RotatedText) out.push_back(op.text);
  }
  return out;
}

}  // namespace kelvra::output
