#include "dials/bifilar/bifilar_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/bifilar.h"

namespace kelvra::dials::bifilar {

namespace {

using draw::Rnd;
using draw::XY;
using shell::FormatReal;

constexpr output::Color kFrameGreen = output::RgbColor(0, 128, 0);

// The legend's texts, shared by the canvas and the plot file.
std::string TitleText() {
  return shell::Get(texts::bifilar::kTitlePrefix) + shell::Get(texts::bifilar::kTitle);
}

std::string SiteText(const shell::SiteSettings& site) {
  const std::string unit = shell::Get(texts::bifilar::kDegreeUnit);
  return shell::Get(texts::bifilar::kLatitude) + FormatReal(7, 3, site.latitude) + unit +
         shell::Get(texts::bifilar::kLongitude) + FormatReal(6, 3, site.longitude) + unit;
}

std::string PointText(int n, const config::ThreadPoint& p, double zoom) {
  return "P" + std::to_string(n) + " (" + FormatReal(6, 1, p.x) + "," + FormatReal(6, 1, p.y) +
         "," + FormatReal(6, 1, p.z * zoom) + ")";
}

// The lines of the thread listing: "   Line1", P1, P2, "   Line2", P3, P4.
std::vector<std::string> ThreadLines(const BifilarDial& dial) {
  const auto& t = dial.params.bifilarThreads;
  return {shell::Get(texts::bifilar::kLine1), PointText(1, t[0], dial.zoom),
          PointText(2, t[1], dial.zoom),      shell::Get(texts::bifilar::kLine2),
          PointText(3, t[2], dial.zoom),      PointText(4, t[3], dial.zoom)};
}

std::string HeightText(const BifilarDial& dial) {
  return shell::Get(texts::bifilar::kThreadHeight) +
         FormatReal(5, 2, dial.params.bifilarThreads[0].z * dial.zoom);
}

// ---- canvas -------------------------------------------------------------------

// The kit's canvas with the origin in whole device units and the picture's
// size, for the lines that stop at the picture's edge.
struct Canvas : draw::Canvas {
  const BifilarDial& dial;
  int width, height;
  output::Point origin;

