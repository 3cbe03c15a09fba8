#include "ui/drawing/drawing_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QCheckBox>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "canvas/page_output.h"
#include "canvas/qt_plot_sink.h"
#include "output/hpgl_to_dxf.h"
#include "output/plot_export.h"
#include "output/print_area.h"
#include "persist/dial_data_file.h"
#include "persist/text_file.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/drawing/listing_panels.h"
#include "ui/main/main_window.h"
#include "ui/common/pictures.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/text_printing.h"

namespace kelvra::ui {

namespace {

using output::CoordinateTarget;
using output::SaveFormat;

// Catalogue numbers of the window's texts (resources/text/drawwin.tsv).
enum Tag : int {
  kDraw = 1820, kGrid = 1821, kZoomInHint = 1822, kZoomOutHint = 1823, kColors = 1824,
  kHourLines = 1825, kStabInfo = 1826, kCoordinates = 1827, kPrint = 1828, kSaveHpgl = 1829,
  kSaveDxf = 1830, kSaveData = 1831, kLoadData = 1832, kDataHint = 1833, kParameter = 1834,
  kPicture = 1835, kClose = 1836, kSaveVector = 1837, kSaveVectorHint = 1838,
  kOriginOutside = 1843, kTemporalImpossible = 1844, kOverwriting = 1857,
  kSavedBack = 1968, kWriteFailed = 1869,
  kMenuPrint = 1870, kMenuHpgl = 1871, kMenuDxf = 1872, kMenuSaveData = 1873,
  kMenuLoadData = 1874, kMenuPrintFormat = 1875, kMenuFileFormat = 1876, kMenuDraw = 1877,
  kMenuDrawGrid = 1878, kMenuColors = 1879, kMenuPoleInfo = 1880, kMenuLinesToFoot = 1881,
  kMenuPolarTriangle = 1882, kMenuZoomOut = 1883, kMenuZoomIn = 1884, kMenuClose = 1885,
  kMenuSvg = 1886, kMenuPdf = 1887, kLoadFilter = 1888, kAllFiles = 1889,
  kCannotSolve = 1893, kNoDrawing = 1894, kCoastline = 1895, kBorders = 1896,
  kTableNextPage = 1763,
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int kExpertPanelHeight = 26;

// Information-bar colours: teal text on a light ground.
constexpr const char* kInfoStyle =
    "QLabel { color: teal; background: #fffbe6; border: 1px solid #c8c0a0; padding: 2px 6px; }";

// The real dialogs.
DrawingDialogs RealDialogs() {
  DrawingDialogs d;
  d.saveFile = [](QWidget* parent, const QString& title, const QString& suggested,
                  const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
  };
  d.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
  };
  d.askText = [](QWidget* parent, const QString& title, const QString& label,
                 const QString& value) -> std::optional<QString> {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
  };
  d.printDialog = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  return d;
}

// Shows the wait cursor while it lives.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The picture file of the current dial type.
QString TypePictureFile(const output::DrawingKind& k) {
  if (k.umbrella) return "dial_s.jpg";
  return QString("dial_%1.jpg").arg(QChar(k.kind));
}

}  // namespace

DrawingDialogs& Dialogs() {
  static DrawingDialogs dialogs = RealDialogs();
  return dialogs;
}

void ResetDialogs() { Dialogs() = RealDialogs(); }

QPrinter& DrawingPrinter() {
  static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
  return *printer;
}

std::string& DrawingWindow::RememberedFileName() {
  static std::string name = "kel.plt";
  return name;
}

// ---- the picture --------------------------------------------------------------

// The drawing surface: shows the picture, marks the picked origin and the
// legend outline, and passes clicks, the wheel and mouse moves on.
class PictureView final : public QWidget {
 public:
  PictureView(QSize size, const QImage* image, QWidget* parent)
      : QWidget(parent), image_(image) {
    setObjectName("DrawingPicture");
    setFixedSize(size);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
  }

