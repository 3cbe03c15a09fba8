// The dial parameters dialog: one page per dial family (the planar page here,
// the other families' pages follow with their families) beside the group of
// the user's own date lines. Every control is a view of one field of
// config::Dial(); the checks run when a field or page is left and on closing.
#pragma once

#include "ui/main/task_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kelvra::ui {

class DialParametersDialog : public TaskWindow {
  Q_OBJECT
 public:
  explicit DialParametersDialog(bool wizard, QWidget* parent = nullptr);

  // The page opened for a kind (0 planar, 1 bifilar, ... 9 Sawyer).
  static int PageForKind(char kind, bool umbrella, bool expertMode);
  QTabWidget* Pages() const { return pages_; }

  QLineEdit* WallDeclinationField() const { return wall_; }
  QLineEdit* InclinationField() const { return inclination_; }
  QLineEdit* GnomonField() const { return gnomon_; }
  QLineEdit* AnalemmaHourField() const { return analemmaHour_; }
  QComboBox* DateLineChoice() const { return dateMode_; }
  QListWidget* OwnDateList() const { return ownDates_; }
  QLineEdit* OwnDateMask() const { return dateMask_; }
  QCheckBox* HoursApparent() const { return hoursApparent_; }
  QCheckBox* LinesToFoot() const { return linesToFoot_; }

  // Own date list: the mask's date into the list (sorted), the marked entry out.
  bool AddOwnDate();
  void DeleteOwnDate();
  // The checks of the planar page; true when it may be left.
  bool CheckPlanarPage();
  bool LeaveGnomon();

  bool MayClose() override;
  void Retranslate() override;

 signals:
  void CancelWizard();
  void DateModeChanged(int mode);

 private:
  QWidget* BuildPlanarPage();
  QWidget* BuildOwnDateGroup();
  void Fill();
  void FillOwnDates();
  void StoreOwnDates();
  void UpdateEnabling();
  void UpdateCaption();
  void FillLists();

  bool wizard_;
  bool checking_ = false;
  bool filling_ = false;
  int currentPage_ = 0;
  QTabWidget* pages_ = nullptr;
  QLabel* wallLabel_ = nullptr;
  QLineEdit* wall_ = nullptr;
  QLabel* inclinationLabel_ = nullptr;
  QLineEdit* inclination_ = nullptr;
  QLabel* gnomonLabel_ = nullptr;
  QLineEdit* gnomon_ = nullptr;
  QCheckBox* hoursApparent_ = nullptr;
  QCheckBox* linesToFoot_ = nullptr;
  QCheckBox* hoursWithEot_ = nullptr;
  QCheckBox* babylonian_ = nullptr;
  QCheckBox* italian_ = nullptr;
  QCheckBox* temporal_ = nullptr;
  QCheckBox* extendTemporal_ = nullptr;
  QCheckBox* altitude_ = nullptr;
  QCheckBox* polarTriangle_ = nullptr;
  QCheckBox* sunshine_ = nullptr;
  QCheckBox* markAnalemma_ = nullptr;
  QRadioButton* apparentLocal_ = nullptr;
  QRadioButton* apparentZone_ = nullptr;
  QRadioButton* meanLocal_ = nullptr;
  QRadioButton* meanZone_ = nullptr;
  // from, to, interval lists of the six systems: apparent, mean, Babylonian,
  // Italian, temporal, altitude.
  QComboBox* lists_[6][3] = {};
  QComboBox* dateMode_ = nullptr;
  QLabel* analemmaLabel_ = nullptr;
  QLineEdit* analemmaHour_ = nullptr;
  QComboBox* analemmaDays_ = nullptr;
  QListWidget* ownDates_ = nullptr;
  QLineEdit* dateMask_ = nullptr;
  QWidget* ownGroup_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kelvra::ui
