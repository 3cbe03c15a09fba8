#include "ui/dialogs/pages/cylinder_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "astro/angles.h"
#include "astro/solar_ephemeris.h"
#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "shell/zodiac.h"
#include "texts/altitude.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

// The mean-time interval list: " 60 min" .. " 10 min", 10 min stored as 6.
ListSpec MeanIntervalList() {
  ListSpec intervals = MinuteIntervalList(5);
  intervals.valueOf = [](int entry) { return entry == 4 ? 6 : entry; };
  intervals.entryOf = [](int value) { return value == 6 ? 4 : value; };
  return intervals;
}

// Latitudes beyond this (degrees) give the longest shadow of the gnomon.
constexpr double kTropicLimit = 23.46;

}  // namespace

CylinderPage::CylinderPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Cylinder, context, parent) {
  auto* top = new QVBoxLayout(this);
  caption_ = new QLabel(this);
  caption_->setObjectName("VariantCaption");
  QFont f = caption_->font();
  f.setBold(true);
  caption_->setFont(f);
  top->addWidget(caption_);
  auto* grid = new QGridLayout;
  top->addLayout(grid);

  // Gnomon and scale.
  auto* scale = new QGroupBox(this);
  auto* sl = new QGridLayout(scale);
  gnomon_ = &AddEdit("cylinderGnomon", texts::altitude::kPageGnomonLength, scale);
  pin_ = &AddEdit("polarCylinderGnomon", texts::altitude::kPageGnomonLength, scale).Shown(6, 2);
  monthScale_ = &AddEdit("monthScaleLength", texts::ui::kMonthScaleWidth, scale);
  shadow_ = &AddEdit("maxShadowLength", texts::altitude::kLongestShadow, scale);
  radius_ = &AddEdit("cylinderRadius", texts::ui::kCylinderRadius, scale).Shown(6, 1);
  wall_ = &AddEdit("wallDeclination", texts::ui::kGnomonDeclination, scale).Shown(7, 2);
  circumference_ = new QLabel(scale);
  circumference_->setObjectName("Circumference");
  wallHint_ = new QLabel(scale);
  SetTag(wallHint_, texts::ui::kEasternNegative);
  int row = 0;
  for (Edit* e : {gnomon_, pin_, monthScale_, shadow_, radius_, wall_}) {
    sl->addWidget(e->label, row, 0);
    sl->addWidget(e->edit, row, 1);
    if (e == radius_) sl->addWidget(circumference_, row, 2);
    if (e == wall_) sl->addWidget(wallHint_, row, 2);
    ++row;
  }
  grid->addWidget(scale, 0, 0);

  // The month scale's halves (shepherd's dial) or the date lines (hat dial,
  // polar style), the equation of time and the altitude scale.
  auto* options = new QWidget(this);
  auto* ol = new QVBoxLayout(options);
  ol->setContentsMargins(0, 0, 0, 0);
  monthHalves_ = new QGroupBox(options);
  SetTag(monthHalves_, texts::altitude::kMonthHalves);
  auto* hl = new QVBoxLayout(monthHalves_);
  for (QRadioButton* b :
       AddChoice("monthScaleDouble",
                 {{texts::altitude::kHalvesCombined, 0}, {texts::altitude::kHalvesSideBySide, 1}},
                 monthHalves_)) {
    hl->addWidget(b);
  }
  dateLines_ = new QGroupBox(options);
  SetTag(dateLines_, texts::altitude::kDateLines);
  auto* dl = new QVBoxLayout(dateLines_);
  for (QRadioButton* b :
       AddChoice("cylinderDateLines",
                 {{texts::altitude::kMonthly, 0}, {texts::altitude::kSolstices, 1}}, dateLines_)) {
    dl->addWidget(b);
  }
  ol->addWidget(monthHalves_);
  ol->addWidget(dateLines_);
  ol->addWidget(AddSwitch("constructWithEot", texts::altitude::kPageWithEot, options));
  altitudeScale_ = AddSwitch("altitudeLines", texts::altitude::kAltitudeScale, options);
  ol->addWidget(altitudeScale_);
  ol->addStretch();
  grid->addWidget(options, 0, 1);

  // Ordinary hour lines, greyed while "Wahre Ortszeit" is off, and the time
  // they are drawn for.
  auto* hours = new QGroupBox(this);
  SetTag(hours, texts::altitude::kHourLines);
  auto* hg = new QGridLayout(hours);
  const texts::TextId heads[3] = {texts::altitude::kHoursFrom, texts::altitude::kHoursTo,
                                  texts::altitude::kHoursStep};
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(hours);
    SetTag(h, heads[k]);
    hg->addWidget(h, 0, 1 + k);
  }
  hg->addWidget(AddSwitch("hoursApparent", texts::altitude::kApparent, hours), 1, 0);
  hourLists_[0] = AddList("otherHoursFrom", ClockHourList(), hours);
  hourLists_[1] = AddList("otherHoursTo", ClockHourList(), hours);
  hourLists_[2] = AddList("otherHourInterval", MinuteIntervalList(4), hours);
  for (int k = 0; k < 3; ++k) hg->addWidget(hourLists_[k], 1, 1 + k);
  auto* reference = new QLabel(hours);
  SetTag(reference, texts::ui::kHourLinesForTime);
  const auto zone = AddChoice(
      "zoneTime", {{texts::ui::kAtLocalMeridian, 0}, {texts::ui::kAtZoneMeridian, 1}}, hours);
  hg->addWidget(reference, 2, 0);
  hg->addWidget(zone[0], 2, 1);
  hg->addWidget(zone[1], 2, 2, 1, 2);
  grid->addWidget(hours, 1, 0);

  // Babylonian, Italian and temporal hours.
  extra_ = new QGroupBox(this);
  extra_->setObjectName("AdditionalLines");
  SetTag(extra_, texts::altitude::kAdditional);
  auto* el = new QGridLayout(extra_);
  const struct {
    const char* on;
    texts::TextId tag;
    const char* from;
    const char* to;
    const char* step;
    ListSpec range;
    ListSpec interval;
  } systems[3] = {
      {"babylonianHours", texts::ui::kBabylonianHours, "babylonianFrom", "babylonianTo",
       "babylonianInterval", ClockHourList(), MinuteIntervalList(4)},
      {"italianHours", texts::ui::kItalianHours, "italianFrom", "italianTo", "italianInterval",
       ClockHourList(), MinuteIntervalList(4)},
      {"temporalHours", texts::ui::kTemporalHours, "otherTemporalFrom", "otherTemporalTo",
       "otherTemporalInterval", TemporalHourList(), TemporalIntervalList()},
  };
  for (int s = 0; s < 3; ++s) {
    el->addWidget(AddSwitch(systems[s].on, systems[s].tag, extra_), s, 0);
    extraLists_[s][0] = AddList(systems[s].from, systems[s].range, extra_);
    extraLists_[s][1] = AddList(systems[s].to, systems[s].range, extra_);
    extraLists_[s][2] = AddList(systems[s].step, systems[s].interval, extra_);
    for (int k = 0; k < 3; ++k) el->addWidget(extraLists_[s][k], s, 1 + k);
  }
  morningNote_ = new QLabel(extra_);
  SetTag(morningNote_, texts::altitude::kMorningOnly);
  morningNote_->setWordWrap(true);
  el->addWidget(morningNote_, 3, 0, 1, 4);
  grid->addWidget(extra_, 1, 1);

  // Mean-time lines of the hat dial and the polar style.
  meanTime_ = new QGroupBox(this);
  meanTime_->setObjectName("MeanTimeLines");
  SetTag(meanTime_, texts::altitude::kMeanTimeLines);
  auto* ml = new QGridLayout(meanTime_);
  const auto mean =
      AddChoice("meanTimeLocal",
                {{texts::altitude::kMeanLocal, 1}, {texts::altitude::kMeanZone, 0}}, meanTime_);
  ml->addWidget(mean[0], 0, 0);
  ml->addWidget(mean[1], 0, 1, 1, 2);
  ml->addWidget(AddList("eotHoursFrom", ClockHourList(), meanTime_), 1, 0);
  ml->addWidget(AddList("eotHoursTo", ClockHourList(), meanTime_), 1, 1);
  ml->addWidget(AddList("eotHourInterval", MeanIntervalList(), meanTime_), 1, 2);
  grid->addWidget(meanTime_, 2, 0, 1, 2);
  top->addStretch();

  // Leaving the gnomon field of the shepherd's and hat dial gives the longest
  // shadow anew outside the tropics.
  connect(this, &FieldPage::FieldChanged, this, [this](const QString& field) {
    if (field != QLatin1String("cylinderGnomon")) return;
    const double lat = shell::State().site.latitude;
    if (std::fabs(lat) <= kTropicLimit) return;
    config::DialParameters& d = config::Dial();
    config::DeriveMaxShadowLength(d, lat, shell::CurrentZodiac().roundedObliquity);
    Store(*config::FindField("maxShadowLength"), d.maxShadowLength);
  });

  CheckInOrder({gnomon_, pin_, monthScale_, radius_, wall_, shadow_});
}

