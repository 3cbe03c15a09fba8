#include "ui/calc/calculator_window.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "calc/calculator/calculator.h"
#include "calc/calculator/sun_texts.h"
#include "canvas/page_output.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "shell/time_format.h"
#include "texts/astro.h"
#include "texts/calculator.h"
#include "texts/ui.h"
#include "ui/calc/open_tables.h"
#include "ui/common/core_bridge.h"
#include "ui/common/field_checks.h"
#include "ui/drawing/text_printing.h"

namespace kelvra::ui {

namespace tc = texts::calculator;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Panel index of a mode: 1, 2, 4, 8 -> 0, 1, 2, 3.
int PanelIndex(int mode) {
  switch (mode) {
    case kCalcPosition: return 1;
    case kCalcTimeForAzimuth: return 2;
    case kCalcEquationOfTime: return 3;
    default: return 0;
  }
}

// The main-menu caption of each mode's command (F9 .. F12).
int MenuOfMode(int mode) {
  switch (mode) {
    case kCalcPosition: return 25;
    case kCalcTimeForAzimuth: return 26;
    case kCalcEquationOfTime: return 27;
    default: return 24;
  }
}

CalculatorDialogs RealDialogs() {
  CalculatorDialogs d;
  d.printDialog = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  d.saveFile = [](QWidget* parent, const QString& title, const QString& suggested,
                  const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
  };
  d.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
  };
  return d;
}

QLabel* TaggedLabel(QWidget* parent, texts::TextId tag, QWidget* buddy = nullptr) {
  auto* label = new QLabel(parent);
  if (buddy) label->setBuddy(buddy);
  SetTag(label, tag);
  return label;
}

QLineEdit* InputField(QWidget* parent, const QString& name, int maxWidth) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(maxWidth);
  return e;
}

// The number in a real field, or `fallback` when it holds none.
double FieldReal(const QLineEdit* field, double fallback) {
  return shell::ParseReal(field->text().toStdString()).value_or(fallback);
}

// A real field's value as the window writes it back: `width`.`decimals`, trimmed.
QString RealText(int width, int decimals, double x) {
  return Q(shell::FormatReal(width, decimals, x)).trimmed();
}

}  // namespace

int CalculatorHelpTopic(int mode) {
  switch (mode) {
    case kCalcPosition: return 29;
    case kCalcTimeForAzimuth: return 49;
    case kCalcEquationOfTime: return 30;
    default: return 28;
  }
}

CalculatorDialogs& TheCalculatorDialogs() {
  static CalculatorDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetCalculatorDialogs() { TheCalculatorDialogs() = RealDialogs(); }

QPrinter& CalculatorPrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

CalculatorWindow::CalculatorWindow(int mode, QWidget* parent)
    : TaskWindow(kCalculatorWindow, CalculatorHelpTopic(mode), parent), mode_(mode) {
  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetMinimumSize);
  BuildInputs();
  BuildPanels();
  BuildButtons();
  BuildPopup();
  outer->addStretch();
  Fill();
  SetMode(mode);
}

