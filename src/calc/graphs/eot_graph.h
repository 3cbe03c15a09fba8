// The equation-of-time graph over the reference year: the drawing on a
// PlotSink (the tables window's picture and the printed page) and its plot
// file.
//
// The curve is the equation of time E (apparent minus mean solar time, in
// minutes, positive when the sundial is fast) of ComputeSolarDay for noon UT of
// every third day. With the longitude correction the graph shows
// E + 4 (zoneMeridian - longitude) minutes, the value to subtract from the
// apparent time to get the zone time: the whole minutes of the correction go
// into the labels of the minute grid, the rest shifts the curve.
#pragma once

#include "calc/graphs/graph_inputs.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"

namespace kelvra::calc::graphs {

// The y factor of the plot file, and the range the save panel and
// `kelvra graph` accept.
inline constexpr double kMinYFactor = 0.05;
inline constexpr double kMaxYFactor = 20.0;

// How the longitude correction c = 4 (zoneMeridian - longitude) minutes is
// split: `labelMinutes` whole minutes added to the grid labels, the remaining
// `curveDegrees` (degrees of arc, 4 minutes each) added to the curve. Without
// the correction both are 0.
struct LongitudeShift {
  int labelMinutes = 0;
  double curveDegrees = 0;
};
// The picture rounds c to whole minutes (5.48 -> 5 and 0.48 min; -5.6 -> -6
// and +0.4 min).
LongitudeShift PictureLongitudeShift(const shell::SiteSettings& site, bool withLongitude);
// The plot file truncates c towards zero (-5.6 -> -5 and -0.6 min).
LongitudeShift PlotLongitudeShift(const shell::SiteSettings& site, bool withLongitude);

// Draws the graph into the area of width × height device units whose
// top-left corner is (x0, y0). The screen layout (sink.IsScreen()) fills the
// area white and scales to it; the paper layout (0.1 mm units) uses fixed
// sizes: five minutes are 15 mm.
void DrawEotGraph(output::PlotSink& sink, const GraphInputs& in, int x0, int y0,
                  bool withLongitude, int height, int width);

// The plot file of the graph, lengths in 0.1 mm written as plot units (times
// 4, y upwards): grid, labels and titles in pens 8 and 1, the curve in pen 3.
// `yFactor` stretches vertical distances only; `mirror` reflects the graph at
// the time axis and negates the labels (the difference mean minus apparent
// time). Every coordinate goes through writer.Scaled. The save command calls
// it with (100, 100, 2000, ..., 1500).
void WriteEotGraphPlot(output::HpglWriter& writer, const GraphInputs& in, int x0, int y0,
                       int width, bool withLongitude, bool mirror, double yFactor, int height);

}  // namespace kelvra::calc::graphs
