// The main window: menu tree in both languages, the opening rule, the wizard,
// expert mode and relabelling of open windows.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenu>
#include <QSlider>
#include <QTimer>

#include "config/dial_parameters.h"
#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/main/main_window.h"
#include "ui/dialogs/dial_type_dialog.h"
#include "ui/dialogs/site_dialog.h"
#include "ui/main/task_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::Pump;
using uitest::UiTest;

class MainWindowTest : public UiTest {};

QString Caption(const MainWindow& w, int n) {
  // The second wizard entry carries its key in the caption after a tab.
  return w.MenuAction(n)->text().section('\t', 0, 0);
}

TEST_F(MainWindowTest, MenuCaptionsInBothLanguages) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  struct Row {
    int n;
    const char* german;
    const char* english;
  };
  const Row rows[] = {
      {1, "  &Datei  ", "  &Files  "},
      {2, "&Sonnenuhr erstellen", "&Generate Dial (Wizard)"},
      {3, "Fenster s&chließen", "&Close all Windows"},
      {11, "Eingabedaten für Sonnenuhr", "&Input of Sundial Data"},
      {17, "  &Zeichnung  ", "   &Display  "},
      {21, "Format DIN-A&3 (Datei)", "Format DIN-A&3 (saved file)"},
      {27, "Z&eitgleichung und Sonnendeklination", "Sun:  &Equation of Time (EoT) and Declination"},
      {36, "kreisförmige Darstellung", "Circular Diagram"},
      {39, "Sonnenuhr &erstellen", "&Generate Dial (Wizard)"},
      {43, "&Englisch", "&English"},
      {45, "&About", "&About"},
  };
  for (const Row& r : rows) EXPECT_EQ(Caption(w, r.n), QString::fromUtf8(r.german)) << r.n;
  // Every one of the 45 entries is labelled from the catalogue.
  for (int n = 1; n <= 45; ++n) {
    ASSERT_NE(w.MenuAction(n), nullptr) << n;
    EXPECT_EQ(Caption(w, n), QString::fromStdString(shell::MenuCaption(n))) << n;
    EXPECT_FALSE(Caption(w, n).isEmpty()) << n;
  }
  EXPECT_TRUE(w.MenuAction(42)->isChecked());
  w.SelectLanguage(false);
  for (const Row& r : rows) EXPECT_EQ(Caption(w, r.n), QString::fromUtf8(r.english)) << r.n;
  EXPECT_TRUE(w.MenuAction(43)->isChecked());
  EXPECT_FALSE(w.MenuAction(42)->isChecked());
  w.SelectLanguage(true);
  EXPECT_EQ(Caption(w, 2), QString::fromUtf8("&Sonnenuhr erstellen"));
}

TEST_F(MainWindowTest, MenuShortcuts) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  const std::pair<int, QKeySequence> keys[] = {
      {2, QKeySequence(Qt::ALT | Qt::Key_F1)},   {3, QKeySequence(Qt::ALT | Qt::Key_F3)},
      {5, QKeySequence(Qt::Key_F3)},             {7, QKeySequence(Qt::ALT | Qt::Key_X)},
      {9, QKeySequence(Qt::Key_F5)},             {10, QKeySequence(Qt::Key_F6)},
      {11, QKeySequence(Qt::Key_F7)},            {13, QKeySequence(Qt::ALT | Qt::Key_F2)},
      {14, QKeySequence(Qt::ALT | Qt::Key_F4)},  {15, QKeySequence(Qt::Key_F2)},
      {16, QKeySequence(Qt::Key_F4)},            {18, QKeySequence(Qt::Key_F8)},
      {22, QKeySequence(Qt::ALT | Qt::Key_F8)},  {24, QKeySequence(Qt::Key_F9)},
      {25, QKeySequence(Qt::Key_F10)},           {26, QKeySequence(Qt::Key_F11)},
      {27, QKeySequence(Qt::Key_F12)},           {29, QKeySequence(Qt::ALT | Qt::Key_F9)},
      {30, QKeySequence(Qt::ALT | Qt::Key_F12)}, {31, QKeySequence(Qt::ALT | Qt::Key_F10)},
      {32, QKeySequence(Qt::ALT | Qt::Key_F11)}, {33, QKeySequence(Qt::CTRL | Qt::Key_F12)},
      {35, QKeySequence(Qt::CTRL | Qt::Key_F10)}, {36, QKeySequence(Qt::CTRL | Qt::Key_F11)},
      {38, QKeySequence(Qt::Key_F1)},            {40, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X)},
      {42, QKeySequence(Qt::CTRL | Qt::Key_D)},  {43, QKeySequence(Qt::CTRL | Qt::Key_E)},
  };
  for (const auto& [n, key] : keys) EXPECT_EQ(w.MenuAction(n)->shortcut(), key) << n;
  // No key is given twice (a doubled key would trigger neither entry).
  QList<QKeySequence> seen;
  for (int n = 1; n <= 45; ++n) {
    const QKeySequence k = w.MenuAction(n)->shortcut();
    if (k.isEmpty()) continue;
    EXPECT_FALSE(seen.contains(k)) << n;
    seen << k;
  }
  // The second wizard entry shows the key of the first.
  EXPECT_TRUE(w.MenuAction(39)->text().endsWith("F1")) << w.MenuAction(39)->text().toStdString();
}

