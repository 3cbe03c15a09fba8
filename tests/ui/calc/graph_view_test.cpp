// The graph modes of the tables window on their own: every option of the
// sun-path diagram changes the picture, the plane fields refuse values out of
// range, the save panel checks its y factor, the saved files are those of the
// core's writers and of `kelvra graph`, a failed save keeps the old file,
// printing gives a page, and the symmetric equation-of-time table panel.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "calc/graphs/graph_export.h"
#include "calc/graphs/graph_inputs.h"
#include "calc/horizon/horizon_profile.h"
#include "calc/tables/symmetric_table.h"
#include "calc/tables/table_export.h"
#include "config/dial_parameters.h"
#include "output/hpgl_writer.h"
#include "shell/catalog.h"
#include "shell/safe_save.h"
#include "shell/shared_state.h"
#include "ui/calc/graph_save_panel.h"
#include "ui/calc/graph_view.h"
#include "ui/calc/symmetric_panel.h"
#include "ui/calc/calculator_window.h"
#include "ui/calc/tables_window.h"
#include "ui/common/retranslate.h"
#include "ui/main/main_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using testing::RecordingMessageSink;

class GraphViewTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    calc::graphs::Graphs() = calc::graphs::GraphSettings{};
    calc::Horizon() = calc::HorizonProfileState{};
    shell::SiteSettings& site = shell::State().site;
    site.latitude = 48.1;
    site.longitude = -16.37;
    site.zoneMeridian = -15;
    site.year = 2024;
    auto& d = TheGraphViewDialogs();
    d.saveFile = [this](QWidget*, const QString&, const QString& suggested, const QString&,
                        QString*) {
      suggestedPath_ = suggested;
      return chosenPath_;
    };
    d.printDialog = [](QWidget*, QPrinter&) { return true; };
  }
  void TearDown() override {
    ResetGraphViewDialogs();
    calc::graphs::Graphs() = calc::graphs::GraphSettings{};
    calc::Horizon() = calc::HorizonProfileState{};
    UiTest::TearDown();
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  static QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  static bool Shown(const RecordingMessageSink& sink, const std::string& part) {
    for (const auto& m : sink.shown) {
      if (m.text.find(part) != std::string::npos) return true;
    }
    return false;
  }

  // The plot file the core's writer makes for the current state.
  static std::string CorePlot(calc::graphs::GraphKind kind,
                              const calc::graphs::GraphPlotOptions& options) {
    output::HpglWriter writer;
    const QString path = QDir::temp().filePath("graph_view_core.plt");
    EXPECT_TRUE(writer.Open(path.toStdString()));
    calc::graphs::WriteGraphPlot(writer, kind, calc::graphs::CurrentGraphInputs(), options);
    EXPECT_TRUE(writer.Close());
    const QByteArray bytes = ReadAll(path);
    QFile::remove(path);
    return bytes.toStdString();
  }

  QTemporaryDir dir_;
  QString chosenPath_;
  QString suggestedPath_;
};

TEST_F(GraphViewTest, EquationOfTimeModeShowsTheDefinitionAndRedrawsWithTheLongitude) {
  GraphView view(kGraphModeEot, 0);
  EXPECT_EQ(view.Kind(), calc::graphs::GraphKind::Eot);
  EXPECT_TRUE(view.Heading()->text().startsWith("Die Zeitgleichung EoT ist definiert als"));
  EXPECT_EQ(view.ZoneTimeBox()->text(), QString::fromUtf8("inklusive LängengradKorrektur"));
  EXPECT_EQ(view.RepresentationList(), nullptr);
  const QImage before = view.Picture();
  ASSERT_FALSE(before.isNull());
  // 1.37 degrees from the zone meridian: the labels move by 5 minutes.
  view.ZoneTimeBox()->setChecked(true);
  EXPECT_TRUE(config::Dial().zoneTime);
  const QImage corrected = view.Picture();
  EXPECT_NE(corrected, before);
  view.ZoneTimeBox()->setChecked(false);
  EXPECT_FALSE(config::Dial().zoneTime);
  EXPECT_NE(view.Picture(), corrected);
}

