// The scale from dial millimetres to device units, the state of the drawing
// window (zoom, picked origin and legend position) and how picked screen
// positions are carried to the printed page and to the plot page.
//
// Screen positions are image pixels (x right, y down). Printer positions are
// 0.1 mm (x right, y down). Plot positions are plot units, 40 per millimetre
// at plot scale 1, with y UPWARDS.
#pragma once

#include <optional>

#include "config/dial_kinds.h"
#include "output/plot_sink.h"

namespace kelvra::output {

// x rounded to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double x);

// Width in mm of the page the screen picture shows: the print page (280 mm)
// when screenPageFormat is true, the plot page (420 mm) otherwise.
inline constexpr double kPrintPageWidthMm = 280.0;
inline constexpr double kPlotPageWidthMm = 420.0;

// Device units per dial millimetre: image width / 280 (or / 420 when
// screenPageFormat is false) on the screen, 10 on the printer.
double PixelsPerMm(SinkKind kind, int image_width, bool screen_page_format);

// A length in dial mm after zoom, brought to whole hundredths of a mm
// (rnd(100 L zoom) / 100), as families that measure by the gnomon use it.
double ZoomedLengthMm(double length_mm, double zoom);

struct DrawingView {
  static constexpr double kDefaultZoomStep = 1.0905077326652577;  // 2^(1/8)

  Point origin;                  // image pixels: the foot of the gnomon
  bool originSetByUser = false;  // the families then draw the dial there
  Point legendPosition;          // image pixels: top-left corner of the legend
  bool legendSetByUser = false;
  double zoom = 1.0;  // multiplies every dial length before drawing
  double zoomStep = kDefaultZoomStep;
  bool screenPageFormat = true;  // true: 280 mm across the picture; false: 420 mm
  int imageWidth = 0;            // picture size in pixels at the last drawing
  int imageHeight = 0;

  void ZoomIn() { zoom *= zoomStep; }
  void ZoomOut() { zoom /= zoomStep; }
  // The plain draw command.
  void ResetZoom() { zoom = 1.0; }
  // The map scale of the map dial family after a zoom command: multiplied
  // (zoom in) or divided (zoom out) by zoomStep and rounded (rnd).
  int ZoomedMapScale(int scale, bool zoom_in) const;
  // Mouse wheel with delta w (120 per notch): zoom × (1 + w / 2000) when
  // w >= -299; a more negative delta leaves the zoom alone. Returns true when
  // the zoom changed (the picture is then redrawn).
  bool Wheel(int delta);

  // Left click on the picture: the click point becomes the origin.
  void PickOrigin(Point p) {
    origin = p;
    originSetByUser = true;
  }
  // Alt + left click: the click point becomes the legend's top-left corner.
  void PickLegend(Point p) {
    legendPosition = p;
    legendSetByUser = true;
  }

  // Device units per dial mm on `sink` (imageWidth is the sink's width on screen).
  double PixelsPerMmFor(const PlotSink& sink) const {
    return PixelsPerMm(sink.Kind(), sink.Width(), screenPageFormat);
  }
};

// The drawing window's view; it lives as long as the program.
DrawingView& TheDrawingView();

// The rules below read the row of the dial kind (config/dial_kinds.h); the
// forms with a kind letter look up the row of that letter and variant.

// Whether the user may pick the origin (and the legend) on the picture:
// kinds c, f, h, i, m, p, v, w and z in its third variant; the legend not for w.
bool OriginPickable(const config::DialKindRow& kind);
bool LegendPickable(const config::DialKindRow& kind);
bool OriginPickable(char kind, int variant);
bool LegendPickable(char kind, int variant);
// Size of the blue legend outline of Alt + click: width imageWidth × 0.29
// (kinds c, m), × 0.30 (v) or × 0.33 (others), height imageWidth / 14; pixels.
Point LegendOutlineSize(const config::DialKindRow& kind, int image_width);
Point LegendOutlineSize(char kind, int image_width);

// Default origin and legend of the drawing window for an image W × H:
// kinds c and m: origin (W / 2, 2 H / 3); planar kinds h, i, v (and z in its
// third variant, placed like h): origin x = (W + 1) / 2, legend x = rnd(3 W / 8);
// kind v: origin y = rnd((W + 1) / 32), legend y = rnd(0.85 H); kinds h and i:
// origin y = rnd(3 H / 4) when |latitude| > 30, else (H + 1) / 2, legend
// y = H / 25, and south of the equator the origin y becomes H - origin y and
// the legend y H - W / 10. Sets the positions, clears both "set by user" flags
// and returns false (leaving the view alone) for other kinds.
// latitude in degrees, north positive.
bool SetDefaultPlacement(DrawingView& view, const config::DialKindRow& kind, int image_width,
                         int image_height, double latitude_deg);
bool SetDefaultPlacement(DrawingView& view, char kind, int image_width, int image_height,
                         double latitude_deg);

}  // namespace kelvra::output
