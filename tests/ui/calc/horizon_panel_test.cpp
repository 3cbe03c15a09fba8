// The horizon profile panel: its fields, a computation on the worker thread
// with its dialogs and messages, cancelling, loading and saving.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <chrono>
#include <future>

#include "calc/horizon/grid_fixture.h"
#include "calc/horizon/horizon_session.h"
#include "config/dial_parameters.h"
#include "persist/atomic_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/calc/horizon_panel.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageAnswer;
using shell::MessageKind;

class HorizonPanelTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    calc::Horizon() = calc::HorizonProfileState{};
    opened_.clear();
  }
  void TearDown() override {
    ResetHorizonDialogs();
    calc::Horizon() = calc::HorizonProfileState{};
    UiTest::TearDown();
  }

  // The dialogs answer from these lists, in order ("" = cancelled).
  void ScriptDialogs(std::vector<QString> open, std::vector<QString> save) {
    openAnswers_ = std::move(open);
    saveAnswers_ = std::move(save);
    HorizonDialogs& d = TheHorizonDialogs();
    d.openFile = [this](QWidget*, const QString& title, const QString&) {
      opened_.push_back(title);
      if (openAnswers_.empty()) return QString();
      QString a = openAnswers_.front();
      openAnswers_.erase(openAnswers_.begin());
      return a;
    };
    d.saveFile = [this](QWidget*, const QString& title, const QString&, const QString&) {
      opened_.push_back(title);
      if (saveAnswers_.empty()) return QString();
      QString a = saveAnswers_.front();
      saveAnswers_.erase(saveAnswers_.begin());
      return a;
    };
  }

  // Runs the event loop until the computation has ended. The bound only keeps a
  // hanging computation from hanging the test run.
  static void WaitWhileRunning(const HorizonPanel& panel) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (panel.Running() && std::chrono::steady_clock::now() < giveUp) {
      QApplication::processEvents();
      QThread::msleep(2);
    }
    ASSERT_FALSE(panel.Running()) << "the computation did not end";
  }

  // A tile of 47..48 N, 9..10 E: ground at 600 m and a ridge of 2600 m along
  // 47.7 N (22 km north of the site at 47.5 N, 9.5 E).
  QString Tile() {
    calc::test::TileSpec t;
    return QString::fromStdString(
        folder_.Write("tile.asc", calc::test::GridText(t, [](double lat, double) {
                        return std::abs(lat - 47.7) < 0.011 ? 2600 : 600;
                      })));
  }

  calc::test::TempFolder folder_;
  testing::RecordingMessageSink messages_;
  std::vector<QString> openAnswers_, saveAnswers_, opened_;
};

void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

TEST_F(HorizonPanelTest, OpensWithTheSiteAndTheDefaults) {
  HorizonPanel p;
  EXPECT_EQ(p.LatitudeField()->text(), "47.251315");
  EXPECT_TRUE(p.NorthButton()->isChecked());
  EXPECT_EQ(p.LongitudeField()->text(), "9.590825");
  EXPECT_TRUE(p.EastButton()->isChecked());  // the site's longitude -9.59 is east
  EXPECT_EQ(p.LatitudeDms()->text(), "47 deg 15 min 5 sec");
  EXPECT_EQ(p.LongitudeDms()->text(), "9 deg 35 min 27 sec");
  EXPECT_EQ(p.MinimumDistanceField()->text(), "180");
  EXPECT_EQ(p.PlatformField()->text(), "0");
  EXPECT_EQ(p.RadiusField()->text(), "60");
  EXPECT_EQ(p.ProfileLine()->text(), "Kein Horizontprofil geladen.");
  EXPECT_FALSE(p.SaveButton()->isEnabled());
  EXPECT_FALSE(p.Progress()->isVisibleTo(&p));
  EXPECT_FALSE(p.CancelButton()->isVisibleTo(&p));

  shell::SelectLanguage(false);
  p.Retranslate();
  EXPECT_EQ(p.findChild<QLabel*>("Caption")->text(), "Calculation of a Horizon Profile");
  EXPECT_EQ(p.StartButton()->text(), "Start Calculation");
}

TEST_F(HorizonPanelTest, FieldsTakeWhatTheyMayHold) {
  HorizonPanel p;
  p.MinimumDistanceField()->clear();
  Type(p.MinimumDistanceField(), "1a2,3-4");
  EXPECT_EQ(p.MinimumDistanceField()->text(), "1234") << "digits only";
  p.LatitudeField()->clear();
  Type(p.LatitudeField(), "46,5x");
  EXPECT_EQ(p.LatitudeField()->text(), "46.5");

  // A value out of range stops the start before any file dialog.
  ScriptDialogs({Tile()}, {});
  p.LatitudeField()->setText("95");
  p.StartComputation();
  EXPECT_TRUE(opened_.empty());
  ASSERT_FALSE(messages_.shown.empty());
  EXPECT_NE(messages_.shown.back().text.find("Zulässiger Wertebereich"), std::string::npos);
  EXPECT_FALSE(p.Running());
}