TEST_F(GraphViewTest, EveryOptionOfTheSunPathDiagramChangesThePicture) {
  RecordingMessageSink sink;
  // A profile of 20 degrees all round, loaded but not shown.
  calc::HorizonProfileState& horizon = calc::Horizon();
  for (int i = 0; i < 720; ++i) {
    horizon.profile.points[static_cast<std::size_t>(i)].azimuth = -180 + 0.5 * i;
    horizon.profile.points[static_cast<std::size_t>(i)].altitude = 20;
  }
  horizon.horizonProfileLoaded = true;
  GraphView view(kGraphModeSunPath, 1);
  EXPECT_EQ(view.Kind(), calc::graphs::GraphKind::CartesianSunPath);
  struct Case {
    const char* name;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"polar", [&] { view.RepresentationList()->setCurrentIndex(1); }},
      {"zone time", [&] { view.ZoneTimeBox()->setChecked(true); }},
      {"hours with EoT", [&] { view.HoursWithEotBox()->setChecked(true); }},
      {"span 21 Jun - 21 Dec", [&] { view.SpanList()->setCurrentIndex(1); }},
      {"15 minutes", [&] { view.IntervalList()->setCurrentIndex(3); }},
      {"3 date lines per month", [&] { view.DateLineList()->setCurrentIndex(2); }},
      {"solstices only", [&] { view.DateLineList()->setCurrentIndex(3); }},
      {"horizon profile", [&] { view.HorizonBox()->setChecked(true); }},
      {"plane sunshine", [&] { view.PlaneBox()->setChecked(true); }},
      {"wall declination",
       [&] {
         view.WallDeclinationField()->setText("40");
         view.LeaveWallDeclination();
       }},
      {"inclination",
       [&] {
         view.InclinationField()->setText("60");
         view.LeaveInclination();
       }},
      {"latitude",
       [&] {
         view.LatitudeField()->setText("30");
         view.LeaveLatitude();
       }},
      {"longitude",
       [&] {
         view.LongitudeField()->setText("-5");
         view.LeaveLongitude();
       }},
      {"rectangular", [&] { view.RepresentationList()->setCurrentIndex(0); }},
  };
  for (const Case& c : cases) {
    const QImage before = view.Picture();
    const int draws = view.DrawCount();
    c.change();
    EXPECT_GT(view.DrawCount(), draws) << c.name;
    EXPECT_NE(view.Picture(), before) << c.name;
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().text;
  // The options are the shared ones `kelvra graph` and the dial dialogs use.
  const calc::graphs::GraphInputs in = calc::graphs::CurrentGraphInputs();
  EXPECT_FALSE(in.settings.diagramPolar);
  EXPECT_TRUE(in.zoneTime);
  EXPECT_TRUE(in.settings.graphHoursWithEot);
  EXPECT_EQ(in.settings.sunPathSpan, 1);
  EXPECT_EQ(in.otherHourInterval, 3);
  EXPECT_EQ(in.zodiacLinesPerMonth, 4);
  EXPECT_TRUE(in.showHorizon);
  EXPECT_TRUE(in.settings.planeSunshine);
  EXPECT_DOUBLE_EQ(in.wallDeclination, 40);
  EXPECT_DOUBLE_EQ(in.inclination, 60);
  EXPECT_DOUBLE_EQ(in.site.latitude, 30);
  EXPECT_DOUBLE_EQ(in.site.longitude, -5);
  EXPECT_FALSE(view.LightText().empty());
}

// Without a loaded profile the tick asks whether to load one; No clears it.
TEST_F(GraphViewTest, ShowingTheHorizonWithoutAProfileAsksAndNoClearsTheTick) {
  RecordingMessageSink sink;
  GraphView view(kGraphModeSunPath, 1);
  sink.Script({shell::MessageAnswer::No});
  view.HorizonBox()->setChecked(true);
  EXPECT_FALSE(view.HorizonBox()->isChecked());
  EXPECT_FALSE(config::Dial().horizonProfile);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("Es wurde kein Horizontprofil geladen!"), std::string::npos);
}

