// A PlotSink that writes what is drawn on it as plot-file commands, so that the
// sun-path plot files draw exactly the elements of the printed diagrams.
//
// Device units are 0.1 mm with y downwards, as on the printed page; the plot
// file has 4 plot units per device unit and y upwards from the bottom of the
// sink's area. Pens are chosen by ColorSet number (SelectPen): the drawing
// code sets the colour and the pen together. Texts become labels, circles CI,
// other figures polylines; fills and pixels do nothing.
#pragma once

#include <string>

#include "output/hpgl_writer.h"
#include "output/plot_sink.h"

namespace kelvra::calc::graphs {

class GraphPlotSink : public output::PlotSink {
 public:
  GraphPlotSink(output::HpglWriter& writer, int width, int height);

  // "SP n" when the pen changes.
  void SelectPen(int pen);

  void Clear() override {}
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Arc(int x1, int y1, int x2, int y2, int start_x, int start_y, int end_x,
           int end_y) override;
  void FloodFill(int, int, output::Color, output::FillMode) override {}
  output::Color PixelAt(int, int) const override { return output::kWhite; }
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;

 private:
  std::string Xy(double x, double y) const;
  void Polyline(const double* xs, const double* ys, int n);

  output::HpglWriter& writer_;
  int pen_ = -1;
  bool penDownAtCurrent_ = false;  // the last command drew to the current point
  int labelHeight_ = -1;           // font height of the last SI
};

}  // namespace kelvra::calc::graphs