void CalculatorWindow::BuildInputs() {
  auto* outer = static_cast<QVBoxLayout*>(layout());
  auto* site = new QGroupBox(this);
  auto* grid = new QGridLayout(site);
  year_ = InputField(site, "EdYear", 70);
  month_ = InputField(site, "EdMonth", 50);
  day_ = InputField(site, "EdDay", 50);
  yearLabel_ = TaggedLabel(site, tc::kYear, year_);
  monthLabel_ = TaggedLabel(site, tc::kMonth, month_);
  dayLabel_ = TaggedLabel(site, tc::kDay, day_);
  auto* date = new QHBoxLayout;
  for (auto [label, field] : {std::pair{yearLabel_, year_}, std::pair{monthLabel_, month_},
                              std::pair{dayLabel_, day_}}) {
    date->addWidget(label);
    date->addWidget(field);
    date->addSpacing(12);
    InstallKeyFilter(field, FieldKind::Integer, nullptr);
  }
  date->addStretch();
  grid->addLayout(date, 0, 0, 1, 3);
  longitude_ = InputField(site, "EdLongitude", 120);
  latitude_ = InputField(site, "EdLatitude", 120);
  zone_ = InputField(site, "EdZone", 120);
  longitudeLabel_ = TaggedLabel(site, tc::kLongitude, longitude_);
  latitudeLabel_ = TaggedLabel(site, tc::kLatitude, latitude_);
  zoneLabel_ = TaggedLabel(site, tc::kZoneMeridian, zone_);
  grid->addWidget(longitudeLabel_, 1, 0);
  grid->addWidget(longitude_, 1, 1);
  grid->addWidget(TaggedLabel(site, tc::kLongitudeHint), 1, 2);
  grid->addWidget(latitudeLabel_, 2, 0);
  grid->addWidget(latitude_, 2, 1);
  grid->addWidget(TaggedLabel(site, tc::kLatitudeHint), 2, 2);
  grid->addWidget(zoneLabel_, 3, 0);
  grid->addWidget(zone_, 3, 1);
  grid->setColumnStretch(2, 1);
  for (QLineEdit* e : {longitude_, latitude_, zone_}) InstallKeyFilter(e, FieldKind::Real, nullptr);
  outer->addWidget(site);

  connect(year_, &QLineEdit::editingFinished, this, [this] { LeaveYear(); });
  connect(month_, &QLineEdit::editingFinished, this, [this] { LeaveMonth(); });
  connect(day_, &QLineEdit::editingFinished, this, [this] { LeaveDay(); });
  connect(longitude_, &QLineEdit::editingFinished, this, [this] { LeaveLongitude(); });
  connect(latitude_, &QLineEdit::editingFinished, this, [this] { LeaveLatitude(); });
  connect(zone_, &QLineEdit::editingFinished, this, [this] { LeaveZone(); });

  // Mode 2: the clock time and its kind.
  timeBox_ = new QGroupBox(this);
  SetTag(timeBox_, tc::kTimeKindGroup);
  auto* tl = new QGridLayout(timeBox_);
  time_ = InputField(timeBox_, "EdTime", 100);
  tl->addWidget(TaggedLabel(timeBox_, tc::kTimeLabel, time_), 0, 0);
  tl->addWidget(time_, 0, 1);
  auto* kinds = new QButtonGroup(timeBox_);
  auto* kindRow = new QHBoxLayout;
  for (int k = 0; k < 3; ++k) {
    auto* b = new QRadioButton(timeBox_);
    b->setObjectName(QString("RbTimeKind%1").arg(k));
    SetTag(b, texts::astro::kTimeKinds[k]);
    kinds->addButton(b, k);
    kindRow->addWidget(b);
    timeKinds_[std::size_t(k)] = b;
  }
  kindRow->addStretch();
  tl->addLayout(kindRow, 0, 2);
  timeNote_ = TaggedLabel(timeBox_, tc::kTimeFormatNote);
  timeNote_->setStyleSheet("color: #a00;");
  timeNote_->hide();
  tl->addWidget(timeNote_, 1, 0, 1, 3);
  tl->setColumnStretch(2, 1);
  timeKinds_[2]->setChecked(true);
  connect(time_, &QLineEdit::editingFinished, this, [this] { LeaveTime(); });
  connect(kinds, &QButtonGroup::idClicked, this, [this] { Compute(); });
  outer->addWidget(timeBox_);

  // Mode 4: the azimuth.
  azimuthBox_ = new QGroupBox(this);
  auto* al = new QVBoxLayout(azimuthBox_);
  azimuth_ = InputField(azimuthBox_, "EdAzimuth", 120);
  al->addWidget(TaggedLabel(azimuthBox_, tc::kAzimuthQuestion, azimuth_));
  auto* azRow = new QHBoxLayout;
  azRow->addWidget(azimuth_);
  azRow->addWidget(TaggedLabel(azimuthBox_, tc::kDegrees));
  azRow->addStretch();
  al->addLayout(azRow);
  auto* scale = TaggedLabel(azimuthBox_, tc::kAzimuthScale);
  scale->setStyleSheet("font-family: monospace;");
  al->addWidget(scale);
  InstallKeyFilter(azimuth_, FieldKind::Real, nullptr);
  outer->addWidget(azimuthBox_);

  // Mode 1: the twilight kind.
  twilightBox_ = new QGroupBox(this);
  SetTag(twilightBox_, tc::kTwilightGroup);
  auto* wl = new QHBoxLayout(twilightBox_);
  auto* twilights = new QButtonGroup(twilightBox_);
  for (int k = 0; k < 3; ++k) {
    auto* b = new QRadioButton(twilightBox_);
    b->setObjectName(QString("RbTwilight%1").arg(k));
    SetTag(b, tc::kTwilightKinds[k]);
    twilights->addButton(b, k);
    wl->addWidget(b);
    twilights_[std::size_t(k)] = b;
  }
  wl->addStretch();
  connect(twilights, &QButtonGroup::idClicked, this, [this](int k) {
    shell::State().general.twilightKind = k;
    Compute();
  });
  outer->addWidget(twilightBox_);

  // Typing in any input field makes the shown results stale.
  for (QLineEdit* e : {year_, month_, day_, longitude_, latitude_, zone_, time_, azimuth_}) {
    connect(e, &QLineEdit::textEdited, this, [this] { ClearResults(); });
  }
}