TEST_F(HorizonPanelTest, ComputesOnTheWorkerThreadAndSaves) {
  HorizonPanel p;
  p.LatitudeField()->setText("47.5");
  p.LongitudeField()->setText("9.5");
  p.RadiusField()->setText("30");  // stays on the tile: no question for more data
  const QString tile = Tile();
  const QString out = QString::fromStdString(folder_.Path("computed.ele"));
  ScriptDialogs({tile}, {out});
  int changed = 0;
  QObject::connect(&p, &HorizonPanel::ProfileChanged, [&] { ++changed; });

  p.StartComputation();
  EXPECT_TRUE(p.Running());
  EXPECT_TRUE(p.CancelButton()->isVisibleTo(&p));
  EXPECT_FALSE(p.StartButton()->isEnabled());
  WaitWhileRunning(p);

  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0], "  SRTM-Höhendaten laden  ");
  EXPECT_EQ(opened_[1], "Berechnetes Horizontprofil speichern");
  EXPECT_EQ(changed, 1);
  ASSERT_TRUE(calc::Horizon().horizonProfileLoaded);
  EXPECT_TRUE(config::Dial().horizonProfile);

  // The same profile as the command line's computation.
  calc::HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  site.searchRadius = 30;
  const calc::ComputedHorizon expected = calc::ComputeHorizonProfile(site, {tile.toStdString()});
  ASSERT_EQ(expected.status, calc::ComputeStatus::Done);
  EXPECT_EQ(calc::Horizon().profile, expected.file.profile);
  EXPECT_GT(calc::Horizon().profile.points[0].altitude, 4) << "the ridge in the north";

  // Messages: the result, the site taking the centre over, the saved file.
  std::vector<std::string> texts;
  for (const auto& m : messages_.shown) texts.push_back(m.text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Horizontprofil erstellt! \nStandorthöhe=600");
  EXPECT_EQ(texts[1], "Geogr. Breite und Länge des Horizontprofils wird mit übernommen!");
  EXPECT_EQ(texts[2], out.toStdString() + " gespeichert!");
  EXPECT_EQ(shell::State().site.latitude, 47.5);
  EXPECT_EQ(shell::State().site.longitude, -9.5);
  EXPECT_EQ(persist::ReadFileBytes(out.toStdString()),
            calc::FormatHorizonProfile(expected.file));
  EXPECT_TRUE(p.SaveButton()->isEnabled());
  EXPECT_NE(p.ProfileLine()->text().indexOf("computed.ele"), -1);
}

TEST_F(HorizonPanelTest, CancellingKeepsThePreviousProfile) {
  // A profile is loaded before.
  HorizonPanel p;
  calc::HorizonProfileFile old;
  old.latitude = shell::State().site.latitude;
  old.longitude = shell::State().site.longitude;
  old.profile.points[100].altitude = 7.5;
  const std::string oldPath = folder_.Write("old.ele", calc::FormatHorizonProfile(old));
  ASSERT_EQ(calc::LoadHorizonProfile(oldPath), calc::ProfileLoad::Loaded);
  const calc::HorizonProfileState before = calc::Horizon();

  // The worker waits at its start until the cancel button has been pressed.
  std::promise<void> pressed;
  std::shared_future<void> gate = pressed.get_future().share();
  ScriptDialogs({Tile()}, {});
  TheHorizonDialogs().workerStarted = [gate] { gate.wait(); };
  p.StartComputation();
  ASSERT_TRUE(p.Running());
  p.CancelButton()->click();
  pressed.set_value();
  WaitWhileRunning(p);

  EXPECT_EQ(calc::Horizon().profile, before.profile);
  EXPECT_TRUE(calc::Horizon().horizonProfileLoaded);
  EXPECT_EQ(calc::Horizon().fileName, oldPath);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(opened_.size(), 1u) << "no save dialog after cancelling";
  EXPECT_TRUE(p.StartButton()->isEnabled());
  EXPECT_FALSE(p.Progress()->isVisibleTo(&p));
}

