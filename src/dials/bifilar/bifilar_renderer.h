// The canvas renderer and the plot writer of the bifilar dial: both draw the
// chains traced by BuildBifilarDial, the one onto a PlotSink (device units, y
// down), the other through HpglWriter (plot units, y up).
#pragma once

#include <optional>

#include "dials/bifilar/bifilar_geometry.h"
#include "dials/dial_family.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::bifilar {

// The device position of the dial origin on a drawing area W x H: the picked
// origin when it lies inside the picture, otherwise the centre (W / 2, H / 2).
output::Point CanvasOrigin(const CanvasPlacement& placement, int width, int height);

// Draws frame, grid (when asked), date lines, pole mark, hour lines and
// legend onto the whole of `sink`. A dial whose threads run parallel shows
// only its frame.
void DrawBifilarDial(output::PlotSink& sink, const BifilarDial& dial,
                     const CanvasPlacement& placement, const shell::ColorSet& colors);

// The plot origin when none was picked: the picture's centre carried to the
// plot page (16157 / 2, 10480 / 2), plot units at scale 1.
inline constexpr output::Point kDefaultPlotOrigin{8078, 5240};

// The plot file: standard header, text size, the origin circle, the grid when
// asked, date lines (pen 10 the middle one, pen 1 the others), pole mark,
// hour lines (pen 2 full hours, pen 8 subdivisions) with their numbers, the
// legend, and ";IW;IN;".
void PlotBifilarDial(output::HpglWriter& writer, const BifilarDial& dial,
                     const PlotPlacement& placement);

}  // namespace kelvra::dials::bifilar
