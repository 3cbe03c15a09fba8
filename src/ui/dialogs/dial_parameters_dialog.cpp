#include "ui/dialogs/dial_parameters_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "ui/common/core_bridge.h"
#include "ui/common/field_checks.h"

namespace kelvra::ui {

namespace {

config::DialParameters& D() { return config::Dial(); }
bool Expert() { return shell::State().general.expertMode; }

QString Real(int width, int decimals, double x) {
  return QString::fromStdString(shell::FormatReal(width, decimals, x)).trimmed();
}

constexpr int kFirstPageCaption = 1600;
constexpr int kBitteKorrigieren = 1530;

// The six hour-line systems of the planar page.
enum System { kApparent, kMean, kBabylonian, kItalian, kTemporal, kAltitude };

// List contents by system: 0 clock hours, 1 temporal hours, 2 altitudes.
int ListKind(int system) {
  return system == kTemporal ? 1 : system == kAltitude ? 2 : 0;
}

}  // namespace

int DialParametersDialog::PageForKind(char kind, bool umbrella, bool expertMode) {
  config::DialParameters d;
  d.kind = kind;
  d.umbrella = umbrella;
  return static_cast<int>(config::PageFor(d, expertMode));
}

DialParametersDialog::DialParametersDialog(bool wizard, QWidget* parent)
    : TaskWindow(QStringLiteral("DialParametersDialog"), 3, parent), wizard_(wizard) {
  auto* outer = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  pages_ = new QTabWidget(this);
  pages_->setObjectName("Pages");
  close_ = new QPushButton(this);
  close_->setObjectName("CloseButton");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelButton");
  pages_->addTab(BuildPlanarPage(), QString());
  for (int p = 1; p < 10; ++p) {
    auto* page = new QWidget(pages_);
    auto* l = new QVBoxLayout(page);
    auto* note = new QLabel(page);
    SetTag(note, 1665);
    note->setAlignment(Qt::AlignCenter);
    l->addWidget(note);
    pages_->addTab(page, QString());
  }
  body->addWidget(pages_, 1);
  ownGroup_ = BuildOwnDateGroup();
  body->addWidget(ownGroup_);
  outer->addLayout(body);

  auto* hints = new QHBoxLayout;
  auto* h1 = new QLabel(this);
  SetTag(h1, 1663);
  auto* h2 = new QLabel(this);
  SetTag(h2, 1664);
  for (QLabel* h : {h1, h2}) {
    h->setStyleSheet("color: #555;");
    hints->addWidget(h);
  }
  hints->addStretch();
  hints->addWidget(cancel_);
  hints->addWidget(close_);
  outer->addLayout(hints);
  SetTag(close_, wizard_ ? 1518 : 1667);
  SetTag(cancel_, 1570);
  cancel_->setVisible(wizard_);
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { emit CancelWizard(); });

  // Opening: derived values first, then the page of the kind.
  config::DialParameters& d = D();
  if (!Expert()) {
    d.altitudeVariant = 0;
    if (d.azimuthCircleMode > 2) d.azimuthCircleMode -= 3;
  }
  const double obliquity = astro::CurrentZodiac().roundedObliquity;
  config::DeriveHabermelGnomon(d, shell::State().site.latitude, obliquity);
  config::DeriveMaxShadowLength(d, shell::State().site.latitude, obliquity);
  const config::DialKindRow& row = config::KindRow(d);
  if (row.umbrella && row.Has(config::kHorizontalFace)) d.wallDeclination = 0;
  FillLists();
  Fill();
  currentPage_ = PageForKind(d.kind, d.umbrella, Expert());
  pages_->setCurrentIndex(currentPage_);
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    if (filling_ || page == currentPage_) return;
    if (currentPage_ == 0 && !CheckPlanarPage()) {
      filling_ = true;
      pages_->setCurrentIndex(currentPage_);
      filling_ = false;
      return;
    }
    currentPage_ = page;
    // An empty last entry of the own list is dropped when a page is shown.
    if (ownDates_->count() > 0 && ownDates_->item(ownDates_->count() - 1)->text().trimmed().isEmpty())
      delete ownDates_->takeItem(ownDates_->count() - 1);
    ownGroup_->setVisible(page <= 1);
    UpdateCaption();
  });
  ownGroup_->setVisible(currentPage_ <= 1);
  if (wizard_) SetCaptionTag(1453, " 3");
  Retranslate();
}

