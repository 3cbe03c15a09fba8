// The seam between the program and its dial families. A family builds one
// construction of a dial from explicit inputs (it reads no shared state and
// shows its messages through the sink it is given), computes its geometry
// once, and then draws it onto any PlotSink (screen picture, printed page,
// picture or vector file), writes its plot file through HpglWriter and, where
// it has one, offers its construction listing as numbers.
//
// The registry finds the family of a kind through the kind table
// (config/dial_kinds.h). A kind whose family is not built yet gets a
// construction that draws nothing, and says so, so that callers refuse to
// print or save it. The drawing window and the commands use DialJob
// (dials/dial_job.h) on top of this.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/horizon/horizon_profile.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "dials/dial_listing.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/messages.h"
#include "shell/shared_state.h"

namespace kelvra::dials {

// Everything one construction is built from.
struct DialInputs {
  shell::SiteSettings site;
  config::DialParameters dial;            // never the transitional kind s (config::ResolvedDial)
  std::vector<std::string> ownDateLines;  // the user's date lines, "dd/mm" and a comment
  shell::ColorSet colors;
  bool mapsEnabled = true;     // the map overlay of the planar dials and kind c
                               // (CurrentDialInputs: mapsEnabled and expertMode)
  bool drawCoastline = true;
  bool drawBorders = true;
  double zoom = 1.0;           // multiplies every dial length
  bool correctionTable = false;  // kind r: the correction table instead of the dial
  // The local horizon profile when one is loaded (kind a draws it when
  // `dial.horizonProfile` asks for it); null otherwise.
  std::shared_ptr<const calc::HorizonProfile> horizon;
};

// The inputs from the program's records (config::Dial(), shell::State()).
DialInputs CurrentDialInputs(double zoom = 1.0);

// Where a drawing goes on a canvas, in the sink's device units (image pixels
// on screen, 0.1 mm on the printer, y down).
struct CanvasPlacement {
  output::Point origin;          // the gnomon foot (or the family's reference point)
  bool originSetByUser = false;  // picked with the mouse; else the family may place itself
  output::Point legend;          // top-left corner of the legend
  bool legendSetByUser = false;
  double pixelsPerMm = 5;        // device units per dial mm (PixelsPerMm)
  bool screenPageFormat = true;  // the screen shows the print page (280 mm across)
  bool grid = false;             // the " + Netz" command
  int printAreaLeft = 0;         // PrintArea left and top of the last print job (0.1 mm)
  int printAreaTop = 0;
};

// Where a plot file puts the drawing: positions picked on the screen, carried
// to plot units at PlotScale 1 (y up); without them the writer uses its own
// places.
struct PlotPlacement {
  std::optional<output::Point> origin;
  std::optional<output::Point> legend;
  std::optional<int> gridMm;  // the grid question answered Yes
};

// A file written beside the plot file (kind m: the cone construction). Its
// name is the plot file's with `nameSuffix` before the extension.
struct SidePlot {
  std::string nameSuffix;
  std::function<void(output::HpglWriter&)> write;
  // The notice shown once it is written, for the file's name (no folder).
  std::function<std::string(const std::string& fileName)> notice;
};

// One construction, geometry computed when it was built.
class Construction {
 public:
  virtual ~Construction() = default;

  // True when there is nothing to draw (a kind not built yet, or a
  // construction refused for these inputs): nothing may be printed or saved.
  virtual bool DrawsNothing() const { return false; }
  // Draws onto `sink` (its whole area). A construction that draws nothing
  // may still draw the reason on the canvas (the refusal text).
  virtual void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const = 0;
  // The plot file: header, construction and trailer through `writer` (its
  // plot scale and line strength are set). `coordinateListing`, when given,
  // receives the coordinate listing naming `plotFileName`.
  virtual void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                         std::vector<std::string>* coordinateListing,
                         const std::string& plotFileName) const = 0;
  // Files written beside the plot file.
  virtual std::vector<SidePlot> SidePlots() const { return {}; }
  // The construction listing, or null.
  virtual const ConstructionListing* Listing() const { return nullptr; }
};

class Family {
 public:
  virtual ~Family() = default;
  virtual std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                              shell::MessageSink& messages) const = 0;
};

// ---- the registry -----------------------------------------------------------

// The family that builds the kinds of `family`, or null when it is not built yet.
const Family* FindFamily(config::DialFamily family);
// Builds the construction of `inputs` through the family of its kind's row;
// a kind without a family gets a construction that draws nothing.
std::unique_ptr<Construction> BuildConstruction(const DialInputs& inputs,
                                                shell::MessageSink& messages);

// Puts `family` in place of the registered one while it lives (tests; they
// end in the reverse order of their start).
class ScopedFamily {
 public:
  ScopedFamily(config::DialFamily kind, const Family& family);
  ~ScopedFamily();
  ScopedFamily(const ScopedFamily&) = delete;
  ScopedFamily& operator=(const ScopedFamily&) = delete;
};

}  // namespace kelvra::dials
