#include "config/dial_kinds.h"

#include <array>
#include <vector>

#include "texts/drawwin.h"
#include "texts/planar.h"
#include "texts/ui.h"

namespace kelvra::config {

namespace {

// The texts of the rows (resources/text/ui.tsv, planar.tsv, drawwin.tsv).
constexpr texts::TextId kNone;
using texts::ui::kPlaneHorizontal, texts::ui::kPlaneInclined, texts::ui::kPlaneVertical;
using texts::ui::kQuadrant, texts::ui::kHabermel1, texts::ui::kHabermel2;
using texts::ui::kShepherd, texts::ui::kHat, texts::ui::kPolarGnomon;
using texts::ui::kDateCircles, texts::ui::kAltitudeCircles;
using texts::ui::kPageHorizontal, texts::ui::kPageVertical, texts::ui::kPageInclining,
    texts::ui::kPageUmbrellaHorizontal, texts::ui::kPageUmbrellaVertical,
    texts::ui::kPageUmbrellaInclining;
using texts::ui::kMonthScaleWidth, texts::ui::kCylinderCircumference;
using texts::planar::kNameHorizontal, texts::planar::kNameVertical,
    texts::planar::kNameInclining, texts::planar::kNameUmbrella;
using texts::drawwin::kNameQuadrant, texts::drawwin::kNameCylinder,
    texts::drawwin::kSuffixShepherd, texts::drawwin::kSuffixHat, texts::drawwin::kSuffixPolar,
    texts::drawwin::kNameAzimuthal, texts::drawwin::kNameBiazimuthal,
    texts::drawwin::kNameMeanTime, texts::drawwin::kNameElevation, texts::drawwin::kNameSawyer,
    texts::drawwin::kPrefixBifilar, texts::drawwin::kPrefixPeaucellier,
    texts::drawwin::kNameAzimuthalAfterPrefix, texts::drawwin::kNameRing;

// Flag groups shared by several rows.
constexpr std::uint32_t kOutput = kPrints | kPlotFile;
constexpr std::uint32_t kPicked = kPickOrigin | kPickLegend;
// The planar dials h, i, v: placed by the origin, with the listing.
constexpr std::uint32_t kPlanar = kHourLineTable | kPoleInformation | kLinesToFoot |
                                  kPolarTriangle | kGrid | kZoom | kCoordinateListing |
                                  kMapOverlay | kPicked | kOriginHint | kPlacementHints |
                                  kCheckOrigin | kOutput | kEnterHint;
// The umbrella dial on a plane: placed like the planar dials, no listing.
constexpr std::uint32_t kUmbrella = kGrid | kZoom | kCoordinateListing | kPicked | kOriginHint |
                                    kPlacementHints | kCheckOrigin | kOutput | kEnterHint;

using F = DialFamily;
using P = ParameterPage;
using VF = VariantField;
using VC = VariantChoice;
using GE = GnomonEdit;
using WE = WallEdit;
using DE = DiameterEdit;
using DP = DefaultPlacement;
using PM = PlotPageMapping;

DialKindRow Row(char letter, bool umbrella, int variant, VariantField field, DialFamily family,
                int entry, texts::TextId variantLabel, texts::TextId captionName,
                texts::TextId captionSuffix, int picture, texts::TextId pageCaption,
                ParameterPage page, VariantChoice choice, GnomonEdit gnomon, WallEdit wall,
                DiameterEdit diameter, texts::TextId monthScaleLabel, DefaultPlacement placement,
                double legendShare, PlotPageMapping plotPage, bool dxfScaled,
                std::uint32_t flags) {
  DialKindRow r;
  r.letter = letter;
  r.umbrella = umbrella;
  r.variant = variant;
  r.variantField = field;
  r.family = family;
  r.entry = entry;
  r.listLabel = entry >= 0 ? texts::ui::kKindList[entry] : kNone;
  r.variantLabel = variantLabel;
  r.captionName = captionName;
  r.captionSuffix = captionSuffix;
  r.picture = picture;
  r.pageCaption = pageCaption;
  r.page = page;
  r.pageNeedsExpert = family == F::Biazimuthal || family == F::MeanTime;
  r.variantChoice = choice;
  r.gnomon = gnomon;
  r.wall = wall;
  r.diameter = diameter;
  r.monthScaleLabel = monthScaleLabel;
  r.placement = placement;
  r.legendShare = legendShare;
  r.plotPage = plotPage;
  r.dxfPlotScale = dxfScaled ? 25 : 1;
  r.dxfDivisor = dxfScaled ? 1000 : 40;
  r.flags = flags;
  return r;
}

// clang-format off
const std::vector<DialKindRow>& Table() {
  static const std::vector<DialKindRow> rows = {
    // letter, umbrella, variant, variant field, family, list entry, variant label,
    // caption name and suffix, dialog picture, parameters dialog caption, parameter page,
    // variant choice, gnomon field, wall field, diameter field, month scale label, default
    // placement, legend share, plot page mapping, DXF scaled (PlotScale 25, divisor 1000), flags.
    Row('h', false, 0, VF::None,            F::Planar,             0,  kNone,            kNameHorizontal,    kNone,                     2998, kPageHorizontal,         P::Planar,             VC::None,       GE::GnomonHeight,        WE::None,              DE::None,     kNone,                  DP::Face,    0.33, PM::Standard,    true,  kPlanar | kPictureButton | kHorizontalFace),
    Row('v', false, 0, VF::None,            F::Planar,             1,  kNone,            kNameVertical,      kNone,                     3000, kPageVertical,           P::Planar,             VC::None,       GE::GnomonHeight,        WE::WallDeclination,   DE::None,     kNone,                  DP::Wall,    0.30, PM::Standard,    true,  kPlanar | kPictureButton),
    Row('i', false, 0, VF::None,            F::Planar,             2,  kNone,            kNameInclining,     kNone,                     0,    kPageInclining,          P::Planar,             VC::None,       GE::GnomonHeight,        WE::WallDeclination,   DE::None,     kNone,                  DP::Face,    0.33, PM::Standard,    true,  kPlanar | kInclinationEdit | kInclinedFace),
    Row('h', true,  0, VF::None,            F::Umbrella,           3,  kPlaneHorizontal, kNameUmbrella,      kNone,                     3001, kPageUmbrellaHorizontal, P::Bifilar,            VC::Plane,      GE::GnomonHeight,        WE::None,              DE::None,     kNone,                  DP::Face,    0.33, PM::Standard,    true,  kUmbrella | kPictureButton | kHorizontalFace),
    Row('i', true,  0, VF::None,            F::Umbrella,           3,  kPlaneInclined,   kNameUmbrella,      kNone,                     3002, kPageUmbrellaInclining,  P::Bifilar,            VC::Plane,      GE::GnomonHeight,        WE::None,              DE::None,     kNone,                  DP::Face,    0.33, PM::Standard,    true,  kUmbrella | kInclinedFace),
    Row('v', true,  0, VF::None,            F::Umbrella,           3,  kPlaneVertical,   kNameUmbrella,      kNone,                     3001, kPageUmbrellaVertical,   P::Bifilar,            VC::Plane,      GE::GnomonHeight,        WE::None,              DE::None,     kNone,                  DP::Wall,    0.30, PM::Standard,    true,  kUmbrella | kPictureButton),
    Row('q', false, 0, VF::AltitudeVariant, F::Altitude,           4,  kQuadrant,        kNameQuadrant,      kNone,                     3004, kNone,                   P::VerticalAltitude,   VC::Altitude,   GE::None,                WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kTemporalLimit | kOutput),
    Row('q', false, 1, VF::AltitudeVariant, F::Habermel,           4,  kHabermel1,       kNameQuadrant,      kNone,                     3010, kNone,                   P::VerticalAltitude,   VC::Altitude,   GE::HabermelGnomon,      WE::None,              DE::Habermel, kNone,                  DP::None,    0.33, PM::None,        true,  kExpertOnly | kPictureButton | kTemporalLimit | kOutput),
    Row('q', false, 2, VF::AltitudeVariant, F::Habermel,           4,  kHabermel2,       kNameQuadrant,      kNone,                     3011, kNone,                   P::VerticalAltitude,   VC::Altitude,   GE::HabermelGnomon,      WE::None,              DE::Habermel, kNone,                  DP::None,    0.33, PM::None,        true,  kExpertOnly | kPictureButton | kTemporalLimit | kOutput),
    Row('a', false, 0, VF::AzimuthCircles,  F::Azimuthal,          5,  kDateCircles,     kNameAzimuthal,     kNone,                     3003, kNone,                   P::Azimuthal,          VC::CircleMode, GE::None,                WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kOutput),
    Row('a', false, 1, VF::AzimuthCircles,  F::Azimuthal,          5,  kAltitudeCircles, kNameAzimuthal,     kNone,                     3009, kNone,                   P::Azimuthal,          VC::CircleMode, GE::None,                WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kOutput),
    Row('a', false, 2, VF::AzimuthCircles,  F::Azimuthal,          5,  kAltitudeCircles, kNameAzimuthal,     kNone,                     3015, kNone,                   P::Azimuthal,          VC::CircleMode, GE::None,                WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kOutput),
    Row('z', false, 0, VF::CylinderVariant, F::Cylinder,           6,  kShepherd,        kNameCylinder,      kSuffixShepherd,           3005, kNone,                   P::Cylinder,           VC::Cylinder,   GE::CylinderGnomon,      WE::None,              DE::None,     kMonthScaleWidth,       DP::None,    0.33, PM::None,        true,  kPictureButton | kTemporalLimit | kOutput | kEnterHint),
    Row('z', false, 1, VF::CylinderVariant, F::Cylinder,           6,  kHat,             kNameCylinder,      kSuffixHat,                3012, kNone,                   P::Cylinder,           VC::Cylinder,   GE::CylinderGnomon,      WE::None,              DE::None,     kCylinderCircumference, DP::None,    0.33, PM::Standard,    true,  kPictureButton | kTemporalLimit | kOutput | kEnterHint),
    Row('z', false, 2, VF::CylinderVariant, F::Cylinder,           6,  kPolarGnomon,     kNameCylinder,      kSuffixPolar,              3013, kNone,                   P::Cylinder,           VC::Cylinder,   GE::PolarCylinderGnomon, WE::GnomonDeclination, DE::None,     kNone,                  DP::Face,    0.33, PM::Standard,    true,  kGrid | kZoom | kPicked | kCheckOrigin | kPictureButton | kOutput | kEnterHint | kCylinderRadiusEdit),
    Row('k', false, 0, VF::None,            F::HorizontalAltitude, 7,  kNone,            kNameElevation,     kNone,                     3006, kNone,                   P::HorizontalAltitude, VC::None,       GE::HidokeiGnomon,       WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kTemporalLimit | kOutput | kEnterHint),
    Row('r', false, 0, VF::None,            F::Ring,               8,  kNone,            kNameRing,          kNone,                     3007, kNone,                   P::Ring,               VC::None,       GE::None,                WE::None,              DE::Ring,     kNone,                  DP::None,    0.33, PM::None,        false, kCorrectionTable | kPictureButton | kOutput | kEnterHint),
    Row('c', false, 0, VF::None,            F::Biazimuthal,        9,  kNone,            kNameBiazimuthal,   kNone,                     3016, kNone,                   P::Biazimuthal,        VC::None,       GE::None,                WE::None,              DE::None,     kNone,                  DP::Centred, 0.29, PM::Standard,    true,  kExpertOnly | kPoleInformation | kMapOverlay | kPictureButton | kPicked | kOriginHint | kPlacementHints | kCheckOrigin | kOutput),
    Row('m', false, 0, VF::None,            F::MeanTime,           10, kNone,            kNameMeanTime,      kNone,                     3008, kNone,                   P::MeanTime,           VC::None,       GE::ConeAxis,            WE::None,              DE::None,     kNone,                  DP::Centred, 0.29, PM::Standard,    true,  kExpertOnly | kPoleInformation | kGraph | kPictureButton | kPicked | kOriginHint | kOutput | kEnterHint),
    Row('w', false, 0, VF::None,            F::Sawyer,             11, kNone,            kNameSawyer,        kNone,                     3021, kNone,                   P::Sawyer,             VC::None,       GE::GnomonHeight,        WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::Sawyer,      false, kZoom | kPictureButton | kPickOrigin | kOriginHint | kFixedOnPage | kOutput | kEnterHint),
    Row('p', false, 0, VF::None,            F::Peaucellier,        12, kNone,            kPrefixPeaucellier, kNameAzimuthalAfterPrefix, 3020, kNone,                   P::Sawyer,             VC::None,       GE::ShownOnly,           WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::Peaucellier, true,  kZoom | kPictureButton | kPicked | kOriginHint | kFixedOnPage | kOutput | kEnterHint),
    Row('f', false, 0, VF::None,            F::Bifilar,            13, kNone,            kPrefixBifilar,     kNameAzimuthalAfterPrefix, 0,    kNone,                   P::Bifilar,            VC::None,       GE::ShownOnly,           WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::Bifilar,     false, kZoom | kPictureButton | kPicked | kPlacementHints | kFixedOnPage | kOutput | kEnterHint),
    // Kind b is not offered: the horizontal altitude dial fed with the
    // shepherd's gnomon; it prints like kind k but has no plot writer.
    Row('b', false, 0, VF::None,            F::HorizontalAltitude, -1, kNone,            kNone,              kNone,                     0,    kNone,                   P::Planar,             VC::None,       GE::ShownOnly,           WE::None,              DE::None,     kNone,                  DP::None,    0.33, PM::None,        false, kPictureButton | kTemporalLimit | kPrints),
  };
  return rows;
}
// clang-format on

const DialKindRow& UnknownRow() {
  static const DialKindRow row = [] {
    DialKindRow r;
    r.flags = kPictureButton;
    return r;
  }();
  return row;
}

}  // namespace

bool IsPlaneLetter(char letter) { return letter == 'h' || letter == 'i' || letter == 'v'; }

char UmbrellaPlaneOf(const DialParameters& dial) {
  if (IsPlaneLetter(dial.kind)) return dial.kind;
  if (IsPlaneLetter(dial.umbrellaPlane)) return dial.umbrellaPlane;
  return 'h';
}

DialParameters ResolvedDial(const DialParameters& dial) {
  DialParameters d = dial;
  if (d.kind == 's') {
    d.kind = UmbrellaPlaneOf(dial);
    d.umbrella = true;
  }
  return d;
}

char UmbrellaPlaneLetter(int index) {
  static constexpr char kPlanes[] = {'h', 'i', 'v'};
  return kPlanes[index < 0 ? 0 : index > 2 ? 2 : index];
}

int UmbrellaPlaneIndex(char plane) {
  for (int i = 0; i < 3; ++i) {
    if (UmbrellaPlaneLetter(i) == plane) return i;
  }
  return 0;
}

void MarkUmbrellaTransitional(DialParameters& dial) {
  if (!dial.umbrella || !IsPlaneLetter(dial.kind)) return;
  dial.umbrellaPlane = dial.kind;
  dial.kind = 's';
}

std::span<const DialKindRow> DialKinds() { return Table(); }

const DialKindRow& KindRow(char letter, bool umbrella, int variant) {
  if (letter == 's') {
    letter = 'h';
    umbrella = true;
  }
  // The umbrella flag counts only for the letters that have umbrella rows.
  bool hasUmbrellaRow = false;
  for (const DialKindRow& r : Table()) hasUmbrellaRow = hasUmbrellaRow || (r.letter == letter && r.umbrella);
  if (!hasUmbrellaRow) umbrella = false;
  const DialKindRow* first = nullptr;
  for (const DialKindRow& r : Table()) {
    if (r.letter != letter || r.umbrella != umbrella) continue;
    if (!first) first = &r;
    if (r.variant == variant) return r;
  }
  return first ? *first : UnknownRow();
}

int VariantOf(const DialParameters& dial) {
  const DialParameters d = ResolvedDial(dial);
  for (const DialKindRow& r : Table()) {
    if (r.letter != d.kind) continue;
    switch (r.variantField) {
      case VariantField::None: return 0;
      case VariantField::AltitudeVariant: return d.altitudeVariant;
      case VariantField::CylinderVariant: return d.cylinderVariant;
      case VariantField::AzimuthCircles:
        if (d.azimuthCircleMode == 0) return 0;
        return d.altitudeCircleSpacing == 2 ? 2 : 1;
    }
  }
  return 0;
}

const DialKindRow& KindRow(const DialParameters& dial) {
  const DialParameters d = ResolvedDial(dial);
  return KindRow(d.kind, d.umbrella, VariantOf(d));
}

bool IsKnownKind(char letter) {
  for (const DialKindRow& r : Table()) {
    if (r.letter == letter) return true;
  }
  return false;
}

char EntryLetter(int entry) {
  for (const DialKindRow& r : Table()) {
    if (r.entry == entry) return r.umbrella ? 'h' : r.letter;
  }
  return kDefaultDialKind;
}

texts::TextId EntryLabel(int entry) {
  for (const DialKindRow& r : Table()) {
    if (r.entry == entry) return r.listLabel;
  }
  return kNone;
}

int UmbrellaEntry() {
  for (const DialKindRow& r : Table()) {
    if (r.umbrella) return r.entry;
  }
  return -1;
}

int EntryOf(const DialParameters& dial) {
  const int entry = KindRow(dial).entry;
  return entry >= 0 ? entry : KindRow(kDefaultDialKind).entry;
}

bool EntryOffered(int entry, bool expertMode) {
  for (const DialKindRow& r : Table()) {
    if (r.entry == entry && (expertMode || !r.Has(kExpertOnly))) return true;
  }
  return false;
}

bool KindOffered(const DialParameters& dial, bool expertMode) {
  const DialKindRow& row = KindRow(dial);
  return !row.Has(kExpertOnly) || EntryOffered(row.entry, expertMode);
}

void ChooseKindEntry(DialParameters& d, int entry, bool expertMode) {
  d.umbrella = false;
  if (entry == UmbrellaEntry()) {
    d.umbrella = true;
    if (!IsPlaneLetter(d.kind)) d.kind = IsPlaneLetter(d.umbrellaPlane) ? d.umbrellaPlane : 'h';
  } else {
    d.kind = EntryLetter(entry);
    // A vertical face stands at 90 degrees.
    if (KindRow(d).placement == DefaultPlacement::Wall) d.inclination = 90;
  }
  NormalizeKind(d, expertMode);
  if (!expertMode) {
    switch (KindRow(d.kind).variantField) {
      case VariantField::AltitudeVariant: d.altitudeVariant = 0; break;
      case VariantField::CylinderVariant: d.cylinderVariant = 0; break;
      default: break;
    }
  }
}

ParameterPage PageFor(const DialParameters& dial, bool expertMode) {
  const DialKindRow& row = KindRow(dial);
  if (row.pageNeedsExpert && !expertMode) return ParameterPage::Planar;
  return row.page;
}

std::string KindsWith(std::uint32_t flag) {
  std::vector<char> letters;
  for (const DialKindRow& r : Table()) {
    if (!r.Has(flag)) continue;
    bool seen = false;
    for (char l : letters) seen = seen || l == r.letter;
    if (!seen) letters.push_back(r.letter);
  }
  std::string text;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (i > 0) text += i + 1 == letters.size() ? " or " : ", ";
    text += std::string("kind=") + letters[i];
  }
  return text;
}

}  // namespace kelvra::config
