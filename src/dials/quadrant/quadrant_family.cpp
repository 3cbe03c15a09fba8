#include "dials/quadrant/quadrant_family.h"

#include "dials/quadrant/quadrant_geometry.h"
#include "dials/quadrant/quadrant_renderer.h"

namespace kelvra::dials::quadrant {

namespace {

class QuadrantConstruction final : public Construction {
 public:
  QuadrantConstruction(const DialInputs& in, shell::MessageSink& messages)
      : quadrant_(BuildQuadrant(in.site, in.dial, messages)), colors_(in.colors) {}

  // Temporal hours above 65 degrees: the canvas shows the refusal, nothing
  // may be printed or saved.
  bool DrawsNothing() const override { return quadrant_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement&) const override {
    DrawQuadrant(sink, quadrant_, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement&, std::vector<std::string>*,
                 const std::string&) const override {
    PlotQuadrant(writer, quadrant_);
  }

 private:
  Quadrant quadrant_;
  shell::ColorSet colors_;
};

class QuadrantDials final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<QuadrantConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& QuadrantFamily() {
  static const QuadrantDials family;
  return family;
}

}  // namespace kelvra::dials::quadrant
