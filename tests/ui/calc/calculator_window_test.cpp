// The sun-position calculator window: its four modes, the field checks, the
// result panels against the sun they describe, the result list with its
// print commands, the table and graph commands and the dial data files.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "calc/calculator/calculator.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/calc/calculator_window.h"
#include "ui/calc/open_tables.h"
#include "ui/common/help_window.h"
#include "ui/common/retranslate.h"
#include "ui/main/main_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageAnswer;
using testing::RecordingMessageSink;

class CalculatorWindowTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    shell::State().general.today = {1, 3, 2024};
    shell::State().site.year = 2024;
  }
  void TearDown() override {
    ResetCalculatorDialogs();
    SetTablesOpener({});
    UiTest::TearDown();
  }

  static void SetDate(CalculatorWindow& w, int year, int month, int day) {
    w.YearField()->setText(QString::number(year));
    w.MonthField()->setText(QString::number(month));
    w.DayField()->setText(QString::number(day));
  }

  // Decimal hours of a shown time "  6:57 hh:min" or "12:23:05".
  static double Hours(const QString& text) {
    const QStringList parts = text.trimmed().section(' ', 0, 0).split(':');
    double h = 0, f = 1;
    for (const QString& p : parts) {
      h += p.toDouble() * f;
      f /= 60;
    }
    return h;
  }

  static bool Contains(const RecordingMessageSink& sink, const std::string& part) {
    for (const auto& m : sink.shown) {
      if (m.text.find(part) != std::string::npos) return true;
    }
    return false;
  }
};

TEST_F(CalculatorWindowTest, EachModeShowsItsInputsPanelButtonsAndHelp) {
  struct Case {
    int mode;
    int helpTopic;
    bool time, azimuth, twilight, graph, altitudeGraph;
  };
  const Case cases[] = {
      {kCalcRiseSet, 28, false, false, true, false, false},
      {kCalcPosition, 29, true, false, false, false, true},
      {kCalcTimeForAzimuth, 49, false, true, false, false, false},
      {kCalcEquationOfTime, 30, false, false, false, true, false},
  };
  CalculatorWindow w(kCalcRiseSet);
  for (const Case& c : cases) {
    w.SetMode(c.mode);
    EXPECT_EQ(w.Mode(), c.mode);
    EXPECT_EQ(w.HelpTopic(), c.helpTopic) << c.mode;
    for (int other : {1, 2, 4, 8}) {
      EXPECT_EQ(w.Panel(other)->isVisibleTo(&w), other == c.mode) << c.mode << " " << other;
    }
    EXPECT_EQ(w.TimeField()->isVisibleTo(&w), c.time) << c.mode;
    EXPECT_EQ(w.AzimuthField()->isVisibleTo(&w), c.azimuth) << c.mode;
    EXPECT_EQ(w.TwilightButton(0)->isVisibleTo(&w), c.twilight) << c.mode;
    EXPECT_EQ(w.GraphButton()->isVisibleTo(&w), c.graph) << c.mode;
    EXPECT_EQ(w.AltitudeGraphButton()->isVisibleTo(&w), c.altitudeGraph) << c.mode;
    EXPECT_TRUE(w.windowTitle().startsWith("Sonnenstand - Berechnungen")) << c.mode;
  }
}

TEST_F(CalculatorWindowTest, EachModeHasItsHelpPageInBothLanguages) {
  // The page of a mode describes that mode's input.
  const std::pair<int, std::pair<const char*, const char*>> words[] = {
      {kCalcRiseSet, {"Dämmerung", "twilight"}},
      {kCalcPosition, {"Uhrzeit", "clock time"}},
      {kCalcTimeForAzimuth, {"Eingabe?", "Input?"}},
      {kCalcEquationOfTime, {"Zeitgleichung", "equation of time"}},
  };
  for (const auto& [mode, word] : words) {
    shell::SelectLanguage(true);
    EXPECT_TRUE(HelpPage(CalculatorHelpTopic(mode)).contains(QString::fromUtf8(word.first))) << mode;
    shell::SelectLanguage(false);
    EXPECT_TRUE(HelpPage(CalculatorHelpTopic(mode)).contains(word.second)) << mode;
  }
}

