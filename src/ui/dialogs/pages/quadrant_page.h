// The page of the altitude dials read with a plumb line (kind q): the
// variant choice (expert mode) and, for the quadrant, its size, date scale,
// options of the saved file, azimuth lines, arrangement of the date circles,
// time reference and hour lines.
#pragma once

#include "ui/dialogs/field_page.h"

namespace kelvra::ui {

class QuadrantPage final : public FieldPage {
  Q_OBJECT
 public:
  QuadrantPage(const PageContext& context, QWidget* parent = nullptr);

  QLineEdit* SizeField() const { return size_->edit; }
  QWidget* VariantGroup() const { return variants_; }
  QWidget* QuadrantGroup() const { return quadrant_; }
  QWidget* TimeReference() const { return timeReference_; }
  QWidget* Arrangement() const { return arrangement_; }
  QCheckBox* WholeYearSwitch() const { return wholeYear_; }
  QCheckBox* MirroredSwitch() const { return mirrored_; }
  QCheckBox* EotSwitch() const { return eot_; }
  QLabel* FileNote() const { return fileNote_; }

  void Update() override;

 private:
  Edit* size_ = nullptr;
  QWidget* variants_ = nullptr;
  QWidget* quadrant_ = nullptr;
  QWidget* timeReference_ = nullptr;
  QWidget* arrangement_ = nullptr;
  QWidget* hourLists_ = nullptr;
  QWidget* notBuilt_ = nullptr;
  QCheckBox* wholeYear_ = nullptr;
  QCheckBox* mirrored_ = nullptr;
  QCheckBox* eot_ = nullptr;
  QLabel* fileNote_ = nullptr;
};

}  // namespace kelvra::ui