  std::function<void(QPoint, bool)> onClick;
  std::function<void(int)> onWheel;
  std::function<void()> onHover;
  std::function<void(QPoint)> onContextMenu;
  output::DrawingKind kind;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (image_ && !image_->isNull()) p.drawImage(0, 0, *image_);
    else p.fillRect(rect(), Qt::white);
    const output::DrawingView& view = output::TheDrawingView();
    if (view.originSetByUser) {
      // The origin marker: a focus rectangle of 8 × 8 pixels about the origin.
      QStyleOptionFocusRect option;
      option.initFrom(this);
      option.rect = QRect(view.origin.x - 4, view.origin.y - 4, 8, 8);
      p.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(option.rect);
    }
    if (view.legendSetByUser) {
      const output::Point size = output::LegendOutlineSize(kind.Row(), width());
      p.setPen(QPen(QColor(0, 0, 255), 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(view.legendPosition.x, view.legendPosition.y, size.x, size.y);
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) {
      onClick(e->position().toPoint(), e->modifiers().testFlag(Qt::AltModifier));
      return;
    }
    QWidget::mousePressEvent(e);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (onHover) onHover();
    QWidget::mouseMoveEvent(e);
  }
  void wheelEvent(QWheelEvent* e) override {
    if (onWheel) onWheel(e->angleDelta().y());
    e->accept();
  }
  void contextMenuEvent(QContextMenuEvent* e) override {
    if (onContextMenu) onContextMenu(e->globalPos());
  }

 private:
  const QImage* image_;
};

// ---- construction -------------------------------------------------------------

DrawingWindow::DrawingWindow(MainWindow* main, QSize pictureSize)
    : TaskWindow(kDrawingWindow, 6), main_(main) {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(2, 2, 2, 2);
  outer->setSpacing(4);
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  auto* column = new QWidget(this);
  column->setObjectName("CommandColumn");
  BuildCommandColumn(column);

  // The picture: main window width − 1.3 × column width − 3; the height of the
  // free area less the window's own title, the information bar and margins.
  if (main_) {
    QWidget* desk = main_->centralWidget();
    const QSize free = desk ? desk->size() : main_->size();
    const int titleHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const int infoHeight = 26;
    const bool expert =
        output::CommandsOnOpening(Kind(), shell::State().general.mapsEnabled).expertPanel;
    const output::PictureSize s = output::PictureSizeFor(
        free.width() - 12, column->sizeHint().width(), free.height(), titleHeight + infoHeight + 8,
        expert ? kExpertPanelHeight : 0);
    pictureSize = QSize(s.width, s.height);
  }
  pictureSize_ = pictureSize.isValid() && !pictureSize.isEmpty() ? pictureSize : QSize(1000, 700);
  picture_ = QImage(pictureSize_, QImage::Format_RGB32);
  picture_.fill(Qt::white);

  auto* picture = new PictureView(pictureSize_, &picture_, this);
  view_ = picture;
  picture->onClick = [this](QPoint p, bool alt) { ClickAt(p, alt); };
  picture->onWheel = [this](int delta) { Wheel(delta); };
  picture->onHover = [this] {
    if (output::ShowsPlacementHints(Kind())) ShowInfo(Q(output::OriginHint()));
  };
  picture->onContextMenu = [this](QPoint global) { popup_->popup(global); };
  left->addWidget(picture);

  info_ = new QLabel(this);
  info_->setObjectName("InformationBar");
  info_->setStyleSheet(kInfoStyle);
  info_->setFixedHeight(24);
  left->addWidget(info_);
  // The expert panel: the coastline and borders overlay of the planar dials.
  expertPanel_ = new QWidget(this);
  expertPanel_->setObjectName("ExpertPanel");
  expertPanel_->setFixedHeight(kExpertPanelHeight);
  auto* expert = new QHBoxLayout(expertPanel_);
  expert->setContentsMargins(4, 0, 4, 0);
  coastline_ = new QCheckBox(expertPanel_);
  coastline_->setObjectName("CoastlineBox");
  SetTag(coastline_, kCoastline);
  borders_ = new QCheckBox(expertPanel_);
  borders_->setObjectName("BordersBox");
  SetTag(borders_, kBorders);
  coastline_->setChecked(shell::State().general.drawCoastline);
  borders_->setChecked(shell::State().general.drawBorders);
  expert->addWidget(coastline_);
  expert->addWidget(borders_);
  expert->addStretch(1);
  connect(coastline_, &QCheckBox::toggled, this, [this](bool on) {
    shell::State().general.drawCoastline = on;
    Render(false);
  });
  connect(borders_, &QCheckBox::toggled, this, [this](bool on) {
    shell::State().general.drawBorders = on;
    Render(false);
  });
  left->addWidget(expertPanel_);
  outer->addLayout(left);
  outer->addWidget(column, 0, Qt::AlignTop);

  // The overlays of the picture area.
  save_ = new SavePanel(picture);
  connect(save_, &SavePanel::Accepted, this, [this](const SaveChoices& c) { Save(c); });
  tablePanel_ = new HourLineTablePanel(picture);
  connect(tablePanel_, &HourLineTablePanel::CorrectionChanged, this,
          [this](bool) { UpdateListingPanels(); });
  connect(tablePanel_, &HourLineTablePanel::PrintRequested, this, [this] { PrintHourLineTable(); });
  connect(tablePanel_, &HourLineTablePanel::CloseRequested, tablePanel_, &QWidget::hide);
  polePanel_ = new PoleInfoPanel(picture);
  connect(polePanel_, &PoleInfoPanel::PrintRequested, this, [this] { PrintPoleInformation(); });
  connect(polePanel_, &PoleInfoPanel::CloseRequested, polePanel_, &QWidget::hide);
  typePicture_ = new QLabel(picture);
  typePicture_->setObjectName("TypePicture");
  typePicture_->setFrameShape(QFrame::Panel);
  typePicture_->setAutoFillBackground(true);
  typePicture_->hide();

  BuildPopupMenu();

  if (main_ && main_->Colours()) {
    connect(main_->Colours(), &ColourPanel::Closed, this, [this] { Redraw(); });
  }

  const output::DrawingKind kind = Kind();
  picture->kind = kind;
  if (output::OriginPickable(kind.Row())) picture->setCursor(Qt::CrossCursor);
  picture->setToolTip(Q(output::PictureHint(kind)));
  states_ = output::CommandsOnOpening(kind, shell::State().general.mapsEnabled);
  ApplyStates();
  SetCaptionText(Q(output::DrawingWindowCaption(kind)));
  setFocusPolicy(Qt::StrongFocus);
}

DrawingWindow::~DrawingWindow() = default;

QWidget* DrawingWindow::PictureWidget() const { return view_; }

output::DrawingKind DrawingWindow::Kind() const { return output::DrawingKindOf(config::Dial()); }

void DrawingWindow::BuildCommandColumn(QWidget* column) {
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  auto button = [&](const char* name, int tag, std::function<void()> run) {
    auto* b = new QPushButton(column);
    b->setObjectName(name);
    SetTag(b, tag);
    b->setMinimumWidth(120);
    connect(b, &QPushButton::clicked, this, [run = std::move(run)] { run(); });
    layout->addWidget(b);
    return b;
  };
  drawButton_ = button("DrawButton", kDraw, [this] { Draw(); });
  drawButton_->installEventFilter(this);
  gridButton_ = button("GridButton", kGrid, [this] { DrawWithGrid(); });
  gridButton_->installEventFilter(this);
  auto* zoomRow = new QHBoxLayout;
  zoomInButton_ = new QPushButton("+", column);
  zoomInButton_->setObjectName("ZoomInButton");
  zoomOutButton_ = new QPushButton("-", column);
  zoomOutButton_->setObjectName("ZoomOutButton");
  for (QPushButton* b : {zoomInButton_, zoomOutButton_}) {
    QFont f = b->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    b->setFont(f);
    b->setMinimumWidth(50);
    zoomRow->addWidget(b);
  }
  connect(zoomInButton_, &QPushButton::clicked, this, [this] { ZoomIn(); });
  connect(zoomOutButton_, &QPushButton::clicked, this, [this] { ZoomOut(); });
  layout->addLayout(zoomRow);
  layout->addSpacing(8);
  QPushButton* colours = button("ColorsButton", kColors, [this] {
    if (main_) main_->ShowColourPanel();
  });
  colours->hide();
  tableButton_ = button("HourLinesButton", kHourLines, [this] { ShowHourLineTable(); });
  poleButton_ = button("StabInfoButton", kStabInfo, [this] { ShowPoleInformation(); });
  QPushButton* coordinates = button("CoordinatesButton", kCoordinates, [this] {
    OpenSavePanel(SaveFormat::Hpgl, true, true);
  });
  coordinates->hide();
  layout->addSpacing(8);
  button("PrintButton", kPrint, [this] { Print(); });
  button("SaveHpglButton", kSaveHpgl, [this] { OpenSavePanel(SaveFormat::Hpgl); });
  button("SaveDxfButton", kSaveDxf, [this] { OpenSavePanel(SaveFormat::Dxf); });
  QPushButton* vector = button("SaveVectorButton", kSaveVector, [this] {
    OpenSavePanel(SaveFormat::Pdf);
  });
  vector->setProperty("kelvraHint", kSaveVectorHint);
  layout->addSpacing(8);
  dataButtons_ << button("SaveDataButton", kSaveData, [this] { SaveConstructionData(); });
  dataButtons_ << button("LoadDataButton", kLoadData, [this] { LoadConstructionData(); });
  for (QPushButton* b : dataButtons_) b->installEventFilter(this);
  layout->addSpacing(8);
  button("ParameterButton", kParameter, [this] { OpenParameters(); });
  pictureButton_ = button("PictureButton", kPicture, [this] { TogglePicture(); });
  layout->addSpacing(8);
  button("CloseButton", kClose, [this] { CloseWindow(); });
  layout->addStretch(1);
}

void DrawingWindow::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("DrawingPopup");
  auto add = [this](int tag, std::function<void()> run) {
    QAction* a = popup_->addAction(QString());
    SetTag(a, tag);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
  };
  add(kMenuPrint, [this] { Print(); });
  add(kMenuHpgl, [this] { OpenSavePanel(SaveFormat::Hpgl, false); });
  add(kMenuDxf, [this] { OpenSavePanel(SaveFormat::Dxf, false); });
  add(kMenuSvg, [this] { OpenSavePanel(SaveFormat::Svg, false); });
  add(kMenuPdf, [this] { OpenSavePanel(SaveFormat::Pdf, false); });
  popup_->addSeparator();
  add(kMenuSaveData, [this] { SaveConstructionData(); });
  add(kMenuLoadData, [this] { LoadConstructionData(); });
  popup_->addSeparator();
  printFormatAction_ = add(kMenuPrintFormat, [this] { SetScreenPageFormat(true); });
  fileFormatAction_ = add(kMenuFileFormat, [this] { SetScreenPageFormat(false); });
  printFormatAction_->setCheckable(true);
  fileFormatAction_->setCheckable(true);
  popup_->addSeparator();
  add(kMenuDraw, [this] { DrawKeepZoom(); });
  gridAction_ = add(kMenuDrawGrid, [this] { DrawWithGrid(); });
  add(kMenuColors, [this] {
    if (main_) main_->ShowColourPanel();
  });
  poleAction_ = add(kMenuPoleInfo, [this] { ShowPoleInformation(); });
  footAction_ = add(kMenuLinesToFoot, [this] { ToggleLinesToFoot(); });
  footAction_->setCheckable(true);
  triangleAction_ = add(kMenuPolarTriangle, [this] { TogglePolarTriangle(); });
  triangleAction_->setCheckable(true);
  popup_->addSeparator();
  zoomOutAction_ = add(kMenuZoomOut, [this] { ZoomOut(); });
  zoomInAction_ = add(kMenuZoomIn, [this] { ZoomIn(); });
  popup_->addSeparator();
  add(kMenuClose, [this] { CloseWindow(); });
}

void DrawingWindow::ApplyStates() {
  const output::CommandStates& s = states_;
  gridButton_->setEnabled(s.grid);
  gridAction_->setEnabled(s.grid);
  zoomInButton_->setEnabled(s.zoomIn);
  zoomOutButton_->setEnabled(s.zoomOut);
  zoomInAction_->setEnabled(s.zoomIn);
  zoomOutAction_->setEnabled(s.zoomOut);
  tableButton_->setEnabled(s.hourLineTable);
  poleButton_->setEnabled(s.poleInformation);
  // The menu entry of the pole information waits for the activation, with
  // the polar triangle.
  poleAction_->setEnabled(s.polarTriangle || (s.poleInformation && !output::PlacedLikePlanar(Kind())));
  triangleAction_->setEnabled(s.polarTriangle);
  triangleAction_->setChecked(s.polarTriangleTicked);
  footAction_->setEnabled(s.linesToFoot);
  footAction_->setChecked(config::Dial().linesToFoot);
  pictureButton_->setEnabled(s.picture);
  expertPanel_->setVisible(s.expertPanel);
  const bool printPage = output::TheDrawingView().screenPageFormat;
  printFormatAction_->setChecked(printPage);
  fileFormatAction_->setChecked(!printPage);
  zoomInButton_->setToolTip(Text(kZoomInHint));
  zoomOutButton_->setToolTip(Text(kZoomOutHint));
}

// ---- activation and drawing -------------------------------------------------------

void DrawingWindow::showEvent(QShowEvent* event) {
  TaskWindow::showEvent(event);
  if (!activated_) {
    activated_ = true;
    // After the frame is on the screen, so that messages sit over it.
    QTimer::singleShot(0, this, [this] { Activate(); });
  }
}

void DrawingWindow::Activate() {
  activated_ = true;
  const config::DialParameters dial = config::ResolvedDial(config::Dial());
  const output::DrawingKind kind = output::DrawingKindOf(dial);
  SetCaptionText(Q(output::DrawingWindowCaption(kind)));
  static_cast<PictureView*>(view_)->kind = kind;
  states_ = output::CommandsOnActivation(kind, shell::State().general.mapsEnabled,
                                         dial.polarTriangle);
  ApplyStates();
  output::DrawingView& view = output::TheDrawingView();
  const int w = pictureSize_.width();
  const int h = pictureSize_.height();
  view.imageWidth = w;
  view.imageHeight = h;
  bool hint = false;
  if (kind.Row().placement == config::DefaultPlacement::Centred) {
    output::SetDefaultPlacement(view, kind.Row(), w, h, shell::State().site.latitude);
    view.zoom = 1;
  } else if (output::PlacedLikePlanar(kind)) {
    ShowInfo(Q(output::OriginHint()));
    output::SetDefaultPlacement(view, kind.Row(), w, h, shell::State().site.latitude);
    hint = true;
  }
  // The hour-line table follows the time system of the hour lines.
  {
    QSignalBlocker block(tablePanel_->LongitudeCorrectionBox());
    tablePanel_->LongitudeCorrectionBox()->setChecked(!dial.planarLocalTime);
  }
  // When the window is shown: the listing (it gives the sunlit period of the
  // drawing's bottom line) and the drawing.
  view.zoom = 1;
  grid_ = false;
  Render(true, hint);
}

void DrawingWindow::UpdateListingPanels() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  if (tablePanel_->isVisibleTo(this) && listing->HasHourLineTable()) {
    tablePanel_->SetTable(listing->HourLineTable(tablePanel_->LongitudeCorrection()));
  }
  if (polePanel_->isVisibleTo(this)) polePanel_->SetLines(listing->PoleStyleLines());
}