TEST_F(CalculatorWindowTest, OpensWithTheSharedSiteAndDate) {
  shell::State().general.today = {29, 2, 2024};
  shell::State().site.year = 2023;  // no 29 February: the last day of the month
  shell::State().general.timeOfDay = (9.0 + 30.0 / 60) / 24.0;
  shell::State().general.azimuthInput = -45.5;
  CalculatorWindow w(kCalcPosition);
  EXPECT_EQ(w.YearField()->text(), "2023");
  EXPECT_EQ(w.MonthField()->text(), "2");
  EXPECT_EQ(w.DayField()->text(), "28");
  EXPECT_EQ(w.LatitudeField()->text(), "47.251315");
  EXPECT_EQ(w.LongitudeField()->text(), "-9.590825");
  EXPECT_EQ(w.ZoneField()->text(), "-15.00");
  EXPECT_EQ(w.TimeField()->text(), "09:30:00");
  EXPECT_EQ(w.AzimuthField()->text(), "-45.50");
  EXPECT_TRUE(w.TwilightButton(2)->isChecked());  // astronomical
}

TEST_F(CalculatorWindowTest, TheDayThatDoesNotExistBecomesTheFifteenth) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcEquationOfTime);
  SetDate(w, 1582, 10, 10);
  ASSERT_TRUE(w.Compute());
  EXPECT_EQ(w.DayField()->text(), "15");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("1582/10/15"), std::string::npos);
  EXPECT_EQ(shell::State().general.today.day, 15);
  // The block names the corrected date.
  const auto& lines = shell::State().results.Lines();
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[3], "    Datum:           1582-10-15");
  // Leaving the day field checks at once.
  SetDate(w, 1582, 10, 5);
  w.LeaveDay();
  EXPECT_EQ(w.DayField()->text(), "15");
  EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(CalculatorWindowTest, FieldChecksNameTheFieldAndTheRange) {
  struct Case {
    const char* name;
    QLineEdit* (CalculatorWindow::*field)() const;
    bool (CalculatorWindow::*leave)();
    const char* typed;
    const char* shownAfter;  // nullptr: the typed text stays for correction
    std::vector<std::string> inMessage;
  };
  const Case cases[] = {
      {"latitude 95", &CalculatorWindow::LatitudeField, &CalculatorWindow::LeaveLatitude, "95",
       nullptr, {"geogr. Breite", "-90.00", "90.0"}},
      {"longitude 200", &CalculatorWindow::LongitudeField, &CalculatorWindow::LeaveLongitude,
       "200", "-9.590825", {"geogr. Länge", "180.0"}},
      {"zone -181", &CalculatorWindow::ZoneField, &CalculatorWindow::LeaveZone, "-181", "-15.00",
       {"Zonenmeridian", "180.0"}},
      {"year 2600", &CalculatorWindow::YearField, &CalculatorWindow::LeaveYear, "2600", nullptr,
       {"Jahr", "1300..2500"}},
      {"month 13", &CalculatorWindow::MonthField, &CalculatorWindow::LeaveMonth, "13", nullptr,
       {"Monat", "1..12"}},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    CalculatorWindow w(kCalcRiseSet);
    w.show();
    QApplication::setActiveWindow(&w);
    const shell::SiteSettings before = shell::State().site;
    (w.*c.field)()->setText(c.typed);
    EXPECT_TRUE((w.*c.leave)()) << c.name;
    ASSERT_EQ(sink.shown.size(), 1u) << c.name;
    for (const std::string& part : c.inMessage)
      EXPECT_NE(sink.shown[0].text.find(part), std::string::npos) << c.name << ": " << part;
    if (c.shownAfter) {
      EXPECT_EQ((w.*c.field)()->text(), c.shownAfter) << c.name;
    }
    EXPECT_TRUE((w.*c.field)()->hasFocus()) << c.name;
    EXPECT_EQ(shell::State().site.latitude, before.latitude) << c.name;
    EXPECT_EQ(shell::State().site.longitude, before.longitude) << c.name;
    EXPECT_EQ(shell::State().site.year, before.year) << c.name;
    // Nothing is computed while a field is wrong; a field that got its old
    // value back computes with it.
    shell::State().results.Clear();
    EXPECT_EQ(w.Compute(), c.shownAfter != nullptr) << c.name;
    EXPECT_EQ(shell::State().results.Empty(), c.shownAfter == nullptr) << c.name;
  }
}

