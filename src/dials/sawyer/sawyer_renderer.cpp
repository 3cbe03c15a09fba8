#include "dials/sawyer/sawyer_renderer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/sawyer.h"

namespace kelvra::dials::sawyer {

namespace {

using shell::FormatReal;

std::string T(texts::TextId id) { return shell::Get(id); }

texts::TextId ModeText(int mode) {
  switch (mode) {
    case 1: return texts::sawyer::kModeZoneApparent;
    case 2: return texts::sawyer::kModeHalfLoops;
    case 3: return texts::sawyer::kModeStraightLines;
    default: return texts::sawyer::kModeLocalApparent;
  }
}

std::string HourLabel(double t) {
  const int h = static_cast<int>(std::lround(t)) % 24;
  return std::to_string(h == 0 && t > 12 ? 24 : h);
}

// The label of a full hour stands a little beyond the outer end of its line.
WPoint LabelPoint(const EquantLine& l, double gap) {
  const double dx = l.to.x - l.from.x, dy = l.to.y - l.from.y;
  const double len = std::hypot(dx, dy);
  if (len <= 0) return l.to;
  return {l.to.x + dx / len * gap, l.to.y + dy / len * gap};
}

}  // namespace

std::vector<std::string> LegendLines(const SawyerDial& d) {
  const std::string deg = T(texts::sawyer::kDegrees);
  const std::string mm = " " + T(texts::sawyer::kMm);
  return {
      T(texts::sawyer::kTitle),
      T(texts::sawyer::kLatitude) + FormatReal(6, 2, d.site.latitude) + deg + ",  " +
          T(texts::sawyer::kWallDeclination) + FormatReal(7, 2, d.wallDeclination) + deg,
      T(texts::sawyer::kGnomonHeight) + FormatReal(5, 1, d.gnomon) + mm +
          (d.mode == 2 ? std::string()
                       : ",  " + T(texts::sawyer::kLineAngle) + FormatReal(4, 1, d.lineAngle) + deg +
                             ",  " + T(texts::sawyer::kCenter) + FormatReal(5, 1, d.center) + mm),
      T(ModeText(d.mode)),
      T(d.mode == 2 ? texts::sawyer::kReadNodus : texts::sawyer::kReadStyle),
  };
}

// Where a date line's label goes: at the line's end, or where the line
// leaves the sheet when it runs beyond it (`inside` tells a point on the
// sheet). Nothing when no point of the line is on the sheet.
template <class Inside>
std::optional<WPoint> DateLabelPoint(const Chain& c, Inside inside) {
  if (!c.pieces.empty() && !c.pieces.back().empty() && inside(c.labelAt)) return c.labelAt;
  for (auto piece = c.pieces.rbegin(); piece != c.pieces.rend(); ++piece) {
    for (auto p = piece->rbegin(); p != piece->rend(); ++p) {
      if (inside(*p)) return *p;
    }
  }
  return std::nullopt;
}

output::Point CanvasOrigin(const SawyerDial& d, const CanvasPlacement& placement, int W, int H) {
  if (placement.originSetByUser) return placement.origin;
  const double s = placement.pixelsPerMm;
  // The drawing centred in height when it fits, else its top 8 % of the
  // height below the top edge; O at most at 60 % of the height.
  const double top = d.maxCorner.y * s, bottom = d.minCorner.y * s;
  const double y = top - bottom < 0.84 * H ? 0.5 * H + 0.5 * (top + bottom) : 0.08 * H + top;
  const double clamped = std::min(y, 0.6 * H);
  const double middle = 0.5 * (d.minCorner.x + d.maxCorner.x) * s;
  return {draw::Rnd(W / 2.0 - middle), draw::Rnd(clamped)};
}

void DrawSawyerDial(output::PlotSink& sink, const SawyerDial& d, const CanvasPlacement& placement,
                    const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const double s = placement.pixelsPerMm;
  const output::Point o = CanvasOrigin(d, placement, W, H);
  const draw::Canvas k{sink, colors, static_cast<double>(o.x), static_cast<double>(o.y), s};
  const int lw = std::max<int>(1, colors.lineWidth);
  auto pen = [&](int color, int extra) { k.Pen(k.C(color), lw + extra * (screen ? 1 : 3)); };
  const int fh = screen ? 14 : 32;
  const int m = screen ? 2 : 50;
  k.Font(fh);
  k.Frame(k.C(4), lw, m);

  // Nodus date lines, then the loops or the reading curves and hour lines.
  draw::LabelSpacer<int> labels;
  for (const Chain& c : d.dateLines) {
    pen(c.color, c.width);
    for (const auto& piece : c.pieces) k.Polyline(piece);
    sink.SetFontColor(k.C(c.color));
    const int room = sink.TextWidth(c.label) + 6;
    const std::optional<WPoint> at = DateLabelPoint(c, [&](const WPoint& q) {
      return k.X(q) >= 0 && k.X(q) <= W - room && k.Y(q) >= fh && k.Y(q) <= H - fh;
    });
    if (!at) continue;
    const int x = k.X(*at) + 3;
    sink.TextOut(x, labels.Place(x, k.Y(*at) - fh / 2, room - 6, fh, fh), c.label);
  }
  for (const Chain& c : d.hourLoops) {
    pen(c.color, c.width);
    for (const auto& piece : c.pieces) k.Polyline(piece);
    if (!c.label.empty()) {
      sink.SetFontColor(k.C(3));
      sink.TextOut(k.X(c.labelAt) - fh / 2, k.Y(c.labelAt) - fh - 2, c.label);
    }
  }
  for (const Chain& c : d.readingCurves) {
    pen(c.color, c.width);
    for (const auto& piece : c.pieces) k.Polyline(piece);
  }
  // Date labels of the reading curves on the left, one above the other where
  // the curves start close together.
  int lastLabelY = -1000000;
  for (const Chain& c : d.readingCurves) {
    if (c.label.empty()) continue;
    int y = k.Y(c.labelAt) - fh / 2;
    if (std::abs(y - lastLabelY) < fh) y = lastLabelY + fh;
    sink.SetFontColor(k.C(c.color));
    sink.TextOut(k.X(c.labelAt) - sink.TextWidth(c.label) - 4, y, c.label);
    lastLabelY = y;
  }
  for (const EquantLine& l : d.hourLines) {
    pen(l.full ? 3 : 8, l.full ? 1 : 0);
    k.Line(l.from, l.to);
    if (!l.full) continue;
    const WPoint at = LabelPoint(l, 1.5 * fh / s);
    const std::string text = HourLabel(l.hour);
    sink.SetFontColor(k.C(3));
    sink.TextOut(k.X(at) - sink.TextWidth(text) / 2, k.Y(at) - fh / 2, text);
  }

  // The gnomon foot O, the equant centre C and the dial centre Z with the
  // substyle Z-O.
  pen(1, 0);
  const int r = fh / 2;
  auto mark = [&](const WPoint& p, bool circle) {
    if (circle) sink.Circle(k.X(p), k.Y(p), r);
    k.Cross(k.X(p), k.Y(p), r);
  };
  mark(WPoint{0, 0}, true);
  sink.SetFontColor(k.C(1));
  sink.TextOut(k.X(WPoint{0, 0}) + r + 2, k.Y(WPoint{0, 0}) + 2, "O");
  if (d.mode != 2) {
    mark(d.scale.center, false);
    sink.TextOut(k.X(d.scale.center) + r + 2, k.Y(d.scale.center) - fh, "C");
  }
  if (d.styleFoot) {
    mark(*d.styleFoot, true);
    sink.TextOut(k.X(*d.styleFoot) + r + 2, k.Y(*d.styleFoot) - fh, "Z");
    k.Pen(k.C(1), 1, output::PenStyle::Dashed);
    k.Line(*d.styleFoot, WPoint{0, 0});
  }

  // Legend: bottom left.
  const std::vector<std::string> lines = LegendLines(d);
  const int lh = screen ? 16 : 40;
  int x = placement.legendSetByUser ? placement.legend.x : m + 2 * lh;
  // Lines stand 5/4 of the font height apart; mode 2 adds the row that
  // explains the loops' colours. All of it ends inside the frame.
  const int rows = static_cast<int>(lines.size()) + (d.mode == 2 ? 1 : 0);
  int y = placement.legendSetByUser ? placement.legend.y : H - m - rows * lh * 5 / 4 - lh / 2;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    k.Font(lh, output::kBlack, i == 0);
    sink.SetFontColor(output::kBlack);
    sink.TextOut(x, y, lines[i]);
    y += lh * 5 / 4;
  }
  if (d.mode == 2) {
    // What the two colours of the loops mean.
    const int ly = y + lh / 2;
    pen(2, 1);
    sink.MoveTo(x, ly);
    sink.LineTo(x + 3 * lh, ly);
    k.Font(lh);
    sink.TextOut(x + 3 * lh + 6, ly - lh / 2, T(texts::sawyer::kRisingHalf));
    const int x2 = x + 4 * lh + 12 + sink.TextWidth(T(texts::sawyer::kRisingHalf));
    pen(10, 1);
    sink.MoveTo(x2, ly);
    sink.LineTo(x2 + 3 * lh, ly);
    sink.TextOut(x2 + 3 * lh + 6, ly - lh / 2, T(texts::sawyer::kFallingHalf));
  }
}

