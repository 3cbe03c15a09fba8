#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "calc/graphs/graph_inputs.h"
#include "config/dial_kinds.h"
#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/messages.h"
#include "shell/shared_state.h"
#include "shell/startup.h"
#include "texts/ui.h"
#include "ui/calc/calculator_window.h"
#include "ui/calc/graph_view.h"
#include "ui/calc/tables_window.h"
#include "ui/common/core_bridge.h"
#include "ui/common/help_window.h"
#include "ui/common/pictures.h"
#include "ui/common/qt_translations.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/dial_type_dialog.h"
#include "ui/dialogs/site_dialog.h"
#include "ui/drawing/drawing_window.h"
#include "ui/main/task_window.h"

namespace kelvra::ui {

namespace {

QString VersionText() { return QStringLiteral(KELVRA_VERSION_TEXT); }

// A task window that later versions fill: it names its task and shows the
// picture of the current dial kind.
class PlaceholderWindow final : public TaskWindow {
 public:
  PlaceholderWindow(const QString& name, int helpTopic, texts::TextId captionTag)
      : TaskWindow(name, helpTopic) {
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    // The planar dial's own picture (the vertical dial's for the other kinds).
    const config::DialParameters& dial = config::Dial();
    const config::DialKindRow& row = config::KindRow(dial);
    QString file = "dial_v.jpg";
    if (dial.umbrella) file = "dial_s.jpg";
    else if (row.family == config::DialFamily::Planar)
      file = QString("dial_%1.jpg").arg(QChar(row.letter));
    const QImage image = BuiltinPicture(file);
    if (!image.isNull()) {
      picture->setPixmap(QPixmap::fromImage(
          image.scaled(420, 420, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    layout->addWidget(picture, 1);
    auto* note = new QLabel(this);
    note->setAlignment(Qt::AlignCenter);
    SetTag(note, texts::ui::kWindowFollows);
    layout->addWidget(note);
    SetCaptionTag(captionTag);
    resize(560, 560);
  }
};

QFrame* MakePanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  return panel;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainWindow");
  setWindowTitle("  Kelvra  v. " + VersionText());
  desk_ = new QWidget(this);
  auto* deskLayout = new QVBoxLayout(desk_);
  deskLayout->setContentsMargins(0, 0, 0, 0);
  mdi_ = new QMdiArea(desk_);
  mdi_->setBackground(QBrush(QColor(0x3a, 0x4f, 0x63)));
  mdi_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(mdi_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { ShowPopup(mdi_->mapToGlobal(p)); });
  deskLayout->addWidget(mdi_);
  setCentralWidget(desk_);

  printer_ = new QPrinter(QPrinter::HighResolution);
  SetGraphViewFactory([](TablesMode mode, int variant, QWidget* parent) {
    return MakeGraphView(static_cast<int>(mode), variant, parent);
  });
  BuildMenus();
  BuildPopupMenus();
  BuildPanels();

  statusSite_ = new QLabel(this);
  statusKind_ = new QLabel(this);
  statusKind_->setObjectName("StatusKind");
  statusExpert_ = new QLabel(this);
  statusBar()->addWidget(statusSite_, 1);
  statusBar()->addPermanentWidget(statusKind_);
  statusBar()->addPermanentWidget(statusExpert_);

  // The application's hint display follows showHints.
  qApp->installEventFilter(this);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    if (sub) {
      if (auto* task = qobject_cast<TaskWindow*>(sub->widget())) task->Activated();
    }
    const bool params = ActiveTask() && ActiveTask()->Name() == kDialParametersDialog;
    for (QAction* a : popupDateActions_)
      a->setVisible(params && config::Dial().dateLineMode == 2);
    UpdatePrintCommand();
  });

  // The whole screen, less a strip for the task bar.
  if (QScreen* screen = QApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    resize(r.width(), std::max(400, r.height() - 35));
    move(r.topLeft());
  } else {
    resize(1280, 900);
  }
  Retranslate();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  delete printer_;
  if (help_) delete help_.data();
}

QAction* MainWindow::AddCommand(QMenu* menu, int n, const QKeySequence& key,
                                std::function<void()> run) {
  auto* action = new QAction(this);
  SetMenuTag(action, n);
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
  }
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  menu->addAction(action);
  actions_[static_cast<std::size_t>(n)] = action;
  return action;
}

void MainWindow::BuildMenus() {
  auto menu = [this](QMenu* parent, int n) {
    QMenu* m = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    SetMenuTag(m, n);
    menus_[static_cast<std::size_t>(n)] = m;
    actions_[static_cast<std::size_t>(n)] = m->menuAction();
    return m;
  };
  QMenu* files = menu(nullptr, 1);
  AddCommand(files, 2, QKeySequence(Qt::ALT | Qt::Key_F1), [this] { StartWizard(); });
  AddCommand(files, 3, QKeySequence(Qt::ALT | Qt::Key_F3), [this] {
    if (wizardStep_ != 0) WizardCancel();
    else CloseAllWindows();
  });
  files->addSeparator();
  AddCommand(files, 4, {}, [this] { PrinterSetup(); });
  AddCommand(files, 5, QKeySequence(Qt::Key_F3), [this] { Print(); });
  AddCommand(files, 6, {}, [this] { PrintWindow(); });
  files->addSeparator();
  AddCommand(files, 7, QKeySequence(Qt::ALT | Qt::Key_X), [this] { close(); });

  QMenu* options = menu(nullptr, 8);
  AddCommand(options, 9, QKeySequence(Qt::Key_F5), [this] { OpenSiteDialog(); });
  AddCommand(options, 10, QKeySequence(Qt::Key_F6), [this] { OpenDialTypeDialog(); });
  AddCommand(options, 11, QKeySequence(Qt::Key_F7), [this] { OpenDialParametersDialog(); });
  options->addSeparator();
  AddCommand(options, 12, {}, [this] { LoadDefaults(); });
  options->addSeparator();
  AddCommand(options, 13, QKeySequence(Qt::ALT | Qt::Key_F2), [this] { SaveSettings(); });
  AddCommand(options, 14, QKeySequence(Qt::ALT | Qt::Key_F4), [this] { ReloadSettings(); });
  options->addSeparator();
  AddCommand(options, 15, QKeySequence(Qt::Key_F2), [this] { SaveDialData(); });
  AddCommand(options, 16, QKeySequence(Qt::Key_F4), [this] { LoadDialData(); });

  QMenu* display = menu(nullptr, 17);
  AddCommand(display, 18, QKeySequence(Qt::Key_F8), [this] { OpenDrawingWindow(); });
  QMenu* format = menu(display, 19);
  QAction* a4 = AddCommand(format, 20, {}, [this] {
    screenA4_ = true;
    actions_[20]->setChecked(true);
    actions_[21]->setChecked(false);
    if (auto* d = qobject_cast<DrawingWindow*>(FindTask(kDrawingWindow))) d->SetScreenPageFormat(true);
    else output::TheDrawingView().screenPageFormat = true;
  });
  QAction* a3 = AddCommand(format, 21, {}, [this] {
    screenA4_ = false;
    actions_[20]->setChecked(false);
    actions_[21]->setChecked(true);
    if (auto* d = qobject_cast<DrawingWindow*>(FindTask(kDrawingWindow))) d->SetScreenPageFormat(false);
    else output::TheDrawingView().screenPageFormat = false;
  });
  a4->setCheckable(true);
  a3->setCheckable(true);
  a4->setChecked(true);
  display->addSeparator();
  AddCommand(display, 22, QKeySequence(Qt::ALT | Qt::Key_F8), [this] { ShowColourPanel(); });

  QMenu* calc = menu(nullptr, 23);
  AddCommand(calc, 24, QKeySequence(Qt::Key_F9), [this] { OpenCalculator(kCalcRiseSet); });
  AddCommand(calc, 25, QKeySequence(Qt::Key_F10), [this] { OpenCalculator(kCalcPosition); });
  AddCommand(calc, 26, QKeySequence(Qt::Key_F11), [this] { OpenCalculator(kCalcTimeForAzimuth); });
  AddCommand(calc, 27, QKeySequence(Qt::Key_F12), [this] { OpenCalculator(kCalcEquationOfTime); });
  calc->addSeparator();
  QMenu* tables = menu(calc, 28);
  AddCommand(tables, 29, QKeySequence(Qt::ALT | Qt::Key_F9), [this] { OpenTables(1); });
  AddCommand(tables, 30, QKeySequence(Qt::ALT | Qt::Key_F12), [this] { OpenTables(0); });
  AddCommand(tables, 31, QKeySequence(Qt::ALT | Qt::Key_F10), [this] { OpenTables(2); });
  AddCommand(tables, 32, QKeySequence(Qt::ALT | Qt::Key_F11), [this] { OpenTables(3); });
  AddCommand(calc, 33, QKeySequence(Qt::CTRL | Qt::Key_F12), [this] { OpenTables(10); });
  QMenu* path = menu(calc, 34);
  AddCommand(path, 35, QKeySequence(Qt::CTRL | Qt::Key_F10), [this] { OpenTables(11); });
  AddCommand(path, 36, QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { OpenTables(12); });

  QMenu* help = menu(nullptr, 37);
  AddCommand(help, 38, QKeySequence(Qt::Key_F1), [this] { ShowHelp(); });
  // The second wizard entry shows the same key; one shortcut serves both.
  AddCommand(help, 39, {}, [this] { StartWizard(); });
  help->addSeparator();
  QAction* expert = AddCommand(help, 40, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X),
                               [this] { SetExpertMode(!shell::State().general.expertMode); });
  expert->setCheckable(true);
  QMenu* language = menu(help, 41);
  QAction* de = AddCommand(language, 42, QKeySequence(Qt::CTRL | Qt::Key_D),
                           [this] { SelectLanguage(true); });
  QAction* en = AddCommand(language, 43, QKeySequence(Qt::CTRL | Qt::Key_E),
                           [this] { SelectLanguage(false); });
  de->setCheckable(true);
  en->setCheckable(true);
  QAction* hints = AddCommand(help, 44, {}, [this] { ToggleHints(); });
  hints->setCheckable(true);
  help->addSeparator();
  AddCommand(help, 45, {}, [this] { ShowAbout(); });

