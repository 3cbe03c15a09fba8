#include "dials/habermel/habermel_family.h"

#include "dials/habermel/habermel_geometry.h"
#include "dials/habermel/habermel_renderer.h"

namespace kelvra::dials::habermel {

namespace {

class HabermelConstruction final : public Construction {
 public:
  explicit HabermelConstruction(const DialInputs& in)
      : dial_(BuildHabermelDial(in.site, in.dial)), colors_(in.colors) {}

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawHabermelDial(sink, dial_, placement, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotHabermelDial(writer, dial_, placement);
  }

 private:
  HabermelDial dial_;
  shell::ColorSet colors_;
};

class Habermel final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink&) const override {
    return std::make_unique<HabermelConstruction>(inputs);
  }
};

}  // namespace

const Family& HabermelFamily() {
  static const Habermel family;
  return family;
}

}  // namespace kelvra::dials::habermel
