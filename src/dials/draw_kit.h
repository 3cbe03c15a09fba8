// The drawing kit of the dial renderers: a canvas and a plot file that know
// where the dial's millimetres go, so that a renderer only says what to draw.
//
// Dial points are any type with `.x` and `.y` in dial mm, x to the right and
// y upwards, measured from the dial's own origin (gnomon foot, apex, centre).
// On a canvas that origin lies at (ox, oy) device units and one mm is `s`
// device units, device y running down the page. In a plot file the origin
// lies at (ox, oy) plot units and one mm is `u` = 40 x PlotScale plot units,
// plot y running up the page. Offsets of labels (`dx`, `dy`) are plot units
// at scale 1, like every fixed length of a plot file.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::draw {

// The mid grey of outlines and lines drawn for reference only.
inline constexpr output::Color kGrey = output::RgbColor(128, 128, 128);

// Device units from a real number: halves to the even neighbour, clamped to
// +-1e8 first, so that a point far off the page cannot overflow an int.
int Rnd(double x);

// "x y": a plot file's coordinate pair (plot units, already scaled).
std::string XY(double x, double y);

// "SI w,h": the plot file's character size, width and height in cm.
std::string SizeText(double w, double h);

// A pen of that colour, width (device units) and style.
void SetPen(output::PlotSink& sink, output::Color color, int width = 1,
            output::PenStyle style = output::PenStyle::Solid);
// A font of that height (device units), colour and weight; `escapement`
// turns the text counter-clockwise by degrees.
void SetFont(output::PlotSink& sink, int height, output::Color color = output::kBlack,
             bool bold = false, const char* face = "Arial", double escapement = 0);
// The note of a construction refused for the site: the title in bold one and
// a half times `fh` high, then the reason and what follows from it, from
// (m + 2 fh, m + 2 fh) down.
void DrawRefusal(output::PlotSink& sink, int fh, int m, const std::string& title,
                 const std::string& reason, const std::string& consequence);

struct Canvas {
  output::PlotSink& sink;
  const shell::ColorSet& colors;
  double ox = 0, oy = 0;  // the dial's origin, device units
  double s = 1;           // device units per dial mm

  template <class P>
  int X(const P& p) const {
    return Rnd(ox + p.x * s);
  }
  template <class P>
  int Y(const P& p) const {
    return Rnd(oy - p.y * s);
  }
  // Colour n (1..12) of the colour set.
  output::Color C(int n) const { return colors.Color(n); }

  void Pen(output::Color color, int width = 1,
           output::PenStyle style = output::PenStyle::Solid) const {
    SetPen(sink, color, width, style);
  }
  void Font(int height, output::Color color = output::kBlack, bool bold = false,
            const char* face = "Arial", double escapement = 0) const {
    SetFont(sink, height, color, bold, face, escapement);
  }
  // The page frame `m` device units inside the picture's edges, not filled.
  void Frame(output::Color color, int width, int m) const;
  // A cross of arm `r` about a device point (the ends drawn inclusive).
  void Cross(int x, int y, int r) const;
  // Text lines one below the other from (x, y) down, `step` apart; returns
  // where the next line would stand.
  int TextLines(int x, int y, int step, const std::vector<std::string>& lines) const;

  template <class P>
  void Line(const P& a, const P& b) const {
    sink.MoveTo(X(a), Y(a));
    sink.LineTo(X(b), Y(b));
  }
  template <class P>
  void Polyline(const std::vector<P>& points) const {
    if (points.empty()) return;
    sink.MoveTo(X(points.front()), Y(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i) sink.LineTo(X(points[i]), Y(points[i]));
  }
};

struct Plot {
  // `origin` in plot units at scale 1.
  Plot(output::HpglWriter& writer, output::Point origin);

  output::HpglWriter& w;
  double S;       // PlotScale
  double u;       // plot units per dial mm
  double ox, oy;  // the dial's origin, plot units (scaled)

