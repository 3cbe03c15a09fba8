// The drawing window's way to the dial families: which renderer, plot writer
// and construction listing belong to the current dial kind, called with the
// shared state (site, dial parameters, colours, own date lines) and the
// drawing window's view. Families without a renderer draw nothing.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/dial_parameters.h"
#include "dials/planar/construction_listing.h"
#include "dials/planar/planar_job.h"
#include "output/drawing_view.h"
#include "output/drawing_window_rules.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"

namespace kelvra::ui {

// The current dial parameters as the renderers take them: the transitional
// kind "s" of an umbrella dial becomes its plane letter.
config::DialParameters EffectiveDial();
using output::DrawingKindOf;

// One drawing of the current dial at a zoom: traced once, then drawn on the
// screen, printed or written as a plot file. Empty for kinds without a
// renderer.
struct DialJob {
  double zoom = 1;
  std::unique_ptr<dials::planar::PlanarJob> planar;  // kinds h, i, v

  bool CanDraw() const { return planar != nullptr; }
  // The bottom line of the drawing (sunlit period), empty without one.
  std::string SunlitLine() const;
};
// Builds the job of the current dial (config::Dial(), shell::State()).
DialJob BuildDialJob(double zoom);

// The construction listing of a planar dial (not for umbrella dials).
struct PlanarListing {
  dials::planar::PoleStyleResult poleStyle;
  dials::planar::HourLineTable table;
};
// The listing of `job`, with the hour-line table computed for
// `longitudeCorrection` (apparent time of the zone meridian).
std::optional<PlanarListing> ListingOf(const DialJob& job, bool longitudeCorrection);

// Draws `job` onto `sink` with the view's origin, legend and screen format
// (the positions as they are: the caller carries them to a printer page
// first). False when the kind has no renderer (nothing was drawn).
bool DrawDial(output::PlotSink& sink, const DialJob& job, const output::DrawingView& view,
              bool grid);

// The plot file of `job`: `writer` has its plot scale and line strength set.
// Positions the user picked on the screen are carried to the plot page;
// `gridMm` is the grid spacing when the grid question was answered Yes.
// `coordinateListing` receives the listing lines naming `plotFileName`.
// False when the kind has no plot writer.
bool WritePlot(output::HpglWriter& writer, const DialJob& job, const output::DrawingView& view,
               std::optional<int> gridMm, std::vector<std::string>* coordinateListing,
               const std::string& plotFileName);

}  // namespace kelvra::ui
