#include "ui/dialogs/pages/quadrant_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "shell/messages.h"
#include "shell/zodiac.h"
#include "astro/angles.h"
#include "shell/shared_state.h"
#include "texts/altitude.h"
#include "texts/habermel.h"
#include "texts/sawyer.h"
#include "texts/quadrant.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

constexpr int kStereographic = 2;  // quadrantDateScale of Gunter's quadrant

}  // namespace

QuadrantPage::QuadrantPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::VerticalAltitude, context, parent) {
  auto* grid = new QGridLayout(this);

  // The variant (expert mode).
  auto* variants = new QGroupBox(this);
  variants->setObjectName("VariantGroup");
  auto* vl = new QHBoxLayout(variants);
  for (QRadioButton* b : AddChoice(
           "altitudeVariant",
           {{texts::ui::kQuadrant, 0}, {texts::ui::kHabermel1, 1}, {texts::ui::kHabermel2, 2}},
           variants)) {
    vl->addWidget(b);
  }
  variants_ = variants;
  grid->addWidget(variants, 0, 0, 1, 2);

  // The Habermel dials: diameter and gnomon derive each other.
  auto* habermel = new QGroupBox(this);
  habermel->setObjectName("HabermelGroup");
  auto* hg = new QGridLayout(habermel);
  diameter_ = &AddEdit("dialDiameter", texts::habermel::kPageDiameter, habermel).Shown(6, 1);
  gnomon_ = &AddEdit("habermelGnomon", texts::habermel::kPageGnomon, habermel).Shown(6, 2);
  latitude_ = &AddEdit("latitude", texts::habermel::kPageLatitude, habermel).Shown(8, 4);
  int row = 0;
  for (Edit* e : {diameter_, gnomon_, latitude_}) {
    hg->addWidget(e->label, row, 0);
    hg->addWidget(e->edit, row, 1);
    ++row;
  }
  auto* datesLabel = new QLabel(habermel);
  SetTag(datesLabel, texts::habermel::kPageDateLines);
  QComboBox* dates = AddList("dateLineMode",
                             {[] {
                               QStringList l;
                               for (int i = 0; i < texts::sawyer::kDateLinesPerMonth.size(); ++i) {
                                 l << Text(texts::sawyer::kDateLinesPerMonth[i]);
                               }
                               return l;
                             }},
                             habermel);
  datesLabel->setBuddy(dates);
  habermelDates_ = new QWidget(habermel);
  auto* dl = new QHBoxLayout(habermelDates_);
  dl->setContentsMargins(0, 0, 0, 0);
  dl->addWidget(datesLabel);
  dl->addWidget(dates);
  hg->addWidget(habermelDates_, row++, 0, 1, 2);
  habermelEot_ = AddSwitch("constructWithEot", texts::altitude::kPageWithEot, habermel);
  hg->addWidget(habermelEot_, row++, 0, 1, 2);
  hg->setRowStretch(row, 1);
  habermel_ = habermel;
  grid->addWidget(habermel, 1, 0, 1, 2);
  connect(this, &FieldPage::FieldChanged, this, [this](const QString& field) {
    if (!Filling()) HabermelRule(field);
  });

  // The quadrant.
  auto* quadrant = new QWidget(this);
  quadrant->setObjectName("QuadrantGroup");
  auto* ql = new QGridLayout(quadrant);
  ql->setContentsMargins(0, 0, 0, 0);

  auto* shape = new QGroupBox(quadrant);
  auto* sl = new QGridLayout(shape);
  size_ = &AddEdit("quadrantSize", texts::quadrant::kSize, shape);
  auto* mm = new QLabel(shape);
  SetTag(mm, texts::ui::kMillimetres);
  sl->addWidget(size_->label, 0, 0);
  sl->addWidget(size_->edit, 0, 1);
  sl->addWidget(mm, 0, 2);
  auto* scale = new QGroupBox(shape);
  SetTag(scale, texts::quadrant::kDateCircles);
  auto* scl = new QVBoxLayout(scale);
  for (QRadioButton* b : AddChoice("quadrantDateScale",
                                   {{texts::quadrant::kCalendarScale, 0},
                                    {texts::quadrant::kDeclinationScale, 1},
                                    {texts::quadrant::kStereographicScale, kStereographic}},
                                   scale)) {
    b->setObjectName("quadrantDateScale");
    scl->addWidget(b);
  }
  sl->addWidget(scale, 1, 0, 1, 3);
  wholeYear_ = AddSwitch("wholeYear", texts::quadrant::kWholeYear, shape);
  sl->addWidget(wholeYear_, 2, 0, 1, 3);
  auto* saved = new QLabel(shape);
  SetTag(saved, texts::quadrant::kWhenSaved);
  sl->addWidget(saved, 3, 0, 1, 3);
  mirrored_ = AddSwitch("quadrantMirrored", texts::quadrant::kMirrored, shape);
  sl->addWidget(mirrored_, 4, 0, 1, 3);
  fileNote_ = new QLabel(shape);
  fileNote_->setObjectName("FileNote");
  fileNote_->setWordWrap(true);
  sl->addWidget(fileNote_, 5, 0, 1, 3);
  sl->addWidget(AddSwitch("quadrantAzimuthLines", texts::quadrant::kAzimuthLines, shape), 6, 0, 1,
                3);
  auto* arrangement = new QGroupBox(shape);
  arrangement->setObjectName("Arrangement");
  SetTag(arrangement, texts::quadrant::kArrangement);
  auto* al = new QHBoxLayout(arrangement);
  for (QRadioButton* b : AddChoice(
           "juneOutside", {{texts::quadrant::kJuneOutside, 1}, {texts::quadrant::kJuneInside, 0}},
           arrangement)) {
    al->addWidget(b);
  }
  arrangement_ = arrangement;
  sl->addWidget(arrangement, 7, 0, 1, 3);
  ql->addWidget(shape, 0, 0);

  // Time and hour lines.
  auto* hours = new QGroupBox(quadrant);
  auto* hl = new QGridLayout(hours);
  const auto kindOfHours =
      AddChoice("altitudeTemporal",
                {{texts::ui::kApparentTimeSwitch, 0}, {texts::ui::kTemporalHours, 1}}, hours);
  hl->addWidget(kindOfHours[0], 0, 0, 1, 2);
  hl->addWidget(kindOfHours[1], 0, 2, 1, 2);
  eot_ = AddSwitch("altitudeWithEot", texts::altitude::kPageWithEot, hours);
  hl->addWidget(eot_, 1, 0, 1, 4);
  auto* reference = new QGroupBox(hours);
  reference->setObjectName("TimeReference");
  SetTag(reference, texts::ui::kHourLinesForTime);
  auto* rl = new QHBoxLayout(reference);
  for (QRadioButton* b :
       AddChoice("zoneTime", {{texts::ui::kAtLocalMeridian, 0}, {texts::ui::kAtZoneMeridian, 1}},
                 reference)) {
    rl->addWidget(b);
  }
  timeReference_ = reference;
  hl->addWidget(reference, 2, 0, 1, 4);
  auto* lists = new QWidget(hours);
  lists->setObjectName("HourLists");
  auto* ll = new QGridLayout(lists);
  ll->setContentsMargins(0, 0, 0, 0);
  const texts::TextId heads[3] = {texts::altitude::kHoursFrom, texts::altitude::kHoursTo,
                                  texts::altitude::kHoursStep};
  const texts::TextId temporalHeads[3] = {texts::altitude::kFrom, texts::altitude::kTo,
                                          texts::altitude::kStep};
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(lists);
    SetTag(h, heads[k]);
    ll->addWidget(h, 0, 1 + k);
    auto* t = new QLabel(lists);
    SetTag(t, temporalHeads[k]);
    ll->addWidget(t, 2, 1 + k);
  }
  QComboBox* ordinary[3] = {AddList("otherHoursFrom", ClockHourList(), lists),
                            AddList("otherHoursTo", ClockHourList(), lists),
                            AddList("otherHourInterval", MinuteIntervalList(4), lists)};
  QComboBox* temporal[3] = {AddList("otherTemporalFrom", TemporalHourList(), lists),
                            AddList("otherTemporalTo", TemporalHourList(), lists),
                            AddList("otherTemporalInterval", TemporalIntervalList(), lists)};
  auto* temporalLabel = new QLabel(lists);
  SetTag(temporalLabel, texts::ui::kTemporalHours);
  ll->addWidget(temporalLabel, 3, 0);
  for (int k = 0; k < 3; ++k) {
    ll->addWidget(ordinary[k], 1, 1 + k);
    ll->addWidget(temporal[k], 3, 1 + k);
  }
  hourLists_ = lists;
  hl->addWidget(lists, 3, 0, 1, 4);
  hl->setRowStretch(4, 1);
  ql->addWidget(hours, 0, 1);
  quadrant_ = quadrant;
  grid->addWidget(quadrant, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);

  // Gunter's quadrant is read in local time.
  connect(this, &FieldPage::FieldChanged, this, [this](const QString& field) {
    if (field != QStringLiteral("quadrantDateScale") || Filling()) return;
    if (config::Dial().quadrantDateScale == kStereographic) {
      Store(*config::FindField("zoneTime"), 0);
      Store(*config::FindField("ringLocalTime"), 1);
    }
  });
}

