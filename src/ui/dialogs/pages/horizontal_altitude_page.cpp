#include "ui/dialogs/pages/horizontal_altitude_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "texts/altitude.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {


}  // namespace

HorizontalAltitudePage::HorizontalAltitudePage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::HorizontalAltitude, context, parent) {
  auto* grid = new QGridLayout(this);

  // The edge and the two scales.
  auto* scale = new QGroupBox(this);
  auto* sl = new QGridLayout(scale);
  gnomon_ = &AddEdit("hidokeiGnomon", texts::altitude::kPageGnomonLength, scale);
  monthScale_ = &AddEdit("hidokeiMonthScale", texts::ui::kMonthScaleWidth, scale);
  scaleLength_ = &AddEdit("hidokeiScaleLength", texts::altitude::kScaleLength, scale);
  int row = 0;
  for (Edit* e : {gnomon_, monthScale_, scaleLength_}) {
    sl->addWidget(e->label, row, 0);
    sl->addWidget(e->edit, row, 1);
    ++row;
  }
  sl->addWidget(AddSwitch("hidokeiVerticalFace", texts::altitude::kVerticalFace, scale), row, 0, 1,
                2);
  grid->addWidget(scale, 0, 0);

  auto* halves = new QGroupBox(this);
  SetTag(halves, texts::altitude::kMonthHalves);
  auto* hl = new QVBoxLayout(halves);
  for (QRadioButton* b :
       AddChoice("monthScaleDouble",
                 {{texts::altitude::kHalvesCombined, 0}, {texts::altitude::kHalvesSideBySide, 1}},
                 halves)) {
    hl->addWidget(b);
  }
  grid->addWidget(halves, 0, 1);

  // What the hour lines show: one choice over two fields (zoneTime and
  // altitudeTemporal).
  auto* show = new QGroupBox(this);
  show->setObjectName("HourLineChoice");
  SetTag(show, texts::altitude::kHourLinesShow);
  auto* cl = new QVBoxLayout(show);
  auto* group = new QButtonGroup(show);
  for (texts::TextId tag : {texts::altitude::kShowApparent, texts::altitude::kShowZoneApparent,
                            texts::altitude::kShowTemporal}) {
    auto* b = new QRadioButton(show);
    SetTag(b, tag);
    group->addButton(b, static_cast<int>(hourChoice_.size()));
    hourChoice_.push_back(b);
    cl->addWidget(b);
  }
  connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked && !Filling()) ChooseHourLines(id);
  });
  eot_ = AddSwitch("constructWithEot", texts::altitude::kPageWithEot, show);
  cl->addWidget(eot_);
  grid->addWidget(show, 1, 1);

  // The ordinary hours and the temporal hours.
  QGroupBox* hours = AddHourLinesGroup(4, ordinary_, temporal_);
  grid->addWidget(hours, 1, 0);
  grid->setRowStretch(2, 1);

  CheckInOrder({gnomon_, monthScale_, scaleLength_});
}

void HorizontalAltitudePage::ChooseHourLines(int entry) {
  // Entry 0: local apparent time; 1: apparent time at the zone meridian;
  // 2: temporal hours.
  Store(*config::FindField("altitudeTemporal"), entry == 2 ? 1 : 0);
  Store(*config::FindField("zoneTime"), entry == 1 ? 1 : 0);
}

void HorizontalAltitudePage::FillPage() {
  const config::DialParameters& d = config::Dial();
  const int entry = d.altitudeTemporal ? 2 : d.zoneTime ? 1 : 0;
  for (std::size_t i = 0; i < hourChoice_.size(); ++i) {
    const QSignalBlocker block(hourChoice_[i]);
    hourChoice_[i]->setChecked(static_cast<int>(i) == entry);
  }
}

void HorizontalAltitudePage::Update() {
  const config::DialParameters& d = config::Dial();
  // The equation of time has no meaning for temporal hours.
  eot_->setEnabled(!d.altitudeTemporal);
  const QString on = "QComboBox { background: #ffffe1; }";
  const QString off = "QComboBox { background: silver; color: grey; }";
  for (QComboBox* c : ordinary_) c->setStyleSheet(d.altitudeTemporal ? off : on);
  for (QComboBox* c : temporal_) c->setStyleSheet(d.altitudeTemporal ? on : off);
}

}  // namespace kelvra::ui
