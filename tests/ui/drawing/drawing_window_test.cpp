// The drawing window: draw and zoom commands, picking the origin with the
// mouse and carrying it to the plot page, the save panel, and printing.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "canvas/page_output.h"
#include "config/dial_parameters.h"
#include "dials/dial_family.h"
#include "output/recording_plot_sink.h"
#include "persist/dial_data_file.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/listing_panels.h"
#include "ui/dialogs/save_panel.h"
#include "support/test_family.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageAnswer;
using uitest::Pump;

constexpr QSize kPicture(1000, 700);

class DrawingWindowTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    output::TheDrawingView() = output::DrawingView{};
    DrawingWindow::RememberedFileName() = "kel.plt";
    ResetDialogs();
    // Dialogs answer from the test: the save dialog takes the suggested name
    // inside the test folder; the input box gives its default; printing goes
    // to a PDF file.
    Dialogs().saveFile = [this](QWidget*, const QString&, const QString& suggested,
                                const QString&) {
      suggestedNames_.push_back(QFileInfo(suggested).fileName());
      return dir_.filePath(QFileInfo(suggested).fileName());
    };
    Dialogs().askText = [](QWidget*, const QString&, const QString&, const QString& value) {
      return std::optional<QString>(value);
    };
    Dialogs().printDialog = [this](QWidget*, QPrinter& printer) {
      ++printDialogs_;
      canvas::UsePdfFile(printer, Path("print.pdf"));
      return true;
    };
  }
  void TearDown() override {
    ResetDialogs();
    UiTest::TearDown();
  }

  std::string Path(const QString& name) const { return dir_.filePath(name).toStdString(); }
  static QString ReadAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll());
  }
  // "Pages" and "Page size" of a PDF as pdfinfo reports them.
  static std::map<QString, QString> PdfInfo(const std::string& path) {
    QProcess p;
    p.start("pdfinfo", {QString::fromStdString(path)});
    std::map<QString, QString> info;
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return info;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
      const int colon = line.indexOf(':');
      if (colon > 0) info[line.left(colon).trimmed()] = line.mid(colon + 1).trimmed();
    }
    return info;
  }
  static void Click(QWidget* w, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(w, &press);
  }
  QPushButton* Button(DrawingWindow& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
  }

  QTemporaryDir dir_;
  std::vector<QString> suggestedNames_;
  int printDialogs_ = 0;
};

TEST_F(DrawingWindowTest, DrawResetsTheZoomGridKeepsIt) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  const output::DrawingView& view = output::TheDrawingView();
  EXPECT_EQ(view.zoom, 1.0);
  EXPECT_EQ(view.imageWidth, kPicture.width());
  Button(w, "ZoomInButton")->click();
  Button(w, "ZoomInButton")->click();
  const double zoomed = view.zoom;
  EXPECT_NEAR(zoomed, std::pow(2.0, 2.0 / 8.0), 1e-12);

  Button(w, "GridButton")->click();
  EXPECT_EQ(view.zoom, zoomed);
  EXPECT_TRUE(w.GridShown());

  Button(w, "DrawButton")->click();
  EXPECT_EQ(view.zoom, 1.0);
  EXPECT_FALSE(w.GridShown());

  // "-" key and the wheel: -300 leaves the zoom alone, +120 multiplies by 1.06.
  QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
  QApplication::sendEvent(&w, &minus);
  EXPECT_NEAR(view.zoom, 1 / output::DrawingView::kDefaultZoomStep, 1e-12);
  w.Wheel(-300);
  EXPECT_NEAR(view.zoom, 1 / output::DrawingView::kDefaultZoomStep, 1e-12);
  w.Wheel(120);
  EXPECT_NEAR(view.zoom, 1.06 / output::DrawingView::kDefaultZoomStep, 1e-12);
}

