// The page of the azimuthal dials (kind a): the kind of circles and, for the
// altitude circles, their projection, the plate, the date lines, the horizon
// profile, the time reference and the hour systems.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class AzimuthalPage final : public FieldPage {
  Q_OBJECT
 public:
  AzimuthalPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* PlateDiameterField() const { return plate_->edit; }
  QLineEdit* ObserverDistanceField() const { return observer_->edit; }
  QCheckBox* HorizonProfileSwitch() const { return horizon_; }
  QWidget* SpacingGroup() const { return spacingGroup_; }
  QWidget* HorizontoscopeGroup() const { return horizontoscope_; }
  QComboBox* ZodiacLinesList() const { return zodiacLines_; }
  QCheckBox* EclipticSwitch() const { return ecliptic_; }

  void Update() override;

 private:
  static constexpr int kSystems = 4;  // other hour lines, Babylonian, Italian, temporal
  QCheckBox* switches_[kSystems] = {};
  QComboBox* lists_[kSystems][3] = {};
  Edit* plate_ = nullptr;
  Edit* observer_ = nullptr;
  QWidget* spacingGroup_ = nullptr;
  QWidget* horizontoscope_ = nullptr;
  QWidget* dateGroup_ = nullptr;
  QComboBox* zodiacLines_ = nullptr;
  QCheckBox* ecliptic_ = nullptr;
  QCheckBox* horizon_ = nullptr;
};

}  // namespace kelvra::ui