QWidget* DialParametersDialog::BuildPlanarPage() {
  auto* page = new QWidget(pages_);
  auto* grid = new QGridLayout(page);

  // Plane and gnomon.
  auto* plane = new QGroupBox(page);
  SetTag(plane, 1617);
  auto* pl = new QGridLayout(plane);
  auto edit = [this](QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaximumWidth(80);
    e->setAlignment(Qt::AlignRight);
    InstallKeyFilter(e, FieldKind::Real, close_);
    return e;
  };
  wallLabel_ = new QLabel(plane);
  SetTag(wallLabel_, 1618);
  wall_ = edit(plane, "EdWall");
  auto* wallHint = new QLabel(plane);
  SetTag(wallHint, 1619);
  wallHint->setStyleSheet("color: #555;");
  inclinationLabel_ = new QLabel(plane);
  SetTag(inclinationLabel_, 1620);
  inclination_ = edit(plane, "EdInclination");
  gnomonLabel_ = new QLabel(plane);
  SetTag(gnomonLabel_, 1621);
  gnomon_ = edit(plane, "EdGnomon");
  wallLabel_->setBuddy(wall_);
  inclinationLabel_->setBuddy(inclination_);
  gnomonLabel_->setBuddy(gnomon_);
  pl->addWidget(wallLabel_, 0, 0);
  pl->addWidget(wall_, 0, 1);
  pl->addWidget(wallHint, 0, 2);
  pl->addWidget(inclinationLabel_, 1, 0);
  pl->addWidget(inclination_, 1, 1);
  pl->addWidget(gnomonLabel_, 2, 0);
  pl->addWidget(gnomon_, 2, 1);
  connect(gnomon_, &QLineEdit::editingFinished, this, [this] { LeaveGnomon(); });
  grid->addWidget(plane, 0, 0);

  auto makeLists = [this](QWidget* parent, QGridLayout* l, int row, int col, int system) {
    for (int k = 0; k < 3; ++k) {
      auto* c = new QComboBox(parent);
      c->setObjectName(QString("List%1%2").arg(system).arg(k));
      lists_[system][k] = c;
      l->addWidget(c, row, col + k);
      connect(c, &QComboBox::currentIndexChanged, this, [this, system, k](int index) {
        if (filling_ || index < 0) return;
        config::DialParameters& d = D();
        const int kind = ListKind(system);
        const int value = kind == 2 && k < 2 ? 10 * (index + 1) : index;
        int* fields[6][3] = {
            {&d.hoursFrom, &d.hoursTo, &d.hourInterval},
            {&d.eotHoursFrom, &d.eotHoursTo, &d.eotHourInterval},
            {&d.babylonianFrom, &d.babylonianTo, &d.babylonianInterval},
            {&d.italianFrom, &d.italianTo, &d.italianInterval},
            {&d.temporalFrom, &d.temporalTo, &d.temporalInterval},
            {&d.altitudeFrom, &d.altitudeTo, &d.altitudeInterval}};
        // The fifth mean-time interval (10 min) is stored as 6.
        *fields[system][k] = (system == kMean && k == 2 && index == 4) ? 6 : value;
      });
    }
  };

  // Apparent and mean time hour lines.
  auto* hours = new QGroupBox(page);
  SetTag(hours, 1622);
  auto* hl = new QGridLayout(hours);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, 1624 + k);
    hl->addWidget(h, 0, 1 + k);
  }
  hoursApparent_ = new QCheckBox(hours);
  SetTag(hoursApparent_, 1623);
  hl->addWidget(hoursApparent_, 1, 0);
  makeLists(hours, hl, 1, 1, kApparent);
  auto* apparentTime = new QLabel(hours);
  SetTag(apparentTime, 1627);
  apparentLocal_ = new QRadioButton(hours);
  apparentZone_ = new QRadioButton(hours);
  SetTag(apparentLocal_, 1628);
  SetTag(apparentZone_, 1629);
  auto* g1 = new QButtonGroup(hours);
  g1->addButton(apparentLocal_);
  g1->addButton(apparentZone_);
  hl->addWidget(apparentTime, 2, 0);
  hl->addWidget(apparentLocal_, 2, 1, 1, 1);
  hl->addWidget(apparentZone_, 2, 2, 1, 2);
  linesToFoot_ = new QCheckBox(hours);
  SetTag(linesToFoot_, 1630);
  hl->addWidget(linesToFoot_, 3, 0, 1, 4);
  hoursWithEot_ = new QCheckBox(hours);
  SetTag(hoursWithEot_, 1631);
  hl->addWidget(hoursWithEot_, 4, 0);
  makeLists(hours, hl, 4, 1, kMean);
  auto* meanTime = new QLabel(hours);
  SetTag(meanTime, 1627);
  meanLocal_ = new QRadioButton(hours);
  meanZone_ = new QRadioButton(hours);
  SetTag(meanLocal_, 1628);
  SetTag(meanZone_, 1629);
  auto* g2 = new QButtonGroup(hours);
  g2->addButton(meanLocal_);
  g2->addButton(meanZone_);
  hl->addWidget(meanTime, 5, 0);
  hl->addWidget(meanLocal_, 5, 1);
  hl->addWidget(meanZone_, 5, 2, 1, 2);
  grid->addWidget(hours, 1, 0);

  // Additional lines.
  auto* extra = new QGroupBox(page);
  SetTag(extra, 1632);
  auto* el = new QGridLayout(extra);
  babylonian_ = new QCheckBox(extra);
  SetTag(babylonian_, 1633);
  italian_ = new QCheckBox(extra);
  SetTag(italian_, 1634);
  temporal_ = new QCheckBox(extra);
  SetTag(temporal_, 1635);
  altitude_ = new QCheckBox(extra);
  SetTag(altitude_, 1637);
  el->addWidget(babylonian_, 0, 0);
  makeLists(extra, el, 0, 1, kBabylonian);
  el->addWidget(italian_, 1, 0);
  makeLists(extra, el, 1, 1, kItalian);
  el->addWidget(temporal_, 2, 0);
  makeLists(extra, el, 2, 1, kTemporal);
  extendTemporal_ = new QCheckBox(extra);
  SetTag(extendTemporal_, 1636);
  el->addWidget(extendTemporal_, 3, 0, 1, 4);
  el->addWidget(altitude_, 4, 0);
  makeLists(extra, el, 4, 1, kAltitude);
  polarTriangle_ = new QCheckBox(extra);
  SetTag(polarTriangle_, 1638);
  el->addWidget(polarTriangle_, 5, 0, 1, 4);
  grid->addWidget(extra, 0, 1, 2, 1);

  // Date lines and the analemma.
  auto* dates = new QGroupBox(page);
  SetTag(dates, 1639);
  auto* dl = new QGridLayout(dates);
  auto* count = new QLabel(dates);
  SetTag(count, 1640);
  dateMode_ = new QComboBox(dates);
  dateMode_->setObjectName("DateLineChoice");
  count->setBuddy(dateMode_);
  sunshine_ = new QCheckBox(dates);
  SetTag(sunshine_, 1645);
  dl->addWidget(count, 0, 0);
  dl->addWidget(dateMode_, 0, 1);
  dl->addWidget(sunshine_, 1, 0, 1, 2);
  connect(dateMode_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    // The fifth, blank entry stands for the own list.
    const int mode = index == 4 ? 2 : index;
    D().dateLineMode = mode;
    if (index == 4) {
      filling_ = true;
      dateMode_->setCurrentIndex(2);
      filling_ = false;
    }
    UpdateEnabling();
    emit DateModeChanged(mode);
  });
  grid->addWidget(dates, 2, 0);

  auto* loop = new QGroupBox(page);
  auto* ll = new QGridLayout(loop);
  markAnalemma_ = new QCheckBox(loop);
  SetTag(markAnalemma_, 1646);
  analemmaHour_ = new QLineEdit(loop);
  analemmaHour_->setObjectName("EdAnalemmaHour");
  analemmaHour_->setMaximumWidth(40);
  analemmaHour_->setAlignment(Qt::AlignRight);
  InstallKeyFilter(analemmaHour_, FieldKind::Integer, close_);
  analemmaLabel_ = new QLabel(loop);
  SetTag(analemmaLabel_, 1647);
  analemmaLabel_->setBuddy(analemmaHour_);
  auto* every = new QLabel(loop);
  SetTag(every, 1648);
  analemmaDays_ = new QComboBox(loop);
  analemmaDays_->setObjectName("AnalemmaDays");
  ll->addWidget(markAnalemma_, 0, 0);
  ll->addWidget(analemmaHour_, 0, 1);
  ll->addWidget(analemmaLabel_, 0, 2);
  ll->addWidget(every, 1, 0);
  ll->addWidget(analemmaDays_, 1, 1, 1, 2);
  grid->addWidget(loop, 2, 1);

  // Switches store their field at once and update the enabling rules.
  auto bindCheck = [this](QCheckBox* box, bool config::DialParameters::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      if (filling_) return;
      D().*field = on;
      UpdateEnabling();
    });
  };
  bindCheck(hoursApparent_, &config::DialParameters::hoursApparent);
  bindCheck(linesToFoot_, &config::DialParameters::linesToFoot);
  bindCheck(hoursWithEot_, &config::DialParameters::hoursWithEot);
  bindCheck(babylonian_, &config::DialParameters::babylonianHours);
  bindCheck(italian_, &config::DialParameters::italianHours);
  bindCheck(temporal_, &config::DialParameters::temporalHours);
  bindCheck(extendTemporal_, &config::DialParameters::extendTemporal);
  bindCheck(altitude_, &config::DialParameters::altitudeLines);
  bindCheck(polarTriangle_, &config::DialParameters::polarTriangle);
  bindCheck(sunshine_, &config::DialParameters::sunshineDurationLines);
  bindCheck(markAnalemma_, &config::DialParameters::markAnalemma);
  connect(apparentLocal_, &QRadioButton::toggled, this, [this](bool on) {
    if (!filling_) D().planarLocalTime = on;
  });
  connect(meanLocal_, &QRadioButton::toggled, this, [this](bool on) {
    if (!filling_) D().meanTimeLocal = on;
  });
  connect(analemmaDays_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!filling_ && index >= 0) D().analemmaDays = index;
  });
  return page;
}