TEST_F(HorizonPanelTest, DamagedTileLeavesTheProfile) {
  HorizonPanel p;
  p.LatitudeField()->setText("47.02");
  p.LongitudeField()->setText("9.02");
  const std::string bad = folder_.Write(
      "bad.asc",
      "ncols 5\nnrows 5\nxllcorner 9.0\nyllcorner 47.0\ncellsize 0.01\nNODATA_value -9999\n"
      "1 2 3 4 5\n6 7 8 9 10\n11 12 13 14 15\n16 17 x 19 20\n21 22 23 24 25\n");
  ScriptDialogs({QString::fromStdString(bad)}, {});
  p.StartComputation();
  WaitWhileRunning(p);
  EXPECT_FALSE(calc::Horizon().horizonProfileLoaded);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages_.shown[0].text, "Die Aufgabe kann nicht gelöst werden!0\n" + bad +
                                         "\nIn der Datenzeile 4, Wert 3 ist keine Zahl: \"x\"");
}

// The radius reaches beyond the first tile: the panel asks for the missing
// data and takes the adjoining tile into the same profile.
TEST_F(HorizonPanelTest, AsksForMissingDataAndTakesTheNextTile) {
  HorizonPanel p;
  p.LatitudeField()->setText("47.5");
  p.LongitudeField()->setText("9.5");
  p.RadiusField()->setText("45");
  const QString home = Tile();
  calc::test::TileSpec eastSpec;
  eastSpec.west = 10.0;
  const QString east = QString::fromStdString(folder_.Write(
      "east.asc", calc::test::GridText(eastSpec, [](double, double lon) {
        return std::abs(lon - 10.05) < 0.003 ? 3000 : 600;
      })));
  // Load the east tile for the first question, nothing for the second.
  ScriptDialogs({home, east, ""}, {""});
  messages_.Script({MessageAnswer::Yes, MessageAnswer::No});
  p.StartComputation();
  WaitWhileRunning(p);  // both tiles: the panel runs until the profile is done
  ASSERT_GE(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0].text.rfind("Sollen fehlende Höhendaten im ", 0), 0u)
      << messages_.shown[0].text;
  EXPECT_NE(messages_.shown[0].text.find("Osten"), std::string::npos);
  ASSERT_TRUE(calc::Horizon().horizonProfileLoaded);
  // A wall of 3000 m at 10.05 E (41 km east) shows in the east (-90).
  EXPECT_GT(calc::Horizon().profile.AltitudeAt(-90), 1.0);
  EXPECT_EQ(calc::Horizon().profile.points[calc::HorizonIndex(-90)].terrainHeight, 3000);
}

TEST_F(HorizonPanelTest, LoadsAndSavesThroughTheDialogs) {
  HorizonPanel p;
  calc::HorizonProfileFile f;
  f.latitude = 46.0;
  f.longitude = 8.0;  // west positive
  f.description = "  Terrasse";
  f.profile.points[3].altitude = 2.25;
  const std::string path = folder_.Write("t.ele", calc::FormatHorizonProfile(f));
  // The first file does not exist: the question, No = choose another.
  ScriptDialogs({QString::fromStdString(folder_.Path("none.ele")), QString::fromStdString(path)},
                {QString::fromStdString(folder_.Path("copy.ele"))});
  messages_.Script({MessageAnswer::No});
  p.LoadButton()->click();
  ASSERT_TRUE(calc::Horizon().horizonProfileLoaded);
  EXPECT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[0], "Horizontprofil einlesen ");
  EXPECT_EQ(calc::Horizon().profile.points[3].altitude, 2.25);
  // The site took the profile's centre; the fields show it.
  EXPECT_EQ(p.LatitudeField()->text(), "46.000000");
  EXPECT_TRUE(p.WestButton()->isChecked());
  EXPECT_NE(p.ProfileLine()->text().indexOf("t.ele"), -1);

  ASSERT_TRUE(p.SaveButton()->isEnabled());
  p.SaveButton()->click();
  EXPECT_EQ(persist::ReadFileBytes(folder_.Path("copy.ele")), persist::ReadFileBytes(path));
}

TEST_F(HorizonPanelTest, ShowingWithoutAProfileAsksToLoadOne) {
  QWidget parent;
  ScriptDialogs({}, {});
  messages_.Script({MessageAnswer::No});
  EXPECT_FALSE(EnsureHorizonProfileLoaded(&parent));
  EXPECT_EQ(messages_.shown.back().text,
            "Es wurde kein Horizontprofil geladen!\r\nSoll ein vorhandenes Horizontprofil geladen "
            "werden?");
  EXPECT_TRUE(opened_.empty());
  // Yes opens the file dialog; cancelling it leaves the switch off.
  messages_.Script({MessageAnswer::Yes});
  EXPECT_FALSE(EnsureHorizonProfileLoaded(&parent));
  EXPECT_EQ(opened_.size(), 1u);
}

}  // namespace
}  // namespace kelvra::ui
