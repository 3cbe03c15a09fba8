// The dial type dialog: the kind of the current dial, its variant and the few
// parameters every kind needs first (gnomon, wall declination, inclination,
// cylinder and Habermel sizes, ring diameter). It edits config::Dial() directly.
#pragma once

#include "ui/main/task_window.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace kelvra::ui {

class DialTypeDialog : public TaskWindow {
  Q_OBJECT
 public:
  explicit DialTypeDialog(bool wizard, QWidget* parent = nullptr);

  // The kind list entry numbers 0..13 (the umbrella dial is entry 3).
  static char EntryLetter(int entry);
  QListWidget* KindList() const { return kinds_; }
  // Selects the list row holding `entry` and applies the choice.
  bool ChooseEntry(int entry);
  void ChoosePlane(char plane);
  void ChooseCylinderVariant(int variant);
  void ChooseAltitudeVariant(int variant);

  QLineEdit* WallDeclinationField() const { return wall_; }
  QLineEdit* InclinationField() const { return inclination_; }
  QLineEdit* GnomonField() const { return gnomon_; }
  QLineEdit* MonthScaleField() const { return monthScale_; }
  QLineEdit* RadiusField() const { return radius_; }
  QLineEdit* DiameterField() const { return diameter_; }

  // The checks of a left field; true on error.
  bool LeaveWallDeclination();
  bool LeaveInclination();
  bool LeaveGnomon();
  bool LeaveMonthScale();
  bool LeaveRadius();
  bool LeaveDiameter();
  // The closing checks; true when the dialog may close.
  bool CloseCheck();
  // Refills every control from the record.
  void Fill();

  void Activated() override { Fill(); }
  bool MayClose() override;
  void Retranslate() override;

 signals:
  void CancelWizard();
  void ShowPicture(const QString& file, const QString& caption);
  // The controls show the record anew (the kind or its variant may have changed).
  void KindChanged();

 private:
  void FillList();
  void UpdateVisibility();
  int PictureNumber() const;
  int CurrentEntry() const;

  bool wizard_;
  bool checking_ = false;
  bool filling_ = false;
  QListWidget* kinds_ = nullptr;
  QGroupBox* planeBox_ = nullptr;
  QButtonGroup* planes_ = nullptr;
  QGroupBox* altitudeBox_ = nullptr;
  QButtonGroup* altitudeVariants_ = nullptr;
  QGroupBox* cylinderBox_ = nullptr;
  QButtonGroup* cylinderVariants_ = nullptr;
  QGroupBox* circleBox_ = nullptr;
  QButtonGroup* circleModes_ = nullptr;
  QWidget* wallRow_ = nullptr;
  QLabel* wallLabel_ = nullptr;
  QLineEdit* wall_ = nullptr;
  QWidget* inclinationRow_ = nullptr;
  QLabel* inclinationLabel_ = nullptr;
  QLineEdit* inclination_ = nullptr;
  QWidget* gnomonRow_ = nullptr;
  QLabel* gnomonLabel_ = nullptr;
  QLineEdit* gnomon_ = nullptr;
  QWidget* monthScaleRow_ = nullptr;
  QLabel* monthScaleLabel_ = nullptr;
  QLineEdit* monthScale_ = nullptr;
  QWidget* radiusRow_ = nullptr;
  QLabel* radiusLabel_ = nullptr;
  QLineEdit* radius_ = nullptr;
  QWidget* diameterRow_ = nullptr;
  QLabel* diameterLabel_ = nullptr;
  QLineEdit* diameter_ = nullptr;
  QToolButton* picture_ = nullptr;
  QLabel* enterHint_ = nullptr;
  QLabel* expertLine_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kelvra::ui
