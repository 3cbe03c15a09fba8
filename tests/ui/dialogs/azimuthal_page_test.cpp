// The azimuthal page of the dial parameters dialog: the circle kinds and
// projections with what they show, the plate's check, the zodiac lines, the
// horizon profile switch that asks to load a profile.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "calc/horizon/horizon_file.h"
#include "calc/horizon/horizon_profile.h"
#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/calc/horizon_panel.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/azimuthal_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

using shell::MessageAnswer;

class AzimuthalPageTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    calc::Horizon() = calc::HorizonProfileState{};
    config::Dial().kind = 'a';
  }
  void TearDown() override {
    ResetHorizonDialogs();
    calc::Horizon() = calc::HorizonProfileState{};
    UiTest::TearDown();
  }
};

TEST_F(AzimuthalPageTest, OpensForKindAWithItsCaption) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  EXPECT_EQ(d.Pages()->currentIndex(), 6);
  EXPECT_EQ(d.windowTitle().toStdString(), "Eingabe für Azimutalsonnenuhr");
  ASSERT_NE(d.PageAs<AzimuthalPage>(6), nullptr);
}

TEST_F(AzimuthalPageTest, TheCirclesDecideWhatIsShown) {
  kelvra::testing::RecordingMessageSink sink;
  struct Case {
    int mode, spacing;
    bool expert;
    bool spacingShown, horizontoscopeShown, zodiacLines, ecliptic;
  };
  const Case cases[] = {
      {0, 1, true, false, false, false, false},
      {1, 0, true, true, false, true, false},
      {1, 1, true, true, true, true, false},
      {1, 2, true, true, false, true, true},
      {1, 3, true, true, false, true, false},
      {1, 1, false, false, false, true, false},
  };
  for (const Case& c : cases) {
    config::Dial().azimuthCircleMode = c.mode;
    config::Dial().altitudeCircleSpacing = c.spacing;
    shell::State().general.expertMode = c.expert;
    DialParametersDialog d(false);
    AzimuthalPage& page = *d.PageAs<AzimuthalPage>(6);
    const std::string what = std::to_string(c.mode) + "/" + std::to_string(c.spacing) +
                             (c.expert ? " expert" : "");
    EXPECT_EQ(page.SpacingGroup()->isVisibleTo(&page), c.spacingShown) << what;
    EXPECT_EQ(page.HorizontoscopeGroup()->isVisibleTo(&page), c.horizontoscopeShown) << what;
    EXPECT_EQ(page.ZodiacLinesList()->isEnabled(), c.zodiacLines) << what;
    EXPECT_EQ(page.EclipticSwitch()->isEnabled(), c.ecliptic) << what;
  }
  shell::State().general.expertMode = true;
}

TEST_F(AzimuthalPageTest, ChoicesStoreTheirFields) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  AzimuthalPage& page = *d.PageAs<AzimuthalPage>(6);
  // The four projections, the orthographic one last.
  const auto spacing = page.SpacingGroup()->findChildren<QRadioButton*>();
  ASSERT_EQ(spacing.size(), 4);
  spacing[3]->setChecked(true);
  EXPECT_EQ(config::Dial().altitudeCircleSpacing, 3);
  spacing[0]->setChecked(true);
  EXPECT_EQ(config::Dial().altitudeCircleSpacing, 0);
  // Solstices and equinox only: 4.
  page.ZodiacLinesList()->setCurrentIndex(3);
  EXPECT_EQ(config::Dial().zodiacLinesPerMonth, 4);
  page.ZodiacLinesList()->setCurrentIndex(1);
  EXPECT_EQ(config::Dial().zodiacLinesPerMonth, 2);
}

TEST_F(AzimuthalPageTest, ThePlateIsCheckedOnLeavingAndClosing) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  AzimuthalPage& page = *d.PageAs<AzimuthalPage>(6);
  page.PlateDiameterField()->setText("250");
  emit page.PlateDiameterField()->editingFinished();
  EXPECT_EQ(config::Dial().basePlateDiameter, 180);
  ASSERT_FALSE(sink.shown.empty());
  page.PlateDiameterField()->setText("2");
  EXPECT_FALSE(d.MayClose());
  EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
  page.PlateDiameterField()->setText("150");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().basePlateDiameter, 150);
  // The observer distance is checked only where it is shown (Tonne's spacing).
  config::Dial().altitudeCircleSpacing = 2;
  page.Fill();
  page.ObserverDistanceField()->setText("5");
  EXPECT_TRUE(d.MayClose());
  config::Dial().altitudeCircleSpacing = 1;
  page.Fill();
  page.ObserverDistanceField()->setText("5");
  EXPECT_FALSE(d.MayClose());
}

TEST_F(AzimuthalPageTest, TheHorizonProfileSwitchAsksToLoadOne) {
  kelvra::testing::RecordingMessageSink sink;
  QTemporaryDir dir;
  calc::HorizonProfileFile file;
  file.latitude = 46.5;
  file.longitude = -8.0;
  for (auto& p : file.profile.points) p.altitude = 5;
  const QString path = dir.filePath("ridge.ele");
  ASSERT_TRUE(calc::WriteHorizonProfileFile(path.toStdString(), file));
  int opened = 0;
  TheHorizonDialogs().openFile = [&](QWidget*, const QString&, const QString&) {
    ++opened;
    return path;
  };
  DialParametersDialog d(false);
  AzimuthalPage& page = *d.PageAs<AzimuthalPage>(6);
  // No: nothing is loaded and the switch goes off again.
  sink.Script({MessageAnswer::No});
  page.HorizonProfileSwitch()->setChecked(true);
  EXPECT_FALSE(config::Dial().horizonProfile);
  EXPECT_FALSE(page.HorizonProfileSwitch()->isChecked());
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(sink.shown.back().text,
            "Es wurde kein Horizontprofil geladen!\r\nSoll ein vorhandenes Horizontprofil geladen werden?");
  // Yes: the file is read, the switch stays on, the site moves to the profile.
  sink.Script({MessageAnswer::Yes});
  page.HorizonProfileSwitch()->setChecked(true);
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(config::Dial().horizonProfile);
  EXPECT_TRUE(page.HorizonProfileSwitch()->isChecked());
  EXPECT_TRUE(calc::Horizon().horizonProfileLoaded);
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, 46.5);
  // With a profile loaded the switch asks nothing.
  page.HorizonProfileSwitch()->setChecked(false);
  const auto shown = sink.shown.size();
  page.HorizonProfileSwitch()->setChecked(true);
  EXPECT_EQ(sink.shown.size(), shown);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace kelvra::ui
