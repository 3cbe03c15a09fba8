#include "dials/azimuthal/azimuthal_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "dials/draw_kit.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/azimuthal.h"

namespace kelvra::dials::azimuthal {

namespace {

using draw::Rnd;
using output::PlotSink;
using shell::FormatReal;

// ---- texts shared by canvas and plot ---------------------------------------------

std::string Title(const AzimuthalDial& d) {
  if (d.variant == 0) return shell::Get(texts::azimuthal::kTitleAzimuthal);
  switch (d.projection) {
    case Projection::Tonne:
      return shell::Get(texts::azimuthal::kTitleAzimuthal) +
             shell::Get(texts::azimuthal::kTonneSuffix);
    case Projection::Stereographic:
      return shell::Get(texts::azimuthal::kTitleStereographic);
    case Projection::Orthographic:
      return shell::Get(texts::azimuthal::kTitleOrthographic);
    case Projection::EqualDistances: break;
  }
  return shell::Get(texts::azimuthal::kTitleAzimuthal);
}

std::string SiteLine(const shell::SiteSettings& s) {
  return shell::Get(texts::azimuthal::kLatitude) + FormatReal(5, 2, s.latitude) +
         shell::Get(texts::azimuthal::kDegreeUnit) + shell::Get(texts::azimuthal::kLongitude) +
         FormatReal(5, 2, s.longitude) + shell::Get(texts::azimuthal::kDegreeUnit);
}

std::string TimeLine(const AzimuthalDial& d) {
  const auto& p = d.params;
  std::string line =
      shell::Get(p.zoneTime ? texts::azimuthal::kZoneTime : texts::azimuthal::kLocalTime) + " ";
  if (p.altitudeWithEot) {
    line += shell::Get(texts::azimuthal::kWithEot);
    if (p.zoneTime) line += " = " + shell::Get(texts::azimuthal::kCivilTime);
  } else {
    line += shell::Get(texts::azimuthal::kWithoutEot);
    if (!p.zoneTime) line += " = " + shell::Get(texts::azimuthal::kApparentTime);
  }
  if (d.variant == 1 && !p.zoneTime && !p.altitudeWithEot)
    line += shell::Get(texts::azimuthal::kApparentTimeShort);
  return line;
}

std::string PlateLine(const AzimuthalDial& d) {
  return shell::Get(texts::azimuthal::kDiameter) + " = " +
         FormatReal(5, 1, d.params.basePlateDiameter) + " mm";
}

std::string AdditionalLine(const AzimuthalDial& d) {
  if (d.additionalSystems.empty()) return {};
  std::string line = shell::Get(texts::azimuthal::kAdditionally);
  for (std::size_t i = 0; i < d.additionalSystems.size(); ++i) {
    if (i > 0) line += ", ";
    switch (d.additionalSystems[i]) {
      case HourSystem::Temporal:
        line += shell::Get(texts::azimuthal::kTemporalHours);
        break;
      case HourSystem::Babylonian:
        line += shell::Get(texts::azimuthal::kBabylonianHours);
        break;
      case HourSystem::Italian:
        line += shell::Get(texts::azimuthal::kItalianHours);
        break;
      case HourSystem::Ordinary: break;
    }
  }
  return line;
}

std::string NoteLine(const AzimuthalDial& d) {
  return shell::Get(d.variant == 1 && d.projection == Projection::Tonne
                        ? texts::azimuthal::kDomeNote
                        : texts::azimuthal::kPointerNote);
}

// The Wingdings characters of the two zodiac signs that begin at sign
// boundary `k` (entry 6 k of the declination table, ecliptic longitude
// 90 + 30 k and 90 - 30 k degrees); Aries is character 94.
std::string SignSymbols(int k) {
  const int a = (3 + k) % 12, b = ((3 - k) % 12 + 12) % 12;
  std::string s(1, static_cast<char>(94 + a));
  if (b != a) s += static_cast<char>(94 + b);
  return s;
}

// ---- the canvas ------------------------------------------------------------------

struct Canvas {
  PlotSink& sink;
  const AzimuthalDial& dial;
  const shell::ColorSet& colors;
  const Plate& plate;
  bool screen;
  int width, height, m;
  int lw;

