// The drawings of the altitude and cylinder dials on a page: frames, scales,
// the curves of the built dial (cut at the border of the scale), labels and
// legend. The same layout serves the screen, the printer and the plot file;
// the frame says which, and the plot file's own rules (the shepherd's two
// strips, the caps of its scale, dashed subdivisions) follow from it.
#pragma once

#include <optional>

#include "dials/altitude/altitude_geometry.h"
#include "dials/altitude/altitude_page.h"

namespace kelvra::dials::altitude {

// The page area and scale: page units per dial mm and the text heights.
struct Frame {
  double width = 0;   // page units
  double height = 0;
  double margin = 0;  // 0 on screen and in the plot file, 50 (5 mm) on the printer
  double unitsPerMm = 1;
  bool screen = true;
  bool plot = false;
  double generalFont = 16;  // legend and hour numbers
  double monthFont = 12;    // month names and date numbers
  double titleFont = 16;
  // Polar style: where the pin stands (page units) and the grid spacing
  // (page units; none when not asked for).
  PagePoint origin;
  std::optional<double> gridSpacing;

  double Right() const { return width - margin; }
  double Bottom() const { return height - margin; }
};

// The frame of a canvas of w x h device units: the screen (pixels) or the
// printer (0.1 mm). `pixelsPerMm` is PixelsPerMm of the target (the polar
// style's scale).
Frame CanvasFrame(Variant variant, double width, double height, bool screen, double pixelsPerMm);
// The frame of the plot file of `writer` (its PlotScale).
Frame PlotFrame(double plotScale);

// The four drawings. Each draws the whole dial with its legend onto `page`;
// a refused dial (temporal hours above 65 degrees) shows the refusal texts.
void DrawHorizontalAltitudeDial(Page& page, const Dial& dial, const Frame& frame);
void DrawShepherdDial(Page& page, const Dial& dial, const Frame& frame);
void DrawHatDial(Page& page, const Dial& dial, const Frame& frame);
void DrawPolarStyleDial(Page& page, const Dial& dial, const Frame& frame);
// By the dial's variant.
void DrawCylinderFamily(Page& page, const Dial& dial, const Frame& frame);

// The shepherd's plot file puts morning and afternoon hours on two strips
// when one strip is narrower than 7320 plot units (183 mm); a wider strip
// holds both, which is worth a hint when mean-time hours span noon.
bool ShepherdPlotHasTwoStrips(const Dial& dial);
bool ShepherdPlotWantsTwoParts(const Dial& dial);

}  // namespace kelvra::dials::altitude
