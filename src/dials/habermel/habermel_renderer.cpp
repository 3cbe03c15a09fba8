#include "dials/habermel/habermel_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/habermel.h"

namespace kelvra::dials::habermel {

namespace {

using shell::FormatReal;

std::string T(texts::TextId id) { return shell::Get(id); }

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
  const draw::Canvas c{sink, colors, cx, cy, s};
  const int lw = std::max<int>(1, colors.lineWidth);
  auto pen = [&](int color, int extra) { c.Pen(c.C(color), lw + extra * (screen ? 1 : 3)); };
  const int fh = screen ? 13 : 30;
  const int m = screen ? 2 : 50;
  c.Font(fh);
  c.Frame(c.C(4), lw, m);

  // The plate and, for the disc, the inner edge of the scale ring.
  pen(1, 1);
  const double half = d.diameter / 2;
  if (d.variant == 1) {
    const HPoint topLeft{-half, half}, bottomRight{half, -half};
    sink.Rectangle(c.X(topLeft), c.Y(topLeft), c.X(bottomRight), c.Y(bottomRight));
    pen(1, 0);
    c.Line(HPoint{-half, d.rail}, HPoint{half, d.rail});
  } else {
    const HPoint centre{0, 0};
    sink.Circle(c.X(centre), c.Y(centre), draw::Rnd(half * s));
    pen(1, 0);
    sink.Circle(c.X(centre), c.Y(centre), draw::Rnd(d.radius * s));
    sink.Circle(c.X(centre), c.Y(centre), std::max(2, draw::Rnd(1.5 * s)));
  }
  // Date lines with their labels.
  for (const DateMark& dm : d.dates) {
    pen(dm.firstOfMonth ? 6 : 8, 0);
    c.Line(dm.from, dm.to);
    if (!dm.firstOfMonth) continue;
    const HPoint at = DateLabelPoint(d, dm);
    const std::string text = d.variant == 1 ? DateText(dm) : std::to_string(dm.month);
    sink.SetFontColor(c.C(6));
    if (d.variant == 1) {
      sink.RotatedText(c.X(at) - fh / 2, c.Y(at), text, output::kWeightNormal, fh, 90);
    } else {
      sink.TextOut(c.X(at) - sink.TextWidth(text) / 2, c.Y(at) - fh / 2, text);
    }
  }
  // Hour curves with their numbers.
  for (const HourCurve& h : d.hours) {
    pen(HourColor(h), h.full ? 1 : 0);
    for (const auto& piece : h.pieces) c.Polyline(piece);
    if (!h.hasLabel || h.label.empty()) continue;
    sink.SetFontColor(c.C(HourColor(h)));
    sink.TextOut(c.X(h.labelAt) + 3, c.Y(h.labelAt) - fh - 1, h.label);
  }
  // Legend at the upper left.
  const std::vector<std::string> lines = LegendLines(d);
  const int lh = screen ? 15 : 40;
  int y = placement.legendSetByUser ? placement.legend.y : m + lh;
  const int x = placement.legendSetByUser ? placement.legend.x : m + lh;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    c.Font(lh, output::kBlack, i == 0);
    sink.SetFontColor(output::kBlack);
    sink.TextOut(x, y, lines[i]);
    y += lh * 5 / 4;
  }
}

void PlotHabermelDial(output::HpglWriter& w, const HabermelDial& d, const PlotPlacement& placement) {
  const draw::Plot p(w, kPlotCentre);
  const double S = p.S, u = p.u;
  p.Header(placement.gridMm);
  w.Put(draw::SizeText(0.16 * S, 0.24 * S) + ";DI 1,0;SP 1;");
  const double half = d.diameter / 2;
  w.PutConstructionPen();
  if (d.variant == 1) {
    p.Line(std::vector<HPoint>{
        {-half, -half}, {half, -half}, {half, half}, {-half, half}, {-half, -half}});
    w.PutThinPen();
    p.Line(HPoint{-half, d.rail}, HPoint{half, d.rail});
  } else {
    w.Put("PU " + p.At(HPoint{0, 0}) + ";CI " + output::FormatCoordinate(half * u) + ";");
    w.PutThinPen();
    w.Put("CI " + output::FormatCoordinate(d.radius * u) + ";CI " +
          output::FormatCoordinate(1.5 * u) + ";");
  }
  for (const DateMark& dm : d.dates) {
    w.Put(dm.firstOfMonth ? "SP 6;" : "SP 8;");
    p.Line(dm.from, dm.to);
    if (!dm.firstOfMonth) continue;
    const HPoint at = DateLabelPoint(d, dm);
    if (d.variant == 1) {
      w.Put("DI 0,1;");
      p.Label(at, 80, 0, DateText(dm));
      w.Put("DI 1,0;");
    } else {
      p.Label(at, -60, -120, std::to_string(dm.month));
    }
  }
  for (const HourCurve& c : d.hours) {
    w.Put("SP " + std::to_string(HourColor(c)) + ";");
    if (c.full) w.PutConstructionPen();
    for (const auto& piece : c.pieces) p.Line(piece);
    w.PutThinPen();
    if (c.hasLabel && !c.label.empty()) p.Label(c.labelAt, 100, 80, c.label);
  }
  // The legend at the upper left of the page.
  w.Put("SP 1;" + draw::SizeText(0.22 * S, 0.32 * S) + ";");
  p.TextLines(500 * S, (output::kPlotWindowHeight - 700.0) * S, 500 * S, LegendLines(d));
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::habermel