void DrawingWindow::DrawOnto(output::PlotSink& sink) {
  job_.Draw(sink, output::TheDrawingView(), grid_, output::CurrentPrintArea());
}

bool DrawingWindow::RefuseEmptyOutput(bool printing) {
  if (!job_.DrawsNothing() && (!printing || job_.Kind().Has(config::kPrints))) return false;
  shell::ShowMessage(shell::MessageKind::Information, shell::Get(kNoDrawing));
  return true;
}

void DrawingWindow::Render(bool rebuild, bool writeHint) {
  output::DrawingView& view = output::TheDrawingView();
  if (rebuild || job_.DrawsNothing()) {
    job_ = dials::DialJob::OfCurrentDial(view.zoom);
    UpdateListingPanels();
  }
  if (job_.DrawsNothing()) ShowInfo(Text(kNoDrawing));
  view.imageWidth = pictureSize_.width();
  view.imageHeight = pictureSize_.height();
  {
    canvas::ImagePlotSink sink(pictureSize_.width(), pictureSize_.height());
    sink.Clear();
    DrawOnto(sink);
    picture_ = sink.Image();
  }
  if (writeHint) {
    QPainter p(&picture_);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    const output::Point at = output::FixGnomonTextPosition(view.origin);
    p.drawText(QPoint(at.x, at.y + QFontMetrics(f).ascent()), Q(output::FixGnomonText()));
  }
  if (view_) view_->update();
}