  actions_[3]->setEnabled(false);
  actions_[6]->setEnabled(false);
  UpdatePrintCommand();
}

void MainWindow::UpdatePrintCommand() {
  // Only a window with something of its own to print offers "Drucken...".
  const TaskWindow* task = ActiveTask();
  actions_[5]->setEnabled(task && task->metaObject()->indexOfMethod("Print()") >= 0);
}

void MainWindow::BuildPopupMenus() {
  popup_ = new QMenu(this);
  auto add = [this](QMenu* m, texts::TextId tag, std::function<void()> run) {
    auto* a = m->addAction(QString());
    SetTag(a, tag);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
  };
  add(popup_, texts::ui::kPopupSaveSettings, [this] { SaveSettings(); });
  add(popup_, texts::ui::kPopupLoad, [this] { LoadDialData(); });
  popupDateActions_ << add(popup_, texts::ui::kPopupSaveDates, [] { bridge::SaveOwnDates(); });
  popupDateActions_ << add(popup_, texts::ui::kPopupLoadDates, [this] {
    if (bridge::LoadOwnDates()) {
      if (auto* t = FindTask(kDialParametersDialog)) t->Retranslate();
    }
  });
  for (QAction* a : popupDateActions_) a->setVisible(false);
  popup_->addSeparator();
  add(popup_, texts::ui::kPopupSite, [this] { OpenSiteDialog(); });
  add(popup_, texts::ui::kPopupDialType, [this] { OpenDialTypeDialog(); });
  add(popup_, texts::ui::kPopupParameters, [this] { OpenDialParametersDialog(); });
  add(popup_, texts::ui::kPopupDrawing, [this] { OpenDrawingWindow(); });
  popup_->addSeparator();
  add(popup_, texts::ui::kPopupHints, [this] { ToggleHints(); });
  add(popup_, texts::ui::kPopupClose, [this] { CloseAllWindows(); });

  wizardPopup_ = new QMenu(this);
  add(wizardPopup_, texts::ui::kWizardNext, [this] { WizardNext(); });
  add(wizardPopup_, texts::ui::kWizardCancel, [this] { WizardCancel(); });
  add(wizardPopup_, texts::ui::kWizardHelp, [this] { ShowHelp(); });
}

void MainWindow::ShowPopup(const QPoint& globalPos) {
  (wizardStep_ != 0 ? wizardPopup_ : popup_)->popup(globalPos);
}

void MainWindow::BuildPanels() {
  // Start picture and the larger family pictures.
  picturePanel_ = MakePanel(desk_);
  auto* pl = new QVBoxLayout(picturePanel_);
  pictureImage_ = new QLabel(picturePanel_);
  pictureImage_->setAlignment(Qt::AlignCenter);
  pictureCaption_ = new QLabel(picturePanel_);
  pictureCaption_->setAlignment(Qt::AlignCenter);
  QFont captionFont = pictureCaption_->font();
  captionFont.setPointSize(captionFont.pointSize() + 3);
  captionFont.setBold(true);
  pictureCaption_->setFont(captionFont);
  pl->addWidget(pictureImage_);
  pl->addWidget(pictureCaption_);
  const QImage start = StartPicture(QRandomGenerator::global()->generateDouble());
  if (!start.isNull()) {
    pictureImage_->setPixmap(QPixmap::fromImage(
        start.scaled(560, 420, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
  pictureCaption_->setText("Kelvra");
  picturePanel_->adjustSize();

  // The strip of dial family pictures.
  strip_ = MakePanel(desk_);
  strip_->setFixedSize(740, 120);
  auto* sl = new QHBoxLayout(strip_);
  sl->setContentsMargins(6, 6, 6, 6);
  sl->setSpacing(4);
  const auto& families = FamilyPictures();
  for (int i = 0; i < static_cast<int>(families.size()); ++i) {
    auto* button = new QToolButton(strip_);
    button->setObjectName(QString("StripButton%1").arg(i));
    const QImage image = BuiltinPicture(families[static_cast<std::size_t>(i)].file);
    if (!image.isNull()) {
      button->setIcon(QPixmap::fromImage(
          image.scaled(100, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    button->setIconSize(QSize(62, 100));
    button->setAutoRaise(true);
    SetTextProperty(button, "kelvraHint", families[static_cast<std::size_t>(i)].captionTag);
    connect(button, &QToolButton::clicked, this, [this, i] { ShowFamilyPicture(i); });
    sl->addWidget(button);
  }

  galleryButton_ = new QPushButton(desk_);
  galleryButton_->setObjectName("GalleryButton");
  SetTag(galleryButton_, texts::ui::kStartGallery);
  connect(galleryButton_, &QPushButton::clicked, this, [this] { StartGallery(); });

  // The slide show.
  galleryPanel_ = MakePanel(desk_);
  auto* gl = new QVBoxLayout(galleryPanel_);
  galleryImage_ = new QLabel(galleryPanel_);
  galleryImage_->setFixedSize(600, 600);
  galleryImage_->setAlignment(Qt::AlignCenter);
  galleryCaption_ = new QLabel(galleryPanel_);
  galleryCaption_->setAlignment(Qt::AlignCenter);
  galleryCaption_->setFont(captionFont);
  auto* controls = new QHBoxLayout;
  auto* intervalName = new QLabel(galleryPanel_);
  SetTag(intervalName, texts::ui::kGalleryInterval);
  gallerySlider_ = new QSlider(Qt::Horizontal, galleryPanel_);
  gallerySlider_->setRange(10, 210);  // tenths of a second
  gallerySlider_->setSingleStep(1);
  gallerySlider_->setPageStep(10);
  gallerySlider_->setValue(22);
  galleryInterval_ = new QLabel(galleryPanel_);
  galleryInterval_->setMinimumWidth(50);
  auto* stop = new QPushButton(galleryPanel_);
  SetTag(stop, texts::ui::kStopGallery);
  controls->addWidget(intervalName);
  controls->addWidget(gallerySlider_, 1);
  controls->addWidget(galleryInterval_);
  controls->addWidget(stop);
  gl->addWidget(galleryImage_);
  gl->addWidget(galleryCaption_);
  gl->addLayout(controls);
  galleryPanel_->adjustSize();
  galleryPanel_->hide();
  galleryTimer_ = new QTimer(this);
  auto setInterval = [this](int tenths) {
    galleryInterval_->setText(QString::number(tenths / 10.0, 'f', 1) + " s");
    galleryTimer_->setInterval(tenths * 100);
  };
  setInterval(gallerySlider_->value());
  connect(gallerySlider_, &QSlider::valueChanged, this, setInterval);
  connect(galleryTimer_, &QTimer::timeout, this, [this] { NextGalleryPicture(); });
  connect(stop, &QPushButton::clicked, this, [this] { StopGallery(); });

  // About panel.
  aboutPanel_ = MakePanel(desk_);
  auto* al = new QVBoxLayout(aboutPanel_);
  al->setContentsMargins(40, 24, 40, 24);
  auto* aboutTitle = new QLabel(aboutPanel_);
  aboutTitle->setObjectName("AboutTitle");
  aboutTitle->setAlignment(Qt::AlignCenter);
  QFont big = aboutTitle->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  aboutTitle->setFont(big);
  auto* aboutLine = new QLabel(aboutPanel_);
  aboutLine->setAlignment(Qt::AlignCenter);
  SetTag(aboutLine, texts::ui::kAboutLine);
  auto* ok = new QPushButton(aboutPanel_);
  SetTag(ok, texts::ui::kAboutOk);
  connect(ok, &QPushButton::clicked, aboutPanel_, &QWidget::hide);
  al->addWidget(aboutTitle);
  al->addWidget(aboutLine);
  al->addWidget(ok, 0, Qt::AlignCenter);
  aboutPanel_->hide();

  colourPanel_ = new ColourPanel(desk_);
  colourPanel_->hide();
  connect(colourPanel_, &ColourPanel::Closed, this, [this] {
    // A drawing shows the new colours at once; tables are opened again.
    if (auto* t = FindTask(kDrawingWindow)) t->update();
    if (auto* tables = qobject_cast<TablesWindow*>(FindTask(kTablesWindow))) {
      const TablesMode mode = tables->Mode();
      const int variant = tables->Variant();
      if (tables->CloseWindow(true)) {
        QTimer::singleShot(0, this, [this, mode, variant] { OpenTablesAs(int(mode), variant); });
      }
    }
  });
}

void MainWindow::ArrangePanels() {
  const int w = desk_->width();
  const int h = desk_->height();
  picturePanel_->adjustSize();
  picturePanel_->move(std::max(0, (w - picturePanel_->width()) / 2),
                      std::max(0, (h - picturePanel_->height()) / 4));
  strip_->move(std::max(0, (w - strip_->width()) / 2), std::max(0, h - strip_->height() - 60));
  galleryButton_->adjustSize();
  galleryButton_->move(w - galleryButton_->width() - 15, h - galleryButton_->height() - 25);
  galleryPanel_->adjustSize();
  galleryPanel_->move(std::max(0, (w - galleryPanel_->width()) / 2),
                      std::max(0, (h - galleryPanel_->height()) / 2));
  aboutPanel_->adjustSize();
  aboutPanel_->move(std::max(0, (w - aboutPanel_->width()) / 2),
                    std::max(0, (h - aboutPanel_->height()) / 3));
  colourPanel_->adjustSize();
  colourPanel_->move(std::max(0, (w - colourPanel_->width()) / 2),
                     std::max(0, (h - colourPanel_->height()) / 3));
  for (QWidget* p : {picturePanel_, strip_, static_cast<QWidget*>(galleryButton_), galleryPanel_,
                     aboutPanel_, static_cast<QWidget*>(colourPanel_)})
    p->raise();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangePanels();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ArrangePanels();
  if (!firstShown_) {
    firstShown_ = true;
    // After the window is on the screen, so that questions sit over it.
    QTimer::singleShot(0, this, [this] { FirstShow(); });
  }
}

void MainWindow::FirstShow() {
  shell::GeneralState& g = shell::State().general;
  bridge::ReadSettingsFile();
  shell::AfterSettingsRead();
  SelectLanguage(g.languageIsGerman);
  // Symbols of the drawings need a symbol face (Wingdings or a substitute).
  const QStringList families = QFontDatabase::families(QFontDatabase::Symbol);
  const QStringList all = QFontDatabase::families();
  bool symbol = !families.isEmpty();
  for (const QString& f : all) {
    if (f.contains("Wingdings", Qt::CaseInsensitive) || f.contains("Symbol", Qt::CaseInsensitive) ||
        f.contains("Dingbat", Qt::CaseInsensitive) || f == "DejaVu Sans")
      symbol = true;
  }
  if (!symbol)
    shell::ShowMessage(shell::MessageKind::Warning,
                       Text(texts::ui::kSymbolFontMissing).toStdString());
  UpdateStatus();
  emit FirstShown();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  StopGallery();
  wizardStep_ = 0;
  cancelling_ = true;
  for (TaskWindow* t : TaskWindows()) t->CloseWindow(true);
  if (help_) help_->close();
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !shell::State().general.showHints) return true;
  if (event->type() == QEvent::ContextMenu && watched == desk_) {
    ShowPopup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- task windows ------------------------------------------------------------

QList<TaskWindow*> MainWindow::TaskWindows() const {
  QList<TaskWindow*> list;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder)) {
    if (auto* t = qobject_cast<TaskWindow*>(sub->widget())) list << t;
  }
  return list;
}

TaskWindow* MainWindow::FindTask(const QString& name) const {
  for (TaskWindow* t : TaskWindows()) {
    if (t->Name() == name) return t;
  }
  return nullptr;
}

TaskWindow* MainWindow::ActiveTask() const {
  // The active child window; while the main window itself is not active,
  // the topmost one (only one task runs at a time).
  if (QMdiSubWindow* sub = mdi_->activeSubWindow()) return qobject_cast<TaskWindow*>(sub->widget());
  const QList<TaskWindow*> tasks = TaskWindows();
  return tasks.isEmpty() ? nullptr : tasks.last();
}

TaskWindow* MainWindow::OpenTask(const QString& name,
                                 const std::function<TaskWindow*()>& make) {
  galleryTimer_->stop();
  galleryPanel_->hide();
  ShowStartPanels(false);
  aboutPanel_->hide();
  // Close every other task; a window whose checks fail stays open.
  for (TaskWindow* t : TaskWindows()) {
    if (!t->Name().startsWith(name)) t->CloseWindow();
  }
  if (TaskWindow* open = FindTask(name)) {
    mdi_->setActiveSubWindow(open->Frame());
    return open;
  }
  if (!mayOpenWindow_ || !TaskWindows().isEmpty()) return nullptr;
  TaskWindow* window = make();
  QMdiSubWindow* frame = mdi_->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowTitle(window->windowTitle());
  frame->setWindowIcon(windowIcon());
  connect(window, &TaskWindow::Closed, this, &MainWindow::OnTaskClosed);
  frame->adjustSize();
  if (shell::State().general.normalWindowSize) {
    const QSize free = mdi_->viewport()->size();
    frame->move(std::max(0, (free.width() - frame->width()) / 2),
                std::max(0, (free.height() - frame->height()) / 3));
    frame->show();
  } else {
    frame->showMaximized();
  }
  window->setFocus();
  actions_[3]->setEnabled(true);
  actions_[6]->setEnabled(true);
  // The frame need not become active (the main window may be hidden), so
  // offer "Drucken..." for the new window here.
  UpdatePrintCommand();
  return window;
}

void MainWindow::OnTaskClosed(TaskWindow* window) {
  const QString name = window->Name();
  if (name == kDialParametersDialog) mayOpenWindow_ = true;
  // Let the frame go away before the next step opens.
  QTimer::singleShot(0, this, [this, name] { AfterTaskClosed(name); });
}

void MainWindow::AfterTaskClosed(QString name) {
  UpdateStatus();
  if (name == kDialTypeDialog || name == kSiteDialog || name == kDialParametersDialog) {
    actions_[9]->setEnabled(wizardStep_ == 0);
    actions_[10]->setEnabled(wizardStep_ == 0);
    actions_[11]->setEnabled(wizardStep_ == 0);
  }
  if (wizardStep_ != 0 && !cancelling_) {
    wizardStep_ = 1;
    if (name == kSiteDialog) {
      OpenDialTypeDialog();
      return;
    }
    if (name == kDialTypeDialog) {
      OpenDialParametersDialog();
      return;
    }
    if (name == kDialParametersDialog) {
      // The last step: the drawing ends the wizard.
      wizardStep_ = 0;
      SetWizardMenus(false);
      OpenDrawingWindow();
      return;
    }
  }
  UpdatePrintCommand();
  if (TaskWindows().isEmpty()) {
    actions_[3]->setEnabled(false);
    actions_[6]->setEnabled(false);
    if (wizardStep_ == 0) ShowStartPanels(true);
  }
}

bool MainWindow::CloseAllWindows() {
  for (TaskWindow* t : TaskWindows()) t->CloseWindow();
  return TaskWindows().isEmpty();
}

void MainWindow::SetWizardMenus(bool wizardRuns) {
  actions_[2]->setEnabled(!wizardRuns);
  actions_[39]->setEnabled(!wizardRuns);
  actions_[23]->setEnabled(!wizardRuns);
  actions_[8]->setEnabled(!wizardRuns);
  actions_[18]->setEnabled(!wizardRuns);
}

void MainWindow::StartWizard() {
  cancelling_ = true;
  const bool closed = CloseAllWindows();
  cancelling_ = false;
  if (!closed) return;
  wizardStep_ = 1;
  SetWizardMenus(true);
  OpenSiteDialog();
}

void MainWindow::WizardNext() {
  if (wizardStep_ == 0) return;
  TaskWindow* current = ActiveTask();
  if (!current && !TaskWindows().isEmpty()) current = TaskWindows().last();
  if (!current) return;
  wizardStep_ = 3;
  if (!current->CloseWindow()) wizardStep_ = 1;
}

void MainWindow::WizardCancel() {
  wizardStep_ = 0;
  cancelling_ = true;
  for (TaskWindow* t : TaskWindows()) t->CloseWindow(true);
  cancelling_ = false;
  mayOpenWindow_ = true;
  SetWizardMenus(false);
  actions_[9]->setEnabled(true);
  actions_[10]->setEnabled(true);
  actions_[11]->setEnabled(true);
  actions_[3]->setEnabled(false);
  actions_[6]->setEnabled(false);
  ShowStartPanels(true);
}

TaskWindow* MainWindow::OpenSiteDialog() {
  const bool wizard = wizardStep_ != 0;
  return OpenTask(kSiteDialog, [this, wizard] {
    auto* d = new SiteDialog(wizard);
    connect(d, &SiteDialog::CancelWizard, this, [this] {
      QTimer::singleShot(0, this, [this] { WizardCancel(); });
    });
    return d;
  });
}

TaskWindow* MainWindow::OpenDialTypeDialog() {
  const bool wizard = wizardStep_ != 0;
  TaskWindow* w = OpenTask(kDialTypeDialog, [this, wizard] {
    auto* d = new DialTypeDialog(wizard);
    connect(d, &DialTypeDialog::CancelWizard, this, [this] {
      QTimer::singleShot(0, this, [this] { WizardCancel(); });
    });
    connect(d, &DialTypeDialog::ShowPicture, this, [this](const QString& file, const QString& name) {
      ShowPictureByName(file, name);
    });
    connect(d, &DialTypeDialog::KindChanged, this, [this] { UpdateStatus(); });
    return d;
  });
  if (w) {
    actions_[10]->setEnabled(false);
    actions_[9]->setEnabled(wizardStep_ == 0);
    actions_[11]->setEnabled(wizardStep_ == 0);
  }
  return w;
}

TaskWindow* MainWindow::OpenDialParametersDialog() {
  const bool wizard = wizardStep_ != 0;
  TaskWindow* w = OpenTask(kDialParametersDialog, [this, wizard] {
    auto* d = new DialParametersDialog(wizard);
    connect(d, &DialParametersDialog::CancelWizard, this, [this] {
      QTimer::singleShot(0, this, [this] { WizardCancel(); });
    });
    connect(d, &DialParametersDialog::DateModeChanged, this, [this](int mode) {
      for (QAction* a : popupDateActions_) a->setVisible(mode == 2);
    });
    return d;
  });
  if (w) {
    mayOpenWindow_ = false;
    actions_[11]->setEnabled(false);
    actions_[9]->setEnabled(wizardStep_ == 0);
    actions_[10]->setEnabled(wizardStep_ == 0);
    for (QAction* a : popupDateActions_) a->setVisible(config::Dial().dateLineMode == 2);
  }
  return w;
}

QSize MainWindow::TaskArea() const {
  const QWidget* desk = centralWidget();
  return desk ? desk->size() : size();
}

void MainWindow::ShowScreenFormat(bool printPage) {
  if (QAction* a4 = MenuAction(20)) a4->setChecked(printPage);
  if (QAction* a3 = MenuAction(21)) a3->setChecked(!printPage);
}

void MainWindow::OpenParametersAfterEvent() {
  QTimer::singleShot(0, this, [this] { OpenDialParametersDialog(); });
}

TaskWindow* MainWindow::OpenDrawingWindow() {
  return OpenTask(kDrawingWindow, [this] { return new DrawingWindow(this); });
}

TaskWindow* MainWindow::OpenCalculator(int mode) {
  TaskWindow* window = OpenTask(kCalculatorWindow, [this, mode] {
    auto* calculator = new CalculatorWindow(mode);
    connect(calculator, &CalculatorWindow::SiteChanged, this, [this] { UpdateStatus(); });
    return calculator;
  });
  // An open calculator takes the mode of the command.
  if (auto* calculator = qobject_cast<CalculatorWindow*>(window)) calculator->SetMode(mode);
  return window;
}

TaskWindow* MainWindow::OpenTables(int kind) {
  // kind: 1 rise and set; 0, 2, 3 the yearly tables; 10 the equation-of-time
  // graph; 11, 12 the rectangular and circular sun-path diagrams.
  TablesMode mode = TablesMode::Yearly;
  int variant = kind;
  if (kind == 1) mode = TablesMode::RiseSet;
  if (kind == 10) mode = TablesMode::EotGraph, variant = 0;
  if (kind == 11 || kind == 12) mode = TablesMode::SunPath, variant = kind - 10;
  return OpenTablesAs(int(mode), variant);
}

TaskWindow* MainWindow::OpenTablesAs(int modeNumber, int variant) {
  const auto mode = static_cast<TablesMode>(modeNumber);
  // Another table or graph: the open tables window makes way for it.
  if (auto* open = qobject_cast<TablesWindow*>(FindTask(kTablesWindow))) {
    // The same yearly table, or the same sun-path representation, stays.
    const bool same = mode == TablesMode::Yearly ? shell::State().general.tableKind == variant
                      : mode == TablesMode::SunPath
                          ? calc::graphs::Graphs().diagramPolar == (variant == 2)
                          : true;
    if (open->Mode() == mode && same) {
      return OpenTask(kTablesWindow, [] { return nullptr; });
    }
    open->CloseWindow(true);
  }
  return OpenTask(kTablesWindow, [mode, variant] { return new TablesWindow(mode, variant); });
}

void MainWindow::ReopenConfigDialogs() {
  if (TaskWindow* t = FindTask(kDialTypeDialog)) {
    if (t->CloseWindow(true)) QTimer::singleShot(0, this, [this] { OpenDialTypeDialog(); });
  } else if (TaskWindow* p = FindTask(kDialParametersDialog)) {
    if (p->CloseWindow(true)) QTimer::singleShot(0, this, [this] { OpenDialParametersDialog(); });
  }
}

// ---- panels -----------------------------------------------------------------

void MainWindow::ShowStartPanels(bool show) {
  picturePanel_->setVisible(show);
  strip_->setVisible(show);
  galleryButton_->setVisible(show && !galleryTimer_->isActive());
  if (show) ArrangePanels();
}

void MainWindow::ShowPictureByName(const QString& file, const QString& caption) {
  if (picturePanel_->isVisible() && pictureCaption_->text() == caption) {
    picturePanel_->hide();
    return;
  }
  const QImage image = BuiltinPicture(file);
  if (image.isNull()) return;
  pictureImage_->setPixmap(QPixmap::fromImage(
      image.scaled(480, 480, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  pictureCaption_->setText(caption);
  picturePanel_->show();
  ArrangePanels();
}

void MainWindow::ShowFamilyPicture(int index) {
  const auto& f = FamilyPictures().at(static_cast<std::size_t>(index));
  pictureCaptionTag_ = f.captionTag;
  ShowPictureByName(f.file, Text(f.captionTag));
  picturePanel_->show();
}

double MainWindow::GalleryIntervalSeconds() const { return gallerySlider_->value() / 10.0; }

void MainWindow::StartGallery() {
  ShowStartPanels(false);
  galleryButton_->hide();
  galleryPanel_->show();
  ArrangePanels();
  NextGalleryPicture();
  galleryTimer_->start();
}

void MainWindow::StopGallery() {
  if (!galleryTimer_) return;
  galleryTimer_->stop();
  galleryPanel_->hide();
  if (TaskWindows().isEmpty() && wizardStep_ == 0) ShowStartPanels(true);
}

void MainWindow::NextGalleryPicture() {
  const auto& pictures = GalleryPictures();
  const auto& entry = pictures.at(static_cast<std::size_t>(galleryPicture_) % pictures.size());
  const QImage image = BuiltinPicture(entry.file);
  galleryImage_->setPixmap(image.isNull() ? QPixmap()
                                          : QPixmap::fromImage(image.scaled(
                                                600, 600, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation)));
  galleryCaption_->setText(Text(entry.captionTag));
  SetTextProperty(galleryCaption_, "kelvraCaption", entry.captionTag);
  galleryPicture_ = (galleryPicture_ + 1) % static_cast<int>(pictures.size());
}

void MainWindow::ShowAbout() {
  aboutPanel_->findChild<QLabel*>("AboutTitle")
      ->setText(Text(texts::ui::kAboutTitle) + VersionText());
  aboutPanel_->show();
  ArrangePanels();
}

void MainWindow::ShowColourPanel() {
  colourPanel_->Open();
  ArrangePanels();
}

// ---- commands ---------------------------------------------------------------

void MainWindow::SetExpertMode(bool on) {
  shell::GeneralState& g = shell::State().general;
  g.expertMode = on;
  g.mapsEnabled = on;
  actions_[40]->setChecked(on);
  const std::string program = "KELVRA.EXE " + VersionText().toStdString();
  if (on) {
    shell::ShowMessage(shell::MessageKind::Information,
                       (Text(texts::ui::kExpertModeIs) + Text(texts::ui::kExpertOn)).toStdString());
  } else {
    config::DialParameters& dial = config::Dial();
    const double obliquity = config::kDefaultObliquity;
    dial.ringHoleOffset = 0;
    dial.ringHoleOffsetNorth = obliquity / 2;
    dial.ringHoleOffsetSouth = -obliquity / 2;
    shell::ShowMessage(
        shell::MessageKind::Information,
        (Text(texts::ui::kExpertOff) + "\n" + Text(texts::ui::kExpertOffKinds)).toStdString());
    if (!config::KindOffered(dial, false)) dial.kind = 'h';
    dial.cylinderVariant = 0;
  }
  (void)program;
  if (TaskWindow* drawing = FindTask(kDrawingWindow)) drawing->CloseWindow(true);
  ReopenConfigDialogs();
  UpdateStatus();
}

void MainWindow::SelectLanguage(bool german) {
  shell::SelectLanguage(german);
  // The standard dialogs (file, print, page set-up) speak the same language.
  UseQtTranslations(german);
  actions_[42]->setChecked(german);
  actions_[43]->setChecked(!german);
  if (!HelpFileExists()) {
    shell::ShowMessage(shell::MessageKind::Information, HelpMissingMessage(true).toStdString());
  }
  ApplyLanguage();
  // The dial type dialog is built anew in the new language.
  if (TaskWindow* t = FindTask(kDialTypeDialog)) {
    if (t->CloseWindow(true)) QTimer::singleShot(0, this, [this] { OpenDialTypeDialog(); });
  }
}

void MainWindow::ToggleHints() {
  shell::GeneralState& g = shell::State().general;
  g.showHints = !g.showHints;
  actions_[44]->setChecked(g.showHints);
}

void MainWindow::LoadDefaults() {
  shell::LoadStandardValues();
  if (!shell::CurrentStartupHooks().resetDialParameters) config::ResetDialParameters();
  ReopenConfigDialogs();
  UpdateStatus();
  statusBar()->showMessage(Text(texts::ui::kDefaultsLoaded), 4000);
}

void MainWindow::ShowHelp() {
  if (!help_) help_ = new HelpWindow(nullptr);
  TaskWindow* task = ActiveTask();
  const int topic = task ? task->HelpTopic() : 4;
  if (help_->ShowTopic(topic)) {
    help_->show();
    help_->raise();
    help_->activateWindow();
  }
}

void MainWindow::PrinterSetup() {
  QPageSetupDialog dialog(printer_, this);
  dialog.exec();
}

void MainWindow::Print() {
  // The drawing, tables and calculator windows print their own content; the
  // other windows have nothing to print.
  TaskWindow* task = ActiveTask();
  if (!task) return;
  QMetaObject::invokeMethod(task, "Print");
}

void MainWindow::PrintWindow() {
  TaskWindow* task = ActiveTask();
  if (!task) return;
  QPrintDialog dialog(printer_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QPixmap image = task->Frame() ? task->Frame()->grab() : task->grab();
  QPainter painter(printer_);
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
}

void MainWindow::SaveSettings() {
  if (bridge::WriteSettingsFile())
    statusBar()->showMessage(
        Text(texts::ui::kSettingsSaved) + QString::fromStdString(bridge::SettingsPath()), 4000);
}

void MainWindow::ReloadSettings() {
  if (bridge::ReloadSettingsFile()) {
    SelectLanguage(shell::State().general.languageIsGerman);
    ReopenConfigDialogs();
    UpdateStatus();
  }
}

void MainWindow::SaveDialData() {
  const QString filter = Text(texts::ui::kDialDataFilter) + ";;" + Text(texts::ui::kAllFilesFilter);
  const QString path = QFileDialog::getSaveFileName(
      this, QString::fromStdString(shell::FileDialogTitle(2)), "myDial.kel", filter);
  if (path.isEmpty()) return;
  if (bridge::SaveDialData(path.toStdString()))
    statusBar()->showMessage(Text(texts::ui::kSettingsSaved) + path, 4000);
}

void MainWindow::LoadDialData() {
  const QString filter = Text(texts::ui::kDialDataFilter) + ";;" + Text(texts::ui::kAllFilesFilter);
  const QString path = QFileDialog::getOpenFileName(
      this, QString::fromStdString(shell::FileDialogTitle(3)), QString(), filter);
  if (path.isEmpty()) return;
  if (bridge::LoadDialData(path.toStdString())) {
    SelectLanguage(shell::State().general.languageIsGerman);
    ReopenConfigDialogs();
    UpdateStatus();
    statusBar()->showMessage(Text(texts::ui::kLoaded) + path, 4000);
  }
}

// ---- texts ------------------------------------------------------------------

QString KindStatusName(const config::DialParameters& dial) {
  auto clean = [](texts::TextId id) { return Text(id).remove(QLatin1Char('&')).simplified(); };
  const config::DialKindRow& row = config::KindRow(dial);
  // The kind as the type dialog lists it, with its variant; a kind the list
  // does not offer by its code.
  if (!row.listLabel) return QString::fromStdString(config::KindCode(dial));
  QString name = clean(row.listLabel);
  if (row.variantLabel) name += ", " + clean(row.variantLabel);
  return name;
}

void MainWindow::UpdateStatus() {
  const shell::SiteSettings& s = shell::State().site;
  statusSite_->setText(QString("  %1 %2°   %3 %4°   %5 %6°   %7 %8")
                           .arg(Text(texts::ui::kStatusLatitude))
                           .arg(s.latitude, 0, 'f', 4)
                           .arg(Text(texts::ui::kStatusLongitude))
                           .arg(s.longitude, 0, 'f', 4)
                           .arg(Text(texts::ui::kStatusZone))
                           .arg(s.zoneMeridian, 0, 'f', 2)
                           .arg(Text(texts::ui::kStatusYear))
                           .arg(s.year));
  statusKind_->setText("  " + Text(texts::ui::kStatusDialType) + ": " +
                       KindStatusName(config::Dial()) + "  ");
  statusExpert_->setText(
      shell::State().general.expertMode ? "  " + Text(texts::ui::kStatusExpert) + "  " : QString());
}

void MainWindow::Retranslate() {
  const shell::GeneralState& g = shell::State().general;
  actions_[40]->setChecked(g.expertMode);
  actions_[42]->setChecked(g.language != 2);
  actions_[43]->setChecked(g.language == 2);
  actions_[44]->setChecked(g.showHints);
  // The second wizard entry shows the key of the first.
  actions_[39]->setText(Menu(39) + "\t" +
                        QKeySequence(Qt::ALT | Qt::Key_F1).toString(QKeySequence::NativeText));
  for (QToolButton* b : strip_->findChildren<QToolButton*>()) {
    b->setToolTip(Text(TextProperty(b, "kelvraHint")));
  }
  if (pictureCaptionTag_) pictureCaption_->setText(Text(pictureCaptionTag_));
  if (const texts::TextId gallery = TextProperty(galleryCaption_, "kelvraCaption"))
    galleryCaption_->setText(Text(gallery));
  if (aboutPanel_->isVisible()) ShowAbout();
  UpdateStatus();
  ArrangePanels();
}

}  // namespace kelvra::ui