QLineEdit* CalculatorWindow::AddResult(QGroupBox* panel, const QString& name) {
  auto* e = new QLineEdit(panel);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  // A right click anywhere in the window opens the window's pop-up menu.
  e->setContextMenuPolicy(Qt::NoContextMenu);
  e->setAlignment(Qt::AlignRight);
  QFont mono = e->font();
  mono.setFamily("Courier");
  mono.setStyleHint(QFont::TypeWriter);
  e->setFont(mono);
  e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(15, '0')));
  results_.push_back(e);
  return e;
}

void CalculatorWindow::BuildPanels() {
  auto* outer = static_cast<QVBoxLayout*>(layout());
  for (auto& p : panels_) {
    p = new QGroupBox(this);
    outer->addWidget(p);
  }
  const auto unit = [](QWidget* parent, texts::TextId tag) { return TaggedLabel(parent, tag); };

  // Mode 1: declination, equation of time, sun, twilight and moon.
  {
    QGroupBox* p = panels_[0];
    p->setObjectName("PanelRiseSet");
    auto* g = new QGridLayout(p);
    // One row per body: its name, the first event and the second.
    g->addWidget(unit(p, tc::kDeclination), 0, 0, 1, 2);
    g->addWidget(AddResult(p, "declination"), 0, 2);
    g->addWidget(unit(p, texts::astro::kDegreeUnit), 0, 3);
    g->addWidget(unit(p, tc::kEquationOfTime), 1, 0, 1, 2);
    g->addWidget(AddResult(p, "equationOfTime"), 1, 2);
    g->addWidget(unit(p, tc::kUnitMinSec), 1, 3);
    struct Row {
      texts::TextId head, first, second;
      const char* firstName;
      const char* secondName;
    };
    const Row rows[] = {
        {tc::kSun, tc::kRise, tc::kSet, "sunRise", "sunSet"},
        {tc::kTwilight, tc::kBegin, tc::kEnd, "twilightBegin", "twilightEnd"},
        {tc::kMoon, tc::kRise, tc::kSet, "moonRise", "moonSet"},
    };
    int r = 2;
    for (const Row& row : rows) {
      auto* head = unit(p, row.head);
      QFont bold = head->font();
      bold.setBold(true);
      head->setFont(bold);
      g->addWidget(head, r, 0);
      g->addWidget(unit(p, row.first), r, 1);
      g->addWidget(AddResult(p, row.firstName), r, 2);
      g->addWidget(unit(p, row.second), r, 3);
      g->addWidget(AddResult(p, row.secondName), r, 4);
      ++r;
    }
    g->addWidget(unit(p, tc::kSundialFastNote), r, 0, 1, 6);
    g->addWidget(unit(p, tc::kZoneTimeNote), r + 1, 0, 1, 6);
    g->setColumnStretch(5, 1);
  }
  // Mode 2: altitude, azimuth, equation of time, declination.
  {
    QGroupBox* p = panels_[1];
    p->setObjectName("PanelPosition");
    auto* g = new QGridLayout(p);
    g->addWidget(unit(p, tc::kAltitudeDegrees), 0, 0);
    g->addWidget(AddResult(p, "altitude"), 0, 1);
    g->addWidget(unit(p, tc::kAzimuthDegrees), 1, 0);
    g->addWidget(AddResult(p, "azimuth"), 1, 1);
    g->addWidget(unit(p, tc::kEquationOfTime), 2, 0);
    g->addWidget(AddResult(p, "positionEquationOfTime"), 2, 1);
    g->addWidget(unit(p, tc::kUnitMinSec), 2, 2);
    g->addWidget(unit(p, tc::kDeclinationPosition), 3, 0);
    g->addWidget(AddResult(p, "positionDeclination"), 3, 1);
    g->setColumnStretch(3, 1);
  }
  // Mode 4: the zone time and the altitude then.
  {
    QGroupBox* p = panels_[2];
    p->setObjectName("PanelTimeForAzimuth");
    auto* g = new QGridLayout(p);
    g->addWidget(unit(p, tc::kZoneTime), 0, 0);
    g->addWidget(AddResult(p, "zoneTime"), 0, 1);
    g->addWidget(unit(p, tc::kUnitHms), 0, 2);
    g->addWidget(unit(p, tc::kAltitude), 1, 0);
    g->addWidget(AddResult(p, "azimuthAltitude"), 1, 1);
    g->addWidget(unit(p, tc::kDegrees), 1, 2);
    g->addWidget(unit(p, tc::kZoneTimeNote), 2, 0, 1, 4);
    g->setColumnStretch(3, 1);
  }
  // Mode 8: declination and equation of time at 12:00 zone time.
  {
    QGroupBox* p = panels_[3];
    p->setObjectName("PanelEquationOfTime");
    auto* g = new QGridLayout(p);
    g->addWidget(unit(p, tc::kDeclination), 0, 0);
    g->addWidget(AddResult(p, "noonDeclination"), 0, 1);
    g->addWidget(unit(p, texts::astro::kDegreeUnit), 0, 2);
    g->addWidget(unit(p, tc::kEquationOfTime), 1, 0);
    g->addWidget(AddResult(p, "noonEquationOfTime"), 1, 1);
    g->addWidget(unit(p, tc::kUnitMinSec), 1, 2);
    g->addWidget(unit(p, tc::kNoonNote), 2, 0, 1, 4);
    g->addWidget(unit(p, tc::kSundialFastNote), 3, 0, 1, 4);
    g->setColumnStretch(3, 1);
  }
}

