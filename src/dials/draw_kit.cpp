#include "dials/draw_kit.h"

#include <algorithm>
#include <cmath>

#include "output/drawing_view.h"

namespace kelvra::dials::draw {

int Rnd(double x) { return output::RoundHalfEven(std::clamp(x, -1e8, 1e8)); }

std::string XY(double x, double y) {
  return output::FormatCoordinate(x) + " " + output::FormatCoordinate(y);
}

std::string SizeText(double w, double h) {
  return "SI " + output::FormatPlotReal(5, 2, w) + "," + output::FormatPlotReal(5, 2, h);
}

void SetPen(output::PlotSink& sink, output::Color color, int width, output::PenStyle style) {
  output::Pen p;
  p.color = color;
  p.width = width;
  p.style = style;
  sink.SetPen(p);
}

void SetFont(output::PlotSink& sink, int height, output::Color color, bool bold, const char* face,
             double escapement) {
  output::Font f;
  f.face = face;
  f.height = height;
  f.color = color;
  f.bold = bold;
  f.escapement = escapement;
  sink.SetFont(f);
}

void DrawRefusal(output::PlotSink& sink, int fh, int m, const std::string& title,
                 const std::string& reason, const std::string& consequence) {
  SetFont(sink, fh * 3 / 2, output::kBlack, true);
  int y = m + 2 * fh;
  sink.TextOut(m + 2 * fh, y, title);
  SetFont(sink, fh);
  y += 3 * fh;
  sink.TextOut(m + 2 * fh, y, reason);
  sink.TextOut(m + 2 * fh, y + 3 * fh / 2, consequence);
}

void Canvas::Frame(output::Color color, int width, int m) const {
  sink.SetBrushStyle(output::BrushStyle::Clear);
  Pen(color, width);
  sink.Rectangle(m, m, sink.Width() - m, sink.Height() - m);
}

void Canvas::Cross(int x, int y, int r) const {
  sink.MoveTo(x - r, y);
  sink.LineTo(x + r + 1, y);
  sink.MoveTo(x, y - r);
  sink.LineTo(x, y + r + 1);
}

int Canvas::TextLines(int x, int y, int step, const std::vector<std::string>& lines) const {
  for (const std::string& line : lines) {
    sink.TextOut(x, y, line);
    y += step;
  }
  return y;
}

Plot::Plot(output::HpglWriter& writer, output::Point origin)
    : w(writer),
      S(writer.PlotScale()),
      u(output::kPlotUnitsPerMm * S),
      ox(origin.x * S),
      oy(origin.y * S) {}

void Plot::Text(double x, double y, const std::string& text) const {
  w.Put("PU " + XY(x, y) + ";");
  w.PutLabel(text);
  w.Put(";");
}

void Plot::TextLines(double x, double y, double step, const std::vector<std::string>& lines) const {
  for (const std::string& line : lines) {
    Text(x, y, line);
    y -= step;
  }
}

void Plot::Header(const std::optional<int>& gridMm) const {
  w.PutStandardHeader();
  if (gridMm && *gridMm > 0) {
    w.PutGrid(ox, oy, output::kGridRight * S, output::kGridTop * S, *gridMm * u);
  }
}

std::string HourNumber(double clockTime) {
  return std::to_string(static_cast<int>(std::lround(clockTime)) % 24);
}

std::string DayMonth(int day, int month) {
  return std::to_string(day) + "." + std::to_string(month) + ".";
}

}  // namespace kelvra::dials::draw
