#include "output/plot_sink.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kelvra::output {

int PlotSink::FontPixelHeight(const Font& font) const {
  if (font.height > 0) return font.height;
  if (font.height < 0) return -font.height;
  const double units = font.pointSize * UnitsPerInch() / 72.0;
  return std::max(1, static_cast<int>(std::lround(units)));
}

void PlotSink::SetPenColor(Color c) {
  Pen p = pen_;
  p.color = c;
  SetPen(p);
}
void PlotSink::SetPenWidth(int width) {
  Pen p = pen_;
  p.width = width;
  SetPen(p);
}
void PlotSink::SetPenStyle(PenStyle style) {
  Pen p = pen_;
  p.style = style;
  SetPen(p);
}
void PlotSink::SetPenMode(PenMode mode) {
  Pen p = pen_;
  p.mode = mode;
  SetPen(p);
}
void PlotSink::SetBrushColor(Color c, BrushStyle style) { SetBrush(Brush{c, style}); }
void PlotSink::SetBrushStyle(BrushStyle style) {
  Brush b = brush_;
  b.style = style;
  SetBrush(b);
}
void PlotSink::SetFontFace(std::string_view face) {
  Font f = font_;
  f.face = std::string(face);
  SetFont(f);
}
void PlotSink::SetFontHeight(int device_units) {
  Font f = font_;
  f.height = device_units;
  SetFont(f);
}
void PlotSink::SetFontSize(double points) {
  Font f = font_;
  f.height = 0;
  f.pointSize = points;
  SetFont(f);
}
void PlotSink::SetFontColor(Color c) {
  Font f = font_;
  f.color = c;
  SetFont(f);
}
void PlotSink::SetFontBold(bool bold) {
  Font f = font_;
  f.bold = bold;
  SetFont(f);
}

void PlotSink::RotatedText(int x, int y, std::string_view text, int weight, int height,
                           double angle) {
  if (text.empty()) return;
  const Font previous = font_;
  Font f = font_;
  f.height = std::max(1, std::abs(height));
  f.bold = weight >= 600;
  f.escapement = angle;
  SetFont(f);
  TextOut(x, y, text);
  SetFont(previous);
}

}  // namespace kelvra::output