void CalculatorWindow::BuildButtons() {
  auto* outer = static_cast<QVBoxLayout*>(layout());
  openPage_ = new QLabel(this);
  openPage_->setObjectName("OpenPage");
  openPage_->setStyleSheet("color: #555;");
  outer->addWidget(openPage_);
  auto* row = new QHBoxLayout;
  const auto button = [this, row](const char* name, texts::TextId tag) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    SetTag(b, tag);
    row->addWidget(b);
    return b;
  };
  compute_ = button("BtCompute", tc::kCompute);
  tables_ = button("BtTables", tc::kTables);
  graph_ = button("BtGraph", tc::kGraph);
  altitudeGraph_ = button("BtAltitudeGraph", tc::kGraphAltitude);
  printWindow_ = button("BtPrint", tc::kPrintWindow);
  row->addStretch();
  close_ = button("BtClose", tc::kClose);
  compute_->setDefault(true);
  outer->addLayout(row);
  connect(compute_, &QPushButton::clicked, this, [this] { Compute(); });
  connect(tables_, &QPushButton::clicked, this, [this] { OpenTables(); });
  connect(graph_, &QPushButton::clicked, this, [this] { OpenGraph(kTablesEquationGraph); });
  connect(altitudeGraph_, &QPushButton::clicked, this, [this] { OpenGraph(kTablesSunPath); });
  connect(printWindow_, &QPushButton::clicked, this, [this] { PrintWindowImage(); });
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
}

void CalculatorWindow::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("CalculatorPopup");
  const auto add = [this](QMenu* menu, texts::TextId tag, std::function<void()> run) {
    QAction* a = menu->addAction(QString());
    SetTag(a, tag);
    connect(a, &QAction::triggered, this, std::move(run));
    return a;
  };
  add(popup_, tc::kMenuCompute, [this] { Compute(); });
  popup_->addSeparator();
  add(popup_, tc::kMenuPrintWithFeed, [this] { PrintWithPageEnd(); });
  add(popup_, tc::kMenuPrintWithoutFeed, [this] { PrintWithoutPageEnd(); });
  add(popup_, tc::kMenuPrintPage, [this] { PrintPage(); });
  popup_->addSeparator();
  QMenu* more = popup_->addMenu(QString());
  SetTag(more, tc::kMenuMoreTables);
  add(more, tc::kMenuRiseSetTable, [this] { OpenTable(kTablesRiseSet, 0); });
  add(more, tc::kMenuEquationOfTimeTable,
      [this] { OpenTable(kTablesYearly, kTableEquationOfTime); });
  add(more, tc::kMenuDeclinationTable, [this] { OpenTable(kTablesYearly, kTableDeclination); });
  add(more, tc::kMenuNoonTable, [this] { OpenTable(kTablesYearly, kTableTrueNoon); });
  add(popup_, tc::kMenuSunPathGraph, [this] { OpenGraph(kTablesSunPath); });
  add(popup_, tc::kMenuEquationOfTimeGraph, [this] { OpenGraph(kTablesEquationGraph); });
  popup_->addSeparator();
  add(popup_, tc::kMenuSaveDialData, [this] { SaveDialData(); });
  add(popup_, tc::kMenuLoadDialData, [this] { LoadDialData(); });
  popup_->addSeparator();
  add(popup_, tc::kClose, [this] { CloseWindow(); });
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event) {
  popup_->popup(event->globalPos());
  event->accept();
}

