#include "ui/dialogs/pages/bifilar_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/bifilar.h"
#include "texts/planar.h"
#include "texts/ui.h"
#include "ui/common/field_checks.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

constexpr int kBifilarEntry = 13;  // the bifilar dial in the dial type dialog's list

config::DialParameters& D() { return config::Dial(); }
bool Expert() { return shell::State().general.expertMode; }

// True for a dial on the inclined plane (the desk of the umbrella dial).
bool InclinedPlane(const config::DialParameters& d) {
  return config::KindRow(d.kind, d.umbrella).Has(config::kInclinedFace);
}

// "P1.x = " .. "P2.z = " and "P3.x = " .. "P4.z = ".
texts::TextId PointLabel(int n, int c) {
  const int i = 3 * ((n - 1) % 2) + c;
  return n <= 2 ? texts::bifilar::kPoints12[i] : texts::ui::kBifilarPoints34[i];
}

std::string PointName(int n, int c) {
  return "bifilarThreads.p" + std::to_string(n) + "." + std::string(1, "xyz"[c]);
}

// The four date-line choices and a blank fifth entry that stands for the own list.
ListSpec DateLineList() {
  return {[] {
            QStringList entries;
            for (int i = 0; i < 4; ++i) entries << Text(texts::ui::kDateLineChoices[i]);
            entries << QString();
            return entries;
          },
          [](int entry) { return entry == 4 ? 2 : entry; }};
}

// The mean-time interval list has a fifth entry, 10 min, stored as 6.
ListSpec MeanIntervalList() {
  ListSpec intervals = MinuteIntervalList(5);
  intervals.valueOf = [](int entry) { return entry == 4 ? 6 : entry; };
  intervals.entryOf = [](int value) { return value == 6 ? 4 : value; };
  return intervals;
}

ListSpec AnalemmaDayList() {
  return {[] {
    QStringList entries;
    for (int i = 0; i < 5; ++i) entries << Text(texts::ui::kAnalemmaDays[i]);
    return entries;
  }};
}

// A wall declination of exactly 180 degrees either way is kept inside the range.
double InsideHalfTurn(double wall) { return std::fabs(wall) == 180 ? 179.99999 : wall; }

const config::FieldInfo& Field(const std::string& name) { return *config::FindField(name); }

QString Decimals(int width, int decimals, double x) {
  return QString::fromStdString(shell::FormatReal(width, decimals, x)).trimmed();
}

}  // namespace

