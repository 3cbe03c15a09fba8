// The page of the Sawyer and Peaucellier dials: the choice sets the kind and
// shows its group; the Peaucellier constant and the latitude keep away from
// zero (the constant with its correction message), the equinox distance is
// checked on leaving and closing with their different ranges, and the hint
// follows the latitude.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>
#include <numbers>

#include "config/dial_parameters.h"
#include "shell/shared_state.h"
#include "ui/dialogs/dial_parameters_dialog.h"
#include "ui/dialogs/pages/peaucellier_page.h"
#include "ui_test_support.h"

namespace kelvra::ui {
namespace {

constexpr int kPage = 9;

class PeaucellierPageTest : public uitest::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    config::ResetDialParameters();
    config::Dial().kind = 'p';
    shell::State().general.expertMode = true;
  }
  void Leave(QLineEdit* edit, const char* text) {
    edit->setText(text);
    emit edit->editingFinished();
  }
};

TEST_F(PeaucellierPageTest, TheChoiceSetsTheKindAndShowsItsGroup) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  ASSERT_EQ(d.Pages()->currentIndex(), kPage);
  PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
  EXPECT_TRUE(page.PeaucellierChoice()->isChecked());
  EXPECT_TRUE(page.PeaucellierGroup()->isVisibleTo(&page));
  EXPECT_FALSE(page.SawyerGroup()->isVisibleTo(&page));
  page.SawyerChoice()->setChecked(true);
  EXPECT_EQ(config::Dial().kind, 'w');
  EXPECT_FALSE(page.PeaucellierGroup()->isVisibleTo(&page));
  EXPECT_TRUE(page.SawyerGroup()->isVisibleTo(&page));
  page.PeaucellierChoice()->setChecked(true);
  EXPECT_EQ(config::Dial().kind, 'p');
  EXPECT_TRUE(page.PeaucellierGroup()->isVisibleTo(&page));
}

TEST_F(PeaucellierPageTest, SmallValuesKeepAwayFromZeroWithTheirSign) {
  struct Case {
    const char* constant;
    double stored;
    bool message;
  };
  const Case cases[] = {
      {"0", 0.01, true},
      {"-0.005", -0.01, true},
      {"0.5", 0.5, false},
      {"-2.1", -2.1, false},
  };
  for (const Case& c : cases) {
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
    Leave(page.ConstantField(), c.constant);
    EXPECT_DOUBLE_EQ(config::Dial().peaucellierConstant, c.stored) << c.constant;
    bool corrected = false;
    for (const auto& m : sink.shown) {
      corrected = corrected ||
                  m.text.find("Der Wert 0 ist nicht erlaubt. Daher Korrektur auf") != std::string::npos;
    }
    EXPECT_EQ(corrected, c.message) << c.constant;
  }
  // The latitude: 0 counts as positive.
  const struct {
    const char* text;
    double stored;
  } latitudes[] = {{"0", 0.0049}, {"-0.001", -0.0049}, {"47.25", 47.25}};
  for (const auto& l : latitudes) {
    kelvra::testing::RecordingMessageSink sink;
    DialParametersDialog d(false);
    PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
    Leave(page.LatitudeField(), l.text);
    EXPECT_DOUBLE_EQ(shell::State().site.latitude, l.stored) << l.text;
  }
}

TEST_F(PeaucellierPageTest, TheEquinoxDistanceIsCheckedOnLeavingAndClosing) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
  // Leaving allows 10 .. 120, closing 0 .. 300.
  Leave(page.DistanceField(), "200");
  EXPECT_NE(config::Dial().peaucellierEquinoxDistance, 200);
  ASSERT_FALSE(sink.shown.empty());
  page.DistanceField()->setText("200");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().peaucellierEquinoxDistance, 200);
  page.DistanceField()->setText("301");
  EXPECT_FALSE(d.MayClose());
  EXPECT_EQ(sink.shown.back().text, "Bitte zuerst die fehlerhafte Eingabe korrigieren!");
  page.DistanceField()->setText("60");
  EXPECT_TRUE(d.MayClose());
  EXPECT_EQ(config::Dial().peaucellierEquinoxDistance, 60);
}

// The hint is tan(latitude) / cos(15 deg): 1.0353 at 45 degrees (1 / 0.96593).
TEST_F(PeaucellierPageTest, TheHintFollowsTheLatitude) {
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
  Leave(page.LatitudeField(), "45");
  EXPECT_TRUE(page.Hint()->text().endsWith("1.0353")) << page.Hint()->text().toStdString();
  Leave(page.LatitudeField(), "-60");
  // tan(-60) / cos 15 = -1.7321 / 0.96593 = -1.7932
  EXPECT_TRUE(page.Hint()->text().endsWith("-1.7932")) << page.Hint()->text().toStdString();
}

// The Sawyer group: the gnomon is held to 5 .. 200 on this page, the line
// angle to 1 .. 15 on leaving but 0.5 .. 15 on closing, the latitude keeps
// away from zero, and the time mode sets its flags.
TEST_F(PeaucellierPageTest, TheSawyerGroupChecksItsFieldsAndSetsTheTimeFlags) {
  config::Dial().kind = 'w';
  kelvra::testing::RecordingMessageSink sink;
  DialParametersDialog d(false);
  PeaucellierPage& page = *d.PageAs<PeaucellierPage>(kPage);
  ASSERT_TRUE(page.SawyerGroup()->isVisibleTo(&page));
  struct Case {
    QLineEdit* field;
    const char* text;
    bool accepted;
  };
  const Case leaving[] = {
      {page.SawyerGnomonField(), "250", false}, {page.SawyerGnomonField(), "120", true},
      {page.LineAngleField(), "0.7", false},    {page.LineAngleField(), "7.5", true},
      {page.CenterField(), "901", false},       {page.CenterField(), "40", true},
      {page.WallField(), "200", false},         {page.WallField(), "25", true},
  };
  for (const Case& c : leaving) {
    const std::size_t before = sink.shown.size();
    Leave(c.field, c.text);
    EXPECT_EQ(sink.shown.size() == before, c.accepted) << c.text;
  }
  EXPECT_DOUBLE_EQ(config::Dial().gnomonHeight, 120);
  EXPECT_DOUBLE_EQ(config::Dial().sawyerLineAngle, 7.5);
  EXPECT_DOUBLE_EQ(config::Dial().sawyerCenter, 40);
  EXPECT_DOUBLE_EQ(config::Dial().wallDeclination, 25);
  // 0.7 passes when the page is closed.
  page.LineAngleField()->setText("0.7");
  EXPECT_TRUE(d.MayClose());
  EXPECT_DOUBLE_EQ(config::Dial().sawyerLineAngle, 0.7);
  Leave(page.SawyerLatitudeField(), "0");
  EXPECT_DOUBLE_EQ(shell::State().site.latitude, 0.0049);
  // The third mode: mean time with half loops.
  QList<QRadioButton*> modes = page.SawyerGroup()->findChildren<QRadioButton*>();
  ASSERT_EQ(modes.size(), 4);
  modes[2]->setChecked(true);
  EXPECT_EQ(config::Dial().sawyerTimeMode, 2);
  EXPECT_TRUE(config::Dial().meanTimeHalfLoops);
  EXPECT_TRUE(config::Dial().constructWithEot);
}

}  // namespace
}  // namespace kelvra::ui