TEST_F(CalculatorWindowTest, ADayBeyondTheMonthIsRefused) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcEquationOfTime);
  SetDate(w, 2023, 2, 29);
  EXPECT_FALSE(w.Compute());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("Datum fehlerhaft!"), std::string::npos);
  EXPECT_NE(sink.shown[0].text.find("1 .. 28"), std::string::npos);
  SetDate(w, 2024, 2, 29);
  EXPECT_TRUE(w.Compute());
  SetDate(w, 1900, 2, 29);  // not a leap year in the Gregorian calendar
  EXPECT_FALSE(w.Compute());
}

TEST_F(CalculatorWindowTest, TrueNoonIsDueSouthAtTheHighestAltitude) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcPosition);
  SetDate(w, 2024, 6, 21);
  w.TimeField()->setText("12:00");
  w.TimeKindButton(0)->click();  // true local time computes at once
  ASSERT_EQ(shell::State().results.BlockCount(), 1u);
  EXPECT_EQ(w.TimeField()->text(), "12:00:00");
  EXPECT_EQ(w.Result("azimuth")->text().trimmed(), "0.00");
  // The culmination: 90 - |latitude - declination|, with the declination as
  // shown (rounded to 0.01).
  const double declination = w.Result("positionDeclination")->text().toDouble();
  const double altitude = w.Result("altitude")->text().toDouble();
  EXPECT_NEAR(altitude, 90.0 - std::abs(47.251315 - declination), 0.011);
  // Half an hour either side the sun is lower.
  for (const char* t : {"11:30", "12:30"}) {
    w.TimeField()->setText(t);
    ASSERT_TRUE(w.Compute());
    EXPECT_LT(w.Result("altitude")->text().toDouble(), altitude) << t;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(CalculatorWindowTest, ShownRiseAndTwilightAreWhereTheSunHasItsEventAltitude) {
  // The sun's altitude at a shown time (through the position computation, a
  // different path from the rise search): -50' at rise and set, -6, -12 and
  // -18 degrees at twilight. A time shown to the minute is within half a
  // minute, in which the sun moves by at most 0.13 degrees at this latitude.
  RecordingMessageSink sink;
  for (int kind = 0; kind < 3; ++kind) {
    CalculatorWindow w(kCalcRiseSet);
    SetDate(w, 2024, 3, 1);
    w.TwilightButton(kind)->click();
    ASSERT_EQ(shell::State().general.twilightKind, kind);
    const shell::CalendarDate date{1, 3, 2024};
    const auto altitudeAt = [&](const QString& shown) {
      return calc::ComputePosition(shell::State().site, date, Hours(shown), calc::TimeKind::Zone)
          .sun.altitude;
    };
    EXPECT_TRUE(w.Result("sunRise")->text().endsWith(" hh:min"));
    EXPECT_NEAR(altitudeAt(w.Result("sunRise")->text()), -50.0 / 60, 0.15);
    EXPECT_NEAR(altitudeAt(w.Result("sunSet")->text()), -50.0 / 60, 0.15);
    const double depression[] = {-6, -12, -18};
    EXPECT_NEAR(altitudeAt(w.Result("twilightBegin")->text()), depression[kind], 0.15) << kind;
    EXPECT_NEAR(altitudeAt(w.Result("twilightEnd")->text()), depression[kind], 0.15) << kind;
    EXPECT_LT(Hours(w.Result("twilightBegin")->text()), Hours(w.Result("sunRise")->text()));
    EXPECT_FALSE(w.Result("moonRise")->text().isEmpty());
  }
}

TEST_F(CalculatorWindowTest, PolarDayShowsTheAlwaysTexts) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcRiseSet);
  SetDate(w, 2024, 6, 21);
  w.LatitudeField()->setText("78.2");  // Svalbard
  ASSERT_TRUE(w.Compute());
  EXPECT_EQ(w.Result("sunRise")->text(), "immer sichtbar");
  EXPECT_EQ(w.Result("sunSet")->text(), "immer sichtbar");
  EXPECT_EQ(w.Result("twilightBegin")->text().trimmed(), "immer hell");
}

