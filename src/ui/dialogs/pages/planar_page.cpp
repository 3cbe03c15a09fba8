#include "ui/dialogs/pages/planar_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

enum System { kApparent, kMean, kBabylonian, kItalian, kTemporal, kAltitude };

// The mean-time interval list has a fifth entry, 10 min, stored as 6.
ListSpec MeanIntervalList() {
  ListSpec intervals = MinuteIntervalList(5);
  intervals.valueOf = [](int entry) { return entry == 4 ? 6 : entry; };
  intervals.entryOf = [](int value) { return value == 6 ? 4 : value; };
  return intervals;
}

// The four date-line choices and a blank fifth entry that stands for the own list.
ListSpec DateLineList() {
  return {[] {
            QStringList entries;
            for (int i = 0; i < texts::ui::kDateLineChoices.size(); ++i)
              entries << Text(texts::ui::kDateLineChoices[i]);
            entries << QString();
            return entries;
          },
          [](int entry) { return entry == 4 ? 2 : entry; }};
}

ListSpec AnalemmaDayList() {
  return {[] {
    QStringList entries;
    for (int i = 0; i < texts::ui::kAnalemmaDays.size(); ++i)
      entries << Text(texts::ui::kAnalemmaDays[i]);
    return entries;
  }};
}

// A wall declination of exactly 180 degrees either way stays inside the range.
double InsideHalfTurn(double wall) { return std::fabs(wall) == 180 ? 179.999999 : wall; }

}  // namespace

