// The ham dial design aid in the drawing window: its row (switch and
// parameters), marking hour points with the mouse, printing the aid instead
// of the dial, and saving and loading the marked points as ".ham" files.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "canvas/page_output.h"
#include "config/dial_parameters.h"
#include "dials/ham/ham_file.h"
#include "output/recording_plot_sink.h"
#include "shell/shared_state.h"
#include "ui/drawing/drawing_window.h"
#include "ui/drawing/ham_panel.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

constexpr QSize kPicture(1000, 700);  // 7 picture units per mm: round(700 / 105)

class HamWindowTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    output::TheDrawingView() = output::DrawingView{};
    ResetDialogs();
    Dialogs().saveFile = [this](QWidget*, const QString& title, const QString& suggested,
                                const QString& filter) {
      saveTitle_ = title;
      saveFilter_ = filter;
      return dir_.filePath(QFileInfo(suggested).fileName());
    };
    Dialogs().printDialog = [this](QWidget*, QPrinter& printer) {
      canvas::UsePdfFile(printer, dir_.filePath("print.pdf").toStdString());
      return true;
    };
  }
  void TearDown() override {
    ResetDialogs();
    UiTest::TearDown();
  }
  static void Click(QWidget* w, QPoint at, Qt::KeyboardModifiers modifiers) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(w, &press);
  }
  static int RedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == 0xff0000;
    return n;
  }
  QTemporaryDir dir_;
  QString saveTitle_, saveFilter_;
};

TEST_F(HamWindowTest, TheRowSwitchesTheAidAndSetsItsParameters) {
  kelvra::testing::RecordingMessageSink sink;
  // A Habermel dial (kind q, variant 1); the aid is drawn over it in red.
  config::Dial().kind = 'q';
  config::Dial().altitudeVariant = 1;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  HamPanel* row = w.Ham();
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->isVisibleTo(&w)) << "expert mode";
  auto* stretch = row->findChild<QLineEdit*>("hamStretch");
  auto* equinox = row->findChild<QLineEdit*>("hamEquinoxAngle");
  auto* radius = row->findChild<QLineEdit*>("habermelGnomon");
  ASSERT_TRUE(stretch && equinox && radius);
  EXPECT_EQ(stretch->text(), "1.50");
  EXPECT_EQ(equinox->text(), "0.00");
  EXPECT_EQ(row->Switch()->text().remove(QChar('&')), "Schinken Sonnenuhr");
  const int before = RedPixels(w.Picture());

  row->Switch()->setChecked(true);
  EXPECT_TRUE(shell::State().general.hamOverlay);
  EXPECT_GT(RedPixels(w.Picture()), before + 500) << "the red circle of the aid";

  stretch->setText("2.2");
  emit stretch->editingFinished();
  EXPECT_DOUBLE_EQ(shell::State().general.hamStretch, 2.2);
  // Outside the field's range: the range message, the value stays.
  stretch->setText("12");
  emit stretch->editingFinished();
  EXPECT_DOUBLE_EQ(shell::State().general.hamStretch, 2.2);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().kind, shell::MessageKind::Problem);
  radius->setText("25");
  emit radius->editingFinished();
  EXPECT_DOUBLE_EQ(config::Dial().habermelGnomon, 25);

  row->Switch()->setChecked(false);
  EXPECT_FALSE(shell::State().general.hamOverlay);
}

TEST_F(HamWindowTest, TheRowNeedsTheExpertMode) {
  kelvra::testing::RecordingMessageSink sink;
  shell::State().general.expertMode = false;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  EXPECT_FALSE(w.Ham()->isVisibleTo(&w));
}

TEST_F(HamWindowTest, TheMouseMarksDeletesAndShowsHourPoints) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  QWidget* picture = w.PictureWidget();
  // Without the aid Ctrl + click marks nothing.
  Click(picture, {590, 305}, Qt::ControlModifier);
  EXPECT_TRUE(w.Marks().Empty());

  shell::State().general.hamOverlay = true;
  // The circle's centre is (500, 350); 7 picture units per mm.
  Click(picture, {570, 315}, Qt::ControlModifier);
  Click(picture, {465, 392}, Qt::ControlModifier);
  ASSERT_EQ(w.Marks().Marks().size(), 2u);
  EXPECT_EQ(w.Marks().Marks()[0], (dials::ham::HamMark{10, 5}));
  EXPECT_EQ(w.Marks().Marks()[1], (dials::ham::HamMark{-5, -6}));
  // Shift switches to the marked points and back.
  EXPECT_FALSE(shell::State().general.hamMarkMode);
  Click(picture, {10, 10}, Qt::ShiftModifier);
  EXPECT_TRUE(shell::State().general.hamMarkMode);
  // A plain click still places the gnomon foot.
  Click(picture, {300, 200}, Qt::NoModifier);
  EXPECT_EQ(output::TheDrawingView().origin, (output::Point{300, 200}));
  EXPECT_EQ(w.Marks().Marks().size(), 2u);
  // Alt deletes the marks.
  Click(picture, {10, 10}, Qt::AltModifier);
  EXPECT_TRUE(w.Marks().Empty());
  Click(picture, {10, 10}, Qt::ShiftModifier);
  EXPECT_FALSE(shell::State().general.hamMarkMode);
}

