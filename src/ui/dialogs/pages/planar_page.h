// The page of the horizontal, vertical and inclining dials (and the mean-time
// dial without expert mode): plane and gnomon, the apparent and mean-time
// hour lines, the additional lines, the date lines and the analemma.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class PlanarPage final : public FieldPage {
  Q_OBJECT
 public:
  PlanarPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* WallDeclinationField() const { return wall_->edit; }
  QLineEdit* InclinationField() const { return inclination_->edit; }
  QLineEdit* GnomonField() const { return gnomon_->edit; }
  QLineEdit* AnalemmaHourField() const { return analemmaHour_->edit; }
  QComboBox* DateLineChoice() const { return dateMode_; }
  QCheckBox* HoursApparent() const { return hoursApparent_; }
  QCheckBox* LinesToFoot() const { return linesToFoot_; }

  void Update() override;

 protected:
  void FillPage() override;

 private:
  // The six hour-line systems: apparent, mean, Babylonian, Italian, temporal,
  // altitude; each with a switch and from, to, interval lists.
  static constexpr int kSystems = 6;
  QCheckBox* switches_[kSystems] = {};
  QComboBox* lists_[kSystems][3] = {};

  Edit* analemmaHour_ = nullptr;
  Edit* inclination_ = nullptr;
  Edit* wall_ = nullptr;
  Edit* gnomon_ = nullptr;
  QCheckBox* hoursApparent_ = nullptr;
  QCheckBox* linesToFoot_ = nullptr;
  QCheckBox* extendTemporal_ = nullptr;
  QComboBox* dateMode_ = nullptr;
  QComboBox* analemmaDays_ = nullptr;
};

}  // namespace kelvra::ui