TEST_F(CalculatorWindowTest, TimeForAzimuthNeedsAnAzimuth) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcTimeForAzimuth);
  SetDate(w, 2024, 6, 21);
  w.AzimuthField()->clear();
  EXPECT_FALSE(w.Compute());
  EXPECT_EQ(w.AzimuthField()->text(), "Eingabe?");
  EXPECT_TRUE(shell::State().results.Empty());
  EXPECT_TRUE(w.Result("zoneTime")->text().isEmpty());
  EXPECT_FALSE(w.Compute());  // the prompt itself is no azimuth
  shell::SelectLanguage(false);
  w.AzimuthField()->clear();
  EXPECT_FALSE(w.Compute());
  EXPECT_EQ(w.AzimuthField()->text(), "Input?");
  EXPECT_TRUE(sink.shown.empty());

  // Due west in summer: the time found puts the sun there.
  w.AzimuthField()->setText("90");
  ASSERT_TRUE(w.Compute());
  EXPECT_DOUBLE_EQ(shell::State().general.azimuthInput, 90.0);
  const double t = Hours(w.Result("zoneTime")->text());
  const auto sun =
      calc::ComputePosition(shell::State().site, {21, 6, 2024}, t, calc::TimeKind::Zone).sun;
  EXPECT_NEAR(sun.azimuth, 90.0, 0.05);  // 1 s of time is under 0.005 degrees
  EXPECT_NEAR(w.Result("azimuthAltitude")->text().toDouble(), sun.altitude, 0.06);
}

TEST_F(CalculatorWindowTest, ATimeThatIsNoTimeShowsError) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcPosition);
  w.TimeField()->setText("25:00");
  EXPECT_FALSE(w.Compute());
  EXPECT_EQ(w.TimeField()->text(), "Fehler!");
  EXPECT_TRUE(shell::State().results.Empty());
  w.TimeField()->setText(" 9:5");
  EXPECT_FALSE(w.LeaveTime());
  EXPECT_EQ(w.TimeField()->text(), "09:05:00");
  w.TimeField()->clear();
  EXPECT_FALSE(w.LeaveTime());
  EXPECT_EQ(w.TimeField()->text(), "12:00:00");
  EXPECT_DOUBLE_EQ(shell::State().general.timeOfDay, 0.5);
}

TEST_F(CalculatorWindowTest, AFarZoneMeridianIsAskedAboutUntilConfirmed) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcEquationOfTime);
  w.LongitudeField()->setText("-40");  // 40 degrees east under Central European Time
  EXPECT_FALSE(w.LeaveLongitude());
  sink.Script({MessageAnswer::No});
  EXPECT_FALSE(w.Compute());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Warning);
  EXPECT_NE(sink.shown[0].text.find("15 Grad"), std::string::npos);
  EXPECT_TRUE(shell::State().results.Empty());
  EXPECT_TRUE(w.Compute());  // Yes
  EXPECT_TRUE(w.Compute());  // confirmed: no more questions
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_DOUBLE_EQ(shell::State().site.longitude, -40.0);
  // 14 degrees is near enough.
  w.LongitudeField()->setText("-29");
  EXPECT_FALSE(w.LeaveLongitude());
  EXPECT_TRUE(w.Compute());
  EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(CalculatorWindowTest, TypingClearsTheResults) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcEquationOfTime);
  ASSERT_TRUE(w.Compute());
  ASSERT_FALSE(w.Result("noonDeclination")->text().isEmpty());
  // A Ctrl key (copy) leaves them.
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c");
  QApplication::sendEvent(w.DayField(), &copy);
  EXPECT_FALSE(w.Result("noonDeclination")->text().isEmpty());
  QKeyEvent digit(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
  QApplication::sendEvent(w.DayField(), &digit);
  EXPECT_TRUE(w.Result("noonDeclination")->text().isEmpty());
  EXPECT_TRUE(w.Result("noonEquationOfTime")->text().isEmpty());
}

