// The screen picture back end, checked by its pixels.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "canvas/font_faces.h"
#include "canvas/headless_gui.h"
#include "canvas/qt_plot_sink.h"
#include "canvas_scene.h"

namespace kelvra::canvas {
namespace {

using namespace output;
using testing::GeometryFor;

class ImageSinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(EnsureGuiApplication()); }
};

bool IsDark(Color c) { return RedOf(c) + GreenOf(c) + BlueOf(c) < 3 * 160; }

// Counts pixels in [x1, x2) × [y1, y2) matching `pred`.
template <typename Pred>
int CountPixels(const PlotSink& s, int x1, int y1, int x2, int y2, Pred pred) {
  int n = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = x1; x < x2; ++x) n += pred(s.PixelAt(x, y)) ? 1 : 0;
  return n;
}

int CountColor(const PlotSink& s, int cx, int cy, int half, Color c) {
  return CountPixels(s, cx - half, cy - half, cx + half + 1, cy + half + 1,
                     [c](Color p) { return p == c; });
}

TEST_F(ImageSinkTest, SceneLandsWhereItMust) {
  ImagePlotSink sink(600, 400);
  testing::DrawScene(sink);
  const auto g = GeometryFor(600, 400);

  // The line covers its start but not its end point.
  EXPECT_EQ(sink.PixelAt(g.lineX1, g.lineY), kRed);
  EXPECT_EQ(sink.PixelAt((g.lineX1 + g.lineX2) / 2, g.lineY), kRed);
  EXPECT_EQ(sink.PixelAt(g.lineX2 - 1, g.lineY), kRed);
  EXPECT_NE(sink.PixelAt(g.lineX2, g.lineY), kRed);
  EXPECT_EQ(sink.PixelAt((g.lineX1 + g.lineX2) / 2, g.lineY + 2), kWhite);

  // The frame lies inside the picture on all four sides.
  EXPECT_EQ(sink.PixelAt(0, 200), kBlack);
  EXPECT_EQ(sink.PixelAt(599, 200), kBlack);
  EXPECT_EQ(sink.PixelAt(300, 0), kBlack);
  EXPECT_EQ(sink.PixelAt(300, 399), kBlack);

  // The circle passes through its four extreme points; its centre stays white.
  const int r = g.radius;
  for (auto [dx, dy] : {std::pair{r, 0}, {-r, 0}, {0, r}, {0, -r}}) {
    EXPECT_GT(CountColor(sink, g.circleX + dx, g.circleY + dy, 1, kBlue), 0) << dx << "," << dy;
  }
  EXPECT_EQ(sink.PixelAt(g.circleX, g.circleY), kWhite);

  // The arc runs counter-clockwise from the right to the top: the upper right
  // quarter is drawn, the other three are not.
  const int d = static_cast<int>(r * 0.7071);
  EXPECT_GT(CountColor(sink, g.arcX + d, g.arcY - d, 1, testing::kGreen), 0);
  EXPECT_EQ(CountColor(sink, g.arcX - d, g.arcY - d, 2, testing::kGreen), 0);
  EXPECT_EQ(CountColor(sink, g.arcX - d, g.arcY + d, 2, testing::kGreen), 0);
  EXPECT_EQ(CountColor(sink, g.arcX + d, g.arcY + d, 2, testing::kGreen), 0);

  // The flood fill filled the box's inside and nothing outside it.
  EXPECT_EQ(sink.PixelAt((g.boxX1 + g.boxX2) / 2, (g.boxY1 + g.boxY2) / 2), testing::kYellow);
  EXPECT_EQ(sink.PixelAt(g.boxX1 + 2, g.boxY1 + 2), testing::kYellow);
  EXPECT_EQ(sink.PixelAt(g.boxX1 - 3, (g.boxY1 + g.boxY2) / 2), kWhite);
  EXPECT_EQ(sink.PixelAt(g.boxX1, g.boxY1 + 5), kBlack);
}

