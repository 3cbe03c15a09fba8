// A PlotSink that draws nothing and records every operation with the pen,
// brush and font in force. For tests of renderers and for counting what a
// renderer would draw. Text extents are estimated from the font height:
// width 0.55 em per character (UTF-8 code point), height 1.15 em.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/plot_sink.h"

namespace kelvra::output {

enum class OpType {
  Clear, MoveTo, LineTo, Rectangle, Ellipse, Arc, FloodFill, TextOut, RotatedText
};

struct RecordedOp {
  OpType type;
  std::vector<int> args;  // in the order of the operation's parameters
  std::string text;       // TextOut, RotatedText
  double angle = 0;       // RotatedText, and TextOut with an escapement
  Point from;             // LineTo: the current point before the line
  Pen pen;
  Brush brush;
  Font font;
};

class RecordingPlotSink : public PlotSink {
 public:
  RecordingPlotSink(SinkKind kind, int width, int height) : PlotSink(kind, width, height) {}

  void Clear() override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) override;
  void FloodFill(int x, int y, Color color, FillMode mode) override;
  Color PixelAt(int x, int y) const override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;
  void RotatedText(int x, int y, std::string_view text, int weight, int height,
                   double angle) override;

  const std::vector<RecordedOp>& Ops() const { return ops_; }
  std::vector<RecordedOp> OpsOf(OpType type) const;
  int Count(OpType type) const;
  // Every text drawn by TextOut or RotatedText, in order.
  std::vector<std::string> Texts() const;
  void Reset() { ops_.clear(); }

 private:
  void Record(OpType type, std::vector<int> args, std::string_view text = {}, double angle = 0);
  std::vector<RecordedOp> ops_;
  bool inRotated_ = false;
};

}  // namespace kelvra::output
