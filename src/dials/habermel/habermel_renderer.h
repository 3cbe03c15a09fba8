// The canvas renderer and the plot writer of the Habermel altitude dials:
// one routine per target drawing the plate built by BuildHabermelDial at true
// size, centred on the page (the canvas with the placement's PixelsPerMm, the
// plot file at 40 plot units per mm times the plot scale).
#pragma once

#include <string>
#include <vector>

#include "dials/dial_family.h"
#include "dials/habermel/habermel_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::habermel {

void DrawHabermelDial(output::PlotSink& sink, const HabermelDial& dial,
                      const CanvasPlacement& placement, const shell::ColorSet& colors);

void PlotHabermelDial(output::HpglWriter& writer, const HabermelDial& dial,
                      const PlotPlacement& placement);

// The legend's lines in the current language.
std::vector<std::string> LegendLines(const HabermelDial& dial);

// The plate's centre on the plot page (plot units at scale 1).
inline constexpr output::Point kPlotCentre{8800, 5519};

}  // namespace kelvra::dials::habermel
