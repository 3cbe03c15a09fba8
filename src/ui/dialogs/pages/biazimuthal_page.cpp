#include "ui/dialogs/pages/biazimuthal_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "astro/angles.h"
#include "config/dial_parameters.h"
#include "dials/biazimuthal/biazimuthal_geometry.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/biazimuthal.h"
#include "texts/meantime.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

namespace tx = texts::biazimuthal;

// Latitudes of a smaller magnitude are stored as 0.0049 with their sign (0
// counts as positive): the map needs its two points off the equator's exact
// line. Position A's bound is 0.005, position B's 0.0049.
double AwayFromEquator(double latitude, double bound) {
  if (std::fabs(latitude) >= bound) return latitude;
  return latitude < 0 ? -0.0049 : 0.0049;
}
double AwayFromEquatorA(double latitude) { return AwayFromEquator(latitude, 0.005); }
double AwayFromEquatorB(double latitude) { return AwayFromEquator(latitude, 0.0049); }

QString Number(double value) { return QString::fromStdString(shell::FormatReal(3, 3, value)); }

// The mean-time interval list has a fifth entry, 10 min, stored as 6.
ListSpec MeanIntervalList() {
  ListSpec intervals = MinuteIntervalList(5);
  intervals.valueOf = [](int entry) { return entry == 4 ? 6 : entry; };
  intervals.entryOf = [](int value) { return value == 6 ? 4 : value; };
  return intervals;
}

}  // namespace

BiazimuthalPage::BiazimuthalPage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::Biazimuthal, context, parent) {
  auto* grid = new QGridLayout(this);

  // Position A with the plane of its dial.
  auto* a = new QGroupBox(this);
  SetTag(a, tx::kPositionA);
  auto* al = new QGridLayout(a);
  auto* planeGroup = new QGroupBox(a);
  SetTag(planeGroup, tx::kPagePlane);
  auto* pl = new QHBoxLayout(planeGroup);
  const auto planes = AddChoice(
      "dialPlane", {{tx::kPagePlanes[0], 0}, {tx::kPagePlanes[1], 1}, {tx::kPagePlanes[2], 2}},
      planeGroup);
  for (int i = 0; i < 3; ++i) {
    planes[i]->setObjectName(QStringLiteral("dialPlane%1").arg(i));
    pl->addWidget(planes[i]);
  }
  al->addWidget(planeGroup, 0, 0, 1, 2);
  latitude_ = &AddEdit("latitude", tx::kPageLatitude, a).Shown(8, 4).Stores(&AwayFromEquatorA);
  longitude_ = &AddEdit("longitude", tx::kPageLongitude, a).Shown(8, 4);
  zone_ = &AddEdit("zoneMeridian", tx::kPageZone, a).Shown(8, 2);
  wall_ = &AddEdit("wallDeclination", tx::kPageWall, a).Shown(8, 2);
  inclination_ = &AddEdit("inclination", tx::kPageInclination, a).Shown(8, 2);
  int row = 1;
  for (Edit* e : {latitude_, longitude_, zone_, wall_, inclination_}) {
    al->addWidget(e->label, row, 0);
    al->addWidget(e->edit, row, 1);
    ++row;
  }
  grid->addWidget(a, 0, 0);

  // Position B.
  auto* b = new QGroupBox(this);
  SetTag(b, tx::kPagePositionB);
  auto* bl = new QGridLayout(b);
  secondLatitude_ = &AddEdit("secondLatitude", tx::kPageSecondLatitude, b)
                         .Shown(8, 4)
                         .Stores(&AwayFromEquatorB);
  secondLongitude_ = &AddEdit("secondLongitude", tx::kPageSecondLongitude, b).Shown(8, 4);
  secondVertical_ = AddSwitch("secondVertical", tx::kPageSecondVertical, b);
  secondWall_ = &AddEdit("secondWallDeclination", tx::kPageSecondWall, b).Shown(8, 2);
  bl->addWidget(secondLatitude_->label, 0, 0);
  bl->addWidget(secondLatitude_->edit, 0, 1);
  bl->addWidget(secondLongitude_->label, 1, 0);
  bl->addWidget(secondLongitude_->edit, 1, 1);
  bl->addWidget(secondVertical_, 2, 0, 1, 2);
  bl->addWidget(secondWall_->label, 3, 0);
  bl->addWidget(secondWall_->edit, 3, 1);
  grid->addWidget(b, 1, 0);

  // The scale, the time and the lines.
  auto* lines = new QGroupBox(this);
  auto* ll = new QGridLayout(lines);
  scale_ = &AddEdit("scalePercent", tx::kPageScale, lines).Shown(5, 0);
  auto* scaleNote = new QLabel(lines);
  SetTag(scaleNote, tx::kPageScaleNote);
  ll->addWidget(scale_->label, 0, 0);
  ll->addWidget(scale_->edit, 0, 1);
  ll->addWidget(scaleNote, 1, 0, 1, 4);
  auto* timeOf = new QGroupBox(lines);
  SetTag(timeOf, tx::kPageShowTimeOf);
  auto* tl = new QHBoxLayout(timeOf);
  for (QRadioButton* r : AddChoice("timeOfPosition1",
                                   {{tx::kPagePositions[0], 1}, {tx::kPagePositions[1], 0}},
                                   timeOf)) {
    tl->addWidget(r);
  }
  ll->addWidget(timeOf, 2, 0, 1, 4);
  auto* shows = new QGroupBox(lines);
  SetTag(shows, tx::kPageHoursShow);
  auto* sl = new QHBoxLayout(shows);
  for (QRadioButton* r :
       AddChoice("zoneTime", {{tx::kLocalMeanTime, 0}, {tx::kZoneTimeNoDst, 1}}, shows)) {
    sl->addWidget(r);
  }
  ll->addWidget(shows, 3, 0, 1, 4);
  ll->addWidget(AddSwitch("altitudeWithEot", tx::kPageWithEot, lines), 4, 0, 1, 4);
  auto* hourLines = new QLabel(lines);
  SetTag(hourLines, tx::kPageHourLines);
  ll->addWidget(hourLines, 5, 0);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(lines);
    SetTag(h, texts::ui::kRangeHeads[k]);
    ll->addWidget(h, 5, 1 + k);
  }
  ll->addWidget(AddList("otherHoursFrom", ClockHourList(), lines), 6, 1);
  ll->addWidget(AddList("otherHoursTo", ClockHourList(), lines), 6, 2);
  ll->addWidget(AddList("otherHourInterval", MinuteIntervalList(5), lines), 6, 3);
  auto* meanHours = new QLabel(lines);
  SetTag(meanHours, texts::ui::kMeanTimeHours);
  ll->addWidget(meanHours, 7, 0);
  ll->addWidget(AddList("eotHoursFrom", ClockHourList(), lines), 7, 1);
  ll->addWidget(AddList("eotHoursTo", ClockHourList(), lines), 7, 2);
  ll->addWidget(AddList("eotHourInterval", MeanIntervalList(), lines), 7, 3);
  ll->addWidget(AddSwitch("markAnalemma", texts::ui::kMarkAnalemma, lines), 8, 0);
  analemmaHour_ = &AddEdit("analemmaHour", texts::ui::kAnalemmaHour, lines);
  ll->addWidget(analemmaHour_->edit, 8, 1);
  ll->addWidget(analemmaHour_->label, 8, 2);
  auto* datesLabel = new QLabel(lines);
  SetTag(datesLabel, tx::kPageDateLines);
  QComboBox* dates = AddList("dateLineMode",
                             {[] {
                               QStringList l;
                               for (int i = 0; i < 3; ++i) {
                                 l << Text(texts::meantime::kPageDateLinesPerMonth[i]);
                               }
                               return l;
                             }},
                             lines);
  datesLabel->setBuddy(dates);
  ll->addWidget(datesLabel, 9, 0);
  ll->addWidget(dates, 9, 1, 1, 3);
  grid->addWidget(lines, 0, 1);

  // The equivalent horizontal dials and the pole.
  auto* shown = new QGroupBox(this);
  SetTag(shown, tx::kEquivalentHorizontal);
  auto* vl = new QVBoxLayout(shown);
  equivalent_ = new QLabel(shown);
  equivalent_->setObjectName("Equivalent");
  pole_ = new QLabel(shown);
  pole_->setObjectName("Pole");
  vl->addWidget(equivalent_);
  vl->addWidget(pole_);
  grid->addWidget(shown, 1, 1);
  grid->setRowStretch(2, 1);

  // A change of either position that leaves no pole (the two equivalent
  // points opposite each other) is reported at once.
  connect(this, &FieldPage::FieldChanged, this, [](const QString& field) {
    static const QStringList positions = {"latitude",        "longitude",
                                          "secondLatitude",  "secondLongitude",
                                          "wallDeclination", "inclination",
                                          "dialPlane",       "secondVertical",
                                          "secondWallDeclination"};
    if (!positions.contains(field)) return;
    if (dials::biazimuthal::EquivalentHorizontalPoints(shell::State().site, config::Dial()).pole) {
      return;
    }
    shell::ShowMessage(shell::MessageKind::Error,
                       Text(tx::kError).toStdString() + "\n" + Text(tx::kAborted).toStdString());
  });
}

