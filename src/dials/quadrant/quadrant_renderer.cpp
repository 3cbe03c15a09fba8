#include "dials/quadrant/quadrant_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/quadrant.h"

namespace kelvra::dials::quadrant {

namespace {

using astro::CosDeg;
using astro::SinDeg;
using draw::kGrey;
using draw::Rnd;
using draw::SizeText;
using draw::XY;
using output::PlotSink;
using shell::FormatReal;

// ---- texts shared by canvas and plot -------------------------------------------

std::string T(texts::TextId id) { return shell::Get(id); }

std::string TitleText(const Quadrant& q) {
  return T(q.scale == DateScale::Stereographic ? texts::quadrant::kGunterTitle
                                               : texts::quadrant::kTitle);
}

std::string SiteText(const Quadrant& q) {
  return T(texts::quadrant::kLatitude) + FormatReal(6, 2, q.site.latitude) +
         T(texts::quadrant::kDegreeUnit) + T(texts::quadrant::kLongitude) +
         FormatReal(6, 2, q.site.longitude) + T(texts::quadrant::kDegreeUnit);
}

std::string TimeText(const Quadrant& q) {
  if (q.temporal) return T(texts::quadrant::kTemporalHours);
  const bool calendar = q.scale == DateScale::CalendarYear || q.scale == DateScale::CalendarHalfYear;
  const bool zone = q.params.zoneTime && q.scale != DateScale::Stereographic;
  const std::string base =
      T(zone ? texts::quadrant::kZoneApparentTime : texts::quadrant::kLocalApparentTime);
  return base + " " +
         T(q.params.altitudeWithEot && calendar ? texts::quadrant::kWithEot
                                                : texts::quadrant::kWithoutEot);
}

std::string HourText(double value) { return std::to_string(static_cast<int>(std::lround(value))); }

std::string AzimuthText(double azimuth) {
  return T(texts::quadrant::kAzimuth) +
         std::to_string(static_cast<int>(std::lround(std::fabs(azimuth))));
}

// The dates on which the sun enters each sign, Aries first.
constexpr const char* kSignDates[12] = {"(21.Mar -)", "(20.Apr -)", "(21.Mai -)", "(21.Jun -)",
                                        "(22.Jul -)", "(23.Aug -)", "(22.Sep -)", "(23.Okt -)",
                                        "(22.Nov -)", "(22.Dez -)", "(20.Jan -)", "(19.Feb -)"};

// ---- canvas -----------------------------------------------------------------------

// The kit's canvas about the apex (ox, oy). A quadrant's points run along
// its upper edge (x) and down its vertical edge (y), so y grows down the page.
struct Canvas : draw::Canvas {
  int X(const QPoint& p) const { return Rnd(ox + p.x * s); }
  int Y(const QPoint& p) const { return Rnd(oy + p.y * s); }
  // The quarter arc of radius r mm from the vertical edge to the upper edge.
  void QuarterArc(double r) {
    const double d = r * s;
    sink.Arc(Rnd(ox - d), Rnd(oy - d), Rnd(ox + d), Rnd(oy + d), Rnd(ox), Rnd(oy + d), Rnd(ox + d),
             Rnd(oy));
  }
  void Runs(const std::vector<std::vector<QPoint>>& runs) {
    for (const auto& run : runs) {
      sink.MoveTo(X(run.front()), Y(run.front()));
      if (run.size() == 1) sink.LineTo(X(run.front()) + 1, Y(run.front()));
      for (std::size_t i = 1; i < run.size(); ++i) sink.LineTo(X(run[i]), Y(run[i]));
    }
  }
  void Radial(double r1, double r2, double altitude) {
    sink.MoveTo(Rnd(ox + r1 * s * SinDeg(altitude)), Rnd(oy + r1 * s * CosDeg(altitude)));
    sink.LineTo(Rnd(ox + r2 * s * SinDeg(altitude)), Rnd(oy + r2 * s * CosDeg(altitude)));
  }
};

void DrawAltitudeScale(Canvas& c, const Quadrant& q, bool raster) {
  const double a = q.altitudeScale;
  const double band = 4, half = 2, mid = a - 3;
  c.Pen(c.C(1));
  c.QuarterArc(a);
  c.QuarterArc(a - band);
  c.Radial(a - band, a, 0);
  c.Radial(a - band, a, 90);
  if (raster) {
    c.sink.SetBrushColor(c.C(11));
    const double r = (a - half / 2) * c.s;
    c.sink.FloodFill(Rnd(c.ox + r * SinDeg(45.5)), Rnd(c.oy + r * CosDeg(45.5)), c.C(1),
                     output::FillMode::Border);
    c.sink.SetBrushStyle(output::BrushStyle::Clear);
  }
  c.QuarterArc(a - half);
  for (int deg = 1; deg <= 89; ++deg) {
    const double len = deg % 10 == 0 ? 6 : (deg % 5 == 0 ? 4 : 2.5);
    c.Radial(a - len, a, deg);
  }
  const int fh = std::max(6, Rnd(1.8 * c.s));
  c.Font(fh, output::kBlack);
  for (int deg = 10; deg <= 80; deg += 10) {
    const std::string text = std::to_string(deg);
    const int x = Rnd(c.ox + mid * c.s * SinDeg(deg + 2.5));
    const int y = Rnd(c.oy + mid * c.s * CosDeg(deg + 2.5));
    c.sink.TextOut(x - c.sink.TextWidth(text) / 2, y - c.sink.TextHeight(text) / 2, text);
  }
}

// ---- plot file ----------------------------------------------------------------------

// One quadrant on the plot sheet. A point of the quadrant (mm, x along the
// upper edge, y down the vertical edge from the apex) lies at
// apex + (a x + b y, c x + d y) plot units per mm, sheet y upwards:
// (1, 0, 0, -1) is the quadrant as on the screen.
struct PlotPanel {
  output::HpglWriter& w;
  double ax, ay, u;
  double a = 1, b = 0, c = 0, d = -1;
  double X(const QPoint& p) const { return ax + (a * p.x + b * p.y) * u; }
  double Y(const QPoint& p) const { return ay + (c * p.x + d * p.y) * u; }
  QPoint Polar(double r, double altitude) const {
    return {r * SinDeg(altitude), r * CosDeg(altitude)};
  }
  void Line(const std::vector<QPoint>& run) {
    std::string text = "PU " + XY(X(run.front()), Y(run.front())) + ";PD";
    if (run.size() == 1) text += " " + XY(X(run.front()), Y(run.front()));
    for (std::size_t i = 1; i < run.size(); ++i) text += " " + XY(X(run[i]), Y(run[i]));
    w.Put(text + ";");
  }
  void QuarterArc(double r) {
    std::vector<QPoint> run;
    for (int deg = 0; deg <= 90; deg += 2) run.push_back(Polar(r, deg));
    Line(run);
  }
  void Label(const QPoint& p, double dx, double dy, const std::string& text) {
    w.Put("PU " + XY(X(p) + dx, Y(p) + dy) + ";");
    w.PutLabel(text);
    w.Put(";");
  }
  // A label beside point p on the side the quadrant's direction (nx, ny)
  // points to on the sheet, clear of the line through p: the text runs to
  // the right of its start and upwards from its base line. `charWidth` and
  // `height` are plot units.
  void LabelOutside(const QPoint& p, double nx, double ny, const std::string& text,
                    double charWidth, double height) {
    const double S = w.PlotScale();
    const double ox = a * nx + b * ny, oy = c * nx + d * ny;  // on the sheet
    const double length = charWidth * static_cast<double>(text.size());
    const double gap = 80 * S;
    double dx, dy;
    if (std::fabs(ox) >= std::fabs(oy)) {
      dx = ox < 0 ? -length - gap : gap;
      dy = -height / 2;
    } else {
      dx = -length / 2;
      dy = oy > 0 ? gap : -height - gap;
    }
    Label(p, dx, dy, text);
  }
};

// The date labels' text: 0.18 x 0.27 cm characters, 1.5 widths apart.
constexpr double kLabelCharWidth = 0.18 * 400 * 1.5;
constexpr double kLabelHeight = 0.27 * 400;

void PlotPanelOf(PlotPanel& pp, const Quadrant& q, const Panel& panel) {
  output::HpglWriter& w = pp.w;
  const double S = w.PlotScale();
  const double R = q.radius;
  // Labels face the sheet the right way up whichever way the quadrant lies.
  const bool flipped = pp.X({1, 0}) < pp.X({0, 0});
  w.Put("SP 1;");
  pp.Line({{0, R}, {0, 0}, {R, 0}});
  pp.QuarterArc(R);
  if (!panel.bandRadii.empty()) {
    w.Put("SP 12;");
    pp.QuarterArc(panel.bandRadii.front());
    pp.QuarterArc(panel.bandRadii.back());
  }
  // Altitude scale.
  const double alt = q.altitudeScale;
  w.Put("SP 1;");
  for (double r : {alt, alt - 2, alt - 4}) pp.QuarterArc(r);
  for (int deg = 1; deg <= 89; ++deg) {
    const double len = deg % 10 == 0 ? 6 : (deg % 5 == 0 ? 4 : 2.5);
    pp.Line({pp.Polar(alt - len, deg), pp.Polar(alt, deg)});
  }
  w.Put(SizeText(0.12 * S, 0.18 * S) + ";");
  for (int deg = 10; deg <= 80; deg += 10) {
    pp.Label(pp.Polar(alt - 3, deg + 2.5), -60 * S, -40 * S, std::to_string(deg));
  }
  // Date arcs with their labels: outside the vertical edge, and the second
  // label outside the upper edge.
  w.Put(SizeText(0.18 * S, 0.27 * S) + ";");
  for (const DateArc& arc : panel.arcs) {
    w.Put("SP " + std::to_string(arc.color) + ";");
    pp.QuarterArc(arc.radius);
    std::string label = arc.sign >= 0 ? kSignDates[arc.sign] : arc.label;
    if (!label.empty())
      pp.LabelOutside({0, arc.radius}, -1, 0, label, kLabelCharWidth * S, kLabelHeight * S);
    if (!arc.edgeLabel.empty())
      pp.LabelOutside({arc.radius, 0}, 0, -1, arc.edgeLabel, kLabelCharWidth * S,
                      kLabelHeight * S);
  }
  // Hour curves and their numbers.
  for (const HourCurve& c : panel.curves) {
    w.Put("SP " + std::to_string(c.color) + ";");
    w.PutConstructionPen();
    for (const auto& run : c.runs) pp.Line(run);
    w.PutThinPen();
    if (c.labelAt) pp.Label(*c.labelAt, flipped ? -300 * S : 60 * S, 60 * S, HourText(c.value));
  }
  if (!panel.azimuthLines.empty()) {
    w.Put("SP 5;");
    for (const AzimuthLine& l : panel.azimuthLines) {
      for (const auto& run : l.runs) pp.Line(run);
      if (l.labelAt) pp.Label(*l.labelAt, 40 * S, -200 * S, AzimuthText(l.azimuth));
    }
  }
  if (!panel.rangeText.empty()) {
    w.Put("SP 1;");
    // Outside the upper edge near the apex; on a quadrant lying on its side
    // outside the other edge, whose labels start at half the radius.
    const double R4 = R / 4;
    if (pp.b != 0) {
      pp.LabelOutside({0, R4}, -1, 0, panel.rangeText, kLabelCharWidth * S, kLabelHeight * S);
    } else {
      pp.LabelOutside({R4, 0}, 0, -1, panel.rangeText, kLabelCharWidth * S, kLabelHeight * S);
    }
  }
}

}  // namespace

void DrawQuadrant(PlotSink& sink, const Quadrant& q, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const double w = screen ? H / 210.0 : 10.0;
  const int fh = screen ? (W < 900 ? 18 : 28) : 80;
  const int m = screen ? 0 : 50;
  if (q.refused) {
    draw::DrawRefusal(sink, fh, m, TitleText(q), T(texts::quadrant::kTemporalImpossible),
                      T(texts::quadrant::kNotConstructed));
    return;
  }
  const double R = q.radius * w;
  Canvas c{{sink, colors, 14.0 * fh + m, std::max((H - R) / 2 + m, m + 10.0), w}};
  const Panel& panel = q.panels.front();
  const int lw = std::max<int>(1, colors.lineWidth);

  c.Frame(c.C(1), 1, m);
  // Stereographic scale: the zodiac band between the tropics, grey outline.
  if (!panel.bandRadii.empty()) {
    c.Pen(kGrey);
    c.QuarterArc(panel.bandRadii.front());
    c.QuarterArc(panel.bandRadii.back());
    c.Radial(panel.bandRadii.front(), panel.bandRadii.back(), 0);
    c.Radial(panel.bandRadii.front(), panel.bandRadii.back(), 90);
    if (screen) {
      sink.SetBrushColor(c.C(12));
      const double r = (panel.bandRadii.front() + panel.bandRadii.back()) / 2 * w;
      sink.FloodFill(Rnd(c.ox + r * SinDeg(44.3)), Rnd(c.oy + r * CosDeg(44.3)), kGrey,
                     output::FillMode::Border);
      sink.SetBrushStyle(output::BrushStyle::Clear);
    }
  }
  // The quadrant: both edges and the limb.
  c.Pen(c.C(1), lw);
  sink.MoveTo(Rnd(c.ox), Rnd(c.oy + R));
  sink.LineTo(Rnd(c.ox), Rnd(c.oy));
  sink.LineTo(Rnd(c.ox + R), Rnd(c.oy));
  c.QuarterArc(q.radius);
  DrawAltitudeScale(c, q, screen);

  // Date arcs and their labels.
  const int small = fh * 3 / 4;
  for (const DateArc& arc : panel.arcs) {
    c.Pen(c.C(arc.color));
    c.QuarterArc(arc.radius);
    const int y = Rnd(c.oy + arc.radius * w);
    if (!arc.label.empty()) {
      c.Font(arc.wingdings ? fh : small, arc.wingdings ? c.C(4) : c.C(arc.color), false,
             arc.wingdings ? "Wingdings" : "Arial");
      sink.TextOut(Rnd(c.ox) - sink.TextWidth(arc.label) - small / 2,
                   y - sink.TextHeight(arc.label) / 2, arc.label);
    }
    if (!arc.edgeLabel.empty()) {
      c.Font(small * 3 / 4, c.C(arc.color));
      const int x = Rnd(c.ox + arc.radius * w);
      sink.TextOut(x - sink.TextWidth(arc.edgeLabel) / 2,
                   Rnd(c.oy) - sink.TextHeight(arc.edgeLabel), arc.edgeLabel);
    }
  }
  // Azimuth lines, dashed, before the hour curves.
  for (const AzimuthLine& l : panel.azimuthLines) {
    c.Pen(c.C(5), 1, output::PenStyle::Dashed);
    c.Runs(l.runs);
    if (l.labelAt) {
      c.Font(small * 3 / 4, c.C(5));
      sink.TextOut(c.X(*l.labelAt) + 2, c.Y(*l.labelAt) + 2, AzimuthText(l.azimuth));
    }
  }
  // Hour curves and their numbers.
  for (const HourCurve& h : panel.curves) {
    c.Pen(c.C(h.color), h.full ? lw + (screen ? 0 : 2) : lw);
    c.Runs(h.runs);
  }
  for (const HourCurve& h : panel.curves) {
    if (!h.labelAt) continue;
    const std::string text = HourText(h.value);
    c.Font(small, c.C(h.color), true);
    const int shift = q.temporal && h.value > 12.1 ? fh * 4 / 5 : 0;
    sink.TextOut(c.X(*h.labelAt) + 3, c.Y(*h.labelAt) - sink.TextHeight(text) - shift, text);
  }

  // Legend at the lower right.
  const int lx = W / 2 + 3 * fh + m;
  int ly = std::min(Rnd(H - 22 * w), H - m - 4 * fh);
  c.Font(fh, output::kBlack, true);
  sink.TextOut(lx, ly, TitleText(q));
  ly += fh * 5 / 4;
  c.Font(small, output::kBlack);
  sink.TextOut(lx, ly, SiteText(q));
  ly += small * 5 / 4;
  sink.TextOut(lx, ly, TimeText(q));
  if (q.temporal) sink.TextOut(m + fh / 2, m + fh / 2, T(texts::quadrant::kTemporalNote));
}

void PlotQuadrant(output::HpglWriter& w, const Quadrant& q) {
  const double S = w.PlotScale();
  const double u = output::kPlotUnitsPerMm * S;
  const double W = output::kPlotWindowWidth * S, H = output::kPlotWindowHeight * S;
  const double R = q.radius * u;
  w.PutStandardHeader();
  w.Put(SizeText(0.18 * S, 0.27 * S) + ";");
  bool diagonal = false;
  if (!q.refused) {
    const double ay = std::min(H - 500 * S, (H + R) / 2 + 800 * S);
    const bool two = q.panels.size() > 1;
    const double gap = 900 * S;
    const bool mirrored = q.params.quadrantMirrored;
    // One quadrant in the middle; two side by side about the middle, the
    // second one to the left (its apex facing the first when mirrored) as
    // long as both fit the sheet with the labels beside their edges.
    const double labels = 700 * S;
    const double leftEnd = mirrored ? W / 2 - gap / 2 - R : W / 2 - gap / 2 - R - gap - labels;
    diagonal = two && (leftEnd < 0 || W / 2 + gap / 2 + R > W - 200 * S);
    if (!diagonal) {
      const double ax0 = two ? W / 2 + gap / 2 : (W - R) / 2;
      for (std::size_t i = 0; i < q.panels.size(); ++i) {
        PlotPanel pp{w, ax0, ay, u};
        if (i == 1) {
          pp.a = mirrored ? -1.0 : 1.0;
          pp.ax = mirrored ? W / 2 - gap / 2 : W / 2 - gap / 2 - R - gap;
        }
        PlotPanelOf(pp, q, q.panels[i]);
      }
    } else {
      // Too large for that: the first quadrant from the upper left corner,
      // the second from the lower right corner facing it, so that both keep
      // their true size. The second is the first turned half round, or
      // mirrored across the sheet's diagonal.
      PlotPanel first{w, 1300 * S, H - 600 * S, u};
      PlotPanelOf(first, q, q.panels[0]);
      PlotPanel second{w, W - 1300 * S, 600 * S, u};
      if (mirrored) {
        second.a = 0, second.b = -1, second.c = 1, second.d = 0;
      } else {
        second.a = -1, second.b = 0, second.c = 0, second.d = 1;
      }
      PlotPanelOf(second, q, q.panels[1]);
    }
  }
  // The legend at the lower left.
  w.Put("SP 1;");
  w.PutThinPen();
  w.Put("PU " + XY(400 * S, 1400 * S) + ";" + SizeText(0.3 * S, 0.45 * S) + ";");
  w.PutLabel(TitleText(q));
  w.Put(";PU " + XY(400 * S, 1000 * S) + ";" + SizeText(0.18 * S, 0.27 * S) + ";");
  w.PutLabel(SiteText(q));
  w.Put(";PU " + XY(400 * S, 650 * S) + ";");
  w.PutLabel(q.refused ? T(texts::quadrant::kTemporalImpossible) : TimeText(q));
  if (q.temporal && !q.refused) {
    // At the upper left, or at the upper right beside a quadrant in that corner.
    w.Put(";PU " + XY(diagonal ? W / 2 + 1500 * S : 400 * S, H - 400 * S) + ";");
    w.PutLabel(T(texts::quadrant::kTemporalNote));
  }
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::quadrant
