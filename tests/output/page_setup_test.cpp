// The page arithmetic of the drawing surface: printer page set-up, the scale
// from dial millimetres, zoom and wheel, and positions carried from the screen
// picture to the printed page and the plot page.
#include <gtest/gtest.h>

#include <cmath>

#include "output/drawing_view.h"
#include "output/print_area.h"
#include "output/recording_plot_sink.h"

namespace kelvra::output {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct { double x; int expected; } cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-2.7, -3}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.expected) << c.x;
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

PrinterReport ExactA4Landscape() {
  // 600 dpi, printable area the whole sheet.
  return PrinterReport{297, 210, 7016, 4961, 0, 0, false};
}

TEST(PrintArea, ExactA4SheetGivesTheCapsCentred) {
  const auto area = ComputePrintArea(ExactA4Landscape());
  ASSERT_TRUE(area);
  EXPECT_EQ(area->width, 2820);
  EXPECT_EQ(area->height, 2000);
  EXPECT_EQ(area->left, 75);
  EXPECT_EQ(area->top, 50);
}

TEST(PrintArea, PortraitReportEqualsLandscapeReport) {
  const PrinterReport landscapes[] = {
      ExactA4Landscape(),
      // A laser printer with 4.2 mm / 4.0 mm unprintable borders at 600 dpi.
      {288, 201, 6816, 4760, 100, 95, false},
      // Uneven offsets: more room on one side than on the other.
      {280, 190, 3307, 2244, 118, 59, false},
  };
  for (const auto& l : landscapes) {
    PrinterReport p{l.vertSizeMm, l.horzSizeMm, l.vertRes, l.horzRes, l.physicalOffsetY,
                    l.physicalOffsetX, true};
    const auto a = ComputePrintArea(l);
    const auto b = ComputePrintArea(p);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->width, b->width);
    EXPECT_EQ(a->height, b->height);
    EXPECT_EQ(a->left, b->left);
    EXPECT_EQ(a->top, b->top);
    EXPECT_EQ(PrinterPageSize(l), PrinterPageSize(p));
  }
}

TEST(PrintArea, UnprintableBordersShapeTheArea) {
  const struct {
    PrinterReport report;
    PrintArea expected;
  } cases[] = {
      // 600 dpi laser: a = rnd(2880 × 100 / 6816) = 42, b = 48, c = rnd(2010 × 95 / 4760)
      // = 40, d = 50; width 2968 - 96 capped at 2820, height 2098 - 100 = 1998.
      {{288, 201, 6816, 4760, 100, 95, false}, {2820, 1998, 75 - 42, 51 - 40}},
      // Printable 270 × 180 mm centred: a = b = 135, c = d = 150.
      {{270, 180, 2700, 1800, 135, 150, false}, {2698, 1798, 1, 1}},
      // A sheet larger than A4 (A3 landscape, no offsets): the rests are negative.
      {{420, 297, 4960, 3508, 0, 0, false}, {2820, 2000, 75, 50}},
  };
  for (const auto& c : cases) {
    const auto area = ComputePrintArea(c.report);
    ASSERT_TRUE(area) << c.report.horzSizeMm;
    EXPECT_EQ(area->width, c.expected.width) << c.report.horzSizeMm;
    EXPECT_EQ(area->height, c.expected.height) << c.report.horzSizeMm;
    EXPECT_EQ(area->left, c.expected.left) << c.report.horzSizeMm;
    EXPECT_EQ(area->top, c.expected.top) << c.report.horzSizeMm;
  }
}

TEST(PrintArea, ReportsThatDescribeNoPageAreRefused) {
  const PrinterReport bad[] = {
      {0, 210, 7016, 4961, 0, 0, false},
      {297, 210, 0, 4961, 0, 0, false},
      {297, 210, 7016, -1, 0, 0, false},
      {297, 210, 7016, 4961, -5, 0, false},
      {10, 10, 100, 100, 0, 0, false},  // leaves no room: rest b is 2870 per side
  };
  for (const auto& r : bad) EXPECT_FALSE(ComputePrintArea(r)) << r.horzSizeMm;
}

TEST(PixelsPerMm, ScreenFormatsAndPrinter) {
  EXPECT_DOUBLE_EQ(PixelsPerMm(SinkKind::Screen, 1400, true), 5.0);
  EXPECT_DOUBLE_EQ(PixelsPerMm(SinkKind::Screen, 1400, false), 1400.0 / 420.0);
  EXPECT_DOUBLE_EQ(PixelsPerMm(SinkKind::Printer, 1400, false), 10.0);
  // The print-page format shows a dial 1.5 times larger on the same image width.
  EXPECT_DOUBLE_EQ(PixelsPerMm(SinkKind::Screen, 1234, true) /
                       PixelsPerMm(SinkKind::Screen, 1234, false),
                   1.5);
  DrawingView view;
  RecordingPlotSink screen(SinkKind::Screen, 840, 600);
  EXPECT_DOUBLE_EQ(view.PixelsPerMmFor(screen), 3.0);
  EXPECT_DOUBLE_EQ(ZoomedLengthMm(33.333, 1.0), 33.33);
  EXPECT_DOUBLE_EQ(ZoomedLengthMm(50.0, DrawingView::kDefaultZoomStep), 54.53);
}

