// The site and year dialog: latitude, longitude and zone meridian as decimal
// degrees or as degrees, minutes and seconds with a hemisphere, and the
// reference year. Every accepted field goes into the shared site at once.
#pragma once

#include <array>

#include "ui/main/task_window.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvra::ui {

class SiteDialog : public TaskWindow {
  Q_OBJECT
 public:
  explicit SiteDialog(bool wizard, QWidget* parent = nullptr);

  // Angle index: 0 latitude, 1 longitude, 2 zone meridian.
  QLineEdit* DecimalField(int angle) const { return decimal_[static_cast<std::size_t>(angle)]; }
  // part: 0 degrees, 1 minutes, 2 seconds.
  QLineEdit* DmsField(int angle, int part) const {
    return dms_[static_cast<std::size_t>(angle)][static_cast<std::size_t>(part)];
  }
  // The hemisphere choice: true for north (latitude) or west (longitudes).
  QRadioButton* NorthOrWest(int angle) const { return positive_[static_cast<std::size_t>(angle)]; }
  QRadioButton* SouthOrEast(int angle) const { return negative_[static_cast<std::size_t>(angle)]; }
  QLineEdit* YearField() const { return year_; }
  void SetDmsForm(bool dms);
  bool DmsForm() const { return dmsForm_; }

  // Checks of a left field; true when the field failed.
  bool LeaveDecimal(int angle);
  bool LeaveDms(int angle, int part);
  bool LeaveYear();
  // The close check; true when the dialog may close.
  bool CloseCheck(bool askZoneQuestion = true);
  // Decimal values into the fields and the degree, minute, second fields.
  void Fill();
  // Both forms of the three angles from the shared site.
  void FillAngles();

  bool MayClose() override;
  void Retranslate() override;

 signals:
  void CancelWizard();

 private:
  bool CloseCheckNoGuard(bool askZoneQuestion);
  void UpdateEnabled();
  double AngleFromDms(int angle) const;
  QString AngleName(int angle) const;

  bool wizard_;
  bool dmsForm_ = false;
  bool checking_ = false;
  std::array<QLabel*, 3> labels_{};
  std::array<QLineEdit*, 3> decimal_{};
  std::array<std::array<QLineEdit*, 3>, 3> dms_{};
  std::array<QRadioButton*, 3> positive_{};
  std::array<QRadioButton*, 3> negative_{};
  QLabel* yearLabel_ = nullptr;
  QLineEdit* year_ = nullptr;
  QRadioButton* formDecimal_ = nullptr;
  QRadioButton* formDms_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kelvra::ui
