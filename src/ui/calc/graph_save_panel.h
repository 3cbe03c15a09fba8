// The save panel of the graph modes: the proposed file name, the y factor
// (0.05 .. 20, checked when "Ok" is pressed; the field keeps the focus on an
// error), the mirror switch (equation-of-time graph only) and the longitude
// correction, preset from the dial field zoneTime and written back to it.
// It lies over the picture and can be dragged by its surface; "Abbruch"
// closes it.
#pragma once

#include <string>

#include "calc/graphs/graph_export.h"
#include "ui/common/drag_panel.h"
#include "ui/common/retranslate.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvra::ui {

// What the panel hands on when "Ok" is pressed.
struct GraphSaveRequest {
  bool dxf = false;
  std::string fileName;  // as typed, without folder
  calc::graphs::GraphPlotOptions options;
};

class GraphSavePanel final : public DragPanel, public Retranslatable {
  Q_OBJECT
 public:
  explicit GraphSavePanel(QWidget* parent = nullptr);

  // Shows the panel for a plot file (`dxf` false) or a DXF drawing of `kind`:
  // the proposed name, the factor 1.00, the mirror off (hidden for the
  // sun-path diagrams), the longitude correction as zoneTime stands.
  void Open(calc::graphs::GraphKind kind, bool dxf);

  // "Ok": checks the factor (the message names the field and its range; the
  // panel stays open and the field takes the focus), writes the longitude
  // correction back to zoneTime, hides the panel and emits Accepted. False
  // when the factor was refused.
  bool Accept();

  bool Dxf() const { return dxf_; }
  QLineEdit* NameField() const { return name_; }
  QLineEdit* FactorField() const { return factor_; }
  QLabel* FactorLabel() const { return factorLabel_; }
  QCheckBox* MirrorBox() const { return mirror_; }
  QCheckBox* LongitudeBox() const { return longitude_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void Retranslate() override;

 signals:
  void Accepted(const kelvra::ui::GraphSaveRequest& request);
  void Cancelled();

 private:
  bool dxf_ = false;
  bool eot_ = true;
  double factorValue_ = 1.0;
  QLineEdit* name_ = nullptr;
  QLineEdit* factor_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLabel* factorLabel_ = nullptr;
  QCheckBox* mirror_ = nullptr;
  QCheckBox* longitude_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kelvra::ui
