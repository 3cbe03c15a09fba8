#include "ui/dialogs/site_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/ui.h"
#include "ui/common/field_checks.h"
#include "ui/common/site_angles.h"

namespace kelvra::ui {

namespace {

// The input form is remembered from one opening to the next.
bool rememberedDmsForm = false;

// The texts of the three angles: latitude, longitude, zone meridian.
constexpr texts::TextId kLabels[3] = {texts::ui::kSiteLatitude, texts::ui::kSiteLongitude,
                                      texts::ui::kSiteZone};
constexpr texts::TextId kHints[3] = {texts::ui::kSouthNegative, texts::ui::kEastNegative,
                                     texts::ui::kEastNegative};
constexpr texts::TextId kPositive[3] = {texts::ui::kNorth, texts::ui::kWestKey,
                                        texts::ui::kWest};  // Nord, West, West
constexpr texts::TextId kNegative[3] = {texts::ui::kSouth, texts::ui::kEast,
                                        texts::ui::kEastZone};  // Süd, Ost, Os&t
constexpr double kLimit[3] = {90, 180, 180};

double& SiteAngle(int angle) {
  shell::SiteSettings& s = shell::State().site;
  return angle == 0 ? s.latitude : angle == 1 ? s.longitude : s.zoneMeridian;
}

}  // namespace

SiteDialog::SiteDialog(bool wizard, QWidget* parent)
    : TaskWindow(QStringLiteral("SiteDialog"), 1, parent), wizard_(wizard) {
  auto* outer = new QVBoxLayout(this);

  auto* form = new QGroupBox(this);
  SetTag(form, texts::ui::kInputForm);
  auto* fl = new QHBoxLayout(form);
  formDecimal_ = new QRadioButton(form);
  formDms_ = new QRadioButton(form);
  SetTag(formDecimal_, texts::ui::kDecimal);
  SetTag(formDms_, texts::ui::kDegreesMinutesSeconds);
  fl->addWidget(formDecimal_);
  fl->addWidget(formDms_);
  fl->addStretch();
  connect(formDecimal_, &QRadioButton::clicked, this, [this] { SetDmsForm(false); });
  connect(formDms_, &QRadioButton::clicked, this, [this] { SetDmsForm(true); });
  outer->addWidget(form);

  close_ = new QPushButton(this);
  close_->setObjectName("CloseButton");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelButton");

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  auto* hDec = new QLabel(this);
  SetTag(hDec, texts::ui::kDecimal);
  auto* hDeg = new QLabel(this);
  SetTag(hDeg, texts::ui::kDegreesHead);
  auto* hMin = new QLabel(this);
  SetTag(hMin, texts::ui::kMinutesHead);
  auto* hSec = new QLabel(this);
  SetTag(hSec, texts::ui::kSecondsHead);
  grid->addWidget(hDec, 0, 1);
  grid->addWidget(hDeg, 0, 3);
  grid->addWidget(hMin, 0, 4);
  grid->addWidget(hSec, 0, 5);
  for (int a = 0; a < 3; ++a) {
    const auto i = static_cast<std::size_t>(a);
    const int row = a + 1;
    labels_[i] = new QLabel(this);
    decimal_[i] = new QLineEdit(this);
    decimal_[i]->setObjectName(QString("EdDecimal%1").arg(a));
    decimal_[i]->setMaximumWidth(110);
    decimal_[i]->setAlignment(Qt::AlignRight);
    labels_[i]->setBuddy(decimal_[i]);
    SetTag(labels_[i], kLabels[a]);
    InstallKeyFilter(decimal_[i], FieldKind::Real, close_);
    auto* hint = new QLabel(this);
    SetTag(hint, kHints[a]);
    hint->setStyleSheet("color: #555;");
    grid->addWidget(labels_[i], row, 0);
    grid->addWidget(decimal_[i], row, 1);
    grid->addWidget(hint, row, 2);
    for (int p = 0; p < 3; ++p) {
      auto* e = new QLineEdit(this);
      e->setObjectName(QString("EdDms%1%2").arg(a).arg(p));
      e->setMaximumWidth(p == 0 ? 56 : 44);
      e->setAlignment(Qt::AlignRight);
      InstallKeyFilter(e, FieldKind::Integer, close_);
      dms_[i][static_cast<std::size_t>(p)] = e;
      grid->addWidget(e, row, 3 + p);
      connect(e, &QLineEdit::editingFinished, this, [this, a, p] { LeaveDms(a, p); });
    }
    auto* side = new QWidget(this);
    auto* sl = new QHBoxLayout(side);
    sl->setContentsMargins(0, 0, 0, 0);
    positive_[i] = new QRadioButton(side);
    negative_[i] = new QRadioButton(side);
    SetTag(positive_[i], kPositive[a]);
    SetTag(negative_[i], kNegative[a]);
    auto* group = new QButtonGroup(side);
    group->addButton(positive_[i]);
    group->addButton(negative_[i]);
    sl->addWidget(positive_[i]);
    sl->addWidget(negative_[i]);
    grid->addWidget(side, row, 6);
    connect(positive_[i], &QRadioButton::clicked, this, [this] { CloseCheck(false); });
    connect(negative_[i], &QRadioButton::clicked, this, [this] { CloseCheck(false); });
    connect(decimal_[i], &QLineEdit::editingFinished, this, [this, a] { LeaveDecimal(a); });
  }
  outer->addLayout(grid);

  auto* yearRow = new QHBoxLayout;
  yearLabel_ = new QLabel(this);
  year_ = new QLineEdit(this);
  year_->setObjectName("EdYear");
  year_->setMaximumWidth(70);
  year_->setAlignment(Qt::AlignRight);
  yearLabel_->setBuddy(year_);
  SetTag(yearLabel_, texts::ui::kSiteYear);
  InstallKeyFilter(year_, FieldKind::Integer, close_);
  connect(year_, &QLineEdit::editingFinished, this, [this] { LeaveYear(); });
  yearRow->addWidget(yearLabel_);
  yearRow->addWidget(year_);
  yearRow->addStretch();
  outer->addLayout(yearRow);
  auto* range = new QLabel(this);
  SetTag(range, texts::ui::kYearRange);
  auto* enter = new QLabel(this);
  SetTag(enter, texts::ui::kEnterRestores);
  enter->setStyleSheet("color: #555;");
  outer->addWidget(range);
  outer->addWidget(enter);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(close_);
  outer->addLayout(buttons);
  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kSiteClose);
  SetTag(cancel_, texts::ui::kSiteCancel);
  cancel_->setVisible(wizard_);
  close_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { emit CancelWizard(); });

  if (wizard_)
    SetCaptionTag(texts::ui::kWizardPart, "1");
  else
    SetCaptionTag(texts::ui::kSiteCaption);
  dmsForm_ = rememberedDmsForm;
  (dmsForm_ ? formDms_ : formDecimal_)->setChecked(true);
  Fill();
  UpdateEnabled();
}

