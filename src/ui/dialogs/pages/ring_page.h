// The page of the ring dial (kind r): the ring's diameter and width, where
// the pin hole sits and (expert mode) its offset across the band, one or two
// bands, what the hour lines show, the lateral deflection of the light, the
// movable pin hole (a straight noon line), the Babylonian and Italian hours
// with their part of the day, and the hour ranges.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class RingPage final : public FieldPage {
  Q_OBJECT
 public:
  RingPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* DiameterField() const { return diameter_->edit; }
  QLineEdit* WidthField() const { return width_->edit; }
  QLineEdit* HoleAngleField() const { return holeAngle_->edit; }
  // The hole offset of the one band, and of the first of two bands.
  QLineEdit* OffsetField() const { return offset_->edit; }
  QLineEdit* OffsetNorthField() const { return offsetNorth_->edit; }
  QWidget* OffsetGroup() const { return offsetGroup_; }
  QCheckBox* OneBandSwitch() const { return oneBand_; }
  // " Ortszeit", " Temporalstunden".
  const std::vector<QRadioButton*>& HourLineChoice() const { return hourChoice_; }
  QCheckBox* MovableHoleSwitch() const { return movable_; }
  QCheckBox* BabylonianSwitch() const { return babylonian_; }
  QCheckBox* ItalianSwitch() const { return italian_; }
  QComboBox* BabylonianPart() const { return babylonianPart_; }
  QComboBox* ItalianPart() const { return italianPart_; }

  void Update() override;

  // Without expert mode the hole offsets are not the user's to set: they go
  // back to 0 (one band) or half the obliquity (two bands) whenever the
  // dialog becomes active.
  void DialogActivated() override;

 private:
  bool CheckPage() override;

  Edit* diameter_ = nullptr;
  Edit* width_ = nullptr;
  Edit* holeAngle_ = nullptr;
  Edit* offset_ = nullptr;
  Edit* offsetNorth_ = nullptr;
  QWidget* offsetGroup_ = nullptr;
  QCheckBox* oneBand_ = nullptr;
  std::vector<QRadioButton*> hourChoice_;
  QCheckBox* movable_ = nullptr;
  QCheckBox* babylonian_ = nullptr;
  QCheckBox* italian_ = nullptr;
  QComboBox* babylonianPart_ = nullptr;
  QComboBox* italianPart_ = nullptr;
  QComboBox* ordinary_[3] = {};
  QComboBox* temporal_[3] = {};
};

}  // namespace kelvra::ui