QWidget* DialParametersDialog::BuildOwnDateGroup() {
  auto* group = new QGroupBox(this);
  group->setObjectName("OwnDateGroup");
  SetTag(group, 1654);
  auto* l = new QVBoxLayout(group);
  auto* listLabel = new QLabel(group);
  SetTag(listLabel, 1655);
  ownDates_ = new QListWidget(group);
  ownDates_->setObjectName("OwnDateList");
  ownDates_->setMinimumWidth(220);
  auto* maskLabel = new QLabel(group);
  SetTag(maskLabel, 1656);
  dateMask_ = new QLineEdit(group);
  dateMask_->setObjectName("OwnDateMask");
  dateMask_->setPlaceholderText("dd/mm");
  dateMask_->setMaxLength(5);
  maskLabel->setBuddy(dateMask_);
  // Enter in the mask only moves on to the close button.
  connect(dateMask_, &QLineEdit::returnPressed, this, [this] { close_->setFocus(); });
  auto* add = new QPushButton(group);
  SetTag(add, 1657);
  auto* remove = new QPushButton(group);
  SetTag(remove, 1658);
  auto* save = new QPushButton(group);
  SetTag(save, 1659);
  auto* load = new QPushButton(group);
  SetTag(load, 1660);
  save->setEnabled(bridge::HaveSettingsFiles());
  load->setEnabled(bridge::HaveSettingsFiles());
  connect(add, &QPushButton::clicked, this, [this] { AddOwnDate(); });
  connect(remove, &QPushButton::clicked, this, [this] { DeleteOwnDate(); });
  connect(save, &QPushButton::clicked, this, [] { bridge::SaveOwnDates(); });
  connect(load, &QPushButton::clicked, this, [this] {
    if (bridge::LoadOwnDates()) FillOwnDates();
  });
  l->addWidget(listLabel);
  l->addWidget(ownDates_, 1);
  l->addWidget(maskLabel);
  l->addWidget(dateMask_);
  for (QPushButton* b : {add, remove, save, load}) l->addWidget(b);
  return group;
}