BifilarPage::BifilarPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Bifilar, context, parent) {
  auto* outer = new QVBoxLayout(this);

  // The choice between the two dials.
  auto* choice = new QHBoxLayout;
  auto* choiceGroup = choiceGroup_ = new QButtonGroup(this);
  bifilarChoice_ = new QRadioButton(this);
  bifilarChoice_->setObjectName("BifilarChoice");
  umbrellaChoice_ = new QRadioButton(this);
  umbrellaChoice_->setObjectName("UmbrellaChoice");
  SetTag(bifilarChoice_, texts::ui::kBifilarChoice);
  SetTag(umbrellaChoice_, texts::ui::kUmbrellaChoice);
  choiceGroup->addButton(bifilarChoice_);
  choiceGroup->addButton(umbrellaChoice_);
  choice->addWidget(bifilarChoice_);
  choice->addWidget(umbrellaChoice_);
  choice->addStretch();
  outer->addLayout(choice);
  connect(bifilarChoice_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !Filling()) ChooseBifilar();
  });
  connect(umbrellaChoice_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !Filling()) ChooseUmbrella();
  });

  // ---- the bifilar group ----------------------------------------------------------
  auto* bifilar = new QWidget(this);
  bifilar->setObjectName("BifilarGroup");
  bifilarGroup_ = bifilar;
  auto* bl = new QGridLayout(bifilar);
  classic_ = AddSwitch("michnikClassic", texts::ui::kBifilarClassic, bifilar);
  bl->addWidget(classic_, 0, 0, 1, 2);
  for (int thread = 0; thread < 2; ++thread) {
    auto* box = new QGroupBox(bifilar);
    SetTag(box, thread == 0 ? texts::ui::kBifilarThread1 : texts::ui::kBifilarThread2);
    auto* tl = new QGridLayout(box);
    for (int k = 0; k < 2; ++k) {
      const int n = 2 * thread + k + 1;
      for (int c = 0; c < 3; ++c) {
        Edit& e = AddEdit(PointName(n, c), PointLabel(n, c), box).Shown(6, 1);
        points_[n - 1][c] = &e;
        tl->addWidget(e.label, k, 2 * c);
        tl->addWidget(e.edit, k, 2 * c + 1);
      }
    }
    // The second end takes the height of the first.
    const int second = 2 * thread + 1;
    points_[second][2]->edit->setReadOnly(true);
    points_[second][2]->Closing(CloseCheck::None);
    bl->addWidget(box, 1 + thread, 0, 1, 2);
  }
  auto* hours = new QGroupBox(bifilar);
  SetTag(hours, texts::ui::kHourLines);
  auto* hl = new QGridLayout(hours);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, texts::ui::kRangeHeads[k]);
    hl->addWidget(h, 0, 1 + k);
  }
  hoursApparent_ = AddSwitch("hoursApparent", texts::ui::kApparentHours, hours);
  hl->addWidget(hoursApparent_, 1, 0);
  hourLists_[0] = AddList("hoursFrom", ClockHourList(), hours);
  hourLists_[1] = AddList("hoursTo", ClockHourList(), hours);
  hourLists_[2] = AddList("hourInterval", MinuteIntervalList(5), hours);
  for (int k = 0; k < 3; ++k) hl->addWidget(hourLists_[k], 1, 1 + k);
  auto* timeFor = new QLabel(hours);
  SetTag(timeFor, texts::ui::kBifilarTimeFor);
  const auto time = AddChoice(
      "planarLocalTime",
      {{texts::ui::kBifilarApparentLocal, 1}, {texts::ui::kBifilarApparentZone, 0}}, hours);
  hl->addWidget(timeFor, 2, 0);
  hl->addWidget(time[0], 2, 1);
  hl->addWidget(time[1], 2, 2, 1, 2);
  linesToFoot_ = AddSwitch("linesToFoot", texts::ui::kLinesToFoot, hours);
  hl->addWidget(linesToFoot_, 3, 0, 1, 4);
  auto* count = new QLabel(hours);
  SetTag(count, texts::ui::kDateLineCount);
  auto* dateMode = AddList("dateLineMode", DateLineList(), hours);
  count->setBuddy(dateMode);
  hl->addWidget(count, 4, 0);
  hl->addWidget(dateMode, 4, 1, 1, 3);
  bl->addWidget(hours, 3, 0, 1, 2);
  bl->setRowStretch(4, 1);
  outer->addWidget(bifilar);

  // ---- the umbrella group ---------------------------------------------------------
  auto* umbrella = new QWidget(this);
  umbrella->setObjectName("UmbrellaGroup");
  umbrellaGroup_ = umbrella;
  auto* ul = new QGridLayout(umbrella);
  auto* planeBox = new QGroupBox(umbrella);
  SetTag(planeBox, texts::ui::kUmbrellaPlaneKind);
  auto* pl = new QVBoxLayout(planeBox);
  auto* planeGroup = planeGroup_ = new QButtonGroup(this);
  const texts::TextId planeTags[3] = {texts::ui::kUmbrellaPlaneHorizontal,
                                      texts::ui::kUmbrellaPlaneInclined,
                                      texts::ui::kUmbrellaPlaneVertical};
  for (int i = 0; i < 3; ++i) {
    planes_[i] = new QRadioButton(planeBox);
    SetTag(planes_[i], planeTags[i]);
    planeGroup->addButton(planes_[i]);
    pl->addWidget(planes_[i]);
    const char letter = config::UmbrellaPlaneLetter(i);
    connect(planes_[i], &QRadioButton::toggled, this, [this, letter](bool on) {
      if (on && !Filling()) ChoosePlane(letter);
    });
  }
  ul->addWidget(planeBox, 0, 0);

  auto* disk = new QGroupBox(umbrella);
  auto* dl = new QGridLayout(disk);
  rod_ = &AddEdit("gnomonHeight", texts::ui::kUmbrellaRod, disk)
              .Shown(6, 2)
              .Closing(CloseCheck::Positive);
  disk_ = &AddEdit("umbrellaRadiusPercent", texts::ui::kUmbrellaDisk, disk)
               .Shown(7, 2)
               .NoLeaveCheck()
               .Closing(CloseCheck::None);
  desk_ = &AddEdit("axisInclination", texts::ui::kUmbrellaDesk, disk)
               .Shown(6, 2)
               .NoLeaveCheck()
               .LeaveRange(0, 80)
               .CloseRange(0, 80);
  wall_ = &AddEdit("wallDeclination", texts::ui::kUmbrellaWall, disk)
               .Shown(7, 2)
               .Stores(&InsideHalfTurn);
  auto* note1 = new QLabel(disk);
  auto* note2 = new QLabel(disk);
  SetTag(note1, texts::ui::kUmbrellaDiskNote1);
  SetTag(note2, texts::ui::kUmbrellaDiskNote2);
  deskNote_ = new QLabel(disk);
  SetTag(deskNote_, texts::ui::kUmbrellaDeskNote);
  diskRadius_ = new QLabel(disk);
  diskRadius_->setObjectName("DiskRadius");
  for (QLabel* l : {note1, note2, deskNote_}) l->setStyleSheet("color: #555;");
  dl->addWidget(rod_->label, 0, 0);
  dl->addWidget(rod_->edit, 0, 1);
  dl->addWidget(disk_->label, 1, 0);
  dl->addWidget(disk_->edit, 1, 1);
  dl->addWidget(note1, 2, 0, 1, 3);
  dl->addWidget(note2, 3, 0, 1, 3);
  dl->addWidget(diskRadius_, 4, 0, 1, 3);
  dl->addWidget(desk_->label, 5, 0);
  dl->addWidget(desk_->edit, 5, 1);
  dl->addWidget(deskNote_, 5, 2);
  dl->addWidget(wall_->label, 6, 0);
  dl->addWidget(wall_->edit, 6, 1);
  ul->addWidget(disk, 1, 0);
  connect(disk_->edit, &QLineEdit::editingFinished, this, [this] {
    if (Filling()) return;
    CheckGuard guard(*Context().checking);
    if (guard.Busy()) return;
    const double old = D().umbrellaRadiusPercent;
    const auto v = shell::ParseReal(shell::FilterRealText(disk_->edit->text().toStdString()));
    if (!v || *v < -100 || *v > 200) {
      shell::ShowMessage(shell::MessageKind::Error,
                         Text(texts::ui::kUmbrellaDiskRange).toStdString());
      disk_->edit->setText(Decimals(7, 2, old));
      disk_->edit->setFocus();
      return;
    }
    Store(Field("umbrellaRadiusPercent"), *v, disk_->edit);
    if (!DeskFits(85)) {
      Store(Field("umbrellaRadiusPercent"), old);
      disk_->edit->setFocus();
    }
  });
  connect(desk_->edit, &QLineEdit::editingFinished, this, [this] {
    if (Filling()) return;
    CheckGuard guard(*Context().checking);
    if (guard.Busy()) return;
    const double old = D().axisInclination;
    double v = old;
    if (CheckRealField(desk_->edit, v, FieldName(desk_->label), 80, 0)) return;
    Store(Field("axisInclination"), v, desk_->edit);
    if (!DeskFits(80)) {
      Store(Field("axisInclination"), old);
      desk_->edit->setFocus();
    }
  });

  // The hour-line systems of the planar dials.
  auto* systems = new QGroupBox(umbrella);
  SetTag(systems, texts::ui::kHourLines);
  auto* sl = new QGridLayout(systems);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(systems);
    SetTag(h, texts::ui::kRangeHeads[k]);
    sl->addWidget(h, 0, 1 + k);
  }
  struct System {
    const char* on;
    texts::TextId tag;
    const char* from;
    const char* to;
    const char* interval;
    ListSpec range;
    ListSpec step;
  };
  const System list[kSystems] = {
      {"hoursApparent", texts::ui::kApparentHours, "hoursFrom", "hoursTo", "hourInterval",
       ClockHourList(), MinuteIntervalList(5)},
      {"hoursWithEot", texts::ui::kMeanTimeHours, "eotHoursFrom", "eotHoursTo", "eotHourInterval",
       ClockHourList(), MeanIntervalList()},
      {"babylonianHours", texts::ui::kBabylonianHours, "babylonianFrom", "babylonianTo",
       "babylonianInterval", ClockHourList(), MinuteIntervalList(4)},
      {"italianHours", texts::ui::kItalianHours, "italianFrom", "italianTo", "italianInterval",
       ClockHourList(), MinuteIntervalList(4)},
      {"temporalHours", texts::ui::kTemporalHours, "temporalFrom", "temporalTo", "temporalInterval",
       TemporalHourList(), TemporalIntervalList()},
      {"altitudeLines", texts::ui::kAltitudeLines, "altitudeFrom", "altitudeTo", "altitudeInterval",
       AltitudeList(), AltitudeIntervalList()},
  };
  int row = 1;
  for (int s = 0; s < kSystems; ++s) {
    if (s == 2) {
      auto* additional = new QLabel(systems);
      SetTag(additional, texts::ui::kAdditionalLines);
      sl->addWidget(additional, row++, 0, 1, 4);
    }
    switches_[s] = AddSwitch(list[s].on, list[s].tag, systems);
    sl->addWidget(switches_[s], row, 0);
    lists_[s][0] = AddList(list[s].from, list[s].range, systems);
    lists_[s][1] = AddList(list[s].to, list[s].range, systems);
    lists_[s][2] = AddList(list[s].interval, list[s].step, systems);
    for (int k = 0; k < 3; ++k) sl->addWidget(lists_[s][k], row, 1 + k);
    ++row;
    if (s == 4) {
      extendTemporal_ = AddSwitch("extendTemporal", texts::ui::kExtendTemporal, systems);
      sl->addWidget(extendTemporal_, row++, 0, 1, 4);
    }
  }
  auto* hourTime = new QLabel(systems);
  SetTag(hourTime, texts::ui::kHourLinesForTime);
  const auto umbrellaTime =
      AddChoice("planarLocalTime",
                {{texts::ui::kUmbrellaLocalTime, 1}, {texts::ui::kUmbrellaZoneTime, 0}}, systems);
  sl->addWidget(hourTime, row, 0);
  sl->addWidget(umbrellaTime[0], row, 1);
  sl->addWidget(umbrellaTime[1], row++, 2, 1, 2);
  ul->addWidget(systems, 0, 1, 2, 1);

  auto* dates = new QGroupBox(umbrella);
  SetTag(dates, texts::ui::kDateLines);
  auto* datel = new QGridLayout(dates);
  auto* dcount = new QLabel(dates);
  SetTag(dcount, texts::ui::kDateLineCount);
  auto* udateMode = AddList("dateLineMode", DateLineList(), dates);
  dcount->setBuddy(udateMode);
  datel->addWidget(dcount, 0, 0);
  datel->addWidget(udateMode, 0, 1, 1, 2);
  datel->addWidget(AddSwitch("sunshineDurationLines", texts::ui::kSunshineDuration, dates), 1, 0, 1,
                   3);
  datel->addWidget(AddSwitch("markAnalemma", texts::ui::kMarkAnalemma, dates), 2, 0);
  analemmaHour_ = &AddEdit("analemmaHour", texts::ui::kAnalemmaHour, dates).NoLeaveCheck();
  datel->addWidget(analemmaHour_->edit, 2, 1);
  datel->addWidget(analemmaHour_->label, 2, 2);
  auto* every = new QLabel(dates);
  SetTag(every, texts::ui::kAnalemmaEveryMonth);
  datel->addWidget(every, 3, 0);
  datel->addWidget(AddList("analemmaDays", AnalemmaDayList(), dates), 3, 1, 1, 2);
  ul->addWidget(dates, 2, 0, 1, 2);
  outer->addWidget(umbrella);

  // The closing checks of the umbrella group in their order.
  CheckInOrder({rod_, desk_, wall_, analemmaHour_});

  // Thread rules: the second end of each thread takes the first end's height;
  // the classical dial keeps its form.
  connect(this, &FieldPage::FieldChanged, this, [this](const QString& field) {
    if (applying_ || Filling()) return;
    applying_ = true;
    if (field == "bifilarThreads.p1.z") {
      Store(Field("bifilarThreads.p2.z"), D().bifilarThreads[0].z);
      if (D().michnikClassic) ApplyClassical();
    } else if (field == "bifilarThreads.p3.z") {
      Store(Field("bifilarThreads.p4.z"), D().bifilarThreads[2].z);
      if (D().michnikClassic) ApplyClassical();
    } else if (field == "michnikClassic" && D().michnikClassic) {
      shell::ShowMessage(shell::MessageKind::Information,
                         Text(texts::ui::kBifilarOnlyThreadOne).toStdString());
      ApplyClassical();
    } else if (field == "gnomonHeight" || field == "umbrellaRadiusPercent") {
      FillPage();
    }
    applying_ = false;
  });
}