void DrawingWindow::Draw() {
  output::TheDrawingView().ResetZoom();
  grid_ = false;
  Render();
}

void DrawingWindow::DrawWithGrid() {
  grid_ = true;
  Render();
}

void DrawingWindow::DrawKeepZoom() {
  grid_ = false;
  Render();
}

void DrawingWindow::Redraw() {
  ApplyStates();
  Render();
}

void DrawingWindow::ZoomIn() {
  if (!states_.zoomIn) return;
  output::TheDrawingView().ZoomIn();
  Render();
}

void DrawingWindow::ZoomOut() {
  if (!states_.zoomOut) return;
  output::TheDrawingView().ZoomOut();
  Render();
}

void DrawingWindow::Wheel(int delta) {
  if (!states_.zoomIn) return;
  if (output::TheDrawingView().Wheel(delta)) Render();
}

void DrawingWindow::ClickAt(QPoint position, bool alt) {
  output::DrawingView& view = output::TheDrawingView();
  const output::Point p{position.x(), position.y()};
  if (alt) {
    if (!states_.pickLegend) return;
    view.PickLegend(p);
  } else {
    if (!states_.pickOrigin) return;
    view.PickOrigin(p);
  }
  Render(false);
}

void DrawingWindow::SetScreenPageFormat(bool printPage) {
  output::TheDrawingView().screenPageFormat = printPage;
  if (main_) {
    if (QAction* a4 = main_->MenuAction(20)) a4->setChecked(printPage);
    if (QAction* a3 = main_->MenuAction(21)) a3->setChecked(!printPage);
  }
  ApplyStates();
  Render();
}

