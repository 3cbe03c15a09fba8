// Loading, saving and computing profiles as the program does: the messages,
// the shared state, the site taking over a profile's centre.
#include <gtest/gtest.h>

#include <string>

#include "calc/horizon/horizon_session.h"
#include "config/dial_parameters.h"
#include "grid_fixture.h"
#include "persist/atomic_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "support/recording_message_sink.h"

namespace kelvra::calc {
namespace {

using shell::MessageAnswer;
using shell::MessageButtons;
using shell::MessageKind;

class HorizonSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedState_ = shell::State();
    savedDial_ = config::Dial();
    savedHorizon_ = Horizon();
    shell::State().site = shell::SiteSettings{};
    config::ResetDialParameters();
    Horizon() = HorizonProfileState{};
    shell::SelectLanguage(true);
  }
  void TearDown() override {
    shell::State() = savedState_;
    config::Dial() = savedDial_;
    Horizon() = savedHorizon_;
    shell::SelectLanguage(shell::State().general.language != 2);
  }

  // A profile file at the given centre (longitude west positive).
  std::string ProfileFile(const std::string& name, double lat, double lon, double altitude0) {
    HorizonProfileFile f;
    f.latitude = lat;
    f.longitude = lon;
    f.description = "  Dach";
    f.profile.points[0].altitude = altitude0;
    return folder_.Write(name, FormatHorizonProfile(f));
  }

  test::TempFolder folder_;
  testing::RecordingMessageSink messages_;

 private:
  shell::SharedState savedState_;
  config::DialParameters savedDial_;
  HorizonProfileState savedHorizon_;
};

TEST_F(HorizonSessionTest, LoadingAtTheSiteChangesOnlyTheProfile) {
  const shell::SiteSettings site = shell::State().site;
  const std::string path = ProfileFile("here.ele", site.latitude, site.longitude, 2.5);
  EXPECT_EQ(LoadHorizonProfile(path), ProfileLoad::Loaded);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_TRUE(Horizon().horizonProfileLoaded);
  EXPECT_TRUE(config::Dial().horizonProfile);
  EXPECT_EQ(Horizon().profile.points[0].altitude, 2.5);
  EXPECT_EQ(Horizon().description, "  Dach");
  EXPECT_EQ(Horizon().fileName, path);
  EXPECT_EQ(shell::State().site.latitude, site.latitude);
  EXPECT_EQ(shell::State().site.longitude, site.longitude);
}

TEST_F(HorizonSessionTest, LoadingElsewhereMovesTheSiteWithANote) {
  const std::string path = ProfileFile("there.ele", 46.5, -8.25, 1.0);
  EXPECT_EQ(LoadHorizonProfile(path), ProfileLoad::Loaded);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(messages_.shown[0].text,
            "Geogr. Breite und Länge des Horizontprofils wird mit übernommen!");
  EXPECT_EQ(shell::State().site.latitude, 46.5);
  EXPECT_EQ(shell::State().site.longitude, -8.25);
}

TEST_F(HorizonSessionTest, FailedLoadingKeepsThePreviousProfile) {
  const shell::SiteSettings site = shell::State().site;
  ASSERT_EQ(LoadHorizonProfile(ProfileFile("good.ele", site.latitude, site.longitude, 3.0)),
            ProfileLoad::Loaded);
  const HorizonProfileState before = Horizon();
  // Damaged: only 700 points.
  std::string damaged = FormatHorizonProfile({});
  damaged.resize(damaged.find("\r\n 170,00") + 2);
  const std::string bad = folder_.Write("bad.ele", damaged);

  EXPECT_EQ(LoadHorizonProfile(bad), ProfileLoad::Failed);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages_.shown[0].text,
            "Die Aufgabe kann nicht gelöst werden!1\n" + bad +
                "\nDas Horizontprofil hat nur 700 von 720 Punkten.");

  // Missing: the question; No asks for another file, Yes stops.
  messages_.Script({MessageAnswer::No, MessageAnswer::Yes});
  bool again = false;
  const std::string none = folder_.Path("none.ele");
  EXPECT_EQ(LoadHorizonProfile(none, &again), ProfileLoad::Missing);
  EXPECT_TRUE(again);
  EXPECT_EQ(messages_.shown[1].text,
            none + " : \nDie Datei fehlt. Soll sie erstellt werden?\nAbbrechen ? ");
  EXPECT_EQ(messages_.shown[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(LoadHorizonProfile(none, &again), ProfileLoad::Missing);
  EXPECT_FALSE(again);

  EXPECT_EQ(Horizon().profile, before.profile);
  EXPECT_TRUE(Horizon().horizonProfileLoaded);
  EXPECT_EQ(Horizon().fileName, before.fileName);
}

TEST_F(HorizonSessionTest, SavingWritesTheProfileFile) {
  const shell::SiteSettings site = shell::State().site;
  const std::string source = ProfileFile("in.ele", site.latitude, site.longitude, 4.25);
  ASSERT_EQ(LoadHorizonProfile(source), ProfileLoad::Loaded);
  const std::string out = folder_.Path("out.ele");
  EXPECT_TRUE(SaveHorizonProfile(out));
  EXPECT_EQ(persist::ReadFileBytes(out), persist::ReadFileBytes(source));
  EXPECT_EQ(messages_.shown.back().text, out + " gespeichert!");

  const std::string blocked = folder_.Write("blocker", "x") + "/p.ele";
  EXPECT_FALSE(SaveHorizonProfile(blocked));
  EXPECT_EQ(messages_.shown.back().kind, MessageKind::Error);
  EXPECT_EQ(messages_.shown.back().text, "Save error: File  " + blocked);
}

TEST_F(HorizonSessionTest, QuestionWhenNoProfileIsLoaded) {
  messages_.Script({MessageAnswer::No});
  EXPECT_FALSE(AskToLoadHorizonProfile());
  EXPECT_EQ(messages_.shown[0].text,
            "Es wurde kein Horizontprofil geladen!\r\n"
            "Soll ein vorhandenes Horizontprofil geladen werden?");
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::Question);
}