TEST_F(MainWindowTest, OpeningOneWindowClosesTheOthers) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  EXPECT_FALSE(w.MenuAction(3)->isEnabled());
  ASSERT_NE(w.OpenDrawingWindow(), nullptr);
  EXPECT_TRUE(w.MenuAction(3)->isEnabled());
  EXPECT_TRUE(w.MenuAction(6)->isEnabled());
  // The position calculator replaces the drawing window.
  TaskWindow* calc = w.OpenCalculator(2);
  ASSERT_NE(calc, nullptr);
  Pump();
  ASSERT_EQ(w.TaskWindows().size(), 1);
  EXPECT_EQ(w.TaskWindows().front()->Name(), kCalculatorWindow);
  EXPECT_EQ(calc->HelpTopic(), 29);
  ASSERT_NE(w.OpenSiteDialog(), nullptr);
  Pump();
  ASSERT_EQ(w.TaskWindows().size(), 1);
  EXPECT_EQ(w.TaskWindows().front()->Name(), kSiteDialog);
  EXPECT_TRUE(w.CloseAllWindows());
  Pump();
  EXPECT_TRUE(w.TaskWindows().isEmpty());
  EXPECT_FALSE(w.MenuAction(3)->isEnabled());
}

TEST_F(MainWindowTest, PrintIsOfferedOnlyForAWindowThatPrints) {
  // "Drucken..." (F3) once stayed enabled with nothing to print and did nothing.
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  QAction* print = w.MenuAction(5);
  EXPECT_FALSE(print->isEnabled());
  ASSERT_NE(w.OpenSiteDialog(), nullptr);
  Pump();
  EXPECT_FALSE(print->isEnabled());
  ASSERT_NE(w.OpenDrawingWindow(), nullptr);
  Pump();
  EXPECT_TRUE(print->isEnabled());
  EXPECT_TRUE(w.CloseAllWindows());
  Pump();
  EXPECT_FALSE(print->isEnabled());
}

TEST_F(MainWindowTest, StatusBarNamesTheKindAndFollowsTheTypeDialog) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  auto* status = w.findChild<QLabel*>("StatusKind");
  ASSERT_NE(status, nullptr);
  config::Dial().kind = 'v';
  w.UpdateStatus();
  EXPECT_TRUE(status->text().contains("vertikale Sonnenuhr")) << status->text().toStdString();
  auto* type = qobject_cast<DialTypeDialog*>(w.OpenDialTypeDialog());
  ASSERT_NE(type, nullptr);
  ASSERT_TRUE(type->ChooseEntry(6));  // the cylinder dials, shepherd's dial first
  EXPECT_TRUE(status->text().contains("Zylindersonnenuhren")) << status->text().toStdString();
  EXPECT_TRUE(status->text().contains("Hirtensonnenuhr")) << status->text().toStdString();
  type->ChooseCylinderVariant(1);
  EXPECT_TRUE(status->text().contains("Filterhut")) << status->text().toStdString();
  w.SelectLanguage(false);
  EXPECT_TRUE(status->text().contains("Cylinder Sundial")) << status->text().toStdString();
  // No raw kind codes.
  EXPECT_FALSE(status->text().contains(": z")) << status->text().toStdString();
  w.SelectLanguage(true);
}

TEST_F(MainWindowTest, AWindowThatFailsItsCheckStaysAndBlocksTheNext) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  auto* site = static_cast<SiteDialog*>(w.OpenSiteDialog());
  ASSERT_NE(site, nullptr);
  site->DecimalField(0)->setText("95");
  EXPECT_EQ(w.OpenDrawingWindow(), nullptr);
  Pump();
  ASSERT_EQ(w.TaskWindows().size(), 1);
  EXPECT_EQ(w.TaskWindows().front()->Name(), kSiteDialog);
  EXPECT_FALSE(sink.shown.empty());
}

