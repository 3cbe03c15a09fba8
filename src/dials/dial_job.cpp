#include "dials/dial_job.h"

#include <utility>

namespace kelvra::dials {

DialJob::DialJob() : kind_(&config::KindRow('\0')) {}

DialJob::DialJob(const DialInputs& inputs, shell::MessageSink& messages) : inputs_(inputs) {
  inputs_.dial = config::ResolvedDial(inputs.dial);
  kind_ = &config::KindRow(inputs_.dial);
  construction_ = BuildConstruction(inputs_, messages);
}

DialJob DialJob::OfCurrentDial(double zoom) {
  return DialJob(CurrentDialInputs(zoom), shell::CurrentMessageSink());
}

DialJob::DialJob(DialJob&&) noexcept = default;
DialJob& DialJob::operator=(DialJob&&) noexcept = default;
DialJob::~DialJob() = default;

bool DialJob::DrawsNothing() const { return !construction_ || construction_->DrawsNothing(); }

void DialJob::Draw(output::PlotSink& sink, const output::DrawingView& view, bool grid,
                   const output::PrintArea& area) const {
  // A refused construction may still show why on the canvas.
  if (!construction_) return;
  CanvasPlacement placement;
  placement.origin = view.origin;
  placement.originSetByUser = view.originSetByUser;
  placement.legend = view.legendPosition;
  placement.legendSetByUser = view.legendSetByUser;
  placement.pixelsPerMm = view.PixelsPerMmFor(sink);
  placement.screenPageFormat = view.screenPageFormat;
  placement.grid = grid;
  placement.printAreaLeft = area.left;
  placement.printAreaTop = area.top;
  construction_->Draw(sink, placement);
}

void DialJob::WritePlot(output::HpglWriter& writer, const output::DrawingView& view,
                        std::optional<int> gridMm, std::vector<std::string>* coordinateListing,
                        const std::string& plotFileName) const {
  if (DrawsNothing()) return;
  PlotPlacement placement;
  placement.gridMm = gridMm;
  if (view.originSetByUser) {
    placement.origin = output::CarryToPlotPage(view.origin, view.imageWidth, view.imageHeight, *kind_);
  }
  if (view.legendSetByUser) {
    placement.legend =
        output::CarryToPlotPage(view.legendPosition, view.imageWidth, view.imageHeight, *kind_);
  }
  construction_->WritePlot(writer, placement, coordinateListing, plotFileName);
}

output::DxfScale DialJob::DxfScale() const { return output::DxfScaleFor(*kind_); }

std::vector<SidePlot> DialJob::SidePlots() const {
  if (DrawsNothing()) return {};
  return construction_->SidePlots();
}

std::filesystem::path DialJob::SidePlotPath(const std::filesystem::path& plotFile,
                                            const SidePlot& side) {
  std::filesystem::path path = plotFile;
  path.replace_filename(plotFile.stem().string() + side.nameSuffix +
                        plotFile.extension().string());
  return path;
}

const ConstructionListing* DialJob::Listing() const {
  return construction_ ? construction_->Listing() : nullptr;
}

output::DrawingView DefaultView(const config::DialKindRow& kind, int width, int height,
                                double latitude) {
  output::DrawingView view;
  view.imageWidth = width;
  view.imageHeight = height;
  output::SetDefaultPlacement(view, kind, width, height, latitude);
  return view;
}

}  // namespace kelvra::dials
