// The tables window offscreen: the yearly and rise and set tables with their
// choices, the picture, the export with the separator question, printing into
// a PDF page of the right orientation, and the main window's table commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPrinter>

#include "astro/solar_ephemeris.h"
#include "calc/tables/eot_by_longitude.h"
#include "calc/tables/rise_set_table.h"
#include "calc/tables/table_export.h"
#include "calc/tables/yearly_table.h"
#include "cli/cli.h"
#include "shell/catalog.h"
#include "shell/safe_save.h"
#include "shell/shared_state.h"
#include "ui/calc/calculator_window.h"
#include "ui/calc/table_printing.h"
#include "ui/calc/table_view.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/calc/tables_window.h"
#include "ui/main/main_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

namespace fs = std::filesystem;
using shell::MessageAnswer;

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class TablesWindowTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    folder_ = fs::temp_directory_path() / ("kelvra-tables-window-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    shell::State().site.year = 2024;
    shell::State().general.today.month = 3;
    shell::State().general.tableKind = 0;
    shell::State().general.riseSetRange = 0;
    shell::State().general.twilightKind = 2;
  }
  void TearDown() override {
    ResetTablesWindowDialogs();
    fs::remove_all(folder_);
    UiTest::TearDown();
  }
  fs::path folder_;
};

TEST_F(TablesWindowTest, YearlyTableFollowsItsChoice) {
  TablesWindow w(TablesMode::Yearly, 2);
  EXPECT_EQ(w.CurrentTable().lines,
            calc::BuildYearlyTable(shell::State().site, calc::YearTableKind::Declination, 1).lines);
  EXPECT_EQ(w.YearKindChoice()->count(), 4);
  EXPECT_EQ(w.YearKindChoice()->currentIndex(), 2);
  EXPECT_EQ(w.windowTitle().toStdString(), " Tabelle Sonnendeklination");
  w.YearKindChoice()->setCurrentIndex(3);
  EXPECT_EQ(w.CurrentTable().layout, calc::TableLayout::YearlyNoon);
  EXPECT_EQ(shell::State().general.tableKind, 3);  // kept for the next opening
  EXPECT_EQ(w.windowTitle().toStdString(), "Tabelle der Meridiandurchgänge");
  shell::SelectLanguage(false);
  w.Retranslate();
  EXPECT_EQ(w.CurrentTable().lines,
            calc::BuildYearlyTable(shell::State().site, calc::YearTableKind::TrueNoon, 2).lines);
  EXPECT_EQ(w.YearKindChoice()->itemText(3).toStdString(), "Sun passage times");
  EXPECT_EQ(w.PopupMenu()->actions().size(), 3);
}

TEST_F(TablesWindowTest, RiseSetTableFollowsRangeMonthAndTwilight) {
  TablesWindow w(TablesMode::RiseSet, 0);
  const shell::SiteSettings& site = shell::State().site;
  EXPECT_EQ(w.MonthChoice()->currentIndex(), 2);  // today's month
  EXPECT_EQ(w.CurrentTable().lines,
            calc::BuildMonthTable(site, 3, astro::TwilightKind::Astronomical, 1).lines);
  w.TwilightChoice()->setCurrentIndex(0);
  w.MonthChoice()->setCurrentIndex(1);
  EXPECT_EQ(w.CurrentTable().lines,
            calc::BuildMonthTable(site, 2, astro::TwilightKind::Civil, 1).lines);
  EXPECT_EQ(shell::State().general.twilightKind, 0);
  w.RangeChoice()->setCurrentIndex(2);
  EXPECT_EQ(w.CurrentTable().lines, calc::BuildHalfYearTable(site, 7, 1).lines);
  EXPECT_FALSE(w.MonthChoice()->isEnabled());
  EXPECT_EQ(shell::State().general.riseSetRange, 2);
}

