// The canvas renderer, the plot writer and the cone file of the mean-time
// dial: all draw the lines built by BuildMeanTimeDial, at true size (face mm
// times PixelsPerMm on a canvas, 40 plot units per mm times PlotScale in a
// plot file), about the apex O.
#pragma once

#include <string>
#include <vector>

#include "dials/dial_family.h"
#include "dials/meantime/meantime_geometry.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::meantime {

// The legend: title, site, face, cone, time system and the reading note, in
// the current language.
std::vector<std::string> LegendLines(const MeanTimeDial& dial);

void DrawMeanTimeDial(output::PlotSink& sink, const MeanTimeDial& dial,
                      const CanvasPlacement& placement, const shell::ColorSet& colors);

// Without a picked origin both the canvas and the plot file centre the lines
// on the page.
void PlotMeanTimeDial(output::HpglWriter& writer, const MeanTimeDial& dial,
                      const PlotPlacement& placement);

// The cone file: the cross-section through the axis and the unrolled cone
// with its glue flap, at true size.
void PlotCone(output::HpglWriter& writer, const MeanTimeDial& dial);

// The pole information: site, face, cone and its numbers, the rim centre and
// the equivalent horizontal dial of the face.
std::vector<std::string> PoleInformation(const MeanTimeDial& dial);

}  // namespace kelvra::dials::meantime
