#include "dials/peaucellier/peaucellier_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/peaucellier.h"

namespace kelvra::dials::peaucellier {

namespace {

using shell::FormatReal;

std::string T(texts::TextId id) { return shell::Get(id); }

std::string DesignerLine() {
  return T(texts::peaucellier::kConstruction) + T(texts::peaucellier::kDesigner);
}

std::string ParameterLine(const PeaucellierDial& d) {
  return T(texts::peaucellier::kEquinoxDistance) + " = " +
         FormatReal(3, 0, std::abs(d.equinoxDistance)) + ";  " + T(texts::peaucellier::kConstant) +
         " = " + FormatReal(7, 4, d.constant) + ";    " + T(texts::peaucellier::kLatitude) + " = " +
         FormatReal(7, 2, std::fabs(d.site.latitude)) + " " + (d.southern ? "S" : "N");
}

// The hour numbers of a full hour line: clock hour before noon on the
// morning side, hours after noon on the afternoon side.
std::string MorningLabel(const HourLine& l) { return std::to_string(l.hour); }
std::string AfternoonLabel(const HourLine& l) { return std::to_string(12 - l.hour); }

DPoint Mirror(const DPoint& p) { return {p.x, -p.y}; }

}  // namespace

output::Point CanvasOrigin(const PeaucellierDial& d, const CanvasPlacement& placement, int W,
                           int H, bool screen) {
  output::Point o = placement.origin;
  if (!placement.originSetByUser || o.x < 1 || o.y < 1) {
    o = {draw::Rnd(0.35 * W), draw::Rnd(0.5 * H)};
  }
  if (!screen) {
    const int right = draw::Rnd(W - d.maxX * 10.0 - 30);
    o.x = std::max(1, std::min(o.x, right));
  }
  return o;
}

void DrawPeaucellierDial(output::PlotSink& sink, const PeaucellierDial& d,
                         const CanvasPlacement& placement, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  if (d.refused) {
    output::Font f;
    f.height = screen ? 20 : 60;
    f.bold = true;
    sink.SetFont(f);
    sink.TextOut(W / 5, H / 5, T(texts::peaucellier::kRefusedEnglish));
    sink.TextOut(W / 5, H / 7, T(texts::peaucellier::kRefusedGerman));
    return;
  }
  const double s = screen ? H / 200.0 : 10.0;
  const output::Point o = CanvasOrigin(d, placement, W, H, screen);
  const draw::Canvas c{sink, colors, static_cast<double>(o.x), static_cast<double>(o.y), s};
  const int lw = std::max<int>(1, colors.lineWidth);
  const int fh = screen ? 16 : 30;
  const int m = screen ? 2 : 50;

  c.Frame(c.C(4), 1, m);
  // The origin: circle and cross.
  const int r = fh / 2;
  sink.Circle(o.x, o.y, r);
  c.Cross(o.x, o.y, r);

  // The label height follows the farthest date line.
  const double longest = d.equinoxDistance / std::max(0.05, 1 - std::fabs(0.43364 * d.constant));
  const int labelHeight =
      std::clamp(draw::Rnd(longest * (screen ? 45.0 : 150.0) / H * (screen ? 1 : 10)),
                 screen ? 10 : 30, screen ? 40 : 120);
  sink.SetFontColor(c.C(1));
  for (const DateLine& l : d.dateLines) {
    c.Pen(c.C(l.color), lw + (l.main ? (screen ? 1 : 3) : 0));
    c.Polyline(l.points);
    if (!l.label.empty()) {
      sink.SetFontColor(c.C(l.color));
      sink.RotatedText(c.X(l.labelAfternoon) - labelHeight, c.Y(l.labelAfternoon) - labelHeight / 2,
                       l.label, output::kWeightBold, labelHeight, -90);
      sink.RotatedText(c.X(l.labelMorning) - labelHeight, c.Y(l.labelMorning) - labelHeight / 2,
                       l.label, output::kWeightBold, labelHeight, -90);
    }
  }
  // Noon line and the arrow toward the visible pole.
  c.Pen(c.C(3), lw);
  if (!d.dateLines.empty()) c.Line(d.noonFrom, d.noonTo);
  const double tip = -0.7 * d.equinoxDistance;
  const double head = 3.0 * r / s, side = r / s;
  c.Line(DPoint{0, 0}, DPoint{tip, 0});
  c.Line(DPoint{tip, 0}, DPoint{tip + head, side});
  c.Line(DPoint{tip, 0}, DPoint{tip + head, -side});
  sink.SetFontColor(c.C(3));
  sink.RotatedText(o.x - fh, o.y + fh, d.southern ? "S" : "N", output::kWeightBold, fh, -90);

  // Hour lines on both sides, with their numbers at the summer end.
  for (const HourLine& l : d.hourLines) {
    c.Pen(c.C(l.full ? 3 : 8), lw + (l.full ? (screen ? 1 : 2) : 0));
    c.Line(l.summer, l.end);
    c.Line(Mirror(l.summer), Mirror(l.end));
    if (!l.full) continue;
    sink.SetFontColor(c.C(3));
    sink.RotatedText(c.X(l.summer) + 2, c.Y(l.summer) - labelHeight, AfternoonLabel(l),
                     output::kWeightBold, labelHeight, -90);
    sink.RotatedText(c.X(Mirror(l.summer)) + 2, c.Y(Mirror(l.summer)) + 4, MorningLabel(l),
                     output::kWeightBold, labelHeight, -90);
  }
  c.Pen(c.C(8), lw);
  for (const auto& line : d.lastHour) {
    c.Polyline(line);
    std::vector<DPoint> mirrored;
    for (const DPoint& p : line) mirrored.push_back(Mirror(p));
    c.Polyline(mirrored);
  }

  // Legend near the left edge, running down the page.
  const int lh = screen ? 20 : 55;
  output::Font f;
  f.face = "Times New Roman";
  f.height = lh;
  f.color = output::kBlack;
  sink.SetFont(f);
  const std::string lines[3] = {T(texts::peaucellier::kTitle), DesignerLine(), ParameterLine(d)};
  int x = m + 2 * lh;  // rotated text reaches left of its x
  for (int i = 0; i < 3; ++i) {
    f.bold = i == 0;
    sink.SetFont(f);
    const int width = sink.TextWidth(lines[i]);
    sink.RotatedText(x, std::max(m, (H - width) / 2), lines[i], i == 0 ? output::kWeightBold : output::kWeightNormal,
                     lh, -90);
    x += lh * 3 / 2;
  }
}

void PlotPeaucellierDial(output::HpglWriter& w, const PeaucellierDial& d,
                         const PlotPlacement& placement) {
  // The origin moves across the page only.
  const draw::Plot p(w, {placement.origin.value_or(kDefaultPlotOrigin).x, kDefaultPlotOrigin.y});
  const double S = p.S;
  const double H = output::kPlotWindowHeight * S;
  w.PutStandardHeader();
  w.Put(draw::SizeText(0.18 * S, 0.27 * S) + ";DI 0,-1;");
  if (!d.refused) {
    w.Put("SP 4;PU " + draw::XY(p.ox, p.oy) + ";CI " + output::FormatCoordinate(80 * S) + " ,5;");
    for (const DateLine& l : d.dateLines) {
      w.Put("SP " + std::to_string(l.color) + ";");
      if (l.main) w.PutConstructionPen();
      p.Line(l.points);
      w.PutThinPen();
      if (!l.label.empty()) {
        p.Label(l.labelAfternoon, -300, 100, l.label);
        p.Label(l.labelMorning, -300, 100, l.label);
      }
    }
    w.Put("SP 3;");
    if (!d.dateLines.empty()) p.Line(d.noonFrom, d.noonTo);
    const double tip = -0.7 * d.equinoxDistance;
    p.Line(DPoint{0, 0}, DPoint{tip, 0});
    p.Line(std::vector<DPoint>{{tip + 6, 2}, {tip, 0}, {tip + 6, -2}});
    p.Label(DPoint{0, 0}, -400, 300, d.southern ? "S" : "N");
    for (const HourLine& l : d.hourLines) {
      w.Put(l.full ? "SP 3;" : "SP 8;");
      p.Line(l.summer, l.end);
      p.Line(Mirror(l.summer), Mirror(l.end));
      if (l.full) {
        p.Label(l.summer, 50, 250, AfternoonLabel(l));
        p.Label(Mirror(l.summer), 50, -50, MorningLabel(l));
      }
    }
    w.Put("SP 8;");
    for (const auto& l : d.lastHour) {
      p.Line(l);
      std::vector<DPoint> mirrored;
      for (const DPoint& q : l) mirrored.push_back(Mirror(q));
      p.Line(mirrored);
    }
  }
  // The legend near the left edge, running down the page.
  w.Put("SP 1;" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
  const std::string lines[3] = {T(texts::peaucellier::kTitle), DesignerLine(), ParameterLine(d)};
  double x = 1200 * S;
  for (const std::string& text :
       d.refused ? std::vector<std::string>{T(texts::peaucellier::kRefusedEnglish)}
                 : std::vector<std::string>(lines, lines + 3)) {
    p.Text(x, H - 1500 * S, text);
    x -= 450 * S;
  }
  w.Put("DI 1,0");
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::peaucellier