// The picture: the point size comes down until the table fits, the frame is
// light grey, the text black on white.
TEST_F(TablesWindowTest, PictureFitsAndIsFramed) {
  struct Case {
    const char* name;
    TablesMode mode;
    int variant;
    int range;
    int startPoints;
  } cases[] = {{"equation of time", TablesMode::Yearly, 0, 0, 11},
               {"true noon", TablesMode::Yearly, 3, 0, 11},
               {"one month", TablesMode::RiseSet, 0, 0, 12},
               {"half-year", TablesMode::RiseSet, 0, 1, 11}};
  for (const auto& c : cases) {
    shell::State().general.riseSetRange = c.range;
    TablesWindow w(c.mode, c.variant);
    TableView* view = w.View();
    view->resize(2000, 1400);
    const int large = view->FittedPointSize();
    EXPECT_EQ(large, c.startPoints) << c.name;
    // A small window: a smaller font, and the whole table inside the view.
    view->resize(560, 420);
    EXPECT_LT(view->FittedPointSize(), large) << c.name;
    EXPECT_TRUE(view->rect().contains(view->TableRect())) << c.name;
  }
  TablesWindow w(TablesMode::Yearly, 0);
  TableView* view = w.View();
  view->resize(1200, 900);
  const QImage picture = view->grab().toImage();
  const QRect frame = view->TableRect();
  EXPECT_EQ(QColor(picture.pixel(frame.center().x(), frame.top())), TableView::FrameColor());
  EXPECT_EQ(QColor(picture.pixel(2, 2)), QColor(Qt::white));
  int black = 0;
  for (int y = frame.top(); y < frame.bottom(); y += 2) {
    for (int x = frame.left(); x < frame.right(); x += 2) black += qGray(picture.pixel(x, y)) < 80;
  }
  EXPECT_GT(black, 1000);
}

// A CSV export asks for the separator each time and uses only that answer;
// the name chosen is cut at its first "." and gets the filter's extension.
TEST_F(TablesWindowTest, ExportAsksForTheSeparator) {
  kelvra::testing::RecordingMessageSink sink;
  TablesWindow w(TablesMode::Yearly, 0);
  int filter = 1;
  // A dot in the folder's name stays; the file name is cut at its first dot.
  fs::create_directories(folder_ / "v1.2");
  QString name = QString::fromStdString((folder_ / "v1.2" / "Tabelle.neu.x").string());
  TablesWindowDialogs().saveFile = [&](QWidget*, const QString& caption, const QString& proposal,
                                       const QString&, int* index) {
    EXPECT_EQ(caption.toStdString(), "KELVRA.EXE - Tabelle speichern");
    EXPECT_EQ(proposal.toStdString(), "Tabelle");
    *index = filter;
    return name;
  };
  const fs::path csv = folder_ / "v1.2" / "Tabelle.csv";
  sink.Script({MessageAnswer::No});
  w.ExportTable();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Question);
  EXPECT_EQ(sink.shown[0].text,
            "csv-trennzeichen w\u00e4hlen \nja = Standard (;) oder nein = Komma (,)");
  EXPECT_EQ(ReadBytes(csv), calc::ExportTableBytes(w.CurrentTable(), {true, ','}));
  // The second time the file written is chosen in the dialog, which asked
  // about replacing it.
  name = QString::fromStdString(csv.string());
  sink.Script({MessageAnswer::Yes});
  w.ExportTable();
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(ReadBytes(csv), calc::ExportTableBytes(w.CurrentTable(), {true, ';'}));
  filter = 0;
  w.ExportTable();
  EXPECT_EQ(sink.shown.size(), 2u);  // no question for a text file
  EXPECT_EQ(ReadBytes(folder_ / "v1.2" / "Tabelle.txt"),
            calc::ExportTableBytes(w.CurrentTable(), {}));
  // A folder that does not exist: the error names the file.
  name = QString::fromStdString((folder_ / "missing" / "t.txt").string());
  w.ExportTable();
  ASSERT_EQ(sink.shown.size(), 3u);
  EXPECT_EQ(sink.shown[2].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[2].text, "Open error: File  " + (folder_ / "missing" / "t.txt").string());
}