// The date-line segments (colour 1) relative to the origin.
struct Segment {
  double x1, y1, x2, y2;
};
std::vector<Segment> DateLineSegments(DrawingWindow& w) {
  output::RecordingPlotSink sink(output::SinkKind::Screen, kPicture.width(), kPicture.height());
  w.DrawOnto(sink);
  const output::Point o = output::TheDrawingView().origin;
  const output::Color colour = shell::State().colors.Color(1);
  std::vector<Segment> segments;
  for (const output::RecordedOp& op : sink.OpsOf(output::OpType::LineTo)) {
    if (op.pen.color != colour) continue;
    segments.push_back({double(op.from.x - o.x), double(op.from.y - o.y),
                        double(op.args[0] - o.x), double(op.args[1] - o.y)});
  }
  return segments;
}

double DistanceToSegment(double px, double py, const Segment& s) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

TEST_F(DrawingWindowTest, EightZoomStepsDoubleTheDial) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().kind = 'h';
  config::Dial().gnomonHeight = 8;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  const std::vector<Segment> before = DateLineSegments(w);
  ASSERT_GT(before.size(), 20u);
  for (int i = 0; i < 8; ++i) w.ZoomIn();
  EXPECT_NEAR(output::TheDrawingView().zoom, 2.0, 1e-12);
  const std::vector<Segment> after = DateLineSegments(w);
  ASSERT_GT(after.size(), 20u);
  // Every point drawn at zoom 2, halved, lies on the lines drawn at zoom 1:
  // each length from the foot of the gnomon has doubled.
  double farthest = 0;
  for (const Segment& a : after) {
    double best = 1e9;
    for (const Segment& b : before) best = std::min(best, DistanceToSegment(a.x2 / 2, a.y2 / 2, b));
    EXPECT_LT(best, 1.5) << a.x2 << " " << a.y2;
    farthest = std::max(farthest, std::hypot(a.x2, a.y2));
  }
  EXPECT_GT(farthest, 150.0);  // the comparison covered real lengths
  // And the other way round: the zoom-1 drawing is not the same picture.
  double moved = 0;
  for (const Segment& b : before) moved = std::max(moved, std::hypot(b.x2, b.y2));
  EXPECT_LT(moved, farthest);
}

TEST_F(DrawingWindowTest, PrintPageFormatDrawsOneAndAHalfTimesLarger) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().kind = 'h';
  config::Dial().gnomonHeight = 8;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  const std::vector<Segment> printPage = DateLineSegments(w);
  w.SetScreenPageFormat(false);  // "... wie in gespeicherter Datei": 420 mm across
  EXPECT_FALSE(output::TheDrawingView().screenPageFormat);
  const std::vector<Segment> plotPage = DateLineSegments(w);
  ASSERT_GT(printPage.size(), 20u);
  for (const Segment& a : printPage) {
    double best = 1e9;
    for (const Segment& b : plotPage)
      best = std::min(best, DistanceToSegment(a.x2 / 1.5, a.y2 / 1.5, b));
    EXPECT_LT(best, 1.5) << a.x2 << " " << a.y2;
  }
  // The entry is ticked in the pop-up menu, the other one not.
  int ticked = 0;
  for (QAction* a : w.PopupMenu()->actions()) {
    if (a->text() == QString::fromUtf8("         ....... wie in gespeicherter Datei")) {
      EXPECT_TRUE(a->isChecked());
    }
    if (a->text() == "Bildschirmanzeige wie im Ausdruck") {
      EXPECT_FALSE(a->isChecked());
    }
    ticked += a->isChecked() ? 1 : 0;
  }
  EXPECT_EQ(ticked, 1);
}