TEST_F(GraphViewTest, RepresentationSwitchesTheTitleAndTheSpanShowsOnlyWithEot) {
  GraphView view(kGraphModeSunPath, 2);
  EXPECT_EQ(view.Kind(), calc::graphs::GraphKind::PolarSunPath);
  EXPECT_EQ(view.Heading()->text(), "polares Sonnenstandsdiagramm");
  view.RepresentationList()->setCurrentIndex(0);
  EXPECT_EQ(view.Heading()->text(), "rechtwinkliges Sonnenstandsdiagramm");
  EXPECT_FALSE(view.SpanList()->isVisibleTo(&view));
  view.HoursWithEotBox()->setChecked(true);
  EXPECT_TRUE(view.SpanList()->isVisibleTo(&view));
  view.HoursWithEotBox()->setChecked(false);
  EXPECT_FALSE(view.SpanList()->isVisibleTo(&view));
  // English captions after a language switch.
  shell::SelectLanguage(false);
  view.Retranslate();
  EXPECT_EQ(view.Heading()->text(), "Sun Path Diagram (rectangluar)");
  EXPECT_EQ(view.IntervalList()->itemText(3).trimmed(), "15 min");
  // The picture's legend is in the new language.
  const QImage english = view.Picture();
  shell::SelectLanguage(true);
  ApplyLanguage();
  EXPECT_EQ(view.Heading()->text(), "rechtwinkliges Sonnenstandsdiagramm");
  EXPECT_NE(view.Picture(), english);
}

TEST_F(GraphViewTest, PlaneFieldsRefuseValuesOutOfRangeAndKeepTheOldOne) {
  struct Case {
    const char* field;
    const char* text;
    const char* range;  // the end of the message naming the allowed range
  };
  const Case cases[] = {
      {"latitude", "91", "[  -90.00, ...,   90.0] !"},
      {"latitude", "-90.5", "[  -90.00, ...,   90.0] !"},
      {"longitude", "180.01", "[ -180.00, ...,  180.0] !"},
      {"wall declination", "-181", "[ -180.00, ...,  180.0] !"},
      {"inclination", "-1", "[    0.00, ...,  180.0] !"},
      {"inclination", "181", "[    0.00, ...,  180.0] !"},
  };
  GraphView view(kGraphModeSunPath, 1);
  view.PlaneBox()->setChecked(true);
  auto field = [&](const std::string& name) {
    if (name == "latitude") return std::pair{view.LatitudeField(), &shell::State().site.latitude};
    if (name == "longitude") {
      return std::pair{view.LongitudeField(), &shell::State().site.longitude};
    }
    if (name == "wall declination") {
      return std::pair{view.WallDeclinationField(), &config::Dial().wallDeclination};
    }
    return std::pair{view.InclinationField(), &config::Dial().inclination};
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    auto [edit, value] = field(c.field);
    const double old = *value;
    const QImage before = view.Picture();
    edit->setText(c.text);
    const bool failed = c.field == std::string("latitude")    ? view.LeaveLatitude()
                        : c.field == std::string("longitude") ? view.LeaveLongitude()
                        : c.field == std::string("wall declination")
                            ? view.LeaveWallDeclination()
                            : view.LeaveInclination();
    EXPECT_TRUE(failed) << c.field << " " << c.text;
    EXPECT_EQ(*value, old) << c.field << " " << c.text;
    EXPECT_EQ(view.Picture(), before) << c.field;
    ASSERT_EQ(sink.shown.size(), 1u) << c.field;
    EXPECT_NE(sink.shown[0].text.find(c.range), std::string::npos) << sink.shown[0].text;
    EXPECT_EQ(sink.shown[0].caption, "KELVRA.EXE - Problem!");
  }
  // The message names the field by its label.
  RecordingMessageSink sink;
  view.InclinationField()->setText("200");
  view.LeaveInclination();
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown[0].text.rfind("Inklination [vert.= 90]", 0), 0u) << sink.shown[0].text;
}

