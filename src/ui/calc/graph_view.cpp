#include "ui/calc/graph_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/graphs/graph_inputs.h"
#include "calc/horizon/horizon_session.h"
#include "canvas/page_output.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/shared_state.h"
#include "texts/graphs.h"
#include "texts/graphwin.h"
#include "texts/horizon.h"
#include "texts/tables.h"
#include "ui/calc/graph_save_panel.h"
#include "ui/calc/horizon_panel.h"
#include "ui/calc/symmetric_panel.h"
#include "ui/calc/tables_window.h"
#include "ui/common/field_checks.h"

namespace kelvra::ui {

namespace tg = texts::graphs;
namespace tw = texts::graphwin;
using calc::graphs::GraphKind;

// Shows the image the view draws for it; asks for a new one when its size
// changes.
class GraphPicture final : public QWidget {
 public:
  explicit GraphPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("GraphPicture");
    setMinimumSize(320, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

  std::function<void()> sizeChanged;
  QImage image;
  int drawCount = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!image.isNull()) p.drawImage(0, 0, image);
  }
  void resizeEvent(QResizeEvent*) override {
    if (sizeChanged && image.size() != size()) sizeChanged();
  }
};

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

GraphViewDialogs RealDialogs() {
  GraphViewDialogs d;
  d.saveFile = [](QWidget* parent, const QString& title, const QString& suggested,
                  const QString& filter, QString* selectedFilter) {
    // The dialog asks before it replaces a file.
    return QFileDialog::getSaveFileName(parent, title, suggested, filter, selectedFilter);
  };
  d.printDialog = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  return d;
}

QString Trimmed(int width, int decimals, double x) {
  return Q(shell::FormatReal(width, decimals, x)).trimmed();
}

QLineEdit* PlaneField(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(110);
  InstallKeyFilter(e, FieldKind::Real, nullptr);
  return e;
}

}  // namespace

GraphViewDialogs& TheGraphViewDialogs() {
  static GraphViewDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetGraphViewDialogs() { TheGraphViewDialogs() = RealDialogs(); }

QPrinter& GraphPrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

GraphView::GraphView(int mode, int variant, QWidget* parent)
    : QWidget(parent), mode_(mode == kGraphModeSunPath ? kGraphModeSunPath : kGraphModeEot) {
  setObjectName(mode_ == kGraphModeEot ? "EotGraphView" : "SunPathView");
  if (mode_ == kGraphModeSunPath && (variant == 1 || variant == 2)) {
    calc::graphs::Graphs().diagramPolar = variant == 2;
  }
  picture_ = new GraphPicture(this);
  picture_->sizeChanged = [this] { Redraw(); };
  heading_ = new QLabel(this);
  heading_->setObjectName("GraphHeading");
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);

  saveHpgl_ = new QPushButton(this);
  saveHpgl_->setObjectName("BtSaveHpgl");
  SetTag(saveHpgl_, tg::kSaveHpgl);
  saveDxf_ = new QPushButton(this);
  saveDxf_->setObjectName("BtSaveDxf");
  SetTag(saveDxf_, tg::kSaveDxf);
  connect(saveHpgl_, &QPushButton::clicked, this, [this] { OpenSavePanel(false); });
  connect(saveDxf_, &QPushButton::clicked, this, [this] { OpenSavePanel(true); });

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  auto* options = new QWidget(this);
  options->setObjectName("GraphOptions");
  if (mode_ == kGraphModeEot) {
    BuildEotControls(options);
    outer->addWidget(heading_);
    outer->addWidget(options);
    outer->addWidget(picture_, 1);
  } else {
    BuildSunPathControls(options);
    auto* row = new QHBoxLayout;
    row->addWidget(options);
    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addWidget(picture_, 1);
    row->addLayout(right, 1);
    outer->addLayout(row, 1);
  }

  savePanel_ = new GraphSavePanel(this);
  connect(savePanel_, &GraphSavePanel::Accepted, this, [this](const GraphSaveRequest& request) {
    // The panel wrote the longitude correction back to zoneTime.
    FillFromState();
    Redraw();
    Save(request);
  });

  // Captions, lists and the picture in the current language.
  Retranslate();
  FillFromState();
}

