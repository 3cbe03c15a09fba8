// The quadrant's page: the variant choice in expert mode only, the size
// checked on leaving and closing, what the date scale enables (Gunter's
// quadrant is read in local time), the hour lists greyed over the whole year,
// and the note on the two quadrants of a saved file.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/quadrant_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

constexpr int kPage = 2;

class QuadrantPageTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    config::ResetDialParameters();
    config::Dial().kind = 'q';
    config::Dial().altitudeVariant = 0;
  }
};

TEST_F(QuadrantPageTest, TheVariantChoiceIsForExperts) {
  for (bool expert : {false, true}) {
    shell::State().general.expertMode = expert;
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    ASSERT_EQ(d.Pages()->currentIndex(), kPage);
    QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
    EXPECT_EQ(page.VariantGroup()->isVisibleTo(&page), expert);
    EXPECT_TRUE(page.QuadrantGroup()->isVisibleTo(&page));
  }
  shell::State().general.expertMode = false;
}

TEST_F(QuadrantPageTest, TheSizeIsCheckedOnLeavingAndClosing) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  page.SizeField()->setText("120");
  emit page.SizeField()->editingFinished();
  EXPECT_EQ(config::Dial().quadrantSize, 120);
  struct Case {
    const char* text;
    bool accepted;
  } cases[] = {{"79", false}, {"80", true}, {"200", true}, {"201", false}, {"150.5", false}};
  for (const Case& c : cases) {
    page.SizeField()->setText(c.text);
    EXPECT_EQ(d.MayClose(), c.accepted) << c.text;
  }
  page.SizeField()->setText("150");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().quadrantSize, 150);
}

TEST_F(QuadrantPageTest, TheDateScaleDecidesWhatIsEnabled) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().zoneTime = true;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  struct Case {
    const char* scale;  // the radio button's object name suffix: entry
    int value;
    bool eot, wholeYear, reference;
  } cases[] = {
      {"calendar", 0, true, true, true},
      {"declination", 1, false, true, true},
      {"stereographic", 2, false, false, false},
  };
  const auto buttons = page.findChildren<QRadioButton*>("quadrantDateScale");
  ASSERT_EQ(buttons.size(), 3);
  for (const Case& c : cases) {
    buttons[c.value]->setChecked(true);
    EXPECT_EQ(config::Dial().quadrantDateScale, c.value) << c.scale;
    EXPECT_EQ(page.EotSwitch()->isEnabled(), c.eot) << c.scale;
    EXPECT_EQ(page.WholeYearSwitch()->isEnabled(), c.wholeYear) << c.scale;
    EXPECT_EQ(page.MirroredSwitch()->isEnabled(), c.wholeYear) << c.scale;
    EXPECT_EQ(page.TimeReference()->isEnabled(), c.reference) << c.scale;
  }
  // Gunter's quadrant switched the time to local time.
  EXPECT_FALSE(config::Dial().zoneTime);
  EXPECT_TRUE(config::Dial().ringLocalTime);
}

TEST_F(QuadrantPageTest, TheFileNoteNamesTheTwoQuadrants) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  EXPECT_TRUE(page.FileNote()->text().contains("beide Halbjahre"));
  page.WholeYearSwitch()->setChecked(true);
  EXPECT_TRUE(config::Dial().wholeYear);
  EXPECT_TRUE(page.FileNote()->text().contains("Vor- und Nachmittag"));
  EXPECT_FALSE(page.findChild<QWidget*>("HourLists")->isEnabled());
}

}  // namespace
}  // namespace kelvra::ui
