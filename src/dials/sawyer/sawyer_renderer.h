// The canvas renderer and the plot writer of the Sawyer decliner: both draw
// the chains built by BuildSawyerDial, at true size (the canvas with the
// placement's PixelsPerMm, the plot file at 40 plot units per mm times the
// plot scale).
#pragma once

#include <string>
#include <vector>

#include "dials/dial_family.h"
#include "dials/sawyer/sawyer_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::sawyer {

// The device position of the gnomon foot O: the picked one, else centred
// across and low enough that the equant centre and the legend fit above.
output::Point CanvasOrigin(const SawyerDial& dial, const CanvasPlacement& placement, int width,
                           int height);

void DrawSawyerDial(output::PlotSink& sink, const SawyerDial& dial,
                    const CanvasPlacement& placement, const shell::ColorSet& colors);

// The plot origin (plot units at scale 1) when none was picked.
output::Point DefaultPlotOrigin(const SawyerDial& dial);

void PlotSawyerDial(output::HpglWriter& writer, const SawyerDial& dial,
                    const PlotPlacement& placement);

// The legend's lines in the current language.
std::vector<std::string> LegendLines(const SawyerDial& dial);

}  // namespace kelvra::dials::sawyer