// The save dialog confirms replacing the name typed; when the extension rule
// turns it into the name of another file that exists ("notes.backup" becomes
// "notes.txt"), the window asks before replacing that file.
TEST_F(TablesWindowTest, ExportAsksBeforeReplacingAnotherFile) {
  kelvra::testing::RecordingMessageSink sink;
  TablesWindow w(TablesMode::Yearly, 0);
  const fs::path notes = folder_ / "notes.txt";
  { std::ofstream(notes, std::ios::binary) << "my own notes"; }
  QString typed;
  TablesWindowDialogs().saveFile = [&](QWidget*, const QString&, const QString&, const QString&,
                                       int* index) {
    *index = 0;
    return typed;
  };
  const std::string table = calc::ExportTableBytes(w.CurrentTable(), {});
  struct Case {
    const char* typed;
    MessageAnswer answer;
    bool asked;
    const char* expected;
  } cases[] = {
      {"notes.backup", MessageAnswer::No, true, "my own notes"},
      {"notes.backup", MessageAnswer::Yes, true, nullptr},
      // The dialog itself asked about this very name.
      {"notes.txt", MessageAnswer::Yes, false, nullptr},
  };
  for (const auto& c : cases) {
    { std::ofstream(notes, std::ios::binary) << "my own notes"; }
    typed = QString::fromStdString((folder_ / c.typed).string());
    sink.shown.clear();
    if (c.asked) sink.Script({c.answer});
    w.ExportTable();
    if (c.asked) {
      ASSERT_EQ(sink.shown.size(), 1u) << c.typed;
      EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Question);
      EXPECT_NE(sink.shown[0].text.find(notes.string()), std::string::npos) << sink.shown[0].text;
    } else {
      EXPECT_TRUE(sink.shown.empty()) << c.typed;
    }
    EXPECT_EQ(ReadBytes(notes), c.expected ? std::string(c.expected) : table) << c.typed;
  }
}

// The window's export writes the bytes `kelvra table -o` writes for the same
// site, year and language; a failed save shows the message and leaves the
// file that was there as it was.
TEST_F(TablesWindowTest, ExportMatchesTheCommandAndKeepsAFileOnFailure) {
  kelvra::testing::RecordingMessageSink sink;
  ::setenv("KELVRA_HOME", folder_.c_str(), 1);
  shell::SiteSettings& site = shell::State().site;
  site.latitude = 52.52;
  site.longitude = -13.4;
  site.zoneMeridian = -15;
  site.year = 1900;
  auto number = [](double v) {
    std::ostringstream s;
    s.precision(17);
    s << v;
    return s.str();
  };
  const std::vector<std::string> siteArgs = {"--lat", number(site.latitude), "--lon",
                                             number(site.longitude), "--zone",
                                             number(site.zoneMeridian), "--year", "1900",
                                             "--lang", "de"};
  struct Case {
    const char* name;
    TablesMode mode;
    int variant;  // yearly kind, or the rise and set range
    int filter;   // 0 text, 1 CSV
    MessageAnswer separator;
    std::vector<std::string> command;
  } cases[] = {
      {"noon.csv", TablesMode::Yearly, 3, 1, MessageAnswer::No,
       {"table", "noon", "--csv", "--sep", ","}},
      {"eot.txt", TablesMode::Yearly, 1, 0, MessageAnswer::Yes, {"table", "eot-longitude"}},
      {"half.csv", TablesMode::RiseSet, 2, 1, MessageAnswer::Yes,
       {"table", "riseset", "--half", "2", "--csv"}},
      {"month.txt", TablesMode::RiseSet, 0, 0, MessageAnswer::Yes,
       {"table", "riseset", "--month", "3", "--twilight", "astronomical"}},
  };
  for (const auto& c : cases) {
    shell::State().general.riseSetRange = c.mode == TablesMode::RiseSet ? c.variant : 0;
    const shell::SiteSettings opened = site;
    TablesWindow w(c.mode, c.variant);
    const fs::path file = folder_ / c.name;
    TablesWindowDialogs().saveFile = [&](QWidget*, const QString&, const QString&, const QString&,
                                         int* index) {
      *index = c.filter;
      return QString::fromStdString(file.string());
    };
    sink.Script({c.separator});
    w.ExportTable();

    std::vector<std::string> args = c.command;
    args.insert(args.end(), siteArgs.begin(), siteArgs.end());
    const fs::path byCommand = folder_ / ("command-" + std::string(c.name));
    args.insert(args.end(), {"-o", byCommand.string()});
    std::ostringstream out, err;
    ASSERT_EQ(cli::RunCli(args, out, err), 0) << err.str();
    site = opened;
    EXPECT_EQ(ReadBytes(file), ReadBytes(byCommand)) << c.name;
    EXPECT_FALSE(ReadBytes(file).empty()) << c.name;
  }
  EXPECT_EQ(sink.shown.size(), 2u);  // the two CSV questions, nothing else

  // A save that fails half-way: the message, the old file unchanged.
  const fs::path kept = folder_ / "kept.txt";
  { std::ofstream(kept, std::ios::binary) << "yesterday's table"; }
  TablesWindow w(TablesMode::Yearly, 0);
  TablesWindowDialogs().saveFile = [&](QWidget*, const QString&, const QString&, const QString&,
                                       int* index) {
    *index = 0;
    return QString::fromStdString(kept.string());
  };
  {
    shell::ScopedSaveFault fault({shell::SaveStage::Write, 28, 500, 0});
    w.ExportTable();
  }
  ASSERT_EQ(sink.shown.size(), 3u);
  EXPECT_EQ(sink.shown[2].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[2].text, "Open error: File  " + kept.string());
  EXPECT_EQ(ReadBytes(kept), "yesterday's table");
  ::unsetenv("KELVRA_HOME");
}

