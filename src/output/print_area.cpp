#include "output/print_area.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "output/hpgl_writer.h"

namespace kelvra::output {

PrintArea& CurrentPrintArea() {
  static PrintArea area{2800, 2000, 0, 0};
  return area;
}

PrinterReport LandscapeReport(const PrinterReport& report) {
  if (!report.portrait) return report;
  PrinterReport r = report;
  std::swap(r.horzSizeMm, r.vertSizeMm);
  std::swap(r.horzRes, r.vertRes);
  std::swap(r.physicalOffsetX, r.physicalOffsetY);
  r.portrait = false;
  return r;
}

std::optional<PrintArea> ComputePrintArea(const PrinterReport& report) {
  const PrinterReport r = LandscapeReport(report);
  if (r.horzSizeMm <= 0 || r.vertSizeMm <= 0 || r.horzRes <= 0 || r.vertRes <= 0 ||
      r.physicalOffsetX < 0 || r.physicalOffsetY < 0) {
    return std::nullopt;
  }
  const int page_w = r.horzSizeMm * 10;
  const int page_h = r.vertSizeMm * 10;
  const int a = RoundHalfEven(static_cast<double>(page_w) * r.physicalOffsetX / r.horzRes);
  const int b = kSheetWidth - page_w - a;
  const int c = RoundHalfEven(static_cast<double>(page_h) * r.physicalOffsetY / r.vertRes);
  const int d = kSheetHeight - page_h - c;
  PrintArea area;
  area.width = std::min(2968 - 2 * std::max(a, b), 2820);
  area.height = std::min(2098 - 2 * std::max(c, d), 2000);
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  area.left = std::max(0, (kSheetWidth - area.width) / 2 - a);
  area.top = std::max(0, (kSheetHeight - area.height) / 2 - c);
  return area;
}

Point PrinterPageSize(const PrinterReport& report) {
  const PrinterReport r = LandscapeReport(report);
  return {r.horzSizeMm * 10, r.vertSizeMm * 10};
}

Point CarryToPrinter(Point screen, Point page_size, int image_width, int image_height,
                     const config::DialKindRow& kind) {
  if (image_width <= 0 || image_height <= 0) return screen;
  // Multiply first: the products are exact, so halves round as they should.
  Point p{RoundHalfEven(static_cast<double>(page_size.x) * screen.x / image_width),
          RoundHalfEven(static_cast<double>(page_size.y) * screen.y / image_height)};
  if (kind.Has(config::kFixedOnPage)) {
    p.x += 50;
    p.y += 50;
  }
  return p;
}

Point CarryToPrinter(Point screen, Point page_size, int image_width, int image_height,
                     char kind) {
  return CarryToPrinter(screen, page_size, image_width, image_height, config::KindRow(kind));
}

std::optional<Point> CarryToPlotPage(Point s, int image_width, int image_height,
                                     const config::DialKindRow& kind) {
  if (image_width <= 0 || image_height <= 0) return std::nullopt;
  const double w = image_width;
  const double h = image_height;
  switch (kind.plotPage) {
    case config::PlotPageMapping::Standard:
      return Point{RoundHalfEven(16157.0 * s.x / w), RoundHalfEven(11040 - 11038.0 * s.y / h)};
    case config::PlotPageMapping::Bifilar:
      return Point{RoundHalfEven(16157.0 * s.x / w), RoundHalfEven(10480 - 10480.0 * s.y / h)};
    case config::PlotPageMapping::Peaucellier:
      return Point{RoundHalfEven(16157.0 * s.x / w), 5240};
    case config::PlotPageMapping::Sawyer:
      return Point{RoundHalfEven(16400.0 * s.x / w), RoundHalfEven(10480 - 10470.0 * s.y / h)};
    case config::PlotPageMapping::None:
      break;
  }
  return std::nullopt;
}

std::optional<Point> CarryToPlotPage(Point s, int image_width, int image_height, char kind,
                                     int variant) {
  return CarryToPlotPage(s, image_width, image_height, config::KindRow(kind, false, variant));
}

Point PlotPageExtent(const config::DialKindRow& kind) {
  switch (kind.plotPage) {
    case config::PlotPageMapping::Bifilar:
    case config::PlotPageMapping::Peaucellier:
      return {16157, 10480};
    case config::PlotPageMapping::Sawyer:
      return {16400, 10470};
    case config::PlotPageMapping::Standard:
    case config::PlotPageMapping::None:
      break;
  }
  return {kPlotWindowWidth, kPlotWindowHeight};
}

std::optional<Point> PictureOfPrinterPoint(Point printer, Point page_size, int image_width,
                                           int image_height, const config::DialKindRow& kind) {
  if (image_width <= 0 || image_height <= 0 || page_size.x <= 0 || page_size.y <= 0) {
    return std::nullopt;
  }
  if (kind.Has(config::kFixedOnPage)) {
    printer.x -= 50;
    printer.y -= 50;
  }
  return Point{static_cast<int>(std::lround(static_cast<double>(printer.x) * image_width / page_size.x)),
               static_cast<int>(std::lround(static_cast<double>(printer.y) * image_height / page_size.y))};
}

std::optional<Point> PictureOfPlotPoint(Point plot, int image_width, int image_height,
                                        const config::DialKindRow& kind) {
  if (image_width <= 0 || image_height <= 0) return std::nullopt;
  const double w = image_width;
  const double h = image_height;
  auto at = [](double x, double y) {
    return Point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
  };
  switch (kind.plotPage) {
    case config::PlotPageMapping::Standard:
      return at(plot.x * w / 16157.0, (11040.0 - plot.y) * h / 11038.0);
    case config::PlotPageMapping::Bifilar:
      return at(plot.x * w / 16157.0, (10480.0 - plot.y) * h / 10480.0);
    case config::PlotPageMapping::Peaucellier:
      return at(plot.x * w / 16157.0, h / 2);
    case config::PlotPageMapping::Sawyer:
      return at(plot.x * w / 16400.0, (10480.0 - plot.y) * h / 10470.0);
    case config::PlotPageMapping::None:
      break;
  }
  return std::nullopt;
}

CarriedPositions::CarriedPositions(DrawingView& view, Point origin, Point legend)
    : view_(&view), savedOrigin_(view.origin), savedLegend_(view.legendPosition) {
  view.origin = origin;
  view.legendPosition = legend;
}

CarriedPositions::CarriedPositions(CarriedPositions&& other) noexcept
    : view_(std::exchange(other.view_, nullptr)),
      savedOrigin_(other.savedOrigin_),
      savedLegend_(other.savedLegend_) {}

CarriedPositions::~CarriedPositions() {
  if (!view_) return;
  view_->origin = savedOrigin_;
  view_->legendPosition = savedLegend_;
}

CarriedPositions CarryViewToPrinter(DrawingView& view, Point page_size,
                                    const config::DialKindRow& kind) {
  return CarriedPositions(
      view, CarryToPrinter(view.origin, page_size, view.imageWidth, view.imageHeight, kind),
      CarryToPrinter(view.legendPosition, page_size, view.imageWidth, view.imageHeight, kind));
}

CarriedPositions CarryViewToPrinter(DrawingView& view, Point page_size, char kind) {
  return CarryViewToPrinter(view, page_size, config::KindRow(kind));
}

CarriedPositions CarryViewToPlotPage(DrawingView& view, const config::DialKindRow& kind) {
  const auto origin = CarryToPlotPage(view.origin, view.imageWidth, view.imageHeight, kind);
  const auto legend = CarryToPlotPage(view.legendPosition, view.imageWidth, view.imageHeight, kind);
  return CarriedPositions(view, origin.value_or(view.origin),
                          legend.value_or(view.legendPosition));
}

CarriedPositions CarryViewToPlotPage(DrawingView& view, char kind, int variant) {
  return CarryViewToPlotPage(view, config::KindRow(kind, false, variant));
}

}  // namespace kelvra::output
