#include "dials/meantime/meantime_family.h"

#include "dials/meantime/meantime_geometry.h"
#include "dials/meantime/meantime_renderer.h"
#include "shell/catalog.h"
#include "texts/meantime.h"

namespace kelvra::dials::meantime {

namespace {

class MeanTimeConstruction final : public Construction, public ConstructionListing {
 public:
  MeanTimeConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildMeanTimeDial(in.site, in.dial, in.zoom, messages)), colors_(in.colors) {}

  // A cone reaching behind the face: the canvas shows the legend only,
  // nothing may be printed or saved.
  bool DrawsNothing() const override { return dial_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawMeanTimeDial(sink, dial_, placement, colors_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotMeanTimeDial(writer, dial_, placement);
  }

  std::vector<SidePlot> SidePlots() const override {
    if (dial_.refused) return {};
    const MeanTimeDial* d = &dial_;
    return {SidePlot{"Cone", [d](output::HpglWriter& w) { PlotCone(w, *d); },
                     [](const std::string& name) {
                       return shell::Get(texts::meantime::kConeFileNotice) + "\"" + name +
                              "\" !!!";
                     }}};
  }

  const ConstructionListing* Listing() const override { return this; }

  // The pole information; there is no table of hour-line angles.
  std::vector<std::string> PoleStyleLines() const override { return PoleInformation(dial_); }
  bool HasHourLineTable() const override { return false; }
  bool LongitudeCorrection() const override { return dial_.zoneTime; }
  HourLineTableView HourLineTable(bool) const override { return {}; }
  std::vector<std::string> HourLineTablePage(bool) const override { return {}; }
  std::vector<ListingField> Fields() const override {
    const MeanTimeDial& d = dial_;
    return {{"refused", d.refused},
            {"axisLength", d.cone.length},
            {"halfAngle", d.cone.halfAngle},
            {"rimRadius", d.cone.RimRadius()},
            {"slantLength", d.cone.SlantLength()},
            {"sectorAngle", d.cone.SectorAngle()},
            {"rimCentreHeight", d.rimCentreHeight},
            {"rimCentreFootX", d.rimCentreFoot.x},
            {"rimCentreFootY", d.rimCentreFoot.y},
            {"axisToNormal", d.axisToNormal}};
  }

 private:
  MeanTimeDial dial_;
  shell::ColorSet colors_;
};

class MeanTime final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<MeanTimeConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& MeanTimeFamily() {
  static const MeanTime family;
  return family;
}

}  // namespace kelvra::dials::meantime
