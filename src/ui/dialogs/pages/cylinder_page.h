// The page of the cylinder dials (kind z): the shepherd's dial, the hat dial
// and the polar style, with the controls of the variant of the record.
#pragma once

#include "ui/dialogs/field_page.h"

class QGroupBox;

namespace kelvra::ui {

class CylinderPage final : public FieldPage {
  Q_OBJECT
 public:
  CylinderPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* GnomonField() const { return gnomon_->edit; }
  QLineEdit* PinField() const { return pin_->edit; }
  QLineEdit* MonthScaleField() const { return monthScale_->edit; }
  QLineEdit* ShadowField() const { return shadow_->edit; }
  QLineEdit* RadiusField() const { return radius_->edit; }
  QLineEdit* WallField() const { return wall_->edit; }
  QLabel* VariantCaption() const { return caption_; }
  QLabel* Circumference() const { return circumference_; }
  QGroupBox* AdditionalLines() const { return extra_; }
  QGroupBox* MeanTimeLines() const { return meanTime_; }

  void Update() override;

 protected:
  void FillPage() override;

 private:
  QLabel* caption_ = nullptr;
  Edit* gnomon_ = nullptr;
  Edit* pin_ = nullptr;
  Edit* monthScale_ = nullptr;
  Edit* shadow_ = nullptr;
  Edit* radius_ = nullptr;
  Edit* wall_ = nullptr;
  QLabel* wallHint_ = nullptr;
  QLabel* circumference_ = nullptr;
  QGroupBox* monthHalves_ = nullptr;
  QGroupBox* dateLines_ = nullptr;
  QCheckBox* altitudeScale_ = nullptr;
  QGroupBox* extra_ = nullptr;
  QLabel* morningNote_ = nullptr;
  QGroupBox* meanTime_ = nullptr;
  QComboBox* hourLists_[3] = {};
  QComboBox* extraLists_[3][3] = {};
};

}  // namespace kelvra::ui