// A flat tile of 47..48 N, 9..10 E at 700 m.
std::string FlatTile(const test::TempFolder& folder, const std::string& name, double south,
                     double west, double cell = 0.005) {
  test::TileSpec t;
  t.south = south;
  t.west = west;
  t.cellSize = cell;
  t.rows = t.columns = static_cast<int>(std::lround(1 / cell)) + 1;
  return folder.Write(name, test::GridText(t, [](double, double) { return 700; }));
}

TEST_F(HorizonSessionTest, ComputingFromTilesThatDoNotFit) {
  HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  const std::string home = FlatTile(folder_, "home.asc", 47, 9);
  const struct {
    const char* name;
    std::string further;
    std::string message;
  } cases[] = {
      {"otherCellSize", FlatTile(folder_, "coarse.asc", 47, 10, 0.01),
       "Es muss ein gleichartiger Tabellentyp nachgeladne werden"},
      {"notAdjoining", FlatTile(folder_, "far.asc", 47, 11), "Falsche Datendatei! false!"},
  };
  for (const auto& c : cases) {
    messages_.shown.clear();
    const ComputedHorizon r = ComputeHorizonProfile(site, {home, c.further});
    EXPECT_EQ(r.status, ComputeStatus::Failed) << c.name;
    ASSERT_EQ(messages_.shown.size(), 2u) << c.name;
    EXPECT_EQ(messages_.shown[0].text, c.message);
    EXPECT_EQ(messages_.shown[1].text, "Die Aufgabe kann nicht gelöst werden!0\n" + c.further);
  }
}

TEST_F(HorizonSessionTest, ComputingWithTheSiteOffTheTiles) {
  HorizonSite site;
  site.latitude = 46.5;
  site.longitude = -9.5;
  const std::string tile = FlatTile(folder_, "tile.asc", 47, 9);
  messages_.Script({MessageAnswer::No});
  EXPECT_EQ(ComputeHorizonProfile(site, {tile}).status, ComputeStatus::Declined);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text,
            "Zentralpunkt liegt nicht im Bereich des geladenen Datenfeldes!\n"
            "(Fehlende Daten können anschließend nachgeladen werden)\n"
            "     Berechnung ausführen ? ");
  // Yes: computed with the site at 0 m, which the program says.
  messages_.Script({MessageAnswer::Yes});
  const ComputedHorizon r = ComputeHorizonProfile(site, {tile});
  EXPECT_EQ(r.status, ComputeStatus::Done);
  EXPECT_EQ(r.groundHeight, 0);
  EXPECT_EQ(messages_.shown.back().kind, MessageKind::Information);
  EXPECT_NE(r.missing & kSouth, 0u);
}

TEST_F(HorizonSessionTest, ComputingFromADamagedTileSaysWhere) {
  HorizonSite site;
  site.latitude = 47.02;
  site.longitude = -9.02;
  const std::string text =
      "ncols 5\nnrows 5\nxllcorner 9.0\nyllcorner 47.0\ncellsize 0.01\nNODATA_value -9999\n"
      "1 2 3 4 5\n6 7 8 9 10\n11 12 13 14\n16 17 18 19 20\n21 22 23 24 25\n";
  const std::string path = folder_.Write("short.asc", text);
  EXPECT_EQ(ComputeHorizonProfile(site, {path}).status, ComputeStatus::Failed);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages_.shown[0].text,
            "Die Aufgabe kann nicht gelöst werden!0\n" + path +
                "\nIn der Datenzeile 3 waren      4 Höhendaten statt genau    5");
}

TEST_F(HorizonSessionTest, ComputedProfileDescribesTheObserver) {
  HorizonSite site;
  site.latitude = 47.5;
  site.longitude = -9.5;
  site.platformHeight = 12;
  site.minimumDistance = 250;
  const ComputedHorizon r = ComputeHorizonProfile(site, {FlatTile(folder_, "t.asc", 47, 9)});
  ASSERT_EQ(r.status, ComputeStatus::Done);
  EXPECT_EQ(r.groundHeight, 700);
  EXPECT_EQ(r.file.latitude, 47.5);
  EXPECT_EQ(r.file.longitude, -9.5);
  EXPECT_EQ(r.file.description,
            "  Beobachter-Standort  Höhe=700 + 12;  Mindestabstand der Objekte=250");
  EXPECT_EQ(r.file.profile, HorizonProfile()) << "flat ground leaves the horizon flat";
}

TEST_F(HorizonSessionTest, TakingAComputedProfileShowsIt) {
  HorizonProfileFile f;
  f.latitude = shell::State().site.latitude;
  f.longitude = shell::State().site.longitude;
  f.profile.points[7].altitude = 3;
  TakeHorizonProfile(f, "");
  EXPECT_TRUE(Horizon().horizonProfileLoaded);
  EXPECT_TRUE(config::Dial().horizonProfile);
  EXPECT_EQ(Horizon().profile.points[7].altitude, 3);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(HorizonSessionTest, DirectionNamesInBothLanguages) {
  EXPECT_EQ(DirectionNames(kNorth), "Norden");
  EXPECT_EQ(DirectionNames(kNorth | kEast | kSouthWest), "Norden, Osten und Südwesten");
  shell::SelectLanguage(false);
  EXPECT_EQ(DirectionNames(kEast | kWest), "east and west");
}

}  // namespace
}  // namespace kelvra::calc