void CalculatorWindow::Fill() {
  const shell::SharedState& st = shell::State();
  shell::CalendarDate today = st.general.today;
  today.year = st.site.year;
  if (!astro::IsValidDate(today.year, today.month, today.day)) {
    today.month = std::clamp(today.month, 1, 12);
    today.day = std::clamp(today.day, 1, astro::DaysInMonth(today.year, today.month));
  }
  year_->setText(QString::number(today.year));
  month_->setText(QString::number(today.month));
  day_->setText(QString::number(today.day));
  longitude_->setText(RealText(13, 6, st.site.longitude));
  latitude_->setText(RealText(11, 6, st.site.latitude));
  zone_->setText(RealText(7, 2, st.site.zoneMeridian));
  const double seconds = std::round(st.general.timeOfDay * 86400.0);
  const int s = static_cast<int>(std::clamp(seconds, 0.0, 86400.0));
  time_->setText(QString("%1:%2:%3")
                     .arg(s / 3600, 2, 10, QChar('0'))
                     .arg(s / 60 % 60, 2, 10, QChar('0'))
                     .arg(s % 60, 2, 10, QChar('0')));
  azimuth_->setText(RealText(7, 2, st.general.azimuthInput));
  const int twilight = std::clamp(st.general.twilightKind, 0, 2);
  twilights_[std::size_t(twilight)]->setChecked(true);
  askZoneQuestion_ = calc::ZoneFarFromLongitude(st.site.longitude, st.site.zoneMeridian);
}

void CalculatorWindow::SetMode(int mode) {
  if (mode != kCalcPosition && mode != kCalcTimeForAzimuth && mode != kCalcEquationOfTime)
    mode = kCalcRiseSet;
  mode_ = mode;
  setProperty("calculatorMode", mode);
  SetHelpTopic(CalculatorHelpTopic(mode));
  timeBox_->setVisible(mode == kCalcPosition);
  azimuthBox_->setVisible(mode == kCalcTimeForAzimuth);
  twilightBox_->setVisible(mode == kCalcRiseSet);
  for (int i = 0; i < 4; ++i) panels_[std::size_t(i)]->setVisible(i == PanelIndex(mode));
  graph_->setVisible(mode == kCalcEquationOfTime);
  altitudeGraph_->setVisible(mode == kCalcPosition);
  ClearResults();
  UpdateCaption();
  UpdateOpenPage();
  // Another mode shows other inputs and another panel: fit the frame to them.
  if (QMdiSubWindow* frame = Frame(); frame && !frame->isMaximized()) {
    layout()->activate();
    adjustSize();
    frame->adjustSize();
  }
}

QGroupBox* CalculatorWindow::Panel(int mode) const { return panels_[std::size_t(PanelIndex(mode))]; }

QLineEdit* CalculatorWindow::Result(const QString& name) const {
  for (QLineEdit* e : results_) {
    if (e->objectName() == name) return e;
  }
  return nullptr;
}

void CalculatorWindow::ClearResults() {
  for (QLineEdit* e : results_) e->clear();
}

void CalculatorWindow::UpdateCaption() {
  SetCaptionText(Text(tc::kCaption) + "  -  " + QString(Menu(MenuOfMode(mode_))).remove('&').trimmed());
}

void CalculatorWindow::UpdateOpenPage() {
  const std::size_t waiting = shell::State().results.OpenPage().size();
  openPage_->setVisible(waiting > 0);
  if (waiting > 0) openPage_->setText(Text(tc::kOpenPageLines) + QString::number(waiting));
}

void CalculatorWindow::Retranslate() {
  TaskWindow::Retranslate();
  UpdateCaption();
  UpdateOpenPage();
}

// ---- field checks --------------------------------------------------------------

bool CalculatorWindow::CheckGap() {
  shell::CalendarDate date;
  const auto y = shell::ParseInteger(year_->text().toStdString());
  const auto m = shell::ParseInteger(month_->text().toStdString());
  const auto d = shell::ParseInteger(day_->text().toStdString());
  if (!y || !m || !d) return false;
  date.year = *y;
  date.month = *m;
  date.day = *d;
  if (!calc::CorrectGregorianGap(date)) return false;
  day_->setText(QString::number(date.day));
  return true;
}

bool CalculatorWindow::LeaveYear() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  int year = shell::State().site.year;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return true;
  year_->setText(QString::number(year));
  CheckGap();
  return false;
}

bool CalculatorWindow::LeaveMonth() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  int month = shell::State().general.today.month;
  if (CheckIntegerField(month_, month, FieldName(monthLabel_), 1, 12)) return true;
  month_->setText(QString::number(month));
  CheckGap();
  return false;
}

bool CalculatorWindow::LeaveDay() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  int day = shell::State().general.today.day;
  if (CheckIntegerField(day_, day, FieldName(dayLabel_), 1, 31)) return true;
  day_->setText(QString::number(day));
  CheckGap();
  return false;
}

bool CalculatorWindow::LeaveLongitude() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = shell::State().site.longitude;
  if (CheckRealField(longitude_, value, FieldName(longitudeLabel_), 180, -180)) {
    // The old longitude stays.
    longitude_->setText(RealText(13, 6, shell::State().site.longitude));
    return true;
  }
  askZoneQuestion_ =
      calc::ZoneFarFromLongitude(value, FieldReal(zone_, shell::State().site.zoneMeridian));
  return false;
}

