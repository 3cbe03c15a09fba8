// The panel of the symmetric equation-of-time table, opened from the
// equation-of-time graph: the year (1300 .. 2500, stored as the reference
// year), the number of values per year, and the commands that save the
// table as a text or CSV file and print the equation-of-time-by-longitude
// table it is made from.
#pragma once

#include <QFrame>
#include <string>
#include <vector>

#include "ui/common/retranslate.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelvra::ui {

class SymmetricPanel final : public QFrame, public Retranslatable {
  Q_OBJECT
 public:
  explicit SymmetricPanel(QWidget* parent = nullptr);

  // Shows the panel with the reference year.
  void Open();

  // The year field's check; true when it failed (message under the field's
  // label, focus kept, the year unchanged).
  bool LeaveYear();
  // The chosen number of values per year, 0 while none is chosen.
  int ValueCount() const;
  // The lines of the table for the chosen count (separator '/' shown, ';' in
  // a CSV file); empty while no count is chosen.
  std::vector<std::string> Lines(char separator) const;

  // " Als Text speichern": save dialog, file, messages. False when nothing
  // was written.
  bool SaveTable();
  // " Daten drucken": the print dialog and the printed table.
  bool PrintData();

  QLineEdit* YearField() const { return year_; }
  QListWidget* CountList() const { return counts_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* PrintButton() const { return print_; }

  void Retranslate() override;

 signals:
  // The reference year was changed in the year field.
  void YearChanged();

 private:
  // True (with the request to choose one) while no count is chosen.
  bool RefuseWithoutCount() const;

  QLabel* caption_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QLineEdit* year_ = nullptr;
  QListWidget* counts_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* print_ = nullptr;
  bool checking_ = false;
};

}  // namespace kelvra::ui