void CylinderPage::FillPage() {
  const int variant = std::clamp(config::Dial().cylinderVariant, 0, 2);
  constexpr texts::TextId kSuffixes[] = {
      texts::altitude::kSuffixShepherd, texts::altitude::kSuffixHat, texts::altitude::kSuffixPolar};
  caption_->setText(Text(texts::altitude::kTitleCylinder).trimmed() + Text(kSuffixes[variant]));
  SetTag(monthScale_->label,
         variant == 1 ? texts::ui::kCylinderCircumference : texts::ui::kMonthScaleWidth);
}

void CylinderPage::Update() {
  const config::DialParameters& d = config::Dial();
  const int variant = std::clamp(d.cylinderVariant, 0, 2);
  const bool polar = variant == 2;
  auto show = [](Edit* e, bool on) {
    e->label->setVisible(on);
    e->edit->setVisible(on);
  };
  show(gnomon_, !polar);
  show(pin_, polar);
  show(monthScale_, !polar);
  show(shadow_, !polar);
  show(radius_, polar);
  show(wall_, polar);
  wallHint_->setVisible(polar);
  circumference_->setVisible(polar);
  circumference_->setText(" = " + QString::fromStdString(shell::FormatReal(1, 1, 2 * astro::kPi * d.cylinderRadius)));
  monthHalves_->setVisible(variant == 0);
  dateLines_->setVisible(variant != 0);
  altitudeScale_->setVisible(!polar);
  // Babylonian, Italian and temporal hours of the shepherd's dial are for
  // experts; its Babylonian and Italian lines show the morning only.
  extra_->setVisible(variant != 0 || shell::State().general.expertMode);
  morningNote_->setVisible(variant == 0);
  meanTime_->setVisible(variant != 0 && d.constructWithEot);

  const QString on = "QComboBox { background: #ffffe1; }";
  const QString off = "QComboBox { background: silver; color: grey; }";
  for (QComboBox* c : hourLists_) c->setStyleSheet(d.hoursApparent ? on : off);
  const bool extraOn[3] = {d.babylonianHours, d.italianHours, d.temporalHours};
  for (int s = 0; s < 3; ++s) {
    for (QComboBox* c : extraLists_[s]) c->setStyleSheet(extraOn[s] ? on : off);
  }
}

}  // namespace kelvra::ui
