#include "dials/planar/planar_plot_writer.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "dials/planar/segment_rule.h"
#include "shell/catalog.h"
#include "shell/number_format.h"
#include "texts/planar.h"

namespace kelvra::dials::planar {

namespace {

constexpr char kEtx = '\x03';

using astro::Radians;
using output::FormatCoordinate;
using shell::FormatReal;

std::string XY(double x, double y) { return FormatCoordinate(x) + " " + FormatCoordinate(y); }

// Collects the coordinate listing of the drawn points of one chain.
class PointListing {
 public:
  PointListing(std::vector<std::string>* out, double ox, double oy, double unitsPerMm)
      : out_(out), ox_(ox), oy_(oy), k_(unitsPerMm) {}
  bool Active() const { return out_ != nullptr; }
  void Add(double x, double y, const char* prefix = nullptr) {
    if (!out_) return;
    if (prefix) line_ += prefix;
    line_ += FormatReal(9, 3, (x - ox_) / k_) + "/" + FormatReal(8, 3, (y - oy_) / k_) + ";";
    if (++count_ % 4 == 0) Flush();
  }
  void Flush() {
    if (!out_ || line_.empty()) return;
    out_->push_back(line_);
    line_.clear();
  }
  void Line(std::string text) {
    if (!out_) return;
    Flush();
    out_->push_back(std::move(text));
    count_ = 0;
  }

 private:
  std::vector<std::string>* out_;
  double ox_, oy_, k_;
  std::string line_;
  int count_ = 0;
};

// Turns the moves and draws of the segment rule into PU/PD commands.
class PlotPath {
 public:
  PlotPath(output::HpglWriter& w, PointListing& listing, const ChainPoint* points)
      : w_(w), listing_(listing), points_(points) {}
  void Move(DevicePoint p, int index) {
    text_ += ";PU " + XY(p.x, p.y);
    down_ = false;
    pending_ = p;
    pendingIndex_ = index;
  }
  void Draw(DevicePoint p, int index) {
    if (!down_) {
      text_ += ";PD";
      down_ = true;
      ListPoint(pending_, pendingIndex_);
    }
    text_ += " " + XY(p.x, p.y);
    ListPoint(p, index);
  }
  void Finish() {
    w_.Put(text_);
    text_.clear();
    down_ = false;
  }

 private:
  void ListPoint(DevicePoint p, int index) {
    if (!listing_.Active()) return;
    if (index >= 0 && points_[index].hour >= 0) {
      const std::string prefix =
          "(" + FormatReal(2, 0, points_[index].hour) + shell::Get(texts::planar::kOClock) + "):";
      listing_.Add(p.x, p.y, prefix.c_str());
    } else {
      listing_.Add(p.x, p.y);
    }
  }