TEST_F(GraphViewTest, SavePanelRefusesAYFactorOutOfRangeAndKeepsTheFocus) {
  GraphView view(kGraphModeEot, 0);
  view.resize(900, 650);
  view.show();
  view.activateWindow();
  uitest::Pump();
  view.OpenSavePanel(false);
  GraphSavePanel* panel = view.SavePanel();
  EXPECT_EQ(panel->NameField()->text(), "EoT.plt");
  EXPECT_EQ(panel->FactorField()->text(), "1.00");
  EXPECT_TRUE(panel->MirrorBox()->isVisibleTo(panel));
  int saves = 0;
  TheGraphViewDialogs().saveFile = [&](QWidget*, const QString&, const QString&, const QString&,
                                       QString*) {
    ++saves;
    return QString();
  };
  for (const char* text : {"0.04", "21", "abc"}) {
    RecordingMessageSink sink;
    panel->FactorField()->setText(text);
    EXPECT_FALSE(panel->Accept()) << text;
    EXPECT_TRUE(panel->isVisible()) << text;
    EXPECT_TRUE(panel->FactorField()->hasFocus()) << text;
    ASSERT_EQ(sink.shown.size(), 1u) << text;
    EXPECT_TRUE(Shown(sink, "Vergrößerungsfaktor in y-Richtung") ||
                Shown(sink, "keine reelle Zahl"))
        << sink.shown[0].text;
  }
  EXPECT_EQ(saves, 0);
  {
    RecordingMessageSink sink;
    panel->FactorField()->setText("0,05");
    EXPECT_TRUE(panel->Accept());
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(saves, 1);  // the save dialog came, and was cancelled
  }
  // The sun-path diagram offers no mirror.
  GraphView sunPath(kGraphModeSunPath, 1);
  sunPath.OpenSavePanel(true);
  EXPECT_FALSE(sunPath.SavePanel()->MirrorBox()->isVisibleTo(sunPath.SavePanel()));
  EXPECT_EQ(sunPath.SavePanel()->NameField()->text(), "Sonnenpositionen.dxf");
}

TEST_F(GraphViewTest, SavedPlotFileIsTheWritersFileForTheSameOptions) {
  struct Case {
    int mode, variant;
    const char* factor;
    bool mirror, longitude;
    calc::graphs::GraphPlotOptions options;
  };
  const Case cases[] = {
      {kGraphModeEot, 0, "2", true, false, {true, false, 2.0}},
      {kGraphModeEot, 0, "0.5", false, true, {false, true, 0.5}},
      {kGraphModeSunPath, 1, "1", false, true, {false, true, 1.0}},
      {kGraphModeSunPath, 2, "1", false, false, {false, false, 1.0}},
  };
  int n = 0;
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    GraphView view(c.mode, c.variant);
    chosenPath_ = Path(QString("graph%1.plt").arg(++n));
    view.OpenSavePanel(false);
    GraphSavePanel* panel = view.SavePanel();
    panel->FactorField()->setText(c.factor);
    panel->MirrorBox()->setChecked(c.mirror);
    panel->LongitudeBox()->setChecked(c.longitude);
    ASSERT_TRUE(panel->Accept());
    // The longitude correction is written back to the dial field.
    EXPECT_EQ(config::Dial().zoneTime, c.longitude);
    EXPECT_EQ(view.ZoneTimeBox()->isChecked(), c.longitude);
    EXPECT_TRUE(suggestedPath_.endsWith(c.mode == kGraphModeEot ? "EoT.plt" : "Azi.plt"));
    const QByteArray saved = ReadAll(chosenPath_);
    ASSERT_FALSE(saved.isEmpty()) << n;
    EXPECT_EQ(saved.toStdString(), CorePlot(view.Kind(), c.options)) << n;
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].text.find(QString("graph%1.plt").arg(n).toStdString()),
              std::string::npos);
    EXPECT_NE(sink.shown[0].text.find(" gespeichert!"), std::string::npos);
  }
}

