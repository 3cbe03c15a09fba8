// The graph modes of the tables window as one widget: mode 16 the
// equation-of-time graph of the reference year, mode 32 the sun-path diagram
// of the site (rectangular or polar). The picture is drawn by the core
// (calc/graphs) on the screen image whenever the view is shown, resized or an
// option changes; the print command draws the same graph on the printed page
// and the save buttons write it as a plot file or a DXF drawing.
//
// Mode 16: the definition line above the picture, "inklusive
// LängengradKorrektur" (the dial field zoneTime), the symmetric
// equation-of-time table panel. Mode 32: the representation list with the
// title above the picture, zone time, hours with the equation of time and
// their span, hour interval, date lines, the horizon profile (shown, loaded,
// computed) and the sunshine of a plane with its four fields (latitude,
// longitude, wall declination, inclination; a value out of range is refused
// with the message and the old one kept).
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "calc/graphs/graph_export.h"
#include "ui/common/retranslate.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace kelvra::ui {

class GraphSavePanel;
class HorizonPanel;
class SymmetricPanel;
struct GraphSaveRequest;

// The file and print dialogs of the graph view; tests replace them.
struct GraphViewDialogs {
  // The save dialog (with overwrite prompt): title, proposed path, filter
  // ("A (*.x);;B (*.y)"); `selectedFilter` receives the filter chosen.
  // Returns the chosen path, empty when cancelled.
  std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter, QString* selectedFilter)>
      saveFile;
  // The print dialog; false when cancelled.
  std::function<bool(QWidget* parent, QPrinter& printer)> printDialog;
};
GraphViewDialogs& TheGraphViewDialogs();
void ResetGraphViewDialogs();

// The printer the graph view prints to (a PDF file where there is no printer).
QPrinter& GraphPrinter();

inline constexpr int kGraphModeEot = 16;
inline constexpr int kGraphModeSunPath = 32;

// The widget that shows the picture; it draws it anew at its own size.
class GraphPicture;

class GraphView : public QWidget, public Retranslatable {
  Q_OBJECT
 public:
  // mode 16, or 32 with `variant` 1 rectangular, 2 polar (another variant
  // keeps the representation chosen last).
  GraphView(int mode, int variant, QWidget* parent = nullptr);
  ~GraphView() override;

  int Mode() const { return mode_; }
  calc::graphs::GraphKind Kind() const;

  // The picture as last drawn, and how often it was drawn.
  QImage Picture() const;
  int DrawCount() const;
  // The plane's light text of the last sun-path picture (planeSunshine).
  const std::string& LightText() const { return lightText_; }

  // Draws the picture anew from the shared state.
  void Redraw();

  // Controls (null when the mode has none).
  QLabel* Heading() const { return heading_; }
  QCheckBox* ZoneTimeBox() const { return zoneTime_; }
  QCheckBox* SymmetricBox() const { return symmetric_; }
  SymmetricPanel* Symmetric() const { return symmetricPanel_; }
  QComboBox* RepresentationList() const { return representation_; }
  QCheckBox* HoursWithEotBox() const { return hoursWithEot_; }
  QComboBox* SpanList() const { return span_; }
  QComboBox* IntervalList() const { return interval_; }
  QComboBox* DateLineList() const { return dateLines_; }
  QCheckBox* HorizonBox() const { return horizon_; }
  QPushButton* LoadHorizonButton() const { return loadHorizon_; }
  QPushButton* ComputeHorizonButton() const { return computeHorizon_; }
  QCheckBox* PlaneBox() const { return plane_; }
  QLineEdit* LatitudeField() const { return latitude_; }
  QLineEdit* LongitudeField() const { return longitude_; }
  QLineEdit* WallDeclinationField() const { return wallDeclination_; }
  QLineEdit* InclinationField() const { return inclination_; }
  QPushButton* SaveHpglButton() const { return saveHpgl_; }
  QPushButton* SaveDxfButton() const { return saveDxf_; }
  GraphSavePanel* SavePanel() const { return savePanel_; }

  // The plane fields' checks; true when the field failed.
  bool LeaveLatitude();
  bool LeaveLongitude();
  bool LeaveWallDeclination();
  bool LeaveInclination();

  // The save buttons: the save panel for a plot file or a DXF drawing.
  void OpenSavePanel(bool dxf);
  // The save dialog and the file for what the panel handed on. False when
  // nothing was written.
  bool Save(const GraphSaveRequest& request);

  void Retranslate() override;
  // Room for a picture a user can read.
  QSize sizeHint() const override;

 public slots:
  // The print command: print dialog, then the graph on a landscape page.
  // False when nothing was printed.
  bool Print();

 signals:
  // The reference year or the site changed here (the hosting window may
  // show the new values).
  void SharedStateChanged();

 private:
  void BuildEotControls(QWidget* box);
  void BuildSunPathControls(QWidget* box);
  void FillFromState();
  void UpdateHeading();
  void UpdateOptionVisibility();
  void FillLists();

  int mode_;
  std::string lightText_;
  bool filling_ = false;
  bool checking_ = false;
  GraphPicture* picture_ = nullptr;
  QLabel* heading_ = nullptr;
  QCheckBox* zoneTime_ = nullptr;
  QCheckBox* symmetric_ = nullptr;
  SymmetricPanel* symmetricPanel_ = nullptr;
  QLabel* representationLabel_ = nullptr;
  QComboBox* representation_ = nullptr;
  QCheckBox* hoursWithEot_ = nullptr;
  QComboBox* span_ = nullptr;
  QLabel* intervalLabel_ = nullptr;
  QComboBox* interval_ = nullptr;
  QLabel* dateLinesLabel_ = nullptr;
  QComboBox* dateLines_ = nullptr;
  QCheckBox* horizon_ = nullptr;
  QPushButton* loadHorizon_ = nullptr;
  QPushButton* computeHorizon_ = nullptr;
  HorizonPanel* horizonPanel_ = nullptr;
  QCheckBox* plane_ = nullptr;
  QGroupBox* planeBox_ = nullptr;
  QLabel* latitudeLabel_ = nullptr;
  QLabel* longitudeLabel_ = nullptr;
  QLabel* wallDeclinationLabel_ = nullptr;
  QLabel* inclinationLabel_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* wallDeclination_ = nullptr;
  QLineEdit* inclination_ = nullptr;
  QPushButton* saveHpgl_ = nullptr;
  QPushButton* saveDxf_ = nullptr;
  GraphSavePanel* savePanel_ = nullptr;
};

// The factory the tables window is given: mode 16 or 32 (variant for 32:
// 1 rectangular, 2 polar).
QWidget* MakeGraphView(int mode, int variant, QWidget* parent);

}  // namespace kelvra::ui
