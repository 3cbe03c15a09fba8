// The page of the altitude dials read with a plumb line (kind q): the
// variant choice (expert mode) and, for the quadrant, its size, date scale,
// options of the saved file, azimuth lines, arrangement of the date circles,
// time reference and hour lines; for the Habermel dials their diameter,
// gnomon and latitude, and for the tablet its date lines and the equation of
// time.
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

  QWidget* HabermelGroup() const { return habermel_; }
  QLineEdit* DiameterField() const { return diameter_->edit; }
  QLineEdit* GnomonField() const { return gnomon_->edit; }
  QLineEdit* LatitudeField() const { return latitude_->edit; }
  QCheckBox* HabermelEotSwitch() const { return habermelEot_; }

  void Update() override;

 private:
  void FillPage() override;
  // The Habermel rules after a change of `field`: a chosen variant or a new
  // diameter or latitude derives the gnomon (with |latitude|), a new gnomon
  // the diameter (refused above 200 mm).
  void HabermelRule(const QString& field);
  void DeriveGnomon();
  double DiameterForGnomon(double gnomon) const;

  Edit* size_ = nullptr;
  QWidget* variants_ = nullptr;
  QWidget* quadrant_ = nullptr;
  QWidget* timeReference_ = nullptr;
  QWidget* arrangement_ = nullptr;
  QWidget* hourLists_ = nullptr;
  QWidget* habermel_ = nullptr;
  QWidget* habermelDates_ = nullptr;
  QCheckBox* habermelEot_ = nullptr;
  Edit* diameter_ = nullptr;
  Edit* gnomon_ = nullptr;
  Edit* latitude_ = nullptr;
  double lastGnomon_ = 0;
  bool deriving_ = false;  // a derived value is being stored
  QCheckBox* wholeYear_ = nullptr;
  QCheckBox* mirrored_ = nullptr;
  QCheckBox* eot_ = nullptr;
  QLabel* fileNote_ = nullptr;
};

}  // namespace kelvra::ui
