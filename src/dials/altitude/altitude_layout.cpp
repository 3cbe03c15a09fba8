#include "dials/altitude/altitude_layout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "output/hpgl_writer.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/altitude.h"

namespace kelvra::dials::altitude {

namespace {

using astro::Radians;
using astro::TanDeg;
using shell::FormatReal;

// The shepherd's plot strips: the first at x = 100 plot units, a second one at
// x = 8350 when a strip is narrower than 7320 plot units.
constexpr double kStripX = 100.0 / 40.0;      // mm
constexpr double kSecondStripX = 8350.0 / 40.0;
constexpr double kTwoStripWidth = 7320.0 / 40.0;
// The plot file's shepherd scale: the highest altitude is capped at 89.99
// degrees and the scale at 9600 plot units.
constexpr double kPlotMaxAltitude = 89.99;
constexpr double kPlotScaleCap = 9600.0 / 40.0;

// Where the dial's mm coordinates go on the page, and the box (dial mm) the
// curves are cut at.
struct Placement {
  double ox = 0, oy = 0, unitsPerMm = 1;
  double x1 = -1e9, y1 = -1e9, x2 = 1e9, y2 = 1e9;
  PagePoint At(double x, double y) const {
    return {ox + std::clamp(x, -1e9, 1e9) * unitsPerMm, oy + std::clamp(y, -1e9, 1e9) * unitsPerMm};
  }
  PagePoint At(const CurvePoint& p) const { return At(p.x, p.y); }
  bool Inside(const CurvePoint& p) const {
    return p.x >= x1 - 1e-9 && p.x <= x2 + 1e-9 && p.y >= y1 - 1e-9 && p.y <= y2 + 1e-9;
  }
};

// The visible polylines of a curve, in page units.
std::vector<std::vector<PagePoint>> Visible(const Curve& c, const Placement& pl) {
  std::vector<std::vector<PagePoint>> out;
  const PagePoint a = pl.At(pl.x1, pl.y1), b = pl.At(pl.x2, pl.y2);
  for (const Run& run : c.runs) {
    std::vector<PagePoint> line;
    line.reserve(run.size());
    for (const CurvePoint& p : run) line.push_back(pl.At(p));
    for (auto& part : ClipToBox(line, a.x, a.y, b.x, b.y)) out.push_back(std::move(part));
  }
  return out;
}

void DrawCurve(Page& page, const Curve& c, const Placement& pl) {
  // The plot file draws subdivisions dashed.
  page.Pen(c.color, true, c.extraWidth, !c.fullHour && c.kind != LineKind::Declination);
  for (const auto& line : Visible(c, pl)) page.Polyline(line);
}

std::string CutToCharacters(std::string s, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
    if (count++ == n) return s.substr(0, i);
  }
  return s;
}

std::string SiteLine(const Dial& d, bool cylinder) {
  const std::string unit = cylinder ? shell::Get(texts::altitude::kDegreeUnit) : std::string("°");
  const int width = cylinder ? 6 : 5;
  return CutToCharacters(
      shell::Get(texts::altitude::kLatitude) + FormatReal(width, 2, d.site.latitude) + unit +
          shell::Get(texts::altitude::kLongitude) + FormatReal(width, 2, d.site.longitude) + unit,
      60);
}

std::string TimeLine(const Dial& d, bool cylinder) {
  if (!cylinder && d.temporal) return "[" + shell::Get(texts::altitude::kTemporalHours) + " ]";
  std::string s = d.localTime ? shell::Get(texts::altitude::kLocalTime)
                              : shell::Get(texts::altitude::kZoneApparentTime);
  s += d.params.constructWithEot ? " " + shell::Get(texts::altitude::kWithEot)
                                 : "  " + shell::Get(texts::altitude::kWithoutEot);
  if (cylinder && d.temporal) s += shell::Get(texts::altitude::kTemporalHours);
  return s;
}

// Text centred on x.
void CentredText(Page& page, double x, double y, const std::string& text, double height, int color) {
  page.Text(x - page.TextWidth(text, height) / 2, y, text, height, color);
}

// The refusal of temporal hours above 65 degrees: the two lines of the text
// in navy and the title.
void DrawRefusal(Page& page, const Frame& f, bool cylinder) {
  const std::string text = shell::Get(texts::altitude::kTemporalRefused);
  const auto br = text.find('\n');
  const std::string first = text.substr(0, br);
  const std::string second = br == std::string::npos ? std::string() : text.substr(br + 1);
  const double h = f.screen ? 30 : 50;
  const char* face = cylinder ? "Times New Roman" : "Times";
  page.Text(f.width / 8, f.height / 2 - 1.5 * h, first, h, kRefusalNavy, face);
  page.Text(f.width / 5, f.height / 2, second, h, kRefusalNavy, face);
  const std::string title = cylinder ? shell::Get(texts::altitude::kTitleCylinderRefused)
                                     : shell::Get(texts::altitude::kTitleAltitude);
  page.Text(f.width / 15 + f.margin, f.Bottom() - 1.8 * f.titleFont, title, f.titleFont, 4);
}

// The red note of a reduced month scale, downwards near the right edge.
void DrawReducedNote(Page& page, const Frame& f) {
  const double h = 0.8 * f.generalFont;
  page.Text(f.Right() - 1.5 * f.generalFont, f.height / 10,
            shell::Get(texts::altitude::kMonthAxisReduced), h, kNoteRed, "Arial", -90);
}

// The scale of sun altitudes right of a dial (x from dialLeft to right):
// a light yellow strip two font heights wide with a tick for every whole
// degree; every fifth runs across the dial and is numbered.
void DrawAltitudeScale(Page& page, const Frame& f, double dialLeft, double right, double y0,
                       double scaleHeight, double gnomon) {
  const double strip = 2 * f.generalFont;
  page.Pen(8);
  page.FilledRectangle(right, y0, right + strip, y0 + scaleHeight, kScaleYellow);
  page.Pen(8);
  for (int alt = 1; alt <= 88; ++alt) {
    const double dy = gnomon * TanDeg(alt);
    if (dy > scaleHeight) break;
    const double y = y0 + dy;
    if (alt % 5 == 0) {
      page.Line(dialLeft, y, right + strip, y);
      page.Text(right + 2.5 * f.generalFont, y - 0.5 * f.monthFont, std::to_string(alt) + " °", f.monthFont, 8);
      page.Pen(8);
    } else {
      page.Line(right + strip / 2, y, right + strip, y);
    }
  }
}

// The purple profile of the gnomon at true length (four strokes).
void DrawSketch(Page& page, const std::vector<PagePoint>& points) {
  page.Pen(kSketchPurple);
  page.Polyline(points);
}

// Legend of the cylinder dials: title and variant in the middle, the gnomon
// sketch and its label at the lower left, site and time at the right.
void DrawCylinderLegend(Page& page, const Dial& d, const Frame& f, const std::string& gnomonLine,
                        const std::string& scaleLine, const std::string& extraLine) {
  const double fh = f.generalFont, ft = f.titleFont, u = f.unitsPerMm;
  const double bottom = f.Bottom();
  const texts::TextId suffix = d.variant == Variant::Shepherd ? texts::altitude::kSuffixShepherd
                               : d.variant == Variant::Hat    ? texts::altitude::kSuffixHat
                                                              : texts::altitude::kSuffixPolar;
  page.Text(0.36 * f.width + f.margin, bottom - 2.2 * ft,
            shell::Get(texts::altitude::kTitleCylinder), ft, 4);
  page.Text(0.36 * f.width + f.margin, bottom - 1.1 * ft, shell::Get(suffix), ft, 4);

  // The sketch: the wall (5 mm), the gnomon of its true length, its end.
  const double length = (d.variant == Variant::PolarStyle ? d.pinLength : d.gnomonLength) * u;
  const double xs = f.margin + fh, yb = bottom - 0.4 * fh;
  DrawSketch(page, {{xs, yb}, {xs, yb - 5 * u}, {xs + length, yb - 5 * u}, {xs + length, yb - 4 * u},
                    {xs, yb - 4 * u}});
  page.Text(xs, yb - 5 * u - 2.4 * fh, gnomonLine, fh, kSketchPurple);
  page.Text(xs, yb - 5 * u - 1.2 * fh, scaleLine, fh, 4);

  const double xr = 0.64 * f.width + f.margin;
  if (!extraLine.empty()) page.Text(xr, bottom - 3.6 * fh, extraLine, fh, 4);
  page.Text(xr, bottom - 2.4 * fh, SiteLine(d, true), fh, 4);
  page.Text(xr, bottom - 1.2 * fh, TimeLine(d, true), fh, 4);
}

// The zodiac signs of a declination line (Wingdings) at x, one at yAbove and
// one at yBelow; a plot file has no such font and writes the declination.
void DrawSigns(Page& page, const Frame& f, const Curve& c, double x, double yAbove, double yBelow,
               double height) {
  x = std::clamp(x, f.margin + 2, std::max(f.margin + 2, f.Right() - 2 * height));
  if (page.IsPlot()) {
    page.Text(x, yAbove, FormatReal(5, 1, c.value) + "°", height / 1.3, 4);
    return;
  }
  const char above[2] = {c.signAbove, 0}, below[2] = {c.signBelow, 0};
  if (c.signAbove) page.Text(x, yAbove, above, height, 4, "Wingdings");
  if (c.signBelow) page.Text(x, yBelow, below, height, 4, "Wingdings");
}

std::string MonthName(int month, bool firstLetterOnly) {
  std::string name = shell::MonthAbbreviation(month);
  if (firstLetterOnly && !name.empty()) name = name.substr(0, 1);
  return name;
}

// ---- shepherd's dial --------------------------------------------------------------

enum class Half { All, Morning, Afternoon };

bool Shows(const Dial& d, const Curve& c, Half half) {
  const double noon = c.kind == LineKind::Temporal ? 6.0 : 12.0;
  switch (half) {
    case Half::All:
      if (c.kind == LineKind::Ordinary) {
        return c.value >= d.ordinaryShownFrom - 1e-9 && c.value <= d.ordinaryShownTo + 1e-9;
      }
      return true;
    case Half::Morning:
      return c.value <= noon + 1e-9 || c.kind == LineKind::Babylonian || c.kind == LineKind::Italian;
    case Half::Afternoon:
      return c.value >= noon - 1e-9 && c.kind != LineKind::Babylonian && c.kind != LineKind::Italian;
  }
  return true;
}

void DrawShepherdStrip(Page& page, const Dial& d, const Frame& f, double x0, double y0, double yb, Half half) {
  const double u = f.unitsPerMm, fm = f.monthFont, fh = f.generalFont;
  const double width = d.monthScale * u;
  page.Pen(1);
  page.Rectangle(x0, y0, x0 + width, yb);

  // Date lines and month names.
  const bool longScale = d.monthScale >= 61;
  for (const DateMark& m : d.marks) {
    const double x = x0 + m.at * u;
    if (m.line) {
      if (m.day == 1) page.Pen(1);
      else page.DottedPen(1);
      page.Line(x, y0, x, yb);
    }
    if (m.day == 1) {
      if (longScale) {
        page.Text(x, y0 - 2.3 * fm, MonthName(m.month, false), fm, 4);
        page.Text(x, y0 - 1.2 * fm, "1", fm, 4);
      } else {
        page.Text(x, y0 - 1.2 * fm, MonthName(m.month, true), fm, 4);
      }
    } else if (m.day == 11 && longScale) {
      page.Text(x, y0 - 1.2 * fm, "11", fm, 4);
    }
  }
  if (d.params.altitudeLines) {
    DrawAltitudeScale(page, f, x0, x0 + width, y0, yb - y0, d.gnomonLength * u);
  }

  Placement pl{x0, y0, u, 0, 0, d.monthScale, (yb - y0) / u};
  for (const Curve& c : d.curves) {
    if (!Shows(d, c, half)) continue;
    DrawCurve(page, c, pl);
  }
  for (const Curve& c : d.curves) {
    if (!c.labelled || !Shows(d, c, half) || !pl.Inside(c.labelAt)) continue;
    const PagePoint p = pl.At(c.labelAt);
    // Left of the first point; the plot file's strip starts at the page's
    // edge, so its numbers stand just inside the strip.
    const double x = f.plot ? p.x + 0.3 * fh : p.x - 1.5 * fh;
    page.Text(x, p.y - 0.5 * fh, c.label, fh, c.color);
  }
}

}  // namespace

