// The tables window: in mode 8 the yearly tables (equation of time, with the
// longitude's difference, declination, true noon), in mode 1 the rise and
// set tables for one month or a half-year with the twilight kind. It shows,
// prints and exports the table lines of calc/tables. Modes 16 and 32 host the
// equation-of-time graph and the sun-path diagrams, whose view is made by the
// factory set with SetGraphViewFactory.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "calc/tables/table.h"
#include "ui/main/task_window.h"

class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;

namespace kelvra::ui {

class TableView;

enum class TablesMode { RiseSet = 1, Yearly = 8, EotGraph = 16, SunPath = 32 };

// The file dialog and the printer dialog of the window; tests replace them.
struct TablesDialogs {
  // The save dialog: caption, proposed name, filter ("A (*.TXT)|*.TXT|...");
  // returns the chosen name (empty: cancelled) and the filter index chosen.
  std::function<QString(QWidget* parent, const QString& caption, const QString& proposal,
                        const QString& filter, int* filterIndex)>
      saveFile;
  // The print dialog; false when cancelled.
  std::function<bool(QWidget* parent, QPrinter& printer)> printDialog;
};
TablesDialogs& TablesWindowDialogs();
void ResetTablesWindowDialogs();

// The save dialogs confirm replacing the name typed; a save that writes
// another name (the file type's extension added or put in place of the
// typed one) asks before replacing that other file when it exists. True when
// the save may go on.
bool MayReplaceOtherFile(const QString& typed, const QString& written);

// The printer the tables window prints to (a PDF file where there is no
// printer).
QPrinter& TablesPrinter();

// The view of the graph modes: made for mode 16 (variant 0) or 32 (variant
// 1 rectangular, 2 circular) inside `parent`. Without a factory the window
// shows a placeholder.
using GraphViewFactory = std::function<QWidget*(TablesMode mode, int variant, QWidget* parent)>;
void SetGraphViewFactory(GraphViewFactory factory);

class TablesWindow : public TaskWindow {
  Q_OBJECT
 public:
  // Mode 8: `variant` is the yearly table kind 0..3; mode 32: 1 or 2.
  TablesWindow(TablesMode mode, int variant, QWidget* parent = nullptr);

  TablesMode Mode() const { return mode_; }
  // What opens this window as it is now: the yearly table kind shown (mode
  // 8), the sun path's 1 or 2 (mode 32), else 0.
  int Variant() const;
  const calc::Table& CurrentTable() const { return table_; }
  TableView* View() const { return view_; }
  QComboBox* YearKindChoice() const { return kindChoice_; }
  QComboBox* RangeChoice() const { return rangeChoice_; }
  QComboBox* MonthChoice() const { return monthChoice_; }
  QComboBox* TwilightChoice() const { return twilightChoice_; }
  QMenu* PopupMenu() const { return popup_; }

  void Retranslate() override;

 public slots:
  // "Drucken": prints the table through the print dialog.
  void Print();
  // "Tabelle speichern": the save dialog, for CSV the separator question.
  void ExportTable();

 private:
  void BuildControls();
  // The yearly table chosen (the stored `tableKind`, kept in range).
  calc::YearTableKind YearKind() const;
  void Rebuild();
  void UpdateCaption();
  void FillChoices();

  TablesMode mode_;
  int variant_;
  calc::Table table_;
  TableView* view_ = nullptr;
  QWidget* graph_ = nullptr;
  QLabel* kindLabel_ = nullptr;
  QComboBox* kindChoice_ = nullptr;
  QComboBox* rangeChoice_ = nullptr;
  QComboBox* monthChoice_ = nullptr;
  QComboBox* twilightChoice_ = nullptr;
  QMenu* popup_ = nullptr;
  bool filling_ = false;
};

}  // namespace kelvra::ui
