// A small dial family for tests of the family seam: it draws a disc of the
// gnomon height's radius about the origin, writes it as a plot file with a
// side file beside it, and refuses (drawing nothing, with a message) above
// 80 degrees of latitude. Tests put it in place of a family that is not built
// (dials::ScopedFamily) to show that the windows and commands need no change
// to draw, print and save a new family.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "dials/dial_family.h"
#include "output/hpgl_writer.h"

namespace kelvra::testing {

class DiscConstruction final : public dials::Construction {
 public:
  DiscConstruction(const dials::DialInputs& in, shell::MessageSink& messages)
      : radiusMm_(in.dial.gnomonHeight * in.zoom), refused_(std::fabs(in.site.latitude) > 80) {
    if (refused_) {
      messages.Show(shell::MessageKind::Problem, "disc refused above 80 degrees",
                    shell::MessageButtons::Ok);
    }
  }

  bool DrawsNothing() const override { return refused_; }

  void Draw(output::PlotSink& sink, const dials::CanvasPlacement& p) const override {
    const int r = static_cast<int>(std::lround(radiusMm_ * p.pixelsPerMm));
    sink.SetPenColor(output::kBlack);
    sink.SetPenWidth(2);
    sink.Ellipse(p.origin.x - r, p.origin.y - r, p.origin.x + r, p.origin.y + r);
  }

  // "IN;...;PU x y;CI r;IW;IN;" in plot units at the writer's plot scale.
  void WritePlot(output::HpglWriter& w, const dials::PlotPlacement& p,
                 std::vector<std::string>* coordinates, const std::string& name) const override {
    const int s = w.PlotScale();
    const output::Point o = p.origin.value_or(output::Point{8000, 5500});
    w.PutStandardHeader();
    w.Put("PU " + output::FormatCoordinate(o.x * s) + " " + output::FormatCoordinate(o.y * s) +
          ";CI " + output::FormatCoordinate(radiusMm_ * output::kPlotUnitsPerMm * s) + ";IW;IN;");
    if (coordinates) coordinates->push_back("disc " + name);
  }

  std::vector<dials::SidePlot> SidePlots() const override {
    dials::SidePlot side;
    side.nameSuffix = "Side";
    side.write = [](output::HpglWriter& w) { w.Put("IN;SP 1;PU 0 0;CI 400;IN;"); };
    side.notice = [](const std::string& file) { return "side file " + file; };
    return {side};
  }

 private:
  double radiusMm_;
  bool refused_;
};

class DiscFamily final : public dials::Family {
 public:
  std::unique_ptr<dials::Construction> Build(const dials::DialInputs& in,
                                             shell::MessageSink& messages) const override {
    return std::make_unique<DiscConstruction>(in, messages);
  }
};

// A family that draws nothing, as a kind without a built family: tests put it
// in place of a built one to see how the windows and commands refuse.
class NothingDrawnFamily final : public dials::Family {
 public:
  std::unique_ptr<dials::Construction> Build(const dials::DialInputs&,
                                             shell::MessageSink&) const override {
    return std::make_unique<Nothing>();
  }

 private:
  class Nothing final : public dials::Construction {
   public:
    bool DrawsNothing() const override { return true; }
    void Draw(output::PlotSink&, const dials::CanvasPlacement&) const override {}
    void WritePlot(output::HpglWriter&, const dials::PlotPlacement&, std::vector<std::string>*,
                   const std::string&) const override {}
  };
};

}  // namespace kelvra::testing
