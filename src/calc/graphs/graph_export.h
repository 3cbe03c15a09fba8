// The graphs as whole drawings: on the window's picture or the printed page
// with the sizes the window uses, and as plot files for the save command.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "calc/graphs/graph_inputs.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"

namespace kelvra::calc::graphs {

enum class GraphKind { Eot, PolarSunPath, CartesianSunPath };

// The sun-path diagram the settings choose (diagramPolar).
GraphKind SunPathKind(const GraphInputs& in);

// Draws the graph over the whole sink: on the screen picture (sink.IsScreen())
// from (0, 0) at its size; on a printed page (0.1 mm) with the margins of the
// print command. The equation-of-time graph shows the longitude correction
// when in.zoneTime is set. Returns the plane's light text of a sun-path
// diagram with planeSunshine, else empty.
std::string DrawGraph(output::PlotSink& sink, GraphKind kind, const GraphInputs& in);

// The options of the save panel.
struct GraphPlotOptions {
  bool mirror = false;         // equation of time only
  bool withLongitude = false;  // equation of time: the longitude correction
  double yFactor = 1.0;        // equation of time: kMinYFactor..kMaxYFactor
};

// The plot file of a graph, as the save command writes it: the equation of
// time at (100, 100) with width 2000 and height 1500, the sun-path diagrams
// 2900 × 2000. Always plot scale 1: a DXF is converted with kGraphDxfScale
// and comes out at true size.
void WriteGraphPlot(output::HpglWriter& writer, GraphKind kind, const GraphInputs& in,
                    const GraphPlotOptions& options);
inline constexpr output::DxfScale kGraphDxfScale{1, 40};

// The save command: writes the graph's plot file `file` (plot scale 1) or,
// with `dxf`, the DXF drawing `file` at true size, converted from the plot
// file "kelvra.$$$" beside it, which is deleted afterwards. An existing file
// is replaced only by a complete new one. Reports through the message sink:
// a saved plot file "File <name> saved!"; a plot file that cannot be created
// or written "Datei konnte nicht gespeichert werden!" with the reason; the
// converter's own messages for the DXF drawing. False on failure.
bool SaveGraphFile(const std::filesystem::path& file, bool dxf, GraphKind kind,
                   const GraphInputs& in, const GraphPlotOptions& options, int lineStrength = 1);

// The proposed file names of the save panel ("EoT.plt", "Azi.plt", "Eot.dxf",
// "Sonnenpositionen.dxf").
std::string ProposedGraphFileName(GraphKind kind, bool dxf);

// Reads the y factor of the save panel: a number (a comma taken as the point)
// within kMinYFactor..kMaxYFactor; nothing otherwise.
std::optional<double> ReadYFactor(std::string_view text);

}  // namespace kelvra::calc::graphs