// The width and height of the first page of a PDF file, in points.
std::pair<double, double> PdfPageSize(const std::string& pdf) {
  static const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
  std::smatch m;
  if (!std::regex_search(pdf, m, box)) return {0, 0};
  return {std::stod(m[1]), std::stod(m[2])};
}

TEST_F(TablesWindowTest, PrintsAPdfPageOfTheRightOrientation) {
  struct Case {
    TablesMode mode;
    int range;
    bool landscape;
  } cases[] = {{TablesMode::RiseSet, 0, false},
               {TablesMode::RiseSet, 1, true},
               {TablesMode::Yearly, 0, false},
               {TablesMode::Yearly, 3, false}};
  int dialogs = 0;
  TablesWindowDialogs().printDialog = [&](QWidget*, QPrinter&) { return ++dialogs > 0; };
  for (const auto& c : cases) {
    shell::State().general.riseSetRange = c.range;
    TablesWindow w(c.mode, c.range);
    const fs::path pdf = folder_ / "table.pdf";
    fs::remove(pdf);
    TablesPrinter().setOutputFormat(QPrinter::PdfFormat);
    TablesPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
    w.Print();
    const auto [width, height] = PdfPageSize(ReadBytes(pdf));
    ASSERT_GT(width, 0) << "no page";
    EXPECT_EQ(width > height, c.landscape) << width << " x " << height;
  }
  EXPECT_EQ(dialogs, 4);
  // A cancelled dialog prints nothing.
  TablesWindowDialogs().printDialog = [](QWidget*, QPrinter&) { return false; };
  const fs::path pdf = folder_ / "none.pdf";
  TablesPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
  TablesWindow(TablesMode::Yearly, 0).Print();
  EXPECT_FALSE(fs::exists(pdf));
}

// Each printed layout lies on its page: a sheet of A4 in 0.1 mm (landscape for
// the half-year table) with a 6 mm unprintable margin all round, painted as
// the printer would be; the ink stays inside the printable part.
TEST_F(TablesWindowTest, PrintedTablesFitTheirPage) {
  const shell::SiteSettings& site = shell::State().site;
  struct Case {
    const char* name;
    calc::Table table;
    std::vector<std::string> full;
  } cases[] = {
      {"one month", calc::BuildMonthTable(site, 3, astro::TwilightKind::Civil, 1), {}},
      {"half-year", calc::BuildHalfYearTable(site, 7, 1), {}},
      {"half-year English", calc::BuildHalfYearTable(site, 1, 2), {}},
      {"equation of time", calc::BuildYearlyTable(site, calc::YearTableKind::EquationOfTime, 1),
       calc::BuildYearlyTableFull(site, calc::YearTableKind::EquationOfTime, 1)},
      {"true noon", calc::BuildYearlyTable(site, calc::YearTableKind::TrueNoon, 2),
       calc::BuildYearlyTableFull(site, calc::YearTableKind::TrueNoon, 2)},
  };
  constexpr int kMargin = 60;
  for (const auto& c : cases) {
    const bool landscape = PrintsLandscape(c.table.layout);
    const QSize sheet = landscape ? QSize(2970, 2100) : QSize(2100, 2970);
    QImage page(sheet.width() - 2 * kMargin, sheet.height() - 2 * kMargin, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      PaintTablePage(painter, {double(page.width()), double(kMargin)}, c.table, c.full);
    }
    QRect ink;
    for (int y = 0; y < page.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
      for (int x = 0; x < page.width(); ++x) {
        if (qGray(row[x]) < 128) ink |= QRect(x, y, 1, 1);
      }
    }
    ASSERT_FALSE(ink.isEmpty()) << c.name;
    EXPECT_LT(ink.right(), page.width() - 1) << c.name << ": cut at the right edge";
    EXPECT_LT(ink.bottom(), page.height() - 1) << c.name << ": cut at the bottom";
    EXPECT_GT(ink.width(), page.width() / 2) << c.name << ": the table spans the page";
  }
}