Frame CanvasFrame(Variant variant, double width, double height, bool screen, double pixelsPerMm) {
  Frame f;
  f.width = width;
  f.height = height;
  f.screen = screen;
  f.margin = screen ? 0 : 50;
  f.generalFont = screen ? 16 : 35;
  f.monthFont = screen ? 12 : 27;
  switch (variant) {
    case Variant::HorizontalAltitude:
      f.unitsPerMm = screen ? width / 320.0 : 10.0;
      f.titleFont = screen ? 28 : 50;
      break;
    case Variant::Shepherd:
    case Variant::Hat:
      f.unitsPerMm = !screen ? 10.0 : width > 1.414 * height ? height * 1.42 / 305.0 : width / 305.0;
      f.titleFont = screen ? (width >= 1000 ? 23 : 16) : 40;
      break;
    case Variant::PolarStyle:
      f.unitsPerMm = pixelsPerMm > 0 ? pixelsPerMm : 10.0;
      f.titleFont = screen ? (width >= 1000 ? 23 : 16) : 40;
      break;
  }
  return f;
}

Frame PlotFrame(double plotScale) {
  Frame f;
  f.width = output::kPlotWindowWidth * plotScale;
  f.height = output::kPlotWindowHeight * plotScale;
  f.margin = 0;
  f.unitsPerMm = output::kPlotUnitsPerMm * plotScale;
  f.screen = false;
  f.plot = true;
  f.generalFont = 3.5 * f.unitsPerMm;
  f.monthFont = 2.7 * f.unitsPerMm;
  f.titleFont = 5.0 * f.unitsPerMm;
  return f;
}