  output::Color C(int n) const { return colors.Color(n); }
  void Pen(output::Color c, int w) { draw::SetPen(sink, c, std::max(1, w)); }
  void Font(const char* face, int h, output::Color c, bool bold = false) {
    draw::SetFont(sink, h, c, bold, face);
  }
  int Xi(const DirPoint& p) const { return Rnd(plate.X(p)); }
  int Yi(const DirPoint& p) const { return Rnd(plate.Y(p)); }
  void Chains(LineKind kind) {
    for (const Chain& c : dial.chains) {
      if (c.kind != kind) continue;
      DrawChain(c);
    }
  }
  void DrawChain(const Chain& c) {
    const DirPoint* b = dial.Begin(c);
    const DirPoint* e = dial.End(c);
    if (b == e) return;
    const int width = lw + c.widthAdd;
    bool below = b->belowHorizon;
    Pen(C(below ? 11 : c.colour), width);
    sink.MoveTo(Xi(*b), Yi(*b));
    if (b + 1 == e) sink.LineTo(Xi(*b) + 1, Yi(*b));
    for (const DirPoint* p = b + 1; p != e; ++p) {
      // A piece where the sun is behind the local horizon: colour 11.
      const bool seg = p->belowHorizon || (p - 1)->belowHorizon;
      if (seg != below) {
        below = seg;
        Pen(C(below ? 11 : c.colour), width);
      }
      sink.LineTo(Xi(*p), Yi(*p));
    }
  }
};

void DrawRefusal(Canvas& c) {
  c.Font("Times", 30, c.C(4), true);
  c.sink.TextOut(c.width / 25 + c.m, c.height / 25 + c.m,
                 shell::Get(texts::azimuthal::kTitleAzimuthal));
  c.Font("Times", 30, c.C(4));
  c.sink.TextOut(c.width / 8 + c.m, c.height / 2 - 45,
                 shell::Get(texts::azimuthal::kTemporalRefused));
  c.sink.TextOut(c.width / 5 + c.m, c.height / 2, shell::Get(texts::azimuthal::kNotConstructed));
}

// Compass words about the cross: south above (north below in the south),
// west right and east left of its ends.
void DrawCompass(Canvas& c, double half, int fh) {
  const int xc = Rnd(c.plate.xc), yc = Rnd(c.plate.yc), h = Rnd(half);
  c.Pen(c.C(4), 1);
  c.sink.MoveTo(xc - h, yc);
  c.sink.LineTo(xc + h, yc);
  c.sink.MoveTo(xc, yc - h);
  c.sink.LineTo(xc, yc + h);
  c.Font("Arial", fh, c.C(4));
  if (c.dial.site.latitude >= 0) {
    c.sink.TextOut(xc - 10, yc - h - c.sink.TextHeight("S"), shell::Get(texts::azimuthal::kSouth));
  } else {
    c.sink.TextOut(xc - 10, yc + h, shell::Get(texts::azimuthal::kNorth));
  }
  c.sink.TextOut(xc + h + (c.screen ? 5 : 50) - (c.screen ? 0 : 0), yc - fh / 2,
                 shell::Get(texts::azimuthal::kWest));
  const std::string east = shell::Get(texts::azimuthal::kEast);
  c.sink.TextOut(xc - h - (c.screen ? 5 : 30) - c.sink.TextWidth(east), yc - fh / 2, east);
}

void DrawLegend(Canvas& c, int titleHeight, int fh, double x) {
  const int lx = Rnd(x);
  const int y0 = c.height / 25 + c.m;
  c.Font("Arial", titleHeight, c.C(4), true);
  c.sink.TextOut(lx, y0, Title(c.dial));
  c.Font("Arial", fh, c.C(4));
  c.sink.TextOut(lx, y0 + 2 * fh, SiteLine(c.dial.site));
  c.sink.TextOut(lx, Rnd(y0 + 3.2 * fh), TimeLine(c.dial));
  c.sink.TextOut(lx, Rnd(y0 + 4.4 * fh), PlateLine(c.dial));
  const std::string extra = AdditionalLine(c.dial);
  if (!extra.empty()) c.sink.TextOut(lx, Rnd(y0 + 5.6 * fh), extra);
}

void DrawLowLatitudeWarning(Canvas& c, int fh) {
  if (!c.dial.lowLatitude) return;
  c.Font("Arial", fh, c.C(4), true);
  c.sink.TextOut(c.width / 5 + c.m, c.height - c.m - 2 * fh,
                 shell::Get(texts::azimuthal::kLowLatitude));
}

void DrawHourLabels(Canvas& c, int fh, double labelRadius, double axisHalf) {
  for (const HourLabel& l : c.dial.hourLabels) {
    const std::string text = std::to_string(l.hour);
    c.Font("Arial", fh, c.C(l.colour), true);
    const int tw = c.sink.TextWidth(text), th = c.sink.TextHeight(text);
    double x, y;
    const double sinA = astro::SinDeg(l.at.azimuth), cosA = astro::CosDeg(l.at.azimuth);
    if (l.onAxis) {
      // On the horizontal axis, on the side of the shadow.
      x = c.plate.xc + (sinA < 0 ? axisHalf : -axisHalf);
      y = c.plate.yc - th - 2;
    } else {
      const double r = c.dial.variant == 0 ? labelRadius : c.plate.Radius(l.at.param) + fh;
      x = c.plate.xc - r * sinA;
      y = c.plate.yc + r * cosA;
    }
    c.sink.TextOut(Rnd(x - tw / 2.0), Rnd(y - th / 2.0), text);
  }
}

// The arc of a ring from the shadow at sunrise to that at sunset through the
// noon shadow.
void DrawRing(Canvas& c, const Ring& r) {
  if (r.polarNight) return;
  const double rad = c.plate.Radius(r.param);
  const int x1 = Rnd(c.plate.xc - rad), y1 = Rnd(c.plate.yc - rad);
  const int x2 = Rnd(c.plate.xc + rad), y2 = Rnd(c.plate.yc + rad);
  c.Pen(c.C(r.colour), c.lw);
  if (r.polarDay) {
    c.sink.SetBrushStyle(output::BrushStyle::Clear);
    c.sink.Ellipse(x1, y1, x2, y2);
    return;
  }
  const DirPoint rise{r.riseAzimuth, r.param, false}, set{r.setAzimuth, r.param, false};
  // Counter-clockwise as seen: from sunset to sunrise passes the bottom of
  // the plate, from sunrise to sunset its top.
  const DirPoint& from = r.noonShadowDown ? set : rise;
  const DirPoint& to = r.noonShadowDown ? rise : set;
  c.sink.Arc(x1, y1, x2, y2, c.Xi(from), c.Yi(from), c.Xi(to), c.Yi(to));
}

}  // namespace

double Plate::X(const DirPoint& p) const {
  return xc - Radius(p.param) * astro::SinDeg(p.azimuth);
}

double Plate::Y(const DirPoint& p) const {
  const double dy = Radius(p.param) * astro::CosDeg(p.azimuth);
  return yUp ? yc - dy : yc + dy;
}

Plate DateCirclePlate(const AzimuthalDial& dial, int W, int H, bool screen) {
  Plate pl;
  pl.variant = 0;
  const double d = dial.params.basePlateDiameter;
  const int m = screen ? 0 : 50;
  const double R0 = screen ? Rnd(H * d / 210.0 / 2.0) : Rnd(d * 10.0 / 2.0);
  const double b = R0 / 480.0 * 365.0 / 410.0;
  pl.outer = Rnd(R0 - 45.0 * b);
  pl.inner = Rnd(pl.outer - 365.0 * b);
  pl.span = dial.zodiacRings ? pl.outer - pl.inner : 365.0 * b;
  pl.xc = Rnd(0.57 * W) + m;
  pl.yc = H / 2 + m - Rnd((pl.outer - pl.inner) / 365.0 * 10.0);
  return pl;
}

Plate AltitudeCirclePlate(const AzimuthalDial& dial, int W, int H, bool screen) {
  Plate pl;
  pl.variant = 1;
  pl.projection = dial.projection;
  const double d = dial.params.basePlateDiameter;
  const int m = screen ? 0 : 50;
  const int f = screen ? 14 : 33;
  if (screen) {
    // The Tonne plate leaves room for two font heights of labels (at least
    // half the plate stays).
    const double dd = dial.projection == Projection::Tonne ? std::max(d - 2.0 * f, d / 2) : d;
    pl.R = Rnd(dd / 2.0 * H / 210.0);
  } else {
    pl.R = Rnd(d * 10.0 / 2.0);
  }
  const double half = pl.R + 2.0 * f;
  const int sigma = dial.site.latitude >= 0 ? 1 : -1;
  pl.xc = Rnd(0.57 * W) + m;
  pl.yc = (H + sigma * f) / 2 + m;
  if (!screen && H + f < 2 * half) pl.yc = H / 2;
  return pl;
}

Plate DateCirclePlotPlate(const AzimuthalDial& dial, int S) {
  Plate pl;
  pl.variant = 0;
  pl.yUp = true;
  const double R0 = Rnd(dial.params.basePlateDiameter * 40.0 * S / 2.0);
  const double b = Rnd(R0 * 0.75 / 410.0);
  pl.outer = R0 - 45.0 * b;
  pl.inner = R0 - 410.0 * b;
  pl.span = 365.0 * b;  // also the zodiac scale: k = 365 b / 2 eps
  pl.xc = 7300.0 * S;
  pl.yc = 5300.0 * S;
  return pl;
}

Plate AltitudeCirclePlotPlate(const AzimuthalDial& dial, int S) {
  Plate pl;
  pl.variant = 1;
  pl.yUp = true;
  pl.projection = dial.projection;
  pl.R = Rnd(dial.params.basePlateDiameter * 40.0 * S / 2.0);
  pl.xc = Rnd(0.57 * output::kPlotWindowWidth) * static_cast<double>(S);
  pl.yc = output::kPlotWindowHeight / 2.0 * S;
  return pl;
}

void DrawAzimuthalDial(PlotSink& sink, const AzimuthalDial& dial, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const Plate plate = DateCirclePlate(dial, W, H, screen);
  Canvas c{sink, dial, colors, plate, screen, W, H, screen ? 0 : 50,
           std::max<int>(1, colors.lineWidth)};
  const int fh = screen ? 14 : 33;
  if (dial.refused) {
    DrawRefusal(c);
    return;
  }
  // Frame.
  c.Pen(c.C(4), c.lw);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  sink.Rectangle(c.m, c.m, W - c.m, H - c.m);
  const double half = plate.outer + 2.0 * fh;
  DrawCompass(c, half, fh);

  // Rings, with "1/" + month at the odd months left of the centre (or the
  // zodiac signs at their beginnings).
  for (const Ring& r : dial.rings) DrawRing(c, r);
  for (const Ring& r : dial.rings) {
    const double rad = plate.Radius(r.param);
    if (dial.zodiacRings) {
      if (r.sign < 0) continue;
      c.Font("Wingdings", fh, c.C(4));
      const std::string s = SignSymbols(r.sign);
      sink.TextOut(Rnd(plate.xc - rad - sink.TextWidth(s) / 2.0), Rnd(plate.yc + 2), s);
    } else if (r.month % 2 == 1) {
      c.Font("Arial", fh * 4 / 5, c.C(4));
      const std::string s = "1/" + std::to_string(r.month);
      sink.TextOut(Rnd(plate.xc - rad - sink.TextWidth(s) / 2.0), Rnd(plate.yc + 2), s);
    }
  }
  // Sunrise and sunset, then the hour lines.
  c.Chains(LineKind::SunriseCurve);
  c.Chains(LineKind::SunsetCurve);
  c.Chains(LineKind::Hour);
  DrawHourLabels(c, fh, plate.outer + fh, half + fh);

  DrawLegend(c, screen ? 20 : 45, screen ? 14 : 35, W / 25.0 + c.m);
  // The pointer note, the two sample lines, the low-latitude warning.
  c.Font("Arial", Rnd(1.1 * fh), output::kRed);
  sink.TextOut(Rnd(0.75 * W) + c.m + 15, Rnd(H - c.m - 1.2 * fh * 1.1 - fh), NoteLine(dial));
  const int sx = W / 25 + c.m, sl = screen ? 30 : 100;
  for (int k = 0; k < 2; ++k) {
    const int colour = k == 0 ? 7 : 6;
    const int y = Rnd(H - c.m - (k == 0 ? 5.0 : 3.8) * fh);
    c.Pen(c.C(colour), c.lw + 1);
    sink.MoveTo(sx, y + fh / 2);
    sink.LineTo(sx + sl, y + fh / 2);
    c.Font("Arial", fh, c.C(4));
    const texts::TextId what =
        dial.zodiacRings ? (k == 0 ? texts::azimuthal::kSignStart : texts::azimuthal::kSignMiddle)
                         : (k == 0 ? texts::azimuthal::kMonthStart : texts::azimuthal::kMidMonth);
    sink.TextOut(sx + sl + 5, y, shell::Get(texts::azimuthal::kSampleEquals) + shell::Get(what));
  }
  DrawLowLatitudeWarning(c, fh);
}

void DrawAltitudeCircleDial(PlotSink& sink, const AzimuthalDial& dial,
                            const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const Plate plate = AltitudeCirclePlate(dial, W, H, screen);
  Canvas c{sink, dial, colors, plate, screen, W, H, screen ? 0 : 50,
           std::max<int>(1, colors.lineWidth)};
  const int fh = screen ? 14 : 33;
  const double half = plate.R + 2.0 * fh;
  c.Pen(c.C(1), c.lw);
  sink.SetBrushStyle(output::BrushStyle::Clear);
  sink.Rectangle(c.m, c.m, W - c.m, H - c.m);
  DrawCompass(c, half, fh);

  // Altitude circles every 10 degrees; 0 is the outline in colour 4.
  const bool smallTonne = dial.projection == Projection::Tonne && dial.params.basePlateDiameter < 110;
  for (int h = 0; h <= 80; h += 10) {
    const double r = plate.Radius(h);
    c.Pen(c.C(h == 0 ? 4 : 9), 1);
    sink.Ellipse(Rnd(plate.xc - r), Rnd(plate.yc - r), Rnd(plate.xc + r), Rnd(plate.yc + r));
    if (h >= 20 && h % 20 == 0) {
      c.Font("Arial", smallTonne ? Rnd(0.8 * fh) : fh, c.C(9));
      const std::string s = FormatReal(2, 0, h);
      sink.TextOut(Rnd(plate.xc) + 3, Rnd(plate.yc - r) - sink.TextHeight(s), s);
    }
  }
  // Azimuth ticks every 10 degrees, every third one longer.
  c.Pen(c.C(9), 1);
  for (int i = 1; i <= 36; ++i) {
    const double A = 10.0 * i;
    const DirPoint outer{A, 0, false}, inner{A, i % 3 == 0 ? 80.0 : 70.0, false};
    sink.MoveTo(c.Xi(outer), c.Yi(outer));
    sink.LineTo(c.Xi(inner), c.Yi(inner));
  }
  // The celestial pole on the stereographic dial.
  if (dial.projection == Projection::Stereographic) {
    const DirPoint pole{dial.site.latitude >= 0 ? 180.0 : 0.0, std::fabs(dial.site.latitude), false};
    const int px = c.Xi(pole), py = c.Yi(pole), k = screen ? 4 : 12;
    c.Pen(c.C(4), 1);
    sink.MoveTo(px - k, py);
    sink.LineTo(px + k + 1, py);
    sink.MoveTo(px, py - k);
    sink.LineTo(px, py + k + 1);
    c.Font("Arial", fh, c.C(4));
    sink.TextOut(px + k, py - fh, "P");
  }
  // The local horizon: a closed outline in colour 4.
  if (!dial.horizon.empty()) {
    c.Pen(c.C(4), c.lw);
    sink.MoveTo(c.Xi(dial.horizon.back()), c.Yi(dial.horizon.back()));
    for (const DirPoint& p : dial.horizon) sink.LineTo(c.Xi(p), c.Yi(p));
  }
  c.Chains(LineKind::Declination);
  c.Chains(LineKind::Hour);
  DrawHourLabels(c, fh, 0, half);

  DrawLegend(c, screen ? 20 : 45, screen ? 14 : 35, W / 25.0);
  c.Font("Arial", Rnd(1.1 * fh), output::kRed);
  sink.TextOut(c.m + 10, Rnd(H - c.m - 1.5 * fh - fh), NoteLine(dial));
  DrawLowLatitudeWarning(c, fh);
}

// ---- the plot files --------------------------------------------------------------

namespace {

using draw::SizeText;
using draw::XY;

std::string Trimmed(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  return a == std::string::npos ? std::string() : s.substr(a);
}

class PlotOut {
 public:
  PlotOut(output::HpglWriter& w, const AzimuthalDial& dial, const Plate& plate)
      : w_(w), dial_(dial), plate_(plate), S_(w.PlotScale()) {}