TEST_F(ImageSinkTest, TextStaysInItsCellAndRotatedTextRunsDownwards) {
  ImagePlotSink sink(600, 400);
  testing::DrawScene(sink);
  const auto g = GeometryFor(600, 400);
  sink.SetFontFace("Arial");
  sink.SetFontHeight(g.h / 15);
  const int tw = sink.TextWidth(testing::kSceneText);
  const int th = sink.TextHeight(testing::kSceneText);
  EXPECT_GT(tw, 3 * th);  // nine characters are much wider than high
  EXPECT_GT(CountPixels(sink, g.textX, g.textY, g.textX + tw, g.textY + th, IsDark), 30);
  // Nothing of the text above its cell or beyond its end.
  EXPECT_EQ(CountPixels(sink, g.textX, g.textY - 6, g.textX + tw, g.textY - 1, IsDark), 0);
  EXPECT_EQ(CountPixels(sink, g.textX + tw + 2, g.textY, g.textX + tw + 20, g.textY + th, IsDark),
            0);

  // "down" turned by -90 degrees: below (x, y) and to its left, nothing to the right.
  sink.SetFontHeight(g.h / 20);
  sink.SetFontBold(true);
  const int rw = sink.TextWidth(testing::kSceneRotatedText);
  const int rh = sink.TextHeight(testing::kSceneRotatedText);
  EXPECT_GT(CountPixels(sink, g.rotX - rh, g.rotY, g.rotX + 1, g.rotY + rw, IsDark), 20);
  EXPECT_EQ(CountPixels(sink, g.rotX + 2, g.rotY, g.rotX + 20, g.rotY + rw, IsDark), 0);
  EXPECT_EQ(CountPixels(sink, g.rotX - rh, g.rotY - 20, g.rotX, g.rotY - 1, IsDark), 0);
  // RotatedText gave the font back.
  EXPECT_EQ(sink.GetFont().escapement, 0);
}

TEST_F(ImageSinkTest, HaloTextsStandOverLinesDrawnAfterThem) {
  // A legend is written before the construction lines; with the halo the
  // lines drawn later stop short of its letters instead of running through.
  for (const bool halo : {false, true}) {
    ImagePlotSink sink(400, 120);
    sink.SetTextHalo(halo);
    sink.SetFontFace("Arial");
    sink.SetFontHeight(40);
    const int x = 20, y = 30;
    sink.TextOut(x, y, "HHHHHH");
    const int tw = sink.TextWidth("HHHHHH");
    const int midY = y + sink.TextHeight("HHHHHH") / 2;
    sink.SetPen(Pen{kRed, 1});
    sink.MoveTo(0, midY);
    sink.LineTo(400, midY);
    const QImage image = sink.Image();
    int red = 0, dark = 0;
    for (int px = x; px < x + tw; ++px) {
      const QRgb c = image.pixel(px, midY);
      red += c == qRgb(255, 0, 0) ? 1 : 0;
      dark += qRed(c) + qGreen(c) + qBlue(c) < 3 * 160 ? 1 : 0;
    }
    if (halo) {
      // The strokes of the six H stand black on the line, each in a white gap.
      EXPECT_GT(dark, 6) << "halo";
      EXPECT_LT(red, tw * 3 / 4) << "halo";
      EXPECT_EQ(image.pixel(x + tw + 30, midY), qRgb(255, 0, 0));  // the line goes on beyond
    } else {
      EXPECT_EQ(red, tw) << "without halo the line crosses the letters";
    }
  }
}

TEST_F(ImageSinkTest, EmptyRotatedTextDrawsNothing) {
  ImagePlotSink sink(100, 100);
  sink.RotatedText(50, 50, "", kWeightBold, 30, -90);
  EXPECT_EQ(CountPixels(sink, 0, 0, 100, 100, [](Color c) { return c != kWhite; }), 0);
}