// The window and `kelvra graph` write the same plot and DXF files; the DXF
// leaves no intermediate file behind.
TEST_F(GraphViewTest, SavesTheSameFilesAsTheGraphCommand) {
  const char* exe = std::getenv("KELVRA_EXE");
#ifdef KELVRA_EXE_PATH
  if (!exe || !*exe) exe = KELVRA_EXE_PATH;
#endif
  ASSERT_TRUE(exe && *exe);
  struct Case {
    const char* name;
    int mode, variant;
    QStringList cliOptions;
    std::function<void(GraphView&)> options;
  };
  const Case cases[] = {
      {"eot", kGraphModeEot, 0, {"eot", "--zone-time", "--mirror", "--y-factor", "2.5"},
       [](GraphView& v) {
         v.SavePanel()->MirrorBox()->setChecked(true);
         v.SavePanel()->FactorField()->setText("2.5");
         v.SavePanel()->LongitudeBox()->setChecked(true);
       }},
      {"polar", kGraphModeSunPath, 2,
       {"sunpath", "--diagram", "polar", "--hours", "mean", "--span", "dec-jun", "--interval",
        "20", "--date-lines", "2"},
       [](GraphView& v) {
         v.HoursWithEotBox()->setChecked(true);
         v.SpanList()->setCurrentIndex(2);
         v.IntervalList()->setCurrentIndex(2);
         v.DateLineList()->setCurrentIndex(1);
         v.SavePanel()->LongitudeBox()->setChecked(false);
       }},
      {"cartesian", kGraphModeSunPath, 1,
       {"sunpath", "--diagram", "cartesian", "--zone-time", "--interval", "30"},
       [](GraphView& v) {
         v.IntervalList()->setCurrentIndex(1);
         v.SavePanel()->LongitudeBox()->setChecked(true);
       }},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    config::ResetDialParameters();
    calc::graphs::Graphs() = calc::graphs::GraphSettings{};
    GraphView view(c.mode, c.variant);
    for (const char* ext : {"plt", "dxf"}) {
      const bool dxf = ext == std::string("dxf");
      view.OpenSavePanel(dxf);
      c.options(view);
      chosenPath_ = Path(QString("window_%1.%2").arg(c.name, ext));
      ASSERT_TRUE(view.SavePanel()->Accept()) << c.name;
      QProcess cli;
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert("KELVRA_HOME", dir_.path());
      cli.setProcessEnvironment(env);
      QStringList args = {"graph"};
      args << c.cliOptions;
      args << "--lat" << "48.1" << "--lon" << "-16.37" << "--zone" << "-15" << "--year" << "2024"
           << "-o" << Path(QString("cli_%1.%2").arg(c.name, ext));
      cli.start(exe, args);
      ASSERT_TRUE(cli.waitForFinished(120000));
      ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
      const QByteArray window = ReadAll(chosenPath_);
      ASSERT_FALSE(window.isEmpty()) << c.name << " " << ext;
      EXPECT_TRUE(window == ReadAll(Path(QString("cli_%1.%2").arg(c.name, ext))))
          << c.name << " " << ext;
    }
    EXPECT_FALSE(QFile::exists(Path("kelvra.$$$"))) << c.name;
  }
}

TEST_F(GraphViewTest, AnExistingFileStaysWhenTheSaveFails) {
  GraphView view(kGraphModeEot, 0);
  for (const char* name : {"old.plt", "old.dxf"}) {
    chosenPath_ = Path(name);
    {
      QFile f(chosenPath_);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("the user's own file");
    }
    RecordingMessageSink sink;
    {
      shell::ScopedSaveFault fault({shell::SaveStage::Write, 28, 100, 0});
      view.OpenSavePanel(QString(name).endsWith("dxf"));
      ASSERT_TRUE(view.SavePanel()->Accept());
    }
    EXPECT_EQ(ReadAll(chosenPath_), QByteArray("the user's own file")) << name;
    ASSERT_FALSE(sink.shown.empty()) << name;
    EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Error) << name;
    EXPECT_FALSE(QFile::exists(Path("kelvra.$$$"))) << name;
  }
  // The plot file's message is the graph's own.
  RecordingMessageSink sink;
  shell::ScopedSaveFault fault({shell::SaveStage::Create, 13, 0, 0});
  chosenPath_ = Path("old.plt");
  view.OpenSavePanel(false);
  view.SavePanel()->Accept();
  EXPECT_TRUE(Shown(sink, "Datei konnte nicht gespeichert werden!"));
}

