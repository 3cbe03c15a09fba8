// The drawing window: the current dial drawn to scale into a picture, with
// every output command beside it: draw, draw with grid, zoom, placing the
// origin and the legend with the mouse, the page format of the screen, print,
// save as HPGL, DXF, SVG or PDF file with the coordinate listing, the hour-line
// table and the pole-style information, saving and loading construction data.
//
// The window keeps no dial state of its own: it reads the shared state
// (config::Dial(), shell::State()) and the program-wide DrawingView
// (output::TheDrawingView()) at every command.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "output/drawing_view.h"
#include "output/drawing_window_rules.h"
#include "dials/dial_job.h"
#include "dials/ham/ham_aid.h"
#include "ui/main/task_window.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;

namespace kelvra::ui {

class HourLineTablePanel;
class HamPanel;
class DrawingHost;
class PoleInfoPanel;
class SavePanel;
struct SaveChoices;

// The dialogs through which the window asks the user. The defaults are the
// real Qt dialogs; tests put their own answers in.
struct DrawingDialogs {
  // A save dialog (title, suggested path, filter) with an overwrite prompt;
  // the chosen path, or empty when cancelled.
  std::function<QString(QWidget*, const QString&, const QString&, const QString&)> saveFile;
  // An open dialog (title, filter); the chosen path or empty.
  std::function<QString(QWidget*, const QString&, const QString&)> openFile;
  // An input box (title, label, default); nothing when cancelled.
  std::function<std::optional<QString>(QWidget*, const QString&, const QString&, const QString&)>
      askText;
  // The printer dialog for `printer`; true when the user chose to print.
  std::function<bool(QWidget*, QPrinter&)> printDialog;
};
DrawingDialogs& Dialogs();
// Puts the real dialogs back.
void ResetDialogs();

// The printer of the drawing window (kept between print jobs).
QPrinter& DrawingPrinter();

class DrawingWindow final : public TaskWindow {
  Q_OBJECT
 public:
  // `host` gives the picture size (by the size of its task area), the colour
  // panel, the parameters dialog and the screen-format menu; without it (tests)
  // `pictureSize` is used.
  explicit DrawingWindow(DrawingHost* host = nullptr, QSize pictureSize = QSize(1000, 700));
  ~DrawingWindow() override;

  // ---- what the window shows -------------------------------------------------
  QSize PictureSize() const { return pictureSize_; }
  const QImage& Picture() const { return picture_; }
  QWidget* PictureWidget() const;
  QLabel* InfoBar() const { return info_; }
  QMenu* PopupMenu() const { return popup_; }
  SavePanel* Saver() const { return save_; }
  HourLineTablePanel* HourTable() const { return tablePanel_; }
  PoleInfoPanel* PoleInfo() const { return polePanel_; }
  const output::CommandStates& States() const { return states_; }
  bool GridShown() const { return grid_; }
  // The construction listing of the last drawing, or null.
  const dials::ConstructionListing* Listing() const { return job_.Listing(); }
  // The ham dial design aid's row and the hour points marked on it.
  HamPanel* Ham() const { return hamPanel_; }
  const dials::ham::HamMarks& Marks() const { return hamMarks_; }
  // The file name the save panel offers next (the last one saved).
  static std::string& RememberedFileName();

