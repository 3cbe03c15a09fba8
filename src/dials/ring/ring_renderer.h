// The canvas renderer and the plot writer of the ring dial: both draw the
// bands traced by BuildRingDial, the one onto a PlotSink (device units, y
// down), the other through HpglWriter (plot units, y up, true size).
#pragma once

#include <vector>

#include "dials/ring/ring_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::ring {

// Draws the bands with their hour lines, the half-circumference mark and
// the legend onto the whole of `sink`; a refused dial shows the refusal
// texts under the title.
void DrawRingDial(output::PlotSink& sink, const RingDial& dial, const shell::ColorSet& colors);

// Draws the correction table: the curves of the spot's shift over the
// relative offset for each sun altitude, with its grid, axes and headings,
// and the note naming the table file when it was written.
void DrawRingOffsetTable(output::PlotSink& sink, const OffsetTable& table);

// One piece of a band on the plot page: the band from `from` to `to` (mm
// along it) with its upper-left corner at (x, top) in mm on the page (y up).
struct PlotStrip {
  int band = 0;
  double from = 0, to = 0;
  double x = 0, top = 0;
};

// Where the plot file puts the bands: at true size where they fit the page,
// a band longer than the page in equal pieces one under the other; when even
// that is too tall for the page, everything is reduced by `scale`.
struct PlotLayout {
  std::vector<PlotStrip> strips;
  double scale = 1.0;  // page mm per ring mm
  double legendTop = 0;  // mm from the page's lower edge
};
PlotLayout RingPlotLayout(const RingDial& dial);

// The plot file: standard header, the bands (pens = colour numbers), the
// legend and the trailer.
void PlotRingDial(output::HpglWriter& writer, const RingDial& dial);

}  // namespace kelvra::dials::ring
