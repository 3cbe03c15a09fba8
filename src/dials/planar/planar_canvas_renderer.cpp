#include "dials/planar/planar_canvas_renderer.h"

#include <algorithm>
#include <cmath>

#include "dials/planar/construction_listing.h"
#include "dials/planar/segment_rule.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/planar.h"

namespace kelvra::dials::planar {

namespace {

using output::PlotSink;
using shell::FormatReal;

int Rnd(double x) { return output::RoundHalfEven(x); }
int Clamp(double v) { return static_cast<int>(std::clamp(v, -1e8, 1e8)); }

class CanvasPath {
 public:
  explicit CanvasPath(PlotSink& sink) : sink_(sink) {}
  void Move(DevicePoint p, int) { sink_.MoveTo(Rnd(Clampd(p.x)), Rnd(Clampd(p.y))); }
  void Draw(DevicePoint p, int) { sink_.LineTo(Rnd(Clampd(p.x)), Rnd(Clampd(p.y))); }

 private:
  static double Clampd(double v) { return std::clamp(v, -1e8, 1e8); }
  PlotSink& sink_;
};

struct Ctx {
  PlotSink& sink;
  const PlanarDial& dial;
  const CanvasPlacement& pl;
  const shell::ColorSet& colors;
  bool screen;
  int width, height, m;
  double wh, hh;
  int u;
  double G;  // gnomon in device units
  TargetFrame target;

  output::Color C(int n) const { return colors.Color(n); }
  void Pen(output::Color c, int w) {
    output::Pen p;
    p.color = c;
    p.width = w;
    sink.SetPen(p);
  }
  void Font(double points, int printerHeight, output::Color c, bool bold) {
    output::Font f;
    f.face = "Arial";
    f.color = c;
    f.bold = bold;
    if (screen) {
      f.height = 0;
      f.pointSize = points;
    } else {
      f.height = printerHeight;
    }
    sink.SetFont(f);
  }
};

void DrawChains(Ctx& x, LineFamily family) {
  const int lw = std::max<int>(1, x.colors.lineWidth);
  int color = -1;
  for (const auto& c : x.dial.chains) {
    if (c.family != family) continue;
    const int want = CanvasColorOf(c.family, c.subdivision);
    if (want != color) {
      x.Pen(x.C(want), lw);
      color = want;
    }
    CanvasPath path(x.sink);
    WalkChain(x.target, x.dial.Begin(c), x.dial.End(c), path);
  }
}

void DrawGrid(Ctx& x) {
  const int d = x.screen ? Rnd(10.0 * (x.width - 20) / (x.pl.screenPageFormat ? 280.0 : 420.0)) : 100;
  if (d <= 0) return;
  const int e = x.screen ? Rnd((x.width - 20) / 160.0) : 10;
  x.Pen(x.C(9), 1);
  const int ox = x.pl.origin.x, oy = x.pl.origin.y;
  x.sink.SetBrushStyle(output::BrushStyle::Clear);
  x.sink.Rectangle(ox - e, oy - e, ox + e, oy + e);
  long long x0 = ox, y0 = oy;
  const int left = x.screen ? x.pl.printAreaLeft : x.pl.printAreaLeft;
  const int top = x.pl.printAreaTop;
  if (x0 > left + d) x0 -= ((x0 - left - d) / d + 1) * d;
  if (y0 > top + d) y0 -= ((y0 - top - d) / d + 1) * d;
  while (x0 < -d) x0 += d;
  while (y0 < -d) y0 += d;
  long long x1 = x0, y1 = y0;
  while (x1 < x.width - 20 - d) x1 += d;
  while (y1 < x.height - 20 - d) y1 += d;
  for (long long gx = x0; gx <= x1; gx += d) {
    x.sink.MoveTo(static_cast<int>(gx), static_cast<int>(y0));
    x.sink.LineTo(static_cast<int>(gx), static_cast<int>(y1));
  }
  for (long long gy = y0; gy <= y1; gy += d) {
    x.sink.MoveTo(static_cast<int>(x0), static_cast<int>(gy));
    x.sink.LineTo(static_cast<int>(x1), static_cast<int>(gy));
  }
}

void DrawLegend(Ctx& x) {
  const auto& f = x.dial.frame;
  const auto& p = x.dial.params;
  const int ox = x.pl.origin.x, oy = x.pl.origin.y;
  // Origin marks: a square, the horizon through O on a wall, a cross.
  x.Pen(x.C(9), 1);
  x.sink.SetBrushStyle(output::BrushStyle::Clear);
  const int s = std::max(1, x.u / 6);
  x.sink.Rectangle(ox - s, oy - s, ox + s, oy + s);
  if (f.kind == 'v' && !f.umbrella) {
    x.Pen(x.C(5), 1);
    x.sink.MoveTo(ox - x.u, oy);
    x.sink.LineTo(ox + x.u, oy);
  }
  x.Pen(x.C(4), 1);
  x.sink.MoveTo(ox - x.u / 2, oy);
  x.sink.LineTo(ox + x.u / 2, oy);
  x.sink.MoveTo(ox, oy - x.u / 2);
  x.sink.LineTo(ox, oy + x.u / 2);

  // Title, site line, plane line.
  const std::string unit = shell::Get(texts::planar::kDegreeUnit);
  int lx = x.pl.legend.x, ly = x.pl.legend.y;
  std::string title = PlanarTitle(f.kind, f.umbrella, f.inclination);
  if (f.umbrella) title += " " + FormatReal(4, 1, f.umbrellaRadiusPercent / 100.0 * f.gnomonMm);
  x.Font(12, 40, x.C(4), true);
  x.sink.TextOut(lx, ly, title);
  ly += x.screen ? x.sink.TextHeight(title) : 40;
  x.Font(10, 30, x.C(4), false);
  const std::string site =
      shell::Get(texts::planar::kLatitude) + FormatReal(6, 2, f.site.latitude) + unit +
      shell::Get(texts::planar::kLongitude) + FormatReal(6, 2, f.site.longitude) + unit;
  x.sink.TextOut(lx, ly, site);
  ly += x.screen ? x.sink.TextHeight(site) : 30;
  std::string plane;
  if (f.umbrella) {
    if (f.kind == 'h') {
      plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, 0.0) + unit +
              shell::Get(texts::planar::kRadiusLegend) +
              FormatReal(6, 2, f.umbrellaRadiusPercent / 100.0 * f.gnomonMm) + " mm";
    } else if (f.kind == 'i') {
      plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit +
              "; " + shell::Get(texts::planar::kInclinationLegend) +
              FormatReal(6, 2, f.inclination) + unit;
    } else {
      plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit;
    }
  } else if (f.kind == 'v') {
    plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit;
  } else if (f.kind == 'i') {
    plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit + ";  " +
            shell::Get(texts::planar::kInclinationLegend) + FormatReal(6, 2, f.inclination) + unit;
  }
  if (!plane.empty()) x.sink.TextOut(lx, ly, plane);

