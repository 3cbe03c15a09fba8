#include "output/drawing_view.h"

#include <cmath>

namespace kelvra::output {

int RoundHalfEven(double x) {
  if (std::isnan(x)) return 0;
  if (x <= -2147483648.0) return -2147483647 - 1;  // saturate instead of overflowing
  if (x >= 2147483647.0) return 2147483647;
  const double f = std::floor(x);
  const double diff = x - f;
  double r = f;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1.0;
  return static_cast<int>(r);
}

double PixelsPerMm(SinkKind kind, int image_width, bool screen_page_format) {
  if (kind == SinkKind::Printer) return 10.0;
  return image_width / (screen_page_format ? kPrintPageWidthMm : kPlotPageWidthMm);
}

double ZoomedLengthMm(double length_mm, double zoom) {
  return RoundHalfEven(100.0 * length_mm * zoom) / 100.0;
}

bool DrawingView::Wheel(int delta) {
  if (delta < -299) return false;
  zoom *= 1.0 + delta / 2000.0;
  return true;
}

int DrawingView::ZoomedMapScale(int scale, bool zoom_in) const {
  return RoundHalfEven(zoom_in ? scale * zoomStep : scale / zoomStep);
}

DrawingView& TheDrawingView() {
  static DrawingView view;
  return view;
}

bool OriginPickable(const config::DialKindRow& kind) { return kind.Has(config::kPickOrigin); }
bool LegendPickable(const config::DialKindRow& kind) { return kind.Has(config::kPickLegend); }
bool OriginPickable(char kind, int variant) { return OriginPickable(config::KindRow(kind, false, variant)); }
bool LegendPickable(char kind, int variant) { return LegendPickable(config::KindRow(kind, false, variant)); }

Point LegendOutlineSize(const config::DialKindRow& kind, int image_width) {
  return {RoundHalfEven(image_width * kind.legendShare), RoundHalfEven(image_width / 14.0)};
}
Point LegendOutlineSize(char kind, int image_width) {
  return LegendOutlineSize(config::KindRow(kind), image_width);
}

bool SetDefaultPlacement(DrawingView& view, const config::DialKindRow& kind, int w, int h,
                         double latitude_deg) {
  using config::DefaultPlacement;
  switch (kind.placement) {
    case DefaultPlacement::None:
      return false;
    case DefaultPlacement::Centred:
      view.origin = {w / 2, 2 * h / 3};
      break;
    case DefaultPlacement::Wall:
      view.origin = {(w + 1) / 2, RoundHalfEven((w + 1) / 32.0)};
      view.legendPosition = {RoundHalfEven(3.0 * w / 8.0), RoundHalfEven(0.85 * h)};
      break;
    case DefaultPlacement::Face: {
      Point origin{(w + 1) / 2, std::fabs(latitude_deg) > 30 ? RoundHalfEven(3.0 * h / 4.0) : (h + 1) / 2};
      Point legend{RoundHalfEven(3.0 * w / 8.0), h / 25};
      if (latitude_deg < 0) {  // the shadows fall the other way south of the equator
        origin.y = h - origin.y;
        legend.y = h - w / 10;
      }
      view.origin = origin;
      view.legendPosition = legend;
      break;
    }
  }
  view.originSetByUser = false;
  view.legendSetByUser = false;
  return true;
}

bool SetDefaultPlacement(DrawingView& view, char kind, int w, int h, double latitude_deg) {
  return SetDefaultPlacement(view, config::KindRow(kind), w, h, latitude_deg);
}

}  // namespace kelvra::output
