// The construction listing panels of the drawing window: the hour-line table
// ("Std.linien") with the site data and the pole-style memo, and the
// pole-style information ("&StabInfo") as read-only text. Both lie over the
// picture and print their content.
#pragma once

#include <QFrame>

#include "dials/dial_listing.h"
#include "ui/common/retranslate.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace kelvra::ui {

class HourLineTablePanel final : public QFrame, public Retranslatable {
  Q_OBJECT
 public:
  explicit HourLineTablePanel(QWidget* parent = nullptr);

  // Shows `table` (and the pole-style values beside it).
  void SetTable(const dials::HourLineTableView& table);
  bool LongitudeCorrection() const;
  QTableWidget* Grid() const { return grid_; }
  QCheckBox* LongitudeCorrectionBox() const { return correction_; }

  void Retranslate() override;

 signals:
  // The longitude-correction box changed: the table must be computed anew.
  void CorrectionChanged(bool on);
  void PrintRequested();
  void CloseRequested();

 private:
  QLabel* heading_ = nullptr;
  QLabel* site_ = nullptr;
  QLabel* memo_ = nullptr;
  QLabel* sunlit_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QCheckBox* correction_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* close_ = nullptr;
};

class PoleInfoPanel final : public QFrame, public Retranslatable {
  Q_OBJECT
 public:
  explicit PoleInfoPanel(QWidget* parent = nullptr);

  void SetLines(const std::vector<std::string>& lines);
  QString Content() const;
  void Retranslate() override {}

 signals:
  void PrintRequested();
  void CloseRequested();

 private:
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace kelvra::ui
