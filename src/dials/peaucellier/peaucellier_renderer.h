// The canvas renderer and the plot writer of the Peaucellier dial: both draw
// the lines built by BuildPeaucellierDial, turned by 90 degrees (the axis runs
// across the page, every text runs downwards).
#pragma once

#include "dials/dial_family.h"
#include "dials/peaucellier/peaucellier_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::peaucellier {

// The device position of the origin: the picked one (screen: when both
// coordinates are at least 1), else (0.35 W, 0.5 H); on the printer moved left
// so that the dial ends 30 units before the right edge.
output::Point CanvasOrigin(const PeaucellierDial& dial, const CanvasPlacement& placement,
                           int width, int height, bool screen);

void DrawPeaucellierDial(output::PlotSink& sink, const PeaucellierDial& dial,
                         const CanvasPlacement& placement, const shell::ColorSet& colors);

// The plot origin when none was picked: 0.35 of the plot window across, at
// the fixed height 5240 plot units (scale 1).
inline constexpr output::Point kDefaultPlotOrigin{5655, 5240};

void PlotPeaucellierDial(output::HpglWriter& writer, const PeaucellierDial& dial,
                         const PlotPlacement& placement);

}  // namespace kelvra::dials::peaucellier