  double Dx(const PlatePoint& p) const { return ox + p.x * s; }
  double Dy(const PlatePoint& p) const { return oy - p.y * s; }
  // Points farther out than the picture are left out and break the line.
  bool Drawn(double x, double y) const {
    return std::fabs(x) < width - 10 && std::fabs(y) < height - 10;
  }
};

void DrawChain(Canvas& c, const Chain& chain, bool toPole) {
  bool down = false;
  int lastX = 0, lastY = 0;
  for (const PlatePoint* p = c.dial.Begin(chain); p != c.dial.End(chain); ++p) {
    const double x = c.Dx(*p), y = c.Dy(*p);
    if (!c.Drawn(x, y)) {
      down = false;
      continue;
    }
    lastX = Rnd(x);
    lastY = Rnd(y);
    if (down) {
      c.sink.LineTo(lastX, lastY);
    } else {
      c.sink.MoveTo(lastX, lastY);
      // A single point still shows.
      c.sink.LineTo(lastX + 1, lastY);
      c.sink.MoveTo(lastX, lastY);
      down = true;
    }
  }
  if (toPole && down && c.dial.pole) {
    const double x = c.Dx(*c.dial.pole), y = c.Dy(*c.dial.pole);
    if (c.Drawn(x, y)) c.sink.LineTo(Rnd(x), Rnd(y));
  }
}

void DrawGrid(Canvas& c, int o) {
  const double d = 10.0 * c.s;  // 10 mm
  if (!(d >= 2)) return;
  c.Pen(c.C(9));
  const int left = o, top = o, right = c.width - 2 * o, bottom = c.height - 2 * o;
  const double x0 = c.origin.x - std::floor((c.origin.x - left) / d) * d;
  const double y0 = c.origin.y - std::floor((c.origin.y - top) / d) * d;
  for (double x = x0; x <= right; x += d) {
    c.sink.MoveTo(Rnd(x), top);
    c.sink.LineTo(Rnd(x), bottom);
  }
  for (double y = y0; y <= bottom; y += d) {
    c.sink.MoveTo(left, Rnd(y));
    c.sink.LineTo(right, Rnd(y));
  }
}

void DrawLegend(Canvas& c, bool screen, int o) {
  const int big = screen ? 24 : 75;  // 16 x 1.5 and 50 x 1.5
  const int small = big * 2 / 3;
  int y = o + big / 3;
  c.Font(big, c.C(4));
  c.sink.TextOut(c.width / 3, y, TitleText());
  y += big * 5 / 4;
  c.Font(small, c.C(4));
  c.sink.TextOut(c.width / 3, y, SiteText(c.dial.site));

  // The thread listing at the left, in colour 5.
  c.Font(small, c.C(5));
  const int x = o + small;
  y = o + big;
  for (const std::string& line : ThreadLines(c.dial)) {
    c.sink.TextOut(x, y, line);
    y += small * 6 / 5;
  }
  // A small L of thread 1's height (true scale) at the lower left, with its height.
  c.Pen(c.C(5), 1);
  const int h1 = std::max(4, Rnd(c.dial.threads.h1 * c.s));
  const int foot = c.height - 2 * o - small;
  const int lx = o + 2 * small;
  c.sink.MoveTo(lx, foot - h1);
  c.sink.LineTo(lx, foot);
  c.sink.LineTo(lx + small, foot);
  c.sink.TextOut(lx + small * 3 / 2, foot - small * 3 / 2, HeightText(c.dial));
}

// ---- plot file ----------------------------------------------------------------

}  // namespace

output::Point CanvasOrigin(const CanvasPlacement& placement, int width, int height) {
  const output::Point o = placement.origin;
  const bool inside = o.x > 0 && o.x <= width && o.y > 0 && o.y <= height;
  if (placement.originSetByUser && inside) return o;
  return {width / 2, height / 2};
}

void DrawBifilarDial(output::PlotSink& sink, const BifilarDial& dial,
                     const CanvasPlacement& placement, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const output::Point origin = CanvasOrigin(placement, W, H);
  Canvas c{{sink, colors, static_cast<double>(origin.x), static_cast<double>(origin.y),
            placement.pixelsPerMm},
           dial, W, H, origin};
  const int o = screen ? 5 : 30;
  const int lw = std::max<int>(1, colors.lineWidth);

  // Frame: a green line at the right edge, then the black frame.
  c.Pen(kFrameGreen);
  sink.MoveTo(W + 1, o);
  sink.LineTo(W + 1, H);
  c.Pen(output::kBlack);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  sink.Rectangle(o, o, W - 2 * o, H - 2 * o);
  if (placement.grid) DrawGrid(c, o);
  // The origin: the foot point the thread coordinates are measured from.
  c.Pen(output::kNavy);
  const int r = screen ? 3 : 10;
  sink.Ellipse(c.origin.x - r, c.origin.y - r, c.origin.x + r, c.origin.y + r);
  if (dial.parallel) return;

  // Date lines: the middle line (the equinox) in colour 10, the others in colour 1.
  for (const Chain& ch : dial.chains) {
    if (ch.kind != LineKind::DateLine) continue;
    c.Pen(c.C(ch.equinox ? 10 : 1), lw);
    DrawChain(c, ch, false);
  }
  // The pole mark.
  if (dial.pole) {
    const double x = c.Dx(*dial.pole), y = c.Dy(*dial.pole);
    if (c.Drawn(x, y)) {
      c.Pen(output::kRed);
      sink.SetBrushColor(output::kRed);
      sink.Rectangle(Rnd(x) - 5, Rnd(y) - 5, Rnd(x) + 5, Rnd(y) + 5);
      sink.SetBrushStyle(output::BrushStyle::Clear);
    }
  }
  // Hour lines: full hours in colour 2, subdivisions in colour 8.
  const bool toFoot = dial.params.linesToFoot;
  for (const Chain& ch : dial.chains) {
    if (ch.kind != LineKind::Hour) continue;
    c.Pen(c.C(ch.fullHour ? 2 : 8), lw);
    DrawChain(c, ch, toFoot && ch.fullHour && ch.lastOfLine);
  }
  c.Font(screen ? 16 : 40, c.C(2), true);
  for (const HourLabel& l : dial.hourLabels) {
    const double x = c.Dx(l.at), y = c.Dy(l.at);
    if (!c.Drawn(x, y)) continue;
    const std::string text = std::to_string(l.hour);
    sink.TextOut(Rnd(x) + 3, Rnd(y) - sink.TextHeight(text), text);
  }
  DrawLegend(c, screen, o);
}

void PlotBifilarDial(output::HpglWriter& w, const BifilarDial& dial,
                     const PlotPlacement& placement) {
  const draw::Plot plot(w, placement.origin.value_or(kDefaultPlotOrigin));
  const double S = plot.S, u = plot.u, ox = plot.ox, oy = plot.oy;
  const double W = output::kPlotWindowWidth * S, H = output::kPlotWindowHeight * S;
  auto drawn = [&](double x, double y) {
    return std::fabs(x) < W - 10 * S && std::fabs(y) < H - 10 * S;
  };

  w.PutStandardHeader();
  w.Put(draw::SizeText(0.18 * S, 0.27 * S));
  w.Put(";PU " + XY(ox, oy) + ";CI " + output::FormatCoordinate(u) + " ,0.2");
  if (placement.gridMm && *placement.gridMm > 0) {
    w.PutGrid(ox, oy, output::kGridRight * S, output::kGridTop * S, *placement.gridMm * u);
  } else {
    w.Put(";");
  }

  auto plotChain = [&](const Chain& ch, bool toPole) {
    std::string text;
    bool down = false;
    for (const PlatePoint* p = dial.Begin(ch); p != dial.End(ch); ++p) {
      const double x = ox + p->x * u, y = oy + p->y * u;
      if (!drawn(x, y)) {
        down = false;
        continue;
      }
      if (down) {
        text += " " + XY(x, y);
      } else {
        text += (text.empty() ? "PU " : ";PU ") + XY(x, y) + ";PD " + XY(x, y);
        down = true;
      }
    }
    if (toPole && down && dial.pole) {
      const double x = ox + dial.pole->x * u, y = oy + dial.pole->y * u;
      if (drawn(x, y)) text += " " + XY(x, y);
    }
    if (!text.empty()) w.Put(text + ";");
  };

  if (!dial.parallel) {
    int pen = -1;
    auto selectPen = [&](int n) {
      if (n == pen) return;
      w.Put("SP " + std::to_string(n) + ";");
      pen = n;
    };
    for (const Chain& ch : dial.chains) {
      if (ch.kind != LineKind::DateLine) continue;
      selectPen(ch.equinox ? 10 : 1);
      plotChain(ch, false);
    }
    if (dial.pole) {
      const double x = ox + dial.pole->x * u, y = oy + dial.pole->y * u;
      if (drawn(x, y)) {
        selectPen(2);
        w.Put("PU " + XY(x - 20 * S, y - 20 * S) + ";EA " + XY(x + 20 * S, y + 20 * S) + ";");
      }
    }
    const bool toFoot = dial.params.linesToFoot;
    for (const Chain& ch : dial.chains) {
      if (ch.kind != LineKind::Hour) continue;
      selectPen(ch.fullHour ? 2 : 8);
      plotChain(ch, toFoot && ch.fullHour && ch.lastOfLine);
    }
    selectPen(2);
    for (const HourLabel& l : dial.hourLabels) {
      const double x = ox + l.at.x * u, y = oy + l.at.y * u;
      if (!drawn(x, y)) continue;
      plot.Text(x + 40 * S, y + 40 * S, std::to_string(l.hour));
    }
  }

  // The legend: title and site line at a third of the width, the threads at the left.
  w.Put("SP 4;PU " + XY(W / 3, H - 500 * S) + ";" + draw::SizeText(0.36 * S, 0.54 * S) + ";");
  w.PutLabel(TitleText());
  w.Put(";PU " + XY(W / 3, H - 850 * S) + ";" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
  w.PutLabel(SiteText(dial.site));
  w.Put(";SP 5;" + draw::SizeText(0.18 * S, 0.27 * S) + ";");
  plot.TextLines(300 * S, H - 900 * S, 330 * S, ThreadLines(dial));
  const double h1 = std::max(160.0 * S, dial.threads.h1 * u);
  w.Put("PU " + XY(400 * S, 400 * S + h1) + ";PD " + XY(400 * S, 400 * S) + " " +
        XY(800 * S, 400 * S) + ";PU " + XY(1000 * S, 450 * S) + ";");
  w.PutLabel(HeightText(dial));
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::bifilar
