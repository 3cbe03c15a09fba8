#include "dials/altitude/altitude_page.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "output/drawing_view.h"

namespace kelvra::dials::altitude {

namespace {

using astro::Radians;

constexpr double kLimit = 1e8;  // page coordinates beyond this are pulled in

int Rnd(double v) { return output::RoundHalfEven(std::clamp(v, -kLimit, kLimit)); }

std::size_t Utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

// ---- canvas -----------------------------------------------------------------------

void CanvasPage::Pen(int color, bool construction, int extraWidth, bool) {
  output::Pen p;
  p.color = colors_.Color(std::clamp(color, 1, 12));
  p.width = construction ? std::max<int>(1, colors_.lineWidth) + extraWidth : 1;
  sink_.SetPen(p);
}

void CanvasPage::Pen(const FixedColor& color) {
  output::Pen p;
  p.color = color.color;
  sink_.SetPen(p);
}

void CanvasPage::DottedPen(int color) {
  output::Pen p;
  p.color = colors_.Color(std::clamp(color, 1, 12));
  p.style = output::PenStyle::Dotted;
  sink_.SetPen(p);
}

void CanvasPage::Polyline(const std::vector<PagePoint>& points) {
  if (points.size() < 2) return;
  sink_.MoveTo(Rnd(points[0].x), Rnd(points[0].y));
  for (std::size_t i = 1; i < points.size(); ++i) sink_.LineTo(Rnd(points[i].x), Rnd(points[i].y));
}

void CanvasPage::Rectangle(double x1, double y1, double x2, double y2) {
  sink_.SetBrushStyle(output::BrushStyle::Clear);
  sink_.Rectangle(Rnd(x1), Rnd(y1), Rnd(x2), Rnd(y2));
}

void CanvasPage::FilledRectangle(double x1, double y1, double x2, double y2, output::Color fill) {
  sink_.SetBrushColor(fill, output::BrushStyle::Solid);
  sink_.Rectangle(Rnd(x1), Rnd(y1), Rnd(x2), Rnd(y2));
  sink_.SetBrushStyle(output::BrushStyle::Clear);
}

void CanvasPage::Circle(double x, double y, double r) {
  sink_.SetBrushStyle(output::BrushStyle::Clear);
  sink_.Circle(Rnd(x), Rnd(y), std::max(1, Rnd(r)));
}

void CanvasPage::DrawText(double x, double y, std::string_view text, double height, output::Color c,
                          std::string_view face, double angle) {
  output::Font f;
  f.face = std::string(face);
  f.height = std::max(1, Rnd(height));
  f.color = c;
  f.escapement = angle;
  sink_.SetFont(f);
  sink_.TextOut(Rnd(x), Rnd(y), text);
}

void CanvasPage::Text(double x, double y, std::string_view text, double height, int color,
                      std::string_view face, double angle) {
  DrawText(x, y, text, height, colors_.Color(std::clamp(color, 1, 12)), face, angle);
}

void CanvasPage::Text(double x, double y, std::string_view text, double height, const FixedColor& color,
                      std::string_view face, double angle) {
  DrawText(x, y, text, height, color.color, face, angle);
}

double CanvasPage::TextWidth(std::string_view text, double height, std::string_view face) {
  output::Font f = sink_.GetFont();
  f.face = std::string(face);
  f.height = std::max(1, Rnd(height));
  f.escapement = 0;
  sink_.SetFont(f);
  return sink_.TextWidth(text);
}

void CanvasPage::Grid(double x, double y, double spacing) {
  if (spacing < 2) return;
  Pen(9, false, 0, false);
  const double w = sink_.Width(), h = sink_.Height();
  for (double gx = x - std::floor(x / spacing) * spacing; gx <= w; gx += spacing) Line(gx, 0, gx, h);
  for (double gy = y - std::floor(y / spacing) * spacing; gy <= h; gy += spacing) Line(0, gy, w, gy);
  Circle(x, y, spacing / 5);
}

// ---- plot file --------------------------------------------------------------------

PlotPage::PlotPage(output::HpglWriter& writer)
    : w_(writer),
      width_(static_cast<double>(output::kPlotWindowWidth) * writer.PlotScale()),
      height_(static_cast<double>(output::kPlotWindowHeight) * writer.PlotScale()) {}

// Page (x, y down) to plot (x, y up): plot y = page height - y.
std::string PlotPage::XY(double x, double y) const {
  return output::FormatCoordinate(x) + " " + output::FormatCoordinate(height_ - y);
}

void PlotPage::SelectPen(int pen) {
  if (pen == pen_) return;
  pen_ = pen;
  w_.Put("SP " + std::to_string(pen) + ";");
}

// Thin lines for frames, grids and texts, the construction width for the
// curves (pen width commands only with a line strength above 1).
void PlotPage::SelectWidth(bool construction) {
  const int kind = construction ? 1 : 0;
  if (kind == widthKind_) return;
  widthKind_ = kind;
  if (construction) w_.PutConstructionPen();
  else w_.PutThinPen();
}

void PlotPage::Pen(int color, bool construction, int, bool dashed) {
  SelectPen(std::clamp(color, 1, 12));
  SelectWidth(construction);
  if (dashed != dashed_) {
    w_.Put(dashed ? "LT 2,2;" : "LT;");
    dashed_ = dashed;
  }
}

void PlotPage::Pen(const FixedColor& color) { Pen(color.plotPen, false, 0, false); }

void PlotPage::DottedPen(int color) { Pen(color, false, 0, false); }

void PlotPage::Polyline(const std::vector<PagePoint>& points) {
  if (points.size() < 2) return;
  std::string text = "PU " + XY(points[0].x, points[0].y) + ";PD";
  for (std::size_t i = 1; i < points.size(); ++i) text += " " + XY(points[i].x, points[i].y);
  w_.Put(text + ";");
}

void PlotPage::Rectangle(double x1, double y1, double x2, double y2) {
  Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

void PlotPage::FilledRectangle(double x1, double y1, double x2, double y2, output::Color) {
  Rectangle(x1, y1, x2, y2);
}

void PlotPage::Circle(double x, double y, double r) {
  w_.Put("PU " + XY(x, y) + ";CI " + output::FormatCoordinate(r) + ";");
}

void PlotPage::Label(double x, double y, std::string_view text, double height, int pen, double angle) {
  if (text.empty()) return;
  SelectPen(pen);
  SelectWidth(false);
  if (height != labelHeight_) {
    // Character size in cm: height / 400 (40 units per mm, times PlotScale
    // in both the height and the size).
    const double h = height / 400.0;
    w_.Put("SI " + output::FormatPlotReal(5, 2, 0.5 * h) + "," + output::FormatPlotReal(5, 2, h) + ";");
    labelHeight_ = height;
  }
  if (angle != labelAngle_) {
    const double a = Radians(angle);
    w_.Put("DI " + std::to_string(std::lround(100 * std::cos(a))) + "," +
           std::to_string(std::lround(100 * std::sin(a))) + ";");
    labelAngle_ = angle;
  }
  // The label's origin is the start of its base line: one height below the
  // top of the cell, across the text's direction.
  const double a = Radians(angle);
  const double bx = x + height * std::sin(a);
  const double by = y + height * std::cos(a);
  w_.Put("PU " + XY(bx, by) + ";");
  w_.PutLabel(text);
  w_.Put(";");
}

void PlotPage::Text(double x, double y, std::string_view text, double height, int color, std::string_view,
                    double angle) {
  Label(x, y, text, height, std::clamp(color, 1, 12), angle);
}

void PlotPage::Text(double x, double y, std::string_view text, double height, const FixedColor& color,
                    std::string_view, double angle) {
  Label(x, y, text, height, color.plotPen, angle);
}

double PlotPage::TextWidth(std::string_view text, double height, std::string_view) {
  // Characters advance by 1.5 times their width, half the height.
  return 0.75 * height * static_cast<double>(Utf8Length(text));
}

void PlotPage::Grid(double x, double y, double spacing) {
  const int s = w_.PlotScale();
  w_.PutGrid(x, height_ - y, static_cast<double>(output::kGridRight) * s,
             static_cast<double>(output::kGridTop) * s, spacing);
  pen_ = 9;
}

// ---- clipping ---------------------------------------------------------------------

std::vector<std::vector<PagePoint>> ClipToBox(const std::vector<PagePoint>& line, double x1, double y1,
                                              double x2, double y2) {
  std::vector<std::vector<PagePoint>> out;
  bool open = false;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const PagePoint p = line[i - 1], q = line[i];
    // Liang-Barsky: the part t0..t1 of p + t (q - p) inside the box.
    const double dx = q.x - p.x, dy = q.y - p.y;
    double t0 = 0, t1 = 1;
    bool inside = true;
    auto edge = [&](double num, double den) {
      // den * t <= num
      if (den == 0) {
        if (num < 0) inside = false;
        return;
      }
      const double t = num / den;
      if (den < 0) t0 = std::max(t0, t);
      else t1 = std::min(t1, t);
    };
    edge(p.x - x1, -dx);
    edge(x2 - p.x, dx);
    edge(p.y - y1, -dy);
    edge(y2 - p.y, dy);
    if (!inside || t0 > t1) {
      open = false;
      continue;
    }
    const PagePoint a{p.x + t0 * dx, p.y + t0 * dy};
    const PagePoint b{p.x + t1 * dx, p.y + t1 * dy};
    if (!open || t0 > 0) {
      out.push_back({a});
      open = true;
    }
    out.back().push_back(b);
    if (t1 < 1) open = false;
  }
  return out;
}

}  // namespace kelvra::dials::altitude
