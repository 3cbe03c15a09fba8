// The save panel of the drawing window: the file name of the plot, DXF, SVG
// or PDF file, where the coordinate listing goes, and the strength of the
// construction lines. It lies over the picture; "&Weiter  >" (or Enter in the
// name field) hands the choices to the window, "&Abbrechen" closes it.
#pragma once

#include <QFrame>

#include "output/drawing_window_rules.h"
#include "ui/common/retranslate.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace kelvra::ui {

struct SaveChoices {
  output::SaveFormat format = output::SaveFormat::Hpgl;
  std::string fileName;  // after the name rule ("kel.plt", ...)
  output::CoordinateTarget coordinates = output::CoordinateTarget::None;
  std::string coordinateFileName;  // fileName with the extension "txt"
  int lineStrength = 1;            // 1 thin, 2 medium, 3 thick
};

class SavePanel final : public QFrame, public Retranslatable {
  Q_OBJECT
 public:
  explicit SavePanel(QWidget* parent = nullptr);

  // Shows the panel in `format` with the remembered file name `name`; the
  // coordinate choice is reset to "none" (or the text file when
  // `coordinatesToFile`) and enabled only when `coordinateChoice`.
  void Open(output::SaveFormat format, const std::string& name, bool coordinateChoice,
            bool coordinatesToFile = false);
  output::SaveFormat Format() const { return format_; }
  void SetFormat(output::SaveFormat format);
  // The choices as they stand (the name rule applied).
  SaveChoices Choices() const;

  QLineEdit* NameField() const { return name_; }
  QRadioButton* CoordinateButton(output::CoordinateTarget target) const;
  QRadioButton* StrengthButton(int strength) const;
  QPushButton* NextButton() const { return next_; }
  QPushButton* CancelButton() const { return cancel_; }

  void Retranslate() override;

 signals:
  void Accepted(const kelvra::ui::SaveChoices& choices);
  void Cancelled();

 private:
  void UpdateCoordinateName();
  void UpdateFormatControls();

  output::SaveFormat format_ = output::SaveFormat::Hpgl;
  QLabel* title_ = nullptr;
  QButtonGroup* formats_ = nullptr;
  QLineEdit* name_ = nullptr;
  QGroupBox* coordinateBox_ = nullptr;
  QButtonGroup* coordinates_ = nullptr;
  QLabel* coordinateNameLabel_ = nullptr;
  QLineEdit* coordinateName_ = nullptr;
  QGroupBox* strengthBox_ = nullptr;
  QButtonGroup* strengths_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool coordinateChoice_ = true;
};

}  // namespace kelvra::ui