void DrawingWindow::TogglePolarTriangle() {
  config::Dial().polarTriangle = !config::Dial().polarTriangle;
  states_.polarTriangleTicked = config::Dial().polarTriangle;
  ApplyStates();
  Render();
}

void DrawingWindow::ToggleLinesToFoot() {
  config::Dial().linesToFoot = !config::Dial().linesToFoot;
  ApplyStates();
  Render();
}

void DrawingWindow::ShowInfo(const QString& text) {
  if (info_->text() != text) info_->setText(text);
}

// ---- keys and mouse over the buttons ---------------------------------------------

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Plus) {
    ZoomIn();
    return;
  }
  if (event->key() == Qt::Key_Minus) {
    ZoomOut();
    return;
  }
  TaskWindow::keyPressEvent(event);
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    if (watched == drawButton_ || watched == gridButton_) {
      if (output::ShowsPlacementHints(Kind())) ShowInfo(Q(output::LegendHint()));
    } else if (dataButtons_.contains(static_cast<QPushButton*>(watched))) {
      ShowInfo(Text(kDataHint));
    }
  }
  // "&Zeichnen" draws also when it receives the focus from the keyboard.
  if (watched == drawButton_ && event->type() == QEvent::FocusIn) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
      QTimer::singleShot(0, this, [this] { Draw(); });
  }
  // Plus and minus reach the window from whichever button has the focus.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Plus || key == Qt::Key_Minus) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
  }
  return TaskWindow::eventFilter(watched, event);
}

