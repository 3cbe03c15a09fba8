// The page of the bifilar dial after Michnik (kind f) and the umbrella dial
// after Soler: a choice between the two and the group of each. The bifilar
// group holds the two threads' end points, the classical dial, the hour lines
// and the date lines; the umbrella group the plane, rod, disk, desk and the
// hour-line systems of the planar dials.
#pragma once

#include "ui/dialogs/field_page.h"

class QButtonGroup;
class QLabel;

namespace kelvra::ui {

class BifilarPage final : public FieldPage {
  Q_OBJECT
 public:
  BifilarPage(const PageContext& context, QWidget* parent = nullptr);

  QRadioButton* BifilarChoice() const { return bifilarChoice_; }
  QRadioButton* UmbrellaChoice() const { return umbrellaChoice_; }
  QWidget* BifilarGroup() const { return bifilarGroup_; }
  QWidget* UmbrellaGroup() const { return umbrellaGroup_; }
  // Thread point n (1..4), coordinate c (0 x, 1 y, 2 z).
  QLineEdit* PointField(int n, int c) const { return points_[n - 1][c]->edit; }
  QCheckBox* ClassicSwitch() const { return classic_; }
  QRadioButton* PlaneChoice(int index) const { return planes_[index]; }
  QLineEdit* RodField() const { return rod_->edit; }
  QLineEdit* DiskField() const { return disk_->edit; }
  QLineEdit* DeskField() const { return desk_->edit; }
  QLineEdit* WallField() const { return wall_->edit; }
  QLabel* DiskRadiusLabel() const { return diskRadius_; }

  void Update() override;

 protected:
  void FillPage() override;
  bool CheckPage() override;

 private:
  // Michnik's classical dial: thread 1 and 2 cross above the origin, thread 2
  // at the height h1 |sin latitude|.
  void ApplyClassical();
  // The disk and desk rule: atan(disk / 100) + desk inclination <= limit.
  bool DeskFits(double limit);
  void ChooseBifilar();
  void ChooseUmbrella();
  void ChoosePlane(char plane);

  bool applying_ = false;  // inside a thread rule's own stores
  QButtonGroup* choiceGroup_ = nullptr;
  QButtonGroup* planeGroup_ = nullptr;
  QRadioButton* bifilarChoice_ = nullptr;
  QRadioButton* umbrellaChoice_ = nullptr;
  QWidget* bifilarGroup_ = nullptr;
  QWidget* umbrellaGroup_ = nullptr;
  Edit* points_[4][3] = {};
  QCheckBox* classic_ = nullptr;
  QComboBox* hourLists_[3] = {};
  QCheckBox* hoursApparent_ = nullptr;
  QCheckBox* linesToFoot_ = nullptr;

  QRadioButton* planes_[3] = {};
  Edit* rod_ = nullptr;
  Edit* disk_ = nullptr;
  Edit* desk_ = nullptr;
  Edit* wall_ = nullptr;
  Edit* analemmaHour_ = nullptr;
  QLabel* diskRadius_ = nullptr;
  QLabel* deskNote_ = nullptr;
  static constexpr int kSystems = 6;
  QCheckBox* switches_[kSystems] = {};
  QComboBox* lists_[kSystems][3] = {};
  QCheckBox* extendTemporal_ = nullptr;
};

}  // namespace kelvra::ui
