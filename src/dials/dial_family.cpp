#include "dials/dial_family.h"

#include "calc/horizon/horizon_profile.h"
#include "config/dial_parameters.h"

namespace kelvra::dials {

namespace {

// The construction of a kind whose family is not built yet.
class NothingDrawn final : public Construction {
 public:
  bool DrawsNothing() const override { return true; }
  void Draw(output::PlotSink&, const CanvasPlacement&) const override {}
  void WritePlot(output::HpglWriter&, const PlotPlacement&, std::vector<std::string>*,
                 const std::string&) const override {}
};

}  // namespace

DialInputs CurrentDialInputs(double zoom) {
  const shell::SharedState& state = shell::State();
  DialInputs in;
  in.site = state.site;
  in.dial = config::ResolvedDial(config::Dial());
  in.ownDateLines = state.general.ownDateLines;
  in.colors = state.colors;
  // The map overlay is an expert feature: the drawing window offers it only
  // in expert mode with the maps switched on.
  in.mapsEnabled = state.general.mapsEnabled && state.general.expertMode;
  in.drawCoastline = state.general.drawCoastline;
  in.drawBorders = state.general.drawBorders;
  in.zoom = zoom;
  if (calc::Horizon().horizonProfileLoaded) {
    in.horizon = std::make_shared<const calc::HorizonProfile>(calc::Horizon().profile);
  }
  return in;
}

std::unique_ptr<Construction> BuildConstruction(const DialInputs& inputs,
                                                shell::MessageSink& messages) {
  DialInputs in = inputs;
  in.dial = config::ResolvedDial(inputs.dial);
  const Family* family = FindFamily(config::KindRow(in.dial).family);
  if (!family) return std::make_unique<NothingDrawn>();
  return family->Build(in, messages);
}

}  // namespace kelvra::dials
