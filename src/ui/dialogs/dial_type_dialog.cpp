#include "ui/dialogs/dial_type_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "shell/zodiac.h"
#include "texts/ui.h"
#include "ui/common/field_checks.h"
#include "ui/common/pictures.h"

namespace kelvra::ui {

namespace {

constexpr int kKindEntries = 14;

config::DialParameters& D() { return config::Dial(); }
bool Expert() { return shell::State().general.expertMode; }

QString Real(int width, int decimals, double x) {
  return QString::fromStdString(shell::FormatReal(width, decimals, x)).trimmed();
}

QWidget* Row(QWidget* parent, QLabel*& label, QLineEdit*& edit, texts::TextId labelTag,
             texts::TextId unitTag = {}, texts::TextId hintTag = {}) {
  auto* row = new QWidget(parent);
  auto* l = new QHBoxLayout(row);
  l->setContentsMargins(0, 0, 0, 0);
  label = new QLabel(row);
  label->setMinimumWidth(170);
  edit = new QLineEdit(row);
  edit->setMaximumWidth(90);
  edit->setAlignment(Qt::AlignRight);
  label->setBuddy(edit);
  SetTag(label, labelTag);
  l->addWidget(label);
  l->addWidget(edit);
  if (unitTag) {
    auto* unit = new QLabel(row);
    SetTag(unit, unitTag);
    l->addWidget(unit);
  }
  if (hintTag) {
    auto* hint = new QLabel(row);
    SetTag(hint, hintTag);
    hint->setStyleSheet("color: #555;");
    l->addWidget(hint);
  }
  l->addStretch();
  return row;
}

QGroupBox* Choice(QWidget* parent, QButtonGroup*& group, texts::TextId titleTag,
                  std::initializer_list<texts::TextId> tags) {
  auto* box = new QGroupBox(parent);
  SetTag(box, titleTag);
  auto* l = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  int id = 0;
  for (texts::TextId tag : tags) {
    auto* r = new QRadioButton(box);
    SetTag(r, tag);
    group->addButton(r, id++);
    l->addWidget(r);
  }
  return box;
}

}  // namespace

char DialTypeDialog::EntryLetter(int entry) { return config::EntryLetter(entry); }

DialTypeDialog::DialTypeDialog(bool wizard, QWidget* parent)
    : TaskWindow(QStringLiteral("DialTypeDialog"), 2, parent), wizard_(wizard) {
  auto* outer = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* listTitle = new QLabel(this);
  SetTag(listTitle, texts::ui::kTypeListTitle);
  QFont bold = listTitle->font();
  bold.setBold(true);
  listTitle->setFont(bold);
  kinds_ = new QListWidget(this);
  kinds_->setObjectName("KindList");
  // The list keeps the width of its longest entry; the fields beside it take
  // what is left, so that switching kinds moves nothing.
  kinds_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  kinds_->setMinimumHeight(290);
  left->addWidget(listTitle);
  left->addWidget(kinds_);
  picture_ = new QToolButton(this);
  picture_->setObjectName("PictureButton");
  picture_->setIconSize(QSize(150, 150));
  picture_->setAutoRaise(true);
  left->addWidget(picture_, 0, Qt::AlignHCenter);
  outer->addLayout(left);

  auto* right = new QVBoxLayout;
  planeBox_ =
      Choice(this, planes_, texts::ui::kPlaneChoice,
             {texts::ui::kPlaneHorizontal, texts::ui::kPlaneInclined, texts::ui::kPlaneVertical});
  altitudeBox_ = Choice(this, altitudeVariants_, texts::ui::kAltitudeChoice,
                        {texts::ui::kQuadrant, texts::ui::kHabermel1, texts::ui::kHabermel2});
  cylinderBox_ = Choice(this, cylinderVariants_, texts::ui::kCylinderChoice,
                        {texts::ui::kShepherd, texts::ui::kHat, texts::ui::kPolarGnomon});
  circleBox_ = Choice(this, circleModes_, texts::ui::kCircleChoice,
                      {texts::ui::kDateCircles, texts::ui::kAltitudeCircles});
  for (QWidget* w : {planeBox_, altitudeBox_, cylinderBox_, circleBox_}) right->addWidget(w);

  close_ = new QPushButton(this);
  close_->setObjectName("CloseButton");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelButton");

  wallRow_ = Row(this, wallLabel_, wall_, texts::ui::kWallDeclination, texts::ui::kDegreeUnit,
                 texts::ui::kEasternNegative);
  inclinationRow_ =
      Row(this, inclinationLabel_, inclination_, texts::ui::kInclination, texts::ui::kDegreeUnit);
  gnomonRow_ = Row(this, gnomonLabel_, gnomon_, texts::ui::kGnomonHeight, texts::ui::kMillimetres);
  monthScaleRow_ = Row(this, monthScaleLabel_, monthScale_, texts::ui::kMonthScaleWidth,
                       texts::ui::kMillimetres);
  radiusRow_ =
      Row(this, radiusLabel_, radius_, texts::ui::kCylinderRadius, texts::ui::kMillimetres);
  diameterRow_ =
      Row(this, diameterLabel_, diameter_, texts::ui::kDiameter, texts::ui::kMillimetres);
  for (QWidget* w : {wallRow_, inclinationRow_, gnomonRow_, monthScaleRow_, radiusRow_, diameterRow_})
    right->addWidget(w);
  wall_->setObjectName("EdWall");
  inclination_->setObjectName("EdInclination");
  gnomon_->setObjectName("EdGnomon");
  monthScale_->setObjectName("EdMonthScale");
  radius_->setObjectName("EdRadius");
  diameter_->setObjectName("EdDiameter");
  for (QLineEdit* e : {wall_, inclination_, gnomon_, radius_, diameter_})
    InstallKeyFilter(e, FieldKind::Real, close_);
  InstallKeyFilter(monthScale_, FieldKind::Integer, close_);
  connect(wall_, &QLineEdit::editingFinished, this, [this] { LeaveWallDeclination(); });
  connect(inclination_, &QLineEdit::editingFinished, this, [this] { LeaveInclination(); });
  connect(gnomon_, &QLineEdit::editingFinished, this, [this] { LeaveGnomon(); });
  connect(monthScale_, &QLineEdit::editingFinished, this, [this] { LeaveMonthScale(); });
  connect(radius_, &QLineEdit::editingFinished, this, [this] { LeaveRadius(); });
  connect(diameter_, &QLineEdit::editingFinished, this, [this] { LeaveDiameter(); });

  right->addStretch();
  auto* f7 = new QLabel(this);
  SetTag(f7, texts::ui::kContinueWithF7);
  enterHint_ = new QLabel(this);
  SetTag(enterHint_, texts::ui::kEmptyFieldRestores);
  enterHint_->setStyleSheet("color: #555;");
  expertLine_ = new QLabel(this);
  expertLine_->setObjectName("ExpertLine");
  expertLine_->setWordWrap(true);
  expertLine_->setStyleSheet("color: #1a5c8a;");
  right->addWidget(f7);
  right->addWidget(enterHint_);
  right->addWidget(expertLine_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  buttons->addWidget(close_);
  right->addLayout(buttons);
  outer->addLayout(right, 1);

  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kTypeClose);
  SetTag(cancel_, texts::ui::kTypeCancel);
  cancel_->setVisible(wizard_);
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { emit CancelWizard(); });
  connect(kinds_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    ChooseEntry(kinds_->item(row)->data(Qt::UserRole).toInt());
  });
  connect(planes_, &QButtonGroup::idClicked, this,
          [this](int id) { ChoosePlane(config::UmbrellaPlaneLetter(id)); });
  connect(altitudeVariants_, &QButtonGroup::idClicked, this,
          [this](int id) { ChooseAltitudeVariant(id); });
  connect(cylinderVariants_, &QButtonGroup::idClicked, this,
          [this](int id) { ChooseCylinderVariant(id); });
  connect(circleModes_, &QButtonGroup::idClicked, this, [this](int id) {
    if (config::KindRow(D()).variantChoice == config::VariantChoice::CircleMode)
      D().azimuthCircleMode = id;
    UpdateVisibility();
    emit KindChanged();
  });
  connect(picture_, &QToolButton::clicked, this, [this] {
    const QString file = PictureForNumber(PictureNumber());
    if (!file.isEmpty()) emit ShowPicture(file, Text(config::EntryLabel(config::EntryOf(D()))).trimmed());
  });

  if (wizard_)
    SetCaptionTag(texts::ui::kWizardPart, " 2");
  else
    SetCaptionTag(texts::ui::kTypeCaption);
  // Opening: the umbrella entry forces a planar kind; the transitional kind
  // keeps the last plane.
  D() = config::ResolvedDial(D());
  if (D().umbrella && !config::IsPlaneLetter(D().kind)) D().kind = 'h';
  if (!Expert()) config::NormalizeKind(D(), false);
  FillList();
  Fill();
}