TEST_F(CalculatorWindowTest, TheResultListOutlivesTheWindowAndPrints) {
  RecordingMessageSink sink;
  QTemporaryDir dir;
  const QString pdf = dir.filePath("results.pdf");
  int dialogs = 0;
  TheCalculatorDialogs().printDialog = [&](QWidget*, QPrinter& printer) {
    ++dialogs;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  {
    CalculatorWindow w(kCalcEquationOfTime);
    ASSERT_TRUE(w.Compute());
    w.SetMode(kCalcRiseSet);
    ASSERT_TRUE(w.Compute());
  }
  shell::ResultList& results = shell::State().results;
  ASSERT_EQ(results.BlockCount(), 2u);
  CalculatorWindow w(kCalcEquationOfTime);
  // Cancel takes the last block back.
  sink.Script({MessageAnswer::Cancel});
  w.Print();
  EXPECT_EQ(results.BlockCount(), 1u);
  EXPECT_EQ(results.Lines().back(), calc::RuleLine());
  // No: the lines wait on the open page; nothing is printed yet.
  sink.Script({MessageAnswer::No});
  w.Print();
  EXPECT_TRUE(results.Empty());
  EXPECT_FALSE(results.OpenPage().empty());
  EXPECT_TRUE(w.OpenPageLabel()->isVisibleTo(&w));
  EXPECT_EQ(dialogs, 0);
  // Yes: the page goes out with the new block and the list is empty.
  ASSERT_TRUE(w.Compute());
  sink.Script({MessageAnswer::Yes});
  w.Print();
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(results.Empty());
  EXPECT_TRUE(results.OpenPage().empty());
  EXPECT_FALSE(w.OpenPageLabel()->isVisibleTo(&w));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
  // Nothing left: an information, no question and no print.
  const std::size_t shown = sink.shown.size();
  w.Print();
  ASSERT_EQ(sink.shown.size(), shown + 1);
  EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Information);
  EXPECT_EQ(dialogs, 1);
}

TEST_F(CalculatorWindowTest, PopupPrintCommandsAndACancelledDialogKeepTheLines) {
  RecordingMessageSink sink;
  bool accept = false;
  int dialogs = 0;
  TheCalculatorDialogs().printDialog = [&](QWidget*, QPrinter&) {
    ++dialogs;
    return accept;
  };
  CalculatorWindow w(kCalcEquationOfTime);
  ASSERT_TRUE(w.Compute());
  shell::ResultList& results = shell::State().results;
  const std::vector<std::string> lines = results.Lines();
  w.PrintWithPageEnd();  // the print dialog is cancelled
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(results.Lines(), lines);
  w.PrintWithoutPageEnd();
  EXPECT_EQ(results.OpenPage(), lines);
  w.PrintPage();  // cancelled again: the page still waits
  EXPECT_EQ(results.OpenPage(), lines);
  accept = true;
  QTemporaryDir dir;
  CalculatorPrinter().setOutputFormat(QPrinter::PdfFormat);
  CalculatorPrinter().setOutputFileName(dir.filePath("page.pdf"));
  w.PrintPage();
  EXPECT_TRUE(results.OpenPage().empty());
  EXPECT_TRUE(QFile::exists(dir.filePath("page.pdf")));
  dialogs = 0;
  w.PrintPage();  // an empty page is not printed
  EXPECT_EQ(dialogs, 0);
  CalculatorPrinter().setOutputFileName(QString());
}

TEST_F(CalculatorWindowTest, TablesAndGraphsOpenTheTablesWindow) {
  RecordingMessageSink sink;
  std::vector<std::pair<int, int>> opened;
  SetTablesOpener([&](int mode, int kind) { opened.emplace_back(mode, kind); });
  CalculatorWindow w(kCalcEquationOfTime);
  QMenu* more = nullptr;
  for (QAction* a : w.PopupMenu()->actions()) {
    if (a->menu()) more = a->menu();
  }
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(more->title(), "Weitere Tabellen ...");
  ASSERT_EQ(more->actions().size(), 4);
  for (QAction* a : more->actions()) a->trigger();
  const std::vector<std::pair<int, int>> tables = {
      {kTablesRiseSet, 0},
      {kTablesYearly, kTableEquationOfTime},
      {kTablesYearly, kTableDeclination},
      {kTablesYearly, kTableTrueNoon},
  };
  EXPECT_EQ(opened, tables);
  // The graph takes year, longitude and zone meridian from the fields.
  opened.clear();
  w.YearField()->setText("2031");
  w.LongitudeField()->setText("-10.5");
  w.GraphButton()->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].first, kTablesEquationGraph);
  EXPECT_EQ(shell::State().site.year, 2031);
  EXPECT_DOUBLE_EQ(shell::State().site.longitude, -10.5);
  w.SetMode(kCalcPosition);
  w.AltitudeGraphButton()->click();
  EXPECT_EQ(opened.back().first, kTablesSunPath);
  // " T&abellen" opens the table of the mode.
  w.SetMode(kCalcRiseSet);
  w.TwilightButton(0)->setChecked(true);
  w.TablesButton()->click();
  EXPECT_EQ(opened.back(), std::make_pair(kTablesRiseSet, 0));
  EXPECT_EQ(shell::State().general.twilightKind, 0);
}