TEST_F(GraphViewTest, PrintingGivesAPdfPageOfEachGraph) {
  for (const auto& [mode, variant] : {std::pair{kGraphModeEot, 0}, std::pair{kGraphModeSunPath, 1},
                                      std::pair{kGraphModeSunPath, 2}}) {
    RecordingMessageSink sink;
    GraphView view(mode, variant);
    const QString pdf = Path(QString("print%1_%2.pdf").arg(mode).arg(variant));
    GraphPrinter().setOutputFormat(QPrinter::PdfFormat);
    GraphPrinter().setOutputFileName(pdf);
    ASSERT_TRUE(view.Print()) << mode;
    const QByteArray bytes = ReadAll(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF")) << mode;
    EXPECT_GT(bytes.size(), 3000) << mode;
    EXPECT_TRUE(sink.shown.empty());
  }
  // A cancelled print dialog prints nothing.
  TheGraphViewDialogs().printDialog = [](QWidget*, QPrinter&) { return false; };
  GraphView view(kGraphModeEot, 0);
  GraphPrinter().setOutputFileName(Path("cancelled.pdf"));
  EXPECT_FALSE(view.Print());
  EXPECT_FALSE(QFile::exists(Path("cancelled.pdf")));
  GraphPrinter().setOutputFileName(QString());
}

// A name typed without extension gets the file type's one after the save
// dialog asked about the name as typed: another file of the full name is
// replaced only when the user says so.
TEST_F(GraphViewTest, SavingAsksBeforeReplacingTheFileTheExtensionLeadsTo) {
  GraphView view(kGraphModeEot, 0);
  view.Symmetric()->CountList()->setCurrentRow(0);
  struct Case {
    const char* typed;
    const char* written;
    std::function<bool()> save;
  } cases[] = {
      {"plot", "plot.plt",
       [&] {
         view.OpenSavePanel(false);
         return view.SavePanel()->Accept();
       }},
      {"drawing", "drawing.dxf",
       [&] {
         view.OpenSavePanel(true);
         return view.SavePanel()->Accept();
       }},
      {"pairs", "pairs.txt", [&] { return view.Symmetric()->SaveTable(); }},
  };
  for (const auto& c : cases) {
    for (const auto answer : {shell::MessageAnswer::No, shell::MessageAnswer::Yes}) {
      const QString written = Path(c.written);
      {
        QFile f(written);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the user's own file");
      }
      chosenPath_ = Path(c.typed);
      RecordingMessageSink sink;
      sink.Script({answer});
      c.save();
      ASSERT_FALSE(sink.shown.empty()) << c.typed;
      EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Question) << c.typed;
      EXPECT_NE(sink.shown[0].text.find(written.toStdString()), std::string::npos)
          << sink.shown[0].text;
      EXPECT_EQ(ReadAll(written) == QByteArray("the user's own file"),
                answer == shell::MessageAnswer::No)
          << c.typed;
      EXPECT_FALSE(QFile::exists(chosenPath_)) << c.typed;
    }
  }
}

