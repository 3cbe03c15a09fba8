#include "ui/dialogs/pages/peaucellier_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "astro/angles.h"
#include "config/dial_fields.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/peaucellier.h"
#include "texts/sawyer.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

// Constants of a magnitude below this are corrected to it, with their sign.
constexpr double kSmallestConstant = 0.01;
// A latitude of a smaller magnitude is stored as it, with its sign (0 positive).
constexpr double kSmallestLatitude = 0.0049;

double AwayFromZeroLatitude(double latitude) {
  if (std::abs(latitude) >= kSmallestLatitude) return latitude;
  return latitude < 0 ? -kSmallestLatitude : kSmallestLatitude;
}

double AwayFromZeroConstant(double k) {
  if (std::abs(k) >= kSmallestConstant) return k;
  const double corrected = k < 0 ? -kSmallestConstant : kSmallestConstant;
  shell::ShowMessage(
      shell::MessageKind::Information,
      Text(texts::peaucellier::kZeroCorrected).toStdString() + shell::FormatReal(7, 4, corrected));
  return corrected;
}

}  // namespace

PeaucellierPage::PeaucellierPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Sawyer, context, parent) {
  auto* grid = new QGridLayout(this);

  // The choice of the dial sets the kind.
  auto* choice = new QGroupBox(this);
  auto* cl = new QVBoxLayout(choice);
  auto* group = new QButtonGroup(choice);
  sawyer_ = new QRadioButton(choice);
  sawyer_->setObjectName("SawyerChoice");
  SetTag(sawyer_, texts::peaucellier::kSawyer);
  peaucellier_ = new QRadioButton(choice);
  peaucellier_->setObjectName("PeaucellierChoice");
  SetTag(peaucellier_, texts::peaucellier::kTitle);
  group->addButton(sawyer_);
  group->addButton(peaucellier_);
  cl->addWidget(sawyer_);
  cl->addWidget(peaucellier_);
  connect(sawyer_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !Filling()) Choose('w');
  });
  connect(peaucellier_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !Filling()) Choose('p');
  });
  grid->addWidget(choice, 0, 0);

  // The Sawyer decliner's group.
  auto* sawyer = new QGroupBox(this);
  sawyer->setObjectName("SawyerGroup");
  SetTag(sawyer, texts::sawyer::kTitle);
  auto* sl = new QGridLayout(sawyer);
  sawyerGnomon_ = &AddEdit("gnomonHeight", texts::sawyer::kPageGnomon, sawyer)
                       .Shown(6, 1)
                       .LeaveRange(5, 200)
                       .CloseRange(5, 200);
  lineAngle_ = &AddEdit("sawyerLineAngle", texts::sawyer::kPageLineAngle, sawyer).Shown(5, 2);
  sawyerLatitude_ = &AddEdit("latitude", texts::sawyer::kPageLatitude, sawyer)
                         .Shown(8, 4)
                         .Stores(&AwayFromZeroLatitude);
  center_ = &AddEdit("sawyerCenter", texts::sawyer::kPageCenter, sawyer).Shown(4, 0);
  wall_ = &AddEdit("wallDeclination", texts::sawyer::kPageWall, sawyer).Shown(8, 2);
  auto* eastNegative = new QLabel(sawyer);
  SetTag(eastNegative, texts::sawyer::kPageEastNegative);
  int row = 0;
  for (Edit* e : {sawyerGnomon_, lineAngle_, sawyerLatitude_, center_, wall_}) {
    sl->addWidget(e->label, row, 0);
    sl->addWidget(e->edit, row, 1);
    ++row;
  }
  sl->addWidget(eastNegative, row - 1, 2);
  auto* shows = new QGroupBox(sawyer);
  SetTag(shows, texts::sawyer::kPageShows);
  auto* showsLayout = new QVBoxLayout(shows);
  for (QRadioButton* b : AddChoice("sawyerTimeMode",
                                   {{texts::sawyer::kModeLocalApparent, 0},
                                    {texts::sawyer::kModeZoneApparent, 1},
                                    {texts::sawyer::kModeHalfLoops, 2},
                                    {texts::sawyer::kModeStraightLines, 3}},
                                   shows)) {
    showsLayout->addWidget(b);
  }
  sl->addWidget(shows, row++, 0, 1, 3);
  auto* datesLabel = new QLabel(sawyer);
  SetTag(datesLabel, texts::sawyer::kPageDateLines);
  QComboBox* dates = AddList("dateLineMode",
                             {[] {
                               QStringList l;
                               for (int i = 0; i < texts::sawyer::kDateLinesPerMonth.size(); ++i) {
                                 l << Text(texts::sawyer::kDateLinesPerMonth[i]);
                               }
                               return l;
                             }},
                             sawyer);
  datesLabel->setBuddy(dates);
  sl->addWidget(datesLabel, row, 0);
  sl->addWidget(dates, row++, 1);
  auto* sawyerIntervalLabel = new QLabel(sawyer);
  SetTag(sawyerIntervalLabel, texts::ui::kRangeHeads[2]);
  QComboBox* sawyerInterval = AddList("otherHourInterval", MinuteIntervalList(5), sawyer);
  sawyerIntervalLabel->setBuddy(sawyerInterval);
  sl->addWidget(sawyerIntervalLabel, row, 0);
  sl->addWidget(sawyerInterval, row++, 1);
  sawyerGroup_ = sawyer;
  grid->addWidget(sawyer, 1, 0);

  // The Peaucellier group.
  auto* pg = new QGroupBox(this);
  pg->setObjectName("PeaucellierGroup");
  SetTag(pg, texts::peaucellier::kTitle);
  auto* pl = new QGridLayout(pg);
  constant_ = &AddEdit("peaucellierConstant", texts::peaucellier::kConstant, pg)
                   .Shown(7, 4)
                   .Stores(&AwayFromZeroConstant);
  auto* allowed = new QLabel(pg);
  SetTag(allowed, texts::peaucellier::kAllowedBetween);
  auto* range = new QLabel(pg);
  SetTag(range, texts::peaucellier::kAllowedRange);
  distance_ = &AddEdit("peaucellierEquinoxDistance", texts::peaucellier::kEquinoxDistance, pg);
  latitude_ = &AddEdit("latitude", texts::peaucellier::kPeaucellierLatitude, pg)
                   .Shown(8, 4)
                   .Stores(&AwayFromZeroLatitude);
  hint_ = new QLabel(pg);
  hint_->setObjectName("Hint");
  auto* intervalLabel = new QLabel(pg);
  SetTag(intervalLabel, texts::ui::kRangeHeads[2]);
  QComboBox* interval = AddList("otherHourInterval", MinuteIntervalList(4), pg);
  intervalLabel->setBuddy(interval);
  pl->addWidget(constant_->label, 0, 0);
  pl->addWidget(constant_->edit, 0, 1);
  pl->addWidget(allowed, 1, 0);
  pl->addWidget(range, 1, 1);
  pl->addWidget(distance_->label, 2, 0);
  pl->addWidget(distance_->edit, 2, 1);
  pl->addWidget(latitude_->label, 3, 0);
  pl->addWidget(latitude_->edit, 3, 1);
  pl->addWidget(hint_, 4, 0, 1, 2);
  pl->addWidget(intervalLabel, 5, 0);
  pl->addWidget(interval, 5, 1);
  peaucellierGroup_ = pg;
  grid->addWidget(pg, 0, 1, 2, 1);
  grid->setRowStretch(2, 1);

  CheckInOrder({sawyerGnomon_, lineAngle_, sawyerLatitude_, latitude_, center_, wall_, distance_,
                constant_});
}

void PeaucellierPage::Choose(char kind) {
  Store(*config::FindField("kind"), kind);
}

void PeaucellierPage::FillPage() {
  const bool peaucellier =
      config::KindRow(config::Dial()).family == config::DialFamily::Peaucellier;
  const QSignalBlocker a(sawyer_), b(peaucellier_);
  sawyer_->setChecked(!peaucellier);
  peaucellier_->setChecked(peaucellier);
}

void PeaucellierPage::Update() {
  const bool peaucellier =
      config::KindRow(config::Dial()).family == config::DialFamily::Peaucellier;
  sawyerGroup_->setVisible(!peaucellier);
  peaucellierGroup_->setVisible(peaucellier);
  // A hint for the constant: tan(latitude) / cos(15 deg).
  const double hint = astro::TanDeg(shell::State().site.latitude) / astro::CosDeg(15);
  hint_->setText(Text(texts::peaucellier::kHint) +
                 QString::fromStdString(shell::FormatReal(9, 4, hint)));
}

}  // namespace kelvra::ui