  // Hour numbers beyond the solstice points.
  int from = p.hoursFrom, to = p.hoursTo;
  if (!p.hoursApparent && p.hoursWithEot) {
    from = p.eotHoursFrom;
    to = p.eotHoursTo;
  }
  x.Font(12, 40, x.C(3), true);
  const bool south = f.site.latitude < -10;
  for (const auto& hl : x.dial.hourLabels) {
    if (hl.hour > 18 || hl.hour < from || hl.hour > to) continue;
    const ShadowPoint& sp = south ? hl.december : hl.june;
    const double az = south ? hl.decemberAzimuth : hl.juneAzimuth;
    const DevicePoint d = ToDevice(x.target, sp.x, sp.y);
    if (!sp.lit || !Inside(x.target, d)) continue;
    if ((f.kind == 'h' || f.kind == 'i') && std::fabs(az) >= 179.5) continue;
    const DevicePoint e = ToDevice(x.target, hl.equinox.x, hl.equinox.y);
    double dx = d.x - e.x, dy = d.y - e.y;
    const double len = std::hypot(dx, dy);
    if (len > 1e-9) {
      dx /= len;
      dy /= len;
    }
    const std::string text = std::to_string(hl.hour);
    const int tw = x.sink.TextWidth(text), th = x.sink.TextHeight(text);
    const double off = x.screen ? 30 : 60;
    x.sink.TextOut(Rnd(d.x + off * dx - tw / 2.0), Rnd(d.y + off * dy - th / 2.0), text);
  }

