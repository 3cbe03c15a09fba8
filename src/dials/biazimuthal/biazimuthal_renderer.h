// The canvas renderer, the plot writer and the pole information of the
// biazimuthal dial: the map, the line A'B' with its two positions and the pole,
// the sub-solar point's hour and date lines, at `scalePercent` mm from the
// pole to A'. Without a picked origin the pole lies in the middle of the page.
#pragma once

#include <string>
#include <vector>

#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "dials/dial_family.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::biazimuthal {

// Which parts of the world map are drawn.
struct MapChoice {
  bool coastlines = true;
  bool borders = false;
};

std::vector<std::string> LegendLines(const BiazimuthalDial& dial);

void DrawBiazimuthalDial(output::PlotSink& sink, const BiazimuthalDial& dial,
                         const CanvasPlacement& placement, const shell::ColorSet& colors,
                         const MapChoice& map);

void PlotBiazimuthalDial(output::HpglWriter& writer, const BiazimuthalDial& dial,
                         const PlotPlacement& placement, const MapChoice& map);

std::vector<std::string> PoleInformation(const BiazimuthalDial& dial);

}  // namespace kelvra::dials::biazimuthal
