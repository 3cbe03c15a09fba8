#include "output/drawing_window_rules.h"

#include <algorithm>
#include <cmath>

#include "output/drawing_view.h"
#include "shell/catalog.h"

namespace kelvra::output {

namespace {

// Catalogue numbers (resources/text/drawwin.tsv; the plane names are shared
// with the hour-line table heading in planar.tsv).
constexpr int kCaptionPrefix = 1800;
constexpr int kNameQuadrant = 1801;
constexpr int kNameCylinder = 1802;
constexpr int kCylinderShepherd = 1803;
constexpr int kCylinderHat = 1804;
constexpr int kCylinderPolar = 1805;
constexpr int kNameAzimuthal = 1806;
constexpr int kNameBiazimuthal = 1807;
constexpr int kNameMeanTime = 1808;
constexpr int kNameElevation = 1809;
constexpr int kNameSawyer = 1810;
constexpr int kPrefixBifilar = 1811;
constexpr int kPrefixPeaucellier = 1812;
constexpr int kNameAzimuthalAfterPrefix = 1813;
constexpr int kNameRing = 1814;
constexpr int kHintOrigin = 1815;
constexpr int kHintPopup = 1816;
constexpr int kInfoOrigin = 1840;
constexpr int kFixGnomon = 1841;
constexpr int kInfoLegend = 1842;
constexpr int kNameHorizontal = 1745;
constexpr int kNameVertical = 1746;
constexpr int kNameInclining = 1747;
constexpr int kNameUmbrella = 1748;

bool OneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

}  // namespace

bool IsPlanarKind(const DrawingKind& k) { return OneOf(k.kind, "hiv"); }

bool HasConstructionListing(const DrawingKind& k) { return IsPlanarKind(k) && !k.umbrella; }

bool PlacedLikePlanar(const DrawingKind& k) {
  return IsPlanarKind(k) || (k.kind == 'z' && k.cylinderVariant == 2);
}

bool ChecksOriginBeforeOutput(const DrawingKind& k) {
  return OneOf(k.kind, "chiv") || (k.kind == 'z' && k.cylinderVariant == 2);
}

CommandStates CommandsOnOpening(const DrawingKind& k, bool mapsEnabled) {
  CommandStates s;
  s.hourLineTable = HasConstructionListing(k);
  s.poleInformation = HasConstructionListing(k) || k.kind == 'c' || k.kind == 'm';
  s.picture = k.kind != 'i';
  s.correctionTable = k.kind == 'r';
  s.graph = k.kind == 'm';
  s.expertPanel = mapsEnabled && OneOf(k.kind, "chiv") && !k.umbrella;
  s.coordinateChoice = IsPlanarKind(k);
  s.linesToFoot = HasConstructionListing(k);
  s.pickOrigin = OriginPickable(k.kind, k.cylinderVariant);
  s.pickLegend = LegendPickable(k.kind, k.cylinderVariant);
  return s;
}

CommandStates CommandsOnActivation(const DrawingKind& k, bool mapsEnabled, bool polarTriangle) {
  CommandStates s = CommandsOnOpening(k, mapsEnabled);
  if (PlacedLikePlanar(k)) {
    s.polarTriangle = s.poleInformation && !k.umbrella;
    s.polarTriangleTicked = polarTriangle;
    s.grid = true;
    s.zoomIn = true;
    s.zoomOut = true;
  }
  if (OneOf(k.kind, "wpf")) {
    s.zoomIn = true;
    s.zoomOut = true;
  }
  return s;
}

std::string DialTypeName(const DrawingKind& k) {
  using shell::Get;
  if (IsPlanarKind(k) && k.umbrella) return Get(kNameUmbrella);
  switch (k.kind) {
    case 'h': return Get(kNameHorizontal);
    case 'v': return Get(kNameVertical);
    case 'i': return Get(kNameInclining);
    case 's': return Get(kNameUmbrella);
    case 'q': return Get(kNameQuadrant);
    case 'z': {
      const int variant = k.cylinderVariant == 1 ? kCylinderHat
                          : k.cylinderVariant == 2 ? kCylinderPolar
                                                   : kCylinderShepherd;
      return Get(kNameCylinder) + Get(variant);
    }
    case 'a': return Get(kNameAzimuthal);
    case 'c': return Get(kNameBiazimuthal);
    case 'm': return Get(kNameMeanTime);
    case 'k': return Get(kNameElevation);
    case 'w': return Get(kNameSawyer);
    case 'f': return Get(kPrefixBifilar) + Get(kNameAzimuthalAfterPrefix);
    case 'p': return Get(kPrefixPeaucellier) + Get(kNameAzimuthalAfterPrefix);
    case 'r': return Get(kNameRing);
    default: return {};
  }
}

std::string DrawingWindowCaption(const DrawingKind& k) {
  return shell::Get(kCaptionPrefix) + DialTypeName(k);
}

std::string PictureHint(const DrawingKind& k) {
  return shell::Get(OneOf(k.kind, "chimpvw") ? kHintOrigin : kHintPopup);
}

std::string OriginHint() { return shell::Get(kInfoOrigin); }
std::string LegendHint() { return shell::Get(kInfoLegend); }
bool ShowsPlacementHints(const DrawingKind& k) { return OneOf(k.kind, "cfhiv"); }
std::string FixGnomonText() { return shell::Get(kFixGnomon); }
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
