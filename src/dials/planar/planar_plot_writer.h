// The plot writer of the planar dials: the traced chains as one line of HPGL
// commands (through HpglWriter), optionally with the coordinate listing of
// every drawn point in millimetres.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dials/planar/construction_listing.h"
#include "dials/planar/planar_chains.h"
#include "output/hpgl_writer.h"

namespace kelvra::dials::planar {

struct PlotPlacement {
  // Positions picked on the screen, already carried to plot units (at plot
  // scale 1, y up); otherwise the writer's own default places are used.
  bool originSetByUser = false;
  double originX = 0;
  double originY = 0;
  bool legendSetByUser = false;
  double legendX = 0;
  double legendY = 0;
  // Spacing in mm of the coordinate grid (the grid question answered Yes).
  std::optional<int> gridMm;
};

// The origin (plot units at the writer's plot scale) the writer uses.
struct PlotOrigin {
  double x = 0;
  double y = 0;
};
PlotOrigin PlanarPlotOrigin(const PlanarDial& dial, const PlotPlacement& placement, int plotScale);

// Writes the whole plot file text of `dial` through `writer` (header first;
// the planar writer writes no trailer). When `coordinateListing` is given, the
// listing lines are appended to it: the pole-style listing `poleStyle`, the
// time system, `plotFileName` and every drawn point per line in mm relative
// to the origin.
void WritePlanarPlot(output::HpglWriter& writer, const PlanarDial& dial,
                     const PlotPlacement& placement, const PoleStyleText& poleStyle,
                     std::vector<std::string>* coordinateListing = nullptr,
                     const std::string& plotFileName = std::string());

}  // namespace kelvra::dials::planar
