#include "dials/biazimuthal/biazimuthal_family.h"

#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "dials/biazimuthal/biazimuthal_renderer.h"

namespace kelvra::dials::biazimuthal {

namespace {

class BiazimuthalConstruction final : public Construction, public ConstructionListing {
 public:
  BiazimuthalConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildBiazimuthalDial(in.site, in.dial, in.zoom, messages)),
        colors_(in.colors),
        map_{in.mapsEnabled && in.drawCoastline, in.mapsEnabled && in.drawBorders} {}

  // Antipodal positions: no pole, nothing may be printed or saved.
  bool DrawsNothing() const override { return dial_.refused; }

  void Draw(output::PlotSink& sink, const CanvasPlacement& placement) const override {
    DrawBiazimuthalDial(sink, dial_, placement, colors_, map_);
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement& placement,
                 std::vector<std::string>*, const std::string&) const override {
    PlotBiazimuthalDial(writer, dial_, placement, map_);
  }

  const ConstructionListing* Listing() const override { return this; }
  std::vector<std::string> PoleStyleLines() const override { return PoleInformation(dial_); }
  bool HasHourLineTable() const override { return false; }
  bool LongitudeCorrection() const override { return dial_.zoneTime; }
  HourLineTableView HourLineTable(bool) const override { return {}; }
  std::vector<std::string> HourLineTablePage(bool) const override { return {}; }
  std::vector<ListingField> Fields() const override {
    std::vector<ListingField> f{{"refused", dial_.refused}};
    if (dial_.map) {
      f.push_back({"poleLatitude", dial_.map->pole.latitude});
      f.push_back({"poleLongitude", dial_.map->pole.longitude});
      f.push_back({"equivalentLatitudeA", dial_.map->a.latitude});
      f.push_back({"equivalentLongitudeA", dial_.map->a.longitude});
      f.push_back({"equivalentLatitudeB", dial_.map->b.latitude});
      f.push_back({"equivalentLongitudeB", dial_.map->b.longitude});
      f.push_back({"halfDistance", dial_.map->halfDistance});
    }
    return f;
  }

 private:
  BiazimuthalDial dial_;
  shell::ColorSet colors_;
  MapChoice map_;
};

class Biazimuthal final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<BiazimuthalConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& BiazimuthalFamily() {
  static const Biazimuthal family;
  return family;
}

}  // namespace kelvra::dials::biazimuthal