TEST_F(MainWindowTest, WizardChainsSiteTypeParametersDrawing) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  w.StartWizard();
  Pump();
  EXPECT_EQ(w.WizardStep(), 1);
  EXPECT_FALSE(w.MenuAction(2)->isEnabled());
  EXPECT_FALSE(w.MenuAction(8)->isEnabled());
  EXPECT_FALSE(w.MenuAction(23)->isEnabled());
  EXPECT_FALSE(w.MenuAction(18)->isEnabled());
  const char* steps[] = {"SiteDialog", "DialTypeDialog", "DialParametersDialog"};
  const char* captions[] = {"Sonnenuhr erstellen, Teil 1", "Sonnenuhr erstellen, Teil  2", "Sonnenuhr erstellen, Teil  3"};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(w.TaskWindows().size(), 1) << i;
    TaskWindow* t = w.TaskWindows().front();
    EXPECT_EQ(t->Name(), QString(steps[i]));
    EXPECT_TRUE(t->windowTitle().startsWith(QString::fromUtf8(captions[i]))) << t->windowTitle().toStdString();
    w.WizardNext();
    Pump();
  }
  ASSERT_EQ(w.TaskWindows().size(), 1);
  EXPECT_EQ(w.TaskWindows().front()->Name(), kDrawingWindow);
  EXPECT_EQ(w.WizardStep(), 0);
  EXPECT_TRUE(w.MenuAction(2)->isEnabled());
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(MainWindowTest, WizardCancelClosesEverythingAndOpensNothing) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  w.StartWizard();
  Pump();
  w.WizardNext();
  Pump();
  ASSERT_EQ(w.TaskWindows().front()->Name(), kDialTypeDialog);
  w.WizardCancel();
  Pump();
  EXPECT_TRUE(w.TaskWindows().isEmpty());
  EXPECT_EQ(w.WizardStep(), 0);
  EXPECT_TRUE(w.MenuAction(2)->isEnabled());
  EXPECT_TRUE(w.MenuAction(8)->isEnabled());
  EXPECT_FALSE(w.PictureStrip()->isHidden());
}

TEST_F(MainWindowTest, ExpertModeOffTurnsMeanTimeDialIntoHorizontal) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  config::Dial().kind = 'm';
  config::Dial().cylinderVariant = 2;
  w.SetExpertMode(false);
  EXPECT_EQ(config::Dial().kind, 'h');
  EXPECT_EQ(config::Dial().cylinderVariant, 0);
  EXPECT_FALSE(shell::State().general.expertMode);
  EXPECT_FALSE(shell::State().general.mapsEnabled);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text,
            "Der Experten-Modus ist ausgeschaltet.\nManche Sonnenuhrenarten werden so nicht mehr berechnet.");
  w.SetExpertMode(true);
  EXPECT_TRUE(shell::State().general.expertMode);
  EXPECT_EQ(config::Dial().kind, 'h');
}

TEST_F(MainWindowTest, LanguageSwitchRelabelsAnOpenDialog) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  auto* site = static_cast<SiteDialog*>(w.OpenSiteDialog());
  ASSERT_NE(site, nullptr);
  auto labelText = [site] {
    QStringList texts;
    for (QLabel* l : site->findChildren<QLabel*>()) texts << l->text();
    return texts;
  };
  EXPECT_TRUE(labelText().contains("Geogr.  &Breite : "));
  EXPECT_EQ(site->windowTitle(), "Ort und Zeit ...");
  w.SelectLanguage(false);
  EXPECT_TRUE(labelText().contains("&Latitude : "));
  EXPECT_FALSE(labelText().contains("Geogr.  &Breite : "));
  EXPECT_EQ(site->windowTitle(), "Location and Time ...");
  EXPECT_EQ(site->NorthOrWest(0)->text(), "&North");
  w.SelectLanguage(true);
  EXPECT_TRUE(labelText().contains("Geogr.  &Breite : "));
}

TEST_F(MainWindowTest, StandardDialogsSpeakTheProgramsLanguage) {
  // Qt's file, print and page set-up dialogs were English in German.
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  w.SelectLanguage(true);
  {
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(files.labelText(QFileDialog::Reject), "Abbrechen");
    EXPECT_EQ(files.labelText(QFileDialog::LookIn), "Suchen in:");
  }
  w.SelectLanguage(false);
  {
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(files.labelText(QFileDialog::Reject), "Cancel");
  }
  w.SelectLanguage(true);
}

TEST_F(MainWindowTest, SlideShowIntervalSlider) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  EXPECT_DOUBLE_EQ(w.GalleryIntervalSeconds(), 2.2);
  EXPECT_EQ(w.GalleryTimer()->interval(), 2200);
  w.GallerySlider()->setValue(w.GallerySlider()->minimum());
  EXPECT_DOUBLE_EQ(w.GalleryIntervalSeconds(), 1.0);
  EXPECT_EQ(w.GalleryIntervalLabel()->text(), "1.0 s");
  w.GallerySlider()->setValue(w.GallerySlider()->maximum());
  EXPECT_DOUBLE_EQ(w.GalleryIntervalSeconds(), 21.0);
  EXPECT_EQ(w.GalleryIntervalLabel()->text(), "21.0 s");
  w.StartGallery();
  EXPECT_TRUE(w.GalleryTimer()->isActive());
  w.StopGallery();
  EXPECT_FALSE(w.GalleryTimer()->isActive());
}

}  // namespace
}  // namespace kelvra::ui