output::Point DefaultPlotOrigin(const SawyerDial& d) {
  // The drawing centred in height when it fits, else its top 15 mm below the
  // frame's top; O no lower than a third of the page; centred across.
  const double u = output::kPlotUnitsPerMm, H = output::kPlotWindowHeight;
  const double top = d.maxCorner.y * u, bottom = d.minCorner.y * u;
  const double y = top - bottom < H - 1200 ? 0.5 * H - 0.5 * (top + bottom) : H - 600 - top;
  const double middle = 0.5 * (d.minCorner.x + d.maxCorner.x) * u;
  return {draw::Rnd(output::kPlotWindowWidth / 2.0 - middle), draw::Rnd(std::max(y, H / 3.0))};
}

void PlotSawyerDial(output::HpglWriter& w, const SawyerDial& d, const PlotPlacement& placement) {
  const draw::Plot p(w, placement.origin.value_or(DefaultPlotOrigin(d)));
  const double S = p.S;
  p.Header(placement.gridMm);
  w.Put(draw::SizeText(0.16 * S, 0.24 * S) + ";DI 1,0;");
  // As on the canvas, date labels kept apart: a line (3 mm) lower.
  draw::LabelSpacer<double> labels;
  for (const Chain& c : d.dateLines) {
    w.Put("SP " + std::to_string(c.color) + ";");
    if (c.width) w.PutConstructionPen();
    for (const auto& piece : c.pieces) p.Line(piece);
    w.PutThinPen();
    // On the sheet (the plot window), with room for the text to the right.
    const double length = 0.16 * 400 * 1.5 * static_cast<double>(c.label.size()) + 100;
    const std::optional<WPoint> end = DateLabelPoint(c, [&](const WPoint& q) {
      const double x = p.ox + q.x * p.u, y = p.oy + q.y * p.u;
      return x >= 0 && x <= (output::kPlotWindowWidth - length) * S && y >= 150 * S &&
             y <= (output::kPlotWindowHeight - 100) * S;
    });
    if (!end) continue;
    const WPoint at{end->x, labels.Place(end->x, end->y, 6, 3, -3)};
    p.Label(at, 60, -100, c.label);
  }
  for (const Chain& c : d.hourLoops) {
    w.Put("SP " + std::to_string(c.color) + ";");
    if (c.width) w.PutConstructionPen();
    for (const auto& piece : c.pieces) p.Line(piece);
    w.PutThinPen();
    if (!c.label.empty()) {
      w.Put("SP 3;");
      p.Label(c.labelAt, -80, 60, c.label);
    }
  }
  for (const Chain& c : d.readingCurves) {
    w.Put("SP " + std::to_string(c.color) + ";");
    if (c.width) w.PutConstructionPen();
    for (const auto& piece : c.pieces) p.Line(piece);
    w.PutThinPen();
    if (!c.label.empty()) {
      p.Label(c.pieces.front().front(), -60.0 * static_cast<double>(c.label.size()) - 80, -100,
              c.label);
    }
  }
  for (const EquantLine& l : d.hourLines) {
    w.Put(l.full ? "SP 3;" : "SP 8;");
    if (l.full) w.PutConstructionPen();
    p.Line(l.from, l.to);
    w.PutThinPen();
    if (l.full) p.Label(LabelPoint(l, 4.0), -80, -100, HourLabel(l.hour));
  }
  // O, C and Z with the substyle.
  w.Put("SP 1;PU " + p.At(WPoint{0, 0}) + ";CI " + output::FormatCoordinate(80 * S) + ";");
  p.Label(WPoint{0, 0}, 100, -300, "O");
  if (d.mode != 2) {
    const WPoint c = d.scale.center;
    p.Line(WPoint{c.x - 2, c.y}, WPoint{c.x + 2, c.y});
    p.Line(WPoint{c.x, c.y - 2}, WPoint{c.x, c.y + 2});
    p.Label(c, 100, 100, "C");
  }
  if (d.styleFoot) {
    w.Put("PU " + p.At(*d.styleFoot) + ";CI " + output::FormatCoordinate(80 * S) + ";");
    p.Label(*d.styleFoot, 100, 100, "Z");
    w.Put("LT 2,2;");
    p.Line(*d.styleFoot, WPoint{0, 0});
    w.Put("LT;");
  }
  // The legend at the lower left.
  w.Put("SP 1;" + draw::SizeText(0.22 * S, 0.32 * S) + ";");
  const std::vector<std::string> lines = LegendLines(d);
  p.TextLines(600 * S, (200.0 + 500.0 * static_cast<double>(lines.size())) * S, 500 * S, lines);
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::sawyer
