// Drawing one part of the world map: on a canvas (DrawMap, from the map built
// into the program) and into a plot file (PlotMap, from a data file), each
// point projected onto the dial plane (gnomonic.h) or onto a plain
// longitude/latitude grid.
//
// Only what lies near the page is drawn: a window of 1.2 (canvas) or 1.3
// (plot file) times the page size about the page centre. A line that leaves
// the window is drawn up to its edge and taken up again where it comes back,
// so that no line crosses the page where the map has none. Points beyond the
// horizon of the projection break the polyline.
#pragma once

#include <filesystem>
#include <functional>

#include "dials/worldmap/gnomonic.h"
#include "dials/worldmap/world_map.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/messages.h"

namespace kelvra::dials::worldmap {

struct MapRequest {
  MapPart part = MapPart::Coastlines;
  output::Color colour = 0;  // canvas pen colour (ColorSet colour 11 or 12)
  // Points outside these bounds are left out and break the polyline
  // (degrees; longitudes WEST positive).
  double minLatitude = -90, maxLatitude = 90;
  double minLongitude = -180, maxLongitude = 180;
  // True: gnomonic projection onto the dial plane. False: a plain grid,
  // x = x0 + (λ − λ0) × scale, y = y0 − (φ − φ0) × scale (east positive λ).
  bool projected = true;
  MapProjection projection;  // the plane's centre point and turn
  // The dial origin (gnomon foot) and the projection scale (the zoomed gnomon
  // height) in the target's units: device units, y down, for DrawMap; plot
  // units (already multiplied by PlotScale), y up, for PlotMap.
  double originX = 0, originY = 0;
  double scale = 1;
  double pageWidth = 0, pageHeight = 0;  // the drawing area, same units
  // A family's own projection in place of the two above (kind c's map): the
  // offset (dx right, dy toward the top of the face) of the point at latitude
  // and WEST positive longitude from the origin, in the target's units; false
  // leaves the point out and breaks the polyline.
  std::function<bool(double latitude, double longitude, double& dx, double& dy)> custom;
};

// Draws the request's part of `map` on `sink`: a red cross of ±8 device units
// at the origin, then the polylines in the request's colour. The first
// unreadable point line of the part is reported through `messages`
// ("... / ... : Das ist keine reelle Zahl.", Problem caption); the rest of the
// map is still drawn.
void DrawMap(output::PlotSink& sink, const MapRequest& request, const WorldMap& map,
             shell::MessageSink& messages);

// Writes the map of the data file `file` with pen `pen` into the plot file:
// ";SP pen;PU 0 0;SI w,h", then ";SP pen", every polyline as
// ";PU x y;PD " followed by "x y " for each further point, and ";". The plot
// file's header is written by the caller. When the file cannot be read, the
// information "Datei " + file + " wurde deaktiviert!" is shown and nothing
// follows the first commands; returns false then.
bool PlotMap(output::HpglWriter& writer, const std::filesystem::path& file, int pen,
             const MapRequest& request, shell::MessageSink& messages);

}  // namespace kelvra::dials::worldmap