  // "x y" of a dial point.
  template <class P>
  std::string At(const P& p) const {
    return XY(ox + p.x * u, oy + p.y * u);
  }
  // "PU first;PD next next ...;"
  template <class P>
  void Line(const std::vector<P>& points) const {
    if (points.empty()) return;
    std::string t = "PU " + At(points.front()) + ";PD";
    for (std::size_t i = 1; i < points.size(); ++i) t += " " + At(points[i]);
    w.Put(t + ";");
  }
  template <class P>
  void Line(const P& a, const P& b) const {
    w.Put("PU " + At(a) + ";PD " + At(b) + ";");
  }
  // A label at a dial point moved by (dx, dy) plot units at scale 1.
  template <class P>
  void Label(const P& at, double dx, double dy, const std::string& text) const {
    Text(ox + at.x * u + dx * S, oy + at.y * u + dy * S, text);
  }
  // A label at (x, y) plot units (scaled): "PU x y;LB text<ETX>;".
  void Text(double x, double y, const std::string& text) const;
  // Labels one below the other from (x, y) down, `step` apart (all scaled).
  void TextLines(double x, double y, double step, const std::vector<std::string>& lines) const;
  // The standard header and, when asked for, the coordinate grid about the
  // dial's origin with that spacing in mm.
  void Header(const std::optional<int>& gridMm) const;
};

// ---- date and hour lines made of chains ----------------------------------------
//
// A date line has `day`, `month` and `chains`, an hour line `clockTime`
// (hours), `full` (a full hour, labelled) and `chains`; each chain has
// `points`. Date lines are drawn in colour and pen 5, full hours in 3, the
// other hours in 8.

// The label of an hour line: the clock hour 0..23.
std::string HourNumber(double clockTime);
// The label of a date line: "21.6.".
std::string DayMonth(int day, int month);

// Where a line is labelled: the middle point of its longest chain (a line
// has at least one chain).
template <class Chain>
auto LabelPoint(const std::vector<Chain>& chains) {
  const Chain* best = &chains.front();
  for (const Chain& c : chains)
    if (c.points.size() > best->points.size()) best = &c;
  return best->points[best->points.size() / 2];
}

// Keeps labels apart: a label whose box (x, y, width, height; y growing
// by `step`) meets one placed before moves by `step` until it is free. Two
// dates of nearly one declination end at nearly one place.
template <class T>
class LabelSpacer {
 public:
  // The y at which a box at (x, y) of that size stands free; it is kept.
  T Place(T x, T y, T width, T height, T step) {
    while (std::any_of(boxes_.begin(), boxes_.end(), [&](const std::array<T, 4>& b) {
      return x < b[0] + b[2] && b[0] < x + width && y < b[1] + b[3] && b[1] < y + height;
    })) {
      y += step;
    }
    boxes_.push_back({x, y, width, height});
    return y;
  }

 private:
  std::vector<std::array<T, 4>> boxes_;
};

// The lines on a canvas at line width `lw` (full hours `fullExtra` wider),
// labels `fh` high beside their label points.
template <class DateLine, class HourLine>
void DrawDateAndHourLines(const Canvas& c, const std::vector<DateLine>& dateLines,
                          const std::vector<HourLine>& hourLines, int lw, int fullExtra, int fh) {
  LabelSpacer<int> labels;
  for (const DateLine& l : dateLines) {
    c.Pen(c.C(5), lw);
    for (const auto& chain : l.chains) c.Polyline(chain.points);
    const auto at = LabelPoint(l.chains);
    const std::string text = DayMonth(l.day, l.month);
    const int x = c.X(at) + 2;
    const int y = labels.Place(x, c.Y(at) - fh / 2, c.sink.TextWidth(text), fh, fh);
    c.sink.SetFontColor(c.C(5));
    c.sink.TextOut(x, y, text);
  }
  for (const HourLine& l : hourLines) {
    c.Pen(c.C(l.full ? 3 : 8), l.full ? lw + fullExtra : lw);
    for (const auto& chain : l.chains) c.Polyline(chain.points);
    if (!l.full) continue;
    const auto at = LabelPoint(l.chains);
    c.sink.SetFontColor(c.C(3));
    c.sink.TextOut(c.X(at) + 3, c.Y(at) - fh, HourNumber(l.clockTime));
  }
}

// The lines in a plot file, with the construction pen's width.
template <class DateLine, class HourLine>
void PlotDateAndHourLines(const Plot& p, const std::vector<DateLine>& dateLines,
                          const std::vector<HourLine>& hourLines) {
  // As on the canvas, date labels kept apart (characters of at most 0.2 x
  // 0.3 cm, 0.3 cm apart: 120 plot units at scale 1; y grows upwards here).
  LabelSpacer<double> labels;
  for (const DateLine& l : dateLines) {
    p.w.Put("SP 5;");
    p.w.PutConstructionPen();
    for (const auto& chain : l.chains) p.Line(chain.points);
    p.w.PutThinPen();
    const auto at = LabelPoint(l.chains);
    const std::string text = DayMonth(l.day, l.month);
    const double x = (p.ox + at.x * p.u) / p.S, y = (p.oy + at.y * p.u) / p.S - 60;
    const double free = labels.Place(x, y, 120.0 * static_cast<double>(text.size()), 120, -130);
    p.Label(at, 40, free - y - 60, text);
  }
  for (const HourLine& l : hourLines) {
    p.w.Put(l.full ? "SP 3;" : "SP 8;");
    p.w.PutConstructionPen();
    for (const auto& chain : l.chains) p.Line(chain.points);
    p.w.PutThinPen();
    if (l.full) p.Label(LabelPoint(l.chains), 60, 60, HourNumber(l.clockTime));
  }
}

}  // namespace kelvra::dials::draw