TEST(DrawingView, ZoomStepsAndWheel) {
  DrawingView view;
  EXPECT_DOUBLE_EQ(view.zoom, 1.0);
  for (int i = 0; i < 8; ++i) view.ZoomIn();
  EXPECT_NEAR(view.zoom, 2.0, 1e-12);  // eight steps double every length
  for (int i = 0; i < 8; ++i) view.ZoomOut();
  EXPECT_NEAR(view.zoom, 1.0, 1e-12);

  const struct { int delta; double factor; bool changed; } wheel[] = {
      {-300, 1.0, false}, {-1000, 1.0, false}, {-299, 1.0 - 299 / 2000.0, true},
      {-120, 0.94, true}, {120, 1.06, true},   {0, 1.0, true},
  };
  for (const auto& w : wheel) {
    view.zoom = 1.5;
    EXPECT_EQ(view.Wheel(w.delta), w.changed) << w.delta;
    EXPECT_NEAR(view.zoom, 1.5 * w.factor, 1e-12) << w.delta;
  }
  view.ResetZoom();
  EXPECT_EQ(view.zoom, 1.0);
  // The map scale follows the zoom commands in whole numbers.
  EXPECT_EQ(view.ZoomedMapScale(100, true), 109);   // 109.05
  EXPECT_EQ(view.ZoomedMapScale(100, false), 92);   // 91.70
  EXPECT_EQ(view.ZoomedMapScale(1, false), 1);
}

TEST(DrawingView, PickingAndDefaultPlacement) {
  DrawingView view;
  EXPECT_FALSE(view.originSetByUser);
  view.PickOrigin({10, 20});
  view.PickLegend({30, 40});
  EXPECT_EQ(view.origin, (Point{10, 20}));
  EXPECT_TRUE(view.originSetByUser && view.legendSetByUser);

  // W = 1400, H = 1000.
  ASSERT_TRUE(SetDefaultPlacement(view, 'v', 1400, 1000, 47.25));
  EXPECT_EQ(view.origin, (Point{700, 44}));  // 1401 / 2 = 700, rnd(1401 / 32 = 43.78)
  EXPECT_EQ(view.legendPosition, (Point{525, 850}));
  EXPECT_FALSE(view.originSetByUser || view.legendSetByUser);
  SetDefaultPlacement(view, 'h', 1400, 1000, 47.25);
  EXPECT_EQ(view.origin, (Point{700, 750}));
  EXPECT_EQ(view.legendPosition, (Point{525, 40}));
  SetDefaultPlacement(view, 'i', 1400, 1000, 20);
  EXPECT_EQ(view.origin, (Point{700, 500}));
  SetDefaultPlacement(view, 'h', 1400, 1000, -47.25);
  EXPECT_EQ(view.origin, (Point{700, 250}));
  EXPECT_EQ(view.legendPosition, (Point{525, 860}));
  SetDefaultPlacement(view, 'v', 1400, 1000, -47.25);  // a wall dial keeps its top origin
  EXPECT_EQ(view.origin, (Point{700, 44}));
  SetDefaultPlacement(view, 'm', 1400, 1000, 47.25);
  EXPECT_EQ(view.origin, (Point{700, 666}));
  EXPECT_FALSE(SetDefaultPlacement(view, 'a', 1400, 990, 47.25));

  EXPECT_TRUE(OriginPickable('w', 0));
  EXPECT_FALSE(LegendPickable('w', 0));
  EXPECT_TRUE(OriginPickable('z', 2));
  EXPECT_FALSE(OriginPickable('z', 1));
  EXPECT_FALSE(OriginPickable('a', 0));
  EXPECT_EQ(LegendOutlineSize('v', 1400), (Point{420, 100}));
  EXPECT_EQ(LegendOutlineSize('c', 1400), (Point{406, 100}));
  EXPECT_EQ(LegendOutlineSize('h', 1400), (Point{462, 100}));
}

TEST(CarriedPositions, ScreenToPrinterPage) {
  const Point page{2970, 2100};
  EXPECT_EQ(CarryToPrinter({700, 495}, page, 1400, 990, 'v'), (Point{1485, 1050}));
  EXPECT_EQ(CarryToPrinter({700, 495}, page, 1400, 990, 'p'), (Point{1535, 1100}));
  EXPECT_EQ(CarryToPrinter({1, 1}, page, 1400, 990, 'h'), (Point{2, 2}));  // 2.12 -> 2
  // A picture never drawn carries nothing (no division by zero).
  EXPECT_EQ(CarryToPrinter({5, 6}, page, 0, 0, 'h'), (Point{5, 6}));
}

