// The drawing window talks to the window it opens in only through
// DrawingHost: the picture fits the host's task area, and the screen format,
// the colour panel, the language and the parameters dialog go to the host.
#include <QPushButton>

#include "config/dial_parameters.h"
#include "output/drawing_view.h"
#include "shell/shared_state.h"
#include "output/drawing_window_rules.h"
#include "ui/dialogs/colour_panel.h"
#include "ui/dialogs/save_panel.h"
#include "ui/drawing/drawing_host.h"
#include "ui/drawing/drawing_window.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

struct RecordingHost final : DrawingHost {
  QSize area{1400, 900};
  ColourPanel* colours = nullptr;
  int colourPanels = 0;
  int parameterRequests = 0;
  std::vector<bool> screenFormats;

  QSize TaskArea() const override { return area; }
  ColourPanel* Colours() const override { return colours; }
  void ShowColourPanel() override { ++colourPanels; }
  void ShowScreenFormat(bool printPage) override { screenFormats.push_back(printPage); }
  void SelectLanguage(bool) override {}
  void OpenParametersAfterEvent() override { ++parameterRequests; }
};

class DrawingHostTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    output::TheDrawingView() = output::DrawingView{};
  }
};

TEST_F(DrawingHostTest, ThePictureFitsTheHostsTaskArea) {
  auto pictureFor = [](QSize area) {
    RecordingHost host;
    host.area = area;
    DrawingWindow w(&host);
    return w.PictureSize();
  };
  const QSize small = pictureFor({1000, 650});
  const QSize large = pictureFor({1400, 900});
  // The command column and the information bar take their share of the area;
  // the picture follows the area.
  EXPECT_GT(small.width(), 0);
  EXPECT_GT(small.height(), 0);
  EXPECT_LT(small.width(), 1000);
  EXPECT_LT(small.height(), 650);
  EXPECT_LT(large.width(), 1400);
  EXPECT_LT(large.height(), 900);
  EXPECT_GT(large.width(), small.width());
  EXPECT_GT(large.height(), small.height());
}

TEST_F(DrawingHostTest, CommandsThatConcernTheHostGoToIt) {
  RecordingHost host;
  DrawingWindow w(&host);
  w.SetScreenPageFormat(false);
  w.SetScreenPageFormat(true);
  EXPECT_EQ(host.screenFormats, (std::vector<bool>{false, true}));
  w.OpenParameters();
  EXPECT_EQ(host.parameterRequests, 1);
  auto* colours = w.findChild<QPushButton*>("ColorsButton");
  ASSERT_NE(colours, nullptr);
  colours->click();
  EXPECT_EQ(host.colourPanels, 1);
}

TEST_F(DrawingHostTest, AnOpenedPanelIsNotLeftUnderTheColourPanel) {
  // The host's colour panel floats over every window; a panel the user opens
  // in the drawing window comes to the front, so the colour panel closes,
  // saying so (the drawing then shows its colours).
  kelvra::testing::RecordingMessageSink sink;
  ColourPanel panel;
  RecordingHost host;
  host.colours = &panel;
  DrawingWindow w(&host);
  w.show();
  w.Activate();
  int closed = 0;
  QObject::connect(&panel, &ColourPanel::Closed, [&closed] { ++closed; });
  panel.Open();
  ASSERT_TRUE(panel.isVisible());
  w.OpenSavePanel(output::SaveFormat::Hpgl, false);
  EXPECT_TRUE(w.Saver()->isVisible());
  EXPECT_FALSE(panel.isVisible());
  EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace kelvra::ui