bool ShepherdPlotHasTwoStrips(const Dial& d) { return d.monthScale < kTwoStripWidth; }

bool ShepherdPlotWantsTwoParts(const Dial& d) {
  const auto& p = d.params;
  return !ShepherdPlotHasTwoStrips(d) && p.hoursApparent && p.constructWithEot &&
         p.otherHoursFrom < 12 && p.otherHoursTo >= 13;
}

// ---- horizontal altitude dial ------------------------------------------------------

void DrawHorizontalAltitudeDial(Page& page, const Dial& d, const Frame& f) {
  const double m = f.margin, u = f.unitsPerMm, fh = f.generalFont, fm = f.monthFont;
  page.Pen(1);
  page.Rectangle(m, m, f.Right(), f.Bottom());
  if (d.refused) {
    DrawRefusal(page, f, false);
    return;
  }
  // Layout: the date axis runs down, the plate (and the face) to the right.
  double y0 = (f.height - m) / 12 + m;
  if (d.dateScale > 180) y0 = (f.height - m) / 25 + m;
  else if (d.dateScale > 119) y0 = (f.height - m) / 20 + m;
  const double w = d.scaleWidth * u;
  const double x0 = std::max((f.width - m - w) / 3 + m, m + 1.4 * page.TextWidth("Sep", fm));
  const double length = d.DateAxisLength() * u;
  page.Pen(1);
  page.Rectangle(x0, y0, x0 + d.plateLength * u, y0 + length);
  if (d.verticalFace) page.Rectangle(x0 + d.plateLength * u, y0, x0 + w, y0 + length);

  const bool shortScale = d.DateAxisLength() < 61;
  for (const DateMark& mk : d.marks) {
    const double y = y0 + mk.at * u;
    if (mk.line) {
      if (mk.day == 1) page.Pen(1);
      else page.DottedPen(1);
      page.Line(x0, y, x0 + w, y);
    }
    if (mk.day == 1) {
      const std::string name = MonthName(mk.month, shortScale);
      page.Text(x0 - page.TextWidth(name, fm) - 0.3 * fm, y - 0.6 * fm, name, fm, 4);
    }
  }

  Placement pl{x0, y0, u, 0, 0, d.scaleWidth, d.DateAxisLength()};
  for (const Curve& c : d.curves) DrawCurve(page, c, pl);
  // Hour numbers above the axis; in local time without the equation of time
  // a morning and an afternoon hour share their curve, and a number that
  // would cover another one moves up a row.
  std::vector<std::vector<std::pair<double, double>>> rows;  // the x ranges taken, row by row
  for (const Curve& c : d.curves) {
    if (!c.labelled) continue;
    const double w2 = page.TextWidth(c.label, fh) / 2 + 0.2 * fh;
    const double x = x0 + c.labelAt.x * u;
    std::size_t row = 0;
    for (; row < rows.size(); ++row) {
      bool free = true;
      for (const auto& r : rows[row]) free = free && (x + w2 < r.first || x - w2 > r.second);
      if (free) break;
    }
    if (row == rows.size()) rows.emplace_back();
    rows[row].push_back({x - w2, x + w2});
    CentredText(page, x, y0 - (1.2 + 1.1 * static_cast<double>(row)) * fh, c.label, fh, c.color);
  }

  // Legend: title, site and time at the lower left, the edge at the lower right.
  const double xt = f.width / 15 + m, yt = f.Bottom() - 1.8 * f.titleFont;
  page.Text(xt, yt, shell::Get(texts::altitude::kTitleAltitude), f.titleFont, 4);
  page.Text(xt, yt - 2.6 * fh, SiteLine(d, false), fh, 4);
  page.Text(xt, yt - 1.4 * fh, TimeLine(d, false), fh, 4);
  const double e = d.edgeHeight * u;
  const double xs = f.Right() - 25 * u, yb = f.Bottom() - 0.6 * fh;
  DrawSketch(page, {{xs + 20 * u, yb}, {xs, yb}, {xs, yb - e}, {xs - 2 * u, yb - e}, {xs - 2 * u, yb}});
  const std::string label =
      shell::Get(texts::altitude::kEdgeHeight) + FormatReal(6, 2, d.edgeHeight) + " mm";
  page.Text(xs - 4 * u - page.TextWidth(label, fh), yb - 1.2 * fh, label, fh, kSketchPurple);
}

