#include "ui/dialogs/pages/ring_page.h"

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
#include "shell/zodiac.h"
#include "texts/altitude.h"
#include "texts/ring.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

// The part of the day of the Babylonian and Italian hours
// (ringBabylonianPart, ringItalianPart: 0 forenoon, 1 afternoon, 2 all day).
ListSpec PartOfDayList() {
  return {[] {
    return QStringList{Text(texts::ring::kPageMorningOnly), Text(texts::ring::kPageAfternoonOnly),
                       Text(texts::ring::kPageAllDay)};
  }};
}

// The obliquity of the reference year (degrees).
double Obliquity() { return shell::CurrentZodiac().roundedObliquity; }

}  // namespace

RingPage::RingPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Ring, context, parent) {
  auto* grid = new QGridLayout(this);

  // The ring and its pin hole.
  auto* ring = new QGroupBox(this);
  auto* rl = new QGridLayout(ring);
  diameter_ = &AddEdit("ringDiameter", texts::ring::kPageDiameter, ring).Shown(6, 1);
  width_ = &AddEdit("ringWidth", texts::ring::kPageWidth, ring).Shown(6, 1);
  holeAngle_ = &AddEdit("ringHoleAngle", texts::ring::kPageHoleAngle, ring).Shown(6, 1);
  int row = 0;
  for (Edit* e : {diameter_, width_, holeAngle_}) {
    rl->addWidget(e->label, row, 0);
    rl->addWidget(e->edit, row, 1);
    if (e != holeAngle_) {
      auto* mm = new QLabel(ring);
      SetTag(mm, texts::ui::kMillimetres);
      rl->addWidget(mm, row, 2);
    }
    ++row;
  }
  oneBand_ = AddSwitch("wholeYear", texts::ring::kPageOneBand, ring);
  rl->addWidget(oneBand_, row++, 0, 1, 3);

  // The hole's offset across the band (expert mode): one field per band
  // count, the other hidden.
  auto* offsets = new QWidget(ring);
  offsets->setObjectName("OffsetGroup");
  auto* ol = new QGridLayout(offsets);
  ol->setContentsMargins(0, 0, 0, 0);
  offset_ = &AddEdit("ringHoleOffset", texts::ring::kPageOffset, offsets).Shown(6, 2);
  offsetNorth_ = &AddEdit("ringHoleOffsetNorth", texts::ring::kPageOffsetNorth, offsets).Shown(6, 2);
  ol->addWidget(offset_->label, 0, 0);
  ol->addWidget(offset_->edit, 0, 1);
  ol->addWidget(offsetNorth_->label, 1, 0);
  ol->addWidget(offsetNorth_->edit, 1, 1);
  auto* note = new QLabel(offsets);
  SetTag(note, texts::ring::kPageOffsetNote);
  ol->addWidget(note, 2, 0, 1, 2);
  offsetGroup_ = offsets;
  rl->addWidget(offsets, row++, 0, 1, 3);
  rl->setRowStretch(row, 1);
  grid->addWidget(ring, 0, 0);

  // What the hour lines show: temporal hours or local time (ringLocalTime
  // follows the choice).
  auto* show = new QGroupBox(this);
  SetTag(show, texts::ring::kPageHourLinesShow);
  auto* sl = new QVBoxLayout(show);
  hourChoice_ = AddChoice(
      "altitudeTemporal",
      {{texts::ring::kPageLocalTime, 0}, {texts::ring::kPageTemporal, 1}}, show);
  for (QRadioButton* b : hourChoice_) sl->addWidget(b);
  grid->addWidget(show, 0, 1);
  connect(this, &FieldPage::FieldChanged, this, [this](const QString& field) {
    if (field == QStringLiteral("altitudeTemporal") && !Filling())
      Store(*config::FindField("ringLocalTime"), config::Dial().altitudeTemporal ? 0 : 1);
  });

  // The light's lateral deflection and the movable hole.
  auto* deflection = new QGroupBox(this);
  SetTag(deflection, texts::ring::kPageDeflection);
  auto* dl = new QVBoxLayout(deflection);
  for (QRadioButton* b : AddChoice("ringLightDeflection",
                                   {{texts::ring::kPageDeflectionIgnored, 0},
                                    {texts::ring::kPageDeflectionConsidered, 1},
                                    {texts::ring::kPageDeflectionBoth, 2}},
                                   deflection)) {
    dl->addWidget(b);
  }
  grid->addWidget(deflection, 1, 0);

  auto* lines = new QGroupBox(this);
  auto* ll = new QGridLayout(lines);
  movable_ = AddSwitch("ringNoonHorizontal", texts::ring::kPageHoleMovable, lines);
  auto* noonNote = new QLabel(lines);
  SetTag(noonNote, texts::ring::kPageNoonHorizontal);
  ll->addWidget(movable_, 0, 0);
  ll->addWidget(noonNote, 0, 1);
  babylonian_ = AddSwitch("babylonianHours", texts::ui::kBabylonianHours, lines);
  babylonianPart_ = AddList("ringBabylonianPart", PartOfDayList(), lines);
  italian_ = AddSwitch("italianHours", texts::ui::kItalianHours, lines);
  italianPart_ = AddList("ringItalianPart", PartOfDayList(), lines);
  ll->addWidget(babylonian_, 1, 0);
  ll->addWidget(babylonianPart_, 1, 1);
  ll->addWidget(italian_, 2, 0);
  ll->addWidget(italianPart_, 2, 1);
  grid->addWidget(lines, 1, 1);

  // The ordinary hours and the temporal hours.
  QGroupBox* hours = AddHourLinesGroup(5, ordinary_, temporal_);
  grid->addWidget(hours, 2, 0, 1, 2);
  grid->setRowStretch(3, 1);
}

void RingPage::Update() {
  const config::DialParameters& d = config::Dial();
  offsetGroup_->setVisible(shell::State().general.expertMode);
  const bool oneBand = d.wholeYear;
  offset_->label->setVisible(oneBand);
  offset_->edit->setVisible(oneBand);
  offsetNorth_->label->setVisible(!oneBand);
  offsetNorth_->edit->setVisible(!oneBand);
  // Leaving an offset field allows the obliquity of the year; closing the
  // page the record range.
  const double eps = Obliquity();
  offset_->LeaveRange(-eps, eps);
  offsetNorth_->LeaveRange(0, eps);
  // The movable hole keeps the noon line straight; the Italian and
  // Babylonian lines are not drawn with it.
  const bool hoursOfDay = !d.ringNoonHorizontal;
  babylonian_->setEnabled(hoursOfDay);
  italian_->setEnabled(hoursOfDay);
  babylonianPart_->setEnabled(hoursOfDay && d.babylonianHours);
  italianPart_->setEnabled(hoursOfDay && d.italianHours);
  for (QComboBox* c : ordinary_) c->setEnabled(!d.altitudeTemporal);
  for (QComboBox* c : temporal_) c->setEnabled(d.altitudeTemporal);
}

bool RingPage::CheckPage() {
  // The hour-line choice decides both fields.
  Store(*config::FindField("ringLocalTime"), config::Dial().altitudeTemporal ? 0 : 1);
  return true;
}

void RingPage::DialogActivated() {
  if (shell::State().general.expertMode) return;
  config::DialParameters& d = config::Dial();
  if (d.wholeYear) {
    d.ringHoleOffset = 0;
  } else {
    d.ringHoleOffsetNorth = Obliquity() / 2;
  }
}

}  // namespace kelvra::ui
