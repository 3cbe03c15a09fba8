// The main window: the frame of the whole program with its menu tree, pop-up
// menus, status bar, start picture, dial picture strip, slide show, about
// panel and colour panel. Every task window opens inside it, one task at a
// time: opening a window first closes the others.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

#include "config/dial_parameters.h"
#include "ui/common/help_window.h"
#include "ui/common/retranslate.h"
#include "ui/drawing/drawing_host.h"
#include "ui/main/task_window.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QPushButton;
class QSlider;
class QTimer;

namespace kelvra::ui {

class ColourPanel;
class HelpWindow;
class TaskWindow;

// The kind of `dial` for the status bar: its entry in the type dialog's list
// with the variant ("horizontale Sonnenuhr", "Zylindersonnenuhren (vertikal),
// Hirtensonnenuhr"), in the current language.
QString KindStatusName(const config::DialParameters& dial);

class MainWindow : public QMainWindow, public Retranslatable, public DrawingHost {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The menu entry with main-menu caption number n (1..45): the action of a
  // command or the menu action of a (sub)menu.
  QAction* MenuAction(int n) const { return actions_.at(static_cast<std::size_t>(n)); }
  QMenu* PopupMenu() const { return popup_; }
  QMenu* WizardPopupMenu() const { return wizardPopup_; }

  // Commands (the menu entries call these).
  void StartWizard();
  void WizardNext();    // "&Weiter   > ..."
  void WizardCancel();  // "&Abbrechen" and closing the windows during the wizard
  bool CloseAllWindows();
  TaskWindow* OpenSiteDialog();
  TaskWindow* OpenDialTypeDialog();
  TaskWindow* OpenDialParametersDialog();
  TaskWindow* OpenDrawingWindow();
  TaskWindow* OpenCalculator(int mode);
  TaskWindow* OpenTables(int kind);
  // The tables window in `mode` (1, 8, 16, 32) with `variant` (the yearly
  // table kind 0..3; 1 rectangular or 2 circular sun path).
  TaskWindow* OpenTablesAs(int mode, int variant);
  void SetExpertMode(bool on);
  void SelectLanguage(bool german) override;
  void ToggleHints();
  void LoadDefaults();
  void ShowHelp();
  void ShowColourPanel() override;
  void ShowAbout();
  void StartGallery();
  void StopGallery();

  // Reads the settings at first show, applies the stored language and checks
  // for a symbol font. Runs once; the first showEvent calls it.
  void FirstShow();

  int WizardStep() const { return wizardStep_; }
  bool MayOpenWindow() const { return mayOpenWindow_; }
  // The open task windows, in stacking order.
  QList<TaskWindow*> TaskWindows() const;
  TaskWindow* FindTask(const QString& name) const;
  TaskWindow* ActiveTask() const;
  ColourPanel* Colours() const override { return colourPanel_; }
  // The drawing window's host.
  QSize TaskArea() const override;
  void ShowScreenFormat(bool printPage) override;
  void OpenParametersAfterEvent() override;
  HelpWindow* Help() const { return help_; }
  QSlider* GallerySlider() const { return gallerySlider_; }
  QLabel* GalleryIntervalLabel() const { return galleryInterval_; }
  QTimer* GalleryTimer() const { return galleryTimer_; }
  double GalleryIntervalSeconds() const;
  QWidget* PictureStrip() const { return strip_; }
  bool ScreenFormatA4() const { return screenA4_; }

  void Retranslate() override;
  // Refreshes the status bar from the shared state.
  void UpdateStatus();
  // Enables "Drucken..." (F3) while the active window can print.
  void UpdatePrintCommand();

 signals:
  void FirstShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildPopupMenus();
  void BuildPanels();
  void ArrangePanels();
  QAction* AddCommand(QMenu* menu, int n, const QKeySequence& key,
                      std::function<void()> run);
  TaskWindow* OpenTask(const QString& name, const std::function<TaskWindow*()>& make);
  void OnTaskClosed(TaskWindow* window);
  void AfterTaskClosed(QString name);
  void SetWizardMenus(bool wizardRuns);
  void ShowStartPanels(bool show);
  void ShowFamilyPicture(int index);
  void ShowPictureByName(const QString& file, const QString& caption);
  void NextGalleryPicture();
  void ShowPopup(const QPoint& globalPos);
  void Print();
  void PrintWindow();
  void PrinterSetup();
  void SaveSettings();
  void ReloadSettings();
  void SaveDialData();
  void LoadDialData();
  void ReopenConfigDialogs();

  QMdiArea* mdi_ = nullptr;
  QWidget* desk_ = nullptr;
  std::array<QAction*, 46> actions_{};
  std::array<QMenu*, 46> menus_{};
  QAction* wizardShortcutHelp_ = nullptr;
  QMenu* popup_ = nullptr;
  QMenu* wizardPopup_ = nullptr;
  QList<QAction*> popupDateActions_;

  QWidget* picturePanel_ = nullptr;
  QLabel* pictureImage_ = nullptr;
  QLabel* pictureCaption_ = nullptr;
  QWidget* strip_ = nullptr;
  QPushButton* galleryButton_ = nullptr;
  QWidget* galleryPanel_ = nullptr;
  QLabel* galleryImage_ = nullptr;
  QLabel* galleryCaption_ = nullptr;
  QSlider* gallerySlider_ = nullptr;
  QLabel* galleryInterval_ = nullptr;
  QTimer* galleryTimer_ = nullptr;
  QWidget* aboutPanel_ = nullptr;
  ColourPanel* colourPanel_ = nullptr;
  QPointer<HelpWindow> help_;
  QLabel* statusSite_ = nullptr;
  QLabel* statusKind_ = nullptr;
  QLabel* statusExpert_ = nullptr;
  QPrinter* printer_ = nullptr;

  int wizardStep_ = 0;
  bool mayOpenWindow_ = true;
  bool cancelling_ = false;
  int galleryPicture_ = 0;
  texts::TextId pictureCaptionTag_;
  bool firstShown_ = false;
  bool screenA4_ = true;
};

}  // namespace kelvra::ui
