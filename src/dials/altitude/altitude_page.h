// The page an altitude or cylinder dial is laid out on. The layouts
// (altitude_layout.h) draw once through this interface; one page draws onto a
// PlotSink (screen picture, printed page, picture and vector files), the
// other writes the same drawing as plot-file commands through HpglWriter.
//
// Page units: device units of the sink, or plot units times PlotScale for the
// plot file. x to the right, y DOWN from the top-left corner on both; the
// plot page turns y round (plot y = page height - y) as it writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/hpgl_writer.h"
#include "output/plot_sink.h"
#include "shell/shared_state.h"

namespace kelvra::dials::altitude {

struct PagePoint {
  double x = 0;
  double y = 0;
};

// Fixed colours of these dials beside the ColorSet, with the pen a plot file
// uses for each.
struct FixedColor {
  output::Color color;
  int plotPen;
};
inline constexpr FixedColor kNoteRed{output::RgbColor(255, 0, 0), 3};
inline constexpr FixedColor kSketchPurple{output::RgbColor(128, 0, 128), 1};
inline constexpr FixedColor kRefusalNavy{output::RgbColor(0, 0, 128), 4};
inline constexpr output::Color kScaleYellow = output::RgbColor(245, 245, 203);

class Page {
 public:
  virtual ~Page() = default;
  virtual bool IsPlot() const = 0;

  // Colour number n of the ColorSet (pen n of a plot file). A construction
  // line takes the set's line width (the plot file's construction pen width)
  // plus `extraWidth`; other lines (frames, grids, marks) are thin. Dashed
  // lines are drawn dashed in the plot file only.
  virtual void Pen(int color, bool construction = false, int extraWidth = 0, bool dashed = false) = 0;
  // A fixed colour (the red note, the purple sketch).
  virtual void Pen(const FixedColor& color) = 0;
  // Dotted thin line in colour n on the canvas (the minor date lines); the
  // plot file draws it solid.
  virtual void DottedPen(int color) = 0;

  virtual void Polyline(const std::vector<PagePoint>& points) = 0;
  void Line(double x1, double y1, double x2, double y2) { Polyline({{x1, y1}, {x2, y2}}); }
  // Outline of a rectangle in the current pen.
  virtual void Rectangle(double x1, double y1, double x2, double y2) = 0;
  // A rectangle filled with `fill` (the canvas; the plot file outlines it).
  virtual void FilledRectangle(double x1, double y1, double x2, double y2, output::Color fill) = 0;
  virtual void Circle(double x, double y, double r) = 0;

  // Text with the top-left corner of its cell at (x, y), `height` page units
  // high, turned by `angle` degrees counter-clockwise (-90 runs downwards).
  // `color` is a colour number of the set, or a fixed colour.
  virtual void Text(double x, double y, std::string_view text, double height, int color,
                    std::string_view face = "Arial", double angle = 0) = 0;
  virtual void Text(double x, double y, std::string_view text, double height, const FixedColor& color,
                    std::string_view face = "Arial", double angle = 0) = 0;
  virtual double TextWidth(std::string_view text, double height, std::string_view face = "Arial") = 0;

  // The coordinate grid about (x, y) with the spacing in page units.
  virtual void Grid(double x, double y, double spacing) = 0;
};

// The canvas page: device units of `sink`.
class CanvasPage final : public Page {
 public:
  CanvasPage(output::PlotSink& sink, const shell::ColorSet& colors) : sink_(sink), colors_(colors) {}
  bool IsPlot() const override { return false; }
  void Pen(int color, bool construction, int extraWidth, bool dashed) override;
  void Pen(const FixedColor& color) override;
  void DottedPen(int color) override;
  void Polyline(const std::vector<PagePoint>& points) override;
  void Rectangle(double x1, double y1, double x2, double y2) override;
  void FilledRectangle(double x1, double y1, double x2, double y2, output::Color fill) override;
  void Circle(double x, double y, double r) override;
  void Text(double x, double y, std::string_view text, double height, int color, std::string_view face,
            double angle) override;
  void Text(double x, double y, std::string_view text, double height, const FixedColor& color,
            std::string_view face, double angle) override;
  double TextWidth(std::string_view text, double height, std::string_view face) override;
  void Grid(double x, double y, double spacing) override;

 private:
  void DrawText(double x, double y, std::string_view text, double height, output::Color c,
                std::string_view face, double angle);
  output::PlotSink& sink_;
  const shell::ColorSet& colors_;
};

// The plot page: A3 landscape, plot units times the writer's PlotScale.
class PlotPage final : public Page {
 public:
  explicit PlotPage(output::HpglWriter& writer);
  double Width() const { return width_; }
  double Height() const { return height_; }
  bool IsPlot() const override { return true; }
  void Pen(int color, bool construction, int extraWidth, bool dashed) override;
  void Pen(const FixedColor& color) override;
  void DottedPen(int color) override;
  void Polyline(const std::vector<PagePoint>& points) override;
  void Rectangle(double x1, double y1, double x2, double y2) override;
  void FilledRectangle(double x1, double y1, double x2, double y2, output::Color fill) override;
  void Circle(double x, double y, double r) override;
  void Text(double x, double y, std::string_view text, double height, int color, std::string_view face,
            double angle) override;
  void Text(double x, double y, std::string_view text, double height, const FixedColor& color,
            std::string_view face, double angle) override;
  double TextWidth(std::string_view text, double height, std::string_view face) override;
  void Grid(double x, double y, double spacing) override;

 private:
  std::string XY(double x, double y) const;
  void SelectPen(int pen);
  void SelectWidth(bool construction);
  void Label(double x, double y, std::string_view text, double height, int pen, double angle);
  output::HpglWriter& w_;
  double width_;
  double height_;
  int pen_ = -1;
  int widthKind_ = -1;
  bool dashed_ = false;
  double labelHeight_ = -1;
  double labelAngle_ = 0;
};

// The parts of a polyline (page units) inside the box [x1, x2] x [y1, y2];
// segments that cross the border are cut there by linear interpolation.
std::vector<std::vector<PagePoint>> ClipToBox(const std::vector<PagePoint>& line, double x1, double y1,
                                              double x2, double y2);

}  // namespace kelvra::dials::altitude
