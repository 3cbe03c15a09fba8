// HPGL plot files: the one writer every dial family and graph uses to emit its
// construction as pen-plotter commands.
//
// Units: plot units, 40 per millimetre at PlotScale 1. The intermediate file of
// a DXF export is written with PlotScale 25 (1000 units per millimetre); every
// coordinate, radius and character size a writer emits is multiplied by
// PlotScale, pen widths and the fixed grid circle are not. The page is A3
// landscape, x to the right, y upwards, origin in the lower-left corner.
//
// A plot file is one line of text: Put adds no separator and no line end.
// Numbers are written without the locale (point as decimal separator).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "config/dial_kinds.h"
#include "shell/safe_save.h"

namespace kelvra::output {

inline constexpr int kPlotUnitsPerMm = 40;        // at PlotScale 1
inline constexpr int kPlotPageWidth = 16400;      // paper, plot units (410 mm)
inline constexpr int kPlotPageHeight = 11480;     // paper, plot units (287 mm)
inline constexpr int kPlotWindowWidth = 16157;    // input window and frame
inline constexpr int kPlotWindowHeight = 11038;
inline constexpr int kGridRight = 16150;          // grid bounds of the planar writer
inline constexpr int kGridTop = 11030;
inline constexpr double kCoordinateLimit = 217000000.0;
inline constexpr int kDxfPlotScale = 25;          // PlotScale of a scaled DXF export

// A real number of plot units as text: clamped to +-217000000, rounded to the
// nearest integer (halves to the even neighbour), plain decimal integer with a
// leading "-" when negative ("-0" never occurs). NaN gives "0".
std::string FormatCoordinate(double x);

// Right-aligned in at least `width` characters with `decimals` decimals, "."
// as decimal point, halves rounded away from zero: shell::FormatReal, quicker
// for the many numbers of a DXF file (the form of character sizes:
// FormatPlotReal(5, 2, 0.16) == " 0.16").
std::string FormatPlotReal(int width, int decimals, double x);

// Header texts. W = 16157 x plotScale, H = 11038 x plotScale.
// "IN;VS 1;PA;IW 0 0 W H;PU 0 0;EA W H;" followed by ";SP 4;PU 0 0;".
std::string StandardHeaderText(int plotScale);
// "IN;VS 1;PA;IW 0 0 W H;SP pen;PU 0 0;EA W H;PU 0 0;SI w,h" with
// w = 0.22 x plotScale, h = 0.32 x plotScale (width 5, 2 decimals).
std::string MapHeaderText(int plotScale, int pen);
inline constexpr std::string_view kShortHeaderVs = "IN;VS 1;PA;";
inline constexpr std::string_view kShortHeaderPa = "IN;PA;";
inline constexpr std::string_view kShortHeaderSs = "IN;SS;PA;";
inline constexpr std::string_view kTrailerWindow = ";IW;IN;";
inline constexpr std::string_view kTrailerPenAway = ";SP 0;IN;";
inline constexpr std::string_view kTrailerPenAwayTight = ";SP0;IN;";
inline constexpr std::string_view kTrailerInit = ";IN;";

// The spacing of the coordinate grid in mm from the text of its input box: a
// whole number greater than zero; anything else gives the default 10.
int GridSpacingFromText(std::string_view text);

// Plot scale and divisor of a DXF export for a dial kind, from its row of the
// kind table: the scaled kinds c, h, i, m, p, v, z and q variants 1 and 2 write
// PlotScale 25 and convert with 1000 plot units per millimetre, every other
// kind PlotScale 1 and divisor 40. DxfScaleFor(dial) is the one the drawing
// window and `kelvra draw` use; the letter form counts the variant from 1
// (kind q: 1 the quadrant, 2 and 3 the Habermel dials).
struct DxfScale {
  int plotScale = 1;
  int divisor = 40;
};
DxfScale DxfScaleFor(const config::DialKindRow& kind);
DxfScale DxfScaleFor(const config::DialParameters& dial);
DxfScale DxfScaleForKind(char kind, int variantNumber = 1);

class HpglWriter {
 public:
  // A writer that collects the text in memory (Text()) until Open is called.
  HpglWriter() = default;
  ~HpglWriter();
  HpglWriter(const HpglWriter&) = delete;
  HpglWriter& operator=(const HpglWriter&) = delete;

  // Starts the plot file. Its text goes to a temporary file beside it; an
  // existing file of that name is replaced only when Close succeeds. False
  // when the temporary file cannot be created (SaveError() says why).
  bool Open(const std::filesystem::path& file);
  // Writes what is buffered and puts the plot file in place. False when any
  // write failed; the old file is then untouched and nothing is left behind.
  bool Close();
  bool IsOpen() const { return file_.IsOpen(); }
  // True once a write to the file failed; later Puts are dropped.
  bool Failed() const { return file_.Failed(); }
  // The system's text for the error that stopped the save.
  const std::string& SaveError() const { return file_.Result().reason; }
  const std::filesystem::path& FileName() const { return fileName_; }
  // The text put so far when no file is open (memory mode).
  const std::string& Text() const { return memory_; }

  // Appends `text` unchanged (no separator, no line end). Empty text: nothing.
  void Put(std::string_view text);

  // 1 for a plot file, 25 for the intermediate file of a scaled DXF export.
  int PlotScale() const { return plotScale_; }
  void SetPlotScale(int scale) { plotScale_ = scale > 0 ? scale : 1; }
  // FormatCoordinate(units x PlotScale): a length given at scale 1.
  std::string Scaled(double units) const { return FormatCoordinate(units * plotScale_); }

  // 1 thin, 2 medium, 3 thick; values outside are clamped.
  int LineStrength() const { return lineStrength_; }
  void SetLineStrength(int strength);
  // ";PW 0;" before thin elements (frames, grids, texts) when lineStrength > 1.
  void PutThinPen();
  // ";PW k;" with k = lineStrength - 1 before construction lines when > 1.
  void PutConstructionPen();

  void PutStandardHeader() { Put(StandardHeaderText(plotScale_)); }
  void PutMapHeader(int pen) { Put(MapHeaderText(plotScale_, pen)); }

  // "LB" + text + ETX. Control characters inside the text (line ends, ETX)
  // become blanks, so the file stays one line and the label ends where it
  // should; UTF-8 text is written in Windows-1252 like every file of the
  // program.
  void PutLabel(std::string_view text);

  // The coordinate grid about the origin (x0, y0) up to the right bound R and
  // top bound T with spacing d, all in plot units already multiplied by
  // PlotScale: a circle of 80 units about the origin in pen 9, then vertical
  // and horizontal lines whose first line lies within d + 2 of the page edge.
  // A spacing below one plot unit draws only the circle.
  void PutGrid(double x0, double y0, double right, double top, double spacing);

 private:
  shell::SafeSaveFile file_;
  std::filesystem::path fileName_;
  std::string memory_;  // memory mode
  int plotScale_ = 1;
  int lineStrength_ = 1;
};

}  // namespace kelvra::output