GraphView::~GraphView() = default;

void GraphView::BuildEotControls(QWidget* box) {
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  zoneTime_ = new QCheckBox(box);
  zoneTime_->setObjectName("CbZoneTime");
  SetTag(zoneTime_, tg::kWithLongitude);
  symmetric_ = new QCheckBox(box);
  symmetric_->setObjectName("CbSymmetric");
  SetTag(symmetric_, texts::tables::kSymmetricCheck);
  row->addWidget(zoneTime_);
  row->addSpacing(16);
  row->addWidget(symmetric_);
  row->addStretch();
  row->addWidget(saveHpgl_);
  row->addWidget(saveDxf_);

  symmetricPanel_ = new SymmetricPanel(this);
  connect(symmetric_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    if (on) {
      symmetricPanel_->Open();
      symmetricPanel_->move(std::max(0, width() - symmetricPanel_->width() - 8), 60);
    } else {
      symmetricPanel_->hide();
    }
  });
  connect(symmetricPanel_, &SymmetricPanel::YearChanged, this, [this] {
    Redraw();
    emit SharedStateChanged();
  });
  connect(zoneTime_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    config::Dial().zoneTime = on;
    Redraw();
  });
}

void GraphView::BuildSunPathControls(QWidget* box) {
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  box->setMaximumWidth(330);

  representationLabel_ = new QLabel(box);
  SetTag(representationLabel_, tw::kRepresentation);
  representation_ = new QComboBox(box);
  representation_->setObjectName("CbRepresentation");
  representationLabel_->setBuddy(representation_);
  column->addWidget(representationLabel_);
  column->addWidget(representation_);

  zoneTime_ = new QCheckBox(box);
  zoneTime_->setObjectName("CbZoneTime");
  SetTag(zoneTime_, tg::kWithLongitude);
  column->addWidget(zoneTime_);
  hoursWithEot_ = new QCheckBox(box);
  hoursWithEot_->setObjectName("CbHoursWithEot");
  SetTag(hoursWithEot_, tw::kHoursWithEot);
  column->addWidget(hoursWithEot_);
  span_ = new QComboBox(box);
  span_->setObjectName("CbSpan");
  column->addWidget(span_);

  intervalLabel_ = new QLabel(box);
  SetTag(intervalLabel_, tw::kHourLines);
  interval_ = new QComboBox(box);
  interval_->setObjectName("CbInterval");
  intervalLabel_->setBuddy(interval_);
  dateLinesLabel_ = new QLabel(box);
  SetTag(dateLinesLabel_, tw::kDateLines);
  dateLines_ = new QComboBox(box);
  dateLines_->setObjectName("CbDateLines");
  dateLinesLabel_->setBuddy(dateLines_);
  auto* lists = new QGridLayout;
  lists->addWidget(intervalLabel_, 0, 0);
  lists->addWidget(interval_, 0, 1);
  lists->addWidget(dateLinesLabel_, 1, 0);
  lists->addWidget(dateLines_, 1, 1);
  column->addLayout(lists);

  horizon_ = new QCheckBox(box);
  horizon_->setObjectName("CbShowHorizon");
  SetTag(horizon_, tw::kShowHorizon);
  column->addWidget(horizon_);
  loadHorizon_ = new QPushButton(box);
  loadHorizon_->setObjectName("BtLoadHorizon");
  SetTag(loadHorizon_, texts::horizon::kLoad);
  computeHorizon_ = new QPushButton(box);
  computeHorizon_->setObjectName("BtComputeHorizon");
  SetTag(computeHorizon_, tw::kComputeHorizon);
  auto* horizonRow = new QHBoxLayout;
  horizonRow->addWidget(loadHorizon_);
  horizonRow->addWidget(computeHorizon_);
  column->addLayout(horizonRow);

  plane_ = new QCheckBox(box);
  plane_->setObjectName("CbPlaneSunshine");
  SetTag(plane_, tw::kPlaneSunshine);
  column->addWidget(plane_);
  planeBox_ = new QGroupBox(box);
  planeBox_->setObjectName("PlaneFields");
  auto* planeGrid = new QGridLayout(planeBox_);
  latitude_ = PlaneField(planeBox_, "EdPlaneLatitude");
  longitude_ = PlaneField(planeBox_, "EdPlaneLongitude");
  wallDeclination_ = PlaneField(planeBox_, "EdWallDeclination");
  inclination_ = PlaneField(planeBox_, "EdInclination");
  latitudeLabel_ = new QLabel(planeBox_);
  SetTag(latitudeLabel_, texts::horizon::kLatitude);
  longitudeLabel_ = new QLabel(planeBox_);
  SetTag(longitudeLabel_, texts::horizon::kLongitude);
  wallDeclinationLabel_ = new QLabel(planeBox_);
  SetTag(wallDeclinationLabel_, tw::kWallDeclinationField);
  inclinationLabel_ = new QLabel(planeBox_);
  SetTag(inclinationLabel_, tw::kInclinationField);
  int r = 0;
  for (auto [label, field] : {std::pair{latitudeLabel_, latitude_},
                              std::pair{longitudeLabel_, longitude_},
                              std::pair{wallDeclinationLabel_, wallDeclination_},
                              std::pair{inclinationLabel_, inclination_}}) {
    label->setBuddy(field);
    planeGrid->addWidget(label, r, 0);
    planeGrid->addWidget(field, r, 1);
    ++r;
  }
  column->addWidget(planeBox_);
  column->addStretch();
  column->addWidget(saveHpgl_);
  column->addWidget(saveDxf_);

  connect(representation_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    calc::graphs::Graphs().diagramPolar = i == 1;
    UpdateHeading();
    Redraw();
  });
  connect(zoneTime_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    config::Dial().zoneTime = on;
    Redraw();
  });
  connect(hoursWithEot_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    calc::graphs::Graphs().graphHoursWithEot = on;
    UpdateOptionVisibility();
    Redraw();
  });
  connect(span_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    calc::graphs::Graphs().sunPathSpan = i;
    Redraw();
  });
  connect(interval_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    config::Dial().otherHourInterval = i;
    Redraw();
  });
  connect(dateLines_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_ || i < 0) return;
    config::Dial().zodiacLinesPerMonth = i + 1;
    Redraw();
  });
  connect(horizon_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    if (on && !EnsureHorizonProfileLoaded(this)) {
      const QSignalBlocker block(horizon_);
      horizon_->setChecked(false);
      on = false;
    }
    config::Dial().horizonProfile = on;
    // Loading a profile may have moved the site.
    FillFromState();
    Redraw();
    emit SharedStateChanged();
  });
  connect(loadHorizon_, &QPushButton::clicked, this, [this] {
    if (!LoadHorizonProfileWithDialog(this)) return;
    config::Dial().horizonProfile = true;
    FillFromState();
    Redraw();
    emit SharedStateChanged();
  });
  connect(computeHorizon_, &QPushButton::clicked, this, [this] {
    if (!horizonPanel_) {
      horizonPanel_ = new HorizonPanel(this);
      connect(horizonPanel_, &HorizonPanel::ProfileChanged, this, [this] {
        FillFromState();
        Redraw();
        emit SharedStateChanged();
      });
      connect(horizonPanel_, &HorizonPanel::Closed, horizonPanel_, &QWidget::hide);
    }
    horizonPanel_->Fill();
    horizonPanel_->adjustSize();
    horizonPanel_->move(std::max(0, width() - horizonPanel_->width() - 8), 40);
    horizonPanel_->show();
    horizonPanel_->raise();
  });
  connect(plane_, &QCheckBox::toggled, this, [this](bool on) {
    if (filling_) return;
    calc::graphs::Graphs().planeSunshine = on;
    UpdateOptionVisibility();
    Redraw();
  });
  connect(latitude_, &QLineEdit::editingFinished, this, [this] { LeaveLatitude(); });
  connect(longitude_, &QLineEdit::editingFinished, this, [this] { LeaveLongitude(); });
  connect(wallDeclination_, &QLineEdit::editingFinished, this,
          [this] { LeaveWallDeclination(); });
  connect(inclination_, &QLineEdit::editingFinished, this, [this] { LeaveInclination(); });
}

