#include "output/drawing_window_rules.h"

#include <algorithm>
#include <cmath>

#include "output/drawing_view.h"
#include "shell/catalog.h"
#include "texts/drawwin.h"

namespace kelvra::output {

namespace {

// Above this latitude (degrees) the altitude dials cannot show temporal hours.
constexpr double kTemporalLatitudeLimit = 63;

}  // namespace

const config::DialKindRow& DrawingKind::Row() const {
  config::DialParameters d;
  d.kind = kind;
  d.umbrella = umbrella;
  d.cylinderVariant = cylinderVariant;
  d.altitudeVariant = altitudeVariant;
  return config::KindRow(d);
}

DrawingKind DrawingKindOf(const config::DialParameters& dial) {
  const config::DialParameters d = config::ResolvedDial(dial);
  DrawingKind k;
  k.kind = d.kind;
  k.umbrella = config::KindRow(d).umbrella;
  k.cylinderVariant = d.cylinderVariant;
  k.altitudeVariant = d.altitudeVariant;
  return k;
}

bool PlacedLikePlanar(const DrawingKind& k) { return k.Row().PlacedLikePlanar(); }

bool ChecksOriginBeforeOutput(const DrawingKind& k) { return k.Row().Has(config::kCheckOrigin); }

bool TemporalHoursRefusePrint(const DrawingKind& k, const config::DialParameters& dial,
                              double latitude_deg) {
  // The cylinder dials switch temporal hours with their own field; the other
  // altitude dials with altitudeTemporal.
  const bool temporal = k.Row().variantField == config::VariantField::CylinderVariant
                            ? dial.temporalHours
                            : dial.altitudeTemporal;
  return k.Row().Has(config::kTemporalLimit) && temporal &&
         std::fabs(latitude_deg) > kTemporalLatitudeLimit;
}

CommandStates CommandsOnOpening(const DrawingKind& k, bool mapsEnabled) {
  using namespace config;
  const DialKindRow& row = k.Row();
  CommandStates s;
  s.hourLineTable = row.Has(kHourLineTable);
  s.poleInformation = row.Has(kPoleInformation);
  s.picture = row.Has(kPictureButton);
  s.correctionTable = row.Has(kCorrectionTable);
  s.graph = row.Has(kGraph);
  s.expertPanel = mapsEnabled && row.Has(kMapOverlay);
  s.coordinateChoice = row.Has(kCoordinateListing);
  s.linesToFoot = row.Has(kLinesToFoot);
  s.pickOrigin = OriginPickable(row);
  s.pickLegend = LegendPickable(row);
  return s;
}

CommandStates CommandsOnActivation(const DrawingKind& k, bool mapsEnabled, bool polarTriangle) {
  using namespace config;
  const DialKindRow& row = k.Row();
  CommandStates s = CommandsOnOpening(k, mapsEnabled);
  s.polarTriangle = row.Has(kPolarTriangle);
  s.polarTriangleTicked = row.PlacedLikePlanar() && polarTriangle;
  s.grid = row.Has(kGrid);
  s.zoomIn = s.zoomOut = row.Has(kZoom);
  return s;
}

std::string DialTypeName(const DrawingKind& k) {
  const config::DialKindRow& row = k.Row();
  std::string name;
  if (row.captionName) name += shell::Get(row.captionName);
  if (row.captionSuffix) name += shell::Get(row.captionSuffix);
  return name;
}

std::string DrawingWindowCaption(const DrawingKind& k) {
  return shell::Get(texts::drawwin::kCaptionPrefix) + DialTypeName(k);
}

std::string PictureHint(const DrawingKind& k) {
  return shell::Get(k.Row().Has(config::kOriginHint) ? texts::drawwin::kHintOrigin
                                                     : texts::drawwin::kHintPopup);
}

std::string OriginHint() { return shell::Get(texts::drawwin::kInfoOrigin); }
std::string LegendHint() { return shell::Get(texts::drawwin::kInfoLegend); }
bool ShowsPlacementHints(const DrawingKind& k) { return k.Row().Has(config::kPlacementHints); }
std::string FixGnomonText() { return shell::Get(texts::drawwin::kFixGnomon); }
Point FixGnomonTextPosition(Point origin) { return {origin.x - 130, origin.y + 30}; }

PictureSize PictureSizeFor(int mainWidth, int columnWidth, int clientHeight, int statusBarHeight,
                           int expertPanelHeight) {
  PictureSize s;
  s.width = std::max(1, static_cast<int>(std::lround(mainWidth - 1.3 * columnWidth - 3)));
  s.height = std::max(1, clientHeight - statusBarHeight - expertPanelHeight);
  return s;
}

bool OriginOutsidePicture(Point origin, int width, int height) {
  return origin.x < 1 || origin.y < 1 || origin.x > width || origin.y > height;
}

std::string_view ExtensionOf(SaveFormat format) {
  switch (format) {
    case SaveFormat::Hpgl: return "plt";
    case SaveFormat::Dxf: return "dxf";
    case SaveFormat::Svg: return "svg";
    case SaveFormat::Pdf: return "pdf";
  }
  return "plt";
}

std::string DefaultFileName(SaveFormat format) {
  return "kel." + std::string(ExtensionOf(format));
}

std::string SaveFileName(std::string_view field, SaveFormat format) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!field.empty() && blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && blank(field.back())) field.remove_suffix(1);
  const std::size_t slash = field.find_last_of("/\\");
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : field.substr(0, slash + 1);
  std::string_view name = slash == std::string_view::npos ? field : field.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  const std::string extension = "." + std::string(ExtensionOf(format));
  std::string base(name.empty() ? std::string_view("kel") : name);
  std::string result = std::string(folder) + base;
  if (result.size() + extension.size() > kMaxSaveNameLength) {
    const std::size_t keep =
        kMaxSaveNameLength > extension.size() ? kMaxSaveNameLength - extension.size() : 0;
    result.resize(std::max(keep, folder.size() + 1));
  }
  return result + extension;
}

std::string CoordinateFileName(std::string_view plotFileName) {
  const std::size_t slash = plotFileName.find_last_of("/\\");
  const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = plotFileName.find('.', start);
  return std::string(plotFileName.substr(0, dot)) + ".txt";
}

}  // namespace kelvra::output