int DialTypeDialog::CurrentEntry() const { return config::EntryOf(D()); }

void DialTypeDialog::FillList() {
  filling_ = true;
  kinds_->clear();
  for (int e = 0; e < kKindEntries; ++e) {
    if (!config::EntryOffered(e, Expert())) continue;
    auto* item = new QListWidgetItem(Text(config::EntryLabel(e)), kinds_);
    item->setData(Qt::UserRole, e);
  }
  kinds_->setFixedWidth(std::max(330, kinds_->sizeHintForColumn(0) + 2 * kinds_->frameWidth() +
                                          kinds_->verticalScrollBar()->sizeHint().width() + 8));
  filling_ = false;
}

void DialTypeDialog::Fill() {
  filling_ = true;
  const config::DialParameters& d = D();
  const int entry = CurrentEntry();
  for (int row = 0; row < kinds_->count(); ++row) {
    if (kinds_->item(row)->data(Qt::UserRole).toInt() == entry) kinds_->setCurrentRow(row);
  }
  planes_->button(config::UmbrellaPlaneIndex(config::UmbrellaPlaneOf(d)))->setChecked(true);
  if (auto* b = altitudeVariants_->button(d.altitudeVariant)) b->setChecked(true);
  if (auto* b = cylinderVariants_->button(d.cylinderVariant)) b->setChecked(true);
  if (auto* b = circleModes_->button(std::clamp(d.azimuthCircleMode, 0, 1))) b->setChecked(true);
  wall_->setText(Real(7, 2, d.wallDeclination));
  inclination_->setText(Real(7, 2, d.inclination));
  const config::DialKindRow& row = config::KindRow(d);
  switch (row.gnomon) {
    case config::GnomonEdit::CylinderGnomon: gnomon_->setText(QString::number(d.cylinderGnomon)); break;
    case config::GnomonEdit::PolarCylinderGnomon: gnomon_->setText(Real(6, 2, d.polarCylinderGnomon)); break;
    case config::GnomonEdit::HidokeiGnomon: gnomon_->setText(QString::number(d.hidokeiGnomon)); break;
    case config::GnomonEdit::HabermelGnomon: gnomon_->setText(Real(6, 2, d.habermelGnomon)); break;
    default: gnomon_->setText(Real(6, 2, d.gnomonHeight)); break;
  }
  monthScale_->setText(QString::number(d.monthScaleLength));
  radius_->setText(Real(6, 2, d.cylinderRadius));
  diameter_->setText(row.diameter == config::DiameterEdit::Ring ? Real(4, 0, d.ringDiameter)
                                                                : Real(6, 1, d.dialDiameter));
  filling_ = false;
  UpdateVisibility();
  emit KindChanged();
}

