#include "dials/ring/ring_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/ring.h"

namespace kelvra::dials::ring {

namespace {

using draw::kGrey;
using draw::Rnd;
using draw::XY;
using output::PlotSink;
using shell::FormatReal;

std::string T(texts::TextId id) { return shell::Get(id); }

// A number with `decimals` decimals and no padding, trailing zeros dropped.
std::string Number(double x, int decimals) {
  std::string text = FormatReal(12, decimals, x);
  text.erase(0, text.find_first_not_of(' '));
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

// ---- texts shared by canvas and plot ------------------------------------------------

std::string OffsetText(const RingDial& d) {
  std::string text = FormatReal(6, 2, d.bands.empty() ? 0.0 : d.bands.front().holeOffset);
  for (std::size_t i = 1; i < d.bands.size(); ++i) text += " /" + FormatReal(6, 2, d.bands[i].holeOffset);
  return text;
}

std::string HoursText(const RingDial& d) {
  std::string text = T(texts::ring::kHourLinesShow) +
                     T(d.temporal ? texts::ring::kTemporalHours : texts::ring::kLocalApparentTime);
  if (!d.params.ringNoonHorizontal) {
    if (d.params.italianHours) text += ", " + T(texts::ring::kItalianHour);
    if (d.params.babylonianHours) text += ", " + T(texts::ring::kBabylonianHour);
  }
  return text + ", " + T(texts::ring::kHoleOffset) + " =" + OffsetText(d);
}

std::string SiteText(const RingDial& d) {
  return T(texts::ring::kLatitude) + FormatReal(6, 2, d.site.latitude) + "; " +
         T(texts::ring::kDiameter) + FormatReal(5, 1, d.params.ringDiameter) +
         T(texts::ring::kRingWidth) + FormatReal(5, 1, d.params.ringWidth) +
         T(texts::ring::kPinHoleAt) + FormatReal(5, 1, d.params.ringHoleAngle) +
         T(texts::ring::kDegrees);
}

std::string ScaleLengthText(const RingDial& d) {
  if (d.bands.size() == 1) {
    return FormatReal(5, 0, d.bands.front().angularLength) + T(texts::ring::kScaleLength);
  }
  double total = 0;
  for (const RingBand& b : d.bands) total += b.angularLength;
  std::string text = FormatReal(5, 0, total) + " (" + FormatReal(5, 0, d.bands[0].angularLength) +
                     " +" + FormatReal(5, 0, d.bands[1].angularLength) + ")" +
                     T(texts::ring::kBothScalesLength);
  if (total > 360.0) text += T(texts::ring::kOverlapping);
  return text;
}

// The runs of `run` between `from` and `to` along the band.
std::vector<std::vector<BandPoint>> Clip(const std::vector<BandPoint>& run, double from, double to) {
  std::vector<std::vector<BandPoint>> out;
  auto inside = [&](const BandPoint& p) { return p.s >= from && p.s <= to; };
  auto cut = [](const BandPoint& a, const BandPoint& b, double s) {
    const double t = (s - a.s) / (b.s - a.s);
    return BandPoint{s, a.y + t * (b.y - a.y)};
  };
  bool open = false;
  for (std::size_t i = 0; i < run.size(); ++i) {
    const BandPoint& p = run[i];
    if (i > 0) {
      const BandPoint& q = run[i - 1];
      // Where the segment q-p crosses a bound, in the order met.
      std::vector<double> bounds;
      for (double b : {from, to}) {
        if ((q.s - b) * (p.s - b) < 0) bounds.push_back(b);
      }
      if (bounds.size() == 2 && std::fabs(bounds[0] - q.s) > std::fabs(bounds[1] - q.s)) {
        std::swap(bounds[0], bounds[1]);
      }
      for (double b : bounds) {
        const BandPoint c = cut(q, p, b);
        if (open) {
          out.back().push_back(c);
          open = false;
        } else {
          out.push_back({c});
          open = true;
        }
      }
    }
    if (inside(p)) {
      if (!open) out.emplace_back();
      out.back().push_back(p);
      open = true;
    } else {
      open = false;
    }
  }
  std::erase_if(out, [](const auto& r) { return r.empty(); });
  return out;
}

// ---- canvas ---------------------------------------------------------------------------

// The kit's canvas with the reference end of the band at ox; a band's
// points are given by their distance along it.
struct Canvas : draw::Canvas {
  int X(double along) const { return Rnd(ox + along * s); }
};

void DrawBand(Canvas& c, const RingDial& d, const RingBand& band, double top, bool screen, int fh) {
  PlotSink& sink = c.sink;
  const double u = c.s;
  auto Y = [&](double y) { return Rnd(top + y * u); };
  const int lw = std::max<int>(1, c.colors.lineWidth);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  c.Pen(c.C(1), lw);
  sink.Rectangle(c.X(0), Y(0), c.X(d.bandLength), Y(d.width));
  // The hole's track along the band.
  c.Pen(c.C(1), 1, output::PenStyle::Dotted);
  sink.MoveTo(c.X(0), Y(band.holeTrack));
  sink.LineTo(c.X(d.bandLength), Y(band.holeTrack));

  for (const RingLine& line : band.lines) {
    const output::Color color = line.grey ? kGrey : c.C(line.color);
    const int width = line.full ? (screen ? lw : 3) : (screen ? lw : 1);
    c.Pen(color, width);
    for (const auto& run : line.runs) {
      sink.MoveTo(c.X(run.front().s), Y(run.front().y));
      if (run.size() == 1) sink.LineTo(c.X(run.front().s) + 1, Y(run.front().y));
      for (std::size_t i = 1; i < run.size(); ++i) sink.LineTo(c.X(run[i].s), Y(run[i].y));
    }
    if (line.firstCorrected) {
      c.Pen(color, 1);
      const int r = std::max(2, Rnd(0.6 * u));
      sink.Circle(c.X(line.firstCorrected->s), Y(line.firstCorrected->y), r);
    }
  }
  // Hour numbers, turned by 90 degrees, beside their lines.
  for (const RingLine& line : band.lines) {
    if (!line.labelAt || line.label.empty() || line.grey) continue;
    c.Font(fh * 3 / 4, line.grey ? kGrey : c.C(line.color), true, "Arial", 90);
    const int th = sink.TextHeight(line.label);
    sink.TextOut(c.X(line.labelAt->s) - th - 1, Y(line.labelAt->y) + sink.TextWidth(line.label) / 2,
                 line.label);
  }
}

// ---- plot file ----------------------------------------------------------------------------

constexpr double kPlotMarginMm = 10;
constexpr double kPlotGapMm = 12;     // between two strips: the half-circumference mark
constexpr double kPlotLegendMm = 40;  // legend under the strips

}  // namespace

void DrawRingDial(PlotSink& sink, const RingDial& d, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const int m = screen ? 0 : 50;
  const int fh = screen ? (W < 900 ? 16 : 22) : 45;
  if (d.refused) {
    draw::DrawRefusal(sink, fh, m, T(texts::ring::kTitle), T(texts::ring::kTemporalImpossible),
                      T(texts::ring::kNotConstructed));
    return;
  }
  if (d.declined) return;
  double u = screen ? (W > 1.414 * H ? 1.41 * H / kDrawingWidthMm : W / kDrawingWidthMm) : 10.0;
  if (d.bandLength * u > 0.98 * (W - 2 * m)) u = 0.95 * (W - 2 * m) / d.bandLength;
  const int nb = static_cast<int>(d.bands.size());
  const double top = m + (nb == 1 ? H / 5.0 : H / 12.0);
  const double gap = 3.0 * fh;
  const double legend = 10.0 * fh;
  const double room = H - m - top - legend - (nb - 1) * gap;
  if (nb * d.width * u > room && room > 0) u = room / (nb * d.width);
  const double x0 = std::max(m + 2.0, std::min((W - d.bandLength * u) / 3.0, W / 20.0));
  Canvas c{{sink, colors, x0, 0, u}};

  sink.SetBrushStyle(output::BrushStyle::Clear);
  double y = top;
  for (const RingBand& band : d.bands) {
    DrawBand(c, d, band, y, screen, fh);
    y += d.width * u + gap;
  }
  // The half inner circumference, marked under the first band.
  const int my = Rnd(top + d.width * u + fh);
  c.Pen(c.C(1));
  sink.MoveTo(c.X(0), my - fh / 3);
  sink.LineTo(c.X(0), my + fh / 3);
  sink.MoveTo(c.X(0), my);
  sink.LineTo(c.X(d.bandLength), my);
  sink.MoveTo(c.X(d.bandLength), my - fh / 3);
  sink.LineTo(c.X(d.bandLength), my + fh / 3);
  c.Font(fh * 3 / 4, output::kBlack);
  const std::string half = T(texts::ring::kHalfCircumference);
  sink.TextOut(c.X(d.bandLength / 2) - sink.TextWidth(half) / 2, my + 2, half);

  // Legend under the bands.
  int ly = Rnd(y - gap + 2 * fh);
  c.Font(fh, output::kBlack, true);
  sink.TextOut(Rnd(x0), ly, T(texts::ring::kTitle));
  ly += fh * 3 / 2;
  c.Font(fh * 3 / 4, output::kBlack);
  sink.TextOut(Rnd(x0), ly, HoursText(d));
  ly += fh;
  sink.TextOut(Rnd(x0), ly, SiteText(d));
  c.Font(fh * 3 / 2 * 3 / 4, output::kBlack, true);
  sink.TextOut(Rnd(x0), H - m - 4 * fh, ScaleLengthText(d));
}

void DrawRingOffsetTable(PlotSink& sink, const OffsetTable& t) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const int m = screen ? 0 : 50;
  const int fh = screen ? (W < 900 ? 14 : 18) : 40;
  // The diagram: x from 0 to 100 degrees in 40 grid steps, y the band height
  // from relative offset 1 (top) to 0 (bottom).
  const double left = m + 5.0 * fh, right = W - m - 2.0 * fh;
  const double top = m + 5.0 * fh, bottom = H - m - 5.0 * fh;
  constexpr double kRange = 100.0;
  auto X = [&](double x) { return Rnd(left + x / kRange * (right - left)); };
  auto Y = [&](double y) { return Rnd(top + (1.0 - y) * (bottom - top)); };
  sink.SetBrushStyle(output::BrushStyle::Clear);