void QuadrantPage::Update() {
  const config::DialParameters& d = config::Dial();
  const bool expert = shell::State().general.expertMode;
  variants_->setVisible(expert);
  const bool quadrant = d.altitudeVariant == 0;
  quadrant_->setVisible(quadrant);
  habermel_->setVisible(!quadrant);
  habermelDates_->setVisible(d.altitudeVariant == 1);
  habermelEot_->setVisible(d.altitudeVariant == 1);
  habermelEot_->setEnabled(d.ringLocalTime);
  const bool gunter = d.quadrantDateScale == kStereographic;
  const bool calendar = d.quadrantDateScale == 0;
  timeReference_->setEnabled(!gunter && !d.altitudeTemporal);
  eot_->setEnabled(calendar);
  wholeYear_->setEnabled(!gunter);
  mirrored_->setEnabled(!gunter);
  hourLists_->setEnabled(!d.wholeYear);
  arrangement_->setEnabled(!d.wholeYear || d.azimuthZodiacScale);
  // The saved file holds two quadrants: both half-years of the calendar
  // scale, otherwise morning and afternoon.
  fileNote_->setText(Text(calendar && !d.wholeYear ? texts::quadrant::kHalfYearsNote
                                                   : texts::quadrant::kDayHalvesNote));
}