GraphKind GraphView::Kind() const {
  if (mode_ == kGraphModeEot) return GraphKind::Eot;
  return calc::graphs::Graphs().diagramPolar ? GraphKind::PolarSunPath
                                             : GraphKind::CartesianSunPath;
}

QImage GraphView::Picture() const { return picture_->image; }
int GraphView::DrawCount() const { return picture_->drawCount; }

void GraphView::Redraw() {
  const QSize size = picture_->size().expandedTo(picture_->minimumSize());
  const calc::graphs::GraphInputs in = calc::graphs::CurrentGraphInputs();
  const GraphKind kind = Kind();
  std::string light;
  picture_->image = canvas::DrawPicture(size.width(), size.height(), [&](output::PlotSink& sink) {
    light = calc::graphs::DrawGraph(sink, kind, in);
  });
  lightText_ = light;
  ++picture_->drawCount;
  picture_->update();
}

void GraphView::FillFromState() {
  filling_ = true;
  const config::DialParameters& dial = config::Dial();
  const calc::graphs::GraphSettings& g = calc::graphs::Graphs();
  zoneTime_->setChecked(dial.zoneTime);
  if (mode_ == kGraphModeSunPath) {
    representation_->setCurrentIndex(g.diagramPolar ? 1 : 0);
    hoursWithEot_->setChecked(g.graphHoursWithEot);
    span_->setCurrentIndex(std::clamp(g.sunPathSpan, 0, 2));
    interval_->setCurrentIndex(std::clamp(dial.otherHourInterval, 0, 3));
    dateLines_->setCurrentIndex(std::clamp(dial.zodiacLinesPerMonth, 1, 4) - 1);
    horizon_->setChecked(dial.horizonProfile);
    plane_->setChecked(g.planeSunshine);
    const shell::SiteSettings& site = shell::State().site;
    latitude_->setText(Trimmed(11, 6, site.latitude));
    longitude_->setText(Trimmed(11, 6, site.longitude));
    wallDeclination_->setText(Trimmed(8, 2, dial.wallDeclination));
    inclination_->setText(Trimmed(8, 2, dial.inclination));
    UpdateOptionVisibility();
  }
  filling_ = false;
  UpdateHeading();
}