// ---- print -------------------------------------------------------------------------

bool DrawingWindow::AskOriginOutside() {
  const output::DrawingView& view = output::TheDrawingView();
  if (!output::ChecksOriginBeforeOutput(Kind())) return false;
  if (!output::OriginOutsidePicture(view.origin, pictureSize_.width(), pictureSize_.height()))
    return false;
  return shell::ShowMessage(shell::MessageKind::Attention, shell::Get(kOriginOutside),
                            shell::MessageButtons::YesNo) == shell::MessageAnswer::Yes;
}

void DrawingWindow::Print() {
  if (tablePanel_->isVisibleTo(this)) {
    PrintHourLineTable();
    return;
  }
  if (RefuseEmptyOutput(true)) return;
  const config::DialParameters dial = config::ResolvedDial(config::Dial());
  const output::DrawingKind kind = output::DrawingKindOf(dial);
  if (output::ChecksOriginBeforeOutput(kind)) {
    if (AskOriginOutside()) return;
  } else if (output::TemporalHoursRefusePrint(kind, dial, shell::State().site.latitude)) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(kTemporalImpossible));
    return;
  }
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Landscape);
  // Without a printer the same dialog prints into a PDF file.
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) {
    printer.setPageOrientation(QPageLayout::Portrait);
    return;
  }
  PrintDrawing(printer);
}

bool DrawingWindow::PrintDrawing(QPrinter& printer) {
  std::optional<canvas::PrinterPage> page;
  {
    WaitCursor wait;
    page = canvas::BeginPrinterPage(printer);
  }
  if (!page) {
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
    printer.setPageOrientation(QPageLayout::Portrait);
    return false;
  }
  bool ok = false;
  {
    WaitCursor wait;
    output::DrawingView& view = output::TheDrawingView();
    {
      const output::CarriedPositions carried =
          output::CarryViewToPrinter(view, page->pageSize, job_.Kind());
      DrawOnto(*page->sink);
    }
    ok = page->sink->Finish();
  }
  printer.setPageOrientation(QPageLayout::Portrait);
  return ok;
}

// ---- save --------------------------------------------------------------------------

void DrawingWindow::OpenSavePanel(SaveFormat format, bool fromButtons, bool coordinatesToFile) {
  // A temporary file of an earlier DXF export that was left behind goes.
  QFile::remove(QDir::current().filePath("KELVRA.$$$"));
  QFile::remove(QDir::current().filePath("kelvra.$$$"));
  tablePanel_->hide();
  if (RefuseEmptyOutput(false)) {
    save_->hide();
    return;
  }
  if (fromButtons && AskOriginOutside()) {
    save_->hide();
    return;
  }
  const std::string name =
      QFileInfo(Q(RememberedFileName())).fileName().toStdString();
  save_->Open(format, name, states_.coordinateChoice, coordinatesToFile);
  PlacePanels();
}

void DrawingWindow::PlacePanels() {
  for (QWidget* panel : {static_cast<QWidget*>(save_), static_cast<QWidget*>(tablePanel_),
                         static_cast<QWidget*>(polePanel_), static_cast<QWidget*>(typePicture_)}) {
    if (!panel->isVisible()) continue;
    panel->adjustSize();
    QSize size = panel->size().boundedTo(pictureSize_);
    panel->resize(size);
    panel->move(std::max(0, (pictureSize_.width() - size.width()) / 2),
                std::max(0, (pictureSize_.height() - size.height()) / 3));
    panel->raise();
  }
}

bool DrawingWindow::Save(const SaveChoices& choices) {
  save_->hide();
  RememberedFileName() = choices.fileName;
  QString filter;
  switch (choices.format) {
    case SaveFormat::Hpgl: filter = "HPGL (*.plt)"; break;
    case SaveFormat::Dxf: filter = "DXF (*.dxf)"; break;
    case SaveFormat::Svg: filter = "SVG (*.svg)"; break;
    case SaveFormat::Pdf: filter = "PDF (*.pdf)"; break;
  }
  filter += ";;" + Text(kAllFiles);
  const QString path = Dialogs().saveFile(this, Q(shell::FileDialogTitle(1)),
                                          QDir::current().filePath(Q(choices.fileName)), filter);
  if (path.isEmpty()) return false;
  RememberedFileName() = path.toStdString();
  if (choices.format == SaveFormat::Hpgl || choices.format == SaveFormat::Dxf)
    return WritePlotFormat(choices, path);
  return WritePageFormat(choices, path);
}

