// Drawing the sun-path diagrams on a PlotSink (the tables window's picture,
// the printed page, picture and vector files) and writing them as plot files.
// The plot writers draw the printed diagram through GraphPlotSink, so the
// plot file and the DXF made from it hold the same elements as the page.
#pragma once

#include "calc/graphs/graph_inputs.h"
#include "calc/graphs/sun_path.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"

namespace kelvra::calc::graphs {

// Where the polar diagram puts a direction: the horizon circle of radius r0
// about (cx, cy); altitude a lies at radius r0 (1 - a / 90), south at the
// bottom, west on the left (device units, y down).
struct PolarFrame {
  double cx = 0;
  double cy = 0;
  double r0 = 1;
  output::Point Project(double altitude, double azimuth) const;
};
PolarFrame PolarFrameFor(const GraphInputs& in, bool screen, int width, int height);

// Where the rectangular diagram puts a direction: azimuth -180 at x = left,
// kx device units per degree to the right; altitude 0 at y = axis, ky per
// degree upwards.
struct CartesianFrame {
  double left = 0;
  double axis = 0;
  double kx = 1;
  double ky = 1;
  output::Point Project(double altitude, double azimuth) const;
};
CartesianFrame CartesianFrameFor(bool screen, int x0, int y0, int height, int width);

// The polar diagram on an area of width × height device units from (0, 0):
// grid, horizon profile, date lines, hour lines with their labels, legend.
// Returns the lines drawn (and the plane's light text).
SunPathDiagram DrawPolarSunPath(output::PlotSink& sink, const GraphInputs& in, int width,
                                int height);
// The rectangular diagram on the area of width × height from (x0, y0).
SunPathDiagram DrawCartesianSunPath(output::PlotSink& sink, const GraphInputs& in, int x0,
                                    int y0, int height, int width);

// The plot files: ";IN;SS;SI 0.16, 0.24;SP 4" (polar) or
// ";IN;SS;SI 0.14, 0.21;SP 4" (rectangular), the printed diagram of
// 2900 × 2000 (0.1 mm) in plot units, and ";PU;SP 0;IN;".
void WritePolarSunPathPlot(output::HpglWriter& writer, const GraphInputs& in, int width = 2900,
                           int height = 2000);
void WriteCartesianSunPathPlot(output::HpglWriter& writer, const GraphInputs& in, int x0 = 100,
                               int y0 = 100, int width = 2900, int height = 2000);

// The line under the diagram while planeSunshine is set:
// "Frühestes/spätestes Streiflicht auf ebener Sonnenuhr (<time kind>  ) " + text.
std::string PlaneLightLine(const GraphInputs& in, const std::string& planeLightText);

}  // namespace kelvra::calc::graphs