void BiazimuthalPage::Update() {
  const config::DialParameters& d = config::Dial();
  const int plane = ((d.dialPlane % 3) + 3) % 3;
  wall_->label->setVisible(plane != 0);
  wall_->edit->setVisible(plane != 0);
  inclination_->label->setVisible(plane == 2);
  inclination_->edit->setVisible(plane == 2);
  secondWall_->label->setVisible(d.secondVertical);
  secondWall_->edit->setVisible(d.secondVertical);
  analemmaHour_->edit->setEnabled(d.markAnalemma);

  const dials::biazimuthal::EquivalentPoints e =
      dials::biazimuthal::EquivalentHorizontalPoints(shell::State().site, d);
  auto place = [](const QString& name, const dials::biazimuthal::GeoPoint& p) {
    return name + ":  " + Text(tx::kLatitude) + " " + Number(p.latitude) + Text(tx::kDegrees) +
           ",  " + Text(tx::kLongitude) + " " + Number(astro::WrapDegrees180(p.longitude)) +
           Text(tx::kDegrees);
  };
  equivalent_->setText(place(Text(tx::kPositionA), e.a) + "\n" + place(Text(tx::kPositionB), e.b));
  if (e.pole) {
    pole_->setText(Text(tx::kPole) + Number(e.pole->latitude) + " / " +
                   Number(astro::WrapDegrees180(e.pole->longitude)) + " );");
  } else {
    pole_->setText(Text(tx::kPoleNotComputed));
  }
}

}  // namespace kelvra::ui