PlanarPage::PlanarPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Planar, context, parent) {
  auto* grid = new QGridLayout(this);
  auto* plane = new QGroupBox(this);
  auto* hours = new QGroupBox(this);
  auto* extra = new QGroupBox(this);
  auto* dates = new QGroupBox(this);
  auto* loop = new QGroupBox(this);

  // Plane and gnomon.
  wall_ = &AddEdit("wallDeclination", texts::ui::kPlanarWall, plane)
               .Shown(7, 2)
               .NoLeaveCheck()
               .Stores(&InsideHalfTurn);
  inclination_ =
      &AddEdit("inclination", texts::ui::kPlanarInclination, plane).Shown(7, 2).NoLeaveCheck();
  gnomon_ = &AddEdit("gnomonHeight", texts::ui::kPlanarGnomon, plane)
                 .Shown(6, 2)
                 .Closing(CloseCheck::Positive);
  SetTag(plane, texts::ui::kPlaneAndGnomon);
  auto* pl = new QGridLayout(plane);
  auto* wallHint = new QLabel(plane);
  SetTag(wallHint, texts::ui::kPlanarEasternNegative);
  wallHint->setStyleSheet("color: #555;");
  pl->addWidget(wall_->label, 0, 0);
  pl->addWidget(wall_->edit, 0, 1);
  pl->addWidget(wallHint, 0, 2);
  pl->addWidget(inclination_->label, 1, 0);
  pl->addWidget(inclination_->edit, 1, 1);
  pl->addWidget(gnomon_->label, 2, 0);
  pl->addWidget(gnomon_->edit, 2, 1);
  grid->addWidget(plane, 0, 0);

  struct SystemFields {
    const char* from;
    const char* to;
    const char* interval;
    ListSpec range;
    ListSpec step;
  };
  const SystemFields systems[kSystems] = {
      {"hoursFrom", "hoursTo", "hourInterval", ClockHourList(), MinuteIntervalList(5)},
      {"eotHoursFrom", "eotHoursTo", "eotHourInterval", ClockHourList(), MeanIntervalList()},
      {"babylonianFrom", "babylonianTo", "babylonianInterval", ClockHourList(), MinuteIntervalList(4)},
      {"italianFrom", "italianTo", "italianInterval", ClockHourList(), MinuteIntervalList(4)},
      {"temporalFrom", "temporalTo", "temporalInterval", TemporalHourList(), TemporalIntervalList()},
      {"altitudeFrom", "altitudeTo", "altitudeInterval", AltitudeList(), AltitudeIntervalList()},
  };
  auto addLists = [&](QWidget* parent, QGridLayout* l, int row, int col, int system) {
    const SystemFields& s = systems[system];
    lists_[system][0] = AddList(s.from, s.range, parent);
    lists_[system][1] = AddList(s.to, s.range, parent);
    lists_[system][2] = AddList(s.interval, s.step, parent);
    for (int k = 0; k < 3; ++k) l->addWidget(lists_[system][k], row, col + k);
  };
  auto addTimeChoice = [&](QWidget* parent, QGridLayout* l, int row, const char* field) {
    auto* caption = new QLabel(parent);
    SetTag(caption, texts::ui::kHourLinesForTime);
    const auto buttons = AddChoice(
        field, {{texts::ui::kAtLocalMeridian, 1}, {texts::ui::kAtZoneMeridian, 0}}, parent);
    l->addWidget(caption, row, 0);
    l->addWidget(buttons[0], row, 1, 1, 1);
    l->addWidget(buttons[1], row, 2, 1, 2);
  };

  // Apparent and mean time hour lines.
  SetTag(hours, texts::ui::kHourLines);
  auto* hl = new QGridLayout(hours);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, texts::ui::kRangeHeads[k]);
    hl->addWidget(h, 0, 1 + k);
  }
  hoursApparent_ = switches_[kApparent] =
      AddSwitch("hoursApparent", texts::ui::kApparentHours, hours);
  hl->addWidget(hoursApparent_, 1, 0);
  addLists(hours, hl, 1, 1, kApparent);
  addTimeChoice(hours, hl, 2, "planarLocalTime");
  linesToFoot_ = AddSwitch("linesToFoot", texts::ui::kLinesToFoot, hours);
  hl->addWidget(linesToFoot_, 3, 0, 1, 4);
  switches_[kMean] = AddSwitch("hoursWithEot", texts::ui::kMeanTimeHours, hours);
  hl->addWidget(switches_[kMean], 4, 0);
  addLists(hours, hl, 4, 1, kMean);
  addTimeChoice(hours, hl, 5, "meanTimeLocal");
  grid->addWidget(hours, 1, 0);

  // Additional lines.
  SetTag(extra, texts::ui::kAdditionalLines);
  auto* el = new QGridLayout(extra);
  switches_[kBabylonian] = AddSwitch("babylonianHours", texts::ui::kBabylonianHours, extra);
  switches_[kItalian] = AddSwitch("italianHours", texts::ui::kItalianHours, extra);
  switches_[kTemporal] = AddSwitch("temporalHours", texts::ui::kTemporalHours, extra);
  switches_[kAltitude] = AddSwitch("altitudeLines", texts::ui::kAltitudeLines, extra);
  el->addWidget(switches_[kBabylonian], 0, 0);
  addLists(extra, el, 0, 1, kBabylonian);
  el->addWidget(switches_[kItalian], 1, 0);
  addLists(extra, el, 1, 1, kItalian);
  el->addWidget(switches_[kTemporal], 2, 0);
  addLists(extra, el, 2, 1, kTemporal);
  extendTemporal_ = AddSwitch("extendTemporal", texts::ui::kExtendTemporal, extra);
  el->addWidget(extendTemporal_, 3, 0, 1, 4);
  el->addWidget(switches_[kAltitude], 4, 0);
  addLists(extra, el, 4, 1, kAltitude);
  auto* polarTriangle = AddSwitch("polarTriangle", texts::ui::kPolarTriangle, extra);
  el->addWidget(polarTriangle, 5, 0, 1, 4);
  grid->addWidget(extra, 0, 1, 2, 1);

  // Date lines.
  SetTag(dates, texts::ui::kDateLines);
  auto* dl = new QGridLayout(dates);
  auto* count = new QLabel(dates);
  dateMode_ = AddList("dateLineMode", DateLineList(), dates);
  count->setBuddy(dateMode_);
  SetTag(count, texts::ui::kDateLineCount);
  auto* sunshine = AddSwitch("sunshineDurationLines", texts::ui::kSunshineDuration, dates);
  dl->addWidget(count, 0, 0);
  dl->addWidget(dateMode_, 0, 1);
  dl->addWidget(sunshine, 1, 0, 1, 2);
  grid->addWidget(dates, 2, 0);

  // The analemma.
  auto* ll = new QGridLayout(loop);
  auto* markAnalemma = AddSwitch("markAnalemma", texts::ui::kMarkAnalemma, loop);
  analemmaHour_ = &AddEdit("analemmaHour", texts::ui::kAnalemmaHour, loop).NoLeaveCheck();
  auto* every = new QLabel(loop);
  SetTag(every, texts::ui::kAnalemmaEveryMonth);
  analemmaDays_ = AddList("analemmaDays", AnalemmaDayList(), loop);
  ll->addWidget(markAnalemma, 0, 0);
  ll->addWidget(analemmaHour_->edit, 0, 1);
  ll->addWidget(analemmaHour_->label, 0, 2);
  ll->addWidget(every, 1, 0);
  ll->addWidget(analemmaDays_, 1, 1, 1, 2);
  grid->addWidget(loop, 2, 1);

  CheckInOrder({analemmaHour_, inclination_, wall_, gnomon_});
}

void PlanarPage::FillPage() {
  const bool inclined = config::KindRow(config::Dial()).Has(config::kInclinedFace);
  inclination_->label->setVisible(inclined);
  inclination_->edit->setVisible(inclined);
}

void PlanarPage::Update() {
  const config::DialParameters& d = config::Dial();
  const bool on[kSystems] = {d.hoursApparent, d.hoursWithEot,  d.babylonianHours,
                             d.italianHours,  d.temporalHours, d.altitudeLines};
  // Lists of a switched-off system are greyed but stay selectable.
  for (int s = 0; s < kSystems; ++s) {
    for (QComboBox* c : lists_[s]) {
      c->setStyleSheet(on[s] ? "QComboBox { background: #ffffe1; }"
                             : "QComboBox { background: silver; color: grey; }");
    }
  }
  linesToFoot_->setEnabled(d.hoursApparent);
  extendTemporal_->setEnabled(d.temporalHours && shell::State().site.latitude > 0);
  const QString grey = "background: silver; color: grey;";
  analemmaHour_->edit->setStyleSheet(d.markAnalemma ? QString() : grey);
  analemmaDays_->setStyleSheet(d.markAnalemma ? QString() : "QComboBox { " + grey + " }");
}

}  // namespace kelvra::ui
