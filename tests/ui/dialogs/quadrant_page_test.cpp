// The quadrant's page: the variant choice in expert mode only, the size
// checked on leaving and closing, what the date scale enables (Gunter's
// quadrant is read in local time), the hour lists greyed over the whole year,
// and the note on the two quadrants of a saved file.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

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

// The Habermel dials: diameter and gnomon derive each other with the
// absolute latitude and the obliquity of 2020 rounded to 0.01 degree
// (23.44): disc g = ((D - 15) / 2) / tan(90 - |phi| + eps), tablet
// g = (D - 15) / (tan(90 - |phi| - eps) + tan(90 - |phi| + eps)).
class HabermelPageTest : public QuadrantPageTest {
 protected:
  static double Tan(double deg) { return std::tan(deg * std::acos(-1.0) / 180); }
  static double DiscGnomon(double D, double phi) {
    return ((D - 15) / 2) / Tan(90 - std::fabs(phi) + 23.44);
  }
  static double TabletGnomon(double D, double phi) {
    const double a = 90 - std::fabs(phi);
    return (D - 15) / (Tan(a - 23.44) + Tan(a + 23.44));
  }
  void Leave(QLineEdit* edit, const char* text) {
    edit->setText(text);
    emit edit->editingFinished();
  }
  void SetUp() override {
    QuadrantPageTest::SetUp();
    shell::State().general.expertMode = true;
    shell::State().site.latitude = 47.25;
    shell::State().site.year = 2020;
  }
  void TearDown() override { shell::State().general.expertMode = false; }
};

TEST_F(HabermelPageTest, ChoosingAVariantShowsItsGroupAndDerivesTheGnomon) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  EXPECT_FALSE(page.HabermelGroup()->isVisibleTo(&page));
  QList<QRadioButton*> variants = page.VariantGroup()->findChildren<QRadioButton*>();
  ASSERT_EQ(variants.size(), 3);
  variants[2]->setChecked(true);
  EXPECT_TRUE(page.HabermelGroup()->isVisibleTo(&page));
  EXPECT_FALSE(page.QuadrantGroup()->isVisibleTo(&page));
  EXPECT_NEAR(config::Dial().habermelGnomon, DiscGnomon(200, 47.25), 1e-9);
  EXPECT_FALSE(page.HabermelEotSwitch()->isVisibleTo(&page));
  variants[1]->setChecked(true);
  EXPECT_NEAR(config::Dial().habermelGnomon, TabletGnomon(200, 47.25), 1e-9);
  EXPECT_TRUE(page.HabermelEotSwitch()->isVisibleTo(&page));
}

TEST_F(HabermelPageTest, DiameterAndGnomonFollowEachOther) {
  config::Dial().altitudeVariant = 2;
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  Leave(page.DiameterField(), "150");
  EXPECT_NEAR(config::Dial().habermelGnomon, DiscGnomon(150, 47.25), 1e-9);
  // A gnomon of 30 mm needs 2 x 30 x tan(66.19) + 15 = 150.9 mm.
  Leave(page.GnomonField(), "30");
  EXPECT_DOUBLE_EQ(config::Dial().habermelGnomon, 30);
  EXPECT_NEAR(config::Dial().dialDiameter, 2 * 30 * Tan(90 - 47.25 + 23.44) + 15, 1e-9);
  // A gnomon that needs more than 200 mm is refused with its message; the
  // diameter stays.
  const double diameter = config::Dial().dialDiameter;
  Leave(page.GnomonField(), "50");
  EXPECT_DOUBLE_EQ(config::Dial().habermelGnomon, 30);
  EXPECT_DOUBLE_EQ(config::Dial().dialDiameter, diameter);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_NE(sink.shown.back().text.find("Zeiger der Sonnenuhr zu gro"), std::string::npos);
}

TEST_F(HabermelPageTest, ASouthernLatitudeIsNotedAndDerivesWithItsMagnitude) {
  config::Dial().altitudeVariant = 1;
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  QuadrantPage& page = *d.PageAs<QuadrantPage>(kPage);
  Leave(page.LatitudeField(), "-35");
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, -35);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().text, "Die Berechnung erfolgt nur für nördliche Geogr. Breiten");
  EXPECT_NEAR(config::Dial().habermelGnomon, TabletGnomon(200, 35), 1e-9);
}

}  // namespace
}  // namespace kelvra::ui