// A printer that cannot start the job: the message, nothing printed.
TEST_F(TablesWindowTest, PrinterErrorIsReported) {
  kelvra::testing::RecordingMessageSink sink;
  TablesWindowDialogs().printDialog = [](QWidget*, QPrinter&) { return true; };
  TablesPrinter().setOutputFormat(QPrinter::PdfFormat);
  const fs::path pdf = folder_ / "missing" / "table.pdf";
  TablesPrinter().setOutputFileName(QString::fromStdString(pdf.string()));
  TablesWindow w(TablesMode::Yearly, 0);
  w.Print();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[0].text, "Fehler - Drucken abgebrochen!");
  EXPECT_FALSE(fs::exists(pdf));
}

// The printed equation-of-time-by-longitude table of 240 steps: its heading
// and 241 rows at 63 lines a page make four portrait pages.
TEST_F(TablesWindowTest, PrintedEquationOfTimeByLongitudeTakesItsPages) {
  const std::vector<std::string> lines =
      calc::EquationOfTimeByLongitudeLines(astro::EquationOfTimeByLongitude(240, 2024));
  ASSERT_EQ(lines.size(), 242u);
  const fs::path pdf = folder_ / "eot.pdf";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  ASSERT_TRUE(PrintEotByLongitude(printer, lines));
  const std::string bytes = ReadBytes(pdf);
  static const std::regex page(R"(/Type\s*/Page[^s])");
  EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                          std::sregex_iterator()),
            4);
  const auto [width, height] = PdfPageSize(bytes);
  EXPECT_LT(width, height);
}

// The main window's table commands (Alt+F9 .. Alt+F12) and the calculator's
// "Weitere Tabellen ..." open the window through the one opening path; the
// calculator closes.
TEST_F(TablesWindowTest, MainWindowAndCalculatorOpenTheTables) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow main;
  struct Case {
    int menu;
    TablesMode mode;
    calc::TableLayout layout;
    int kind;
  } cases[] = {{29, TablesMode::RiseSet, calc::TableLayout::Month, -1},
               {30, TablesMode::Yearly, calc::TableLayout::Yearly, 0},
               {31, TablesMode::Yearly, calc::TableLayout::Yearly, 2},
               {32, TablesMode::Yearly, calc::TableLayout::YearlyNoon, 3}};
  for (const auto& c : cases) {
    main.MenuAction(c.menu)->trigger();
    uitest::Pump();
    ASSERT_EQ(main.TaskWindows().size(), 1) << c.menu;
    auto* w = qobject_cast<TablesWindow*>(main.TaskWindows().front());
    ASSERT_NE(w, nullptr) << c.menu;
    EXPECT_EQ(w->Mode(), c.mode) << c.menu;
    EXPECT_EQ(w->CurrentTable().layout, c.layout) << c.menu;
    if (c.kind >= 0) {
      EXPECT_EQ(w->YearKindChoice()->currentIndex(), c.kind) << c.menu;
    }
    EXPECT_EQ(w->HelpTopic(), 51);
  }
  // F3 is offered for a table.
  EXPECT_TRUE(main.MenuAction(5)->isEnabled());

  // From the calculator's pop-up "Weitere Tabellen ...".
  const std::pair<int, calc::TableLayout> entries[] = {{0, calc::TableLayout::Month},
                                                       {1, calc::TableLayout::Yearly},
                                                       {3, calc::TableLayout::YearlyNoon}};
  for (const auto& [entry, layout] : entries) {
    main.MenuAction(27)->trigger();  // F12
    uitest::Pump();
    auto* calculator = qobject_cast<CalculatorWindow*>(main.TaskWindows().value(0));
    ASSERT_NE(calculator, nullptr);
    QMenu* more = nullptr;
    for (QAction* a : calculator->PopupMenu()->actions()) {
      if (a->menu()) more = a->menu();
    }
    ASSERT_NE(more, nullptr);
    more->actions().at(entry)->trigger();
    uitest::Pump();
    ASSERT_EQ(main.TaskWindows().size(), 1) << entry;
    auto* w = qobject_cast<TablesWindow*>(main.TaskWindows().front());
    ASSERT_NE(w, nullptr) << "entry " << entry;
    EXPECT_EQ(w->CurrentTable().layout, layout) << entry;
  }
}