void BifilarPage::ApplyClassical() {
  // Thread 1 along y over the origin, thread 2 along x at h1 |sin latitude|.
  // (Thread 2 keeps its x: with its ends at one x it would be a point.)
  const double z = D().bifilarThreads[0].z;
  const double z2 = std::fabs(astro::SinDeg(shell::State().site.latitude)) * z;
  const std::pair<const char*, double> values[] = {
      {"bifilarThreads.p1.x", 0}, {"bifilarThreads.p1.y", 0}, {"bifilarThreads.p2.x", 0},
      {"bifilarThreads.p2.y", 0}, {"bifilarThreads.p2.z", z},  {"bifilarThreads.p3.y", 0},
      {"bifilarThreads.p4.y", 0}, {"bifilarThreads.p3.z", z2}, {"bifilarThreads.p4.z", z2},
  };
  for (const auto& [name, value] : values) Store(Field(name), value);
}

bool BifilarPage::DeskFits(double limit) {
  if (!InclinedPlane(D())) return true;
  if (astro::AtanDeg(D().umbrellaRadiusPercent / 100.0) + D().axisInclination <= limit) return true;
  shell::ShowMessage(shell::MessageKind::Error,
                     Text(texts::planar::kUmbrellaInclination).toStdString());
  return false;
}

