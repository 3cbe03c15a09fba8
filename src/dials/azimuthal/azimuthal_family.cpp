#include "dials/azimuthal/azimuthal_family.h"

#include "dials/azimuthal/azimuthal_geometry.h"
#include "dials/azimuthal/azimuthal_renderer.h"

namespace kelvra::dials::azimuthal {

namespace {

class AzimuthalConstruction final : public Construction {
 public:
  AzimuthalConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildAzimuthalDial(in.site, in.dial, in.horizon.get(), messages)),
        colors_(in.colors) {}

  // Temporal hours refused above 66 degrees: only the refusal is shown.
  bool DrawsNothing() const override { return dial_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement&) const override {
    if (dial_.variant == 0) {
      DrawAzimuthalDial(sink, dial_, colors_);
    } else {
      DrawAltitudeCircleDial(sink, dial_, colors_);
    }
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement&, std::vector<std::string>*,
                 const std::string&) const override {
    if (dial_.variant == 0) {
      PlotAzimuthalDial(writer, dial_);
    } else {
      PlotAltitudeCircleDial(writer, dial_);
    }
  }

 private:
  AzimuthalDial dial_;
  shell::ColorSet colors_;
};

class Azimuthal final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<AzimuthalConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& AzimuthalFamily() {
  static const Azimuthal family;
  return family;
}

}  // namespace kelvra::dials::azimuthal