TEST_F(CalculatorWindowTest, DialDataFromThePopup) {
  RecordingMessageSink sink;
  QTemporaryDir dir;
  const QString path = dir.filePath("site.kel");
  TheCalculatorDialogs().saveFile = [&](QWidget*, const QString&, const QString& suggested,
                                        const QString&) {
    EXPECT_EQ(suggested, "myDial.kel");
    return path;
  };
  TheCalculatorDialogs().openFile = [&](QWidget*, const QString&, const QString&) {
    return path;
  };
  CalculatorWindow w(kCalcRiseSet);
  w.LatitudeField()->setText("-33.87");
  w.LongitudeField()->setText("-151.21");
  w.ZoneField()->setText("-150");
  w.SaveDialData();
  ASSERT_TRUE(QFile::exists(path));
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, -33.87);
  shell::State().site = shell::SiteSettings{};
  int changed = 0;
  QObject::connect(&w, &CalculatorWindow::SiteChanged, [&] { ++changed; });
  w.LoadDialData();
  EXPECT_EQ(changed, 1);
  EXPECT_NEAR(shell::State().site.latitude, -33.87, 1e-6);
  EXPECT_EQ(w.LatitudeField()->text(), "-33.870000");
  EXPECT_EQ(w.ZoneField()->text(), "-150.00");
}

TEST_F(CalculatorWindowTest, EnglishLabelsAndLines) {
  RecordingMessageSink sink;
  CalculatorWindow w(kCalcRiseSet);
  shell::SelectLanguage(false);
  ApplyLanguage();
  w.Retranslate();
  EXPECT_EQ(w.ComputeButton()->text(), "Calculate");
  EXPECT_TRUE(w.windowTitle().startsWith("Sun Position - Calculations"));
  EXPECT_EQ(w.TwilightButton(1)->text(), "nautical ");
  bool seenMore = false;
  for (QAction* a : w.PopupMenu()->actions()) seenMore |= a->text() == "More Tables ...";
  EXPECT_TRUE(seenMore);
  SetDate(w, 2024, 6, 21);
  w.LatitudeField()->setText("78.2");
  ASSERT_TRUE(w.Compute());
  EXPECT_EQ(w.Result("sunRise")->text(), " always seen  ");
  const auto& lines = shell::State().results.Lines();
  EXPECT_EQ(lines[3], "    Date :           2024- 6-21");
}

TEST_F(CalculatorWindowTest, TheMainWindowOpensTheModesAndPrintsTheResults) {
  RecordingMessageSink sink;
  MainWindow main;
  // F9 .. F12.
  const std::pair<int, int> keys[] = {{24, kCalcRiseSet},
                                      {25, kCalcPosition},
                                      {26, kCalcTimeForAzimuth},
                                      {27, kCalcEquationOfTime}};
  CalculatorWindow* first = nullptr;
  for (const auto& [menu, mode] : keys) {
    main.MenuAction(menu)->trigger();
    uitest::Pump();
    ASSERT_EQ(main.TaskWindows().size(), 1);
    auto* calc = qobject_cast<CalculatorWindow*>(main.TaskWindows().front());
    ASSERT_NE(calc, nullptr) << menu;
    if (!first) first = calc;
    EXPECT_EQ(calc, first) << "an open calculator changes its mode";
    EXPECT_EQ(calc->Mode(), mode) << menu;
    EXPECT_EQ(calc->HelpTopic(), CalculatorHelpTopic(mode));
  }
  ASSERT_TRUE(first->Compute());
  ASSERT_TRUE(first->Compute());
  // "&Drucken..." asks; Cancel takes the last block back.
  sink.Script({MessageAnswer::Cancel});
  main.MenuAction(5)->trigger();
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Question);
  EXPECT_EQ(sink.shown.back().text, "Daten mit Seitenvorschub ausdrucken?");
  EXPECT_EQ(shell::State().results.BlockCount(), 1u);
  // The list survives the window.
  EXPECT_TRUE(main.CloseAllWindows());
  uitest::Pump();
  EXPECT_EQ(shell::State().results.BlockCount(), 1u);
}

}  // namespace
}  // namespace kelvra::ui
