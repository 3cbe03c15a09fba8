// The sun-position calculator ("Sonnenstand - Berechnungen"): date, site and
// the input of its mode, one result panel per mode, and the result list that
// every computation extends (shared state; the print commands send it).
//
// Modes: 1 rise and set of sun, twilight and moon; 2 the sun's position at a
// clock time; 4 the zone time for an azimuth; 8 equation of time and
// declination. The window is thin over calc/calculator: the computations and
// the result lines are the core's.
#pragma once

#include <QPointer>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ui/main/task_window.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace kelvra::ui {

inline constexpr int kCalcRiseSet = 1;
inline constexpr int kCalcPosition = 2;
inline constexpr int kCalcTimeForAzimuth = 4;
inline constexpr int kCalcEquationOfTime = 8;

// The help topic of each mode.
int CalculatorHelpTopic(int mode);

// The dialogs the calculator opens; tests replace them.
struct CalculatorDialogs {
  std::function<bool(QWidget* parent, QPrinter& printer)> printDialog;
  std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter)>
      saveFile;
  std::function<QString(QWidget* parent, const QString& title, const QString& filter)> openFile;
};
CalculatorDialogs& TheCalculatorDialogs();
void ResetCalculatorDialogs();
// The printer the calculator prints on.
QPrinter& CalculatorPrinter();

class CalculatorWindow : public TaskWindow {
  Q_OBJECT
 public:
  explicit CalculatorWindow(int mode, QWidget* parent = nullptr);

  int Mode() const { return mode_; }
  // Shows the inputs and the result panel of `mode` (1, 2, 4 or 8).
  void SetMode(int mode);

  // Fields.
  QLineEdit* YearField() const { return year_; }
  QLineEdit* MonthField() const { return month_; }
  QLineEdit* DayField() const { return day_; }
  QLineEdit* LongitudeField() const { return longitude_; }
  QLineEdit* LatitudeField() const { return latitude_; }
  QLineEdit* ZoneField() const { return zone_; }
  QLineEdit* TimeField() const { return time_; }
  QLineEdit* AzimuthField() const { return azimuth_; }
  // Choices: time kind 0 true local, 1 mean local, 2 zone time; twilight
  // kind 0 civil, 1 nautical, 2 astronomical.
  QRadioButton* TimeKindButton(int kind) const { return timeKinds_.at(std::size_t(kind)); }
  QRadioButton* TwilightButton(int kind) const { return twilights_.at(std::size_t(kind)); }
  // The panel of a mode, and a result field by its object name (see the
  // constructor: "declination", "sunRise", "altitude", ...).
  QGroupBox* Panel(int mode) const;
  QLineEdit* Result(const QString& name) const;
  QMenu* PopupMenu() const { return popup_; }
  QPushButton* ComputeButton() const { return compute_; }
  QPushButton* TablesButton() const { return tables_; }
  QPushButton* GraphButton() const { return graph_; }
  QPushButton* AltitudeGraphButton() const { return altitudeGraph_; }
  QLabel* OpenPageLabel() const { return openPage_; }

  // Checks of a left field; true when the field failed.
  bool LeaveYear();
  bool LeaveMonth();
  bool LeaveDay();
  bool LeaveLongitude();
  bool LeaveLatitude();
  bool LeaveZone();
  bool LeaveTime();

  // "Berechnung": checks the inputs, computes the mode's results, shows them
  // and appends the block to the result list. False when nothing was computed.
  bool Compute();
  void ClearResults();

  // The main window's print command: asks whether to end the page.
  Q_INVOKABLE void Print();
  // The pop-up's print commands.
  void PrintWithPageEnd();
  void PrintWithoutPageEnd();
  void PrintPage();
  // "&Print": the window as a picture.
  void PrintWindowImage();
  // The table and graph commands.
  void OpenTables();
  void OpenTable(int mode, int tableKind);
  void OpenGraph(int mode);
  // Dial data files.
  void SaveDialData();
  void LoadDialData();

  void Retranslate() override;

 signals:
  // The shared site changed (a dial data file was loaded).
  void SiteChanged();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildInputs();
  void BuildPanels();
  void BuildButtons();
  void BuildPopup();
  void Fill();
  void UpdateCaption();
  void UpdateOpenPage();
  bool CheckGap();
  bool CheckSiteFields();
  bool PrintLines(const std::vector<std::string>& lines);
  QLineEdit* AddResult(QGroupBox* panel, const QString& name);
  bool ComputeRiseSet(std::vector<std::string>& lines);
  bool ComputePosition(std::vector<std::string>& lines);
  bool ComputeTimeForAzimuth(std::vector<std::string>& lines);
  void ComputeEquationOfTime(std::vector<std::string>& lines);

  int mode_;
  bool checking_ = false;
  bool askZoneQuestion_ = false;
  QLabel* yearLabel_ = nullptr;
  QLabel* monthLabel_ = nullptr;
  QLabel* dayLabel_ = nullptr;
  QLabel* longitudeLabel_ = nullptr;
  QLabel* latitudeLabel_ = nullptr;
  QLabel* zoneLabel_ = nullptr;
  QLineEdit* year_ = nullptr;
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* zone_ = nullptr;
  QGroupBox* timeBox_ = nullptr;
  QLineEdit* time_ = nullptr;
  QLabel* timeNote_ = nullptr;
  std::array<QRadioButton*, 3> timeKinds_{};
  QGroupBox* azimuthBox_ = nullptr;
  QLineEdit* azimuth_ = nullptr;
  QGroupBox* twilightBox_ = nullptr;
  std::array<QRadioButton*, 3> twilights_{};
  std::array<QGroupBox*, 4> panels_{};  // modes 1, 2, 4, 8
  QList<QLineEdit*> results_;
  QPushButton* compute_ = nullptr;
  QPushButton* tables_ = nullptr;
  QPushButton* graph_ = nullptr;
  QPushButton* altitudeGraph_ = nullptr;
  QPushButton* printWindow_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* openPage_ = nullptr;
  QMenu* popup_ = nullptr;
};

}  // namespace kelvra::ui