// ---- shepherd's dial ------------------------------------------------------------------

void DrawShepherdDial(Page& page, const Dial& d, const Frame& f) {
  const double m = f.margin, u = f.unitsPerMm, H = f.height;
  page.Pen(1);
  page.Rectangle(m, m, f.Right(), f.Bottom());
  if (d.refused) {
    DrawRefusal(page, f, true);
    return;
  }
  double scaleMm = d.scaleLength;
  if (f.plot) {
    const double phi = std::fabs(d.site.latitude);
    const double amax = std::min(kPlotMaxAltitude, phi >= d.obliquity ? 90 - phi + d.obliquity : 90.0);
    scaleMm = std::min(kPlotScaleCap, 1.05 * d.gnomonLength * TanDeg(amax));
  }
  double hs = scaleMm * u;
  const double y0 = 0.9 * H > hs ? H / 12 + m : H / 20 + m;
  double yb = y0 + hs;
  if (yb > 0.93 * H) yb = 0.93 * H;

  if (f.plot) {
    if (ShepherdPlotHasTwoStrips(d)) {
      DrawShepherdStrip(page, d, f, kStripX * u, y0, yb, Half::Morning);
      DrawShepherdStrip(page, d, f, kSecondStripX * u, y0, yb, Half::Afternoon);
    } else {
      DrawShepherdStrip(page, d, f, kStripX * u, y0, yb, Half::All);
    }
  } else {
    const double x0 = std::max((f.width - d.monthScale * u) / 2 + m, m + 2);
    DrawShepherdStrip(page, d, f, x0, y0, yb, Half::All);
  }
  if (d.monthScaleReduced) DrawReducedNote(page, f);
  const std::string gnomon = shell::Get(texts::altitude::kGnomonLength) +
                             FormatReal(5, 0, d.gnomonLength * d.zoom) + " mm; ";
  const std::string scale = shell::Get(texts::altitude::kMonthScaleWidth) + " = " +
                            FormatReal(5, 0, d.monthScale) + " mm";
  DrawCylinderLegend(page, d, f, gnomon, scale, {});
}