  draw::SetFont(sink, fh, output::kBlack, true);
  sink.TextOut(m + fh, m + fh, T(texts::ring::kTableHeading) + FormatReal(5, 1, t.alpha) +
                                   T(texts::ring::kDegrees) + "). ");
  draw::SetFont(sink, fh, output::kBlack);
  sink.TextOut(m + fh, m + 5 * fh / 2, T(texts::ring::kTableDepends));

  // Grid: 40 vertical lines, every fourth labelled with its altitude below
  // and its half altitude above.
  const int small = fh * 4 / 5;
  for (int i = 0; i <= 40; ++i) {
    const double x = i * kRange / 40;
    const bool labelled = i % 4 == 0;
    draw::SetPen(sink, labelled ? kGrey : output::RgbColor(200, 200, 200));
    sink.MoveTo(X(x), Rnd(top));
    sink.LineTo(X(x), Rnd(bottom));
    if (!labelled) continue;
    draw::SetFont(sink, small, output::kBlack);
    const std::string below = Number(x, 0) + "\u00b0";
    const std::string above = Number(x / 2, 2) + "\u00b0";
    sink.TextOut(X(x) - sink.TextWidth(below) / 2, Rnd(bottom) + 2, below);
    sink.TextOut(X(x) - sink.TextWidth(above) / 2, Rnd(top) - sink.TextHeight(above) - 2, above);
  }
  for (int j = 0; j <= 4; ++j) {
    const double y = j / 4.0;
    draw::SetPen(sink, kGrey);
    sink.MoveTo(Rnd(left), Y(y));
    sink.LineTo(Rnd(right), Y(y));
    draw::SetFont(sink, small, output::kBlack);
    const std::string label = Number(y, 2);
    sink.TextOut(Rnd(left) - sink.TextWidth(label) - 4, Y(y) - sink.TextHeight(label) / 2, label);
  }
  draw::SetPen(sink, output::kBlack);
  sink.Rectangle(Rnd(left), Rnd(top), Rnd(right), Rnd(bottom));

