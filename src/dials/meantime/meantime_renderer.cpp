#include "dials/meantime/meantime_renderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "dials/draw_kit.h"
#include "dials/worldmap/gnomonic.h"
#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/meantime.h"

namespace kelvra::dials::meantime {

namespace {

namespace tx = texts::meantime;
using shell::FormatReal;


std::string T(texts::TextId id) { return shell::Get(id); }

std::string Trim(std::string s) {
  const auto b = s.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b);
}
std::string Num(double x, int decimals) { return Trim(FormatReal(decimals + 2, decimals, x)); }

constexpr int kConePen = 4;
constexpr int kTextPen = 1;

}  // namespace

std::vector<std::string> LegendLines(const MeanTimeDial& d) {
  const std::string deg = T(tx::kDegrees);
  std::vector<std::string> lines;
  lines.push_back(T(tx::kTitle));
  lines.push_back(T(tx::kLatitude) + " = " + Num(d.site.latitude, 2) + deg + ";  " +
                  T(tx::kLongitude) + " = " + Num(d.site.longitude, 2) + deg);
  std::string face = T(tx::kFace) + ": " + T(tx::kPlaneNames[d.face.plane]);
  if (d.face.plane != 0) face += ";  " + T(tx::kDeviation) + " = " + Num(d.face.declination, 2) + deg;
  if (d.face.plane == 2) face += ";  " + T(tx::kInclination) + " = " + Num(d.face.inclination, 2) + deg;
  lines.push_back(face);
  lines.push_back(T(tx::kAxisLength) + " = " + Num(d.cone.length, 1) + " mm;  " +
                  T(tx::kHalfAngle) + " = " + Num(d.cone.halfAngle, 2) + deg + ";  " +
                  T(tx::kAxisInclination) + " = " +
                  Num(d.axisInclination, 2) + deg);
  lines.push_back(T(tx::kHourLines) + ": " + T(d.zoneTime ? tx::kZoneTime : tx::kLocalMeanTime));
  lines.push_back(T(tx::kReading) + " " + T(tx::kLeadingEdge) + T(tx::kLeadingDates));
  lines.push_back(T(tx::kReading) + " " + T(tx::kTrailingEdge) + T(tx::kTrailingDates));
  return lines;
}

void DrawMeanTimeDial(output::PlotSink& sink, const MeanTimeDial& d,
                      const CanvasPlacement& placement, const shell::ColorSet& colors) {
  const bool screen = sink.IsScreen();
  const int W = sink.Width(), H = sink.Height();
  const double s = placement.pixelsPerMm;
  // Without a picked origin the lines are centred on the picture.
  const output::Point o =
      placement.originSetByUser
          ? placement.origin
          : output::Point{draw::Rnd(W / 2.0 - (d.minX + d.maxX) / 2 * s),
                          draw::Rnd(H / 2.0 + (d.minY + d.maxY) / 2 * s)};
  const draw::Canvas c{sink, colors, static_cast<double>(o.x), static_cast<double>(o.y), s};
  const int lw = std::max<int>(1, colors.lineWidth) * (screen ? 1 : 3);
  const int fh = screen ? 14 : 35;
  const int m = screen ? 2 : 50;

  c.Frame(c.C(kConePen), 1, m);
  c.Font(fh, c.C(kTextPen));
  if (!d.refused) {
    // The apex, the axis seen from the front and the foot of the rim centre.
    const int r = std::max(3, fh / 3);
    sink.Circle(o.x, o.y, r);
    c.Cross(o.x, o.y, 2 * r);
    c.Line(FacePoint{0, 0}, d.rimCentreFoot);
    sink.Circle(c.X(d.rimCentreFoot), c.Y(d.rimCentreFoot), r);

    draw::DrawDateAndHourLines(c, d.dateLines, d.hourLines, lw, screen ? 1 : 2, fh);
  }
  // The legend.
  sink.SetFontColor(c.C(kTextPen));
  const output::Point at = placement.legendSetByUser ? placement.legend
                                                     : output::Point{m + fh, m + fh / 2};
  c.TextLines(at.x, at.y, fh * 5 / 4, LegendLines(d));
}