QString SiteDialog::AngleName(int angle) const {
  return FieldName(labels_[static_cast<std::size_t>(angle)]);
}

void SiteDialog::Fill() {
  year_->setText(QString::number(shell::State().site.year));
  FillAngles();
}

void SiteDialog::FillAngles() {
  const shell::SiteSettings& s = shell::State().site;
  decimal_[0]->setText(QString::fromStdString(shell::FormatReal(10, 6, s.latitude)).trimmed());
  decimal_[1]->setText(QString::fromStdString(shell::FormatReal(11, 6, s.longitude)).trimmed());
  decimal_[2]->setText(QString::fromStdString(shell::FormatReal(11, 6, s.zoneMeridian)).trimmed());
  for (int a = 0; a < 3; ++a) {
    const auto i = static_cast<std::size_t>(a);
    const DmsAngle d = DecimalToDms(SiteAngle(a));
    dms_[i][0]->setText(QString::number(d.degrees));
    dms_[i][1]->setText(QString::number(d.minutes));
    dms_[i][2]->setText(QString::number(d.seconds));
    // Latitude: north when positive; longitudes: east when negative.
    const bool positive = a == 0 ? SiteAngle(a) > 0 : !(SiteAngle(a) < 0);
    positive_[i]->setChecked(positive);
    negative_[i]->setChecked(!positive);
  }
}

