#include "dials/biazimuthal/biazimuthal_renderer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "dials/worldmap/gnomonic.h"
#include "dials/worldmap/map_drawing.h"
#include "dials/worldmap/world_map.h"
#include "dials/worldmap/worldmap_texts.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "shell/resources.h"
#include "texts/biazimuthal.h"

namespace kelvra::dials::biazimuthal {

namespace {

namespace tx = texts::biazimuthal;
using shell::FormatReal;

std::string T(texts::TextId id) { return shell::Get(id); }
int Rnd(double x) { return output::RoundHalfEven(std::clamp(x, -1e8, 1e8)); }
std::string Num(double x, int decimals) {
  std::string s = FormatReal(decimals + 2, decimals, x);
  return s.substr(s.find_first_not_of(' '));
}
std::string XY(double x, double y) {
  return output::FormatCoordinate(x) + " " + output::FormatCoordinate(y);
}
std::string SizeText(double w, double h) {
  return "SI " + output::FormatPlotReal(5, 2, w) + "," + output::FormatPlotReal(5, 2, h);
}
std::string Place(const char* letter, const GeoPoint& p) {
  return std::string(letter) + "(" + Num(p.latitude, 2) + "/" + Num(p.longitude, 2) + ")";
}
std::string HourLabel(const HourLine& l) {
  return std::to_string(static_cast<int>(std::lround(l.clockTime)) % 24);
}
std::string DateLabel(const DateLine& l) {
  return std::to_string(l.day) + "." + std::to_string(l.month) + ".";
}
MapPoint LabelPoint(const std::vector<Chain>& chains) {
  const Chain* best = &chains.front();
  for (const Chain& c : chains)
    if (c.points.size() > best->points.size()) best = &c;
  return best->points[best->points.size() / 2];
}

constexpr int kDatePen = 5;
constexpr int kHourPen = 3;
constexpr int kPartHourPen = 8;
constexpr int kAxisPen = 4;
constexpr int kTextPen = 1;
constexpr int kCoastPen = 11;
constexpr int kBorderPen = 12;

// The map request with this dial's projection, in target units.
worldmap::MapRequest Request(const TwoPointMap& map, double ox, double oy, double unitsPerMm,
                             double w, double h) {
  worldmap::MapRequest r;
  r.originX = ox;
  r.originY = oy;
  r.pageWidth = w;
  r.pageHeight = h;
  r.custom = [&map, unitsPerMm](double latitude, double longitude, double& dx, double& dy) {
    const std::optional<MapPoint> p = map.Project({latitude, longitude});
    if (!p) return false;
    dx = p->x * unitsPerMm;
    dy = p->y * unitsPerMm;
    return true;
  };
  return r;
}

}  // namespace

std::vector<std::string> LegendLines(const BiazimuthalDial& d) {
  const std::string deg = T(tx::kDegrees);
  std::vector<std::string> lines{T(tx::kTitle)};
  std::string a = T(tx::kPositionA) + ": " + Place("A", d.siteA) + ", " + T(tx::kPlaneNames[d.plane]);
  if (d.plane != 0) a += ", " + T(tx::kDeviation) + " " + Num(d.wallDeclination, 2) + deg;
  if (d.plane == 2) a += ", " + T(tx::kInclination) + " " + Num(d.inclination, 2) + deg;
  lines.push_back(a);
  std::string b = T(tx::kPositionB) + ": " + Place("B", d.siteB) + ", " +
                  T(tx::kPlaneNames[d.secondVertical ? 1 : 0]);
  if (d.secondVertical) b += ", " + T(tx::kDeviation) + " " + Num(d.secondWallDeclination, 2) + deg;
  lines.push_back(b);
  if (d.map) {
    lines.push_back(T(tx::kPole) + Num(d.map->pole.latitude, 2) + " / " +
                    Num(d.map->pole.longitude, 2) + " );  " + T(tx::kScaleDistance) +
                    Num(-d.map->A().x, -d.map->A().x < 10 ? 2 : 0) + " mm");
  } else {
    lines.push_back(T(tx::kPoleNotComputed));
  }
  lines.push_back(T(tx::kHourLines) +
                  T(d.zoneTime ? tx::kZoneTimeNoDst
                               : (d.meanTime ? tx::kLocalMeanTime : tx::kLocalApparentTime)) +
                  (d.zoneTime ? "" : T(d.timeOfA ? tx::kOfPositionA : tx::kOfPositionB)));
  lines.push_back(T(tx::kReading));
  return lines;
}

void DrawBiazimuthalDial(output::PlotSink& sink, const BiazimuthalDial& d,
                         const CanvasPlacement& placement, const shell::ColorSet& colors,
                         const MapChoice& choice) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const double s = placement.pixelsPerMm;
  const output::Point o = placement.originSetByUser ? placement.origin : output::Point{W / 2, H / 2};
  auto X = [&](const MapPoint& p) { return Rnd(o.x + p.x * s); };
  auto Y = [&](const MapPoint& p) { return Rnd(o.y - p.y * s); };
  auto pen = [&](int colour, int width) {
    output::Pen p;
    p.color = colors.Color(colour);
    p.width = width;
    sink.SetPen(p);
  };
  auto poly = [&](const std::vector<MapPoint>& pts) {
    sink.MoveTo(X(pts.front()), Y(pts.front()));
    for (std::size_t i = 1; i < pts.size(); ++i) sink.LineTo(X(pts[i]), Y(pts[i]));
  };
  const int lw = std::max<int>(1, colors.lineWidth) * (screen ? 1 : 3);
  const int fh = screen ? 14 : 35;
  const int m = screen ? 2 : 50;
  sink.SetBrushStyle(output::BrushStyle::Clear);
  pen(kAxisPen, 1);
  sink.Rectangle(m, m, W - m, H - m);
  output::Font f;
  f.height = fh;
  f.color = colors.Color(kTextPen);
  sink.SetFont(f);
  if (d.map) {
    const TwoPointMap& map = *d.map;
    worldmap::MapRequest r = Request(map, o.x, o.y, s, W, H);
    const worldmap::WorldMap& world = worldmap::LoadWorldMap();
    if (choice.coastlines) {
      r.part = worldmap::MapPart::Coastlines;
      r.colour = colors.Color(kCoastPen);
      worldmap::DrawMap(sink, r, world, shell::CurrentMessageSink());
    }
    if (choice.borders) {
      r.part = worldmap::MapPart::Borders;
      r.colour = colors.Color(kBorderPen);
      worldmap::DrawMap(sink, r, world, shell::CurrentMessageSink());
    }
    pen(kAxisPen, lw);
    poly({map.A(), map.B()});
    const int c = std::max(4, fh / 2);
    for (const MapPoint& p : {map.A(), map.B(), MapPoint{}}) {
      sink.MoveTo(X(p) - c, Y(p));
      sink.LineTo(X(p) + c + 1, Y(p));
      sink.MoveTo(X(p), Y(p) - c);
      sink.LineTo(X(p), Y(p) + c + 1);
    }
    sink.SetFontColor(colors.Color(kAxisPen));
    sink.TextOut(X(map.A()) + 3, Y(map.A()) + 3, Place("A", d.siteA));
    sink.TextOut(X(map.B()) + 3, Y(map.B()) + 3, Place("B", d.siteB));
    sink.TextOut(o.x + 3, o.y + 3, "C");
    for (const DateLine& l : d.dateLines) {
      pen(kDatePen, lw);
      for (const Chain& ch : l.chains) poly(ch.points);
      const MapPoint at = LabelPoint(l.chains);
      sink.SetFontColor(colors.Color(kDatePen));
      sink.TextOut(X(at) + 2, Y(at) - fh / 2, DateLabel(l));
    }
    for (const HourLine& l : d.hourLines) {
      pen(l.full ? kHourPen : kPartHourPen, l.full ? lw + 1 : lw);
      for (const Chain& ch : l.chains) poly(ch.points);
      if (!l.full) continue;
      const MapPoint at = LabelPoint(l.chains);
      sink.SetFontColor(colors.Color(kHourPen));
      sink.TextOut(X(at) + 3, Y(at) - fh, HourLabel(l));
    }
  }
  sink.SetFontColor(colors.Color(kTextPen));
  const output::Point at = placement.legendSetByUser ? placement.legend
                                                     : output::Point{m + fh, m + fh / 2};
  int y = at.y;
  for (const std::string& line : LegendLines(d)) {
    sink.TextOut(at.x, y, line);
    y += fh * 5 / 4;
  }
}