bool CalculatorWindow::LeaveLatitude() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = shell::State().site.latitude;
  if (CheckRealField(latitude_, value, FieldName(latitudeLabel_), 90, -90)) return true;
  latitude_->setText(RealText(11, 6, value));
  return false;
}

bool CalculatorWindow::LeaveZone() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = shell::State().site.zoneMeridian;
  if (CheckRealField(zone_, value, FieldName(zoneLabel_), 180, -180)) {
    zone_->setText(RealText(7, 2, shell::State().site.zoneMeridian));
    return true;
  }
  askZoneQuestion_ =
      calc::ZoneFarFromLongitude(FieldReal(longitude_, shell::State().site.longitude), value);
  return false;
}

bool CalculatorWindow::LeaveTime() {
  const auto t = calc::ParseClockTime(time_->text().toStdString());
  timeNote_->setVisible(!t);
  if (!t) {
    time_->setText(Text(tc::kTimeError));
    time_->setFocus();
    time_->selectAll();
    return true;
  }
  time_->setText(Q(t->text));
  shell::State().general.timeOfDay = t->hours / 24.0;
  return false;
}

// Checks every date and site field as leaving it does and takes the values
// into the shared state. False when a field failed.
bool CalculatorWindow::CheckSiteFields() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  shell::SharedState& st = shell::State();
  int year = st.site.year;
  int month = st.general.today.month;
  int day = st.general.today.day;
  double longitude = st.site.longitude;
  double latitude = st.site.latitude;
  double zone = st.site.zoneMeridian;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return false;
  if (CheckIntegerField(month_, month, FieldName(monthLabel_), 1, 12)) return false;
  if (CheckIntegerField(day_, day, FieldName(dayLabel_), 1, 31)) return false;
  if (CheckRealField(longitude_, longitude, FieldName(longitudeLabel_), 180, -180)) {
    longitude_->setText(RealText(13, 6, st.site.longitude));
    return false;
  }
  if (CheckRealField(latitude_, latitude, FieldName(latitudeLabel_), 90, -90)) return false;
  if (CheckRealField(zone_, zone, FieldName(zoneLabel_), 180, -180)) {
    zone_->setText(RealText(7, 2, st.site.zoneMeridian));
    return false;
  }
  if (!astro::IsValidDate(year, month, day)) {
    shell::ShowMessage(shell::MessageKind::Error,
                       shell::MessageB(57) + "  " + std::to_string(year) + "/" +
                           std::to_string(month) + "/" + std::to_string(day) + " : 1 .. " +
                           std::to_string(astro::DaysInMonth(year, month)));
    day_->setFocus();
    day_->selectAll();
    return false;
  }
  shell::CalendarDate date{day, month, year};
  if (calc::CorrectGregorianGap(date)) day_->setText(QString::number(date.day));
  st.general.today = date;
  st.site.year = date.year;
  st.site.longitude = longitude;
  st.site.latitude = latitude;
  st.site.zoneMeridian = zone;
  year_->setText(QString::number(year));
  month_->setText(QString::number(month));
  latitude_->setText(RealText(11, 6, latitude));
  return true;
}

// ---- computing -------------------------------------------------------------------

bool CalculatorWindow::Compute() {
  if (!CheckSiteFields()) return false;
  shell::SharedState& st = shell::State();
  if (askZoneQuestion_) {
    const auto answer =
        shell::ShowMessage(shell::MessageKind::Warning, shell::Get(texts::ui::kZoneFarFromLongitude),
                           shell::MessageButtons::YesNo);
    if (answer != shell::MessageAnswer::Yes) return false;
    askZoneQuestion_ = false;
  }
  std::vector<std::string> lines;
  switch (mode_) {
    case kCalcRiseSet:
      if (!ComputeRiseSet(lines)) return false;
      break;
    case kCalcPosition:
      if (!ComputePosition(lines)) return false;
      break;
    case kCalcTimeForAzimuth:
      if (!ComputeTimeForAzimuth(lines)) return false;
      break;
    default: ComputeEquationOfTime(lines); break;
  }
  st.results.Append(
      calc::ResultBlock(st.site, st.general.today, lines, shell::CurrentLanguage()));
  return true;
}

