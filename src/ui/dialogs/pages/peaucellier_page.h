// The page of the Sawyer decliner (kind w) and the hybrid Peaucellier dial
// (kind p): a choice between the two sets the kind and shows its group. The
// Sawyer group edits the gnomon, the equant line angle and centre, the
// latitude, the wall's declination, the time mode, the date lines per month
// and the hour interval. The
// Peaucellier group edits the constant, the distance of the equinox date line,
// the latitude and the hour interval, and shows tan(latitude) / cos(15 deg) as
// a hint for the constant.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class PeaucellierPage final : public FieldPage {
  Q_OBJECT
 public:
  PeaucellierPage(const PageContext& context, QWidget* parent = nullptr);

  QRadioButton* SawyerChoice() const { return sawyer_; }
  QRadioButton* PeaucellierChoice() const { return peaucellier_; }
  QWidget* SawyerGroup() const { return sawyerGroup_; }
  QWidget* PeaucellierGroup() const { return peaucellierGroup_; }
  QLineEdit* ConstantField() const { return constant_->edit; }
  QLineEdit* DistanceField() const { return distance_->edit; }
  QLineEdit* LatitudeField() const { return latitude_->edit; }
  QLabel* Hint() const { return hint_; }
  QLineEdit* SawyerGnomonField() const { return sawyerGnomon_->edit; }
  QLineEdit* LineAngleField() const { return lineAngle_->edit; }
  QLineEdit* SawyerLatitudeField() const { return sawyerLatitude_->edit; }
  QLineEdit* CenterField() const { return center_->edit; }
  QLineEdit* WallField() const { return wall_->edit; }

  void Update() override;

 private:
  void FillPage() override;
  void Choose(char kind);

  QRadioButton* sawyer_ = nullptr;
  QRadioButton* peaucellier_ = nullptr;
  QWidget* sawyerGroup_ = nullptr;
  QWidget* peaucellierGroup_ = nullptr;
  Edit* constant_ = nullptr;
  Edit* distance_ = nullptr;
  Edit* latitude_ = nullptr;
  QLabel* hint_ = nullptr;
  Edit* sawyerGnomon_ = nullptr;
  Edit* lineAngle_ = nullptr;
  Edit* sawyerLatitude_ = nullptr;
  Edit* center_ = nullptr;
  Edit* wall_ = nullptr;
};

}  // namespace kelvra::ui
