#include "ui/dialogs/pages/mean_time_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "astro/angles.h"
#include "config/dial_parameters.h"
#include "dials/worldmap/gnomonic.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/meantime.h"
#include "texts/ui.h"
#include "ui/common/retranslate.h"

namespace kelvra::ui {

namespace {

namespace tx = texts::meantime;

// An axis inclination below the horizon is the same axis seen from its other
// end: it is stored as that (value + 180).
double OtherEndOfAxis(double inclination) { return inclination < 0 ? inclination + 180 : inclination; }

QString Degrees(double value, int decimals) {
  return QString::fromStdString(shell::FormatReal(decimals, decimals, value)) + Text(tx::kDegrees);
}

}  // namespace

MeanTimePage::MeanTimePage(const PageContext& context, QWidget* parent)
    : FieldPage(config::ParameterPage::MeanTime, context, parent) {
  auto* grid = new QGridLayout(this);

  // The face and the site.
  auto* face = new QGroupBox(this);
  SetTag(face, tx::kPagePlane);
  auto* fl = new QGridLayout(face);
  const auto planes = AddChoice("dialPlane",
                                {{tx::kPagePlanes[0], 0}, {tx::kPagePlanes[1], 1},
                                 {tx::kPagePlanes[2], 2}},
                                face);
  for (int i = 0; i < 3; ++i) {
    planes[i]->setObjectName(QStringLiteral("dialPlane%1").arg(i));
    fl->addWidget(planes[i], 0, i);
  }
  latitude_ = &AddEdit("latitude", tx::kPageLatitude, face).Shown(8, 4);
  longitude_ = &AddEdit("longitude", tx::kPageLongitude, face).Shown(8, 4);
  zone_ = &AddEdit("zoneMeridian", tx::kPageZone, face).Shown(8, 2);
  wall_ = &AddEdit("wallDeclination", tx::kPageWall, face).Shown(8, 2);
  inclination_ = &AddEdit("inclination", tx::kPageInclination, face).Shown(8, 2);
  int row = 1;
  for (Edit* e : {latitude_, longitude_, zone_, wall_, inclination_}) {
    fl->addWidget(e->label, row, 0);
    fl->addWidget(e->edit, row, 1);
    ++row;
  }
  equivalent_ = new QLabel(face);
  equivalent_->setObjectName("Equivalent");
  fl->addWidget(equivalent_, row, 0, 1, 3);
  grid->addWidget(face, 0, 0);

  // The cone.
  auto* cone = new QGroupBox(this);
  auto* cl = new QGridLayout(cone);
  auto* coneTitle = new QLabel(cone);
  SetTag(coneTitle, tx::kPageCone);
  auto* caster = new QLabel(cone);
  SetTag(caster, tx::kPageCaster);
  cl->addWidget(coneTitle, 0, 0, 1, 2);
  cl->addWidget(caster, 1, 0, 1, 2);
  length_ = &AddEdit("gnomonHeight", tx::kAxisLength, cone).Shown(6, 1);
  axis_ = &AddEdit("axisInclination", tx::kAxisInclination, cone)
               .Shown(7, 2)
               .Stores(&OtherEndOfAxis);
  halfAngle_ = &AddEdit("coneHalfAngle", tx::kPageHalfAngle, cone).Shown(6, 2);
  auto* atApex = new QLabel(cone);
  SetTag(atApex, tx::kPageAtApex);
  row = 2;
  for (Edit* e : {length_, axis_, halfAngle_}) {
    cl->addWidget(e->label, row, 0);
    cl->addWidget(e->edit, row, 1);
    ++row;
  }
  cl->addWidget(atApex, row++, 0);
  grid->addWidget(cone, 1, 0);

  // Time, date lines and hour lines.
  auto* lines = new QGroupBox(this);
  SetTag(lines, tx::kPageHourLines);
  auto* ll = new QGridLayout(lines);
  const auto time = AddChoice("zoneTime", {{tx::kPageLocalTime, 0}, {tx::kPageZoneTime, 1}}, lines);
  ll->addWidget(time[0], 0, 0);
  ll->addWidget(time[1], 0, 1);
  for (int k = 0; k < 3; ++k) {
    auto* h = new QLabel(lines);
    SetTag(h, texts::ui::kRangeHeads[k]);
    ll->addWidget(h, 1, k);
  }
  ll->addWidget(AddList("otherHoursFrom", ClockHourList(), lines), 2, 0);
  ll->addWidget(AddList("otherHoursTo", ClockHourList(), lines), 2, 1);
  ll->addWidget(AddList("otherHourInterval", MinuteIntervalList(5), lines), 2, 2);
  auto* datesLabel = new QLabel(lines);
  SetTag(datesLabel, tx::kPageDateLines);
  QComboBox* dates = AddList("dateLineMode",
                             {[] {
                               QStringList l;
                               for (int i = 0; i < tx::kPageDateLinesPerMonth.size(); ++i) {
                                 l << Text(tx::kPageDateLinesPerMonth[i]);
                               }
                               return l;
                             }},
                             lines);
  datesLabel->setBuddy(dates);
  ll->addWidget(datesLabel, 3, 0);
  ll->addWidget(dates, 3, 1, 1, 2);
  grid->addWidget(lines, 0, 1);

  // Which edge of the cone's shadow shows the time when.
  auto* reading = new QGroupBox(this);
  SetTag(reading, tx::kReading);
  auto* rl = new QVBoxLayout(reading);
  for (texts::TextId t :
       {tx::kLeadingEdge, tx::kLeadingDates, tx::kTrailingEdge, tx::kTrailingDates}) {
    auto* l = new QLabel(reading);
    SetTag(l, t);
    rl->addWidget(l);
  }
  grid->addWidget(reading, 1, 1);
  grid->setRowStretch(2, 1);
}

void MeanTimePage::Update() {
  const config::DialParameters& d = config::Dial();
  const shell::SiteSettings& site = shell::State().site;
  const int plane = ((d.dialPlane % 3) + 3) % 3;
  wall_->label->setVisible(plane != 0);
  wall_->edit->setVisible(plane != 0);
  inclination_->label->setVisible(plane == 2);
  inclination_->edit->setVisible(plane == 2);
  // The equivalent horizontal dial: the face's pole direction as latitude and
  // longitude.
  double latitude = site.latitude, longitude = site.longitude;
  if (plane != 0) {
    const dials::worldmap::MapProjection e = dials::worldmap::PlaneProjection(
        site.latitude, site.longitude, plane == 1 ? 90 : d.inclination, d.wallDeclination);
    latitude = e.centreLatitude;
    longitude = astro::WrapDegrees180(e.centreLongitude);
  }
  equivalent_->setText(Text(tx::kEquivalentHorizontal) + ":  " + Text(tx::kLatitude) + " " +
                       Degrees(latitude, 3) + ",  " + Text(tx::kLongitude) + " " +
                       Degrees(longitude, 3));
}

}  // namespace kelvra::ui