TEST_F(ImageSinkTest, NotXorTwiceRestoresThePicture) {
  ImagePlotSink sink(200, 100);
  sink.SetPen({kBlue, 1, PenStyle::Solid, PenMode::NotXor});
  sink.SetBrushStyle(BrushStyle::Clear);
  sink.Rectangle(20, 20, 120, 60);
  EXPECT_NE(sink.PixelAt(20, 40), kWhite);
  sink.Rectangle(20, 20, 120, 60);
  EXPECT_EQ(CountPixels(sink, 0, 0, 200, 100, [](Color c) { return c != kWhite; }), 0);
  // Xor with white turns white into its complement.
  sink.SetPen({kBlue, 1, PenStyle::Solid, PenMode::Xor});
  sink.MoveTo(10, 90);
  sink.LineTo(150, 90);
  EXPECT_EQ(sink.PixelAt(50, 90), RgbColor(255, 255, 0));
}

TEST_F(ImageSinkTest, FloodFillModesAndPatterns) {
  ImagePlotSink sink(200, 200);
  sink.SetBrushStyle(BrushStyle::Clear);
  sink.SetPen({kRed, 1, PenStyle::Solid, PenMode::Copy});
  sink.Circle(100, 100, 50);
  // Surface: the white region outside the circle becomes grey; the inside stays.
  sink.SetBrushColor(kSilver);
  sink.FloodFill(2, 2, kWhite, FillMode::Surface);
  EXPECT_EQ(sink.PixelAt(198, 198), kSilver);
  EXPECT_EQ(sink.PixelAt(100, 100), kWhite);
  // A start point of the wrong colour fills nothing.
  sink.SetBrushColor(kBlue);
  sink.FloodFill(100, 100, kSilver, FillMode::Surface);
  EXPECT_EQ(sink.PixelAt(100, 100), kWhite);
  // Border mode with a hatched brush: some pixels of the inside take the hatch
  // colour, none outside the circle does.
  sink.SetBrushColor(kNavy, BrushStyle::BackwardDiagonal);
  sink.FloodFill(100, 100, kRed, FillMode::Border);
  EXPECT_GT(CountPixels(sink, 70, 70, 130, 130, [](Color c) { return c == kNavy; }), 100);
  EXPECT_EQ(CountPixels(sink, 0, 0, 40, 40, [](Color c) { return c == kNavy; }), 0);
  // Start points outside the surface are ignored.
  sink.FloodFill(-1, 500, kRed, FillMode::Border);
  EXPECT_EQ(sink.PixelAt(-1, 500), kWhite);
}

TEST_F(ImageSinkTest, FontFacesMapToInstalledSubstitutes) {
  const struct { const char* asked; const char* installed; } faces[] = {
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier", "Liberation Mono"},
      {"Courier New", "Liberation Mono"},
      {"Wingdings", "DejaVu Sans"},
  };
  for (const auto& f : faces) {
    EXPECT_EQ(SubstituteFace(f.asked).toStdString(), f.installed);
    Font font;
    font.face = f.asked;
    EXPECT_EQ(QFontInfo(QtFont(font, 20)).family().toStdString(), f.installed) << f.asked;
  }
  EXPECT_EQ(WingdingsToUnicode("^i"), QString::fromUtf8("\u2648\u2653"));
  EXPECT_EQ(TextForFace("Arial", "^i"), QStringLiteral("^i"));
  EXPECT_EQ(TextForFace("Arial", "Grad \xc3\xa4"), QString::fromUtf8("Grad \u00e4"));
}

TEST_F(ImageSinkTest, PointSizesFollowTheScreenResolution) {
  ImagePlotSink sink(300, 100);
  sink.SetFontSize(12);  // 16 pixels at 96 dots per inch
  const int h12 = sink.TextHeight("X");
  sink.SetFontHeight(32);
  const int h32 = sink.TextHeight("X");
  EXPECT_NEAR(static_cast<double>(h32) / h12, 2.0, 0.15);
}

}  // namespace
}  // namespace kelvra::canvas
