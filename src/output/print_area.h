// The printed page: the area the renderers may use on a landscape A4 sheet and
// the set-up arithmetic from what the printer reports. All lengths in 0.1 mm
// unless named otherwise.
#pragma once

#include <optional>

#include "output/drawing_view.h"
#include "output/plot_sink.h"

namespace kelvra::output {

// The A4 sheet in landscape, 0.1 mm.
inline constexpr int kSheetWidth = 2970;
inline constexpr int kSheetHeight = 2100;

struct PrintArea {
  int width = 2800;  // width the renderers may use
  int height = 2000;
  int left = 70;  // offset of that area from the printable corner
  int top = 50;
};

// The area of the last print job. Screen renderers read left and top too;
// before the first print job they are 0.
PrintArea& CurrentPrintArea();

// What a printer reports about its page (Windows device capabilities).
struct PrinterReport {
  int horzSizeMm = 0;  // HORZSIZE: printable width in mm
  int vertSizeMm = 0;  // VERTSIZE
  int horzRes = 0;     // HORZRES: printable width in device pixels
  int vertRes = 0;     // VERTRES
  int physicalOffsetX = 0;  // PHYSICALOFFSETX: device pixels from the sheet edge
  int physicalOffsetY = 0;  // PHYSICALOFFSETY
  bool portrait = false;    // the values are for a portrait page
};

// The report with the x and y values of all three pairs swapped when the
// printer reports portrait orientation; landscape reports come back as given.
PrinterReport LandscapeReport(const PrinterReport& report);

// The print area for a printer report (landscape or portrait, the result is
// the same): offsets a, c and rests b, d of the printable area on the sheet,
// width = min(2968 - 2 max(a, b), 2820), height = min(2098 - 2 max(c, d), 2000),
// left = max(0, (2970 - width) / 2 - a), top = max(0, (2100 - height) / 2 - c).
// Returns nothing when the report cannot describe a page (a size or
// resolution that is not positive, or an area left without room): the printer
// is then "not ready" and nothing is printed.
std::optional<PrintArea> ComputePrintArea(const PrinterReport& report);

// The printer's page size in device units (0.1 mm), landscape: HORZSIZE × 10,
// VERTSIZE × 10 after the portrait swap.
Point PrinterPageSize(const PrinterReport& report);

// A screen position carried to the printed page:
// (rnd(page width / imageWidth × x), rnd(page height / imageHeight × y)),
// plus 50 on both for the families drawn at a fixed place on the page
// (kinds p, f, w). A picture that was never drawn (size 0) carries nothing:
// the position comes back unchanged. The forms with a kind letter read the
// row of that letter (and variant).
Point CarryToPrinter(Point screen, Point page_size, int image_width, int image_height,
                     const config::DialKindRow& kind);
Point CarryToPrinter(Point screen, Point page_size, int image_width, int image_height,
                     char kind);

// A screen position carried to the plot page (plot units, y upwards), for the
// kinds that have a picked position: c, h, i, m, v and z in its second and
// third variants (cylinderVariant 1, 2); f; p; w. Nothing for other kinds or
// for a picture that was never drawn.
std::optional<Point> CarryToPlotPage(Point screen, int image_width, int image_height,
                                     const config::DialKindRow& kind);
std::optional<Point> CarryToPlotPage(Point screen, int image_width, int image_height, char kind,
                                     int variant);

// The size of the plot page a picture is carried onto for `kind` (plot
// units at scale 1): the width and height the picture's width and height
// map to.
Point PlotPageExtent(const config::DialKindRow& kind);

// The inverses of the two carries: the picture position (image pixels,
// rounded) that CarryToPrinter carries to `printer` (0.1 mm, y down), and the
// one that CarryToPlotPage carries to `plot` (plot units, y up; a mapping that
// fixes y, as the Peaucellier page does, takes any y). Nothing for a picture
// that was never drawn or a kind without a plot mapping.
std::optional<Point> PictureOfPrinterPoint(Point printer, Point page_size, int image_width,
                                           int image_height, const config::DialKindRow& kind);
std::optional<Point> PictureOfPlotPoint(Point plot, int image_width, int image_height,
                                        const config::DialKindRow& kind);

// Holds the view's origin and legend position changed for another target (a
// print or a plot file) and restores them when it goes.
class CarriedPositions {
 public:
  CarriedPositions(DrawingView& view, Point origin, Point legend);
  ~CarriedPositions();
  CarriedPositions(CarriedPositions&& other) noexcept;
  CarriedPositions(const CarriedPositions&) = delete;
  CarriedPositions& operator=(const CarriedPositions&) = delete;
  CarriedPositions& operator=(CarriedPositions&&) = delete;

 private:
  DrawingView* view_;
  Point savedOrigin_;
  Point savedLegend_;
};

// Carries both positions of `view` to the printer page (CarryToPrinter).
CarriedPositions CarryViewToPrinter(DrawingView& view, Point page_size,
                                    const config::DialKindRow& kind);
CarriedPositions CarryViewToPrinter(DrawingView& view, Point page_size, char kind);
// Carries both positions of `view` to the plot page (CarryToPlotPage); kinds
// without a plot mapping keep their positions (nothing is changed).
CarriedPositions CarryViewToPlotPage(DrawingView& view, const config::DialKindRow& kind);
CarriedPositions CarryViewToPlotPage(DrawingView& view, char kind, int variant);

}  // namespace kelvra::output