bool DialTypeDialog::ChooseEntry(int entry) {
  config::ChooseKindEntry(D(), entry, Expert());
  Fill();
  return true;
}

void DialTypeDialog::ChoosePlane(char plane) {
  D().kind = plane;
  D().umbrellaPlane = plane;
  Fill();
}

void DialTypeDialog::ChooseCylinderVariant(int variant) {
  D().cylinderVariant = std::clamp(variant, 0, 2);
  Fill();
}

void DialTypeDialog::ChooseAltitudeVariant(int variant) {
  D().altitudeVariant = std::clamp(variant, 0, 2);
  Fill();
}

int DialTypeDialog::PictureNumber() const { return config::KindRow(D()).picture; }

void DialTypeDialog::UpdateVisibility() {
  using config::VariantChoice;
  const config::DialKindRow& row = config::KindRow(D());
  planeBox_->setVisible(row.variantChoice == VariantChoice::Plane);
  altitudeBox_->setVisible(row.variantChoice == VariantChoice::Altitude && Expert());
  cylinderBox_->setVisible(row.variantChoice == VariantChoice::Cylinder);
  circleBox_->setVisible(row.variantChoice == VariantChoice::CircleMode);
  wallRow_->setVisible(row.wall != config::WallEdit::None);
  SetTag(wallLabel_, row.wall == config::WallEdit::GnomonDeclination ? texts::ui::kGnomonDeclination
                                                                     : texts::ui::kWallDeclination);
  inclinationRow_->setVisible(row.Has(config::kInclinationEdit));
  gnomonRow_->setVisible(row.gnomon != config::GnomonEdit::None);
  gnomon_->setReadOnly(row.gnomon == config::GnomonEdit::HabermelGnomon);
  monthScaleRow_->setVisible(static_cast<bool>(row.monthScaleLabel));
  if (row.monthScaleLabel) SetTag(monthScaleLabel_, row.monthScaleLabel);
  radiusRow_->setVisible(row.Has(config::kCylinderRadiusEdit));
  diameterRow_->setVisible(row.diameter != config::DiameterEdit::None);
  enterHint_->setVisible(row.Has(config::kEnterHint));
  if (Expert()) {
    expertLine_->setText(Text(texts::ui::kExpertModeIs) + Text(texts::ui::kExpertOn).trimmed() +
                         Text(texts::ui::kExpertChangeInMenu));
  } else {
    expertLine_->setText(Text(texts::ui::kExpertOff) + "\n" + Text(texts::ui::kExpertOffKinds));
  }
  const QString file = PictureForNumber(PictureNumber());
  const QImage image = file.isEmpty() ? QImage() : BuiltinPicture(file);
  picture_->setVisible(!image.isNull());
  if (!image.isNull()) picture_->setIcon(QPixmap::fromImage(image.scaled(150, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// ---- checks of left fields -----------------------------------------------------

bool DialTypeDialog::LeaveWallDeclination() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !wall_->isVisibleTo(this)) return false;
  const shell::RealFieldCheck r = shell::ReadReal(wall_->text().toStdString(), D().wallDeclination);
  if (r.fieldText) wall_->setText(QString::fromStdString(*r.fieldText));
  if (r.error) {
    wall_->setFocus();
    return true;
  }
  if (std::fabs(r.value) > 180) {
    shell::ShowMessage(shell::MessageKind::Problem, Text(texts::ui::kWallOutOfRange).toStdString());
    wall_->setText(Real(7, 2, D().wallDeclination));
    wall_->setFocus();
    return true;
  }
  D().wallDeclination = std::fabs(r.value) == 180 ? 179.9999 : r.value;
  return false;
}

bool DialTypeDialog::LeaveInclination() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !inclination_->isVisibleTo(this)) return false;
  const shell::RealFieldCheck r = shell::ReadReal(inclination_->text().toStdString(), D().inclination);
  if (r.fieldText) inclination_->setText(QString::fromStdString(*r.fieldText));
  if (r.error) {
    inclination_->setFocus();
    return true;
  }
  if (!(r.value > 0) || std::fabs(r.value) > 175) {
    shell::ShowMessage(shell::MessageKind::Error,
                       Text(texts::ui::kInclinationOutOfRange).toStdString());
    if (r.value == 0) inclination_->setText(Real(7, 2, D().inclination));
    inclination_->setFocus();
    return true;
  }
  D().inclination = r.value;
  return false;
}