void DialParametersDialog::FillLists() {
  const bool wasFilling = filling_;
  filling_ = true;
  const QString uhr = Text(1666);
  for (int s = 0; s < 6; ++s) {
    for (int k = 0; k < 3; ++k) lists_[s][k]->clear();
    const int kind = ListKind(s);
    for (int k = 0; k < 2; ++k) {
      QComboBox* c = lists_[s][k];
      if (kind == 0) {
        for (int h = 0; h <= 24; ++h) c->addItem(" " + QString::number(h) + uhr);
      } else if (kind == 1) {
        for (int h = 0; h <= 12; ++h) c->addItem(" " + QString::number(h));
      } else {
        for (int a = 10; a <= 80; a += 10) c->addItem(" " + QString::number(a) + "°");
      }
    }
    QComboBox* interval = lists_[s][2];
    if (kind == 0) {
      const int entries = (s == kBabylonian || s == kItalian) ? 4 : 5;
      const char* minutes[5] = {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"};
      for (int i = 0; i < entries; ++i) interval->addItem(minutes[i]);
    } else if (kind == 1) {
      for (const char* t : {"1", "0.5", "0.333", "0.25"}) interval->addItem(t);
    } else {
      for (const char* t : {"10 °", "  5 °", " 2.5 °"}) interval->addItem(t);
    }
  }
  dateMode_->clear();
  for (int i = 0; i < 4; ++i) dateMode_->addItem(Text(1641 + i));
  dateMode_->addItem(QString());
  analemmaDays_->clear();
  for (int i = 0; i < 5; ++i) analemmaDays_->addItem(Text(1649 + i));
  filling_ = wasFilling;
}

void DialParametersDialog::Fill() {
  filling_ = true;
  const config::DialParameters& d = D();
  wall_->setText(Real(7, 2, d.wallDeclination));
  inclination_->setText(Real(7, 2, d.inclination));
  gnomon_->setText(Real(6, 2, d.gnomonHeight));
  const bool inclined = config::KindRow(d).Has(config::kInclinedFace);
  inclinationLabel_->setVisible(inclined);
  inclination_->setVisible(inclined);
  hoursApparent_->setChecked(d.hoursApparent);
  linesToFoot_->setChecked(d.linesToFoot);
  hoursWithEot_->setChecked(d.hoursWithEot);
  babylonian_->setChecked(d.babylonianHours);
  italian_->setChecked(d.italianHours);
  temporal_->setChecked(d.temporalHours);
  extendTemporal_->setChecked(d.extendTemporal);
  altitude_->setChecked(d.altitudeLines);
  polarTriangle_->setChecked(d.polarTriangle);
  sunshine_->setChecked(d.sunshineDurationLines);
  markAnalemma_->setChecked(d.markAnalemma);
  apparentLocal_->setChecked(d.planarLocalTime);
  apparentZone_->setChecked(!d.planarLocalTime);
  meanLocal_->setChecked(d.meanTimeLocal);
  meanZone_->setChecked(!d.meanTimeLocal);
  const int values[6][3] = {
      {d.hoursFrom, d.hoursTo, d.hourInterval},
      {d.eotHoursFrom, d.eotHoursTo, d.eotHourInterval == 6 ? 4 : d.eotHourInterval},
      {d.babylonianFrom, d.babylonianTo, d.babylonianInterval},
      {d.italianFrom, d.italianTo, d.italianInterval},
      {d.temporalFrom, d.temporalTo, d.temporalInterval},
      {d.altitudeFrom / 10 - 1, d.altitudeTo / 10 - 1, d.altitudeInterval}};
  for (int s = 0; s < 6; ++s) {
    for (int k = 0; k < 3; ++k) {
      QComboBox* c = lists_[s][k];
      c->setCurrentIndex(std::clamp(values[s][k], 0, c->count() - 1));
    }
  }
  dateMode_->setCurrentIndex(std::clamp(d.dateLineMode, 0, 3));
  analemmaHour_->setText(QString::number(d.analemmaHour));
  analemmaDays_->setCurrentIndex(std::clamp(d.analemmaDays, 0, 4));
  FillOwnDates();
  filling_ = false;
  UpdateEnabling();
}

void DialParametersDialog::FillOwnDates() {
  ownDates_->clear();
  const auto& lines = shell::State().general.ownDateLines;
  if (lines.empty()) {
    ownDates_->addItem(QString::fromUtf8("21/03    (  21. März )"));
  } else {
    for (const std::string& line : lines) ownDates_->addItem(QString::fromStdString(line));
  }
}

void DialParametersDialog::StoreOwnDates() {
  std::vector<std::string>& lines = shell::State().general.ownDateLines;
  lines.clear();
  for (int i = 0; i < ownDates_->count(); ++i) {
    const QString text = ownDates_->item(i)->text();
    if (!text.trimmed().isEmpty()) lines.push_back(text.toStdString());
  }
}

void DialParametersDialog::UpdateEnabling() {
  const config::DialParameters& d = D();
  const bool on[6] = {d.hoursApparent, d.hoursWithEot, d.babylonianHours,
                      d.italianHours,  d.temporalHours, d.altitudeLines};
  // Lists of a switched-off system are greyed but stay selectable.
  for (int s = 0; s < 6; ++s) {
    for (QComboBox* c : lists_[s]) {
      c->setStyleSheet(on[s] ? "QComboBox { background: #ffffe1; }"
                             : "QComboBox { background: silver; color: grey; }");
    }
  }
  linesToFoot_->setEnabled(d.hoursApparent);
  extendTemporal_->setEnabled(d.temporalHours && shell::State().site.latitude > 0);
  const QString grey = "background: silver; color: grey;";
  analemmaHour_->setStyleSheet(d.markAnalemma ? QString() : grey);
  analemmaDays_->setStyleSheet(d.markAnalemma ? QString() : "QComboBox { " + grey + " }");
  ownDates_->setStyleSheet(d.dateLineMode == 2 ? QString() : "QListWidget { " + grey + " }");
}

void DialParametersDialog::UpdateCaption() {
  const config::DialParameters& d = D();
  const int page = pages_->currentIndex();
  QString caption;
  const config::DialKindRow& row = config::KindRow(d);
  if (page <= 1 && (page == 0 || row.umbrella)) {
    // The dial's own name, the horizontal dial for the kinds without a plane.
    caption = Text(row.pageCaption ? row.pageCaption : config::KindRow('h').pageCaption);
  } else {
    caption = Text(1610) + Text(kFirstPageCaption + page).trimmed();
  }
  if (wizard_) caption = Text(1453) + " 3:  " + caption;
  SetCaptionText(caption);
}

// ---- checks --------------------------------------------------------------------

bool DialParametersDialog::LeaveGnomon() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  const config::Range r = config::FindGnomonRange("gnomonHeight")->parameterDialog;
  double v = D().gnomonHeight;
  if (CheckRealField(gnomon_, v, FieldName(gnomonLabel_), r.max, r.min)) return true;
  D().gnomonHeight = v;
  return false;
}