void BifilarPage::ChooseBifilar() {
  config::ChooseKindEntry(D(), kBifilarEntry, Expert());
  Fill();
  emit FieldChanged(QStringLiteral("kind"));
}

void BifilarPage::ChooseUmbrella() {
  config::ChooseKindEntry(D(), config::UmbrellaEntry(), Expert());
  if (config::KindRow(D()).Has(config::kHorizontalFace)) D().wallDeclination = 0;
  Fill();
  emit FieldChanged(QStringLiteral("kind"));
}

void BifilarPage::ChoosePlane(char plane) {
  D().kind = plane;
  D().umbrellaPlane = plane;
  if (config::KindRow(plane, true).Has(config::kHorizontalFace)) D().wallDeclination = 0;
  Fill();
  emit FieldChanged(QStringLiteral("kind"));
}

void BifilarPage::FillPage() {
  const config::DialParameters& d = D();
  // For another kind neither choice is marked.
  choiceGroup_->setExclusive(false);
  bifilarChoice_->setChecked(!d.umbrella &&
                             config::KindRow(d).family == config::DialFamily::Bifilar);
  umbrellaChoice_->setChecked(d.umbrella);
  choiceGroup_->setExclusive(true);
  planeGroup_->setExclusive(false);
  for (int i = 0; i < 3; ++i) {
    planes_[i]->setChecked(d.umbrella && config::UmbrellaPlaneIndex(d.kind) == i);
  }
  planeGroup_->setExclusive(true);
  diskRadius_->setText(Text(texts::ui::kUmbrellaDiskRadius) +
                       Decimals(7, 1, d.gnomonHeight * d.umbrellaRadiusPercent / 100.0));
}

