// The ring dial's page: the ring's fields checked on leaving and closing, the
// hole offsets for experts only (reset when the dialog becomes active
// otherwise), one or two bands deciding which offset is edited, the
// hour-line choice setting both of its fields, and the movable hole
// switching the Babylonian and Italian hours off.
#include "ui/dialogs/pages/ring_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <string>

#include "config/dial_fields.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

constexpr int kPage = 5;

class RingPageTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    config::ResetDialParameters();
    config::Dial().kind = 'r';
    shell::State().site.year = 2020;  // obliquity 23.44 rounded to 0.01
    shell::State().general.expertMode = false;
  }
  void TearDown() override { shell::State().general.expertMode = false; }
  static void Leave(QLineEdit* edit, const char* text) {
    edit->setText(text);
    emit edit->editingFinished();
  }
};

TEST_F(RingPageTest, KindROpensTheRingPage) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  EXPECT_EQ(d.Pages()->currentIndex(), kPage);
  ASSERT_NE(d.PageAs<RingPage>(kPage), nullptr);
}

// Each field: a value refused on leaving is not stored and its message names
// the range; the ring's width allows up to 190 mm on leaving and 300 mm on
// closing.
TEST_F(RingPageTest, TheRingsFieldsAreCheckedOnLeavingAndClosing) {
  struct Case {
    const char* name;
    QLineEdit* (RingPage::*field)() const;
    const char* text;
    bool leaves;  // accepted on leaving the field
    bool closes;  // accepted on closing the dialog
    const char* upper;  // the upper end the refusal names
  } cases[] = {
      {"diameter below", &RingPage::DiameterField, "9", false, false, "300"},
      {"diameter low end", &RingPage::DiameterField, "10", true, true, "300"},
      {"diameter high end", &RingPage::DiameterField, "300", true, true, "300"},
      {"diameter above", &RingPage::DiameterField, "300.5", false, false, "300"},
      {"width below", &RingPage::WidthField, "4.4", false, false, "190"},
      {"width low end", &RingPage::WidthField, "4.5", true, true, "190"},
      {"width leave end", &RingPage::WidthField, "190", true, true, "190"},
      {"width beyond leave", &RingPage::WidthField, "250", false, true, "190"},
      {"width above", &RingPage::WidthField, "301", false, false, "190"},
      {"hole below", &RingPage::HoleAngleField, "9.9", false, false, "90"},
      {"hole high end", &RingPage::HoleAngleField, "90", true, true, "90"},
      {"hole above", &RingPage::HoleAngleField, "91", false, false, "90"},
  };
  for (const Case& c : cases) {
    config::ResetDialParameters();
    config::Dial().kind = 'r';
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    RingPage& page = *d.PageAs<RingPage>(kPage);
    QLineEdit* edit = (page.*c.field)();
    const config::FieldInfo& field = *config::FindField(edit->objectName().toStdString());
    const double before = field.get(config::CurrentFieldRefs());
    Leave(edit, c.text);
    const double after = field.get(config::CurrentFieldRefs());
    if (c.leaves) {
      EXPECT_DOUBLE_EQ(after, std::stod(c.text)) << c.name;
      EXPECT_TRUE(sink.shown.empty()) << c.name;
    } else {
      EXPECT_DOUBLE_EQ(after, before) << c.name;
      ASSERT_FALSE(sink.shown.empty()) << c.name;
      EXPECT_NE(sink.shown.front().text.find(c.upper), std::string::npos)
          << c.name << ": " << sink.shown.front().text;
    }
    edit->setText(c.text);
    EXPECT_EQ(d.MayClose(), c.closes) << c.name;
  }
}