  double S() const { return S_; }
  void Pen(int n) {
    if (n == pen_) return;
    w_.Put(";SP " + std::to_string(n));
    pen_ = n;
  }
  void Label(double x, double y, const std::string& text) {
    w_.Put(";PU " + XY(x, y) + ";");
    w_.PutLabel(text);
  }
  void Size(double wcm, double hcm) { w_.Put(";" + SizeText(wcm * S_, hcm * S_)); }
  void Segment(double x1, double y1, double x2, double y2) {
    w_.Put(";PU " + XY(x1, y1) + ";PD " + XY(x2, y2));
  }
  void Circle(double r) { w_.Put(";PU " + XY(plate_.xc, plate_.yc) + ";CI " + output::FormatCoordinate(r)); }

  void Chains(LineKind kind) {
    for (const Chain& c : dial_.chains) {
      if (c.kind != kind || c.count == 0) continue;
      const DirPoint* b = dial_.Begin(c);
      bool below = b->belowHorizon;
      Pen(below ? 11 : c.colour);
      std::string text = ";PU " + XY(plate_.X(*b), plate_.Y(*b)) + ";PD";
      for (const DirPoint* p = b + 1; p != dial_.End(c); ++p) {
        const bool seg = p->belowHorizon || (p - 1)->belowHorizon;
        if (seg != below) {
          w_.Put(text);
          below = seg;
          Pen(below ? 11 : c.colour);
          text = ";PU " + XY(plate_.X(*(p - 1)), plate_.Y(*(p - 1))) + ";PD";
        }
        text += " " + XY(plate_.X(*p), plate_.Y(*p));
      }
      if (c.count == 1) text += " " + XY(plate_.X(*b) + S_, plate_.Y(*b));
      w_.Put(text);
    }
  }

