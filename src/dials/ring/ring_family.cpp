#include "dials/ring/ring_family.h"

#include <optional>

#include "dials/ring/ring_geometry.h"
#include "dials/ring/ring_renderer.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
#include "texts/ring.h"

namespace kelvra::dials::ring {

namespace {

class RingConstruction final : public Construction {
 public:
  RingConstruction(const DialInputs& in, shell::MessageSink& messages)
      : dial_(BuildRingDial(in.site, in.dial, messages)), colors_(in.colors) {
    if (in.correctionTable) {
      // The correction table instead of the band, written into the working folder.
      table_ = BuildOffsetTable(in.dial.ringHoleAngle, in.dial.ringDiameter);
      table_->written = persist::WriteTextLines(kOffsetTableFile, OffsetTableLines(*table_));
      if (!table_->written) {
        messages.Show(shell::MessageKind::Error,
                      shell::Get(texts::ring::kTableOpenError) + kOffsetTableFile,
                      shell::MessageButtons::Ok);
      }
    }
  }

  // Temporal hours above 65 degrees, or a ring too big that was not reduced:
  // nothing may be printed or saved (the correction table is drawn all the same).
  bool DrawsNothing() const override { return !table_ && (dial_.refused || dial_.declined); }

  void Draw(output::PlotSink& sink, const CanvasPlacement&) const override {
    if (table_) {
      DrawRingOffsetTable(sink, *table_);
    } else {
      DrawRingDial(sink, dial_, colors_);
    }
  }

  void WritePlot(output::HpglWriter& writer, const PlotPlacement&, std::vector<std::string>*,
                 const std::string&) const override {
    PlotRingDial(writer, dial_);
  }

 private:
  RingDial dial_;
  shell::ColorSet colors_;
  std::optional<OffsetTable> table_;  // the correction-table mode
};

class RingDials final : public Family {
 public:
  std::unique_ptr<Construction> Build(const DialInputs& inputs,
                                      shell::MessageSink& messages) const override {
    return std::make_unique<RingConstruction>(inputs, messages);
  }
};

}  // namespace

const Family& RingFamily() {
  static const RingDials family;
  return family;
}

}  // namespace kelvra::dials::ring
