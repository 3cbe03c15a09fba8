#include "calc/graphs/sun_path_draw.h"

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "calc/graphs/graph_plot_sink.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/graphs.h"

namespace kelvra::calc::graphs {

namespace {

namespace tg = texts::graphs;
using output::PlotSink;
using output::Point;

int Round(double x) { return static_cast<int>(std::lround(x)); }

// Colour and pen together: the canvas takes the ColorSet colour, a plot file
// the pen of that number.
class Pens {
 public:
  Pens(PlotSink& sink, const shell::ColorSet& colors)
      : sink_(sink), colors_(colors), plot_(dynamic_cast<GraphPlotSink*>(&sink)) {}

  void Use(int colour, int width) {
    sink_.SetPen({colors_.Color(colour), width});
    if (plot_) plot_->SelectPen(colour);
  }
  // Text in colour `colour`.
  void Text(int colour) {
    sink_.SetFontColor(colors_.Color(colour));
    if (plot_) plot_->SelectPen(colour);
  }

 private:
  PlotSink& sink_;
  const shell::ColorSet& colors_;
  GraphPlotSink* plot_;
};

// Draws the valid stretches of `line`, each segment in SegmentColour.
// `breakAtSeam` breaks the line where it crosses north (azimuth +-180).
template <class Project>
void DrawSkyLine(PlotSink& sink, Pens& pens, const SkyLine& line, const GraphInputs& in,
                 const Project& project, bool breakAtSeam) {
  bool have = false;
  SkyPoint prev;
  Point prevXy;
  int colour = -1;
  for (const SkyPoint& p : line.points) {
    if (!p.valid) {
      have = false;
      continue;
    }
    const Point xy = project(p);
    if (have && !(breakAtSeam && std::abs(p.azimuth - prev.azimuth) > 180)) {
      const int c = SegmentColour(line, p, in);
      if (c != colour) {
        pens.Use(c, line.width);
        colour = c;
        sink.MoveTo(prevXy.x, prevXy.y);
      }
      sink.LineTo(xy.x, xy.y);
    } else {
      sink.MoveTo(xy.x, xy.y);
    }
    have = true;
    prev = p;
    prevXy = xy;
  }
}

std::string CharactersFrom(const std::string& text, std::size_t first, std::size_t count) {
  return first < text.size() ? text.substr(first, count) : std::string();
}

// " WOZ am Zonenmeridian" ... : the kind of the hours.
std::string HoursKind(const GraphInputs& in) {
  if (in.settings.graphHoursWithEot) {
    return shell::Get(in.zoneTime ? tg::kCivilTime : tg::kLocalMeanTime);
  }
  return shell::Get(in.zoneTime ? tg::kApparentZone : tg::kLocalApparent);
}

std::string SpanText(const GraphInputs& in) {
  return shell::Get(tg::kSpanTexts[in.settings.graphHoursWithEot ? in.settings.sunPathSpan : 0]);
}

// The time kind of the plane's light.
std::string PlaneTimeKind(const GraphInputs& in) {
  return shell::Get(in.zoneTime ? tg::kLocalApparent : tg::kApparentZone);
}

// The plane legend: heading, wall declination, inclination, time kind.
void DrawPlaneLegend(PlotSink& sink, int x, int y, int lineHeight, const GraphInputs& in) {
  const std::string degrees = shell::Get(tg::kDegrees);
  sink.TextOut(x, y, shell::Get(tg::kPlaneHeading));
  sink.TextOut(x, y + lineHeight,
               shell::Get(tg::kWallDeclination) + " = " +
                   shell::FormatReal(5, 1, in.wallDeclination) + degrees);
  sink.TextOut(x, y + 2 * lineHeight,
               shell::Get(tg::kInclination) + " = " + shell::FormatReal(5, 1, in.inclination) +
                   degrees);
  sink.TextOut(x, y + 3 * lineHeight, PlaneTimeKind(in));
}

// Sets `font` on the sink, brought down a step at a time (to `smallest` at
// the least) until `text` fits `room` units: a long title or light line on a
// narrow picture stays readable instead of running past the frame.
void SetFontFitting(PlotSink& sink, output::Font font, const std::string& text, int room,
                    int smallest) {
  sink.SetFont(font);
  while (font.height > smallest && sink.TextWidth(text) > room) {
    font.height -= 1;
    sink.SetFont(font);
  }
}

}  // namespace

Point PolarFrame::Project(double altitude, double azimuth) const {
  const double rho = r0 - r0 * altitude / 90.0;
  const double z = astro::Radians(azimuth);
  return {Round(cx - rho * std::sin(z)), Round(cy + rho * std::cos(z))};
}

Point CartesianFrame::Project(double altitude, double azimuth) const {
  return {Round(left + (azimuth + 180.0) * kx), Round(axis - altitude * ky)};
}

PolarFrame PolarFrameFor(const GraphInputs& in, bool screen, int width, int height) {
  const int fh = screen ? 14 : 45;
  const int margin = screen ? 0 : 50;
  const int w = width - margin;
  const int h = height - margin;
  PolarFrame f;
  f.r0 = screen ? Round(8.0 * h / 21.0) : 800;
  const double r1 = f.r0 + 2 * fh;
  const int s = in.site.latitude >= 0 ? 1 : -1;
  f.cx = Round(0.57 * w) + margin;
  f.cy = (h + s * fh) / 2 + margin;
  if (!screen && h + fh < 2 * r1) f.cy = h / 2;
  return f;
}

CartesianFrame CartesianFrameFor(bool screen, int x0, int y0, int height, int width) {
  CartesianFrame f;
  f.left = x0 + Round(5.0 * width / 190.0) + 2;
  double V = 0;
  if (screen) {
    f.kx = Round(180.0 * width / 192.0) / 365.0;
    V = Round(0.8 * height);
    f.axis = y0 + Round(0.9 * height);
  } else {
    f.kx = (width - 100) / 375.0;
    V = Round(0.7 * height);
    f.axis = y0 + Round(0.85 * height);
  }
  f.ky = V / 90.0;
  return f;
}

std::string PlaneLightLine(const GraphInputs& in, const std::string& planeLightText) {
  return shell::Get(tg::kPlaneLightLine) + "(" + PlaneTimeKind(in) + "  ) " + planeLightText;
}

SunPathDiagram DrawPolarSunPath(PlotSink& sink, const GraphInputs& in, int width, int height) {
  const bool screen = sink.IsScreen();
  const int fh = screen ? 14 : 45;
  const int margin = screen ? 0 : 50;
  const int w = width - margin;
  const int h = height - margin;
  const double latitude = in.site.latitude;
  const PolarFrame f = PolarFrameFor(in, screen, width, height);
  const int cx = Round(f.cx);
  const int cy = Round(f.cy);
  const int R0 = Round(f.r0);
  const int R1 = R0 + 2 * fh;
  const int lw = in.colors.lineWidth;
  Pens pens(sink, in.colors);

  // Frame.
  output::Font font;
  font.face = "Arial";
  font.height = fh;
  sink.SetFont(font);
  if (screen) {
    sink.Clear();
    sink.SetPen({output::kBlack, 1});
    sink.SetBrush({output::kWhite, output::BrushStyle::Clear});
    sink.Rectangle(0, 0, width, height);
  } else {
    pens.Use(3, lw);
    sink.SetBrush({output::kWhite, output::BrushStyle::Clear});
    sink.Rectangle(margin, margin, w, h);
  }
  sink.SetBrush({output::kWhite, output::BrushStyle::Clear});

  // Grid: the cross and the direction names.
  pens.Use(3, lw);
  pens.Text(3);
  sink.MoveTo(cx - R1, cy);
  sink.LineTo(cx + R1, cy);
  sink.MoveTo(cx, cy - R1);
  sink.LineTo(cx, cy + R1);
  sink.TextOut(cx + R1 + fh, cy - 5 - fh / 2, CharactersFrom(shell::GetRaw(tg::kEast), 2, 5));
  sink.TextOut(cx - R1 - 3 * fh, cy - 5 - fh / 2, shell::Get(tg::kWest));
  if (latitude > 0) {
    sink.TextOut(cx - fh, Round(cy - R1 - 1.5 * fh), shell::Get(tg::kNorth).substr(1));
  } else {
    sink.TextOut(cx - fh, cy + R1 - fh, shell::Get(tg::kSouth).substr(1));
  }
  // Altitude circles and azimuth rays.
  pens.Use(8, lw);
  pens.Text(8);
  for (int i = 0; i <= 8; ++i) {
    const int r = Round(R0 - R0 * i / 9.0);
    sink.Circle(cx, cy, r);
    if (i % 2 == 0 && i > 0) {
      const std::string label = std::to_string(10 * i);
      if (latitude >= 0) {
        sink.TextOut(cx - fh - sink.TextWidth(label) / 2, cy - r, label);
      } else {
        sink.TextOut(cx - fh - sink.TextWidth(label) / 2, Round(cy + r - 1.2 * fh), label);
      }
    }
  }
  for (int a = 0; a < 360; a += 10) {
    const int inner = a % 30 == 0 ? 80 : 70;
    const Point p0 = f.Project(0, a);
    const Point p1 = f.Project(inner, a);
    sink.MoveTo(p0.x, p0.y);
    sink.LineTo(p1.x, p1.y);
  }
  // The degree scale.
  pens.Use(3, lw);
  for (int a = 0; a < 360; ++a) {
    const double inner = a % 30 == 0 ? 0 : a % 10 == 0 ? 0.6 : a % 5 == 0 ? 1.0 : 1.4;
    const double z = astro::Radians(a);
    const double r0 = R0 + inner * fh;
    const double r1 = R1 - 1;
    sink.MoveTo(Round(cx - r1 * std::sin(z)), Round(cy + r1 * std::cos(z)));
    sink.LineTo(Round(cx - r0 * std::sin(z)), Round(cy + r0 * std::cos(z)));
  }
  sink.Circle(cx, cy, R1 + 1);
  sink.Circle(cx, cy, R1 + 3);
  sink.Circle(cx, cy, R0);

  // The lines.
  const SunPathDiagram d = PolarSunPath(in);
  auto project = [&](const SkyPoint& p) { return f.Project(p.altitude, p.azimuth); };
  for (const SkyLine& line : d.outlines) DrawSkyLine(sink, pens, line, in, project, false);
  for (const SkyLine& line : d.dateLines) DrawSkyLine(sink, pens, line, in, project, false);
  for (const SkyLine& line : d.hourLines) DrawSkyLine(sink, pens, line, in, project, false);
  // Hour labels, one font height nearer the centre than the sun.
  pens.Text(1);
  for (const SkyLine& line : d.hourLines) {
    if (!line.labelAt) continue;
    const double rho = R0 - R0 * line.labelAt->altitude / 90.0 - fh;
    const double z = astro::Radians(line.labelAt->azimuth);
    double x = cx - rho * std::sin(z);
    double y = cy + rho * std::cos(z);
    if (latitude >= 0 && latitude < 25) y -= 1.2 * fh;
    else if (latitude < 0 && latitude > -30) y += 0.1 * fh;
    else if (latitude <= -30) y -= 0.6 * fh;
    const std::string label = std::to_string(Round(line.hour));
    const int top = latitude >= 0 ? Round(y - fh) : Round(y + 0.8 * fh - fh / 2.0);
    sink.TextOut(Round(x) - sink.TextWidth(label) / 2, top - sink.TextHeight(label) / 2, label);
  }

  // Legend.
  const int lx = (width - margin) / 25;
  const int ly = (height - margin) / 25;
  pens.Text(3);
  output::Font title = font;
  title.bold = true;
  title.height = screen ? 20 : 45;
  title.color = in.colors.Color(3);
  sink.SetFont(title);
  sink.TextOut(lx, ly, shell::Get(tg::kPolarTitle));
  output::Font legend = font;
  legend.height = screen ? 14 : 35;
  legend.color = in.colors.Color(3);
  sink.SetFont(legend);
  const int lh = legend.height;
  const std::string degrees = shell::Get(tg::kDegrees);
  sink.TextOut(lx, ly + 2 * lh,
               shell::Get(tg::kLatitudeIs) + shell::FormatReal(5, 2, latitude) + degrees +
                   shell::Get(tg::kLongitudeIs) + shell::FormatReal(5, 2, in.site.longitude) +
                   degrees);
  sink.TextOut(lx, Round(ly + 3.5 * lh),
               shell::Get(in.zoneTime ? tg::kZoneTime : tg::kLocalTime) + " " +
                   shell::Get(in.settings.graphHoursWithEot ? tg::kWithEot : tg::kWithoutEot) +
                   " = " + HoursKind(in));
  sink.TextOut(lx, ly + 5 * lh, CharactersFrom(SpanText(in), 2, 25));
  if (in.settings.planeSunshine) {
    DrawPlaneLegend(sink, lx, Round(ly + 7 * lh), Round(1.3 * lh), in);
    output::Font small = legend;
    small.height = screen ? 12 : 25;
    const std::string line = PlaneLightLine(in, d.planeLightText);
    SetFontFitting(sink, small, line, width - 2 * (margin + fh), small.height * 2 / 3);
    sink.TextOut(margin + fh, Round(h - 1.3 * small.height), line);
  }
  return d;
}

SunPathDiagram DrawCartesianSunPath(PlotSink& sink, const GraphInputs& in, int x0, int y0,
                                    int height, int width) {
  const bool screen = sink.IsScreen();
  const CartesianFrame f = CartesianFrameFor(screen, x0, y0, height, width);
  const int left = Round(f.left);
  const int right = Round(f.left + 360 * f.kx);
  const int axis = Round(f.axis);
  const int top = Round(f.axis - 90 * f.ky);
  const int tick = Round(2.5 * f.kx);
  Pens pens(sink, in.colors);

  // Frame.
  output::Font font;
  font.face = screen ? "Arial" : "Times New Roman";
  font.height = screen ? 16 : 45;
  font.color = in.colors.Color(3);
  sink.SetBrush({output::kWhite, output::BrushStyle::Clear});
  if (screen) {
    sink.SetBrush({output::kWhite, output::BrushStyle::Solid});
    sink.SetPen({output::kBlack, 1});
    sink.Rectangle(x0, y0, x0 + width, y0 + height);
    sink.SetPen({output::kBlack, 2});
    sink.MoveTo(x0 + width - 1, y0);
    sink.LineTo(x0 + width - 1, y0 + height - 1);
    sink.LineTo(x0, y0 + height - 1);
    sink.SetBrush({output::kWhite, output::BrushStyle::Clear});
  } else {
    pens.Use(3, 1);
    sink.Rectangle(x0, y0, x0 + width, y0 + height - 20);
  }

  // Title and the kind of the hours.
  const std::string degrees = shell::Get(tg::kDegrees);
  output::Font title = font;
  title.bold = true;
  const std::string heading =
      shell::Get(tg::kCartesianHeading) + std::to_string(in.site.year) + " (" +
      shell::Get(tg::kLatitudeIs) + shell::FormatReal(10, 4, in.site.latitude) + degrees +
      shell::Get(tg::kLongitudeIs) + shell::FormatReal(10, 4, in.site.longitude) + degrees +
      shell::Get(tg::kZoneMeridianIs) + shell::FormatReal(10, 4, in.site.zoneMeridian) + degrees +
      ")";
  SetFontFitting(sink, title, heading, x0 + width - left - (screen ? 4 : 20), title.height / 2);
  pens.Text(3);
  const int titleY = y0 + (screen ? 5 : 20);
  sink.TextOut(left, titleY, heading);
  output::Font text = font;
  text.height = screen ? 14 : (width < 2101 ? 30 : 42);
  sink.SetFont(text);
  const int th = text.height;
  sink.TextOut(left, Round(titleY + 1.5 * title.height), HoursKind(in) + SpanText(in));

  // Azimuth ticks, altitude ticks and lines with their labels.
  pens.Use(3, 1);
  for (int a = 0; a <= 360; ++a) {
    const int x = Round(f.left + a * f.kx);
    const int length = a % 30 == 0 ? axis - top
                       : a % 10 == 0 ? 3 * tick
                       : a % 5 == 0  ? Round(1.8 * tick)
                                     : tick;
    sink.MoveTo(x, axis);
    sink.LineTo(x, axis - length);
  }
  for (int alt = 0; alt <= 90; ++alt) {
    const int y = Round(f.axis - alt * f.ky);
    sink.MoveTo(left, y);
    sink.LineTo(left + (alt % 5 == 0 ? 2 * tick : tick), y);
    if (alt % 10 != 0) continue;
    sink.MoveTo(left, y);
    sink.LineTo(right, y);
    const std::string label = std::to_string(alt);
    sink.TextOut(left - 3 * tick - sink.TextWidth(label) / 2, y - sink.TextHeight(label) / 2,
                 label);
  }
  sink.TextOut(Round(left - 7 * f.kx), top - 2 * th, shell::Get(tg::kAltitudeAxis));
  const std::string north = shell::Get(tg::kNorth).substr(1);
  const std::string names[] = {north, CharactersFrom(shell::GetRaw(tg::kEast), 2, 5),
                               shell::Get(tg::kSouth).substr(1), shell::Get(tg::kWest), north};
  for (int k = 0; k < 5; ++k) {
    const int x = Round(f.left + 90 * k * f.kx);
    sink.TextOut(x - sink.TextWidth(names[k]) / 2, axis + tick, names[k]);
  }
  sink.TextOut(left + Round(12 * f.kx), axis + tick, shell::Get(tg::kAzimuthAxis));

  // Axes and the frame of the plot.
  pens.Use(3, 2);
  sink.Rectangle(left, top, right, axis);

  // The lines.
  const SunPathDiagram d = CartesianSunPath(in);
  auto project = [&](const SkyPoint& p) { return f.Project(p.altitude, p.azimuth); };
  for (const SkyLine& line : d.outlines) DrawSkyLine(sink, pens, line, in, project, true);
  for (const SkyLine& line : d.dateLines) DrawSkyLine(sink, pens, line, in, project, true);
  for (const SkyLine& line : d.hourLines) DrawSkyLine(sink, pens, line, in, project, true);

  if (in.settings.planeSunshine) {
    // The plane's legend in the north-east corner of the sky, where the sun
    // of a northern site never stands (the south-east corner for southern ones).
    sink.SetFont(text);
    pens.Text(3);
    const int legendY = top + th;
    const int legendX = Round(f.left + (in.site.latitude >= 0 ? 5 : 185) * f.kx);
    DrawPlaneLegend(sink, legendX, legendY, Round(1.3 * th), in);
    output::Font small = text;
    small.height = screen ? 11 : 25;
    const std::string line = PlaneLightLine(in, d.planeLightText);
    SetFontFitting(sink, small, line, x0 + width - left - (screen ? 4 : 20), small.height * 2 / 3);
    sink.TextOut(left, axis + tick + Round(1.5 * th), line);
  }
  return d;
}

void WritePolarSunPathPlot(output::HpglWriter& writer, const GraphInputs& in, int width,
                           int height) {
  writer.Put(";IN;SS;SI 0.16, 0.24;SP 4");
  GraphPlotSink sink(writer, width, height);
  DrawPolarSunPath(sink, in, width, height);
  writer.Put(";PU;SP 0;IN;");
}

void WriteCartesianSunPathPlot(output::HpglWriter& writer, const GraphInputs& in, int x0, int y0,
                               int width, int height) {
  writer.Put(";IN;SS;SI 0.14, 0.21;SP 4");
  GraphPlotSink sink(writer, x0 + width + 100, y0 + height + 100);
  DrawCartesianSunPath(sink, in, x0, y0, height, width);
  writer.Put(";PU;SP 0;IN;");
}

}  // namespace kelvra::calc::graphs
