#include "ui/drawing/drawing_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "canvas/qt_plot_sink.h"
#include "output/print_area.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "texts/drawwin.h"
#include "texts/ring.h"
#include "ui/common/retranslate.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/drawing_host.h"
#include "ui/drawing/drawing_window_internal.h"
#include "ui/drawing/ham_panel.h"
#include "ui/drawing/listing_panels.h"
#include "ui/drawing/picture_view.h"

namespace kelvra::ui {

namespace {

using output::SaveFormat;
using namespace drawing_internal;

constexpr int kExpertPanelHeight = 26;

// Information-bar colours: teal text on a light ground.
constexpr const char* kInfoStyle =
    "QLabel { color: teal; background: #fffbe6; border: 1px solid #c8c0a0; padding: 2px 6px; }";

}  // namespace

// ---- construction -------------------------------------------------------------

DrawingWindow::DrawingWindow(DrawingHost* host, QSize pictureSize)
    : TaskWindow(kDrawingWindow, 6), host_(host) {
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
  if (host_) {
    const QSize free = host_->TaskArea();
    const int titleHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const int infoHeight = 26;
    const bool expert =
        output::CommandsOnOpening(Kind(), shell::State().general.mapsEnabled).expertPanel;
    const int hamRow = shell::State().general.expertMode ? HamPanel::kHeight : 0;
    const output::PictureSize s = output::PictureSizeFor(
        free.width() - 12, column->sizeHint().width(), free.height(), titleHeight + infoHeight + 8,
        (expert ? kExpertPanelHeight : 0) + hamRow);
    pictureSize = QSize(s.width, s.height);
  }
  pictureSize_ = pictureSize.isValid() && !pictureSize.isEmpty() ? pictureSize : QSize(1000, 700);
  picture_ = QImage(pictureSize_, QImage::Format_RGB32);
  picture_.fill(Qt::white);

  auto* picture = new PictureView(pictureSize_, &picture_, this);
  view_ = picture;
  picture->onClick = [this](QPoint p, bool alt) { ClickAt(p, alt); };
  picture->onModifiedClick = [this](QPoint p, Qt::KeyboardModifiers m) { return HamClick(p, m); };
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
  SetTag(coastline_, texts::drawwin::kCoastline);
  borders_ = new QCheckBox(expertPanel_);
  borders_->setObjectName("BordersBox");
  SetTag(borders_, texts::drawwin::kBorders);
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
  // The ham dial design aid (expert mode).
  hamPanel_ = new HamPanel(this);
  connect(hamPanel_, &HamPanel::Changed, this, [this] { Render(); });
  left->addWidget(hamPanel_);
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

  if (host_ && host_->Colours()) {
    connect(host_->Colours(), &ColourPanel::Closed, this, [this] { Redraw(); });
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
  auto button = [&](const char* name, texts::TextId tag, std::function<void()> run) {
    auto* b = new QPushButton(column);
    b->setObjectName(name);
    SetTag(b, tag);
    b->setMinimumWidth(120);
    connect(b, &QPushButton::clicked, this, [run = std::move(run)] { run(); });
    layout->addWidget(b);
    return b;
  };
  drawButton_ = button("DrawButton", texts::drawwin::kDraw, [this] { Draw(); });
  drawButton_->installEventFilter(this);
  gridButton_ = button("GridButton", texts::drawwin::kGrid, [this] { DrawWithGrid(); });
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
  QPushButton* colours = button("ColorsButton", texts::drawwin::kColors, [this] {
    if (host_) host_->ShowColourPanel();
  });
  colours->hide();
  tableButton_ =
      button("HourLinesButton", texts::drawwin::kHourLines, [this] { ShowHourLineTable(); });
  poleButton_ =
      button("StabInfoButton", texts::drawwin::kStyleInfo, [this] { ShowPoleInformation(); });
  // The correction-table mode (kinds with a correction table): the table is
  // drawn, printed and written to its file instead of the dial.
  correctionButton_ = button("CorrectionTableButton", texts::ring::kTableButton, [this] {
    correctionTable_ = correctionButton_->isChecked();
    Render(true, false);
  });
  correctionButton_->setCheckable(true);
  QPushButton* coordinates = button("CoordinatesButton", texts::drawwin::kCoordinates,
                                    [this] { OpenSavePanel(SaveFormat::Hpgl, true, true); });
  coordinates->hide();
  layout->addSpacing(8);
  button("PrintButton", texts::drawwin::kPrint, [this] { Print(); });
  button("SaveHpglButton", texts::drawwin::kSaveHpgl, [this] { OpenSavePanel(SaveFormat::Hpgl); });
  button("SaveDxfButton", texts::drawwin::kSaveDxf, [this] { OpenSavePanel(SaveFormat::Dxf); });
  QPushButton* vector = button("SaveVectorButton", texts::drawwin::kSaveVector,
                               [this] { OpenSavePanel(SaveFormat::Pdf); });
  SetTextProperty(vector, "kelvraHint", texts::drawwin::kSaveVectorHint);
  layout->addSpacing(8);
  dataButtons_ << button("SaveDataButton", texts::drawwin::kSaveData,
                         [this] { SaveConstructionData(); });
  dataButtons_ << button("LoadDataButton", texts::drawwin::kLoadData,
                         [this] { LoadConstructionData(); });
  for (QPushButton* b : dataButtons_) b->installEventFilter(this);
  layout->addSpacing(8);
  button("ParameterButton", texts::drawwin::kParameter, [this] { OpenParameters(); });
  pictureButton_ = button("PictureButton", texts::drawwin::kPicture, [this] { TogglePicture(); });
  layout->addSpacing(8);
  button("CloseButton", texts::drawwin::kClose, [this] { CloseWindow(); });
  layout->addStretch(1);
}

void DrawingWindow::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("DrawingPopup");
  auto add = [this](texts::TextId tag, std::function<void()> run) {
    QAction* a = popup_->addAction(QString());
    SetTag(a, tag);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
  };
  add(texts::drawwin::kMenuPrint, [this] { Print(); });
  add(texts::drawwin::kMenuHpgl, [this] { OpenSavePanel(SaveFormat::Hpgl, false); });
  add(texts::drawwin::kMenuDxf, [this] { OpenSavePanel(SaveFormat::Dxf, false); });
  add(texts::drawwin::kMenuSvg, [this] { OpenSavePanel(SaveFormat::Svg, false); });
  add(texts::drawwin::kMenuPdf, [this] { OpenSavePanel(SaveFormat::Pdf, false); });
  popup_->addSeparator();
  add(texts::drawwin::kMenuSaveData, [this] { SaveConstructionData(); });
  add(texts::drawwin::kMenuLoadData, [this] { LoadConstructionData(); });
  popup_->addSeparator();
  printFormatAction_ = add(texts::drawwin::kMenuPrintFormat, [this] { SetScreenPageFormat(true); });
  fileFormatAction_ = add(texts::drawwin::kMenuFileFormat, [this] { SetScreenPageFormat(false); });
  printFormatAction_->setCheckable(true);
  fileFormatAction_->setCheckable(true);
  popup_->addSeparator();
  add(texts::drawwin::kMenuDraw, [this] { DrawKeepZoom(); });
  gridAction_ = add(texts::drawwin::kMenuDrawGrid, [this] { DrawWithGrid(); });
  add(texts::drawwin::kMenuColors, [this] {
    if (host_) host_->ShowColourPanel();
  });
  poleAction_ = add(texts::drawwin::kMenuPoleInfo, [this] { ShowPoleInformation(); });
  footAction_ = add(texts::drawwin::kMenuLinesToFoot, [this] { ToggleLinesToFoot(); });
  footAction_->setCheckable(true);
  triangleAction_ = add(texts::drawwin::kMenuPolarTriangle, [this] { TogglePolarTriangle(); });
  triangleAction_->setCheckable(true);
  popup_->addSeparator();
  zoomOutAction_ = add(texts::drawwin::kMenuZoomOut, [this] { ZoomOut(); });
  zoomInAction_ = add(texts::drawwin::kMenuZoomIn, [this] { ZoomIn(); });
  popup_->addSeparator();
  add(texts::drawwin::kMenuClose, [this] { CloseWindow(); });
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
  correctionButton_->setVisible(s.correctionTable);
  if (!s.correctionTable) correctionTable_ = false;
  correctionButton_->setChecked(correctionTable_);
  expertPanel_->setVisible(s.expertPanel);
  hamPanel_->setVisible(shell::State().general.expertMode);
  const bool printPage = output::TheDrawingView().screenPageFormat;
  printFormatAction_->setChecked(printPage);
  fileFormatAction_->setChecked(!printPage);
  zoomInButton_->setToolTip(Text(texts::drawwin::kZoomInHint));
  zoomOutButton_->setToolTip(Text(texts::drawwin::kZoomOutHint));
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

bool DrawingWindow::HamShown() { return shell::State().general.hamOverlay; }

void DrawingWindow::DrawOnto(output::PlotSink& sink) {
  // The ham dial aid goes first on the screen picture, and is printed (or
  // saved as a page) instead of the dial.
  if (HamShown()) {
    dials::ham::DrawHamAid(sink, dials::ham::CurrentHamAidInputs(), hamMarks_);
    if (!sink.IsScreen()) return;
  }
  job_.Draw(sink, output::TheDrawingView(), grid_, output::CurrentPrintArea());
}

void DrawingWindow::Render(bool rebuild, bool writeHint) {
  output::DrawingView& view = output::TheDrawingView();
  if (rebuild || job_.DrawsNothing()) {
    dials::DialInputs inputs = dials::CurrentDialInputs(view.zoom);
    inputs.correctionTable = correctionTable_;
    job_ = dials::DialJob(inputs, shell::CurrentMessageSink());
    UpdateListingPanels();
  }
  if (job_.DrawsNothing() && !HamShown()) ShowInfo(Text(texts::drawwin::kNoDrawing));
  view.imageWidth = pictureSize_.width();
  view.imageHeight = pictureSize_.height();
  {
    canvas::ImagePlotSink sink(pictureSize_.width(), pictureSize_.height());
    sink.SetTextHalo(true);
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

void DrawingWindow::SetScreenPageFormat(bool printPage) {
  output::TheDrawingView().screenPageFormat = printPage;
  if (host_) host_->ShowScreenFormat(printPage);
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
      ShowInfo(Text(texts::drawwin::kDataHint));
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

// ---- closing and languages ---------------------------------------------------------

void DrawingWindow::closeEvent(QCloseEvent* event) {
  TaskWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  if (host_ && host_->Colours()) host_->Colours()->hide();
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
    if (const texts::TextId hint = TextProperty(b, "kelvraHint")) b->setToolTip(Text(hint));
  }
  for (QPushButton* b : dataButtons_) b->setToolTip(Text(texts::drawwin::kDataHint));
  ApplyStates();
  hamPanel_->Fill();
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
