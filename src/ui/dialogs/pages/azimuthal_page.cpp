#include "ui/dialogs/pages/azimuthal_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "texts/ui.h"
#include "ui/calc/horizon_panel.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

// " 1 pro Monat" .. "Solstizien & Äquinox", stored as 1 .. 4.
ListSpec ZodiacLineList() {
  return {[] {
            QStringList entries;
            for (int i = 0; i < 4; ++i)
              entries << Text(texts::ui::kAzimuthalZodiacLinesPerMonth[i]);
            return entries;
          },
          [](int entry) { return entry + 1; },
          [](int value) { return value - 1; }};
}

bool Expert() { return shell::State().general.expertMode; }

}  // namespace

AzimuthalPage::AzimuthalPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Azimuthal, context, parent) {
  auto* grid = new QGridLayout(this);

  // The circles and their arrangement.
  auto* circles = new QGroupBox(this);
  SetTag(circles, texts::ui::kCircleChoice);
  auto* cl = new QGridLayout(circles);
  const auto mode =
      AddChoice("azimuthCircleMode",
                {{texts::ui::kDateCircles, 0}, {texts::ui::kAltitudeCircles, 1}}, circles);
  cl->addWidget(mode[0], 0, 0);
  cl->addWidget(mode[1], 0, 1);
  auto* spacing = new QGroupBox(circles);
  spacing->setObjectName("SpacingGroup");
  SetTag(spacing, texts::ui::kAzimuthalSpacing);
  auto* sl = new QVBoxLayout(spacing);
  for (QRadioButton* b : AddChoice("altitudeCircleSpacing",
                                   {{texts::ui::kAzimuthalEqualSpacing, 0},
                                    {texts::ui::kAzimuthalTonneSpacing, 1},
                                    {texts::ui::kAzimuthalStereographic, 2},
                                    {texts::ui::kAzimuthalOrthographic, 3}},
                                   spacing)) {
    sl->addWidget(b);
  }
  spacingGroup_ = spacing;
  cl->addWidget(spacing, 1, 0, 1, 2);
  auto* scope = new QGroupBox(circles);
  scope->setObjectName("HorizontoscopeGroup");
  SetTag(scope, texts::ui::kAzimuthalHorizontoscope);
  auto* hl = new QGridLayout(scope);
  observer_ = &AddEdit("observerDistance", texts::ui::kAzimuthalObserver, scope).Shown(6, 1);
  hl->addWidget(observer_->label, 0, 0);
  hl->addWidget(observer_->edit, 0, 1);
  horizontoscope_ = scope;
  cl->addWidget(scope, 2, 0, 1, 2);
  plate_ = &AddEdit("basePlateDiameter", texts::ui::kAzimuthalBasePlate, circles).Shown(6, 1);
  cl->addWidget(plate_->label, 3, 0);
  cl->addWidget(plate_->edit, 3, 1);
  grid->addWidget(circles, 0, 0);

  // Dates on the plate: the date circles' scale and order, the altitude
  // circles' declination lines, the ecliptic and the horizon profile.
  auto* dates = new QGroupBox(this);
  auto* dl = new QGridLayout(dates);
  auto* sun = new QLabel(dates);
  SetTag(sun, texts::ui::kAzimuthalSunOnPlate);
  const auto scale = AddChoice(
      "azimuthZodiacScale",
      {{texts::ui::kAzimuthalCalendarDate, 0}, {texts::ui::kAzimuthalZodiacScale, 1}}, dates);
  dl->addWidget(sun, 0, 0);
  dl->addWidget(scale[0], 0, 1);
  dl->addWidget(scale[1], 0, 2);
  auto* order = new QLabel(dates);
  SetTag(order, texts::ui::kAzimuthalMonthLines);
  const auto outside = AddChoice(
      "juneOutside",
      {{texts::ui::kAzimuthalJanuaryOutside, 1}, {texts::ui::kAzimuthalDecemberOutside, 0}}, dates);
  dl->addWidget(order, 1, 0);
  dl->addWidget(outside[0], 1, 1);
  dl->addWidget(outside[1], 1, 2);
  auto* lines = new QLabel(dates);
  SetTag(lines, texts::ui::kAzimuthalZodiacLines);
  zodiacLines_ = AddList("zodiacLinesPerMonth", ZodiacLineList(), dates);
  lines->setBuddy(zodiacLines_);
  dl->addWidget(lines, 2, 0);
  dl->addWidget(zodiacLines_, 2, 1, 1, 2);
  ecliptic_ = AddSwitch("drawEcliptic", texts::ui::kAzimuthalEcliptic, dates);
  horizon_ = AddSwitch("horizonProfile", texts::ui::kAzimuthalHorizonProfile, dates);
  dl->addWidget(ecliptic_, 3, 0, 1, 3);
  dl->addWidget(horizon_, 4, 0, 1, 3);
  dateGroup_ = dates;
  grid->addWidget(dates, 1, 0);
  // Switching the profile on without one loaded asks to load one; without
  // it the switch goes off again.
  connect(horizon_, &QCheckBox::toggled, this, [this](bool on) {
    if (Filling() || !on) return;
    if (!EnsureHorizonProfileLoaded(this)) {
      Store(*config::FindField("horizonProfile"), 0);
    } else {
      // Loading may have moved the site to the profile's place.
      emit FieldChanged(QStringLiteral("latitude"));
    }
  });

  // Time and hour lines.
  auto* hours = new QGroupBox(this);
  SetTag(hours, texts::ui::kHourLines);
  auto* hr = new QGridLayout(hours);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, texts::ui::kRangeHeads[k]);
    hr->addWidget(h, 0, 1 + k);
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
  const System systems[kSystems] = {
      {"hoursApparent", texts::ui::kApparentTimeSwitch, "otherHoursFrom", "otherHoursTo",
       "otherHourInterval", ClockHourList(), MinuteIntervalList(5)},
      {"babylonianHours", texts::ui::kBabylonianHours, "babylonianFrom", "babylonianTo",
       "babylonianInterval", ClockHourList(), MinuteIntervalList(4)},
      {"italianHours", texts::ui::kItalianHours, "italianFrom", "italianTo", "italianInterval",
       ClockHourList(), MinuteIntervalList(4)},
      {"temporalHours", texts::ui::kTemporalHours, "temporalFrom", "temporalTo", "temporalInterval",
       TemporalHourList(), TemporalIntervalList()},
  };
  for (int s = 0; s < kSystems; ++s) {
    const System& sys = systems[s];
    const int row = s == 0 ? 1 : s + 2;
    switches_[s] = AddSwitch(sys.on, sys.tag, hours);
    hr->addWidget(switches_[s], row, 0);
    lists_[s][0] = AddList(sys.from, sys.range, hours);
    lists_[s][1] = AddList(sys.to, sys.range, hours);
    lists_[s][2] = AddList(sys.interval, sys.step, hours);
    for (int k = 0; k < 3; ++k) hr->addWidget(lists_[s][k], row, 1 + k);
    if (s == 0) {
      auto* additional = new QLabel(hours);
      SetTag(additional, texts::ui::kAdditionalLines);
      hr->addWidget(additional, 2, 0, 1, 4);
    }
  }
  auto* timeFor = new QLabel(hours);
  SetTag(timeFor, texts::ui::kHourLinesForTime);
  const auto zone = AddChoice(
      "zoneTime", {{texts::ui::kAtLocalMeridian, 0}, {texts::ui::kAtZoneMeridian, 1}}, hours);
  hr->addWidget(timeFor, 6, 0);
  hr->addWidget(zone[0], 6, 1);
  hr->addWidget(zone[1], 6, 2, 1, 2);
  hr->addWidget(AddSwitch("altitudeWithEot", texts::ui::kConstructWithEot, hours), 7, 0, 1, 4);
  hr->addWidget(AddSwitch("sunshineDurationLines", texts::ui::kSunshineDuration, hours), 8, 0, 1,
                4);
  hr->setRowStretch(9, 1);
  grid->addWidget(hours, 0, 1, 2, 1);

  CheckInOrder({observer_, plate_});
}

void AzimuthalPage::Update() {
  const config::DialParameters& d = config::Dial();
  const bool altitudes = d.azimuthCircleMode != 0;
  // The projection and the horizontoscope are expert choices of the altitude circles.
  spacingGroup_->setVisible(altitudes && Expert());
  horizontoscope_->setVisible(altitudes && Expert() && d.altitudeCircleSpacing == 1);
  zodiacLines_->setEnabled(altitudes);
  ecliptic_->setEnabled(altitudes && d.altitudeCircleSpacing == 2);
  horizon_->setEnabled(altitudes);
  for (QWidget* w : dateGroup_->findChildren<QRadioButton*>()) w->setEnabled(!altitudes);
  const bool on[kSystems] = {d.hoursApparent, d.babylonianHours, d.italianHours, d.temporalHours};
  // Lists of a switched-off system are greyed but stay selectable.
  for (int s = 0; s < kSystems; ++s) {
    for (QComboBox* c : lists_[s]) {
      c->setStyleSheet(on[s] ? "QComboBox { background: #ffffe1; }"
                             : "QComboBox { background: silver; color: grey; }");
    }
  }
}

}  // namespace kelvra::ui