  void Compass(double half, double fh) {
    Pen(4);
    Segment(plate_.xc - half, plate_.yc, plate_.xc + half, plate_.yc);
    Segment(plate_.xc, plate_.yc - half, plate_.xc, plate_.yc + half);
    Size(0.2, 0.3);
    if (dial_.site.latitude >= 0) {
      Label(plate_.xc - 40 * S_, plate_.yc + half + 40 * S_, shell::Get(texts::azimuthal::kSouth));
    } else {
      Label(plate_.xc - 40 * S_, plate_.yc - half - fh, shell::Get(texts::azimuthal::kNorth));
    }
    Label(plate_.xc + half + 80 * S_, plate_.yc - fh / 2, shell::Get(texts::azimuthal::kWest));
    Label(plate_.xc - half - 420 * S_, plate_.yc - fh / 2, shell::Get(texts::azimuthal::kEast));
  }

  void HourLabels(double labelRadius, double axisHalf, double fh) {
    Size(0.2, 0.3);
    for (const HourLabel& l : dial_.hourLabels) {
      Pen(l.colour);
      const double sinA = astro::SinDeg(l.at.azimuth), cosA = astro::CosDeg(l.at.azimuth);
      double x, y;
      if (l.onAxis) {
        x = plate_.xc + (sinA < 0 ? axisHalf : -axisHalf);
        y = plate_.yc + 40 * S_;
      } else {
        const double r = dial_.variant == 0 ? labelRadius : plate_.Radius(l.at.param) + fh;
        x = plate_.xc - r * sinA;
        y = plate_.yc - r * cosA;
      }
      Label(x - 60 * S_, y - fh / 2, std::to_string(l.hour));
    }
  }

