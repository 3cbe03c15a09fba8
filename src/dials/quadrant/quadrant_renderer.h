// The canvas renderer and the plot writer of the quadrant: both draw the
// panels traced by BuildQuadrant, the one onto a PlotSink (device units, y
// down), the other through HpglWriter (plot units, y up).
#pragma once

#include "dials/dial_family.h"
#include "dials/quadrant/quadrant_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::quadrant {

// Draws the first panel with its frame, date scale, altitude scale, hour
// curves, azimuth lines and legend onto the whole of `sink`; a refused
// quadrant shows the refusal texts under the title.
void DrawQuadrant(output::PlotSink& sink, const Quadrant& q, const shell::ColorSet& colors);

// The plot file: standard header, every panel (the second one to the left of
// the first, mirrored with quadrantMirrored), pens = colour numbers, the
// legend and the trailer.
void PlotQuadrant(output::HpglWriter& writer, const Quadrant& q);

}  // namespace kelvra::dials::quadrant
