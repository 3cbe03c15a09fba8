// The libjpeg codec: round trips, an independent decoder, bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include "canvas/headless_gui.h"
#include "canvas/jpeg_codec.h"
#include "canvas/qt_plot_sink.h"
#include "canvas_scene.h"

namespace kelvra::canvas {
namespace {

class JpegCodecTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(EnsureGuiApplication()); }
};

QImage Scene(int w, int h) {
  ImagePlotSink sink(w, h);
  testing::DrawScene(sink);
  return sink.Image();
}

// Mean absolute difference per channel (0..255).
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * a.width() * a.height());
}

TEST_F(JpegCodecTest, RoundTripStaysCloseToTheDrawing) {
  const QImage scene = Scene(600, 400);
  std::vector<unsigned char> jpeg;
  std::string error;
  ASSERT_TRUE(EncodeJpeg(scene, 92, &jpeg, &error)) << error;
  const QImage back = DecodeJpeg(jpeg, &error);
  ASSERT_FALSE(back.isNull()) << error;
  ASSERT_EQ(back.size(), scene.size());
  EXPECT_LT(MeanDifference(scene, back), 2.0);
  // The yellow box survives as yellow.
  const auto g = testing::GeometryFor(600, 400);
  const QRgb box = back.pixel((g.boxX1 + g.boxX2) / 2, (g.boxY1 + g.boxY2) / 2);
  EXPECT_GT(qRed(box), 235);
  EXPECT_GT(qGreen(box), 235);
  EXPECT_LT(qBlue(box), 30);

  // Lower quality: a smaller file, still close.
  std::vector<unsigned char> rough;
  ASSERT_TRUE(EncodeJpeg(scene, 30, &rough, &error));
  EXPECT_LT(rough.size(), jpeg.size());
  EXPECT_LT(MeanDifference(scene, DecodeJpeg(rough)), 6.0);
}

TEST_F(JpegCodecTest, AgreesWithAnIndependentDecoder) {
  if (!QImageReader::supportedImageFormats().contains("jpeg")) {
    GTEST_SKIP() << "Qt has no JPEG plugin here";
  }
  const QImage scene = Scene(320, 200);
  std::vector<unsigned char> jpeg;
  ASSERT_TRUE(EncodeJpeg(scene, 90, &jpeg));
  QImage qt;
  ASSERT_TRUE(qt.loadFromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPEG"));
  EXPECT_LT(MeanDifference(qt.convertToFormat(QImage::Format_RGB32), DecodeJpeg(jpeg)), 1.5);

  // A grey JPEG written by Qt decodes to equal red, green and blue.
  QImage grey(64, 32, QImage::Format_Grayscale8);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) grey.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(grey));
  const QImage decoded =
      DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
  ASSERT_EQ(decoded.size(), QSize(64, 32));
  const QRgb p = decoded.pixel(40, 10);
  EXPECT_EQ(qRed(p), qGreen(p));
  EXPECT_EQ(qGreen(p), qBlue(p));
  EXPECT_NEAR(qRed(p), 160, 6);
}

TEST_F(JpegCodecTest, BadInputIsRefusedWithoutCrashing) {
  std::string error;
  EXPECT_TRUE(DecodeJpeg(nullptr, 0, &error).isNull());
  EXPECT_FALSE(error.empty());

  std::vector<unsigned char> garbage(5000);
  unsigned seed = 12345;
  for (auto& b : garbage) b = static_cast<unsigned char>((seed = seed * 1103515245 + 12345) >> 16);
  error.clear();
  EXPECT_TRUE(DecodeJpeg(garbage, &error).isNull());
  EXPECT_FALSE(error.empty());

  // A file cut short decodes to a picture of full size or is refused; cut
  // inside the header it is refused.
  std::vector<unsigned char> jpeg;
  ASSERT_TRUE(EncodeJpeg(Scene(200, 100), 90, &jpeg));
  for (std::size_t keep : {std::size_t{10}, std::size_t{200}, jpeg.size() / 2, jpeg.size() - 2}) {
    std::vector<unsigned char> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(keep));
    const QImage image = DecodeJpeg(cut, &error);
    if (!image.isNull()) {
      EXPECT_EQ(image.size(), QSize(200, 100)) << keep;
    }
  }
  EXPECT_TRUE(DecodeJpeg(std::vector<unsigned char>(jpeg.begin(), jpeg.begin() + 10)).isNull());

  // A header that claims a gigantic picture is refused before allocating it.
  std::vector<unsigned char> huge = jpeg;
  for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // SOF0: height and width follow
      huge[i + 5] = 0xF0;  // 61440 × 61440: within libjpeg's own limit of 65500
      huge[i + 6] = 0x00;
      huge[i + 7] = 0xF0;
      huge[i + 8] = 0x00;
      break;
    }
  }
  error.clear();
  EXPECT_TRUE(DecodeJpeg(huge, &error).isNull());
  EXPECT_NE(error.find("too large"), std::string::npos) << error;

  EXPECT_FALSE(EncodeJpeg(QImage(), 90, &jpeg, &error));
}

}  // namespace
}  // namespace kelvra::canvas