TEST_F(DrawingWindowTest, ClickPlacesTheOriginAndThePlotFollows) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  EXPECT_FALSE(output::TheDrawingView().originSetByUser);
  Click(w.PictureWidget(), QPoint(400, 300));
  const output::DrawingView& view = output::TheDrawingView();
  EXPECT_TRUE(view.originSetByUser);
  EXPECT_EQ(view.origin, (output::Point{400, 300}));
  Click(w.PictureWidget(), QPoint(250, 600), Qt::AltModifier);
  EXPECT_TRUE(view.legendSetByUser);
  EXPECT_EQ(view.legendPosition, (output::Point{250, 600}));
  EXPECT_EQ(view.origin, (output::Point{400, 300}));

  // Save as HPGL with the grid: its circle stands at the origin carried to
  // the plot page, x = 16157 / W × 400, y = 11040 − 11038 / H × 300.
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  ASSERT_TRUE(w.Saver()->isVisibleTo(&w));
  sink.Script({MessageAnswer::Yes});  // the grid question
  w.Saver()->NextButton()->click();
  const QString plot = ReadAll(Path("kel.plt"));
  ASSERT_FALSE(plot.isEmpty());
  const long x = std::lround(16157.0 * 400 / kPicture.width());
  const long y = std::lround(11040 - 11038.0 * 300 / kPicture.height());
  EXPECT_TRUE(plot.contains(QString(";SP 9;PU %1 %2;CI 80;").arg(x).arg(y))) << x << " " << y;
  EXPECT_FALSE(plot.contains('\n'));
  // The saved message names the file.
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_NE(sink.shown.back().text.find("kel.plt"), std::string::npos);
  EXPECT_NE(sink.shown.back().text.find(" gespeichert!"), std::string::npos);
}

// The window and `kelvra draw` write the same plot and DXF files for the same
// state (origin and legend at the writer's own places).
TEST_F(DrawingWindowTest, SavesTheSameFilesAsTheDrawCommand) {
  const char* exe = std::getenv("KELVRA_EXE");
#ifdef KELVRA_EXE_PATH
  if (!exe || !*exe) exe = KELVRA_EXE_PATH;
#endif
  ASSERT_TRUE(exe && *exe);
  kelvra::testing::RecordingMessageSink sink;
  config::DialParameters& dial = config::Dial();
  dial.kind = 'i';
  dial.inclination = 30;
  dial.wallDeclination = 25;
  dial.hoursWithEot = true;
  dial.babylonianHours = true;
  const std::string settings = Path("state.kel");
  ASSERT_TRUE(persist::SaveDialDataFile(settings));
  sink.shown.clear();

  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  for (auto format : {output::SaveFormat::Hpgl, output::SaveFormat::Dxf}) {
    w.OpenSavePanel(format);
    w.Saver()->NameField()->setText("window");
    sink.Script({MessageAnswer::No});  // no grid
    w.Saver()->NextButton()->click();
  }
  for (const char* ext : {"plt", "dxf"}) {
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KELVRA_HOME", dir_.path());
    cli.setProcessEnvironment(env);
    cli.start(exe, {"draw", "--settings", QString::fromStdString(settings), "-o",
                    dir_.filePath(QString("cli.") + ext)});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QString window = ReadAll(Path(QString("window.") + ext));
    ASSERT_FALSE(window.isEmpty()) << ext;
    EXPECT_TRUE(window == ReadAll(Path(QString("cli.") + ext))) << ext;
  }
}

