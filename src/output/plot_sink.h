// The drawing target of every canvas renderer: the screen picture, the printed
// page, or a picture/vector file. A renderer computes its geometry in dial
// millimetres, multiplies by PixelsPerMm of the target (drawing_view.h) and
// draws with the operations below.
//
// Device units: image pixels on the screen picture, 0.1 mm on the printer page
// and on the page-sized files (PDF, SVG). x grows to the right, y DOWNWARDS,
// (0, 0) is the top-left corner of the drawing area. Drawing outside the area
// is clipped by the target and is no error.
//
// Colours are ColorValue numbers as the settings file stores them:
// red + 256 green + 65536 blue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/shared_state.h"

namespace kelvra::output {

using Color = shell::ColorValue;

constexpr Color RgbColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xff); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xff); }

// The fixed colours the renderers use beside the ColorSet.
inline constexpr Color kWhite = RgbColor(255, 255, 255);
inline constexpr Color kBlack = RgbColor(0, 0, 0);
inline constexpr Color kRed = RgbColor(255, 0, 0);
inline constexpr Color kNavy = RgbColor(0, 0, 128);
inline constexpr Color kBlue = RgbColor(0, 0, 255);
inline constexpr Color kMaroon = RgbColor(128, 0, 0);
inline constexpr Color kSilver = RgbColor(192, 192, 192);

enum class SinkKind { Screen, Printer };

enum class PenStyle { Solid, Dotted, Dashed };
// Copy paints the pen colour; Xor and NotXor combine it with what is there
// (drawing the same figure twice in NotXor mode restores the picture). Vector
// targets have no "what is there" and paint Xor/NotXor figures as Copy.
enum class PenMode { Copy, Xor, NotXor };

struct Pen {
  Color color = kBlack;
  int width = 1;  // device units; 0 and 1 both give the thinnest line
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
};

enum class BrushStyle { Solid, Clear, BackwardDiagonal };

struct Brush {
  Color color = kWhite;
  BrushStyle style = BrushStyle::Solid;
};

// A font request. The face is a name the renderers know ("Arial",
// "Times New Roman", "Courier", "Courier New", "Wingdings"); the target maps it
// to an installed face (see canvas/font_faces.h). The size is either `height`,
// the character (em) height in device units, or, when height is 0, `pointSize`
// in typographic points (1/72 inch at the target's resolution: 96 dots per
// inch on the screen, 254 device units per inch on the printer).
struct Font {
  std::string face = "Arial";
  int height = 0;        // device units; 0: use pointSize
  double pointSize = 10;  // points, used when height == 0
  Color color = kBlack;
  bool bold = false;
  bool italic = false;
  double escapement = 0;  // degrees, counter-clockwise as seen; TextOut turns its text by it
};

// How FloodFill finds its region.
enum class FillMode {
  Border,   // every pixel connected to (x, y) up to pixels of the given colour
  Surface,  // every pixel connected to (x, y) that has the given colour
};

// Weights for RotatedText.
inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The canvas target. One object per drawing; the renderer borrows it. The
// state (pen, brush, font, current point) lives here; back ends read it when
// they draw. A fresh sink has a black solid pen of width 1, a solid white
// brush, Arial 10 pt black and the current point (0, 0).
class PlotSink {
 public:
  PlotSink(SinkKind kind, int width, int height) : kind_(kind), width_(width), height_(height) {}
  virtual ~PlotSink() = default;
  PlotSink(const PlotSink&) = delete;
  PlotSink& operator=(const PlotSink&) = delete;

  SinkKind Kind() const { return kind_; }
  bool IsScreen() const { return kind_ == SinkKind::Screen; }
  int Width() const { return width_; }    // device units
  int Height() const { return height_; }  // device units

  // Device units per inch, for point sizes: 96 on the screen, 254 on the printer.
  virtual double UnitsPerInch() const { return IsScreen() ? 96.0 : 254.0; }
  // The em height in device units the current font (or `font`) asks for.
  int FontPixelHeight() const { return FontPixelHeight(font_); }
  int FontPixelHeight(const Font& font) const;

  // Paints the whole surface white.
  virtual void Clear() = 0;

  virtual void SetPen(const Pen& pen) { pen_ = pen; }
  virtual void SetBrush(const Brush& brush) { brush_ = brush; }
  virtual void SetFont(const Font& font) { font_ = font; }
  const Pen& GetPen() const { return pen_; }
  const Brush& GetBrush() const { return brush_; }
  const Font& GetFont() const { return font_; }

  // Shorthands that change one attribute and keep the rest.
  void SetPenColor(Color c);
  void SetPenWidth(int width);
  void SetPenStyle(PenStyle style);
  void SetPenMode(PenMode mode);
  void SetBrushColor(Color c, BrushStyle style = BrushStyle::Solid);
  void SetBrushStyle(BrushStyle style);
  void SetFontFace(std::string_view face);
  void SetFontHeight(int device_units);  // em height in device units
  void SetFontSize(double points);        // point size (height becomes 0)
  void SetFontColor(Color c);
  void SetFontBold(bool bold);

  // Sets the current point.
  virtual void MoveTo(int x, int y) { current_ = {x, y}; }
  // Straight line with the pen from the current point to (x, y), which becomes
  // the current point; the end point itself is not painted.
  virtual void LineTo(int x, int y) = 0;
  Point CurrentPoint() const { return current_; }

  // Outline with the pen, inside with the brush (nothing inside for a clear
  // brush). The box corners may come in any order.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Ellipse inscribed in the box; a circle of radius r about (x, y) is the box
  // (x - r, y - r, x + r, y + r).
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  void Circle(int x, int y, int r) { Ellipse(x - r, y - r, x + r, y + r); }
  // Part of the ellipse inscribed in the box, from the ray (centre -> start)
  // counter-clockwise as seen to the ray (centre -> end); equal rays give the
  // whole ellipse. Pen only.
  virtual void Arc(int x1, int y1, int x2, int y2, int start_x, int start_y, int end_x,
                   int end_y) = 0;

  // Fills with the brush the region about (x, y) found by `mode` and `color`.
  // Raster targets only; vector targets (PDF, SVG, printer) do nothing.
  virtual void FloodFill(int x, int y, Color color, FillMode mode) = 0;
  // The colour at (x, y); white outside the surface and on vector targets.
  virtual Color PixelAt(int x, int y) const = 0;

  // Text (UTF-8) in the current font with the top-left corner of its cell at
  // (x, y); turned about (x, y) by the font's escapement.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Extent of the text's cell in the current font, device units.
  virtual int TextWidth(std::string_view text) const = 0;
  virtual int TextHeight(std::string_view text) const = 0;

  // Text with the face and colour of the current font, the character height
  // `height` in device units, weight 400 (normal) or 700 (bold), turned by
  // `angle` degrees counter-clockwise about (x, y) (-90 runs downwards). The
  // current font is left as it was. An empty text draws nothing.
  // The default sets such a font, calls TextOut and restores the font.
  virtual void RotatedText(int x, int y, std::string_view text, int weight, int height,
                           double angle);

 protected:
  Pen pen_;
  Brush brush_;
  Font font_;
  Point current_;

 private:
  SinkKind kind_;
  int width_;
  int height_;
};

}  // namespace kelvra::output
