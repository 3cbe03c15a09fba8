#include "dials/sawyer/sawyer_family.h"

#include "dials/sawyer/sawyer_geometry.h"
#include "dials/sawyer/sawyer_renderer.h"

namespace kelvra::dials::sawyer {

namespace {

class SawyerConstruction final : public Construction {
 public:
  SawyerConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildSawyerDial(in.site, in.dial, in.zoom, messages)), colors_(in.colors) {}

  // A wall the sun never lights: nothing may be printed or saved.
  bool DrawsNothing() const override { return dial_.empty; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawSawyerDial(sink, dial_, placement, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotSawyerDial(writer, dial_, placement);
  }

 private:
  SawyerDial dial_;
  shell::ColorSet colors_;
};

class Sawyer final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<SawyerConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& SawyerFamily() {
  static const Sawyer family;
  return family;
}

}  // namespace kelvra::dials::sawyer
