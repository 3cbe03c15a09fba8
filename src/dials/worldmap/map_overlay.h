// The coastline and border overlay of a dial plane: the map parts the user
// chose, in ColorSet colours 11 (coastlines) and 12 (borders) on a canvas and
// with pens 11 and 12 in a plot file, projected so that each place lands where
// the nodus's shadow falls while the sun stands in that place's zenith.
#pragma once

#include <string>

#include "dials/worldmap/gnomonic.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials::worldmap {

struct MapOverlay {
  bool coastlines = false;
  bool borders = false;
  MapProjection projection;  // of the dial's plane (PlaneProjection)
  double gnomonMm = 0;       // the zoomed gnomon height (the projection's scale)

  bool Any() const { return coastlines || borders; }
};

// Onto a canvas from the built-in map; `origin` is the gnomon foot in device
// units, `pixelsPerMm` the scale of the dial on this sink.
void DrawMapOverlay(output::PlotSink& sink, const MapOverlay& overlay, output::Point origin,
                    double pixelsPerMm, const shell::ColorSet& colors,
                    shell::MessageSink& messages);

// Into a plot file, before the dial: the map header and the chosen parts from
// the data files in `dataFolder` (with a trailing separator; maps/coastKel.dat
// and maps/GrenzenKel.dat). `originX`, `originY` are the gnomon foot in plot
// units at the writer's plot scale. A missing coastline file is reported
// ("Die Datei coastKel.dat fehlt. ...") and leaves the coastlines out; a
// missing border file is reported by PlotMap. Nothing is written when no
// chosen part has its file.
void PlotMapOverlay(output::HpglWriter& writer, const MapOverlay& overlay, double originX,
                    double originY, const std::string& dataFolder,
                    shell::MessageSink& messages);

}  // namespace kelvra::dials::worldmap
