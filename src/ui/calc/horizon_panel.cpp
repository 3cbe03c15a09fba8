#include "ui/calc/horizon_panel.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "calc/horizon/horizon_session.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/horizon.h"
#include "texts/ui.h"
#include "ui/common/field_checks.h"
#include "ui/common/site_angles.h"

namespace kelvra::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

HorizonDialogs RealDialogs() {
  HorizonDialogs d;
  d.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
  };
  d.saveFile = [](QWidget* parent, const QString& title, const QString& suggested,
                  const QString& filter) {
    // The dialog asks before it replaces a file.
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
  };
  return d;
}

QString ProfileFilter(bool withAll) {
  QString f = Text(texts::horizon::kProfileFilter);
  if (withAll) f += ";;" + Text(texts::horizon::kAllFiles);
  return f;
}

QString Trimmed(int width, int decimals, double x) {
  return Q(shell::FormatReal(width, decimals, x)).trimmed();
}

}  // namespace

HorizonDialogs& TheHorizonDialogs() {
  static HorizonDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetHorizonDialogs() { TheHorizonDialogs() = RealDialogs(); }

bool LoadHorizonProfileWithDialog(QWidget* parent) {
  while (true) {
    const QString path =
        TheHorizonDialogs().openFile(parent, Text(texts::horizon::kLoadTitle), ProfileFilter(true));
    if (path.isEmpty()) return false;
    bool again = false;
    const calc::ProfileLoad r = calc::LoadHorizonProfile(path.toStdString(), &again);
    if (r == calc::ProfileLoad::Loaded) return true;
    if (!(r == calc::ProfileLoad::Missing && again)) return false;
  }
}

bool EnsureHorizonProfileLoaded(QWidget* parent) {
  if (calc::Horizon().horizonProfileLoaded) return true;
  return calc::AskToLoadHorizonProfile() && LoadHorizonProfileWithDialog(parent);
}

// One computation: its site, the tiles taken so far, the profile collected.
struct HorizonPanel::Session {
  calc::HorizonSite site;
  std::vector<calc::GridHeader> headers;
  std::unique_ptr<calc::HorizonAccumulator> accumulator;
};

HorizonPanel::HorizonPanel(QWidget* parent) : DragPanel(parent) {
  setObjectName("HorizonPanel");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* outer = new QVBoxLayout(this);

  caption_ = new QLabel(this);
  caption_->setObjectName("Caption");
  QFont bold = caption_->font();
  bold.setBold(true);
  caption_->setFont(bold);
  SetTag(caption_, texts::horizon::kCaption);
  outer->addWidget(caption_);

  start_ = new QPushButton(this);
  start_->setObjectName("StartButton");

  auto* centre = new QGroupBox(this);
  SetTag(centre, texts::horizon::kCentre);
  auto* cg = new QGridLayout(centre);
  auto makeAngle = [&](int row, QLabel*& label, QLineEdit*& field, QRadioButton*& plus,
                       QRadioButton*& minus, QLabel*& dms, texts::TextId labelTag,
                       texts::TextId plusTag, texts::TextId minusTag, const char* name) {
    label = new QLabel(centre);
    field = new QLineEdit(centre);
    field->setObjectName(name);
    field->setMaximumWidth(110);
    field->setAlignment(Qt::AlignRight);
    label->setBuddy(field);
    SetTag(label, labelTag);
    InstallKeyFilter(field, FieldKind::Real, start_);
    auto* side = new QWidget(centre);
    auto* sl = new QHBoxLayout(side);
    sl->setContentsMargins(0, 0, 0, 0);
    plus = new QRadioButton(side);
    minus = new QRadioButton(side);
    SetTag(plus, plusTag);
    SetTag(minus, minusTag);
    auto* group = new QButtonGroup(side);
    group->addButton(plus);
    group->addButton(minus);
    sl->addWidget(plus);
    sl->addWidget(minus);
    dms = new QLabel(centre);
    dms->setMinimumWidth(190);
    cg->addWidget(label, row, 0);
    cg->addWidget(field, row, 1);
    cg->addWidget(side, row, 2);
    cg->addWidget(dms, row, 3);
  };
  makeAngle(0, latitudeLabel_, latitude_, north_, south_, latitudeDms_, texts::horizon::kLatitude,
            texts::ui::kNorth, texts::ui::kSouth, "EdLatitude");
  makeAngle(1, longitudeLabel_, longitude_, east_, west_, longitudeDms_, texts::horizon::kLongitude,
            texts::ui::kEast, texts::ui::kWestKey, "EdLongitude");
  outer->addWidget(centre);
  connect(latitude_, &QLineEdit::editingFinished, this, [this] {
    CheckGuard guard(checking_);
    if (guard.Busy()) return;
    CheckRealField(latitude_, latitudeValue_, FieldName(latitudeLabel_), 90, -90);
    UpdateDms();
  });
  connect(longitude_, &QLineEdit::editingFinished, this, [this] {
    CheckGuard guard(checking_);
    if (guard.Busy()) return;
    CheckRealField(longitude_, longitudeValue_, FieldName(longitudeLabel_), 180, -180);
    UpdateDms();
  });

  auto* values = new QGridLayout;
  auto makeWhole = [&](int row, QLabel*& label, QLineEdit*& field, int& value,
                       texts::TextId labelTag, texts::TextId unitTag, int max, const char* name) {
    label = new QLabel(this);
    field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaximumWidth(90);
    field->setAlignment(Qt::AlignRight);
    label->setBuddy(field);
    SetTag(label, labelTag);
    InstallKeyFilter(field, FieldKind::Integer, start_);
    auto* unit = new QLabel(this);
    SetTag(unit, unitTag);
    values->addWidget(label, row, 0);
    values->addWidget(field, row, 1);
    values->addWidget(unit, row, 2);
    connect(field, &QLineEdit::editingFinished, this, [this, field, label, &value, max] {
      CheckGuard guard(checking_);
      if (guard.Busy()) return;
      CheckIntegerField(field, value, FieldName(label), 0, max);
    });
  };
  makeWhole(0, minimumDistanceLabel_, minimumDistance_, minimumDistanceValue_,
            texts::horizon::kMinimumDistance, texts::horizon::kMetres, calc::kMaxMinimumDistance,
            "EdMinimumDistance");
  makeWhole(1, platformLabel_, platform_, platformValue_, texts::horizon::kPlatform,
            texts::horizon::kMetres, calc::kMaxPlatformHeight, "EdPlatform");
  {  // the search radius: at least 1 km
    radiusLabel_ = new QLabel(this);
    radius_ = new QLineEdit(this);
    radius_->setObjectName("EdRadius");
    radius_->setMaximumWidth(90);
    radius_->setAlignment(Qt::AlignRight);
    radiusLabel_->setBuddy(radius_);
    SetTag(radiusLabel_, texts::horizon::kRadius);
    InstallKeyFilter(radius_, FieldKind::Integer, start_);
    auto* unit = new QLabel(this);
    SetTag(unit, texts::horizon::kKilometres);
    values->addWidget(radiusLabel_, 2, 0);
    values->addWidget(radius_, 2, 1);
    values->addWidget(unit, 2, 2);
    connect(radius_, &QLineEdit::editingFinished, this, [this] {
      CheckGuard guard(checking_);
      if (guard.Busy()) return;
      CheckIntegerField(radius_, radiusValue_, FieldName(radiusLabel_), calc::kMinSearchRadiusKm,
                        calc::kMaxSearchRadiusKm);
    });
  }
  values->setColumnStretch(3, 1);
  outer->addLayout(values);

  profileLine_ = new QLabel(this);
  profileLine_->setObjectName("ProfileLine");
  profileLine_->setWordWrap(true);
  outer->addWidget(profileLine_);

  stepLine_ = new QLabel(this);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 1000);
  progress_->setTextVisible(true);
  stepLine_->hide();
  progress_->hide();
  outer->addWidget(stepLine_);
  outer->addWidget(progress_);

  auto* buttons = new QHBoxLayout;
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelButton");
  load_ = new QPushButton(this);
  load_->setObjectName("LoadButton");
  save_ = new QPushButton(this);
  save_->setObjectName("SaveButton");
  close_ = new QPushButton(this);
  close_->setObjectName("CloseButton");
  SetTag(start_, texts::horizon::kStart);
  SetTag(cancel_, texts::horizon::kStopCalculation);
  SetTag(load_, texts::horizon::kLoad);
  SetTag(save_, texts::horizon::kSave);
  SetTag(close_, texts::horizon::kCancel);
  cancel_->hide();
  buttons->addWidget(start_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  buttons->addWidget(load_);
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  outer->addLayout(buttons);

  connect(start_, &QPushButton::clicked, this, [this] { StartComputation(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { CancelComputation(); });
  connect(load_, &QPushButton::clicked, this, [this] { LoadProfile(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveProfile(); });
  connect(close_, &QPushButton::clicked, this, [this] {
    CancelComputation();
    hide();
    emit Closed();
  });
  for (QRadioButton* b : {north_, south_, east_, west_}) {
    connect(b, &QRadioButton::toggled, this, [this] { UpdateDms(); });
  }
  Fill();
}

HorizonPanel::~HorizonPanel() {
  cancelFlag_ = true;
  if (worker_.joinable()) worker_.join();
}

void HorizonPanel::Fill() {
  const shell::SiteSettings& site = shell::State().site;
  latitudeValue_ = std::fabs(site.latitude);
  longitudeValue_ = std::fabs(site.longitude);
  latitude_->setText(Trimmed(10, 6, latitudeValue_));
  longitude_->setText(Trimmed(11, 6, longitudeValue_));
  (site.latitude < 0 ? south_ : north_)->setChecked(true);
  (site.longitude > 0 ? west_ : east_)->setChecked(true);  // west positive
  minimumDistance_->setText(QString::number(minimumDistanceValue_));
  platform_->setText(QString::number(platformValue_));
  radius_->setText(QString::number(radiusValue_));
  UpdateDms();
  UpdateProfileLine();
}

void HorizonPanel::UpdateDms() {
  auto text = [](double value) {
    const DmsAngle a = DecimalToDms(value);
    return QString::number(a.degrees) + Text(texts::horizon::kDegrees) +
           QString::number(a.minutes) + Text(texts::horizon::kMinutes) +
           QString::number(a.seconds) + Text(texts::horizon::kSeconds);
  };
  latitudeDms_->setText(text(latitudeValue_));
  longitudeDms_->setText(text(longitudeValue_));
}

void HorizonPanel::UpdateProfileLine() {
  const calc::HorizonProfileState& h = calc::Horizon();
  if (!h.horizonProfileLoaded) {
    profileLine_->setText(Text(texts::horizon::kNoProfileLoaded));
  } else {
    QString where = h.fileName.empty() ? Q(h.description).trimmed()
                                       : QFileInfo(Q(h.fileName)).fileName();
    profileLine_->setText(Text(texts::horizon::kProfile) + where + "  (" +
                          Trimmed(10, 6, h.latitude) + ", " + Trimmed(11, 6, h.longitude) + ")");
  }
  save_->setEnabled(h.horizonProfileLoaded && !running_);
}

bool HorizonPanel::CheckFields() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  if (CheckRealField(latitude_, latitudeValue_, FieldName(latitudeLabel_), 90, -90)) return false;
  if (CheckRealField(longitude_, longitudeValue_, FieldName(longitudeLabel_), 180, -180)) {
    return false;
  }
  if (CheckIntegerField(minimumDistance_, minimumDistanceValue_, FieldName(minimumDistanceLabel_),
                        0, calc::kMaxMinimumDistance) ||
      CheckIntegerField(platform_, platformValue_, FieldName(platformLabel_), 0,
                        calc::kMaxPlatformHeight) ||
      CheckIntegerField(radius_, radiusValue_, FieldName(radiusLabel_), calc::kMinSearchRadiusKm,
                        calc::kMaxSearchRadiusKm)) {
    return false;
  }
  UpdateDms();
  return true;
}

void HorizonPanel::SetRunning(bool running) {
  running_ = running;
  for (QWidget* w : std::initializer_list<QWidget*>{latitude_, longitude_, minimumDistance_, platform_,
                                                    radius_, north_, south_, east_, west_, start_,
                                                    load_}) {
    w->setEnabled(!running);
  }
  cancel_->setVisible(running);
  progress_->setVisible(running);
  stepLine_->setVisible(running);
  if (running) progress_->setValue(0);
  UpdateProfileLine();
  emit RunningChanged(running);
}

void HorizonPanel::StartComputation() {
  if (running_ || !CheckFields()) return;
  auto session = std::make_unique<Session>();
  session->site.latitude = latitudeValue_ * (south_->isChecked() ? -1 : 1);
  session->site.longitude = longitudeValue_ * (west_->isChecked() ? 1 : -1);
  session->site.minimumDistance = minimumDistanceValue_;
  session->site.platformHeight = platformValue_;
  session->site.searchRadius = radiusValue_;

  const QString path = TheHorizonDialogs().openFile(
      this, Text(texts::horizon::kGridTitle),
      Text(texts::horizon::kGridFilter) + ";;" + Text(texts::horizon::kAllFiles));
  if (path.isEmpty()) return;
  calc::GridHeader header;
  const calc::GridReadResult r = calc::ReadGridHeader(path.toStdString(), header);
  if (!r.ok()) {
    calc::ShowComputationFailed(path.toStdString(), calc::GridFaultText(r));
    return;
  }
  const calc::HorizonSite& site = session->site;
  const double lat = calc::CentreLatitude(site.latitude);
  bool inside = false;
  for (double shift : {-360.0, 0.0, 360.0}) inside = inside || header.Contains(lat, -site.longitude + shift);
  if (!inside && !calc::AskComputeOutsideGrid()) return;
  session->headers.push_back(header);
  session_ = std::move(session);
  SetRunning(true);
  RunTile(path);
}

void HorizonPanel::RunTile(const QString& path) {
  if (worker_.joinable()) worker_.join();
  cancelFlag_ = false;
  progress_->setValue(0);
  stepLine_->setText(Text(texts::horizon::kReading) + QFileInfo(path).fileName());
  Session* session = session_.get();
  const std::string file = path.toStdString();
  const std::function<void()> started = TheHorizonDialogs().workerStarted;
  worker_ = std::thread([this, session, file, path, started] {
    if (started) started();
    calc::TaskControl control;
    control.cancel = &cancelFlag_;
    control.progress = [this](double f) {
      QMetaObject::invokeMethod(
          this,
          [this, f] {
            if (!running_) return;
            progress_->setValue(static_cast<int>(f * 1000));
            if (f >= calc::kReadShare) stepLine_->setText(Text(texts::horizon::kComputing));
          },
          Qt::QueuedConnection);
    };
    const calc::TileStep step =
        calc::ReadAndAddTile(file, session->site, session->accumulator, control);
    QMetaObject::invokeMethod(
        this, [this, path, step] { TileFinished(path, step); }, Qt::QueuedConnection);
  });
}

void HorizonPanel::TileFinished(const QString& path, const calc::TileStep& step) {
  if (worker_.joinable()) worker_.join();
  if (!session_) return;
  if (step.cancelled) {
    EndSession();
    profileLine_->setText(Text(texts::horizon::kStopped));
    return;
  }
  if (!step.read.ok()) {
    EndSession();
    calc::ShowComputationFailed(path.toStdString(), calc::GridFaultText(step.read));
    return;
  }
  if (session_->headers.size() == 1 && !step.groundKnown) {
    shell::ShowMessage(shell::MessageKind::Information, shell::Get(texts::horizon::kGroundUnknown));
  }
  progress_->setValue(1000);
  AskForFurtherTile();
}

void HorizonPanel::AskForFurtherTile() {
  while (true) {
    const unsigned missing = calc::MissingDirections(session_->headers, session_->site);
    if (!missing || !calc::AskLoadMissing(missing)) break;
    const QString path = TheHorizonDialogs().openFile(
        this, Text(texts::horizon::kGridTitle),
        Text(texts::horizon::kGridFilter) + ";;" + Text(texts::horizon::kAllFiles));
    if (path.isEmpty()) break;
    calc::GridHeader header;
    const calc::GridReadResult r = calc::ReadGridHeader(path.toStdString(), header);
    if (!r.ok()) {
      calc::ShowComputationFailed(path.toStdString(), calc::GridFaultText(r));
      continue;
    }
    if (!calc::ReportFurtherTile(calc::CheckFurtherTile(session_->headers.front(), header))) {
      continue;
    }
    session_->headers.push_back(header);
    RunTile(path);
    return;
  }
  Finish();
}

void HorizonPanel::Finish() {
  const calc::HorizonProfileFile file = calc::ComputedProfileFile(*session_->accumulator);
  const int ground = session_->accumulator->GroundHeight();
  EndSession();
  calc::ShowProfileComputed(ground);
  calc::TakeHorizonProfile(file, "");
  Fill();
  emit ProfileChanged();
  const QString path = TheHorizonDialogs().saveFile(this, Text(texts::horizon::kSaveComputedTitle),
                                                    "horizont.ele", ProfileFilter(false));
  if (!path.isEmpty()) calc::SaveHorizonProfile(path.toStdString());
  UpdateProfileLine();
}

void HorizonPanel::EndSession() {
  session_.reset();
  SetRunning(false);
}

void HorizonPanel::CancelComputation() {
  if (!running_) return;
  cancelFlag_ = true;
}

void HorizonPanel::LoadProfile() {
  if (running_) return;
  if (LoadHorizonProfileWithDialog(this)) {
    Fill();
    emit ProfileChanged();
  }
}

void HorizonPanel::SaveProfile() {
  if (running_ || !calc::Horizon().horizonProfileLoaded) return;
  const QString suggested = calc::Horizon().fileName.empty()
                                ? QString("horizont.ele")
                                : QFileInfo(Q(calc::Horizon().fileName)).fileName();
  const QString path = TheHorizonDialogs().saveFile(this, Text(texts::horizon::kSaveTitle),
                                                    suggested, ProfileFilter(false));
  if (!path.isEmpty()) calc::SaveHorizonProfile(path.toStdString());
  UpdateProfileLine();
}

void HorizonPanel::Retranslate() {
  RelabelTree(this);
  UpdateDms();
  UpdateProfileLine();
}

}  // namespace kelvra::ui