TEST_F(HamWindowTest, TheAidIsDrawnBeforeTheDialAndPrintedInsteadOfIt) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  shell::State().general.hamOverlay = true;
  output::RecordingPlotSink screen(output::SinkKind::Screen, 1000, 700);
  w.DrawOnto(screen);
  const auto texts = screen.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "Schinkensonnenuhr");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "vertikale SONNENUHR"), texts.end());
  output::RecordingPlotSink page(output::SinkKind::Printer, 2970, 2100);
  w.DrawOnto(page);
  const auto printed = page.Texts();
  EXPECT_EQ(printed.front(), "Schinkensonnenuhr");
  EXPECT_EQ(std::find(printed.begin(), printed.end(), "vertikale SONNENUHR"), printed.end());

  // A kind without a drawing of its own still prints the aid.
  config::Dial().kind = 'q';
  config::Dial().altitudeVariant = 2;
  w.Activate();
  w.Print();
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().text;
  EXPECT_GT(QFileInfo(dir_.filePath("print.pdf")).size(), 1000);
}

TEST_F(HamWindowTest, HourPointsAreSavedAndLoadedAsHamFiles) {
  kelvra::testing::RecordingMessageSink sink;
  DrawingWindow w(nullptr, kPicture);
  w.Activate();
  shell::State().general.hamOverlay = true;
  Click(w.PictureWidget(), {570, 315}, Qt::ControlModifier);
  Click(w.PictureWidget(), {465, 392}, Qt::ControlModifier);

  w.findChild<QPushButton*>("SaveDataButton")->click();
  EXPECT_EQ(saveTitle_, "KELVRA.EXE - Konstruktionsdaten speichern");
  EXPECT_TRUE(saveFilter_.startsWith("Starteinstellungen (*.ham)"));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "schink.ham gespeichert!");
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Information);
  const dials::ham::HamFileRead saved = dials::ham::ReadHamFile(dir_.filePath("schink.ham").toStdString());
  ASSERT_TRUE(saved.marks);
  EXPECT_EQ(*saved.marks, w.Marks());

  // Loading: the marks of the file, shown at once.
  Click(w.PictureWidget(), {10, 10}, Qt::AltModifier);
  ASSERT_TRUE(w.Marks().Empty());
  QString openTitle;
  Dialogs().openFile = [&](QWidget*, const QString& title, const QString&) {
    openTitle = title;
    return dir_.filePath("schink.ham");
  };
  w.findChild<QPushButton*>("LoadDataButton")->click();
  EXPECT_EQ(openTitle, "SchinkenSU");
  EXPECT_EQ(w.Marks(), *saved.marks);
  EXPECT_TRUE(shell::State().general.hamMarkMode);

  // A damaged file: the message names the line and what it must hold.
  QFile bad(dir_.filePath("bad.ham"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("[Schinkensonnenuhr]\r\n1;2\r\nzwei;drei\r\n");
  bad.close();
  Dialogs().openFile = [&](QWidget*, const QString&, const QString&) {
    return dir_.filePath("bad.ham");
  };
  w.findChild<QPushButton*>("LoadDataButton")->click();
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].kind, shell::MessageKind::Error);
  EXPECT_EQ(sink.shown[1].text,
            "bad.ham :\nZeile 3 (\"zwei;drei\"): erwartet x;y, zwei Zahlen in mm zwischen -10000 "
            "und 10000");
  EXPECT_EQ(w.Marks(), *saved.marks) << "the marks stay as they were";

  // A save that fails says so and names the file.
  Dialogs().saveFile = [this](QWidget*, const QString&, const QString&, const QString&) {
    return dir_.filePath("no/such/folder/schink.ham");
  };
  w.findChild<QPushButton*>("SaveDataButton")->click();
  ASSERT_EQ(sink.shown.size(), 3u);
  EXPECT_EQ(sink.shown[2].kind, shell::MessageKind::Error);
  EXPECT_TRUE(QString::fromStdString(sink.shown[2].text)
                  .startsWith("schink.ham :\nINI-Datei konnte nicht gespeichert werden!"))
      << sink.shown[2].text;
}

}  // namespace
}  // namespace kelvra::ui