// The main window's language switch shows the open table in the new
// language, for the site and year the window opened with.
TEST_F(TablesWindowTest, LanguageSwitchRebuildsTheOpenTable) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow main;
  auto* w = qobject_cast<TablesWindow*>(main.OpenTables(1));
  ASSERT_NE(w, nullptr);
  const shell::SiteSettings opened = shell::State().site;
  shell::State().site.year = 2030;  // changed elsewhere after the opening
  main.SelectLanguage(false);
  EXPECT_EQ(w->CurrentTable().lines,
            calc::BuildMonthTable(opened, 3, astro::TwilightKind::Astronomical, 2).lines);
  EXPECT_EQ(w->RangeChoice()->itemText(0).toStdString(), "only 1 month");
  EXPECT_EQ(w->MonthChoice()->currentIndex(), 2);
}

// Closing the colour panel opens the tables window again, showing what it
// showed (here the yearly table of kind 1, which no menu command opens).
TEST_F(TablesWindowTest, ClosingTheColourPanelReopensTheTables) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow main;
  QPointer<TablesWindow> first = qobject_cast<TablesWindow*>(main.OpenTables(0));
  ASSERT_FALSE(first.isNull());
  first->YearKindChoice()->setCurrentIndex(1);
  main.ShowColourPanel();
  main.Colours()->Close();
  uitest::Pump();
  uitest::Pump();
  ASSERT_EQ(main.TaskWindows().size(), 1);
  auto* again = qobject_cast<TablesWindow*>(main.TaskWindows().front());
  ASSERT_NE(again, nullptr);
  // A new window (the old one is gone or on its way out).
  EXPECT_TRUE(first.isNull() || first.data() != again);
  EXPECT_EQ(again->Mode(), TablesMode::Yearly);
  EXPECT_EQ(again->YearKindChoice()->currentIndex(), 1);
}

// A graph that can print, as the graph modes host it.
class PrintingGraph : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  int printed = 0;
 public slots:
  void Print() { ++printed; }
};

// Modes 16 and 32 host the graph the factory makes (a placeholder without
// one); the window's and the main window's print command reach the graph.
TEST_F(TablesWindowTest, GraphModesHostTheGraphAndPassPrintingOn) {
  kelvra::testing::RecordingMessageSink sink;
  SetGraphViewFactory({});  // an earlier main window registered the program's views
  {
    TablesWindow placeholder(TablesMode::EotGraph, 0);
    EXPECT_EQ(placeholder.View(), nullptr);
    placeholder.Print();  // nothing to print, no message
    EXPECT_TRUE(sink.shown.empty());
  }
  PrintingGraph* graph = nullptr;
  std::vector<std::pair<TablesMode, int>> made;
  // After the main window, which registers the program's graph views.
  MainWindow main;
  SetGraphViewFactory([&](TablesMode mode, int variant, QWidget* parent) -> QWidget* {
    made.emplace_back(mode, variant);
    graph = new PrintingGraph(parent);
    return graph;
  });
  main.MenuAction(33)->trigger();  // Ctrl+F12
  uitest::Pump();
  ASSERT_NE(graph, nullptr);
  auto* w = qobject_cast<TablesWindow*>(main.TaskWindows().value(0));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Mode(), TablesMode::EotGraph);
  EXPECT_EQ(w->HelpTopic(), 50);
  EXPECT_TRUE(main.MenuAction(5)->isEnabled());
  main.MenuAction(5)->trigger();  // F3
  EXPECT_EQ(graph->printed, 1);
  w->Print();
  EXPECT_EQ(graph->printed, 2);
  main.MenuAction(36)->trigger();  // Ctrl+F11: the circular sun path
  uitest::Pump();
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[1], std::make_pair(TablesMode::SunPath, 2));
  SetGraphViewFactory({});
}

}  // namespace
}  // namespace kelvra::ui

#include "tables_window_test.moc"