  // The time system, top right.
  if (!f.umbrella) {
    std::string ts;
    if (p.hoursApparent) {
      ts = shell::Get(texts::planar::kStraightLinesShow) +
           shell::Get(p.planarLocalTime ? texts::planar::kLocalApparentTime
                                        : texts::planar::kZoneApparentTime);
    } else {
      ts = shell::Get(texts::planar::kLoopsShow) +
           shell::Get(p.meanTimeLocal ? texts::planar::kLocalMeanTime : texts::planar::kCivilTime);
    }
    x.Font(8, 30, x.C(4), false);
    x.sink.TextOut(Rnd(x.m + 0.73 * x.width), x.m + 4, ts);
  }
}

void DrawGnomonSymbol(Ctx& x) {
  const auto& f = x.dial.frame;
  x.Pen(x.C(4), 1);
  // Inside the margin of the printed page, so that masking the margin leaves it.
  const int c = x.u / 2;
  int gx = x.m + c;
  if (f.umbrella) gx += Rnd(std::fabs(x.G * f.umbrellaRadiusPercent / 100.0)) + x.u / 20;
  const int G = Clamp(x.G);
  const int base = x.height - x.m - c;
  x.sink.MoveTo(gx, base);
  x.sink.LineTo(gx, base - G);
  x.sink.MoveTo(gx, base);
  x.sink.LineTo(gx + G, base);
  x.sink.LineTo(gx + G, base - (x.screen ? 5 : 50));
  if (f.umbrella) {
    // The disc (seen edge-on) on top of the rod.
    x.Pen(output::kRed, 1);
    const int r = Rnd(std::fabs(x.G * f.umbrellaRadiusPercent / 100.0));
    x.sink.MoveTo(gx - r, base - G);
    x.sink.LineTo(gx + r + 1, base - G);
    x.sink.MoveTo(gx - r, base - G - 1);
    x.sink.LineTo(gx + r + 1, base - G - 1);
  }
  x.Font(9, 35, x.C(4), false);
  const std::string label =
      shell::Get(texts::planar::kGnomonHeight) + " (=" + FormatReal(6, 2, f.gnomonMm) + ")";
  const int fh = x.screen ? x.sink.TextHeight(label) : 35;
  x.sink.TextOut(gx + G + fh / 2, Rnd(base - 1.7 * fh), label);
}

void DrawPole(Ctx& x) {
  const auto& f = x.dial.frame;
  const auto& p = x.dial.params;
  if (f.umbrella) return;
  const DevicePoint O{static_cast<double>(x.pl.origin.x), static_cast<double>(x.pl.origin.y)};
  const DevicePoint S = ToDevice(x.target, x.dial.pole.x, x.dial.pole.y);
  const double dist = std::hypot(S.x - O.x, S.y - O.y);
  TargetFrame area = x.target;
  area.hasHorizon = false;
  auto clippedLine = [&](DevicePoint a, DevicePoint b) {
    double t0, t1;
    if (!ClipSegment(area, a, b, t0, t1)) return;
    x.sink.MoveTo(Rnd(a.x + t0 * (b.x - a.x)), Rnd(a.y + t0 * (b.y - a.y)));
    x.sink.LineTo(Rnd(a.x + t1 * (b.x - a.x)), Rnd(a.y + t1 * (b.y - a.y)));
  };
  if (p.polarTriangle) {
    if (dist < 1e-9) return;
    // N' lies at distance G from P, perpendicular to P -> S.
    const double ux = (S.x - O.x) / dist, uy = (S.y - O.y) / dist;
    const DevicePoint N{O.x - uy * x.G, O.y + ux * x.G};
    x.Pen(x.C(4), 1);
    clippedLine(O, S);
    clippedLine(O, N);
    clippedLine(N, S);
    x.Font(10, 35, output::kRed, true);
    x.sink.TextOut(x.pl.origin.x + 4, x.pl.origin.y + 2, "P");
    if (dist < kPoleAtInfinity) {
      x.sink.TextOut(Rnd(S.x) + 4, Rnd(S.y) + 2, "S");
    } else {
      // The pole point lies at infinity: mark the area the sides were cut to.
      x.sink.SetBrushColor(x.C(4), output::BrushStyle::BackwardDiagonal);
      x.sink.SetBrushStyle(output::BrushStyle::Clear);
      x.sink.Rectangle(x.m + 2, x.m + 2, x.width - x.m - 2, x.height - x.m - 2);
    }
    return;
  }
  if (dist >= kPoleAtInfinity && dist < 200000) {
    x.Pen(x.C(4), 1);
    clippedLine(O, S);
  } else if (dist < kPoleAtInfinity) {
    x.Pen(x.C(4), 1);
    clippedLine(O, S);
    const int sx = Rnd(S.x), sy = Rnd(S.y);
    x.sink.SetBrushStyle(output::BrushStyle::Clear);
    x.sink.Circle(sx, sy, 4);
    x.sink.MoveTo(sx - 6, sy);
    x.sink.LineTo(sx + 7, sy);
    x.sink.MoveTo(sx, sy - 6);
    x.sink.LineTo(sx, sy + 7);
    x.Font(10, 35, x.C(4), true);
    x.sink.TextOut(sx + 7, sy + 4, "S");
  }
}

// With linesToFoot: each hour line of apparent time is drawn from the pole
// point through its farthest visible point to the edge of the drawing.
void DrawLinesToFoot(Ctx& x) {
  const auto& f = x.dial.frame;
  if (f.umbrella || !x.dial.params.linesToFoot) return;
  const DevicePoint S = ToDevice(x.target, x.dial.pole.x, x.dial.pole.y);
  const double O_x = x.pl.origin.x, O_y = x.pl.origin.y;
  if (std::hypot(S.x - O_x, S.y - O_y) >= kPoleAtInfinity) return;
  const double w2 = 2.0 * (x.target.maxX - x.target.minX), h2 = 2.0 * (x.target.maxY - x.target.minY);
  if (S.x < x.target.minX - w2 || S.x > x.target.maxX + w2 || S.y < x.target.minY - h2 ||
      S.y > x.target.maxY + h2) {
    return;
  }
  const int lw = std::max<int>(1, x.colors.lineWidth);
  for (const auto& c : x.dial.chains) {
    if (c.family != LineFamily::ApparentHour) continue;
    double best = -1;
    DevicePoint far{};
    bool anyLit = false;
    DevicePoint litPoint{};
    for (const ChainPoint* q = x.dial.Begin(c); q != x.dial.End(c); ++q) {
      if (!q->lit) continue;
      const DevicePoint d = ToDevice(x.target, q->x, q->y);
      if (!anyLit) {
        anyLit = true;
        litPoint = d;
      }
      if (!Inside(x.target, d)) continue;
      const double dd = std::hypot(d.x - S.x, d.y - S.y);
      if (dd > best) {
        best = dd;
        far = d;
      }
    }
    // No visible point: the direction of the line still comes from a lit
    // (off-page) point of it; a line that is never lit is not drawn.
    if (best < 0) {
      if (!anyLit) continue;
      far = litPoint;
    }
    double dx = far.x - S.x, dy = far.y - S.y;
    const double len = std::hypot(dx, dy);
    if (len < 1e-9) continue;
    const double reach = 4.0 * (w2 + h2);
    const DevicePoint end{S.x + dx / len * reach, S.y + dy / len * reach};
    double t0, t1;
    if (!ClipSegment(x.target, S, end, t0, t1)) continue;
    x.Pen(x.C(CanvasColorOf(c.family, c.subdivision)), lw);
    x.sink.MoveTo(Rnd(S.x + t0 * (end.x - S.x)), Rnd(S.y + t0 * (end.y - S.y)));
    x.sink.LineTo(Rnd(S.x + t1 * (end.x - S.x)), Rnd(S.y + t1 * (end.y - S.y)));
  }
}

}  // namespace

