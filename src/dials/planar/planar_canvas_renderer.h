// The canvas renderer of the planar dials: draws the traced chains, the
// legend, the gnomon symbol, the hour numbers, the polar triangle or substyle
// and the sunlit-period line onto a PlotSink (screen picture, printed page,
// picture or vector file).
#pragma once

#include <string>

#include "dials/planar/planar_chains.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::planar {

struct CanvasPlacement {
  output::Point origin;          // device position of the gnomon foot
  output::Point legend;          // device position of the legend's top-left corner
  double pixelsPerMm = 5;        // device units per mm of the zoomed dial (PixelsPerMm)
  bool screenPageFormat = true;  // the screen shows the print page (280 mm across)
  bool grid = false;             // the " + Netz" command
  int printAreaLeft = 0;         // PrintArea.left/top of the last print job (0.1 mm)
  int printAreaTop = 0;
};

// The drawing window's default origin and legend for a planar dial on a
// picture of W x H pixels at latitude φ (image pixels).
void DefaultPlanarPlacement(char kind, double latitude, int width, int height,
                            output::Point& origin, output::Point& legend);

// Draws `dial` onto `sink` (its whole area). `sunlitLine` is the bottom line
// (text 566 + the sunlit period) from the hour-line table.
void RenderPlanarDial(output::PlotSink& sink, const PlanarDial& dial,
                      const CanvasPlacement& placement, const shell::ColorSet& colors,
                      const std::string& sunlitLine);

}  // namespace kelvra::dials::planar