TEST(CarriedPositions, ScreenToPlotPageByKind) {
  // The picture's middle on a 1400 × 990 picture: x = 16157 × 700 / 1400 = 8078.5 -> 8078.
  const struct { char kind; int variant; Point expected; } cases[] = {
      {'v', 0, {8078, 11040 - 5519}}, {'h', 0, {8078, 5521}}, {'i', 0, {8078, 5521}},
      {'c', 0, {8078, 5521}},         {'m', 0, {8078, 5521}}, {'z', 1, {8078, 5521}},
      {'z', 2, {8078, 5521}},         {'f', 0, {8078, 5240}}, {'p', 0, {8078, 5240}},
      {'w', 0, {8200, 10480 - 5235}},
  };
  for (const auto& c : cases) {
    const auto p = CarryToPlotPage({700, 495}, 1400, 990, c.kind, c.variant);
    ASSERT_TRUE(p) << c.kind;
    EXPECT_EQ(*p, c.expected) << c.kind << c.variant;
  }
  // y turns upwards: the top of the picture is the top of the plot page.
  EXPECT_EQ(CarryToPlotPage({0, 0}, 1400, 990, 'h', 0)->y, 11040);
  EXPECT_EQ(CarryToPlotPage({0, 990}, 1400, 990, 'h', 0)->y, 2);
  EXPECT_EQ(CarryToPlotPage({0, 990}, 1400, 990, 'p', 0)->y, 5240);
  EXPECT_FALSE(CarryToPlotPage({0, 0}, 1400, 990, 'z', 0));
  EXPECT_FALSE(CarryToPlotPage({0, 0}, 1400, 990, 'a', 0));
  EXPECT_FALSE(CarryToPlotPage({0, 0}, 0, 990, 'h', 0));
}

TEST(CarriedPositions, AreRestoredAfterThePrintOrPlot) {
  DrawingView view;
  view.imageWidth = 1400;
  view.imageHeight = 990;
  view.origin = {700, 495};
  view.legendPosition = {100, 50};
  {
    auto carried = CarryViewToPrinter(view, {2970, 2100}, 'h');
    EXPECT_EQ(view.origin, (Point{1485, 1050}));
    EXPECT_EQ(view.legendPosition, (Point{212, 106}));
  }
  EXPECT_EQ(view.origin, (Point{700, 495}));
  EXPECT_EQ(view.legendPosition, (Point{100, 50}));
  {
    auto carried = CarryViewToPlotPage(view, 'h', 0);
    EXPECT_EQ(view.origin, (Point{8078, 5521}));
  }
  EXPECT_EQ(view.origin, (Point{700, 495}));
  {
    auto carried = CarryViewToPlotPage(view, 'a', 0);  // no mapping: unchanged
    EXPECT_EQ(view.origin, (Point{700, 495}));
  }
}

TEST(RecordingPlotSink, RecordsStateAndRotatedTextRestoresTheFont) {
  RecordingPlotSink sink(SinkKind::Printer, 2800, 2000);
  sink.SetFontHeight(40);
  sink.SetPenColor(kRed);
  sink.MoveTo(1, 2);
  sink.LineTo(3, 4);
  sink.RotatedText(10, 10, "", kWeightBold, 30, -90);  // empty: nothing drawn
  sink.RotatedText(10, 10, "abc", kWeightBold, 30, -90);
  sink.TextOut(0, 0, "x");
  ASSERT_EQ(sink.Count(OpType::LineTo), 1);
  const auto line = sink.OpsOf(OpType::LineTo)[0];
  EXPECT_EQ(line.from, (Point{1, 2}));
  EXPECT_EQ(line.pen.color, kRed);
  ASSERT_EQ(sink.Count(OpType::RotatedText), 1);
  EXPECT_EQ(sink.Count(OpType::TextOut), 1);  // the rotated text is recorded once
  EXPECT_EQ(sink.GetFont().height, 40);
  EXPECT_FALSE(sink.GetFont().bold);
  EXPECT_EQ(sink.GetFont().escapement, 0);
  EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"abc", "x"}));
  // Point sizes: 254 device units per inch on the printer, 96 on screen.
  sink.SetFontSize(12);
  EXPECT_EQ(sink.FontPixelHeight(), 42);
  RecordingPlotSink screen(SinkKind::Screen, 100, 100);
  screen.SetFontSize(12);
  EXPECT_EQ(screen.FontPixelHeight(), 16);
}

}  // namespace
}  // namespace kelvra::output