void BifilarPage::Update() {
  const config::DialParameters& d = D();
  bifilarGroup_->setVisible(!d.umbrella);
  umbrellaGroup_->setVisible(d.umbrella);
  // The classical dial takes only the height of thread 1.
  for (int n = 1; n <= 4; ++n) {
    for (int c = 0; c < 3; ++c) {
      const bool mirror = (n == 2 || n == 4) && c == 2;
      points_[n - 1][c]->edit->setEnabled(!mirror && (!d.michnikClassic || (n == 1 && c == 2)));
    }
  }
  linesToFoot_->setEnabled(d.hoursApparent);
  for (QComboBox* c : hourLists_) {
    c->setStyleSheet(d.hoursApparent ? "QComboBox { background: #ffffe1; }"
                                     : "QComboBox { background: silver; color: grey; }");
  }
  // The desk for the inclined plane; the deviation for the inclined and the
  // vertical plane.
  const bool inclined = d.umbrella && InclinedPlane(d);
  desk_->label->setVisible(inclined);
  desk_->edit->setVisible(inclined);
  deskNote_->setVisible(inclined);
  const bool deviates = d.umbrella && config::IsPlaneLetter(d.kind) &&
                        !config::KindRow(d.kind, true).Has(config::kHorizontalFace);
  wall_->label->setVisible(deviates);
  wall_->edit->setVisible(deviates);
  const bool on[kSystems] = {d.hoursApparent, d.hoursWithEot,  d.babylonianHours,
                             d.italianHours,  d.temporalHours, d.altitudeLines};
  for (int s = 0; s < kSystems; ++s) {
    for (QComboBox* c : lists_[s]) {
      c->setStyleSheet(on[s] ? "QComboBox { background: #ffffe1; }"
                             : "QComboBox { background: silver; color: grey; }");
    }
  }
  extendTemporal_->setEnabled(d.temporalHours && shell::State().site.latitude > 0);
  analemmaHour_->edit->setStyleSheet(d.markAnalemma ? QString() : "background: silver; color: grey;");
}

bool BifilarPage::CheckPage() {
  const config::DialParameters& d = D();
  if (!d.umbrella) return true;
  const auto disk = shell::ParseReal(shell::FilterRealText(disk_->edit->text().toStdString()));
  if (!disk) {
    shell::ShowMessage(shell::MessageKind::Error,
                       Text(texts::ui::kUmbrellaDiskRange).toStdString());
    disk_->edit->setFocus();
    return false;
  }
  if (!InclinedPlane(d)) return true;
  // The inclined desk: a disk of radius 0 is warned about, a disk too wide
  // for the desk refused.
  if (d.umbrellaRadiusPercent == 0) {
    shell::ShowMessage(shell::MessageKind::Warning,
                       Text(texts::planar::kUmbrellaRadiusZero).toStdString());
  }
  if (!DeskFits(85)) {
    disk_->edit->setFocus();
    return false;
  }
  return true;
}

}  // namespace kelvra::ui