TEST_F(DrawingWindowTest, SavePanelNamesAndDxfThroughTheTemporaryFile) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  w.OpenSavePanel(output::SaveFormat::Dxf);
  SavePanel* panel = w.Saver();
  EXPECT_EQ(panel->NameField()->text(), "kel.dxf");
  panel->NameField()->setText("a.b.c");
  panel->CoordinateButton(output::CoordinateTarget::TextFile)->setChecked(true);
  panel->StrengthButton(2)->setChecked(true);
  // An old listing of that name is announced before it is overwritten.
  QFile old(dir_.filePath("a.txt"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  sink.Script({MessageAnswer::No});  // no grid
  emit panel->NameField()->returnPressed();
  ASSERT_EQ(suggestedNames_.size(), 1u);
  EXPECT_EQ(suggestedNames_[0], "a.dxf");
  EXPECT_TRUE(QFile::exists(dir_.filePath("a.dxf")));
  EXPECT_FALSE(QFile::exists(dir_.filePath("kelvra.$$$")));
  const QString dxf = ReadAll(Path("a.dxf"));
  EXPECT_TRUE(dxf.contains("SECTION"));
  EXPECT_TRUE(dxf.contains("EOF"));
  bool announced = false;
  for (const auto& m : sink.shown) {
    if (m.kind == shell::MessageKind::Problem && m.text.find("a.txt") != std::string::npos)
      announced = true;
  }
  EXPECT_TRUE(announced);
  const QString listing = ReadAll(Path("a.txt"));
  EXPECT_NE(listing, "old");
  EXPECT_TRUE(listing.contains("a.dxf"));
  // An empty field becomes the default name of the format.
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  panel->NameField()->setText("");
  EXPECT_EQ(panel->Choices().fileName, "kel.plt");
}

TEST_F(DrawingWindowTest, PanelExportsThePrintedPageAsPdfAndSvg) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  w.OpenSavePanel(output::SaveFormat::Svg);
  EXPECT_EQ(w.Saver()->NameField()->text(), "kel.svg");
  EXPECT_FALSE(w.Saver()->CoordinateButton(output::CoordinateTarget::TextFile)->isEnabled());
  w.Saver()->NextButton()->click();
  const QString svg = ReadAll(Path("kel.svg"));
  EXPECT_TRUE(svg.contains("width=\"297mm\"")) << svg.left(400).toStdString();
  EXPECT_TRUE(svg.contains("height=\"210mm\""));

  w.OpenSavePanel(output::SaveFormat::Pdf);
  w.Saver()->NextButton()->click();
  const auto info = PdfInfo(Path("kel.pdf"));
  ASSERT_FALSE(info.empty());
  EXPECT_EQ(info.at("Pages"), "1");
  EXPECT_TRUE(info.at("Page size").startsWith("841.89 x 595.276") ||
              info.at("Page size").startsWith("842 x 595"))
      << info.at("Page size").toStdString();
  // Neither export asked the grid question; both reported the file saved.
  for (const auto& m : sink.shown) EXPECT_EQ(m.kind, shell::MessageKind::Information);
  EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(DrawingWindowTest, PoleStyleInformationShowsAndPrints) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  Button(w, "StabInfoButton")->click();
  ASSERT_TRUE(w.PoleInfo()->isVisibleTo(&w));
  const QString text = w.PoleInfo()->Content();
  EXPECT_TRUE(text.contains("Geogr. Breite")) << text.toStdString();
  w.PrintPoleInformation();
  const auto info = PdfInfo(Path("print.pdf"));
  ASSERT_FALSE(info.empty());
  const auto m = QRegularExpression(R"(([\d.]+) x ([\d.]+) pts)").match(info.at("Page size"));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_LT(m.captured(1).toDouble(), m.captured(2).toDouble());  // portrait
}

TEST_F(DrawingWindowTest, AnOpenedPanelComesToTheFront) {
  // The save panel once opened hidden under the pole-style information.
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.show();
  w.Activate();
  QWidget* pole = w.PoleInfo();
  QWidget* save = w.Saver();
  auto inFront = [](QWidget* panel) {
    QWidget* parent = panel->parentWidget();
    const QPoint centre = panel->geometry().center();
    QWidget* top = parent->childAt(centre);
    return top == panel || panel->isAncestorOf(top);
  };
  w.ShowPoleInformation();
  ASSERT_TRUE(pole->isVisible());
  EXPECT_TRUE(inFront(pole));
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  ASSERT_TRUE(save->isVisible());
  ASSERT_TRUE(pole->isVisible());
  EXPECT_TRUE(save->geometry().intersects(pole->geometry()));
  EXPECT_TRUE(inFront(save));
  w.ShowPoleInformation();
  EXPECT_TRUE(inFront(pole));
}

TEST_F(DrawingWindowTest, PrintingMakesOneLandscapePdfPage) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  w.Print();
  EXPECT_EQ(printDialogs_, 1);
  const auto info = PdfInfo(Path("print.pdf"));
  ASSERT_FALSE(info.empty()) << "pdfinfo could not read the print";
  EXPECT_EQ(info.at("Pages"), "1");
  const QRegularExpression size(R"(([\d.]+) x ([\d.]+) pts)");
  const auto m = size.match(info.at("Page size"));
  ASSERT_TRUE(m.hasMatch()) << info.at("Page size").toStdString();
  const double width = m.captured(1).toDouble();
  const double height = m.captured(2).toDouble();
  EXPECT_NEAR(width, 841.89, 1.0);  // A4 landscape in points
  EXPECT_NEAR(height, 595.28, 1.0);
}

