// The page of the mean-time dial with a cone as shadow caster (kind m): the
// plane of the face and the site (latitude, longitude, time zone, the wall's
// declination for vertical and inclining faces, the inclination for inclining
// ones), the cone (axis length, axis inclination, half opening angle), the
// time shown, the date lines per month, the hour lines, the equivalent
// horizontal dial of the face and the note which shadow edge to read when.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class MeanTimePage final : public FieldPage {
  Q_OBJECT
 public:
  MeanTimePage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* LatitudeField() const { return latitude_->edit; }
  QLineEdit* WallField() const { return wall_->edit; }
  QLineEdit* InclinationField() const { return inclination_->edit; }
  QLineEdit* AxisLengthField() const { return length_->edit; }
  QLineEdit* AxisInclinationField() const { return axis_->edit; }
  QLineEdit* HalfAngleField() const { return halfAngle_->edit; }
  QLabel* Equivalent() const { return equivalent_; }

  void Update() override;

 private:
  Edit* latitude_ = nullptr;
  Edit* longitude_ = nullptr;
  Edit* zone_ = nullptr;
  Edit* wall_ = nullptr;
  Edit* inclination_ = nullptr;
  Edit* length_ = nullptr;
  Edit* axis_ = nullptr;
  Edit* halfAngle_ = nullptr;
  QLabel* equivalent_ = nullptr;
};

}  // namespace kelvra::ui
