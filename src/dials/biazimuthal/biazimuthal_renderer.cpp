#include "dials/biazimuthal/biazimuthal_renderer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "dials/draw_kit.h"
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
std::string Num(double x, int decimals) {
  std::string s = FormatReal(decimals + 2, decimals, x);
  return s.substr(s.find_first_not_of(' '));
}
std::string Place(const char* letter, const GeoPoint& p) {
  return std::string(letter) + "(" + Num(p.latitude, 2) + "/" + Num(p.longitude, 2) + ")";
}

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
  const draw::Canvas c{sink, colors, static_cast<double>(o.x), static_cast<double>(o.y), s};
  const int lw = std::max<int>(1, colors.lineWidth) * (screen ? 1 : 3);
  const int fh = screen ? 14 : 35;
  const int m = screen ? 2 : 50;
  c.Frame(c.C(kAxisPen), 1, m);
  c.Font(fh, c.C(kTextPen));
  if (d.map) {
    const TwoPointMap& map = *d.map;
    worldmap::MapRequest r = Request(map, o.x, o.y, s, W, H);
    const worldmap::WorldMap& world = worldmap::LoadWorldMap();
    if (choice.coastlines) {
      r.part = worldmap::MapPart::Coastlines;
      r.colour = c.C(kCoastPen);
      worldmap::DrawMap(sink, r, world, shell::CurrentMessageSink());
    }
    if (choice.borders) {
      r.part = worldmap::MapPart::Borders;
      r.colour = c.C(kBorderPen);
      worldmap::DrawMap(sink, r, world, shell::CurrentMessageSink());
    }
    c.Pen(c.C(kAxisPen), lw);
    c.Line(map.A(), map.B());
    const int arm = std::max(4, fh / 2);
    for (const MapPoint& p : {map.A(), map.B(), MapPoint{}}) c.Cross(c.X(p), c.Y(p), arm);
    sink.SetFontColor(c.C(kAxisPen));
    // Each site's name on its side away from the other site and the
    // midpoint's above it: near sites would otherwise write over each other.
    const bool aLeft = map.A().x <= map.B().x;
    auto site = [&](const MapPoint& at, bool left, const std::string& text) {
      const int x = c.X(at);
      sink.TextOut(left ? x - 3 - sink.TextWidth(text) : x + 3, c.Y(at) + 3, text);
    };
    site(map.A(), aLeft, Place("A", d.siteA));
    site(map.B(), !aLeft, Place("B", d.siteB));
    sink.TextOut(o.x + 3, o.y - 3 - fh, "C");
    draw::DrawDateAndHourLines(c, d.dateLines, d.hourLines, lw, 1, fh);
  }
  sink.SetFontColor(c.C(kTextPen));
  const output::Point at = placement.legendSetByUser ? placement.legend
                                                     : output::Point{m + fh, m + fh / 2};
  c.TextLines(at.x, at.y, fh * 5 / 4, LegendLines(d));
}

void PlotBiazimuthalDial(output::HpglWriter& w, const BiazimuthalDial& d,
                         const PlotPlacement& placement, const MapChoice& choice) {
  const draw::Plot p(w, placement.origin.value_or(output::Point{
                              output::kPlotWindowWidth / 2, output::kPlotWindowHeight / 2}));
  const double S = p.S;
  p.Header(placement.gridMm);
  if (d.map) {
    const TwoPointMap& map = *d.map;
    worldmap::MapRequest r = Request(map, p.ox, p.oy, p.u, output::kPlotWindowWidth * S,
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
    w.Put(";" + draw::SizeText(0.2 * S, 0.3 * S) + ";");
    w.PutThinPen();
    w.Put("SP " + std::to_string(kAxisPen) + ";");
    p.Line(map.A(), map.B());
    for (const MapPoint& at : {map.A(), map.B(), MapPoint{}}) {
      w.Put("PU " + p.At(at) + ";CI " + output::FormatCoordinate(60 * S) + ";");
    }
    // As on the canvas: the sites' names outward, the midpoint's above them.
    // Characters of 0.2 cm stand 0.3 cm apart (120 plot units).
    const bool aLeft = map.A().x <= map.B().x;
    auto site = [&](const MapPoint& at, bool left, const std::string& text) {
      const double length = 120.0 * static_cast<double>(text.size());
      p.Label(at, left ? -60 - length : 60, 60, text);
    };
    site(map.A(), aLeft, Place("A", d.siteA));
    site(map.B(), !aLeft, Place("B", d.siteB));
    p.Label(MapPoint{}, 60, 240, "C");
    draw::PlotDateAndHourLines(p, d.dateLines, d.hourLines);
  }
  w.Put(";SP " + std::to_string(kTextPen) + ";" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
  p.TextLines(400 * S, (output::kPlotWindowHeight - 400) * S, 550 * S, LegendLines(d));
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