namespace {

// Whole-number fields of this dialog: a decimal point and the digits after it
// are cut off before the check.
QString CutDecimals(const QString& text) {
  const int dot = text.indexOf(QRegularExpression("[.,]"));
  return dot < 0 ? text : text.left(dot);
}

}  // namespace

bool DialTypeDialog::LeaveGnomon() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !gnomon_->isVisibleTo(this)) return false;
  config::DialParameters& d = D();
  const QString name = FieldName(gnomonLabel_);
  const config::GnomonRange* range = nullptr;
  switch (config::KindRow(d).gnomon) {
    case config::GnomonEdit::GnomonHeight:
    case config::GnomonEdit::ConeAxis: {
      range = config::FindGnomonRange("gnomonHeight");
      double v = d.gnomonHeight;
      if (CheckRealField(gnomon_, v, name, range->typeDialogLeave.max, range->typeDialogLeave.min)) return true;
      d.gnomonHeight = v;
      return false;
    }
    case config::GnomonEdit::PolarCylinderGnomon: {
      range = config::FindGnomonRange("polarCylinderGnomon");
      double v = d.polarCylinderGnomon;
      if (CheckRealField(gnomon_, v, name, range->typeDialogLeave.max, range->typeDialogLeave.min)) return true;
      d.polarCylinderGnomon = v;
      return false;
    }
    case config::GnomonEdit::CylinderGnomon: {
      range = config::FindGnomonRange("cylinderGnomon");
      gnomon_->setText(CutDecimals(gnomon_->text()));
      int v = d.cylinderGnomon;
      if (CheckIntegerField(gnomon_, v, name, static_cast<int>(range->typeDialogLeave.min),
                            static_cast<int>(range->typeDialogLeave.max)))
        return true;
      d.cylinderGnomon = v;
      return false;
    }
    case config::GnomonEdit::HidokeiGnomon: {
      range = config::FindGnomonRange("hidokeiGnomon");
      gnomon_->setText(CutDecimals(gnomon_->text()));
      int v = d.hidokeiGnomon;
      if (CheckIntegerField(gnomon_, v, name, static_cast<int>(range->typeDialogLeave.min),
                            static_cast<int>(range->typeDialogLeave.max)))
        return true;
      d.hidokeiGnomon = v;
      return false;
    }
    default:
      // Kinds p and f show the gnomon height but store no entry here.
      return false;
  }
}