TEST_F(DrawingWindowTest, OriginOutsideThePictureAsksBeforePrinting) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  w.ClickAt(QPoint(0, 200), false);
  sink.Script({MessageAnswer::Yes});  // cancel
  w.Print();
  EXPECT_EQ(printDialogs_, 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Attention);
  sink.Script({MessageAnswer::No});  // print anyway
  w.Print();
  EXPECT_EQ(printDialogs_, 1);
  EXPECT_EQ(PdfInfo(Path("print.pdf")).at("Pages"), "1");
}

TEST_F(DrawingWindowTest, HourLineTableIsPrintedWhileShown) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  Button(w, "HourLinesButton")->click();
  ASSERT_TRUE(w.HourTable()->isVisibleTo(&w));
  w.Print();
  const auto info = PdfInfo(Path("print.pdf"));
  ASSERT_FALSE(info.empty());
  const auto m = QRegularExpression(R"(([\d.]+) x ([\d.]+) pts)").match(info.at("Page size"));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_LT(m.captured(1).toDouble(), m.captured(2).toDouble());  // the table is portrait
  // Opening the save panel hides the table.
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  EXPECT_FALSE(w.HourTable()->isVisibleTo(&w));
}

TEST_F(DrawingWindowTest, ConstructionDataSaveAndLoad) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().kind = 'h';
  config::Dial().gnomonHeight = 42;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  Button(w, "SaveDataButton")->click();  // the save dialog offers myDial.kel
  ASSERT_EQ(suggestedNames_.size(), 1u);
  EXPECT_EQ(suggestedNames_[0], "myDial.kel");
  ASSERT_TRUE(QFile::exists(dir_.filePath("myDial.kel")));

  config::Dial().kind = 'v';
  config::Dial().gnomonHeight = 35;
  w.Activate();
  EXPECT_EQ(w.windowTitle(), "Konstruktion einer vertikalen Sonnenuhr");
  Dialogs().openFile = [this](QWidget*, const QString&, const QString&) {
    return dir_.filePath("myDial.kel");
  };
  Button(w, "LoadDataButton")->click();
  EXPECT_EQ(config::Dial().kind, 'h');
  EXPECT_EQ(config::Dial().gnomonHeight, 42);
  // The loaded dial is drawn at once, with its caption.
  EXPECT_EQ(w.windowTitle(), "Konstruktion einer horizontalen Sonnenuhr");
}

TEST_F(DrawingWindowTest, CommandsFollowTheKind) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().kind = 'h';
  config::Dial().umbrella = true;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  EXPECT_EQ(w.windowTitle(), "Konstruktion einer Schirmsonnenuhr");
  EXPECT_FALSE(Button(w, "HourLinesButton")->isEnabled());
  EXPECT_FALSE(Button(w, "StabInfoButton")->isEnabled());
  EXPECT_TRUE(Button(w, "GridButton")->isEnabled());
  EXPECT_FALSE(w.findChild<QWidget*>("ExpertPanel")->isVisibleTo(&w));  // no map on umbrellas
  // Closing returns an umbrella dial to its transitional kind letter.
  w.close();
  EXPECT_EQ(config::Dial().kind, 's');
  EXPECT_EQ(config::Dial().umbrellaPlane, 'h');
}

TEST_F(DrawingWindowTest, ActivationPlacesOriginAndWritesTheHint) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  output::TheDrawingView().PickOrigin({10, 10});
  w.Activate();
  const output::DrawingView& view = output::TheDrawingView();
  EXPECT_FALSE(view.originSetByUser);
  EXPECT_EQ(view.origin, (output::Point{500, 31}));  // kind v: ((W + 1) / 2, rnd((W + 1) / 32))
  EXPECT_EQ(w.windowTitle(), "Konstruktion einer vertikalen Sonnenuhr");
  EXPECT_TRUE(w.InfoBar()->text().startsWith("Zeiger mit (linkem) Mausklick"));
  EXPECT_TRUE(w.findChild<QWidget*>("ExpertPanel")->isVisibleTo(&w));
  // The hint stands below and left of the origin until the next drawing.
  auto inked = [](const QImage& picture) {
    int n = 0;
    for (int y = 61; y < 61 + 20; ++y)
      for (int x = 370; x < 370 + 200; ++x)
        if (picture.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
  };
  const int withHint = inked(w.Picture());
  w.DrawKeepZoom();
  EXPECT_GT(withHint, inked(w.Picture()) + 100);
}

