#include "dials/habermel/habermel_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/habermel.h"

namespace kelvra::dials::habermel {

namespace {

using shell::FormatReal;

int Rnd(double x) { return output::RoundHalfEven(std::clamp(x, -1e8, 1e8)); }

std::string T(texts::TextId id) { return shell::Get(id); }

std::string XY(double x, double y) {
  return output::FormatCoordinate(x) + " " + output::FormatCoordinate(y);
}

std::string SizeText(double w, double h) {
  return "SI " + output::FormatPlotReal(5, 2, w) + "," + output::FormatPlotReal(5, 2, h);
}

int HourColor(const HourCurve& c) { return c.full ? (c.afternoon ? 10 : 2) : 3; }

std::string DateText(const DateMark& m) {
  return std::to_string(m.day) + "/" + std::to_string(m.month);
}

// Where a date's label stands: above the rail (tablet) or in the scale ring
// (disc), in plate mm.
HPoint DateLabelPoint(const HabermelDial& d, const DateMark& m) {
  if (d.variant == 1) return {m.from.x, d.rail + 3.0};
  const double r = 0.5 * (d.radius + d.diameter / 2);
  const HPoint u = DiscDirection(m.dayOfYear + 5);
  return {r * u.x, r * u.y};
}

}  // namespace

std::vector<std::string> LegendLines(const HabermelDial& d) {
  const std::string deg = T(texts::habermel::kDegrees), mm = T(texts::habermel::kMm);
  return {
      T(d.variant == 1 ? texts::habermel::kTitleTablet : texts::habermel::kTitleDisc),
      T(texts::habermel::kLatitude) + FormatReal(6, 2, d.site.latitude) + deg + ",  " +
          T(texts::habermel::kDiameter) + FormatReal(5, 1, d.diameter) + mm + ",  " +
          T(texts::habermel::kGnomon) + FormatReal(5, 1, d.gnomon) + mm,
      T(d.meanTime ? texts::habermel::kMeanTime : texts::habermel::kApparentTime),
      T(d.variant == 1 ? texts::habermel::kUseTablet : texts::habermel::kUseDisc),
  };
}

void DrawHabermelDial(output::PlotSink& sink, const HabermelDial& d,
                      const CanvasPlacement& placement, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const double s = placement.pixelsPerMm;
  // The plate as far right as the page allows, leaving the left for the legend.
  const int margin = screen ? 2 : 50;
  const double cx = std::max(0.56 * W, W - margin - 10 - d.diameter / 2 * s), cy = H / 2.0;
  auto X = [&](const HPoint& p) { return Rnd(cx + p.x * s); };
  auto Y = [&](const HPoint& p) { return Rnd(cy - p.y * s); };
  const int lw = std::max<int>(1, colors.lineWidth);
  auto pen = [&](int color, int extra) {
    output::Pen p;
    p.color = colors.Color(color);
    p.width = lw + extra * (screen ? 1 : 3);
    sink.SetPen(p);
  };
  const int fh = screen ? 13 : 30;
  const int m = screen ? 2 : 50;
  output::Font font;
  font.height = fh;
  sink.SetFont(font);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  pen(4, 0);
  sink.Rectangle(m, m, W - m, H - m);

  // The plate and, for the disc, the inner edge of the scale ring.
  pen(1, 1);
  const double half = d.diameter / 2;
  if (d.variant == 1) {
    sink.Rectangle(X({-half, half}), Y({-half, half}), X({half, -half}), Y({half, -half}));
    pen(1, 0);
    sink.MoveTo(X({-half, d.rail}), Y({-half, d.rail}));
    sink.LineTo(X({half, d.rail}), Y({half, d.rail}));
  } else {
    sink.Circle(X({0, 0}), Y({0, 0}), Rnd(half * s));
    pen(1, 0);
    sink.Circle(X({0, 0}), Y({0, 0}), Rnd(d.radius * s));
    sink.Circle(X({0, 0}), Y({0, 0}), std::max(2, Rnd(1.5 * s)));
  }
  // Date lines with their labels.
  for (const DateMark& dm : d.dates) {
    pen(dm.firstOfMonth ? 6 : 8, 0);
    sink.MoveTo(X(dm.from), Y(dm.from));
    sink.LineTo(X(dm.to), Y(dm.to));
    if (!dm.firstOfMonth) continue;
    const HPoint at = DateLabelPoint(d, dm);
    const std::string text = d.variant == 1 ? DateText(dm) : std::to_string(dm.month);
    sink.SetFontColor(colors.Color(6));
    if (d.variant == 1) {
      sink.RotatedText(X(at) - fh / 2, Y(at), text, output::kWeightNormal, fh, 90);
    } else {
      sink.TextOut(X(at) - sink.TextWidth(text) / 2, Y(at) - fh / 2, text);
    }
  }
  // Hour curves with their numbers.
  for (const HourCurve& c : d.hours) {
    pen(HourColor(c), c.full ? 1 : 0);
    for (const auto& piece : c.pieces) {
      sink.MoveTo(X(piece.front()), Y(piece.front()));
      for (std::size_t i = 1; i < piece.size(); ++i) sink.LineTo(X(piece[i]), Y(piece[i]));
    }
    if (!c.hasLabel || c.label.empty()) continue;
    sink.SetFontColor(colors.Color(HourColor(c)));
    sink.TextOut(X(c.labelAt) + 3, Y(c.labelAt) - fh - 1, c.label);
  }
  // Legend at the upper left.
  const std::vector<std::string> lines = LegendLines(d);
  const int lh = screen ? 15 : 40;
  int y = placement.legendSetByUser ? placement.legend.y : m + lh;
  const int x = placement.legendSetByUser ? placement.legend.x : m + lh;
  output::Font lf;
  lf.height = lh;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lf.bold = i == 0;
    sink.SetFont(lf);
    sink.SetFontColor(output::kBlack);
    sink.TextOut(x, y, lines[i]);
    y += lh * 5 / 4;
  }
}

