// Help pages by topic and language; the colour panel's pattern.
#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>

#include "shell/catalog.h"
#include "shell/shared_state.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/common/help_window.h"
#include "ui/main/main_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using uitest::UiTest;

class HelpTest : public UiTest {};

TEST_F(HelpTest, EveryWindowHasItsPageInBothLanguages) {
  for (bool german : {true, false}) {
    shell::SelectLanguage(german);
    EXPECT_TRUE(HelpFileExists());
    for (int topic : {1, 2, 3, 4, 6, 28, 29, 30, 49, 50}) {
      const QString page = HelpPage(topic);
      EXPECT_TRUE(page.contains("<h1>")) << topic << " " << german;
    }
  }
  shell::SelectLanguage(true);
  EXPECT_TRUE(HelpPage(1).contains("Breite"));
  shell::SelectLanguage(false);
  EXPECT_TRUE(HelpPage(1).contains("Latitude"));
}

TEST_F(HelpTest, WindowPagesExplainTheirFields) {
  // The pages of single windows were one sentence; each now lists what its
  // fields and commands mean, with units and signs.
  struct Page {
    int topic;
    const char* german;   // a word the German page must explain
    const char* english;  // the same on the English page
  };
  const Page pages[] = {
      {1, "Osten negativ", "East"},        {2, "östlich negativ", "east"},
      {3, "Gnomon", "Gnomon"},             {6, "mm", "mm"},
      {50, "nach Westen positiv", "west positive"},
      {51, "min:sec", "min:sec"},
  };
  for (bool german : {true, false}) {
    shell::SelectLanguage(german);
    for (const Page& p : pages) {
      const QString page = HelpPage(p.topic);
      EXPECT_GE(page.count("<tr>"), 4) << p.topic << " " << german;
      EXPECT_TRUE(page.contains(QString::fromUtf8(german ? p.german : p.english), Qt::CaseInsensitive))
          << p.topic << " " << german;
    }
  }
  shell::SelectLanguage(true);
}

TEST_F(HelpTest, MissingPageIsReported) {
  kelvra::testing::RecordingMessageSink sink;
  HelpWindow help;
  EXPECT_TRUE(help.ShowTopic(2));
  EXPECT_FALSE(help.ShowTopic(777));
  EXPECT_EQ(help.Topic(), 2);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].kind, shell::MessageKind::Information);
  EXPECT_EQ(sink.shown[0].text, "Help file help/de/777.html not found!");
}

TEST_F(HelpTest, F1ShowsTheActiveWindowsTopic) {
  kelvra::testing::RecordingMessageSink sink;
  MainWindow w;
  w.ShowHelp();
  ASSERT_NE(w.Help(), nullptr);
  EXPECT_EQ(w.Help()->Topic(), 4);
  ASSERT_NE(w.OpenSiteDialog(), nullptr);
  w.ShowHelp();
  EXPECT_EQ(w.Help()->Topic(), 1);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(HelpTest, EscapeClosesTheHelpWindow) {
  kelvra::testing::RecordingMessageSink sink;
  HelpWindow help;
  ASSERT_TRUE(help.ShowTopic(1));
  help.show();
  ASSERT_TRUE(help.isVisible());
  // The key reaches the page first, which has no use for it.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(help.findChild<QTextBrowser*>(), &escape);
  EXPECT_FALSE(help.isVisible());
}

TEST(ColourPattern, LineRows) {
  // y = 8 + k * 2h / (21.35 * 1.14), rounded.
  EXPECT_EQ(ColourPanel::PatternLineY(0, 150), 8);
  EXPECT_EQ(ColourPanel::PatternLineY(1, 150), 20);
  EXPECT_EQ(ColourPanel::PatternLineY(11, 150), 144);
}

}  // namespace
}  // namespace kelvra::ui
