// PlotSink back ends drawn with QPainter.
//
//   ImagePlotSink  the screen picture (and PNG/JPEG files): a QImage, one
//                  device unit per pixel. Lines are not antialiased, as on a
//                  classic canvas, so that PixelAt and FloodFill see exact
//                  colours; text is antialiased. Xor/NotXor pen modes work.
//   PagePlotSink   a page on any paint device (printer, PDF, SVG): device units
//                  of 0.1 mm, scaled to the device's resolution. FloodFill does
//                  nothing and PixelAt answers white there (a vector page has
//                  no pixels to read); Xor/NotXor figures are painted as Copy.
#pragma once

#include <memory>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include "output/plot_sink.h"

class QPaintDevice;

namespace kelvra::canvas {

class PainterPlotSink : public output::PlotSink {
 public:
  ~PainterPlotSink() override;

  void Clear() override;
  void SetPen(const output::Pen& pen) override;
  void SetBrush(const output::Brush& brush) override;
  void SetFont(const output::Font& font) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) override;
  void FloodFill(int x, int y, output::Color color, output::FillMode mode) override;
  output::Color PixelAt(int x, int y) const override;
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;

  // From now on texts are painted last, over every line and figure, each on a
  // white halo about a quarter of its height wide, so that no construction
  // line runs through a legend or a number. Used for the pictures a user
  // looks at (screen, printed page, PDF, SVG, PNG/JPEG); the texts are painted
  // when the sink ends or its picture is taken. Clear() drops texts not yet
  // painted.
  void SetTextHalo(bool on);
  // Paints the texts collected under SetTextHalo now.
  void PaintHaloTexts();

  // The painter, for drawing the back end's own extras (pictures, markers).
  QPainter& Painter() { return painter_; }
  bool IsActive() const { return painter_.isActive(); }

 protected:
  PainterPlotSink(output::SinkKind kind, int width, int height, bool raster);
  // Starts painting on `device`; `device_per_unit` device pixels make one
  // device unit. Returns false when the device cannot be painted on.
  bool Begin(QPaintDevice* device, double device_per_unit);
  bool End();
  // Applies pen, brush, font and pen mode to the painter (after Begin).
  void ApplyState();
  // Draws the collected polyline (vector targets join LineTo chains into one
  // polyline, so dashes run on across vertices and files stay small).
  void FlushLine();

  QPainter painter_;
  QPaintDevice* device_ = nullptr;
  double devicePerUnit_ = 1.0;
  bool raster_;

 private:
  QPen QtPen() const;
  void ApplyMode();
  QFont qfont_;
  QPolygonF pendingLine_;
  // A text waiting for PaintHaloTexts: where and how TextOut would have
  // painted it.
  struct HaloText {
    QTransform transform;
    QFont font;
    QColor color;
    QPointF baseline;
    QString text;
  };
  bool haloTexts_ = false;
  std::vector<HaloText> haloQueue_;
};

// The screen picture: a white QImage of width × height pixels (Format_RGB32).
class ImagePlotSink final : public PainterPlotSink {
 public:
  ImagePlotSink(int width, int height, output::SinkKind kind = output::SinkKind::Screen);
  ~ImagePlotSink() override;

  void FloodFill(int x, int y, output::Color color, output::FillMode mode) override;
  output::Color PixelAt(int x, int y) const override;

  // A copy of the picture as drawn so far, haloed texts included (a copy: the
  // painter keeps writing into the sink's own buffer).
  QImage Image();

 private:
  QImage image_;
};

// A page in 0.1 mm on a paint device (printer, PDF writer, SVG generator). The
// device must outlive the sink. `device_per_unit` is the device's resolution
// in pixels per 0.1 mm (dots per inch / 254).
class PagePlotSink final : public PainterPlotSink {
 public:
  PagePlotSink(QPaintDevice* device, int width, int height, double device_per_unit);
  ~PagePlotSink() override;
  // Ends the painting (the printer job, the file). Returns false on failure.
  bool Finish();
};

}  // namespace kelvra::canvas