double QuadrantPage::DiameterForGnomon(double gnomon) const {
  const double phi = std::fabs(shell::State().site.latitude);
  const double eps = shell::CurrentZodiac().roundedObliquity;
  const int variant = config::Dial().altitudeVariant;
  if (variant == 2) return 2 * gnomon * astro::TanDeg(90 - phi + eps) + 15;
  return gnomon * (astro::TanDeg(90 - phi - eps) + astro::TanDeg(90 - phi + eps)) + 15;
}

void QuadrantPage::DeriveGnomon() {
  deriving_ = true;
  config::DialParameters d = config::Dial();
  config::DeriveHabermelGnomon(d, std::fabs(shell::State().site.latitude),
                               shell::CurrentZodiac().roundedObliquity);
  Store(*config::FindField("habermelGnomon"), d.habermelGnomon);
  lastGnomon_ = d.habermelGnomon;
  deriving_ = false;
}

void QuadrantPage::FillPage() { lastGnomon_ = config::Dial().habermelGnomon; }

void QuadrantPage::HabermelRule(const QString& field) {
  if (deriving_) return;
  const config::DialParameters& d = config::Dial();
  if (field == QStringLiteral("altitudeVariant")) {
    if (d.altitudeVariant == 0) return;
    if (d.dialDiameter > 200) {
      shell::ShowMessage(shell::MessageKind::Warning,
                         Text(texts::ui::kHabermelGnomonTooLong).toStdString());
    }
    if (d.altitudeTemporal) {
      shell::ShowMessage(shell::MessageKind::Information,
                         Text(texts::habermel::kTemporalNotAvailable).toStdString());
      Store(*config::FindField("altitudeTemporal"), 0);
    }
    DeriveGnomon();
    return;
  }
  if (d.altitudeVariant == 0) return;
  if (field == QStringLiteral("dialDiameter")) {
    DeriveGnomon();
  } else if (field == QStringLiteral("latitude")) {
    if (shell::State().site.latitude < 0) {
      shell::ShowMessage(shell::MessageKind::Information,
                         Text(texts::habermel::kNorthernOnly).toStdString());
    }
    DeriveGnomon();
  } else if (field == QStringLiteral("habermelGnomon")) {
    // The diameter follows the gnomon; a gnomon that needs more than 200 mm
    // is refused and the old one shown again.
    const double diameter = DiameterForGnomon(d.habermelGnomon);
    if (!(diameter <= 200)) {
      shell::ShowMessage(shell::MessageKind::Information,
                         Text(texts::ui::kHabermelGnomonTooLong).toStdString());
      deriving_ = true;
      Store(*config::FindField("habermelGnomon"), lastGnomon_);
      deriving_ = false;
      return;
    }
    lastGnomon_ = d.habermelGnomon;
    deriving_ = true;
    Store(*config::FindField("dialDiameter"), diameter);
    deriving_ = false;
  }
}

}  // namespace kelvra::ui