void DefaultPlanarPlacement(char kind, double latitude, int W, int H, output::Point& origin,
                            output::Point& legend) {
  output::DrawingView view;
  output::SetDefaultPlacement(view, config::KindRow(kind), W, H, latitude);
  origin = view.origin;
  legend = view.legendPosition;
}

void RenderPlanarDial(PlotSink& sink, const PlanarDial& dial, const CanvasPlacement& pl,
                      const shell::ColorSet& colors, const std::string& sunlitLine) {
  Ctx x{sink, dial, pl, colors, sink.IsScreen(), sink.Width(), sink.Height(), 0, 0, 0, 0, 0, {}};
  x.m = x.screen ? 0 : 50;
  x.wh = (x.width - 2 * x.m) / 2.0;
  x.hh = (x.height - 2 * x.m) / 2.0;
  x.u = x.screen ? Rnd(x.wh / (pl.screenPageFormat ? 14.0 : 21.0)) : x.m + 35;
  x.G = dial.frame.gnomonMm * pl.pixelsPerMm;
  auto& t = x.target;
  t.originX = pl.origin.x;
  t.originY = pl.origin.y;
  t.unitsPerMm = pl.pixelsPerMm;
  t.yDown = true;
  t.minX = x.m;
  t.maxX = x.m + 2 * x.wh;
  t.minY = x.m;
  t.maxY = x.m + 2 * x.hh;
  t.SetHorizonFrom(dial.frame);

  // 2. the frame.
  x.Font(10, 40, x.C(4), false);
  x.Pen(output::kWhite, 1);
  sink.MoveTo(x.width - 1, 0);
  sink.LineTo(x.width - 1, x.height);
  x.Pen(output::kBlack, 1);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  sink.Rectangle(x.m, x.m, x.width - x.m, x.height - x.m);

  // 3. the grid.
  if (pl.grid) DrawGrid(x);

  // 4. the horizon.
  const int lw = std::max<int>(1, colors.lineWidth);
  if (t.hasHorizon && !dial.refused) {
    double hy = t.horizonY;
    if (dial.frame.umbrella && dial.frame.kind == 'i') hy = std::max<double>(hy, x.m);
    if (hy > 0 && hy < x.height) {
      x.Pen(x.C(5), lw);
      sink.MoveTo(x.m + 5, Rnd(hy));
      sink.LineTo(x.width - x.m - 5, Rnd(hy));
    }
  }

  // 5. legend and hour numbers.
  DrawLegend(x);
  if (!dial.refused) {
    // 6. date lines (whole-hour day length first).
    DrawChains(x, LineFamily::DayLength);
    DrawChains(x, LineFamily::DateLine);
  }
  // 7. the gnomon symbol.
  DrawGnomonSymbol(x);
  // 8. the warning about the temporal extension.
  if (x.screen && dial.temporalExtensionSkipped) {
    const auto& font = sink.GetFont();
    output::Font f = font;
    f.color = output::kRed;
    f.height = 0;
    f.pointSize = 1.5 * 9;
    sink.SetFont(f);
    sink.TextOut(2 * x.u, x.u, shell::Get(texts::planar::kExtensionNotComputed));
  }
  if (!dial.refused) {
    // 9. hour systems.
    DrawChains(x, LineFamily::ApparentHour);
    DrawLinesToFoot(x);
    DrawChains(x, LineFamily::MeanHour);
    DrawChains(x, LineFamily::Analemma);
    const int r = x.screen ? 2 : 6;
    for (const auto& mk : dial.marks) {
      const DevicePoint d = ToDevice(t, mk.x, mk.y);
      if (!mk.lit || !Inside(t, d)) continue;
      x.Pen(output::kRed, 1);
      if (mk.firstOfMonth) {
        sink.SetBrushColor(output::kRed, output::BrushStyle::Solid);
      } else {
        sink.SetBrushStyle(output::BrushStyle::Clear);
      }
      sink.Circle(Rnd(d.x), Rnd(d.y), r);
    }
    DrawChains(x, LineFamily::Temporal);
    DrawChains(x, LineFamily::Babylonian);
    DrawChains(x, LineFamily::Italian);
    // Labels of the even whole Babylonian and Italian hours.
    x.Font(8, 30, x.C(4), false);
    for (const auto& c : dial.chains) {
      if (c.labelPoint < 0) continue;
      const ChainPoint& lp = dial.points[c.first + static_cast<std::uint32_t>(c.labelPoint)];
      const DevicePoint d = ToDevice(t, lp.x, lp.y);
      if (!lp.lit || !Inside(t, d)) continue;
      sink.SetFontColor(x.C(CanvasColorOf(c.family, false)));
      sink.TextOut(Rnd(d.x) + 3, Rnd(d.y) + 3, std::to_string(c.number));
    }
    DrawChains(x, LineFamily::Altitude);
    // 10. pole point, polar triangle or substyle.
    DrawPole(x);
  }

  // 11. mask the margins.
  if (x.m > 0) {
    sink.SetPen(output::Pen{output::kWhite, 1});
    sink.SetBrushColor(output::kWhite, output::BrushStyle::Solid);
    sink.Rectangle(0, 0, x.width, x.m);
    sink.Rectangle(0, x.height - x.m, x.width, x.height);
    sink.Rectangle(0, 0, x.m, x.height);
    sink.Rectangle(x.width - x.m, 0, x.width, x.height);
  }
  x.Pen(output::kSilver, 1);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  sink.Rectangle(x.m, x.m, x.width - x.m, x.height - x.m);

  // 12. the sunlit period.
  if (!sunlitLine.empty()) {
    x.Font(9, 35, output::kMaroon, true);
    const int fh = x.screen ? sink.TextHeight(sunlitLine) : 35;
    // Inside the frame: on the page the margin m keeps it off the paper's
    // edge, where a printer cuts.
    sink.TextOut(Rnd(1.3 * x.wh), Rnd(x.height - x.m - 2 * 0.8 * fh), sunlitLine);
  }
}

}  // namespace kelvra::dials::planar