void PlotBiazimuthalDial(output::HpglWriter& w, const BiazimuthalDial& d,
                         const PlotPlacement& placement, const MapChoice& choice) {
  const double S = w.PlotScale();
  const double u = output::kPlotUnitsPerMm * S;
  const output::Point origin = placement.origin.value_or(
      output::Point{output::kPlotWindowWidth / 2, output::kPlotWindowHeight / 2});
  const double ox = origin.x * S, oy = origin.y * S;
  auto P = [&](const MapPoint& p) { return XY(ox + p.x * u, oy + p.y * u); };
  auto line = [&](const std::vector<MapPoint>& pts) {
    std::string t = "PU " + P(pts.front()) + ";PD";
    for (std::size_t i = 1; i < pts.size(); ++i) t += " " + P(pts[i]);
    w.Put(t + ";");
  };
  auto label = [&](const MapPoint& at, double dx, double dy, const std::string& text) {
    w.Put("PU " + XY(ox + at.x * u + dx * S, oy + at.y * u + dy * S) + ";");
    w.PutLabel(text);
    w.Put(";");
  };
  w.PutStandardHeader();
  if (placement.gridMm) {
    w.PutGrid(ox, oy, output::kGridRight * S, output::kGridTop * S, *placement.gridMm * u);
  }
  if (d.map) {
    const TwoPointMap& map = *d.map;
    worldmap::MapRequest r = Request(map, ox, oy, u, output::kPlotWindowWidth * S,
                                     output::kPlotWindowHeight * S);
    const std::filesystem::path folder = shell::DataFolder();
    if (choice.coastlines) {
      r.part = worldmap::MapPart::Coastlines;
      worldmap::PlotMap(w, folder / std::string(worldmap::kCoastlineFile), kCoastPen, r,
                        shell::CurrentMessageSink());
    }
    if (choice.borders) {
      r.part = worldmap::MapPart::Borders;
      worldmap::PlotMap(w, folder / std::string(worldmap::kBordersFile), kBorderPen, r,
                        shell::CurrentMessageSink());
    }
    w.Put(";" + SizeText(0.2 * S, 0.3 * S) + ";");
    w.PutThinPen();
    w.Put("SP " + std::to_string(kAxisPen) + ";");
    line({map.A(), map.B()});
    for (const MapPoint& p : {map.A(), map.B(), MapPoint{}}) {
      w.Put("PU " + P(p) + ";CI " + output::FormatCoordinate(60 * S) + ";");
    }
    label(map.A(), 60, 60, Place("A", d.siteA));
    label(map.B(), 60, 60, Place("B", d.siteB));
    label({}, 60, 60, "C");
    for (const DateLine& l : d.dateLines) {
      w.Put("SP " + std::to_string(kDatePen) + ";");
      w.PutConstructionPen();
      for (const Chain& ch : l.chains) line(ch.points);
      w.PutThinPen();
      label(LabelPoint(l.chains), 40, -60, DateLabel(l));
    }
    for (const HourLine& l : d.hourLines) {
      w.Put("SP " + std::to_string(l.full ? kHourPen : kPartHourPen) + ";");
      w.PutConstructionPen();
      for (const Chain& ch : l.chains) line(ch.points);
      w.PutThinPen();
      if (l.full) label(LabelPoint(l.chains), 60, 60, HourLabel(l));
    }
  }
  w.Put(";SP " + std::to_string(kTextPen) + ";" + SizeText(0.24 * S, 0.36 * S) + ";");
  double ly = (output::kPlotWindowHeight - 400) * S;
  for (const std::string& text : LegendLines(d)) {
    w.Put("PU " + XY(400 * S, ly) + ";");
    w.PutLabel(text);
    w.Put(";");
    ly -= 550 * S;
  }
  w.Put(output::kTrailerWindow);
}

std::vector<std::string> PoleInformation(const BiazimuthalDial& d) {
  std::vector<std::string> lines = LegendLines(d);
  lines.pop_back();  // the reading hint
  if (d.map) {
    const std::string deg = T(tx::kDegrees);
    lines.push_back(T(tx::kEquivalentHorizontal) + " A: " + Place("", d.map->a));
    lines.push_back(T(tx::kEquivalentHorizontal) + " B: " + Place("", d.map->b));
    lines.push_back("d0 = " + Num(d.map->halfDistance, 3) + deg);
  }
  lines.push_back(" ");
  return lines;
}

}  // namespace kelvra::dials::biazimuthal
