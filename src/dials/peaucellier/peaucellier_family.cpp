#include "dials/peaucellier/peaucellier_family.h"

#include "dials/peaucellier/peaucellier_geometry.h"
#include "dials/peaucellier/peaucellier_renderer.h"

namespace kelvra::dials::peaucellier {

namespace {

class PeaucellierConstruction final : public Construction {
 public:
  PeaucellierConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildPeaucellierDial(in.site, in.dial, in.zoom, messages)), colors_(in.colors) {}

  // Below 29 degrees of latitude: the canvas shows the refusal, nothing may
  // be printed or saved.
  bool DrawsNothing() const override { return dial_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawPeaucellierDial(sink, dial_, placement, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotPeaucellierDial(writer, dial_, placement);
  }

 private:
  PeaucellierDial dial_;
  shell::ColorSet colors_;
};

class Peaucellier final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<PeaucellierConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& PeaucellierFamily() {
  static const Peaucellier family;
  return family;
}

}  // namespace kelvra::dials::peaucellier
