// The rules of the drawing window that need no window: which commands a dial
// kind offers, the window caption by kind, the hints, the picture size, the
// origin check before printing and saving, and the file names of the save
// panel. The Qt window (ui/drawing/drawing_window.h) only applies them.
#pragma once

#include <string>
#include <string_view>

#include "config/dial_kinds.h"
#include "output/plot_sink.h"

namespace kelvra::output {

// What identifies a drawing for these rules: the kind letter of DialKind with
// its umbrella flag and variants (config::DialParameters). Every rule reads
// the kind's row of the kind table (Row()); a kind letter the table does not
// know offers nothing.
struct DrawingKind {
  char kind = 'v';
  bool umbrella = false;
  int cylinderVariant = 0;  // z: 0 shepherd's, 1 hat, 2 polar style
  int altitudeVariant = 0;  // q: 0 quadrant, 1, 2 Habermel
  const config::DialKindRow& Row() const;
};
// The drawing kind of a dial record (the transitional kind s is its plane).
DrawingKind DrawingKindOf(const config::DialParameters& dial);

// Kinds placed by the origin on the picture like the planar dials (h, i, v and
// z in its third variant): activation sets the default origin and legend.
bool PlacedLikePlanar(const DrawingKind& k);
// Kinds whose origin is checked before printing or saving: c, h, i, v and z in
// its third variant ("Foot of gnomon is outside the displayed area").
bool ChecksOriginBeforeOutput(const DrawingKind& k);
// Kinds that refuse to print at this latitude: the altitude dials (b, k, q,
// z in its first two variants) with temporal hours above 63 degrees
// ("Temporal hours are not possible in this latitude!").
bool TemporalHoursRefusePrint(const DrawingKind& k, const config::DialParameters& dial,
                              double latitude_deg);

// Enabled and visible states of the window's commands.
struct CommandStates {
  bool grid = false;            // " + &Netz", "Zeichnung mit Netz"
  bool zoomIn = false;          // zoom buttons, keys, wheel
  bool zoomOut = false;
  bool polarTriangle = false;   // "Poldreieck zeichnen" (enabled)
  bool polarTriangleTicked = false;
  bool poleInformation = false; // "&StabInfo", "Polstab Informationen"
  bool hourLineTable = false;   // "Std.linien"
  bool linesToFoot = false;     // "Stundenlinien bis zum Fußpunkt"
  bool picture = true;          // "  Bild "
  bool correctionTable = false; // kind r: the correction-table button is shown
  bool graph = false;           // kind m: the graph button is shown
  bool expertPanel = false;     // coastline/borders panel shown
  bool coordinateChoice = false;  // the save panel's coordinate radio group (h, i, v)
  bool pickOrigin = false;      // left click sets the origin
  bool pickLegend = false;      // Alt + left click places the legend
};

// The states when the window is created: grid, zoom, polar triangle and the
// pole-information menu entry disabled; hour-line table and pole information
// for the planar kinds (not umbrella), pole information also for c and m; the
// picture button disabled for kind i; correction table shown for r, graph for
// m; the expert panel for c, h, i, v when the map overlay is on (mapsEnabled)
// and the dial is not an umbrella dial.
CommandStates CommandsOnOpening(const DrawingKind& k, bool mapsEnabled);
// The states after the window became active: for h, i, v and z in its third
// variant the polar-triangle entry is enabled with the pole information and
// ticked from polarTriangle, grid and zoom are enabled; kinds w, p, f enable
// the zoom buttons, z in its third variant the zoom-in button.
CommandStates CommandsOnActivation(const DrawingKind& k, bool mapsEnabled, bool polarTriangle);

// The window caption: "Konstruktion einer " / "Construction of a" and the name
// of the dial type, in the current language.
std::string DrawingWindowCaption(const DrawingKind& k);
// The dial type name of the caption ("vertikalen Sonnenuhr" / " Vertical Sundial").
std::string DialTypeName(const DrawingKind& k);

// The hint of the picture: "Left mouseclick fixes gnomon position" for the
// kinds with an origin (c, h, i, m, p, v, w), otherwise the pop-up-menu hint.
std::string PictureHint(const DrawingKind& k);
// The hint of the information bar while the mouse is over the picture or the
// draw buttons (kinds c, f, h, i, v): the origin hint, or the legend hint
// when `legend` (the position marked for printed and saved drawings).
std::string OriginHint();
std::string LegendHint();
// True for the kinds whose picture and draw buttons show those hints.
bool ShowsPlacementHints(const DrawingKind& k);
// "Bitte mit Mausklick die Gnomonposition fixieren!", written on the picture.
std::string FixGnomonText();
// Where that text goes: 130 pixels left of and 30 pixels below the origin.
Point FixGnomonTextPosition(Point origin);

// The picture of the window: main window width − 1.3 × command-column width
// − 3 wide; client height minus status bar and expert panel high (both at
// least 1 pixel).
struct PictureSize {
  int width = 0;
  int height = 0;
};
PictureSize PictureSizeFor(int mainWidth, int columnWidth, int clientHeight, int statusBarHeight,
                           int expertPanelHeight);

// True when the origin lies outside a picture of width × height
// (x < 1, y < 1, x > width or y > height).
bool OriginOutsidePicture(Point origin, int width, int height);

// ---- the save panel --------------------------------------------------------

enum class SaveFormat { Hpgl, Dxf, Svg, Pdf };

// "plt", "dxf", "svg", "pdf".
std::string_view ExtensionOf(SaveFormat format);
// "kel.plt", "kel.dxf", "kel.svg", "kel.pdf".
std::string DefaultFileName(SaveFormat format);

// Longest file name the panel accepts.
inline constexpr std::size_t kMaxSaveNameLength = 60;

// The file name field's rule: the file name part up to its first "." stays
// and the extension of `format` is put after it; an empty field (or a name
// with nothing before the first ".") becomes "kel." + extension. Leading and
// trailing blanks are dropped. The result is at most 60 characters: a longer
// name is cut before its extension. A folder part ("dir/name") is kept as it
// stands; the rule looks only at the name after the last "/" (or "\").
// Examples: "a.b.c" → "a.dxf" (DXF); "" → "kel.plt" (HPGL).
std::string SaveFileName(std::string_view field, SaveFormat format);
// The coordinate listing beside a plot file: the same name with extension "txt".
std::string CoordinateFileName(std::string_view plotFileName);

// Where the coordinate listing of a plot file goes.
enum class CoordinateTarget { None, Printer, TextFile };

// The line strength of the panel (" fein", " mittel", " dick") as 1..3.
inline constexpr int kLineStrengthThin = 1;
inline constexpr int kLineStrengthMedium = 2;
inline constexpr int kLineStrengthThick = 3;

}  // namespace kelvra::output
