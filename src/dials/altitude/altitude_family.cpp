#include "dials/altitude/altitude_family.h"

#include "dials/altitude/altitude_geometry.h"
#include "dials/altitude/altitude_layout.h"
#include "dials/altitude/altitude_page.h"
#include "shell/catalog.h"
#include "texts/altitude.h"

namespace kelvra::dials::altitude {

namespace {

class AltitudeConstruction final : public Construction {
 public:
  AltitudeConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildDial(altitude::VariantOf(in.dial), in.site, in.dial, in.colors, in.zoom, messages)) {}

  // Temporal hours above 65 degrees: the canvas shows the refusal, nothing
  // may be printed or saved.
  bool DrawsNothing() const override { return dial_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    CanvasPage page(sink, dial_.colors);
    Frame f = CanvasFrame(dial_.variant, sink.Width(), sink.Height(), sink.IsScreen(),
                          placement.pixelsPerMm);
    // The polar style stands at the picked origin; without one the pin is
    // placed high in the middle, since the tip's shadow always falls below it.
    f.origin = {static_cast<double>(placement.origin.x), static_cast<double>(placement.origin.y)};
    if (!placement.originSetByUser) f.origin = {sink.Width() / 2.0, f.margin + 0.1 * sink.Height()};
    if (placement.grid) f.gridSpacing = 10 * placement.pixelsPerMm;
    DrawCylinderFamily(page, dial_, f);
  }

  // The plot file (PlotAltitudeOrShepherdDial for k and the shepherd's dial,
  // PlotCylinderDial for the hat dial and the polar style): standard header,
  // the drawing on the A3 page in plot units, pens = colour numbers, trailer.
  // The layout is the canvas layout with y turned round: a page point
  // (x, y down) is written as (x, 11038 x PlotScale - y).
  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement, std::vector<std::string>*,
                 const std::string&) const override {
    if (dial_.variant == Variant::Shepherd && ShepherdPlotWantsTwoParts(dial_)) {
      shell::ShowMessage(shell::MessageKind::Information, shell::Get(texts::altitude::kTwoStrips));
    }
    writer.PutStandardHeader();
    PlotPage page(writer);
    Frame f = PlotFrame(writer.PlotScale());
    const double s = writer.PlotScale();
    f.origin = {f.width / 2, f.width / 32};
    if (placement.origin) f.origin = {placement.origin->x * s, f.height - placement.origin->y * s};
    if (placement.gridMm) f.gridSpacing = *placement.gridMm * f.unitsPerMm;
    DrawCylinderFamily(page, dial_, f);
    writer.Put(output::kTrailerWindow);
  }

 private:
  Dial dial_;
};

class Altitude final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<AltitudeConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& HorizontalAltitudeFamily() {
  static const Altitude family;
  return family;
}

const Family& CylinderFamily() {
  static const Altitude family;
  return family;
}

}  // namespace kelvra::dials::altitude