void SiteDialog::SetDmsForm(bool dms) {
  dmsForm_ = dms;
  rememberedDmsForm = dms;
  formDms_->setChecked(dms);
  formDecimal_->setChecked(!dms);
  UpdateEnabled();
}

void SiteDialog::UpdateEnabled() {
  for (int a = 0; a < 3; ++a) {
    const auto i = static_cast<std::size_t>(a);
    decimal_[i]->setEnabled(!dmsForm_);
    for (QLineEdit* e : dms_[i]) e->setEnabled(dmsForm_);
    positive_[i]->setEnabled(dmsForm_);
    negative_[i]->setEnabled(dmsForm_);
  }
}

bool SiteDialog::LeaveDecimal(int angle) {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double& value = SiteAngle(angle);
  const double limit = kLimit[angle];
  const double old = value;
  double v = value;
  if (CheckRealField(decimal_[static_cast<std::size_t>(angle)], v, AngleName(angle), limit,
                     -limit)) {
    value = old;
    return true;
  }
  value = v;
  Fill();
  // The zone question concerns the longitude and the zone meridian only.
  return !CloseCheckNoGuard(angle != 0);
}

bool SiteDialog::LeaveDms(int angle, int part) {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  static const int kMax[3][3] = {{90, 60, 60}, {180, 60, 60}, {180, 60, 60}};
  QLineEdit* field = dms_[static_cast<std::size_t>(angle)][static_cast<std::size_t>(part)];
  int value = 0;
  {
    // The field's current value is what the other fields were derived from.
    const DmsAngle d = DecimalToDms(SiteAngle(angle));
    value = part == 0 ? d.degrees : part == 1 ? d.minutes : d.seconds;
  }
  const QString name = part == 0
                           ? AngleName(angle)
                           : Text(part == 1 ? texts::ui::kMinutesName : texts::ui::kSecondsName);
  if (CheckIntegerField(field, value, name, 0, kMax[angle][part])) return true;
  return !CloseCheckNoGuard(angle != 0);
}

bool SiteDialog::LeaveYear() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  int year = shell::State().site.year;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return true;
  shell::State().site.year = year;
  return false;
}

double SiteDialog::AngleFromDms(int angle) const {
  const auto i = static_cast<std::size_t>(angle);
  DmsAngle d;
  d.degrees = dms_[i][0]->text().toInt();
  d.minutes = dms_[i][1]->text().toInt();
  d.seconds = dms_[i][2]->text().toInt();
  return DmsToDecimal(d, angle == 0, negative_[i]->isChecked());
}

bool SiteDialog::CloseCheck(bool askZoneQuestion) {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  return CloseCheckNoGuard(askZoneQuestion);
}

bool SiteDialog::CloseCheckNoGuard(bool askZoneQuestion) {
  shell::SiteSettings& s = shell::State().site;
  if (dmsForm_) {
    for (int a = 0; a < 3; ++a) SiteAngle(a) = AngleFromDms(a);
  } else {
    for (int a = 0; a < 3; ++a) {
      QLineEdit* field = decimal_[static_cast<std::size_t>(a)];
      double v = SiteAngle(a);
      if (CheckRealField(field, v, AngleName(a), kLimit[a], -kLimit[a])) return false;
      SiteAngle(a) = v;
    }
  }
  // The angles are stored: both forms show them now, whatever the checks and
  // the question below decide.
  FillAngles();
  int year = s.year;
  if (CheckIntegerField(year_, year, FieldName(yearLabel_), 1300, 2500)) return false;
  s.year = year;
  if (askZoneQuestion && ZoneFarFromLongitude(s.longitude, s.zoneMeridian)) {
    const auto answer = shell::ShowMessage(shell::MessageKind::Warning,
                                           Text(texts::ui::kZoneFarFromLongitude).toStdString(),
                                           shell::MessageButtons::YesNo);
    if (answer != shell::MessageAnswer::Yes) {
      QLineEdit* zone = dmsForm_ ? dms_[2][0] : decimal_[2];
      zone->setFocus();
      return false;
    }
  }
  Fill();
  return true;
}

bool SiteDialog::MayClose() {
  if (checking_) return false;
  return CloseCheck(true);
}

void SiteDialog::Retranslate() {
  TaskWindow::Retranslate();
  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kSiteClose);
}

}  // namespace kelvra::ui