// Counts the pixels that are not white.
int Inked(const QImage& picture) {
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return n;
}

TEST_F(DrawingWindowTest, AKindWithoutADrawingIsNeitherPrintedNorSaved) {
  kelvra::testing::RecordingMessageSink sink;
  const kelvra::testing::NothingDrawnFamily nothing;  // the Sawyer decliner's family taken away
  const dials::ScopedFamily scoped(config::DialFamily::Sawyer, nothing);
  config::Dial().kind = 'w';
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  EXPECT_EQ(w.InfoBar()->text(), "Für diese Sonnenuhrart gibt es keine Zeichnung.");
  EXPECT_EQ(Inked(w.Picture()), 0);
  sink.shown.clear();
  w.Print();
  EXPECT_EQ(printDialogs_, 0);
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  EXPECT_FALSE(w.Saver()->isVisibleTo(&w));
  ASSERT_EQ(sink.shown.size(), 2u);
  for (const auto& m : sink.shown) {
    EXPECT_EQ(m.text, "Für diese Sonnenuhrart gibt es keine Zeichnung.");
  }
}

// A new family needs no change to the window to be drawn, printed and saved.
TEST_F(DrawingWindowTest, AFamilyPutInPlaceIsDrawnPrintedAndSaved) {
  kelvra::testing::RecordingMessageSink sink;
  const kelvra::testing::DiscFamily disc;
  const dials::ScopedFamily scoped(config::DialFamily::Ring, disc);
  config::Dial().kind = 'r';
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  EXPECT_GT(Inked(w.Picture()), 100);
  w.Print();
  EXPECT_EQ(printDialogs_, 1);
  EXPECT_EQ(PdfInfo(Path("print.pdf")).at("Pages"), "1");

  sink.shown.clear();
  w.OpenSavePanel(output::SaveFormat::Hpgl);
  w.Saver()->NameField()->setText("ring");
  sink.Script({MessageAnswer::No});  // no grid
  w.Saver()->NextButton()->click();
  EXPECT_TRUE(ReadAll(Path("ring.plt")).endsWith("CI 1400;IW;IN;"));  // 35 mm at 40 units per mm
  EXPECT_EQ(ReadAll(Path("ringSide.plt")), "IN;SP 1;PU 0 0;CI 400;IN;");
  bool notice = false;
  for (const auto& m : sink.shown) notice = notice || m.text == "side file ringSide.plt";
  EXPECT_TRUE(notice);
}

// The listing panels are written from numbers when shown: an open panel
// follows a change of language.
TEST_F(DrawingWindowTest, OpenListingPanelsFollowTheLanguage) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  Button(w, "StabInfoButton")->click();
  Button(w, "HourLinesButton")->click();
  auto* sunlit = w.HourTable()->findChild<QLabel*>("SunlitPeriod");
  ASSERT_NE(sunlit, nullptr);
  EXPECT_TRUE(w.PoleInfo()->Content().contains("Geogr. Breite"));
  EXPECT_TRUE(sunlit->text().startsWith("Sonne auf Zifferblatt"));
  shell::SelectLanguage(false);
  w.Retranslate();
  EXPECT_TRUE(w.PoleInfo()->Content().contains("Latitude")) << w.PoleInfo()->Content().toStdString();
  EXPECT_TRUE(sunlit->text().startsWith("Sun on Sundial Plane")) << sunlit->text().toStdString();
  shell::SelectLanguage(true);
}

}  // namespace
}  // namespace kelvra::ui

