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

}  // namespace
}  // namespace kelvra::ui
