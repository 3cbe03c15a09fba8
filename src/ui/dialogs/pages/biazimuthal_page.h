// The page of the biazimuthal map dial (kind c): the plane of the dial at
// position A with A's site (latitude, longitude, time zone, the wall's
// declination, the inclination), position B (latitude, longitude, a vertical
// dial and its wall's declination), the scale (the distance pole - A on the
// map), whose time is shown and which time, the hour lines and the date lines
// per month; it shows the equivalent horizontal dials of A and B and the pole
// of the map.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class BiazimuthalPage final : public FieldPage {
  Q_OBJECT
 public:
  BiazimuthalPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* LatitudeField() const { return latitude_->edit; }
  QLineEdit* WallField() const { return wall_->edit; }
  QLineEdit* InclinationField() const { return inclination_->edit; }
  QLineEdit* SecondLatitudeField() const { return secondLatitude_->edit; }
  QLineEdit* SecondLongitudeField() const { return secondLongitude_->edit; }
  QLineEdit* SecondWallField() const { return secondWall_->edit; }
  QLineEdit* ScaleField() const { return scale_->edit; }
  QCheckBox* SecondVertical() const { return secondVertical_; }
  QLabel* Equivalent() const { return equivalent_; }
  QLabel* Pole() const { return pole_; }

  void Update() override;

 private:
  Edit* latitude_ = nullptr;
  Edit* longitude_ = nullptr;
  Edit* zone_ = nullptr;
  Edit* wall_ = nullptr;
  Edit* inclination_ = nullptr;
  Edit* secondLatitude_ = nullptr;
  Edit* secondLongitude_ = nullptr;
  Edit* secondWall_ = nullptr;
  Edit* scale_ = nullptr;
  Edit* analemmaHour_ = nullptr;
  QCheckBox* secondVertical_ = nullptr;
  QLabel* equivalent_ = nullptr;
  QLabel* pole_ = nullptr;
};

}  // namespace kelvra::ui
