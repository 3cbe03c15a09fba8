#include "ui/drawing_dispatch.h"

#include "dials/planar/planar_canvas_renderer.h"
#include "dials/planar/planar_chains.h"
#include "dials/planar/planar_plot_writer.h"
#include "output/print_area.h"
#include "shell/shared_state.h"

namespace kelvra::ui {

config::DialParameters EffectiveDial() { return config::ResolvedDial(config::Dial()); }

std::string DialJob::SunlitLine() const { return planar ? planar->table.sunlitLine : std::string(); }

DialJob BuildDialJob(double zoom) {
  DialJob job;
  job.zoom = zoom;
  if (dials::planar::IsPlanarDial(config::Dial())) {
    job.planar = std::make_unique<dials::planar::PlanarJob>();
    dials::planar::BuildPlanarJob(*job.planar, zoom);
  }
  return job;
}

std::optional<PlanarListing> ListingOf(const DialJob& job, bool longitudeCorrection) {
  if (!job.planar || job.planar->plane.umbrella) return std::nullopt;
  PlanarListing listing{job.planar->poleStyle, job.planar->table};
  if (listing.table.longitudeCorrection != longitudeCorrection) {
    const shell::SiteSettings& site = shell::State().site;
    listing.table = dials::planar::ComputeHourLineTable(job.planar->plane, EffectiveDial(),
                                                        site.year, longitudeCorrection);
  }
  return listing;
}

bool DrawDial(output::PlotSink& sink, const DialJob& job, const output::DrawingView& view,
              bool grid) {
  if (!job.planar) return false;
  dials::planar::CanvasPlacement placement;
  placement.origin = view.origin;
  placement.legend = view.legendPosition;
  placement.pixelsPerMm = view.PixelsPerMmFor(sink);
  placement.screenPageFormat = view.screenPageFormat;
  placement.grid = grid;
  placement.printAreaLeft = output::CurrentPrintArea().left;
  placement.printAreaTop = output::CurrentPrintArea().top;
  dials::planar::RenderPlanarDial(sink, job.planar->dial, placement, shell::State().colors,
                                  job.planar->table.sunlitLine);
  return true;
}

bool WritePlot(output::HpglWriter& writer, const DialJob& job, const output::DrawingView& view,
               std::optional<int> gridMm, std::vector<std::string>* coordinateListing,
               const std::string& plotFileName) {
  if (!job.planar) return false;
  const config::DialParameters dial = EffectiveDial();
  dials::planar::PlotPlacement placement;
  placement.gridMm = gridMm;
  if (view.originSetByUser) {
    if (const auto p = output::CarryToPlotPage(view.origin, view.imageWidth, view.imageHeight,
                                               config::KindRow(dial))) {
      placement.originSetByUser = true;
      placement.originX = p->x;
      placement.originY = p->y;
    }
  }
  if (view.legendSetByUser) {
    if (const auto p = output::CarryToPlotPage(view.legendPosition, view.imageWidth,
                                               view.imageHeight, config::KindRow(dial))) {
      placement.legendSetByUser = true;
      placement.legendX = p->x;
      placement.legendY = p->y;
    }
  }
  dials::planar::WritePlanarPlot(writer, job.planar->dial, placement, job.planar->poleStyle,
                                 coordinateListing, plotFileName);
  return true;
}

}  // namespace kelvra::ui