bool DialParametersDialog::CheckPlanarPage() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  config::DialParameters& d = D();
  auto fail = [](QLineEdit* field) {
    field->setFocus();
    shell::ShowMessage(shell::MessageKind::Error, Text(kBitteKorrigieren).toStdString());
    return false;
  };
  int hour = d.analemmaHour;
  if (CheckIntegerField(analemmaHour_, hour, FieldName(analemmaLabel_), 1, 23))
    return fail(analemmaHour_);
  d.analemmaHour = hour;
  if (inclination_->isVisibleTo(this)) {
    double inc = d.inclination;
    if (CheckRealField(inclination_, inc, FieldName(inclinationLabel_), 175, 0))
      return fail(inclination_);
    d.inclination = inc;
  }
  double wall = d.wallDeclination;
  if (CheckRealField(wall_, wall, FieldName(wallLabel_), 180, -180)) return fail(wall_);
  d.wallDeclination = std::fabs(wall) == 180 ? 179.999999 : wall;
  const auto gnomon = shell::ParseReal(shell::FilterRealText(gnomon_->text().toStdString()));
  if (!gnomon || !(*gnomon > 0)) {
    shell::ShowMessage(shell::MessageKind::Error, Text(1661).toStdString());
    gnomon_->setText(Real(6, 2, d.gnomonHeight));
    return fail(gnomon_);
  }
  d.gnomonHeight = *gnomon;
  return true;
}