bool DialTypeDialog::LeaveMonthScale() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !monthScale_->isVisibleTo(this)) return false;
  const config::GnomonRange* range = config::FindGnomonRange("monthScaleLength");
  int v = D().monthScaleLength;
  if (CheckIntegerField(monthScale_, v, FieldName(monthScaleLabel_),
                        static_cast<int>(range->typeDialogLeave.min),
                        static_cast<int>(range->typeDialogLeave.max), true))
    return true;
  D().monthScaleLength = v;
  return false;
}

bool DialTypeDialog::LeaveRadius() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !radius_->isVisibleTo(this)) return false;
  const config::GnomonRange* range = config::FindGnomonRange("cylinderRadius");
  double v = D().cylinderRadius;
  if (CheckRealField(radius_, v, FieldName(radiusLabel_), range->typeDialogLeave.max,
                     range->typeDialogLeave.min))
    return true;
  D().cylinderRadius = v;
  return false;
}

bool DialTypeDialog::LeaveDiameter() {
  CheckGuard guard(checking_);
  if (guard.Busy() || !diameter_->isVisibleTo(this)) return false;
  config::DialParameters& d = D();
  const QString name = FieldName(diameterLabel_);
  if (config::KindRow(d).diameter == config::DiameterEdit::Ring) {
    double v = d.ringDiameter;
    if (CheckRealField(diameter_, v, name, 300, 10)) return true;
    d.ringDiameter = v;
    return false;
  }
  const config::GnomonRange* range = config::FindGnomonRange("dialDiameter");
  double v = d.dialDiameter;
  if (CheckRealField(diameter_, v, name, range->typeDialogLeave.max, range->typeDialogLeave.min)) {
    shell::ShowMessage(shell::MessageKind::Warning,
                       Text(texts::ui::kHabermelGnomonTooLong).toStdString());
    return true;
  }
  d.dialDiameter = v;
  config::DeriveHabermelGnomon(d, shell::State().site.latitude,
                               shell::CurrentZodiac().roundedObliquity, true);
  gnomon_->setText(Real(6, 2, d.habermelGnomon));
  return false;
}

// ---- closing ----------------------------------------------------------------------

