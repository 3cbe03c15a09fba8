// The table of dial kinds: one row per kind and variant, with everything the
// program knows about a kind outside its own construction — its names (text
// numbers), its family, its parameter page, how the drawing window places and
// picks it, its plot and DXF scale, and the commands it offers. The windows,
// the command line and the output code read these rows; none of them compares
// kind letters.
//
// A kind has one row per variant that the table tells apart: the umbrella
// dial per plane (h, i, v with `umbrella`), the altitude dials per
// altitudeVariant, the cylinder dials per cylinderVariant, the azimuthal dials
// per kind of circles. Variants that change nothing here (dialPlane of c and
// m, sawyerTimeMode, michnikClassic) share their kind's row.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "config/dial_parameters.h"
#include "texts/text_id.h"

namespace kelvra::config {

// ---- the umbrella rule -----------------------------------------------------

// True for the plane letters h, i and v (the planar kinds and the planes of
// the umbrella dial).
bool IsPlaneLetter(char letter);
// The plane of an umbrella dial: `kind` when it is a plane letter, otherwise
// the last plane chosen (`umbrellaPlane`), otherwise h.
char UmbrellaPlaneOf(const DialParameters& dial);
// The record as the constructions read it: the transitional kind s of an
// umbrella dial becomes its plane letter with `umbrella` set.
DialParameters ResolvedDial(const DialParameters& dial);
// The planes of the umbrella dial in the order of its plane choice (h, i, v):
// the letter of choice `index` (0..2) and the index of a plane letter.
char UmbrellaPlaneLetter(int index);
int UmbrellaPlaneIndex(char plane);
// The other way, when the drawing window closes: an umbrella dial on a plane
// keeps its plane in `umbrellaPlane` and takes the transitional kind s.
void MarkUmbrellaTransitional(DialParameters& dial);

// ---- the columns -------------------------------------------------------------

// Which field of DialParameters chooses among a kind's rows.
enum class VariantField : std::uint8_t {
  None,
  AltitudeVariant,  // q: altitudeVariant 0..2
  CylinderVariant,  // z: cylinderVariant 0..2
  AzimuthCircles,   // a: 0 date circles (azimuthCircleMode 0), 1 altitude circles,
                    //    2 stereographic (altitudeCircleSpacing 2)
};

// The page of the dial parameters dialog.
enum class ParameterPage : std::uint8_t {
  Planar = 0,
  Bifilar = 1,  // the bifilar and umbrella page
  VerticalAltitude = 2,
  Cylinder = 3,
  HorizontalAltitude = 4,
  Ring = 5,
  Azimuthal = 6,
  Biazimuthal = 7,
  MeanTime = 8,
  Sawyer = 9,
};

// The variant choice the dial type dialog shows for a row.
enum class VariantChoice : std::uint8_t { None, Plane, Altitude, Cylinder, CircleMode };

// Which field the dial type dialog's gnomon field edits, and how it checks it.
enum class GnomonEdit : std::uint8_t {
  None,                // no gnomon field (a, c, r, q variant 0)
  GnomonHeight,        // real, 5..200 on leaving and 3..120 on closing
  ConeAxis,            // gnomonHeight of kind m: checked on leaving only
  ShownOnly,           // gnomonHeight shown, nothing stored (p, f)
  CylinderGnomon,      // whole number, decimals cut off
  PolarCylinderGnomon, // real
  HidokeiGnomon,       // whole number, decimals cut off
  HabermelGnomon,      // derived from the diameter, read-only
};

// The wall declination field of the dial type dialog.
enum class WallEdit : std::uint8_t { None, WallDeclination, GnomonDeclination };
// The diameter field of the dial type dialog.
enum class DiameterEdit : std::uint8_t { None, Habermel, Ring };

// Where the drawing window puts the origin and legend when it becomes active.
enum class DefaultPlacement : std::uint8_t {
  None,     // the family places its drawing itself
  Wall,     // like kind v: origin near the top, legend low
  Face,     // like kinds h and i: origin low (north) or high (south), legend high
  Centred,  // kinds c and m: origin (W / 2, 2 H / 3), zoom 1
};

// How a position picked on the screen is carried to the plot page.
enum class PlotPageMapping : std::uint8_t {
  None,         // not carried
  Standard,     // x 16157 / W, y 11040 - 11038 / H
  Bifilar,      // x 16157 / W, y 10480 - 10480 / H
  Peaucellier,  // x 16157 / W, y 5240
  Sawyer,       // x 16400 / W, y 10480 - 10470 / H
};

// Switches of a row (bit flags of DialKindRow::flags).
enum KindFlag : std::uint32_t {
  kExpertOnly = 1u << 0,          // offered only in expert mode
  kHourLineTable = 1u << 1,       // the construction listing: hour-line table
  kPoleInformation = 1u << 2,     // answers the pole-information command
  kLinesToFoot = 1u << 3,         // "Stundenlinien bis zum Fußpunkt"
  kPolarTriangle = 1u << 4,       // "Poldreieck zeichnen" after activation
  kGrid = 1u << 5,                // draw with grid after activation
  kZoom = 1u << 6,                // zoom in and out after activation
  kCoordinateListing = 1u << 7,   // the save panel's coordinate choice
  kMapOverlay = 1u << 8,          // coastline and borders panel (with maps on)
  kCorrectionTable = 1u << 9,     // the correction-table button
  kGraph = 1u << 10,              // the graph button
  kPictureButton = 1u << 11,      // the "  Bild " button is enabled
  kPickOrigin = 1u << 12,         // a click sets the origin
  kPickLegend = 1u << 13,         // Alt + click places the legend
  kOriginHint = 1u << 14,         // the picture's hint names the gnomon position
  kPlacementHints = 1u << 15,     // origin and legend hints over picture and buttons
  kCheckOrigin = 1u << 16,        // asks before printing or saving when the origin is off the picture
  kTemporalLimit = 1u << 17,      // no print above 63 degrees with temporal hours
  kFixedOnPage = 1u << 18,        // drawn at a fixed place: positions + 50 on the printer
  kPrints = 1u << 19,             // the print renderer draws something
  kPlotFile = 1u << 20,           // has a plot writer
  kEnterHint = 1u << 21,          // the dial type dialog's "empty field" hint
  kInclinationEdit = 1u << 22,    // the dial type dialog's inclination field
  kCylinderRadiusEdit = 1u << 23, // the dial type dialog's cylinder radius field
  kHorizontalFace = 1u << 24,     // a horizontal face: wall declination and inclination are 0
  kInclinedFace = 1u << 25,       // an inclined face: the planar page shows the inclination
};

struct DialKindRow {
  // Identity: the letter of DialKind, the umbrella flag and the variant (the
  // value of variantField; the plane letter is the kind for umbrella rows).
  char letter = 0;
  bool umbrella = false;
  int variant = 0;
  VariantField variantField = VariantField::None;
  DialFamily family = DialFamily::Unknown;