void PlotHabermelDial(output::HpglWriter& w, const HabermelDial& d, const PlotPlacement& placement) {
  const double S = w.PlotScale();
  const double u = output::kPlotUnitsPerMm * S;
  const double cx = kPlotCentre.x * S, cy = kPlotCentre.y * S;
  auto P = [&](const HPoint& p) { return XY(cx + p.x * u, cy + p.y * u); };
  auto line = [&](const std::vector<HPoint>& pts) {
    std::string t = "PU " + P(pts.front()) + ";PD";
    for (std::size_t i = 1; i < pts.size(); ++i) t += " " + P(pts[i]);
    w.Put(t + ";");
  };
  auto label = [&](const HPoint& at, double dx, double dy, const std::string& text) {
    w.Put("PU " + XY(cx + at.x * u + dx * S, cy + at.y * u + dy * S) + ";");
    w.PutLabel(text);
    w.Put(";");
  };
  w.PutStandardHeader();
  if (placement.gridMm && *placement.gridMm > 0) {
    w.PutGrid(cx, cy, output::kGridRight * S, output::kGridTop * S, *placement.gridMm * u);
  }
  w.Put(SizeText(0.16 * S, 0.24 * S) + ";DI 1,0;SP 1;");
  const double half = d.diameter / 2;
  w.PutConstructionPen();
  if (d.variant == 1) {
    line({{-half, -half}, {half, -half}, {half, half}, {-half, half}, {-half, -half}});
    w.PutThinPen();
    line({{-half, d.rail}, {half, d.rail}});
  } else {
    w.Put("PU " + P({0, 0}) + ";CI " + output::FormatCoordinate(half * u) + ";");
    w.PutThinPen();
    w.Put("CI " + output::FormatCoordinate(d.radius * u) + ";CI " +
          output::FormatCoordinate(1.5 * u) + ";");
  }
  for (const DateMark& dm : d.dates) {
    w.Put(dm.firstOfMonth ? "SP 6;" : "SP 8;");
    line({dm.from, dm.to});
    if (!dm.firstOfMonth) continue;
    const HPoint at = DateLabelPoint(d, dm);
    if (d.variant == 1) {
      w.Put("DI 0,1;");
      label(at, 80, 0, DateText(dm));
      w.Put("DI 1,0;");
    } else {
      label(at, -60, -120, std::to_string(dm.month));
    }
  }
  for (const HourCurve& c : d.hours) {
    w.Put("SP " + std::to_string(HourColor(c)) + ";");
    if (c.full) w.PutConstructionPen();
    for (const auto& piece : c.pieces) line(piece);
    w.PutThinPen();
    if (c.hasLabel && !c.label.empty()) label(c.labelAt, 100, 80, c.label);
  }
  // The legend at the upper left of the page.
  w.Put("SP 1;" + SizeText(0.22 * S, 0.32 * S) + ";");
  double y = (output::kPlotWindowHeight - 700.0) * S;
  for (const std::string& text : LegendLines(d)) {
    w.Put("PU " + XY(500 * S, y) + ";");
    w.PutLabel(text);
    w.Put(";");
    y -= 500 * S;
  }
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::habermel