// ---- hat dial --------------------------------------------------------------------------

void DrawHatDial(Page& page, const Dial& d, const Frame& f) {
  const double m = f.margin, u = f.unitsPerMm, H = f.height, fh = f.generalFont;
  page.Pen(1);
  page.Rectangle(m, m, f.Right(), f.Bottom());
  if (d.refused) {
    DrawRefusal(page, f, true);
    return;
  }
  const double C = d.monthScale;
  const double k = C / 360.0 * u;  // page units per degree of azimuth
  const double xc = std::max(m + f.width / 2 - 4 * k, m + 2);
  double hs = d.scaleLength * u;
  // A scale too long for the page starts near the top; the page cuts it.
  const double y0 = 0.9 * H > hs ? m + (H - hs) / 3 : m + H / 20;
  double yb = y0 + hs;
  if (yb > 0.96 * H) yb = 0.93 * H;
  hs = yb - y0;
  const double left = xc - 180 * k, right = xc + 180 * k;
  page.Pen(1);
  page.Rectangle(left, y0, right, yb);

  // Azimuth grid every 10 degrees, numbered every 20 degrees as counted from
  // the middle of the scale (south in the north, north in the south), west
  // positive.
  for (int p = -180; p <= 180; p += 10) {
    const double x = xc + p * k;
    page.DottedPen(8);
    page.Line(x, y0, x, yb);
    if (p % 20 == 0) CentredText(page, x, y0 - 1.1 * fh, std::to_string(-p), f.monthFont, 1);
  }
  if (d.params.altitudeLines) DrawAltitudeScale(page, f, left, right, y0, hs, d.gnomonLength * u);

  Placement pl{xc, y0, u, -C / 2, 0, C / 2, hs / u};
  for (const Curve& c : d.curves) DrawCurve(page, c, pl);
  const double fz = 1.3 * fh;
  for (const Curve& c : d.curves) {
    if (c.kind == LineKind::Declination) {
      // The signs at the line's first visible point (its sunrise end).
      const auto lines = Visible(c, pl);
      if (lines.empty()) continue;
      const PagePoint p = lines.front().front();
      DrawSigns(page, f, c, p.x - 1.2 * fz, p.y - 0.2 * fz, p.y + 0.9 * fz, fz);
      continue;
    }
    if (!c.labelled || !pl.Inside(c.labelAt)) continue;
    const PagePoint p = pl.At(c.labelAt);
    page.Text(p.x + 0.2 * fh, p.y + 0.1 * fh, c.label, fh, c.color);
  }
  if (d.monthScaleReduced) DrawReducedNote(page, f);
  const std::string gnomon = shell::Get(texts::altitude::kGnomonLength) +
                             FormatReal(5, 0, d.gnomonLength * d.zoom) + " mm; ";
  const std::string scale =
      shell::Get(texts::altitude::kCircumference) + " = " + FormatReal(5, 0, C) + " mm";
  DrawCylinderLegend(page, d, f, gnomon, scale, {});
}

