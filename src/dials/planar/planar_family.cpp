#include "dials/planar/planar_family.h"

#include <cstddef>
#include <string>

#include "dials/planar/construction_listing.h"
#include "dials/planar/planar_canvas_renderer.h"
#include "dials/planar/planar_chains.h"
#include "dials/planar/planar_plot_writer.h"
#include "dials/worldmap/map_overlay.h"
#include "shell/resources.h"

namespace kelvra::dials::planar {

namespace {

// One planar dial: its chains, and its listing as numbers (the pole-style
// data and the hour-line table of the time system of its hour lines).
class PlanarConstruction final : public Construction, public ConstructionListing {
 public:
  PlanarConstruction(const DialInputs& in, shell::MessageSink& messages)
      : colors_(in.colors), year_(in.site.year) {
    BuildPlanarDial(dial_, in.site, in.dial, in.ownDateLines, in.zoom, &messages);
    poleStyle_ = ComputePoleStyle(Face(), year_, Params().sunshineDurationLines);
    table_ = ComputeHourLineTable(Face(), Params(), year_, LongitudeCorrection());
    // The coastline and border overlay (not on the umbrella dial).
    if (in.mapsEnabled && !Face().umbrella) {
      map_.coastlines = in.drawCoastline;
      map_.borders = in.drawBorders;
      map_.projection = worldmap::PlaneProjection(in.site.latitude, in.site.longitude,
                                                  Face().inclination, Face().declination);
      map_.gnomonMm = Face().gnomonMm;
    }
  }

  // ---- Construction ----------------------------------------------------------

  void Draw(output::PlotSink& sink, const dials::CanvasPlacement& placement) const override {
    CanvasPlacement pl;
    pl.origin = placement.origin;
    pl.legend = placement.legend;
    pl.pixelsPerMm = placement.pixelsPerMm;
    pl.screenPageFormat = placement.screenPageFormat;
    pl.grid = placement.grid;
    pl.printAreaLeft = placement.printAreaLeft;
    pl.printAreaTop = placement.printAreaTop;
    RenderPlanarDial(sink, dial_, pl, colors_, SunlitLine(table_));
    worldmap::DrawMapOverlay(sink, map_, placement.origin, placement.pixelsPerMm, colors_,
                             shell::CurrentMessageSink());
  }

  void WritePlot(output::HpglWriter& writer, const dials::PlotPlacement& placement,
                 std::vector<std::string>* coordinateListing,
                 const std::string& plotFileName) const override {
    PlotPlacement pl;
    pl.gridMm = placement.gridMm;
    if (placement.origin) {
      pl.originSetByUser = true;
      pl.originX = placement.origin->x;
      pl.originY = placement.origin->y;
    }
    if (placement.legend) {
      pl.legendSetByUser = true;
      pl.legendX = placement.legend->x;
      pl.legendY = placement.legend->y;
    }
    // The map goes before the dial, with its own header.
    const PlotOrigin origin = PlanarPlotOrigin(dial_, pl, writer.PlotScale());
    worldmap::PlotMapOverlay(writer, map_, origin.x, origin.y, shell::DataFolder(),
                             shell::CurrentMessageSink());
    WritePlanarPlot(writer, dial_, pl, FormatPoleStyle(Face(), poleStyle_), coordinateListing,
                    plotFileName);
  }

  const ConstructionListing* Listing() const override { return this; }

  // ---- ConstructionListing ---------------------------------------------------

  std::vector<std::string> PoleStyleLines() const override {
    return FormatPoleStyle(Face(), poleStyle_).lines;
  }
  bool HasHourLineTable() const override { return true; }
  bool LongitudeCorrection() const override { return !Params().planarLocalTime; }
  HourLineTableView HourLineTable(bool longitudeCorrection) const override {
    return FormatHourLineTable(Face(), TableFor(longitudeCorrection));
  }
  std::vector<std::string> HourLineTablePage(bool longitudeCorrection) const override {
    return planar::HourLineTablePage(Face(), TableFor(longitudeCorrection), PoleStyleLines());
  }

  std::vector<ListingField> Fields() const override {
    const PoleStyleText ps = FormatPoleStyle(Face(), poleStyle_);
    std::vector<ListingField> f;
    f.push_back({"kind", std::string(1, Face().kind)});
    f.push_back({"umbrella", Face().umbrella});
    f.push_back({"gnomonHeight", Face().gnomonMm});
    f.push_back({"parallelStyle", ps.parallel});
    f.push_back({"orthogonalStyle", ps.orthogonal});
    if (!ps.parallel) {
      f.push_back({"poleX", ps.poleX});
      f.push_back({"poleY", ps.poleY});
    }
    if (!ps.parallel && !ps.orthogonal) {
      f.push_back({"styleHeight", ps.styleHeight});
      f.push_back({"styleLength", ps.styleLength});
      f.push_back({"substyleDirection", ps.substyleDirection});
    }
    f.push_back({"substyleTime", ps.substyleTime});
    f.push_back({"substyleTimeText", ps.substyleTimeText});
    f.push_back({"substyleAngle", table_.substyleAngle});
    f.push_back({"noonLineAngle", table_.noonLineAngle});
    f.push_back({"sunlit", SunlitText(table_)});
    HourLineAngles angles;
    for (int n = 0; n <= 24; ++n) {
      for (int j = 0; j <= table_.subdivisions; ++j) {
        const double a = table_.angles[static_cast<std::size_t>(n)][static_cast<std::size_t>(j)];
        if (a == kMissingAngle) continue;
        const int minutes = j * table_.stepMinutes;
        angles.emplace_back(std::to_string(n) + ":" + (minutes < 10 ? "0" : "") +
                                std::to_string(minutes),
                            a);
      }
    }
    f.push_back({"hourLines", std::move(angles)});
    return f;
  }

 private:
  const PlanarFrame& Face() const { return dial_.frame; }
  const config::DialParameters& Params() const { return dial_.params; }
  planar::HourLineTable TableFor(bool longitudeCorrection) const {
    if (longitudeCorrection == table_.longitudeCorrection) return table_;
    return ComputeHourLineTable(Face(), Params(), year_, longitudeCorrection);
  }

  PlanarDial dial_;
  shell::ColorSet colors_;
  int year_;
  PoleStyle poleStyle_;
  planar::HourLineTable table_;
  worldmap::MapOverlay map_;
};

class Planar final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<PlanarConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& PlanarFamily() {
  static const Planar family;
  return family;
}

}  // namespace kelvra::dials::planar
