#include "ui/dialogs/pages/quadrant_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

// Text numbers (resources/text/quadrant.tsv, altitude.tsv, ui.tsv).
enum : int {
  kSize = 1286, kDateCircles = 1287, kCalendarScale = 1288, kDeclinationScale = 1289,
  kStereographicScale = 1290, kWholeYear = 1291, kWhenSaved = 1292, kMirrored = 1293,
  kAzimuthLines = 1294, kArrangement = 1295, kJuneOutside = 1296, kJuneInside = 1297,
  kHalfYearsNote = 1298, kDayHalvesNote = 1299,
  kWithEot = 1039, kHoursFrom = 1045, kHoursTo = 1046, kHoursStep = 1047, kFrom = 1048,
  kTo = 1049, kStep = 1050,
  kQuadrant = 1547, kHabermel1 = 1548, kHabermel2 = 1549, kMm = 1574,
  kApparentTime = 1382, kTimeFor = 1627, kLocalMeridian = 1628, kZoneMeridian = 1629,
  kTemporal = 1635, kNotBuiltYet = 1665,
};

constexpr int kStereographic = 2;  // quadrantDateScale of Gunter's quadrant

}  // namespace

QuadrantPage::QuadrantPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::VerticalAltitude, context, parent) {
  auto* grid = new QGridLayout(this);

  // The variant (expert mode).
  auto* variants = new QGroupBox(this);
  variants->setObjectName("VariantGroup");
  auto* vl = new QHBoxLayout(variants);
  for (QRadioButton* b : AddChoice("altitudeVariant",
                                   {{kQuadrant, 0}, {kHabermel1, 1}, {kHabermel2, 2}}, variants)) {
    vl->addWidget(b);
  }
  variants_ = variants;
  grid->addWidget(variants, 0, 0, 1, 2);

  // The Habermel dials have no page of their own yet.
  auto* notBuilt = new QLabel(this);
  SetTag(notBuilt, kNotBuiltYet);
  notBuilt_ = notBuilt;
  grid->addWidget(notBuilt, 1, 0, 1, 2);

  // The quadrant.
  auto* quadrant = new QWidget(this);
  quadrant->setObjectName("QuadrantGroup");
  auto* ql = new QGridLayout(quadrant);
  ql->setContentsMargins(0, 0, 0, 0);

  auto* shape = new QGroupBox(quadrant);
  auto* sl = new QGridLayout(shape);
  size_ = &AddEdit("quadrantSize", kSize, shape);
  auto* mm = new QLabel(shape);
  SetTag(mm, kMm);
  sl->addWidget(size_->label, 0, 0);
  sl->addWidget(size_->edit, 0, 1);
  sl->addWidget(mm, 0, 2);
  auto* scale = new QGroupBox(shape);
  SetTag(scale, kDateCircles);
  auto* scl = new QVBoxLayout(scale);
  for (QRadioButton* b :
       AddChoice("quadrantDateScale",
                 {{kCalendarScale, 0}, {kDeclinationScale, 1}, {kStereographicScale, kStereographic}},
                 scale)) {
    b->setObjectName("quadrantDateScale");
    scl->addWidget(b);
  }
  sl->addWidget(scale, 1, 0, 1, 3);
  wholeYear_ = AddSwitch("wholeYear", kWholeYear, shape);
  sl->addWidget(wholeYear_, 2, 0, 1, 3);
  auto* saved = new QLabel(shape);
  SetTag(saved, kWhenSaved);
  sl->addWidget(saved, 3, 0, 1, 3);
  mirrored_ = AddSwitch("quadrantMirrored", kMirrored, shape);
  sl->addWidget(mirrored_, 4, 0, 1, 3);
  fileNote_ = new QLabel(shape);
  fileNote_->setObjectName("FileNote");
  fileNote_->setWordWrap(true);
  sl->addWidget(fileNote_, 5, 0, 1, 3);
  sl->addWidget(AddSwitch("quadrantAzimuthLines", kAzimuthLines, shape), 6, 0, 1, 3);
  auto* arrangement = new QGroupBox(shape);
  arrangement->setObjectName("Arrangement");
  SetTag(arrangement, kArrangement);
  auto* al = new QHBoxLayout(arrangement);
  for (QRadioButton* b : AddChoice("juneOutside", {{kJuneOutside, 1}, {kJuneInside, 0}}, arrangement)) {
    al->addWidget(b);
  }
  arrangement_ = arrangement;
  sl->addWidget(arrangement, 7, 0, 1, 3);
  ql->addWidget(shape, 0, 0);

  // Time and hour lines.
  auto* hours = new QGroupBox(quadrant);
  auto* hl = new QGridLayout(hours);
  const auto kindOfHours = AddChoice("altitudeTemporal", {{kApparentTime, 0}, {kTemporal, 1}}, hours);
  hl->addWidget(kindOfHours[0], 0, 0, 1, 2);
  hl->addWidget(kindOfHours[1], 0, 2, 1, 2);
  eot_ = AddSwitch("altitudeWithEot", kWithEot, hours);
  hl->addWidget(eot_, 1, 0, 1, 4);
  auto* reference = new QGroupBox(hours);
  reference->setObjectName("TimeReference");
  SetTag(reference, kTimeFor);
  auto* rl = new QHBoxLayout(reference);
  for (QRadioButton* b : AddChoice("zoneTime", {{kLocalMeridian, 0}, {kZoneMeridian, 1}}, reference)) {
    rl->addWidget(b);
  }
  timeReference_ = reference;
  hl->addWidget(reference, 2, 0, 1, 4);
  auto* lists = new QWidget(hours);
  lists->setObjectName("HourLists");
  auto* ll = new QGridLayout(lists);
  ll->setContentsMargins(0, 0, 0, 0);
  const int heads[3] = {kHoursFrom, kHoursTo, kHoursStep};
  const int temporalHeads[3] = {kFrom, kTo, kStep};
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
  SetTag(temporalLabel, kTemporal);
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
  notBuilt_->setVisible(!quadrant);
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
  fileNote_->setText(Text(calendar && !d.wholeYear ? kHalfYearsNote : kDayHalvesNote));
}

}  // namespace kelvra::ui