bool CalculatorWindow::ComputeRiseSet(std::vector<std::string>& lines) {
  const shell::SharedState& st = shell::State();
  int twilight = 2;
  for (int k = 0; k < 3; ++k) {
    if (twilights_[std::size_t(k)]->isChecked()) twilight = k;
  }
  const calc::DayEvents e = calc::ComputeDayEvents(st.site, st.general.today,
                                                   static_cast<astro::TwilightKind>(twilight));
  const int language = shell::CurrentLanguage();
  Result("declination")->setText(Q(shell::FormatReal(6, 2, e.noon.declination)));
  Result("equationOfTime")->setText(Q(shell::FormatMinutesSeconds(e.noon.equationOfTime)));
  const auto show = [&](const astro::RiseSetResult& r, astro::RiseSetKind kind, const char* rise,
                        const char* set) {
    const calc::RiseSetTexts t = calc::FormatRiseSet(r, kind, language);
    const QString unit = t.withUnit ? Text(tc::kUnitHourMinute) : QString();
    Result(rise)->setText(Q(t.rise) + unit);
    Result(set)->setText(Q(t.set) + unit);
  };
  show(e.sun, astro::RiseSetKind::Sun, "sunRise", "sunSet");
  show(e.twilight, astro::RiseSetKind::Twilight, "twilightBegin", "twilightEnd");
  show(e.moon, astro::RiseSetKind::Moon, "moonRise", "moonSet");
  lines = calc::RiseSetLines(e, language);
  return true;
}

bool CalculatorWindow::ComputePosition(std::vector<std::string>& lines) {
  if (LeaveTime()) return false;
  const auto t = calc::ParseClockTime(time_->text().toStdString());
  calc::TimeKind kind = calc::TimeKind::Zone;
  if (timeKinds_[0]->isChecked()) kind = calc::TimeKind::TrueLocal;
  if (timeKinds_[1]->isChecked()) kind = calc::TimeKind::MeanLocal;
  const shell::SharedState& st = shell::State();
  const calc::PositionResult p = calc::ComputePosition(st.site, st.general.today, t->hours, kind);
  Result("altitude")->setText(Q(shell::FormatReal(7, 2, p.sun.altitude)));
  Result("azimuth")->setText(Q(shell::FormatReal(7, 2, p.sun.azimuth)));
  Result("positionEquationOfTime")->setText(Q(shell::FormatMinutesSeconds(p.sun.equationOfTime)));
  Result("positionDeclination")
      ->setText(Q(shell::FormatReal(7, 2, std::round(p.sun.declination * 100.0) / 100.0)));
  lines = calc::PositionLines(t->text, p, shell::CurrentLanguage());
  return true;
}

bool CalculatorWindow::ComputeTimeForAzimuth(std::vector<std::string>& lines) {
  const QString text = azimuth_->text().trimmed();
  if (text.isEmpty() || text == Q(shell::GetRawIn(tc::kInputMissing, 1)) ||
      text == Q(shell::GetRawIn(tc::kInputMissing, 2))) {
    azimuth_->setText(Text(tc::kInputMissing));
    azimuth_->setFocus();
    azimuth_->selectAll();
    return false;
  }
  shell::SharedState& st = shell::State();
  double azimuth = st.general.azimuthInput;
  if (CheckRealField(azimuth_, azimuth, FieldName(Text(texts::astro::kLineAzimuth)), 180, -180))
    return false;
  st.general.azimuthInput = azimuth;
  azimuth_->setText(RealText(7, 2, azimuth));
  const astro::AzimuthTimeResult r =
      calc::ComputeTimeForAzimuth(st.site, st.general.today, azimuth);
  const int language = shell::CurrentLanguage();
  if (r.solved) {
    std::string time = calc::AzimuthTimeText(r, language);
    if (const auto unit = time.find("  "); unit != std::string::npos && unit > 0)
      time.resize(unit);
    Result("zoneTime")->setText(Q(time).trimmed());
    Result("azimuthAltitude")->setText(Q(shell::FormatReal(5, 1, r.altitude)));
  }
  lines = calc::AzimuthLines(azimuth, r, language);
  return true;
}

void CalculatorWindow::ComputeEquationOfTime(std::vector<std::string>& lines) {
  const shell::SharedState& st = shell::State();
  const astro::SolarDay noon = calc::NoonValues(st.site, st.general.today);
  Result("noonDeclination")->setText(Q(shell::FormatReal(6, 2, noon.declination)));
  Result("noonEquationOfTime")->setText(Q(shell::FormatMinutesSeconds(noon.equationOfTime)));
  lines = calc::EquationOfTimeLines(noon, shell::CurrentLanguage());
}

// ---- printing the result list ------------------------------------------------------

bool CalculatorWindow::PrintLines(const std::vector<std::string>& lines) {
  QPrinter& printer = CalculatorPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  // Without a printer the same dialog prints into a PDF file.
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!TheCalculatorDialogs().printDialog(this, printer)) return false;
  TextPrintStyle style;  // Courier 11 point
  if (!PrintTextLines(printer, lines, style)) {
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
    return false;
  }
  return true;
}