namespace kelvra::ui {
namespace {

// The azimuthal and bifilar dials reach the window through the family seam
// alone: caption, commands, picture, print and save follow the kind's row.
TEST_F(DrawingWindowTest, AzimuthalAndBifilarDialsAreDrawnPrintedAndSaved) {
  struct Case {
    const char* name;
    char kind;
    int circleMode, spacing;
    const char* caption;
    bool zoom;  // zoom and origin picking: the bifilar dial
  };
  const Case cases[] = {
      {"date circles", 'a', 0, 0, "Konstruktion einer Azimutalsonnenuhr", false},
      {"orthographic", 'a', 1, 3, "Konstruktion einer Azimutalsonnenuhr", false},
      {"bifilar", 'f', 0, 0, "Konstruktion einer Bifilar-Azimutalsonnenuhr", true},
  };
  int prints = 0;
  for (const Case& c : cases) {
    kelvra::testing::RecordingMessageSink sink;
    config::ResetDialParameters();
    config::Dial().kind = c.kind;
    config::Dial().azimuthCircleMode = c.circleMode;
    config::Dial().altitudeCircleSpacing = c.spacing;
    output::TheDrawingView() = output::DrawingView{};
    DrawingWindow w(nullptr, kPicture);
    w.Activate();
    EXPECT_EQ(w.windowTitle().toStdString(), c.caption) << c.name;
    EXPECT_GT(Inked(w.Picture()), 2000) << c.name;
    EXPECT_EQ(Button(w, "ZoomInButton")->isEnabled(), c.zoom) << c.name;

    w.Print();
    EXPECT_EQ(printDialogs_, ++prints) << c.name;
    EXPECT_EQ(PdfInfo(Path("print.pdf")).at("Pages"), "1") << c.name;

    // HPGL and DXF through the save panel: the DXF at true size in mm
    // (plot scale 1, divisor 40).
    for (auto format : {output::SaveFormat::Hpgl, output::SaveFormat::Dxf}) {
      w.OpenSavePanel(format);
      w.Saver()->NameField()->setText(c.name);
      sink.Script({MessageAnswer::No});  // no grid
      w.Saver()->NextButton()->click();
    }
    const QString plot = ReadAll(Path(QString(c.name) + ".plt"));
    EXPECT_TRUE(plot.startsWith("IN;")) << c.name;
    EXPECT_TRUE(ReadAll(Path(QString(c.name) + ".dxf")).contains("$EXTMAX\r\n 10\r\n  411.00\r\n"))
        << c.name;
    if (c.zoom) {
      // A picked origin carries the dial to the plot page: x 16157 / W,
      // y 10480 - 10480 / H (the origin's circle of 1 mm).
      Click(w.PictureWidget(), QPoint(300, 200));
      EXPECT_EQ(output::TheDrawingView().origin, (output::Point{300, 200}));
      w.OpenSavePanel(output::SaveFormat::Hpgl);
      w.Saver()->NameField()->setText("picked");
      sink.Script({MessageAnswer::No});
      w.Saver()->NextButton()->click();
      const long x = std::lround(16157.0 * 300 / kPicture.width());
      const long y = std::lround(10480 - 10480.0 * 200 / kPicture.height());
      EXPECT_TRUE(ReadAll(Path("picked.plt")).contains(QString(";PU %1 %2;CI 40 ,0.2").arg(x).arg(y)))
          << x << " " << y;
    }
  }
}

TEST_F(DrawingWindowTest, SawyerAndHabermelDialsAreDrawnPrintedAndSaved) {
  struct Case {
    const char* name;
    char kind;
    int variant;
    const char* caption;
    bool zoom;  // zoom and origin picking: the Sawyer decliner
  };
  const Case cases[] = {
      {"sawyer", 'w', 0, "Konstruktion einer Sawyer-Sonnenuhren", true},
      {"tablet", 'q', 1, "Konstruktion einer QuadrantSonnenuhr", false},
      {"disc", 'q', 2, "Konstruktion einer QuadrantSonnenuhr", false},
  };
  int prints = 0;
  for (const Case& c : cases) {
    kelvra::testing::RecordingMessageSink sink;
    config::ResetDialParameters();
    config::Dial().kind = c.kind;
    config::Dial().altitudeVariant = c.variant;
    config::SetSawyerTimeMode(config::Dial(), 2);
    output::TheDrawingView() = output::DrawingView{};
    DrawingWindow w(nullptr, kPicture);
    w.Activate();
    EXPECT_EQ(w.windowTitle().toStdString(), c.caption) << c.name;
    EXPECT_GT(Inked(w.Picture()), 2000) << c.name;
    EXPECT_EQ(Button(w, "ZoomInButton")->isEnabled(), c.zoom) << c.name;

    w.Print();
    EXPECT_EQ(printDialogs_, ++prints) << c.name;
    EXPECT_EQ(PdfInfo(Path("print.pdf")).at("Pages"), "1") << c.name;

    for (auto format : {output::SaveFormat::Hpgl, output::SaveFormat::Dxf}) {
      w.OpenSavePanel(format);
      w.Saver()->NameField()->setText(c.name);
      sink.Script({MessageAnswer::No});  // no grid
      w.Saver()->NextButton()->click();
    }
    EXPECT_TRUE(ReadAll(Path(QString(c.name) + ".plt")).startsWith("IN;VS 1;PA;IW 0 0 16157 11038;"))
        << c.name;
    EXPECT_TRUE(ReadAll(Path(QString(c.name) + ".dxf")).contains("$EXTMAX")) << c.name;
    if (c.zoom) {
      // A picked origin carries the gnomon foot to the plot page: x 16400 / W,
      // y 10480 - 10470 / H (its circle of 2 mm).
      Click(w.PictureWidget(), QPoint(300, 200));
      EXPECT_EQ(output::TheDrawingView().origin, (output::Point{300, 200}));
      w.OpenSavePanel(output::SaveFormat::Hpgl);
      w.Saver()->NameField()->setText("picked");
      sink.Script({MessageAnswer::No});
      w.Saver()->NextButton()->click();
      const long x = std::lround(16400.0 * 300 / kPicture.width());
      const long y = std::lround(10480 - 10470.0 * 200 / kPicture.height());
      EXPECT_TRUE(ReadAll(Path("picked.plt")).contains(QString("PU %1 %2;CI 80;").arg(x).arg(y)))
          << x << " " << y;
    }
  }
}

// The ring dial's correction-table switch: shown only for a kind with a
// correction table; switched on, the window draws the table instead of the
// band, writes the table file into the working folder and prints the table;
// switched off, the band comes back.
TEST_F(DrawingWindowTest, TheRingDialsCorrectionTableIsDrawnWrittenAndPrinted) {
  kelvra::testing::RecordingMessageSink sink;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  struct Restore {
    QString path;
    ~Restore() { QDir::setCurrent(path); }
  } restore{previous};

  config::ResetDialParameters();
  config::Dial().kind = 'h';
  {
    DrawingWindow planar(nullptr, kPicture);
    planar.Activate();
    EXPECT_FALSE(Button(planar, "CorrectionTableButton")->isVisibleTo(&planar));
  }

  config::Dial().kind = 'r';
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  QPushButton* table = Button(w, "CorrectionTableButton");
  ASSERT_TRUE(table->isVisibleTo(&w));
  EXPECT_FALSE(table->isChecked());
  const QImage band = w.Picture().copy();
  EXPECT_GT(Inked(band), 2000);
  EXPECT_FALSE(QFile::exists(dir_.filePath("Schoener-Tabelle.txt")));

  table->click();
  EXPECT_TRUE(table->isChecked());
  EXPECT_GT(Inked(w.Picture()), 2000);
  EXPECT_NE(w.Picture(), band);
  // The table file: its title, the hole angle, and one line per altitude
  // whose relative offset reaches 1 (CR LF).
  const QString file = ReadAll(Path("Schoener-Tabelle.txt"));
  EXPECT_TRUE(file.startsWith("Ring Dial - Offset Correction\r\n")) << file.left(80).toStdString();
  EXPECT_TRUE(file.contains("(alpha=")) << file.left(200).toStdString();
  EXPECT_GT(file.count("rel. offset="), 10);
  EXPECT_TRUE(file.contains(" J=")) << file.left(300).toStdString();

  w.Print();
  EXPECT_EQ(printDialogs_, 1);
  EXPECT_EQ(PdfInfo(Path("print.pdf")).at("Pages"), "1");

  table->click();
  EXPECT_FALSE(table->isChecked());
  EXPECT_EQ(w.Picture(), band);
}

}  // namespace
}  // namespace kelvra::ui