void PlotMeanTimeDial(output::HpglWriter& w, const MeanTimeDial& d,
                      const PlotPlacement& placement) {
  // Without a picked origin the lines are centred on the plot window.
  constexpr double u1 = output::kPlotUnitsPerMm;
  const output::Point centred{
      draw::Rnd(output::kPlotWindowWidth / 2.0 - (d.minX + d.maxX) / 2 * u1),
      draw::Rnd(output::kPlotWindowHeight / 2.0 - (d.minY + d.maxY) / 2 * u1)};
  const draw::Plot p(w, placement.origin.value_or(centred));
  const double S = p.S;
  p.Header(placement.gridMm);
  w.Put(";" + draw::SizeText(0.2 * S, 0.3 * S) + ";");
  if (!d.refused) {
    w.PutThinPen();
    w.Put("SP " + std::to_string(kConePen) + ";PU " + draw::XY(p.ox, p.oy) + ";CI " +
          output::FormatCoordinate(80 * S) + ";");
    p.Line(FacePoint{0, 0}, d.rimCentreFoot);
    w.Put("PU " + p.At(d.rimCentreFoot) + ";CI " + output::FormatCoordinate(60 * S) + ";");
    draw::PlotDateAndHourLines(p, d.dateLines, d.hourLines);
  }
  w.Put("SP " + std::to_string(kTextPen) + ";" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
  p.TextLines(400 * S, (output::kPlotWindowHeight - 400) * S, 550 * S, LegendLines(d));
  w.Put(output::kTrailerWindow);
}

void PlotCone(output::HpglWriter& w, const MeanTimeDial& d) {
  const draw::Plot p(w, {0, 0});
  const double S = p.S, u = p.u;
  const double r = d.cone.RimRadius(), L = d.cone.length, l = d.cone.SlantLength();
  const double theta = d.cone.SectorAngle();
  auto P = [&](double x, double y) { return draw::XY(x * u, y * u); };
  auto label = [&](double x, double y, const std::string& text) { p.Text(x * u, y * u, text); };
  const std::string deg = T(tx::kDegrees);
  w.PutStandardHeader();
  w.Put(";SP " + std::to_string(kTextPen) + ";" + draw::SizeText(0.24 * S, 0.36 * S) + ";");
  label(20, 265, T(tx::kConeConstruction) + ": " + T(tx::kAxisLength) + " = " + Num(L, 1) +
                     " mm;  " + T(tx::kHalfAngle) + " = " + Num(d.cone.halfAngle, 2) + deg);
  label(20, 255, T(tx::kRimRadius) + " = " + Num(r, 2) + " mm;  " + T(tx::kSlantLength) + " = " +
                     Num(l, 2) + " mm;  " + T(tx::kSectorAngle) + " = " + Num(theta, 2) + deg);
  // The cross-section: apex at the bottom, the rim at the top.
  const double cx = 25 + r, by = 20;
  w.Put("SP " + std::to_string(kConePen) + ";");
  w.PutConstructionPen();
  w.Put("PU " + P(cx, by) + ";PD " + P(cx - r, by + L) + " " + P(cx + r, by + L) + " " + P(cx, by) +
        ";");
  w.PutThinPen();
  w.Put("LT 2,2;PU " + P(cx, by) + ";PD " + P(cx, by + L) + ";LT;");
  label(cx - r, by - 8, T(tx::kCrossSection));
  // The unrolled cone: a sector of radius l about (sx, sy), opening downwards,
  // with the glue flap along its first radius.
  const double sx = cx + r + 30 + l, sy = by + l;
  const double a0 = -90 - theta / 2;
  auto at = [&](double radius, double angle) {
    return P(sx + radius * astro::CosDeg(angle), sy + radius * astro::SinDeg(angle));
  };
  w.Put("SP " + std::to_string(kConePen) + ";");
  w.PutConstructionPen();
  std::string t = "PU " + P(sx, sy) + ";PD " + at(l, a0);
  const int steps = std::max(2, static_cast<int>(std::ceil(theta / 2)));
  for (int i = 1; i <= steps; ++i) t += " " + at(l, a0 + theta * i / steps);
  w.Put(t + " " + P(sx, sy) + ";");
  w.PutThinPen();
  // The flap: 6 mm wide, its ends drawn in at 45 degrees.
  const double flap = std::min(6.0, 0.3 * l);
  const double nx = astro::CosDeg(a0 - 90), ny = astro::SinDeg(a0 - 90);
  const double ex = astro::CosDeg(a0), ey = astro::SinDeg(a0);
  auto F = [&](double along, double out) {
    return P(sx + along * ex + out * nx, sy + along * ey + out * ny);
  };
  w.Put("LT 2,2;PU " + P(sx, sy) + ";PD " + F(flap, flap) + " " + F(l - flap, flap) + " " +
        at(l, a0) + ";LT;");
  label(sx - l / 2, sy + 8, T(tx::kUnrolledCone) + " / " + T(tx::kGlueFlap));
  w.Put(output::kTrailerWindow);
}

std::vector<std::string> PoleInformation(const MeanTimeDial& d) {
  const std::string deg = T(tx::kDegrees);
  auto row = [](const std::string& label, const std::string& value) {
    std::string l = "     " + label;
    if (l.size() < 48) l.resize(48, ' ');
    return l + ": " + value;
  };
  std::vector<std::string> lines;
  lines.push_back(T(tx::kTitle));
  lines.push_back(row(T(tx::kLatitude), FormatReal(9, 2, d.site.latitude) + deg));
  lines.push_back(row(T(tx::kLongitude), FormatReal(9, 2, d.site.longitude) + deg));
  lines.push_back(row(T(tx::kFace), T(tx::kPlaneNames[d.face.plane])));
  if (d.face.plane != 0) lines.push_back(row(T(tx::kDeviation), FormatReal(9, 2, d.face.declination) + deg));
  if (d.face.plane == 2) lines.push_back(row(T(tx::kInclination), FormatReal(9, 2, d.face.inclination) + deg));
  lines.push_back(row(T(tx::kAxisLength), FormatReal(9, 2, d.cone.length) + " mm"));
  lines.push_back(row(T(tx::kAxisInclination),
                      FormatReal(9, 2, d.axisInclination) + deg));
  lines.push_back(row(T(tx::kHalfAngle), FormatReal(9, 2, d.cone.halfAngle) + deg));
  if (d.refused) {
    lines.push_back("     " + T(tx::kConeBehindFace) + FormatReal(4, 2, d.axisToNormal) +
                    T(tx::kDegreesAllowedAtMost) + FormatReal(4, 2, 90 - d.cone.halfAngle) + deg);
    return lines;
  }
  lines.push_back(row(T(tx::kRimRadius), FormatReal(9, 2, d.cone.RimRadius()) + " mm"));
  lines.push_back(row(T(tx::kSlantLength), FormatReal(9, 2, d.cone.SlantLength()) + " mm"));
  lines.push_back(row(T(tx::kSectorAngle), FormatReal(9, 2, d.cone.SectorAngle()) + deg));
  lines.push_back(row(T(tx::kRimCentreHeight), FormatReal(9, 2, d.rimCentreHeight) + " mm"));
  lines.push_back(row(T(tx::kRimCentreFoot), "(" + Num(d.rimCentreFoot.x, 2) + " / " +
                                                 Num(d.rimCentreFoot.y, 2) + ") mm"));
  const worldmap::MapProjection e = worldmap::PlaneProjection(
      d.site.latitude, d.site.longitude, d.face.inclination, d.face.declination);
  lines.push_back(row(T(tx::kEquivalentHorizontal),
                      T(tx::kLatitude) + " " + Num(e.centreLatitude, 2) + deg + ", " +
                          T(tx::kLongitude) + " " + Num(astro::WrapDegrees180(e.centreLongitude), 2) +
                          deg));
  lines.push_back(" ");
  return lines;
}

}  // namespace kelvra::dials::meantime
