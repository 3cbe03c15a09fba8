#include "dials/bifilar/bifilar_family.h"

#include "dials/bifilar/bifilar_geometry.h"
#include "dials/bifilar/bifilar_renderer.h"

namespace kelvra::dials::bifilar {

namespace {

class BifilarConstruction final : public Construction {
 public:
  BifilarConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildBifilarDial(in.site, in.dial, in.ownDateLines, in.zoom, messages)),
        colors_(in.colors) {}

  // Threads that run parallel give no dial: nothing to print or save.
  bool DrawsNothing() const override { return dial_.parallel; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawBifilarDial(sink, dial_, placement, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotBifilarDial(writer, dial_, placement);
  }

 private:
  BifilarDial dial_;
  shell::ColorSet colors_;
};

class Bifilar final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<BifilarConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& BifilarFamily() {
  static const Bifilar family;
  return family;
}

}  // namespace kelvra::dials::bifilar