  // ---- commands ----------------------------------------------------------------
  // The window became active: caption, command states, default origin and
  // legend with the hint on the picture, the listing, and the first drawing.
  void Activate();
  void Draw();          // "&Zeichnen": zoom 1, no grid
  void DrawWithGrid();  // " + &Netz": grid, zoom kept
  void DrawKeepZoom();  // "Zeichnung ausführen": no grid, zoom kept
  // Draws again as last time (colours or page format changed).
  Q_INVOKABLE void Redraw();
  void ZoomIn();
  void ZoomOut();
  void Wheel(int delta);
  // A click on the picture (pixels): the origin, or with Alt the legend.
  void ClickAt(QPoint position, bool alt);
  // A click while the ham dial aid is shown: Ctrl marks an hour point, Alt
  // deletes the marks, Shift switches between the rays and the marked
  // points. False (nothing done) for other clicks or without the aid.
  bool HamClick(QPoint position, Qt::KeyboardModifiers modifiers);
  // "Bildschirmanzeige wie im Ausdruck" (true) / "... wie in gespeicherter Datei".
  void SetScreenPageFormat(bool printPage);
  void TogglePolarTriangle();
  void ToggleLinesToFoot();
  // "&Print": the print dialog, then the drawing (or the hour-line table
  // while it is shown) on the chosen printer.
  Q_INVOKABLE void Print();
  // Prints the drawing on `printer` (after its dialog). False when the
  // printer is not ready (the warning has been shown).
  bool PrintDrawing(QPrinter& printer);
  // Opens the save panel; `fromButtons` asks about an origin outside the
  // picture; `coordinatesToFile` preselects the coordinate text file (the
  // hidden "coordinates" button).
  void OpenSavePanel(output::SaveFormat format, bool fromButtons = true,
                     bool coordinatesToFile = false);
  // Runs the save with the panel's choices (the "&Weiter  >" button).
  bool Save(const SaveChoices& choices);
  void ShowHourLineTable();
  void PrintHourLineTable();
  void ShowPoleInformation();
  void PrintPoleInformation();
  void SaveConstructionData();
  void LoadConstructionData();
  void OpenParameters();
  void TogglePicture();

  // Draws the current dial with the current view onto `sink`.
  void DrawOnto(output::PlotSink& sink);

  void Retranslate() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildCommandColumn(QWidget* column);
  void BuildPopupMenu();
  void ApplyStates();
  // Draws the picture; `rebuild` traces the dial anew (after a change of the
  // zoom or the parameters), `writeHint` adds the placing hint.
  void Render(bool rebuild = true, bool writeHint = false);
  // Fills the open listing panels anew (in the current language).
  void UpdateListingPanels();
  // True, after a message, when the dial draws nothing to print or save.
  bool RefuseEmptyOutput(bool printing);
  void ShowInfo(const QString& text);
  bool AskOriginOutside();
  bool WritePlotFormat(const SaveChoices& choices, const QString& path);
  bool WritePageFormat(const SaveChoices& choices, const QString& path);
  void WriteCoordinateListing(const SaveChoices& choices, const QString& plotPath,
                              const std::vector<std::string>& lines);
  // Sizes and centres the visible panels; `opened` (just shown) comes to the front.
  void PlacePanels(QWidget* opened = nullptr);
  output::DrawingKind Kind() const;
  // The ham dial aid is on (it is drawn, printed, saved and loaded instead).
  static bool HamShown();
  void SaveHamMarks();
  void LoadHamMarks();

  DrawingHost* host_ = nullptr;
  QSize pictureSize_;
  QImage picture_;
  class PictureView* view_ = nullptr;
  QLabel* info_ = nullptr;
  QMenu* popup_ = nullptr;
  SavePanel* save_ = nullptr;
  HourLineTablePanel* tablePanel_ = nullptr;
  PoleInfoPanel* polePanel_ = nullptr;
  QLabel* typePicture_ = nullptr;
  QWidget* expertPanel_ = nullptr;
  QCheckBox* coastline_ = nullptr;
  QCheckBox* borders_ = nullptr;
  HamPanel* hamPanel_ = nullptr;
  dials::ham::HamMarks hamMarks_;  // kept between drawings
  output::CommandStates states_;
  dials::DialJob job_;
  bool grid_ = false;
  bool activated_ = false;

  QPushButton* drawButton_ = nullptr;
  QPushButton* gridButton_ = nullptr;
  QPushButton* zoomInButton_ = nullptr;
  QPushButton* zoomOutButton_ = nullptr;
  QPushButton* tableButton_ = nullptr;
  QPushButton* poleButton_ = nullptr;
  QPushButton* pictureButton_ = nullptr;
  QPushButton* correctionButton_ = nullptr;
  bool correctionTable_ = false;  // the correction table instead of the dial
  QList<QPushButton*> dataButtons_;
  QAction* gridAction_ = nullptr;
  QAction* zoomInAction_ = nullptr;
  QAction* zoomOutAction_ = nullptr;
  QAction* poleAction_ = nullptr;
  QAction* triangleAction_ = nullptr;
  QAction* footAction_ = nullptr;
  QAction* printFormatAction_ = nullptr;
  QAction* fileFormatAction_ = nullptr;
};

}  // namespace kelvra::ui