bool DrawingWindow::WritePlotFormat(const SaveChoices& choices, const QString& path) {
  if (RefuseEmptyOutput(false)) return false;
  // The grid question of the plot file.
  std::optional<int> gridMm;
  if (shell::ShowMessage(shell::MessageKind::Question, output::GridQuestionText(),
                         shell::MessageButtons::YesNo) == shell::MessageAnswer::Yes) {
    const std::optional<QString> text = Dialogs().askText(
        this, Q(output::GridInputTitle()), Q(output::GridInputPrompt()), "10");
    gridMm = output::GridSpacingFromText(text ? text->toStdString() : std::string("10"));
  }
  WaitCursor wait;
  std::vector<std::string> listing;
  const bool wantListing = choices.coordinates != CoordinateTarget::None;
  const std::string shownName = QFileInfo(path).fileName().toStdString();
  auto write = [&](output::HpglWriter& writer) {
    listing.clear();
    job_.WritePlot(writer, output::TheDrawingView(), gridMm, wantListing ? &listing : nullptr,
                   shownName);
  };
  bool ok = false;
  if (choices.format == SaveFormat::Hpgl) {
    ok = output::SavePlotFile(path.toStdString(), choices.lineStrength, write);
  } else {
    // The plot goes through "kelvra.$$$" beside the DXF file.
    ok = output::ExportDxf(path.toStdString(), job_.DxfScale(), choices.lineStrength, write).ok();
  }
  // Files beside the plot file (the cone of the mean-time dial), in the same format.
  for (const dials::SidePlot& side : ok ? job_.SidePlots() : std::vector<dials::SidePlot>{}) {
    const std::filesystem::path file = dials::DialJob::SidePlotPath(path.toStdString(), side);
    auto writeSide = [&](output::HpglWriter& writer) { side.write(writer); };
    ok = choices.format == SaveFormat::Hpgl
             ? output::SavePlotFile(file, choices.lineStrength, writeSide)
             : output::ExportDxf(file, job_.DxfScale(), choices.lineStrength, writeSide).ok();
    if (!ok) break;
    if (side.notice) {
      shell::ShowMessage(shell::MessageKind::Information, side.notice(file.filename().string()));
    }
  }
  if (ok && wantListing) WriteCoordinateListing(choices, path, listing);
  return ok;
}

void DrawingWindow::WriteCoordinateListing(const SaveChoices& choices, const QString& plotPath,
                                           const std::vector<std::string>& lines) {
  if (choices.coordinates == CoordinateTarget::TextFile) {
    const QString file = QFileInfo(plotPath).dir().filePath(
        QFileInfo(Q(output::CoordinateFileName(QFileInfo(plotPath).fileName().toStdString())))
            .fileName());
    if (QFile::exists(file)) {
      shell::ShowMessage(shell::MessageKind::Problem,
                         shell::Get(kOverwriting) + QFileInfo(file).fileName().toStdString());
    }
    if (!persist::WriteTextLines(file.toStdString(), lines)) {
      shell::ShowMessage(shell::MessageKind::Error, shell::Get(kWriteFailed) + file.toStdString());
    }
    return;
  }
  if (choices.coordinates == CoordinateTarget::Printer) {
    QPrinter& printer = DrawingPrinter();
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
      canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
    if (!Dialogs().printDialog(this, printer)) return;
    // The pole-style part in 11 point, the points in 9 point.
    TextPrintStyle style;
    style.bodyPoints = 9;
    style.headerLines = static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].rfind("-----", 0) == 0) {
        style.headerLines = static_cast<int>(i);
        break;
      }
    }
    if (!PrintTextLines(printer, lines, style))
      shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
  }
}

bool DrawingWindow::WritePageFormat(const SaveChoices& choices, const QString& path) {
  if (RefuseEmptyOutput(true)) return false;
  WaitCursor wait;
  output::DrawingView& view = output::TheDrawingView();
  const output::Point page = output::PrinterPageSize(canvas::ExactA4Report());
  std::string error;
  const std::string title = output::DrawingWindowCaption(Kind());
  bool ok = false;
  {
    const output::CarriedPositions carried =
        output::CarryViewToPrinter(view, page, job_.Kind());
    auto draw = [this](output::PlotSink& sink) { DrawOnto(sink); };
    ok = choices.format == SaveFormat::Svg
             ? canvas::WriteSvgPage(path.toStdString(), draw, &error, title)
             : canvas::WritePdfPage(path.toStdString(), draw, &error, title);
  }
  if (!ok) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(kWriteFailed) + error);
    return false;
  }
  shell::ShowMessage(shell::MessageKind::Information,
                     "\n       File " + QFileInfo(path).fileName().toStdString() +
                         shell::Get(kSavedBack));
  return true;
}

// ---- listing panels ---------------------------------------------------------------

void DrawingWindow::ShowHourLineTable() {
  if (!states_.hourLineTable) return;
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing || !listing->HasHourLineTable()) return;
  save_->hide();
  tablePanel_->SetTable(listing->HourLineTable(tablePanel_->LongitudeCorrection()));
  tablePanel_->show();
  PlacePanels();
}