bool DialTypeDialog::CloseCheck() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  config::DialParameters& d = D();
  // 1. Wall declination.
  if (const auto wall = shell::ParseReal(shell::FilterRealText(wall_->text().toStdString()))) {
    if (std::fabs(*wall) > 180) {
      shell::ShowMessage(shell::MessageKind::Problem,
                         Text(texts::ui::kWallOutOfRange).toStdString());
      wall_->clear();
      wall_->setFocus();
      return false;
    }
    if (wallRow_->isVisibleTo(this)) d.wallDeclination = std::fabs(*wall) == 180 ? 179.9999 : *wall;
  }
  // 2. Inclination.
  if (const auto inc = shell::ParseReal(shell::FilterRealText(inclination_->text().toStdString()))) {
    if (*inc < 0 || std::fabs(*inc) > 175) {
      shell::ShowMessage(shell::MessageKind::Error,
                         Text(texts::ui::kInclinationOutOfRange).toStdString());
      inclination_->clear();
      inclination_->setFocus();
      return false;
    }
    if (inclinationRow_->isVisibleTo(this)) d.inclination = *inc;
  }
  // 3. By kind.
  const QString gnomonName = FieldName(gnomonLabel_);
  auto closeRange = [](std::string_view field) {
    return config::FindGnomonRange(field)->typeDialogClose;
  };
  const config::DialKindRow& row = config::KindRow(d);
  switch (row.gnomon) {
    case config::GnomonEdit::PolarCylinderGnomon: {
      const auto r = closeRange("polarCylinderGnomon");
      double v = d.polarCylinderGnomon;
      if (CheckRealField(gnomon_, v, gnomonName, r.max, r.min)) return false;
      d.polarCylinderGnomon = v;
      const auto rr = closeRange("cylinderRadius");
      double radius = d.cylinderRadius;
      if (CheckRealField(radius_, radius, FieldName(radiusLabel_), rr.max, rr.min)) return false;
      d.cylinderRadius = radius;
      break;
    }
    case config::GnomonEdit::CylinderGnomon: {
      const auto r = closeRange("cylinderGnomon");
      gnomon_->setText(CutDecimals(gnomon_->text()));
      int v = d.cylinderGnomon;
      if (CheckIntegerField(gnomon_, v, gnomonName, static_cast<int>(r.min), static_cast<int>(r.max)))
        return false;
      d.cylinderGnomon = v;
      const auto rm = closeRange("monthScaleLength");
      int m = d.monthScaleLength;
      if (CheckIntegerField(monthScale_, m, FieldName(monthScaleLabel_), static_cast<int>(rm.min),
                            static_cast<int>(rm.max)))
        return false;
      d.monthScaleLength = m;
      break;
    }
    case config::GnomonEdit::HabermelGnomon: {
      const auto r = closeRange("dialDiameter");
      double v = d.dialDiameter;
      if (CheckRealField(diameter_, v, FieldName(diameterLabel_), r.max, r.min)) {
        shell::ShowMessage(shell::MessageKind::Warning,
                           Text(texts::ui::kHabermelGnomonTooLong).toStdString());
        return false;
      }
      d.dialDiameter = v;
      config::DeriveHabermelGnomon(d, shell::State().site.latitude,
                                   shell::CurrentZodiac().roundedObliquity, true);
      break;
    }
    case config::GnomonEdit::HidokeiGnomon: {
      const auto r = closeRange("hidokeiGnomon");
      gnomon_->setText(CutDecimals(gnomon_->text()));
      int v = d.hidokeiGnomon;
      if (CheckIntegerField(gnomon_, v, gnomonName, static_cast<int>(r.min), static_cast<int>(r.max)))
        return false;
      d.hidokeiGnomon = v;
      break;
    }
    case config::GnomonEdit::GnomonHeight: {
      if (row.Has(config::kHorizontalFace)) {
        d.wallDeclination = 0;
        d.inclination = 0;
      }
      const auto r = closeRange("gnomonHeight");
      double v = d.gnomonHeight;
      if (CheckRealField(gnomon_, v, gnomonName, r.max, r.min)) return false;
      d.gnomonHeight = v;
      break;
    }
    default:
      break;
  }
  return true;
}

bool DialTypeDialog::MayClose() {
  if (checking_) return false;
  if (CloseCheck()) return true;
  QApplication::beep();
  return false;
}

void DialTypeDialog::Retranslate() {
  TaskWindow::Retranslate();
  SetTag(close_, wizard_ ? texts::ui::kNextStep : texts::ui::kTypeClose);
  FillList();
  Fill();
}

}  // namespace kelvra::ui