TEST_F(GraphViewTest, SymmetricTablePanelChecksTheYearAndSavesTheTable) {
  GraphView view(kGraphModeEot, 0);
  SymmetricPanel* panel = view.Symmetric();
  EXPECT_FALSE(panel->isVisibleTo(&view));
  view.SymmetricBox()->setChecked(true);
  EXPECT_TRUE(panel->isVisibleTo(&view));
  EXPECT_EQ(panel->YearField()->text(), "2024");
  EXPECT_EQ(panel->CountList()->count(), 6);
  EXPECT_EQ(panel->ValueCount(), 0);
  {
    // The year: whole numbers 1300..2500, the old year kept otherwise.
    RecordingMessageSink sink;
    panel->YearField()->setText("1299");
    EXPECT_TRUE(panel->LeaveYear());
    EXPECT_EQ(shell::State().site.year, 2024);
    EXPECT_TRUE(Shown(sink, "[1300..2500] !"));
    const int draws = view.DrawCount();
    panel->YearField()->setText("2023");
    EXPECT_FALSE(panel->LeaveYear());
    EXPECT_EQ(shell::State().site.year, 2023);
    EXPECT_GT(view.DrawCount(), draws);  // the graph shows the new year
  }
  {
    // Without a count nothing is saved.
    RecordingMessageSink sink;
    chosenPath_ = Path("pairs.txt");
    EXPECT_FALSE(panel->SaveTable());
    EXPECT_FALSE(QFile::exists(chosenPath_));
    EXPECT_TRUE(Shown(sink, "Anzahl der Werte"));
  }
  struct Case {
    const char* file;
    char separator;
  };
  for (const Case& c : {Case{"pairs.txt", '/'}, Case{"pairs.csv", ';'}}) {
    RecordingMessageSink sink;
    panel->CountList()->setCurrentRow(0);  // 72 values per year
    chosenPath_ = Path(c.file);
    ASSERT_TRUE(panel->SaveTable()) << c.file;
    const std::string expected =
        calc::SymmetricTableBytes(calc::BuildSymmetricTable(72, 2023, c.separator, 1));
    EXPECT_EQ(ReadAll(chosenPath_).toStdString(), expected) << c.file;
    EXPECT_TRUE(Shown(sink, " gespeichert!")) << c.file;
  }
  {
    RecordingMessageSink sink;
    chosenPath_.clear();
    EXPECT_FALSE(panel->SaveTable());
    EXPECT_TRUE(Shown(sink, "Aktion abgebrochen!"));
  }
  {
    // The printed equation-of-time table by longitude.
    RecordingMessageSink sink;
    const QString pdf = Path("symmetric.pdf");
    GraphPrinter().setOutputFormat(QPrinter::PdfFormat);
    GraphPrinter().setOutputFileName(pdf);
    panel->CountList()->setCurrentRow(4);  // 240
    EXPECT_TRUE(panel->PrintData());
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
    GraphPrinter().setOutputFileName(QString());
  }
  view.SymmetricBox()->setChecked(false);
  EXPECT_FALSE(panel->isVisibleTo(&view));
}

// The main window hosts the graph view in the tables window's graph modes:
// from its menu and from the calculator's graph buttons.
TEST_F(GraphViewTest, TheTablesWindowShowsTheGraphViewInModes16And32) {
  MainWindow main;
  struct Case {
    int menu;  // main-menu command
    calc::graphs::GraphKind kind;
  };
  // Ctrl+F12 the equation of time, Ctrl+F10 the rectangular and Ctrl+F11
  // the polar diagram (the open sun-path window makes way for the other).
  for (const Case& c : {Case{33, calc::graphs::GraphKind::Eot},
                        Case{35, calc::graphs::GraphKind::CartesianSunPath},
                        Case{36, calc::graphs::GraphKind::PolarSunPath},
                        Case{35, calc::graphs::GraphKind::CartesianSunPath}}) {
    main.MenuAction(c.menu)->trigger();
    uitest::Pump();
    auto* w = qobject_cast<TablesWindow*>(main.TaskWindows().value(0));
    ASSERT_NE(w, nullptr) << c.menu;
    ASSERT_EQ(main.TaskWindows().size(), 1) << c.menu;
    auto* view = w->findChild<GraphView*>();
    ASSERT_NE(view, nullptr) << c.menu;
    EXPECT_EQ(view->Kind(), c.kind) << c.menu;
    EXPECT_FALSE(view->Picture().isNull());
  }
  // The calculator's graph buttons.
  main.CloseAllWindows();
  auto* calculator = qobject_cast<CalculatorWindow*>(main.OpenCalculator(4));
  ASSERT_NE(calculator, nullptr);
  calculator->SetMode(kCalcEquationOfTime);
  calculator->GraphButton()->click();
  uitest::Pump();
  auto* w = qobject_cast<TablesWindow*>(main.TaskWindows().value(0));
  ASSERT_NE(w, nullptr);
  ASSERT_NE(w->findChild<GraphView*>(), nullptr);
  EXPECT_EQ(w->findChild<GraphView*>()->Mode(), kGraphModeEot);
  // The window's print command prints the graph.
  const QString pdf = Path("from_window.pdf");
  GraphPrinter().setOutputFormat(QPrinter::PdfFormat);
  GraphPrinter().setOutputFileName(pdf);
  w->Print();
  EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF"));
  GraphPrinter().setOutputFileName(QString());
  main.CloseAllWindows();
}

}  // namespace
}  // namespace kelvra::ui