void GraphView::UpdateOptionVisibility() {
  if (mode_ != kGraphModeSunPath) return;
  // The span belongs to the hours with the equation of time.
  span_->setVisible(hoursWithEot_->isChecked());
  planeBox_->setEnabled(plane_->isChecked());
}

void GraphView::UpdateHeading() {
  if (mode_ == kGraphModeEot) {
    heading_->setText(Text(tg::kEotDefinition));
  } else {
    heading_->setText(Text(Kind() == GraphKind::PolarSunPath ? tg::kPolarTitle
                                                             : tg::kCartesianTitle));
  }
}

void GraphView::FillLists() {
  if (mode_ != kGraphModeSunPath) return;
  filling_ = true;
  auto fill = [](QComboBox* list, texts::TextRun run) {
    const int current = std::max(0, list->currentIndex());
    list->clear();
    for (int i = 0; i < run.size(); ++i) list->addItem(Text(run[i]));
    list->setCurrentIndex(current);
  };
  fill(representation_, tw::kRepresentations);
  fill(span_, tw::kSpans);
  fill(interval_, tw::kIntervals);
  fill(dateLines_, tw::kDateLineCounts);
  filling_ = false;
}

// ---- the plane fields ---------------------------------------------------------------

bool GraphView::LeaveLatitude() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = shell::State().site.latitude;
  if (CheckRealField(latitude_, value, FieldName(latitudeLabel_), 90, -90)) return true;
  if (value != shell::State().site.latitude) {
    shell::State().site.latitude = value;
    Redraw();
    emit SharedStateChanged();
  }
  return false;
}