  output::HpglWriter& w_;
  PointListing& listing_;
  const ChainPoint* points_;
  std::string text_;
  bool down_ = false;
  DevicePoint pending_;
  int pendingIndex_ = -1;
};

std::string FamilyHeading(LineFamily f) {
  switch (f) {
    case LineFamily::DateLine:
      return shell::Get(texts::planar::kFamilyDateLine);
    case LineFamily::DayLength:
      return shell::Get(texts::planar::kFamilyDayLength);
    case LineFamily::ApparentHour:
      return shell::Get(texts::planar::kFamilyApparentHour);
    case LineFamily::MeanHour:
      return shell::Get(texts::planar::kFamilyMeanHour);
    case LineFamily::Analemma:
      return shell::Get(texts::planar::kFamilyAnalemma);
    case LineFamily::Temporal:
      return shell::Get(texts::planar::kFamilyTemporal);
    case LineFamily::Babylonian:
      return shell::Get(texts::planar::kFamilyBabylonian);
    case LineFamily::Italian:
      return shell::Get(texts::planar::kFamilyItalian);
    case LineFamily::Altitude:
      return shell::Get(texts::planar::kFamilyAltitude);
  }
  return {};
}

std::string HourText(double value) {
  const int h = static_cast<int>(std::floor(value + 1e-9));
  const int m = static_cast<int>(std::lround((value - h) * 60.0));
  std::string s = std::to_string(h);
  if (m != 0) s += ":" + std::string(m < 10 ? "0" : "") + std::to_string(m);
  return s;
}

std::string ChainHeading(const Chain& c) {
  switch (c.family) {
    case LineFamily::DateLine:
      if (c.fromDeclination) {
        return shell::Get(texts::planar::kSunDeclination) + ": " + FormatReal(6, 2, c.declination) +
               shell::Get(texts::planar::kDegreeUnit);
      }
      return shell::Get(texts::planar::kLineWord) + c.label + ":";
    case LineFamily::DayLength:
      return shell::Get(texts::planar::kSunDeclination) + ": " + FormatReal(6, 2, c.declination) +
             shell::Get(texts::planar::kDegreeUnit);
    case LineFamily::ApparentHour:
    case LineFamily::MeanHour:
    case LineFamily::Analemma:
      return HourText(c.value) + shell::Get(texts::planar::kOClock) + ":";
    case LineFamily::Babylonian:
      return HourText(c.value) + ". " + shell::Get(texts::planar::kBabylonianHour) + ":";
    case LineFamily::Italian:
      return HourText(c.value) + ". " + shell::Get(texts::planar::kItalianHour) + ":";
    case LineFamily::Temporal:
      return FormatReal(4, 2, c.value) + ". " + shell::Get(texts::planar::kTemporalHour) + ":";
    case LineFamily::Altitude:
      return shell::Get(texts::planar::kSunAltitude) + FormatReal(4, 1, c.value) +
             shell::Get(texts::planar::kDegreeUnit);
  }
  return {};
}

}  // namespace

PlotOrigin PlanarPlotOrigin(const PlanarDial& dial, const PlotPlacement& pl, int S) {
  PlotOrigin o;
  if (pl.originSetByUser) {
    o.x = pl.originX * S;
    o.y = pl.originY * S;
    return o;
  }
  const auto& f = dial.frame;
  o.x = 8200.0 * S;
  if (f.kind == 'v') {
    o.y = 11000.0 * S;
    if (f.declination > 50) o.x += 2400.0 * S;
    if (f.declination < -50) o.x -= 2400.0 * S;
    return o;
  }
  const double lat = std::fabs(f.equivalentLatitude);
  const double gPlot = f.gnomonMm * output::kPlotUnitsPerMm * S;
  double y = lat > 49 ? 2500.0 : lat > 30 ? 4000.0 : 5500.0;
  if (lat > 50 && gPlot > 3000.0 * S) y = 1500.0;
  y *= S;
  if (f.equivalentLatitude < 0) y = 11000.0 * S - y;
  o.y = y;
  return o;
}

void WritePlanarPlot(output::HpglWriter& w, const PlanarDial& dial, const PlotPlacement& pl,
                     const PoleStyleText& poleStyle, std::vector<std::string>* listingOut,
                     const std::string& plotFileName) {
  const int S = w.PlotScale();
  const auto& f = dial.frame;
  const auto& p = dial.params;
  const double W = 16157.0 * S, H = 11038.0 * S;
  const double unitsPerMm = output::kPlotUnitsPerMm * S;
  const double G = f.gnomonMm * unitsPerMm;
  const PlotOrigin o = PlanarPlotOrigin(dial, pl, S);
  const bool thick = w.LineStrength() != 1;
  const std::string unit = shell::Get(texts::planar::kDegreeUnit);

  // 1. header and the listing's head.
  w.PutStandardHeader();
  const std::string timeSystem = shell::Get(p.planarLocalTime ? texts::planar::kLocalApparentTime
                                                              : texts::planar::kZoneApparentTime);
  if (listingOut) {
    for (const auto& l : poleStyle.lines) listingOut->push_back(l);
    listingOut->push_back("");
    listingOut->push_back(shell::Get(texts::planar::kHourLinesShow) + " " + timeSystem);
    if (f.umbrella) {
      listingOut->push_back("");
      listingOut->push_back(shell::Get(texts::planar::kDiskRadius) +
                            FormatReal(6, 3, f.umbrellaRadiusPercent / 100.0) +
                            shell::Get(texts::planar::kTimesHeight));
    }
    listingOut->push_back(shell::Get(texts::planar::kSavedFileName) + plotFileName);
    listingOut->push_back(std::string(76, '-'));
    listingOut->push_back(shell::Get(texts::planar::kDateLinesBegin));
  }

  // 3. the coordinate grid.
  if (pl.gridMm && *pl.gridMm > 0) {
    w.PutGrid(o.x, o.y, 16150.0 * S, 11030.0 * S, *pl.gridMm * unitsPerMm);
  }

  // 4. the legend.
  if (thick) w.PutThinPen();
  w.Put(";SP 4");
  {
    // Gnomon symbol right of the origin: a stroke of the gnomon's length up
    // from its foot and one along the face, with its label.
    const double gx = std::min(o.x + 200.0 * S, W - G - 2000.0 * S);
    const double gy = std::clamp(o.y - 300.0 * S - G, 100.0 * S, H - G - 100.0 * S);
    w.Put(";PU " + XY(gx, gy + G) + ";PD " + XY(gx, gy) + " " + XY(gx + G, gy) + ";PU " +
          XY(gx + G, gy) + ";PD " + XY(gx + G, gy + 5.0 * S) + ";PU " +
          XY(gx + G + 40.0 * S, gy + 20.0 * S) + ";SI " + output::FormatPlotReal(5, 2, 0.16 * S) +
          "," + output::FormatPlotReal(5, 2, 0.24 * S) + ";LBGnomonhoehe = " +
          FormatReal(5, 1, dial.params.gnomonHeight * f.zoom) + " mm" + kEtx);
  }
  double lx = 5200.0 * S, ly = 1000.0 * S;
  if (pl.legendSetByUser) {
    lx = pl.legendX * S;
    ly = std::min(pl.legendY * S, 10800.0 * S);
  }
  auto legendLine = [&](double height, const std::string& text, double dy) {
    w.Put(";PU " + XY(lx, ly) + ";SI " + output::FormatPlotReal(5, 2, height * 0.56 * S) + "," +
          output::FormatPlotReal(5, 2, height * S) + ";");
    w.PutLabel(text);  // written in Windows-1252 by the writer
    ly -= dy * S;
  };
  // The block runs downwards from its title; lift it where its last line (the
  // key) would leave the sheet, so that a plotter draws every line of it.
  {
    const bool planeLine = f.kind == 'v' || f.kind == 'i';
    const double drop = 320.0 + (planeLine ? 200.0 : 0.0) + (f.umbrella ? 200.0 : 0.0) + 200.0 +
                        250.0 + 200.0;  // title .. first key line, in plot units at scale 1
    constexpr double kLowestBaseline = 150.0;  // room for the key line and descenders
    ly = std::max(ly, (drop + kLowestBaseline) * S);
  }
  std::string title = PlanarTitle(f.kind, f.umbrella, f.inclination);
  if (f.umbrella) title += " " + FormatReal(4, 1, f.umbrellaRadiusPercent / 100.0 * f.gnomonMm);
  w.Put(";PU " + XY(lx, ly) + ";SI " + output::FormatPlotReal(5, 2, 0.28 * S) + "," +
        output::FormatPlotReal(5, 2, 0.5 * S) + ";");
  w.PutLabel((f.umbrella ? "     " : "   ") + title);
  ly -= 320.0 * S;
  legendLine(0.3,
             shell::Get(texts::planar::kLatitude) + FormatReal(6, 2, f.site.latitude) + unit +
                 shell::Get(texts::planar::kLongitude) + FormatReal(6, 2, f.site.longitude) + unit,
             200);
  std::string plane;
  if (f.kind == 'v')
    plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit;
  if (f.kind == 'i') {
    plane = shell::Get(texts::planar::kDeviation) + FormatReal(6, 2, f.declination) + unit + ";  " +
            shell::Get(texts::planar::kInclinationLegend) + FormatReal(6, 2, f.inclination) + unit;
  }
  if (!plane.empty()) legendLine(0.3, plane, 200);
  if (f.umbrella) {
    legendLine(0.3,
               shell::Get(texts::planar::kDiskRadius) +
                   FormatReal(6, 2, f.umbrellaRadiusPercent / 100.0 * f.gnomonMm) + " mm, " +
                   shell::Get(texts::planar::kRodLength) + FormatReal(6, 2, f.gnomonMm) + " mm",
               200);
  }
  legendLine(0.24, shell::Get(texts::planar::kEasternNegative), 250);
  // The key: a short line in pen 1 and one in pen 3.
  w.Put(";SP 1;PU " + XY(lx, ly + 40.0 * S) + ";PD " + XY(lx + 400.0 * S, ly + 40.0 * S) + ";SP 4");
  lx += 500.0 * S;
  legendLine(0.24, shell::Get(texts::planar::kShadowPath), 200);
  lx -= 500.0 * S;
  w.Put(";SP 3;PU " + XY(lx, ly + 40.0 * S) + ";PD " + XY(lx + 400.0 * S, ly + 40.0 * S) + ";SP 4");
  lx += 500.0 * S;
  legendLine(0.24, shell::Get(texts::planar::kHourLinesWithoutEot) + timeSystem + ")", 200);
  lx -= 500.0 * S;
  // Hour numbers beyond the solstice line.
  w.Put(";PU; SP4;SI " + output::FormatPlotReal(5, 2, 0.2 * S) + "," +
        output::FormatPlotReal(5, 2, 0.3 * S) + ";");
  const bool south = f.equivalentLatitude <= -10;
  for (const auto& hl : dial.hourLabels) {
    if (hl.hour < p.hoursFrom || hl.hour > p.hoursTo) continue;
    const ShadowPoint& sp = south ? hl.december : hl.june;
    const double altitude = south ? hl.decemberAltitude : hl.juneAltitude;
    const double x = o.x + sp.x * unitsPerMm;
    const double y = o.y + sp.y * unitsPerMm + (south ? 250.0 : -250.0) * S;
    if (!(x > 0 && x < 16300.0 * S && y > 0 && y < 11400.0 * S)) continue;
    if (Radians(altitude) < -0.01 || !sp.lit) continue;
    w.Put(";PU " + XY(x, y) + ";");
    w.PutLabel(std::to_string(hl.hour));
  }
  if (dial.refused) return;

  // The target: the plot page, y up.
  TargetFrame t;
  t.originX = o.x;
  t.originY = o.y;
  t.unitsPerMm = unitsPerMm;
  t.yDown = false;
  t.minX = 0;
  t.maxX = W;
  t.minY = 0;
  t.maxY = H;
  t.SetHorizonFrom(f);

  // 5. the horizon line.
  if (f.kind == 'i' && t.hasHorizon) {
    const double y = std::min(H, t.horizonY);
    w.Put(";SP 5;PU 0 " + FormatCoordinate(y) + ";PD " + FormatCoordinate(16400.0 * S) + " " +
          FormatCoordinate(y));
  } else if (f.kind == 'v') {
    w.Put(";SP 5;PU " + FormatCoordinate(5.0 * S) + " " + FormatCoordinate(o.y) + ";PD " +
          FormatCoordinate(16400.0 * S) + " " + FormatCoordinate(o.y));
  }

  // 6. the polar triangle: foot P, laid-down nodus N', pole point S.
  const double sx = o.x + dial.pole.x * unitsPerMm, sy = o.y + dial.pole.y * unitsPerMm;
  const bool umbrella = f.umbrella;
  if (p.polarTriangle && !umbrella) {
    const double dx = sx - o.x, dy = sy - o.y;
    const double len = std::hypot(dx, dy);
    if (len > 0) {
      const double nx = o.x - dy / len * G, ny = o.y + dx / len * G;
      TargetFrame page = t;
      page.hasHorizon = false;
      auto clipped = [&](DevicePoint a, DevicePoint b) {
        double t0, t1;
        if (!ClipSegment(page, a, b, t0, t1)) return;
        w.Put(";PU " + FormatReal(7, 0, a.x + t0 * (b.x - a.x)) + " " +
              FormatReal(7, 0, a.y + t0 * (b.y - a.y)) + ";PD " +
              FormatReal(7, 0, a.x + t1 * (b.x - a.x)) + " " +
              FormatReal(7, 0, a.y + t1 * (b.y - a.y)));
      };
      w.Put(";SP 4");
      const DevicePoint P{o.x, o.y}, Sp = ToDevice(t, dial.pole.x, dial.pole.y), N{nx, ny};
      clipped(P, Sp);
      clipped(P, N);
      clipped(N, Sp);
    }
  }

  // 7. construction lines: day-length lines, date lines.
  PointListing listing(listingOut, o.x, o.y, unitsPerMm);
  if (thick) w.PutConstructionPen();
  LineFamily lastFamily = LineFamily::DateLine;
  bool firstFamily = true;
  auto writeChain = [&](const Chain& c) {
    if (listing.Active()) {
      if (firstFamily || c.family != lastFamily) {
        if (!firstFamily) listing.Line(std::string(76, '-'));
        listing.Line(FamilyHeading(c.family) + "n:");
      }
      listing.Line("");
      listing.Line(ChainHeading(c));
    }
    firstFamily = false;
    lastFamily = c.family;
    PlotPath path(w, listing, dial.Begin(c));
    WalkChain(t, dial.Begin(c), dial.End(c), path);
    path.Finish();
    listing.Flush();
  };
  auto writeFamily = [&](LineFamily family) {
    int pen = -1;
    for (const auto& c : dial.chains) {
      if (c.family != family) continue;
      const int want = PlotPenOf(c.family, c.subdivision);
      if (want != pen) {
        w.Put(";SP " + std::to_string(want));
        pen = want;
      }
      writeChain(c);
      if (c.labelPoint >= 0) {
        const ChainPoint& lp = dial.points[c.first + static_cast<std::uint32_t>(c.labelPoint)];
        const DevicePoint d = ToDevice(t, lp.x, lp.y);
        if (lp.lit && Inside(t, d)) {
          w.Put(";PU " + XY(d.x, d.y) + ";");
          w.PutLabel(std::to_string(c.number));
        }
      }
    }
  };
  writeFamily(LineFamily::DayLength);
  writeFamily(LineFamily::DateLine);

  // 8. the input window: the dial's side of the horizon.
  if (f.kind == 'v' && o.y < 11028.0 * S) {
    w.Put(";IW 0 0 " + FormatCoordinate(16151.0 * S) + " " + FormatCoordinate(o.y + 10.0 * S) + ";");
  } else if (f.kind == 'i' && t.hasHorizon) {
    const double y = std::min(H, t.horizonY + 5.0 * S);
    w.Put(";IW 0 0 " + FormatCoordinate(16157.0 * S) + " " + FormatCoordinate(y) + ";");
  } else {
    w.Put(";IW 0 0 " + FormatCoordinate(W) + " " + FormatCoordinate(H) + ";");
  }

  // 9. the hour systems.
  writeFamily(LineFamily::Temporal);
  writeFamily(LineFamily::Babylonian);
  writeFamily(LineFamily::Italian);
  writeFamily(LineFamily::Altitude);
  writeFamily(LineFamily::ApparentHour);
  writeFamily(LineFamily::MeanHour);
  writeFamily(LineFamily::Analemma);
  listing.Flush();

  // 10. origin square and the substyle to the pole point.
  if (thick) w.PutThinPen();
  if ((f.kind == 'i' || f.kind == 'v') && !umbrella) {
    const double e = 60.0 * S;
    w.Put(";IW 0 0 " + FormatCoordinate(W) + " " + FormatCoordinate(H) + ";SP 4;PU " +
          XY(o.x - e, o.y - e) + ";PD " + XY(o.x + e, o.y - e) + " " + XY(o.x + e, o.y + e) + " " +
          XY(o.x - e, o.y + e) + " " + XY(o.x - e, o.y - e));
    if (sx > 0 && sx < W && sy > 0 && sy < H) {
      const double c = 36.0 * S;
      w.Put(";LT 2,2; PU " + XY(o.x, o.y) + ";PD " + XY(sx, sy) + ";LT ;PU " + XY(sx - c, sy) +
            ";PD " + XY(sx + c, sy) + ";PU " + XY(sx, sy - c) + ";PD " + XY(sx, sy + c) + ";PU " +
            XY(sx, sy) + ";CI " + FormatCoordinate(50.0 * S) + ";PU " +
            XY(sx + 60.0 * S, sy + 20.0 * S) + ";LBS" + kEtx);
    }
  }
}

}  // namespace kelvra::dials::planar