// ---- polar style -------------------------------------------------------------------------

void DrawPolarStyleDial(Page& page, const Dial& d, const Frame& f) {
  const double m = f.margin, u = f.unitsPerMm, fh = f.generalFont;
  page.Pen(1);
  page.Rectangle(m, m, f.Right(), f.Bottom());
  if (d.refused) {
    DrawRefusal(page, f, true);
    return;
  }
  if (f.gridSpacing) page.Grid(f.origin.x, f.origin.y, *f.gridSpacing);
  const double xo = f.origin.x, yo = f.origin.y;
  const double half = Radians(d.thetaMax) * d.radius;  // mm either side of the pin
  // The sheet the tip can reach, within the page.
  Placement pl{xo, yo, u, std::max(-half, (m - xo) / u), (m - yo) / u, std::min(half, (f.Right() - xo) / u),
               (f.Bottom() - yo) / u};

  page.Pen(1);
  page.Circle(xo, yo, u);
  page.Pen(kSketchPurple);
  page.Polyline({{xo - half * u, yo - u}, {xo - half * u, yo}, {xo + half * u, yo}, {xo + half * u, yo - u}});
  page.Line(xo - half * u, yo, xo - half * u, yo + u);
  page.Line(xo + half * u, yo, xo + half * u, yo + u);
  if (d.poleVisible) {
    page.Pen(1);
    const PagePoint p = pl.At(d.pole);
    page.Circle(p.x, p.y, u);
  }

  for (const Curve& c : d.curves) DrawCurve(page, c, pl);
  const double fz = 1.3 * fh;
  for (const Curve& c : d.curves) {
    if (c.kind == LineKind::Declination) {
      const auto lines = Visible(c, pl);
      if (lines.empty()) continue;
      const PagePoint p = lines.front().front();
      DrawSigns(page, f, c, p.x - 1.2 * fz, p.y - 1.1 * fz, p.y, fz);
      continue;
    }
    if (!c.labelled) continue;
    const PagePoint p = pl.At(c.labelAt);
    CentredText(page, p.x, p.y + 0.3 * fh, c.label, fh, c.color);
  }
  page.Pen(kSketchPurple);
  page.Line(xo - 2 * u, yo, xo + 2 * u, yo);
  page.Line(xo, yo - 2 * u, xo, yo + 2 * u);

  const std::string gnomon =
      shell::Get(texts::altitude::kGnomonLength) + FormatReal(5, 0, d.pinLength) + " mm;  " +
      shell::Get(texts::altitude::kCylinderRadius) + " = " + FormatReal(5, 0, d.radius) + " mm";
  const std::string deviation = shell::Get(texts::altitude::kDeviation) +
                                FormatReal(6, 2, d.pinAzimuth) +
                                shell::Get(texts::altitude::kDegreeUnit) + "; ";
  DrawCylinderLegend(page, d, f, gnomon, {}, deviation);
}

void DrawCylinderFamily(Page& page, const Dial& dial, const Frame& frame) {
  switch (dial.variant) {
    case Variant::HorizontalAltitude: DrawHorizontalAltitudeDial(page, dial, frame); break;
    case Variant::Shepherd: DrawShepherdDial(page, dial, frame); break;
    case Variant::Hat: DrawHatDial(page, dial, frame); break;
    case Variant::PolarStyle: DrawPolarStyleDial(page, dial, frame); break;
  }
}

}  // namespace kelvra::dials::altitude