bool GraphView::LeaveLongitude() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = shell::State().site.longitude;
  if (CheckRealField(longitude_, value, FieldName(longitudeLabel_), 180, -180)) return true;
  if (value != shell::State().site.longitude) {
    shell::State().site.longitude = value;
    Redraw();
    emit SharedStateChanged();
  }
  return false;
}

bool GraphView::LeaveWallDeclination() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = config::Dial().wallDeclination;
  if (CheckRealField(wallDeclination_, value, FieldName(wallDeclinationLabel_), 180, -180)) {
    return true;
  }
  if (value != config::Dial().wallDeclination) {
    config::Dial().wallDeclination = value;
    Redraw();
  }
  return false;
}

bool GraphView::LeaveInclination() {
  CheckGuard guard(checking_);
  if (guard.Busy()) return false;
  double value = config::Dial().inclination;
  if (CheckRealField(inclination_, value, FieldName(inclinationLabel_), 180, 0)) return true;
  if (value != config::Dial().inclination) {
    config::Dial().inclination = value;
    Redraw();
  }
  return false;
}

// ---- save and print -----------------------------------------------------------------

void GraphView::OpenSavePanel(bool dxf) {
  savePanel_->Open(Kind(), dxf);
  savePanel_->move(std::max(0, (width() - savePanel_->width()) / 2),
                   std::max(0, (height() - savePanel_->height()) / 3));
}

bool GraphView::Save(const GraphSaveRequest& request) {
  const QString filter =
      Text(request.dxf ? tw::kDxfFilter : tw::kHpglFilter) + ";;" + Text(tw::kAllFiles);
  QString chosenFilter;
  QString path = TheGraphViewDialogs().saveFile(
      this, Q(shell::FileDialogTitle(1)), QDir::current().filePath(Q(request.fileName)), filter,
      &chosenFilter);
  if (path.isEmpty()) return false;
  // The default extension of the file type.
  if (QFileInfo(path).suffix().isEmpty()) {
    const QString typed = path;
    path += request.dxf ? ".dxf" : ".plt";
    if (!MayReplaceOtherFile(typed, path)) return false;
  }
  const calc::graphs::GraphInputs in = calc::graphs::CurrentGraphInputs();
  return calc::graphs::SaveGraphFile(path.toStdString(), request.dxf, Kind(), in,
                                     request.options);
}

bool GraphView::Print() {
  QPrinter& printer = GraphPrinter();
  printer.setPageOrientation(QPageLayout::Landscape);
  // Without a printer the same dialog prints into a PDF file.
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty()) {
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  }
  if (!TheGraphViewDialogs().printDialog(this, printer)) return false;
  std::optional<canvas::PrinterPage> page = canvas::BeginPrinterPageOrWarn(printer);
  if (!page) return false;
  const calc::graphs::GraphInputs in = calc::graphs::CurrentGraphInputs();
  calc::graphs::DrawGraph(*page->sink, Kind(), in);
  if (!page->sink->Finish()) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(texts::tables::kPrintError));
    return false;
  }
  return true;
}

void GraphView::Retranslate() {
  RelabelTree(this);
  FillLists();
  UpdateHeading();
  if (planeBox_) planeBox_->setTitle(Text(tg::kPlaneHeading));
  // The picture's texts are in the language too.
  Redraw();
}

QSize GraphView::sizeHint() const {
  return mode_ == kGraphModeEot ? QSize(1000, 680) : QSize(1180, 760);
}

QWidget* MakeGraphView(int mode, int variant, QWidget* parent) {
  return new GraphView(mode, variant, parent);
}

}  // namespace kelvra::ui
