// The horizon profile panel ("Horizontprofil erstellen"): the centre of the
// profile with its hemisphere choices and its degrees, minutes and seconds,
// the minimum distance of objects, the platform height and the search radius;
// "Start Berechnung" reads SRTM tiles chosen in file dialogs and computes the
// profile on a worker thread with a progress bar and a cancel button (the
// window stays responsive; a cancelled or failed computation leaves the
// program's profile as it was), then offers to save it. Profiles are loaded
// and saved through file dialogs as well.
//
// A self-contained panel: the window that holds it shows it and listens to
// ProfileChanged (to redraw) and Closed. It can be dragged by its surface.
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "ui/common/drag_panel.h"
#include "ui/common/retranslate.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kelvra::calc {
struct TileStep;
}

namespace kelvra::ui {

// The file dialogs of the panel; tests replace them.
struct HorizonDialogs {
  std::function<QString(QWidget* parent, const QString& title, const QString& filter)> openFile;
  std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter)>
      saveFile;
  // Runs on the worker thread before it starts on a tile (tests hold it there).
  std::function<void()> workerStarted;
};
HorizonDialogs& TheHorizonDialogs();
void ResetHorizonDialogs();

// Chooses a profile file and loads it (asking again when the chosen file does
// not exist and the user wants another). True when a profile was loaded.
bool LoadHorizonProfileWithDialog(QWidget* parent);

// For a "show the profile" switch being ticked: true when a profile is loaded
// or the user loads one now; false when the tick is to be cleared.
bool EnsureHorizonProfileLoaded(QWidget* parent);

class HorizonPanel : public DragPanel, public Retranslatable {
  Q_OBJECT
 public:
  explicit HorizonPanel(QWidget* parent = nullptr);
  ~HorizonPanel() override;

  QLineEdit* LatitudeField() const { return latitude_; }
  QLineEdit* LongitudeField() const { return longitude_; }
  QLineEdit* MinimumDistanceField() const { return minimumDistance_; }
  QLineEdit* PlatformField() const { return platform_; }
  QLineEdit* RadiusField() const { return radius_; }
  QRadioButton* NorthButton() const { return north_; }
  QRadioButton* SouthButton() const { return south_; }
  QRadioButton* EastButton() const { return east_; }
  QRadioButton* WestButton() const { return west_; }
  QLabel* LatitudeDms() const { return latitudeDms_; }
  QLabel* LongitudeDms() const { return longitudeDms_; }
  QLabel* ProfileLine() const { return profileLine_; }
  QPushButton* StartButton() const { return start_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* CloseButton() const { return close_; }
  QPushButton* LoadButton() const { return load_; }
  QPushButton* SaveButton() const { return save_; }
  QProgressBar* Progress() const { return progress_; }

  bool Running() const { return running_; }

  // The fields from the site and the panel's values.
  void Fill();

  // "Start Berechnung": checks the fields, then asks for the first tile.
  void StartComputation();
  // Stops a running computation; the program's profile stays as it was.
  void CancelComputation();
  void LoadProfile();
  void SaveProfile();

  void Retranslate() override;

 signals:
  void ProfileChanged();
  void Closed();
  void RunningChanged(bool running);

 private:
  struct Session;

  bool CheckFields();
  void UpdateDms();
  void UpdateProfileLine();
  void SetRunning(bool running);
  // Reads and adds one tile on the worker thread.
  void RunTile(const QString& path);
  void TileFinished(const QString& path, const calc::TileStep& step);
  // Asks for a further tile while the search radius reaches beyond the data.
  void AskForFurtherTile();
  void Finish();
  void EndSession();

  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* minimumDistance_ = nullptr;
  QLineEdit* platform_ = nullptr;
  QLineEdit* radius_ = nullptr;
  QRadioButton* north_ = nullptr;
  QRadioButton* south_ = nullptr;
  QRadioButton* east_ = nullptr;
  QRadioButton* west_ = nullptr;
  QLabel* latitudeLabel_ = nullptr;
  QLabel* longitudeLabel_ = nullptr;
  QLabel* minimumDistanceLabel_ = nullptr;
  QLabel* platformLabel_ = nullptr;
  QLabel* radiusLabel_ = nullptr;
  QLabel* latitudeDms_ = nullptr;
  QLabel* longitudeDms_ = nullptr;
  QLabel* profileLine_ = nullptr;
  QLabel* stepLine_ = nullptr;
  QLabel* caption_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* load_ = nullptr;
  QPushButton* save_ = nullptr;
  QProgressBar* progress_ = nullptr;

  double latitudeValue_ = 0;   // as the field shows it (the hemisphere apart)
  double longitudeValue_ = 0;
  int minimumDistanceValue_ = 180;
  int platformValue_ = 0;
  int radiusValue_ = 60;
  bool checking_ = false;
  bool running_ = false;

  std::unique_ptr<Session> session_;
  std::atomic<bool> cancelFlag_{false};
  std::thread worker_;
};

}  // namespace kelvra::ui