  // Axis captions.
  draw::SetFont(sink, fh, output::kBlack);
  const std::string scale = T(texts::ring::kTableScaleAxis);
  sink.TextOut(Rnd((left + right) / 2) - sink.TextWidth(scale) / 2, Rnd(top) - 2 * fh - small, scale);
  const std::string altitude = T(texts::ring::kTableAltitudeAxis);
  sink.TextOut(Rnd((left + right) / 2) - sink.TextWidth(altitude) / 2, Rnd(bottom) + small + fh / 2,
               altitude);
  const std::string offset = T(texts::ring::kTableRelative) + T(texts::ring::kTableOffsetAxis);
  draw::SetFont(sink, fh, output::kBlack, false, "Arial", 90);
  sink.TextOut(m + fh / 2, Rnd((top + bottom) / 2) + sink.TextWidth(offset) / 2, offset);

  // The curves, every third in red.
  for (const OffsetCurve& c : t.curves) {
    draw::SetPen(sink, c.red ? output::RgbColor(255, 0, 0) : output::RgbColor(0, 0, 128),
                 c.red ? 2 : 1);
    bool open = false;
    for (const auto& [x, y] : c.points) {
      if (x < 0 || x > kRange) {
        open = false;
        continue;
      }
      if (open) {
        sink.LineTo(X(x), Y(y));
      } else {
        sink.MoveTo(X(x), Y(y));
        open = true;
      }
    }
  }
  if (t.written) {
    draw::SetFont(sink, fh, output::kBlack, true);
    sink.TextOut(m + fh, H - m - 2 * fh, T(texts::ring::kTableDataNote));
  }
}

PlotLayout RingPlotLayout(const RingDial& d) {
  PlotLayout layout;
  const double pageW = output::kPlotWindowWidth / double(output::kPlotUnitsPerMm);
  const double pageH = output::kPlotWindowHeight / double(output::kPlotUnitsPerMm);
  const double maxLength = pageW - 2 * kPlotMarginMm;
  const int pieces = std::max(1, static_cast<int>(std::ceil(d.bandLength / maxLength - 1e-9)));
  const double piece = d.bandLength / pieces;
  const int strips = pieces * static_cast<int>(d.bands.size());
  const double height = strips * (d.width + kPlotGapMm);
  const double room = pageH - kPlotMarginMm - kPlotLegendMm;
  layout.scale = height > room ? room / height : 1.0;
  const double k = layout.scale;
  double top = pageH - kPlotMarginMm;
  for (int b = 0; b < static_cast<int>(d.bands.size()); ++b) {
    for (int i = 0; i < pieces; ++i) {
      PlotStrip s;
      s.band = b;
      s.from = i * piece;
      s.to = (i + 1) * piece;
      s.x = (pageW - piece * k) / 2;
      s.top = top;
      layout.strips.push_back(s);
      top -= (d.width + kPlotGapMm) * k;
    }
  }
  layout.legendTop = std::min(top, kPlotLegendMm - 5);
  return layout;
}

void PlotRingDial(output::HpglWriter& w, const RingDial& d) {
  const double S = w.PlotScale();
  const double u = output::kPlotUnitsPerMm * S;
  w.PutStandardHeader();
  const PlotLayout layout = RingPlotLayout(d);
  const double k = layout.scale;
  const bool drawn = !d.refused && !d.declined;
  if (drawn) {
    const bool pieces = layout.strips.size() > d.bands.size();
    for (std::size_t n = 0; n < layout.strips.size(); ++n) {
      const PlotStrip& strip = layout.strips[n];
      const RingBand& band = d.bands[static_cast<std::size_t>(strip.band)];
      auto X = [&](double s) { return (strip.x + (s - strip.from) * k) * u; };
      auto Y = [&](double y) { return (strip.top - y * k) * u; };
      // Outline and the hole's track (dashed).
      w.Put("SP 1;");
      w.PutThinPen();
      w.Put("PU " + XY(X(strip.from), Y(0)) + ";PD " + XY(X(strip.to), Y(0)) + " " +
            XY(X(strip.to), Y(d.width)) + " " + XY(X(strip.from), Y(d.width)) + " " +
            XY(X(strip.from), Y(0)) + ";");
      w.Put("LT 2,2;PU " + XY(X(strip.from), Y(band.holeTrack)) + ";PD " +
            XY(X(strip.to), Y(band.holeTrack)) + ";LT;");
      for (const RingLine& line : band.lines) {
        w.Put("SP " + std::to_string(line.color) + ";");
        w.PutConstructionPen();
        if (line.grey) w.Put("LT 2,2;");
        for (const auto& run : line.runs) {
          for (const auto& part : Clip(run, strip.from, strip.to)) {
            std::string text = "PU " + XY(X(part.front().s), Y(part.front().y)) + ";PD";
            if (part.size() == 1) text += " " + XY(X(part.front().s), Y(part.front().y));
            for (std::size_t i = 1; i < part.size(); ++i) text += " " + XY(X(part[i].s), Y(part[i].y));
            w.Put(text + ";");
          }
        }
        if (line.grey) w.Put("LT;");
        const auto& fc = line.firstCorrected;
        if (fc && fc->s >= strip.from && fc->s <= strip.to) {
          w.Put("PU " + XY(X(fc->s), Y(fc->y)) + ";CI " + output::FormatCoordinate(0.6 * u * k) + ";");
        }
      }
      // Hour numbers, turned by 90 degrees.
      w.PutThinPen();
      w.Put(draw::SizeText(0.2 * S * k, 0.3 * S * k) + ";DI 0,1;");
      for (const RingLine& line : band.lines) {
        if (!line.labelAt || line.label.empty() || line.grey) continue;
        if (line.labelAt->s < strip.from || line.labelAt->s > strip.to) continue;
        w.Put("SP " + std::to_string(line.color) + ";PU " +
              XY(X(line.labelAt->s) - 0.8 * u * k, Y(line.labelAt->y)) + ";");
        w.PutLabel(line.label);
        w.Put(";");
      }
      w.Put("DI 1,0;SP 1;");
      // Under each strip: the half-circumference mark (its part in this
      // strip) and, for pieces, which piece this is.
      const double my = Y(d.width) - 5 * u * k;
      const double tick = 1.5 * u * k;
      std::string mark = "PU " + XY(X(strip.from), my) + ";PD " + XY(X(strip.to), my) + ";";
      for (double s : {0.0, d.bandLength}) {
        if (s >= strip.from - 1e-9 && s <= strip.to + 1e-9) {
          mark += "PU " + XY(X(s), my - tick) + ";PD " + XY(X(s), my + tick) + ";";
        }
      }
      w.Put(mark);
      w.Put(draw::SizeText(0.15 * S * k, 0.22 * S * k) + ";PU " +
            XY(X((strip.from + strip.to) / 2) - 20 * u * k, my - 4 * u * k) + ";");
      std::string caption = T(texts::ring::kHalfCircumference);
      if (pieces) {
        caption += ", " + T(texts::ring::kPart) + std::to_string(n % (layout.strips.size() / d.bands.size()) + 1);
      }
      w.PutLabel(caption);
      w.Put(";");
    }
  }
  // The legend at the lower left.
  const double lx = kPlotMarginMm * u;
  double ly = layout.legendTop * u;
  w.Put("SP 1;");
  w.PutThinPen();
  w.Put("PU " + XY(lx, ly) + ";" + draw::SizeText(0.3 * S, 0.45 * S) + ";");
  w.PutLabel(T(texts::ring::kTitle));
  ly -= 8 * u;
  w.Put(";PU " + XY(lx, ly) + ";" + draw::SizeText(0.18 * S, 0.27 * S) + ";");
  w.PutLabel(d.refused ? T(texts::ring::kTemporalImpossible) : HoursText(d));
  ly -= 6 * u;
  w.Put(";PU " + XY(lx, ly) + ";");
  w.PutLabel(SiteText(d));
  if (drawn) {
    ly -= 8 * u;
    w.Put(";PU " + XY(lx, ly) + ";" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
    std::string scale = ScaleLengthText(d);
    if (k < 1.0) scale += ", " + T(texts::ring::kReducedTo) + FormatReal(4, 0, 100 * k) + " %";
    w.PutLabel(scale);
  }
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::ring
