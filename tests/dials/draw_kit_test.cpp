// The drawing kit of the dial renderers: where dial millimetres land on a
// canvas and in a plot file, and the labels of chained date and hour lines.
#include "dials/draw_kit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "plot_polylines.h"

namespace kelvra::dials::draw {
namespace {

struct Mm {
  double x = 0, y = 0;
};

// Keeps the segments drawn, in device units.
class SegmentSink : public output::PlotSink {
 public:
  struct Segment {
    output::Point from, to;
  };
  SegmentSink() : PlotSink(output::SinkKind::Screen, 800, 600) {}
  void Clear() override {}
  void LineTo(int x, int y) override {
    segments.push_back({CurrentPoint(), {x, y}});
    MoveTo(x, y);
  }
  void Rectangle(int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Arc(int, int, int, int, int, int, int, int) override {}
  void FloodFill(int, int, output::Color, output::FillMode) override {}
  output::Color PixelAt(int, int) const override { return output::kWhite; }
  void TextOut(int, int, std::string_view) override {}
  int TextWidth(std::string_view) const override { return 0; }
  int TextHeight(std::string_view) const override { return 0; }
  std::vector<Segment> segments;
};

// A point north-east of the dial's origin lies right of and above it on the
// page, at the scale's distance; an empty line draws nothing.
TEST(DrawKit, CanvasPutsDialMillimetresRightAndUpFromTheOrigin) {
  SegmentSink sink;
  const shell::ColorSet colors;
  const Canvas c{sink, colors, 100, 200, 4};  // 4 device units per mm
  c.Polyline(std::vector<Mm>{{0, 0}, {10, 5}, {10, -2.5}});
  c.Polyline(std::vector<Mm>{});
  ASSERT_EQ(sink.segments.size(), 2u);
  EXPECT_EQ(sink.segments[0].from.x, 100);
  EXPECT_EQ(sink.segments[0].from.y, 200);
  EXPECT_EQ(sink.segments[0].to.x, 140);  // 10 mm to the right
  EXPECT_EQ(sink.segments[0].to.y, 180);  // 5 mm up: fewer device units
  EXPECT_EQ(sink.segments[1].to.y, 210);  // 2.5 mm down
}

// The plot file at PlotScale 25 (the intermediate file of a DXF export) is
// the file at scale 1 enlarged 25 times: lines, label places and all.
TEST(DrawKit, PlotFileScalesWithThePlotScale) {
  const auto write = [](int scale) {
    output::HpglWriter w;
    w.SetPlotScale(scale);
    const Plot p(w, {1000, 2000});
    p.Line(std::vector<Mm>{{0, 0}, {10, 5}});
    p.Line(Mm{-3, 4}, Mm{2, -1});
    p.Label(Mm{10, 5}, 40, -60, "21.6.");
    return testing::ReadPlotDrawing(w.Text());
  };
  const testing::PlotDrawing one = write(1), big = write(25);
  ASSERT_EQ(one.lines.size(), 2u);
  ASSERT_EQ(big.lines.size(), 2u);
  // 40 plot units per mm from the origin, y upwards.
  EXPECT_DOUBLE_EQ(one.lines[0].points[0].x, 1000);
  EXPECT_DOUBLE_EQ(one.lines[0].points[1].x, 1400);
  EXPECT_DOUBLE_EQ(one.lines[0].points[1].y, 2200);
  for (std::size_t i = 0; i < 2; ++i) {
    for (std::size_t k = 0; k < 2; ++k) {
      EXPECT_DOUBLE_EQ(big.lines[i].points[k].x, 25 * one.lines[i].points[k].x);
      EXPECT_DOUBLE_EQ(big.lines[i].points[k].y, 25 * one.lines[i].points[k].y);
    }
  }
  ASSERT_EQ(one.labels.size(), 1u);
  ASSERT_EQ(big.labels.size(), 1u);
  EXPECT_EQ(one.labels[0].text, "21.6.");
  EXPECT_DOUBLE_EQ(one.labels[0].at.x, 1440);
  EXPECT_DOUBLE_EQ(one.labels[0].at.y, 2140);
  EXPECT_DOUBLE_EQ(big.labels[0].at.x, 25 * one.labels[0].at.x);
  EXPECT_DOUBLE_EQ(big.labels[0].at.y, 25 * one.labels[0].at.y);
}

TEST(DrawKit, HourAndDateLabels) {
  struct Case {
    double clockTime;
    const char* label;
  };
  // Clock hours of 24 and beyond wrap to the next day's.
  for (const Case& c : {Case{13.0, "13"}, Case{11.6, "12"}, Case{24.0, "0"}, Case{25.0, "1"},
                        Case{0.4, "0"}}) {
    EXPECT_EQ(HourNumber(c.clockTime), c.label) << c.clockTime;
  }
  EXPECT_EQ(DayMonth(21, 6), "21.6.");
  EXPECT_EQ(DayMonth(1, 12), "1.12.");
}

// A line broken into chains is labelled in the middle of its longest chain.
TEST(DrawKit, LabelPointIsTheMiddleOfTheLongestChain) {
  struct Chain {
    std::vector<Mm> points;
  };
  const std::vector<Chain> chains{{{{0, 0}, {1, 0}}},
                                  {{{5, 0}, {6, 1}, {7, 2}, {8, 3}, {9, 4}}},
                                  {{{20, 0}, {21, 0}, {22, 0}}}};
  const Mm at = LabelPoint(chains);
  EXPECT_EQ(at.x, 7);
  EXPECT_EQ(at.y, 2);
}

}  // namespace
}  // namespace kelvra::dials::draw