  void Legend(double x, double y) {
    Pen(4);
    Size(0.3, 0.4);
    Label(x, y, Title(dial_));
    Size(0.15, 0.24);
    Label(x, y - 200 * S_, SiteLine(dial_.site));
    Label(x, y - 400 * S_, TimeLine(dial_));
    Label(x, y - 600 * S_, PlateLine(dial_));
    const std::string extra = AdditionalLine(dial_);
    if (!extra.empty()) Label(x, y - 800 * S_, extra);
  }

 private:
  output::HpglWriter& w_;
  const AzimuthalDial& dial_;
  const Plate& plate_;
  double S_;
  int pen_ = -1;
};

}  // namespace

void PlotAzimuthalDial(output::HpglWriter& w, const AzimuthalDial& dial) {
  const Plate plate = DateCirclePlotPlate(dial, w.PlotScale());
  PlotOut out(w, dial, plate);
  const double S = out.S();
  w.Put(output::kShortHeaderPa);
  // The title and the legend lines at the top left.
  w.Put(";SP 1;" + SizeText(0.3 * S, 0.4 * S) + ";PU " + XY(200 * S, 10500 * S) + ";");
  w.PutLabel(Title(dial));
  w.Put(";" + SizeText(0.15 * S, 0.24 * S) + ";PU " + XY(200 * S, 10300 * S) + ";");
  w.PutLabel(SiteLine(dial.site));
  w.Put(";PU " + XY(200 * S, 10100 * S) + ";");
  w.PutLabel(TimeLine(dial));
  w.Put(";PU " + XY(200 * S, 9900 * S) + ";");
  w.PutLabel(PlateLine(dial));
  if (!dial.refused) {
    const double fh = 120 * S;
    const double half = plate.outer + 2 * fh;
    out.Compass(half, fh);
    // Rings: arcs from the shadow at sunrise to that at sunset through noon.
    for (const Ring& r : dial.rings) {
      if (r.polarNight) continue;
      out.Pen(r.colour);
      const double rad = plate.Radius(r.param);
      if (r.polarDay) {
        out.Circle(rad);
        continue;
      }
      const DirPoint rise{r.riseAzimuth, r.param, false}, set{r.setAzimuth, r.param, false};
      const DirPoint& from = r.noonShadowDown ? set : rise;
      const DirPoint& to = r.noonShadowDown ? rise : set;
      // Angles as seen on the page, counter-clockwise positive.
      auto seen = [&](const DirPoint& p) {
        return astro::Degrees(std::atan2(plate.Y(p) - plate.yc, plate.X(p) - plate.xc));
      };
      double sweep = std::fmod(seen(to) - seen(from), 360.0);
      if (sweep <= 0) sweep += 360.0;
      w.Put(";PU " + XY(plate.X(from), plate.Y(from)) + ";PD;AA " +
            output::FormatCoordinate(plate.xc) + "," + output::FormatCoordinate(plate.yc) + "," +
            Trimmed(output::FormatPlotReal(7, 2, sweep)) + ";PU");
    }
    out.Size(0.15, 0.24);
    for (const Ring& r : dial.rings) {
      if (dial.zodiacRings || r.month % 2 == 0) continue;
      out.Pen(4);
      out.Label(plate.xc - plate.Radius(r.param) - 80 * S, plate.yc + 30 * S,
                "1/" + std::to_string(r.month));
    }
    out.Chains(LineKind::SunriseCurve);
    out.Chains(LineKind::SunsetCurve);
    out.Chains(LineKind::Hour);
    out.HourLabels(plate.outer + fh, half + fh, fh);
  }
  w.Put(output::kTrailerPenAwayTight);
}

void PlotAltitudeCircleDial(output::HpglWriter& w, const AzimuthalDial& dial) {
  const Plate plate = AltitudeCirclePlotPlate(dial, w.PlotScale());
  PlotOut out(w, dial, plate);
  const double S = out.S();
  const double fh = 120 * S;
  w.PutStandardHeader();
  out.Legend(400 * S, 10500 * S);
  const double half = plate.R + 2 * fh;
  out.Compass(half, fh);
  for (int h = 0; h <= 80; h += 10) {
    out.Pen(h == 0 ? 4 : 9);
    out.Circle(plate.Radius(h));
  }
  out.Pen(9);
  out.Size(0.15, 0.24);
  for (int h = 20; h <= 80; h += 20) {
    out.Label(plate.xc + 30 * S, plate.yc + plate.Radius(h) + 20 * S, FormatReal(2, 0, h));
  }
  for (int i = 1; i <= 36; ++i) {
    const double A = 10.0 * i;
    const DirPoint outer{A, 0, false}, inner{A, i % 3 == 0 ? 80.0 : 70.0, false};
    out.Segment(plate.X(outer), plate.Y(outer), plate.X(inner), plate.Y(inner));
  }
  if (dial.projection == Projection::Stereographic) {
    const DirPoint pole{dial.site.latitude >= 0 ? 180.0 : 0.0, std::fabs(dial.site.latitude), false};
    const double px = plate.X(pole), py = plate.Y(pole), k = 60 * S;
    out.Pen(4);
    out.Segment(px - k, py, px + k, py);
    out.Segment(px, py - k, px, py + k);
    out.Label(px + k, py + 20 * S, "P");
  }
  if (!dial.horizon.empty()) {
    out.Pen(4);
    std::string text = ";PU " + XY(plate.X(dial.horizon.back()), plate.Y(dial.horizon.back())) + ";PD";
    for (const DirPoint& p : dial.horizon) text += " " + XY(plate.X(p), plate.Y(p));
    w.Put(text);
  }
  out.Chains(LineKind::Declination);
  out.Chains(LineKind::Hour);
  out.HourLabels(0, half + fh, fh);
  out.Pen(4);
  out.Size(0.15, 0.24);
  out.Label(400 * S, 400 * S, NoteLine(dial));
  w.Put(output::kTrailerWindow);
}

}  // namespace kelvra::dials::azimuthal