  // Names: entry of the dial type dialog's kind list (0..13, -1: not
  // offered), its label, the label of the variant, the dial type name of the
  // drawing window's caption (name + suffix), the picture of the dial type
  // dialog (0: none), the dial named in the parameters dialog's caption.
  int entry = -1;
  texts::TextId listLabel;
  texts::TextId variantLabel;
  texts::TextId captionName;
  texts::TextId captionSuffix;
  int picture = 0;
  texts::TextId pageCaption;  // the parameters dialog's caption on the planar and bifilar pages

  // Dialogs.
  ParameterPage page = ParameterPage::Planar;
  bool pageNeedsExpert = false;  // without expert mode the planar page opens
  VariantChoice variantChoice = VariantChoice::None;
  GnomonEdit gnomon = GnomonEdit::None;
  WallEdit wall = WallEdit::None;
  DiameterEdit diameter = DiameterEdit::None;
  texts::TextId monthScaleLabel;  // label of the month scale field; none: no field

  // Drawing window, print and plot.
  DefaultPlacement placement = DefaultPlacement::None;
  double legendShare = 0.33;  // legend outline width as a share of the picture width
  PlotPageMapping plotPage = PlotPageMapping::None;
  int dxfPlotScale = 1;  // PlotScale of a DXF export
  int dxfDivisor = 40;   // plot units per mm of the converter
  std::uint32_t flags = 0;

  bool Has(std::uint32_t flag) const { return (flags & flag) == flag; }
  bool PlacedLikePlanar() const {
    return placement == DefaultPlacement::Wall || placement == DefaultPlacement::Face;
  }
};

// Every row, in the order of the dial type dialog's list (hidden kinds last).
std::span<const DialKindRow> DialKinds();

// The row of a kind letter with its umbrella flag and variant; the
// transitional s is an umbrella row. A letter the table does not know gives
// a row of family Unknown with nothing enabled.
const DialKindRow& KindRow(char letter, bool umbrella = false, int variant = 0);
// The row of a dial parameter record (its kind, umbrella flag and the
// variant field the kind's rows name).
const DialKindRow& KindRow(const DialParameters& dial);
// True when the table has a row of this letter.
bool IsKnownKind(char letter);

// The variant of `dial` that selects among the rows of its kind.
int VariantOf(const DialParameters& dial);

// The letter of a kind list entry (0..13); the umbrella entry gives h.
char EntryLetter(int entry);
// The label (text number) of a kind list entry.
texts::TextId EntryLabel(int entry);
// The entry of the umbrella dial in the kind list.
int UmbrellaEntry();
// The kind list entry of `dial` (1, the vertical dial, when none fits).
int EntryOf(const DialParameters& dial);
// True when the entry is offered in the kind list (expert-only entries need
// expert mode).
bool EntryOffered(int entry, bool expertMode);
// False for a kind offered only in expert mode (c, m) when expert mode is off.
bool KindOffered(const DialParameters& dial, bool expertMode);
// Choosing entry `entry` of the kind list: clears or sets `umbrella`, sets the
// kind (the umbrella entry keeps a plane letter, else restores the last plane
// or takes h; the vertical dial stores inclination 90), then the kind rules
// (NormalizeKind) and, without expert mode, variant 0 of the altitude and
// cylinder dials.
void ChooseKindEntry(DialParameters& dial, int entry, bool expertMode);

// The page of the dial parameters dialog for `dial`.
ParameterPage PageFor(const DialParameters& dial, bool expertMode);

// The kinds with this flag, as "kind=h, kind=v or kind=i" for messages.
std::string KindsWith(std::uint32_t flag);

}  // namespace kelvra::config