void CalculatorWindow::Print() {
  shell::ResultList& results = shell::State().results;
  if (results.Empty()) {
    shell::ShowMessage(shell::MessageKind::Information, shell::Get(tc::kNothingToPrint));
    return;
  }
  const auto answer = shell::ShowMessage(shell::MessageKind::Question,
                                         shell::Get(tc::kPrintWithFeedQuestion),
                                         shell::MessageButtons::YesNoCancel);
  if (answer == shell::MessageAnswer::Yes) {
    PrintWithPageEnd();
  } else if (answer == shell::MessageAnswer::No) {
    PrintWithoutPageEnd();
  } else {
    results.RemoveLastBlock();
  }
}

void CalculatorWindow::PrintWithPageEnd() {
  shell::ResultList& results = shell::State().results;
  if (results.Empty() && results.OpenPage().empty()) {
    shell::ShowMessage(shell::MessageKind::Information, shell::Get(tc::kNothingToPrint));
    return;
  }
  // The list changes only once the page has gone to the printer.
  std::vector<std::string> page = results.OpenPage();
  page.insert(page.end(), results.Lines().begin(), results.Lines().end());
  if (PrintLines(page)) results.SendWithPageEnd();
  UpdateOpenPage();
}

void CalculatorWindow::PrintWithoutPageEnd() {
  shell::ResultList& results = shell::State().results;
  if (results.Empty()) {
    shell::ShowMessage(shell::MessageKind::Information, shell::Get(tc::kNothingToPrint));
    return;
  }
  results.SendWithoutPageEnd();
  UpdateOpenPage();
}

void CalculatorWindow::PrintPage() {
  shell::ResultList& results = shell::State().results;
  if (results.OpenPage().empty()) return;  // nothing waits: no empty sheet
  if (PrintLines(results.OpenPage())) results.EndPage();
  UpdateOpenPage();
}

void CalculatorWindow::PrintWindowImage() {
  QPrinter& printer = CalculatorPrinter();
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!TheCalculatorDialogs().printDialog(this, printer)) return;
  const QPixmap image = Frame() ? Frame()->grab() : grab();
  QPainter painter;
  if (!painter.begin(&printer)) {
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
    return;
  }
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
}

// ---- tables, graphs, dial data ---------------------------------------------------------

void CalculatorWindow::OpenTables() {
  switch (mode_) {
    case kCalcRiseSet: OpenTable(kTablesRiseSet, 0); break;
    case kCalcPosition: OpenTable(kTablesYearly, kTableDeclination); break;
    case kCalcTimeForAzimuth: OpenTable(kTablesYearly, kTableTrueNoon); break;
    default: OpenTable(kTablesYearly, kTableEquationOfTime); break;
  }
}

void CalculatorWindow::OpenTable(int mode, int tableKind) {
  // The tables use the twilight kind chosen here.
  for (int k = 0; k < 3; ++k) {
    if (twilights_[std::size_t(k)]->isChecked()) shell::State().general.twilightKind = k;
  }
  OpenTablesWindow(this, mode, tableKind);
}

void CalculatorWindow::OpenGraph(int mode) {
  // The graphs take the year, the longitude and the zone meridian shown here.
  CheckGuard guard(checking_);
  if (guard.Busy()) return;
  shell::SiteSettings& site = shell::State().site;
  int year = site.year;
  double longitude = site.longitude;
  double zone = site.zoneMeridian;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return;
  if (CheckRealField(longitude_, longitude, FieldName(longitudeLabel_), 180, -180)) {
    longitude_->setText(RealText(13, 6, site.longitude));
    return;
  }
  if (CheckRealField(zone_, zone, FieldName(zoneLabel_), 180, -180)) {
    zone_->setText(RealText(7, 2, site.zoneMeridian));
    return;
  }
  site.year = year;
  site.longitude = longitude;
  site.zoneMeridian = zone;
  OpenTablesWindow(this, mode, kTableEquationOfTime);
}

void CalculatorWindow::SaveDialData() {
  if (!CheckSiteFields()) return;
  const QString filter = Text(texts::ui::kDialDataFilter) + ";;" + Text(texts::ui::kAllFilesFilter);
  const QString path = TheCalculatorDialogs().saveFile(
      this, Q(shell::FileDialogTitle(2)), "myDial.kel", filter);
  if (path.isEmpty()) return;
  bridge::SaveDialData(path.toStdString());
}

void CalculatorWindow::LoadDialData() {
  const QString filter = Text(texts::ui::kDialDataFilter) + ";;" + Text(texts::ui::kAllFilesFilter);
  const QString path =
      TheCalculatorDialogs().openFile(this, Q(shell::FileDialogTitle(3)), filter);
  if (path.isEmpty()) return;
  if (!bridge::LoadDialData(path.toStdString())) return;
  // The file may bring another language and another site.
  shell::SelectLanguage(shell::State().general.languageIsGerman);
  ApplyLanguage();
  ClearResults();
  Fill();
  emit SiteChanged();
}

}  // namespace kelvra::ui
