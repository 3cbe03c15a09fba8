// One drawing of a dial for the drawing window and the commands: the
// construction built once through the family seam (dials/dial_family.h), then
// drawn with the drawing window's view, printed, written as a plot or DXF file
// with its side files, and asked for its listing. Everything that depends on
// the kind comes from the kind's row; callers compare no kind letters.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/dial_kinds.h"
#include "dials/dial_family.h"
#include "output/drawing_view.h"
#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "output/print_area.h"
#include "shell/messages.h"

namespace kelvra::dials {

class DialJob {
 public:
  // An empty job: draws nothing.
  DialJob();
  // Builds the construction of `inputs`; the family's messages go to `messages`.
  DialJob(const DialInputs& inputs, shell::MessageSink& messages);
  // The current dial (config::Dial(), shell::State()) at `zoom`, messages
  // through the current sink.
  static DialJob OfCurrentDial(double zoom = 1.0);

  DialJob(DialJob&&) noexcept;
  DialJob& operator=(DialJob&&) noexcept;
  ~DialJob();

  const config::DialKindRow& Kind() const { return *kind_; }
  const DialInputs& Inputs() const { return inputs_; }
  double Zoom() const { return inputs_.zoom; }
  // True when nothing can be drawn, printed or saved.
  bool DrawsNothing() const;

  // Draws onto `sink` with the origin, legend and page format of `view` as
  // they are (the caller carries them to a printer page first), the grid, and
  // the left and top of `area`. A refused construction draws only what it
  // shows instead of the dial (nothing, or its refusal).
  void Draw(output::PlotSink& sink, const output::DrawingView& view, bool grid,
            const output::PrintArea& area) const;
  // The plot file: positions the user picked on the screen are carried to
  // the plot page by the kind's rule; `gridMm` is the grid spacing when the
  // grid question was answered Yes.
  void WritePlot(output::HpglWriter& writer, const output::DrawingView& view,
                 std::optional<int> gridMm, std::vector<std::string>* coordinateListing,
                 const std::string& plotFileName) const;
  // Plot scale and divisor of a DXF export of this kind.
  output::DxfScale DxfScale() const;
  // Files to write beside the plot file, with their paths beside `plotFile`.
  std::vector<SidePlot> SidePlots() const;
  static std::filesystem::path SidePlotPath(const std::filesystem::path& plotFile,
                                            const SidePlot& side);

  // The construction listing, or null.
  const ConstructionListing* Listing() const;

 private:
  DialInputs inputs_;
  const config::DialKindRow* kind_;
  std::unique_ptr<Construction> construction_;
};

// The drawing window's default view of a picture W × H for `kind` at
// `latitude` (degrees): origin and legend at the kind's default places (none
// for kinds that place themselves), the print-page scale.
output::DrawingView DefaultView(const config::DialKindRow& kind, int width, int height,
                                double latitude);

}  // namespace kelvra::dials