void DrawingWindow::PrintHourLineTable() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing || !listing->HasHourLineTable()) return;
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) return;
  std::vector<std::string> lines = listing->HourLineTablePage(tablePanel_->LongitudeCorrection());
  std::string heading;
  if (!lines.empty()) {
    heading = lines.front();
    lines.erase(lines.begin());
  }
  WaitCursor wait;
  if (!ui::PrintHourLineTable(printer, heading, lines, shell::Get(kTableNextPage)))
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
}

void DrawingWindow::ShowPoleInformation() {
  if (!states_.poleInformation) return;
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  polePanel_->SetLines(listing->PoleStyleLines());
  polePanel_->show();
  PlacePanels();
}

void DrawingWindow::PrintPoleInformation() {
  const dials::ConstructionListing* listing = job_.Listing();
  if (!listing) return;
  QPrinter& printer = DrawingPrinter();
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!canvas::PrinterAvailable() && printer.outputFileName().isEmpty())
    canvas::UsePdfFile(printer, QDir::current().filePath("kelvra.pdf").toStdString());
  if (!Dialogs().printDialog(this, printer)) return;
  const std::string rule = "  " + std::string(78, '_');
  std::vector<std::string> lines{rule, ""};
  const std::vector<std::string> pole = listing->PoleStyleLines();
  lines.insert(lines.end(), pole.begin(), pole.end());
  lines.push_back(rule);
  if (!PrintTextLines(printer, lines, TextPrintStyle{}))
    shell::ShowMessage(shell::MessageKind::Warning, canvas::PrinterNotReadyText());
}

// ---- construction data, parameters, picture ----------------------------------------

void DrawingWindow::SaveConstructionData() {
  const QString filter = Text(kLoadFilter) + ";;" + Text(kAllFiles);
  const QString path = Dialogs().saveFile(this, Q(shell::FileDialogTitle(2)),
                                          QDir::current().filePath(persist::kDefaultDialFileName),
                                          filter);
  if (!path.isEmpty()) {
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty()) file += ".kel";
    persist::SaveDialDataFile(file.toStdString());
  }
  Render();
}

void DrawingWindow::LoadConstructionData() {
  const QString filter = Text(kLoadFilter) + ";;" + Text(kAllFiles);
  const QString path = Dialogs().openFile(this, Q(shell::FileDialogTitle(3)), filter);
  if (path.isEmpty()) return;
  try {
    persist::LoadDialDataFile(path.toStdString());
  } catch (const std::exception&) {
    shell::ShowMessage(shell::MessageKind::Error, shell::Get(kCannotSolve) + "4");
  }
  // The file's language applies to every window; then the new dial is drawn.
  if (main_) main_->SelectLanguage(shell::State().general.languageIsGerman);
  Activate();
}

void DrawingWindow::OpenParameters() {
  if (!main_) return;
  // Opening the dialog closes this window: let the click finish first.
  MainWindow* main = main_;
  QTimer::singleShot(0, main, [main] { main->OpenDialParametersDialog(); });
}

void DrawingWindow::TogglePicture() {
  if (typePicture_->isVisible()) {
    typePicture_->hide();
    return;
  }
  const QImage image = BuiltinPicture(TypePictureFile(Kind()));
  if (image.isNull()) return;
  typePicture_->setPixmap(QPixmap::fromImage(
      image.scaled(420, 420, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  typePicture_->show();
  PlacePanels();
}

// ---- closing and languages ---------------------------------------------------------

void DrawingWindow::closeEvent(QCloseEvent* event) {
  TaskWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  if (main_ && main_->Colours()) main_->Colours()->hide();
  typePicture_->hide();
  // An umbrella dial goes back to its transitional kind letter.
  config::MarkUmbrellaTransitional(config::Dial());
}

void DrawingWindow::Retranslate() {
  TaskWindow::Retranslate();
  const output::DrawingKind kind = Kind();
  SetCaptionText(Q(output::DrawingWindowCaption(kind)));
  view_->setToolTip(Q(output::PictureHint(kind)));
  if (output::PlacedLikePlanar(kind)) ShowInfo(Q(output::OriginHint()));
  for (QPushButton* b : findChildren<QPushButton*>()) {
    const QVariant hint = b->property("kelvraHint");
    if (hint.isValid()) b->setToolTip(Text(hint.toInt()));
  }
  for (QPushButton* b : dataButtons_) b->setToolTip(Text(kDataHint));
  ApplyStates();
  save_->Retranslate();
  tablePanel_->Retranslate();
  if (activated_) {
    // The listing is kept as numbers: the open panels are written anew in the
    // new language.
    UpdateListingPanels();
    Render();
  }
}

}  // namespace kelvra::ui