// Experts set the hole's offset: the one band's within plus or minus the
// obliquity, the first of two bands' within 0 and the obliquity.
TEST_F(RingPageTest, TheOffsetFieldFollowsTheBandCount) {
  shell::State().general.expertMode = true;
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  RingPage& page = *d.PageAs<RingPage>(kPage);
  ASSERT_TRUE(page.OffsetGroup()->isVisibleTo(&page));
  struct Case {
    bool oneBand;
    const char* text;
    double stored;  // what the band's field holds afterwards
  } cases[] = {
      {true, "-20", -20},  {true, "23.44", 23.44}, {true, "23.5", 23.44}, {true, "-23.5", 23.44},
      {false, "5", 5},     {false, "-1", 5},       {false, "23.44", 23.44}, {false, "24", 23.44},
  };
  for (const Case& c : cases) {
    page.OneBandSwitch()->setChecked(c.oneBand);
    EXPECT_EQ(config::Dial().wholeYear, c.oneBand);
    EXPECT_EQ(page.OffsetField()->isVisibleTo(&page), c.oneBand) << c.text;
    EXPECT_EQ(page.OffsetNorthField()->isVisibleTo(&page), !c.oneBand) << c.text;
    Leave(c.oneBand ? page.OffsetField() : page.OffsetNorthField(), c.text);
    const config::DialParameters& dial = config::Dial();
    EXPECT_DOUBLE_EQ(c.oneBand ? dial.ringHoleOffset : dial.ringHoleOffsetNorth, c.stored)
        << c.oneBand << " " << c.text;
  }
  // The offsets of an expert stay when the dialog becomes active again.
  d.Activated();
  EXPECT_DOUBLE_EQ(config::Dial().ringHoleOffsetNorth, 23.44);
}

TEST_F(RingPageTest, WithoutExpertModeTheOffsetsAreHiddenAndReset) {
  struct Case {
    bool oneBand;
    double offset, north;          // before the dialog becomes active
    double offsetAfter, northAfter;
  } cases[] = {
      {true, 5, 3, 0, 3},          // one band: its offset back to 0
      {false, 5, 3, 5, 23.44 / 2}, // two bands: the first band's to half the obliquity
  };
  for (const Case& c : cases) {
    config::Dial().wholeYear = c.oneBand;
    config::Dial().ringHoleOffset = c.offset;
    config::Dial().ringHoleOffsetNorth = c.north;
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    RingPage& page = *d.PageAs<RingPage>(kPage);
    EXPECT_FALSE(page.OffsetGroup()->isVisibleTo(&page));
    d.Activated();
    EXPECT_DOUBLE_EQ(config::Dial().ringHoleOffset, c.offsetAfter) << c.oneBand;
    EXPECT_DOUBLE_EQ(config::Dial().ringHoleOffsetNorth, c.northAfter) << c.oneBand;
  }
}

TEST_F(RingPageTest, TheHourLineChoiceSetsTemporalHoursAndLocalTime) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  RingPage& page = *d.PageAs<RingPage>(kPage);
  ASSERT_EQ(page.HourLineChoice().size(), 2u);
  page.HourLineChoice()[1]->setChecked(true);
  EXPECT_TRUE(config::Dial().altitudeTemporal);
  EXPECT_FALSE(config::Dial().ringLocalTime);
  EXPECT_TRUE(page.findChild<QComboBox*>("otherTemporalFrom")->isEnabled());
  EXPECT_FALSE(page.findChild<QComboBox*>("otherHoursFrom")->isEnabled());
  page.HourLineChoice()[0]->setChecked(true);
  EXPECT_FALSE(config::Dial().altitudeTemporal);
  EXPECT_TRUE(config::Dial().ringLocalTime);
  EXPECT_FALSE(page.findChild<QComboBox*>("otherTemporalFrom")->isEnabled());
  // Closing settles the pair from the choice whatever the records held.
  config::Dial().ringLocalTime = false;
  EXPECT_TRUE(d.MayClose());
  EXPECT_TRUE(config::Dial().ringLocalTime);
}

TEST_F(RingPageTest, TheMovableHoleSwitchesTheBabylonianAndItalianHoursOff) {
  kelvra::testing::RecordingMessageSink sink;
  config::Dial().ringNoonHorizontal = false;
  DialParametersDialog d(false);
  RingPage& page = *d.PageAs<RingPage>(kPage);
  EXPECT_TRUE(page.BabylonianSwitch()->isEnabled());
  EXPECT_TRUE(page.ItalianSwitch()->isEnabled());
  page.ItalianSwitch()->setChecked(true);
  EXPECT_TRUE(page.ItalianPart()->isEnabled());
  EXPECT_FALSE(page.BabylonianPart()->isEnabled());
  page.ItalianPart()->setCurrentIndex(2);
  EXPECT_EQ(config::Dial().ringItalianPart, 2);  // all day
  page.MovableHoleSwitch()->setChecked(true);
  EXPECT_TRUE(config::Dial().ringNoonHorizontal);
  EXPECT_FALSE(page.BabylonianSwitch()->isEnabled());
  EXPECT_FALSE(page.ItalianSwitch()->isEnabled());
  EXPECT_FALSE(page.ItalianPart()->isEnabled());
}

}  // namespace
}  // namespace kelvra::ui