bool DialParametersDialog::AddOwnDate() {
  const QString text = dateMask_->text().trimmed();
  if (text.isEmpty()) {
    dateMask_->setFocus();
    return false;
  }
  const astro::DayMonth date = astro::ParseDayMonth(text.toStdString(), true);
  if (!date.valid) {
    dateMask_->setFocus();
    return false;
  }
  const QString entry = QString::fromStdString(date.normalForm) + "    ( " +
                        QString::fromStdString(date.displayText) + " )";
  int row = 0;
  for (; row < ownDates_->count(); ++row) {
    const std::string existing = ownDates_->item(row)->text().left(5).toStdString();
    const astro::DayMonth other = astro::ParseDayMonth(existing, false);
    if (other.valid && other.key >= date.key) break;
  }
  ownDates_->insertItem(row, entry);
  StoreOwnDates();
  dateMask_->clear();
  dateMask_->setFocus();
  return true;
}

void DialParametersDialog::DeleteOwnDate() {
  const int row = ownDates_->currentRow();
  if (row < 0) return;
  delete ownDates_->takeItem(row);
  StoreOwnDates();
}

bool DialParametersDialog::MayClose() {
  if (checking_) return false;
  if (pages_->currentIndex() == 0 || currentPage_ == 0) {
    if (!CheckPlanarPage()) return false;
  }
  StoreOwnDates();
  return true;
}

void DialParametersDialog::Retranslate() {
  TaskWindow::Retranslate();
  SetTag(close_, wizard_ ? 1518 : 1667);
  for (int p = 0; p < pages_->count(); ++p) pages_->setTabText(p, Text(kFirstPageCaption + p));
  filling_ = true;
  FillLists();
  filling_ = false;
  Fill();
  UpdateCaption();
}

}  // namespace kelvra::ui
