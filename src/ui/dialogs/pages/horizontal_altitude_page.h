// The page of the horizontal altitude dial (kind k): edge height, the two
// scales, what the hour lines show, the vertical face and the hour ranges.
#pragma once

#include <vector>

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class HorizontalAltitudePage final : public FieldPage {
  Q_OBJECT
 public:
  HorizontalAltitudePage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* GnomonField() const { return gnomon_->edit; }
  QLineEdit* MonthScaleField() const { return monthScale_->edit; }
  QLineEdit* ScaleLengthField() const { return scaleLength_->edit; }
  // " Wahre Ortszeit", " WOZ am Zonenmeridian", " Temporalstunden".
  const std::vector<QRadioButton*>& HourLineChoice() const { return hourChoice_; }
  QCheckBox* EquationOfTime() const { return eot_; }

  void Update() override;

 protected:
  void FillPage() override;

 private:
  void ChooseHourLines(int entry);

  Edit* gnomon_ = nullptr;
  Edit* monthScale_ = nullptr;
  Edit* scaleLength_ = nullptr;
  std::vector<QRadioButton*> hourChoice_;
  QCheckBox* eot_ = nullptr;
  QComboBox* ordinary_[3] = {};
  QComboBox* temporal_[3] = {};
};

}  // namespace kelvra::ui
